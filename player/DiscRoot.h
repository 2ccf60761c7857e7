#pragma once
// Where the disc's files are: the directory of the running Autorun.exe.
#include <string>
#include <string_view>

#include "util/ContainedPath.h"

// Everything before the program path's last backslash, or empty when the
// path has none (or only a leading one): then every disc path starts at the
// root of the current drive.
std::string DiscRootFromProgramPath(std::string_view programPath);

// The disc root followed by a disc-relative name (which starts with a
// backslash). A name that would lead off the disc names nothing, so the step
// that uses it meets a missing file.
inline std::string DiscPath(const std::string& discRoot, std::string_view relativeName) {
    return ResolveInsideOrNothing(discRoot, relativeName);
}
