// The designer started as an author starts it, each time in a designer
// directory of its own: the first start, a second start, the step tree's
// operations, the project dialogs and the older project directory. What each
// operation changed is read back from the files the designer keeps.
#include <gtest/gtest.h>

#include "DesignerFixture.h"
#include "DialogDriver.h"

namespace {

using namespace designer_e2e;
using Lines = std::vector<std::string>;

constexpr int kProjectBox = 1223;
constexpr int kFormBanner = 1410;
constexpr int kProjectDirectory = 1027;
constexpr int kProjectName = 1023;
constexpr int kProjectDir = 1024;
constexpr int kAddMenu = 1337;
constexpr int kAddAction = 1338;
constexpr int kAddButton = 1339;
constexpr int kMoveUp = 1195;
constexpr int kMoveDown = 1196;
constexpr int kRename = 1197;
constexpr int kDelete = 1194;
constexpr int kDrivers = 1200;
constexpr int kViewMode = 1336;
constexpr int kButtonName = 1301;
constexpr int kRenameText = 1305;
constexpr int kProjectList = 1029;
constexpr int kCopy = 1032;
constexpr int kEdit = 1031;
constexpr int kDeleteProject = 1033;
constexpr UINT kManageProjects = 32800;

std::string Text(HWND window) { return e2e::WindowText(window); }


// The message box of the designer with its text, answered with the button.
std::string AnswerMessage(const e2e::RunningProgram& designer, int button) {
    HWND box = designer.WaitForWindow("#32770", "Menuwright", 10000);
    if (!box) return "(no message)";
    const std::string text = e2e::MessageBoxText(box);
    e2e::PressDialogButton(box, button);
    testwin::WaitForWindowGone(box, 10000);
    return text;
}

void Press(HWND mainWindow, int id) { e2e::PressButton(FindControl(mainWindow, id)); }

}  // namespace

TEST(Designer, FirstStartAsksForAProjectAndShowsItsMenuStep) {
    DesignerDirectory directory;
    auto designer = directory.Start();
    ASSERT_TRUE(designer.Started());
    HWND dialog = WaitForDialog(designer, "New Project");
    ASSERT_NE(dialog, nullptr) << "no project yet: the designer asks for one";
    EXPECT_EQ(testwin::ItemText(dialog, kProjectDir), directory.ImageBase());
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, IDOK)));
    SetDlgItemTextA(dialog, kProjectName, "  Holiday Disc ");
    EXPECT_EQ(testwin::ItemText(dialog, kProjectDir), directory.ImageBase() + "Holiday Disc");
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dialog, IDOK)));
    e2e::SaveScreenshot(dialog, "designer-new-project");
    e2e::PressDialogButton(dialog, IDOK);

    HWND main = WaitForMainWindow(designer);
    ASSERT_NE(main, nullptr);
    HWND tree = StepTree(main);
    EXPECT_TRUE(TreeShows(tree, {"AutoRun Menu", "  Button: Exit"}));
    EXPECT_EQ(SelectedTreeText(tree), "AutoRun Menu");
    EXPECT_EQ(Text(FindControl(main, kFormBanner)), "AutoRun Menu") << "the selected step's form shows";
    EXPECT_EQ(Text(FindControl(main, kProjectBox)), "Holiday Disc");
    EXPECT_EQ(Text(FindControl(main, kProjectDirectory)), directory.ImageBase() + "Holiday Disc");

    const std::string list = directory.Path("ProjectsV3\\Projects.ini");
    EXPECT_EQ(ReadIni(list, "1", "Name"), "Holiday Disc");
    EXPECT_EQ(ReadIni(list, "1", "Directory"), "Holiday Disc");
    EXPECT_EQ(ReadIni(list, "General", "Current"), "1");
    const std::string settings = directory.Path("ProjectsV3\\Holiday Disc\\Settings.ini");
    EXPECT_EQ(ReadIni(settings, "Root.1", "SettingType"), "6");
    EXPECT_EQ(ReadIni(settings, "Root.1.1", "Name"), "Exit");
    EXPECT_EQ(GetFileAttributesA((directory.ImageBase() + "Holiday Disc").c_str()) & FILE_ATTRIBUTE_DIRECTORY,
              DWORD(FILE_ATTRIBUTE_DIRECTORY));

    e2e::WaitUntilPainted(main);
    e2e::SaveScreenshot(main, "designer-main");
    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(AnswerMessage(designer, IDNO),
              "The AutoRun for Holiday Disc (" + directory.ImageBase() +
                  "Holiday Disc) is not up to date.\n\nWould you like to build the AutoRun before exiting the project?");
    EXPECT_TRUE(designer.WaitForExit(20000));
}

TEST(Designer, ASecondStartBringsTheRunningDesignerForwardAndEnds) {
    DesignerDirectory directory;
    directory.WriteProjects({"Demo"});
    auto first = directory.Start();
    HWND main = WaitForMainWindow(first);
    ASSERT_NE(main, nullptr);
    ShowWindow(main, SW_MINIMIZE);
    ASSERT_TRUE(testwin::WaitUntil([&] { return IsIconic(main) != FALSE; }));

    auto second = directory.Start();
    DWORD exitCode = 1;
    EXPECT_TRUE(second.WaitForExit(20000, &exitCode));
    EXPECT_TRUE(second.VisibleWindows().empty());
    EXPECT_TRUE(testwin::WaitUntil([&] { return IsIconic(main) == FALSE; }, 10000)) << "restored from the task bar";
    EXPECT_TRUE(CloseDesigner(first, main));
}

TEST(Designer, StepTreeOperationsAreMirroredAndSavedAtOnce) {
    DesignerDirectory directory;
    directory.WriteProjects({"Demo"});
    const std::string settings = directory.ProjectSettings("Demo");
    auto designer = directory.Start();
    HWND main = WaitForMainWindow(designer);
    ASSERT_NE(main, nullptr);
    HWND tree = StepTree(main);
    ASSERT_TRUE(TreeShows(tree, {"AutoRun Menu", "  Button: Exit"}));
    EXPECT_FALSE(IsWindowEnabled(FindControl(main, kMoveUp)));
    EXPECT_FALSE(IsWindowEnabled(FindControl(main, kMoveDown)));

    // A button selected: "Add Submenu", and a new action goes first in its actions.
    ASSERT_TRUE(SelectTreeNode(tree, "Button: Exit"));
    EXPECT_EQ(Text(FindControl(main, kAddMenu)), "Add Submenu");
    Press(main, kAddAction);
    HWND add = WaitForDialog(designer, "Add Action");
    ASSERT_NE(add, nullptr);
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(add, kButtonName))) << "actions have no name box";
    e2e::WaitUntilPainted(add);
    e2e::SaveScreenshot(add, "designer-add-action");
    e2e::PressDialogButton(add, IDOK);
    EXPECT_TRUE(TreeShows(tree, {"AutoRun Menu", "  Button: Exit", "    Open Document"}));
    EXPECT_EQ(SelectedTreeText(tree), "Open Document");
    EXPECT_EQ(ReadIni(settings, "Root.1.1.1", "SettingType"), "3");
    EXPECT_EQ(ReadIni(settings, "Root.1.1.1", "LaunchTypeV3"), "101");

    // With an action of a button selected, a new button goes right after that button.
    Press(main, kAddButton);
    HWND button = WaitForDialog(designer, "Add Button");
    ASSERT_NE(button, nullptr);
    e2e::PressDialogButton(button, IDOK);
    EXPECT_EQ(AnswerMessage(designer, IDOK), "You must enter a name for your new button.");
    SetDlgItemTextA(button, kButtonName, "EXIT");
    e2e::PressDialogButton(button, IDOK);
    EXPECT_EQ(AnswerMessage(designer, IDOK),
              "The name you have chosen (EXIT) is already used. Please choose another name for your button.");
    SetDlgItemTextA(button, kButtonName, "Manual");
    e2e::PressDialogButton(button, IDOK);
    EXPECT_TRUE(TreeShows(tree, {"AutoRun Menu", "  Button: Exit", "    Open Document", "  Button: Manual",
                                 "    Open Document"}));
    EXPECT_EQ(ReadIni(settings, "Root.1.2", "Name"), "Manual");
    EXPECT_EQ(ReadIni(settings, "Root.1.2.1", "LaunchTypeV3"), "101");

    ASSERT_TRUE(SelectTreeNode(tree, "Button: Manual"));
    EXPECT_FALSE(IsWindowEnabled(FindControl(main, kMoveDown))) << "the last button cannot move down";
    Press(main, kMoveUp);
    EXPECT_TRUE(TreeShows(tree, {"AutoRun Menu", "  Button: Manual", "    Open Document", "  Button: Exit",
                                 "    Open Document"}));
    EXPECT_EQ(SelectedTreeText(tree), "Button: Manual");
    EXPECT_EQ(ReadIni(settings, "Root.1.1", "Name"), "Manual");
    EXPECT_EQ(ReadIni(settings, "Root.1.2", "Name"), "Exit");

    // Renaming a button to another button's name, in any case, is refused.
    Press(main, kRename);
    HWND rename = WaitForDialog(designer, "Rename");
    ASSERT_NE(rename, nullptr);
    SetDlgItemTextA(rename, kRenameText, "exit");
    e2e::PressDialogButton(rename, IDOK);
    EXPECT_EQ(AnswerMessage(designer, IDOK),
              "The name you have chosen (exit) is already used. Please choose another name for your button.");
    rename = WaitForDialog(designer, "Rename");
    ASSERT_NE(rename, nullptr);
    SetDlgItemTextA(rename, kRenameText, "   ");
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(rename, IDOK)));
    SetDlgItemTextA(rename, kRenameText, " Guide ");
    e2e::PressDialogButton(rename, IDOK);
    EXPECT_TRUE(TreeShows(tree, {"AutoRun Menu", "  Button: Guide", "    Open Document", "  Button: Exit",
                                 "    Open Document"}));
    EXPECT_EQ(ReadIni(settings, "Root.1.1", "Name"), "Guide");

    Press(main, kDelete);
    EXPECT_EQ(AnswerMessage(designer, IDYES), "Are you sure you want to delete the \"Guide\" AutoRun step?");
    EXPECT_TRUE(TreeShows(tree, {"AutoRun Menu", "  Button: Exit", "    Open Document"}));
    EXPECT_EQ(SelectedTreeText(tree), "Button: Exit") << "the next sibling is selected";
    EXPECT_EQ(ReadIni(settings, "Root.1", "SettingsCount"), "1");
    EXPECT_EQ(ReadIni(settings, "Root.1.1", "Name"), "Exit");

    // With nothing selected after the General form, Add Menu puts a menu first.
    PostMessageA(main, WM_COMMAND, 32814, 0);
    EXPECT_TRUE(testwin::WaitUntil([&] { return SelectedTreeText(tree).empty(); }));
    Press(main, kAddMenu);
    EXPECT_TRUE(TreeShows(tree, {"AutoRun Menu", "  Button: Exit", "AutoRun Menu", "  Button: Exit",
                                 "    Open Document"}));
    EXPECT_EQ(ReadIni(settings, "Root", "SettingsCount"), "2");
    EXPECT_EQ(ReadIni(settings, "Root.1.1", "Name"), "Exit");
    EXPECT_EQ(ReadIni(settings, "Root.2.1.1", "LaunchTypeV3"), "101");
    EXPECT_EQ(ReadIni(settings, "General", "AutorunUpdated"), "false");
    const Lines before = TreeLines(tree);
    ASSERT_TRUE(CloseDesigner(designer, main));

    auto again = directory.Start();
    main = WaitForMainWindow(again);
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(TreeShows(StepTree(main), before)) << "a restart shows the same tree";
    EXPECT_TRUE(CloseDesigner(again, main));
}

TEST(Designer, ManageProjectsCopiesChecksAndDeletesProjects) {
    DesignerDirectory directory;
    directory.WriteProjects({"Demo"});
    const std::string list = directory.Path("ProjectsV3\\Projects.ini");
    auto designer = directory.Start();
    HWND main = WaitForMainWindow(designer);
    ASSERT_NE(main, nullptr);
    PostMessageA(main, WM_COMMAND, kManageProjects, 0);
    HWND manage = WaitForDialog(designer, "Manage Projects");
    ASSERT_NE(manage, nullptr);
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(manage, IDCANCEL)));
    HWND projects = GetDlgItem(manage, kProjectList);
    EXPECT_EQ(SendMessageA(projects, LB_GETCOUNT, 0, 0), 1);

    e2e::PressDialogButton(manage, kCopy);
    HWND edit = WaitForDialog(designer, "Edit Project");
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(testwin::ItemText(edit, kProjectName), "Copy of Demo");
    e2e::PressDialogButton(edit, IDOK);
    ASSERT_TRUE(testwin::WaitUntil([&] { return SendMessageA(projects, LB_GETCOUNT, 0, 0) == 2; }));
    EXPECT_EQ(ReadIni(list, "2", "Name"), "Copy of Demo");
    EXPECT_EQ(ReadIni(directory.Path("ProjectsV3\\Copy of Demo\\Settings.ini"), "Root.1.1", "Name"), "Exit");
    e2e::WaitUntilPainted(manage);
    e2e::SaveScreenshot(manage, "designer-manage-projects");

    // The copy is selected: a name of 31 characters is refused and the dialog opens again.
    e2e::PressDialogButton(manage, kEdit);
    edit = WaitForDialog(designer, "Edit Project");
    ASSERT_NE(edit, nullptr);
    SetDlgItemTextA(edit, kProjectName, std::string(31, 'x').c_str());
    e2e::PressDialogButton(edit, IDOK);
    EXPECT_EQ(AnswerMessage(designer, IDOK),
              "The project name is too long. It must be no longer then 30 characters.");
    edit = WaitForDialog(designer, "Edit Project");
    ASSERT_NE(edit, nullptr);
    SetDlgItemTextA(edit, kProjectName, "DEMO");
    e2e::PressDialogButton(edit, IDOK);
    EXPECT_EQ(AnswerMessage(designer, IDOK),
              "The project name is already in use. You must choose a name that is not already used.");
    edit = WaitForDialog(designer, "Edit Project");
    ASSERT_NE(edit, nullptr);
    e2e::PressDialogButton(edit, IDCANCEL);
    ASSERT_TRUE(testwin::WaitForWindowGone(edit, 10000));
    EXPECT_EQ(ReadIni(list, "2", "Name"), "Copy of Demo") << "Cancel keeps the name";

    e2e::PressDialogButton(manage, kDeleteProject);
    EXPECT_EQ(AnswerMessage(designer, IDOK), "Are you sure you want to delete \"Copy of Demo\"?");
    EXPECT_TRUE(testwin::WaitUntil([&] { return SendMessageA(projects, LB_GETCOUNT, 0, 0) == 1; }));
    EXPECT_EQ(GetFileAttributesA(directory.Path("ProjectsV3\\Copy of Demo").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(ReadIni(list, "2", "Name"), "");

    // Deleting the last project asks for a new one or the end of the program.
    e2e::PressDialogButton(manage, kDeleteProject);
    EXPECT_EQ(AnswerMessage(designer, IDOK), "Are you sure you want to delete \"Demo\"?");
    e2e::PressDialogButton(manage, IDOK);
    HWND question = designer.WaitForWindow("#32770", "Menuwright", 10000);
    ASSERT_NE(question, nullptr);
    EXPECT_NE(testwin::ItemText(question, 1035).find("There are no existing projects"), std::string::npos);
    e2e::SaveScreenshot(question, "designer-no-projects");
    e2e::PressDialogButton(question, IDCANCEL);
    EXPECT_TRUE(designer.WaitForExit(20000));
    EXPECT_EQ(ReadIni(list, "1", "Name"), "");
}

TEST(Designer, ProjectsOfTheOlderDirectoryAreBroughtOverConvertedWithTheDiscNumber) {
    DesignerDirectory directory;
    // The older designer's list and a settings file of the older layout.
    directory.WriteFile("Projects\\Projects.ini",
                        "[General]\r\nCurrent=1\r\nCdID=41\r\n[1]\r\nName=Old Disc\r\nDirectory=Old Disc\r\n");
    directory.WriteFile("Projects\\Old Disc\\Settings.ini",
                        "[General]\r\nAutorunType=2\r\nTargetDir=C:\\Old Disc\r\n[Html]\r\nMenuType=1\r\nName=Main\r\n"
                        "[Button]\r\nCount=1\r\nName0=Exit\r\nButtonNumber0=1\r\nButtonType0=0\r\nWindowClose0=true\r\n");
    auto designer = directory.Start();
    HWND main = WaitForMainWindow(designer);
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(Text(FindControl(main, kProjectBox)), "Old Disc");
    EXPECT_TRUE(TreeShows(StepTree(main), {"Security", "Main", "  Button: Exit", "    Splash", "    License"}));
    const std::string list = directory.Path("ProjectsV3\\Projects.ini");
    EXPECT_EQ(ReadIni(list, "1", "Name"), "Old Disc");
    EXPECT_EQ(ReadIni(list, "General", "CdID"), "41");
    const std::string settings = directory.Path("ProjectsV3\\Old Disc\\Settings.ini");
    EXPECT_EQ(ReadIni(settings, "General", "Version"), "3");
    EXPECT_EQ(ReadIni(settings, "Root.2.1", "Name"), "Exit");
    EXPECT_TRUE(CloseDesigner(designer, main));
}

HWND FocusOf(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
    return info.hwndFocus;
}

TEST(Designer, TabGoesThroughEveryPaneOfTheMainWindow) {
    DesignerDirectory directory;
    directory.WriteProjects({"Demo"});
    auto designer = directory.Start();
    HWND main = WaitForMainWindow(designer);
    ASSERT_NE(main, nullptr);
    HWND topForm = GetParent(FindControl(main, kProjectBox));
    HWND treeForm = GetParent(StepTree(main));
    bool reachedTop = false, reachedTree = false;
    for (int i = 0; i < 40 && !(reachedTop && reachedTree); ++i) {
        HWND focus = FocusOf(main);
        ASSERT_NE(focus, nullptr);
        reachedTop |= IsChild(topForm, focus) != FALSE;
        reachedTree |= IsChild(treeForm, focus) != FALSE;
        testwin::PressKey(focus, VK_TAB);
        testwin::WaitUntil([&] { return FocusOf(main) != focus; }, 2000);
    }
    EXPECT_TRUE(reachedTop) << "the project box and the top buttons";
    EXPECT_TRUE(reachedTree) << "the step tree and its buttons";
    EXPECT_TRUE(CloseDesigner(designer, main));
}

TEST(Designer, TheViewModeShowsTheDriversButtonAndIsKeptInTheProjectList) {
    DesignerDirectory directory;
    directory.WriteProjects({"Demo"});
    auto designer = directory.Start();
    HWND main = WaitForMainWindow(designer);
    ASSERT_NE(main, nullptr);
    HWND drivers = FindControl(main, kDrivers);
    EXPECT_FALSE(IsWindowVisible(drivers));
    EXPECT_EQ(Text(FindControl(main, kViewMode)), "Advanced");
    Press(main, kViewMode);
    EXPECT_TRUE(testwin::WaitUntil([&] { return IsWindowVisible(drivers) != FALSE; }));
    EXPECT_EQ(Text(FindControl(main, kViewMode)), "Standard");
    EXPECT_EQ(ReadIni(directory.Path("ProjectsV3\\Projects.ini"), "General", "ViewMode"), "2");
    EXPECT_TRUE(TreeShows(StepTree(main), {"AutoRun Menu", "  Button: Exit"})) << "the steps are untouched";
    EXPECT_TRUE(CloseDesigner(designer, main));
}

namespace {

// The screen's pixels per inch as Wine reads them when a program starts; put
// back as they were when the test ends.
class ScreenDpi {
public:
    explicit ScreenDpi(DWORD dpi) {
        RegCreateKeyExA(HKEY_CURRENT_USER, "Control Panel\\Desktop", 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr,
                        &key_, nullptr);
        DWORD size = sizeof(previous_);
        had_ = RegQueryValueExA(key_, "LogPixels", nullptr, nullptr, reinterpret_cast<BYTE*>(&previous_), &size) ==
               ERROR_SUCCESS;
        RegSetValueExA(key_, "LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dpi), sizeof(dpi));
    }
    ~ScreenDpi() {
        if (had_) {
            RegSetValueExA(key_, "LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&previous_),
                           sizeof(previous_));
        } else {
            RegDeleteValueA(key_, "LogPixels");
        }
        RegCloseKey(key_);
    }

private:
    HKEY key_ = nullptr;
    DWORD previous_ = 0;
    bool had_ = false;
};

RECT WindowArea(HWND window) {
    RECT area{};
    GetWindowRect(window, &area);
    return area;
}

}  // namespace

TEST(Designer, AtLargerScreenScalingTheWindowAndItsPanesGrow) {
    DesignerDirectory directory;
    directory.WriteProjects({"Demo"});
    ScreenDpi dpi(120);
    auto designer = directory.Start();
    HWND main = WaitForMainWindow(designer);
    ASSERT_NE(main, nullptr);
    const RECT window = WindowArea(main);
    HWND topForm = GetParent(FindControl(main, kProjectBox));
    const RECT top = WindowArea(topForm);
    HWND treeForm = GetParent(StepTree(main));
    const RECT treePane = WindowArea(treeForm);
    // Restored from the task bar it keeps its size: the size limit is that of this screen.
    ShowWindow(main, SW_MINIMIZE);
    testwin::WaitUntil([&] { return IsIconic(main) != FALSE; });
    ShowWindow(main, SW_RESTORE);
    testwin::WaitUntil([&] { return IsIconic(main) == FALSE; });
    const RECT restored = WindowArea(main);
    EXPECT_TRUE(CloseDesigner(designer, main));
    if (window.right - window.left == 800) GTEST_SKIP() << "this Wine does not take the screen's pixels per inch";
    EXPECT_EQ(window.right - window.left, 1000);
    EXPECT_EQ(window.bottom - window.top, 712);
    EXPECT_EQ(top.bottom - top.top, 102);
    EXPECT_EQ(treePane.right - treePane.left, 362);
    EXPECT_EQ(restored.right - restored.left, 1000);
    EXPECT_EQ(restored.bottom - restored.top, 712);
}

namespace {

constexpr int kGeneral = 1198;
constexpr int kDiscLabel = 1500;
constexpr int kSplashImage = 1520;
constexpr int kSplashImageFile = 1522;
constexpr int kSplashLength = 1525;
constexpr int kLicenseActive = 1540;
constexpr int kLicenseCustomize = 1546;
constexpr int kLicenseTitle = 1549;
constexpr int kLicenseLabelEdit = 1552;
constexpr int kEditText = 1590;

}  // namespace

TEST(Designer, TheFormsKeepWhatTheAuthorTypedThroughSelectionAndRestart) {
    DesignerDirectory directory;
    directory.WriteProjects({"Demo"});
    const std::string settings = directory.ProjectSettings("Demo");
    auto designer = directory.Start();
    HWND main = WaitForMainWindow(designer);
    ASSERT_NE(main, nullptr);
    HWND tree = StepTree(main);

    // The General form: the disc label, trimmed, saved when the form is left.
    Press(main, kGeneral);
    ASSERT_TRUE(testwin::WaitUntil([&] { return Text(FindControl(main, kFormBanner)) == "General"; }));
    SetWindowTextA(FormItem(main, kDiscLabel), "  My Disc  ");
    e2e::WaitUntilPainted(main);
    e2e::SaveScreenshot(main, "designer-general-form");
    EXPECT_EQ(ReadIni(settings, "General", "AutorunUpdated"), "false") << "every edit marks the project";
    ASSERT_TRUE(SelectTreeNode(tree, "AutoRun Menu"));
    EXPECT_EQ(ReadIni(settings, "General", "WindowsLabel"), "My Disc");

    // The splash form: seconds beyond 30 are shown and kept as 30.
    AddActionNamed(designer, main, "Display a splash screen and/or play a sound");
    ASSERT_TRUE(TreeShows(tree, {"AutoRun Menu", "  Button: Exit", "Splash"}));
    HWND length = FormItem(main, kSplashLength);
    ASSERT_NE(length, nullptr);
    EXPECT_FALSE(IsWindowEnabled(FormItem(main, kSplashImageFile)));
    e2e::PressButton(FormItem(main, kSplashImage));
    ASSERT_TRUE(testwin::WaitUntil([&] { return IsWindowEnabled(FormItem(main, kSplashImageFile)) != FALSE; }));
    SetWindowTextA(length, "45");
    SendMessageA(GetParent(length), WM_COMMAND, MAKEWPARAM(kSplashLength, EN_KILLFOCUS), LPARAM(length));
    EXPECT_EQ(Text(length), "30");

    // The license form: a label of two lines, edited in its own dialog.
    AddActionNamed(designer, main, "Display a license agreement");
    ASSERT_TRUE(TreeShows(tree, {"AutoRun Menu", "  Button: Exit", "Splash", "License"}));
    EXPECT_EQ(ReadIni(settings, "Root.2", "Length"), "30");
    EXPECT_EQ(ReadIni(settings, "Root.2", "Image"), "true");
    e2e::PressButton(FormItem(main, kLicenseActive));
    e2e::PressButton(FormItem(main, kLicenseCustomize));
    ASSERT_TRUE(testwin::WaitUntil([&] { return IsWindowVisible(FormItem(main, kLicenseLabelEdit)) != FALSE; }));
    SetWindowTextA(FormItem(main, kLicenseTitle), "Before you begin");
    e2e::PressButton(FormItem(main, kLicenseLabelEdit));
    HWND edit = WaitForDialog(designer, "Text for Message");
    ASSERT_NE(edit, nullptr);
    SetDlgItemTextA(edit, kEditText, "Read this first.\r\nThen press Next.");
    e2e::PressDialogButton(edit, IDOK);
    ASSERT_TRUE(testwin::WaitForWindowGone(edit, 10000));
    e2e::WaitUntilPainted(main);
    e2e::SaveScreenshot(main, "designer-license-form");
    ASSERT_TRUE(SelectTreeNode(tree, "Splash"));
    EXPECT_EQ(ReadIni(settings, "Root.3", "LabelText"), "Read this first.|Q^3|Then press Next.");
    EXPECT_EQ(ReadIni(settings, "Root.3", "WindowTitle"), "Before you begin");
    EXPECT_TRUE(CloseDesigner(designer, main));

    auto again = directory.Start();
    main = WaitForMainWindow(again);
    ASSERT_NE(main, nullptr);
    tree = StepTree(main);
    ASSERT_TRUE(SelectTreeNode(tree, "License"));
    e2e::PressButton(FormItem(main, kLicenseLabelEdit));
    edit = WaitForDialog(again, "Text for Message");
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(testwin::ItemText(edit, kEditText), "Read this first.\r\nThen press Next.") << "line breaks and all";
    e2e::WaitUntilPainted(edit);
    e2e::PressDialogButton(edit, IDCANCEL);
    ASSERT_TRUE(SelectTreeNode(tree, "Splash"));
    EXPECT_EQ(Text(FormItem(main, kSplashLength)), "30");
    e2e::WaitUntilPainted(main);
    e2e::SaveScreenshot(main, "designer-splash-form");
    Press(main, kGeneral);
    ASSERT_TRUE(testwin::WaitUntil([&] { return Text(FormItem(main, kDiscLabel)) == "My Disc"; }));
    EXPECT_TRUE(CloseDesigner(again, main));
}

TEST(Designer, TheInstallFormStoresTheFileTypeChosenAndShowsItAgain) {
    constexpr int kInstallByViewer = 1606;
    constexpr int kInstallType = 1608;
    DesignerDirectory directory;
    directory.WriteProjects({"Demo"});
    const std::string settings = directory.ProjectSettings("Demo");
    auto designer = directory.Start();
    HWND main = WaitForMainWindow(designer);
    ASSERT_NE(main, nullptr);
    HWND tree = StepTree(main);
    ASSERT_TRUE(SelectTreeNode(tree, "AutoRun Menu"));
    AddActionNamed(designer, main, "Install software that you include on the disc");
    ASSERT_TRUE(TreeShows(tree, {"AutoRun Menu", "  Button: Exit", "Install"}));
    HWND type = FormItem(main, kInstallType);
    ASSERT_NE(type, nullptr);
    EXPECT_FALSE(IsWindowEnabled(type)) << "only for the viewer-based choice";
    e2e::PressButton(FormItem(main, kInstallByViewer));
    ASSERT_TRUE(testwin::WaitUntil([&] { return IsWindowEnabled(type) != FALSE; }));
    // "*.htm" and not "*.html", whose text begins the same way.
    SendMessageA(type, CB_SELECTSTRING, WPARAM(-1), LPARAM("*.htm "));
    SendMessageA(GetParent(type), WM_COMMAND, MAKEWPARAM(kInstallType, CBN_SELCHANGE), LPARAM(type));
    e2e::WaitUntilPainted(main);
    e2e::SaveScreenshot(main, "designer-install-form");
    ASSERT_TRUE(SelectTreeNode(tree, "AutoRun Menu"));
    EXPECT_EQ(ReadIni(settings, "Root.2", "When"), "3");
    EXPECT_EQ(ReadIni(settings, "Root.2", "FileExtension"), "htm");
    ASSERT_TRUE(SelectTreeNode(tree, "Install"));
    type = FormItem(main, kInstallType);
    EXPECT_TRUE(testwin::WaitUntil([&] { return Text(type) == "*.htm (HTML Document)"; })) << Text(type);
    EXPECT_TRUE(CloseDesigner(designer, main));
}
