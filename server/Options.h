#pragma once
// The command line of brisvane-scores.

#include <optional>
#include <string>
#include <vector>

namespace brisvane::server {

struct Options {
    std::string host = "127.0.0.1";
    int port = 8080; // 0: any free port (the one taken is printed)
    std::string database; // "" = sqlite:scores.sqlite in the state directory or the current one
    std::string tlsCert;
    std::string tlsKey;
    int ratePerMinute = 10;
    bool behindProxy = false;
    int connections = 8;
    int threads = 64;
    bool help = false;
    bool version = false;
};

// The options, or an error message naming what is wrong.
struct ParsedOptions {
    Options options;
    std::string error;
};
ParsedOptions parseOptions(const std::vector<std::string>& arguments);

std::string helpText();

// The database address when none is given: a SQLite file in $STATE_DIRECTORY (set by systemd)
// or else the current directory.
std::string defaultDatabase(const char* stateDirectory);

} // namespace brisvane::server
