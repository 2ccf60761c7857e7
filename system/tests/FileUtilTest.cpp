#include "FileUtil.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstring>

#include "Win32TestSupport.h"

#include <winioctl.h>

namespace {

using namespace wintest;

class FileUtil : public ::testing::Test {
protected:
    TempDir dir;
    std::string Path(const std::string& relative) const { return dir.Path() + "\\" + relative; }
    void MakeDirectory(const std::string& relative) const { ASSERT_TRUE(CreateDirectoryA(Path(relative).c_str(), nullptr)); }
};

// A drive letter that names no drive in this prefix.
std::string UnusedDrive() {
    DWORD drives = GetLogicalDrives();
    for (int index = 25; index >= 3; --index) {
        if (!(drives & (1u << index))) return std::string(1, char('A' + index)) + ":";
    }
    return std::string();
}

// The reparse data of a junction (mount point) as the file system takes it.
struct MountPointData {
    DWORD ReparseTag;
    WORD ReparseDataLength;
    WORD Reserved;
    WORD SubstituteNameOffset;
    WORD SubstituteNameLength;
    WORD PrintNameOffset;
    WORD PrintNameLength;
    WCHAR PathBuffer[1024];
};

// Makes link a junction to target (both full paths); false where the file
// system cannot.
bool CreateJunction(const std::string& link, const std::string& target) {
    if (!CreateDirectoryA(link.c_str(), nullptr)) return false;
    std::string substitute = "\\??\\" + target;
    MountPointData data = {};
    int length = MultiByteToWideChar(CP_ACP, 0, substitute.c_str(), -1, data.PathBuffer, 1000);
    if (length <= 0) return false;
    WORD bytes = WORD((length - 1) * sizeof(WCHAR));
    data.ReparseTag = IO_REPARSE_TAG_MOUNT_POINT;
    data.SubstituteNameLength = bytes;
    data.PrintNameOffset = WORD(bytes + sizeof(WCHAR));
    data.ReparseDataLength = WORD(8 + bytes + 2 * sizeof(WCHAR));
    wingui::KernelHandle handle(CreateFileA(link.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                            FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
    DWORD returned = 0;
    bool made = handle && DeviceIoControl(handle.Get(), FSCTL_SET_REPARSE_POINT, &data,
                                          DWORD(8 + data.ReparseDataLength), nullptr, 0, &returned, nullptr);
    if (!made) RemoveDirectoryA(link.c_str());
    return made;
}

TEST_F(FileUtil, ExistenceOfFilesDirectoriesAndPatterns) {
    dir.Write("a.txt", "x");
    MakeDirectory("sub");
    struct Case { std::string path; bool exists; bool directory; bool directoryExists; bool checkedDirectoryExists; };
    const Case cases[] = {
        {Path("a.txt"), true, false, false, false},
        {Path("sub"), true, true, true, true},
        {Path("sub\\"), false, true, true, true},
        {Path("*.txt"), true, false, false, false},
        {Path("*.pdf"), false, false, false, false},
        {Path("missing"), false, false, false, false},
        {dir.Path(), true, true, true, true},
        {"", false, false, false, false},
        {"C:", false, true, true, true},
        {"C:\\", false, true, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(FileExists(c.path), c.exists);
        EXPECT_EQ(IsDirectory(c.path), c.directory);
        EXPECT_EQ(DirectoryExists(c.path, false), c.directoryExists);
        EXPECT_EQ(DirectoryExists(c.path, true), c.checkedDirectoryExists);
    }
}

TEST_F(FileUtil, MissingDriveIsNoDirectory) {
    std::string drive = UnusedDrive();
    ASSERT_FALSE(drive.empty());
    EXPECT_FALSE(IsDirectory(drive));
    EXPECT_FALSE(IsDirectory(drive + "\\"));
    EXPECT_FALSE(DirectoryExists(drive + "\\", true));
}

TEST_F(FileUtil, CreateDirectoryPathCreatesEveryLevel) {
    EXPECT_TRUE(CreateDirectoryPath(Path("one\\two\\three")));
    EXPECT_TRUE(IsDirectory(Path("one\\two\\three")));
    EXPECT_TRUE(CreateDirectoryPath(Path("one\\two\\three")));
    EXPECT_TRUE(CreateDirectoryPath(Path("one\\four\\")));
    EXPECT_TRUE(IsDirectory(Path("one\\four")));
    EXPECT_TRUE(CreateDirectoryPath("C:\\"));
    EXPECT_FALSE(CreateDirectoryPath(""));
}

TEST_F(FileUtil, CreateDirectoryPathFailsWhereAFileIsInTheWay) {
    dir.Write("file", "x");
    EXPECT_FALSE(CreateDirectoryPath(Path("file")));
    EXPECT_FALSE(CreateDirectoryPath(Path("file\\below")));
    EXPECT_FALSE(IsDirectory(Path("file\\below")));
    std::string drive = UnusedDrive();
    EXPECT_FALSE(CreateDirectoryPath(drive + "\\x\\y"));
}

TEST_F(FileUtil, DeleteDirectoryTreeRemovesEverythingBelow) {
    ASSERT_TRUE(CreateDirectoryPath(Path("tree\\a\\b")));
    dir.Write("tree\\top.txt", "top");
    dir.Write("tree\\a\\b\\deep.txt", "deep");
    std::string readOnly = dir.Write("tree\\a\\locked.txt", "locked");
    ASSERT_TRUE(SetFileAttributesA(readOnly.c_str(), FILE_ATTRIBUTE_READONLY));

    EXPECT_TRUE(DeleteDirectoryTree(Path("tree")));
    EXPECT_FALSE(FileExists(Path("tree")));
    EXPECT_FALSE(DeleteDirectoryTree(Path("tree")));
    EXPECT_FALSE(DeleteDirectoryTree(dir.Write("plain.txt", "x")));
    EXPECT_TRUE(FileExists(Path("plain.txt")));
}

// On drive Q:, a scratch folder that the test suite maps for this: every
// spelling of its root is refused and its files stay, while a folder on it
// named through "." and ".." is deleted.
TEST_F(FileUtil, DeleteDirectoryTreeRefusesWholeDrivesHoweverSpelled) {
    ASSERT_EQ(GetDriveTypeA("Q:\\"), UINT(DRIVE_FIXED)) << "the suite maps Q: to a scratch folder";
    const std::string keep = "Q:\\keep.txt";
    ASSERT_TRUE(CreateEmptyFile(keep));
    ASSERT_TRUE(CreateDirectoryPath("Q:\\sub\\inner"));
    for (const char* root : {"Q:", "Q:\\", "Q:\\.", "Q:/", "Q:\\sub\\..", "Q:\\sub\\inner\\..\\..", "\\\\?\\Q:\\",
                             "\\\\.\\Q:\\", "Q:\\\\"}) {
        EXPECT_FALSE(DeleteDirectoryTree(root)) << root;
        EXPECT_TRUE(FileExists(keep)) << "deleting " << root << " emptied the drive";
    }
    EXPECT_TRUE(DeleteDirectoryTree("Q:\\sub\\inner\\..\\.\\"));
    EXPECT_FALSE(IsDirectory("Q:\\sub"));
    EXPECT_TRUE(FileExists(keep));
    DeleteFileA(keep.c_str());
}

TEST_F(FileUtil, DeleteDirectoryTreeRemovesLinksButNotWhatTheyPointTo) {
    ASSERT_TRUE(CreateDirectoryPath(Path("outside")));
    dir.Write("outside\\keep.txt", "keep");
    ASSERT_TRUE(CreateDirectoryPath(Path("tree")));
    std::string link = Path("tree\\link");
    if (!CreateJunction(link, Path("outside")))
        GTEST_SKIP() << "this file system cannot create junctions: " << GetLastError();
    DWORD attributes = GetFileAttributesA(link.c_str());
    ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES);
    ASSERT_TRUE(attributes & FILE_ATTRIBUTE_REPARSE_POINT);
    ASSERT_TRUE(FileExists(Path("tree\\link\\keep.txt")));

    EXPECT_EQ(DirectorySize(Path("tree")), 0u) << "links are not followed when sizes are added up";
    EXPECT_TRUE(DeleteDirectoryTree(Path("tree")));
    EXPECT_FALSE(FileExists(Path("tree")));
    EXPECT_EQ(FileText(Path("outside\\keep.txt")), "keep");

    // A link handed in itself is removed as a link.
    ASSERT_TRUE(CreateDirectoryPath(Path("tree")));
    ASSERT_TRUE(CreateJunction(link, Path("outside")));
    EXPECT_TRUE(DeleteDirectoryTree(link));
    EXPECT_FALSE(FileExists(link));
    EXPECT_EQ(FileText(Path("outside\\keep.txt")), "keep");
}

// The suite leaves Q:\links\tree\link, a folder link to Q:\links\outside,
// made as the platform here can (a symbolic link it reports as a reparse
// point); the junction test above makes its own where the platform can.
TEST_F(FileUtil, DeleteDirectoryTreeNeverFollowsTheSuitesFolderLink) {
    const std::string link = "Q:\\links\\tree\\link";
    const std::string keep = "Q:\\links\\outside\\keep.txt";
    const DWORD attributes = GetFileAttributesA(link.c_str());
    ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES) << "the suite makes the link on Q:";
    ASSERT_TRUE(attributes & FILE_ATTRIBUTE_REPARSE_POINT);
    ASSERT_TRUE(FileExists(link + "\\keep.txt"));

    EXPECT_EQ(DirectorySize("Q:\\links\\tree"), 0u) << "links are not followed when sizes are added up";
    DeleteDirectoryTree("Q:\\links\\tree");
    EXPECT_TRUE(FileExists(keep)) << "deleting the tree followed its link";
    DeleteDirectoryTree(link);
    EXPECT_TRUE(FileExists(keep)) << "deleting the link deleted what it points to";
}

TEST_F(FileUtil, CreateEmptyFileCreatesOrTruncates) {
    std::string file = dir.Write("data.bin", "contents");
    EXPECT_TRUE(CreateEmptyFile(file));
    EXPECT_EQ(FileSize(file), 0u);
    EXPECT_TRUE(CreateEmptyFile(Path("new.bin")));
    EXPECT_TRUE(FileExists(Path("new.bin")));
    EXPECT_FALSE(CreateEmptyFile(Path("missing\\new.bin")));
}

TEST_F(FileUtil, CopyFileToHonoursOverwrite) {
    std::string source = dir.Write("source.txt", "new");
    std::string destination = dir.Write("destination.txt", "old");
    EXPECT_FALSE(CopyFileTo(source, destination, false));
    EXPECT_EQ(FileText(destination), "old");
    EXPECT_TRUE(CopyFileTo(source, destination, true));
    EXPECT_EQ(FileText(destination), "new");
    EXPECT_FALSE(CopyFileTo(Path("missing"), Path("copy"), true));
}

TEST_F(FileUtil, SizesAddUpRecursively) {
    dir.Write("a.bin", std::string(1000, 'a'));
    ASSERT_TRUE(CreateDirectoryPath(Path("sub\\deeper")));
    dir.Write("sub\\b.bin", std::string(24, 'b'));
    dir.Write("sub\\deeper\\c.bin", std::string(3, 'c'));
    EXPECT_EQ(FileSize(Path("a.bin")), 1000u);
    EXPECT_EQ(FileSize(Path("missing")), 0u);
    EXPECT_EQ(FileSize(Path("sub")), 0u);
    EXPECT_EQ(DirectorySize(dir.Path()), 1027u);
    EXPECT_EQ(DirectorySize(Path("sub\\")), 27u);
    EXPECT_EQ(DirectorySize(Path("missing")), 0u);
}

TEST_F(FileUtil, SizesBeyondFourGibibytes) {
    // A sparse file: its size is set without writing the data.
    const std::uint64_t size = 5ULL * 1024 * 1024 * 1024 + 7;
    std::string path = Path("big.iso");
    {
        wingui::KernelHandle file(
            CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        ASSERT_TRUE(file);
        DWORD returned = 0;
        DeviceIoControl(file.Get(), FSCTL_SET_SPARSE, nullptr, 0, nullptr, 0, &returned, nullptr);
        LARGE_INTEGER end;
        end.QuadPart = LONGLONG(size);
        ASSERT_TRUE(SetFilePointerEx(file.Get(), end, nullptr, FILE_BEGIN));
        ASSERT_TRUE(SetEndOfFile(file.Get()));
    }
    dir.Write("small.bin", "12345");
    EXPECT_EQ(FileSize(path), size);
    EXPECT_EQ(DirectorySize(dir.Path()), size + 5);
}

TEST_F(FileUtil, DeviceToDriveFindsTheDriveOfADeviceName) {
    char device[1024] = {};
    ASSERT_TRUE(QueryDosDeviceA("C:", device, sizeof(device)));
    std::string name = device;
    for (char& c : name) c = char(std::toupper(static_cast<unsigned char>(c)));
    std::string root;
    ASSERT_TRUE(DeviceToDrive(name, root)) << device;
    ASSERT_EQ(root.size(), 3u);
    EXPECT_EQ(root.substr(1), ":\\");
    char found[1024] = {};
    ASSERT_TRUE(QueryDosDeviceA(root.substr(0, 2).c_str(), found, sizeof(found)));
    EXPECT_EQ(lstrcmpiA(found, device), 0);

    root = "unchanged";
    EXPECT_FALSE(DeviceToDrive("\\Device\\NoSuchDevice42", root));
    EXPECT_EQ(root, "unchanged");
}

TEST_F(FileUtil, ModuleDirectoryHoldsTheRunningProgram) {
    char program[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, program, MAX_PATH);
    std::string directory = GetModuleDirectory();
    EXPECT_EQ(directory + "\\" + (std::strrchr(program, '\\') + 1), program);
    EXPECT_NE(directory.back(), '\\');
}

TEST_F(FileUtil, ProjectNamesResolveBelowTheBaseDirectory) {
    dir.Write("Setup.exe", "x");
    ASSERT_TRUE(CreateDirectoryPath(Path("Docs\\Empty")));
    dir.Write("Docs\\Manual.pdf", "x");
    const std::string base = dir.Path();
    struct Case { const char* relative; bool file; bool rootOnlyFile; bool directory; };
    const Case cases[] = {
        {"\\Setup.exe", true, true, false},
        {"Setup.exe", true, true, false},
        {"\\Docs\\Manual.pdf", true, false, false},
        {"\\Docs", true, true, true},
        {"\\Docs\\Empty", true, false, true},
        {"\\Docs\\Missing", false, false, false},
        {"\\", false, false, true},
        {"", false, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.relative);
        EXPECT_EQ(ProjectFileExists(c.relative, base, false), c.file);
        EXPECT_EQ(ProjectFileExists(c.relative, base, true), c.rootOnlyFile);
        EXPECT_EQ(ProjectDirectoryExists(c.relative, base), c.directory);
    }
    EXPECT_TRUE(ProjectDirectoryExists("\\Docs", base + "\\"));
}

}  // namespace
