#pragma once
// The game's sound effects: one switch kept in the settings file (Options/PlaySound, shown by
// the speaker picture `SoundPic`) and the table of numbered sounds that `sndA` plays.
//
// Sounds play only while the setting is exactly "Yes": a missing or unexpected value is
// silent, although the speaker then shows "on".

#include <functional>
#include <string>
#include <utility>

#include "common/Ports.h"
#include "common/Profile.h"

namespace brisvane {

class SoundBoard {
public:
    // Full path of a file of the program folder, the name matched without regard to case.
    using Resolver = std::function<std::string(const std::string& name)>;

    static constexpr int IconOn = 67;  // `SoundPic` while sound is on
    static constexpr int IconOff = 68; // and while it is off
    static constexpr int WaitOffset = 100;

    // The file of sound `SoundNo` (1..8, or 101..108 for the waiting form); nullptr for any
    // other number.
    static const char* fileOf(int SoundNo);

    // `iniFile` is the settings file; nothing is read until `load`.
    SoundBoard(Profile& profile, std::string iniFile, Sound& sound, Resolver resolve);

    // Start-up: reads Options/PlaySound once. A ProfileError of an unreadable settings file
    // passes through; the board stays silent then.
    void load();

    // Plays sound `SoundNo`: 1..8 return at once (a new sound cuts the one playing), 101..108
    // the same files, returning when the sound has finished. Any other number plays the file of
    // the previous sound again, or nothing when no sound has been chosen since the new game.
    void sndA(int SoundNo);
    // The "refused" sound of a category that cannot be filled; only while sound is on.
    void playRefused();
    // The web links' beep: "Beep.wav" to its end, then once more without waiting. The caller
    // decides whether it sounds at all. A missing file plays nothing.
    void playLinkBeep();
    // Toggles sound (anything but "No" turns it off) and writes the choice to the settings
    // file. Returns false when the write failed; the switch changes all the same. The caller
    // closes the settings window first, so that its own sound switch never disagrees.
    bool SoundPicClick();
    // A new game: no sound number, no sound file; nothing plays.
    void Restart();
    // Readies the sound back end and every sound's files, so that the first roll is heard at
    // once. Called once the window is shown; while sound is off, it waits until the player
    // turns sound on. Only the first readying does anything.
    void warmUp();

    void setChangeHandler(std::function<void()> handler) { changed_ = std::move(handler); }

    const std::string& SoundOn() const { return soundOn_; }
    bool isOn() const { return soundOn_ == "Yes"; }
    int SoundNo() const { return soundNo_; }
    const std::string& SoundFile() const { return soundFile_; }
    int SoundPic() const { return soundOn_ == "No" ? IconOff : IconOn; }

private:
    void notify() const;
    void warmUpIfOn();

    Profile& profile_;
    std::string iniFile_;
    Sound& sound_;
    Resolver resolve_;
    std::function<void()> changed_;
    std::string soundOn_;
    int soundNo_ = 0;
    bool warmUpWanted_ = false;
    bool warmedUp_ = false;
    std::string soundFile_;
};

} // namespace brisvane
