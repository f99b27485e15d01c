#pragma once
// The program's dice generator. The game re-seeds it from the time of day before every roll;
// the time of day alone would give two rolls within one clock tick the same faces, so every
// seed is mixed with entropy drawn once per process, a nanosecond count and a running number.

#include <cstdint>
#include <random>

#include "common/Ports.h"

namespace brisvane {

class SystemRandom : public Random {
public:
    SystemRandom();
    void seed(double timeOfDay) override;
    double next() override; // uniform in [0, 1)

private:
    std::mt19937_64 engine_;
    std::uint64_t entropy_;
    std::uint64_t reseeds_ = 0;
};

// A repeatable generator for the headless tools and benchmarks: the stream depends only on
// the seed given at construction, and the game's re-seeding before each roll is ignored.
class SeededRandom : public Random {
public:
    explicit SeededRandom(std::uint64_t seed) : engine_(seed) {}
    void seed(double /*timeOfDay*/) override {}
    double next() override;

private:
    std::mt19937_64 engine_;
};

} // namespace brisvane
