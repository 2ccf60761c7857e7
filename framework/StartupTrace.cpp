#include "StartupTrace.h"

#include <windows.h>

namespace wingui {

namespace {

StartupTraceBlock* OpenBlock() {
    char name[128] = {};
    const DWORD length = GetEnvironmentVariableA(kStartupTraceVariable, name, sizeof(name));
    if (length == 0 || length >= sizeof(name)) return nullptr;
    HANDLE mapping = OpenFileMappingA(FILE_MAP_WRITE, FALSE, name);
    if (!mapping) return nullptr;
    // The view stays mapped until the process ends; the handle is not needed.
    void* view = MapViewOfFile(mapping, FILE_MAP_WRITE, 0, 0, sizeof(StartupTraceBlock));
    CloseHandle(mapping);
    return static_cast<StartupTraceBlock*>(view);
}

}  // namespace

void MarkStartup(StartupStage stage) {
    static StartupTraceBlock* const block = OpenBlock();
    if (!block) return;
    std::int64_t& slot = block->marks[static_cast<int>(stage)];
    if (slot != 0) return;
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    slot = now.QuadPart;
}

}  // namespace wingui
