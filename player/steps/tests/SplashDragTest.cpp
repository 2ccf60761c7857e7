// Dragging the splash window by its picture, with real mouse input. A
// program of its own: the window manager's move loop is the one part of the
// step that depends on the desktop the tests run on.
#include <gtest/gtest.h>

#include "DialogDriver.h"
#include "records/SettingsSplash.h"
#include "splash/SplashSound.h"

using namespace steptest;

namespace {

// A 24-bit bitmap file of the given size, in one colour.
std::string BitmapFile(int width, int height) {
    const int stride = (width * 3 + 3) & ~3;
    BITMAPFILEHEADER file = {};
    BITMAPINFOHEADER info = {};
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = DWORD(file.bfOffBits + stride * height);
    std::string bytes(reinterpret_cast<const char*>(&file), sizeof file);
    bytes.append(reinterpret_cast<const char*>(&info), sizeof info);
    std::string row(size_t(stride), '\0');
    for (int x = 0; x < width; ++x) {
        row[size_t(x * 3)] = char(0xC0);      // blue
        row[size_t(x * 3 + 1)] = char(0x60);  // green
        row[size_t(x * 3 + 2)] = char(0x20);  // red
    }
    for (int y = 0; y < height; ++y) bytes += row;
    return bytes;
}

CSettingsSplash Splash(std::int32_t length) {
    CSettingsSplash splash;
    splash.Image = true;
    splash.ImageFile = "\\AutoRun\\Splash.bmp";
    splash.Length = length;
    return splash;
}

}  // namespace

TEST(SplashWindow, DraggingThePictureMovesItAndDoesNotEndTheStep) {
    CTempDisc disc;
    disc.Write("\\AutoRun\\Splash.bmp", BitmapFile(100, 100));
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
