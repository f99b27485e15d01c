// What the distribution packs into Res.pac: pictures the background option can show. (That a
// package gives back every byte is the reader's and the packer's tests.)

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

#include "program/MainShell.h"

namespace brisvane {
namespace {

namespace fs = std::filesystem;

TEST(ShippedPackage, HoldsBackgroundPicturesTheOptionCanShow) {
    int pictures = 0;
    for (const auto& entry :
         fs::directory_iterator(fs::path(BRISVANE_SOURCE_DIR) / "data" / "pictures")) {
        const std::string name = entry.path().filename().string();
        EXPECT_TRUE(shell::isBackgroundPicture(name)) << name << ": the option could not use it";
        std::string start(4, '\0');
        std::ifstream(entry.path(), std::ios::binary).read(start.data(), 4);
        EXPECT_TRUE(start.rfind("\xFF\xD8\xFF", 0) == 0 || start == "GIF8")
            << name << ": a JPEG or GIF file";
        ++pictures;
    }
    EXPECT_GE(pictures, 1);
}

}  // namespace
}  // namespace brisvane
