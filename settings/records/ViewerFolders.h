#pragma once
// The standard-viewer record's folders below the designer's "Viewers"
// directory.
#include <string>

#include "../util/LocalFiles.h"

namespace viewer_folders {

// "Viewers" beside the running designer.
inline std::string DesignerViewersDirectory() { return JoinPath(GetModuleDirectory(), "Viewers"); }

}  // namespace viewer_folders
