// The version-1 engine: the project directory copied into a temporary
// structured storage, which the Joliet disc master records.
#include "BurnEngines.h"

#include "AnsiText.h"
#include "BurnTexts.h"
#include "ComApartment.h"
#include "FileUtil.h"
#include "Handles.h"

namespace {

constexpr DWORD kCopyBlock = 32768;

// Asked when an entry cannot be added; No stops the copy.
bool GoOnWithout(IBurnReport& report, const std::string& path) {
    return report.AskYesNo("Unable to add \"" + path +
                           "\" to the CD image.\n\nDo you want to continueing burning the files to the disc?");
}

// Folders whose names begin with "." are no part of the disc; a link may lead
// anywhere, back up the tree too, as the project's other walks hold.
bool SkippedFolder(const WIN32_FIND_DATAA& folder) { return folder.cFileName[0] == '.' || IsLinkEntry(folder); }

long CountFiles(const std::string& directory) {
    long count = 0;
    ForEachDirectoryEntry(directory, [&](const WIN32_FIND_DATAA& entry) {
        const std::string name = entry.cFileName;
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            if (!SkippedFolder(entry)) count += CountFiles(directory + "\\" + name);
        } else {
            ++count;
        }
    });
    return count;
}

// The engine's progress events, passed on to the dialog.
class LegacyProgress : public ILegacyProgress {
public:
    explicit LegacyProgress(IBurnReport& report) : report_(report) {}
    bool QueryCancel() override { return report_.Cancelled(); }
    void AddProgress(long completed, long total) override {
        report_.LegacyStatus(9, completed, "");
        report_.LegacySecondBar(completed, total);
    }
    void BlockProgress(long completed, long total) override {
        report_.LegacySecondBar(completed, total);
        report_.LegacyStatus(17, completed, "");
    }
    void PreparingBurn() override { report_.LegacyStatus(10, 0, ""); }
    void ClosingDisc() override {
        report_.LegacySecondBar(0, 0);
        report_.LegacyStatus(11, 0, "");
    }

private:
    IBurnReport& report_;
};

}  // namespace

bool CBurnCD::AddFile(const std::string& path, IStorage& storage, const std::string& name) {
    wingui::KernelHandle file(
        CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file) return false;
    wingui::ComPtr<IStream> stream;
    if (FAILED(storage.CreateStream(wingui::WideFromAnsi(ShortenImageName(name)).c_str(),
                                    STGM_CREATE | STGM_WRITE | STGM_SHARE_EXCLUSIVE, 0, 0, stream.Receive())))
        return false;
    std::vector<char> block(kCopyBlock);
    for (;;) {
        DWORD read = 0;
        if (!ReadFile(file.Get(), block.data(), kCopyBlock, &read, nullptr)) return false;
        if (read == 0) return true;
        ULONG written = 0;
        if (FAILED(stream->Write(block.data(), read, &written)) || written != read) return false;
    }
}

CBurnCD::Copy CBurnCD::AddFolder(const std::string& directory, IStorage& storage, long& fileNumber,
                                     long totalFiles) {
    Copy copy = Copy::kComplete;
    ForEachDirectoryEntry(directory, [&](const WIN32_FIND_DATAA& entry) {
        if (copy != Copy::kComplete) return;
        const std::string name = entry.cFileName;
        const std::string path = directory + "\\" + name;
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            if (SkippedFolder(entry)) return;
            wingui::ComPtr<IStorage> folder;
            if (SUCCEEDED(storage.CreateStorage(wingui::WideFromAnsi(ShortenImageName(name)).c_str(),
                                                STGM_CREATE | STGM_READWRITE | STGM_SHARE_EXCLUSIVE, 0, 0,
                                                folder.Receive()))) {
                copy = AddFolder(path, *folder.Get(), fileNumber, totalFiles);
            } else if (!GoOnWithout(report_, path)) {
                copy = Copy::kStopped;
            }
        } else {
            ++fileNumber;
            report_.LegacyStatus(12, fileNumber, name);
            report_.LegacySecondBar(fileNumber, totalFiles);
            if (!AddFile(path, storage, name) &&
                !GoOnWithout(report_, path)) {
                copy = Copy::kStopped;
            }
        }
        if (copy == Copy::kComplete && report_.Cancelled()) copy = Copy::kStopped;
    });
    return copy;
}

void CBurnCD::Burn(const BurnJob& job) {
    if (!job.writerSelected) return report_.Finished(kFinishFailedWithReason, "No device selected.");
    wingui::ComApartment com;
    HRESULT result = S_OK;
    auto master = platform_.CreateLegacyDiscMaster(result);
    wingui::ComPtr<IStorage> content;
    if (!master || FAILED(master->Open()) || FAILED(master->SetJolietFormat()) ||
        FAILED(master->SetActiveRecorder(job.legacyPosition)) ||
        FAILED(StgCreateDocfile(nullptr,
                                STGM_CREATE | STGM_READWRITE | STGM_SHARE_EXCLUSIVE | STGM_DELETEONRELEASE, 0,
                                content.Receive())))
        return report_.Finished(kFinishFailed, "");
    master->SetVolumeName(job.label);
    const long totalFiles = CountFiles(job.projectDirectory);
    long fileNumber = 0;
    // An incomplete copy is never recorded: the author chose to stop.
    if (AddFolder(job.projectDirectory, *content.Get(), fileNumber, totalFiles) == Copy::kStopped)
        return report_.Finished(kFinishUserChoice, "");
    LegacyProgress progress(report_);
    result = master->Record(content.Get(), progress);
    if (FAILED(result)) {
        report_.ShowFailure(WithNumber("Error %d", long(result)), false);
        return report_.Finished(kFinishFailed, "");
    }
    if (job.eject) master->EjectActive();
    report_.LegacyStep(5);
    report_.Finished(kFinishSucceeded, "");
}
