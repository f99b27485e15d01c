#include "program/ChoiceText.h"

#include "common/Text.h"

namespace brisvane {

std::string categoryText(const Texts& texts, int category) {
    const std::string name = text::trim(texts.T("c" + std::to_string(category)));
    return name.empty() ? std::string(categoryName(category)) : name;
}

std::string facesText(const advisor::Counts& counts) {
    std::string faces;
    for (int face = 1; face <= 6; ++face) {
        for (int n = 0; n < counts[static_cast<std::size_t>(face - 1)]; ++n) {
            faces += (faces.empty() ? "" : " ") + std::to_string(face);
        }
    }
    return faces;
}

std::string describeChoice(const Texts& texts, const advisor::Choice& choice) {
    if (choice.kind == advisor::Choice::Kind::Fill) {
        return textWith(
            texts, "s32", "fill %1",
            {categoryText(texts, choice.category) + " (" + std::to_string(choice.points) + ")"});
    }
    int count = 0;
    for (const auto n : choice.rollAgain) {
        count += n;
    }
    return count == 6 ? textOr(texts, "s31", "roll all six")
                      : textWith(texts, "s30", "roll again %1", {facesText(choice.rollAgain)});
}

} // namespace brisvane
