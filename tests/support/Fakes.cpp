#include "support/Fakes.h"

#include <cstdio>

namespace brisvane::testing {

std::string FakeLocale::longTime(const DateTime& when) const {
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", when.hour, when.minute, when.second);
    return text;
}

void FakeRandom::queueFaces(std::initializer_list<int> faces) {
    for (const int face : faces) {
        // The middle of the face's sixth of [0, 1), so Int(r * 6) + 1 gives the face.
        script.push_back((face - 1 + 0.5) / 6.0);
    }
}

}  // namespace brisvane::testing
