#pragma once
// Qt's own translation of the dialogs it draws (the file dialog's views, columns and menus),
// from the catalogues the desktop installs. Loaded the first time a dialog needs it for the
// language in use, and replaced when the language changes: the game itself never needs it.
#include <memory>
#include <string>

#include <QString>

class QTranslator;

namespace brisvane {

class QtCatalogue {
public:
    QtCatalogue();
    ~QtCatalogue();
    QtCatalogue(const QtCatalogue&) = delete;
    QtCatalogue& operator=(const QtCatalogue&) = delete;

    // The locale code of Qt's catalogues for a language named in English ("Danish" -> "da");
    // "" for English and for a language Qt translates into no catalogue we know.
    static QString codeFor(const std::string& international);

    // Makes Qt's dialogs speak the language named `international` where the desktop has a
    // catalogue for it, and English where it has none. Returns whether one is in use.
    bool use(const std::string& international);

private:
    std::string current_;
    std::unique_ptr<QTranslator> translator_;
};

} // namespace brisvane
