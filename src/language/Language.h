#pragma once
// The current language: which language file is in use and the lookup of its texts.
//
// The settings file lists the installed languages in its section "Language": `antal` of them,
// language i with its display name "l<i>n" and its file name "l<i>p" (relative to the program
// folder), and `selected`, the number of the one in use. The texts live in section "Language"
// of the language file, its description in section "Info".

#include <string>
#include <vector>

#include "common/Profile.h"
#include "common/ProgramFolder.h"
#include "common/Texts.h"

namespace brisvane {

class Language : public Texts {
public:
    // `iniFile` is the settings file. LanguageFile stays empty (every text "") until
    // updateLanguageFile() or setLanguageFile() is called.
    Language(Profile& profile, ProgramFolder folder, std::string iniFile);

    // GetINI("Language", key, LanguageFile). An absent key or file, and a language file that
    // cannot be read, give "": the windows then show a blank caption. A key of the program's
    // own numbering (isOwnKey) that the file lacks reads from the reference language instead,
    // so a language made before the key existed shows English there rather than nothing.
    std::string T(const std::string& key) const override;
    // The profile's revision of LanguageFile (FileProfile: one stat() of it).
    std::optional<std::uint64_t> revision() const override;

    // Whether `key` is one the program added after the keys every language file has always
    // held (b1-b8, c1-c20, d1-d8, h1-h9, s1-s28): those fall back to the reference language.
    static bool isOwnKey(const std::string& key);

    // GetINI("Info", key, LanguageFile): the language file's description (Author, national,
    // international, Version, ...); "" as for T().
    std::string info(const std::string& key) const;

    // The full path of the current language file; "" when none is set.
    const std::string& LanguageFile() const { return languageFile_; }
    void setLanguageFile(std::string path) { languageFile_ = std::move(path); }

    // The shipped reference language, which every installation has.
    static constexpr const char* ReferenceFile = "English.lan";

    // Sets LanguageFile from the settings: the file "l<selected>p" in the program folder
    // (matched without regard to letter case when the exact name is absent). When the list
    // names no readable file (no `selected`, no file name, a missing or unreadable file), the
    // reference language is used and selected again, and added to the list if it is not
    // there; only without a readable reference does every text read as "".
    void updateLanguageFile();

    // Adds to the list every shipped language file of the program folder that it lacks, so
    // the languages a newer version brings reach a player whose settings were made before
    // them. A shipped file says "Official" in its description (Info/Status); the files players
    // make say "Inofficial" and come into the list through the translator. Returns how many
    // were added (0 also when the settings file cannot be written).
    int listShippedLanguages();

    // Makes the first installed language (1 to `antal`) whose display name equals
    // `displayName` exactly the selected one: writes `selected` and updates LanguageFile.
    // Returns false, changing nothing, when no name matches; then nothing needs re-applying.
    bool chooseByName(const std::string& displayName);

    // Names of the translator's work files, in the program folder:
    // the work file of a new language, international name + ".nla";
    static std::string newLanguageWorkFile(const std::string& international);
    // the work copy of an installed language under modification: the file name with its last
    // three characters replaced by "mla" (Swedish.lan -> Swedish.mla). A name of three
    // characters or fewer, or one whose copy would be the file itself, gets ".mla" appended
    // instead, so the copy never overwrites the language file. Folders in `path` are kept.
    static std::string modificationCopy(const std::string& path);
    // the result of a modification, international name + "2.lan".
    static std::string modifiedLanguageFile(const std::string& international);

    const ProgramFolder& folder() const { return folder_; }
    const std::string& iniFile() const { return iniFile_; }

    // The keys of language `number` in the settings file's list: one of them is set for a
    // language that is listed.
    static std::vector<std::string> listedLanguage(int number);

private:
    void restoreReference();
    // `antal`, bounded by the languages the settings file lists.
    int installedCount();
    std::string lookup(const std::string& section, const std::string& key) const;

    Profile* profile_;
    ProgramFolder folder_;
    std::string iniFile_;
    std::string languageFile_;
};

}  // namespace brisvane
