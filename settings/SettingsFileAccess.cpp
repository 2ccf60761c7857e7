#include "SettingsFileAccess.h"

#include "profile/PrivateProfile.h"

bool ReadString(const std::string& file, const std::string& section, const std::string& key, std::string& value) {
    std::string stored = profile::ReadValue(file, section, key);
    if (stored.empty()) return false;
    value = std::move(stored);
    return true;
}

bool WriteString(const std::string& file, const std::string& section, const std::string& key, const std::string& value) {
    return profile::WriteValue(file, section, key, value);
}

bool ReadInt(const std::string& file, const std::string& section, const std::string& key, std::int32_t& value) {
    std::string stored;
    if (!ReadString(file, section, key, stored)) return false;
    value = ParseInteger(stored);
    return true;
}

bool WriteInt(const std::string& file, const std::string& section, const std::string& key, std::int32_t value) {
    return WriteString(file, section, key, FormatInteger(value));
}

bool ReadBool(const std::string& file, const std::string& section, const std::string& key, bool& value) {
    std::string stored;
    if (!ReadString(file, section, key, stored)) return false;
    value = ParseBoolean(stored);
    return true;
}

bool WriteBool(const std::string& file, const std::string& section, const std::string& key, bool value) {
    return WriteString(file, section, key, FormatBoolean(value));
}

bool ReadColor(const std::string& file, const std::string& section, const std::string& key, RgbColor& value) {
    std::int32_t red = 0, green = 0, blue = 0;
    if (!ReadInt(file, section, key + "_R", red) || !ReadInt(file, section, key + "_G", green) ||
        !ReadInt(file, section, key + "_B", blue)) {
        return false;
    }
    value = MakeRgb(unsigned(red), unsigned(green), unsigned(blue));
    return true;
}

bool WriteColor(const std::string& file, const std::string& section, const std::string& key, RgbColor value) {
    bool ok = WriteInt(file, section, key + "_R", std::int32_t(RedOf(value)));
    ok = WriteInt(file, section, key + "_G", std::int32_t(GreenOf(value))) && ok;
    return WriteInt(file, section, key + "_B", std::int32_t(BlueOf(value))) && ok;
}

bool ReadText(const std::string& file, const std::string& section, const std::string& key, std::string& value) {
    std::string stored;
    if (!ReadString(file, section, key, stored)) return false;
    value = DecodeMultiLine(stored);
    return true;
}

bool WriteText(const std::string& file, const std::string& section, const std::string& key, const std::string& value) {
    return WriteString(file, section, key, EncodeMultiLine(value));
}

bool ReadScrambled(const std::string& file, const std::string& section, const std::string& key, std::string& value) {
    std::string stored;
    if (!ReadString(file, section, key, stored)) return false;
    std::optional<std::string> plain = Unscramble(key, stored);
    if (!plain) return false;
    value = std::move(*plain);
    return true;
}

bool WriteScrambled(const std::string& file, const std::string& section, const std::string& key, const std::string& value) {
    std::optional<std::string> scrambled = Scramble(key, value);
    return scrambled && WriteString(file, section, key, *scrambled);
}

bool ReadScrambledBool(const std::string& file, const std::string& section, const std::string& key, bool& value) {
    std::string text;
    if (!ReadScrambled(file, section, key, text)) return false;
    if (text == "TRUE") value = true;
    else if (text == "FALSE") value = false;
    else return false;
    return true;
}

bool WriteScrambledBool(const std::string& file, const std::string& section, const std::string& key, bool value) {
    return WriteScrambled(file, section, key, value ? "TRUE" : "FALSE");
}
