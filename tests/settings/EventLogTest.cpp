#include "settings/EventLog.h"

#include <filesystem>
#include <vector>
#include <gtest/gtest.h>

#include "settings/FileProfile.h"
#include "settings/MemoryProfile.h"
#include "support/Fakes.h"
#include "support/TempFolder.h"

namespace brisvane {
namespace {

TEST(EventLog, EachEventAppendsOneStampedEscapedLineUnlessWriteLogIsExactlyNoAndNeverFails) {
    testing::TempFolder folder;
    testing::FakeClock clock;
    MemoryProfile settings;
    EventLog log{settings, clock, "Vexa.ini", folder.file("Vexa.log")};
    log.WriteLog("Clear highscore");
    clock.current = {2002, 2, 22, 1, 37, 43, 0};
    log.LogMessage = "Session 12: Score: 287, time: 14:05";
    log.WriteLog("");
    settings.SetINI("Options", "WriteLog", "No", "Vexa.ini");
    log.WriteLog("Add user: Anna");
    settings.SetINI("Options", "WriteLog", "no", "Vexa.ini"); // read again for every line
    log.WriteLog("Visit homepage (Help).");                   // the writer's period comes on top
    // A name with a carriage return and escape sequences stays on its own line, visibly.
    log.WriteLog("New language: X\r2002-02-22 00:00:00  Clear highscore\x1b[2K\n\xC2\x85\xE2\x80\xA8é");
    EXPECT_EQ(folder.read("Vexa.log"),
              "2002-02-22 00:37:41  Clear highscore.\r\n"
              "2002-02-22 01:37:43  Session 12: Score: 287, time: 14:05.\r\n"
              "2002-02-22 01:37:43  Visit homepage (Help)..\r\n"
              "2002-02-22 01:37:43  New language: X\\r2002-02-22 00:00:00  Clear "
              "highscore\\x1B[2K\\n\\u0085\\u2028é.\r\n");

    // Neither an unreadable settings file nor a log that cannot be written stops anything.
    FileProfile files;
    std::filesystem::create_directory(folder.file("Vexa.ini"));
    std::filesystem::create_directory(folder.file("Broken.log")); // a folder in the log's place
    EventLog broken{files, clock, folder.file("Vexa.ini"), folder.file("Broken.log")};
    std::vector<std::string> problems;
    broken.setProblemHandler(
        [&problems](const std::string&, const std::string& why) { problems.push_back(why); });
    EXPECT_NO_THROW(broken.WriteLog("Remove user: Anna"));
    broken.WriteLog("Remove user: Bo");
    EXPECT_EQ(problems, std::vector<std::string>{"Is a directory"}) << "said once, not dropped";
    EventLog other{files, clock, folder.file("Vexa.ini"), folder.file("Other.log")};
    other.WriteLog("Alarm 7:05, 'Tea'");
    EXPECT_EQ(folder.read("Other.log"), "2002-02-22 01:37:43  Alarm 7:05, 'Tea'.\r\n");
}

} // namespace
} // namespace brisvane
