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
    void message(const std::string& title, const std::string& text) override;
    std::optional<std::string> chooseFile(const std::string& title,
                                          const std::string& filter) override;

    // "*.lan" becomes "*.lan (*.lan)", the form the file dialog shows and matches; a filter
    // that already names its patterns in parentheses stays as it is.
    static QString toNameFilter(const std::string& filter);

private:
    QPointer<QWidget> parent_;
};

} // namespace brisvane
