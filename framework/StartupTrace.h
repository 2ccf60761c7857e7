#pragma once
// Timestamps of a program's start-up, for the start-up benchmark only. The
// benchmark names a shared memory block in the environment variable
// "MENUWRIGHT_STARTUP_TRACE"; without it every mark is one test of a flag.
// Marks are performance-counter readings, which the benchmark compares with
// its own from before the process was created.
#include <cstdint>

namespace wingui {

enum class StartupStage : std::uint32_t {
    ProgramEntered,     // loading the program and its DLLs is behind us
    LibrariesReady,     // common controls, OLE
    SettingsFileRead,   // the settings file is in memory
    RecordsLoaded,      // every record of the disc
    MenuWindowCreated,  // the dialog exists, before its controls are filled
    PicturesLoaded,     // background, logo, image and button pictures
    MenuWindowReady,    // built and laid out, about to become visible
    BackgroundPainted,  // the menu window's background is on screen
    Count
};

// The shared block: one reading per stage, zero for a stage not reached.
struct StartupTraceBlock {
    std::int64_t marks[static_cast<int>(StartupStage::Count)];
};

inline constexpr const char* kStartupTraceVariable = "MENUWRIGHT_STARTUP_TRACE";

// Records the first time the program reaches a stage.
void MarkStartup(StartupStage stage);

}  // namespace wingui
