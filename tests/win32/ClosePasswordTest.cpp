// The close query of a full-screen show on the 9x family: the password after the grace period.
// Runs as the 9x family beside the PASSWORD.CPL stand-in, which answers from verify-result.txt.
#include "../../src/package/XMLDb.h"
#include "../../src/screen/main.h"
#include "../../src/settings/SaverSettings.h"
#include "../../src/settings/VESKGlobeSettings.h"
#include "../support/MessagePump.h"
#include "../support/PackageFiles.h"
#include "../support/Processes.h"
#include "../support/Shows.h"
#include "../support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace {
struct ClosePassword : ::testing::Test {
    const std::string folder = ProgramFolder();
    CSaverSettings settings;
    CVESKGlobeSettings project;
    std::unique_ptr<Tfmain> form;
    HWND window = nullptr;

    TempDir dir;
    CMyXMLDb db;

    void SetUp() override
    {
        ::DeleteFileA((folder + "calls.txt").c_str());
        const std::string show = WritePackageFile(dir, "show.scr", FakeImage(10), BuildPackage(ShowTables("Password")));
        db.Open(show, ReadPackageOffset(show));
        form = std::make_unique<Tfmain>(smSaver, nullptr, db, settings, project);
        window = form->Handle();
        form->Show();
        form->watch_close_event_timerTimer();
    }
    void TearDown() override
    {
        form.reset();
        ::DeleteFileA((folder + "calls.txt").c_str());
        ::DeleteFileA((folder + "verify-result.txt").c_str());
    }
    void PasswordAnswers(const char* result) { WriteFileText(folder + "verify-result.txt", result); }
    // Clicks; true when the show closed.
    bool Click()
    {
        ::PostMessageA(window, WM_RBUTTONDOWN, 0, 0);
        return PumpUntil([this] { return !::IsWindow(window); }, 500);
    }
    int Asked() const
    {
        const std::string calls = ReadFileText(folder + "calls.txt");
        return static_cast<int>(std::count(calls.begin(), calls.end(), '\n'));
    }
};
}  // namespace

TEST_F(ClosePassword, RefusedPasswordKeepsTheShowAndTheNextEventAsksAgain)
{
    settings.startTick -= 20000;  // the grace period is over
    PasswordAnswers("0");
    EXPECT_FALSE(Click());
    EXPECT_EQ(1, Asked());
    EXPECT_EQ(0, settings.exitSuspended) << "exit detection resumes after the question";
    PasswordAnswers("1");
    EXPECT_TRUE(Click());
    EXPECT_EQ(2, Asked());
}

TEST_F(ClosePassword, NoPasswordWithinTheGracePeriod)
{
    PasswordAnswers("0");
    EXPECT_TRUE(Click());
    EXPECT_EQ(0, Asked());
}

TEST_F(ClosePassword, CloseRequestsQueuedBehindTheQuestionDoNotCloseTheShow)
{
    settings.startTick -= 20000;
    PasswordAnswers("0");
    // A click is two close requests, a movement several: the question sees the rest dispatched.
    ::PostMessageA(window, WM_RBUTTONDOWN, 0, 0);
    ::PostMessageA(window, WM_RBUTTONUP, 0, 0);
    ::PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_FALSE(PumpUntil([this] { return !::IsWindow(window); }, 500));
    EXPECT_EQ(1, Asked());
    PasswordAnswers("1");
    EXPECT_TRUE(Click());
}
