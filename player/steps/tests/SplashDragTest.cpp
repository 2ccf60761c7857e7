// Dragging the splash window by its picture, with real mouse input. A
// program of its own: the window manager's move loop is the one part of the
// step that depends on the desktop the tests run on.
#include <gtest/gtest.h>

#include "StepTestSupport.h"
#include "SplashFixture.h"
#include "splash/SplashSound.h"
#include "splash/SplashStep.h"

using namespace steptest;

namespace {

bool InMoveLoop(DWORD thread) {
    GUITHREADINFO info = {};
    info.cbSize = sizeof(info);
    return GetGUIThreadInfo(thread, &info) && (info.flags & GUI_INMOVESIZE) != 0;
}

RECT WindowRect(HWND window) {
    RECT rect = {};
    GetWindowRect(window, &rect);
    return rect;
}

}  // namespace

// Each step waits for what the window manager does with the input before
// the next one: the window shown, the move loop entered, the window moved
// with the cursor, the loop left.
TEST(SplashWindow, DraggingThePictureMovesItAndDoesNotEndTheStep) {
    CTempDisc disc;
    disc.Write("\\AutoRun\\Splash.bmp", SplashBitmap(100, 100));
    RECT before = {}, after = {};
    bool stillShown = false, moveLoopEntered = false, followed = true, moveLoopLeft = false;
    CDialogDriver driver([&](DWORD mainThread) {
        HWND splash = WaitForThreadWindow(mainThread, "#32770", nullptr);
        if (!splash) return;
        WaitUntil([&] { return GetForegroundWindow() == splash; });
        before = WindowRect(splash);
        SetCursorPos(before.left + 50, before.top + 50);
        mouse_event(MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0);
        moveLoopEntered = WaitUntil([&] { return InMoveLoop(mainThread); });
        for (int step = 1; step <= 8; ++step) {
            SetCursorPos(before.left + 50 - step * 10, before.top + 50 + step * 5);
            mouse_event(MOUSEEVENTF_MOVE, 0, 0, 0, 0);
            followed = WaitUntil([&] {
                const RECT now = WindowRect(splash);
                return now.left == before.left - step * 10 && now.top == before.top + step * 5;
            }, 2000) && followed;
        }
        mouse_event(MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
        moveLoopLeft = WaitUntil([&] { return !InMoveLoop(mainThread); });
        after = WindowRect(splash);
        stillShown = IsWindowVisible(splash) != FALSE;
        PressKey(splash, VK_ESCAPE);
        WaitForWindowGone(splash, 5000);
    });
    ShowSplash(Splash(30), disc.Root());
    driver.Finish();
    EXPECT_TRUE(moveLoopEntered);
    EXPECT_TRUE(followed) << "the window follows the cursor while the button is down";
    EXPECT_TRUE(moveLoopLeft);
    EXPECT_TRUE(stillShown);
    EXPECT_EQ(after.left - before.left, -80);
    EXPECT_EQ(after.top - before.top, 40);
}
