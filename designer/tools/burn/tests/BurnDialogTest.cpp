// The burn dialog driven against scripted writers: what it lists, what it
// asks, what it shows during a write and how each burn ends.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <filesystem>
#include <fstream>

#include "BurnCDDlg.h"
#include "DialogDriver.h"
#include "E2eHarness.h"
#include "ScratchRoot.h"
#include "ScriptedBurnPlatform.h"
#include "../../../resource.h"

namespace {

constexpr const char* kVendorKey = "SOFTWARE\\Fernhollow Software\\Menuwright";

void ForgetEjectSetting() {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kVendorKey, 0, KEY_SET_VALUE, &key) == ERROR_SUCCESS) {
        RegDeleteValueA(key, "EjectDiskWhenFinished");
        RegCloseKey(key);
    }
}

std::string StoredEjectSetting() {
    char value[16] = {};
    DWORD size = sizeof value;
    if (RegGetValueA(HKEY_CURRENT_USER, kVendorKey, "EjectDiskWhenFinished", RRF_RT_REG_SZ, nullptr, value, &size) !=
        ERROR_SUCCESS)
        return "(missing)";
    return value;
}

// A project directory of a few files, and the registry as it was.
struct BurnFixture : ScratchRoot {
    std::filesystem::path project = root / "Project";
    std::shared_ptr<BurnScript> script = std::make_shared<BurnScript>();

    BurnFixture() : ScratchRoot("mw-burn") {
        std::filesystem::create_directories(project / "AutoRun" / "Menu");
        std::ofstream(project / "Autorun.inf") << "[autorun]\r\nopen=Autorun.exe\r\n";
        std::ofstream(project / "AutoRun" / "Settings.ini") << std::string(512, 's');
        std::ofstream(project / "AutoRun" / "Menu" / "Back.bmp") << std::string(2048, 'b');
        script->writers.push_back(ScriptedWriter{});
        ForgetEjectSetting();
    }
    ~BurnFixture() { ForgetEjectSetting(); }

    // A file of the size that takes no room: the disc usage only reads sizes.
    void AddSparseFile(const char* name, std::uint64_t size) {
        const std::string path = (project / name).string();
        HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        LARGE_INTEGER end;
        end.QuadPart = LONGLONG(size);
        SetFilePointerEx(file, end, nullptr, FILE_BEGIN);
        SetEndOfFile(file);
        CloseHandle(file);
    }

    std::unique_ptr<CBurnCDDlg> Dialog(const std::string& label = "CATALOGUE") {
        return std::make_unique<CBurnCDDlg>(MakeScriptedPlatform(script), project.string(), label);
    }

    template <class Field>
    Field Recorded(Field BurnScript::*field) {
        std::lock_guard<std::mutex> guard(script->mutex);
        return (*script).*field;
    }
};

HWND WaitForBurnDialog(DWORD main) { return testwin::WaitForThreadWindow(main, "#32770", "Burn CD/DVD"); }

// A message box of the main thread over the dialog (null when none comes).
HWND WaitForMessageBox(DWORD main, HWND dialog, DWORD timeoutMs = 10000) {
    HWND box = nullptr;
    testwin::WaitUntil(
        [&] {
            for (HWND window : testwin::VisibleThreadWindows(main)) {
                if (window != dialog && testwin::ClassOf(window) == "#32770") box = window;
            }
            return box != nullptr;
        },
        timeoutMs);
    return box;
}

std::string AnswerMessageBox(DWORD main, HWND dialog, int answer) {
    HWND box = WaitForMessageBox(main, dialog);
    if (!box) return "(no message)";
    const std::string text = testwin::MessageBoxText(box);
    testwin::Click(box, answer);
    testwin::WaitForWindowGone(box, 5000);
    return text;
}

bool Enabled(HWND dialog, int id) { return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE; }

LRESULT BarPosition(HWND dialog, int id) { return SendDlgItemMessageA(dialog, id, PBM_GETPOS, 0, 0); }

void SelectMedia(HWND dialog, const char* text) {
    const LRESULT item = SendDlgItemMessageA(dialog, IDC_BURN_MEDIA, CB_FINDSTRINGEXACT, WPARAM(-1), LPARAM(text));
    SendDlgItemMessageA(dialog, IDC_BURN_MEDIA, CB_SETCURSEL, WPARAM(item), 0);
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_BURN_MEDIA, CBN_SELCHANGE), LPARAM(GetDlgItem(dialog, IDC_BURN_MEDIA)));
}

void SetLabel(HWND dialog, const char* text) { SetDlgItemTextA(dialog, IDC_BURN_LABEL, text); }

// The burn has ended when the dialog's controls are back.
bool WaitForBurnEnd(HWND dialog) {
    return testwin::WaitUntil([&] { return Enabled(dialog, IDCANCEL); }, 20000);
}

TEST(BurnCDDlg, WithoutAnyWriterSaysSoAndCloses) {
    BurnFixture fixture;
    fixture.script->writers.clear();
    std::string message;
    testwin::CDialogDriver driver([&](DWORD main) { message = AnswerMessageBox(main, nullptr, IDOK); });
    EXPECT_EQ(fixture.Dialog()->DoModal(nullptr), IDCANCEL);
    driver.Finish();
    EXPECT_EQ(message, "Unable to initialize any CD/DVD writer on this computer.");
}

TEST(BurnCDDlg, AWriterHeldByAnotherProgramEndsTheBurnNamingThatProgram) {
    BurnFixture fixture;
    fixture.script->writers[0].exclusiveOwner = "Scripted Media Player";
    std::string entry, supported, message;
    testwin::CDialogDriver driver([&](DWORD main) {
        HWND dialog = WaitForBurnDialog(main);
        entry = testwin::ItemText(dialog, IDC_BURN_DRIVE);
        supported = testwin::ItemText(dialog, IDC_BURN_SUPPORTED);
        testwin::Click(dialog, IDC_BURN_START);
        message = AnswerMessageBox(main, dialog, IDOK);
        WaitForBurnEnd(dialog);
        testwin::Click(dialog, IDCANCEL);
    });
    fixture.Dialog()->DoModal(nullptr);
    driver.Finish();
    EXPECT_EQ(entry, "E:\\ [DVD-RW Scripted 100]");
    EXPECT_EQ(supported, "CD-ROM or CD-R/RW media, CD-R, CD-RW, DVD ROM, DVD+R, DVD-R");
    EXPECT_EQ(message, "Burn Failed: Unable to access drive, Scripted Media Player is the exclusive owner of drive.");
    EXPECT_FALSE(fixture.Recorded(&BurnScript::wrote));
    EXPECT_EQ(fixture.Recorded(&BurnScript::releases), 0) << "access that was never had is not released";
}

TEST(BurnCDDlg, ADvdInTheDriveForACdIsAskedAboutAndNoEndsSilently) {
    BurnFixture fixture;
    fixture.script->writers[0].mediaType = 6;  // DVD+R
    std::string question, afterwards, progress;
    bool burnBack = false;
    testwin::CDialogDriver driver([&](DWORD main) {
        HWND dialog = WaitForBurnDialog(main);
        testwin::Click(dialog, IDC_BURN_START);
        question = AnswerMessageBox(main, dialog, IDNO);
        WaitForBurnEnd(dialog);
        HWND another = WaitForMessageBox(main, dialog, 1000);
        afterwards = another ? testwin::MessageBoxText(another) : "";
        progress = testwin::ItemText(dialog, IDC_BURN_PROGRESS_TEXT);
        burnBack = Enabled(dialog, IDC_BURN_START) && Enabled(dialog, IDC_BURN_DRIVE);
        testwin::Click(dialog, IDCANCEL);
    });
    fixture.Dialog()->DoModal(nullptr);
    driver.Finish();
    EXPECT_EQ(question,
              "The media type selected does not match the media currently in the drive.\n\n"
              "\tSelected Media Type: 700MB CD Media\n\tCurrent Media Type:  DVD+R\n\n"
              "Do you want to continue attempting to burn the CD/DVD?");
    EXPECT_EQ(afterwards, "") << "the author's No needs no report";
    EXPECT_EQ(progress, "");
    EXPECT_TRUE(burnBack);
    EXPECT_FALSE(fixture.Recorded(&BurnScript::wrote));
    EXPECT_EQ(fixture.Recorded(&BurnScript::releases), 1) << "the drive is let go again";
}

struct WriteSnapshot {
    std::string progressText, estimated, left, bufferText;
    LRESULT progress = 0, buffer = 0;
    bool closeEnabled = true, dialogStayed = false;
};

TEST(BurnCDDlg, ASuccessfulWriteShowsItsProgressAndEndsCompleted) {
    BurnFixture fixture;
    auto& writer = fixture.script->writers[0];
    WriteProgress writing;
    writing.action = 4;
    writing.totalSeconds = 754;
    writing.remainingSeconds = 500;
    writing.startLba = 100;
    writing.sectorCount = 1000;
    writing.lastWrittenLba = 350;
    writing.totalBuffer = 200;
    writing.usedBuffer = 80;
    WriteProgress later = writing;
    later.remainingSeconds = 0;
    later.lastWrittenLba = 1100;
    later.usedBuffer = 0;
    writer.events = {WriteProgress{2}, writing, later, WriteProgress{5}, WriteProgress{6}};
    std::vector<WriteSnapshot> snapshots;
    HWND dialog = nullptr;
    fixture.script->afterEvent = [&](std::size_t index, bool) {
        WriteSnapshot snapshot;
        snapshot.progressText = testwin::ItemText(dialog, IDC_BURN_PROGRESS_TEXT);
        snapshot.estimated = testwin::ItemText(dialog, IDC_BURN_ESTIMATED);
        snapshot.left = testwin::ItemText(dialog, IDC_BURN_LEFT);
        snapshot.bufferText = testwin::ItemText(dialog, IDC_BURN_BUFFER_TEXT);
        snapshot.progress = BarPosition(dialog, IDC_BURN_PROGRESS);
        snapshot.buffer = BarPosition(dialog, IDC_BURN_BUFFER);
        snapshot.closeEnabled = Enabled(dialog, IDCANCEL);
        if (index == 1) {
            // Escape and the close box arrive as Cancel: refused while burning.
            SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
            SendMessageA(dialog, WM_CLOSE, 0, 0);
            snapshot.dialogStayed = IsWindowVisible(dialog) != FALSE;
            UpdateWindow(dialog);
            e2e::SaveScreenshot(dialog, "burn-dialog-writing");
        }
        snapshots.push_back(snapshot);
    };
    std::string finalText;
    testwin::CDialogDriver driver([&](DWORD main) {
        dialog = WaitForBurnDialog(main);
        testwin::Click(dialog, IDC_BURN_START);
        WaitForBurnEnd(dialog);
        finalText = testwin::ItemText(dialog, IDC_BURN_PROGRESS_TEXT);
        testwin::Click(dialog, IDCANCEL);
    });
    auto burn = fixture.Dialog("  CATALOGUE ");
    burn->DoModal(nullptr);
    driver.Finish();
    ASSERT_EQ(snapshots.size(), 5u);
    EXPECT_EQ(snapshots[0].progressText, "Initializing hardware...");
    EXPECT_EQ(snapshots[1].progressText, "Progress: 25%");
    EXPECT_EQ(snapshots[1].estimated, "12:34");
    EXPECT_EQ(snapshots[1].left, "8:20");
    EXPECT_EQ(snapshots[1].bufferText, "Buffer: 40%");
    EXPECT_EQ(snapshots[1].progress, 250);
    EXPECT_EQ(snapshots[1].buffer, 80);
    EXPECT_FALSE(snapshots[1].closeEnabled);
    EXPECT_TRUE(snapshots[1].dialogStayed);
    EXPECT_EQ(snapshots[2].progressText, "Progress: 100%");
    EXPECT_EQ(snapshots[2].left, "0:00");
    EXPECT_EQ(snapshots[2].bufferText, "Buffer Empty");
    EXPECT_EQ(snapshots[3].progressText, "Finalizing writing...");
    EXPECT_EQ(snapshots[4].progressText, "Completed!");
    EXPECT_EQ(finalText, "Burn completed successfully!");
    EXPECT_TRUE(fixture.Recorded(&BurnScript::wrote));
    EXPECT_TRUE(fixture.Recorded(&BurnScript::forcedClosed));
    EXPECT_EQ(fixture.Recorded(&BurnScript::lockedBy), "BurnCD");
    EXPECT_EQ(fixture.Recorded(&BurnScript::releases), 1);
    EXPECT_EQ(fixture.Recorded(&BurnScript::ejects), 1) << "eject when finished is on when never stored";
    EXPECT_EQ(fixture.Recorded(&BurnScript::volumeName), "CATALOGUE");
    EXPECT_EQ(fixture.Recorded(&BurnScript::addedTree), fixture.project.string());
    EXPECT_EQ(burn->Label(), "CATALOGUE");
    EXPECT_EQ(StoredEjectSetting(), "TRUE");
}

TEST(BurnCDDlg, AnOverloadedCdOrAnEmptyLabelKeepsBurnOff) {
    BurnFixture fixture;
    std::filesystem::remove_all(fixture.project);
    std::filesystem::create_directories(fixture.project);
    fixture.AddSparseFile("Video.mpg", 750ull * 1024 * 1024);
    struct State {
        std::string usage;
        bool burn = false;
        LRESULT bar = 0;
    };
    State cd, dvd, unlabelled, unticked;
    auto read = [](HWND dialog) {
        return State{testwin::ItemText(dialog, IDC_BURN_USAGE), Enabled(dialog, IDC_BURN_START),
                     BarPosition(dialog, IDC_BURN_USAGE_BAR)};
    };
    testwin::CDialogDriver driver([&](DWORD main) {
        HWND dialog = WaitForBurnDialog(main);
        cd = read(dialog);
        RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        e2e::SaveScreenshot(dialog, "burn-dialog-overloaded-cd");
        SelectMedia(dialog, "4.7GB DVD Media");
        dvd = read(dialog);
        SetLabel(dialog, "   ");
        unlabelled = read(dialog);
        SetLabel(dialog, "Films");
        SendDlgItemMessageA(dialog, IDC_BURN_EJECT, BM_CLICK, 0, 0);
        testwin::Click(dialog, IDCANCEL);
    });
    auto burn = fixture.Dialog("A LABEL LONGER THAN FIFTEEN");
    burn->DoModal(nullptr);
    driver.Finish();
    EXPECT_EQ(cd.usage, "Disc Overloaded: Used 750.0 MB, Free 0 Bytes");
    EXPECT_FALSE(cd.burn);
    EXPECT_EQ(cd.bar, 100);
    EXPECT_EQ(dvd.usage, "Used 750.0 MB, Free 3.6 GB");
    EXPECT_TRUE(dvd.burn);
    EXPECT_EQ(dvd.bar, 16);
    EXPECT_FALSE(unlabelled.burn);
    EXPECT_EQ(burn->Label(), "Films") << "the label goes back to the project";
    EXPECT_EQ(StoredEjectSetting(), "FALSE");
    EXPECT_EQ(fixture.Dialog("A LABEL LONGER THAN FIFTEEN")->Label(), "A LABEL LONGER ") << "15 characters at most";
}

TEST(BurnCDDlg, TheOlderEngineRecordsTheWholeDirectoryOrNothing) {
    BurnFixture fixture;
    fixture.script->modern = false;
    fixture.script->legacyRecorders = {{"Scripted", "CD-Writer 52x", "\\Device\\NoSuchCdRom"}};
    struct Run {
        std::string entry, progressText, question, stepText;
        bool timesShown = true;
        LRESULT steps = 0;
    };
    auto burnOnce = [&](int answer) {
        Run run;
        testwin::CDialogDriver driver([&](DWORD main) {
            HWND dialog = WaitForBurnDialog(main);
            run.entry = testwin::ItemText(dialog, IDC_BURN_DRIVE);
            run.timesShown = IsWindowVisible(GetDlgItem(dialog, IDC_BURN_ESTIMATED)) != FALSE;
            testwin::Click(dialog, IDC_BURN_START);
            if (answer != 0) run.question = AnswerMessageBox(main, dialog, answer);
            WaitForBurnEnd(dialog);
            run.progressText = testwin::ItemText(dialog, IDC_BURN_PROGRESS_TEXT);
            run.steps = BarPosition(dialog, IDC_BURN_PROGRESS);
            testwin::Click(dialog, IDCANCEL);
        });
        fixture.Dialog()->DoModal(nullptr);
        driver.Finish();
        return run;
    };

    const Run complete = burnOnce(0);
    EXPECT_EQ(complete.entry, " [CD-Writer 52x]") << "no drive letter has that device";
    EXPECT_FALSE(complete.timesShown);
    EXPECT_EQ(complete.progressText, "Burn completed successfully!");
    EXPECT_EQ(complete.steps, 5);
    EXPECT_EQ(fixture.Recorded(&BurnScript::recordedNames),
              (std::vector<std::string>{"AutoRun/Menu/Back.bmp 2048", "AutoRun/Settings.ini 512",
                                        "Autorun.inf " + std::to_string(std::filesystem::file_size(
                                                             fixture.project / "Autorun.inf"))}));
    EXPECT_EQ(fixture.Recorded(&BurnScript::volumeName), "CATALOGUE");

    // A file another program keeps open cannot be added; No stops the burn
    // and the incomplete copy is not recorded.
    {
        std::lock_guard<std::mutex> guard(fixture.script->mutex);
        fixture.script->recorded = false;
    }
    const std::string locked = (fixture.project / "Autorun.inf").string();
    HANDLE holder = CreateFileA(locked.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    const Run stopped = burnOnce(IDNO);
    CloseHandle(holder);
    EXPECT_EQ(stopped.question, "Unable to add \"" + locked +
                                    "\" to the CD image.\n\nDo you want to continueing burning the files to the disc?");
    EXPECT_EQ(stopped.progressText, "");
    EXPECT_FALSE(fixture.Recorded(&BurnScript::recorded));
}

}  // namespace
