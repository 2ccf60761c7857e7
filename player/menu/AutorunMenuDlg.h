#pragma once
// The standard menu window: background, titles, logo, image and up to
// twelve picture buttons, built from one menu record. It knows nothing of
// what a button does: a press goes to its listener. The player derives its
// own window from it; the designer shows it as the live preview of a menu,
// on its own or as a pane inside another window.
#include <windows.h>

#include <string>

#include "ButtonEx.h"
#include "ButtonTxt.h"
#include "ComposedPaint.h"
#include "Handles.h"
#include "Dialog.h"
#include "PictureEx.h"
#include "StaticEx.h"
#include "layout/StandardMenuLayout.h"

class CSettingsHtml;

// Told of each press of a menu button (not in preview).
class IMenuButtonListener {
public:
    virtual ~IMenuButtonListener() = default;
    // The index-th button of the window, with the caption it shows.
    virtual void OnMenuButtonPressed(int index, const std::string& caption) = 0;
};

class CAutorunMenuDlg : public wingui::CDialog {
public:
    static constexpr int kButtonCount = menulayout::kMaxMenuButtons;

    explicit CAutorunMenuDlg(HWND parent = nullptr);
    ~CAutorunMenuDlg() override = default;

    virtual BOOL BuildStandardMenu();
    // The HTML menu is the player's; the preview shows nothing for it.
    virtual BOOL BuildHtmlMenu() { return FALSE; }
    // The record the window shows; it must outlive the window.
    void SetMenu(CSettingsHtml* menu) { menu_ = menu; }
    void SetButtonListener(IMenuButtonListener* listener) { listener_ = listener; }
    // In preview a click on the background closes the window and buttons do nothing.
    virtual void SetPreviewMode(bool on) { preview_ = on; }
    // The directory every file name of the record is appended to.
    virtual void SetBaseFolder(const std::string& path);

    // Shows the window modally with the parent given at construction.
    INT_PTR ShowModal() { return DoModal(parent_); }
    // The window as a pane at the top-left corner of the parent, without
    // frame; it stays until destroyed or its object goes.
    bool ShowAsPane(HWND parent) { return CreateChild(parent); }

    const std::string& BaseFolder() const { return baseFolder_; }
    // The base folder followed by a name of the record; a name that leads out
    // of the folder names nothing.
    std::string InFolder(const std::string& relativeName) const;
    SIZE MenuClientSize() const { return {clientWidth_, clientHeight_}; }
    const menulayout::StandardMenuLayout& Layout() const { return layout_; }

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(WORD id, WORD notifyCode, HWND control) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;
    // Paints the background; a child that draws what lies behind it passes
    // itself, the window's own erase passes null.
    void PaintBackground(HDC dc, HWND forChild);
    bool IsPreview() const { return preview_; }

    HWND parent_;
    CSettingsHtml* menu_ = nullptr;

    CStaticEx title_;
    CStaticEx subtitle_;
    CPictureEx logo_;
    CPictureEx image_;
    CButtonTxt buttons_[kButtonCount];
    CButtonEx close_;

private:
    void AttachControls();
    void PlaceWindow();
    void ComposeChildren();
    void CopyBackground(HDC dc);
    void DrawBackground(HDC dc, const RECT& client);
    void ExcludeVisibleControls(HDC dc);
    void PaintBackgroundPicture(HDC dc, const RECT& client);

    bool preview_ = false;
    IMenuButtonListener* listener_ = nullptr;
    std::string baseFolder_;
    wingui::Bitmap background_;
    SIZE backgroundSize_ = {0, 0};
    // The whole background drawn once: every control paints the part behind
    // it, and a gradient or stretched picture costs too much to draw each time.
    wingui::Bitmap backgroundCache_;
    SIZE cacheSize_ = {0, 0};
    // A standard menu paints its background and controls in one pass.
    wingui::ComposedPaint composed_;
    int clientWidth_ = 0;
    int clientHeight_ = 0;
    menulayout::StandardMenuLayout layout_;
};
