#pragma once
// A function of a library loaded at run time, typed as the caller declares
// it; null when the library lacks it.
#include <windows.h>

namespace wingui {

template <class Function>
Function LoadFunction(HMODULE library, const char* name) {
    // Through void*: the platform hands out every function as one generic type.
    return library ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(library, name))) : nullptr;
}

}  // namespace wingui
