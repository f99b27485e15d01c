#include "windows/TranslationWindows.h"

#include "program/Program.h"
#include "windows/LanguageCreationView.h"
#include "windows/TranslatorView.h"

namespace brisvane {

TranslationWindows::TranslationWindows(Program& program)
    : program_(program), guard_([&program](const std::string& where, const std::exception& error) {
          program.mainShell().reportError(where, error);
      }) {
    program_.showLanguageCreationView = [this] {
        if (!creation_) {
            creation_ = std::make_unique<LanguageCreationView>(program_.languageCreation(), guard_);
        }
        creation_->render();
    };
    program_.showTranslatorView = [this] {
        if (!translator_) {
            translator_ = std::make_unique<TranslatorView>(program_.translatorWindow(), guard_);
        }
        translator_->render();
    };
}

TranslationWindows::~TranslationWindows() {
    program_.showLanguageCreationView = {};
    program_.showTranslatorView = {};
}

} // namespace brisvane
