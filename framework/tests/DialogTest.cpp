// One dialog template runs modal, modeless and as a pane inside another
// window; each ends the way its mode ends.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "Dialog.h"
#include "DialogDriver.h"
#include "FrameworkTestIds.h"
#include "MessageLoop.h"
#include "Window.h"

namespace {

class CPane : public wingui::CDialog {
public:
    CPane() : CDialog(IDD_TEST_PANE) {}
    bool initialised = false;
    bool destroyed = false;
    int notified = 0;

protected:
    BOOL OnInitDialog() override {
        initialised = true;
        return TRUE;
    }
    bool OnCommand(WORD id, WORD notifyCode, HWND control) override {
        if (id == ID_TEST_CLOSE) {
            End(42);
            return true;
        }
        return CDialog::OnCommand(id, notifyCode, control);
    }
    bool OnNotify(const NMHDR& header, INT_PTR& result) override {
        notified = int(header.code);
        result = 9;
        return true;
    }
    void OnDestroyed() override { destroyed = true; }
};

void Pump() {
    MSG message;
    wingui::CMessageLoop loop;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (loop.PreTranslate(message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

TEST(Dialog, AModalDialogEndsWithTheButtonOrTheResultGiven) {
    CPane pane;
    testwin::CDialogDriver ok([](DWORD main) {
        HWND dialog = testwin::WaitForThreadWindow(main, "#32770", "Framework pane");
        ASSERT_NE(dialog, nullptr);
        testwin::Click(dialog, IDOK);
    });
    EXPECT_EQ(pane.DoModal(nullptr), IDOK);
    ok.Finish();
    EXPECT_TRUE(pane.initialised);
    EXPECT_TRUE(pane.destroyed);

    testwin::CDialogDriver closed([](DWORD main) {
        HWND dialog = testwin::WaitForThreadWindow(main, "#32770", "Framework pane");
        ASSERT_NE(dialog, nullptr);
        PostMessageA(dialog, WM_COMMAND, ID_TEST_CLOSE, 0);
    });
    EXPECT_EQ(pane.DoModal(nullptr), 42);
    closed.Finish();
}

TEST(Dialog, AModelessDialogTakesItsKeysFromTheLoopAndGoesOnCancel) {
    CPane pane;
    ASSERT_TRUE(pane.CreateModeless(nullptr));
    ShowWindow(pane.Handle(), SW_SHOW);
    // The focus goes only to a window that is active: another program that
    // started just now (Wine's own desktop, on a fresh server) may still be.
    SetForegroundWindow(pane.Handle());
    SetActiveWindow(pane.Handle());
    SetFocus(pane.Item(IDC_FIRST_EDIT));
    ASSERT_TRUE(testwin::WaitUntil([&] {
        SetFocus(pane.Item(IDC_FIRST_EDIT));
        return GetFocus() == pane.Item(IDC_FIRST_EDIT);
    }));
    PostMessageA(pane.Item(IDC_FIRST_EDIT), WM_KEYDOWN, VK_TAB, 0);
    Pump();
    EXPECT_EQ(GetFocus(), pane.Item(IDC_SECOND_EDIT));

    // Escape through the dialog manager is Cancel, which destroys the window.
    PostMessageA(pane.Item(IDC_SECOND_EDIT), WM_KEYDOWN, VK_ESCAPE, 0);
    Pump();
    EXPECT_EQ(pane.Handle(), nullptr);
    EXPECT_TRUE(pane.destroyed);
}

TEST(Dialog, AChildDialogIsAPaneWithoutFrameInsideItsParent) {
    ASSERT_TRUE(wingui::RegisterWindowClass({"FrameworkTestFrame"}));
    wingui::CWindow frame;
    ASSERT_TRUE(frame.Create("FrameworkTestFrame", "Frame", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, {0, 0, 500, 400},
                             nullptr));
    HWND paneWindow = nullptr;
    {
        CPane pane;
        ASSERT_TRUE(pane.CreateChild(frame.Handle()));
        paneWindow = pane.Handle();
        const LONG_PTR style = GetWindowLongPtrA(paneWindow, GWL_STYLE);
        EXPECT_TRUE(style & WS_CHILD);
        EXPECT_TRUE(style & WS_VISIBLE);
        EXPECT_FALSE(style & WS_CAPTION);
        EXPECT_FALSE(style & WS_POPUP);
        EXPECT_EQ(GetParent(paneWindow), frame.Handle());

        NMHDR header = {pane.Item(IDC_TREE), IDC_TREE, TVN_SELCHANGEDA};
        EXPECT_EQ(SendMessageA(paneWindow, WM_NOTIFY, IDC_TREE, reinterpret_cast<LPARAM>(&header)), 9);
        EXPECT_EQ(pane.notified, int(TVN_SELCHANGEDA));
    }
    // The pane goes with its object; the frame stays.
    EXPECT_FALSE(IsWindow(paneWindow));
    EXPECT_TRUE(IsWindow(frame.Handle()));
}

}  // namespace
