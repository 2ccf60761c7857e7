// The splash window under Wine: its size and place, its time, Escape, and
// nothing at all without a picture it can load.
#include <gtest/gtest.h>

#include <cstring>

#include "StepTestSupport.h"
#include "SplashFixture.h"
#include "splash/SplashSound.h"
#include "splash/SplashStep.h"

using namespace steptest;

TEST(SplashWindow, PictureSizedCentredAndClosedWhenItsTimeIsUp) {
    CTempDisc disc;
    disc.Write("\\AutoRun\\Splash.bmp", SplashBitmap(120, 80));
    RECT shown = {};
    LONG style = 0;
    bool found = false;
    CDialogDriver driver([&](DWORD mainThread) {
        HWND splash = WaitForThreadWindow(mainThread, "#32770", nullptr);
        if (!splash) return;
        found = true;
        GetWindowRect(splash, &shown);
        style = GetWindowLongA(splash, GWL_STYLE);
    });
    const DWORD start = GetTickCount();
    ShowSplash(Splash(1), disc.Root());
    const DWORD elapsed = GetTickCount() - start;
    driver.Finish();
    ASSERT_TRUE(found);
    EXPECT_EQ(shown.right - shown.left, 120);
    EXPECT_EQ(shown.bottom - shown.top, 80);
    EXPECT_EQ(shown.left, (GetSystemMetrics(SM_CXSCREEN) - 120) / 2);
    EXPECT_EQ(shown.top, (GetSystemMetrics(SM_CYSCREEN) - 80) / 2);
    EXPECT_EQ(style & (WS_CAPTION | WS_BORDER | WS_THICKFRAME), 0);
    EXPECT_GE(elapsed, 900u);
    EXPECT_LT(elapsed, 8000u);
}

TEST(SplashWindow, EscapeClosesItEarly) {
    CTempDisc disc;
    disc.Write("\\AutoRun\\Splash.bmp", SplashBitmap(60, 40));
    bool found = false;
    CDialogDriver driver([&](DWORD mainThread) {
        HWND splash = WaitForThreadWindow(mainThread, "#32770", nullptr);
        if (!splash) return;
        found = true;
        PressKey(splash, VK_ESCAPE);
        WaitForWindowGone(splash, 5000);
    });
    const DWORD start = GetTickCount();
    ShowSplash(Splash(30), disc.Root());
    driver.Finish();
    EXPECT_TRUE(found);
    EXPECT_LT(GetTickCount() - start, 10000u);
}

TEST(SplashWindow, NothingIsShownWithoutALoadablePicture) {
    CTempDisc disc;
    disc.Write("\\AutoRun\\NotABitmap.bmp", "this is text, not a picture");
    disc.Write("\\AutoRun\\Sound.wav", "RIFF");
    for (const char* file : {"\\AutoRun\\Missing.bmp", "\\AutoRun\\NotABitmap.bmp"}) {
        CSettingsSplash splash = Splash(30);
        splash.ImageFile = file;
        splash.Sound = true;
        splash.SoundFile = "\\AutoRun\\Sound.wav";
        bool windowSeen = false;
        CDialogDriver driver([&](DWORD mainThread) {
            windowSeen = WaitForThreadWindow(mainThread, nullptr, nullptr, 1500) != nullptr;
        });
        const DWORD start = GetTickCount();
        ShowSplash(splash, disc.Root());
        EXPECT_LT(GetTickCount() - start, 1000u) << file;
        driver.Finish();
        EXPECT_FALSE(windowSeen) << file;
    }
}
