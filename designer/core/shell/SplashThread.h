#pragma once
// The start-up picture on a thread of its own, so that it shows and can be
// dragged while the main thread builds the main window. The main thread
// closes it; until then it ignores close requests.
#include <windows.h>

#include <atomic>

#include "Handles.h"

class CSplashThread {
public:
    CSplashThread() = default;
    ~CSplashThread();
    CSplashThread(const CSplashThread&) = delete;
    CSplashThread& operator=(const CSplashThread&) = delete;

    // Starts the thread (suspended, then resumed) showing the bitmap
    // resource; false when no thread could be made.
    bool Start(UINT bitmapId);
    // Closes the window and lets the thread end. Waits for the window only
    // a bounded time: a splash that could not be made must not keep the
    // designer from starting.
    void Close();
    HWND Window() const { return window_.load(); }

    static constexpr DWORD kMaxWaitForWindowMs = 5000;

private:
    static DWORD WINAPI ThreadMain(LPVOID self);
    void Run();

    UINT bitmapId_ = 0;
    DWORD mainThreadId_ = 0;
    wingui::KernelHandle thread_;
    wingui::KernelHandle windowReady_;  // set once the window exists, or could not be made
    std::atomic<HWND> window_{nullptr};
    std::atomic<bool> allowClose_{false};
};
