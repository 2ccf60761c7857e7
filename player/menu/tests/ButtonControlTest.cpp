#include <gtest/gtest.h>

#include "ButtonTxt.h"
#include "StaticEx.h"
#include "TestWindows.h"

namespace {

// Opens the state choice for the tests.
class CInspectedButton : public CButtonTxt {
public:
    using CButtonEx::ChooseState;
};

std::string WriteTinyWave() {
    char directory[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, directory);
    const std::string path = std::string(directory) + "mw-menu-test-rollover.wav";
    const std::uint32_t samples = 800;
    std::string wave = "RIFF";
    auto put32 = [&](std::uint32_t v) { wave.append(reinterpret_cast<const char*>(&v), 4); };
    auto put16 = [&](std::uint16_t v) { wave.append(reinterpret_cast<const char*>(&v), 2); };
    put32(36 + samples);
    wave += "WAVEfmt ";
    put32(16);
    put16(1);
    put16(1);
    put32(8000);
    put32(8000);
    put16(1);
    put16(8);
    wave += "data";
    put32(samples);
    wave.append(samples, char(0x80));
    std::ofstream(path, std::ios::binary) << wave;
    return path;
}

class PictureButton : public ::testing::Test {
protected:
    CTestParent parent;
    CInspectedButton button;
    HWND control = nullptr;

    void SetUp() override {
        control = parent.AddChild("Button", "Caption", BS_OWNERDRAW, 10, 10, 50, 20, 1002);
        button.Attach(control);
    }
    void MoveMouse(int x, int y) { SendMessageA(control, WM_MOUSEMOVE, 0, MAKELPARAM(x, y)); }
};

}  // namespace

TEST_F(PictureButton, TakesTheNormalPictureSize) {
    ASSERT_TRUE(button.SetBitmaps(MenuFixture("BtnU.bmp"), "", "", "", ""));
    EXPECT_EQ(button.GetBitmapWidth(), 200);
    EXPECT_EQ(button.GetBitmapHeight(), 40);
    RECT rect;
    GetWindowRect(control, &rect);
    EXPECT_EQ(rect.right - rect.left, 200);
    EXPECT_EQ(rect.bottom - rect.top, 40);
}

TEST_F(PictureButton, LeftUnsizedTakesThePictureSizeAtItsFirstDrawing) {
    const CButtonEx::PictureSet set = CButtonEx::LoadPictureSet(MenuFixture("BtnU.bmp"), "", "", "", "");
    ASSERT_TRUE(button.SetBitmaps(set, CButtonEx::Sizing::AtFirstDrawing));
    EXPECT_EQ(button.GetBitmapWidth(), 200);
    RECT rect;
    GetWindowRect(control, &rect);
    EXPECT_EQ(rect.right - rect.left, 50) << "not sized yet";
    InvalidateRect(control, nullptr, TRUE);
    UpdateWindow(control);
    GetWindowRect(control, &rect);
    EXPECT_EQ(rect.right - rect.left, 200);
    EXPECT_EQ(rect.bottom - rect.top, 40);
}

TEST_F(PictureButton, WithoutANormalPictureOnlyTheCaptionShows) {
    EXPECT_FALSE(button.SetBitmaps(MenuFixture("missing.bmp"), MenuFixture("BtnD.bmp"), "", "", ""));
    EXPECT_FALSE(button.HasPicture(CButtonEx::kNormal));
    EXPECT_EQ(button.GetBitmapWidth(), 0);
    button.Show(true);
    EXPECT_TRUE(IsWindowVisible(control)) << "a captioned button still shows its caption";

    CTestParent other;
    CButtonEx bare;
    HWND bareControl = other.AddChild("Button", "", BS_OWNERDRAW, 0, 0, 10, 10, 1);
    bare.Attach(bareControl);
    bare.Show(true);
    EXPECT_FALSE(IsWindowVisible(bareControl)) << "a picture button without a picture stays hidden";
}

TEST_F(PictureButton, ChoosesThePictureByStateAndHover) {
    // No pressed picture: pressing shows the normal one.
    ASSERT_TRUE(button.SetBitmaps(MenuFixture("BtnU.bmp"), "", MenuFixture("BtnF.bmp"), MenuFixture("BtnR.bmp"), ""));
    struct Case { UINT state; bool hover; CButtonEx::PictureState picture; };
    const Case withoutPressed[] = {
        {0, false, CButtonEx::kNormal},        {ODS_SELECTED, false, CButtonEx::kNormal},
        {ODS_FOCUS, false, CButtonEx::kFocus}, {ODS_FOCUS, true, CButtonEx::kRollover},
        {0, true, CButtonEx::kRollover},       {ODS_DISABLED, false, CButtonEx::kNormal},
    };
    for (const Case& c : withoutPressed) {
        MoveMouse(c.hover ? 5 : -50, c.hover ? 5 : -50);
        EXPECT_EQ(button.IsHovering(), c.hover);
        EXPECT_EQ(button.ChooseState(c.state), c.picture) << c.state << " " << c.hover;
    }
    ASSERT_TRUE(button.SetBitmaps(MenuFixture("BtnU.bmp"), MenuFixture("BtnD.bmp"), MenuFixture("BtnF.bmp"),
                                  MenuFixture("BtnR.bmp"), ""));
    MoveMouse(5, 5);
    EXPECT_EQ(button.ChooseState(ODS_SELECTED | ODS_FOCUS), CButtonEx::kPressed);
    EXPECT_EQ(button.ChooseState(ODS_FOCUS), CButtonEx::kRollover);
}

TEST_F(PictureButton, RolloverSoundPlaysOncePerEntry) {
    const std::string wave = WriteTinyWave();
    button.SetSounds(wave, MenuFixture("missing.wav"));
    EXPECT_TRUE(button.HasRolloverSound());
    EXPECT_TRUE(button.ClickSound().empty());
    MoveMouse(5, 5);
    MoveMouse(6, 6);
    MoveMouse(7, 5);
    EXPECT_EQ(button.RolloverPlays(), 1);
    MoveMouse(-20, 5);
    EXPECT_FALSE(button.IsHovering());
    MoveMouse(5, 5);
    EXPECT_EQ(button.RolloverPlays(), 2);
    button.SetSounds(MenuFixture("missing.wav"), wave);
    EXPECT_FALSE(button.HasRolloverSound());
    EXPECT_EQ(button.ClickSound(), wave);
    DestroyWindow(control);
    DeleteFileA(wave.c_str());
}

TEST(Label, TwoLinesTakeTheWiderLineAndBothHeights) {
    CTestParent parent;
    CStaticEx label;
    HWND control = parent.AddChild("Static", "", 0, 0, 0, 10, 10, 1000);
    label.Attach(control);
    label.SetFontName("Arial");
    label.SetFontSize(14);
    label.SetText("Short\nA much longer line", false, true);
    const SIZE size = label.SizeToText();

    HDC dc = GetDC(control);
    HGDIOBJ previous = SelectObject(dc, label.GetFont());
    SIZE shortLine, longLine;
    GetTextExtentPoint32A(dc, "Short", 5, &shortLine);
    GetTextExtentPoint32A(dc, "A much longer line", 18, &longLine);
    SelectObject(dc, previous);
    ReleaseDC(control, dc);
    EXPECT_EQ(size.cx, longLine.cx);
    EXPECT_EQ(size.cy, shortLine.cy + longLine.cy);
    RECT rect;
    GetWindowRect(control, &rect);
    EXPECT_EQ(rect.right - rect.left, size.cx);

    CStaticEx windowless;
    const SIZE none = windowless.SizeToText();
    EXPECT_EQ(none.cx, 0);
    EXPECT_EQ(none.cy, 0);
    EXPECT_FALSE(windowless.MoveTo(1, 1));
}

TEST_F(PictureButton, PaintsThePictureOfItsState) {
    ASSERT_TRUE(button.SetBitmaps(MenuFixture("BtnU.bmp"), MenuFixture("BtnD.bmp"), MenuFixture("BtnF.bmp"),
                                  MenuFixture("BtnR.bmp"), ""));
    auto paint = [&] {
        InvalidateRect(control, nullptr, TRUE);
        UpdateWindow(control);
        return button.LastDrawn();
    };
    MoveMouse(-50, -50);
    EXPECT_EQ(paint(), CButtonEx::kNormal);
    SendMessageA(control, BM_SETSTATE, TRUE, 0);
    EXPECT_EQ(paint(), CButtonEx::kPressed);
    SendMessageA(control, BM_SETSTATE, FALSE, 0);
    MoveMouse(5, 5);
    EXPECT_EQ(paint(), CButtonEx::kRollover);
    EnableWindow(control, FALSE);
    MoveMouse(-50, -50);
    EXPECT_EQ(paint(), CButtonEx::kNormal) << "no disabled picture: the normal one";
}
