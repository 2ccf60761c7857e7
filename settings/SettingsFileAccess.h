#pragma once
// Typed access to one key of a settings file. A read returns true only when
// the file has a non-empty value for the key, and only then sets its output,
// so a missing key never changes a field's default. A write returns whether
// the file was written.
#include <cstdint>
#include <string>

#include "ValueEncoding.h"

bool ReadString(const std::string& file, const std::string& section, const std::string& key, std::string& value);
bool WriteString(const std::string& file, const std::string& section, const std::string& key, const std::string& value);

bool ReadInt(const std::string& file, const std::string& section, const std::string& key, std::int32_t& value);
bool WriteInt(const std::string& file, const std::string& section, const std::string& key, std::int32_t value);

bool ReadBool(const std::string& file, const std::string& section, const std::string& key, bool& value);
bool WriteBool(const std::string& file, const std::string& section, const std::string& key, bool value);

// True only when all three parts were found.
bool ReadColor(const std::string& file, const std::string& section, const std::string& key, RgbColor& value);
bool WriteColor(const std::string& file, const std::string& section, const std::string& key, RgbColor value);

bool ReadText(const std::string& file, const std::string& section, const std::string& key, std::string& value);
bool WriteText(const std::string& file, const std::string& section, const std::string& key, const std::string& value);

bool ReadScrambled(const std::string& file, const std::string& section, const std::string& key, std::string& value);
// False, and nothing written, when the scrambled form would be too long to read back.
bool WriteScrambled(const std::string& file, const std::string& section, const std::string& key, const std::string& value);

bool ReadScrambledBool(const std::string& file, const std::string& section, const std::string& key, bool& value);
bool WriteScrambledBool(const std::string& file, const std::string& section, const std::string& key, bool value);
