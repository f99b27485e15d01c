#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "display/SoundBoard.h"
#include "settings/MemoryProfile.h"
#include "support/Fakes.h"
#include "support/TempFolder.h"

namespace brisvane {
namespace {

using testing::PlayedSound;

class SoundBoardTest : public ::testing::Test {
protected:
    MemoryProfile profile;
    testing::FakeSound sound;
    testing::TempFolder folder;
    SoundBoard board{profile, "V", sound,
                     [this](const std::string& name) { return folder.file(name); }};
};

TEST_F(SoundBoardTest, OnlyAnExactYesPlaysAndTheSpeakerSwitchesAndRemembersIt) {
    for (const std::string value : {"", "yes", "On"}) {
        profile.SetINI("Options", "PlaySound", value, "V");
        board.load();
        board.sndA(2);
        board.playRefused();
        EXPECT_TRUE(sound.played.empty()) << value;
        EXPECT_EQ(board.SoundPic(), SoundBoard::IconOn) << "shows on all the same";
    }
    EXPECT_TRUE(board.SoundPicClick());
    EXPECT_EQ(board.SoundPic(), SoundBoard::IconOff);
    EXPECT_EQ(profile.GetINI("Options", "PlaySound", "V"), "No");
    EXPECT_TRUE(board.SoundPicClick());
    EXPECT_EQ(profile.GetINI("Options", "PlaySound", "V"), "Yes");
    board.playRefused(); // a category that cannot be filled
    EXPECT_EQ(sound.played, (std::vector<PlayedSound>{{folder.file("doink.wav"), false}}));

    profile.setReadOnly(true);
    int changes = 0;
    board.setChangeHandler([&changes] { ++changes; });
    EXPECT_FALSE(board.SoundPicClick()) << "the write failed";
    EXPECT_EQ(board.SoundPic(), SoundBoard::IconOff) << "but the switch changed";
    EXPECT_EQ(changes, 1) << "and the speaker shows it";
}

TEST_F(SoundBoardTest, TheBackEndIsReadiedOnceAndOnlyWhileSoundIsOn) {
    profile.SetINI("Options", "PlaySound", "No", "V");
    board.load();
    board.warmUp();
    EXPECT_TRUE(sound.warmedUp.empty()) << "a player without sound never loads the back end";
    board.SoundPicClick(); // sound on: the first sound after it must not be late either
    board.SoundPicClick();
    board.SoundPicClick();
    board.warmUp();
    ASSERT_EQ(sound.warmedUp.size(), 1u);
    const std::vector<std::string>& files = sound.warmedUp.front();
    EXPECT_EQ(files.size(), 8u);
    EXPECT_EQ(files.front(), folder.file("dice.wav")) << "the roll's sound";
    EXPECT_TRUE(sound.played.empty()) << "readying is silent";
}

TEST_F(SoundBoardTest, NumbersPickTheirFileAndAboveHundredWait) {
    profile.SetINI("Options", "PlaySound", "Yes", "V");
    board.load();
    const std::vector<std::string> files = {"dice.wav",  "points.wav", "Bonus.wav", "Yahoo2.wav",
                                            "Yatzy.wav", "Laser.wav",  "beep.wav",  "pop.wav"};
    for (int number = -200; number <= 400; ++number) {
        board.sndA(3); // the previous sound for numbers outside the table
        board.sndA(number);
        const int n = number > 100 ? number - 100 : number;
        const std::string expected = n >= 1 && n <= 8 ? files[std::size_t(n - 1)] : "Bonus.wav";
        ASSERT_EQ(sound.played.back(), (PlayedSound{folder.file(expected), number > 100}))
            << "sound " << number;
    }
    board.Restart(); // a new game forgets the last sound
    board.sndA(0);
    EXPECT_EQ(sound.played.size(), 2 * 601u);
}

} // namespace
} // namespace brisvane
