#pragma once
// The Qt side of the translation work: makes the translator and language creation views when
// their models first open (not at start-up) and shows them from then on. Errors that escape
// their handlers are reported as the game window reports its own: a log line and the error
// marker.

#include <memory>

#include "windows/EventGuard.h"

namespace brisvane {

class LanguageCreationView;
class Program;
class TranslatorView;

class TranslationWindows {
public:
    // Installs the program's hooks that show the views; they are removed again on destruction.
    explicit TranslationWindows(Program& program);
    ~TranslationWindows();
    TranslationWindows(const TranslationWindows&) = delete;
    TranslationWindows& operator=(const TranslationWindows&) = delete;

    // The views, nullptr until first shown.
    LanguageCreationView* creationView() const { return creation_.get(); }
    TranslatorView* translatorView() const { return translator_.get(); }

private:
    Program& program_;
    EventGuard guard_;
    std::unique_ptr<LanguageCreationView> creation_;
    std::unique_ptr<TranslatorView> translator_;
};

} // namespace brisvane
