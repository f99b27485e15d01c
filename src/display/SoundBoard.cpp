#include "display/SoundBoard.h"

#include <array>
#include <filesystem>
#include <system_error>
#include <utility>
#include <vector>

namespace brisvane {
namespace {

constexpr std::array<const char*, 8> SoundFiles{
    "dice.wav",  "points.wav", "Bonus.wav", "Yahoo2.wav",
    "Yatzy.wav", "Laser.wav",  "beep.wav",  "pop.wav",
};

} // namespace

const char* SoundBoard::fileOf(int SoundNo) {
    const int n = SoundNo > WaitOffset ? SoundNo - WaitOffset : SoundNo;
    if (n < 1 || n > static_cast<int>(SoundFiles.size())) {
        return nullptr;
    }
    return SoundFiles[static_cast<std::size_t>(n - 1)];
}

SoundBoard::SoundBoard(Profile& profile, std::string iniFile, Sound& sound, Resolver resolve)
    : profile_(profile), iniFile_(std::move(iniFile)), sound_(sound), resolve_(std::move(resolve)) {
}

void SoundBoard::load() {
    soundOn_ = profile_.GetINI("Options", "PlaySound", iniFile_);
    notify();
}

void SoundBoard::sndA(int SoundNo) {
    soundNo_ = SoundNo;
    if (!isOn()) {
        return;
    }
    if (const char* file = fileOf(SoundNo)) {
        soundFile_ = file;
    }
    // Right after a new game there is no previous sound to repeat; playing the bare folder
    // would only sound the desktop's "file not found" beep.
    if (soundFile_.empty()) {
        return;
    }
    sound_.play(resolve_(soundFile_), SoundNo > WaitOffset);
}

void SoundBoard::playRefused() {
    if (isOn()) {
        sound_.play(resolve_("doink.wav"), false);
    }
}

void SoundBoard::playLinkBeep() {
    const std::string path = resolve_("Beep.wav");
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        return;
    }
    sound_.play(path, true);
    sound_.play(path, false);
}

bool SoundBoard::SoundPicClick() {
    soundOn_ = soundOn_ == "No" ? "Yes" : "No";
    const bool written = profile_.SetINI("Options", "PlaySound", soundOn_, iniFile_);
    notify();
    warmUpIfOn();
    return written;
}

void SoundBoard::Restart() {
    soundNo_ = 0;
    soundFile_.clear();
}

void SoundBoard::warmUp() {
    warmUpWanted_ = true;
    warmUpIfOn();
}

void SoundBoard::warmUpIfOn() {
    if (!warmUpWanted_ || warmedUp_ || !isOn()) {
        return;
    }
    warmedUp_ = true;
    std::vector<std::string> files;
    for (const char* name : SoundFiles) {
        files.push_back(resolve_(name));
    }
    sound_.warmUp(files);
}

void SoundBoard::notify() const {
    if (changed_) {
        changed_();
    }
}

} // namespace brisvane
