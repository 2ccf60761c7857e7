#include "FileNameLength.h"

#include "util/PathNames.h"
#include "util/TextCase.h"

bool IsTooLongForDisc(std::string_view fileName) { return fileName.size() > kMaxDiscFileName; }

std::string KeepingExtension(std::string_view newName, std::string_view oldExtension) {
    if (EqualsNoCase(GetExtension(newName), oldExtension)) return std::string(newName);
    return std::string(newName) + "." + std::string(oldExtension);
}
