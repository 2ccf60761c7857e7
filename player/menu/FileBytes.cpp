#include "FileBytes.h"

#include <windows.h>

#include "Handles.h"

bool ReadFileBytes(const std::string& path, std::size_t maxSize, std::vector<std::uint8_t>& bytes) {
    bytes.clear();
    wingui::KernelHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                          FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    LARGE_INTEGER size = {};
    if (!GetFileSizeEx(file.Get(), &size) || size.QuadPart <= 0 || std::uint64_t(size.QuadPart) > maxSize) {
        return false;
    }
    bytes.resize(std::size_t(size.QuadPart));
    DWORD read = 0;
    if (!ReadFile(file.Get(), bytes.data(), DWORD(bytes.size()), &read, nullptr) || read != bytes.size()) {
        bytes.clear();
        return false;
    }
    return true;
}
