#include "BuildOutput.h"

#include <memory>

#include "AutorunInf.h"
#include "BuildValidation.h"
#include "DesignerMessage.h"
#include "DiscSettings.h"
#include "DiskBuildFiles.h"
#include "FileUtil.h"
#include "FirstRunSteps.h"
#include "ProcessUtil.h"
#include "RegistryHistoryStore.h"
#include "RegistryUtil.h"
#include "ReportDialog.h"
#include "ResourceString.h"
#include "SettingsFileAccess.h"
#include "WaitDialog.h"
#include "../../resource.h"

namespace {


// The wait window with the main window disabled, for as long as the build runs.
class BuildProgress {
public:
    BuildProgress(HWND mainWindow, bool shown) : mainWindow_(mainWindow) {
        if (!shown) return;
        EnableWindow(mainWindow_, FALSE);
        wait_ = std::make_unique<CWaitDialog>(IDS_BUILDING_TITLE, IDS_BUILDING_TEXT, 0, false);
        if (wait_->CreateModeless(mainWindow_)) ShowWindow(wait_->Handle(), SW_SHOW);
        previousCursor_ = SetCursor(LoadCursor(nullptr, IDC_WAIT));
    }
    ~BuildProgress() { Close(); }
    BuildProgress(const BuildProgress&) = delete;
    BuildProgress& operator=(const BuildProgress&) = delete;

    void Close() {
        if (!wait_) return;
        wait_.reset();
        SetCursor(previousCursor_);
        EnableWindow(mainWindow_, TRUE);
    }

private:
    HWND mainWindow_;
    std::unique_ptr<CWaitDialog> wait_;
    HCURSOR previousCursor_ = nullptr;
};

bool WriteAndClose(HANDLE file, const std::string& text) {
    DWORD written = 0;
    const bool complete = WriteFile(file, text.data(), DWORD(text.size()), &written, nullptr) && written == text.size();
    return CloseHandle(file) && complete;
}

bool Fail(BuildProgress& progress, HWND mainWindow, const std::string& projectDirectory) {
    progress.Close();
    ShowDesignerMessage(mainWindow, IDS_BUILD_FAILED, MB_OK | MB_ICONSTOP, {projectDirectory});
    return false;
}

}  // namespace

void MoveDiscHistory(const std::string& previous, const std::string& next) {
    if (!IsDiscHistoryKey(previous) || !IsDiscHistoryKey(next) || previous == next) return;
    RegistryUtil history;
    if (!history.OpenBase(kHistoryRegistryRoot) || !history.HasSubKey(previous)) return;
    // Should the copy fail, the old history is all the computer has left.
    if (history.CopySubTree(kHistoryRegistryRoot, next, previous)) history.DeleteSubTree(previous);
}

bool BuildOutput(HWND mainWindow, CDiscSettings& project, const BuildEnvironment& environment, bool showProgress) {
    const std::string& directory = project.TargetDir;
    const std::string autorunInf = JoinPath(directory, "Autorun.inf");
    HANDLE inf = CreateFileA(autorunInf.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                             nullptr);
    if (inf == INVALID_HANDLE_VALUE) {
        ShowDesignerMessage(mainWindow, IDS_BUILD_FAILED, MB_OK | MB_ICONSTOP, {directory});
        return false;
    }
    BuildProgress progress(mainWindow, showProgress);
    if (!WriteAndClose(inf, AutorunInfText(project))) return Fail(progress, mainWindow, directory);
    const std::string& designer = environment.designerDirectory;
    if (!CopyFileTo(JoinPath(designer, "Autorun.bin"), JoinPath(directory, "Autorun.exe"), true)) {
        return Fail(progress, mainWindow, directory);
    }
    const std::string discFolder = JoinPath(directory, "AutoRun");
    if (!IsDirectory(discFolder) && !CreateDirectoryA(discFolder.c_str(), nullptr)) {
        return Fail(progress, mainWindow, directory);
    }
    const std::string discSettings = JoinPath(discFolder, "Settings.ini");
    std::string previous;
    if (IsExistingFile(discSettings)) ReadString(discSettings, "General", "CdID", previous);
    SleepAndPump(environment.firstPauseMs);
    if (!CopyFileTo(project.GetFileName(), discSettings, true)) return Fail(progress, mainWindow, directory);
    SleepAndPump(environment.secondPauseMs);

    const std::string next = std::to_string(environment.nextDiscNumber());
    WriteString(discSettings, "General", "CdID", next);
    if (!previous.empty()) MoveDiscHistory(previous, next);
    for (const char* sound : {"BtnClick.wav", "RollOver.wav"}) {
        CopyFileTo(JoinPath(designer, sound), JoinPath(discFolder, sound), true);
    }
    DeleteDirectoryTree(JoinPath(discFolder, "Menu"));
    for (int i = 0; i < project.RootList.Count(); ++i) project.RootList.GetAt(i)->SetBaseDirectory(directory, true);
    return true;
}

bool ValidateAndReport(HWND owner, CDiscSettings& project) {
    CDiskBuildFiles files(project.TargetDir);
    const MessageTexts texts = [](int id) { return wingui::LoadResourceString(UINT(id)); };
    const BuildLog log = ValidateProject(project, files, texts);
    if (log.Clean()) {
        ShowDesignerMessage(owner, IDS_BUILD_SUCCEEDED, MB_OK | MB_ICONINFORMATION);
        return true;
    }
    CReportDialog report(BuildReportText(log, texts), BuildSummaryText(log, texts));
    report.DoModal(owner);
    return log.errors == 0;
}
