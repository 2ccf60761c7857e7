#include "E2eHarness.h"

#include "BuiltPrograms.h"

#include <gtest/gtest.h>

#include <exception>
#include <fstream>
#include <utility>

namespace e2e {

namespace {

constexpr DWORD kPollMs = 20;

std::string Joined(const std::string& directory, std::string relative) {
    while (!relative.empty() && relative.front() == '\\') relative.erase(0, 1);
    return directory + "\\" + relative;
}

void CreateDirectoriesFor(const std::string& filePath) {
    for (size_t at = filePath.find('\\', 3); at != std::string::npos; at = filePath.find('\\', at + 1)) {
        CreateDirectoryA(filePath.substr(0, at).c_str(), nullptr);
    }
}

void DeleteTree(const std::string& directory) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((directory + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            std::string name = found.cFileName;
            if (name == "." || name == "..") continue;
            std::string path = directory + "\\" + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                DeleteTree(path);
            } else {
                SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileA(path.c_str());
            }
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(directory.c_str());
}

struct WindowSearch {
    DWORD processId;
    const char* className;
    const char* title;
    std::vector<HWND> found;
};

bool Matches(HWND window, const char* className, const char* title) {
    if (className && ClassOf(window) != className) return false;
    if (title && WindowText(window) != title) return false;
    return true;
}

BOOL CALLBACK CollectTopLevel(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<WindowSearch*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->processId && IsWindowVisible(window) && Matches(window, search->className, search->title)) {
        search->found.push_back(window);
    }
    return TRUE;
}

BOOL CALLBACK CollectChild(HWND window, LPARAM param) {
    reinterpret_cast<std::vector<HWND>*>(param)->push_back(window);
    return TRUE;
}

std::string WithBackslashes(std::string path) {
    for (char& c : path) {
        if (c == '/') c = '\\';
    }
    return path;
}

}  // namespace

std::string TestProgramDirectory() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string directory = path;
    return directory.substr(0, directory.find_last_of('\\'));
}

std::string BuiltProgram(const std::string& fileName) {
    for (const BuiltProgramPath& program : kBuiltPrograms) {
        if (program.fileName == fileName) return WithBackslashes(std::string(program.path));
    }
    return Joined(TestProgramDirectory(), fileName);
}

FixtureDisc::FixtureDisc() {
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    char unique[MAX_PATH] = {};
    GetTempFileNameA(temp, "mwd", 0, unique);
    DeleteFileA(unique);
    root_ = unique;
    CreateDirectoryA(root_.c_str(), nullptr);
}

FixtureDisc::~FixtureDisc() { DeleteTree(root_); }

std::string FixtureDisc::Path(const std::string& relative) const { return Joined(root_, relative); }

void FixtureDisc::WriteFile(const std::string& relative, const std::string& bytes) const {
    std::string path = Path(relative);
    CreateDirectoriesFor(path);
    std::ofstream(path, std::ios::binary) << bytes;
}

void FixtureDisc::WriteSettings(const std::string& iniText) const { WriteFile("AutoRun\\Settings.ini", iniText); }

void FixtureDisc::WriteAutorunInf() const {
    WriteFile("Autorun.inf", "[AutoRun]\r\nopen=Autorun.exe\r\nicon=Autorun.exe,0\r\n");
}

void FixtureDisc::CopyFileTo(const std::string& sourcePath, const std::string& relative) const {
    std::string target = Path(relative);
    CreateDirectoriesFor(target);
    CopyFileA(sourcePath.c_str(), target.c_str(), FALSE);
}

void FixtureDisc::CopyTreeFrom(const std::string& sourceDirectory) const { CopyTreeInto(sourceDirectory, ""); }

void FixtureDisc::CopyTreeInto(const std::string& sourceDirectory, const std::string& relative) const {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((sourceDirectory + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        std::string name = found.cFileName;
        if (name == "." || name == "..") continue;
        std::string source = sourceDirectory + "\\" + name;
        std::string target = relative.empty() ? name : relative + "\\" + name;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            CreateDirectoryA(Path(target).c_str(), nullptr);
            CopyTreeInto(source, target);
        } else {
            CopyFileTo(source, target);
        }
    } while (FindNextFileA(search, &found));
    FindClose(search);
}

void FixtureDisc::CopyPlayer() const { CopyFileTo(BuiltProgram("Autorun.exe"), "Autorun.exe"); }

void FixtureDisc::MakeComplete(const std::string& iniText) const {
    CopyPlayer();
    WriteAutorunInf();
    WriteSettings(iniText);
}

RunningProgram RunningProgram::Start(const std::string& exePath, const std::string& argumentsTail,
                                     const std::string& workDir) {
    RunningProgram program;
    std::string commandLine = "\"" + exePath + "\" " + argumentsTail;
    std::string directory = workDir.empty() ? exePath.substr(0, exePath.find_last_of('\\')) : workDir;
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info = {};
    if (CreateProcessA(exePath.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, directory.c_str(),
                       &startup, &info)) {
        CloseHandle(info.hThread);
        program.process_ = info.hProcess;
        program.processId_ = info.dwProcessId;
    }
    return program;
}

RunningProgram::RunningProgram(RunningProgram&& other) noexcept
    : process_(std::exchange(other.process_, nullptr)), processId_(other.processId_) {}

RunningProgram& RunningProgram::operator=(RunningProgram&& other) noexcept {
    if (this != &other) {
        Kill();
        process_ = std::exchange(other.process_, nullptr);
        processId_ = other.processId_;
    }
    return *this;
}

// A program the test did not see to its end is a failure: what it left on
// screen would otherwise stand in the way of the next test, or keep the
// suite waiting. It is ended here either way.
RunningProgram::~RunningProgram() {
    if (!process_ || WaitForSingleObject(process_, 0) != WAIT_TIMEOUT) {
        Kill();
        return;
    }
    std::string titles;
    for (HWND window : VisibleWindows()) titles += " \"" + WindowText(window) + "\"";
    if (!std::uncaught_exceptions()) {
        ADD_FAILURE() << "the test left the program running (process " << processId_ << ", windows:" << titles
                      << "); it was ended";
    }
    Kill();
}

void RunningProgram::Kill() {
    if (!process_) return;
    if (WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) {
        TerminateProcess(process_, 1);
        WaitForSingleObject(process_, 5000);
    }
    CloseHandle(process_);
    process_ = nullptr;
}

std::vector<HWND> RunningProgram::VisibleWindows() const {
    WindowSearch search{processId_, nullptr, nullptr, {}};
    EnumWindows(CollectTopLevel, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND RunningProgram::WaitForWindow(const char* className, const char* title, DWORD timeoutMs) const {
    const DWORD start = GetTickCount();
    do {
        WindowSearch search{processId_, className, title, {}};
        EnumWindows(CollectTopLevel, reinterpret_cast<LPARAM>(&search));
        if (!search.found.empty()) return search.found.front();
        if (process_ && WaitForSingleObject(process_, kPollMs) == WAIT_OBJECT_0) return nullptr;
    } while (GetTickCount() - start < timeoutMs);
    return nullptr;
}

bool RunningProgram::WaitForWindowGone(HWND window, DWORD timeoutMs) const {
    return testwin::WaitForWindowGone(window, timeoutMs);
}

bool RunningProgram::WaitForExit(DWORD timeoutMs, DWORD* exitCode) const {
    if (!process_ || WaitForSingleObject(process_, timeoutMs) != WAIT_OBJECT_0) return false;
    if (exitCode) GetExitCodeProcess(process_, exitCode);
    return true;
}

std::vector<HWND> ChildWindows(HWND parent) {
    std::vector<HWND> children;
    EnumChildWindows(parent, CollectChild, reinterpret_cast<LPARAM>(&children));
    return children;
}

HWND FindChild(HWND parent, const char* className, const char* text) {
    for (HWND child : ChildWindows(parent)) {
        if (Matches(child, className, text)) return child;
    }
    return nullptr;
}

void PressButton(HWND button) { PostMessageA(button, BM_CLICK, 0, 0); }

bool PressDialogButton(HWND dialog, int id) {
    HWND button = GetDlgItem(dialog, id);
    if (!button) return false;
    PressButton(button);
    return true;
}

bool WaitUntilPainted(HWND window, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        DWORD_PTR ignored = 0;
        const bool idle = SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, timeoutMs, &ignored) != 0;
        if (idle && !GetUpdateRect(window, nullptr, FALSE)) return true;
        if (!IsWindow(window) || GetTickCount() - start >= timeoutMs) return false;
        Sleep(20);
    }
}

bool SaveScreenshot(HWND window, const std::string& name) {
    RECT area;
    if (window) {
        GetWindowRect(window, &area);
    } else {
        area = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    }
    const int width = area.right - area.left, height = area.bottom - area.top;
    if (width <= 0 || height <= 0) return false;
    if (window) {
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_FRAME);
    }
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
    GdiFlush();
    const DWORD rowBytes = DWORD((width * 3 + 3) & ~3);
    const DWORD imageBytes = rowBytes * DWORD(height);
    BITMAPFILEHEADER file = {};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
    file.bfSize = file.bfOffBits + imageBytes;
    std::string directory = WithBackslashes(MENUWRIGHT_SCREENSHOT_DIR);
    CreateDirectoriesFor(directory + "\\x");
    std::ofstream out(directory + "\\" + name + ".bmp", std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof(file));
    out.write(reinterpret_cast<const char*>(&info.bmiHeader), sizeof(info.bmiHeader));
    out.write(static_cast<const char*>(bits), std::streamsize(imageBytes));
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return bool(out);
}

}  // namespace e2e
