#include <windows.h>

#include "AutorunApp.h"
#include "StartupTrace.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    wingui::MarkStartup(wingui::StartupStage::ProgramEntered);
    CAutorunApp app;
    return app.Run(instance);
}
