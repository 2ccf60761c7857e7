#include <windows.h>

#include "FileBytes.h"

FileRead ReadFileBytes(const std::string& file, std::size_t maxBytes, std::string& bytes) {
    bytes.clear();
    HANDLE handle = CreateFileA(file.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        const bool missing = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
        return missing ? FileRead::Missing : FileRead::Unusable;
    }
    FileRead result = FileRead::Unusable;
    LARGE_INTEGER size = {};
    if (GetFileSizeEx(handle, &size) && size.QuadPart >= 0 && ULONGLONG(size.QuadPart) <= maxBytes) {
        bytes.resize(size_t(size.QuadPart));
        DWORD got = 0;
        if (bytes.empty() || (ReadFile(handle, bytes.data(), DWORD(bytes.size()), &got, nullptr) && got == bytes.size())) {
            result = FileRead::Read;
        } else {
            bytes.clear();
        }
    }
    CloseHandle(handle);
    return result;
}

bool WriteFileBytes(const std::string& file, const std::string& bytes) {
    HANDLE handle = CreateFileA(file.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const bool ok = bytes.empty() ||
                    (WriteFile(handle, bytes.data(), DWORD(bytes.size()), &written, nullptr) && written == bytes.size());
    return CloseHandle(handle) && ok;
}
