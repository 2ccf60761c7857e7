// The message loop translates the main window's accelerators, and work that
// worker threads hand over runs on the loop's thread in order.
#include <windows.h>

#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "Dialog.h"
#include "FrameworkTestIds.h"
#include "MessageLoop.h"
#include "UiThreadQueue.h"
#include "Window.h"

namespace {

class CCommandWindow : public wingui::CWindow {
public:
    std::vector<WORD> commands;

protected:
    bool OnCommand(WORD id, WORD, HWND) override {
        commands.push_back(id);
        return true;
    }
};

TEST(MessageLoop, AnAcceleratorKeyBecomesTheCommandOfTheMainWindow) {
    ASSERT_TRUE(wingui::RegisterWindowClass({"FrameworkLoopWindow"}));
    CCommandWindow window;
    ASSERT_TRUE(
        window.Create("FrameworkLoopWindow", "Loop", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, {0, 0, 200, 100}, nullptr));
    HACCEL table = LoadAcceleratorsA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_TEST_ACCELERATORS));
    ASSERT_NE(table, nullptr);

    wingui::CMessageLoop loop;
    loop.SetAccelerators(window.Handle(), table);
    PostMessageA(window.Handle(), WM_KEYDOWN, VK_F1, 0);
    PostMessageA(window.Handle(), WM_KEYDOWN, VK_F2, 0);
    PostQuitMessage(7);
    EXPECT_EQ(loop.Run(), 7);
    EXPECT_EQ(window.commands, std::vector<WORD>{ID_TEST_HELP});
}

TEST(MessageLoop, TabMovesAcrossThePanesOfANavigationRoot) {
    ASSERT_TRUE(wingui::RegisterWindowClass({"FrameworkPanesWindow"}));
    CCommandWindow window;
    ASSERT_TRUE(window.Create("FrameworkPanesWindow", "Panes", WS_OVERLAPPEDWINDOW | WS_VISIBLE, WS_EX_CONTROLPARENT,
                              {0, 0, 640, 300}, nullptr));
    wingui::CDialog left(IDD_TEST_PANE), right(IDD_TEST_PANE);
    ASSERT_TRUE(left.CreateChild(window.Handle()));
    ASSERT_TRUE(right.CreateChild(window.Handle()));
    SetWindowPos(right.Handle(), nullptr, 320, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    // The last tab stop of the first pane.
    HWND last = GetNextDlgTabItem(left.Handle(), GetDlgItem(left.Handle(), IDC_FIRST_EDIT), TRUE);
    SetFocus(last);
    ASSERT_EQ(GetFocus(), last);

    wingui::CMessageLoop loop;
    MSG tab{last, WM_KEYDOWN, VK_TAB, 0, 0, {}};
    loop.PreTranslate(tab);
    EXPECT_TRUE(IsChild(left.Handle(), GetFocus())) << "without a root each pane keeps Tab to itself";
    SetFocus(last);
    loop.SetNavigationRoot(window.Handle());
    EXPECT_TRUE(loop.PreTranslate(tab));
    EXPECT_TRUE(IsChild(right.Handle(), GetFocus())) << "Tab went on into the next pane";
}

TEST(UiThreadQueue, WorkPostedFromAWorkerRunsOnTheLoopsThreadInOrder) {
    wingui::CUiThreadQueue queue;
    const DWORD uiThread = GetCurrentThreadId();
    std::vector<int> order;
    std::vector<DWORD> threads;
    std::thread worker([&] {
        for (int i = 0; i < 20; ++i) {
            queue.Post([&, i] {
                order.push_back(i);
                threads.push_back(GetCurrentThreadId());
            });
        }
        queue.Post([] { PostQuitMessage(0); });
    });
    wingui::CMessageLoop loop;
    loop.Run();
    worker.join();

    ASSERT_EQ(order.size(), 20u);
    for (int i = 0; i < 20; ++i) EXPECT_EQ(order[i], i);
    for (DWORD thread : threads) EXPECT_EQ(thread, uiThread);
}

}  // namespace
