#include "support/Fakes.h"

#include <cstdio>

namespace brisvane::testing {

void FakeClock::advanceSeconds(int seconds) {
    long total = current.hour * 3600L + current.minute * 60L + current.second + seconds;
    const long day = 24L * 3600L;
    current.day += static_cast<int>(total / day);  // tests stay within one month
    total %= day;
    current.hour = static_cast<int>(total / 3600);
    current.minute = static_cast<int>(total / 60 % 60);
    current.second = static_cast<int>(total % 60);
}

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
