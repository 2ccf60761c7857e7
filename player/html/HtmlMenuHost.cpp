#include "HtmlMenuHost.h"

#include "util/ContainedPath.h"

#include <exdisp.h>

#include "MessageBox.h"
#include "html/AaLink.h"
#include "menu/MenuDialogIds.h"
#include "records/SettingsButton.h"
#include "records/SettingsHtml.h"
#include "RunButtonMessage.h"
#include "steps/StepResources.h"
#include "FileUtil.h"
#include "LateOle.h"

namespace {

template <class Interface>
void ReleaseInto(Interface*& pointer) {
    if (pointer) pointer->Release();
    pointer = nullptr;
}

bool SameObject(IUnknown* a, IUnknown* b) {
    if (a == b) return true;
    if (!a || !b) return false;
    IUnknown* identityA = nullptr;
    IUnknown* identityB = nullptr;
    a->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&identityA));
    b->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&identityB));
    const bool same = identityA && identityA == identityB;
    ReleaseInto(identityA);
    ReleaseInto(identityB);
    return same;
}

constexpr long kNoReadFromCache = 4;

}  // namespace

const CLSID kWebBrowserClass = {0x8856f961, 0x340a, 0x11d0, {0xa9, 0x6b, 0x00, 0xc0, 0x4f, 0xd7, 0x05, 0xa2}};

CHtmlMenuHost::CHtmlMenuHost(HWND window, CSettingsHtml& menu, const CLSID& control)
    : window_(window), menu_(menu), controlClass_(control) {}

CHtmlMenuHost::~CHtmlMenuHost() { Destroy(); }

bool CHtmlMenuHost::Create() {
    site_ = new CBrowserSite(window_, this);
    // The browser control lives in the single-threaded apartment of this thread.
    wingui::ole::EnsureUiThreadOle();
    HRESULT result = wingui::ole::CreateInstance(controlClass_, nullptr, CLSCTX_INPROC_SERVER, IID_IOleObject,
                                      reinterpret_cast<void**>(&object_));
    if (SUCCEEDED(result)) result = object_->SetClientSite(site_);
    if (SUCCEEDED(result)) {
        IPersistStreamInit* persist = nullptr;
        if (SUCCEEDED(object_->QueryInterface(IID_IPersistStreamInit, reinterpret_cast<void**>(&persist)))) {
            persist->InitNew();
            ReleaseInto(persist);
        }
        wingui::ole::SetContainedObject(object_, TRUE);
        RECT client;
        GetClientRect(window_, &client);
        result = object_->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, site_, 0, window_, &client);
    }
    IOleInPlaceObject* inPlace = nullptr;
    if (SUCCEEDED(result)) {
        result = object_->QueryInterface(IID_IOleInPlaceObject, reinterpret_cast<void**>(&inPlace));
    }
    if (SUCCEEDED(result)) {
        site_->SetInPlaceObject(inPlace);
        inPlace->GetWindow(&control_);
        ReleaseInto(inPlace);
    }
    IDispatch* dispatch = nullptr;
    if (SUCCEEDED(result)) result = object_->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&dispatch));
    if (SUCCEEDED(result)) {
        browser_.Reset(dispatch);
        ReleaseInto(dispatch);
        IConnectionPointContainer* points = nullptr;
        result = object_->QueryInterface(IID_IConnectionPointContainer, reinterpret_cast<void**>(&points));
        if (SUCCEEDED(result)) result = points->FindConnectionPoint(DIID_DWebBrowserEvents2, &events_);
        ReleaseInto(points);
        if (SUCCEEDED(result)) result = events_->Advise(static_cast<IDispatch*>(site_), &eventsCookie_);
    }
    if (FAILED(result) || !control_) {
        Destroy();
        return false;
    }
    SetWindowLongPtrA(control_, GWLP_ID, IDC_MENU_BROWSER);
    ShowWindow(control_, SW_HIDE);
    return true;
}

void CHtmlMenuHost::Destroy() {
    if (events_ && eventsCookie_) events_->Unadvise(eventsCookie_);
    eventsCookie_ = 0;
    ReleaseInto(events_);
    ReleaseInto(firstFrame_);
    browser_.Reset(nullptr);
    if (object_) {
        object_->Close(OLECLOSE_NOSAVE);
        object_->SetClientSite(nullptr);
    }
    ReleaseInto(object_);
    if (site_) {
        site_->Detach();
        ReleaseInto(site_);
    }
    ReleaseInto(handler_);
    control_ = nullptr;
}

bool CHtmlMenuHost::Show(const std::string& baseFilePath) {
    if (!browser_.IsValid()) return false;
    // The title, logo, image, close button and menu buttons give way.
    for (HWND child = GetWindow(window_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (child != control_) ShowWindow(child, SW_HIDE);
    }
    ShowWindow(control_, SW_SHOW);
    browser_.Navigate(baseFilePath, kNoReadFromCache);
    RedrawWindow(control_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    RECT client;
    GetClientRect(window_, &client);
    browser_.SetLeft(0);
    browser_.SetTop(0);
    browser_.SetHeight(client.bottom);
    browser_.SetWidth(client.right);
    RedrawWindow(control_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    return true;
}

bool CHtmlMenuHost::OnBeforeNavigate(IDispatch*, const std::string& address) {
    const std::optional<std::string> name = AaLinkButtonName(address);
    // Not an "aa:" link: followed inside the control, never handed elsewhere.
    if (!name) return false;
    CSettingsButton* button = FindButtonByName(menu_.Buttons(), *name);
    // Sent, not posted: the button runs now, inside this event, after the
    // navigation has been cancelled by the caller.
    if (button && press_) {
        press_(*button);
    } else if (button) {
        SendMessageA(window_, kRunButtonMessage, 0, reinterpret_cast<LPARAM>(button));
    }
    return true;
}

bool CHtmlMenuHost::OnNewWindow(const std::string& address) {
    if (!OnBeforeNavigate(nullptr, address) && !address.empty()) browser_.Navigate(address, 0);
    return true;
}

void CHtmlMenuHost::OnNavigateComplete(IDispatch* frame) {
    if (firstFrame_ || !frame) return;
    firstFrame_ = frame;
    firstFrame_->AddRef();
}

void CHtmlMenuHost::OnDocumentComplete(IDispatch* frame) {
    if (firstFrame_ && SameObject(frame, firstFrame_)) ReleaseInto(firstFrame_);
    InstallHostHandler();
}

void CHtmlMenuHost::InstallHostHandler() {
    if (handler_) return;
    IDispatch* document = browser_.Document();
    if (!document) return;
    ICustomDoc* custom = nullptr;
    document->QueryInterface(kCustomDocIid, reinterpret_cast<void**>(&custom));
    ReleaseInto(document);
    if (!custom) return;
    handler_ = new DocHostUIHandler;
    handler_->AddRef();
    int top = 0;
    int bottom = 0;
    GetScrollRange(control_, SB_VERT, &top, &bottom);
    if (top == 0 && bottom == 0) handler_->SetFlags(DOCHOSTUIFLAG_SCROLL_NO);
    custom->SetUIHandler(handler_);
    ReleaseInto(custom);
    browser_.Refresh();
}

HtmlMenuStart StartHtmlMenu(HWND window, CSettingsHtml& menu, const std::string& baseFolder, CHtmlMenuHost& host) {
    const std::string baseFile = ResolveInsideOrNothing(baseFolder, menu.Filename);
    if (!FileExists(baseFile)) return HtmlMenuStart::kBaseFileMissing;
    if (!host.ControlWindow() && !host.Create()) {
        wingui::ShowStringMessage(window, {IDS_BROWSER_UNAVAILABLE}, MB_OK | MB_ICONSTOP);
        return HtmlMenuStart::kNoBrowser;
    }
    host.Show(baseFile);
    return HtmlMenuStart::kShown;
}
