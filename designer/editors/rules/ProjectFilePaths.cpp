#include "ProjectFilePaths.h"

#include "util/PathNames.h"
#include "util/TextCase.h"

std::optional<std::string> RelativeToProject(std::string_view base, std::string_view fullPath) {
    if (base.empty()) return std::nullopt;
    const std::string prefix = AppendBackslash(base);
    if (fullPath.size() <= prefix.size()) return std::nullopt;
    if (!EqualsNoCase(fullPath.substr(0, prefix.size()), prefix)) return std::nullopt;
    return "\\" + std::string(fullPath.substr(prefix.size()));
}

std::optional<std::string> RelativeDirectory(std::string_view base, std::string_view chosen) {
    std::string folder(chosen);
    while (!folder.empty() && folder.back() == '\\') folder.pop_back();
    if (EqualsNoCase(AppendBackslash(folder), AppendBackslash(base))) return std::string("\\");
    const auto relative = RelativeToProject(base, folder);
    if (!relative) return std::nullopt;
    std::string rest = *relative;
    while (!rest.empty() && rest.front() == '\\') rest.erase(0, 1);
    return "\\" + rest;
}

std::string CopyDestination(std::string_view base, std::string_view destinationDirectory,
                            std::string_view fileName) {
    return AppendBackslash(JoinProjectPath(base, destinationDirectory)) + std::string(fileName);
}
