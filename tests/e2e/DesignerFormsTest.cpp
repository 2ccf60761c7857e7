// The action, button and menu forms of the running designer: what the author
// sets through their controls reaches the project's settings file (read back
// through the settings library), survives reselection and a restart, and the
// forms reshape themselves for the kind of step and the view mode.
#include <gtest/gtest.h>

#include <memory>

#include "DesignerFixture.h"
#include "DialogDriver.h"
#include "DiscSettings.h"
#include "records/SettingsButton.h"
#include "records/SettingsHtml.h"
#include "records/SettingsLaunch.h"

namespace {

using namespace designer_e2e;

constexpr int kViewMode = 1336;
constexpr int kEditText = 1590;

constexpr int kLaunchMainLabel = 1622;
constexpr int kLaunchPrefix = 1623;
constexpr int kLaunchFile = 1624;
constexpr int kLaunchBrowse = 1625;
constexpr int kLaunchFromRegistry = 1626;
constexpr int kLaunchKey = 1628;
constexpr int kLaunchValue = 1630;
constexpr int kLaunchParameters = 1632;
constexpr int kLaunchBody = 1634;
constexpr int kLaunchIcon = 1636;
constexpr int kLaunchButtons = 1638;
constexpr int kLaunchDefault = 1640;
constexpr int kLaunchOptions = 1641;
constexpr int kLaunchWait = 1642;
constexpr int kLaunchMaximize = 1643;

constexpr int kButtonClose = 1650;
constexpr int kMenuTitle = 1663;
constexpr int kMenuSubtitle = 1665;
constexpr int kMenuLogo = 1666;
constexpr int kMenuLogoFile = 1668;
constexpr int kMenuImage = 1670;
constexpr int kMenuImageCustom = 1671;
constexpr int kMenuImageStandard = 1672;
constexpr int kMenuCustomFile = 1674;
constexpr int kMenuStandardName = 1677;
constexpr int kMenuBaseGroup = 1679;
constexpr int kMenuBaseFile = 1681;
constexpr int kMenuStyle = 1685;
constexpr int kMenuSizeLocation = 1687;
constexpr int kMenuChangeType = 1688;

const char* const kMessageText = "First line.\r\nSecond line.";
const char* const kEmailBody = "Hello,\r\n\r\nplease send the brochure.";

std::string Text(HWND window) { return e2e::WindowText(window); }
bool Shown(HWND window) { return window && IsWindowVisible(window); }

void Press(HWND main, int id) { e2e::PressButton(FormItem(main, id)); }

void Type(HWND main, int id, const std::string& text) { SetWindowTextA(FormItem(main, id), text.c_str()); }

// Picks the list's entry as the author's click does.
void Choose(HWND main, int id, int index) {
    HWND box = FormItem(main, id);
    SendMessageA(box, CB_SETCURSEL, WPARAM(index), 0);
    SendMessageA(GetParent(box), WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), LPARAM(box));
}

// Where the list holds "Yes" and "No" (the list's texts cannot be read
// from another process, but searched for); the count closes the list.
std::vector<int> Entries(HWND box) {
    std::vector<int> found;
    for (const char* text : {"Yes", "No"}) {
        found.push_back(int(SendMessageA(box, CB_FINDSTRINGEXACT, WPARAM(-1), LPARAM(text))));
    }
    if (SendMessageA(box, CB_GETCOUNT, 0, 0) != 2) found.push_back(-1);
    return found;
}

int TopOf(HWND window) {
    RECT rect;
    GetWindowRect(window, &rect);
    return rect.top;
}


std::unique_ptr<CDiscSettings> LoadProject(const std::string& file) {
    auto project = std::make_unique<CDiscSettings>();
    project->SetFileName(file);
    EXPECT_TRUE(project->Load());
    return project;
}

template <class Record>
const Record* RootStep(const CDiscSettings& project, int index) {
    return dynamic_cast<const Record*>(project.RootList.GetAt(index));
}

// Presses the view mode button and waits until the form was shown again.
void SwitchViewMode(HWND main, int visibleAfter, bool shown) {
    e2e::PressButton(FindControl(main, kViewMode));
    testwin::WaitUntil([&] { return Shown(FindControl(main, visibleAfter)) == shown; });
}

}  // namespace

TEST(DesignerForms, TheActionFormFitsEachKindAndKeepsWhatTheAuthorSet) {
    DesignerDirectory directory;
    directory.WriteProjects({"Demo"});
    const std::string settings = directory.ProjectSettings("Demo");
    auto designer = directory.Start();
    HWND main = WaitForMainWindow(designer);
    ASSERT_NE(main, nullptr);
    HWND tree = StepTree(main);
    ASSERT_TRUE(SelectTreeNode(tree, "AutoRun Menu"));

    // A message box: its text in the text editor, the default button list
    // only for a choice of two buttons.
    AddActionNamed(designer, main, "Show message dialog");
    ASSERT_TRUE(TreeShows(tree, {"AutoRun Menu", "  Button: Exit", "Show Message"}));
    EXPECT_EQ(Text(FormItem(main, kLaunchMainLabel)), "Message text:");
    EXPECT_EQ(Text(FormItem(main, kLaunchBrowse)), "Edit...");
    EXPECT_TRUE(Shown(FormItem(main, kLaunchIcon)));
    EXPECT_FALSE(Shown(FormItem(main, kLaunchDefault))) << "OK Only has no default button";
    EXPECT_FALSE(Shown(FormItem(main, kLaunchOptions)));
    Choose(main, kLaunchButtons, 2);
    ASSERT_TRUE(testwin::WaitUntil([&] { return Shown(FormItem(main, kLaunchDefault)); }));
    EXPECT_EQ(Entries(FormItem(main, kLaunchDefault)), (std::vector<int>{0, 1}));
    Choose(main, kLaunchDefault, 1);
    Choose(main, kLaunchIcon, 3);
    Press(main, kLaunchBrowse);
    HWND edit = WaitForDialog(designer, "Text for Message");
    ASSERT_NE(edit, nullptr);
    SetDlgItemTextA(edit, kEditText, kMessageText);
    e2e::PressDialogButton(edit, IDOK);
    ASSERT_TRUE(testwin::WaitForWindowGone(edit, 10000));
    EXPECT_EQ(Text(FormItem(main, kLaunchFile)), kMessageText);
    Type(main, kLaunchParameters, "  Question  ");
    e2e::WaitUntilPainted(main);
    e2e::SaveScreenshot(main, "designer-action-message");

    // An e-mail: subject in the shared edit, a body of several lines.
    AddActionNamed(designer, main, "Open a new email message");
    ASSERT_TRUE(TreeShows(tree, {"AutoRun Menu", "  Button: Exit", "Show Message", "Send Email"}));
    EXPECT_EQ(Text(FormItem(main, kLaunchMainLabel)), "Email address:");
    EXPECT_FALSE(Shown(FormItem(main, kLaunchBrowse)));
    Type(main, kLaunchFile, "info@example.com");
    Type(main, kLaunchParameters, "Brochure");
    Type(main, kLaunchBody, kEmailBody);
    e2e::WaitUntilPainted(main);
    e2e::SaveScreenshot(main, "designer-action-email");

    // A program from the disc: the registry rows come with the Advanced view
    // and push the options 80 pixels down; once chosen they stay.
    AddActionNamed(designer, main, "Run application from disc");
    ASSERT_TRUE(TreeShows(tree, {"AutoRun Menu", "  Button: Exit", "Show Message", "Send Email", "Run Application"}));
    HWND registry = FormItem(main, kLaunchFromRegistry);
    EXPECT_FALSE(Shown(registry)) << "the Standard view hides where the item comes from";
    const int standardTop = TopOf(FormItem(main, kLaunchOptions));
    SwitchViewMode(main, kLaunchFromRegistry, true);
    ASSERT_TRUE(Shown(FormItem(main, kLaunchFromRegistry)));
    EXPECT_EQ(TopOf(FormItem(main, kLaunchOptions)) - standardTop, 80);
    EXPECT_FALSE(IsWindowEnabled(FormItem(main, kLaunchKey)));
    Press(main, kLaunchFromRegistry);
    ASSERT_TRUE(testwin::WaitUntil([&] { return IsWindowEnabled(FormItem(main, kLaunchKey)) != FALSE; }));
    EXPECT_FALSE(IsWindowEnabled(FormItem(main, kLaunchBrowse)));
    Type(main, kLaunchKey, " \\SOFTWARE\\Vendor ");
    Type(main, kLaunchValue, "InstallDir");
    Type(main, kLaunchParameters, "/demo");
    Press(main, kLaunchMaximize);
    Press(main, kLaunchWait);
    SwitchViewMode(main, kMenuTitle, false);
    EXPECT_TRUE(Shown(FormItem(main, kLaunchFromRegistry))) << "chosen in this run, so kept on screen";
    e2e::WaitUntilPainted(main);
    e2e::SaveScreenshot(main, "designer-action-application");

    // A web site: its prefix list, no options.
    AddActionNamed(designer, main, "Open a Web site in default browser");
    ASSERT_TRUE(testwin::WaitUntil([&] { return Text(FormItem(main, kLaunchMainLabel)) == "Web site address:"; }));
    EXPECT_TRUE(Shown(FormItem(main, kLaunchPrefix)));
    EXPECT_FALSE(Shown(FormItem(main, kLaunchMaximize)));
    Choose(main, kLaunchPrefix, 1);
    Type(main, kLaunchFile, "www.example.com");

    // A document: picked only through Browse, with both options.
    AddActionNamed(designer, main, "Open document or file using default viewer");
    ASSERT_TRUE(testwin::WaitUntil([&] { return Text(FormItem(main, kLaunchMainLabel)) == "Filename on disc:"; }));
    EXPECT_TRUE(GetWindowLongPtrA(FormItem(main, kLaunchFile), GWL_STYLE) & ES_READONLY);
    EXPECT_TRUE(Shown(FormItem(main, kLaunchWait)));
    EXPECT_TRUE(Shown(FormItem(main, kLaunchMaximize)));
    e2e::WaitUntilPainted(main);
    e2e::SaveScreenshot(main, "designer-action-document");

    ASSERT_TRUE(SelectTreeNode(tree, "Show Message"));
    EXPECT_TRUE(testwin::WaitUntil([&] { return Text(FormItem(main, kLaunchFile)) == kMessageText; }));
    EXPECT_EQ(Text(FormItem(main, kLaunchParameters)), "Question") << "trimmed when saved";
    {
        const auto project = LoadProject(settings);
        const auto* message = RootStep<CSettingsLaunch>(*project, 1);
        ASSERT_NE(message, nullptr);
        EXPECT_EQ(message->File, kMessageText);
        EXPECT_EQ(message->WindowTitle, "Question");
        EXPECT_EQ(message->Buttons, 4);
        EXPECT_EQ(message->DefaultButton, 256);
        EXPECT_EQ(message->Icon, 32);
        const auto* email = RootStep<CSettingsLaunch>(*project, 2);
        ASSERT_NE(email, nullptr);
        EXPECT_EQ(email->File, "info@example.com");
        EXPECT_EQ(email->Subject, "Brochure");
        EXPECT_EQ(email->Body, kEmailBody);
        const auto* program = RootStep<CSettingsLaunch>(*project, 3);
        ASSERT_NE(program, nullptr);
        EXPECT_EQ(program->LaunchType, CSettingsLaunch::kFromRegistry);
        EXPECT_EQ(program->RegKey, "SOFTWARE\\Vendor");
        EXPECT_EQ(program->RegValue, "InstallDir");
        EXPECT_EQ(program->Parameters, "/demo");
        EXPECT_TRUE(program->Maximize);
        EXPECT_TRUE(program->LaunchAndWait);
        const auto* site = RootStep<CSettingsLaunch>(*project, 4);
        ASSERT_NE(site, nullptr);
        EXPECT_EQ(site->AddressType, "https://");
        EXPECT_EQ(site->File, "www.example.com");
        EXPECT_FALSE(site->Maximize);
    }
    EXPECT_TRUE(CloseDesigner(designer, main));

    auto again = directory.Start();
    main = WaitForMainWindow(again);
    ASSERT_NE(main, nullptr);
    tree = StepTree(main);
    ASSERT_TRUE(SelectTreeNode(tree, "Send Email"));
    EXPECT_TRUE(testwin::WaitUntil([&] { return Text(FormItem(main, kLaunchBody)) == kEmailBody; }))
        << Text(FormItem(main, kLaunchBody));
    ASSERT_TRUE(SelectTreeNode(tree, "Show Message"));
    EXPECT_TRUE(testwin::WaitUntil([&] { return Text(FormItem(main, kLaunchFile)) == kMessageText; }));
    EXPECT_EQ(Text(FormItem(main, kLaunchDefault)), "No");
    EXPECT_TRUE(CloseDesigner(again, main));
}

TEST(DesignerForms, TheMenuFormKeepsTheStandardValuesWhileItShowsTheHtmlMenu) {
    DesignerDirectory directory;
    directory.WriteProjects({"Demo"});
    const std::string settings = directory.ProjectSettings("Demo");
    // The menu shows a library picture.
    WritePrivateProfileStringA("Root.1", "UseImage", "true", settings.c_str());
    WritePrivateProfileStringA("Root.1", "ImageCustom", "false", settings.c_str());
    WritePrivateProfileStringA("Root.1", "ImageFilename", "\\AutoRun\\Menu\\Images\\Globe.jpg", settings.c_str());
    auto designer = directory.Start();
    HWND main = WaitForMainWindow(designer);
    ASSERT_NE(main, nullptr);
    HWND tree = StepTree(main);
    ASSERT_TRUE(SelectTreeNode(tree, "AutoRun Menu"));
    ASSERT_TRUE(testwin::WaitUntil([&] { return Text(FormItem(main, kMenuStandardName)) == "Globe"; }))
        << Text(FormItem(main, kMenuStandardName));
    EXPECT_FALSE(IsWindowEnabled(FormItem(main, kMenuCustomFile)));
    EXPECT_FALSE(IsWindowEnabled(FormItem(main, kMenuStyle))) << "the menu templates come later";
    EXPECT_FALSE(Shown(FormItem(main, kMenuChangeType))) << "the Standard view keeps the menu's kind";

    Type(main, kMenuTitle, " Welcome ");
    Type(main, kMenuSubtitle, "to the disc");
    Press(main, kMenuLogo);
    ASSERT_TRUE(testwin::WaitUntil([&] { return IsWindowEnabled(FormItem(main, kMenuLogoFile)) != FALSE; }));
    Type(main, kMenuLogoFile, "\\Logo.bmp");
    Press(main, kMenuImageCustom);
    ASSERT_TRUE(testwin::WaitUntil([&] { return IsWindowEnabled(FormItem(main, kMenuCustomFile)) != FALSE; }));
    Type(main, kMenuCustomFile, "\\Pictures\\Side.jpg");
    // The library picture waits behind the custom one while the form is open.
    Press(main, kMenuImageStandard);
    EXPECT_EQ(Text(FormItem(main, kMenuStandardName)), "Globe");
    Press(main, kMenuImageCustom);
    e2e::WaitUntilPainted(main);
    e2e::SaveScreenshot(main, "designer-menu-standard");

    // Advanced view: the menu turns into an HTML menu and back.
    SwitchViewMode(main, kMenuChangeType, true);
    ASSERT_TRUE(Shown(FormItem(main, kMenuChangeType)));
    EXPECT_EQ(Text(FormItem(main, kMenuTitle)), "Welcome") << "saved and shown again";
    EXPECT_EQ(Text(FormItem(main, kMenuChangeType)), "Change to HTML Menu");
    Press(main, kMenuChangeType);
    ASSERT_TRUE(testwin::WaitUntil([&] { return Shown(FormItem(main, kMenuBaseGroup)); }));
    EXPECT_FALSE(Shown(FormItem(main, kMenuTitle)));
    EXPECT_EQ(Text(FormItem(main, kMenuChangeType)), "Change to Standard Menu");
    RECT group;
    GetWindowRect(FormItem(main, kMenuBaseGroup), &group);
    RECT sizeButton;
    GetWindowRect(FormItem(main, kMenuSizeLocation), &sizeButton);
    EXPECT_EQ(sizeButton.top - group.bottom, 10);
    EXPECT_EQ(sizeButton.left, group.left);
    Type(main, kMenuBaseFile, "\\menu.htm");
    e2e::WaitUntilPainted(main);
    e2e::SaveScreenshot(main, "designer-menu-html");
    Press(main, kMenuChangeType);
    ASSERT_TRUE(testwin::WaitUntil([&] { return Shown(FormItem(main, kMenuTitle)); }));
    EXPECT_EQ(Text(FormItem(main, kMenuTitle)), "Welcome");

    // The button: whether it closes the menu.
    ASSERT_TRUE(SelectTreeNode(tree, "Button: Exit"));
    HWND close = FormItem(main, kButtonClose);
    ASSERT_TRUE(testwin::WaitUntil([&] { return IsDlgButtonChecked(GetParent(close), kButtonClose) == BST_CHECKED; }));
    e2e::PressButton(close);
    ASSERT_TRUE(SelectTreeNode(tree, "AutoRun Menu"));

    const auto project = LoadProject(settings);
    const auto* menu = RootStep<CSettingsHtml>(*project, 0);
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->MenuType, CSettingsHtml::kStandardMenu);
    EXPECT_EQ(menu->MenuTitle, "Welcome");
    EXPECT_EQ(menu->MenuSubTitle, "to the disc");
    EXPECT_EQ(menu->LogoFilename, "\\Logo.bmp");
    EXPECT_TRUE(menu->UseImage);
    EXPECT_TRUE(menu->ImageCustom);
    EXPECT_EQ(menu->ImageFilename, "\\Pictures\\Side.jpg");
    EXPECT_EQ(menu->Filename, "\\menu.htm");
    ASSERT_EQ(menu->Buttons().Count(), 1);
    const auto* exit = dynamic_cast<const CSettingsButton*>(menu->Buttons().GetAt(0));
    ASSERT_NE(exit, nullptr);
    EXPECT_FALSE(exit->WindowClose);
    EXPECT_TRUE(CloseDesigner(designer, main));
}
