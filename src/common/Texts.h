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

}  // namespace brisvane
