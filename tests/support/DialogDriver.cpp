#include "DialogDriver.h"

#include <gtest/gtest.h>


namespace testwin {

namespace {

struct Search {
    const char* className;
    const char* title;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectVisible(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<Search*>(context);
    if (!IsWindowVisible(window)) return TRUE;
    if (search->className && ClassOf(window) != search->className) return TRUE;
    if (search->title && WindowText(window) != search->title) return TRUE;
    search->found.push_back(window);
    return TRUE;
}

}  // namespace

std::vector<HWND> VisibleThreadWindows(DWORD threadId) {
    Search search{nullptr, nullptr, {}};
    EnumThreadWindows(threadId, CollectVisible, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND WaitForThreadWindow(DWORD threadId, const char* className, const char* title, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        Search search{className, title, {}};
        EnumThreadWindows(threadId, CollectVisible, reinterpret_cast<LPARAM>(&search));
        if (!search.found.empty()) return search.found.front();
        if (GetTickCount() - start >= timeoutMs) return nullptr;
        Sleep(20);
    }
}

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start >= timeoutMs) return false;
        Sleep(10);
    }
    return true;
}

std::string ItemText(HWND dialog, int id) { return WindowText(GetDlgItem(dialog, id)); }

void Click(HWND dialog, int id) { SendMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

void PressKey(HWND window, WORD key) {
    PostMessageA(window, WM_KEYDOWN, key, 1);
    PostMessageA(window, WM_KEYUP, key, 0xC0000001);
}

CDialogDriver::CDialogDriver(std::function<void(DWORD)> script)
    : mainThread_(GetCurrentThreadId()),
      finishing_(CreateEventA(nullptr, TRUE, FALSE, nullptr)),
      thread_([script, this] { Run(script); }) {}

CDialogDriver::~CDialogDriver() { Finish(); }

void CDialogDriver::Run(const std::function<void(DWORD)>& script) {
    script(mainThread_);
    CloseLeftoversUntilFinished();
}

// A window that the script ended closes within moments; one still shown
// after the grace keeps the main thread in its modal loop, and Finish would
// never be reached. It is ended here, again each second, until Finish is.
void CDialogDriver::CloseLeftoversUntilFinished() {
    constexpr DWORD kGraceMs = 5000;
    constexpr DWORD kRetryMs = 1000;
    DWORD shownSince = GetTickCount();
    for (DWORD waitMs = 100; WaitForSingleObject(finishing_.Get(), waitMs) == WAIT_TIMEOUT; waitMs = 100) {
        const std::vector<HWND> shown = VisibleThreadWindows(mainThread_);
        if (shown.empty()) {
            shownSince = GetTickCount();
            continue;
        }
        if (GetTickCount() - shownSince < kGraceMs) continue;
        for (HWND window : shown) {
            if (!closedLeftovers_) leftoverTitles_ += " \"" + WindowText(window) + "\"";
            PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
            PostMessageA(window, WM_CLOSE, 0, 0);
        }
        closedLeftovers_ = true;
        shownSince = GetTickCount() - kGraceMs + kRetryMs;
    }
}

void CDialogDriver::Finish() {
    if (finished_) return;
    finished_ = true;
    SetEvent(finishing_.Get());
    thread_.join();
    if (closedLeftovers_) ADD_FAILURE() << "the script left windows open that the driver had to close:" << leftoverTitles_;
    for (HWND window : VisibleThreadWindows(mainThread_)) PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
}

}  // namespace testwin
