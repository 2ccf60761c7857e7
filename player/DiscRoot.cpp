#include "DiscRoot.h"

std::string DiscRootFromProgramPath(std::string_view programPath) {
    size_t slash = programPath.rfind('\\');
    if (slash == std::string_view::npos || slash == 0) return {};
    return std::string(programPath.substr(0, slash));
}
