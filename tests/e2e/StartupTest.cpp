// The player's start-up on fixture discs: an incomplete disc is reported
// once, a complete disc with nothing to do ends silently.
#include <gtest/gtest.h>
#include <gtest/gtest-spi.h>

#include "E2eHarness.h"

namespace {

const char kIncompleteDiscMessage[] =
    "The files for the AutoRun have not been burned to the CD/DVD correctly.\n\nYou need to burn everything in the "
    "CD Image Directory to the CD/DVD exactly as it appears in the directory on your hard disk. This includes all "
    "sub-directories and their contents. There should be files called \"Autorun.exe\" and \"Autorun.inf\" at the "
    "root of your CD/DVD and a directory called \"Autorun\" with a file called \"Settings.ini\" in it. "
    "\n\nAutoRun cannot continue and will abort execution.";

const char kEmptyRootList[] = "[General]\r\nVersion=3\r\nAutorunType=2\r\n[Root]\r\nSettingsCount=0\r\n";

void ExpectIncompleteDiscReported(const e2e::FixtureDisc& disc, const std::string& screenshot) {
    auto player = e2e::RunningProgram::Start(disc.Path("Autorun.exe"));
    ASSERT_TRUE(player.Started());
    HWND box = player.WaitForWindow("#32770", "Autorun");
    ASSERT_NE(box, nullptr) << "no message box";
    EXPECT_EQ(player.VisibleWindows().size(), 1u);
    EXPECT_EQ(e2e::MessageBoxText(box), kIncompleteDiscMessage);
    EXPECT_NE(GetWindowLongA(box, GWL_STYLE) & WS_CAPTION, 0);
    if (!screenshot.empty()) e2e::SaveScreenshot(box, screenshot);
    ASSERT_TRUE(e2e::PressDialogButton(box, IDOK));
    DWORD exitCode = 1;
    EXPECT_TRUE(player.WaitForExit(30000, &exitCode));
    EXPECT_EQ(exitCode, 0u) << "a player that crashes after the message is no clean end";
    EXPECT_EQ(player.WaitForWindow(nullptr, nullptr, 0), nullptr);
}

}  // namespace

TEST(PlayerStartup, MissingAutorunInfIsReportedOnce) {
    e2e::FixtureDisc disc;
    disc.CopyPlayer();
    disc.WriteSettings(kEmptyRootList);
    ExpectIncompleteDiscReported(disc, "startup-incomplete-disc");
}

TEST(PlayerStartup, MissingSettingsFileIsReportedOnce) {
    e2e::FixtureDisc disc;
    disc.CopyPlayer();
    disc.WriteAutorunInf();
    ExpectIncompleteDiscReported(disc, "");
}

TEST(PlayerStartup, EmptyRootListEndsWithoutAnyWindow) {
    e2e::FixtureDisc disc;
    disc.MakeComplete(kEmptyRootList);
    auto player = e2e::RunningProgram::Start(disc.Path("Autorun.exe"));
    ASSERT_TRUE(player.Started());
    DWORD exitCode = 1;
    EXPECT_TRUE(player.WaitForExit(30000, &exitCode));
    EXPECT_EQ(exitCode, 0u);
}

TEST(PlayerStartup, LetterCaseOfDiscNamesDoesNotMatter) {
    e2e::FixtureDisc disc;
    disc.CopyPlayer();
    disc.WriteFile("AUTORUN.INF", "[AutoRun]\r\nopen=Autorun.exe\r\n");
    disc.WriteFile("autorun\\SETTINGS.ini", kEmptyRootList);
    auto player = e2e::RunningProgram::Start(disc.Path("Autorun.exe"));
    ASSERT_TRUE(player.Started());
    DWORD exitCode = 1;
    EXPECT_TRUE(player.WaitForExit(30000, &exitCode));
    EXPECT_EQ(exitCode, 0u);
    EXPECT_TRUE(player.VisibleWindows().empty());
}

// The harness itself: a program that a test leaves running fails that test
// and is ended, so that nothing it shows is left for the next test.
TEST(Harness, AProgramLeftRunningFailsTheTestAndIsEnded) {
    e2e::FixtureDisc disc;
    disc.CopyPlayer();
    disc.WriteSettings(kEmptyRootList);
    HANDLE process = nullptr;
    EXPECT_NONFATAL_FAILURE(
        {
            auto player = e2e::RunningProgram::Start(disc.Path("Autorun.exe"));
            ASSERT_NE(player.WaitForWindow("#32770", "Autorun"), nullptr);
            DuplicateHandle(GetCurrentProcess(), player.Process(), GetCurrentProcess(), &process, SYNCHRONIZE, FALSE, 0);
        },
        "the test left the program running");
    ASSERT_NE(process, nullptr);
    EXPECT_EQ(WaitForSingleObject(process, 0), WAIT_OBJECT_0) << "the program was ended";
    CloseHandle(process);
}
