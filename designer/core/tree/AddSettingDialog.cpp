#include "AddSettingDialog.h"

#include <commctrl.h>

#include "ControlPlacement.h"
#include "StepPictures.h"

#include "DesignerHelp.h"
#include "DesignerMessage.h"
#include "ProjectNames.h"
#include "ResourceString.h"
#include "Settings.h"
#include "SettingsList.h"
#include "WindowText.h"
#include "../../resource.h"

namespace {

constexpr int kMaxButtonName = 32;
constexpr int kActionHelp = 460;
constexpr int kButtonHelp = 630;

}  // namespace

CAddSettingDialog::CAddSettingDialog(AddStepMode mode, bool standardViewerDefined, const CSettingsList* buttons,
                                     const CSettings* edited)
    : CDialog(IDD_ADD_SETTING),
      mode_(mode),
      choices_(AddStepChoices(mode, standardViewerDefined)),
      buttons_(buttons),
      edited_(edited) {}

void CAddSettingDialog::SetInitialKind(std::int32_t settingType, std::int32_t actionKind) {
    initialType_ = settingType;
    initialAction_ = actionKind;
}

BOOL CAddSettingDialog::OnInitDialog() {
    // By resource id: a choice's picture is its bitmap id less the first.
    const auto ids = {384u, 385u, 386u, 387u, 388u, 389u, 390u, 391u, 392u, 393u, 394u, 395u, 396u, 397u, 398u};
    smallPictures_ = LoadStepPictures(16, ids);
    largePictures_ = LoadStepPictures(32, ids);
    // The picture is drawn by the dialog, with its transparent corners.
    HWND picture = Item(IDC_SETTING_PICTURE);
    SetWindowLongPtrA(picture, GWL_STYLE, (GetWindowLongPtrA(picture, GWL_STYLE) & ~LONG_PTR(SS_TYPEMASK)) | SS_OWNERDRAW);
    SetWindowPos(picture, nullptr, 0, 0, 32, 32, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);

    if (mode_ == AddStepMode::kAction) {
        LayOutForActions();
    } else {
        SendDlgItemMessageA(Handle(), IDC_BUTTON_NAME, EM_LIMITTEXT, kMaxButtonName, 0);
        if (edited_) {
            SetWindowTextA(Handle(), wingui::LoadResourceString(IDS_EDIT_BUTTON_TITLE).c_str());
            SetDlgItemTextA(Handle(), IDC_BUTTON_NAME, edited_->GetName().c_str());
        }
    }
    FillList();
    ShowDescription();
    SetFocus(Item(mode_ == AddStepMode::kAction ? IDC_SETTING_LIST : IDC_BUTTON_NAME));
    return FALSE;
}

void CAddSettingDialog::LayOutForActions() {
    SetWindowTextA(Handle(), wingui::LoadResourceString(IDS_ADD_ACTION_TITLE).c_str());
    const RECT nameLabel = RectInParent(Item(IDC_BUTTON_NAME_LABEL));
    const RECT listLabel = RectInParent(Item(IDC_SETTING_LIST_LABEL));
    const int freed = listLabel.top - nameLabel.top;
    ShowWindow(Item(IDC_BUTTON_NAME_LABEL), SW_HIDE);
    ShowWindow(Item(IDC_BUTTON_NAME), SW_HIDE);
    SetDlgItemTextA(Handle(), IDC_SETTING_LIST_LABEL, wingui::LoadResourceString(IDS_SELECT_ACTION).c_str());
    for (int id : {IDC_SETTING_LIST_LABEL, IDC_SETTING_LIST, IDC_SETTING_PICTURE, IDC_SETTING_DESCRIPTION, IDOK,
                   IDCANCEL, IDHELP}) {
        MoveControlBy(Item(id), 0, -freed);
    }
    RECT window;
    GetWindowRect(Handle(), &window);
    SetWindowPos(Handle(), nullptr, 0, 0, window.right - window.left, window.bottom - window.top - freed,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CAddSettingDialog::FillList() {
    HWND list = Item(IDC_SETTING_LIST);
    SendMessageA(list, LB_SETITEMHEIGHT, 0, 20);
    for (std::size_t i = 0; i < choices_.size(); ++i) {
        const LRESULT index = SendMessageA(list, LB_ADDSTRING, 0, LPARAM(choices_[i].text));
        SendMessageA(list, LB_SETITEMDATA, WPARAM(index), LPARAM(i));
    }
    const int initial = InitialChoice(choices_, initialType_, initialAction_);
    const int count = int(SendMessageA(list, LB_GETCOUNT, 0, 0));
    for (int index = 0; index < count; ++index) {
        if (int(SendMessageA(list, LB_GETITEMDATA, WPARAM(index), 0)) == initial) {
            SendMessageA(list, LB_SETCURSEL, WPARAM(index), 0);
        }
    }
}

int CAddSettingDialog::SelectedChoice() const {
    const LRESULT index = SendDlgItemMessageA(Handle(), IDC_SETTING_LIST, LB_GETCURSEL, 0, 0);
    if (index == LB_ERR) return -1;
    return int(SendDlgItemMessageA(Handle(), IDC_SETTING_LIST, LB_GETITEMDATA, WPARAM(index), 0));
}

void CAddSettingDialog::ShowDescription() {
    const int choice = SelectedChoice();
    const std::string text = choice >= 0 ? wingui::LoadResourceString(UINT(choices_[choice].description)) : "";
    SetDlgItemTextA(Handle(), IDC_SETTING_DESCRIPTION, text.c_str());
    InvalidateRect(Item(IDC_SETTING_PICTURE), nullptr, TRUE);
}

bool CAddSettingDialog::OnCommand(WORD id, WORD notifyCode, HWND control) {
    if (id == IDC_SETTING_LIST && notifyCode == LBN_SELCHANGE) {
        ShowDescription();
        return true;
    }
    if (id == IDC_SETTING_LIST && notifyCode == LBN_DBLCLK) {
        OnOK();
        return true;
    }
    if (id == IDHELP) {
        ShowHelpTopic(Handle(), mode_ == AddStepMode::kAction ? kActionHelp : kButtonHelp);
        return true;
    }
    return CDialog::OnCommand(id, notifyCode, control);
}

bool CAddSettingDialog::OnMessage(UINT message, WPARAM, LPARAM lParam, INT_PTR& result) {
    if (message != WM_DRAWITEM) return false;
    const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
    if (item.CtlID == IDC_SETTING_LIST) DrawEntry(item);
    if (item.CtlID == IDC_SETTING_PICTURE) DrawPicture(item);
    result = TRUE;
    return true;
}

void CAddSettingDialog::DrawEntry(const DRAWITEMSTRUCT& item) {
    if (int(item.itemID) < 0) return;
    const int choice = int(item.itemData);
    if (choice < 0 || choice >= int(choices_.size())) return;
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    const int top = item.rcItem.top + (item.rcItem.bottom - item.rcItem.top - 16) / 2;
    ImageList_Draw(smallPictures_.Get(), choices_[choice].bitmap - IDB_STEP_FIRST, item.hDC, item.rcItem.left + 2,
                   top, ILD_TRANSPARENT);
    RECT text = item.rcItem;
    text.left += 24;
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    DrawTextA(item.hDC, choices_[choice].text, -1, &text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    if (item.itemState & ODS_FOCUS) DrawFocusRect(item.hDC, &item.rcItem);
}

void CAddSettingDialog::DrawPicture(const DRAWITEMSTRUCT& item) {
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(COLOR_BTNFACE));
    const int choice = SelectedChoice();
    if (choice < 0) return;
    ImageList_Draw(largePictures_.Get(), choices_[choice].bitmap - IDB_STEP_FIRST, item.hDC, item.rcItem.left,
                   item.rcItem.top, ILD_TRANSPARENT);
}

void CAddSettingDialog::OnOK() {
    if (mode_ == AddStepMode::kButton) {
        // The box takes no more than 32 characters typed; text put in by other
        // means is cut to the same length.
        const std::string name =
            TrimBlanks(wingui::DialogItemText(Handle(), IDC_BUTTON_NAME).substr(0, kMaxButtonName));
        if (name.empty()) {
            ShowDesignerMessage(Handle(), IDS_ENTER_BUTTON_NAME, MB_OK | MB_ICONSTOP);
            SetFocus(Item(IDC_BUTTON_NAME));
            return;
        }
        if (buttons_ && !buttons_->IsButtonNameFree(name, edited_)) {
            ShowDesignerMessage(Handle(), IDS_BUTTON_NAME_USED, MB_OK | MB_ICONSTOP, {name});
            SetFocus(Item(IDC_BUTTON_NAME));
            return;
        }
        name_ = name;
    }
    const int choice = SelectedChoice();
    if (choice < 0) {
        ShowDesignerMessage(Handle(), IDS_SELECT_FROM_LIST, MB_OK | MB_ICONSTOP);
        SetFocus(Item(IDC_SETTING_LIST));
        return;
    }
    chosen_ = choices_[choice];
    End(IDOK);
}
