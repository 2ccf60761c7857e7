#include "HtmlForm.h"

#include "ControlPlacement.h"
#include "ProjectFilePicker.h"
#include "ResourceString.h"
#include "util/PathNames.h"
#include "../../resource.h"

namespace {

constexpr int kStandardHelpTopic = 290;
constexpr int kHtmlHelpTopic = 13;
// The gap between the base file group and the button below it, at 96
// pixels per inch.
constexpr int kGapBelowBaseFile = 10;

constexpr std::initializer_list<int> kStandardControls = {
    IDC_MENU_TITLE_LABEL,    IDC_MENU_TITLE,           IDC_MENU_SUBTITLE_LABEL,   IDC_MENU_SUBTITLE,
    IDC_MENU_LOGO,           IDC_MENU_LOGO_LABEL,      IDC_MENU_LOGO_FILE,        IDC_MENU_LOGO_BROWSE,
    IDC_MENU_IMAGE,          IDC_MENU_IMAGE_CUSTOM,    IDC_MENU_IMAGE_STANDARD,   IDC_MENU_CUSTOM_LABEL,
    IDC_MENU_CUSTOM_FILE,    IDC_MENU_CUSTOM_BROWSE,   IDC_MENU_STANDARD_LABEL,   IDC_MENU_STANDARD_NAME,
    IDC_MENU_STANDARD_CHOOSE, IDC_MENU_APPEARANCE_LABEL, IDC_MENU_STYLE,          IDC_MENU_CUSTOMIZE};
constexpr std::initializer_list<int> kHtmlControls = {IDC_MENU_BASE_GROUP, IDC_MENU_BASE_LABEL, IDC_MENU_BASE_FILE,
                                                      IDC_MENU_BASE_BROWSE, IDC_MENU_BASE_CREATE};
// They open the appearance editor, the menu templates and the picture
// library, which the designer does not have yet.
constexpr std::initializer_list<int> kNotYetAvailable = {IDC_MENU_STYLE, IDC_MENU_CUSTOMIZE, IDC_MENU_SIZE_LOCATION,
                                                         IDC_MENU_STANDARD_CHOOSE, IDC_MENU_BASE_CREATE};

}  // namespace

CHtmlForm::CHtmlForm(IDesignerHost& host) : CRecordForm(IDD_HTML_FORM, host, kStandardHelpTopic) {}

BOOL CHtmlForm::OnInitDialog() {
    sizeButtonPlace_ = RectInParent(Item(IDC_MENU_SIZE_LOCATION));
    return CSettingsForm::OnInitDialog();
}

void CHtmlForm::ShowStandardImage(const std::string& name) {
    standardImage_ = name;
    SetText(IDC_MENU_STANDARD_NAME, GetFileName(name, true));
}

void CHtmlForm::Fill(CSettingsHtml& record) {
    menuType_ = record.MenuType;
    SetText(IDC_MENU_WINDOW_NAME, record.WindowName);
    SetText(IDC_MENU_TITLE, record.MenuTitle);
    SetText(IDC_MENU_SUBTITLE, record.MenuSubTitle);
    SetChecked(IDC_MENU_LOGO, !record.LogoFilename.empty());
    SetText(IDC_MENU_LOGO_FILE, record.LogoFilename);
    SetChecked(IDC_MENU_IMAGE, record.UseImage);
    {
        Filling filling(*this);
        CheckRadioButton(Handle(), IDC_MENU_IMAGE_CUSTOM, IDC_MENU_IMAGE_STANDARD,
                         record.ImageCustom ? IDC_MENU_IMAGE_CUSTOM : IDC_MENU_IMAGE_STANDARD);
    }
    const std::string image = record.UseImage ? record.ImageFilename : std::string();
    SetText(IDC_MENU_CUSTOM_FILE, record.ImageCustom ? image : std::string());
    ShowStandardImage(record.ImageCustom ? std::string() : image);
    SetText(IDC_MENU_BASE_FILE, record.Filename);
    ShowMenuType();
}

void CHtmlForm::ShowMenuType() {
    const bool html = menuType_ == CSettingsHtml::kHtmlMenu;
    ShowItems(kHtmlControls, html);
    ShowItems(kStandardControls, !html);
    SetHelpTopic(html ? kHtmlHelpTopic : kStandardHelpTopic);
    SetText(IDC_MENU_DESCRIPTION,
            wingui::LoadResourceString(html ? IDS_DESCRIBE_HTML_MENU : IDS_DESCRIBE_STANDARD_MENU));
    SetText(IDC_MENU_CHANGE_TYPE, html ? "Change to Standard Menu" : "Change to HTML Menu");
    RECT place = sizeButtonPlace_;
    if (html) {
        const RECT group = RectInParent(Item(IDC_MENU_BASE_GROUP));
        const int gap = ScreenScaleNow().Y(kGapBelowBaseFile);
        OffsetRect(&place, group.left - place.left, group.bottom + gap - place.top);
    }
    MoveControl(Item(IDC_MENU_SIZE_LOCATION), place);
    Repaint();
}

bool CHtmlForm::UpdateControls() {
    const bool logo = Checked(IDC_MENU_LOGO);
    const bool image = Checked(IDC_MENU_IMAGE);
    const bool custom = Checked(IDC_MENU_IMAGE_CUSTOM);
    EnableItems({IDC_MENU_LOGO_LABEL, IDC_MENU_LOGO_FILE, IDC_MENU_LOGO_BROWSE}, logo);
    EnableItems({IDC_MENU_IMAGE_CUSTOM, IDC_MENU_IMAGE_STANDARD}, image);
    EnableItems({IDC_MENU_CUSTOM_LABEL, IDC_MENU_CUSTOM_FILE, IDC_MENU_CUSTOM_BROWSE}, image && custom);
    EnableItems({IDC_MENU_STANDARD_LABEL, IDC_MENU_STANDARD_NAME}, image && !custom);
    EnableItems(kNotYetAvailable, false);
    ShowItems({IDC_MENU_CHANGE_TYPE}, Host().ViewMode() == kAdvancedView);
    return true;
}

void CHtmlForm::OnEdited(WORD id, WORD notifyCode) {
    if (id == IDC_MENU_LOGO || id == IDC_MENU_IMAGE || id == IDC_MENU_IMAGE_CUSTOM || id == IDC_MENU_IMAGE_STANDARD) {
        UpdateControls();
    }
    CSettingsForm::OnEdited(id, notifyCode);
}

void CHtmlForm::Browse(int editId, UINT titleId, UINT filterId) {
    std::string path = Text(editId);
    const ProjectFileRequest request{titleId, filterId};
    if (!ChooseProjectFile(GetAncestor(Handle(), GA_ROOT), request, ProjectDirectory(), path)) return;
    SetText(editId, path);
    Host().ProjectChanged();
}

bool CHtmlForm::OnButton(WORD id) {
    switch (id) {
        case IDC_MENU_LOGO_BROWSE: Browse(IDC_MENU_LOGO_FILE, IDS_SELECT_LOGO, IDS_FILTER_IMAGES); return true;
        case IDC_MENU_CUSTOM_BROWSE:
            Browse(IDC_MENU_CUSTOM_FILE, IDS_SELECT_MENU_IMAGE, IDS_FILTER_IMAGES);
            return true;
        case IDC_MENU_BASE_BROWSE: Browse(IDC_MENU_BASE_FILE, IDS_SELECT_BASE_FILE, IDS_FILTER_HTML); return true;
        case IDC_MENU_CHANGE_TYPE:
            menuType_ = menuType_ == CSettingsHtml::kHtmlMenu ? CSettingsHtml::kStandardMenu : CSettingsHtml::kHtmlMenu;
            ShowMenuType();
            UpdateControls();
            Host().ProjectChanged();
            return true;
        default: return false;
    }
}

void CHtmlForm::Store(CSettingsHtml& record) {
    record.MenuType = menuType_;
    record.WindowName = TrimmedText(IDC_MENU_WINDOW_NAME);
    record.MenuTitle = TrimmedText(IDC_MENU_TITLE);
    record.MenuSubTitle = TrimmedText(IDC_MENU_SUBTITLE);
    record.LogoFilename = Checked(IDC_MENU_LOGO) ? Text(IDC_MENU_LOGO_FILE) : std::string();
    record.UseImage = Checked(IDC_MENU_IMAGE);
    record.ImageCustom = Checked(IDC_MENU_IMAGE_CUSTOM);
    const std::string image = record.ImageCustom ? Text(IDC_MENU_CUSTOM_FILE) : standardImage_;
    record.ImageFilename = record.UseImage ? image : std::string();
    record.Filename = Text(IDC_MENU_BASE_FILE);
}
