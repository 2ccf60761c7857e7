#include "ProjectFilePaths.h"

#include "util/TextCase.h"

std::string WithTrailingBackslash(std::string_view base) {
    std::string text(base);
    while (!text.empty() && text.back() == '\\') text.pop_back();
    return text + '\\';
}

std::optional<std::string> RelativeToProject(std::string_view base, std::string_view fullPath) {
    const std::string prefix = WithTrailingBackslash(base);
    if (fullPath.size() <= prefix.size()) return std::nullopt;
    if (!EqualsNoCase(std::string(fullPath.substr(0, prefix.size())), prefix)) return std::nullopt;
    return "\\" + std::string(fullPath.substr(prefix.size()));
}

std::string FullProjectPath(std::string_view base, std::string_view relative) {
    std::string text(base);
    while (!text.empty() && text.back() == '\\') text.pop_back();
    if (relative.empty() || relative.front() != '\\') text += '\\';
    return text + std::string(relative);
}

std::optional<std::string> RelativeDirectory(std::string_view base, std::string_view chosen) {
    std::string trimmed(base);
    while (!trimmed.empty() && trimmed.back() == '\\') trimmed.pop_back();
    std::string folder(chosen);
    while (!folder.empty() && folder.back() == '\\') folder.pop_back();
    if (EqualsNoCase(folder, trimmed)) return std::string("\\");
    const auto relative = RelativeToProject(base, folder);
    if (!relative) return std::nullopt;
    std::string rest = *relative;
    while (!rest.empty() && rest.front() == '\\') rest.erase(0, 1);
    return "\\" + rest;
}

std::string CopyDestination(std::string_view base, std::string_view destinationDirectory,
                            std::string_view fileName) {
    std::string path = FullProjectPath(base, destinationDirectory);
    if (path.empty() || path.back() != '\\') path += '\\';
    return path + std::string(fileName);
}

std::string FileNamePart(std::string_view path) {
    const std::size_t slash = path.find_last_of('\\');
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

bool IsInProjectRoot(std::string_view relative) {
    if (!relative.empty() && relative.front() == '\\') relative.remove_prefix(1);
    return relative.find('\\') == std::string_view::npos;
}
