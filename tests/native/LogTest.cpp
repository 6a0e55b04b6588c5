// The diagnostic log: its line layout, and the file that switches it on.
#include "../../src/diagnostics/FileLog.h"
#include "../../src/diagnostics/LogFormat.h"
#include "../support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdarg>
#include <filesystem>

namespace {
std::string Message(const char* format, ...)
{
    std::va_list arguments;
    va_start(arguments, format);
    std::string text = FormatLogMessage(format, arguments);
    va_end(arguments);
    return text;
}

}  // namespace

TEST(LogFormat, LocationNamesTheSourceFileAndLine)
{
    EXPECT_EQ("(1234)[main.cpp,(689)] : ", FormatLogLocation(1234, "main.cpp", 689));
    EXPECT_EQ("(-5)[app.cpp,(7)] : ", FormatLogLocation(-5, "C:\\work\\src\\app\\app.cpp", 7));
    EXPECT_EQ("(0)[SaverSettings.cpp,(1)] : ", FormatLogLocation(0, "/work/src/settings/SaverSettings.cpp", 1));
    EXPECT_EQ("", LogSourceName("src\\"));
    const std::string longName(60, 'x');
    EXPECT_EQ(std::string(39, 'x'), LogSourceName(("d:\\" + longName).c_str()));
}

TEST(LogFormat, TimestampIsYearMonthDayHoursMinutesSeconds)
{
    EXPECT_EQ("2026-03-04 05:06:07", FormatLogTimestamp({2026, 3, 4, 5, 6, 7}));
    EXPECT_EQ("[2026-12-31 23:59:58] : Media Count = 3\n",
              FormatLogLine({2026, 12, 31, 23, 59, 58}, "Media Count = 3"));
}

TEST(LogFormat, MessagesAreCutAt1023Characters)
{
    EXPECT_EQ("Media Count = 3", Message("Media Count = %d", 3));
    const std::string huge(5000, 'm');
    EXPECT_EQ(std::string(1023, 'm'), Message("%s", huge.c_str()));
    EXPECT_EQ(std::string(1023, 'm'), Message("%s!", std::string(1023, 'm').c_str()));
    EXPECT_EQ("", Message("%s", ""));
}

TEST(FileLog, StaysOffWithoutTheLogFile)
{
    TempDir dir;
    {
        CFileLog log(dir.Path("show.scr"));
        EXPECT_FALSE(log.IsOpen());
        log.Location("main.cpp", 1);
        log.Printf("nothing %d", 1);
    }
    EXPECT_FALSE(std::filesystem::exists(dir.Path("vesk.log")));
    EXPECT_FALSE(CFileLog("no-folder.scr").IsOpen());
}

TEST(FileLog, AppendsOneBlockPerRun)
{
    TempDir dir;
    const std::string path = dir.Write("vesk.log", std::string());
    for (int run = 1; run <= 2; ++run) {
        CFileLog log(dir.Path("show.scr"));
        ASSERT_TRUE(log.IsOpen());
        log.Location("C:\\src\\main.cpp", 689);
        log.Printf("Media Count = %d", run);
        log.Location("app.cpp", 5);
        log.Printf("%s", "");  // an empty message writes no line
        log.Location("app.cpp", 6);
        log.Printf("after");
    }
    const std::string block =
        "[#-#-# #:#:#] : ----------------------------Begin-----------------------------\n"
        "(#)[main.cpp,(#)] : [#-#-# #:#:#] : Media Count = #\n"
        "(#)[app.cpp,(#)] : (#)[app.cpp,(#)] : [#-#-# #:#:#] : after\n"
        "[#-#-# #:#:#] : ----------------------------End-------------------------------\n";
    EXPECT_EQ(block + block, DigitsCollapsed(ReadFileText(path)));
}
