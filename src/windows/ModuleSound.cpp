#include "windows/ModuleSound.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <cstdio>
#include <utility>

#include "InstallLayout.h"

namespace brisvane {

namespace {
using CreateSound = Sound* (*)();
}

ModuleSound::ModuleSound(QString modulePath) {
    if (modulePath.isEmpty()) {
        const QDir binary(QCoreApplication::applicationDirPath());
        const QString name = QString::fromLatin1(ModuleFileName);
        modulePath = binary.filePath(name);
        if (!QFileInfo::exists(modulePath)) {
            modulePath = QDir::cleanPath(
                binary.filePath(QStringLiteral(BRISVANE_MODULE_FROM_BIN "/") + name));
        }
    }
    module_.setFileName(modulePath);
}

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
