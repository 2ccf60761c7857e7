#include <gtest/gtest.h>

#include "AutorunMenuDlg.h"
#include "MenuDialogIds.h"
#include "TestWindows.h"
#include "records/SettingsButton.h"
#include "records/SettingsHtml.h"

namespace {

// The designer's preview, looked at once it is up and then closed the way
// the test says.
class CInspectedPreview : public CAutorunMenuDlg {
public:
    static constexpr UINT kInspect = WM_APP + 7;
    UINT closeWith = WM_LBUTTONDOWN;  // or WM_COMMAND for Escape
    std::vector<bool> visible;
    std::vector<RECT> rects;
    RECT client = {};
    std::string title;

protected:
    BOOL OnInitDialog() override {
        const BOOL result = CAutorunMenuDlg::OnInitDialog();
        PostMessageA(Handle(), kInspect, 0, 0);
        return result;
    }
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override {
        if (message != kInspect) return CAutorunMenuDlg::OnMessage(message, wParam, lParam, result);
        GetClientRect(Handle(), &client);
        char text[256] = {};
        GetWindowTextA(Handle(), text, sizeof(text));
        title = text;
        for (int id = IDC_MENU_TITLE; id <= IDC_MENU_SUBTITLE; ++id) {
            HWND child = Item(id);
            visible.push_back(IsWindowVisible(child) != FALSE);
            RECT rect;
            GetWindowRect(child, &rect);
            MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&rect), 2);
            rects.push_back(rect);
        }
        if (closeWith == WM_LBUTTONDOWN) {
            PostMessageA(Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(600, 450));
        } else {
            PostMessageA(Handle(), WM_COMMAND, IDCANCEL, 0);
        }
        return true;
    }
};

CSettingsHtml PreviewMenu(int buttons) {
    CSettingsHtml menu;
    menu.WindowName = "";
    menu.BackgroundType = CSettingsHtml::kVerticalLinear;
    menu.ButtonUFile = "\\BtnU.bmp";
    menu.ButtonRFile = "\\BtnR.bmp";
    menu.MenuLayoutType = 3;
    menu.UseImage = true;
    menu.ImageFilename = "\\Photo.jpg";
    menu.LogoFilename = "\\missing-logo.gif";
    for (int i = 0; i < buttons; ++i) {
        auto button = std::make_unique<CSettingsButton>();
        button->SetName("Button " + std::to_string(i + 1));
        menu.Buttons().Add(std::move(button), false);
    }
    return menu;
}

constexpr int kButton1 = IDC_MENU_BUTTON_FIRST - IDC_MENU_TITLE;
constexpr int kImage = IDC_MENU_IMAGE - IDC_MENU_TITLE;
constexpr int kLogo = IDC_MENU_LOGO - IDC_MENU_TITLE;
constexpr int kTitle = 0;

}  // namespace

TEST(MenuPreview, LaysOutTheRecordAndClosesOnABackgroundClick) {
    OleInitialize(nullptr);
    CSettingsHtml menu = PreviewMenu(14);
    CInspectedPreview preview;
    preview.SetMenu(&menu);
    preview.SetPreviewMode(true);
    preview.SetBaseFolder(std::string(MENUWRIGHT_MENU_FIXTURES_WINDOWS) + "\\");
    EXPECT_EQ(preview.BaseFolder(), MENUWRIGHT_MENU_FIXTURES_WINDOWS);
    EXPECT_EQ(preview.ShowModal(), IDOK);

    ASSERT_EQ(preview.visible.size(), size_t(IDC_MENU_SUBTITLE - IDC_MENU_TITLE + 1));
    EXPECT_EQ(preview.title, "AutoRun");
    EXPECT_EQ(preview.client.right, 660);
    EXPECT_EQ(preview.client.bottom, 495);
    for (int i = 0; i < 12; ++i) EXPECT_TRUE(preview.visible[size_t(kButton1 + i)]) << i;
    // Layout 3: the buttons on the right at 660 - 9 - 200, the image on the left.
    EXPECT_EQ(preview.rects[size_t(kButton1)].left, 451);
    EXPECT_TRUE(preview.visible[size_t(kImage)]);
    EXPECT_EQ(preview.rects[size_t(kImage)].left, 15);
    EXPECT_EQ(preview.rects[size_t(kImage)].right - preview.rects[size_t(kImage)].left, 424);
    // The missing logo: titles start at 30, aligned left.
    EXPECT_TRUE(preview.visible[size_t(kLogo)]);
    EXPECT_EQ(preview.rects[size_t(kTitle)].left, 30);
    EXPECT_FALSE(preview.visible[size_t(IDC_MENU_SUBTITLE - IDC_MENU_TITLE)]);
    EXPECT_TRUE(preview.visible[size_t(IDC_MENU_CLOSE - IDC_MENU_TITLE)]);
    OleUninitialize();
}

TEST(MenuPreview, EscapeEndsWithCancelAndCentredLayoutHasNoImage) {
    OleInitialize(nullptr);
    CSettingsHtml menu = PreviewMenu(2);
    menu.MenuLayoutType = 2;
    menu.WindowName = "Preview";
    menu.Width = 330;
    menu.Height = 250;
    CInspectedPreview preview;
    preview.closeWith = WM_COMMAND;
    preview.SetMenu(&menu);
    preview.SetPreviewMode(true);
    preview.SetBaseFolder(MENUWRIGHT_MENU_FIXTURES_WINDOWS);
    EXPECT_EQ(preview.ShowModal(), IDCANCEL);
    EXPECT_EQ(preview.title, "Preview");
    EXPECT_EQ(preview.client.right, 330);
    EXPECT_FALSE(preview.visible[size_t(kImage)]);
    EXPECT_EQ(preview.rects[size_t(kButton1)].left, (330 - 200) / 2);
    EXPECT_TRUE(preview.visible[size_t(kButton1 + 1)]);
    EXPECT_FALSE(preview.visible[size_t(kButton1 + 2)]);
    OleUninitialize();
}
