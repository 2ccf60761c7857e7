// A window object sees its window's messages and hands each kind to its
// handler; what it does not handle reaches the window's own procedure.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DeviceContexts.h"
#include "Window.h"

#include <commctrl.h>

namespace {

constexpr char kTestClass[] = "FrameworkTestWindow";

class CRecordingWindow : public wingui::CWindow {
public:
    std::vector<std::string> seen;
    bool destroyed = false;

protected:
    bool OnCommand(WORD id, WORD notifyCode, HWND) override {
        seen.push_back("command " + std::to_string(id) + "/" + std::to_string(notifyCode));
        return true;
    }
    bool OnNotify(const NMHDR& header, LRESULT& result) override {
        seen.push_back("notify " + std::to_string(header.idFrom));
        result = 77;
        return true;
    }
    bool OnPaint() override {
        wingui::PaintScope paint(Handle());
        seen.push_back("paint");
        return true;
    }
    bool OnSize(UINT, int width, int height) override {
        seen.push_back("size " + std::to_string(width) + "x" + std::to_string(height));
        return false;
    }
    bool OnTimer(UINT_PTR id) override {
        seen.push_back("timer " + std::to_string(id));
        return true;
    }
    bool OnMessage(UINT message, WPARAM wParam, LPARAM, LRESULT& result) override {
        if (message != WM_APP + 1) return false;
        result = LRESULT(wParam * 2);
        return true;
    }
    void OnWindowDestroyed() override { destroyed = true; }
};

bool Contains(const std::vector<std::string>& seen, const std::string& entry) {
    for (const std::string& item : seen) {
        if (item == entry) return true;
    }
    return false;
}

class WindowTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(wingui::RegisterWindowClass({kTestClass})); }
    bool CreateTopLevel(wingui::CWindow& window) {
        return window.Create(kTestClass, "Dispatch", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, {10, 10, 210, 160},
                             nullptr);
    }
};

TEST_F(WindowTest, ACreatedWindowHandsEachMessageToItsHandler) {
    CRecordingWindow window;
    ASSERT_TRUE(CreateTopLevel(window));
    HWND hwnd = window.Handle();

    SendMessageA(hwnd, WM_COMMAND, MAKEWPARAM(7, 3), 0);
    NMHDR header = {hwnd, 12, NM_CLICK};
    EXPECT_EQ(SendMessageA(hwnd, WM_NOTIFY, 12, reinterpret_cast<LPARAM>(&header)), 77);
    SendMessageA(hwnd, WM_TIMER, 5, 0);
    SetWindowPos(hwnd, nullptr, 0, 0, 300, 200, SWP_NOMOVE | SWP_NOZORDER);
    InvalidateRect(hwnd, nullptr, TRUE);
    UpdateWindow(hwnd);
    EXPECT_EQ(SendMessageA(hwnd, WM_APP + 1, 21, 0), 42);

    EXPECT_TRUE(Contains(window.seen, "command 7/3"));
    EXPECT_TRUE(Contains(window.seen, "notify 12"));
    EXPECT_TRUE(Contains(window.seen, "timer 5"));
    EXPECT_TRUE(Contains(window.seen, "paint"));
    RECT client;
    GetClientRect(hwnd, &client);
    EXPECT_TRUE(Contains(window.seen, "size " + std::to_string(client.right) + "x" + std::to_string(client.bottom)));
    // Not handled: the class's default procedure answers.
    char title[32] = {};
    EXPECT_EQ(SendMessageA(hwnd, WM_GETTEXT, sizeof(title), reinterpret_cast<LPARAM>(title)), 8);
    EXPECT_STREQ(title, "Dispatch");
}

TEST_F(WindowTest, TheObjectDestroysTheWindowItMadeAndForgetsOneDestroyedElsewhere) {
    HWND made = nullptr;
    {
        CRecordingWindow window;
        ASSERT_TRUE(CreateTopLevel(window));
        made = window.Handle();
    }
    EXPECT_FALSE(IsWindow(made));

    CRecordingWindow window;
    ASSERT_TRUE(CreateTopLevel(window));
    DestroyWindow(window.Handle());
    EXPECT_TRUE(window.destroyed);
    EXPECT_EQ(window.Handle(), nullptr);
    // The object can make its window again.
    EXPECT_TRUE(CreateTopLevel(window));
}

TEST_F(WindowTest, AClassNotRegisteredHereIsRefusedAndLeavesNoWindow) {
    CRecordingWindow window;
    EXPECT_FALSE(window.Create("STATIC", "plain", WS_POPUP, 0, {0, 0, 10, 10}, nullptr));
    EXPECT_EQ(window.Handle(), nullptr);
}

TEST_F(WindowTest, AnAttachedControlIsSeenFirstAndKeepsItsOwnBehaviour) {
    CRecordingWindow parent;
    ASSERT_TRUE(CreateTopLevel(parent));
    HWND edit = CreateWindowExA(0, "EDIT", "typed", WS_CHILD | WS_VISIBLE, 0, 0, 100, 20, parent.Handle(),
                                reinterpret_cast<HMENU>(INT_PTR(5)), GetModuleHandleA(nullptr), nullptr);
    CRecordingWindow control;
    ASSERT_TRUE(control.Attach(edit));

    EXPECT_EQ(SendMessageA(edit, WM_APP + 1, 4, 0), 8);
    char text[16] = {};
    GetWindowTextA(edit, text, sizeof(text));
    EXPECT_STREQ(text, "typed");

    control.Detach();
    EXPECT_EQ(SendMessageA(edit, WM_APP + 1, 4, 0), 0);
    EXPECT_TRUE(IsWindow(edit));  // letting go destroys nothing

    ASSERT_TRUE(control.Attach(edit));
    DestroyWindow(edit);
    EXPECT_TRUE(control.destroyed);
    EXPECT_EQ(control.Handle(), nullptr);
}

}  // namespace
