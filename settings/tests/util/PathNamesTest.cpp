#include "util/PathNames.h"

#include <gtest/gtest.h>

namespace {

struct PathCase {
    const char* path;
    const char* extension;
    const char* directory;
    const char* withoutExtension;
    const char* fileName;
    const char* fileNameWithoutExtension;
};

TEST(PathNames, SplitsPathIntoPieces) {
    const PathCase cases[] = {
        {"C:\\Docs\\Manual.pdf", "pdf", "C:\\Docs", "C:\\Docs\\Manual", "Manual.pdf", "Manual"},
        {"\\dir.old\\readme", "", "\\dir.old", "\\dir.old\\readme", "readme", "readme"},
        {"archive.tar.gz", "gz", "", "archive.tar", "archive.tar.gz", "archive.tar"},
        {"noext", "", "", "noext", "noext", "noext"},
        {"C:\\dir\\", "", "C:\\dir", "C:\\dir\\", "", ""},
        {"C:\\dir\\name.", "", "C:\\dir", "C:\\dir\\name", "name.", "name"},
        {"\\", "", "", "\\", "", ""},
        {"", "", "", "", "", ""},
    };
    for (const PathCase& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(GetExtension(c.path), c.extension);
        EXPECT_EQ(GetDirectoryPart(c.path), c.directory);
        EXPECT_EQ(RemoveExtension(c.path), c.withoutExtension);
        EXPECT_EQ(GetFileName(c.path, false), c.fileName);
        EXPECT_EQ(GetFileName(c.path, true), c.fileNameWithoutExtension);
    }
}

TEST(PathNames, AppendBackslashOnlyWhereMissing) {
    EXPECT_EQ(AppendBackslash(""), "");
    EXPECT_EQ(AppendBackslash("C:"), "C:\\");
    EXPECT_EQ(AppendBackslash("C:\\dir"), "C:\\dir\\");
    EXPECT_EQ(AppendBackslash("C:\\dir\\"), "C:\\dir\\");
}

TEST(MakeValidFileName, RemovesForbiddenCharactersAndNeverYieldsAReservedName) {
    struct Case { const char* name; const char* expected; };
    const Case cases[] = {
        {"a|b:c", "a_bc"},
        {"Manual", "Manual"},
        {"a\\b/c*d?e<f>g", "abcdefg"},
        {"say \"hello\"", "say hello"},
        {"tab\there", "tabhere"},
        {"", "_"},
        {".", "_"},
        {"..", "_"},
        {"...", "_"},
        {":*?", "_"},
        {"..\\..\\", "_"},
        {"|", "_"},
        {"v1.2", "v1.2"},
    };
    for (const Case& c : cases) EXPECT_EQ(MakeValidFileName(c.name), c.expected) << c.name;
}

TEST(IsExecutableName, LooksAtTheLastThreeCharactersInAnyCase) {
    struct Case { const char* name; bool executable; bool batch; };
    const Case cases[] = {
        {"setup.exe", true, false}, {"SETUP.EXE", true, false}, {"\\x\\tool.bat", true, true},
        {"TOOL.Bat", true, true},   {"run.com", true, false},   {"readme.txt", false, false},
        {"exe", true, false},       {"xe", false, false},       {"", false, false},
        {"setup.exe.pdf", false, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsExecutableName(c.name), c.executable) << c.name;
        EXPECT_EQ(IsBatchFileName(c.name), c.batch) << c.name;
    }
}

TEST(IsSafeExtension, RejectsAnythingThatCouldLeaveTheDirectory) {
    struct Case { const char* extension; bool safe; };
    const Case cases[] = {
        {"pdf", true},        {"tar.gz", true},    {"", false},         {"..", false},
        {"..\\x", false},     {"a\\b", false},     {"a/b", false},      {"c:", false},
        {"x..y", false},      {"p*", false},       {"p?", false},       {"a\"b", false},
        {"a|b", false},       {"a<b", false},      {"a>b", false},      {"a\nb", false},
    };
    for (const Case& c : cases) EXPECT_EQ(IsSafeExtension(c.extension), c.safe) << c.extension;
}

TEST(ProjectPaths, JoinWithOneBackslash) {
    struct Case { const char* base; const char* relative; const char* joined; bool rootLevel; };
    const Case cases[] = {
        {"C:\\Project", "\\Docs\\Manual.pdf", "C:\\Project\\Docs\\Manual.pdf", false},
        {"C:\\Project\\", "\\Setup.exe", "C:\\Project\\Setup.exe", true},
        {"C:\\Project", "Setup.exe", "C:\\Project\\Setup.exe", true},
        {"C:\\Project", "\\\\x", "C:\\Project\\\\x", false},
        {"C:\\Project", "\\", "C:\\Project\\", true},
        {"C:\\Project", "Docs\\a", "C:\\Project\\Docs\\a", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(JoinProjectPath(c.base, c.relative), c.joined) << c.relative;
        EXPECT_EQ(IsRootLevelName(c.relative), c.rootLevel) << c.relative;
    }
}

TEST(DirectoryPathLevels, StartsBelowDriveServerAndShare) {
    using Levels = std::vector<std::string>;
    struct Case { const char* path; Levels levels; };
    const Case cases[] = {
        {"C:\\a\\b\\c", {"C:\\a", "C:\\a\\b", "C:\\a\\b\\c"}},
        {"C:\\a\\b\\", {"C:\\a", "C:\\a\\b"}},
        {"C:\\", {}},
        {"C:", {}},
        {"C:a\\b", {"C:a", "C:a\\b"}},
        {"\\a\\b", {"\\a", "\\a\\b"}},
        {"a\\\\b", {"a", "a\\\\b"}},
        {"\\\\server\\share\\a\\b", {"\\\\server\\share\\a", "\\\\server\\share\\a\\b"}},
        {"\\\\server\\share", {}},
        {"C:/a/b", {"C:/a", "C:/a/b"}},
        {"", {}},
    };
    for (const Case& c : cases) EXPECT_EQ(DirectoryPathLevels(c.path), c.levels) << c.path;
}

}  // namespace

// What the folder delete refuses, after the platform's full-path function.
TEST(PathNames, VolumeRootsHoweverSpelled) {
    struct Case { const char* path; bool root; };
    const Case cases[] = {
        {"C:", true},
        {"C:\\", true},
        {"C:/", true},
        {"Q:\\\\", true},
        {"\\", true},
        {"", true},
        {"\\\\server\\share", true},
        {"\\\\server\\share\\", true},
        {"//server/share", true},
        {"\\\\server", true},
        {"\\\\?\\Q:\\", true},
        {"\\\\.\\Q:", true},
        {"\\\\?\\UNC\\server\\share\\", true},
        {"\\\\?\\Volume{12345678-1234-1234-1234-123456789abc}\\", true},
        {"\\\\.\\PhysicalDrive0", true},
        {"\\\\?\\GLOBALROOT\\Device\\HarddiskVolume1\\", true},
        {"C:\\ProjectsV3", false},
        {"C:\\ProjectsV3\\Disc1\\", false},
        {"\\\\server\\share\\folder", false},
        {"\\\\?\\Q:\\sub", false},
        {"\\\\?\\UNC\\server\\share\\folder", false},
        {"\\\\?\\Volume{12345678-1234-1234-1234-123456789abc}\\sub", false},
    };
    for (const Case& c : cases) EXPECT_EQ(IsVolumeRootPath(c.path), c.root) << c.path;
}
