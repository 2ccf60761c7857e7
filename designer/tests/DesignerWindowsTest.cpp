// The designer's windows in-process, where the end-to-end tests cannot look
// closely: the splash thread's life, and what the Add and Rename dialogs
// offer and answer.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "AddSettingDialog.h"
#include "BuildOutput.h"
#include "DiscImageExport.h"
#include "DiscSettings.h"
#include "ReportDialog.h"
#include "TestRun.h"
#include "WaitDialog.h"
#include "records/SettingsLicense.h"
#include "ProjectFilePicker.h"
#include "DialogDriver.h"
#include "ScratchRoot.h"
#include "HistoryKeys.h"
#include "HoverBitmapButton.h"
#include "RenameDialog.h"
#include "SplashThread.h"
#include "../resource.h"

namespace {

TEST(SplashThread, ShowsThePictureCentredAndClosesOnlyWhenTheProgramSays) {
    CSplashThread splash;
    ASSERT_TRUE(splash.Start(IDB_SPLASH));
    ASSERT_TRUE(testwin::WaitUntil([&] { return splash.Window() != nullptr; }));
    HWND window = splash.Window();
    RECT area;
    GetWindowRect(window, &area);
    BITMAP picture{};
    HBITMAP bitmap = LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_SPLASH));
    GetObjectA(bitmap, sizeof(picture), &picture);
    DeleteObject(bitmap);
    EXPECT_EQ(area.right - area.left, picture.bmWidth);
    EXPECT_EQ(area.bottom - area.top, picture.bmHeight);
    EXPECT_NEAR((area.left + area.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 1);

    // Closing from outside does nothing while start-up goes on.
    SendMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_TRUE(IsWindow(window));
    splash.Close();
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(splash.Window(), nullptr);
}

TEST(SplashThread, APictureThatCannotBeShownDoesNotHoldUpTheStart) {
    CSplashThread splash;
    ASSERT_TRUE(splash.Start(9999));
    const DWORD start = GetTickCount();
    splash.Close();
    EXPECT_LT(GetTickCount() - start, CSplashThread::kMaxWaitForWindowMs) << "the thread said it has no window";
    EXPECT_EQ(splash.Window(), nullptr);
}

int ListCount(HWND dialog) { return int(SendDlgItemMessageA(dialog, IDC_SETTING_LIST, LB_GETCOUNT, 0, 0)); }

TEST(AddSettingDialog, ButtonsOfferOnlyWhatAButtonCanRunAndNeedAName) {
    int actionEntries = 0;
    testwin::CDialogDriver actions([&](DWORD main) {
        HWND dialog = testwin::WaitForThreadWindow(main, "#32770", "Add Action");
        ASSERT_NE(dialog, nullptr);
        actionEntries = ListCount(dialog);
        testwin::Click(dialog, IDOK);
    });
    CAddSettingDialog addAction(AddStepMode::kAction, false);
    ASSERT_EQ(addAction.DoModal(nullptr), IDOK);
    actions.Finish();
    EXPECT_EQ(actionEntries, 12) << "no standard viewer is defined";
    EXPECT_EQ(addAction.Chosen().settingType, 3);
    EXPECT_EQ(addAction.Chosen().actionKind, 101) << "Open Document is selected at first";

    int buttonEntries = 0;
    testwin::CDialogDriver button([&](DWORD main) {
        HWND dialog = testwin::WaitForThreadWindow(main, "#32770", "Add Button");
        ASSERT_NE(dialog, nullptr);
        buttonEntries = ListCount(dialog);
        SetDlgItemTextA(dialog, IDC_BUTTON_NAME, std::string(40, 'b').c_str());
        testwin::Click(dialog, IDOK);
    });
    CAddSettingDialog addButton(AddStepMode::kButton, true);
    ASSERT_EQ(addButton.DoModal(nullptr), IDOK);
    button.Finish();
    EXPECT_EQ(buttonEntries, 9) << "no license, security, splash or message; the standard viewer entry";
    EXPECT_EQ(addButton.ButtonName(), std::string(32, 'b')) << "a button name holds 32 characters";
}

TEST(RenameDialog, AnswersTheTrimmedNameAndKeepsTheOldOneOnCancel) {
    testwin::CDialogDriver rename([](DWORD main) {
        HWND dialog = testwin::WaitForThreadWindow(main, "#32770", "Rename File");
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(testwin::ItemText(dialog, IDC_RENAME_LABEL), "A shorter name:");
        EXPECT_FALSE(IsWindowVisible(GetDlgItem(dialog, IDHELP))) << "no help without a topic";
        SetDlgItemTextA(dialog, IDC_RENAME_TEXT, "  \t ");
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, IDOK)));
        SetDlgItemTextA(dialog, IDC_RENAME_TEXT, "  Short.txt ");
        testwin::Click(dialog, IDOK);
    });
    CRenameDialog dialog("A very long name.txt");
    dialog.SetTitle("Rename File");
    dialog.SetLabel("A shorter name:");
    dialog.SetHelpContext(0);
    ASSERT_EQ(dialog.DoModal(nullptr), IDOK);
    rename.Finish();
    EXPECT_EQ(dialog.Name(), "Short.txt");

    testwin::CDialogDriver cancel([](DWORD main) {
        HWND shown = testwin::WaitForThreadWindow(main, "#32770", "Rename");
        ASSERT_NE(shown, nullptr);
        testwin::Click(shown, IDCANCEL);
    });
    CRenameDialog kept("Menu");
    EXPECT_EQ(kept.DoModal(nullptr), IDCANCEL);
    cancel.Finish();
    EXPECT_EQ(kept.Name(), "Menu");
}

constexpr int kFileNameBox = 0x047C;  // the explorer-style file dialog's name box

// A directory of a test's own below the temporary one, fresh at the start
// and removed at the end.

// A project directory and a file outside it, both removed at the end.
struct PickerFixture : ScratchRoot {
    std::filesystem::path project = root / "Project";
    std::filesystem::path outside = root / "Elsewhere";
    PickerFixture() : ScratchRoot("mw-picker") {
        std::filesystem::create_directories(project / "Docs");
        std::filesystem::create_directories(outside);
    }
    std::string Write(const std::filesystem::path& file, const char* text) const {
        std::ofstream(file) << text;
        return file.string();
    }
};

// Picks the file in the open dialog, then answers the message boxes that follow in order.
void PickAndAnswer(DWORD main, const std::string& file, std::vector<int> answers) {
    HWND dialog = testwin::WaitForThreadWindow(main, "#32770", "Select License");
    ASSERT_NE(dialog, nullptr);
    SetDlgItemTextA(dialog, kFileNameBox, file.c_str());
    testwin::Click(dialog, IDOK);
    testwin::WaitForWindowGone(dialog, 5000);
    for (int answer : answers) {
        // Without the program object the boxes have no caption of their own.
        HWND box = testwin::WaitForThreadWindow(main, "#32770", nullptr);
        ASSERT_NE(box, nullptr);
        testwin::Click(box, answer);
        testwin::WaitForWindowGone(box, 5000);
    }
}

const ProjectFileRequest kRootLicense{IDS_SELECT_LICENSE, IDS_FILTER_TEXTS, true};

TEST(ProjectFilePicker, AFileInsideTheProjectIsStoredRelativeAndNothingIsCopied) {
    PickerFixture fixture;
    const std::string inside = fixture.Write(fixture.project / "License.txt", "terms");
    testwin::CDialogDriver driver([&](DWORD main) { PickAndAnswer(main, inside, {}); });
    std::string path;
    ASSERT_TRUE(ChooseProjectFile(nullptr, kRootLicense, fixture.project.string(), path));
    driver.Finish();
    EXPECT_EQ(path, "\\License.txt");
}

TEST(ProjectFilePicker, AFileFromOutsideIsCopiedIntoTheRootButNeverOverAnother) {
    PickerFixture fixture;
    const std::string outside = fixture.Write(fixture.outside / "Terms.txt", "new terms");
    testwin::CDialogDriver copy([&](DWORD main) { PickAndAnswer(main, outside, {IDYES}); });
    std::string path;
    ASSERT_TRUE(ChooseProjectFile(nullptr, kRootLicense, fixture.project.string(), path));
    copy.Finish();
    EXPECT_EQ(path, "\\Terms.txt");
    EXPECT_TRUE(std::filesystem::exists(fixture.project / "Terms.txt"));

    // The same name again: the copy fails (209), the dialog opens again and is cancelled.
    fixture.Write(fixture.outside / "Terms.txt", "other terms");
    testwin::CDialogDriver refused([&](DWORD main) {
        PickAndAnswer(main, outside, {IDYES, IDOK});
        HWND again = testwin::WaitForThreadWindow(main, "#32770", "Select License");
        ASSERT_NE(again, nullptr);
        testwin::Click(again, IDCANCEL);
    });
    std::string kept = "\\Old.txt";
    EXPECT_FALSE(ChooseProjectFile(nullptr, kRootLicense, fixture.project.string(), kept));
    refused.Finish();
    EXPECT_EQ(kept, "\\Old.txt") << "a cancelled pick leaves the field";
    std::ifstream copied(fixture.project / "Terms.txt");
    std::string content;
    std::getline(copied, content);
    EXPECT_EQ(content, "new terms") << "the file in the project is not overwritten";
}

TEST(ProjectFilePicker, ALongFileNameIsRenamedKeepingItsExtension) {
    std::string name = std::string(110, 'n') + ".pdf";
    testwin::CDialogDriver rename([](DWORD main) {
        HWND dialog = testwin::WaitForThreadWindow(main, "#32770", "Rename File");
        ASSERT_NE(dialog, nullptr);
        EXPECT_NE(testwin::ItemText(dialog, IDC_RENAME_LABEL).find("no longer then 108 characters"),
                  std::string::npos);
        SetDlgItemTextA(dialog, IDC_RENAME_TEXT, "Manual");
        testwin::Click(dialog, IDOK);
    });
    ASSERT_TRUE(CheckFileNameLength(nullptr, name));
    rename.Finish();
    EXPECT_EQ(name, "Manual.pdf");
    std::string fits = std::string(104, 'f') + ".pdf";
    EXPECT_TRUE(CheckFileNameLength(nullptr, fits)) << "108 characters need no dialog";
}

}  // namespace

namespace {

// The colour the button paints at a point when drawn in the state.
COLORREF DrawnColour(CHoverBitmapButton& button, UINT itemState, int x, int y) {
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP canvas = CreateCompatibleBitmap(screen, 22, 22);
    HGDIOBJ previous = SelectObject(dc, canvas);
    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_BUTTON;
    item.hwndItem = button.Handle();
    item.hDC = dc;
    item.rcItem = {0, 0, 22, 22};
    item.itemAction = ODA_DRAWENTIRE;
    item.itemState = itemState;
    button.DrawItem(item);
    const COLORREF colour = GetPixel(dc, x, y);
    SelectObject(dc, previous);
    DeleteObject(canvas);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return colour;
}

TEST(HoverBitmapButton, DrawsThePictureOfItsStateAndLightsUpUnderTheMouse) {
    HWND window = CreateWindowA("BUTTON", "Help", WS_POPUP | BS_OWNERDRAW, 0, 0, 22, 22, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(window, nullptr);
    CHoverBitmapButton button;
    ASSERT_TRUE(button.Attach(window));
    EXPECT_EQ(button.PictureSet(), "Help") << "no visual style here";
    const COLORREF violet = RGB(104, 76, 178);
    const COLORREF accent = RGB(236, 146, 52);
    EXPECT_EQ(DrawnColour(button, 0, 1, 11), violet);
    EXPECT_EQ(DrawnColour(button, ODS_FOCUS, 1, 11), accent) << "the focused picture has its ring";
    EXPECT_EQ(DrawnColour(button, ODS_DISABLED | ODS_FOCUS, 1, 11), RGB(170, 170, 176));
    EXPECT_EQ(DrawnColour(button, 0, 0, 0), GetSysColor(COLOR_BTNFACE)) << "the corners are the button face";
    SendMessageA(window, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_TRUE(button.IsHovering());
    EXPECT_EQ(DrawnColour(button, 0, 1, 11), accent) << "under the mouse it looks focused";
    SendMessageA(window, WM_MOUSELEAVE, 0, 0);
    EXPECT_FALSE(button.IsHovering());
    DestroyWindow(window);
}

}  // namespace

namespace {

struct BuildFixture : ScratchRoot {
    std::filesystem::path project = root / "Project";
    std::filesystem::path designer = root / "Designer";
    BuildFixture() : ScratchRoot("mw-build-windows") {
        std::filesystem::create_directories(project / "AutoRun");
        std::filesystem::create_directories(designer);
        std::ofstream(designer / "Autorun.bin") << "player";
        std::ofstream(root / "Settings.ini") << "[General]\r\nVersion=3\r\n";
    }
};

// The message boxes the code under test shows, each answered.
struct AnsweredBoxes {
    std::vector<std::string> texts;
};

testwin::CDialogDriver AnswerBoxes(AnsweredBoxes& boxes, int answer, DWORD waitMs) {
    return testwin::CDialogDriver([&boxes, answer, waitMs](DWORD main) {
        HWND box = testwin::WaitForThreadWindow(main, "#32770", nullptr, waitMs);
        if (!box) return;
        boxes.texts.push_back(testwin::MessageBoxText(box));
        testwin::Click(box, answer);
        testwin::WaitForWindowGone(box, 5000);
    });
}

TEST(BuildOutput, APlayerThatCannotBeReplacedFailsTheBuildAfterAutorunInf) {
    BuildFixture fixture;
    // A folder of the player's name cannot be replaced by the player (a
    // read-only file can, for the root user these tests run as).
    std::filesystem::create_directories(fixture.project / "Autorun.exe");
    CDiscSettings project;
    project.SetFileName((fixture.root / "Settings.ini").string());
    project.TargetDir = fixture.project.string();
    BuildEnvironment environment;
    environment.designerDirectory = fixture.designer.string();
    int numbers = 0;
    environment.nextDiscNumber = [&numbers] { return ++numbers; };
    environment.firstPauseMs = environment.secondPauseMs = 0;
    AnsweredBoxes boxes;
    auto driver = AnswerBoxes(boxes, IDOK, 10000);
    EXPECT_FALSE(BuildOutput(nullptr, project, environment, false));
    driver.Finish();
    ASSERT_EQ(boxes.texts.size(), 1u);
    EXPECT_EQ(boxes.texts[0].rfind("Unable to generate AutoRun files on the directory selected for the project (" +
                                       fixture.project.string() + ").", 0),
              0u)
        << boxes.texts[0];
    EXPECT_TRUE(std::filesystem::exists(fixture.project / "Autorun.inf")) << "what was written stays";
    EXPECT_EQ(numbers, 0) << "no disc number is taken by a failed build";
}

TEST(BuildOutput, TheHistoryMovesOnlyBetweenRealDiscNumbers) {
    ASSERT_TRUE(testwin::SetDiscHistory("905"));
    MoveDiscHistory("905", "906");
    EXPECT_FALSE(testwin::HasDiscHistory("905"));
    EXPECT_TRUE(testwin::HasDiscHistory("906"));
    for (const char* damaged : {"", "..", "906\\..", " 906"}) {
        MoveDiscHistory(damaged, "907");
        EXPECT_FALSE(testwin::HasDiscHistory("907")) << damaged;
    }
    EXPECT_TRUE(testwin::HasDiscHistory("906"));
    testwin::DeleteDiscHistory("906");
}

TEST(TestRun, TheHistoryQuestionComesOnlyForADiscNumberThatNamesOneDisc) {
    BuildFixture fixture;
    CDiscSettings project;
    project.TargetDir = fixture.project.string();
    auto license = std::make_unique<CSettingsLicense>();
    license->Active = true;
    license->Display = CSettingsLicense::kFirstTimeOnly;
    project.RootList.Add(std::move(license), false);
    ASSERT_TRUE(testwin::SetDiscHistory("908"));
    const auto discNumber = [&](const char* number) {
        std::ofstream(fixture.project / "AutoRun" / "Settings.ini") << "[General]\r\nCdID=" << number << "\r\n";
    };

    // An empty disc number would name every disc's history.
    discNumber("");
    AnsweredBoxes none;
    auto quiet = AnswerBoxes(none, IDYES, 1500);
    OfferToClearHistory(nullptr, project);
    quiet.Finish();
    EXPECT_TRUE(none.texts.empty());
    EXPECT_TRUE(testwin::HasDiscHistory("908"));

    discNumber("908");
    AnsweredBoxes asked;
    auto yes = AnswerBoxes(asked, IDYES, 10000);
    OfferToClearHistory(nullptr, project);
    yes.Finish();
    ASSERT_EQ(asked.texts.size(), 1u);
    EXPECT_EQ(asked.texts[0].rfind("Some of the options that you have chosen cause the AutoRun", 0), 0u);
    EXPECT_FALSE(testwin::HasDiscHistory("908"));
}

}  // namespace

namespace {

TEST(WaitDialog, AShortTextStandsCentredAsOneLineAndTheDiscTurns) {
    CWaitDialog building(IDS_BUILDING_TITLE, IDS_BUILDING_TEXT, 0, false);
    ASSERT_TRUE(building.CreateModeless(nullptr));
    RECT client;
    GetClientRect(building.Handle(), &client);
    const RECT text = testwin::PlaceInParent(building.Item(IDC_WAIT_TEXT));
    EXPECT_EQ(text.top, client.bottom / 2 - 21);
    EXPECT_EQ(text.bottom - text.top, 14);
    EXPECT_FALSE(IsWindowVisible(building.Item(IDCANCEL)));
    EXPECT_EQ(testwin::WindowText(building.Handle()), "Building AutoRun");
    EXPECT_TRUE(building.Animation().IsAnimated()) << "the disc's frames are there";
    EXPECT_TRUE(building.Animation().IsAnimationRunning());

    CWaitDialog testing(IDS_TESTING_TITLE, IDS_TESTING_TEXT, IDS_TESTING_CANCEL_TEXT, true);
    ASSERT_TRUE(testing.CreateModeless(nullptr));
    EXPECT_GT(testwin::PlaceInParent(testing.Item(IDC_WAIT_TEXT)).bottom - testwin::PlaceInParent(testing.Item(IDC_WAIT_TEXT)).top, 14)
        << "a long text keeps its place";
    EXPECT_TRUE(GetWindowLongPtrA(testing.Item(IDCANCEL), GWL_STYLE) & WS_VISIBLE);
    SendMessageA(testing.Handle(), WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(testing.Cancelled());
    EXPECT_EQ(testing.Handle(), nullptr) << "Cancel closes the window at once";
}

}  // namespace

namespace {

std::string FileText(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

struct ImageFixture : ScratchRoot {
    std::filesystem::path project = root / "Project";
    std::filesystem::path target = root / "Disc.iso";
    ImageFixture() : ScratchRoot("mw-image-windows") {
        std::filesystem::create_directories(project / "Docs");
        std::ofstream(project / "Autorun.inf") << "[AutoRun]";
        std::ofstream(project / "Docs" / "Guide.pdf", std::ios::binary) << std::string(300000, 'g');
    }
};

TEST(DiscImageExport, TheProjectBecomesAnImageUnderItsOwnName) {
    ImageFixture fixture;
    std::uint64_t last = 0;
    const ImageOutcome outcome = ExportDiscImage(fixture.project.string(), "Spring", fixture.target.string(),
                                                 [&last](std::uint64_t done, std::uint64_t) { return (last = done), true; });
    ASSERT_EQ(outcome.result, ImageResult::kWritten);
    EXPECT_EQ(last, 300000u + 9u) << "every byte of every file";
    const std::string image = FileText(fixture.target);
    EXPECT_EQ(image.size() % 2048, 0u);
    EXPECT_EQ(image.substr(16 * 2048 + 1, 5), "CD001");
    EXPECT_EQ(image.substr(16 * 2048 + 40, 6), "SPRING");
    EXPECT_NE(image.find(std::string(300000, 'g')), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(fixture.root / "Disc.iso.part"));
}

TEST(DiscImageExport, ACancelledExportLeavesNoPartialImageAndKeepsAnOlderOne) {
    ImageFixture fixture;
    std::ofstream(fixture.target) << "older image";
    const ImageOutcome outcome = ExportDiscImage(fixture.project.string(), "Spring", fixture.target.string(),
                                                 [](std::uint64_t, std::uint64_t) { return false; });
    EXPECT_EQ(outcome.result, ImageResult::kCancelled);
    EXPECT_EQ(FileText(fixture.target), "older image");
    EXPECT_FALSE(std::filesystem::exists(fixture.root / "Disc.iso.part"));
}

}  // namespace

namespace {

TEST(ReportDialog, TheLogFollowsTheWindowsSizeAndShowsItsEnd) {
    const std::string report = "The AutoRun may not behave as you intended.\r\n\r\nGeneral->Icon...\r\nLast line";
    CReportDialog dialog(report, "Summary: 0 Errors and 1 Warnings were found.");
    ASSERT_TRUE(dialog.CreateModeless(nullptr));
    HWND window = dialog.Handle();
    EXPECT_EQ(testwin::ItemText(window, IDC_REPORT_SUMMARY), "Summary: 0 Errors and 1 Warnings were found.");
    HWND text = GetDlgItem(window, IDC_REPORT_TEXT);
    DWORD start = 0;
    DWORD end = 0;
    SendMessageA(text, EM_GETSEL, WPARAM(&start), LPARAM(&end));
    EXPECT_EQ(start, DWORD(report.size())) << "the caret stands at the end";
    const RECT edit = testwin::PlaceInParent(text);
    const RECT ok = testwin::PlaceInParent(GetDlgItem(window, IDOK));
    const RECT help = testwin::PlaceInParent(GetDlgItem(window, IDC_REPORT_HELP));
    RECT frame;
    GetWindowRect(window, &frame);
    SetWindowPos(window, nullptr, 0, 0, frame.right - frame.left + 100, frame.bottom - frame.top + 50,
                 SWP_NOMOVE | SWP_NOZORDER);
    const RECT grownEdit = testwin::PlaceInParent(text);
    EXPECT_EQ(grownEdit.right - edit.right, 100);
    EXPECT_EQ(grownEdit.bottom - edit.bottom, 50);
    EXPECT_EQ(grownEdit.left, edit.left);
    const RECT movedOk = testwin::PlaceInParent(GetDlgItem(window, IDOK));
    EXPECT_EQ(movedOk.left - ok.left, 100);
    EXPECT_EQ(movedOk.top - ok.top, 50);
    const RECT movedHelp = testwin::PlaceInParent(GetDlgItem(window, IDC_REPORT_HELP));
    EXPECT_EQ(movedHelp.left - help.left, 100);
    EXPECT_EQ(movedHelp.top, help.top);
    RECT client;
    GetClientRect(window, &client);
    POINT corner{client.right - 2, client.bottom - 2};
    ClientToScreen(window, &corner);
    EXPECT_EQ(SendMessageA(window, WM_NCHITTEST, 0, MAKELPARAM(corner.x, corner.y)), HTBOTTOMRIGHT) << "the size grip";
}

}  // namespace
