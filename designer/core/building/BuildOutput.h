#pragma once
// Building a project: the disc's own files written into the project
// directory (Autorun.inf, the player as Autorun.exe, the settings with a new
// disc number, the button sounds and the library pictures of the menus),
// the first-run history carried over to the new disc number, and then the
// checks with their report.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>

class CDiscSettings;

struct BuildEnvironment {
    std::string designerDirectory;  // holds Autorun.bin and the sounds
    std::function<std::int32_t()> nextDiscNumber;
    // The pauses that let the files settle; the benchmark sets them to 0.
    int firstPauseMs = 2000;
    int secondPauseMs = 3000;
};

// False, after message 183, when one of the disc's own files could not be
// written; the files already written stay.
bool BuildOutput(HWND mainWindow, CDiscSettings& project, const BuildEnvironment& environment, bool showProgress);

// Checks the built project and shows the success message or the report;
// true when no error was found.
bool ValidateAndReport(HWND owner, CDiscSettings& project);

// Moves the first-run history of the previous disc number to the new one.
// The old history is deleted only once the copy is complete; a disc number
// that names no single disc's key moves nothing.
void MoveDiscHistory(const std::string& previous, const std::string& next);
