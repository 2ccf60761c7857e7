#include <gtest/gtest.h>

#include "PictureEx.h"
#include "TestWindows.h"

namespace {

struct OleScope {
    OleScope() { OleInitialize(nullptr); }
    ~OleScope() { OleUninitialize(); }
};

class PictureControl : public ::testing::Test {
protected:
    OleScope ole;
    CTestParent parent;
    CPictureEx picture;

    HWND MakeControl(int width, int height) {
        HWND control = parent.AddChild(CPictureEx::kClassName, "", 0, 0, 0, width, height, 1001);
        picture.Attach(control);
        return control;
    }
};

}  // namespace

TEST_F(PictureControl, LoadsBitmapJpegAndGifWithTheirSizes) {
    MakeControl(100, 100);
    struct Case { const char* file; int width; int height; bool animated; };
    const Case cases[] = {
        {"Photo.jpg", 320, 240, false}, {"Logo.jpg", 300, 100, false}, {"Paper.bmp", 160, 120, false},
        {"Spinner.gif", 60, 40, true},  {"gif/single.gif", 20, 10, false}, {"gif/three-frames.gif", 16, 12, true},
        {"gif/offsets-dispose-background.gif", 24, 24, true},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(picture.Load(MenuFixture(c.file))) << c.file;
        EXPECT_EQ(picture.PictureSize().cx, c.width) << c.file;
        EXPECT_EQ(picture.PictureSize().cy, c.height) << c.file;
        EXPECT_EQ(picture.IsAnimated(), c.animated) << c.file;
    }
}

TEST_F(PictureControl, WhatIsNoPictureLeavesTheControlEmpty) {
    MakeControl(100, 100);
    std::vector<std::uint8_t> jpeg = ReadFixtureBytes("Photo.jpg");
    std::vector<std::uint8_t> gif = ReadFixtureBytes("gif/three-frames.gif");
    const std::vector<std::vector<std::uint8_t>> broken = {
        {},
        {'n', 'o', 't', ' ', 'a', ' ', 'p', 'i', 'c', 't', 'u', 'r', 'e'},
        std::vector<std::uint8_t>(gif.begin(), gif.begin() + 20),
        std::vector<std::uint8_t>(jpeg.begin(), jpeg.begin() + 4),
    };
    for (const auto& bytes : broken) {
        EXPECT_FALSE(picture.LoadFromBuffer(bytes.data(), bytes.size())) << bytes.size();
        EXPECT_EQ(picture.PictureSize().cx, 0);
        EXPECT_FALSE(picture.Draw());
        const RECT area = picture.GetPaintRect();
        EXPECT_TRUE(IsRectEmpty(&area));
    }
    EXPECT_FALSE(picture.Load(MenuFixture("no-such-file.jpg")));
}

TEST_F(PictureControl, ZeroSizedControlPaintsNothing) {
    HWND control = MakeControl(0, 0);
    ASSERT_TRUE(picture.Load(MenuFixture("Photo.jpg")));
    picture.BestFit = true;
    EXPECT_TRUE(picture.Draw());
    const RECT area = picture.GetPaintRect();
    EXPECT_TRUE(IsRectEmpty(&area));
    CPixelCanvas canvas(10, 10);
    picture.PaintTo(canvas.Dc());
    EXPECT_EQ(canvas.Pixel(0, 0), RGB(255, 255, 255));
    InvalidateRect(control, nullptr, TRUE);
    UpdateWindow(control);
}

TEST_F(PictureControl, DrawsWithTheFitModes) {
    MakeControl(300, 200);
    ASSERT_TRUE(picture.Load(MenuFixture("gif/single.gif")));  // 20 x 10, orange
    ASSERT_TRUE(picture.Draw());
    picture.BestFit = true;
    RECT area = picture.GetPaintRect();
    EXPECT_EQ(area.left, 140);
    EXPECT_EQ(area.top, 95);
    CPixelCanvas canvas(300, 200);
    picture.PaintTo(canvas.Dc());
    EXPECT_TRUE(NearColor(canvas.Pixel(150, 100), RGB(255, 165, 0)));
    EXPECT_EQ(canvas.Pixel(5, 5), RGB(255, 255, 255)) << "nothing is painted outside the picture";
    picture.BestFit = false;
    picture.StretchToFill = true;
    area = picture.GetPaintRect();
    EXPECT_EQ(area.right - area.left, 300);
    EXPECT_EQ(area.bottom - area.top, 200);
}

TEST_F(PictureControl, AnimationShowsEveryFrameAndStops) {
    MakeControl(16, 12);
    ASSERT_TRUE(picture.Load(MenuFixture("gif/three-frames.gif")));  // red, lime, blue; 100 ms each
    ASSERT_TRUE(picture.Draw());
    EXPECT_TRUE(picture.IsAnimationRunning());
    for (COLORREF wanted : {RGB(0, 255, 0), RGB(0, 0, 255), RGB(255, 0, 0)}) {
        EXPECT_TRUE(PumpUntil([&] {
            CPixelCanvas canvas(16, 12);
            picture.PaintTo(canvas.Dc());
            return NearColor(canvas.Pixel(8, 6), wanted);
        })) << std::hex << wanted;
    }
    const DWORD before = GetTickCount();
    picture.Stop();
    EXPECT_LT(GetTickCount() - before, 2000u);
    EXPECT_FALSE(picture.IsAnimationRunning());
    EXPECT_TRUE(picture.Draw()) << "a stopped animation starts again";
    EXPECT_TRUE(picture.IsAnimationRunning());
}

TEST_F(PictureControl, DestroyingOrUnloadingWhileAnimatingIsSafe) {
    for (int round = 0; round < 20; ++round) {
        HWND control = MakeControl(24, 24);
        ASSERT_TRUE(picture.Load(MenuFixture(round % 2 ? "gif/offsets-dispose-background.gif"
                                                       : "gif/dispose-previous-local-tables.gif")));
        ASSERT_TRUE(picture.Draw());
        PumpMessages();
        if (round % 3 == 0) {
            picture.Unload();
            EXPECT_FALSE(picture.IsAnimationRunning());
        }
        DestroyWindow(control);
        EXPECT_FALSE(picture.IsAnimationRunning());
        EXPECT_EQ(picture.Handle(), nullptr);
    }
}
