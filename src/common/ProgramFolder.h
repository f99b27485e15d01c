#pragma once
// The program folder: where the settings file, the log, the language files and their work
// files, the sounds and the other data files live, and where the program writes.
//
// A copy run from its build or unpacked folder uses the executable's own folder. An installed
// copy keeps its binary in bin/ and its data read-only in share/brisvane/; it uses a per-user
// folder under the XDG data home, seeded on its first start with the installed data files and
// brought up to date when a newer version is installed.

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace brisvane {

class ProgramFolder {
public:
    explicit ProgramFolder(std::filesystem::path folder);

    // The folder to use. `exeFolder` is the executable's folder, `dataHome` the XDG data home
    // (see dataHome()), `dataFiles` the names of the installed data files.
    // The executable's folder is used when it holds the data (Vexa.ini or English.lan) and
    // `isWritable` says it is writable. Otherwise the folder is `dataHome`/brisvane: created
    // when absent, and seeded from the executable's folder (see seed()). When that folder
    // cannot be made, or `dataHome` is empty, the executable's folder is used for reading.
    static ProgramFolder choose(
        const std::filesystem::path& exeFolder, const std::filesystem::path& dataHome,
        const std::vector<std::string>& dataFiles,
        const std::function<bool(const std::filesystem::path&)>& isWritable = writable);

    // The folder for the executable in `exeFolder`. When that folder holds the data (a build
    // or unpacked copy), as choose(). Otherwise, when installedData(`exeFolder`) holds it, the
    // per-user folder `dataHome`/brisvane seeded from there (see seed()); the installed folder
    // itself is never written, not even by root. Without a per-user folder, the installed one
    // is used for reading. Without data anywhere, the per-user folder as it is.
    static ProgramFolder locate(const std::filesystem::path& exeFolder,
                                const std::filesystem::path& dataHome);

    // Where an installed copy keeps its read-only data: share/brisvane beside the bin/ that
    // holds the executable.
    static std::filesystem::path installedData(const std::filesystem::path& exeFolder);

    // Brings the per-user folder `to` up to date with the shipped files `dataFiles` of `from`:
    // a file `to` lacks is copied in; the settings file Vexa.ini, once there, is the player's
    // and never touched again; any other file is replaced by a newer shipped one as long as
    // the player has not changed the copy (a language file edited in the translator stays).
    // What was copied is remembered in `to`/.shipped. Every copy is written beside its place
    // and renamed over it, so a file is never half-written. The seeded Vexa.ini is readable
    // by its owner only: it holds the players' passwords.
    static void seed(const std::filesystem::path& from, const std::filesystem::path& to,
                     const std::vector<std::string>& dataFiles);

    // The folder of the running executable as the system names it, byte for byte, whatever
    // the encoding of its name; `fallback` when the system does not say.
    static std::filesystem::path executableFolder(const std::filesystem::path& fallback);

    // The XDG data home from the values of XDG_DATA_HOME and HOME (either may be null):
    // XDG_DATA_HOME when it is an absolute path, else HOME/.local/share, else empty.
    static std::filesystem::path dataHome(const char* xdgDataHome, const char* home);

    // The names of the regular, non-executable files of `folder`, sorted: the data an
    // installed copy ships beside its binary.
    static std::vector<std::string> dataFilesIn(const std::filesystem::path& folder);

    // Whether the current user may create files in `folder`.
    static bool writable(const std::filesystem::path& folder);

    const std::filesystem::path& path() const { return folder_; }

    // The path of `name` in the folder, whether or not the file exists ("" for an empty name,
    // so that an unset file name never means the folder itself).
    std::string file(const std::string& name) const;

    // Like file(), but when no file has exactly that name, a file of the folder whose name
    // matches without regard to letter case is taken (Beep.wav finds beep.wav); when several
    // do, the first in byte order. Without any match, the exact path, so the caller can
    // create it.
    std::string resolve(const std::string& name) const;

private:
    std::filesystem::path folder_;
};

}  // namespace brisvane
