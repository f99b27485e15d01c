#pragma once
// Modal boxes of the desktop, centred on the window that asks (when one is set).
#include <QPointer>
#include <QWidget>

#include "common/Ports.h"
#include "windows/QtCatalogue.h"

namespace brisvane {

class Language;

class QtDialogs : public Dialogs {
public:
    // The window the boxes belong to; may change as windows come and go.
    void setParent(QWidget* parent) { parent_ = parent; }
    // The language of the buttons (Yes, No, OK, Cancel) and of the file dialog, read each time
    // a box opens; without one, or where it has no text, Qt's own words stand.
    void setLanguage(const Language* language) { language_ = language; }

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
    // The language's text of `key`, or `otherwise` where there is none.
    QString text(const char* key, const QString& otherwise) const;

    QPointer<QWidget> parent_;
    const Language* language_ = nullptr;
    QtCatalogue catalogue_;
};

} // namespace brisvane
