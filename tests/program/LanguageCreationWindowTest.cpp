#include "TranslationFixture.h"

namespace brisvane::testing {
namespace {

class LanguageCreationWindowTest : public TranslationFixture {
protected:
    LanguageCreationWindow& w() { return program.languageCreation(); }
    bool settingsShown = false;
    void SetUp() override {
        program.showSettingsWindow = [this] { settingsShown = true; };
    }
};

TEST_F(LanguageCreationWindowTest, WithNothingInProgressOnlyANewLanguageCanBeContinued) {
    setIni("Process", "p2", "0");
    program.openLanguageCreation();
    EXPECT_TRUE(w().visible);
    EXPECT_EQ(w().page, "sel");
    EXPECT_EQ(w().choice, 1);
    EXPECT_FALSE(w().Option2.enabled);
    EXPECT_FALSE(w().Combo2.enabled);
    EXPECT_EQ(w().Combo1Items, (std::vector<std::string>{"English", "Svenska", "Deutsch", "Dansk", "Norsk", "Suomi",
                                                  "Nederlands", "Français", "Español"}));
    EXPECT_EQ(w().Combo1.caption, "English ") << "the current language, with a blank";
    w().selectOption(2);
    EXPECT_EQ(w().choice, 1) << "a disabled choice cannot be made";

    // The lists' colours and focus follow the choice.
    w().Combo1Focus();
    EXPECT_EQ(w().choice, 3);
    EXPECT_EQ(w().Combo1.fillColor, LanguageCreationWindow::WindowColour);
    EXPECT_EQ(w().Combo2.fillColor, LanguageCreationWindow::ButtonFace);
    w().selectOption(4);
    EXPECT_EQ(w().Combo1.fillColor, LanguageCreationWindow::ButtonFace);
}

// Cancel goes back a page, and from the first to the settings, which hide the window also when
// they are opened another way.
TEST_F(LanguageCreationWindowTest, ANewLanguageNeedsAllThreeNamesAndAFileNameThatIsSafe) {
    setIni("Process", "p", "2");
    program.openLanguageCreation();
    w().clickCommand2();
    ASSERT_EQ(w().page, "tit");
    EXPECT_FALSE(w().Option1.visible);
    EXPECT_FALSE(w().Combo1.visible);
    EXPECT_TRUE(w().Text3.visible);
    EXPECT_EQ(w().focusTarget, "Text1");
    w().clickCommand1();
    EXPECT_EQ(w().page, "sel");
    EXPECT_TRUE(w().Option4.visible);
    EXPECT_FALSE(w().Text1.visible);
    EXPECT_TRUE(w().visible);
    EXPECT_FALSE(settingsShown);
    w().clickCommand2();

    const std::tuple<const char*, const char*, const char*, const char*> refused[] = {
        {"Anna", "Deutsch", "   ", "You must fill in ALL fields."},
        {"Anna", "Deutsch", "../German", "letters"},
    };
    for (const auto& [author, national, international, says] : refused) {
        dialogs.messages.clear();
        w().setText(1, author);
        w().setText(2, national);
        w().setText(3, international);
        w().clickCommand2();
        EXPECT_EQ(w().page, "tit") << international;
        ASSERT_EQ(dialogs.messages.size(), 1u) << international;
        EXPECT_NE(dialogs.messages[0].text.find(says), std::string::npos)
            << dialogs.messages[0].text;
    }
    EXPECT_EQ(ini("Process", "p"), "2") << "nothing started";
    EXPECT_FALSE(program.translatorWindow().visible);

    w().setText(3, " German ");
    w().clickCommand2();
    EXPECT_FALSE(w().visible);
    EXPECT_TRUE(program.translatorWindow().visible);
    EXPECT_EQ(program.translationJob().LanMode, "New");
    EXPECT_EQ(ini("Process", "pL"), "3");
    EXPECT_EQ(ini("Process", "p3p"), "German.nla") << "the name without its blanks";

    // The next opening proposes continuing.
    program.openLanguageCreation();
    EXPECT_EQ(w().choice, 2);
    EXPECT_TRUE(w().Combo2.enabled);
    EXPECT_EQ(w().Combo2Items, std::vector<std::string>{"Deutsch"});
    EXPECT_EQ(w().Combo2.caption, "Deutsch ");
    EXPECT_EQ(w().focusTarget, "Option2");
    w().clickCommand1();
    EXPECT_FALSE(w().visible);
    EXPECT_TRUE(settingsShown);
    program.openLanguageCreation();
    program.openSettingsWindow("all");
    EXPECT_FALSE(w().visible);
}

// With a settings file that cannot take the new entry, the language in progress stays as it was.
TEST_F(LanguageCreationWindowTest, ANewLanguageThatCannotBeRecordedIsRefusedAndTouchesNoOther) {
    createLanguage("Olle", "Svenska", "Swedish");
    const std::string swedish = folder.read("Swedish.nla");
    dialogs.messages.clear();
    std::filesystem::permissions(program.IniFile(), std::filesystem::perms::owner_read);
    bool translatorOpened = false;
    program.showTranslatorView = [&translatorOpened] { translatorOpened = true; };
    createLanguage("Anna", "Deutsch", "German");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text,
              "The settings file " + program.IniFile() +
                  " could not be written (Permission denied). No new language was started, and "
                  "no other language was touched.");
    EXPECT_FALSE(translatorOpened);
    EXPECT_EQ(w().page, "tit");
    EXPECT_FALSE(folder.exists("German.nla"));
    EXPECT_EQ(folder.read("Swedish.nla"), swedish);
}

TEST_F(LanguageCreationWindowTest, ThePickedEntryInProgressIsTheOneContinued) {
    createLanguage("Anna", "Deutsch", "German");
    program.translatorWindow().clickCommand1();
    w().clickCommand1();
    createLanguage("Olle", "Svenska", "Swedish");
    program.translatorWindow().clickCommand1();
    ASSERT_EQ(w().Combo2Items, (std::vector<std::string>{"Deutsch", "Svenska"}));

    w().Combo2Click("Deutsch");
    EXPECT_EQ(ini("Process", "pL"), "1");
    w().clickCommand2();
    EXPECT_EQ(program.translatorWindow().lblSel.caption, "Deutsch");
    EXPECT_EQ(program.translator().TargetFile(), folder.file("German.nla"));
}

TEST_F(LanguageCreationWindowTest, ALanguageWhoseFileIsGoneIsNotModified) {
    setIni("Language", "antal", "2");
    setIni("Language", "l2n", "Deutsch");
    setIni("Language", "l2p", "Gone.lan");
    setIni("Language", "l2m", "No");
    program.openLanguageCreation();
    w().Combo1Click("Deutsch");
    w().clickCommand2();
    EXPECT_TRUE(w().visible);
    EXPECT_FALSE(program.translatorWindow().visible);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_NE(dialogs.messages[0].text.find("Deutsch"), std::string::npos);
    EXPECT_EQ(ini("Language", "l2m"), "No");
}

TEST_F(LanguageCreationWindowTest, ALanguageFileIsMailedToTheMaintainer) {
    program.openLanguageCreation();
    w().selectOption(4);
    dialogs.fileAnswers.push_back(folder.file("English.lan"));
    w().clickCommand2();

    ASSERT_EQ(dialogs.fileChoices.size(), 1u);
    EXPECT_EQ(dialogs.fileChoices[0].title, "Select language file to send");
    EXPECT_EQ(dialogs.fileChoices[0].filter, LanguageCreationWindow::SendFilter);
    EXPECT_EQ(dialogs.fileChoices[0].folder, folder.path().string());
    ASSERT_EQ(mail.sent.size(), 1u);
    EXPECT_EQ(mail.sent[0].to, "translations@brisvane.example.org");
    EXPECT_EQ(mail.sent[0].subject, "Vexa Translate: English");
    EXPECT_EQ(mail.sent[0].body, "5 March 2026 @ 14:07:09");
    EXPECT_EQ(mail.sent[0].attachmentPath, folder.file("English.lan"));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "Successfully sended.");
    EXPECT_NE(log().find("14:07:09  Language successfully sended: English.\r\n"),
              std::string::npos);
    EXPECT_FALSE(w().visible);
    EXPECT_TRUE(settingsShown);
}

TEST_F(LanguageCreationWindowTest, AFailedOrCancelledSendLeavesTheWindowOpen) {
    program.openLanguageCreation();
    w().selectOption(4);
    w().clickCommand2(); // the file dialog cancelled
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_TRUE(mail.sent.empty());
    EXPECT_EQ(log(), "");

    struct Failure {
        std::string file;
        MailResult mailSays;
        std::string logLine;
    };
    const Failure failures[] = {
        {folder.file("English.lan"),
         {4, "The mail program failed"},
         "Error 4: The mail program failed."},
        {folder.file("Gone.lan"), {}, "Error 53: File not found: " + folder.file("Gone.lan")},
    };
    for (const Failure& failure : failures) {
        dialogs.messages.clear();
        mail.results.push_back(failure.mailSays);
        dialogs.fileAnswers.push_back(failure.file);
        w().clickCommand2();
        EXPECT_TRUE(w().visible);
        EXPECT_FALSE(settingsShown);
        EXPECT_NE(log().find(failure.logLine), std::string::npos) << log();
        ASSERT_EQ(dialogs.messages.size(), 1u);
        EXPECT_NE(
            dialogs.messages[0].text.find(failure.logLine.substr(0, failure.logLine.find(':'))),
            std::string::npos);
        EXPECT_EQ(log().find("successfully"), std::string::npos);
    }
    mail.results.clear();

    // Without an address of the maintainer nothing is handed to the mail program.
    setIni("Internet", "maintainer", "");
    const std::size_t handed = mail.sent.size();
    dialogs.fileAnswers.push_back(folder.file("English.lan"));
    w().clickCommand2();
    EXPECT_EQ(mail.sent.size(), handed);
    EXPECT_NE(log().find("maintainer"), std::string::npos);
    EXPECT_TRUE(w().visible);
}

} // namespace
} // namespace brisvane::testing
