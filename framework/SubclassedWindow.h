#pragma once
// A C++ object attached to an existing window (a control from a dialog
// template) that sees the window's messages before its own procedure does.
// The attachment ends when the window is destroyed or the object goes.
#include <windows.h>

namespace wingui {

class CSubclassedWindow {
public:
    CSubclassedWindow() = default;
    virtual ~CSubclassedWindow();
    CSubclassedWindow(const CSubclassedWindow&) = delete;
    CSubclassedWindow& operator=(const CSubclassedWindow&) = delete;

    bool Attach(HWND window);
    void Detach();
    HWND Handle() const { return hwnd_; }

protected:
    // Handles one message; the default passes it on to the window's own procedure.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT DefaultProc(UINT message, WPARAM wParam, LPARAM lParam);
    // Called once the window is gone, before the object lets go of it.
    virtual void OnWindowDestroyed() {}

private:
    static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                         DWORD_PTR self);

    HWND hwnd_ = nullptr;
};

}  // namespace wingui
