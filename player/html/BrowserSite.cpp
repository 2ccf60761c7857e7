#include "BrowserSite.h"

#include <exdisp.h>

#include <vector>

#include "AnsiText.h"

const IID kCustomDocIid = {0x3050f3f0, 0x98b5, 0x11cf, {0xbb, 0x82, 0x00, 0xaa, 0x00, 0xbd, 0xce, 0x0b}};

namespace {

// The text of an event argument, which arrives by value or by reference.
const wchar_t* ArgumentText(const VARIANT& argument) {
    if (V_VT(&argument) == VT_BSTR) return V_BSTR(&argument);
    if (V_VT(&argument) == (VT_BSTR | VT_BYREF)) return V_BSTRREF(&argument) ? *V_BSTRREF(&argument) : nullptr;
    if (V_VT(&argument) == (VT_VARIANT | VT_BYREF) && V_VARIANTREF(&argument)) {
        return ArgumentText(*V_VARIANTREF(&argument));
    }
    return nullptr;
}

IDispatch* ArgumentDispatch(const VARIANT& argument) {
    if (V_VT(&argument) == VT_DISPATCH) return V_DISPATCH(&argument);
    if (V_VT(&argument) == (VT_DISPATCH | VT_BYREF)) return V_DISPATCHREF(&argument) ? *V_DISPATCHREF(&argument) : nullptr;
    if (V_VT(&argument) == (VT_VARIANT | VT_BYREF) && V_VARIANTREF(&argument)) {
        return ArgumentDispatch(*V_VARIANTREF(&argument));
    }
    return nullptr;
}

}  // namespace

// ---- CBrowserSite

CBrowserSite::CBrowserSite(HWND window, IBrowserEvents* events) : window_(window), events_(events) {}

CBrowserSite::~CBrowserSite() { SetInPlaceObject(nullptr); }

void CBrowserSite::SetInPlaceObject(IOleInPlaceObject* object) {
    if (object) object->AddRef();
    if (inPlaceObject_) inPlaceObject_->Release();
    inPlaceObject_ = object;
}

void CBrowserSite::Detach() {
    events_ = nullptr;
    SetInPlaceObject(nullptr);
}

HRESULT CBrowserSite::QueryInterface(REFIID iid, void** object) {
    if (!object) return E_POINTER;
    *object = nullptr;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IOleClientSite)) {
        *object = static_cast<IOleClientSite*>(this);
    } else if (IsEqualIID(iid, IID_IOleWindow) || IsEqualIID(iid, IID_IOleInPlaceSite)) {
        *object = static_cast<IOleInPlaceSite*>(this);
    } else if (IsEqualIID(iid, IID_IOleInPlaceUIWindow) || IsEqualIID(iid, IID_IOleInPlaceFrame)) {
        *object = static_cast<IOleInPlaceFrame*>(this);
    } else if (IsEqualIID(iid, IID_IDispatch) || IsEqualIID(iid, DIID_DWebBrowserEvents2)) {
        *object = static_cast<IDispatch*>(this);
    } else {
        return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
}

ULONG CBrowserSite::AddRef() { return ULONG(InterlockedIncrement(&references_)); }

ULONG CBrowserSite::Release() {
    const LONG left = InterlockedDecrement(&references_);
    if (left == 0) delete this;
    return ULONG(left);
}

HRESULT CBrowserSite::SaveObject() { return E_NOTIMPL; }
HRESULT CBrowserSite::GetMoniker(DWORD, DWORD, IMoniker** moniker) {
    if (moniker) *moniker = nullptr;
    return E_NOTIMPL;
}
HRESULT CBrowserSite::GetContainer(IOleContainer** container) {
    if (container) *container = nullptr;
    return E_NOINTERFACE;
}
HRESULT CBrowserSite::ShowObject() { return S_OK; }
HRESULT CBrowserSite::OnShowWindow(BOOL) { return S_OK; }
HRESULT CBrowserSite::RequestNewObjectLayout() { return E_NOTIMPL; }

HRESULT CBrowserSite::GetWindow(HWND* window) {
    if (!window) return E_POINTER;
    *window = window_;
    return S_OK;
}
HRESULT CBrowserSite::ContextSensitiveHelp(BOOL) { return E_NOTIMPL; }

HRESULT CBrowserSite::CanInPlaceActivate() { return S_OK; }
HRESULT CBrowserSite::OnInPlaceActivate() { return S_OK; }
HRESULT CBrowserSite::OnUIActivate() { return S_OK; }

HRESULT CBrowserSite::GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document, LPRECT position,
                                       LPRECT clip, LPOLEINPLACEFRAMEINFO info) {
    if (!frame || !document || !position || !clip || !info) return E_POINTER;
    *frame = static_cast<IOleInPlaceFrame*>(this);
    AddRef();
    *document = nullptr;
    GetClientRect(window_, position);
    *clip = *position;
    info->fMDIApp = FALSE;
    info->hwndFrame = window_;
    info->haccel = nullptr;
    info->cAccelEntries = 0;
    return S_OK;
}

HRESULT CBrowserSite::Scroll(SIZE) { return E_NOTIMPL; }
HRESULT CBrowserSite::OnUIDeactivate(BOOL) { return S_OK; }
HRESULT CBrowserSite::OnInPlaceDeactivate() { return S_OK; }
HRESULT CBrowserSite::DiscardUndoState() { return S_OK; }
HRESULT CBrowserSite::DeactivateAndUndo() { return S_OK; }

HRESULT CBrowserSite::OnPosRectChange(LPCRECT position) {
    // The control's Left, Top, Width and Height arrive here; the site is
    // what actually moves it.
    if (!position) return E_POINTER;
    if (inPlaceObject_) inPlaceObject_->SetObjectRects(position, position);
    return S_OK;
}

HRESULT CBrowserSite::GetBorder(LPRECT) { return E_NOTIMPL; }
HRESULT CBrowserSite::RequestBorderSpace(LPCBORDERWIDTHS) { return E_NOTIMPL; }
HRESULT CBrowserSite::SetBorderSpace(LPCBORDERWIDTHS) { return E_NOTIMPL; }
HRESULT CBrowserSite::SetActiveObject(IOleInPlaceActiveObject*, LPCOLESTR) { return S_OK; }
HRESULT CBrowserSite::InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS) { return E_NOTIMPL; }
HRESULT CBrowserSite::SetMenu(HMENU, HOLEMENU, HWND) { return S_OK; }
HRESULT CBrowserSite::RemoveMenus(HMENU) { return E_NOTIMPL; }
HRESULT CBrowserSite::SetStatusText(LPCOLESTR) { return S_OK; }
HRESULT CBrowserSite::EnableModeless(BOOL) { return S_OK; }
HRESULT CBrowserSite::TranslateAccelerator(LPMSG, WORD) { return S_FALSE; }

HRESULT CBrowserSite::GetTypeInfoCount(UINT* count) {
    if (!count) return E_POINTER;
    *count = 0;
    return S_OK;
}
HRESULT CBrowserSite::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
    if (info) *info = nullptr;
    return E_NOTIMPL;
}
HRESULT CBrowserSite::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) { return E_NOTIMPL; }

HRESULT CBrowserSite::OnBeforeNavigate2(DISPPARAMS* parameters) {
    // (frame, address, flags, target frame, post data, headers, cancel),
    // last first.
    if (parameters->cArgs < 7) return DISP_E_BADPARAMCOUNT;
    VARIANT* arguments = parameters->rgvarg;
    VARIANT& cancel = arguments[0];
    if (V_VT(&cancel) != (VT_BOOL | VT_BYREF) || !V_BOOLREF(&cancel)) return DISP_E_TYPEMISMATCH;
    const std::string address = wingui::AnsiFromWide(ArgumentText(arguments[5]));
    IDispatch* frame = ArgumentDispatch(arguments[6]);
    // The navigation is cancelled before a pressed button's actions run.
    if (events_ && events_->OnBeforeNavigate(frame, address)) *V_BOOLREF(&cancel) = VARIANT_TRUE;
    return S_OK;
}

HRESULT CBrowserSite::OnNewWindow3(DISPPARAMS* parameters) {
    // (new window, cancel, flags, referring address, address), last first.
    if (parameters->cArgs < 5) return DISP_E_BADPARAMCOUNT;
    VARIANT& cancel = parameters->rgvarg[3];
    if (V_VT(&cancel) != (VT_BOOL | VT_BYREF) || !V_BOOLREF(&cancel)) return DISP_E_TYPEMISMATCH;
    const std::string address = wingui::AnsiFromWide(ArgumentText(parameters->rgvarg[0]));
    if (events_ && events_->OnNewWindow(address)) *V_BOOLREF(&cancel) = VARIANT_TRUE;
    return S_OK;
}

HRESULT CBrowserSite::Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* parameters, VARIANT*, EXCEPINFO*, UINT*) {
    if (!parameters) return E_INVALIDARG;
    if (!events_) return S_OK;
    switch (id) {
        case kBeforeNavigate2:
            return OnBeforeNavigate2(parameters);
        case kNavigateComplete2:
            if (parameters->cArgs >= 2) events_->OnNavigateComplete(ArgumentDispatch(parameters->rgvarg[1]));
            return S_OK;
        case kDocumentComplete:
            if (parameters->cArgs >= 2) events_->OnDocumentComplete(ArgumentDispatch(parameters->rgvarg[1]));
            return S_OK;
        case kNewWindow3:
            return OnNewWindow3(parameters);
        default:
            return S_OK;
    }
}

// ---- DocHostUIHandler

HRESULT DocHostUIHandler::QueryInterface(REFIID iid, void** object) {
    if (!object) return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDocHostUIHandler)) {
        *object = static_cast<IDocHostUIHandler*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG DocHostUIHandler::AddRef() { return ULONG(InterlockedIncrement(&references_)); }

ULONG DocHostUIHandler::Release() {
    const LONG left = InterlockedDecrement(&references_);
    if (left == 0) delete this;
    return ULONG(left);
}

// The page has no context menu.
HRESULT DocHostUIHandler::ShowContextMenu(DWORD, POINT*, IUnknown*, IDispatch*) { return S_OK; }

HRESULT DocHostUIHandler::GetHostInfo(DOCHOSTUIINFO* info) {
    if (!info) return E_POINTER;
    info->cbSize = sizeof(DOCHOSTUIINFO);
    info->dwFlags = flags_;
    info->dwDoubleClick = DOCHOSTUIDBLCLK_DEFAULT;
    return S_OK;
}

// No menus or toolbars of the browser's own.
HRESULT DocHostUIHandler::ShowUI(DWORD, IOleInPlaceActiveObject*, IOleCommandTarget*, IOleInPlaceFrame*,
                                 IOleInPlaceUIWindow*) {
    return S_OK;
}
HRESULT DocHostUIHandler::HideUI() { return S_OK; }
HRESULT DocHostUIHandler::UpdateUI() { return S_OK; }
HRESULT DocHostUIHandler::EnableModeless(BOOL) { return S_OK; }
HRESULT DocHostUIHandler::OnDocWindowActivate(BOOL) { return S_OK; }
HRESULT DocHostUIHandler::OnFrameWindowActivate(BOOL) { return S_OK; }
HRESULT DocHostUIHandler::ResizeBorder(LPCRECT, IOleInPlaceUIWindow*, BOOL) { return S_OK; }
// Every accelerator counts as handled, so the browser's shortcuts do nothing.
HRESULT DocHostUIHandler::TranslateAccelerator(LPMSG, const GUID*, DWORD) { return S_OK; }
HRESULT DocHostUIHandler::GetOptionKeyPath(LPOLESTR* key, DWORD) {
    if (key) *key = nullptr;
    return S_OK;
}
HRESULT DocHostUIHandler::GetDropTarget(IDropTarget*, IDropTarget** hostDropTarget) {
    if (hostDropTarget) *hostDropTarget = nullptr;
    return S_FALSE;
}
HRESULT DocHostUIHandler::GetExternal(IDispatch** external) {
    if (external) *external = nullptr;
    return E_NOTIMPL;
}
HRESULT DocHostUIHandler::TranslateUrl(DWORD, LPWSTR, LPWSTR* translated) {
    if (translated) *translated = nullptr;
    return S_FALSE;
}
HRESULT DocHostUIHandler::FilterDataObject(IDataObject*, IDataObject** filtered) {
    if (filtered) *filtered = nullptr;
    return S_FALSE;
}
