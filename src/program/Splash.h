#pragma once
// The start-up window `Splash` as a model: it shows the version on the splash picture for two
// seconds and then hands over to the game window, or hands over at once when the player has
// turned it off (Options/ShowSplash exactly "No"). Qt-free; SplashView draws it.

#include <functional>
#include <string>

#include "common/Ports.h"
#include "common/Profile.h"
#include "common/ModelTimer.h"
#include "common/Controls.h"

namespace brisvane {

class Splash {
public:
    static constexpr int Width = 6000; // twips
    static constexpr int Height = 3075;
    static constexpr int sTimer2Interval = 2000;
    static constexpr std::uint32_t Gold = 0x00E6FF;

    // `versionText` is what `lbl_Version` shows ("7.03"); `showMain` shows the game window,
    // whose load step runs inside that call.
    Splash(Profile& profile, std::string iniFile, std::string versionText,
           std::function<void()> showMain);

    // Load of `Splash`: either makes the splash visible with its version and starts `sTimer2`,
    // or shows the game window at once and closes before the splash ever appeared. A settings
    // file that cannot be read counts as "show the splash": the game window reports the error.
    void load(const Screen& screen);
    // `sTimer2` tick: shows the game window, then closes. Ignored unless the timer is on.
    void sTimer2Tick();

    void setChangeHandler(std::function<void()> handler) { changed_ = std::move(handler); }

    Control lbl_Version{"lbl_Version", "0.000", "",  0xFFFFFF, 0,   true,
                        true,          false,   240, 2640,     615, 225};
    Control sInfo{"sInfo", "", "", Gold, 0, true, true, false, 540, 1440, 1815, 345};
    ModelTimer sTimer2{sTimer2Interval};

    // The window's place on the screen, in twips: centred.
    TwipRect frame{0, 0, Width, Height};
    bool visible = false;
    bool closed = false;

private:
    void handOver();
    void notify() const;

    Profile& profile_;
    std::string iniFile_;
    std::string versionText_;
    std::function<void()> showMain_;
    std::function<void()> changed_;
};

} // namespace brisvane
