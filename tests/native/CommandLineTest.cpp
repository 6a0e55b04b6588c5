// The screensaver command line: the arguments, the mode switch, program names, install commands.
#include "../../src/app/CommandLine.h"
#include "../../src/settings/InstallCommand.h"

#include <gtest/gtest.h>

namespace {
struct ModeCase {
    const char* line;
    TScrMode mode;
    std::uint32_t window;
    bool foregroundOwner;
};

const ModeCase kModeCases[] = {
    {"show.scr /p 1234", smPreview, 1234, false},
    {"show.scr /P:1234", smPreview, 1234, false},
    {"show.scr -l1234", smPreview, 1234, false},
    {"show.scr p 1234", smPreview, 1234, false},
    {"show.scr /p  : :99x", smPreview, 99, false},
    {"show.scr /p", smPreview, 0, false},
    {"show.scr /p 0", smPreview, 0, false},
    {"show.scr /p 4294967296", smPreview, 0, false},
    {"show.scr /c", smConfigure, 0, true},
    {"show.scr /c:5678", smConfigure, 5678, false},
    {"show.scr /c :", smConfigure, 0, true},
    {"show.scr /S", smSaver, 0, false},
    {"show.scr -s", smSaver, 0, false},
    {"show.scr /SETDEF", smSaver, 0, false},
    {"show.scr /a 99", smChangePassword, 99, false},
    {"show.scr -A:7", smChangePassword, 7, false},
    {"show.scr", smConfigure, 0, false},
    {"show.scr   ", smConfigure, 0, false},
    {"", smConfigure, 0, false},
    {"\"C:\\My Shows\\show.scr\" /p 12", smPreview, 12, false},
    {"\"C:\\My Shows\\show.scr\"/s", smSaver, 0, false},
    {"\"C:\\My Shows\\show.scr\"", smConfigure, 0, false},
    {"\"C:\\unterminated /s", smConfigure, 0, false},
    {"C:\\Shows\\show.scr\t/s", smSaver, 0, false},
};
}  // namespace

TEST(ModeArgument, ReadsEveryFormOfTheSwitch)
{
    for (const ModeCase& c : kModeCases) {
        const ModeArgument parsed = ParseModeArgument(c.line, smNone);
        EXPECT_EQ(c.mode, parsed.mode) << c.line;
        EXPECT_EQ(c.window, parsed.window) << c.line;
        EXPECT_EQ(c.foregroundOwner, parsed.foregroundOwner) << c.line;
    }
}

TEST(ModeArgument, UnknownLettersKeepTheModeItHad)
{
    EXPECT_EQ(smNone, ParseModeArgument("show.scr /x", smNone).mode);
    EXPECT_EQ(smProgram, ParseModeArgument("show.scr /x 12", smProgram).mode);
    EXPECT_EQ(0u, ParseModeArgument("show.scr /x 12", smProgram).window);
    EXPECT_EQ(smNone, ParseModeArgument("show.scr /", smNone).mode);
    EXPECT_EQ(smNone, ParseModeArgument("show.scr /delreg", smNone).mode) << "d is no mode letter";
}

TEST(CommandLineArguments, SplitAtBlanksAndGroupQuotes)
{
    using Args = std::vector<std::string>;
    EXPECT_EQ((Args{"show.scr", "/p", "1234"}), CommandLineArguments("show.scr /p   1234"));
    EXPECT_EQ((Args{"C:\\My Shows\\show.scr", "/s"}), CommandLineArguments("\"C:\\My Shows\\show.scr\" /s"));
    EXPECT_EQ((Args{"a b", "c"}), CommandLineArguments("  a\" b\"\tc  "));
    EXPECT_EQ((Args{"x", ""}), CommandLineArguments("x \"\""));
    EXPECT_TRUE(CommandLineArguments("   ").empty());
}

TEST(ProgramFileName, IsAnyNameHoldingExe)
{
    EXPECT_TRUE(IsProgramFileName("C:\\Shows\\SHOW.EXE"));
    EXPECT_TRUE(IsProgramFileName("C:\\a.exe.folder\\show.scr"));
    EXPECT_FALSE(IsProgramFileName("C:\\Shows\\show.scr"));
    EXPECT_FALSE(IsProgramFileName("C:\\Shows\\show.ex"));
}

TEST(InstallCommand, ReplacesEveryLowerCaseL)
{
    EXPECT_EQ("rundll32.exe desk.cpl,InstallScreenSaver C:\\SHOW~1.SCR",
              ExpandInstallCommand("rundll32.exe desk.cpl,InstallScreenSaver %l", "C:\\SHOW~1.SCR"));
    EXPECT_EQ("run P and P", ExpandInstallCommand("run %l and %l", "P"));
    EXPECT_EQ("run %L", ExpandInstallCommand("run %L", "P"));
    EXPECT_EQ("%%%l%", ExpandInstallCommand("%%%l%", "%l")) << "the replacement is not read again";
}

TEST(StartMode, TextsOfTheModes)
{
    EXPECT_EQ(nullptr, StartModeText(smNone));
    EXPECT_STREQ("start mode : Configure", StartModeText(smConfigure));
    EXPECT_STREQ("start mode : change password", StartModeText(smChangePassword));
    EXPECT_STREQ("start mode : Preview in small screen", StartModeText(smPreview));
    EXPECT_STREQ("start mode : Normal or Press Preview button!", StartModeText(smSaver));
    EXPECT_STREQ("start mode : run as an exe file", StartModeText(smProgram));
}
