#include "ProcessUtil.h"

#include <vector>

#include "Handles.h"
#include "util/PathNames.h"
#include "util/WaitSlices.h"

namespace {

bool IsInputMessage(UINT message) {
    return (message >= WM_KEYFIRST && message <= WM_KEYLAST) || (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST);
}

bool IsCancelled(const CancelFlag* cancel) { return cancel && cancel->load() != 0; }

// Handles every waiting message of the thread; keyboard and mouse input is
// thrown away so that clicks made during the wait have no effect. Returns
// false when WM_QUIT came, which the caller posts again after the wait.
bool PumpWaitMessages(int& quitCode) {
    MSG message;
    bool quit = false;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            quit = true;
            quitCode = int(message.wParam);
            continue;
        }
        if (IsInputMessage(message.message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return !quit;
}

void DiscardInput() {
    MSG message;
    while (PeekMessageA(&message, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE)) {
    }
    while (PeekMessageA(&message, nullptr, WM_MOUSEFIRST, WM_MOUSELAST, PM_REMOVE)) {
    }
}

bool HasEnded(HANDLE process) { return WaitForSingleObject(process, 0) != WAIT_TIMEOUT; }

// Without a window there is nothing to keep alive; only the cancel flag is
// honoured.
void WaitWithoutWindow(HANDLE process, const CancelFlag* cancel) {
    if (!cancel) {
        WaitForSingleObject(process, INFINITE);
        return;
    }
    while (WaitForSingleObject(process, kWaitSliceMs) == WAIT_TIMEOUT) {
        if (IsCancelled(cancel)) TerminateProcess(process, 0);
    }
}

// Disables the parent with the wait cursor for the lifetime of the scope.
class CDisabledParent {
public:
    CDisabledParent(HWND parent, bool disable) : parent_(disable ? parent : nullptr) {
        if (!parent_) return;
        previousCursor_ = SetCursor(LoadCursor(nullptr, IDC_WAIT));
        EnableWindow(parent_, FALSE);
    }
    ~CDisabledParent() {
        if (!parent_) return;
        EnableWindow(parent_, TRUE);
        SetCursor(previousCursor_ ? previousCursor_ : LoadCursor(nullptr, IDC_ARROW));
    }
    CDisabledParent(const CDisabledParent&) = delete;
    CDisabledParent& operator=(const CDisabledParent&) = delete;

private:
    HWND parent_;
    HCURSOR previousCursor_ = nullptr;
};

}  // namespace

bool RunProgram(HWND parent, const std::string& program, const std::string& parameters,
                const std::string& workingDirectory, bool wait, bool maximize, bool disableParent,
                const CancelFlag* cancel) {
    STARTUPINFOA own;
    GetStartupInfoA(&own);
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    if (own.dwFlags & STARTF_USESHOWWINDOW) {
        startup.dwFlags = STARTF_USESHOWWINDOW;
        startup.wShowWindow = own.wShowWindow;
    }
    if (maximize) {
        startup.dwFlags |= STARTF_USESHOWWINDOW;
        startup.wShowWindow = SW_SHOWMAXIMIZED;
    }

    std::string text = "\"" + program + "\" " + parameters;
    std::vector<char> commandLine(text.begin(), text.end());
    commandLine.push_back('\0');
    DWORD flags = IsBatchFileName(program) ? CREATE_NO_WINDOW : 0;
    PROCESS_INFORMATION started = {};
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, flags, nullptr,
                        workingDirectory.empty() ? nullptr : workingDirectory.c_str(), &startup, &started)) {
        return false;
    }
    wingui::KernelHandle process(started.hProcess);
    wingui::KernelHandle thread(started.hThread);
    if (wait) WaitForProcess(parent, process.Get(), disableParent, cancel);
    return true;
}

bool WaitForProcess(HWND parent, HANDLE process, bool disableParent, const CancelFlag* cancel) {
    if (!parent) {
        WaitWithoutWindow(process, cancel);
        return true;
    }
    {
        CDisabledParent disabled(parent, disableParent);
        WaitForInputIdle(process, kWaitSliceMs);
        int quitCode = 0;
        bool quit = false;
        while (!HasEnded(process)) {
            // Wakes early for messages, so a window of this thread answers
            // messages sent from other threads without delay.
            MsgWaitForMultipleObjects(1, &process, FALSE, kWaitSliceMs, QS_ALLINPUT);
            if (IsCancelled(cancel)) TerminateProcess(process, 0);
            if (!PumpWaitMessages(quitCode)) quit = true;
        }
        DiscardInput();
        if (quit) PostQuitMessage(quitCode);
    }
    SetForegroundWindow(parent);
    return true;
}

void SleepAndPump(int milliseconds, HWND window) {
    for (int slice = WaitSliceCount(milliseconds); slice > 0; --slice) {
        Sleep(kWaitSliceMs);
        MSG message;
        while (PeekMessageA(&message, window, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) {
                PostQuitMessage(int(message.wParam));
                return;
            }
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
}
