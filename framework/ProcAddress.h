#pragma once
// Functions found at run time: of a library the caller loaded, or of a system
// library loaded from the system directory when first asked for (never from
// the program's own directory, which on a disc is the disc's).
#include <windows.h>

#include <string>

namespace wingui {

template <class Function>
Function LoadFunction(HMODULE library, const char* name) {
    // Through void*: the platform hands out every function as one generic type.
    return library ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(library, name))) : nullptr;
}

// Loaded once and kept for the rest of the run; null when it is missing.
inline HMODULE SystemLibrary(const char* fileName) {
    if (HMODULE loaded = GetModuleHandleA(fileName)) return loaded;
    char directory[MAX_PATH] = {};
    const UINT length = GetSystemDirectoryA(directory, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return nullptr;
    return LoadLibraryA((std::string(directory) + "\\" + fileName).c_str());
}

template <class Function>
Function SystemFunction(const char* library, const char* name) {
    return LoadFunction<Function>(SystemLibrary(library), name);
}

}  // namespace wingui
