#pragma once
// The COM objects through which the HTML menu window hosts the web browser
// control: its client site (in-place site and frame as well, and the sink
// of the browser's events), and the document host handler that takes the
// page's context menu and the browser's own shortcuts away.
#include <windows.h>
#include <ole2.h>
#include <mshtmhst.h>

#include <string>

// MSHTML's custom-document interface (declared by the platform headers, but
// its identifier is in none of their libraries).
extern const IID kCustomDocIid;  // {3050F3F0-98B5-11CF-BB82-00AA00BDCE0B}

// What the browser's events ask of the window that hosts it.
class IBrowserEvents {
public:
    virtual ~IBrowserEvents() = default;
    // Returns true to cancel the navigation.
    virtual bool OnBeforeNavigate(IDispatch* frame, const std::string& address) = 0;
    virtual void OnNavigateComplete(IDispatch* frame) = 0;
    virtual void OnDocumentComplete(IDispatch* frame) = 0;
    // A link that would open a new browser window; returns true to cancel
    // that window.
    virtual bool OnNewWindow(const std::string& address) = 0;
};

// Browser event numbers.
inline constexpr DISPID kBeforeNavigate2 = 250;
inline constexpr DISPID kNavigateComplete2 = 252;
inline constexpr DISPID kDocumentComplete = 259;
inline constexpr DISPID kNewWindow3 = 273;

// The control's client site, in-place site and frame in one object, and
// the sink of its DWebBrowserEvents2. Reference counted; the host keeps one
// reference and detaches it before the window goes.
class CBrowserSite : public IOleClientSite, public IOleInPlaceSite, public IOleInPlaceFrame, public IDispatch {
public:
    CBrowserSite(HWND window, IBrowserEvents* events);
    CBrowserSite(const CBrowserSite&) = delete;
    CBrowserSite& operator=(const CBrowserSite&) = delete;

    // The browser's in-place object, to which position changes are passed.
    void SetInPlaceObject(IOleInPlaceObject* object);
    // No more events reach the window (it is being destroyed).
    void Detach();

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    // IOleClientSite
    HRESULT STDMETHODCALLTYPE SaveObject() override;
    HRESULT STDMETHODCALLTYPE GetMoniker(DWORD assign, DWORD whichMoniker, IMoniker** moniker) override;
    HRESULT STDMETHODCALLTYPE GetContainer(IOleContainer** container) override;
    HRESULT STDMETHODCALLTYPE ShowObject() override;
    HRESULT STDMETHODCALLTYPE OnShowWindow(BOOL show) override;
    HRESULT STDMETHODCALLTYPE RequestNewObjectLayout() override;

    // IOleWindow (for the in-place site and the frame alike)
    HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) override;
    HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL enterMode) override;

    // IOleInPlaceSite
    HRESULT STDMETHODCALLTYPE CanInPlaceActivate() override;
    HRESULT STDMETHODCALLTYPE OnInPlaceActivate() override;
    HRESULT STDMETHODCALLTYPE OnUIActivate() override;
    HRESULT STDMETHODCALLTYPE GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document,
                                               LPRECT position, LPRECT clip, LPOLEINPLACEFRAMEINFO info) override;
    HRESULT STDMETHODCALLTYPE Scroll(SIZE extent) override;
    HRESULT STDMETHODCALLTYPE OnUIDeactivate(BOOL undoable) override;
    HRESULT STDMETHODCALLTYPE OnInPlaceDeactivate() override;
    HRESULT STDMETHODCALLTYPE DiscardUndoState() override;
    HRESULT STDMETHODCALLTYPE DeactivateAndUndo() override;
    HRESULT STDMETHODCALLTYPE OnPosRectChange(LPCRECT position) override;

    // IOleInPlaceUIWindow
    HRESULT STDMETHODCALLTYPE GetBorder(LPRECT border) override;
    HRESULT STDMETHODCALLTYPE RequestBorderSpace(LPCBORDERWIDTHS widths) override;
    HRESULT STDMETHODCALLTYPE SetBorderSpace(LPCBORDERWIDTHS widths) override;
    HRESULT STDMETHODCALLTYPE SetActiveObject(IOleInPlaceActiveObject* object, LPCOLESTR name) override;

    // IOleInPlaceFrame
    HRESULT STDMETHODCALLTYPE InsertMenus(HMENU shared, LPOLEMENUGROUPWIDTHS widths) override;
    HRESULT STDMETHODCALLTYPE SetMenu(HMENU shared, HOLEMENU descriptor, HWND activeObject) override;
    HRESULT STDMETHODCALLTYPE RemoveMenus(HMENU shared) override;
    HRESULT STDMETHODCALLTYPE SetStatusText(LPCOLESTR text) override;
    HRESULT STDMETHODCALLTYPE EnableModeless(BOOL enable) override;
    HRESULT STDMETHODCALLTYPE TranslateAccelerator(LPMSG message, WORD id) override;

    // IDispatch: the browser's events
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale,
                                            DISPID* ids) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID locale, WORD flags, DISPPARAMS* parameters,
                                     VARIANT* result, EXCEPINFO* exception, UINT* argumentError) override;

private:
    virtual ~CBrowserSite();
    HRESULT OnBeforeNavigate2(DISPPARAMS* parameters);
    HRESULT OnNewWindow3(DISPPARAMS* parameters);

    LONG references_ = 1;
    HWND window_;
    IBrowserEvents* events_;
    IOleInPlaceObject* inPlaceObject_ = nullptr;
};

// The document host handler installed on the menu's first completed
// document. Its count starts at 0; it destroys itself when released to 0.
class DocHostUIHandler : public IDocHostUIHandler {
public:
    DocHostUIHandler() = default;
    DocHostUIHandler(const DocHostUIHandler&) = delete;
    DocHostUIHandler& operator=(const DocHostUIHandler&) = delete;

    // The host's UI flags: 0, or the flag that turns the scroll bars off.
    void SetFlags(DWORD flags) { flags_ = flags; }
    DWORD Flags() const { return flags_; }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE ShowContextMenu(DWORD id, POINT* point, IUnknown* commandTarget,
                                              IDispatch* object) override;
    HRESULT STDMETHODCALLTYPE GetHostInfo(DOCHOSTUIINFO* info) override;
    HRESULT STDMETHODCALLTYPE ShowUI(DWORD id, IOleInPlaceActiveObject* activeObject,
                                     IOleCommandTarget* commandTarget, IOleInPlaceFrame* frame,
                                     IOleInPlaceUIWindow* document) override;
    HRESULT STDMETHODCALLTYPE HideUI() override;
    HRESULT STDMETHODCALLTYPE UpdateUI() override;
    HRESULT STDMETHODCALLTYPE EnableModeless(BOOL enable) override;
    HRESULT STDMETHODCALLTYPE OnDocWindowActivate(BOOL activate) override;
    HRESULT STDMETHODCALLTYPE OnFrameWindowActivate(BOOL activate) override;
    HRESULT STDMETHODCALLTYPE ResizeBorder(LPCRECT border, IOleInPlaceUIWindow* window, BOOL frameWindow) override;
    HRESULT STDMETHODCALLTYPE TranslateAccelerator(LPMSG message, const GUID* group, DWORD command) override;
    HRESULT STDMETHODCALLTYPE GetOptionKeyPath(LPOLESTR* key, DWORD reserved) override;
    HRESULT STDMETHODCALLTYPE GetDropTarget(IDropTarget* dropTarget, IDropTarget** hostDropTarget) override;
    HRESULT STDMETHODCALLTYPE GetExternal(IDispatch** external) override;
    HRESULT STDMETHODCALLTYPE TranslateUrl(DWORD translate, LPWSTR address, LPWSTR* translated) override;
    HRESULT STDMETHODCALLTYPE FilterDataObject(IDataObject* data, IDataObject** filtered) override;

protected:
    virtual ~DocHostUIHandler() = default;

private:
    LONG references_ = 0;
    DWORD flags_ = 0;
};

