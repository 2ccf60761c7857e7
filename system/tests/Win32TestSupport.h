#pragma once
// Shared pieces of the Win32 utility tests: the helper program, polling for
// files, and a window that counts what reaches it.
#include <windows.h>

#include <atomic>
#include <mutex>
#include <string>
#include <thread>

#include "Handles.h"
#include "WindowQueries.h"
#include "tests/TempDir.h"
#include "FileUtil.h"

namespace wintest {

inline std::string HelperProgram() { return GetModuleDirectory() + "\\TestHelper.exe"; }

inline std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

inline bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// Polls for the file; false when it has not appeared within the timeout.
inline bool WaitForFile(const std::string& path, DWORD timeoutMs = 30000) {
    for (DWORD waited = 0; waited < timeoutMs; waited += 20) {
        if (Exists(path)) return true;
        Sleep(20);
    }
    return Exists(path);
}

inline std::string FileText(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return std::string();
    std::string text;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof(buffer), &got, nullptr) && got > 0) text.append(buffer, got);
    CloseHandle(file);
    return text;
}

// The value of one "name=value" line of the helper's marker file.
inline std::string MarkerField(const std::string& markerText, const std::string& name) {
    size_t start = markerText.find(name + "=");
    if (start == std::string::npos) return std::string();
    start += name.size() + 1;
    size_t end = markerText.find("\r\n", start);
    return markerText.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

// A top-level window of the calling thread that counts the messages it gets.
class CCountingWindow {
public:
    static constexpr UINT kPing = WM_APP + 1;    // sent from another thread; answered with 77
    static constexpr UINT kPosted = WM_APP + 2;  // posted; counted

    CCountingWindow() {
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = &CCountingWindow::Procedure;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "MenuwrightCountingWindow";
        RegisterClassA(&windowClass);
        window_ = CreateWindowA("MenuwrightCountingWindow", "Counting", WS_OVERLAPPEDWINDOW, 10, 10, 200, 100, nullptr,
                                nullptr, GetModuleHandleA(nullptr), this);
    }
    ~CCountingWindow() {
        if (window_) DestroyWindow(window_);
    }
    CCountingWindow(const CCountingWindow&) = delete;
    CCountingWindow& operator=(const CCountingWindow&) = delete;

    HWND Handle() const { return window_; }

    std::atomic<int> pings{0};
    std::atomic<int> posted{0};
    std::atomic<int> input{0};

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_NCCREATE) {
            auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
            SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
        }
        auto* self = reinterpret_cast<CCountingWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
        if (self) {
            if (message == kPing) {
                ++self->pings;
                return 77;
            }
            if (message == kPosted) {
                ++self->posted;
                return 0;
            }
            if ((message >= WM_KEYFIRST && message <= WM_KEYLAST) ||
                (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST)) {
                ++self->input;
            }
        }
        return DefWindowProcA(window, message, wParam, lParam);
    }

    HWND window_ = nullptr;
};

// While it lives, closes every dialog (such as a message box of the shell)
// that the creating thread shows, and counts them.
class CDialogCloser {
public:
    CDialogCloser() : thread_(GetCurrentThreadId()), watcher_([this] { Watch(); }) {}
    ~CDialogCloser() {
        stop_ = true;
        watcher_.join();
    }
    CDialogCloser(const CDialogCloser&) = delete;
    CDialogCloser& operator=(const CDialogCloser&) = delete;

    int Closed() const { return closed_.load(); }
    // The texts of the closed dialogs' controls, one a line.
    std::string Texts() {
        std::lock_guard<std::mutex> lock(textsLock_);
        return texts_;
    }

private:
    static BOOL CALLBACK CloseDialog(HWND window, LPARAM self) {
        if (testwin::ClassOf(window) == "#32770" && IsWindowVisible(window)) {
            EnumChildWindows(window, &CDialogCloser::RecordText, self);
            PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
            PostMessageA(window, WM_CLOSE, 0, 0);
            ++reinterpret_cast<CDialogCloser*>(self)->closed_;
        }
        return TRUE;
    }
    static BOOL CALLBACK RecordText(HWND child, LPARAM self) {
        char text[2048] = {};
        GetWindowTextA(child, text, sizeof(text));
        auto* closer = reinterpret_cast<CDialogCloser*>(self);
        std::lock_guard<std::mutex> lock(closer->textsLock_);
        closer->texts_ += text;
        closer->texts_ += '\n';
        return TRUE;
    }
    void Watch() {
        while (!stop_) {
            EnumThreadWindows(thread_, &CDialogCloser::CloseDialog, reinterpret_cast<LPARAM>(this));
            Sleep(50);
        }
    }

    DWORD thread_;
    std::atomic<bool> stop_{false};
    std::atomic<int> closed_{0};
    std::mutex textsLock_;
    std::string texts_;
    std::thread watcher_;
};

// Dispatches whatever is still waiting for the calling thread.
inline void DrainMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

}  // namespace wintest
