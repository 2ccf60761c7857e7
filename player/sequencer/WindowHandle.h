#pragma once
// The window types the sequencer passes around. On Windows they are the
// system's own; the native build of the walk only passes them through, so
// there they are opaque stand-ins of the same names.
#ifdef _WIN32
#include <windows.h>
#else
#include <cstdint>
struct HWND__;
typedef HWND__* HWND;
typedef std::intptr_t INT_PTR;
typedef std::intptr_t LRESULT;
#endif
