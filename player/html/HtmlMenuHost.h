#pragma once
// The HTML menu inside a menu window: the web browser control covering the
// window, its navigation events, and the host handler of
// its first completed document. Links to "aa:" followed by a button name
// press that button of the menu record, through the window's run-button
// message; every other link is followed inside the control.
#include <windows.h>

#include <functional>
#include <string>

#include "html/BrowserSite.h"
#include "html/Explorer1.h"

class CSettingsButton;
class CSettingsHtml;

// The WebBrowser control, {8856F961-340A-11D0-A96B-00C04FD705A2}.
extern const CLSID kWebBrowserClass;

class CHtmlMenuHost : public IBrowserEvents {
public:
    // window: the menu window, which receives the run-button message with
    // the pressed button's record. control: the web browser control's class
    // (tests name one that does not exist).
    CHtmlMenuHost(HWND window, CSettingsHtml& menu, const CLSID& control = kWebBrowserClass);

    // How a link presses its button; by default the run-button message is
    // sent to the window with the record.
    using ButtonPress = std::function<void(CSettingsButton&)>;
    void SetButtonPress(ButtonPress press) { press_ = std::move(press); }
    ~CHtmlMenuHost() override;
    CHtmlMenuHost(const CHtmlMenuHost&) = delete;
    CHtmlMenuHost& operator=(const CHtmlMenuHost&) = delete;

    // Creates the browser control in the window, hidden, with the menu
    // window's browser control id; false when the platform cannot create it
    // (nothing is left behind then).
    bool Create();
    HWND ControlWindow() const { return control_; }

    // Shows the control in place of the window's other controls, navigates
    // it to the base file (without the cache) and makes it cover the client
    // area.
    bool Show(const std::string& baseFilePath);

    // The browser's events, also reached through EventSink().
    bool OnBeforeNavigate(IDispatch* frame, const std::string& address) override;
    void OnNavigateComplete(IDispatch* frame) override;
    void OnDocumentComplete(IDispatch* frame) override;
    // A link meant for a new window opens in the menu window instead (an
    // "aa:" one presses its button).
    bool OnNewWindow(const std::string& address) override;

    // The object the browser delivers its events to.
    IDispatch* EventSink() const { return site_; }
    // Null until the first completed document offered a custom-document interface.
    const DocHostUIHandler* HostHandler() const { return handler_; }
    IDispatch* RememberedFrame() const { return firstFrame_; }

private:
    void Destroy();
    void InstallHostHandler();

    HWND window_;
    CSettingsHtml& menu_;
    CLSID controlClass_;
    ButtonPress press_;
    CBrowserSite* site_ = nullptr;
    IOleObject* object_ = nullptr;
    IConnectionPoint* events_ = nullptr;
    DWORD eventsCookie_ = 0;
    CExplorer1 browser_;
    HWND control_ = nullptr;
    IDispatch* firstFrame_ = nullptr;
    DocHostUIHandler* handler_ = nullptr;
};

enum class HtmlMenuStart {
    kShown,
    kBaseFileMissing,  // the window reports it (message 106) and closes
    kNoBrowser,        // reported here; the window closes
};

// BuildHtmlMenu of the menu window: the browser over the whole window in
// place of the standard menu's controls, showing the base file (the base
// folder followed by the record's Filename).
HtmlMenuStart StartHtmlMenu(HWND window, CSettingsHtml& menu, const std::string& baseFolder, CHtmlMenuHost& host);
