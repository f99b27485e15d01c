#include "windows/ModuleSound.h"

#include <QCoreApplication>
#include <QDir>
#include <cstdio>

namespace brisvane {

namespace {
using CreateSound = Sound* (*)();
}

ModuleSound::ModuleSound(QString modulePath) {
    if (modulePath.isEmpty()) {
        modulePath = QDir(QCoreApplication::applicationDirPath())
                         .filePath(QString::fromLatin1(ModuleFileName));
    }
    module_.setFileName(modulePath);
}

// The module stays loaded: the back end's code runs until the process ends.
ModuleSound::~ModuleSound() = default;

void ModuleSound::play(const std::string& path, bool wait) {
    if (!tried_) {
        tried_ = true;
        load();
    }
    if (backEnd_) {
        backEnd_->play(path, wait);
    }
}

void ModuleSound::load() {
    const auto create = reinterpret_cast<CreateSound>(module_.resolve(EntryName));
    if (create != nullptr) {
        backEnd_.reset(create());
    }
    if (!backEnd_) {
        std::fprintf(stderr, "brisvane: no sound: %s\n", qUtf8Printable(module_.errorString()));
    }
}

} // namespace brisvane
