#include "settings/MemoryProfile.h"

#include "common/Text.h"

namespace brisvane {

std::string MemoryProfile::GetINI(const std::string& section, const std::string& key,
                                  const std::string& file) {
    const auto f = files_.find(file);
    if (f == files_.end()) {
        return {};
    }
    const auto s = f->second.find(text::toUpper(section));
    if (s == f->second.end()) {
        return {};
    }
    const auto k = s->second.find(text::toUpper(key));
    if (k == s->second.end()) {
        return {};
    }
    return k->second;
}

bool MemoryProfile::SetINI(const std::string& section, const std::string& key,
                           const std::string& value, const std::string& file) {
    if (readOnly_) {
        return false;
    }
    files_[file][text::toUpper(section)][text::toUpper(key)] = value;
    revisions_[file] = static_cast<std::uint64_t>(++writes_);
    return true;
}

bool MemoryProfile::SetINIs(const std::string& file, const std::vector<ProfileChange>& changes,
                            std::string* why) {
    if (readOnly_) {
        if (why != nullptr) {
            *why = "Read-only file system";
        }
        return false;
    }
    Sections& sections = files_[file];
    for (const ProfileChange& change : changes) {
        Keys& keys = sections[text::toUpper(change.section)];
        const std::string key = text::toUpper(change.key);
        if (!change.keepExisting || keys.count(key) == 0) {
            keys[key] = change.value;
        }
    }
    revisions_[file] = static_cast<std::uint64_t>(++writes_);
    return true;
}

std::uint64_t MemoryProfile::revision(const std::string& file) {
    const auto it = revisions_.find(file);
    return it == revisions_.end() ? 0 : it->second;
}

}  // namespace brisvane
