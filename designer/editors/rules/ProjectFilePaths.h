#pragma once
// Files the forms pick are named relative to the project directory with one
// leading backslash ("\Docs\Manual.pdf"; "\" is the root itself).
#include <optional>
#include <string>
#include <string_view>

// The base with exactly one trailing backslash.
std::string WithTrailingBackslash(std::string_view base);
// The chosen full path made relative to the base ("\" + the rest), when it
// lies below the base (any case); nothing otherwise.
std::optional<std::string> RelativeToProject(std::string_view base, std::string_view fullPath);
// Where the file dialog opens for the stored name: the base without its
// trailing backslash followed by the relative name.
std::string FullProjectPath(std::string_view base, std::string_view relative);
// A folder chosen below the base, stored relative: its leading backslashes
// removed and exactly one put in front. Nothing when it lies elsewhere.
std::optional<std::string> RelativeDirectory(std::string_view base, std::string_view chosen);
// A file copied into the project: base, the destination directory (as
// stored, "\" for the root), one backslash, the file name.
std::string CopyDestination(std::string_view base, std::string_view destinationDirectory,
                            std::string_view fileName);
// The name after the last backslash.
std::string FileNamePart(std::string_view path);
// "\Logo.bmp" lies in the root; "\Images\Logo.bmp" does not.
bool IsInProjectRoot(std::string_view relative);
