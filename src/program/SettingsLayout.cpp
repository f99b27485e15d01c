// The settings window's controls as designed, and the three page layouts, in twips. Controls
// inside a frame are placed relative to the frame.

#include "language/Language.h"
#include "program/SettingsWindow.h"

namespace brisvane {

namespace {

template <typename T> T make(const char* name, int left, int top, int width, int height) {
    T control;
    static_cast<Control&>(control) = makeControl(name, left, top, width, height);
    return control;
}

struct PageLayout {
    const char* page;
    int icon;
    int width;
    int height;
    int command4Top;
};

constexpr PageLayout Pages[] = {
    {"all", 71, 6795, 5985, 5130},
    {"user", 70, 3465, 2980, 2140},
    {"alarm", 69, 3465, 2100, 1260},
};

void place(Control& c, int left, int top, int width, int height) {
    c.left = left;
    c.top = top;
    c.width = width;
    c.height = height;
}

} // namespace

void SettingsWindow::designControls() {
    Caption = "Settings";
    Width = 6795;
    Height = 5985;
    Icon = 0;
    Page.clear();

    // Left column: language, sound, counters.
    Frame1 = make<Control>("Frame1", 120, 90, 3195, 2115);
    Frame1.caption = "Language";
    List1 = make<ListControl>("List1", 120, 285, 2955, 1200);
    setTranslate = make<Control>("setTranslate", 120, 1605, 2955, 375);
    setTranslate.caption = "Translate";
    Frame3 = make<Control>("Frame3", 120, 2295, 3195, 660);
    Frame3.caption = "Sound";
    Check1 = make<CheckBox>("Check1", 150, 285, 2925, 285);
    Check1.caption = "Mute";
    Frame6 = make<Control>("Frame6", 120, 3045, 3195, 1665);
    Frame6.caption = "Info";
    lblInfo = make<Control>("lblInfo", 150, 285, 2220, 1230);
    lblInfo2 = make<Control>("lblInfo2", 2385, 285, 690, 1230);
    Label2 = make<Control>("Label2", 2850, 1380, 225, 225);
    Label2.caption = "i";

    // Right column: view, warnings, alarm; the clear button below.
    Frame5 = make<Control>("Frame5", 3450, 90, 3135, 1545);
    Frame5.caption = "View";
    Check5 = make<CheckBox>("Check5", 150, 285, 2865, 285);
    Check5.caption = "Splash screen";
    Check7 = make<CheckBox>("Check7", 150, 585, 2865, 285);
    Check7.caption = "Time";
    Check8 = make<CheckBox>("Check8", 150, 885, 2865, 285);
    Check8.caption = "Red square";
    Check6 = make<CheckBox>("Check6", 150, 1185, 2865, 285);
    Check6.caption = "Help text";
    Frame4 = make<Control>("Frame4", 3450, 1725, 3135, 1245);
    Frame4.caption = "Warn before:";
    Check2 = make<CheckBox>("Check2", 150, 285, 2865, 285);
    Check2.caption = "Exit the program";
    Check4 = make<CheckBox>("Check4", 150, 585, 2865, 285);
    Check4.caption = "Start a new game";
    Check3 = make<CheckBox>("Check3", 150, 885, 2865, 285);
    Check3.caption = "Visit the homepage";
    Frame7 = make<Control>("Frame7", 3450, 3270, 3135, 975);
    Frame7.caption = "Alarm";
    Check9 = make<CheckBox>("Check9", 150, 270, 1305, 315);
    Check9.caption = "Alarm";
    // Wide enough for "23" and ":59" beside the list's arrow, at any scale.
    Combo1 = make<ListControl>("Combo1", 435, 255, 780, 315);
    Combo2 = make<ListControl>("Combo2", 1275, 255, 840, 315);
    Text1 = make<Control>("Text1", 150, 615, 2835, 300);
    Command3 = make<Control>("Command3", 3450, 4335, 3135, 375);
    Command3.caption = "Clear highscore";

    Command4 = make<Control>("Command4", 2730, 5130, 1335, 375);
    Command4.caption = "Close";
}

void SettingsWindow::applyPage(const std::string& page) {
    const PageLayout* layout = nullptr;
    for (const PageLayout& candidate : Pages) {
        if (page == candidate.page) {
            layout = &candidate;
        }
    }
    if (layout == nullptr) {
        return;
    }
    Page = page;
    Icon = layout->icon;
    Width = layout->width;
    Height = layout->height;
    Command4.top = layout->command4Top;

    for (Control* frame : frames()) {
        frame->visible = false;
    }
    Command3.visible = false;
    if (page == "all") {
        for (Control* frame : {&Frame1, &Frame3, &Frame4, &Frame5, &Frame6, &Frame7}) {
            frame->visible = true;
        }
        Command3.visible = true;
        place(Frame7, 3450, 3270, 3135, 975);
        Check9.width = 225;
        Check9.caption.clear();
    } else if (page == "user") {
        Frame2.visible = true;
    } else {
        Frame7.visible = true;
        place(Frame7, 120, 90, 3135, 1035);
        Text1.width = 2805;
        Combo1.left = 1410;
        Combo2.left = 2250;
        Check9.width = 1200;
        Check9.caption = w_.language.T("s18");
    }
}

} // namespace brisvane
