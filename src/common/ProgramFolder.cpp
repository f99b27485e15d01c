#include "common/ProgramFolder.h"

#include <unistd.h>

#include <algorithm>

#include "common/Text.h"

namespace brisvane {
namespace fs = std::filesystem;

ProgramFolder::ProgramFolder(fs::path folder) : folder_(std::move(folder)) {}

ProgramFolder ProgramFolder::choose(const fs::path& exeFolder, const fs::path& dataHome,
                                    const std::vector<std::string>& dataFiles,
                                    const std::function<bool(const fs::path&)>& isWritable) {
    std::error_code error;
    const bool holdsData = fs::exists(exeFolder / "Vexa.ini", error) ||
                           fs::exists(exeFolder / "English.lan", error);
    if ((holdsData && isWritable(exeFolder)) || dataHome.empty()) {
        return ProgramFolder(exeFolder);
    }
    const fs::path own = dataHome / "brisvane";
    fs::create_directories(own, error);
    if (!fs::is_directory(own, error)) {
        return ProgramFolder(exeFolder);
    }
    for (const std::string& name : dataFiles) {
        // skip_existing: the player's own settings and language work survive every start.
        fs::copy_file(exeFolder / name, own / name, fs::copy_options::skip_existing, error);
    }
    return ProgramFolder(own);
}

fs::path ProgramFolder::dataHome(const char* xdgDataHome, const char* home) {
    if (xdgDataHome != nullptr && fs::path(xdgDataHome).is_absolute()) {
        return xdgDataHome;
    }
    if (home != nullptr && *home != '\0') {
        return fs::path(home) / ".local" / "share";
    }
    return {};
}

std::vector<std::string> ProgramFolder::dataFilesIn(const fs::path& folder) {
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder, error)) {
        std::error_code statError;
        const fs::file_status status = entry.status(statError);
        const auto exec = fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec;
        if (!statError && fs::is_regular_file(status) &&
            (status.permissions() & exec) == fs::perms::none) {
            names.push_back(entry.path().filename().string());
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

bool ProgramFolder::writable(const fs::path& folder) {
    return ::access(folder.c_str(), W_OK | X_OK) == 0;
}

std::string ProgramFolder::file(const std::string& name) const {
    return name.empty() ? std::string() : (folder_ / name).string();
}

std::string ProgramFolder::resolve(const std::string& name) const {
    const std::string exact = file(name);
    std::error_code error;
    if (exact.empty() || fs::exists(exact, error) || name.find('/') != std::string::npos) {
        return exact;
    }
    std::string match;
    for (const auto& entry : fs::directory_iterator(folder_, error)) {
        const std::string candidate = entry.path().filename().string();
        if (text::equalsIgnoreCase(candidate, name) && (match.empty() || candidate < match)) {
            match = candidate;
        }
    }
    return match.empty() ? exact : file(match);
}

}  // namespace brisvane
