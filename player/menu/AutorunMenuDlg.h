#pragma once
// The standard menu window: background, titles, logo, image and up to
// twelve picture buttons, built from one menu record. The player derives its
// own window from it; the designer shows it as the live preview of a menu.
#include <windows.h>

#include <string>

#include "ButtonEx.h"
#include "ButtonTxt.h"
#include "Handles.h"
#include "ModalDialog.h"
#include "PictureEx.h"
#include "StaticEx.h"
#include "layout/StandardMenuLayout.h"

class CDiscSettings;
class CSettingsButton;
class CSettingsHtml;
class CStepSequencer;

class CAutorunMenuDlg : public wingui::CModalDialog {
public:
    static constexpr int kButtonCount = menulayout::kMaxMenuButtons;

    explicit CAutorunMenuDlg(HWND parent = nullptr);
    ~CAutorunMenuDlg() override = default;

    virtual BOOL BuildStandardMenu();
    // The HTML menu is the player's; the preview shows nothing for it.
    virtual BOOL BuildHtmlMenu() { return FALSE; }
    // The disc settings and the sequencer are null in the designer's preview.
    virtual void SetMenuContext(CDiscSettings* disc, CSettingsHtml* menu, CStepSequencer* sequencer);
    // In preview a click on the background closes the window and buttons do nothing.
    virtual void SetPreviewMode(bool on) { preview_ = on; }
    // The directory every file name of the record is appended to.
    virtual void SetBaseFolder(const std::string& path);

    // Shows the window modally with the parent given at construction.
    INT_PTR ShowModal() { return DoModal(parent_); }

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
    // A press of the index-th menu button; the player runs its record.
    virtual void OnMenuButton(int /*index*/) {}

    // Paints the background; a child that draws what lies behind it passes
    // itself, the window's own erase passes null.
    void PaintBackground(HDC dc, HWND forChild);
    bool IsPreview() const { return preview_; }

    HWND parent_;
    CDiscSettings* disc_ = nullptr;
    CSettingsHtml* menu_ = nullptr;
    CSettingsButton* runningButton_ = nullptr;
    CStepSequencer* sequencer_ = nullptr;

    CStaticEx title_;
    CStaticEx subtitle_;
    CPictureEx logo_;
    CPictureEx image_;
    CButtonTxt buttons_[kButtonCount];
    CButtonEx close_;

private:
    void AttachControls();
    void PlaceWindow();
    void DrawBackground(HDC dc, const RECT& client);
    void ExcludeVisibleControls(HDC dc);
    void PaintBackgroundPicture(HDC dc, const RECT& client);

    bool preview_ = false;
    std::string baseFolder_;
    wingui::Bitmap background_;
    SIZE backgroundSize_ = {0, 0};
    // The whole background drawn once: every control paints the part behind
    // it, and a gradient or stretched picture costs too much to draw each time.
    wingui::Bitmap backgroundCache_;
    SIZE cacheSize_ = {0, 0};
    int clientWidth_ = 0;
    int clientHeight_ = 0;
    menulayout::StandardMenuLayout layout_;
};
