#pragma once
// Names that a settings file gives for files on the disc (or in the project)
// are relative to its root. A settings file may come from anyone, so a name
// is used only when it resolves to a place inside the root.
#include <optional>
#include <string>
#include <string_view>

// The root followed by the relative name, with "/" read as "\", repeated
// separators as one, "." dropped and ".." going up one level. Nothing when
// the result would leave the root (a ".." above it), or when the name has a
// drive, a network or device form ("\\server\share", "\\?\", "\\.\", "NUL",
// "COM1"), a ":" (drives and alternate streams), a control character, or a
// part ending in a dot or blank, which the platform would read otherwise.
// An empty name gives the root itself; "\" the root with a backslash.
std::optional<std::string> ResolveInside(std::string_view root, std::string_view relativeName);

// The same, giving a path that names nothing when the name leaves the root,
// for callers whose missing-file behaviour is the answer to such a name.
std::string ResolveInsideOrNothing(std::string_view root, std::string_view relativeName);
