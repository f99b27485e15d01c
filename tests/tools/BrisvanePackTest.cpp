// The packer as the build and a maintainer use it: what goes in comes out byte for byte, and a
// mistake gets a message and an exit status, never a half-made package.

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "package/PackageFormat.h"
#include "support/TempFolder.h"

namespace brisvane {
namespace {

namespace fs = std::filesystem;

const std::string Tool = BRISVANE_BINARY_DIR "/tools/brisvane-pack";

struct ToolRun {
    int status;
    std::string out;
    std::string err;
};

// Runs the tool in the folder `scratch`, which keeps what it writes to standard error.
ToolRun run(const std::string& args, const testing::TempFolder& scratch) {
    const std::string cd = "cd '" + scratch.path().string() + "' && ";
    FILE* pipe = popen((cd + Tool + " " + args + " 2>stderr.txt").c_str(), "r");
    std::string out;
    char buffer[4096];
    for (std::size_t n = 0; pipe != nullptr && (n = std::fread(buffer, 1, sizeof buffer, pipe));) {
        out.append(buffer, n);
    }
    const int raw = pipe == nullptr ? -1 : pclose(pipe);
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, out, scratch.read("stderr.txt")};
}

TEST(BrisvanePack, CreateListExtractGivesBackEveryFileByteForByte) {
    ASSERT_TRUE(fs::exists(Tool)) << "the test binary depends on the tool";
    testing::TempFolder in;
    testing::TempFolder work;
    std::string binary;
    for (int i = 0; i < 70000; ++i) {
        binary += static_cast<char>((i * 7919) % 256);
    }
    in.write("Felt.jpg", binary);
    in.write("empty.txt", "");
    in.write("Notes with blanks.txt", "line 1\r\nline 2\n");
    const std::string pac = work.file("Res.pac");
    const ToolRun created =
        run("create '" + pac + "' '" + in.file("Felt.jpg") + "' '" + in.file("empty.txt") + "' '" +
                in.file("Notes with blanks.txt") + "'",
            work);
    EXPECT_EQ(created.status, 0) << created.err;

    const ToolRun listed = run("list '" + pac + "'", work);
    EXPECT_EQ(listed.status, 0);
    EXPECT_EQ(listed.out, "70000 Felt.jpg\n0 empty.txt\n15 Notes with blanks.txt\n");

    const ToolRun extracted =
        run("extract '" + pac + "' '" + work.file("out/new") + "' --buffer 1000", work);
    EXPECT_EQ(extracted.status, 0) << extracted.err;
    for (const char* name : {"Felt.jpg", "empty.txt", "Notes with blanks.txt"}) {
        EXPECT_EQ(work.read(std::string("out/new/") + name), in.read(name)) << name;
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(work.path() / "out/new"), {}), 3);
}

TEST(BrisvanePack, MistakesGetAMessageAndAnExitStatusAndLeaveNoPackage) {
    testing::TempFolder work;
    work.write("a.txt", "a");
    work.write("junk.pac", "not a package at all");
    const struct {
        std::string args;
        int status;
        std::string message;
    } cases[] = {
        {"", 2, "no command given"},
        {"unpack x", 2, "unknown command 'unpack'"},
        {"create out.pac", 2, "at least one file"},
        {"list", 2, "exactly one package"},
        {"extract junk.pac", 2, "a package and a folder"},
        {"extract junk.pac out --buffer 0", 2, "from 1 to 32767"},
        {"extract junk.pac out --buffer 99999999999", 2, "from 1 to 32767"},
        {"create out.pac a.txt missing.txt", 1, "cannot read missing.txt"},
        {"create out.pac a.txt a.txt", 1, "differ only in letter case"},
        {"list missing.pac", 1, "cannot read missing.pac"},
        {"list junk.pac", 1, "junk.pac is not a resource package, or it is damaged"},
        {"extract junk.pac out", 1, "is not a resource package"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args);
        const ToolRun r = run(c.args, work);
        EXPECT_EQ(r.status, c.status);
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.out << r.err;
        EXPECT_FALSE(work.exists("out.pac"));
    }
    const ToolRun help = run("--help", work);
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.rfind("usage: brisvane-pack create OUT.pac FILE...", 0), 0u);
}

TEST(BrisvanePack, ExtractLeavesOutUnsafeNamesAndSaysSo) {
    testing::TempFolder work;
    work.write("evil.pac", package::encodeDirectory({{"../escape.txt", 1}, {"ok.txt", 2}}) + "xok");
    const ToolRun r =
        run("extract '" + work.file("evil.pac") + "' '" + work.file("out") + "'", work);
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("left out \"../escape.txt\": not a plain file name"), std::string::npos);
    EXPECT_EQ(work.read("out/ok.txt"), "ok");
    EXPECT_FALSE(work.exists("escape.txt"));
}

} // namespace
} // namespace brisvane
