// The package reader against good and hostile packages: what a player would lose if it broke is
// a resource file with wrong bytes, a file written outside the program folder, or a good file
// replaced by half of one.

#include "package/clsUnPackage.h"

#include <sys/stat.h>

#include <filesystem>
#include <gtest/gtest.h>

#include "common/FileIo.h"
#include "package/PackageFormat.h"
#include "package/PackageWriter.h"
#include "support/TempFolder.h"

namespace brisvane {
namespace {

namespace fs = std::filesystem;
using package::RawEntry;
using testing::TempFolder;

// Distinct bytes, so a copy from a wrong offset shows.
std::string pattern(std::size_t size, unsigned seed = 0) {
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i) {
        bytes[i] = static_cast<char>((i * 131 + seed * 7 + i / 251) & 0xFF);
    }
    return bytes;
}

class ClsUnPackageTest : public ::testing::Test {
protected:
    ClsUnPackageTest() {
        fs::create_directory(folder.path() / "dest");
        reader.Package(folder.file("Res.pac"));
        reader.Destination(folder.file("dest"));
    }

    // A package of the given directory followed by `contents`.
    void writeRaw(const std::vector<RawEntry>& entries, const std::string& contents) {
        folder.write("Res.pac", package::encodeDirectory(entries) + contents);
    }

    // The names in the destination folder, hidden temporaries included.
    std::vector<std::string> destFiles() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder.path() / "dest")) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }
    std::string dest(const std::string& name) const { return folder.read("dest/" + name); }

    TempFolder folder;
    clsUnPackage reader;
};

TEST_F(ClsUnPackageTest, TheTwoFilePackageHasItsByteLayoutAndItsFirstContentAtOffset29) {
    folder.write("a.txt", "abc");
    folder.write("bb.dat", "12345");
    package::writePackage(folder.file("Res.pac"),
                          {{"a.txt", folder.file("a.txt")}, {"bb.dat", folder.file("bb.dat")}});
    const std::string expected = std::string("LBFP\x01\x00\x00\x02", 8) +
                                 std::string("\x05\x03\x00\x00\x00\x06\x05\x00\x00\x00", 10) +
                                 "a.txtbb.dat" + "abc" + "12345";
    EXPECT_EQ(folder.read("Res.pac"), expected);

    ASSERT_TRUE(reader.Initialise());
    EXPECT_EQ(reader.NumberOfFiles(), 2);
    EXPECT_EQ(reader.GetFilename(1) + "|" + reader.GetFilename(2), "bb.dat|");
    EXPECT_EQ(reader.GetFilePosition(0), 29);
    EXPECT_EQ(reader.GetFilePosition(1), 32);
}

TEST_F(ClsUnPackageTest, EveryChunkSizeCopiesTheBytesUnchangedAndBadBufferTextsMean2048) {
    const std::string big = pattern(5000);
    writeRaw({{"empty.bin", 0}, {"big.bin", 5000}, {"tail.bin", 3}}, big + "xyz");
    const struct {
        const char* buffer;
        int chunk;
    } cases[] = {{"2048", 2048}, {"1", 1},       {"4999", 4999},   {"5000", 5000},
                 {"5001", 5001}, {" 512 ", 512}, {"32767", 32767}, {"0", 2048},
                 {"", 2048},     {"abc", 2048},  {"-5", 2048},     {"40000", 2048}};
    for (const bool kernelCopy : {true, false}) {
        allowKernelCopy(kernelCopy);
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(c.buffer) +
                         (kernelCopy ? ", kernel copy" : ", through memory"));
            reader.Buffer(c.buffer);
            EXPECT_EQ(reader.chunkSize(), c.chunk);
            ASSERT_TRUE(reader.ExtractFile("big.bin")) << "runs Initialise itself";
            EXPECT_EQ(dest("big.bin"), big);
            ASSERT_TRUE(reader.ExtractFile("empty.bin"));
            EXPECT_TRUE(fs::exists(folder.path() / "dest/empty.bin"));
            EXPECT_EQ(dest("empty.bin"), "");
            ASSERT_TRUE(reader.ExtractFile("tail.bin"));
            EXPECT_EQ(dest("tail.bin"), "xyz");
        }
    }
    allowKernelCopy(true);
}

TEST_F(ClsUnPackageTest, LookupIgnoresLetterCaseTheLastMatchWinsAndTheGivenNameIsWritten) {
    writeRaw({{"readme.txt", 2}, {"Dup.txt", 1}, {"DUP.TXT", 1}, {"Caf\xE9.txt", 1}},
             "hi" + std::string("12") + "w");
    ASSERT_TRUE(reader.Initialise());
    EXPECT_EQ(reader.GetFilename(3), "Café.txt") << "a Windows-1252 name";
    EXPECT_TRUE(reader.ExtractFile("README.TXT"));
    EXPECT_EQ(dest("README.TXT"), "hi");
    EXPECT_TRUE(reader.ExtractFile("dup.txt"));
    EXPECT_EQ(dest("dup.txt"), "2");
    EXPECT_TRUE(reader.ExtractFile("CAFÉ.TXT"));
    EXPECT_FALSE(reader.ExtractFile("missing.txt"));
    EXPECT_FALSE(fs::exists(folder.path() / "dest/missing.txt"));
}

TEST(ClsUnPackageDestination, TrailingBlanksGoAndOneSeparatorEndsTheFolder) {
    const struct {
        const char* given;
        const char* kept;
    } cases[] = {{"/games/brisvane  ", "/games/brisvane/"},
                 {"/games/brisvane/", "/games/brisvane/"},
                 {"/games/my folder /  ", "/games/my folder /"},
                 {"   ", ""}};
    for (const auto& c : cases) {
        clsUnPackage reader;
        reader.Destination(c.given);
        EXPECT_EQ(reader.destination(), c.kept) << '"' << c.given << '"';
    }
}

TEST_F(ClsUnPackageTest, EntriesWithNamesThatLeaveThePlainFolderAreNeverWritten) {
    const std::string absolute = folder.file("absolute.txt");
    const std::vector<std::string> names = {"../evil.txt",
                                            "sub/evil.txt",
                                            "sub\\evil.txt",
                                            absolute,
                                            "..",
                                            ".",
                                            "",
                                            std::string("nul\0.txt", 8),
                                            "line\nbreak",
                                            "bell\x07",
                                            "c1\xC2\x85.txt",
                                            "\x81.txt", // Windows-1252 leaves 0x81 a control
                                            "del\x7F"};
    std::vector<RawEntry> entries;
    std::string contents;
    for (const std::string& name : names) {
        entries.push_back({name, 4});
        contents += "evil";
    }
    entries.push_back({"good.txt", 4});
    contents += "good";
    writeRaw(entries, contents);
    ASSERT_TRUE(reader.Initialise()) << "the package itself is sound";
    for (int i = 0; i + 1 < reader.NumberOfFiles(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_FALSE(package::isSafeEntryName(reader.GetFilename(i)));
        EXPECT_FALSE(reader.ExtractFile(reader.GetFilename(i)));
        EXPECT_FALSE(reader.Remove(reader.GetFilename(i)));
    }
    EXPECT_TRUE(reader.ExtractFile("good.txt"));
    EXPECT_EQ(destFiles(), std::vector<std::string>{"good.txt"});
    EXPECT_FALSE(fs::exists(absolute));
    EXPECT_FALSE(fs::exists(folder.path() / "evil.txt"));
    EXPECT_FALSE(fs::exists(folder.path() / "dest/sub"));
}

TEST_F(ClsUnPackageTest, DamagedPackagesAreRefusedWholeAndNothingIsWritten) {
    const std::string good = package::encodeDirectory({{"a.txt", 3}, {"b.txt", 2}}) + "abcde";
    std::string negative = package::encodeDirectory({{"a.txt", -1}}) + "abc";
    std::string countTooLarge = good;
    countTooLarge[7] = '\x03';
    const struct {
        const char* what;
        std::string bytes;
    } cases[] = {
        {"header without count", "LBFP\x01\x00\x00"},
        {"wrong signature", "XBFP" + good.substr(4)},
        {"no entries", package::encodeDirectory({})},
        {"records cut short", good.substr(0, 12)},
        {"names cut short", good.substr(0, 8 + 10 + 7)},
        {"negative size", negative},
        {"the sum of sizes past the end",
         package::encodeDirectory({{"a.txt", 3}, {"b.txt", 3}}) + "abcde"},
        {"huge size", package::encodeDirectory({{"a.txt", INT32_MAX}}) + "abc"},
        {"count larger than the records", countTooLarge},
        {"last content cut short", good.substr(0, good.size() - 1)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        folder.write("Res.pac", c.bytes);
        EXPECT_FALSE(reader.Initialise());
        EXPECT_EQ(reader.NumberOfFiles(), 0);
        EXPECT_FALSE(reader.ExtractFile("a.txt"));
    }
    EXPECT_TRUE(destFiles().empty());

    folder.write("Res.pac", good + "trailing bytes are ignored");
    EXPECT_TRUE(reader.Initialise());

    // What is not a file is no package either, and a pipe does not hang the reader.
    reader.Package(folder.file("missing.pac"));
    EXPECT_FALSE(reader.Initialise());
    reader.Package(folder.file("dest"));
    EXPECT_FALSE(reader.Initialise());
    ASSERT_EQ(::mkfifo(folder.file("pipe.pac").c_str(), 0600), 0);
    reader.Package(folder.file("pipe.pac"));
    EXPECT_FALSE(reader.Initialise());
}

TEST_F(ClsUnPackageTest, AFailedExtractionKeepsTheOldFileAndLeavesNoPartialFile) {
    const std::string big = pattern(10000, 3);
    for (const bool kernelCopy : {true, false}) {
        allowKernelCopy(kernelCopy);
        writeRaw({{"data.bin", 10000}}, big);
        ASSERT_TRUE(reader.Initialise());
        folder.write("dest/data.bin", "the good old file");
        // The package shrinks after its directory was read.
        folder.write("Res.pac", folder.read("Res.pac").substr(0, 5000));
        EXPECT_FALSE(reader.ExtractFile("data.bin"));
        EXPECT_EQ(dest("data.bin"), "the good old file");
        EXPECT_EQ(destFiles(), std::vector<std::string>{"data.bin"});
    }
    allowKernelCopy(true);

    // Without a destination nothing is written anywhere.
    writeRaw({{"data.bin", 10000}}, big);
    clsUnPackage nowhere;
    nowhere.Package(folder.file("Res.pac"));
    EXPECT_FALSE(nowhere.ExtractFile("data.bin"));
    EXPECT_FALSE(nowhere.Remove("data.bin"));
}

TEST_F(ClsUnPackageTest, ALinkInTheDestinationIsReplacedNotWrittenThrough) {
    writeRaw({{"link.txt", 3}}, "new");
    folder.write("outside.txt", "keep me");
    fs::create_symlink(folder.path() / "outside.txt", folder.path() / "dest/link.txt");
    ASSERT_TRUE(reader.ExtractFile("link.txt"));
    EXPECT_FALSE(fs::is_symlink(folder.path() / "dest/link.txt"));
    EXPECT_EQ(dest("link.txt"), "new");
    EXPECT_EQ(folder.read("outside.txt"), "keep me");
}

TEST_F(ClsUnPackageTest, RemoveDeletesOnlyAFileOfTheDestination) {
    folder.write("dest/a.txt", "a");
    folder.write("outside.txt", "keep");
    EXPECT_TRUE(reader.Remove("a.txt"));
    EXPECT_FALSE(fs::exists(folder.path() / "dest/a.txt"));
    EXPECT_FALSE(reader.Remove("a.txt")) << "already gone";
    EXPECT_FALSE(reader.Remove("../outside.txt"));
    EXPECT_EQ(folder.read("outside.txt"), "keep");
}

TEST(PackageWriter, RefusesWhatTheReaderCouldNotGiveBackAndLeavesNoOutput) {
    TempFolder folder;
    folder.write("a.txt", "a");
    const std::string out = folder.file("out.pac");
    std::vector<package::SourceFile> tooMany;
    for (int i = 0; i < 256; ++i) {
        tooMany.push_back({"f" + std::to_string(i), folder.file("a.txt")});
    }
    const std::vector<std::vector<package::SourceFile>> cases = {
        {},
        tooMany,
        {{"../a.txt", folder.file("a.txt")}},
        {{std::string(256, 'n'), folder.file("a.txt")}},
        {{"a.txt", folder.file("a.txt")}, {"A.TXT", folder.file("a.txt")}},
        {{"missing.txt", folder.file("missing.txt")}},
        {{"folder", folder.path().string()}},
    };
    for (std::size_t i = 0; i < cases.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_THROW(package::writePackage(out, cases[i]), package::PackageError);
        EXPECT_FALSE(fs::exists(out));
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), {}), 1) << "no leftovers";
    EXPECT_EQ(package::entryNameOf("/some/where/Felt.jpg"), "Felt.jpg");
}

} // namespace
} // namespace brisvane
