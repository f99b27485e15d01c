#pragma once
// The translator window `frmLanguage` as a model: the English text of one key, the box for its
// translation, the key, the position and the jump list, the progress, and the buttons that
// move, cancel and save. The session itself (order, work file, saving) is the language
// module's Translator; this model puts it on the window's controls and runs its two timers.
//
// Every change of the input box is written 800 ms after the last keystroke (Timer2); moving to
// another key, cancelling or saving writes a change still waiting first, so no typed text is
// lost. Qt-free: TranslatorView draws it and forwards the events.

#include <functional>
#include <string>
#include <vector>

#include "common/Controls.h"
#include "common/ModelTimer.h"
#include "common/Ports.h"
#include "common/Texts.h"
#include "language/Translator.h"

namespace brisvane {

class TranslatorWindow {
public:
    static constexpr const char* Title = "Brisvane Translator";
    static constexpr int Width = 6480; // twips
    static constexpr int Height = 4560;

    struct Wiring {
        Translator& translator;
        Dialogs& dialogs;
        const Texts& texts; // the window's messages in the player's language
        // Command1: back to the language creation window.
        std::function<void()> showCreationWindow;
        // After a save: the settings window, with the new language applied.
        std::function<void()> showSettingsWindow;
    };

    explicit TranslatorWindow(Wiring wiring);
    // The texts of the language in use, for the names the view gives its fields.
    const Texts& texts() const { return w_.texts; }
    TranslatorWindow(const TranslatorWindow&) = delete;
    TranslatorWindow& operator=(const TranslatorWindow&) = delete;

    // ---- Controls (named as in the window) ----
    Control Label1; // "Selected language:"
    Control lblSel;
    Control Label2; // "English word or sentence:"
    Control lblEnglish;
    Control lblID;
    Control Label3; // "Translated word or sentence:"
    Control inLan;  // caption = the box's text
    Control Combo1; // caption = the position shown
    Control lblWhich;
    Control bPrev;
    Control bNext;
    Control lblBar; // width = the part of BarFull that is done
    Control lblPerc;
    Control bSave;
    Control Command1;
    std::vector<std::string> Combo1Items;
    std::vector<Control*> controls();

    ModelTimer Timer1{1000, false, 0}; // puts the focus into inLan
    ModelTimer Timer2{800, false, 0};  // the delayed write

    // Whether the window is showing; false once a button closed it.
    bool visible = false;
    // Raised each time the focus is to go into inLan.
    unsigned inLanFocusRequests = 0;

    void setChangeHandler(std::function<void()> handler) { changed_ = std::move(handler); }

    // ---- Operations ----
    // Opening: starts the translator on `job` and shows the first (or the resumed) key.
    void Load(const TranslationJob& job);
    // The player edited the input box.
    void inLanChange(const std::string& text);
    void Timer1Tick();
    void Timer2Tick();
    void clickNext();
    void clickPrev();
    // A position picked in the jump list ("12").
    void Combo1Click(const std::string& text);
    // Cancel (also the window's close box): remembers the position of a new language and goes
    // back to the creation window.
    void clickCommand1();
    void clickSave();

    // Writes a change of the input box that the delayed write has not written yet (also when
    // the program ends with the window open).
    void flushPendingWrite();

    // lanVarje, LanStep and checkLan of the window.
    void lanVarje();
    void LanStep(int LanJump);
    void checkLan();

private:
    void beforeMove();
    void showPosition();
    void close();
    void notify() const;

    Wiring w_;
    std::function<void()> changed_;
    bool pendingChange_ = false;
};

} // namespace brisvane
