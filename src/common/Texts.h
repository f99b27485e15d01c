#pragma once
// The texts of the user interface, looked up by key ("b1", "c13", "d2") in the current
// language file. An absent key or file gives "" and the caller shows it as it is: there is no
// fall-back text except where the caller names one.

#include <string>

namespace brisvane {

class Texts {
public:
    virtual ~Texts() = default;
    virtual std::string T(const std::string& key) const = 0;
};

// The text of `key`, or `fallback` where the language file has none (a language made before
// the key existed).
std::string textOr(const Texts& texts, const std::string& key, const char* fallback);

}  // namespace brisvane
