#include "ContainedPath.h"

#include <vector>

#include "PathNames.h"
#include "TextCase.h"

namespace {

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

// The platform opens these devices whatever directory or extension is given.
bool IsDeviceName(std::string_view part) {
    const std::string_view stem = part.substr(0, part.find('.'));
    static constexpr std::string_view kDevices[] = {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$"};
    for (std::string_view device : kDevices) {
        if (EqualsNoCase(stem, device)) return true;
    }
    const bool numbered = stem.size() == 4 && (StartsWithNoCase(stem, "COM") || StartsWithNoCase(stem, "LPT"));
    return numbered && stem[3] >= '0' && stem[3] <= '9';
}

bool IsUsablePart(std::string_view part) {
    if (part == "." || part == "..") return true;
    for (char c : part) {
        if (static_cast<unsigned char>(c) < 32 || c == ':') return false;
    }
    return part.back() != '.' && part.back() != ' ' && !IsDeviceName(part);
}

}  // namespace

std::optional<std::string> ResolveInside(std::string_view root, std::string_view relativeName) {
    std::string base(root);
    while (!base.empty() && IsSeparator(base.back())) base.pop_back();
    if (relativeName.empty()) return base;
    if (relativeName.size() >= 2 && IsSeparator(relativeName[0]) && IsSeparator(relativeName[1])) {
        return std::nullopt;  // network and device paths
    }
    std::vector<std::string_view> parts;
    for (std::string_view part : PathComponents(relativeName)) {
        if (part == ".") continue;
        if (!IsUsablePart(part)) return std::nullopt;
        if (part == "..") {
            if (parts.empty()) return std::nullopt;
            parts.pop_back();
            continue;
        }
        parts.push_back(part);
    }
    std::string resolved = base + "\\";
    for (size_t i = 0; i < parts.size(); ++i) {
        if (i > 0) resolved += '\\';
        resolved += parts[i];
    }
    return resolved;
}

std::string ResolveInsideOrNothing(std::string_view root, std::string_view relativeName) {
    if (auto inside = ResolveInside(root, relativeName)) return std::move(*inside);
    // A name no file can have: every test for it fails, every open fails.
    return std::string(root) + "\\<outside the disc>";
}
