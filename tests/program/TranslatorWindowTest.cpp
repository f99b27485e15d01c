#include "TranslationFixture.h"
#include "language/KeyOrder.h"

namespace brisvane::testing {
namespace {

class TranslatorWindowTest : public TranslationFixture {
protected:
    TranslatorWindow& t() { return program.translatorWindow(); }
    std::string work(const std::string& key) {
        return profile.GetINI("Language", key, folder.file("German.nla"));
    }
    // The reference's keys, in the translator's order.
    KeyOrder keys() { return KeyOrder::fromReference(profile, folder.file("English.lan")); }
    std::string position(const char* key) { return std::to_string(keys().positionOf(key)); }
    // Types `text` into the box and lets the delayed write run.
    void type(const std::string& text) {
        t().inLanChange(text);
        t().Timer2Tick();
    }
};

TEST_F(TranslatorWindowTest, ANewLanguageOpensOnItsFirstKeyAndStepsOneKeyAcrossFamilyBorders) {
    createLanguage("Anna", "Deutsch", "German");
    ASSERT_TRUE(t().visible); // in place of the creation window: its test
    EXPECT_EQ(t().lblSel.caption, "Deutsch");
    const int total = keys().total();
    EXPECT_EQ(t().lblWhich.caption, "of " + std::to_string(total));
    EXPECT_EQ(t().Combo1Items.size(), static_cast<std::size_t>(total));
    EXPECT_EQ(t().lblID.caption, "(d1)");
    EXPECT_EQ(t().lblEnglish.caption, "Welcome!");
    EXPECT_EQ(t().inLan.caption, "");
    EXPECT_FALSE(t().bPrev.enabled);
    EXPECT_TRUE(t().bNext.enabled);
    EXPECT_FALSE(t().bSave.visible);
    EXPECT_EQ(t().lblPerc.caption, "0%");

    t().Combo1Click("8");
    EXPECT_TRUE(t().bPrev.enabled);
    EXPECT_EQ(t().lblID.caption, "(d8)");
    t().clickNext(); // across the border of two families, both ways
    EXPECT_EQ(t().lblID.caption + " " + t().Combo1.caption, "(s1) 9");
    t().clickPrev();
    EXPECT_EQ(t().lblID.caption + " " + t().Combo1.caption, "(d8) 8");
    t().Combo1Click(position("c20"));
    EXPECT_EQ(t().lblID.caption, "(c20)");
    EXPECT_FALSE(t().bNext.enabled);
    t().clickNext();
    EXPECT_EQ(t().lblID.caption, "(c20)") << "nothing after the last key";
    t().clickPrev();
    EXPECT_EQ(t().lblID.caption, "(c19)");
    EXPECT_TRUE(t().bNext.enabled);
}

TEST_F(TranslatorWindowTest, TypedTextIsWrittenAfterThePauseOrBeforeAnyMove) {
    createLanguage("Anna", "Deutsch", "German");
    t().inLanChange("Willkommen");
    EXPECT_TRUE(t().Timer2.enabled);
    EXPECT_EQ(work("d1"), "") << "not before the pause";
    t().Timer2Tick();
    EXPECT_FALSE(t().Timer2.enabled);
    EXPECT_EQ(work("d1"), "Willkommen");
    EXPECT_EQ(t().lblPerc.caption, std::to_string(100 / keys().total()) + "%");

    // Moving at once after typing, by each way of moving, loses nothing.
    t().inLanChange("Summe");
    t().clickNext();
    EXPECT_EQ(work("d1"), "Summe");
    EXPECT_EQ(t().inLan.caption, "") << "d2 has no text yet";
    t().inLanChange("Gesamt");
    t().Combo1Click("5");
    EXPECT_EQ(work("d2"), "Gesamt");
    t().inLanChange("Keine Würfe mehr");
    t().clickPrev();
    EXPECT_EQ(work("d5"), "Keine Würfe mehr");
    t().clickNext();
    EXPECT_EQ(t().inLan.caption, "Keine Würfe mehr") << "the box shows the stored text";
    t().inLanChange("");
    t().Timer2Tick();
    EXPECT_EQ(work("d5"), "") << "an emptied box empties the text";

    // Cancel writes the last change too, remembers the position and goes back.
    t().Combo1Click("12");
    t().inLanChange("Benutzer");
    t().clickCommand1();
    EXPECT_EQ(work("s4"), "Benutzer");
    EXPECT_EQ(ini("Process", "p1x"), "12");
    EXPECT_FALSE(t().visible);
    EXPECT_TRUE(program.languageCreation().visible);

    // Continuing resumes there.
    LanguageCreationWindow& creation = program.languageCreation();
    EXPECT_EQ(creation.choice, 2);
    creation.clickCommand2();
    EXPECT_TRUE(t().visible);
    EXPECT_EQ(t().Combo1.caption, "12");
    EXPECT_EQ(t().lblID.caption, "(s4)");
    EXPECT_EQ(t().inLan.caption, "Benutzer");
}

TEST_F(TranslatorWindowTest, SavingAppearsOnlyWhenEveryKeyHasAText) {
    const std::string shipped = ini("Language", "antal");
    createLanguage("Anna", "Deutsch", "German");
    for (int p = 1; p <= keys().total(); ++p) {
        t().Combo1Click(std::to_string(p));
        EXPECT_FALSE(t().bSave.visible) << p;
        type("Text " + std::to_string(p));
    }
    EXPECT_TRUE(t().bSave.visible);
    // Emptying one text hides the button again, also when saving comes at once.
    t().inLanChange("");
    t().clickSave();
    EXPECT_TRUE(t().visible);
    EXPECT_FALSE(t().bSave.visible);
    EXPECT_EQ(ini("Language", "antal"), shipped) << "the shipped languages, nothing added";
}

TEST_F(TranslatorWindowTest, WithoutTheReferenceTheWindowSaysSoAndOffersNothingToWrite) {
    std::filesystem::remove(folder.path() / "English.lan");
    createLanguage("Anna", "Deutsch", "German");
    ASSERT_TRUE(t().visible);
    EXPECT_NE(t().lblEnglish.caption.find("English.lan is missing"), std::string::npos);
    EXPECT_EQ(t().lblWhich.caption, "of 0");
    EXPECT_TRUE(t().Combo1Items.empty());
    EXPECT_EQ(t().lblPerc.caption, "0%");
    EXPECT_EQ(t().lblBar.width, 0);
    EXPECT_FALSE(t().bPrev.enabled);
    EXPECT_FALSE(t().bNext.enabled);
    EXPECT_FALSE(t().inLan.enabled);
    EXPECT_FALSE(t().bSave.visible);
    t().inLanChange("text");
    t().Combo1Click("1");
    EXPECT_FALSE(t().Timer2.enabled);
    EXPECT_EQ(work("d1"), "");
    t().clickCommand1();
    EXPECT_TRUE(program.languageCreation().visible);
}

TEST_F(TranslatorWindowTest, AModificationWorksOnTheWorkCopyAndSavesItAsTheSecondFile) {
    bool settingsShown = false;
    program.showSettingsWindow = [&] { settingsShown = true; };
    program.openLanguageCreation();
    LanguageCreationWindow& creation = program.languageCreation();
    creation.Combo1Focus(); // the current language is proposed
    creation.clickCommand2();
    ASSERT_TRUE(t().visible);
    EXPECT_EQ(t().lblSel.caption, "English");
    EXPECT_EQ(t().inLan.caption, "Welcome!") << "the copy starts as the language itself";
    EXPECT_TRUE(t().bSave.visible);
    type("Hello!");
    EXPECT_EQ(profile.GetINI("Language", "d1", folder.file("English.lan")), "Welcome!");
    t().clickCommand1();
    EXPECT_EQ(ini("Process", "p1x"), "") << "a modification keeps no position";

    creation.Combo1Click("English");
    creation.clickCommand2();
    EXPECT_EQ(t().inLan.caption, "Hello!") << "the work copy is kept";
    t().inLanChange("Hi!");
    t().clickSave();
    EXPECT_FALSE(t().visible);
    EXPECT_TRUE(settingsShown);
    EXPECT_EQ(profile.GetINI("Language", "d1", folder.file("English2.lan")), "Hi!");
    EXPECT_EQ(program.display().SayText(), "") << "nothing else stirred";
    EXPECT_EQ(program.language().LanguageFile(), folder.file("English2.lan"))
        << "the saved language is applied";
}

TEST_F(TranslatorWindowTest, SavingAModificationWhoseWorkCopyIsGoneWritesNothing) {
    program.openLanguageCreation();
    program.languageCreation().Combo1Focus();
    program.languageCreation().clickCommand2();
    ASSERT_TRUE(t().bSave.visible);
    std::filesystem::remove(folder.path() / "English.mla");

    t().clickSave();

    EXPECT_TRUE(t().visible);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].title, "Brisvane Translator");
    EXPECT_NE(dialogs.messages[0].text.find("English.mla"), std::string::npos);
    EXPECT_EQ(dialogs.messages[0].kind, MessageKind::Warning);
}

} // namespace
} // namespace brisvane::testing
