#include "DiscImageExport.h"

#include "CommonDialogs.h"
#include "DesignerMessage.h"
#include "DiscSettings.h"
#include "FileUtil.h"
#include "ImageProgressDialog.h"
#include "util/LocalFiles.h"
#include "../../resource.h"

namespace {

ImageTime TimeOf(const FILETIME& written) {
    SYSTEMTIME utc{};
    FileTimeToSystemTime(&written, &utc);
    return {utc.wYear, utc.wMonth, utc.wDay, utc.wHour, utc.wMinute, utc.wSecond};
}

ImageTime Now() {
    SYSTEMTIME utc{};
    GetSystemTime(&utc);
    return {utc.wYear, utc.wMonth, utc.wDay, utc.wHour, utc.wMinute, utc.wSecond};
}

void ScanInto(const std::string& directory, ImageEntry& into) {
    ForEachDirectoryEntry(directory, [&](const WIN32_FIND_DATAA& found) {
        const bool isDirectory = found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY;
        // A link may lead anywhere, back up the tree too: it is not the project's own.
        if (isDirectory && IsLinkEntry(found)) return;
        ImageEntry entry;
        entry.name = found.cFileName;
        entry.modified = TimeOf(found.ftLastWriteTime);
        entry.source = JoinPath(directory, found.cFileName);
        entry.directory = isDirectory;
        if (isDirectory) {
            ScanInto(entry.source, entry);
        } else {
            entry.size = EntrySize(found);
        }
        into.children.push_back(std::move(entry));
    });
}

class DiskFiles : public IImageFiles {
public:
    ~DiskFiles() override { Close(); }
    bool Open(const std::string& source) override {
        Close();
        file_ = CreateFileA(source.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
        return file_ != INVALID_HANDLE_VALUE;
    }
    long long Read(void* buffer, std::size_t size) override {
        DWORD read = 0;
        if (!ReadFile(file_, buffer, DWORD(size), &read, nullptr)) return -1;
        return read;
    }
    void Close() override {
        if (file_ != INVALID_HANDLE_VALUE) CloseHandle(file_);
        file_ = INVALID_HANDLE_VALUE;
    }

private:
    HANDLE file_ = INVALID_HANDLE_VALUE;
};

class FileSink : public IImageSink {
public:
    explicit FileSink(const std::string& path)
        : file_(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr)) {}
    ~FileSink() override { Close(); }
    bool IsOpen() const { return file_ != INVALID_HANDLE_VALUE; }
    bool Write(const void* data, std::size_t size) override {
        DWORD written = 0;
        return WriteFile(file_, data, DWORD(size), &written, nullptr) && written == size;
    }
    bool Close() {
        if (file_ == INVALID_HANDLE_VALUE) return true;
        const bool closed = CloseHandle(file_) != FALSE;
        file_ = INVALID_HANDLE_VALUE;
        return closed;
    }

private:
    HANDLE file_;
};

}  // namespace

std::string DiscImageLabel(const CDiscSettings& project) {
    if (!project.Label.empty()) return project.Label;
    return project.WindowsLabel.empty() ? project.ProjectName : project.WindowsLabel;
}

ImageEntry ScanProjectDirectory(const std::string& directory) {
    ImageEntry root;
    root.directory = true;
    root.modified = Now();
    ScanInto(directory, root);
    return root;
}

ImageOutcome ExportDiscImage(const std::string& directory, const std::string& volumeName, const std::string& target,
                             const std::function<bool(std::uint64_t, std::uint64_t)>& progress) {
    const ImageEntry tree = ScanProjectDirectory(directory);
    const std::string partial = target + ".part";
    ImageOptions options{volumeName, tree.modified, progress};
    DiskFiles files;
    FileSink sink(partial);
    if (!sink.IsOpen()) return {ImageResult::kWriteFailed, target};
    ImageOutcome outcome = WriteIsoImage(tree, options, files, sink);
    if (!sink.Close() && outcome.result == ImageResult::kWritten) outcome = {ImageResult::kWriteFailed, target};
    if (outcome.result == ImageResult::kWritten &&
        !MoveFileExA(partial.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING)) {
        outcome = {ImageResult::kWriteFailed, target};
    }
    if (outcome.result != ImageResult::kWritten) DeleteFileA(partial.c_str());
    return outcome;
}

void SaveDiscImage(HWND mainWindow, const std::string& directory, const std::string& label) {
    wingui::FileDialogOptions choice;
    choice.filter = "Disc Images (*.iso)|*.iso|All Files (*.*)|*.*|";
    choice.defaultExtension = "iso";
    choice.initialName = (label.empty() ? std::string("Disc") : label) + ".iso";
    choice.title = "Save Disc Image";
    const std::optional<std::string> target = wingui::ChooseFileToSave(mainWindow, choice);
    if (!target) return;
    CImageProgressDialog progress;
    EnableWindow(mainWindow, FALSE);
    if (progress.CreateModeless(mainWindow)) ShowWindow(progress.Handle(), SW_SHOW);
    const ImageOutcome outcome =
        ExportDiscImage(directory, label, *target, [&progress](std::uint64_t done, std::uint64_t total) {
            return progress.Advance(done, total);
        });
    progress.End(IDOK);
    EnableWindow(mainWindow, TRUE);
    SetForegroundWindow(mainWindow);
    switch (outcome.result) {
        case ImageResult::kWritten:
            ShowDesignerMessage(mainWindow, IDS_IMAGE_SAVED, MB_OK | MB_ICONINFORMATION, {*target});
            break;
        case ImageResult::kCancelled: break;
        case ImageResult::kFileTooLarge:
            ShowDesignerMessage(mainWindow, IDS_IMAGE_FILE_TOO_LARGE, MB_OK | MB_ICONERROR, {outcome.file});
            break;
        case ImageResult::kReadFailed:
            ShowDesignerMessage(mainWindow, IDS_IMAGE_READ_FAILED, MB_OK | MB_ICONERROR, {outcome.file});
            break;
        case ImageResult::kWriteFailed:
            ShowDesignerMessage(mainWindow, IDS_IMAGE_WRITE_FAILED, MB_OK | MB_ICONERROR, {*target});
            break;
    }
}
