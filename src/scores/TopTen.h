#pragma once
// The top-ten display of the game window: the ten labels Topp01..Topp10 as model state, drawn
// from the settings file by UpdatTopp, plus the clicks on a place and the clearing of the list.

#include "common/Ports.h"
#include "common/Profile.h"
#include "common/Texts.h"
#include "common/Controls.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>

namespace brisvane {

// One place's label. Its position is the window's business; the model keeps the rest.
struct ToppLabel : Control {
    bool handCursor = false; // the program's own hand pointer over a place that can be sent
};

class TopTen {
  public:
    using LogWriter = std::function<void(const std::string&)>;

    // The places in a light grey that reads well on the dark table; the place the last game
    // entered stands out in the program's yellow, and bold.
    static constexpr std::uint32_t PlaceColour = 0xD8DDE2;

    TopTen(Profile& profile, std::string iniFile, const Texts& texts);

    // "Topp01".."Topp10", the control name of a place's label.
    static std::string labelName(int place);

    // Place 1..10; anything else is a programming error caught by the bounds check.
    ToppLabel& Topp(int place) { return labels_.at(static_cast<std::size_t>(place - 1)); }
    const ToppLabel& Topp(int place) const {
        return labels_.at(static_cast<std::size_t>(place - 1));
    }

    // Start-up: all ten captions empty until the first UpdatTopp.
    void emptyCaptions();

    // Redraws the ten labels from the settings file. A place whose name, points or key is
    // empty keeps its caption. With Options/ShowHelpText exactly "Yes" a place with points
    // gets the tool tip and the hand pointer and an empty place (0 points) is hidden; with any
    // other value the tool tips are emptied. A place with points is always made visible.
    void UpdatTopp();
    // A place's tool tip: the help text h1 and the place's points.
    static std::string placeHelp(const std::string& help, const std::string& points) {
        return " " + help + "  (" + points + " p) ";
    }

    // Topp01_Click .. Topp10_Click: remembers the place and hands it to SendX.
    void ToppClick(int place);

    // Empties the list after the player confirms (question b7, title b1, No the default).
    // alltime and name stay. Logs "Clear highscore". True when the list was cleared, so the
    // settings window can disable its Clear button; a settings file that cannot be written is
    // reported to the player and leaves everything as it was.
    bool ClearHighscore(Dialogs& dialogs, const LogWriter& writeLog);

    // The place the last finished game entered, 1..10, or 0; shown bold until the next game
    // is recorded.
    int NewPlace = 0;
    // The place last clicked, 1..10 (0 before the first click).
    int SelectedPlace = 0;
    // Starts the submission of SelectedPlace; empty until submission is wired in.
    std::function<void()> SendX;

  private:
    Profile& profile_;
    std::string iniFile_;
    const Texts& texts_;
    std::array<ToppLabel, 10> labels_;
};

} // namespace brisvane
