#include "LateShell.h"

#include <mmsystem.h>

#include "ProcAddress.h"

namespace wingui::late {

namespace {

template <class Function>
Function Shell(const char* name) {
    return SystemFunction<Function>("shell32.dll", name);
}

template <class Function>
Function Version(const char* name) {
    return SystemFunction<Function>("version.dll", name);
}

// What the shell answers for a failure it cannot name better.
HINSTANCE ShellFailure() { return reinterpret_cast<HINSTANCE>(INT_PTR(SE_ERR_ACCESSDENIED)); }

}  // namespace

BOOL WINAPI ShellExecuteEx(SHELLEXECUTEINFOA* info) {
    static const auto execute = Shell<decltype(&::ShellExecuteExA)>("ShellExecuteExA");
    if (execute) return execute(info);
    info->hInstApp = ShellFailure();
    info->hProcess = nullptr;
    return FALSE;
}

HINSTANCE WINAPI ShellExecute(HWND owner, LPCSTR verb, LPCSTR file, LPCSTR parameters, LPCSTR directory, INT show) {
    static const auto execute = Shell<decltype(&::ShellExecuteA)>("ShellExecuteA");
    return execute ? execute(owner, verb, file, parameters, directory, show) : ShellFailure();
}

HINSTANCE FindExecutable(LPCSTR file, LPCSTR directory, LPSTR program) {
    static const auto find = Shell<decltype(&::FindExecutableA)>("FindExecutableA");
    return find ? find(file, directory, program) : ShellFailure();
}

HICON ExtractIcon(HINSTANCE instance, LPCSTR file, UINT index) {
    static const auto extract = Shell<decltype(&::ExtractIconA)>("ExtractIconA");
    return extract ? extract(instance, file, index) : nullptr;
}

BOOL PlaySound(LPCSTR sound, HMODULE module, DWORD flags) {
    static const auto play = SystemFunction<decltype(&::PlaySoundA)>("winmm.dll", "PlaySoundA");
    return play ? play(sound, module, flags) : FALSE;
}

DWORD GetFileVersionInfoSize(LPCSTR file, DWORD* handle) {
    static const auto size = Version<decltype(&::GetFileVersionInfoSizeA)>("GetFileVersionInfoSizeA");
    return size ? size(file, handle) : 0;
}

BOOL GetFileVersionInfo(LPCSTR file, DWORD handle, DWORD size, void* data) {
    static const auto read = Version<decltype(&::GetFileVersionInfoA)>("GetFileVersionInfoA");
    return read ? read(file, handle, size, data) : FALSE;
}

BOOL VerQueryValue(const void* block, LPCSTR subBlock, void** buffer, UINT* length) {
    static const auto query = Version<decltype(&::VerQueryValueA)>("VerQueryValueA");
    return query ? query(block, subBlock, buffer, length) : FALSE;
}

}  // namespace wingui::late
