#include "PathNames.h"

#include "TextCase.h"

#include <algorithm>

namespace {

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

// The position of the extension's dot, or npos when the file name has none.
size_t ExtensionDot(std::string_view path) {
    size_t dot = path.rfind('.');
    if (dot == std::string_view::npos) return dot;
    size_t slash = path.rfind('\\');
    if (slash != std::string_view::npos && dot < slash) return std::string_view::npos;
    return dot;
}

bool IsForbiddenInFileName(char c) {
    return static_cast<unsigned char>(c) < 0x20 || c == '\\' || c == '/' || c == ':' || c == '*' ||
           c == '?' || c == '<' || c == '>' || c == '"' || c == '|';
}

// The system drops trailing dots and blanks from names, so a name made of
// nothing else would become empty, "." or "..".
bool IsOnlyDotsAndBlanks(std::string_view name) {
    return std::all_of(name.begin(), name.end(), [](char c) { return c == '.' || c == ' '; });
}

// Where the first directory that can be created begins.
size_t FirstCreatableLevel(std::string_view path) {
    if (path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1])) {
        // A network path: \\server\share cannot be created, only what lies below it.
        size_t serverEnd = path.find_first_of("\\/", 2);
        if (serverEnd == std::string_view::npos) return path.size();
        size_t shareEnd = path.find_first_of("\\/", serverEnd + 1);
        return shareEnd == std::string_view::npos ? path.size() : shareEnd + 1;
    }
    if (path.size() >= 2 && path[1] == ':') return path.size() > 2 && IsSeparator(path[2]) ? 3 : 2;
    if (!path.empty() && IsSeparator(path[0])) return 1;
    return 0;
}

}  // namespace

std::string GetExtension(std::string_view path) {
    size_t dot = ExtensionDot(path);
    return dot == std::string_view::npos ? std::string() : std::string(path.substr(dot + 1));
}

std::string GetDirectoryPart(std::string_view path) {
    size_t slash = path.rfind('\\');
    return slash == std::string_view::npos ? std::string() : std::string(path.substr(0, slash));
}

std::string RemoveExtension(std::string_view path) {
    size_t dot = ExtensionDot(path);
    return std::string(dot == std::string_view::npos ? path : path.substr(0, dot));
}

std::string GetFileName(std::string_view path, bool withoutExtension) {
    size_t slash = path.rfind('\\');
    std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    return withoutExtension ? RemoveExtension(name) : std::string(name);
}

std::string AppendBackslash(std::string_view path) {
    std::string result(path);
    if (!result.empty() && result.back() != '\\') result += '\\';
    return result;
}

std::string MakeValidFileName(std::string_view name) {
    std::string result;
    result.reserve(name.size());
    for (char c : name) {
        if (c == '|')
            result += '_';
        else if (!IsForbiddenInFileName(c))
            result += c;
    }
    if (IsOnlyDotsAndBlanks(result)) result = "_";
    return result;
}

bool IsExecutableName(std::string_view name) {
    return EndsWithNoCase(name, "exe") || EndsWithNoCase(name, "bat") || EndsWithNoCase(name, "com");
}

bool IsBatchFileName(std::string_view name) { return EndsWithNoCase(name, "bat"); }

bool IsSafeExtension(std::string_view extension) {
    if (extension.empty() || extension.find("..") != std::string_view::npos) return false;
    return std::none_of(extension.begin(), extension.end(), IsForbiddenInFileName);
}

std::string JoinProjectPath(std::string_view baseDirectory, std::string_view relativePath) {
    if (!relativePath.empty() && relativePath.front() == '\\') relativePath.remove_prefix(1);
    return AppendBackslash(baseDirectory) + std::string(relativePath);
}

bool IsRootLevelName(std::string_view relativePath) {
    return relativePath.find('\\', 1) == std::string_view::npos;
}

std::vector<std::string_view> PathComponents(std::string_view path) {
    std::vector<std::string_view> parts;
    size_t start = 0;
    while (start < path.size()) {
        size_t end = path.find_first_of("\\/", start);
        if (end == std::string_view::npos) end = path.size();
        if (end > start) parts.push_back(path.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

namespace {

bool StartsWithSeparators(std::string_view path, size_t count) {
    if (path.size() < count) return false;
    for (size_t i = 0; i < count; ++i) {
        if (path[i] != '\\' && path[i] != '/') return false;
    }
    return true;
}

}  // namespace

bool IsVolumeRootPath(std::string_view fullPath) {
    if (StartsWithSeparators(fullPath, 2) && fullPath.size() >= 4 && (fullPath[2] == '?' || fullPath[2] == '.') &&
        (fullPath[3] == '\\' || fullPath[3] == '/')) {
        // The device namespace: a drive or volume, or a share through "UNC".
        std::vector<std::string_view> parts = PathComponents(fullPath.substr(4));
        if (parts.empty()) return true;
        if (EqualsNoCase(parts.front(), "UNC")) return parts.size() <= 3;
        const bool drive = parts.front().size() == 2 && parts.front()[1] == ':';
        const bool volume = StartsWithNoCase(parts.front(), "Volume{");
        // Other device names (GLOBALROOT, physical drives) are never a folder of ours.
        return !(drive || volume) || parts.size() <= 1;
    }
    std::vector<std::string_view> parts = PathComponents(fullPath);
    if (StartsWithSeparators(fullPath, 2)) return parts.size() <= 2;  // \\server\share
    if (parts.empty()) return true;                                   // "" or "\"
    const bool hasDrive = parts.front().size() == 2 && parts.front()[1] == ':';
    return hasDrive && parts.size() == 1;
}

std::vector<std::string> DirectoryPathLevels(std::string_view path) {
    std::vector<std::string> levels;
    size_t start = FirstCreatableLevel(path);
    size_t position = start;
    while (position < path.size()) {
        size_t end = path.find_first_of("\\/", position);
        if (end == std::string_view::npos) end = path.size();
        if (end > position) levels.emplace_back(path.substr(0, end));
        position = end + 1;
    }
    return levels;
}
