#include "language/Language.h"

#include <filesystem>

#include "common/Numbers.h"
#include "common/Text.h"

namespace brisvane {

Language::Language(Profile& profile, ProgramFolder folder, std::string iniFile)
    : profile_(&profile), folder_(std::move(folder)), iniFile_(std::move(iniFile)) {}

std::string Language::T(const std::string& key) const {
    return lookup("Language", key);
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

void Language::updateLanguageFile() {
    const std::string selected = profile_->GetINI("Language", "selected", iniFile_);
    const std::string name = profile_->GetINI("Language", "l" + selected + "p", iniFile_);
    languageFile_ = folder_.resolve(name);
}

std::string Language::UplinkLan(const std::string& mainLink) const {
    return mainLink + "?lan=" + info("international");
}

bool Language::chooseByName(const std::string& displayName) {
    const int count = intValue(profile_->GetINI("Language", "antal", iniFile_));
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
