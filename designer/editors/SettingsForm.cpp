#include "SettingsForm.h"

#include <string>

#include "DesignerHelp.h"
#include "DiscSettings.h"
#include "ProjectNames.h"
#include "Settings.h"
#include "StepTree.h"
#include "VendorSite.h"
#include "WindowText.h"
#include "controls/ComboBox.h"
#include "../resource.h"

namespace {

constexpr COLORREF kBannerColour = RGB(59, 31, 110);

bool IsEdit(WORD notifyCode, HWND control) {
    if (notifyCode == EN_CHANGE || notifyCode == CBN_SELCHANGE || notifyCode == CBN_EDITCHANGE) return true;
    if (notifyCode != BN_CLICKED || !control) return false;
    const LONG_PTR kind = GetWindowLongPtrA(control, GWL_STYLE) & BS_TYPEMASK;
    return kind == BS_AUTOCHECKBOX || kind == BS_CHECKBOX || kind == BS_AUTORADIOBUTTON || kind == BS_RADIOBUTTON;
}

}  // namespace

BOOL CSettingsForm::OnInitDialog() {
    LOGFONTA description{};
    description.lfHeight = -18;
    description.lfWeight = FW_BOLD;
    lstrcpynA(description.lfFaceName, "Arial", LF_FACESIZE);
    bannerFont_.Reset(CreateFontIndirectA(&description));
    if (HWND banner = Item(IDC_FORM_BANNER)) SendMessageA(banner, WM_SETFONT, WPARAM(bannerFont_.Get()), FALSE);
    pictureButtons_.Add(Handle(), IDC_FORM_HELP);
    // The forms that show pictures point to where custom ones are made.
    if (HWND link = Item(IDC_GRAPHICS_LINK)) {
        graphicsLink_.Attach(link, false);
        graphicsLink_.SetUrl(VendorPageAddress(kGraphicsPage));
    }
    if (CSettings* record = host_.CurrentRecord()) LoadSettings(record);
    return TRUE;
}

void CSettingsForm::UpdateTitle() {
    CSettings* record = host_.CurrentRecord();
    SetBanner(record ? StepDisplayName(*record) : std::string("General"));
}

void CSettingsForm::SetBanner(const std::string& text) { SetDlgItemTextA(Handle(), IDC_FORM_BANNER, text.c_str()); }

std::string CSettingsForm::ProjectDirectory() {
    CDiscSettings* project = host_.CurrentProject();
    return project ? project->TargetDir : std::string();
}

bool CSettingsForm::OnCommand(WORD id, WORD notifyCode, HWND control) {
    if (id == IDC_FORM_HELP) {
        if (helpTopic_ != 0) ShowHelpTopic(Handle(), helpTopic_);
        return true;
    }
    if (IsEdit(notifyCode, control)) {
        if (!filling_) OnEdited(id, notifyCode);
        return true;
    }
    if (notifyCode == BN_CLICKED && OnButton(id)) return true;
    // Enter and Escape in a pane do nothing.
    return id == IDOK || id == IDCANCEL;
}

bool CSettingsForm::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
    if (message == WM_CTLCOLORSTATIC && GetDlgCtrlID(HWND(lParam)) == IDC_FORM_BANNER) {
        SetTextColor(HDC(wParam), kBannerColour);
        SetBkMode(HDC(wParam), TRANSPARENT);
        result = INT_PTR(GetSysColorBrush(COLOR_BTNFACE));
        return true;
    }
    if (message == WM_DRAWITEM && pictureButtons_.DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))) {
        result = TRUE;
        return true;
    }
    return CDialog::OnMessage(message, wParam, lParam, result);
}

void CSettingsForm::SetText(int id, const std::string& text) {
    Filling filling(*this);
    SetDlgItemTextA(Handle(), id, text.c_str());
}

std::string CSettingsForm::Text(int id) const { return wingui::DialogItemText(Handle(), id); }

std::string CSettingsForm::TrimmedText(int id) const { return TrimBlanks(Text(id)); }

void CSettingsForm::SetChecked(int id, bool checked) {
    Filling filling(*this);
    CheckDlgButton(Handle(), id, checked ? BST_CHECKED : BST_UNCHECKED);
}

bool CSettingsForm::Checked(int id) const { return IsDlgButtonChecked(Handle(), id) == BST_CHECKED; }

void CSettingsForm::EnableItems(std::initializer_list<int> ids, bool enabled) {
    for (int id : ids) EnableWindow(Item(id), enabled);
}

void CSettingsForm::ShowItems(std::initializer_list<int> ids, bool shown) {
    for (int id : ids) ShowWindow(Item(id), shown ? SW_SHOW : SW_HIDE);
}

void CSettingsForm::Repaint() { RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN); }

void CSettingsForm::FillChoices(int id, std::initializer_list<std::pair<const char*, int>> choices) {
    Filling filling(*this);
    wingui::CComboBox box(Item(id));
    box.Clear();
    for (const auto& [text, value] : choices) box.Add(text, LPARAM(value));
}

void CSettingsForm::SelectChoice(int id, int value) {
    Filling filling(*this);
    wingui::CComboBox(Item(id)).SelectData(LPARAM(value));
}

int CSettingsForm::ChosenValue(int id, int otherwise) const {
    return int(wingui::CComboBox(Item(id)).SelectedData().value_or(otherwise));
}
