#include "language/Language.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <vector>

#include "common/Text.h"

namespace brisvane {

Language::Language(Profile& profile, ProgramFolder folder, std::string iniFile)
    : profile_(&profile), folder_(std::move(folder)), iniFile_(std::move(iniFile)) {}

std::string Language::T(const std::string& key) const {
    std::string found = lookup("Language", key);
    if (found.empty() && isOwnKey(key)) {
        try {
            found = profile_->GetINI("Language", key, folder_.resolve(ReferenceFile));
        } catch (const ProfileError&) {
            found.clear();
        }
    }
    return found;
}

bool Language::isOwnKey(const std::string& key) {
    if (key.size() < 2) {
        return false;
    }
    int number = 0;
    for (std::size_t i = 1; i < key.size(); ++i) {
        if (key[i] < '0' || key[i] > '9' || number > 100000) {
            return false;
        }
        number = number * 10 + (key[i] - '0');
    }
    switch (key[0]) {
    case 'b': return number > 8;
    case 'c': return number > 20;
    case 'd': return number > 8;
    case 'h': return number > 9;
    case 's': return number > 28;
    default: return false;
    }
}

std::optional<std::uint64_t> Language::revision() const {
    // Numbers are unique across files, so a change of language file changes it too.
    return profile_->revision(languageFile_);
}

std::string Language::info(const std::string& key) const {
    return lookup("Info", key);
}

std::string Language::lookup(const std::string& section, const std::string& key) const {
    try {
        return profile_->GetINI(section, key, languageFile_);
    } catch (const ProfileError&) {
        return {};  // a language file that cannot be read shows as one without texts
    }
}

namespace {

bool isReadableFile(const std::string& path) {
    std::error_code error;
    return !path.empty() && std::filesystem::is_regular_file(path, error) &&
           std::ifstream(path, std::ios::binary).good();
}

}  // namespace

void Language::updateLanguageFile() {
    const std::string selected = profile_->GetINI("Language", "selected", iniFile_);
    const std::string name = profile_->GetINI("Language", "l" + selected + "p", iniFile_);
    languageFile_ = folder_.resolve(name);
    if (!name.empty() && isReadableFile(languageFile_)) {
        return;
    }
    // The list is absent or names no readable file (an empty or hand-broken settings file):
    // the shipped reference language keeps the windows readable, and goes back into the list
    // so the next start finds it too.
    const std::string english = folder_.resolve(ReferenceFile);
    if (isReadableFile(english)) {
        languageFile_ = english;
        restoreReference();
    }
}

std::vector<std::string> Language::listedLanguage(int number) {
    const std::string n = std::to_string(number);
    return {"l" + n + "p", "l" + n + "n"};
}

int Language::installedCount() {
    return profile_->GetCount("Language", "antal", iniFile_, listedLanguage);
}

void Language::restoreReference() {
    const ProfileLock lock = profile_->lock(iniFile_);
    const int count = installedCount();
    for (int i = 1; i <= count; ++i) {
        const std::string file = profile_->GetINI("Language", "l" + std::to_string(i) + "p", iniFile_);
        if (text::equalsIgnoreCase(file, ReferenceFile)) {
            profile_->SetINI("Language", "selected", std::to_string(i), iniFile_);
            return;
        }
    }
    const std::string n = std::to_string(count + 1);
    profile_->SetINIs(iniFile_, {{"Language", "antal", n},
                                 {"Language", "selected", n},
                                 {"Language", "l" + n + "n", "English"},
                                 {"Language", "l" + n + "p", ReferenceFile},
                                 {"Language", "l" + n + "m", "No"}});
}

int Language::listShippedLanguages() {
    const ProfileLock lock = profile_->lock(iniFile_);
    const int count = installedCount();
    std::vector<std::string> listed;
    for (int i = 1; i <= count; ++i) {
        listed.push_back(profile_->GetINI("Language", "l" + std::to_string(i) + "p", iniFile_));
    }
    const auto isListed = [&listed](const std::string& name) {
        return std::any_of(listed.begin(), listed.end(), [&name](const std::string& file) {
            return text::equalsIgnoreCase(file, name);
        });
    };
    std::vector<ProfileChange> changes;
    int n = count;
    for (const std::string& name : ProgramFolder::dataFilesIn(folder_.path())) {
        if (!text::equalsIgnoreCase(std::filesystem::path(name).extension().string(), ".lan") ||
            isListed(name)) {
            continue;
        }
        const std::string file = folder_.file(name);
        try {
            const std::string national = profile_->GetINI("Info", "national", file);
            if (profile_->GetINI("Info", "Status", file) != "Official" || national.empty()) {
                continue;
            }
            const std::string i = std::to_string(++n);
            changes.push_back({"Language", "l" + i + "n", national});
            changes.push_back({"Language", "l" + i + "p", name});
            changes.push_back({"Language", "l" + i + "m", "No"});
        } catch (const ProfileError&) {
            continue; // a file that cannot be read is no language to offer
        }
    }
    if (changes.empty()) {
        return 0;
    }
    changes.push_back({"Language", "antal", std::to_string(n)});
    return profile_->SetINIs(iniFile_, changes) ? n - count : 0;
}

bool Language::chooseByName(const std::string& displayName) {
    const int count = installedCount();
    for (int i = 1; i <= count; ++i) {
        const std::string key = "l" + std::to_string(i) + "n";
        if (profile_->GetINI("Language", key, iniFile_) == displayName) {
            const std::string number = std::to_string(i);
            profile_->SetINI("Language", "selected", number, iniFile_);
            // Taken from the match, not re-read, so the choice holds for this run even when
            // the settings file could not be written.
            const std::string name = profile_->GetINI("Language", "l" + number + "p", iniFile_);
            languageFile_ = folder_.resolve(name);
            return true;
        }
    }
    return false;
}

std::string Language::newLanguageWorkFile(const std::string& international) {
    return international + ".nla";
}

std::string Language::modificationCopy(const std::string& path) {
    if (path.empty()) {
        return {};
    }
    const std::filesystem::path original(path);
    const std::string name = original.filename().string();
    const std::size_t length = text::length(name);
    std::string copy = text::left(name, length > 3 ? length - 3 : 0) + "mla";
    if (length <= 3 || copy == name) {
        copy = name + ".mla";
    }
    return (original.parent_path() / copy).string();
}

std::string Language::modifiedLanguageFile(const std::string& international) {
    return international + "2.lan";
}

}  // namespace brisvane
