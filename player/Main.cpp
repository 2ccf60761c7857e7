#include <windows.h>

#include "AutorunApp.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    CAutorunApp app;
    return app.Run(instance);
}
