#pragma once
// The standard-viewer record's folders below the designer's "Viewers"
// directory.
#include <string>

#include "../util/LocalFiles.h"

namespace viewer_folders {

inline std::string Join(const std::string& directory, const std::string& name) { return JoinPath(directory, name); }

// "Viewers" beside the running designer.
inline std::string DesignerViewersDirectory() { return Join(GetModuleDirectory(), "Viewers"); }

}  // namespace viewer_folders
