#pragma once
// Plays the game's WAV files through Qt Multimedia.
//
// The program does not link it: it is built into the sound module that ModuleSound loads on
// the first sound. Without waiting, a new sound cuts the one playing; with waiting, play()
// returns when the sound has finished (user input waits meanwhile, timers keep running). A
// missing or unplayable file sounds the desktop's beep; without an audio output nothing
// sounds and nothing waits. Destroy it before the QApplication.

#include <functional>
#include <map>
#include <memory>
#include <string>

#include "common/Ports.h"

class QSoundEffect;
class QString;

namespace brisvane {

class QtSound : public Sound {
public:
    // `beep` sounds a missing or unplayable file; the default is the desktop's own beep.
    explicit QtSound(std::function<void()> beep = {});
    ~QtSound() override;
    QtSound(const QtSound&) = delete;
    QtSound& operator=(const QtSound&) = delete;

    void play(const std::string& path, bool wait) override;
    // Connects to the sound server and decodes `files` (missing ones are skipped).
    void warmUp(const std::vector<std::string>& files) override;

    // The playing time of a PCM WAV file in milliseconds, from its header; -1 when the file is
    // not one. Bounds how long a waiting play can last.
    static int wavMilliseconds(const QString& path);

private:
    QSoundEffect& effectFor(const QString& path);
    void waitUntilDone(QSoundEffect& effect, const QString& path);

    std::function<void()> beep_;
    // One effect per file, kept decoded after its first play; the rolls and placements repeat.
    std::map<std::string, std::unique_ptr<QSoundEffect>> effects_;
    QSoundEffect* current_ = nullptr;
};

} // namespace brisvane
