#include "SettingsFileAccess.h"

#include <gtest/gtest.h>

#include "TempDir.h"

TEST(SettingsFileAccess, MissingOrEmptyValueNeverChangesTheField) {
    TempDir dir;
    std::string file = dir.Write("s.ini", "[S]\r\nEmpty=\r\nBlank=   \r\n");
    std::string text = "default";
    std::int32_t number = 7;
    bool flag = true;
    RgbColor colour = MakeRgb(1, 2, 3);
    for (const char* key : {"Empty", "Blank", "Missing"}) {
        EXPECT_FALSE(ReadString(file, "S", key, text));
        EXPECT_FALSE(ReadInt(file, "S", key, number));
        EXPECT_FALSE(ReadBool(file, "S", key, flag));
        EXPECT_FALSE(ReadColor(file, "S", key, colour));
    }
    EXPECT_FALSE(ReadString(dir.File("absent.ini"), "S", "Empty", text));
    EXPECT_EQ(text, "default");
    EXPECT_EQ(number, 7);
    EXPECT_TRUE(flag);
    EXPECT_EQ(colour, MakeRgb(1, 2, 3));
}

TEST(SettingsFileAccess, TypedValuesRoundTrip) {
    TempDir dir;
    std::string file = dir.File("s.ini");
    ASSERT_TRUE(WriteInt(file, "S", "Number", -42));
    ASSERT_TRUE(WriteBool(file, "S", "Flag", true));
    ASSERT_TRUE(WriteColor(file, "S", "Colour", MakeRgb(255, 128, 0)));
    ASSERT_TRUE(WriteText(file, "S", "Text", "line one\r\nline two"));
    ASSERT_TRUE(WriteScrambled(file, "S", "Password", "Open-Sesame!"));
    ASSERT_TRUE(WriteScrambledBool(file, "S", "Active", true));

    std::int32_t number = 0;
    bool flag = false, active = false;
    RgbColor colour = 0;
    std::string text, password;
    EXPECT_TRUE(ReadInt(file, "S", "Number", number));
    EXPECT_TRUE(ReadBool(file, "S", "Flag", flag));
    EXPECT_TRUE(ReadColor(file, "S", "Colour", colour));
    EXPECT_TRUE(ReadText(file, "S", "Text", text));
    EXPECT_TRUE(ReadScrambled(file, "S", "Password", password));
    EXPECT_TRUE(ReadScrambledBool(file, "S", "Active", active));
    EXPECT_EQ(number, -42);
    EXPECT_TRUE(flag);
    EXPECT_EQ(colour, MakeRgb(255, 128, 0));
    EXPECT_EQ(text, "line one\r\nline two");
    EXPECT_EQ(password, "Open-Sesame!");
    EXPECT_TRUE(active);

    std::string stored = dir.Read("s.ini");
    EXPECT_NE(stored.find("Colour_R=255\r\nColour_G=128\r\nColour_B=0\r\n"), std::string::npos);
    EXPECT_NE(stored.find("Text=line one|Q^3|line two\r\n"), std::string::npos);
    EXPECT_EQ(stored.find("Sesame"), std::string::npos);
}

TEST(SettingsFileAccess, ColourNeedsAllThreeParts) {
    TempDir dir;
    std::string file = dir.Write("s.ini", "[S]\r\nColor1_R=255\r\nColor1_G=0\r\n");
    RgbColor colour = MakeRgb(128, 128, 128);
    EXPECT_FALSE(ReadColor(file, "S", "Color1", colour));
    EXPECT_EQ(colour, MakeRgb(128, 128, 128));
}

TEST(SettingsFileAccess, LongValuesAreReadWhole) {
    // A multi-line body far beyond the 519 characters that older readers took,
    // with a line break marker straddling that position.
    TempDir dir;
    std::string file = dir.File("s.ini");
    std::string body;
    for (int line = 0; line < 400; ++line) body += "Line " + std::to_string(line) + " of the message\r\n";
    ASSERT_TRUE(WriteText(file, "S", "Body", body));
    std::string loaded;
    ASSERT_TRUE(ReadText(file, "S", "Body", loaded));
    EXPECT_EQ(loaded, body);
}

TEST(SettingsFileAccess, ScrambledValueThatCannotBeReadBackIsNotWritten) {
    TempDir dir;
    std::string file = dir.File("s.ini");
    ASSERT_TRUE(WriteScrambled(file, "S", "Password", "kept"));
    EXPECT_FALSE(WriteScrambled(file, "S", "Password", std::string(300, 'p')));
    std::string password;
    EXPECT_TRUE(ReadScrambled(file, "S", "Password", password));
    EXPECT_EQ(password, "kept");
}

TEST(SettingsFileAccess, MalformedScrambledValuesLeaveTheField) {
    TempDir dir;
    std::string file = dir.Write("s.ini", "[S]\r\nPassword=abc\r\nActive=ZK]]aY\\N\r\nUsername=" +
                                              std::string(300, 'x') + "\r\n");
    std::string password = "unchanged", user = "unchanged";
    bool active = true;
    EXPECT_FALSE(ReadScrambled(file, "S", "Password", password));
    EXPECT_FALSE(ReadScrambled(file, "S", "Username", user));
    EXPECT_FALSE(ReadScrambledBool(file, "S", "Active", active));
    EXPECT_EQ(password, "unchanged");
    EXPECT_EQ(user, "unchanged");
    EXPECT_TRUE(active);
}
