// The diagnostic log beside the running program, with the system's module path and tick count.
// This program runs alone in its folder, so the log file beside it is its own.
#include "../../src/diagnostics/FileLog.h"
#include "../support/TempDir.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>

namespace {
std::string LogPath()
{
    char module[MAX_PATH];
    const DWORD n = GetModuleFileNameA(nullptr, module, MAX_PATH);
    const std::string path(module, n);
    return path.substr(0, path.find_last_of('\\') + 1) + "vesk.log";
}

struct LogBesideProgram : ::testing::Test {
    void SetUp() override { DeleteFileA(LogPath().c_str()); }
    void TearDown() override { DeleteFileA(LogPath().c_str()); }
};
}  // namespace

TEST_F(LogBesideProgram, NothingIsCreatedWithoutTheFile)
{
    {
        CFileLog log;
        EXPECT_FALSE(log.IsOpen());
        g_fileLog = &log;
        FILE_LOG("CMD: %s", GetCommandLineA());
        g_fileLog = nullptr;
    }
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(LogPath().c_str()));
}

TEST_F(LogBesideProgram, WritesBlocksWithTickCountAndBaseName)
{
    CloseHandle(CreateFileA(LogPath().c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr));
    std::int32_t before = 0, after = 0;
    for (int run = 0; run < 2; ++run) {
        CFileLog log;
        ASSERT_TRUE(log.IsOpen());
        g_fileLog = &log;
        before = static_cast<std::int32_t>(GetTickCount());
        FILE_LOG("Media Count = %d", 3);
        after = static_cast<std::int32_t>(GetTickCount());
        g_fileLog = nullptr;
    }
    FILE_LOG("after the log is gone: %d", 1);

    const std::string text = ReadFileText(LogPath());
    auto count = [&](const std::string& what) {
        int n = 0;
        for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
            ++n;
        return n;
    };
    EXPECT_EQ(2, count("] : ----------------------------Begin-----------------------------\r\n")) << text;
    EXPECT_EQ(2, count("] : ----------------------------End-------------------------------\r\n")) << text;
    EXPECT_EQ(0, count("after the log is gone"));

    // The second run's line carries the tick count taken while it was written.
    const std::string secondRun = text.substr(text.rfind("Begin"));
    const auto lineStart = secondRun.find("\n(") + 1;
    EXPECT_EQ("(#)[LogBesideProgramTest.cpp,(#)] : [#-#-# #:#:#] : Media Count = #\n",
              DigitsCollapsed(secondRun.substr(lineStart, secondRun.find('\n', lineStart) + 1 - lineStart)));
    int tick = 0;
    ASSERT_EQ(1, std::sscanf(secondRun.c_str() + lineStart, "(%d)", &tick));
    EXPECT_LE(before, tick);
    EXPECT_LE(tick, after);
}
