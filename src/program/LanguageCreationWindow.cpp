#include "program/LanguageCreationWindow.h"

#include <filesystem>
#include <fstream>

#include "common/Text.h"
#include "language/Language.h"

namespace brisvane {

namespace {

Control labelled(const char* name, const char* caption, int left, int top, int width, int height) {
    Control c = makeControl(name, left, top, width, height, colour::White);
    c.caption = caption;
    return c;
}

// The text of a list without the blanks its shown entry may carry at the end.
std::string withoutTrailingBlanks(std::string text) {
    while (!text.empty() && text.back() == ' ') {
        text.pop_back();
    }
    return text;
}

// Error numbers of the send path, as the log line and the message box show them.
constexpr int FileNotFound = 53;
constexpr int FileAccessError = 75;
constexpr int NoRecipient = 5;
constexpr int NoMailProgram = 127;

} // namespace

const Texts& LanguageCreationWindow::texts() const {
    return w_.language;
}

LanguageCreationWindow::LanguageCreationWindow(Wiring wiring)
    : Option1(labelled("Option1", "&Translate NEW language", 360, 240, 5280, 300)),
      Option2(labelled("Option2", "C&ontinue to translate", 360, 660, 2640, 300)),
      Option3(labelled("Option3", "&Modify existing language", 360, 1080, 2640, 300)),
      Option4(labelled("Option4", "&Send your translations via e-mail", 360, 1500, 5280, 300)),
      Combo1(labelled("Combo1", "", 3120, 1050, 2520, 345)),
      Combo2(labelled("Combo2", "", 3120, 630, 2520, 345)),
      Label1(labelled("Label1", "Your name: (author)", 360, 270, 2400, 285)),
      Text1(labelled("Text1", "", 2880, 240, 2760, 345)),
      Label2(labelled("Label2", "Language: (native name)", 360, 750, 2400, 285)),
      Text2(labelled("Text2", "", 2880, 720, 2760, 345)),
      Label3(labelled("Label3", "Language: (in english)", 360, 1230, 2400, 285)),
      Text3(labelled("Text3", "", 2880, 1200, 2760, 345)),
      Command2(labelled("Command2", "&Next step >>", 2040, 3120, 1920, 450)),
      Command1(labelled("Command1", "&Cancel", 4080, 3120, 1560, 450)), w_(std::move(wiring)) {
    for (Control* field : {&Label1, &Text1, &Label2, &Text2, &Label3, &Text3}) {
        field->visible = false;
    }
    Combo1.fillColor = ButtonFace;
    Combo2.fillColor = ButtonFace;
}

std::vector<Control*> LanguageCreationWindow::controls() {
    return {&Option1, &Option2, &Combo2, &Option3, &Combo1, &Option4,  &Label1,
            &Text1,   &Label2,  &Text2,  &Label3,  &Text3,  &Command2, &Command1};
}

void LanguageCreationWindow::notify() const {
    if (changed_) {
        changed_();
    }
}

void LanguageCreationWindow::requestFocus(const std::string& name) {
    focusTarget = name;
    ++focusRequests;
}

void LanguageCreationWindow::Load() {
    w_.language.updateLanguageFile();
    LanguageWork& work = w_.work;
    Text1.caption = work.entry(work.pL(), 'a');
    Text2.caption.clear();
    Text3.caption.clear();

    Combo1Items = work.installedNames();
    const std::string selected = w_.profile.GetINI("Language", "selected", w_.iniFile);
    Combo1.caption = w_.profile.GetINI("Language", "l" + selected + "n", w_.iniFile) + " ";

    Combo2Items.clear();
    Combo2.caption.clear();
    const bool continuing = work.anyInProgress();
    Option2.enabled = continuing;
    Combo2.enabled = continuing;
    if (continuing) {
        Combo2Items = work.namesInProgress();
        Combo2.caption = work.entry(work.pL(), 'n') + " ";
    }
    selectOption(continuing ? 2 : 1);
    showChoicePage(); // the focus goes to the selected choice
    visible = true;
    notify();
}

void LanguageCreationWindow::selectOption(int option) {
    if (option < 1 || option > 4 || (option == 2 && !Option2.enabled)) {
        return;
    }
    choice = option;
    Combo1.fillColor = option == 3 ? WindowColour : ButtonFace;
    Combo2.fillColor = option == 2 ? WindowColour : ButtonFace;
    notify();
}

void LanguageCreationWindow::Combo1Focus() {
    selectOption(3);
}

void LanguageCreationWindow::Combo2Focus() {
    selectOption(2);
}

void LanguageCreationWindow::Combo1Click(const std::string& text) {
    Combo1.caption = text;
    selectOption(3);
}

void LanguageCreationWindow::Combo2Click(const std::string& text) {
    if (!Combo2.enabled) {
        return;
    }
    Combo2.caption = text;
    selectOption(2);
    w_.work.chooseEntry(text);
}

void LanguageCreationWindow::setText(int field, const std::string& text) {
    Control* const fields[] = {&Text1, &Text2, &Text3};
    if (field >= 1 && field <= 3) {
        fields[field - 1]->caption = text;
    }
}

void LanguageCreationWindow::showChoicePage() {
    page = "sel";
    for (Control* field : {&Label1, &Text1, &Label2, &Text2, &Label3, &Text3}) {
        field->visible = false;
    }
    for (Control* choiceControl : {&Option1, &Option2, &Option3, &Option4, &Combo1, &Combo2}) {
        choiceControl->visible = true;
    }
    requestFocus("Option" + std::to_string(choice));
}

void LanguageCreationWindow::showNamePage() {
    page = "tit";
    for (Control* choiceControl : {&Option1, &Option2, &Option3, &Option4, &Combo1, &Combo2}) {
        choiceControl->visible = false;
    }
    for (Control* field : {&Label1, &Text1, &Label2, &Text2, &Label3, &Text3}) {
        field->visible = true;
    }
    requestFocus("Text1");
}

void LanguageCreationWindow::clickCommand2() {
    if (!visible) {
        return;
    }
    if (page == "tit") {
        startNewLanguage();
        return;
    }
    switch (choice) {
    case 1:
        showNamePage();
        notify();
        break;
    case 2:
        continueLanguage();
        break;
    case 3:
        modifyLanguage();
        break;
    case 4:
        sendLanguage();
        break;
    default:
        break;
    }
}

void LanguageCreationWindow::clickCommand1() {
    if (!visible) {
        return;
    }
    if (page == "tit") {
        showChoicePage();
        notify();
        return;
    }
    close();
    if (w_.showSettingsWindow) {
        w_.showSettingsWindow();
    }
}

void LanguageCreationWindow::startNewLanguage() {
    // Blanks around a name are not part of it; a field of blanks only is an empty field.
    const std::string author = text::trim(Text1.caption);
    const std::string national = text::trim(Text2.caption);
    const std::string international = text::trim(Text3.caption);
    if (const auto refusal = w_.work.refuseNewLanguage(author, national, international)) {
        w_.dialogs.message(Title, *refusal, MessageKind::Warning);
        return;
    }
    std::string problem;
    if (w_.work.startNewLanguage(author, national, international, &problem) == 0) {
        w_.dialogs.message(Title, problem, MessageKind::Warning);
        return;
    }
    w_.job = TranslationJob{"New", {}, 0};
    close();
    if (w_.openTranslator) {
        w_.openTranslator();
    }
}

void LanguageCreationWindow::continueLanguage() {
    // The entry shown in the list is the one continued, also when the stored choice went
    // astray (a hand-edited settings file).
    const std::string shown = withoutTrailingBlanks(Combo2.caption);
    if (!shown.empty()) {
        w_.work.chooseEntry(shown);
    }
    if (w_.work.currentWorkFile().empty()) {
        w_.dialogs.message(Title, w_.language.T("s138"), MessageKind::Warning);
        return;
    }
    w_.job = TranslationJob{"New", {}, 0};
    close();
    if (w_.openTranslator) {
        w_.openTranslator();
    }
}

void LanguageCreationWindow::modifyLanguage() {
    const std::string name = withoutTrailingBlanks(Combo1.caption);
    const int index = w_.work.findInstalled(name);
    if (index == 0) {
        w_.dialogs.message(Title, w_.language.T("s139"), MessageKind::Warning);
        return;
    }
    const std::string modFile = w_.work.installedFile(index);
    if (!w_.work.prepareModification(index, modFile)) {
        w_.dialogs.message(Title, text::fill(w_.language.T("s140"), {name}),
                           MessageKind::Warning);
        return;
    }
    w_.job = TranslationJob{"Mod", modFile, index};
    close();
    if (w_.openTranslator) {
        w_.openTranslator();
    }
}

void LanguageCreationWindow::sendLanguage() {
    const std::optional<std::string> chosen =
        w_.dialogs.chooseFile(SendTitle, SendFilter, w_.folder.path().string());
    if (!chosen) {
        return; // cancelled: nothing happens
    }
    const std::string& file = *chosen;
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) {
        sendFailed({FileNotFound, "File not found: " + file});
        return;
    }
    if (!std::ifstream(file, std::ios::binary)) {
        sendFailed({FileAccessError, "Path/File access error: " + file + " cannot be read"});
        return;
    }
    std::string international;
    try {
        international = w_.profile.GetINI("Info", "international", file);
    } catch (const ProfileError& failure) {
        sendFailed({FileAccessError, "Path/File access error: " + failure.detail()});
        return;
    }
    const std::string address = w_.profile.GetINI("Internet", "maintainer", w_.iniFile);
    if (address.empty()) {
        sendFailed({NoRecipient, "No address to send to: the settings file names no "
                                 "maintainer (section Internet, key maintainer)"});
        return;
    }
    if (w_.mail == nullptr) {
        sendFailed({NoMailProgram, "No mail program is available"});
        return;
    }
    const DateTime now = w_.clock.now();
    MailMessage message;
    message.to = address;
    message.subject = "Vexa Translate: " + international;
    message.body = std::to_string(now.day) + " " + w_.locale.monthName(now.month) + " " +
                   std::to_string(now.year) + " @ " + w_.locale.longTime(now);
    message.attachmentPath = file;
    const MailResult result = w_.mail->send(message);
    if (!result.sent()) {
        sendFailed(result);
        return;
    }
    w_.dialogs.message(Title, "Successfully sended.");
    w_.log("Language successfully sended: " + international);
    close();
    if (w_.showSettingsWindow) {
        w_.showSettingsWindow();
    }
}

void LanguageCreationWindow::sendFailed(const MailResult& result) {
    const std::string number = std::to_string(result.error);
    w_.log("Error " + number + ": " + result.description);
    w_.dialogs.message(Title, "Error " + number + "\n\n" + result.description,
                       MessageKind::Warning);
}

void LanguageCreationWindow::close() {
    visible = false;
    notify();
}

} // namespace brisvane
