#include "ProcessUtil.h"

#include <gtest/gtest.h>

#include <thread>

#include "Win32TestSupport.h"

namespace {

using namespace wintest;

class ProcessUtil : public ::testing::Test {
protected:
    TempDir dir;
    std::string started = dir.File("started");
    std::string release = dir.File("release");
    std::string marker = dir.File("marker");

    std::string HelperArguments(const std::string& extra = std::string()) const {
        return "--started " + Quoted(started) + " --wait-for " + Quoted(release) + " --marker " + Quoted(marker) +
               (extra.empty() ? "" : " " + extra);
    }
    void Release() const { CreateEmptyFile(release); }

    // Starts the helper directly, for the tests of WaitForProcess alone.
    wingui::KernelHandle StartHelper(const std::string& arguments) const {
        std::string line = Quoted(HelperProgram()) + " " + arguments;
        STARTUPINFOA startup = {};
        startup.cb = sizeof(startup);
        PROCESS_INFORMATION info = {};
        if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info))
            return wingui::KernelHandle();
        CloseHandle(info.hThread);
        return wingui::KernelHandle(info.hProcess);
    }
};

DWORD ExitCode(HANDLE process) {
    DWORD code = 12345;
    GetExitCodeProcess(process, &code);
    return code;
}

TEST_F(ProcessUtil, RunProgramPassesCommandLineAndWorkingDirectory) {
    Release();
    ASSERT_TRUE(RunProgram(nullptr, HelperProgram(), HelperArguments("--exit 3"), dir.Path(), true, false, false));
    ASSERT_TRUE(Exists(marker)) << "the wait ended before the program did";
    std::string text = FileText(marker);
    EXPECT_EQ(MarkerField(text, "line"), Quoted(HelperProgram()) + " " + HelperArguments("--exit 3"));
    EXPECT_EQ(CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, MarkerField(text, "cwd").c_str(), -1,
                             dir.Path().c_str(), -1),
              CSTR_EQUAL)
        << MarkerField(text, "cwd");
}

TEST_F(ProcessUtil, RunProgramWithoutWaitReturnsWhileTheProgramRuns) {
    ASSERT_TRUE(RunProgram(nullptr, HelperProgram(), HelperArguments(), "", false, false, false));
    ASSERT_TRUE(WaitForFile(started));
    EXPECT_FALSE(Exists(marker));
    Release();
    EXPECT_TRUE(WaitForFile(marker));
}

TEST_F(ProcessUtil, RunProgramAsksForMaximizedWindow) {
    Release();
    ASSERT_TRUE(RunProgram(nullptr, HelperProgram(), HelperArguments(), "", true, true, false));
    EXPECT_EQ(MarkerField(FileText(marker), "show"), std::to_string(SW_SHOWMAXIMIZED));
}

TEST_F(ProcessUtil, RunProgramFailsForMissingProgramOrDirectory) {
    EXPECT_FALSE(RunProgram(nullptr, dir.File("missing.exe"), "", "", true, false, false));
    EXPECT_FALSE(RunProgram(nullptr, HelperProgram(), "", dir.File("no such directory"), true, false, false));
}

TEST_F(ProcessUtil, BatchFileKeepsParentDisabledAndDiscardsClicksUntilItEnds) {
    std::string batch = dir.Write("tool.bat", "@echo off\r\n" + Quoted(HelperProgram()) + " " + HelperArguments() +
                                                  "\r\necho done> " + Quoted(dir.File("batch-done")) + "\r\n");
    CCountingWindow parent;
    ASSERT_TRUE(parent.Handle());
    bool disabledMeanwhile = false;
    LRESULT answer = 0;
    std::thread other([&] {
        if (!WaitForFile(started)) return;
        disabledMeanwhile = !IsWindowEnabled(parent.Handle());
        PostMessageA(parent.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        PostMessageA(parent.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
        PostMessageA(parent.Handle(), WM_KEYDOWN, VK_RETURN, 0);
        PostMessageA(parent.Handle(), WM_CHAR, '\r', 0);
        answer = SendMessageA(parent.Handle(), CCountingWindow::kPing, 0, 0);
        Release();
    });
    bool ran = RunProgram(parent.Handle(), batch, "", dir.Path(), true, false, true);
    other.join();
    ASSERT_TRUE(ran);
    EXPECT_TRUE(Exists(dir.File("batch-done"))) << "the wait ended before the batch file did";
    EXPECT_TRUE(disabledMeanwhile);
    EXPECT_TRUE(IsWindowEnabled(parent.Handle()));
    EXPECT_EQ(answer, 77);
    DrainMessages();
    EXPECT_EQ(parent.input.load(), 0);
}

TEST_F(ProcessUtil, WaitAnswersSentMessagesDispatchesOthersAndDropsInput) {
    wingui::KernelHandle process = StartHelper(HelperArguments());
    ASSERT_TRUE(process);
    CCountingWindow window;
    ASSERT_TRUE(window.Handle());
    LRESULT answer = 0;
    bool enabledMeanwhile = false;
    std::thread other([&] {
        if (!WaitForFile(started)) return;
        // Answered only if the waiting thread handles messages while it waits.
        answer = SendMessageA(window.Handle(), CCountingWindow::kPing, 0, 0);
        enabledMeanwhile = IsWindowEnabled(window.Handle()) != FALSE;
        PostMessageA(window.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
        PostMessageA(window.Handle(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(3, 3));
        PostMessageA(window.Handle(), WM_SYSKEYDOWN, VK_F4, 0);
        PostMessageA(window.Handle(), CCountingWindow::kPosted, 0, 0);
        // The posted message is handled during the wait before the helper may end.
        for (int i = 0; i < 1500 && window.posted.load() == 0; ++i) Sleep(20);
        Release();
    });
    EXPECT_TRUE(WaitForProcess(window.Handle(), process.Get(), false));
    other.join();
    EXPECT_EQ(WaitForSingleObject(process.Get(), 0), WAIT_OBJECT_0);
    EXPECT_EQ(answer, 77);
    EXPECT_TRUE(enabledMeanwhile);
    EXPECT_EQ(window.posted.load(), 1);
    DrainMessages();
    EXPECT_EQ(window.input.load(), 0);
}

TEST_F(ProcessUtil, InputWaitingWhenTheProcessEndsIsThrownAway) {
    CCountingWindow window;
    ASSERT_TRUE(window.Handle());
    Release();
    wingui::KernelHandle process = StartHelper(HelperArguments());
    ASSERT_TRUE(process);
    ASSERT_EQ(WaitForSingleObject(process.Get(), 30000), WAIT_OBJECT_0);
    PostMessageA(window.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, 0);
    PostMessageA(window.Handle(), WM_KEYUP, 'A', 0);
    PostMessageA(window.Handle(), WM_MOUSEWHEEL, 0, 0);
    PostMessageA(window.Handle(), CCountingWindow::kPosted, 0, 0);
    EXPECT_TRUE(WaitForProcess(window.Handle(), process.Get(), true));
    DrainMessages();
    EXPECT_EQ(window.input.load(), 0);
    EXPECT_EQ(window.posted.load(), 1);
    EXPECT_TRUE(IsWindowEnabled(window.Handle()));
}

TEST_F(ProcessUtil, CancelFlagTerminatesTheProgramWithExitCodeZero) {
    for (bool withWindow : {true, false}) {
        SCOPED_TRACE(withWindow ? "with a parent window" : "without a parent window");
        DeleteFileA(started.c_str());
        CCountingWindow window;
        wingui::KernelHandle process = StartHelper(HelperArguments("--exit 9"));
        ASSERT_TRUE(process);
        CancelFlag cancel{0};
        std::thread other([&] {
            if (WaitForFile(started)) cancel = 1;
        });
        EXPECT_TRUE(WaitForProcess(withWindow ? window.Handle() : nullptr, process.Get(), false, &cancel));
        other.join();
        EXPECT_EQ(ExitCode(process.Get()), 0u);
        EXPECT_FALSE(Exists(marker)) << "the program ended by itself instead of being cancelled";
    }
}

TEST_F(ProcessUtil, RunProgramHandsTheCancelFlagToTheWait) {
    CancelFlag cancel{0};
    std::thread other([&] {
        if (WaitForFile(started)) cancel = 1;
    });
    CCountingWindow window;
    EXPECT_TRUE(RunProgram(window.Handle(), HelperProgram(), HelperArguments(), "", true, false, false, &cancel));
    other.join();
    EXPECT_FALSE(Exists(marker));
}

TEST_F(ProcessUtil, ProgramEndingWithTheStillActiveCodeEndsTheWait) {
    Release();
    CCountingWindow window;
    wingui::KernelHandle process = StartHelper(HelperArguments("--exit 259"));
    ASSERT_TRUE(process);
    EXPECT_TRUE(WaitForProcess(window.Handle(), process.Get(), false));
    EXPECT_EQ(ExitCode(process.Get()), 259u);
}

TEST(SleepAndPump, DispatchesOnlyAfterASlice) {
    CCountingWindow window;
    CCountingWindow other;
    ASSERT_TRUE(window.Handle() && other.Handle());
    PostMessageA(window.Handle(), CCountingWindow::kPosted, 0, 0);
    PostMessageA(other.Handle(), CCountingWindow::kPosted, 0, 0);

    SleepAndPump(0, window.Handle());
    EXPECT_EQ(window.posted.load(), 0);

    SleepAndPump(1, window.Handle());
    EXPECT_EQ(window.posted.load(), 1);
    EXPECT_EQ(other.posted.load(), 0) << "only the given window's messages";

    SleepAndPump(1);
    EXPECT_EQ(other.posted.load(), 1);
}

}  // namespace
