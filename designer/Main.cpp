#include <windows.h>

#include "DiscwellApp.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    CDiscwellApp app;
    return app.Run(instance);
}
