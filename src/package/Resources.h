#pragma once
// The game window's two commands around the resource package: `Unpack` extracts every file of
// "Res.pac" into the program folder and records the names in the settings file (section
// "Resources": `del`, the count, and "del" + i, the names); `DelRes` deletes the files so
// recorded. The tools menu starts them.
//
// Only what is safe is touched: Unpack writes and records only plain file names, never the
// settings file, the log or the package itself, and never a file it did not unpack itself
// before (a translation the player is working on, say); DelRes deletes only recorded names
// inside the program folder and logs every other record instead of acting on it. The record
// holds every file unpacked and not yet removed, also by earlier unpacks.

#include <exception>
#include <functional>
#include <string>
#include <vector>

#include "common/Ports.h"
#include "common/Profile.h"
#include "common/ProgramFolder.h"
#include "common/Texts.h"

namespace brisvane {

class clsUnPackage;

class Resources {
public:
    struct Wiring {
        Profile& profile;
        std::string iniFile; // the settings file
        const ProgramFolder& folder;
        Dialogs& dialogs;
        const Texts& texts;       // the language of the notices
        std::string messageTitle; // title of the "Specified package not found." box
        std::string logFileName;  // the event log's file name, never unpacked or deleted
        std::function<void(const std::string& line)> writeLog;
        // An error that stopped Unpack: logged with its place and shown on the error marker.
        std::function<void(const std::string& where, const std::exception& error)> reportError;
    };

    static constexpr const char* PackageName = "Res.pac";
    static constexpr const char* Section = "Resources";
    static constexpr int BufferSize = 2048;

    explicit Resources(Wiring wiring);

    // Shows (true) and restores (false) the busy mouse pointer around the unpacking; the view
    // sets it.
    std::function<void(bool busy)> showBusy;

    // Extracts every entry of Res.pac into the program folder. A missing or unreadable package
    // gets the message "Specified package not found.". An entry that must not be written, or
    // that cannot be, is logged and left out of the record; the others go on. Files of the
    // folder that Unpack did not make are left alone, and the player is told which. The record
    // is written before the files; when it cannot be, nothing is unpacked and the player is
    // told why.
    void Unpack();

    // Deletes the files recorded by Unpack and empties the record. A record that is not a plain
    // file name of the program folder deletes nothing and is logged; a file already gone counts
    // as deleted. Another failure stops at that file with the log line "Error <n>: <text>" and
    // keeps the records not yet handled.
    void DelRes();

    // At most this many records are read: a hand-edited count cannot stall the program.
    static constexpr int MaxRecords = 4096;

private:
    struct Plan {
        std::vector<std::string> extract;
        std::vector<std::string> leftAlone; // files of the folder that are not Unpack's
    };

    bool isProtected(const std::string& name) const;
    // The recorded names, in order, without the emptied ones.
    std::vector<std::string> recorded();
    // Writes `names` as the record; `before` is how many records there were, emptied beyond.
    bool record(const std::vector<std::string>& names, std::size_t before, std::string* why);
    Plan planFor(const clsUnPackage& package, const std::vector<std::string>& ours) const;
    // Extracts `names`; one that fails and was not recorded `before` leaves the record `ours`.
    void extract(clsUnPackage& package, const std::vector<std::string>& names,
                 const std::vector<std::string>& before, std::vector<std::string>& ours);
    // The unpacking under the settings file's lock; what the player is to be told, or "".
    std::string unpackLocked(clsUnPackage& package);

    Wiring w_;
};

} // namespace brisvane
