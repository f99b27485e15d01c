#pragma once
// One fuzz target: a function that takes any bytes and must neither crash nor break the
// property it checks. The libFuzzer build gives each target its own LLVMFuzzerTestOneInput;
// the normal test suite links the same functions and replays the seed corpus through them.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#ifdef BRISVANE_LIBFUZZER
#define BRISVANE_FUZZ_ENTRY(function)                                                              \
    extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {            \
        return function(data, size);                                                               \
    }
#else
#define BRISVANE_FUZZ_ENTRY(function)
#endif

// A broken property is a crash, so the fuzzer keeps the input that showed it.
#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: fuzz check failed: %s\n", __FILE__, __LINE__,             \
                         #condition);                                                              \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)

namespace brisvane::fuzz {

int packageReader(const std::uint8_t* data, std::size_t size);
int iniRoundTrip(const std::uint8_t* data, std::size_t size);
int languageLookup(const std::uint8_t* data, std::size_t size);

} // namespace brisvane::fuzz
