// Stands in for an installer on a test disc: appends its command-line
// parameters and working directory to "installer-ran.txt" beside itself.
// With the parameter /slow it first waits two seconds, so a test can tell
// whether the player waited for it.
#include <windows.h>

#include <cstring>
#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandTail, int) {
    if (std::strstr(commandTail, "/slow")) Sleep(2000);
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string log = path;
    log.erase(log.rfind('\\') + 1);
    log += "installer-ran.txt";
    char cwd[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, cwd);
    const std::string line = std::string(commandTail) + "|" + cwd + "\r\n";
    // The run before may still hold the log for a moment while its process
    // ends, and the test deletes it between runs: share it every way.
    HANDLE file = CreateFileA(log.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 1;
    DWORD written = 0;
    WriteFile(file, line.data(), DWORD(line.size()), &written, nullptr);
    CloseHandle(file);
    return 0;
}
