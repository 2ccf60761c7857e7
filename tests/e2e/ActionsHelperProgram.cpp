// A program that launch actions start in the end-to-end tests. It appends
// what it was started with to the log named by MW_ACTION_LOG:
//   start|<first argument>|<command line>|<current directory>
//   end|<first argument>
// With the argument --hold it stays running for a while between the two, so
// a test can tell whether the player waited for it.
#include <windows.h>

#include <string>

namespace {

void AppendLine(const std::string& log, const std::string& line) {
    HANDLE file = CreateFileA(log.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    const std::string text = line + "\r\n";
    DWORD written = 0;
    WriteFile(file, text.data(), DWORD(text.size()), &written, nullptr);
    CloseHandle(file);
}

}  // namespace

int main(int argc, char** argv) {
    char log[MAX_PATH] = {};
    if (!GetEnvironmentVariableA("MW_ACTION_LOG", log, sizeof(log))) return 1;
    char directory[MAX_PATH] = {};
    GetCurrentDirectoryA(sizeof(directory), directory);
    const std::string label = argc > 1 ? argv[1] : "";
    AppendLine(log, "start|" + label + "|" + GetCommandLineA() + "|" + directory);
    for (int i = 1; i < argc; ++i) {
        if (std::string(argv[i]) == "--hold") Sleep(1500);
    }
    AppendLine(log, "end|" + label);
    return 0;
}
