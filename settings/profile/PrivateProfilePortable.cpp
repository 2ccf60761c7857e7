#include "PrivateProfile.h"

#include "CachedFiles.h"
#include "IniDocument.h"
#include "../util/FileBytes.h"

namespace profile {

namespace portable {

namespace {
// The platform reads a profile of any size; so does this.
constexpr std::size_t kAnySize = ~std::size_t(0);
}  // namespace

std::string ReadValue(const std::string& file, const std::string& section, const std::string& key) {
    std::string text;
    if (ReadFileBytes(file, kAnySize, text) != FileRead::Read) return {};
    return IniDocument::Parse(text).Get(section, key);
}

bool WriteValue(const std::string& file, const std::string& section, const std::string& key,
                const std::string& value) {
    std::string text;
    const bool existed = ReadFileBytes(file, kAnySize, text) == FileRead::Read;
    IniDocument doc = IniDocument::Parse(text);
    if (!doc.Set(section, key, value) && existed) return true;
    return WriteFileBytes(file, doc.Serialize());
}

}  // namespace portable

#ifndef _WIN32
std::string ReadValue(const std::string& file, const std::string& section, const std::string& key) {
    if (auto value = cached::Read(file, section, key)) return std::move(*value);
    return portable::ReadValue(file, section, key);
}

bool WriteValue(const std::string& file, const std::string& section, const std::string& key,
                const std::string& value) {
    if (cached::Write(file, section, key, value)) return true;
    return portable::WriteValue(file, section, key, value);
}
#endif

}  // namespace profile
