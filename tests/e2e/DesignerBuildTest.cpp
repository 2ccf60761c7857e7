// Create and Test of the running designer: the disc's own files appear in
// the project directory, the first-run history moves to the new disc number,
// the checks report what is missing, and the built player runs from the
// designer while it waits behind its wait window.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "DesignerFixture.h"
#include "DialogDriver.h"
#include "HistoryKeys.h"
#include "TestBitmap.h"

namespace {

using namespace designer_e2e;

constexpr int kCreate = 1011;
constexpr int kTest = 1010;
constexpr int kMenuWindowName = 1661;
constexpr int kReportSummary = 1266;
constexpr int kReportText = 1187;

std::string FileBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::stringstream content;
    content << file.rdbuf();
    return content.str();
}

// A project whose standard menu passes every check: a plain background and
// button pictures of its own.
void WriteCleanMenuProject(const DesignerDirectory& directory) {
    directory.WriteProjects({"Demo"});
    const std::string settings = directory.ProjectSettings("Demo");
    WritePrivateProfileStringA("Root.1", "BackgroundType", "3", settings.c_str());
    for (const char* state : {"ButtonUFile", "ButtonDFile", "ButtonFFile", "ButtonRFile"}) {
        WritePrivateProfileStringA("Root.1", state, "\\Up.bmp", settings.c_str());
    }
    WritePrivateProfileStringA("General", "WindowsLabel", "Spring Catalogue", settings.c_str());
    directory.WriteFile("Images\\Demo\\Up.bmp", testbitmap::SolidBitmapFile(2, 2));
}

// Answers the designer's next message box with OK; its text.
std::string AnswerMessage(const e2e::RunningProgram& designer) {
    HWND box = designer.WaitForWindow("#32770", "Menuwright", 30000);
    if (!box) return "(no message)";
    const std::string text = e2e::MessageBoxText(box);
    e2e::PressDialogButton(box, IDOK);
    testwin::WaitForWindowGone(box, 10000);
    return text;
}

// Presses Create and answers the success message; its text.
std::string CreateAndAnswer(const e2e::RunningProgram& designer, HWND main) {
    e2e::PressButton(FindControl(main, kCreate));
    return AnswerMessage(designer);
}

}  // namespace

TEST(DesignerBuild, CreateWritesTheDiscsFilesAndMovesTheHistoryToTheNewDiscNumber) {
    DesignerDirectory directory;
    WriteCleanMenuProject(directory);
    const std::string project = directory.ImageBase() + "Demo";
    // An earlier build of disc 5 that ran on this computer.
    directory.WriteFile("Images\\Demo\\AutoRun\\Settings.ini", "[General]\r\nCdID=5\r\n");
    directory.WriteFile("Images\\Demo\\AutoRun\\Menu\\Old.jpg", "stale");
    ASSERT_TRUE(testwin::SetDiscHistory("5"));
    auto designer = directory.Start();
    HWND main = WaitForMainWindow(designer);
    ASSERT_NE(main, nullptr);
    EXPECT_FALSE(IsWindowEnabled(FindControl(main, kTest)));

    e2e::PressButton(FindControl(main, kCreate));
    HWND wait = designer.WaitForWindow("#32770", "Building AutoRun", 10000);
    ASSERT_NE(wait, nullptr);
    EXPECT_FALSE(IsWindowEnabled(main)) << "locked while building";
    e2e::WaitUntilPainted(wait);
    e2e::SaveScreenshot(wait, "designer-building");
    HWND box = designer.WaitForWindow("#32770", "Menuwright", 30000);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(e2e::MessageBoxText(box),
              "The AutoRun has been successfully built.\n\nYou may now test the disc, continue to build your AutoRun "
              "or burn your CD/DVD.");
    e2e::PressDialogButton(box, IDOK);
    ASSERT_TRUE(testwin::WaitUntil([&] { return IsWindowEnabled(FindControl(main, kTest)) != FALSE; }));

    EXPECT_EQ(FileBytes(project + "\\Autorun.inf"),
              "[AutoRun]\r\nicon=Autorun.exe\r\nopen=Autorun.exe\r\nlabel=Spring Catalogue\r\n\r\n[Content]\r\n"
              "MusicFiles=false\r\nPictureFiles=false\r\nVideoFiles=false\r\n\r\n[IgnoreContentPaths]\r\n\\\r\n\r\n"
              "[DeviceInstall]\r\n");
    EXPECT_EQ(FileBytes(project + "\\Autorun.exe"), FileBytes(directory.Path("Autorun.bin")));
    EXPECT_EQ(FileBytes(project + "\\AutoRun\\BtnClick.wav"), FileBytes(directory.Path("BtnClick.wav")));
    EXPECT_EQ(FileBytes(project + "\\AutoRun\\RollOver.wav"), FileBytes(directory.Path("RollOver.wav")));
    EXPECT_EQ(GetFileAttributesA((project + "\\AutoRun\\Menu\\Old.jpg").c_str()), INVALID_FILE_ATTRIBUTES)
        << "the library pictures are laid out afresh";
    const std::string disc = ReadIni(project + "\\AutoRun\\Settings.ini", "General", "CdID");
    EXPECT_EQ(disc, ReadIni(directory.Path("ProjectsV3\\Projects.ini"), "General", "CdID"));
    EXPECT_NE(disc, "5");
    EXPECT_EQ(ReadIni(project + "\\AutoRun\\Settings.ini", "General", "WindowsLabel"), "Spring Catalogue");
    EXPECT_FALSE(testwin::HasDiscHistory("5"));
    EXPECT_TRUE(testwin::HasDiscHistory(disc)) << "the computer's record of disc 5 belongs to the new number";

    // Any edit makes the project unbuilt; only warnings still build it.
    SetWindowTextA(FormItem(main, kMenuWindowName), "");
    EXPECT_TRUE(testwin::WaitUntil([&] { return IsWindowEnabled(FindControl(main, kTest)) == FALSE; }));
    e2e::PressButton(FindControl(main, kCreate));
    HWND report = designer.WaitForWindow("#32770", "AutoRun Build Report", 30000);
    ASSERT_NE(report, nullptr);
    EXPECT_EQ(testwin::ItemText(report, kReportSummary), "Summary: 0 Errors and 1 Warnings were found.");
    const std::string log = testwin::ItemText(report, kReportText);
    EXPECT_NE(log.find("AutoRun Menu...\r\n    WARNING: The window name for the AutoRun menu is empty."),
              std::string::npos)
        << log;
    e2e::WaitUntilPainted(report);
    e2e::SaveScreenshot(report, "designer-build-report");
    e2e::PressDialogButton(report, IDOK);
    EXPECT_TRUE(testwin::WaitUntil([&] { return IsWindowEnabled(FindControl(main, kTest)) != FALSE; }));
    EXPECT_TRUE(CloseDesigner(designer, main));
    testwin::DeleteDiscHistory("5");
    testwin::DeleteDiscHistory(disc);
}

TEST(DesignerBuild, TestRunsTheBuiltPlayerAndWaitsUntilItEnds) {
    DesignerDirectory directory;
    WriteCleanMenuProject(directory);
    const std::string project = directory.ImageBase() + "Demo";
    auto designer = directory.Start();
    HWND main = WaitForMainWindow(designer);
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(CreateAndAnswer(designer, main).substr(0, 40), "The AutoRun has been successfully built.");
    const std::string disc = ReadIni(project + "\\AutoRun\\Settings.ini", "General", "CdID");

    e2e::PressButton(FindControl(main, kTest));
    HWND wait = designer.WaitForWindow("#32770", "Testing AutoRun", 10000);
    ASSERT_NE(wait, nullptr);
    HWND menu = nullptr;
    ASSERT_TRUE(testwin::WaitUntil([&] { return (menu = FindWindowA(nullptr, "AutoRun")) != nullptr; }, 30000))
        << "the player shows the disc's menu";
    EXPECT_FALSE(IsWindowEnabled(main));
    // The player's menu moved aside, so that the wait window can be seen.
    SetWindowPos(menu, nullptr, 0, 420, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    SetWindowPos(wait, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
    e2e::WaitUntilPainted(wait);
    e2e::SaveScreenshot(wait, "designer-testing");
    PostMessageA(menu, WM_CLOSE, 0, 0);
    EXPECT_TRUE(designer.WaitForWindowGone(wait, 15000)) << "the wait ends with the player";
    EXPECT_TRUE(testwin::WaitUntil([&] { return IsWindowEnabled(main) != FALSE; }));
    EXPECT_EQ(designer.WaitForWindow("#32770", "Menuwright", 1500), nullptr) << "no error after a test that ran";

    // Cancel ends the player; a cancelled test is no failure.
    e2e::PressButton(FindControl(main, kTest));
    wait = designer.WaitForWindow("#32770", "Testing AutoRun", 10000);
    ASSERT_NE(wait, nullptr);
    ASSERT_TRUE(testwin::WaitUntil([&] { return (menu = FindWindowA(nullptr, "AutoRun")) != nullptr; }, 30000));
    e2e::PressDialogButton(wait, IDCANCEL);
    EXPECT_TRUE(designer.WaitForWindowGone(wait, 5000)) << "Cancel closes the wait window at once";
    EXPECT_TRUE(testwin::WaitUntil([&] { return FindWindowA(nullptr, "AutoRun") == nullptr; }, 10000))
        << "the player is ended";
    EXPECT_TRUE(testwin::WaitUntil([&] { return IsWindowEnabled(main) != FALSE; }));
    EXPECT_EQ(designer.WaitForWindow("#32770", "Menuwright", 1500), nullptr) << "no error after a cancelled test";

    // Without the player there is nothing to test.
    ASSERT_TRUE(DeleteFileA((project + "\\Autorun.exe").c_str()));
    e2e::PressButton(FindControl(main, kTest));
    EXPECT_EQ(AnswerMessage(designer), "ERROR: Unable to run the AutoRun program.");
    EXPECT_TRUE(CloseDesigner(designer, main));
    testwin::DeleteDiscHistory(disc);
}

TEST(DesignerBuild, SaveDiscImageWritesTheBuiltProjectAsAnIsoImage) {
    constexpr UINT kSaveDiscImage = 32830;
    constexpr int kFileNameBox = 0x047C;
    DesignerDirectory directory;
    WriteCleanMenuProject(directory);
    auto designer = directory.Start();
    HWND main = WaitForMainWindow(designer);
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(CreateAndAnswer(designer, main).substr(0, 40), "The AutoRun has been successfully built.");
    const std::string image = directory.Path("Spring.iso");

    PostMessageA(main, WM_COMMAND, kSaveDiscImage, 0);
    HWND save = designer.WaitForWindow("#32770", "Save Disc Image", 15000);
    ASSERT_NE(save, nullptr);
    SetDlgItemTextA(save, kFileNameBox, image.c_str());
    e2e::PressDialogButton(save, IDOK);
    EXPECT_EQ(AnswerMessage(designer), "The disc image has been saved:\n\n" + image);

    const std::string bytes = FileBytes(image);
    ASSERT_GT(bytes.size(), 18u * 2048);
    EXPECT_EQ(bytes.size() % 2048, 0u);
    EXPECT_EQ(bytes.substr(16 * 2048 + 1, 5), "CD001");
    EXPECT_EQ(bytes.substr(16 * 2048 + 40, 16), "SPRING_CATALOGUE") << "the disc's label names the volume";
    // The Joliet tree names the player with its real case.
    const std::string joliet = std::string("\0A\0u\0t\0o\0r\0u\0n\0.\0e\0x\0e", 22);
    EXPECT_NE(bytes.find(joliet), std::string::npos);
    EXPECT_NE(bytes.find(FileBytes(directory.Path("Autorun.bin"))), std::string::npos) << "the player is on the disc";
    EXPECT_TRUE(CloseDesigner(designer, main));
}

// Wine has no image mastering library, version 2 or 1: the designer's Burn
// reaches the real platform, finds no writer, says so and leaves the
// project's label as it was.
TEST(DesignerBuild, BurnWithoutAnyWriterSaysSoAndKeepsTheLabel) {
    constexpr int kBurn = 1019;
    DesignerDirectory directory;
    WriteCleanMenuProject(directory);
    const std::string settings = directory.ProjectSettings("Demo");
    WritePrivateProfileStringA("General", "Label", "SPRING 2027", settings.c_str());
    auto designer = directory.Start();
    HWND main = WaitForMainWindow(designer);
    ASSERT_NE(main, nullptr);
    EXPECT_FALSE(IsWindowEnabled(FindControl(main, kBurn))) << "nothing to burn before a build";
    EXPECT_EQ(CreateAndAnswer(designer, main).substr(0, 40), "The AutoRun has been successfully built.");
    ASSERT_TRUE(IsWindowEnabled(FindControl(main, kBurn)));

    e2e::PressButton(FindControl(main, kBurn));
    EXPECT_EQ(AnswerMessage(designer), "Unable to initialize any CD/DVD writer on this computer.");
    EXPECT_EQ(designer.WaitForWindow("#32770", "Burn CD/DVD", 1500), nullptr) << "the dialog closed with the message";
    EXPECT_TRUE(CloseDesigner(designer, main));
    char label[64] = {};
    GetPrivateProfileStringA("General", "Label", "", label, sizeof label, settings.c_str());
    EXPECT_STREQ(label, "SPRING 2027");
}
