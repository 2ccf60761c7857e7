#include "LaunchForm.h"

#include "ControlPlacement.h"
#include "DesignerMessage.h"
#include "EditDialog.h"
#include "ProjectFilePicker.h"
#include "ResourceString.h"
#include "../../resource.h"

namespace {

// The registry rows take this much height in the form (at 96 pixels per
// inch); the controls below them move by it.
constexpr int kRegistryRowsHeight = 80;

// Once the author chose the registry in this run, the rows stay shown in
// the Standard view as well.
bool registryChosenSinceStart = false;

constexpr int kRegistryRows[] = {IDC_LAUNCH_FROM_ITEM, IDC_LAUNCH_FROM_REGISTRY, IDC_LAUNCH_KEY_LABEL,
                                 IDC_LAUNCH_KEY,       IDC_LAUNCH_VALUE_LABEL,  IDC_LAUNCH_VALUE};
// Everything from the Options group down, which follows the registry rows.
constexpr int kBelowRegistry[] = {IDC_LAUNCH_PARAMETERS_LABEL, IDC_LAUNCH_PARAMETERS, IDC_LAUNCH_BODY_LABEL,
                                  IDC_LAUNCH_BODY,             IDC_LAUNCH_ICON_LABEL, IDC_LAUNCH_ICON,
                                  IDC_LAUNCH_BUTTONS_LABEL,    IDC_LAUNCH_BUTTONS,    IDC_LAUNCH_DEFAULT_LABEL,
                                  IDC_LAUNCH_DEFAULT,          IDC_LAUNCH_OPTIONS,    IDC_LAUNCH_WAIT,
                                  IDC_LAUNCH_MAXIMIZE};
// The rows under the parameters row, which take its place when it is hidden.
constexpr int kBelowParameters[] = {IDC_LAUNCH_BODY_LABEL,    IDC_LAUNCH_BODY,          IDC_LAUNCH_ICON_LABEL,
                                    IDC_LAUNCH_ICON,          IDC_LAUNCH_BUTTONS_LABEL, IDC_LAUNCH_BUTTONS,
                                    IDC_LAUNCH_DEFAULT_LABEL, IDC_LAUNCH_DEFAULT,       IDC_LAUNCH_OPTIONS,
                                    IDC_LAUNCH_WAIT,          IDC_LAUNCH_MAXIMIZE};

template <class Choices>
void FillFlagChoices(HWND box, const Choices& choices) {
    SendMessageA(box, CB_RESETCONTENT, 0, 0);
    for (const FlagChoice& choice : choices) {
        const LRESULT index = SendMessageA(box, CB_ADDSTRING, 0, LPARAM(choice.text));
        SendMessageA(box, CB_SETITEMDATA, WPARAM(index), LPARAM(choice.value));
    }
}

}  // namespace

CLaunchForm::CLaunchForm(IDesignerHost& host) : CRecordForm(IDD_LAUNCH_FORM, host) {}

BOOL CLaunchForm::OnInitDialog() {
    for (HWND child = GetWindow(Handle(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        designed_[GetDlgCtrlID(child)] = RectInParent(child);
    }
    {
        Filling filling(*this);
        FillFlagChoices(Item(IDC_LAUNCH_ICON), IconStyleChoices());
        FillFlagChoices(Item(IDC_LAUNCH_BUTTONS), ButtonsChoices());
        SelectChoice(IDC_LAUNCH_ICON, 64);
        SendDlgItemMessageA(Handle(), IDC_LAUNCH_PARAMETERS, EM_LIMITTEXT, kMaxParametersLength, 0);
        SendDlgItemMessageA(Handle(), IDC_LAUNCH_BODY, EM_LIMITTEXT, kMaxBodyLength, 0);
    }
    return CSettingsForm::OnInitDialog();
}

void CLaunchForm::MoveFromDesign(int id, int dy) {
    const auto found = designed_.find(id);
    if (found == designed_.end()) return;
    RECT rect = found->second;
    OffsetRect(&rect, 0, dy);
    MoveControl(Item(id), rect);
}

void CLaunchForm::ShowKind() {
    const LaunchKindLayout& layout = *layout_;
    SetHelpTopic(layout.helpTopic);
    SetText(IDC_LAUNCH_DESCRIPTION, wingui::LoadResourceString(UINT(layout.descriptionId)));
    SetText(IDC_LAUNCH_MAIN_LABEL, layout.mainLabel);
    SetText(IDC_LAUNCH_BROWSE, layout.ButtonText());
    SetText(IDC_LAUNCH_PARAMETERS_LABEL, layout.parametersLabel);
    SendDlgItemMessageA(Handle(), IDC_LAUNCH_FILE, EM_SETREADONLY, !layout.mainEditable, 0);
    ShowItems({IDC_LAUNCH_BROWSE}, layout.button != MainFieldButton::kNone);
    ShowItems({IDC_LAUNCH_PREFIX}, layout.showsPrefix);
    ShowItems({IDC_LAUNCH_PARAMETERS_LABEL, IDC_LAUNCH_PARAMETERS}, layout.showsParameters);
    ShowItems({IDC_LAUNCH_BODY_LABEL, IDC_LAUNCH_BODY}, layout.showsBody);
    ShowItems({IDC_LAUNCH_ICON_LABEL, IDC_LAUNCH_ICON, IDC_LAUNCH_BUTTONS_LABEL, IDC_LAUNCH_BUTTONS},
              layout.showsMessageBox);
    ShowItems({IDC_LAUNCH_OPTIONS}, layout.ShowsOptions());
    ShowItems({IDC_LAUNCH_WAIT}, layout.showsWait);
    ShowItems({IDC_LAUNCH_MAXIMIZE}, layout.showsMaximize);
    PlaceMainField();
}

void CLaunchForm::PlaceMainField() {
    RECT field = designed_[IDC_LAUNCH_FILE];
    if (layout_->button == MainFieldButton::kNone) field.right = designed_[IDC_LAUNCH_BROWSE].right;
    if (layout_->showsPrefix) {
        const RECT& prefix = designed_[IDC_LAUNCH_PREFIX];
        field.left = prefix.right + (prefix.left - designed_[IDC_LAUNCH_MAIN_LABEL].right);
    }
    MoveControl(Item(IDC_LAUNCH_FILE), field);
}

void CLaunchForm::FillAddressPrefixes(const std::string& stored) {
    Filling filling(*this);
    HWND box = Item(IDC_LAUNCH_PREFIX);
    SendMessageA(box, CB_RESETCONTENT, 0, 0);
    const std::vector<std::string> entries = AddressPrefixEntries(stored);
    for (const std::string& entry : entries) SendMessageA(box, CB_ADDSTRING, 0, LPARAM(entry.c_str()));
    SendMessageA(box, CB_SETCURSEL, WPARAM(AddressPrefixIndex(entries, stored)), 0);
}

void CLaunchForm::FillDefaultButtons(int buttons, int selected) {
    Filling filling(*this);
    HWND box = Item(IDC_LAUNCH_DEFAULT);
    FillFlagChoices(box, DefaultButtonChoices(buttons));
    SelectChoice(IDC_LAUNCH_DEFAULT, selected);
    if (SendMessageA(box, CB_GETCURSEL, 0, 0) == CB_ERR) SendMessageA(box, CB_SETCURSEL, 0, 0);
}

void CLaunchForm::Fill(CSettingsLaunch& record) {
    layout_ = &LayoutForKind(record.LaunchTypeV3);
    ShowKind();
    const LaunchFormValues values = LaunchValuesOf(record);
    {
        Filling filling(*this);
        CheckRadioButton(Handle(), IDC_LAUNCH_FROM_ITEM, IDC_LAUNCH_FROM_REGISTRY,
                         values.fromRegistry ? IDC_LAUNCH_FROM_REGISTRY : IDC_LAUNCH_FROM_ITEM);
    }
    SetText(IDC_LAUNCH_FILE, values.mainField);
    FillAddressPrefixes(values.addressPrefix);
    SetText(IDC_LAUNCH_KEY, values.registryKey);
    SetText(IDC_LAUNCH_VALUE, values.registryValue);
    SetText(IDC_LAUNCH_PARAMETERS, values.parameters);
    SetText(IDC_LAUNCH_BODY, values.body);
    SetChecked(IDC_LAUNCH_MAXIMIZE, values.maximize);
    SetChecked(IDC_LAUNCH_WAIT, values.wait);
    SelectChoice(IDC_LAUNCH_ICON, values.icon);
    SelectChoice(IDC_LAUNCH_BUTTONS, values.buttons);
    FillDefaultButtons(values.buttons, values.defaultButton);
}

void CLaunchForm::ShowRegistryRows(bool shown) {
    if (registryRowsShown_ == int(shown)) return;
    registryRowsShown_ = int(shown);
    for (int id : kRegistryRows) ShowWindow(Item(id), shown ? SW_SHOW : SW_HIDE);
    const int registryShift = shown ? 0 : -ScreenScaleNow().Y(kRegistryRowsHeight);
    for (int id : kBelowRegistry) MoveFromDesign(id, registryShift);
    if (layout_ && !layout_->showsParameters) {
        const int rowHeight = designed_[IDC_LAUNCH_BODY].top - designed_[IDC_LAUNCH_PARAMETERS].top;
        for (int id : kBelowParameters) MoveFromDesign(id, registryShift - rowHeight);
    }
    Repaint();
}

bool CLaunchForm::UpdateControls() {
    if (!layout_) return false;
    const bool fromRegistry = Checked(IDC_LAUNCH_FROM_REGISTRY);
    EnableItems({IDC_LAUNCH_KEY_LABEL, IDC_LAUNCH_KEY, IDC_LAUNCH_VALUE_LABEL, IDC_LAUNCH_VALUE}, fromRegistry);
    EnableItems({IDC_LAUNCH_MAIN_LABEL, IDC_LAUNCH_FILE, IDC_LAUNCH_BROWSE, IDC_LAUNCH_PREFIX}, !fromRegistry);
    const bool advanced = Host().ViewMode() == kAdvancedView;
    ShowRegistryRows(advanced || registryChosenSinceStart || fromRegistry);
    const bool chooseDefault = layout_->showsMessageBox && ChosenValue(IDC_LAUNCH_BUTTONS, 0) != 0;
    ShowItems({IDC_LAUNCH_DEFAULT_LABEL, IDC_LAUNCH_DEFAULT}, chooseDefault);
    return true;
}

void CLaunchForm::OnEdited(WORD id, WORD notifyCode) {
    if (id == IDC_LAUNCH_FROM_REGISTRY && Checked(IDC_LAUNCH_FROM_REGISTRY)) registryChosenSinceStart = true;
    if (id == IDC_LAUNCH_BUTTONS) FillDefaultButtons(ChosenValue(IDC_LAUNCH_BUTTONS, 0), 0);
    if (id == IDC_LAUNCH_FROM_ITEM || id == IDC_LAUNCH_FROM_REGISTRY || id == IDC_LAUNCH_BUTTONS) UpdateControls();
    CSettingsForm::OnEdited(id, notifyCode);
}

bool CLaunchForm::OnButton(WORD id) {
    if (id != IDC_LAUNCH_BROWSE || !layout_) return false;
    switch (layout_->button) {
        case MainFieldButton::kBrowseFile:
        case MainFieldButton::kBrowseProgram: BrowseForFile(); break;
        case MainFieldButton::kBrowseDirectory: BrowseForDirectory(); break;
        case MainFieldButton::kEditText: EditMessageText(); break;
        case MainFieldButton::kNone: break;
    }
    return true;
}

void CLaunchForm::BrowseForFile() {
    const bool program = layout_->button == MainFieldButton::kBrowseProgram;
    ProjectFileRequest request{UINT(program ? IDS_SELECT_APPLICATION : IDS_SELECT_DOCUMENT),
                               UINT(program ? IDS_FILTER_PROGRAMS : IDS_FILTER_ALL)};
    request.requireExtension = true;
    std::string path = Text(IDC_LAUNCH_FILE);
    HWND owner = GetAncestor(Handle(), GA_ROOT);
    if (!ChooseProjectFile(owner, request, ProjectDirectory(), path)) return;
    // The disc's own player and its configuration are not the author's to launch.
    switch (ReservedDiscFileOf(path)) {
        case ReservedDiscFile::kPlayerProgram:
            ShowDesignerMessage(owner, IDS_AUTORUN_NOT_SELECTABLE, MB_OK | MB_ICONERROR);
            return;
        case ReservedDiscFile::kPlayerConfiguration:
            ShowDesignerMessage(owner, IDS_AUTORUN_INF_NOT_SELECTABLE, MB_OK | MB_ICONERROR);
            return;
        case ReservedDiscFile::kNone: break;
    }
    SetText(IDC_LAUNCH_FILE, path);
    // Whether the user's computer can open the document is checked once
    // the viewer library is there.
    Host().ProjectChanged();
}

void CLaunchForm::BrowseForDirectory() {
    std::string path = Text(IDC_LAUNCH_FILE);
    if (!ChooseProjectDirectory(GetAncestor(Handle(), GA_ROOT), IDS_CHOOSE_EXPLORE_DIRECTORY, ProjectDirectory(), true,
                                path)) {
        return;
    }
    SetText(IDC_LAUNCH_FILE, path);
    Host().ProjectChanged();
}

void CLaunchForm::EditMessageText() {
    CEditDialog edit(Text(IDC_LAUNCH_FILE));
    if (edit.DoModal(GetAncestor(Handle(), GA_ROOT)) != IDOK) return;
    SetText(IDC_LAUNCH_FILE, edit.Text());
    Host().ProjectChanged();
}

void CLaunchForm::Store(CSettingsLaunch& record) {
    LaunchFormValues values;
    values.fromRegistry = Checked(IDC_LAUNCH_FROM_REGISTRY);
    values.mainField = Text(IDC_LAUNCH_FILE);
    values.addressPrefix = Text(IDC_LAUNCH_PREFIX);
    values.registryKey = Text(IDC_LAUNCH_KEY);
    values.registryValue = Text(IDC_LAUNCH_VALUE);
    values.parameters = Text(IDC_LAUNCH_PARAMETERS);
    values.body = Text(IDC_LAUNCH_BODY);
    values.maximize = Checked(IDC_LAUNCH_MAXIMIZE);
    values.wait = Checked(IDC_LAUNCH_WAIT);
    values.icon = ChosenValue(IDC_LAUNCH_ICON, record.Icon);
    values.buttons = ChosenValue(IDC_LAUNCH_BUTTONS, record.Buttons);
    values.defaultButton = ChosenValue(IDC_LAUNCH_DEFAULT, record.DefaultButton);
    StoreLaunchValues(values, record);
}
