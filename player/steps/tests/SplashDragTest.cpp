// Dragging the splash window by its picture, with real mouse input. A
// program of its own: the window manager's move loop is the one part of the
// step that depends on the desktop the tests run on.
#include <gtest/gtest.h>

#include "DialogDriver.h"
#include "SplashFixture.h"
#include "splash/SplashSound.h"

using namespace steptest;

TEST(SplashWindow, DraggingThePictureMovesItAndDoesNotEndTheStep) {
    CTempDisc disc;
    disc.Write("\\AutoRun\\Splash.bmp", SplashBitmap(100, 100));
    RECT before = {}, after = {};
    bool stillShown = false;
    CDialogDriver driver([&](DWORD mainThread) {
        HWND splash = WaitForThreadWindow(mainThread, "#32770", nullptr);
        if (!splash) return;
        Sleep(200);
        GetWindowRect(splash, &before);
        SetCursorPos(before.left + 50, before.top + 50);
        mouse_event(MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0);
        Sleep(100);
        for (int step = 1; step <= 8; ++step) {
            SetCursorPos(before.left + 50 - step * 10, before.top + 50 + step * 5);
            mouse_event(MOUSEEVENTF_MOVE, 0, 0, 0, 0);
            Sleep(30);
        }
        mouse_event(MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
        Sleep(300);
        GetWindowRect(splash, &after);
        stillShown = IsWindowVisible(splash) != FALSE;
        PressKey(splash, VK_ESCAPE);
        WaitForWindowGone(splash, 5000);
    });
    ShowSplash(Splash(30), disc.Root());
    driver.Finish();
    EXPECT_TRUE(stillShown);
    EXPECT_EQ(after.left - before.left, -80);
    EXPECT_EQ(after.top - before.top, 40);
}
