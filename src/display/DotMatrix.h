#pragma once
// The one-line message display of the game window: 13 character places of 5 x 7 dots, 455 dots
// in all. A message longer than 13 characters is shown page by page, one page every 2 seconds.
//
// The model keeps which dots are lit and the state of its two timers; the view draws the lit
// dots, runs one real timer per model timer and calls the ticks, and repaints when told.

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <utility>

#include "common/Ports.h"
#include "common/Texts.h"
#include "display/DotFont.h"
#include "common/ModelTimer.h"

namespace brisvane {

class DotMatrix {
public:
    static constexpr int Places = 13;
    static constexpr int PageChars = Places;
    static constexpr int DotCount = Places * DotFont::DotsPerGlyph; // 455

    // Geometry of the dots on the game window, in twips.
    static constexpr int FirstLeft = 600;
    static constexpr int FirstTop = 8100;
    static constexpr int DotPitch = 90;
    static constexpr int PlacePitch = 510;          // five dots and a gap of 60
    static constexpr int DotSize = 75;              // each dot a filled circle
    static constexpr unsigned LitColour = 0xFFFFFF; // white, 0x00BBGGRR

    static constexpr int Timer1Interval = 2000;
    static constexpr int SayTimerInterval = 100;

    // Dot `index` (0..454, the control array `Digit`) belongs to place index / 35, dot column
    // (index % 35) / 7 and dot row index % 7; all three count from the top left.
    static constexpr int placeOf(int index) { return index / DotFont::DotsPerGlyph; }
    static constexpr int columnOf(int index) {
        return index % DotFont::DotsPerGlyph / DotFont::Rows;
    }
    static constexpr int rowOf(int index) { return index % DotFont::Rows; }
    static constexpr TwipRect dotRect(int index) {
        return {FirstLeft + PlacePitch * placeOf(index) + DotPitch * columnOf(index),
                FirstTop + DotPitch * rowOf(index), DotSize, DotSize};
    }

    // `texts` gives the caption of the running total (key "d2") in the current language and
    // `totalScore` the game's total; both are read when `SayTimer` fires. `texts` must outlive
    // the display.
    DotMatrix(const Texts& texts, std::function<int()> totalScore);

    // Called after every change of the dots or of a timer, so that a view can repaint and
    // start or stop its timers.
    void setChangeHandler(std::function<void()> handler) { changed_ = std::move(handler); }

    // Shows `text` (the `SayText`) from its first page, replacing any message being paged.
    // Texts longer than 13 characters switch `Timer1` on to page through the rest.
    void Say(std::string text);
    // Shows the next 13 characters; after the last page `Timer1` goes off and the last page
    // stays until the next message. Ignored while `Timer1` is off.
    void Timer1Tick();
    // Says the running total ("Total: 12") once, in the current language; switched on after a
    // language change. Ignored while `SayTimer` is off.
    void SayTimerTick();
    void startSayTimer();
    // A new game: the next page is the first, paging stops. The dots stay as they are.
    void Restart();
    // Draws the first 13 characters of `PageText`, upper-cased; characters outside the font and
    // places beyond the text's end are dark.
    void Bin2Scroll(std::string_view PageText);

    // Whether dot `index` (`Digit(index)`) is lit, i.e. visible.
    bool dotLit(int index) const {
        return DotFont::lit(places_[static_cast<std::size_t>(placeOf(index))], columnOf(index),
                            rowOf(index));
    }
    GlyphBits placeGlyph(int place) const { return places_[static_cast<std::size_t>(place)]; }

    const std::string& SayText() const { return sayText_; }
    // How many messages have been said: a new one (also the same text again) counts once,
    // however many pages it takes.
    int messagesSaid() const { return messagesSaid_; }
    int SayPos() const { return sayPos_; } // 1-based first character of the page on show
    const ModelTimer& Timer1() const { return timer1_; }
    const ModelTimer& SayTimer() const { return sayTimer_; }

private:
    void showPage();
    void draw(std::string_view PageText);
    void notify() const;

    const Texts& texts_;
    std::function<int()> totalScore_;
    std::function<void()> changed_;
    std::string sayText_;
    int sayPos_ = 1;
    int messagesSaid_ = 0;
    std::array<GlyphBits, Places> places_{};
    ModelTimer timer1_{Timer1Interval};
    ModelTimer sayTimer_{SayTimerInterval};
};

} // namespace brisvane
