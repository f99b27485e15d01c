// The entry of the sound module (brisvane-sound.so), the one symbol it exports. The program
// resolves it by name on its first sound; see ModuleSound.
#include <QtGlobal>

#include "windows/QtSound.h"

extern "C" Q_DECL_EXPORT brisvane::Sound* brisvaneCreateSound() {
    // Nothing may escape into the program through a C entry: no back end is silence.
    try {
        return new brisvane::QtSound();
    } catch (...) {
        return nullptr;
    }
}
