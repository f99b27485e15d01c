#include "language/LanguageWork.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "common/FileIo.h"
#include "common/Numbers.h"
#include "common/Text.h"
#include "language/Language.h"

namespace brisvane {

namespace {

constexpr const char* Processing = "Processing";

std::string key(char prefix, int number, char field) {
    return prefix + std::to_string(number) + field;
}

bool fileExists(const std::string& path) {
    std::error_code error;
    return !path.empty() && std::filesystem::is_regular_file(path, error);
}

// Copies `from` over `to` without ever leaving a half-written `to`: the copy is made beside it
// and renamed into place.
bool copyOver(const std::string& from, const std::string& to) {
    const std::filesystem::path target(to);
    const std::filesystem::path partial =
        target.parent_path() / ("." + target.filename().string() + ".partial");
    std::error_code error;
    std::filesystem::copy_file(from, partial, std::filesystem::copy_options::overwrite_existing,
                               error);
    if (!error) {
        takeFolderOwner(partial.string());
        std::filesystem::rename(partial, target, error);
    }
    if (error) {
        std::error_code ignored;
        std::filesystem::remove(partial, ignored);
        return false;
    }
    return true;
}

} // namespace

std::string isoDate(const DateTime& when) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", when.year, when.month, when.day);
    return text;
}

std::string clockTime(const DateTime& when) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", when.hour, when.minute, when.second);
    return text;
}

LanguageWork::LanguageWork(Wiring wiring) : w_(std::move(wiring)) {}

bool LanguageWork::isSafeStem(const std::string& name) {
    if (name.empty() || name.front() == ' ' || name.back() == ' ') {
        return false;
    }
    for (const char c : name) {
        const bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
        const bool digit = c >= '0' && c <= '9';
        if (!letter && !digit && c != ' ' && c != '-' && c != '_') {
            return false;
        }
    }
    return true;
}

std::string LanguageWork::ini(const std::string& section, const std::string& name) const {
    return w_.profile.GetINI(section, name, w_.iniFile);
}

bool LanguageWork::setIni(const std::string& section, const std::string& name,
                          const std::string& value) {
    return w_.profile.SetINI(section, name, value, w_.iniFile);
}

// ---- New languages in progress ----

std::string LanguageWork::entry(int j, char field) const {
    return ini("Process", key('p', j, field));
}

int LanguageWork::pL() const {
    return intValue(ini("Process", "pL"));
}

bool LanguageWork::anyInProgress() const {
    return intValue(ini("Process", "p2")) > 0;
}

std::vector<std::string> LanguageWork::namesInProgress() const {
    std::vector<std::string> names;
    const int count = processCount();
    for (int i = 1; i <= count; ++i) {
        if (entry(i, 's') == Processing) {
            names.push_back(entry(i, 'n'));
        }
    }
    return names;
}

void LanguageWork::chooseEntry(const std::string& national) {
    const int count = processCount();
    for (int i = 1; i <= count; ++i) {
        if (entry(i, 'n') == national) {
            setIni("Process", "pL", std::to_string(i));
            return;
        }
    }
}

std::optional<std::string> LanguageWork::refuseNewLanguage(const std::string& author,
                                                           const std::string& national,
                                                           const std::string& international) const {
    if (author.empty() || national.empty() || international.empty()) {
        return "You must fill in ALL fields.";
    }
    if (!isSafeStem(international)) {
        return "The language's name in English becomes its file name. Please use only letters "
               "(A-Z), digits, blanks, \"-\" and \"_\" in it.";
    }
    const std::string workFile = Language::newLanguageWorkFile(international);
    bool taken = fileExists(w_.folder.resolve(workFile));
    const int count = processCount();
    for (int i = 1; i <= count && !taken; ++i) {
        taken = text::equalsIgnoreCase(entry(i, 'p'), workFile);
    }
    if (taken) {
        return "A language file named " + workFile +
               " already exists. Please continue that language, or choose another name.";
    }
    return std::nullopt;
}

int LanguageWork::startNewLanguage(const std::string& author, const std::string& national,
                                   const std::string& international, std::string* problem) {
    const auto refuse = [problem](const std::string& text) {
        if (problem != nullptr) {
            *problem = text;
        }
        return 0;
    };
    const std::string workName = Language::newLanguageWorkFile(international);
    const std::string workFile = w_.folder.file(workName);
    std::string why;
    // The work file first: it is a new file (refuseNewLanguage saw to that), so when the
    // settings cannot take the entry it goes again and no other language is touched.
    if (!w_.profile.SetINIs(workFile,
                            {
                                {"Info", "Author", author},
                                {"Info", "International", international},
                                {"Info", "National", national},
                                {"Info", "Version", LanFormatVersion},
                                {"Info", "Filename", international + ".lan"},
                                {"Info", "ForVexaVersion", ForVersion},
                                {"Info", "Date", isoDate(w_.clock.now())},
                                {"Info", "Format", "yyyy-mm-dd"},
                                {"Info", "Status", "Inofficial"},
                            },
                            &why)) {
        return refuse("The work file " + workFile + " could not be written (" + why +
                      "). No new language was started.");
    }
    const ProfileLock lock = w_.profile.lock(w_.iniFile);
    // The count is a 16-bit number in the settings file's tradition; it stops growing there.
    const int j = std::min(processCount() + 1, 32767);
    // The entry is written in one go, so it is never found half made.
    if (!w_.profile.SetINIs(w_.iniFile,
                            {
                                {"Process", "p", std::to_string(j)},
                                {"Process", "p2", std::to_string(intValue(ini("Process", "p2")) + 1)},
                                {"Process", "pL", std::to_string(j)},
                                {"Process", key('p', j, 'p'), workName},
                                {"Process", key('p', j, 'n'), national},
                                {"Process", key('p', j, 'i'), international},
                                {"Process", key('p', j, 'a'), author},
                                {"Process", key('p', j, 'x'), "1"},
                                {"Process", key('p', j, 's'), Processing},
                            },
                            &why)) {
        std::error_code ignored;
        std::filesystem::remove(workFile, ignored);
        return refuse("The settings file " + w_.iniFile + " could not be written (" + why +
                      "). No new language was started, and no other language was touched.");
    }
    return j;
}

std::string LanguageWork::currentWorkFile() const {
    const int j = pL();
    if (j <= 0) {
        return {};
    }
    return w_.folder.resolve(entry(j, 'p'));
}

void LanguageWork::storePosition(const std::string& position) {
    const int j = pL();
    if (j > 0) {
        setIni("Process", key('p', j, 'x'), position);
    }
}

SaveOutcome LanguageWork::saveNewLanguage() {
    const int j = pL();
    const std::string workName = j > 0 ? entry(j, 'p') : std::string();
    if (workName.empty()) {
        return {false, "No new language is in progress, so there is nothing to save."};
    }
    const DateTime now = w_.clock.now();
    const ProfileLock lock = w_.profile.lock(w_.iniFile);
    const int n = installedCount() + 1;
    const std::string national = entry(j, 'n');
    // The next entry still in progress becomes the one worked on.
    std::string next = "0";
    const int count = processCount();
    for (int i = 1; i <= count; ++i) {
        if (i != j && entry(i, 's') == Processing) {
            next = std::to_string(i);
            break;
        }
    }
    // Listing the language and closing its entry is one change of the settings file.
    std::vector<ProfileChange> changes = listing(n, national + " (new)", workName);
    changes.push_back({"Process", key('p', j, 's'), isoDate(now) + " " + clockTime(now)});
    changes.push_back({"Process", "p2", std::to_string(intValue(ini("Process", "p2")) - 1)});
    changes.push_back({"Process", "pL", next});
    std::string why;
    if (!w_.profile.SetINIs(w_.iniFile, changes, &why)) {
        return {false, "The settings file could not be written (" + why +
                           "). The language was not saved; its work file is kept."};
    }
    w_.log("New language: " + national);
    return {true, {}};
}

// ---- Installed languages ----

int LanguageWork::installedCount() const {
    return w_.profile.GetCount("Language", "antal", w_.iniFile, Language::listedLanguage);
}

int LanguageWork::processCount() const {
    // Entries may be missing (a new one is numbered after `p` all the same): only bounded.
    return std::clamp(intValue(ini("Process", "p")), 0, Profile::MaxCount);
}

std::vector<std::string> LanguageWork::installedNames() const {
    std::vector<std::string> names;
    const int count = installedCount();
    for (int i = 1; i <= count; ++i) {
        names.push_back(ini("Language", key('l', i, 'n')));
    }
    return names;
}

int LanguageWork::findInstalled(const std::string& name) const {
    const int count = installedCount();
    for (int i = 1; i <= count; ++i) {
        if (ini("Language", key('l', i, 'n')) == name) {
            return i;
        }
    }
    return 0;
}

std::string LanguageWork::installedFile(int i) const {
    return w_.folder.resolve(ini("Language", key('l', i, 'p')));
}

bool LanguageWork::prepareModification(int index, const std::string& modFile) {
    if (ini("Language", key('l', index, 'm')) != "No") {
        return true;
    }
    const std::string workCopy = Language::modificationCopy(modFile);
    if (!copyOver(modFile, workCopy)) {
        return false;
    }
    setIni("Language", key('l', index, 'm'), "Yes");
    return true;
}

SaveOutcome LanguageWork::saveModification(const std::string& workCopy) {
    if (!fileExists(workCopy)) {
        return {false, "The work copy of this language (" +
                           std::filesystem::path(workCopy).filename().string() +
                           ") is missing, so there is nothing to save. Nothing was changed."};
    }
    std::string international;
    try {
        international = w_.profile.GetINI("Info", "international", workCopy);
    } catch (const ProfileError& error) {
        return {false, std::string("The work copy of this language cannot be read: ") +
                           error.detail() + ". Nothing was changed."};
    }
    if (!isSafeStem(international)) {
        return {false, "The work copy does not give the language's name in English "
                       "(Info, international) as letters, digits, blanks, \"-\" or \"_\", so "
                       "it cannot be saved under a file name. Nothing was changed."};
    }
    const std::string name = Language::modifiedLanguageFile(international);
    const std::string target = w_.folder.file(name);
    if (!copyOver(workCopy, target)) {
        return {false, "The language file " + name + " could not be written."};
    }
    w_.profile.SetINIs(target, {
                                   {"Info", "Version", LanFormatVersion},
                                   {"Info", "ForVexaVersion", ForVersion},
                                   {"Info", "Updated", isoDate(w_.clock.now())},
                                   {"Info", "Status", "Inofficial"},
                               });
    const std::string national = w_.profile.GetINI("Info", "national", target);

    const ProfileLock lock = w_.profile.lock(w_.iniFile);
    bool listed = false;
    const int count = installedCount();
    for (int i = 1; i <= count && !listed; ++i) {
        listed = ini("Language", key('l', i, 'p')) == name;
    }
    std::string why;
    if (!listed &&
        !w_.profile.SetINIs(w_.iniFile, listing(count + 1, national + " (mod)", name), &why)) {
        return {false, "The language file " + name +
                           " was written, but the settings file "
                           "could not be (" +
                           why + "), so it is not in the list of languages."};
    }
    w_.log("Modified language: " + national);
    return {true, {}};
}

std::vector<ProfileChange> LanguageWork::listing(int n, const std::string& display,
                                                 const std::string& file) const {
    return {
        {"Language", "antal", std::to_string(n)}, {"Language", "selected", std::to_string(n)},
        {"Language", key('l', n, 'n'), display},  {"Language", key('l', n, 'p'), file},
        {"Language", key('l', n, 'm'), "No"},
    };
}

} // namespace brisvane
