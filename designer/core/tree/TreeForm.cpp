#include "TreeForm.h"

#include <commctrl.h>
#include <windowsx.h>

#include "AddSettingDialog.h"
#include "DesignerMessage.h"
#include "DiscSettings.h"
#include "NewProjects.h"
#include "controls/PopupMenu.h"
#include "RenameDialog.h"
#include "ResourceString.h"
#include "Settings.h"
#include "StepEdits.h"
#include "ToolTipText.h"
#include "WindowText.h"
#include "records/SettingsHtml.h"
#include "records/SettingsLaunch.h"
#include "../../resource.h"

namespace {

constexpr COLORREF kPaneColour = RGB(221, 210, 239);

constexpr int kPaneButtons[] = {IDC_ADD_ACTION, IDC_ADD_BUTTON, IDC_ADD_MENU, IDC_MOVE_UP, IDC_MOVE_DOWN,
                                IDC_RENAME_STEP, IDC_DELETE_STEP, IDC_GENERAL, IDC_ICON_BUTTON, IDC_DRIVERS};

// The frame's command that a pane button stands for.
UINT FrameCommandFor(int id) {
    switch (id) {
        case IDC_GENERAL: return ID_VIEW_GENERAL;
        case IDC_ICON_BUTTON: return ID_VIEW_ICON;
        case IDC_DRIVERS: return ID_VIEW_DRIVERS;
        default: return 0;
    }
}

}  // namespace

CTreeForm::CTreeForm(IDesignerHost& host) : CDialog(IDD_TREE_FORM), host_(host), look_(kPaneColour) {}

CSettingsList* CTreeForm::RootList() {
    CDiscSettings* project = host_.CurrentProject();
    return project ? &project->RootList : nullptr;
}

BOOL CTreeForm::OnInitDialog() {
    tree_.Attach(Item(IDC_STEP_TREE));
    tree_.LoadImages();
    for (int id : kPaneButtons) buttons_.Add(Handle(), id, "TxtButton");
    buttons_.Add(Handle(), IDC_VIEW_MODE, "TreeButton");
    toolTips_.Create(Handle());
    for (int id : kPaneButtons) toolTips_.Add(Item(id), ToolTipText(wingui::LoadResourceString(UINT(id))));
    toolTips_.Add(Item(IDC_VIEW_MODE), ToolTipText(wingui::LoadResourceString(IDC_VIEW_MODE)));
    UpdateFlags({});
    return FALSE;
}

void CTreeForm::Rebuild() {
    rebuilding_ = true;
    HTREEITEM first = nullptr;
    {
        CStepTreeCtrl::RedrawPause pause(tree_);
        tree_.DeleteAllNodes();
        if (CSettingsList* root = RootList()) {
            for (const auto& record : *root) tree_.InsertNode({record.get(), root, nullptr}, nullptr, TVI_LAST);
        }
        // The first node's form is shown once, here, not also by the selection.
        first = tree_.Root();
        if (first) tree_.Select(first);
    }
    rebuilding_ = false;
    host_.ShowFormFor(first ? tree_.SelectedNode().record : nullptr);
    UpdateFlags(tree_.SelectedNode());
}

void CTreeForm::ApplyViewMode(int mode) {
    viewMode_ = mode;
    ShowWindow(Item(IDC_DRIVERS), mode == kAdvancedView ? SW_SHOW : SW_HIDE);
    const UINT text = mode == kAdvancedView ? IDS_VIEW_STANDARD : IDS_VIEW_ADVANCED;
    SetDlgItemTextA(Handle(), IDC_VIEW_MODE, wingui::LoadResourceString(text).c_str());
    InvalidateRect(Item(IDC_VIEW_MODE), nullptr, TRUE);
}

void CTreeForm::ClearSelection() {
    rebuilding_ = true;  // the form is already shown: the change shows nothing
    TreeView_SelectItem(tree_.Handle(), nullptr);
    rebuilding_ = false;
    UpdateFlags({});
}

void CTreeForm::UpdateFlags(const StepNode& node) {
    CSettingsList* root = RootList();
    flags_ = root ? FlagsFor(*root, node) : StepTreeFlags{};
    EnableWindow(Item(IDC_ADD_BUTTON), flags_.canAddButton);
    EnableWindow(Item(IDC_DELETE_STEP), flags_.canDelete);
    EnableWindow(Item(IDC_MOVE_UP), flags_.canMoveUp);
    EnableWindow(Item(IDC_MOVE_DOWN), flags_.canMoveDown);
    EnableWindow(Item(IDC_RENAME_STEP), flags_.canRename);
    const std::string text = wingui::LoadResourceString(flags_.hasParent ? IDS_ADD_SUBMENU : IDS_ADD_MENU);
    if (wingui::DialogItemText(Handle(), IDC_ADD_MENU) != text) {
        SetDlgItemTextA(Handle(), IDC_ADD_MENU, text.c_str());
        InvalidateRect(Item(IDC_ADD_MENU), nullptr, TRUE);
    }
}

void CTreeForm::SelectNew(HTREEITEM item) {
    if (!item) return;
    tree_.Select(item);
    UpdateFlags(tree_.SelectedNode());
}

void CTreeForm::AfterChange() {
    SetFocus(tree_.Handle());
    host_.ProjectChanged();
}

bool CTreeForm::ChooseStep(AddStepMode mode, const CSettingsList* buttons, AddStepChoice& choice,
                           std::string& name) {
    // Standard viewers come with the viewer library; until one is defined
    // the dialog does not offer them.
    CAddSettingDialog dialog(mode, false, buttons);
    if (dialog.DoModal(GetAncestor(Handle(), GA_ROOT)) != IDOK) return false;
    choice = dialog.Chosen();
    name = dialog.ButtonName();
    return true;
}

void CTreeForm::AddStep(AddStepMode mode) {
    CSettingsList* root = RootList();
    if (!root) return;
    const StepNode selected = tree_.SelectedNode();
    const InsertPlace buttonPlace = mode == AddStepMode::kButton ? PlaceForNewButton(*root, selected) : InsertPlace{};
    if (mode == AddStepMode::kButton && !buttonPlace.list) return;

    AddStepChoice choice{};
    std::string name;
    if (!ChooseStep(mode, buttonPlace.list, choice, name)) return;

    std::unique_ptr<CSettings> record = CreateSettings(choice.settingType);
    if (!record) return;
    if (choice.settingType == kSettingLaunch) static_cast<CSettingsLaunch&>(*record).LaunchTypeV3 = choice.actionKind;

    StepNode added;
    CStepTreeCtrl::RedrawPause pause(tree_);
    if (mode == AddStepMode::kButton) {
        const StepNode button = InsertNewButton(*root, selected, name);
        if (!button) return;
        tree_.InsertAtListPosition(button);
        // The action goes first in the new button's actions.
        added = InsertNewStep(*root, button, std::move(record));
    } else {
        added = InsertNewStep(*root, selected, std::move(record));
    }
    SelectNew(tree_.InsertAtListPosition(added));
    AfterChange();
}

void CTreeForm::AddAction() { AddStep(AddStepMode::kAction); }

void CTreeForm::AddButton() { AddStep(AddStepMode::kButton); }

void CTreeForm::AddMenu() {
    CSettingsList* root = RootList();
    if (!root) return;
    auto menu = std::make_unique<CSettingsHtml>();
    AddExitButton(*menu, wingui::LoadResourceString(IDS_EXIT_BUTTON));
    const StepNode added = InsertNewStep(*root, tree_.SelectedNode(), std::move(menu));
    CStepTreeCtrl::RedrawPause pause(tree_);
    SelectNew(tree_.InsertAtListPosition(added));
    AfterChange();
}

void CTreeForm::DeleteStep() {
    host_.SaveShownForm();
    CSettingsList* root = RootList();
    HTREEITEM item = tree_.Selection();
    const StepNode* node = tree_.NodeOf(item);
    if (!root || !node) return;
    const int answer = ShowDesignerMessage(GetAncestor(Handle(), GA_ROOT), IDS_CONFIRM_DELETE_STEP,
                                           MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2, {node->record->GetName()});
    if (answer != IDYES) return;
    host_.ForgetShownRecord();
    CStepTreeCtrl::RedrawPause pause(tree_);
    const StepNode next = ::DeleteStep(*root, *node);
    HTREEITEM nextItem = tree_.ItemOf(next.record);
    if (nextItem) {
        tree_.Select(nextItem);
    } else {
        host_.ShowFormFor(nullptr);
    }
    // Deleting the node must not move the selection on its own.
    rebuilding_ = true;
    tree_.DeleteNode(item);
    rebuilding_ = false;
    UpdateFlags(tree_.SelectedNode());
    AfterChange();
}

void CTreeForm::Move(bool up) {
    host_.SaveShownForm();
    HTREEITEM item = tree_.Selection();
    const StepNode* found = tree_.NodeOf(item);
    if (!found) return;
    const StepNode node = *found;
    if (up) {
        node.list->MoveUp(node.record);
    } else {
        node.list->MoveDown(node.record);
    }
    rebuilding_ = true;
    {
        CStepTreeCtrl::RedrawPause pause(tree_);
        // The old node goes first so that the record has one node only.
        tree_.DeleteNode(item);
        tree_.Select(tree_.InsertAtListPosition(node));
    }
    rebuilding_ = false;
    UpdateFlags(tree_.SelectedNode());
    AfterChange();
}

void CTreeForm::MoveUp() { Move(true); }

void CTreeForm::MoveDown() { Move(false); }

void CTreeForm::RenameStep() {
    host_.SaveShownForm();
    HTREEITEM item = tree_.Selection();
    const StepNode* found = tree_.NodeOf(item);
    if (!found) return;
    const StepNode node = *found;
    std::string name = node.record->GetName();
    for (;;) {
        CRenameDialog dialog(name);
        if (dialog.DoModal(GetAncestor(Handle(), GA_ROOT)) != IDOK) {
            SetFocus(tree_.Handle());
            return;
        }
        name = dialog.Name();
        if (::RenameStep(node, name)) break;
        ShowDesignerMessage(GetAncestor(Handle(), GA_ROOT), IDS_BUTTON_NAME_USED, MB_OK | MB_ICONSTOP, {name});
    }
    host_.ProjectChanged();
    tree_.RefreshText(item);
    host_.UpdateFormTitle();
    SetFocus(tree_.Handle());
}

void CTreeForm::InsertBeforeSelection(std::unique_ptr<CSettings> record) {
    HTREEITEM item = tree_.Selection();
    const StepNode* found = tree_.NodeOf(item);
    if (!found || !record) return;
    const StepNode node = *found;
    node.list->MakeUniqueName(*record);
    const int position = node.list->IndexOf(node.record);
    CSettings* previous = position > 0 ? node.list->GetAt(position - 1) : nullptr;
    CSettings* inserted = node.list->InsertAfter(std::move(record), previous);
    CStepTreeCtrl::RedrawPause pause(tree_);
    tree_.InsertAtListPosition({inserted, node.list, node.parent});
    host_.ProjectChanged();
}

bool CTreeForm::OnCommand(WORD id, WORD notifyCode, HWND control) {
    if (notifyCode != BN_CLICKED) return CDialog::OnCommand(id, notifyCode, control);
    switch (id) {
        case IDC_ADD_ACTION: AddAction(); return true;
        case IDC_ADD_BUTTON: AddButton(); return true;
        case IDC_ADD_MENU: AddMenu(); return true;
        case IDC_MOVE_UP: MoveUp(); return true;
        case IDC_MOVE_DOWN: MoveDown(); return true;
        case IDC_RENAME_STEP: RenameStep(); return true;
        case IDC_DELETE_STEP: DeleteStep(); return true;
        case IDC_VIEW_MODE: {
            const UINT command = viewMode_ == kAdvancedView ? ID_VIEW_STANDARD : ID_VIEW_ADVANCED;
            PostMessageA(GetAncestor(Handle(), GA_ROOT), WM_COMMAND, command, 0);
            return true;
        }
        default:
            break;
    }
    if (UINT command = FrameCommandFor(id)) {
        PostMessageA(GetAncestor(Handle(), GA_ROOT), WM_COMMAND, command, 0);
        return true;
    }
    // Enter and Escape in a pane do nothing.
    return id == IDOK || id == IDCANCEL;
}

bool CTreeForm::OnNotify(const NMHDR& header, INT_PTR& result) {
    if (header.idFrom != IDC_STEP_TREE) return false;
    if (header.code == TVN_SELCHANGINGA || header.code == TVN_SELCHANGINGW) {
        const auto& change = reinterpret_cast<const NMTREEVIEWA&>(header);
        if (!rebuilding_ && change.itemNew.hItem) {
            const StepNode* node = tree_.NodeOf(change.itemNew.hItem);
            if (node) host_.ShowFormFor(node->record);
            UpdateFlags(node ? *node : StepNode{});
        }
        result = FALSE;  // the change is always allowed
        return true;
    }
    if (header.code == NM_RCLICK) {
        ShowContextMenu();
        result = TRUE;
        return true;
    }
    return false;
}

void CTreeForm::ShowContextMenu() {
    POINT screen;
    GetCursorPos(&screen);
    POINT client = screen;
    ScreenToClient(tree_.Handle(), &client);
    HTREEITEM item = tree_.ItemAt(client);
    if (!item) return;
    tree_.Select(item);
    UpdateFlags(tree_.SelectedNode());

    wingui::CPopupMenu menu(IDR_TREE_CONTEXT, 0);
    if (!menu) return;
    ModifyMenuA(menu.Handle(), ID_CONTEXT_ADD_MENU, MF_BYCOMMAND | MF_STRING, ID_CONTEXT_ADD_MENU,
                flags_.hasParent ? "Add Sub&menu..." : "Add &Menu...");
    menu.Enable(ID_CONTEXT_ADD_BUTTON, flags_.canAddButton);
    menu.Enable(ID_CONTEXT_DELETE, flags_.canDelete);
    menu.Enable(ID_CONTEXT_MOVE_UP, flags_.canMoveUp);
    menu.Enable(ID_CONTEXT_MOVE_DOWN, flags_.canMoveDown);
    menu.Enable(ID_CONTEXT_RENAME, flags_.canRename);
    switch (menu.Track(Handle(), screen)) {
        case ID_CONTEXT_ADD_ACTION: AddAction(); break;
        case ID_CONTEXT_ADD_BUTTON: AddButton(); break;
        case ID_CONTEXT_ADD_MENU: AddMenu(); break;
        case ID_CONTEXT_MOVE_UP: MoveUp(); break;
        case ID_CONTEXT_MOVE_DOWN: MoveDown(); break;
        case ID_CONTEXT_RENAME: RenameStep(); break;
        case ID_CONTEXT_DELETE: DeleteStep(); break;
        default: break;
    }
}

bool CTreeForm::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
    return look_.Handle(Handle(), buttons_, message, wParam, lParam, result);
}
