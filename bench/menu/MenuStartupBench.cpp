// How long the player takes from process start until its menu window is
// visible and painted, on a disc whose root list is one menu with twelve
// buttons and JPEG pictures, next to the same measure for a bare program
// that shows one empty window. Prints the figures; asserts nothing.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "E2eHarness.h"
#include "MenuFixtureDisc.h"

namespace {

double Now() {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return double(counter.QuadPart) * 1000.0 / double(frequency.QuadPart);
}

struct Search {
    DWORD processId;
    const char* title;
    HWND found;
};

BOOL CALLBACK FindVisible(HWND hwnd, LPARAM parameter) {
    auto* search = reinterpret_cast<Search*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(hwnd, &owner);
    if (owner != search->processId || !IsWindowVisible(hwnd)) return TRUE;
    char title[256] = {};
    GetWindowTextA(hwnd, title, sizeof(title));
    if (std::string(title) != search->title) return TRUE;
    search->found = hwnd;
    return FALSE;
}

bool HasPendingPaint(HWND window) {
    if (GetUpdateRect(window, nullptr, FALSE)) return true;
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (IsWindowVisible(child) && GetUpdateRect(child, nullptr, FALSE)) return true;
    }
    return false;
}

// Milliseconds from just before the process is created until its window is
// visible with nothing left to paint; negative when it never got there.
double TimeToPaintedWindow(const std::string& program, const std::string& directory, const char* title) {
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    std::string commandLine = "\"" + program + "\" ";
    const double start = Now();
    if (!CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        directory.empty() ? nullptr : directory.c_str(), &startup, &process)) {
        return -1;
    }
    double elapsed = -1;
    for (;;) {
        Search search = {process.dwProcessId, title, nullptr};
        EnumWindows(FindVisible, reinterpret_cast<LPARAM>(&search));
        if (search.found) {
            DWORD_PTR ignored = 0;
            // Its thread has taken every message before this one, then the
            // paint that nothing else precedes.
            if (SendMessageTimeoutA(search.found, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &ignored) &&
                !HasPendingPaint(search.found)) {
                elapsed = Now() - start;
                break;
            }
        }
        if (WaitForSingleObject(process.hProcess, 1) == WAIT_OBJECT_0) break;
        if (Now() - start > 30000) break;
    }
    TerminateProcess(process.hProcess, 0);
    WaitForSingleObject(process.hProcess, 10000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return elapsed;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

std::vector<menu_e2e::Node> TwelveButtonMenu() {
    std::vector<menu_e2e::Node> buttons;
    for (int i = 1; i <= 12; ++i) {
        buttons.push_back(menu_e2e::Button("Chapter " + std::to_string(i),
                                           {menu_e2e::MessageAction("Chapter", "Chapter " + std::to_string(i))}));
    }
    return {menu_e2e::Menu("Benchmark menu", buttons,
                           {{"BackgroundType", "4"},
                            {"BgrndFilename", "\\AutoRun\\Menu\\Paper.bmp"},
                            {"BackgroundBitmap", "3"},
                            {"LogoFilename", "\\AutoRun\\Menu\\Logo.jpg"},
                            {"MenuSubTitle", "Twelve buttons, JPEG pictures"},
                            {"UseImage", "true"},
                            {"ImageCustom", "true"},
                            {"ImageFilename", "\\AutoRun\\Menu\\Photo.jpg"},
                            {"ButtonUFile", "\\AutoRun\\Menu\\SmallU.bmp"},
                            {"ButtonDFile", "\\AutoRun\\Menu\\SmallD.bmp"},
                            {"ButtonFFile", "\\AutoRun\\Menu\\SmallF.bmp"},
                            {"ButtonRFile", "\\AutoRun\\Menu\\SmallR.bmp"}})};
}

}  // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::max(1, atoi(argv[1])) : 15;
    e2e::FixtureDisc disc;
    menu_e2e::MakeMenuDisc(disc, TwelveButtonMenu());
    const std::string player = disc.Path("Autorun.exe");
    const std::string bare = e2e::TestProgramDirectory() + "\\bare_window.exe";
    // The player's own start without a menu: a disc that shows one message box.
    e2e::FixtureDisc messageDisc;
    messageDisc.MakeComplete(menu_e2e::Settings({menu_e2e::MessageAction("Benchmark message", "Hello")}));
    const std::string messagePlayer = messageDisc.Path("Autorun.exe");

    // One start of each first, so that neither pays for loading Wine's
    // libraries into the cache.
    TimeToPaintedWindow(player, disc.Root(), "Benchmark menu");
    TimeToPaintedWindow(bare, "", "Bare window");
    TimeToPaintedWindow(messagePlayer, messageDisc.Root(), "Benchmark message");

    std::vector<double> menuTimes, bareTimes, messageTimes;
    for (int i = 0; i < rounds; ++i) {
        bareTimes.push_back(TimeToPaintedWindow(bare, "", "Bare window"));
        menuTimes.push_back(TimeToPaintedWindow(player, disc.Root(), "Benchmark menu"));
        messageTimes.push_back(TimeToPaintedWindow(messagePlayer, messageDisc.Root(), "Benchmark message"));
    }
    const bool failed = std::any_of(menuTimes.begin(), menuTimes.end(), [](double t) { return t < 0; }) ||
                        std::any_of(bareTimes.begin(), bareTimes.end(), [](double t) { return t < 0; });
    const double menu = Median(menuTimes);
    const double window = Median(bareTimes);
    std::printf("rounds: %d\n", rounds);
    std::printf("bare window visible and painted: median %.1f ms (min %.1f, max %.1f)\n", window,
                *std::min_element(bareTimes.begin(), bareTimes.end()),
                *std::max_element(bareTimes.begin(), bareTimes.end()));
    std::printf("menu visible and painted:        median %.1f ms (min %.1f, max %.1f)\n", menu,
                *std::min_element(menuTimes.begin(), menuTimes.end()),
                *std::max_element(menuTimes.begin(), menuTimes.end()));
    std::printf("player with one message box:     median %.1f ms (min %.1f, max %.1f)\n", Median(messageTimes),
                *std::min_element(messageTimes.begin(), messageTimes.end()),
                *std::max_element(messageTimes.begin(), messageTimes.end()));
    std::printf("ratio menu / bare window: %.2f (goal at most 1.30)\n", window > 0 ? menu / window : 0.0);
    if (failed) std::printf("some starts never showed their window\n");
    return failed ? 1 : 0;
}
