#include "scores/TopTen.h"

#include "common/Numbers.h"
#include "common/Text.h"
#include "scores/HsTable.h"

namespace brisvane {

TopTen::TopTen(Profile& profile, std::string iniFile, const Texts& texts)
    : profile_(profile), iniFile_(std::move(iniFile)), texts_(texts) {
    for (int i = 1; i <= HsTable::Places; ++i) {
        Topp(i).objectName = labelName(i);
        Topp(i).foreColor = PlaceColour;
    }
}

std::string TopTen::labelName(int place) {
    return (place < 10 ? "Topp0" : "Topp") + std::to_string(place);
}

void TopTen::emptyCaptions() {
    for (ToppLabel& label : labels_) {
        label.caption.clear();
    }
}

void TopTen::UpdatTopp() {
    const bool helpTexts = profile_.GetINI("Options", "ShowHelpText", iniFile_) == "Yes";
    const std::string h1 = helpTexts ? texts_.T("h1") : std::string();
    for (int i = 1; i <= HsTable::Places; ++i) {
        ToppLabel& label = Topp(i);
        const auto stored = [&](char field) {
            return profile_.GetINI(HsTable::Section, HsTable::placeKey(field, i), iniFile_);
        };
        const std::string points = stored('p');
        const std::string name = stored('n');
        const std::string key = stored('k');

        label.bold = NewPlace == i;
        label.foreColor = label.bold ? colour::Yellow : PlaceColour;
        if (!points.empty() && !name.empty() && !key.empty()) {
            label.caption = std::to_string(i) + ". " + points + " " + name;
        }
        const bool hasPoints = integerPart(points) > 0;
        if (hasPoints) {
            // Without this a list cleared while help texts are off would stay hidden for good.
            label.visible = true;
        }
        if (!helpTexts) {
            label.toolTip.clear();
        } else if (hasPoints) {
            label.toolTip = placeHelp(h1, points);
            label.handCursor = true;
        } else {
            label.toolTip.clear();
            label.visible = false;
        }
    }
}

void TopTen::ToppClick(int place) {
    if (place < 1 || place > HsTable::Places) {
        return;
    }
    SelectedPlace = place;
    if (SendX) {
        SendX();
    }
}

bool TopTen::ClearHighscore(Dialogs& dialogs, const LogWriter& writeLog) {
    if (!dialogs.askYesNo(texts_.T("b1"), texts_.T("b7"), DefaultButton::No)) {
        return false;
    }
    std::string why;
    // Ten empty places: points "0", the rest "".
    if (!profile_.SetINIs(iniFile_, HsTable{}.changes(), &why)) {
        dialogs.message(texts_.T("b1"), text::fill(texts_.T("s130"), {why}),
                        MessageKind::Warning);
        return false;
    }
    for (ToppLabel& label : labels_) {
        label.caption.clear();
        label.visible = false;
    }
    writeLog("Clear highscore");
    return true;
}

} // namespace brisvane
