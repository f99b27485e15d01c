#pragma once
// The language creation window `frmSetLan` as a model: the entry to translation work. Its
// choice page ("sel") offers four ways: translate a new language, continue one in progress,
// modify an installed language, or mail a language file to the maintainer; the name page
// ("tit") asks for the author and the new language's names. Qt-free:
// LanguageCreationView draws it and forwards the events.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "common/Controls.h"
#include "common/Ports.h"
#include "language/Language.h"
#include "language/LanguageWork.h"

namespace brisvane {

class LanguageCreationWindow {
public:
    static constexpr const char* Title = "Brisvane Translator";
    static constexpr int Width = 6000; // twips
    static constexpr int Height = 3840;
    // The list colours: the desktop's button face (a list not in use) and window colour.
    static constexpr std::uint32_t ButtonFace = 0x8000000F;
    static constexpr std::uint32_t WindowColour = 0x80000005;
    static constexpr const char* SendFilter =
        "Language files (*.lan;*2.lan)|*.lan;*2.lan|New languages (*.lan)|*.lan|Modified "
        "languages (*2.lan)|*2.lan|Unsaved languages (*nla;*.mla)|*.nla;*.mla";
    static constexpr const char* SendTitle = "Select language file to send";

    struct Wiring {
        Profile& profile;
        std::string iniFile;
        const ProgramFolder& folder;
        Language& language;
        LanguageWork& work;
        Dialogs& dialogs;
        const Clock& clock;
        const Locale& locale;
        // The user's mail program; nullptr when there is none.
        Mail* mail;
        // Appends a line to the event log.
        std::function<void(const std::string&)> log;
        // What the translator is to do; set before openTranslator runs.
        TranslationJob& job;
        std::function<void()> openTranslator;
        std::function<void()> showSettingsWindow;
    };

    explicit LanguageCreationWindow(Wiring wiring);
    // The texts of the language in use, for the names the view gives its lists.
    const Texts& texts() const;
    LanguageCreationWindow(const LanguageCreationWindow&) = delete;
    LanguageCreationWindow& operator=(const LanguageCreationWindow&) = delete;

    // ---- Controls (named as in the window) ----
    Control Option1;
    Control Option2;
    Control Option3;
    Control Option4;
    Control Combo1; // installed languages (Option3); caption = the text shown
    Control Combo2; // new languages in progress (Option2)
    Control Label1;
    Control Text1; // author
    Control Label2;
    Control Text2; // native name
    Control Label3;
    Control Text3; // name in English
    Control Command2;
    Control Command1;
    std::vector<std::string> Combo1Items;
    std::vector<std::string> Combo2Items;
    std::vector<Control*> controls();

    // "sel" (the choice page) or "tit" (the name page).
    std::string page = "sel";
    // The selected choice, 1 to 4.
    int choice = 1;
    bool visible = false;
    // The control the focus is to go to, and a count raised with each such request.
    std::string focusTarget;
    unsigned focusRequests = 0;

    void setChangeHandler(std::function<void()> handler) { changed_ = std::move(handler); }

    // ---- Operations ----
    // Opening (load step): the choice page with the lists filled.
    void Load();
    // Option1 to Option4 clicked.
    void selectOption(int option);
    // The drop-down of Combo1 or Combo2 opened, or the list got the focus.
    void Combo1Focus();
    void Combo2Focus();
    // An entry of Combo1 (an installed language) or Combo2 (a language in progress) picked.
    void Combo1Click(const std::string& text);
    void Combo2Click(const std::string& text);
    // The player edited a name field (1 to 3).
    void setText(int field, const std::string& text);
    // "&Next step >>" and "&Cancel".
    void clickCommand2();
    void clickCommand1();
    // Made invisible by the settings window opening; the next opening loads it afresh.
    void hide() { close(); }

private:
    void showChoicePage();
    void showNamePage();
    void startNewLanguage();
    void continueLanguage();
    void modifyLanguage();
    void sendLanguage();
    void sendFailed(const MailResult& result);
    void requestFocus(const std::string& name);
    void close();
    void notify() const;

    Wiring w_;
    std::function<void()> changed_;
};

} // namespace brisvane
