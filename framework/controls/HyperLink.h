#pragma once
// A static control of a dialog turned into a link: blue underlined text
// that fits its own extent, the hand cursor, and a click or the space bar
// opens its address in the browser.
#include <windows.h>

#include <string>

#include "Handles.h"
#include "ToolTip.h"
#include "Window.h"

namespace wingui {

class CHyperLink : public CWindow {
public:
    // withToolTip false: no tip showing the address (and none is made).
    bool Attach(HWND control, bool withToolTip = true);
    // Without an address the text is the address; without a text the
    // address is shown.
    void SetUrl(const std::string& url);
    void SetText(const std::string& text);
    // The tip that shows the address.
    void EnableToolTip(bool enabled);
    const std::string& Url() const { return url_; }
    // Opens the address as the user's click does; false after the failure
    // was shown.
    bool Open();

protected:
    bool OnPaint() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    std::string Address() const;
    void FitToText();
    void UpdateToolTip();

    std::string url_;
    bool toolTipEnabled_ = true;
    Font underlined_;
    CToolTip toolTip_;
};

// The command of the browser registered for ".htm" pages made to open the
// address: cut before the first "%1" between double quotes (before that
// opening quote), else before the first "%1", then a blank and the address.
std::string BrowserCommandFor(const std::string& registeredCommand, const std::string& url);
// The reason shown when a link could not be opened, by the shell's code.
std::string LinkFailureReason(int shellCode);

}  // namespace wingui
