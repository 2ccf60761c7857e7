#pragma once
// Handing documents to the shell, finding the program that opens them, and
// opening web links.
#include <windows.h>
#include <shellapi.h>

#include <string>

#include "LateShell.h"

enum ShellVerb : int { kShellOpen = 0, kShellPrint = 1, kShellExplore = 2 };

// Hands the target to the shell with the verb (0 "open", 1 "print",
// 2 "explore"), with the parameters and working directory when not empty.
// "print" runs hidden; the others maximized or normal. With wait set and a
// process to wait for, waits as WaitForProcess does (no cancel flag). False
// when the shell reports failure (its result is 32 or below) or the verb is
// unknown.
bool ShellRun(HWND parent, const std::string& target, const std::string& parameters,
              const std::string& workingDirectory, bool wait, bool maximize, bool disableParent, int verb);

// The program that opens the document (full path), as the shell finds it.
bool FindProgramForDocument(const std::string& documentPath, std::string& program);

// The program that opens files with the extension (given without its dot).
// Fails for extensions that could not name a file in the temporary directory
// (see IsSafeExtension).
bool FindProgramForExtension(const std::string& extension, std::string& program);

// Opens a web address or file with the shell's "open", else with the browser
// registered for ".htm". Returns the shell's result: above 32 is success.
INT_PTR OpenLink(const std::string& address);

// The message for a failed OpenLink result: "Can't open link:" and the text
// for the code, from the running module's string table (LinkErrors.rc).
std::string LinkErrorText(INT_PTR code);

// Shows LinkErrorText in a message box with the warning icon.
void ShowLinkError(INT_PTR code, HWND owner = nullptr);

// The shell calls behind ShellRun and OpenLink, the platform's own unless a
// test answers them: results the platform here never gives (success with an
// error code, a link that only the registered browser command opens) are
// reached through them.
struct ShellCalls {
    BOOL(WINAPI* executeEx)(SHELLEXECUTEINFOA*) = wingui::late::ShellExecuteEx;
    HINSTANCE(WINAPI* execute)(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT) = wingui::late::ShellExecute;
    UINT(WINAPI* winExec)(LPCSTR, UINT) = WinExec;
};
ShellCalls& TheShellCalls();
