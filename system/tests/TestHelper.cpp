// A small program for the process and shell tests. Options, in any order:
//   --started PATH   write PATH as soon as the program runs
//   --wait-for PATH  keep running until PATH exists (at most a minute)
//   --window TITLE   show a top-level window with that title meanwhile
//   --marker PATH    write PATH just before ending, with the working
//                    directory, the show state and the whole command line
//   --exit N         end with exit code N (default 0)
#include <windows.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Options {
    std::string started;
    std::string waitFor;
    std::string window;
    std::string marker;
    UINT exitCode = 0;
};

// The command line cut into arguments, with the quoting rules the tests use:
// double quotes group, nothing else is special.
std::vector<std::string> Arguments(const char* line) {
    std::vector<std::string> arguments;
    std::string current;
    bool quoted = false, any = false;
    for (const char* p = line; *p; ++p) {
        if (*p == '"') {
            quoted = !quoted;
            any = true;
        } else if ((*p == ' ' || *p == '\t') && !quoted) {
            if (any) arguments.push_back(current);
            current.clear();
            any = false;
        } else {
            current += *p;
            any = true;
        }
    }
    if (any) arguments.push_back(current);
    return arguments;
}

Options Parse(const std::vector<std::string>& arguments) {
    Options options;
    for (size_t i = 1; i + 1 < arguments.size(); ++i) {
        const std::string& name = arguments[i];
        const std::string& value = arguments[i + 1];
        if (name == "--started") options.started = value;
        else if (name == "--wait-for") options.waitFor = value;
        else if (name == "--window") options.window = value;
        else if (name == "--marker") options.marker = value;
        else if (name == "--exit") options.exitCode = UINT(std::strtoul(value.c_str(), nullptr, 10));
        else continue;
        ++i;
    }
    return options;
}

void WriteFileText(const std::string& path, const std::string& text) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    WriteFile(file, text.data(), DWORD(text.size()), &written, nullptr);
    CloseHandle(file);
}

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

void PumpFor(DWORD milliseconds) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, milliseconds, QS_ALLINPUT);
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

HWND ShowWindowTitled(const std::string& title, int show) {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "MenuwrightTestHelper";
    RegisterClassA(&windowClass);
    HWND window = CreateWindowA("MenuwrightTestHelper", title.c_str(), WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
                                320, 200, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (window) ShowWindow(window, show);
    return window;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int showCommand) {
    Options options = Parse(Arguments(GetCommandLineA()));
    if (!options.started.empty()) WriteFileText(options.started, "started");

    HWND window = options.window.empty() ? nullptr : ShowWindowTitled(options.window, showCommand);
    if (!options.waitFor.empty()) {
        for (int waited = 0; waited < 60000 && !Exists(options.waitFor); waited += 20) PumpFor(20);
    }
    if (window) DestroyWindow(window);

    if (!options.marker.empty()) {
        STARTUPINFOA startup = {};
        startup.cb = sizeof(startup);
        GetStartupInfoA(&startup);
        int show = (startup.dwFlags & STARTF_USESHOWWINDOW) ? int(startup.wShowWindow) : -1;
        char directory[MAX_PATH] = {};
        GetCurrentDirectoryA(MAX_PATH, directory);
        WriteFileText(options.marker, std::string("cwd=") + directory + "\r\nshow=" + std::to_string(show) +
                                          "\r\nline=" + GetCommandLineA() + "\r\n");
    }
    return int(options.exitCode);
}
