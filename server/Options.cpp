#include "server/Options.h"

#include "server/Rules.h"

namespace brisvane::server {

namespace {

// "HOST:PORT", "[V6]:PORT" or ":PORT".
bool parseListen(const std::string& text, Options& options) {
    const std::size_t colon = text.rfind(':');
    if (colon == std::string::npos) {
        return false;
    }
    std::string host = text.substr(0, colon);
    if (host.size() >= 2 && host.front() == '[' && host.back() == ']') {
        host = host.substr(1, host.size() - 2);
    }
    const std::optional<int> port = parseCount(text.substr(colon + 1));
    if (!port || *port > 65535) {
        return false;
    }
    options.host = host.empty() ? "0.0.0.0" : host;
    options.port = *port;
    return true;
}

bool parseNumber(const std::string& text, int low, int high, int& out) {
    const std::optional<int> value = parseCount(text);
    if (!value || *value < low || *value > high) {
        return false;
    }
    out = *value;
    return true;
}

} // namespace

ParsedOptions parseOptions(const std::vector<std::string>& given) {
    // "--name=value" is "--name value".
    std::vector<std::string> arguments;
    for (const std::string& argument : given) {
        const std::size_t eq = argument.find('=');
        if (argument.rfind("--", 0) == 0 && eq != std::string::npos) {
            arguments.push_back(argument.substr(0, eq));
            arguments.push_back(argument.substr(eq + 1));
        } else {
            arguments.push_back(argument);
        }
    }
    ParsedOptions parsed;
    Options& o = parsed.options;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& name = arguments[i];
        if (name == "--help" || name == "-h") {
            o.help = true;
            continue;
        }
        if (name == "--version") {
            o.version = true;
            continue;
        }
        if (name == "--behind-proxy") {
            o.behindProxy = true;
            continue;
        }
        if (i + 1 >= arguments.size()) {
            parsed.error = name.rfind("--", 0) == 0 ? name + " needs a value" : "unknown argument " + name;
            return parsed;
        }
        const std::string& value = arguments[++i];
        bool good = true;
        if (name == "--listen") {
            good = parseListen(value, o);
        } else if (name == "--database") {
            o.database = value;
        } else if (name == "--tls-cert") {
            o.tlsCert = value;
        } else if (name == "--tls-key") {
            o.tlsKey = value;
        } else if (name == "--rate-limit") {
            good = parseNumber(value, 0, 1000000, o.ratePerMinute);
        } else if (name == "--connections") {
            good = parseNumber(value, 1, 1000, o.connections);
        } else if (name == "--threads") {
            good = parseNumber(value, 1, 10000, o.threads);
        } else {
            parsed.error = "unknown option " + name;
            return parsed;
        }
        if (!good) {
            parsed.error = "not a valid value for " + name + ": " + value;
            return parsed;
        }
    }
    if (o.tlsCert.empty() != o.tlsKey.empty()) {
        parsed.error = "--tls-cert and --tls-key go together";
    }
    return parsed;
}

std::string helpText() {
    return R"(Usage: brisvane-scores [OPTION]...
The Brisvane highscore service: sign-up, the submission the game sends, the world table.

  --listen HOST:PORT     address to listen on (default 127.0.0.1:8080; port 0 takes a free one)
  --database ADDRESS     sqlite:PATH (default: scores.sqlite in $STATE_DIRECTORY or the current
                         directory) or postgresql://... (a libpq connection address)
  --tls-cert FILE        serve HTTPS with this certificate chain (PEM) ...
  --tls-key FILE         ... and this private key; without them, plain HTTP: put a proxy with
                         TLS in front, as the game sends the password in the address
  --behind-proxy         take the client's address from X-Forwarded-For (for the rate limit)
  --rate-limit N         sends and sign-ups a minute per address and per account (default 10;
                         0 = no limit)
  --connections N        database connections (default 8)
  --threads N            request threads (default 64)
  --version              print the version and stop
  --help                 print this help and stop
)";
}

std::string defaultDatabase(const char* stateDirectory) {
    std::string folder = stateDirectory != nullptr ? stateDirectory : "";
    // systemd may list several state directories, separated by colons: the first is ours.
    folder = folder.substr(0, folder.find(':'));
    return "sqlite:" + (folder.empty() ? std::string("scores.sqlite") : folder + "/scores.sqlite");
}

} // namespace brisvane::server
