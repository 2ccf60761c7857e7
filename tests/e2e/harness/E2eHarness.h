#pragma once
// Drives the built programs under Wine: fixture discs in a temporary
// directory, starting a program, finding its windows and controls, pressing
// buttons and saving screenshots.
#include <windows.h>

#include <string>
#include <vector>

#include "WindowQueries.h"

namespace e2e {

// Windows path of a program built in this tree (for example "Autorun.exe"),
// else of the file beside the test program.
std::string BuiltProgram(const std::string& fileName);
// Directory of the running test program.
std::string TestProgramDirectory();

// A disc laid out in a fresh temporary directory, removed at the end.
class FixtureDisc {
public:
    FixtureDisc();
    ~FixtureDisc();
    FixtureDisc(const FixtureDisc&) = delete;
    FixtureDisc& operator=(const FixtureDisc&) = delete;

    const std::string& Root() const { return root_; }
    // Root followed by a relative name ("\\AutoRun\\Settings.ini" or "AutoRun\\Settings.ini").
    std::string Path(const std::string& relative) const;

    void WriteSettings(const std::string& iniText) const;  // AutoRun\Settings.ini
    void WriteAutorunInf() const;
    void CopyPlayer() const;  // Autorun.exe
    void WriteFile(const std::string& relative, const std::string& bytes) const;
    void CopyFileTo(const std::string& sourcePath, const std::string& relative) const;
    // Copies every file below sourceDirectory into the disc, keeping the tree.
    void CopyTreeFrom(const std::string& sourceDirectory) const;
    // A complete disc: player, Autorun.inf and the given settings.
    void MakeComplete(const std::string& iniText) const;

private:
    void CopyTreeInto(const std::string& sourceDirectory, const std::string& relative) const;
    std::string root_;
};

class RunningProgram {
public:
    // Starts "<exePath>" followed by argumentsTail, in workDir (or the
    // program's directory when empty).
    static RunningProgram Start(const std::string& exePath, const std::string& argumentsTail = "",
                                const std::string& workDir = "");
    RunningProgram() = default;
    RunningProgram(RunningProgram&& other) noexcept;
    RunningProgram& operator=(RunningProgram&& other) noexcept;
    ~RunningProgram();

    bool Started() const { return process_ != nullptr; }
    DWORD ProcessId() const { return processId_; }
    HANDLE Process() const { return process_; }

    // A visible top-level window of this process whose class and title match
    // (either may be null); polls until the timeout, then returns null.
    HWND WaitForWindow(const char* className, const char* title, DWORD timeoutMs = 30000) const;
    // Polls until no visible window of this process matches (null = any).
    bool WaitForWindowGone(HWND window, DWORD timeoutMs = 30000) const;
    bool WaitForExit(DWORD timeoutMs, DWORD* exitCode = nullptr) const;
    std::vector<HWND> VisibleWindows() const;
    // Ends the program at once; a test that does not end what it started
    // (wait for its exit or kill it) fails when this object goes.
    void Kill();

private:
    HANDLE process_ = nullptr;
    DWORD processId_ = 0;
};

std::vector<HWND> ChildWindows(HWND parent);
// First descendant whose class and text match (either may be null).
HWND FindChild(HWND parent, const char* className, const char* text);
using testwin::ClassOf;
using testwin::MessageBoxText;
using testwin::WindowText;
// Posts BM_CLICK, so a modal loop the click opens does not block the test.
void PressButton(HWND button);
// The dialog button with that id, pressed.
bool PressDialogButton(HWND dialog, int id);

// Waits until the window's thread has handled what was queued and the
// window has no part left to paint: what a screenshot then saves is drawn.
bool WaitUntilPainted(HWND window, DWORD timeoutMs = 10000);

// Saves what the window shows (the whole screen when null) as
// screenshots/<name>.bmp in the build directory.
bool SaveScreenshot(HWND window, const std::string& name);

}  // namespace e2e
