#pragma once
// Modal boxes of the desktop, centred on the window that asks (when one is set).
#include <QPointer>
#include <QWidget>

#include "common/Ports.h"

namespace brisvane {

class QtDialogs : public Dialogs {
public:
    // The window the boxes belong to; may change as windows come and go.
    void setParent(QWidget* parent) { parent_ = parent; }

    bool askYesNo(const std::string& title, const std::string& question,
                  DefaultButton defaultButton) override;
    std::optional<std::string> inputBox(const std::string& prompt, const std::string& title,
                                        const std::string& preset) override;
    void message(const std::string& title, const std::string& text,
                 MessageKind kind = MessageKind::Information) override;
    std::optional<std::string> chooseFile(const std::string& title, const std::string& filter,
                                          const std::string& folder) override;
    std::optional<std::string> chooseSaveFile(const std::string& title, const std::string& filter,
                                              const std::string& suggested) override;

    // The file dialog's name filters, in the form it shows and matches ("Name (*.a *.b)"):
    // "*.lan" becomes "*.lan (*.lan)"; "Language files (*.lan)|*.lan;*2.lan|..." becomes one
    // filter per pair, its description without the parenthesis it may carry, followed by the
    // pair's patterns. A single filter that already names its patterns stays as it is.
    static QStringList toNameFilters(const std::string& filter);

private:
    QPointer<QWidget> parent_;
};

} // namespace brisvane
