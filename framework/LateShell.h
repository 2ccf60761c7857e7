#pragma once
// The shell, sound and file-version functions the programs call, each from
// its system library loaded when first needed, so that a disc's start loads
// only what every run uses. Each behaves as the platform's function of the
// same name; without the library it fails as that function reports failure.
#include <windows.h>
#include <shellapi.h>

namespace wingui::late {

BOOL WINAPI ShellExecuteEx(SHELLEXECUTEINFOA* info);
HINSTANCE WINAPI ShellExecute(HWND owner, LPCSTR verb, LPCSTR file, LPCSTR parameters, LPCSTR directory, INT show);
HINSTANCE FindExecutable(LPCSTR file, LPCSTR directory, LPSTR program);
HICON ExtractIcon(HINSTANCE instance, LPCSTR file, UINT index);

BOOL PlaySound(LPCSTR sound, HMODULE module, DWORD flags);

DWORD GetFileVersionInfoSize(LPCSTR file, DWORD* handle);
BOOL GetFileVersionInfo(LPCSTR file, DWORD handle, DWORD size, void* data);
BOOL VerQueryValue(const void* block, LPCSTR subBlock, void** buffer, UINT* length);

}  // namespace wingui::late
