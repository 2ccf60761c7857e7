// Shows the designer: starts Menuwright.exe in the designer directory given,
// saves screenshots of its main window (the first step selected, then the
// Add Action dialog over it), and then either waits until the author closes
// it (--wait) or closes it.
#include <cstdio>
#include <cstring>
#include <string>

#include "DesignerFixture.h"

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: designer_demo <designer directory> <screenshot name> [--wait]\n");
        return 2;
    }
    const bool wait = argc > 3 && std::strcmp(argv[3], "--wait") == 0;
    const std::string program = std::string(argv[1]) + "\\Menuwright.exe";
    auto designer = e2e::RunningProgram::Start(program);
    if (!designer.Started()) return 1;
    HWND main = designer_e2e::WaitForMainWindow(designer);
    if (!main) {
        std::printf("The designer showed no main window.\n");
        designer.Kill();
        return 1;
    }
    e2e::WaitUntilPainted(main);
    e2e::SaveScreenshot(main, argv[2]);
    if (wait) {
        designer.WaitForExit(INFINITE);
        return 0;
    }
    e2e::PressButton(designer_e2e::FindControl(main, 1338));
    if (HWND add = designer_e2e::WaitForDialog(designer, "Add Action")) {
        e2e::WaitUntilPainted(add);
        e2e::SaveScreenshot(nullptr, std::string(argv[2]) + "-add-action");
        e2e::PressDialogButton(add, IDCANCEL);
        e2e::WaitUntilPainted(main);
    }
    if (!designer_e2e::CloseDesigner(designer, main)) designer.Kill();
    return 0;
}
