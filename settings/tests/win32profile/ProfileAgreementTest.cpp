// Our own private-profile layer against the platform's: the same fixture
// files and write sequences must read the same values and leave the same
// bytes on disk.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <optional>
#include <vector>

#include "profile/FileSession.h"
#include "profile/PrivateProfile.h"

namespace {

struct Write {
    const char* section;
    const char* key;
    const char* value;
};

struct Read {
    const char* section;
    const char* key;
};

struct Case {
    const char* name;
    std::optional<std::string> initial;  // no file at all when empty
    std::vector<Write> writes;
    std::vector<Read> reads;
};

std::string TempFile(const char* tag) {
    char directory[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, directory);
    return std::string(directory) + "mw-profile-" + tag + "-" + std::to_string(GetCurrentProcessId()) + ".ini";
}

std::string Contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string PlatformRead(const std::string& file, const Read& read) {
    char buffer[4096] = {};
    DWORD length = GetPrivateProfileStringA(read.section, read.key, "", buffer, sizeof(buffer), file.c_str());
    return std::string(buffer, length);
}

const std::vector<Case>& Cases() {
    static const std::vector<Case> cases = {
        {"new file, keys and sections appended, rewrite keeps place",
         std::nullopt,
         {{"General", "Version", "3"}, {"General", "Label", "DISC"}, {"Root", "SettingsCount", "2"},
          {"general", "VERSION", "4"}, {"Root.1", "Name", "First step"}},
         {{"General", "Version"}, {"GENERAL", "label"}, {"Root", "SettingsCount"}, {"Root.2", "Name"}}},
        {"blanks, comments, quotes and spaces around names",
         std::string("[General]\r\n  Label =  \"Quoted Value\"  \r\n\r\n; a comment\r\n\r\n[Other]\r\nKey= 1 \r\n"
                     "Single='abc'\r\nHalf=\"abc\r\nInner=a \"b\" c\r\n"),
         {{"General", "New", "2"}, {"Other", "Key", "1"}, {" Other ", " Key ", "5"}},
         {{"General", "Label"}, {"Other", "Key"}, {"Other", "Single"}, {"Other", "Half"}, {"Other", "Inner"},
          {"General", "; a comment"}, {"Missing", "Key"}}},
        {"unchanged value leaves the file alone",
         std::string("[S]\r\n\r\nk=v\r\n\r\n"),
         {{"S", "k", "v"}},
         {{"S", "k"}}},
        {"line feeds only and text before the first section",
         std::string("orphan=1\n[S]\nk=v\nflag\n[T]\nx=y"),
         {{"S", "flag", "set"}, {"T", "z", "w"}, {"U", "first", "one"}},
         {{"S", "k"}, {"S", "flag"}, {"T", "x"}, {"T", "z"}, {"", "orphan"}}},
        {"duplicate sections and keys: the first one counts",
         std::string("[A]\r\nk=1\r\nk=2\r\n[B]\r\n[a]\r\nk=3\r\nj=9\r\n"),
         {{"A", "k", "10"}, {"A", "new", "n"}},
         {{"A", "k"}, {"A", "j"}, {"B", "k"}}},
        {"leading blanks of a written value are dropped",
         std::nullopt,
         {{"S", "padded", "   left"}, {"S", "multi", "one|Q^3|two"}},
         {{"S", "padded"}, {"S", "multi"}}},
        {"trailing blanks and quotes of a written value, read back",
         std::nullopt,
         {{"S", "trailing", "right   "}, {"S", "quoted", "\"both\""}, {"S", "trailing", "right   "}},
         {{"S", "trailing"}, {"S", "quoted"}}},
        {"a written value with a line break and a key with an equals sign",
         std::string("[S]\r\nk=v\r\n"),
         {{"S", "broken", "one\r\ntwo=2"}, {"S", "a=b", "c"}, {"S", "two", "3"}},
         {{"S", "broken"}, {"S", "two"}, {"S", "a"}, {"S", "a=b"}}},
        {"many sections, looked up by name in any case",
         std::string("[Root]\r\nSettingsCount=3\r\n[Root.1]\r\nName=a\r\n[Root.2]\r\nName=b\r\n[root.1]\r\nName=c\r\n"),
         {{"ROOT.2", "Name", "B"}, {"Root.3", "Name", "new"}},
         {{"root.1", "name"}, {"Root.2", "Name"}, {"Root.3", "NAME"}, {"Root.4", "Name"}}},
    };
    return cases;
}

// Both files as the case starts: its initial text, or no file at all.
void StartCase(const Case& c, const std::string& platformFile, const std::string& ourFile) {
    for (const std::string& file : {platformFile, ourFile}) {
        DeleteFileA(file.c_str());
        if (c.initial) std::ofstream(file, std::ios::binary) << *c.initial;
    }
}

}  // namespace

TEST(ProfileAgreement, OurLayerBehavesLikeThePlatform) {
    const std::string platformFile = TempFile("platform");
    const std::string ourFile = TempFile("ours");
    for (const Case& c : Cases()) {
        SCOPED_TRACE(c.name);
        StartCase(c, platformFile, ourFile);
        for (const Write& w : c.writes) {
            EXPECT_TRUE(WritePrivateProfileStringA(w.section, w.key, w.value, platformFile.c_str()));
            EXPECT_TRUE(profile::portable::WriteValue(ourFile, w.section, w.key, w.value));
            EXPECT_EQ(Contents(ourFile), Contents(platformFile)) << "after writing " << w.section << "/" << w.key;
        }
        for (const Read& r : c.reads) {
            EXPECT_EQ(profile::portable::ReadValue(ourFile, r.section, r.key), PlatformRead(platformFile, r))
                << r.section << "/" << r.key;
        }
    }
    DeleteFileA(platformFile.c_str());
    DeleteFileA(ourFile.c_str());
}

// The same sequences with the file held in memory: every read during the
// session answers what the platform reads at that moment, and the file
// written once at the end holds the platform's bytes.
TEST(ProfileAgreement, AFileHeldInMemoryBehavesLikeThePlatform) {
    const std::string platformFile = TempFile("platform-session");
    const std::string ourFile = TempFile("ours-session");
    for (const Case& c : Cases()) {
        SCOPED_TRACE(c.name);
        StartCase(c, platformFile, ourFile);
        {
            profile::FileSession session(ourFile);
            ASSERT_TRUE(session.InMemory());
            for (const Write& w : c.writes) {
                EXPECT_TRUE(WritePrivateProfileStringA(w.section, w.key, w.value, platformFile.c_str()));
                EXPECT_TRUE(profile::WriteValue(ourFile, w.section, w.key, w.value));
                for (const Read& r : c.reads) {
                    EXPECT_EQ(profile::ReadValue(ourFile, r.section, r.key), PlatformRead(platformFile, r))
                        << "after writing " << w.section << "/" << w.key << ", reading " << r.section << "/" << r.key;
                }
            }
            EXPECT_TRUE(session.Commit());
        }
        EXPECT_EQ(Contents(ourFile), Contents(platformFile));
    }
    DeleteFileA(platformFile.c_str());
    DeleteFileA(ourFile.c_str());
}

// A Unicode file is read by the platform's own conversion, not from memory.
TEST(ProfileAgreement, AUnicodeFileIsLeftToThePlatform) {
    const std::string file = TempFile("unicode");
    const char utf16[] = "\xFF\xFE[\0S\0]\0\r\0\n\0k\0=\0v\0\r\0\n\0";
    std::ofstream(file, std::ios::binary).write(utf16, sizeof(utf16) - 1);
    {
        profile::FileSession session(file);
        EXPECT_FALSE(session.InMemory());
        EXPECT_EQ(profile::ReadValue(file, "S", "k"), PlatformRead(file, {"S", "k"}));
        EXPECT_EQ(profile::ReadValue(file, "S", "k"), "v");
    }
    DeleteFileA(file.c_str());
}

TEST(ProfileAgreement, WritingIntoAMissingDirectoryFailsInBoth) {
    const std::string file = TempFile("nodir") + "\\absent\\Settings.ini";
    EXPECT_FALSE(WritePrivateProfileStringA("S", "k", "v", file.c_str()));
    EXPECT_FALSE(profile::portable::WriteValue(file, "S", "k", "v"));
}
