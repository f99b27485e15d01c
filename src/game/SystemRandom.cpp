#include "game/SystemRandom.h"

#include <bit>
#include <chrono>

namespace brisvane {
namespace {

// splitmix64's finaliser: spreads every input bit over the whole word.
std::uint64_t mix(std::uint64_t x) {
    x += 0x9E3779B97F4A7C15ULL;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ULL;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBULL;
    return x ^ (x >> 31);
}

std::uint64_t processEntropy() {
    std::uint64_t value = 0;
    try {
        std::random_device device;
        value = (std::uint64_t{device()} << 32) ^ device();
    } catch (const std::exception&) {
        // No entropy source: the clocks below still tell processes and rolls apart.
    }
    const auto now = std::chrono::system_clock::now().time_since_epoch().count();
    return mix(value ^ static_cast<std::uint64_t>(now));
}

double unitInterval(std::uint64_t bits) {
    return static_cast<double>(bits >> 11) * 0x1.0p-53; // 53 random bits: always below 1
}

} // namespace

SystemRandom::SystemRandom() : engine_(processEntropy()), entropy_(processEntropy()) {}

void SystemRandom::seed(double timeOfDay) {
    const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
    std::uint64_t s = mix(std::bit_cast<std::uint64_t>(timeOfDay) ^ entropy_);
    s = mix(s ^ static_cast<std::uint64_t>(ticks));
    s = mix(s ^ ++reseeds_);
    engine_.seed(s);
}

double SystemRandom::next() {
    return unitInterval(engine_());
}

double SeededRandom::next() {
    return unitInterval(engine_());
}

} // namespace brisvane
