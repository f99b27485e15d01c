#pragma once
// The bookkeeping of translation work in the settings file and the program folder: new
// languages in progress (section "Process"), the installed-language list (section
// "Language"), the work files, and turning finished work into an installed language.
//
// Section "Process": `p` entries ever started, `p2` still in progress, `pL` the one the
// translator works on ("0": none); entry j has its work file "p<j>p" (international name +
// ".nla"), national name "p<j>n", international name "p<j>i", author "p<j>a", last position
// "p<j>x" and state "p<j>s" ("Processing", or the date and time it was saved).

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "common/Ports.h"
#include "common/Profile.h"
#include "common/ProgramFolder.h"

namespace brisvane {

// What the creation window hands to the translator.
struct TranslationJob {
    std::string LanMode; // "New" (continue entry pL of Process) or "Mod"
    std::string ModFile; // "Mod": full path of the installed language being modified
    int ModIndex = 0;    // "Mod": its number in the installed-language list
};

// "yyyy-mm-dd" and "hh:mm:ss" of `when`.
std::string isoDate(const DateTime& when);
std::string clockTime(const DateTime& when);

// What a save did: `saved` false means nothing was written and `problem` says why.
struct SaveOutcome {
    bool saved = false;
    std::string problem;
};

class LanguageWork {
public:
    static constexpr const char* LanFormatVersion = "5.0";
    static constexpr const char* ForVersion = "6.003+";

    struct Wiring {
        Profile& profile;
        ProgramFolder folder;
        std::string iniFile;
        const Clock& clock;
        // Appends a line to the event log.
        std::function<void(const std::string&)> log;
    };

    explicit LanguageWork(Wiring wiring);

    // Whether `name` may become a file-name stem in the program folder: one or more letters
    // (A-Z, a-z), digits, blanks, "-" and "_", not starting or ending with a blank.
    static bool isSafeStem(const std::string& name);

    // ---- New languages in progress ----
    // GetINI("Process", "p<j><field>").
    std::string entry(int j, char field) const;
    int pL() const;
    // Whether any entry is still in progress (the integer part of `p2` is above 0).
    bool anyInProgress() const;
    // The national names of the entries in progress, in entry order.
    std::vector<std::string> namesInProgress() const;
    // Makes the first entry whose national name is `national` the one worked on.
    void chooseEntry(const std::string& national);

    // Why a new language cannot start with these names; nothing when it can. The names are
    // taken as given (the caller trims them).
    std::optional<std::string> refuseNewLanguage(const std::string& author,
                                                 const std::string& national,
                                                 const std::string& international) const;
    // Starts entry p + 1 for a new language and writes its work file's description; the entry
    // becomes `pL`. Returns the entry's number; 0 when the work file or the settings file
    // cannot be written, and then nothing is left written and `problem` says which and why.
    int startNewLanguage(const std::string& author, const std::string& national,
                         const std::string& international, std::string* problem = nullptr);
    // The full path of the work file of entry `pL` ("" when it names none).
    std::string currentWorkFile() const;
    // Stores the translator's position for entry `pL`, where the next session resumes.
    void storePosition(const std::string& position);
    // Installs the finished work file of entry `pL` as a new language, selects it, closes
    // the entry and moves `pL` to the next entry in progress; logs "New language: ...".
    SaveOutcome saveNewLanguage();

    // ---- Installed languages ----
    // `antal`, bounded by the languages the settings file lists.
    int installedCount() const;
    // The display names "l<i>n", i = 1 to `antal`.
    std::vector<std::string> installedNames() const;
    // The first language whose display name is `name`; 0 when none.
    int findInstalled(const std::string& name) const;
    // The full path of language i's file.
    std::string installedFile(int i) const;
    // Prepares the work copy of language `index` (file `modFile`): copied from the language
    // file when its flag "l<index>m" is "No" (and the flag set to "Yes"); an existing copy
    // is kept from one modification to the next. False when the copy failed.
    bool prepareModification(int index, const std::string& modFile);
    // Installs the finished work copy `workCopy` as international name + "2.lan", listed
    // as national name + " (mod)" (once, also when saved again) and selected when new;
    // logs "Modified language: ...". Without the work copy, or without a usable
    // international name in it, nothing is written.
    SaveOutcome saveModification(const std::string& workCopy);

private:
    // `p`, at most Profile::MaxCount.
    int processCount() const;
    std::string ini(const std::string& section, const std::string& key) const;
    bool setIni(const std::string& section, const std::string& key, const std::string& value);
    // The keys that list language n as the selected one.
    std::vector<ProfileChange> listing(int n, const std::string& display,
                                       const std::string& file) const;

    Wiring w_;
};

} // namespace brisvane
