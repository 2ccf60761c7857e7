// A third yardstick of the menu start-up benchmark: what the player's
// message-box start asks of the platform and nothing more. Common controls
// initialised under the player's manifest, then the same message box as the
// benchmark disc's message action, with no settings read and no steps run.
#include <windows.h>
#include <commctrl.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    InitCommonControls();
    MessageBoxA(nullptr, "Hello", "Benchmark message", MB_OK | MB_ICONINFORMATION);
    return 0;
}
