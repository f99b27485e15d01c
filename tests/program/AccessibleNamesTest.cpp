// What a screen reader says of the game window's controls as a game goes on: the dice by face
// and whether they are picked up, the scores by category, the counters with their figures.
#include <gtest/gtest.h>

#include "display/SoundBoard.h"
#include "game/GameFixture.h"
#include "program/AccessibleNames.h"

namespace brisvane {
// Failures show what would be said.
void PrintTo(const Spoken& s, std::ostream* out) {
    *out << "{\"" << s.name << "\", value \"" << s.value << "\", description \"" << s.description
         << "\", checkable " << s.checkable << ", checked " << s.checked << ", present "
         << s.present << "}";
}
} // namespace brisvane

namespace brisvane::testing {
namespace {

using speech::plainCaption;

TEST(AccessibleNamesTest, CaptionsReadWithoutTheirBlanksAndMnemonicMarks) {
    const std::pair<const char*, const char*> rows[] = {{" Fours: 12 ", "Fours: 12"},
                                                        {"Fish && chips", "Fish & chips"},
                                                        {"   ", ""},
                                                        {"  Åsa &Öberg", "Åsa Öberg"}};
    for (const auto& [caption, read] : rows) {
        EXPECT_EQ(plainCaption(caption), read) << '"' << caption << '"';
    }
}

class SpokenGameTest : public GameFixture {
protected:
    SpokenGameTest() {
        texts.texts["s24"] = "Rolls left";
        texts.texts["c4"] = "Fours";
        for (int k = 1; k <= CategoryCount; ++k) {
            game.btn[static_cast<std::size_t>(k - 1)].caption =
                "  " + texts.T("c" + std::to_string(k)); // as the language sets them
        }
        start();
    }

    Spoken say(const Control& control) const { return names.describe(control); }
    Spoken die(int i) const { return say(game.Image[static_cast<std::size_t>(i - 1)]); }

    AccessibleNames names{game, texts};
};

TEST_F(SpokenGameTest, DiceSayTheirFaceAndWhetherTheyArePickedUpThroughATurn) {
    EXPECT_EQ(die(1), (Spoken{"Die 1", "", "", true, false, false}))
        << "no dice before the first roll";

    roll({6, 5, 5, 3, 1, 2});
    EXPECT_EQ(die(1), (Spoken{"Die 1: six", "", "", true, false, true}));
    EXPECT_EQ(die(4).name + ", " + die(5).name + ", " + die(6).name,
              "Die 4: three, Die 5: one, Die 6: two");

    game.clickDie(3);
    EXPECT_EQ(die(3), (Spoken{"Die 3: five, picked up", "", "", true, true, true}))
        << "off the table, but the player can still put it back";
    EXPECT_EQ(die(2).name, "Die 2: five");
    roll({4});
    EXPECT_EQ(die(3), (Spoken{"Die 3: four", "", "", true, false, true}));
}

TEST_F(SpokenGameTest, ScoresAndCategoriesSayTheirCategoryAndFigure) {
    const Control& fours = game.btn[3];
    const Control& foursScore = game.scr[3];
    EXPECT_EQ(say(foursScore), (Spoken{"Fours: open", "", "", false, false, true}));
    EXPECT_EQ(say(fours).name, "Fours");

    roll({4, 4, 4, 1, 2, 6});
    EXPECT_EQ(say(fours).description, "Fours: 12") << "the evaluation's tool tip";
    EXPECT_EQ(say(fours).value, "") << "nothing placed yet";
    game.clickCategory(category::Fours);
    EXPECT_EQ(say(foursScore), (Spoken{"Fours: 12", "12", "", false, false, true}));
    EXPECT_EQ(say(fours).value, "12");
    // A category without a name in the language file still has one.
    EXPECT_EQ(say(game.scr[17]).name, "Tower: open");
    EXPECT_EQ(say(game.scr_Tot), (Spoken{"Total: 12", "12", "", false, false, true}));
}

TEST_F(SpokenGameTest, CountersSayWhatTheyCountInTheLanguageOrInPlainEnglish) {
    roll({1, 2, 3, 4, 5, 6});
    EXPECT_EQ(say(game.Rolls), (Spoken{"Rolls left: 59", "59", "", false, false, true}));
    EXPECT_EQ(say(game.Mrolls).name, "Rolls left per open category: 2.95");
    EXPECT_EQ(say(game.Bonus).name, "Bonus: -84");
    texts.texts["d2"] = "";
    texts.texts["s24"] = "Kast kvar";
    EXPECT_EQ(say(game.scr_Tot).name, "Total: 0") << "the language lacks the word";
    EXPECT_EQ(say(game.Rolls).name, "Kast kvar: 59");
    game.Mrolls.caption.clear();
    EXPECT_EQ(say(game.Mrolls),
              (Spoken{"Rolls left per open category", "", "", false, false, true}));
}

TEST_F(SpokenGameTest, PicturesAndBoxesSayWhatTheyDo) {
    Control sound = makeControl("SoundPic", 0, 0, 360, 360);
    sound.picture = SoundBoard::IconOn;
    EXPECT_EQ(say(sound).name, "Sound on");
    sound.picture = SoundBoard::IconOff;
    EXPECT_EQ(say(sound).name, "Sound off");

    Control close = makeControl("Avsluta", 0, 0, 225, 225);
    EXPECT_EQ(say(close).name, "Exit");
    texts.texts["h9"] = "Avsluta";
    close.toolTip = " Avsluta ";
    EXPECT_EQ(say(close), (Spoken{"Avsluta", "", "Avsluta", false, false, true}));

    Control link = makeControl("Topp03", 0, 0, 3000, 300);
    EXPECT_FALSE(say(link).present) << "an empty place of the top ten shows nothing";
    link.caption = "3. 120 Åsa";
    EXPECT_EQ(say(link), (Spoken{"3. 120 Åsa", "", "", false, false, true}));
    link.visible = false;
    EXPECT_FALSE(say(link).present);

    profile.SetINI("Options", "ShowRedSquare", "Yes", Ini);
    roll({5, 5, 5, 5, 5, 5});
    EXPECT_EQ(say(game.Indik).name, "Suggestion: Yatzy");
    EXPECT_TRUE(say(game.Indik).present);
}

} // namespace
} // namespace brisvane::testing
