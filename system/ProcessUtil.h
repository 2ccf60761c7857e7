#pragma once
// Starting programs and waiting for them while the waiting thread's windows
// stay responsive.
#include <windows.h>

#include <atomic>
#include <string>

// Set (non-zero) by another thread to end a wait: the waited-for process is
// then terminated with exit code 0.
using CancelFlag = std::atomic<unsigned char>;

// Starts the program with the command line "\"program\" parameters" in the
// working directory (the current one when empty). Batch files get no console
// window. With wait set, waits as WaitForProcess does. False when the process
// could not be started.
bool RunProgram(HWND parent, const std::string& program, const std::string& parameters,
                const std::string& workingDirectory, bool wait, bool maximize, bool disableParent,
                const CancelFlag* cancel = nullptr);

// Waits until the process has ended. With a parent window, the waiting
// thread's messages are handled every 250 ms (sent messages at once), the
// parent is disabled with the wait cursor when disableParent is set, keyboard
// and mouse messages that arrive meanwhile are thrown away, and the parent
// comes to the foreground at the end. The cancel flag is checked every 250 ms
// with or without a parent. Always true.
bool WaitForProcess(HWND parent, HANDLE process, bool disableParent, const CancelFlag* cancel = nullptr);

// Sleeps in slices of 250 ms (see WaitSliceCount) and after each slice
// dispatches every waiting message of the window, or of any window of the
// thread when window is null.
void SleepAndPump(int milliseconds, HWND window = nullptr);
