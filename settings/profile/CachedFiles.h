#pragma once
// The open sessions' documents, for the key-by-key functions: they look here
// before they go to the file.
#include <optional>
#include <string>

namespace profile::cached {

// The value when a session holds the file; nothing otherwise.
std::optional<std::string> Read(const std::string& file, const std::string& section, const std::string& key);

// True when a session holds the file and took the write.
bool Write(const std::string& file, const std::string& section, const std::string& key, const std::string& value);

}  // namespace profile::cached
