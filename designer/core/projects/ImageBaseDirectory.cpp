#include "ImageBaseDirectory.h"

#include "util/LocalFiles.h"
#include "ProjectNames.h"
#include "RegistryUtil.h"

namespace {

constexpr int kCurrentUser = 1;
constexpr const char* kValueName = "ImageBaseDir";

bool ExistsOrCanBeMade(const std::string& directory) {
    return IsDirectory(directory) || CreateDirectoryPath(directory);
}

}  // namespace

std::string ReadImageBaseDirectory() {
    RegistryUtil registry;
    std::string stored;
    if (registry.OpenBase(kCurrentUser)) registry.ReadString(kValueName, stored, 1024);
    const std::string directory = DefaultImageBaseDirectory(stored, IsDirectory("D:\\"), ExistsOrCanBeMade);
    ExistsOrCanBeMade(directory);
    RegistryUtil writer;
    if (writer.CreateBase(kCurrentUser)) writer.WriteValue(kValueName, directory);
    return directory;
}
