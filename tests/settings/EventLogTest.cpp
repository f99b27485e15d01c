#include "settings/EventLog.h"

#include <filesystem>
#include <gtest/gtest.h>

#include "settings/FileProfile.h"
#include "settings/MemoryProfile.h"
#include "support/Fakes.h"
#include "support/TempFolder.h"

namespace brisvane {
namespace {

using testing::FakeClock;
using testing::TempFolder;

class EventLogTest : public ::testing::Test {
protected:
    TempFolder folder;
    MemoryProfile settings;
    FakeClock clock;
    const std::string ini = folder.file("Vexa.ini");
    EventLog log{settings, clock, ini, folder.file("Vexa.log")};
};

TEST_F(EventLogTest, EachEventAppendsOneStampedLine) {
    log.WriteLog("Clear highscore");
    clock.advanceSeconds(3600 + 2);
    log.LogMessage = "Session 12: Score: 287, time: 14:05";
    log.WriteLog("");
    log.WriteLog("Visit homepage (Help).");  // the writer's period comes on top
    EXPECT_EQ(folder.read("Vexa.log"),
              "2002-02-22 00:37:41  Clear highscore.\r\n"
              "2002-02-22 01:37:43  Session 12: Score: 287, time: 14:05.\r\n"
              "2002-02-22 01:37:43  Visit homepage (Help)..\r\n");
}

TEST_F(EventLogTest, OnlyWriteLogNoStopsLogging) {
    settings.SetINI("Options", "WriteLog", "No", ini);
    log.WriteLog("Add user: Anna");
    EXPECT_FALSE(folder.exists("Vexa.log"));  // not even created

    // The switch is read again for every line; only the exact "No" stops it.
    for (const char* value : {"no", "NO", "Yes", ""}) {
        settings.SetINI("Options", "WriteLog", value, ini);
        log.WriteLog(std::string("WriteLog=") + value);
    }
    EXPECT_EQ(folder.read("Vexa.log"), "2002-02-22 00:37:41  WriteLog=no.\r\n"
                                       "2002-02-22 00:37:41  WriteLog=NO.\r\n"
                                       "2002-02-22 00:37:41  WriteLog=Yes.\r\n"
                                       "2002-02-22 00:37:41  WriteLog=.\r\n");
}

TEST_F(EventLogTest, ALogThatCannotBeWrittenSkipsTheLineAndNothingElse) {
    std::filesystem::create_directory(folder.file("Vexa.log"));  // a folder in the log's place
    EXPECT_NO_THROW(log.WriteLog("Remove user: Anna"));
    folder.write("plain", "x");
    EventLog nowhere{settings, clock, ini, folder.file("plain/Vexa.log")};
    EXPECT_NO_THROW(nowhere.WriteLog("Remove user: Anna"));
    EXPECT_TRUE(std::filesystem::is_empty(folder.file("Vexa.log")));
}

TEST_F(EventLogTest, AnUnreadableSettingsFileDoesNotStopLogging) {
    std::filesystem::create_directory(ini);
    FileProfile files;
    EventLog fromDisk{files, clock, ini, folder.file("Vexa.log")};
    EXPECT_NO_THROW(fromDisk.WriteLog("Alarm 7:05, 'Tea'"));
    EXPECT_EQ(folder.read("Vexa.log"), "2002-02-22 00:37:41  Alarm 7:05, 'Tea'.\r\n");
}

}  // namespace
}  // namespace brisvane
