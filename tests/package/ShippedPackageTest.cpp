// What the distribution packs into Res.pac: pictures the background option can show, packed
// and unpacked again without a changed byte.

#include <filesystem>
#include <gtest/gtest.h>

#include "package/PackageWriter.h"
#include "package/clsUnPackage.h"
#include "program/MainShell.h"
#include "support/TempFolder.h"

namespace brisvane {
namespace {

namespace fs = std::filesystem;

TEST(ShippedPackage, HoldsBackgroundPicturesThatComeOutWhole) {
    std::vector<package::SourceFile> files;
    for (const auto& entry :
         fs::directory_iterator(fs::path(BRISVANE_SOURCE_DIR) / "data" / "pictures")) {
        files.push_back({entry.path().filename().string(), entry.path().string()});
    }
    ASSERT_GE(files.size(), 1u);
    testing::TempFolder folder;
    package::writePackage(folder.file("Res.pac"), files);
    clsUnPackage reader;
    reader.Package(folder.file("Res.pac"));
    reader.Destination(folder.path().string());
    ASSERT_TRUE(reader.Initialise());
    for (const auto& file : files) {
        SCOPED_TRACE(file.name);
        EXPECT_TRUE(shell::isBackgroundPicture(file.name)) << "the picture option could not use it";
        ASSERT_TRUE(reader.ExtractFile(file.name));
        const std::string bytes = folder.read(file.name);
        EXPECT_TRUE(bytes.rfind("\xFF\xD8\xFF", 0) == 0 || bytes.rfind("GIF8", 0) == 0)
            << "a JPEG or GIF file";
        EXPECT_EQ(fs::file_size(file.path), bytes.size());
    }
}

}  // namespace
}  // namespace brisvane
