#include "windows/QtCatalogue.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "common/Text.h"

namespace brisvane {

QtCatalogue::QtCatalogue() = default;

QtCatalogue::~QtCatalogue() {
    if (translator_) {
        QCoreApplication::removeTranslator(translator_.get());
    }
}

QString QtCatalogue::codeFor(const std::string& international) {
    // Norwegian is Bokmål: Qt's Nynorsk catalogue is another written language.
    static constexpr std::pair<const char*, const char*> Codes[] = {
        {"Swedish", "sv"}, {"German", "de"},  {"Danish", "da"},  {"Norwegian", "nb"},
        {"Finnish", "fi"}, {"Dutch", "nl"},   {"French", "fr"},  {"Spanish", "es"},
        {"Italian", "it"}, {"Polish", "pl"},  {"Czech", "cs"},   {"Hungarian", "hu"},
        {"Russian", "ru"}, {"Ukrainian", "uk"}, {"Portuguese", "pt_PT"}, {"Slovak", "sk"}};
    for (const auto& [name, code] : Codes) {
        if (text::equalsIgnoreCase(international, name)) {
            return QString::fromLatin1(code);
        }
    }
    return {};
}

bool QtCatalogue::use(const std::string& international) {
    if (international == current_) {
        return translator_ != nullptr;
    }
    current_ = international;
    if (translator_) {
        QCoreApplication::removeTranslator(translator_.get());
        translator_.reset();
    }
    const QString code = codeFor(international);
    if (code.isEmpty()) {
        return false;
    }
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    auto translator = std::make_unique<QTranslator>();
    // Most languages have their dialogs in qtbase_xx; Swedish only in the older, whole qt_xx.
    for (const QString& stem : {QStringLiteral("qtbase_"), QStringLiteral("qt_")}) {
        if (translator->load(stem + code, folder) && !translator->isEmpty()) {
            QCoreApplication::installTranslator(translator.get());
            translator_ = std::move(translator);
            return true;
        }
    }
    return false;
}

} // namespace brisvane
