#include "display/DotMatrix.h"

#include <utility>

#include "common/Text.h"

namespace brisvane {

DotMatrix::DotMatrix(const Texts& texts, std::function<int()> totalScore)
    : texts_(texts), totalScore_(std::move(totalScore)) {}

void DotMatrix::Say(std::string text) {
    sayText_ = std::move(text);
    sayPos_ = 1;
    ++messagesSaid_;
    showPage();
    if (text::length(sayText_) > PageChars) {
        timer1_.start();
    } else {
        timer1_.stop();
    }
    notify();
}

void DotMatrix::Timer1Tick() {
    if (!timer1_.enabled) {
        return;
    }
    const std::size_t sayLen = text::length(sayText_);
    sayPos_ += PageChars;
    showPage();
    if (static_cast<std::size_t>(sayPos_ + PageChars) > sayLen) {
        timer1_.stop();
        sayPos_ = 1;
    }
    notify();
}

void DotMatrix::SayTimerTick() {
    if (!sayTimer_.enabled) {
        return;
    }
    sayTimer_.stop();
    Say(texts_.T("d2") + ": " + std::to_string(totalScore_ ? totalScore_() : 0));
}

void DotMatrix::startSayTimer() {
    sayTimer_.start();
    notify();
}

void DotMatrix::Restart() {
    sayPos_ = 1;
    timer1_.stop();
    notify();
}

void DotMatrix::Bin2Scroll(std::string_view PageText) {
    draw(PageText);
    notify();
}

void DotMatrix::draw(std::string_view PageText) {
    places_.fill(0);
    const std::u32string page = text::toCodePoints(text::toUpper(text::left(PageText, PageChars)));
    for (std::size_t place = 0; place < page.size(); ++place) {
        places_[place] = DotFont::glyph(page[place]);
    }
}

void DotMatrix::showPage() {
    draw(text::mid(sayText_, static_cast<std::size_t>(sayPos_ - 1), PageChars));
}

void DotMatrix::notify() const {
    if (changed_) {
        changed_();
    }
}

} // namespace brisvane
