#include <windows.h>

#include <vector>

#include "CachedFiles.h"
#include "PrivateProfile.h"

namespace profile {

std::string ReadValue(const std::string& file, const std::string& section, const std::string& key) {
    if (auto value = cached::Read(file, section, key)) return std::move(*value);
    // The platform truncates to the buffer it is given, so grow the buffer
    // until the value fits: long multi-line texts must come back whole.
    std::vector<char> buffer(1024);
    for (;;) {
        DWORD got = GetPrivateProfileStringA(section.c_str(), key.c_str(), "", buffer.data(),
                                             DWORD(buffer.size()), file.c_str());
        if (got + 1 < buffer.size() || buffer.size() >= (1u << 26)) return std::string(buffer.data(), got);
        buffer.resize(buffer.size() * 4);
    }
}

bool WriteValue(const std::string& file, const std::string& section, const std::string& key,
                const std::string& value) {
    if (cached::Write(file, section, key, value)) return true;
    return WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), file.c_str()) != FALSE;
}

}  // namespace profile
