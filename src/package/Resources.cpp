#include "package/Resources.h"

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

// A name as it may stand in a log line: control characters, which could break or forge lines,
// become "?".
std::string printable(const std::string& name) {
    std::string out;
    for (const char32_t c : text::toCodePoints(name)) {
        out += c < 0x20 || (c >= 0x7F && c <= 0x9F) ? std::string("?") : text::fromCodePoint(c);
    }
    return out;
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

void Resources::Unpack() {
    try {
        clsUnPackage package;
        package.Buffer(std::to_string(BufferSize));
        package.Package(w_.folder.resolve(PackageName));
        package.Destination(w_.folder.path().string());
        if (!package.Initialise()) {
            w_.dialogs.message(w_.messageTitle, "Specified package not found.");
            return;
        }
        const BusyPointer busy(showBusy);
        int count = 0;
        for (int i = 0; i < package.NumberOfFiles(); ++i) {
            const std::string name = package.GetFilename(i);
            if (!package::isSafeEntryName(name)) {
                w_.writeLog("Unpack left out \"" + printable(name) + "\": not a plain file name");
                continue;
            }
            if (isProtected(name)) {
                w_.writeLog("Unpack left out \"" + name + "\": a file of the program itself");
                continue;
            }
            if (!package.ExtractFile(name)) {
                w_.writeLog("Unpack could not write \"" + name + "\"");
                continue;
            }
            ++count;
            // The count and the name in one replacement of the file.
            w_.profile.SetINIs(w_.iniFile, {{Section, "del", std::to_string(count)},
                                            {Section, "del" + std::to_string(count), name}});
        }
    } catch (const std::exception& error) {
        if (w_.reportError) {
            w_.reportError("Unpack function", error);
        }
    }
}

void Resources::DelRes() {
    // The handled records are emptied in one write at the end, also when a failure stops the
    // loop; a record whose file is already gone is handled again harmlessly.
    std::vector<ProfileChange> handled;
    const auto save = [&] { return handled.empty() || w_.profile.SetINIs(w_.iniFile, handled); };
    try {
        // Unpack never records more than a package holds; a larger hand-edited count would only
        // spin through empty keys.
        const std::int64_t recorded = integerPart(w_.profile.GetINI(Section, "del", w_.iniFile));
        const int count = static_cast<int>(
            recorded < 0 ? 0 : std::min<std::int64_t>(recorded, package::MaxEntries));
        for (int i = 1; i <= count; ++i) {
            const std::string key = "del" + std::to_string(i);
            const std::string name = w_.profile.GetINI(Section, key, w_.iniFile);
            if (name.empty()) {
                continue;
            }
            if (!package::isSafeEntryName(name) || isProtected(name)) {
                w_.writeLog("DelRes left \"" + printable(name) +
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
