#pragma once
// The sound port as the program links it: the Qt Multimedia back end (QtSound) lives in a
// module beside the binary, loaded on the first sound. Qt Multimedia pulls in the sound
// server's client, codecs and network libraries; kept out of the process until a sound is
// asked for, they cost neither start-up time nor memory in a game played without sound.
//
// A module that is missing or cannot be loaded means silence, reported once on stderr.
// Make and destroy it while the QApplication lives: it finds the module through it, and the
// back end it holds needs it. The module is looked for beside the binary, and then where an
// installed copy keeps it.

#include <QLibrary>
#include <memory>

#include "common/Ports.h"

namespace brisvane {

class ModuleSound : public Sound {
public:
    static constexpr const char* ModuleFileName = "brisvane-sound.so";
    // The module's one entry: makes a QtSound with the desktop's beep, or nullptr.
    static constexpr const char* EntryName = "brisvaneCreateSound";

    // `modulePath` defaults to ModuleFileName in the binary's own folder or, where that has
    // none, in the installed module folder.
    explicit ModuleSound(QString modulePath = {});
    ~ModuleSound() override;
    ModuleSound(const ModuleSound&) = delete;
    ModuleSound& operator=(const ModuleSound&) = delete;

    void play(const std::string& path, bool wait) override;
    void warmUp(const std::vector<std::string>& files) override;

private:
    void load();

    QLibrary module_;
    bool tried_ = false;
    std::unique_ptr<Sound> backEnd_;
};

} // namespace brisvane
