#pragma once
// A profile kept in memory: the same matching rules as the file-backed profile, no disk.
// The headless tools play on it, and tests seed it with the settings they need.

#include <map>
#include <string>

#include "common/Profile.h"

namespace brisvane {

class MemoryProfile : public Profile {
public:
    std::string GetINI(const std::string& section, const std::string& key,
                       const std::string& file) override;
    bool SetINI(const std::string& section, const std::string& key, const std::string& value,
                const std::string& file) override;
    bool SetINIs(const std::string& file, const std::vector<ProfileChange>& changes,
                 std::string* why = nullptr) override;
    std::uint64_t revision(const std::string& file) override;

    // Makes every later SetINI fail (a read-only folder), so callers' failure paths can be tested.
    void setReadOnly(bool readOnly) { readOnly_ = readOnly; }
    // Number of successful writes so far (a batch counts once).
    int writeCount() const { return writes_; }

private:
    using Keys = std::map<std::string, std::string>;
    using Sections = std::map<std::string, Keys>;
    std::map<std::string, Sections> files_;  // all names upper-cased for case-blind matching
    std::map<std::string, std::uint64_t> revisions_;  // the write that last changed each file
    bool readOnly_ = false;
    int writes_ = 0;
};

}  // namespace brisvane
