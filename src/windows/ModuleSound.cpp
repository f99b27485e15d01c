#include "windows/ModuleSound.h"

#include <cstdio>
#include <utility>

#include "windows/ModulePath.h"

namespace brisvane {

namespace {
using CreateSound = Sound* (*)();
}

ModuleSound::ModuleSound(QString path)
    : module_(path.isEmpty() ? modulePath(ModuleFileName) : path) {}

// The module stays loaded: the back end's code runs until the process ends.
ModuleSound::~ModuleSound() = default;

void ModuleSound::play(const std::string& path, bool wait) {
    load();
    if (backEnd_) {
        backEnd_->play(path, wait);
    }
}

void ModuleSound::warmUp(const std::vector<std::string>& files) {
    load();
    if (backEnd_) {
        backEnd_->warmUp(files);
    }
}

void ModuleSound::load() {
    if (std::exchange(tried_, true)) {
        return;
    }
    const auto create = reinterpret_cast<CreateSound>(module_.resolve(EntryName));
    if (create != nullptr) {
        backEnd_.reset(create());
    }
    if (!backEnd_) {
        std::fprintf(stderr, "brisvane: no sound: %s\n", qUtf8Printable(module_.errorString()));
    }
}

} // namespace brisvane
