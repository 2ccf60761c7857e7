#pragma once
// Drives a modal window of the test's main thread from a second thread: the
// main thread shows the window and waits in its modal loop while the driver
// finds the window, works its controls and ends it. A window the script
// leaves open fails the test: once the script has ended, a window of the
// main thread still shown after a short grace is closed by the driver, so a
// failing test never hangs in a modal loop.
#include <windows.h>

#include <atomic>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "Handles.h"
#include "WindowQueries.h"

namespace testwin {

// A visible top-level window of the thread whose class and title match
// (either may be null); polls until the timeout, then returns null.
HWND WaitForThreadWindow(DWORD threadId, const char* className, const char* title, DWORD timeoutMs = 30000);
std::vector<HWND> VisibleThreadWindows(DWORD threadId);

// Polls the condition until it holds (true) or the timeout passes (false).
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs = 5000);

std::string ItemText(HWND dialog, int id);
// A click as the button itself would report it, processed before returning.
void Click(HWND dialog, int id);
// A key pressed on the window, through the window's message queue as a
// real key is (so the dialog manager sees it).
void PressKey(HWND window, WORD key);

class CDialogDriver {
public:
    // Starts the script on its own thread; it gets the main thread's id.
    explicit CDialogDriver(std::function<void(DWORD mainThread)> script);
    ~CDialogDriver();
    CDialogDriver(const CDialogDriver&) = delete;
    CDialogDriver& operator=(const CDialogDriver&) = delete;

    // Waits for the script, then closes what it left open.
    void Finish();

private:
    void Run(const std::function<void(DWORD)>& script);
    void CloseLeftoversUntilFinished();

    DWORD mainThread_;
    wingui::KernelHandle finishing_;
    std::atomic<bool> closedLeftovers_ = false;
    std::string leftoverTitles_;
    std::thread thread_;
    bool finished_ = false;
};

}  // namespace testwin
