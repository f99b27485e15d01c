#pragma once
// A private folder for the targets that need files, made once per process and removed at its
// end. Put TMPDIR on a memory file system (scripts/fuzz uses /dev/shm) to keep runs fast.

#include <stdlib.h>

#include <filesystem>
#include <stdexcept>
#include <string>

namespace brisvane::fuzz {

class Scratch {
public:
    static const std::filesystem::path& folder() {
        static Scratch scratch;
        return scratch.path_;
    }

private:
    Scratch() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "brisvane-fuzz-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            throw std::runtime_error("cannot create a scratch folder");
        }
        path_ = pattern;
    }
    ~Scratch() {
        std::error_code error;
        std::filesystem::remove_all(path_, error);
    }
    std::filesystem::path path_;
};

} // namespace brisvane::fuzz
