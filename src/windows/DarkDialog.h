#pragma once
// The base of the translation windows: a desktop dialog window in the game's colours (the dark
// table ground with light text and the yellow accent), its controls placed in twips as their
// models say, and every handler run inside the window's guard.

#include <QDialog>

#include "common/Controls.h"
#include "windows/EventGuard.h"

class QStyle;
class QWidget;

namespace brisvane {

class DarkDialog : public QDialog {
    Q_OBJECT
public:
    DarkDialog(const char* objectName, const char* title, int widthTwips, int heightTwips,
               EventGuard& guard);

    // Places `widget` as `control` says (place, size, enabled, visible, tool tip) and names it
    // after the control.
    static void place(QWidget* widget, const Control& control);
    // Text colour of a label from the model's 0x00BBGGRR colour.
    static void colourText(QWidget* widget, std::uint32_t bgr);

protected:
    void paintEvent(QPaintEvent* event) override;
    // Gives the window and every control in it the dark style; the last step of building.
    void adoptDarkStyle();
    // Runs `handler` inside the window's guard.
    template <typename Handler> void guarded(const char* where, Handler&& handler) {
        guard_.run(where, std::forward<Handler>(handler));
    }

private:
    EventGuard& guard_;
    QStyle* style_;
};

} // namespace brisvane
