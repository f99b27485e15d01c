#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>

#include "display/SoundBoard.h"
#include "settings/MemoryProfile.h"
#include "support/Fakes.h"

namespace brisvane {
namespace {

using testing::PlayedSound;

const std::string Ini = "Vexa.ini";

class SoundBoardTest : public ::testing::Test {
protected:
    MemoryProfile profile;
    testing::FakeSound sound;
    std::string folder = "game";
    SoundBoard board{profile, Ini, sound,
                     [this](const std::string& name) { return folder + "/" + name; }};

    void startWith(const std::string& playSound) {
        profile.SetINI("Options", "PlaySound", playSound, Ini);
        board.load();
    }
};

TEST_F(SoundBoardTest, MissingSettingIsSilentButShowsOnAndFirstClickTurnsOff) {
    board.load();
    board.sndA(1);
    board.playRefused();
    EXPECT_TRUE(sound.played.empty());
    EXPECT_EQ(board.SoundPic(), SoundBoard::IconOn);

    EXPECT_TRUE(board.SoundPicClick());
    EXPECT_EQ(board.SoundOn(), "No");
    EXPECT_EQ(board.SoundPic(), SoundBoard::IconOff);
    EXPECT_EQ(profile.GetINI("Options", "PlaySound", Ini), "No");

    EXPECT_TRUE(board.SoundPicClick());
    EXPECT_EQ(board.SoundOn(), "Yes");
    EXPECT_EQ(board.SoundPic(), SoundBoard::IconOn);
    EXPECT_EQ(profile.GetINI("Options", "PlaySound", Ini), "Yes");
    board.sndA(1);
    EXPECT_EQ(sound.played, (std::vector<PlayedSound>{{"game/dice.wav", false}}));
}

TEST_F(SoundBoardTest, OnlyAnExactYesPlays) {
    for (const std::string value : {"yes", "YES", " Yes", "On", "1"}) {
        startWith(value);
        board.sndA(2);
        board.playRefused();
        EXPECT_TRUE(sound.played.empty()) << value;
        EXPECT_EQ(board.SoundPic(), SoundBoard::IconOn) << value;
    }
    startWith("No");
    EXPECT_EQ(board.SoundPic(), SoundBoard::IconOff);
}

TEST_F(SoundBoardTest, NumbersPickTheirFileAndAboveHundredWait) {
    startWith("Yes");
    const std::map<int, std::string> files{
        {1, "dice.wav"},  {2, "points.wav"}, {3, "Bonus.wav"}, {4, "Yahoo2.wav"},
        {5, "Yatzy.wav"}, {6, "Laser.wav"},  {7, "beep.wav"},  {8, "pop.wav"},
    };
    for (int number = -200; number <= 400; ++number) {
        board.sndA(3); // the previous sound for numbers outside the table
        board.sndA(number);
        const auto it = files.find(number > 100 ? number - 100 : number);
        const std::string expected = it != files.end() ? it->second : "Bonus.wav";
        ASSERT_EQ(sound.played.back(), (PlayedSound{"game/" + expected, number > 100}))
            << "sound " << number;
        EXPECT_EQ(board.SoundNo(), number);
        EXPECT_EQ(board.SoundFile(), expected);
    }
}

TEST_F(SoundBoardTest, TopTenFanfarePlaysToItsEndBeforeTheLaser) {
    startWith("Yes");
    board.sndA(105);
    board.sndA(106);
    EXPECT_EQ(sound.played,
              (std::vector<PlayedSound>{{"game/Yatzy.wav", true}, {"game/Laser.wav", true}}));
}

TEST_F(SoundBoardTest, NewGameForgetsTheLastSound) {
    startWith("Yes");
    board.sndA(2);
    board.Restart();
    EXPECT_EQ(board.SoundNo(), 0);
    EXPECT_EQ(board.SoundFile(), "");
    board.sndA(0); // nothing chosen yet: no stray beep
    EXPECT_EQ(sound.played.size(), 1U);
}

TEST_F(SoundBoardTest, RefusedCategoryDoinksWithoutWaiting) {
    startWith("Yes");
    board.playRefused();
    EXPECT_EQ(sound.played, (std::vector<PlayedSound>{{"game/doink.wav", false}}));
}

TEST_F(SoundBoardTest, SwitchChangesEvenWhenTheSettingCannotBeWritten) {
    startWith("Yes");
    int changes = 0;
    board.setChangeHandler([&changes] { ++changes; });
    profile.setReadOnly(true);
    EXPECT_FALSE(board.SoundPicClick());
    EXPECT_EQ(board.SoundPic(), SoundBoard::IconOff);
    EXPECT_EQ(changes, 1);
    board.sndA(1);
    EXPECT_TRUE(sound.played.empty());
}

TEST_F(SoundBoardTest, LinkBeepPlaysTwiceFirstToItsEndAndNotAtAllWhenMissing) {
    const std::filesystem::path dir = ::testing::TempDir() + "brisvane-link-beep";
    std::filesystem::create_directories(dir);
    folder = dir.string();

    board.playLinkBeep();
    EXPECT_TRUE(sound.played.empty());

    std::ofstream(dir / "Beep.wav") << "RIFF";
    board.playLinkBeep();
    const std::string path = (dir / "Beep.wav").string();
    EXPECT_EQ(sound.played, (std::vector<PlayedSound>{{path, true}, {path, false}}));
    std::filesystem::remove_all(dir);
}

} // namespace
} // namespace brisvane
