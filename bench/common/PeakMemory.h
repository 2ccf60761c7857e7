#pragma once
// The most memory a process has held so far: its peak working set.
#include <windows.h>
#include <psapi.h>

inline double PeakWorkingSetMb(HANDLE process) {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    if (!GetProcessMemoryInfo(process, &counters, sizeof counters)) return 0;
    return double(counters.PeakWorkingSetSize) / (1024 * 1024);
}
