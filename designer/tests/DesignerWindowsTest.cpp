// The designer's windows in-process, where the end-to-end tests cannot look
// closely: the splash thread's life, and what the Add and Rename dialogs
// offer and answer.
#include <gtest/gtest.h>

#include "AddSettingDialog.h"
#include "DialogDriver.h"
#include "RenameDialog.h"
#include "SplashThread.h"
#include "../resource.h"

namespace {

TEST(SplashThread, ShowsThePictureCentredAndClosesOnlyWhenTheProgramSays) {
    CSplashThread splash;
    ASSERT_TRUE(splash.Start(IDB_SPLASH));
    ASSERT_TRUE(testwin::WaitUntil([&] { return splash.Window() != nullptr; }));
    HWND window = splash.Window();
    RECT area;
    GetWindowRect(window, &area);
    BITMAP picture{};
    HBITMAP bitmap = LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_SPLASH));
    GetObjectA(bitmap, sizeof(picture), &picture);
    DeleteObject(bitmap);
    EXPECT_EQ(area.right - area.left, picture.bmWidth);
    EXPECT_EQ(area.bottom - area.top, picture.bmHeight);
    EXPECT_NEAR((area.left + area.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 1);

    // Closing from outside does nothing while start-up goes on.
    SendMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_TRUE(IsWindow(window));
    splash.Close();
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(splash.Window(), nullptr);
}

TEST(SplashThread, APictureThatCannotBeShownDoesNotHoldUpTheStart) {
    CSplashThread splash;
    ASSERT_TRUE(splash.Start(9999));
    const DWORD start = GetTickCount();
    splash.Close();
    EXPECT_LT(GetTickCount() - start, CSplashThread::kMaxWaitForWindowMs) << "the thread said it has no window";
    EXPECT_EQ(splash.Window(), nullptr);
}

int ListCount(HWND dialog) { return int(SendDlgItemMessageA(dialog, IDC_SETTING_LIST, LB_GETCOUNT, 0, 0)); }

TEST(AddSettingDialog, ButtonsOfferOnlyWhatAButtonCanRunAndNeedAName) {
    int actionEntries = 0;
    testwin::CDialogDriver actions([&](DWORD main) {
        HWND dialog = testwin::WaitForThreadWindow(main, "#32770", "Add Action");
        ASSERT_NE(dialog, nullptr);
        actionEntries = ListCount(dialog);
        testwin::Click(dialog, IDOK);
    });
    CAddSettingDialog addAction(AddStepMode::kAction, false);
    ASSERT_EQ(addAction.DoModal(nullptr), IDOK);
    actions.Finish();
    EXPECT_EQ(actionEntries, 12) << "no standard viewer is defined";
    EXPECT_EQ(addAction.Chosen().settingType, 3);
    EXPECT_EQ(addAction.Chosen().actionKind, 101) << "Open Document is selected at first";

    int buttonEntries = 0;
    testwin::CDialogDriver button([&](DWORD main) {
        HWND dialog = testwin::WaitForThreadWindow(main, "#32770", "Add Button");
        ASSERT_NE(dialog, nullptr);
        buttonEntries = ListCount(dialog);
        SetDlgItemTextA(dialog, IDC_BUTTON_NAME, std::string(40, 'b').c_str());
        testwin::Click(dialog, IDOK);
    });
    CAddSettingDialog addButton(AddStepMode::kButton, true);
    ASSERT_EQ(addButton.DoModal(nullptr), IDOK);
    button.Finish();
    EXPECT_EQ(buttonEntries, 9) << "no license, security, splash or message; the standard viewer entry";
    EXPECT_EQ(addButton.ButtonName(), std::string(32, 'b')) << "a button name holds 32 characters";
}

TEST(RenameDialog, AnswersTheTrimmedNameAndKeepsTheOldOneOnCancel) {
    testwin::CDialogDriver rename([](DWORD main) {
        HWND dialog = testwin::WaitForThreadWindow(main, "#32770", "Rename File");
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(testwin::ItemText(dialog, IDC_RENAME_LABEL), "A shorter name:");
        EXPECT_FALSE(IsWindowVisible(GetDlgItem(dialog, IDHELP))) << "no help without a topic";
        SetDlgItemTextA(dialog, IDC_RENAME_TEXT, "  \t ");
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, IDOK)));
        SetDlgItemTextA(dialog, IDC_RENAME_TEXT, "  Short.txt ");
        testwin::Click(dialog, IDOK);
    });
    CRenameDialog dialog("A very long name.txt");
    dialog.SetTitle("Rename File");
    dialog.SetLabel("A shorter name:");
    dialog.SetHelpContext(0);
    ASSERT_EQ(dialog.DoModal(nullptr), IDOK);
    rename.Finish();
    EXPECT_EQ(dialog.Name(), "Short.txt");

    testwin::CDialogDriver cancel([](DWORD main) {
        HWND shown = testwin::WaitForThreadWindow(main, "#32770", "Rename");
        ASSERT_NE(shown, nullptr);
        testwin::Click(shown, IDCANCEL);
    });
    CRenameDialog kept("Menu");
    EXPECT_EQ(kept.DoModal(nullptr), IDCANCEL);
    cancel.Finish();
    EXPECT_EQ(kept.Name(), "Menu");
}

}  // namespace
