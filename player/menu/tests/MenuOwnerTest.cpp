// The menu window under an owner that is not the player: a pane inside
// another window, reporting each press of a button to its listener.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "AutorunMenuDlg.h"
#include "MenuDialogIds.h"
#include "TestWindows.h"
#include "records/SettingsButton.h"
#include "records/SettingsHtml.h"

namespace {

class CRecordingOwner : public IMenuButtonListener {
public:
    std::vector<std::string> pressed;
    void OnMenuButtonPressed(int index, const std::string& caption) override {
        pressed.push_back(std::to_string(index) + ":" + caption);
    }
};

CSettingsHtml ThreeButtonMenu() {
    CSettingsHtml menu;
    menu.MenuLayoutType = 2;
    menu.Width = 400;
    menu.Height = 300;
    for (const char* name : {"Install", "Read Me", "Exit"}) {
        auto button = std::make_unique<CSettingsButton>();
        button->SetName(name);
        menu.Buttons().Add(std::move(button), false);
    }
    return menu;
}

TEST(MenuOwner, AMenuPaneSitsInsideItsOwnerAndReportsPressesToItsListener) {
    OleInitialize(nullptr);
    CSettingsHtml menu = ThreeButtonMenu();
    CTestParent owner(640, 480);
    CRecordingOwner listener;
    {
        CAutorunMenuDlg pane;
        pane.SetMenu(&menu);
        pane.SetBaseFolder(MENUWRIGHT_MENU_FIXTURES_WINDOWS);
        pane.SetButtonListener(&listener);
        ASSERT_TRUE(pane.ShowAsPane(owner.Handle()));
        HWND window = pane.Handle();
        EXPECT_EQ(GetParent(window), owner.Handle());
        EXPECT_TRUE(GetWindowLongPtrA(window, GWL_STYLE) & WS_CHILD);
        RECT placed;
        GetWindowRect(window, &placed);
        MapWindowPoints(nullptr, owner.Handle(), reinterpret_cast<POINT*>(&placed), 2);
        EXPECT_EQ(placed.left, 0);
        EXPECT_EQ(placed.top, 0);
        RECT client;
        GetClientRect(window, &client);
        EXPECT_EQ(client.right, 400);
        EXPECT_EQ(client.bottom, 300);

        SendMessageA(pane.Item(IDC_MENU_BUTTON_FIRST + 1), BM_CLICK, 0, 0);
        SendMessageA(pane.Item(IDC_MENU_BUTTON_FIRST + 2), BM_CLICK, 0, 0);
        // A click on the background neither closes nor drags a pane.
        SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(390, 290));
        PumpMessages();
        EXPECT_TRUE(IsWindow(window));
        GetWindowRect(window, &placed);
        MapWindowPoints(nullptr, owner.Handle(), reinterpret_cast<POINT*>(&placed), 2);
        EXPECT_EQ(placed.left, 0);

        // In preview the buttons do nothing.
        pane.SetPreviewMode(true);
        SendMessageA(pane.Item(IDC_MENU_BUTTON_FIRST), BM_CLICK, 0, 0);
    }
    EXPECT_EQ(listener.pressed, (std::vector<std::string>{"1:Read Me", "2:Exit"}));
    OleUninitialize();
}

}  // namespace
