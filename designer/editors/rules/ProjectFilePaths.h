#pragma once
// Files the forms pick are named relative to the project directory with one
// leading backslash ("\Docs\Manual.pdf"; "\" is the root itself).
#include <optional>
#include <string>
#include <string_view>

// The chosen full path made relative to the base ("\" + the rest), when it
// lies below the base (any case); nothing otherwise.
std::optional<std::string> RelativeToProject(std::string_view base, std::string_view fullPath);
// A folder chosen below the base, stored relative: its leading backslashes
// removed and exactly one put in front. Nothing when it lies elsewhere.
std::optional<std::string> RelativeDirectory(std::string_view base, std::string_view chosen);
// A file copied into the project: base, the destination directory (as
// stored, "\" for the root), one backslash, the file name.
std::string CopyDestination(std::string_view base, std::string_view destinationDirectory,
                            std::string_view fileName);
