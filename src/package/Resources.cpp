#include "package/Resources.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <vector>

#include "common/Numbers.h"
#include "common/Text.h"
#include "package/PackageFormat.h"
#include "package/clsUnPackage.h"

namespace brisvane {
namespace {

// Restores the pointer on every way out of Unpack.
class BusyPointer {
public:
    explicit BusyPointer(const std::function<void(bool)>& show) : show_(show) {
        if (show_) {
            show_(true);
        }
    }
    ~BusyPointer() {
        if (show_) {
            show_(false);
        }
    }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;

private:
    const std::function<void(bool)>& show_;
};

bool contains(const std::vector<std::string>& names, const std::string& name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

std::string join(const std::vector<std::string>& names) {
    std::string text;
    for (const std::string& name : names) {
        text += (text.empty() ? "" : ", ") + name;
    }
    return text;
}

// The number and text a failed deletion is logged with.
std::string deletionError(int code) {
    if (code == EACCES || code == EPERM || code == EROFS) {
        return "Error 70: Permission denied";
    }
    return "Error 75: Path/File access error";
}

} // namespace

Resources::Resources(Wiring wiring) : w_(std::move(wiring)) {}

bool Resources::isProtected(const std::string& name) const {
    const std::string settingsName = std::filesystem::path(w_.iniFile).filename().string();
    if (text::equalsIgnoreCase(name, settingsName) ||
        text::equalsIgnoreCase(name, w_.logFileName) || text::equalsIgnoreCase(name, PackageName)) {
        return true;
    }
    // The program's own binaries.
    std::error_code error;
    const auto status = std::filesystem::status(w_.folder.path() / name, error);
    using std::filesystem::perms;
    return !error && std::filesystem::is_regular_file(status) &&
           (status.permissions() & (perms::owner_exec | perms::group_exec | perms::others_exec)) !=
               perms::none;
}

std::vector<std::string> Resources::recorded() {
    const std::int64_t count = integerPart(w_.profile.GetINI(Section, "del", w_.iniFile));
    std::vector<std::string> names;
    for (std::int64_t i = 1; i <= std::min<std::int64_t>(count, MaxRecords); ++i) {
        std::string name = w_.profile.GetINI(Section, "del" + std::to_string(i), w_.iniFile);
        if (!name.empty()) {
            names.push_back(std::move(name));
        }
    }
    return names;
}

bool Resources::record(const std::vector<std::string>& names, std::size_t before,
                       std::string* why) {
    std::vector<ProfileChange> changes{{Section, "del", std::to_string(names.size())}};
    for (std::size_t i = 0; i < std::max(names.size(), before); ++i) {
        changes.push_back({Section, "del" + std::to_string(i + 1),
                           i < names.size() ? names[i] : std::string()});
    }
    return w_.profile.SetINIs(w_.iniFile, changes, why);
}

Resources::Plan Resources::planFor(const clsUnPackage& package,
                                   const std::vector<std::string>& ours) const {
    Plan plan;
    for (int i = 0; i < package.NumberOfFiles(); ++i) {
        const std::string name = package.GetFilename(i);
        struct stat st {};
        if (!package::isSafeEntryName(name)) {
            w_.writeLog("Unpack left out \"" + name + "\": not a plain file name");
        } else if (isProtected(name)) {
            w_.writeLog("Unpack left out \"" + name + "\": a file of the program itself");
        } else if (::lstat(w_.folder.file(name).c_str(), &st) == 0 && !contains(ours, name)) {
            plan.leftAlone.push_back(name); // the player's own, or another program's
        } else {
            plan.extract.push_back(name);
        }
    }
    return plan;
}

void Resources::Unpack() {
    try {
        clsUnPackage package;
        package.Buffer(std::to_string(BufferSize));
        package.Package(w_.folder.resolve(PackageName));
        package.Destination(w_.folder.path().string());
        if (!package.Initialise()) {
            w_.dialogs.message(w_.messageTitle, "Specified package not found.",
                               MessageKind::Warning);
            return;
        }
        std::string notice;
        {
            const BusyPointer busy(showBusy);
            notice = unpackLocked(package);
        }
        if (!notice.empty()) {
            w_.writeLog(notice);
            w_.dialogs.message(w_.messageTitle, notice);
        }
    } catch (const std::exception& error) {
        if (w_.reportError) {
            w_.reportError("Unpack function", error);
        }
    }
}

std::string Resources::unpackLocked(clsUnPackage& package) {
    // No other copy of the game unpacks or removes between the record and the files.
    const ProfileLock lock = w_.profile.lock(w_.iniFile);
    const std::vector<std::string> before = recorded();
    const Plan plan = planFor(package, before);
    std::vector<std::string> ours = before;
    for (const std::string& name : plan.extract) {
        if (!contains(ours, name)) {
            ours.push_back(name);
        }
    }
    // Recorded before a byte is written, so every file Unpack writes is one that DelRes
    // removes again.
    std::string why;
    if (ours != before && !record(ours, before.size(), &why)) {
        return text::fill(w_.texts.T("s133"), {w_.iniFile, why});
    }
    extract(package, plan.extract, before, ours);
    return plan.leftAlone.empty()
               ? std::string()
               : text::fill(w_.texts.T("s134"), {join(plan.leftAlone)});
}

void Resources::extract(clsUnPackage& package, const std::vector<std::string>& names,
                        const std::vector<std::string>& before, std::vector<std::string>& ours) {
    const std::size_t recordedCount = ours.size();
    for (const std::string& name : names) {
        if (!package.ExtractFile(name)) {
            w_.writeLog("Unpack could not write \"" + name + "\"");
            if (!contains(before, name)) {
                ours.erase(std::find(ours.begin(), ours.end(), name)); // not ours after all
            }
        }
    }
    if (ours.size() != recordedCount) {
        record(ours, recordedCount, nullptr);
    }
}

void Resources::DelRes() {
    // The handled records are emptied in one write at the end, also when a failure stops the
    // loop; a record whose file is already gone is handled again harmlessly.
    std::vector<ProfileChange> handled;
    const auto save = [&] { return handled.empty() || w_.profile.SetINIs(w_.iniFile, handled); };
    try {
        const ProfileLock lock = w_.profile.lock(w_.iniFile);
        // A larger hand-edited count would only spin through empty keys.
        const std::int64_t stored = integerPart(w_.profile.GetINI(Section, "del", w_.iniFile));
        const int count = static_cast<int>(std::clamp<std::int64_t>(stored, 0, MaxRecords));
        for (int i = 1; i <= count; ++i) {
            const std::string key = "del" + std::to_string(i);
            const std::string name = w_.profile.GetINI(Section, key, w_.iniFile);
            if (name.empty()) {
                continue;
            }
            if (!package::isSafeEntryName(name) || isProtected(name)) {
                w_.writeLog("DelRes left \"" + name +
                            "\" alone: not a file unpacked into the program folder");
            } else if (::unlink(w_.folder.file(name).c_str()) != 0 && errno != ENOENT) {
                const int code = errno;
                w_.writeLog(deletionError(code));
                save();
                return;
            }
            handled.push_back({Section, key, ""});
        }
        handled.push_back({Section, "del", "0"});
        save();
    } catch (const ProfileError& error) {
        w_.writeLog("Error " + std::to_string(error.code()) + ": " + error.what());
        save();
    }
}

} // namespace brisvane
