#include "FileNameLength.h"

#include "util/TextCase.h"

bool IsTooLongForDisc(std::string_view fileName) { return fileName.size() > kMaxDiscFileName; }

std::string ExtensionOf(std::string_view fileName) {
    const std::size_t dot = fileName.find_last_of('.');
    if (dot == std::string_view::npos) return {};
    return std::string(fileName.substr(dot + 1));
}

std::string KeepingExtension(std::string_view newName, std::string_view oldExtension) {
    if (EqualsNoCase(ExtensionOf(newName), std::string(oldExtension))) return std::string(newName);
    return std::string(newName) + "." + std::string(oldExtension);
}
