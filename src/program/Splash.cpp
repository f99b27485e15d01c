#include "program/Splash.h"

namespace brisvane {

Splash::Splash(Profile& profile, std::string iniFile, std::string versionText,
               std::function<void()> showMain)
    : profile_(profile), iniFile_(std::move(iniFile)), versionText_(std::move(versionText)),
      showMain_(std::move(showMain)) {}

void Splash::load(const Screen& screen) {
    frame.left = (screen.screenWidth() - Width) / 2;
    frame.top = (screen.screenHeight() - Height) / 2;

    std::string showSplash;
    try {
        showSplash = profile_.GetINI("Options", "ShowSplash", iniFile_);
    } catch (const ProfileError&) {
        showSplash.clear();
    }
    if (showSplash != "No") {
        lbl_Version.caption = versionText_;
        sTimer2.start();
        visible = true;
        notify();
        return;
    }
    handOver();
}

void Splash::sTimer2Tick() {
    if (!sTimer2.enabled) {
        return;
    }
    handOver();
}

void Splash::handOver() {
    sTimer2.stop();
    // The game window first: closing the splash while no other window is open would end
    // the program.
    if (showMain_) {
        showMain_();
    }
    visible = false;
    closed = true;
    notify();
}

void Splash::notify() const {
    if (changed_) {
        changed_();
    }
}

} // namespace brisvane
