#include "RegistryPath.h"

#include "TextCase.h"

#include <cstring>

namespace {

struct RootName {
    const char* name;
    RegistryRootName root;
};

constexpr RootName kRootNames[] = {
    {"hkey_classes_root", RegistryRootName::ClassesRoot},
    {"hkey_current_user", RegistryRootName::CurrentUser},
    {"hkey_local_machine", RegistryRootName::LocalMachine},
    {"hkey_users", RegistryRootName::Users},
    {"hkey_current_config", RegistryRootName::CurrentConfig},
    {"hkey_dyn_data", RegistryRootName::DynData},
};

}  // namespace

std::optional<std::string> VendorKeyPath(std::string_view suffix) {
    if (kVendorKey.size() + suffix.size() >= kRegistryPathLimit) return std::nullopt;
    std::string path(kVendorKey);
    path += suffix;
    return path;
}

std::optional<RegistryKeyPath> ParseRegistryKeyPath(std::string_view keyPath) {
    if (!keyPath.empty() && keyPath.front() == '\\') keyPath.remove_prefix(1);
    size_t separator = keyPath.find('\\');
    if (separator == std::string_view::npos) return std::nullopt;
    std::string_view subKey = keyPath.substr(separator + 1);
    if (subKey.empty()) return std::nullopt;
    std::string rootName = ToLowerAscii(keyPath.substr(0, separator));
    for (const RootName& candidate : kRootNames) {
        if (rootName == candidate.name) return RegistryKeyPath{candidate.root, std::string(subKey)};
    }
    return std::nullopt;
}

std::string TextFromRegistryData(const char* data, std::size_t size) {
    if (size == 0) return std::string();
    const void* zero = std::memchr(data, 0, size);
    return std::string(data, zero ? size_t(static_cast<const char*>(zero) - data) : size);
}
