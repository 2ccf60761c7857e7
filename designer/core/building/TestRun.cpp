#include "TestRun.h"

#include <atomic>
#include <memory>
#include <string>

#include "DesignerMessage.h"
#include "DiscSettings.h"
#include "FirstRunSteps.h"
#include "ProcessUtil.h"
#include "RegistryHistoryStore.h"
#include "RegistryUtil.h"
#include "SettingsFileAccess.h"
#include "util/LocalFiles.h"
#include "WaitDialog.h"
#include "../../resource.h"

namespace {

// After Cancel the player is given this many more rounds to end.
constexpr int kCancelGraceRounds = 10;
constexpr int kRoundMs = 1000;
constexpr DWORD kJoinMs = 250;

// What the main thread and the worker share. The worker holds its own
// reference, so a worker given up on after Cancel never writes into
// anything freed.
struct TestShared {
    HWND mainWindow = nullptr;
    std::string program;
    std::string directory;
    CancelFlag cancel{0};
    std::atomic<unsigned char> success{0};
};

DWORD WINAPI RunPlayer(LPVOID parameter) {
    std::unique_ptr<std::shared_ptr<TestShared>> owned(static_cast<std::shared_ptr<TestShared>*>(parameter));
    TestShared& shared = **owned;
    const bool ran = RunProgram(shared.mainWindow, shared.program, "", shared.directory, true, false, false,
                                &shared.cancel);
    shared.success = ran ? 1 : 0;
    return 0;
}

HANDLE StartWorker(const std::shared_ptr<TestShared>& shared) {
    auto* reference = new std::shared_ptr<TestShared>(shared);
    HANDLE thread = CreateThread(nullptr, 0, RunPlayer, reference, 0, nullptr);
    if (!thread) delete reference;
    return thread;
}

// Waits for the worker with the wait window up; true when it was cancelled.
bool WaitBehindWaitWindow(HWND mainWindow, HANDLE worker, TestShared& shared) {
    EnableWindow(mainWindow, FALSE);
    CWaitDialog wait(IDS_TESTING_TITLE, IDS_TESTING_TEXT, IDS_TESTING_CANCEL_TEXT, true);
    if (wait.CreateModeless(mainWindow)) ShowWindow(wait.Handle(), SW_SHOW);
    HCURSOR previous = SetCursor(LoadCursor(nullptr, IDC_WAIT));
    int grace = kCancelGraceRounds;
    for (;;) {
        if (wait.Cancelled()) {
            shared.cancel = 1;
            // A worker that does not end is let go; it owns its share.
            if (grace-- <= 0) break;
        }
        SleepAndPump(kRoundMs);
        if (WaitForSingleObject(worker, kJoinMs) != WAIT_TIMEOUT) break;
    }
    SetCursor(previous);
    EnableWindow(mainWindow, TRUE);
    return wait.Cancelled();
}

}  // namespace

void OfferToClearHistory(HWND mainWindow, CDiscSettings& project) {
    RegistryUtil history;
    if (!history.OpenBase(kHistoryRegistryRoot)) return;
    std::string discNumber;
    ReadString(JoinPath(JoinPath(project.TargetDir, "AutoRun"), "Settings.ini"), "General", "CdID", discNumber);
    // Only a real disc number names one disc's history; anything else would
    // name the history of every disc.
    if (!IsDiscHistoryKey(discNumber) || !history.HasSubKey(discNumber)) return;
    if (!HasFirstRunBehaviour(project.RootList)) return;
    if (ShowDesignerMessage(mainWindow, IDS_CLEAR_HISTORY, MB_YESNO | MB_ICONQUESTION) == IDYES) {
        history.DeleteSubTree(discNumber);
    }
}

bool TestRun(HWND mainWindow, CDiscSettings& project) {
    OfferToClearHistory(mainWindow, project);
    auto shared = std::make_shared<TestShared>();
    shared->mainWindow = mainWindow;
    shared->directory = project.TargetDir;
    shared->program = JoinPath(project.TargetDir, "Autorun.exe");
    bool success = false;
    if (HANDLE worker = StartWorker(shared)) {
        const bool cancelled = WaitBehindWaitWindow(mainWindow, worker, *shared);
        CloseHandle(worker);
        success = cancelled || shared->success != 0;
    }
    if (!success) ShowDesignerMessage(mainWindow, IDS_TEST_FAILED, MB_OK | MB_ICONSTOP);
    return success;
}
