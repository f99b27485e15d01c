#include "common/ProgramFolder.h"

#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <sstream>

#include "InstallLayout.h"
#include "common/FileIo.h"
#include "common/Text.h"

namespace brisvane {
namespace fs = std::filesystem;

namespace {

// The player's own file: seeded once, never refreshed.
constexpr const char* SettingsFile = "Vexa.ini";
// What seed() copied: per file, the shipped file and the copy as they were then.
constexpr const char* ShippedList = ".shipped";

// A file as seen by stat: enough to tell that it changed, without reading it.
struct Stamp {
    long long size = -1;
    long long modified = 0;
    bool operator==(const Stamp&) const = default;
};

struct Record {
    Stamp shipped;
    Stamp copy;
};

Stamp stampOf(const fs::path& file) {
    std::error_code error;
    Stamp stamp;
    const auto size = fs::file_size(file, error);
    if (error) {
        return {};
    }
    const auto modified = fs::last_write_time(file, error);
    if (error) {
        return {};
    }
    stamp.size = static_cast<long long>(size);
    stamp.modified = static_cast<long long>(modified.time_since_epoch().count());
    return stamp;
}

std::map<std::string, Record> readShippedList(const fs::path& file) {
    std::map<std::string, Record> records;
    std::ifstream in(file);
    std::string line;
    while (std::getline(in, line)) {
        const auto tab = line.find('\t');
        if (tab == std::string::npos) {
            continue;
        }
        std::istringstream numbers(line.substr(tab + 1));
        Record record;
        if (numbers >> record.shipped.size >> record.shipped.modified >> record.copy.size >>
            record.copy.modified) {
            records[line.substr(0, tab)] = record;
        }
    }
    return records;
}

bool writeShippedList(const fs::path& file, const std::map<std::string, Record>& records) {
    const fs::path temporary = file.string() + ".new";
    {
        std::ofstream out(temporary, std::ios::trunc);
        for (const auto& [name, record] : records) {
            out << name << '\t' << record.shipped.size << ' ' << record.shipped.modified << ' '
                << record.copy.size << ' ' << record.copy.modified << '\n';
        }
        if (!out.flush()) {
            return false;
        }
    }
    takeFolderOwner(temporary.string());
    std::error_code error;
    fs::rename(temporary, file, error);
    return !error;
}

bool sameContent(const fs::path& a, const fs::path& b) {
    std::ifstream left(a, std::ios::binary);
    std::ifstream right(b, std::ios::binary);
    if (!left || !right) {
        return false;
    }
    return std::equal(std::istreambuf_iterator<char>(left), std::istreambuf_iterator<char>(),
                      std::istreambuf_iterator<char>(right), std::istreambuf_iterator<char>());
}

// Copies `from` to `to` through a file beside it, so `to` is either the old or the new file.
bool copyIn(const fs::path& from, const fs::path& to, bool ownerOnly) {
    const fs::path temporary = to.parent_path() / ("." + to.filename().string() + ".new");
    std::error_code error;
    fs::copy_file(from, temporary, fs::copy_options::overwrite_existing, error);
    if (!error) {
        takeFolderOwner(temporary.string());
    }
    if (!error && ownerOnly) {
        fs::permissions(temporary, fs::perms::owner_read | fs::perms::owner_write, error);
    }
    if (!error) {
        fs::rename(temporary, to, error);
    }
    if (error) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        return false;
    }
    return true;
}

// Makes `folder` and the missing folders above it, each with the owner of the one it is made
// in: an installed copy first started with "sudo -E" must not leave the player a folder of
// root's.
void makeFolders(const fs::path& folder, std::error_code& error) {
    std::vector<fs::path> missing;
    for (fs::path p = folder; !p.empty() && !fs::exists(p, error); p = p.parent_path()) {
        missing.push_back(p);
        if (p == p.parent_path()) {
            break;
        }
    }
    for (auto it = missing.rbegin(); it != missing.rend(); ++it) {
        if (!fs::create_directory(*it, error) && error) {
            return;
        }
        takeFolderOwner(it->string());
    }
}

bool holdsData(const fs::path& folder) {
    std::error_code error;
    return fs::exists(folder / SettingsFile, error) || fs::exists(folder / "English.lan", error);
}

} // namespace

ProgramFolder::ProgramFolder(fs::path folder) : folder_(std::move(folder)) {}

ProgramFolder ProgramFolder::choose(const fs::path& exeFolder, const fs::path& dataHome,
                                    const std::vector<std::string>& dataFiles,
                                    const std::function<bool(const fs::path&)>& isWritable) {
    if ((holdsData(exeFolder) && isWritable(exeFolder)) || dataHome.empty()) {
        return ProgramFolder(exeFolder);
    }
    const fs::path own = dataHome / "brisvane";
    std::error_code error;
    makeFolders(own, error);
    if (!fs::is_directory(own, error)) {
        return ProgramFolder(exeFolder);
    }
    seed(exeFolder, own, dataFiles);
    return ProgramFolder(own);
}

ProgramFolder ProgramFolder::locate(const fs::path& exeFolder, const fs::path& dataHome) {
    if (holdsData(exeFolder)) {
        return choose(exeFolder, dataHome, dataFilesIn(exeFolder));
    }
    const fs::path installed = installedData(exeFolder);
    if (holdsData(installed)) {
        return choose(installed, dataHome, dataFilesIn(installed),
                      [](const fs::path&) { return false; });
    }
    // No data anywhere: the player's own folder, with nothing to seed it from.
    return choose(exeFolder, dataHome, {});
}

fs::path ProgramFolder::installedData(const fs::path& exeFolder) {
    return (exeFolder / BRISVANE_DATA_FROM_BIN).lexically_normal();
}

void ProgramFolder::seed(const fs::path& from, const fs::path& to,
                         const std::vector<std::string>& dataFiles) {
    const fs::path listFile = to / ShippedList;
    std::map<std::string, Record> records = readShippedList(listFile);
    bool changed = false;
    std::error_code error;
    for (const std::string& name : dataFiles) {
        const fs::path shipped = from / name;
        const fs::path copy = to / name;
        const Stamp shippedNow = stampOf(shipped);
        if (shippedNow.size < 0) {
            continue;
        }
        const bool settings = name == SettingsFile;
        const auto record = records.find(name);
        bool take = false;
        if (!fs::exists(copy, error)) {
            take = true;
        } else if (settings) {
            continue; // the player's settings and highscores
        } else if (record == records.end()) {
            // Seeded before copies were recorded: adopt the copy when it is the shipped file.
            if (sameContent(shipped, copy)) {
                records[name] = Record{shippedNow, stampOf(copy)};
                changed = true;
            }
        } else if (record->second.shipped != shippedNow && record->second.copy == stampOf(copy)) {
            take = true; // a newer version, and the player's copy is as it was seeded
        }
        if (take && copyIn(shipped, copy, settings)) {
            records[name] = Record{shippedNow, stampOf(copy)};
            changed = true;
        }
    }
    if (changed) {
        writeShippedList(listFile, records);
    }
}

fs::path ProgramFolder::executableFolder(const fs::path& fallback) {
    std::string target(4096, '\0');
    const ssize_t length = ::readlink("/proc/self/exe", target.data(), target.size());
    if (length <= 0 || static_cast<std::size_t>(length) >= target.size()) {
        return fallback;
    }
    target.resize(static_cast<std::size_t>(length));
    return fs::path(target).parent_path();
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
