#pragma once
// A thin wrapper of the web browser control: the automation calls the HTML
// menu uses, each made through the control's dispatch interface by its
// standard dispatch number.
#include <windows.h>
#include <ole2.h>

#include <string>

class CExplorer1 {
public:
    CExplorer1() = default;
    ~CExplorer1() { Reset(nullptr); }
    CExplorer1(const CExplorer1&) = delete;
    CExplorer1& operator=(const CExplorer1&) = delete;

    // Takes its own reference to the control's dispatch interface.
    void Reset(IDispatch* control);
    bool IsValid() const { return control_ != nullptr; }

    // Flags 4 forbids reading from the cache; no target frame, post data or
    // headers.
    HRESULT Navigate(const std::string& address, long flags);
    // The current document, with a reference for the caller, or null.
    IDispatch* Document();
    HRESULT SetLeft(long value);
    HRESULT SetTop(long value);
    HRESULT SetWidth(long value);
    HRESULT SetHeight(long value);
    HRESULT Refresh();

    static constexpr DISPID kNavigate = 104;
    static constexpr DISPID kDocument = 203;
    static constexpr DISPID kLeft = 206;
    static constexpr DISPID kTop = 207;
    static constexpr DISPID kWidth = 208;
    static constexpr DISPID kHeight = 209;
    static constexpr DISPID kRefresh = -550;

private:
    HRESULT PutLong(DISPID id, long value);

    IDispatch* control_ = nullptr;
};
