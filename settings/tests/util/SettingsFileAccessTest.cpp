// The typed readers and writers against a real settings file: natively our
// own initialization-file code, under Wine the platform's.
#include "SettingsFileAccess.h"

#include <gtest/gtest.h>

#include "tests/TempDir.h"

namespace {

class SettingsFileAccess : public ::testing::Test {
protected:
    TempDir dir;
    std::string file = dir.File("Settings.ini");
};

TEST_F(SettingsFileAccess, ReadsOnlyNonEmptyValuesAndLeavesDefaultsOtherwise) {
    dir.Write("Settings.ini", "[Root.1]\r\nEmpty=\r\nBlank=   \r\nName=Manual\r\n");
    std::string text = "default";
    std::int32_t number = 42;
    bool flag = true;
    RgbColor color = MakeRgb(1, 2, 3);

    EXPECT_FALSE(ReadString(file, "Root.1", "Empty", text));
    EXPECT_FALSE(ReadString(file, "Root.1", "Missing", text));
    EXPECT_FALSE(ReadString(file, "Root.1", "Blank", text));
    EXPECT_FALSE(ReadString(file, "Root.2", "Name", text));
    EXPECT_FALSE(ReadString(dir.File("Absent.ini"), "Root.1", "Name", text));
    EXPECT_FALSE(ReadInt(file, "Root.1", "Empty", number));
    EXPECT_FALSE(ReadBool(file, "Root.1", "Missing", flag));
    EXPECT_FALSE(ReadColor(file, "Root.1", "Missing", color));
    EXPECT_FALSE(ReadText(file, "Root.1", "Empty", text));
    EXPECT_FALSE(ReadScrambled(file, "Root.1", "Empty", text));
    EXPECT_FALSE(ReadScrambledBool(file, "Root.1", "Empty", flag));
    EXPECT_EQ(text, "default");
    EXPECT_EQ(number, 42);
    EXPECT_TRUE(flag);
    EXPECT_EQ(color, MakeRgb(1, 2, 3));

    EXPECT_TRUE(ReadString(file, "Root.1", "Name", text));
    EXPECT_EQ(text, "Manual");
}

TEST_F(SettingsFileAccess, TypedValuesRoundTrip) {
    ASSERT_TRUE(WriteString(file, "General", "Title", "My Disc"));
    ASSERT_TRUE(WriteInt(file, "General", "Count", -17));
    ASSERT_TRUE(WriteBool(file, "General", "Maximize", true));
    ASSERT_TRUE(WriteBool(file, "General", "Kiosk", false));
    ASSERT_TRUE(WriteColor(file, "General", "Back", MakeRgb(10, 200, 255)));
    ASSERT_TRUE(WriteText(file, "General", "Message", "one\r\ntwo\r\n\r\nthree"));
    ASSERT_TRUE(WriteScrambled(file, "General", "Password", "s3cret!Word"));
    ASSERT_TRUE(WriteScrambledBool(file, "General", "UsePassword", true));

    std::string text;
    std::int32_t number = 0;
    bool flag = false;
    RgbColor color = 0;
    EXPECT_TRUE(ReadString(file, "General", "Title", text));
    EXPECT_EQ(text, "My Disc");
    EXPECT_TRUE(ReadInt(file, "General", "Count", number));
    EXPECT_EQ(number, -17);
    EXPECT_TRUE(ReadBool(file, "General", "Maximize", flag));
    EXPECT_TRUE(flag);
    EXPECT_TRUE(ReadBool(file, "General", "Kiosk", flag));
    EXPECT_FALSE(flag);
    EXPECT_TRUE(ReadColor(file, "General", "Back", color));
    EXPECT_EQ(color, MakeRgb(10, 200, 255));
    EXPECT_TRUE(ReadText(file, "General", "Message", text));
    EXPECT_EQ(text, "one\r\ntwo\r\n\r\nthree");
    EXPECT_TRUE(ReadScrambled(file, "General", "Password", text));
    EXPECT_EQ(text, "s3cret!Word");
    flag = false;
    EXPECT_TRUE(ReadScrambledBool(file, "General", "UsePassword", flag));
    EXPECT_TRUE(flag);

    // The stored forms that the other program reads.
    std::string stored = dir.Read("Settings.ini");
    EXPECT_NE(stored.find("Maximize=true"), std::string::npos);
    EXPECT_NE(stored.find("Back_R=10"), std::string::npos);
    EXPECT_NE(stored.find("Back_B=255"), std::string::npos);
    EXPECT_NE(stored.find("Message=one|Q^3|two|Q^3||Q^3|three"), std::string::npos);
    EXPECT_EQ(stored.find("s3cret"), std::string::npos);
}

TEST_F(SettingsFileAccess, BooleansReadWithoutRegardToCase) {
    dir.Write("Settings.ini", "[S]\r\nA=TRUE\r\nB=True\r\nC=yes\r\nD=1\r\nE=false\r\n");
    struct Case { const char* key; bool value; };
    const Case cases[] = {{"A", true}, {"B", true}, {"C", false}, {"D", false}, {"E", false}};
    for (const Case& c : cases) {
        bool value = !c.value;
        EXPECT_TRUE(ReadBool(file, "S", c.key, value)) << c.key;
        EXPECT_EQ(value, c.value) << c.key;
    }
}

TEST_F(SettingsFileAccess, ColourNeedsAllThreeParts) {
    dir.Write("Settings.ini", "[S]\r\nFull_R=1\r\nFull_G=2\r\nFull_B=3\r\nPart_R=9\r\nPart_G=9\r\n");
    RgbColor color = MakeRgb(7, 7, 7);
    EXPECT_FALSE(ReadColor(file, "S", "Part", color));
    EXPECT_EQ(color, MakeRgb(7, 7, 7));
    EXPECT_TRUE(ReadColor(file, "S", "Full", color));
    EXPECT_EQ(color, MakeRgb(1, 2, 3));
}

TEST_F(SettingsFileAccess, ScrambledValuesRejectWhatWeCannotHaveWritten) {
    EXPECT_FALSE(WriteScrambled(file, "S", "Password", std::string(300, 'x')));
    dir.Write("Settings.ini", "[S]\r\nShort=ab\r\nPlain=TRUE\r\n");
    std::string text = "kept";
    bool flag = false;
    EXPECT_FALSE(ReadScrambled(file, "S", "Short", text));
    EXPECT_EQ(text, "kept");
    EXPECT_FALSE(ReadScrambledBool(file, "S", "Plain", flag));
    ASSERT_TRUE(WriteScrambled(file, "S", "Flag", "maybe"));
    EXPECT_FALSE(ReadScrambledBool(file, "S", "Flag", flag));
    EXPECT_FALSE(flag);
}

TEST_F(SettingsFileAccess, IntegersTakeTheirLeadingDigits) {
    dir.Write("Settings.ini", "[S]\r\nA=12px\r\nB=abc\r\nC= 7\r\n");
    struct Case { const char* key; std::int32_t value; };
    const Case cases[] = {{"A", 12}, {"B", 0}, {"C", 7}};
    for (const Case& c : cases) {
        std::int32_t value = -1;
        EXPECT_TRUE(ReadInt(file, "S", c.key, value)) << c.key;
        EXPECT_EQ(value, c.value) << c.key;
    }
}

TEST_F(SettingsFileAccess, LongValuesAreReadWhole) {
    // A multi-line body far beyond the 519 characters that older readers took,
    // with line break markers on both sides of that position.
    std::string body;
    for (int line = 0; line < 400; ++line) body += "Line " + std::to_string(line) + " of the message\r\n";
    ASSERT_TRUE(WriteText(file, "S", "Body", body));
    std::string loaded;
    ASSERT_TRUE(ReadText(file, "S", "Body", loaded));
    EXPECT_EQ(loaded, body);
}

TEST_F(SettingsFileAccess, TooLongScrambledTextKeepsWhatWasStored) {
    ASSERT_TRUE(WriteScrambled(file, "S", "Password", "kept"));
    EXPECT_FALSE(WriteScrambled(file, "S", "Password", std::string(300, 'p')));
    std::string password;
    EXPECT_TRUE(ReadScrambled(file, "S", "Password", password));
    EXPECT_EQ(password, "kept");
}

TEST_F(SettingsFileAccess, OverlongStoredScrambledValueLeavesTheField) {
    dir.Write("Settings.ini", "[S]\r\nUsername=" + std::string(300, 'x') + "\r\n");
    std::string user = "unchanged";
    EXPECT_FALSE(ReadScrambled(file, "S", "Username", user));
    EXPECT_EQ(user, "unchanged");
}

}  // namespace
