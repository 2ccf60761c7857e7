// The HTML menu's COM host under Wine: the browser control created in a
// window, its navigation events reaching our sink, "aa:" links pressing the
// menu's buttons through the run-button message, the host handler, and a
// window that reports a browser it cannot create instead of crashing.
#include "html/HtmlMenuHost.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "StepTestSupport.h"
#include "records/SettingsButton.h"
#include "records/SettingsHtml.h"
#include "RunButtonMessage.h"
#include "menu/MenuDialogIds.h"

using namespace steptest;

namespace {

std::vector<CSettingsButton*> g_pressed;

LRESULT CALLBACK MenuWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kRunButtonMessage) {
        g_pressed.push_back(reinterpret_cast<CSettingsButton*>(lParam));
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

// A top-level window standing for the menu window.
class CMenuWindow {
public:
    CMenuWindow() {
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = MenuWindowProc;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "MenuwrightTestMenu";
        RegisterClassA(&windowClass);
        window_ = CreateWindowExA(0, "MenuwrightTestMenu", "Menu", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 400,
                                  300, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    }
    ~CMenuWindow() { DestroyWindow(window_); }
    HWND Handle() const { return window_; }

private:
    HWND window_;
};

CSettingsButton* AddButton(CSettingsHtml& menu, const std::string& name) {
    auto button = std::make_unique<CSettingsButton>();
    button->SetName(name);
    CSettingsButton* raw = button.get();
    menu.Buttons().Add(std::move(button), false);
    return raw;
}

// A before-navigate event as the browser delivers it; returns whether it
// was cancelled.
bool DeliverBeforeNavigate(IDispatch* sink, IDispatch* frame, const wchar_t* address) {
    VARIANT url, flags, target, postData, headers;
    VariantInit(&url);
    V_VT(&url) = VT_BSTR;
    V_BSTR(&url) = SysAllocString(address);
    VariantInit(&flags);
    VariantInit(&target);
    VariantInit(&postData);
    VariantInit(&headers);
    VARIANT_BOOL cancel = VARIANT_FALSE;
    VARIANT arguments[7];
    for (VARIANT& argument : arguments) VariantInit(&argument);
    V_VT(&arguments[0]) = VT_BOOL | VT_BYREF;
    V_BOOLREF(&arguments[0]) = &cancel;
    V_VT(&arguments[1]) = VT_VARIANT | VT_BYREF;
    V_VARIANTREF(&arguments[1]) = &headers;
    V_VT(&arguments[2]) = VT_VARIANT | VT_BYREF;
    V_VARIANTREF(&arguments[2]) = &postData;
    V_VT(&arguments[3]) = VT_VARIANT | VT_BYREF;
    V_VARIANTREF(&arguments[3]) = &target;
    V_VT(&arguments[4]) = VT_VARIANT | VT_BYREF;
    V_VARIANTREF(&arguments[4]) = &flags;
    V_VT(&arguments[5]) = VT_VARIANT | VT_BYREF;
    V_VARIANTREF(&arguments[5]) = &url;
    V_VT(&arguments[6]) = VT_DISPATCH;
    V_DISPATCH(&arguments[6]) = frame;
    DISPPARAMS parameters = {arguments, nullptr, 7, 0};
    sink->Invoke(kBeforeNavigate2, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &parameters, nullptr, nullptr,
                 nullptr);
    VariantClear(&url);
    return cancel == VARIANT_TRUE;
}

// A new-window event as the browser delivers it; returns whether the new
// window was cancelled.
bool DeliverNewWindow(IDispatch* sink, const wchar_t* address) {
    IDispatch* newWindow = nullptr;
    VARIANT_BOOL cancel = VARIANT_FALSE;
    VARIANT arguments[5];
    for (VARIANT& argument : arguments) VariantInit(&argument);
    V_VT(&arguments[0]) = VT_BSTR;
    V_BSTR(&arguments[0]) = SysAllocString(address);
    V_VT(&arguments[1]) = VT_BSTR;
    V_BSTR(&arguments[1]) = SysAllocString(L"file:///Z:/disc/Menu.htm");
    V_VT(&arguments[2]) = VT_UI4;
    V_UI4(&arguments[2]) = 0;
    V_VT(&arguments[3]) = VT_BOOL | VT_BYREF;
    V_BOOLREF(&arguments[3]) = &cancel;
    V_VT(&arguments[4]) = VT_DISPATCH | VT_BYREF;
    V_DISPATCHREF(&arguments[4]) = &newWindow;
    DISPPARAMS parameters = {arguments, nullptr, 5, 0};
    sink->Invoke(kNewWindow3, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &parameters, nullptr, nullptr,
                 nullptr);
    VariantClear(&arguments[0]);
    VariantClear(&arguments[1]);
    return cancel == VARIANT_TRUE && newWindow == nullptr;
}

void DeliverFrameEvent(IDispatch* sink, DISPID id, IDispatch* frame) {
    VARIANT url;
    VariantInit(&url);
    V_VT(&url) = VT_BSTR;
    V_BSTR(&url) = SysAllocString(L"file:///Z:/disc/Menu.htm");
    VARIANT arguments[2];
    VariantInit(&arguments[0]);
    V_VT(&arguments[0]) = VT_VARIANT | VT_BYREF;
    V_VARIANTREF(&arguments[0]) = &url;
    VariantInit(&arguments[1]);
    V_VT(&arguments[1]) = VT_DISPATCH;
    V_DISPATCH(&arguments[1]) = frame;
    DISPPARAMS parameters = {arguments, nullptr, 2, 0};
    sink->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &parameters, nullptr, nullptr, nullptr);
    VariantClear(&url);
}

class HtmlMenuHost : public ::testing::Test {
protected:
    void SetUp() override {
        OleInitialize(nullptr);
        g_pressed.clear();
        install_ = AddButton(menu_, "Install Reader");
        AddButton(menu_, "INSTALL READER");
        exit_ = AddButton(menu_, "Exit");
    }
    void TearDown() override { OleUninitialize(); }

    CSettingsHtml menu_;
    CSettingsButton* install_ = nullptr;
    CSettingsButton* exit_ = nullptr;
};

}  // namespace

TEST_F(HtmlMenuHost, CreatesTheBrowserAsAHiddenControlOfTheWindow) {
    CMenuWindow window;
    CHtmlMenuHost host(window.Handle(), menu_);
    ASSERT_TRUE(host.Create()) << "the platform's web browser control";
    ASSERT_NE(host.ControlWindow(), nullptr);
    EXPECT_EQ(GetDlgCtrlID(host.ControlWindow()), IDC_MENU_BROWSER);
    EXPECT_EQ(GetParent(host.ControlWindow()), window.Handle());
    EXPECT_FALSE(IsWindowVisible(host.ControlWindow()));
    EXPECT_NE(host.EventSink(), nullptr);
}

TEST_F(HtmlMenuHost, AaLinksDeliveredToTheSinkPressTheirButton) {
    CMenuWindow window;
    CHtmlMenuHost host(window.Handle(), menu_);
    ASSERT_TRUE(host.Create());
    IDispatch* sink = host.EventSink();
    struct Case {
        const wchar_t* address;
        bool cancelled;
        CSettingsButton* pressed;
    };
    const Case cases[] = {
        {L"aa:Install%20Reader", true, install_},
        {L"AA:install reader", true, install_},
        {L"aa:exit", true, exit_},
        // Cancelled all the same: an "aa:" address is never followed.
        {L"aa:Tom%26Jerry", true, nullptr},
        {L"aa:", true, nullptr},
        {L"file:///Z:/disc/Page2.htm", false, nullptr},
        {L"http://www.example.com/aa:Exit", false, nullptr},
    };
    for (const Case& c : cases) {
        g_pressed.clear();
        EXPECT_EQ(DeliverBeforeNavigate(sink, nullptr, c.address), c.cancelled);
        if (c.pressed) {
            EXPECT_EQ(g_pressed, std::vector<CSettingsButton*>{c.pressed});
        } else {
            EXPECT_TRUE(g_pressed.empty());
        }
    }
}

TEST_F(HtmlMenuHost, TheWindowMayPressTheButtonItself) {
    CMenuWindow window;
    CHtmlMenuHost host(window.Handle(), menu_);
    ASSERT_TRUE(host.Create());
    std::vector<CSettingsButton*> pressedByWindow;
    host.SetButtonPress([&](CSettingsButton& button) { pressedByWindow.push_back(&button); });
    EXPECT_TRUE(DeliverBeforeNavigate(host.EventSink(), nullptr, L"aa:EXIT"));
    EXPECT_TRUE(DeliverBeforeNavigate(host.EventSink(), nullptr, L"aa:nobody"));
    EXPECT_EQ(pressedByWindow, std::vector<CSettingsButton*>{exit_});
    EXPECT_TRUE(g_pressed.empty());
}

TEST_F(HtmlMenuHost, LinksForANewWindowStayInTheMenuWindow) {
    CMenuWindow window;
    CHtmlMenuHost host(window.Handle(), menu_);
    ASSERT_TRUE(host.Create());
    EXPECT_TRUE(DeliverNewWindow(host.EventSink(), L"aa:Exit"));
    EXPECT_EQ(g_pressed, std::vector<CSettingsButton*>{exit_});
    g_pressed.clear();
    EXPECT_TRUE(DeliverNewWindow(host.EventSink(), L"aa:Install%20Reader"));
    EXPECT_EQ(g_pressed, std::vector<CSettingsButton*>{install_});
    g_pressed.clear();
    EXPECT_TRUE(DeliverNewWindow(host.EventSink(), L"file:///Z:/nowhere/Page2.htm"));
    EXPECT_TRUE(g_pressed.empty());
}

TEST_F(HtmlMenuHost, NavigatingTheRealControlToAnAaLinkPressesTheButton) {
    CMenuWindow window;
    CHtmlMenuHost host(window.Handle(), menu_);
    ASSERT_TRUE(host.Create());
    // The control raises its own before-navigate event for the address.
    ASSERT_TRUE(host.Show("aa:Install%20Reader"));
    // The browser raises before-navigate from within the call or soon after.
    const DWORD start = GetTickCount();
    while (g_pressed.empty() && GetTickCount() - start < 5000) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
        Sleep(20);
    }
    EXPECT_EQ(g_pressed, std::vector<CSettingsButton*>{install_});
    RECT client, controlRect;
    GetClientRect(window.Handle(), &client);
    GetClientRect(host.ControlWindow(), &controlRect);
    EXPECT_TRUE(IsWindowVisible(host.ControlWindow()));
    EXPECT_EQ(controlRect.right, client.right);
    EXPECT_EQ(controlRect.bottom, client.bottom);
}

TEST_F(HtmlMenuHost, RemembersTheFirstFrameUntilItsDocumentCompletes) {
    CMenuWindow window;
    CHtmlMenuHost host(window.Handle(), menu_);
    ASSERT_TRUE(host.Create());
    IDispatch* sink = host.EventSink();
    // Any dispatch object serves as a frame.
    IDispatch* frame = sink;
    DeliverFrameEvent(sink, kNavigateComplete2, frame);
    EXPECT_EQ(host.RememberedFrame(), frame);
    DeliverFrameEvent(sink, kNavigateComplete2, nullptr);
    EXPECT_EQ(host.RememberedFrame(), frame);
    DeliverFrameEvent(sink, kDocumentComplete, frame);
    EXPECT_EQ(host.RememberedFrame(), nullptr);
}

TEST(DocHostUIHandlerTest, CountsReferencesAndAnswersAsAHostWithoutUi) {
    auto* handler = new DocHostUIHandler;
    EXPECT_EQ(handler->AddRef(), 1u);
    IUnknown* unknown = nullptr;
    ASSERT_EQ(handler->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&unknown)), S_OK);
    EXPECT_EQ(unknown, static_cast<IUnknown*>(handler));
    IDocHostUIHandler* same = nullptr;
    ASSERT_EQ(handler->QueryInterface(IID_IDocHostUIHandler, reinterpret_cast<void**>(&same)), S_OK);
    EXPECT_EQ(same->Release(), 2u);
    EXPECT_EQ(unknown->Release(), 1u);
    IDispatch* none = reinterpret_cast<IDispatch*>(1);
    EXPECT_EQ(handler->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&none)), E_NOINTERFACE);
    EXPECT_EQ(none, nullptr);

    DOCHOSTUIINFO info = {};
    info.dwDoubleClick = 7;
    EXPECT_EQ(handler->GetHostInfo(&info), S_OK);
    EXPECT_EQ(info.cbSize, sizeof(DOCHOSTUIINFO));
    EXPECT_EQ(info.dwFlags, 0u);
    EXPECT_EQ(info.dwDoubleClick, DWORD(DOCHOSTUIDBLCLK_DEFAULT));
    handler->SetFlags(DOCHOSTUIFLAG_SCROLL_NO);
    handler->GetHostInfo(&info);
    EXPECT_EQ(info.dwFlags, 8u);

    POINT point = {5, 5};
    EXPECT_EQ(handler->ShowContextMenu(0, &point, nullptr, nullptr), S_OK);
    MSG key = {};
    EXPECT_EQ(handler->TranslateAccelerator(&key, nullptr, 0), S_OK);
    EXPECT_EQ(handler->ShowUI(0, nullptr, nullptr, nullptr, nullptr), S_OK);
    IDropTarget* drop = reinterpret_cast<IDropTarget*>(1);
    EXPECT_EQ(handler->GetDropTarget(nullptr, &drop), S_FALSE);
    IDispatch* external = reinterpret_cast<IDispatch*>(1);
    EXPECT_EQ(handler->GetExternal(&external), E_NOTIMPL);
    wchar_t address[] = L"file:///Z:/Menu.htm";
    LPWSTR translated = address;
    EXPECT_EQ(handler->TranslateUrl(0, address, &translated), S_FALSE);
    EXPECT_EQ(translated, nullptr);
    IDataObject* filtered = reinterpret_cast<IDataObject*>(1);
    EXPECT_EQ(handler->FilterDataObject(nullptr, &filtered), S_FALSE);
    EXPECT_EQ(handler->Release(), 0u);  // destroyed
}

TEST(HtmlMenuWindow, MissingBaseFileCreatesNoBrowser) {
    OleInitialize(nullptr);
    CMenuWindow window;
    CSettingsHtml menu;
    menu.MenuType = CSettingsHtml::kHtmlMenu;
    menu.Filename = "\\Menu\\Missing.htm";
    CTempDisc disc;
    CHtmlMenuHost host(window.Handle(), menu);
    EXPECT_EQ(StartHtmlMenu(window.Handle(), menu, disc.Root(), host), HtmlMenuStart::kBaseFileMissing);
    EXPECT_EQ(host.ControlWindow(), nullptr);
    OleUninitialize();
}

TEST(HtmlMenuWindow, BrowserCoversTheWindowInPlaceOfItsControls) {
    OleInitialize(nullptr);
    CMenuWindow window;
    HWND title = CreateWindowExA(0, "STATIC", "Title", WS_CHILD | WS_VISIBLE, 20, 20, 200, 20, window.Handle(),
                                 nullptr, nullptr, nullptr);
    CSettingsHtml menu;
    menu.MenuType = CSettingsHtml::kHtmlMenu;
    menu.Filename = "\\Menu.htm";
    CTempDisc disc;
    disc.Write("\\Menu.htm", "<html><body><a href=\"aa:Exit\">Exit</a></body></html>");
    CHtmlMenuHost host(window.Handle(), menu);
    ASSERT_EQ(StartHtmlMenu(window.Handle(), menu, disc.Root(), host), HtmlMenuStart::kShown);
    EXPECT_FALSE(IsWindowVisible(title));
    EXPECT_TRUE(IsWindowVisible(host.ControlWindow()));
    RECT client, controlRect;
    GetClientRect(window.Handle(), &client);
    GetWindowRect(host.ControlWindow(), &controlRect);
    MapWindowPoints(nullptr, window.Handle(), reinterpret_cast<POINT*>(&controlRect), 2);
    EXPECT_EQ(controlRect.left, 0);
    EXPECT_EQ(controlRect.top, 0);
    EXPECT_EQ(controlRect.right, client.right);
    EXPECT_EQ(controlRect.bottom, client.bottom);
    OleUninitialize();
}

TEST(HtmlMenuWindow, BrowserThatCannotBeCreatedIsReportedNotACrash) {
    OleInitialize(nullptr);
    // A control class this computer does not have.
    const CLSID missingControl = {0x6d776e6f, 0x6e65, 0x4d57, {0x80, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x01}};
    CMenuWindow window;
    CSettingsHtml menu;
    menu.MenuType = CSettingsHtml::kHtmlMenu;
    menu.Filename = "\\Menu.htm";
    CTempDisc disc;
    disc.Write("\\Menu.htm", "<html></html>");
    std::string reported;
    CDialogDriver driver([&](DWORD mainThread) {
        HWND box = WaitForThreadWindow(mainThread, "#32770", nullptr);
        if (!box) return;
        reported = MessageBoxText(box);
        Click(box, IDOK);
    });
    CHtmlMenuHost host(window.Handle(), menu, missingControl);
    EXPECT_EQ(StartHtmlMenu(window.Handle(), menu, disc.Root(), host), HtmlMenuStart::kNoBrowser);
    driver.Finish();
    EXPECT_EQ(host.ControlWindow(), nullptr);
    EXPECT_EQ(host.EventSink(), nullptr);
    EXPECT_EQ(reported, "The web browser control needed to show this menu is not available on this computer.");
    OleUninitialize();
}
