#pragma once
// Registry key paths as texts: the vendor key, paths built from it, and key
// paths written out with the name of their root key.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// Every key the programs keep lies below this key (with its trailing backslash).
inline constexpr std::string_view kVendorKey = "SOFTWARE\\Fernhollow Software\\Menuwright\\";

// A key path, terminator included, must fit this many characters.
inline constexpr std::size_t kRegistryPathLimit = 260;

// The vendor key followed by the suffix (no separator added); empty when the
// result would not fit kRegistryPathLimit.
std::optional<std::string> VendorKeyPath(std::string_view suffix);

// The root keys that a written-out key path may name.
enum class RegistryRootName { ClassesRoot, CurrentUser, LocalMachine, Users, CurrentConfig, DynData };

struct RegistryKeyPath {
    RegistryRootName root;
    std::string subKey;
};

// "HKEY_LOCAL_MACHINE\Software\X" (one leading backslash allowed, root name in
// any case): the root and the sub key. Empty for an unknown root name, a path
// without a backslash after the root, or an empty sub key.
std::optional<RegistryKeyPath> ParseRegistryKeyPath(std::string_view keyPath);

// Registry string data as text: up to the first zero or the end of the data,
// whichever comes first; data need not carry a terminating zero.
std::string TextFromRegistryData(const char* data, std::size_t size);
