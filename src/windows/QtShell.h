#pragma once
// Opens web addresses and files with the program the desktop associates with them.
#include "common/Ports.h"

class QUrl;

namespace brisvane {

class QtShell : public Shell {
public:
    bool open(const std::string& target) override;

    // A web address (anything with a scheme such as http: or mailto:) stays as it is; anything
    // else is a file path and becomes a file URL, so spaces and non-ASCII names survive.
    static QUrl toUrl(const std::string& target);
};

} // namespace brisvane
