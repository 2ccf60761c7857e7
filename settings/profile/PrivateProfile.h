#pragma once
// Key-by-key access to an initialization file. The Windows programs go through
// the platform's private-profile functions; the native build uses IniDocument
// with the same behaviour.
#include <string>

namespace profile {

// The whole value of the key (no length limit); empty when the key or the file
// is missing.
std::string ReadValue(const std::string& file, const std::string& section, const std::string& key);

// Creates the file on first write. False when it cannot be written.
bool WriteValue(const std::string& file, const std::string& section, const std::string& key,
                const std::string& value);

// Our own implementation of the same two operations on top of IniDocument.
// The native build uses it for the functions above; the Windows test suite
// compares it against the platform's.
namespace portable {
std::string ReadValue(const std::string& file, const std::string& section, const std::string& key);
bool WriteValue(const std::string& file, const std::string& section, const std::string& key,
                const std::string& value);
}  // namespace portable

}  // namespace profile
