// Shows what the player does with a disc: copies the disc's files and the
// built player into a fresh directory, runs it, saves a screenshot of its
// first window, and then either waits for the user to finish (--wait) or
// closes it.
#include <cstdio>
#include <cstring>

#include "E2eHarness.h"

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: demo_run <disc directory> <screenshot name> [--wait]\n");
        return 2;
    }
    const bool wait = argc > 3 && std::strcmp(argv[3], "--wait") == 0;
    e2e::FixtureDisc disc;
    disc.CopyTreeFrom(argv[1]);
    disc.CopyPlayer();
    auto player = e2e::RunningProgram::Start(disc.Path("Autorun.exe"));
    if (!player.Started()) return 1;
    HWND window = player.WaitForWindow(nullptr, nullptr, 15000);
    if (!window) {
        std::printf("The player showed no window.\n");
        return player.WaitForExit(0) ? 0 : 1;
    }
    e2e::WaitUntilPainted(window);
    e2e::SaveScreenshot(nullptr, argv[2]);
    if (wait) {
        player.WaitForExit(INFINITE);
    } else if (!e2e::PressDialogButton(window, IDOK)) {
        PostMessageA(window, WM_CLOSE, 0, 0);
    }
    player.WaitForExit(5000);
    return 0;
}
