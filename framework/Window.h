#pragma once
// A C++ object that owns one window and sees its messages first. It either
// creates the window, of a class registered with RegisterWindowClass, or
// attaches to a window that exists already (a control from a dialog
// template). The default WindowProc hands the common messages to the
// virtual handlers; a handler that returns false leaves the message to the
// window's own procedure.
//
// A window the object created is destroyed with it. The handlers are
// virtual, so a derived class that must see WM_DESTROY destroys the window
// in its own destructor (Destroy()).
#include <windows.h>

namespace wingui {

struct WindowClass {
    const char* name = nullptr;
    UINT style = 0;
    HCURSOR cursor = nullptr;  // the arrow when null
    HBRUSH background = nullptr;
    HICON icon = nullptr;
};

// Registers the class once per process; later calls with the same name do
// nothing and succeed. Its windows are handled by the CWindow that created
// them, or by the default procedure.
bool RegisterWindowClass(const WindowClass& windowClass);

class CWindow {
public:
    CWindow() = default;
    virtual ~CWindow();
    CWindow(const CWindow&) = delete;
    CWindow& operator=(const CWindow&) = delete;

    // A window of a class registered with RegisterWindowClass. For a child
    // window, id is its control id; for a top-level window, a menu handle
    // or 0.
    bool Create(const char* className, const char* text, DWORD style, DWORD exStyle, const RECT& rect, HWND parent,
                UINT_PTR id = 0);
    bool Attach(HWND window);
    void Detach();
    // Destroys a window this object created; an attached one is let go.
    void Destroy();
    HWND Handle() const { return hwnd_; }

protected:
    // Handles one message; the default dispatches to the handlers below.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // The window's own procedure: the class's or the one attached over.
    LRESULT DefaultProc(UINT message, WPARAM wParam, LPARAM lParam);
    // Called once the window is gone, before the object lets go of it.
    virtual void OnWindowDestroyed() {}

    virtual bool OnCommand(WORD /*id*/, WORD /*notifyCode*/, HWND /*control*/) { return false; }
    virtual bool OnNotify(const NMHDR& /*header*/, LRESULT& /*result*/) { return false; }
    // Paints with its own BeginPaint/EndPaint (PaintScope); false leaves the
    // painting to the window's procedure.
    virtual bool OnPaint() { return false; }
    virtual bool OnSize(UINT /*type*/, int /*width*/, int /*height*/) { return false; }
    virtual bool OnTimer(UINT_PTR /*id*/) { return false; }
    // Every other message; set result when handled.
    virtual bool OnMessage(UINT /*message*/, WPARAM /*wParam*/, LPARAM /*lParam*/, LRESULT& /*result*/) {
        return false;
    }

private:
    friend bool RegisterWindowClass(const WindowClass& windowClass);
    static LRESULT CALLBACK ClassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                         DWORD_PTR self);
    void Forget();

    HWND hwnd_ = nullptr;
    bool created_ = false;
    bool attached_ = false;
};

}  // namespace wingui
