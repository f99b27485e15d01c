#pragma once
// The texts of the user interface, looked up by key ("b1", "c13", "d2") in the current
// language file. An absent key or file gives "" and the caller shows it as it is; the keys the
// program added fall back to the reference language (Language::T).

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace brisvane {

class Texts {
public:
    virtual ~Texts() = default;
    virtual std::string T(const std::string& key) const = 0;
    // A number that holds while every T() answer stays the same (the language file unchanged
    // and still the current one), so a caller may keep texts it read under the same number;
    // none when that cannot be told, and then texts are read afresh each time.
    virtual std::optional<std::uint64_t> revision() const { return std::nullopt; }
};

// The text of `key`, or `fallback` where the language file has none (a language made before
// the key existed).
std::string textOr(const Texts& texts, const std::string& key, const char* fallback);

// textOr with "%1", "%2", ... replaced by `values` in order; a value whose mark the text lacks
// (a translation that dropped it) follows at the end after a blank, so no figure is lost.
std::string textWith(const Texts& texts, const std::string& key, const char* fallback,
                     const std::vector<std::string>& values);

}  // namespace brisvane
