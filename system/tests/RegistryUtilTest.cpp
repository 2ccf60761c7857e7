// RegistryUtil against the registry of the test prefix, below the vendor key
// of HKEY_CURRENT_USER and HKEY_LOCAL_MACHINE.
#include "RegistryUtil.h"

#include <gtest/gtest.h>

#include <cstring>

#include "util/RegistryPath.h"

namespace {

constexpr int kCurrentUser = 1;
constexpr int kLocalMachine = 2;

HKEY Root(int root) { return root == kCurrentUser ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE; }

std::string VendorPath(const std::string& below) {
    return std::string(kVendorKey) + below;
}

bool KeyExists(int root, const std::string& path) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(Root(root), path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
}

// The raw data of a value, as the registry holds it.
bool RawValue(int root, const std::string& path, const std::string& name, std::string& data, DWORD& type) {
    char buffer[2048];
    DWORD size = sizeof(buffer);
    if (RegGetValueA(Root(root), path.c_str(), name.c_str(), RRF_RT_ANY | RRF_NOEXPAND, &type, buffer, &size) !=
        ERROR_SUCCESS) {
        return false;
    }
    data.assign(buffer, size);
    return true;
}

void SetRaw(int root, const std::string& path, const std::string& name, DWORD type, const void* data, DWORD size) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(Root(root), path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    ASSERT_EQ(RegSetValueExA(key, name.c_str(), 0, type, static_cast<const BYTE*>(data), size), ERROR_SUCCESS);
    RegCloseKey(key);
}

// Each test works below its own key under the vendor key, in both roots,
// and removes it afterwards.
class RegistryUtilTest : public ::testing::Test {
protected:
    std::string own = "UtilTest" + std::to_string(GetCurrentProcessId());
    std::string ownPath = VendorPath(own);

    void TearDown() override {
        for (int root : {kCurrentUser, kLocalMachine}) {
            for (const std::string& key : {ownPath, ownPath + "Copy"}) {
                RegDeleteTreeA(Root(root), key.c_str());
                RegDeleteKeyA(Root(root), key.c_str());
            }
        }
    }
};

TEST_F(RegistryUtilTest, RecordsAHistoryEntryAsThePlayerDoes) {
    for (int root : {kCurrentUser, kLocalMachine}) {
        SCOPED_TRACE(root);
        RegistryUtil registry;
        ASSERT_FALSE(registry.OpenBase(root, own));
        EXPECT_EQ(registry.LastResult(), ERROR_FILE_NOT_FOUND);
        EXPECT_FALSE(registry.IsOpen());
        if (!registry.OpenBase(root)) {
            ASSERT_TRUE(registry.CreateBase(root));
        }
        ASSERT_TRUE(registry.CreateSub(own));
        if (!registry.OpenSub("Splash")) {
            ASSERT_TRUE(registry.CreateSub("Splash"));
        }
        ASSERT_TRUE(registry.WriteValue("Root.2", "1", REG_SZ));
        EXPECT_EQ(registry.LastResult(), ERROR_SUCCESS);

        std::string data;
        DWORD type = 0;
        ASSERT_TRUE(RawValue(root, ownPath + "\\Splash", "Root.2", data, type));
        EXPECT_EQ(type, DWORD(REG_SZ));
        EXPECT_EQ(data, std::string("1\0", 2)) << "strings are stored with their terminating zero";

        RegistryUtil reader;
        ASSERT_TRUE(reader.OpenBase(root, own));
        ASSERT_TRUE(reader.OpenSub("Splash"));
        char buffer[256];
        std::memset(buffer, 'x', sizeof(buffer));
        ASSERT_TRUE(reader.ReadValue("Root.2", buffer, sizeof(buffer)));
        EXPECT_STREQ(buffer, "1");
        EXPECT_FALSE(reader.ReadValue("Root.3", buffer, sizeof(buffer)));
        EXPECT_EQ(reader.LastResult(), ERROR_FILE_NOT_FOUND);
    }
}

TEST_F(RegistryUtilTest, OpenSubOfAMissingKeyKeepsTheParentOpen) {
    RegistryUtil registry;
    ASSERT_TRUE(registry.CreateBase(kCurrentUser));
    ASSERT_TRUE(registry.CreateSub(own));
    EXPECT_FALSE(registry.OpenSub("Missing"));
    EXPECT_TRUE(registry.IsOpen());
    ASSERT_TRUE(registry.CreateSub("Missing"));
    EXPECT_TRUE(KeyExists(kCurrentUser, ownPath + "\\Missing"));
    EXPECT_FALSE(KeyExists(kCurrentUser, VendorPath("Missing")));
}

TEST_F(RegistryUtilTest, FailedCreateSubClosesTheKey) {
    RegistryUtil registry;
    ASSERT_TRUE(registry.CreateBase(kCurrentUser));
    ASSERT_TRUE(registry.CreateSub(own));
    EXPECT_FALSE(registry.CreateSub(std::string(300, 'k')));
    EXPECT_FALSE(registry.IsOpen());
    EXPECT_NE(registry.LastResult(), ERROR_SUCCESS);
    EXPECT_FALSE(registry.WriteValue("Value", "1"));
    EXPECT_FALSE(registry.CreateSub("Next"));
}

TEST_F(RegistryUtilTest, OverlongDiscNumberFailsCleanly) {
    RegistryUtil registry;
    ASSERT_TRUE(registry.CreateBase(kCurrentUser));
    ASSERT_TRUE(registry.CreateSub(own));
    const std::string longNumber(5000, '4');
    EXPECT_FALSE(registry.OpenBase(kCurrentUser, longNumber));
    EXPECT_FALSE(registry.IsOpen());
    EXPECT_EQ(registry.LastResult(), ERROR_FILENAME_EXCED_RANGE);
    ASSERT_TRUE(registry.OpenBase(kCurrentUser, own));
    EXPECT_FALSE(registry.OpenSub(longNumber));
    EXPECT_TRUE(registry.IsOpen());
    EXPECT_FALSE(registry.CreateSub(longNumber));
    EXPECT_FALSE(registry.IsOpen());
    ASSERT_TRUE(registry.OpenBase(kCurrentUser));
    EXPECT_FALSE(registry.CopySubTree(kCurrentUser, longNumber, own));
    EXPECT_EQ(registry.LastResult(), ERROR_FILENAME_EXCED_RANGE);
}

// Names the registry itself takes (each below its 255 characters) whose
// whole path would not fit the open key's path buffer.
TEST_F(RegistryUtilTest, PathsBeyondThePathBufferFailThoughEachNameFits) {
    RegistryUtil registry;
    ASSERT_TRUE(registry.CreateBase(kCurrentUser));
    ASSERT_TRUE(registry.CreateSub(own));
    const std::string ownKey = VendorPath(own);
    const std::string name(kRegistryPathLimit - 1 - ownKey.size(), 'n');
    ASSERT_LT(name.size(), 255u);
    EXPECT_FALSE(registry.CreateSub(name));
    EXPECT_EQ(registry.LastResult(), ERROR_FILENAME_EXCED_RANGE);
    EXPECT_FALSE(KeyExists(kCurrentUser, ownKey + "\\" + name));

    const std::string fitting(name.size() - 1, 'n');
    ASSERT_TRUE(registry.OpenBase(kCurrentUser, own));
    ASSERT_TRUE(registry.CreateSub(fitting));
    ASSERT_TRUE(registry.OpenBase(kCurrentUser, own));
    ASSERT_TRUE(registry.OpenSub(fitting));
    // The key exists under the longer spelling too; the bound still refuses it.
    SetRaw(kCurrentUser, ownKey + "\\" + name, "Value", REG_SZ, "1", 2);
    ASSERT_TRUE(registry.OpenBase(kCurrentUser, own));
    EXPECT_FALSE(registry.OpenSub(name));
    EXPECT_EQ(registry.LastResult(), ERROR_FILENAME_EXCED_RANGE);
    EXPECT_FALSE(registry.OpenBase(kCurrentUser, own + "\\" + name));
    EXPECT_EQ(registry.LastResult(), ERROR_FILENAME_EXCED_RANGE);
}

TEST_F(RegistryUtilTest, UnknownRootNumbersFail) {
    for (int root : {-1, 4, 99}) {
        RegistryUtil registry;
        EXPECT_FALSE(registry.OpenBase(root));
        EXPECT_FALSE(registry.CreateBase(root));
        EXPECT_FALSE(registry.IsOpen());
    }
    RegistryUtil registry;
    ASSERT_TRUE(registry.CreateBase(kCurrentUser));
    EXPECT_FALSE(registry.CopySubTree(7, own + "Copy", own));
}

TEST_F(RegistryUtilTest, ReadValueTerminatesStringsStoredWithoutZero) {
    SetRaw(kCurrentUser, ownPath, "Bare", REG_SZ, "abc", 3);
    SetRaw(kCurrentUser, ownPath, "Full", REG_SZ, "abcd", 4);
    SetRaw(kCurrentUser, ownPath, "Zeroed", REG_SZ, "abc\0", 4);
    const DWORD number = 0x01020304;
    SetRaw(kCurrentUser, ownPath, "Number", REG_DWORD, &number, sizeof(number));

    RegistryUtil registry;
    ASSERT_TRUE(registry.OpenBase(kCurrentUser, own));
    char buffer[4];
    std::memset(buffer, 'x', sizeof(buffer));
    ASSERT_TRUE(registry.ReadValue("Bare", buffer, sizeof(buffer)));
    EXPECT_STREQ(buffer, "abc");
    std::memset(buffer, 'x', sizeof(buffer));
    ASSERT_TRUE(registry.ReadValue("Zeroed", buffer, sizeof(buffer)));
    EXPECT_STREQ(buffer, "abc");

    // Four characters and no zero do not fit four bytes as a text.
    std::memset(buffer, 'x', sizeof(buffer));
    EXPECT_FALSE(registry.ReadValue("Full", buffer, sizeof(buffer)));
    EXPECT_EQ(registry.LastResult(), ERROR_MORE_DATA);
    EXPECT_EQ(buffer[sizeof(buffer) - 1], '\0');

    DWORD read = 0;
    ASSERT_TRUE(registry.ReadValue("Number", &read, sizeof(read)));
    EXPECT_EQ(read, number);

    std::string text;
    ASSERT_TRUE(registry.ReadString("Full", text, 1024));
    EXPECT_EQ(text, "abcd");
    EXPECT_FALSE(registry.ReadString("Number", text));
    EXPECT_FALSE(registry.ReadString("Missing", text));
    EXPECT_EQ(text, "abcd");
}

TEST_F(RegistryUtilTest, DesignerPreferencesRoundTrip) {
    RegistryUtil registry;
    if (!registry.OpenBase(kCurrentUser)) {
        ASSERT_TRUE(registry.CreateBase(kCurrentUser));
    }
    ASSERT_TRUE(registry.CreateSub(own));
    ASSERT_TRUE(registry.WriteValue("ImageBaseDir", "C:\\Projects\\My Discs"));
    ASSERT_TRUE(registry.WriteValue("EjectDiskWhenFinished", "TRUE", REG_SZ));
    ASSERT_TRUE(registry.WriteValue("Count", "1234", REG_DWORD));
    ASSERT_TRUE(registry.WriteValue("Mask", std::uint32_t(0xFFFFFFFFu)));

    RegistryUtil reader;
    ASSERT_TRUE(reader.OpenBase(kCurrentUser, own));
    std::string text;
    ASSERT_TRUE(reader.ReadString("ImageBaseDir", text));
    EXPECT_EQ(text, "C:\\Projects\\My Discs");
    ASSERT_TRUE(reader.ReadString("EjectDiskWhenFinished", text));
    EXPECT_EQ(text, "TRUE");
    DWORD number = 0;
    ASSERT_TRUE(reader.ReadValue("Count", &number, sizeof(number)));
    EXPECT_EQ(number, 1234u);
    ASSERT_TRUE(reader.ReadValue("Mask", &number, sizeof(number)));
    EXPECT_EQ(number, 0xFFFFFFFFu);
}

TEST_F(RegistryUtilTest, HasSubKeyComparesWholeNames) {
    RegistryUtil registry;
    ASSERT_TRUE(registry.CreateBase(kLocalMachine));
    ASSERT_TRUE(registry.CreateSub(own));
    for (const char* name : {"1", "12", "123"}) {
        RegistryUtil child;
        ASSERT_TRUE(child.OpenBase(kLocalMachine, own));
        ASSERT_TRUE(child.CreateSub(name));
    }
    EXPECT_TRUE(registry.HasSubKey("12"));
    EXPECT_TRUE(registry.HasSubKey("1"));
    EXPECT_TRUE(registry.HasSubKey("123"));
    EXPECT_FALSE(registry.HasSubKey("012"));
    EXPECT_FALSE(registry.HasSubKey("1234"));
    EXPECT_FALSE(registry.HasSubKey(""));
}

// A history tree: disc number, step classes, sections, values.
void WriteHistory(int root, const std::string& discKey) {
    const char one[] = "1";
    SetRaw(root, discKey + "\\Splash", "Root.1", REG_SZ, one, sizeof(one));
    SetRaw(root, discKey + "\\Install\\Root.4", "Done", REG_SZ, one, sizeof(one));
    SetRaw(root, discKey, "Top", REG_SZ, one, sizeof(one));
}

TEST_F(RegistryUtilTest, MovesAHistoryToANewDiscNumber) {
    WriteHistory(kLocalMachine, ownPath);
    RegistryUtil registry;
    ASSERT_TRUE(registry.OpenBase(kLocalMachine));
    ASSERT_TRUE(registry.CopySubTree(kLocalMachine, own + "Copy", own));
    EXPECT_TRUE(registry.IsOpen());
    ASSERT_TRUE(registry.OpenBase(kLocalMachine));
    ASSERT_TRUE(registry.DeleteSubTree(own));

    EXPECT_FALSE(KeyExists(kLocalMachine, ownPath));
    std::string data;
    DWORD type = 0;
    EXPECT_TRUE(RawValue(kLocalMachine, ownPath + "Copy\\Splash", "Root.1", data, type));
    EXPECT_TRUE(RawValue(kLocalMachine, ownPath + "Copy\\Install\\Root.4", "Done", data, type));
    EXPECT_TRUE(RawValue(kLocalMachine, ownPath + "Copy", "Top", data, type));
    EXPECT_EQ(data, std::string("1\0", 2));
}

TEST_F(RegistryUtilTest, CopyOfAMissingSourceCreatesNothing) {
    RegistryUtil registry;
    ASSERT_TRUE(registry.CreateBase(kCurrentUser));
    EXPECT_FALSE(registry.CopySubTree(kCurrentUser, own + "Copy", own));
    EXPECT_EQ(registry.LastResult(), ERROR_FILE_NOT_FOUND);
    EXPECT_FALSE(KeyExists(kCurrentUser, ownPath + "Copy"));
    EXPECT_FALSE(registry.CopySubTree(kCurrentUser, own + "Copy", ""));
}

TEST_F(RegistryUtilTest, CopyIntoItselfIsRefused) {
    WriteHistory(kCurrentUser, ownPath);
    RegistryUtil registry;
    ASSERT_TRUE(registry.OpenBase(kCurrentUser));
    EXPECT_FALSE(registry.CopySubTree(kCurrentUser, own + "\\Splash\\Deeper", own));
    EXPECT_FALSE(registry.CopySubTree(kCurrentUser, own, own));
    std::string lower = own;
    for (char& c : lower) c = char(std::tolower(static_cast<unsigned char>(c)));
    EXPECT_FALSE(registry.CopySubTree(kCurrentUser, lower + "\\x", own));
    EXPECT_FALSE(KeyExists(kCurrentUser, ownPath + "\\Splash\\Deeper"));
    // A sibling whose name merely begins like the source is fine.
    EXPECT_TRUE(registry.CopySubTree(kCurrentUser, own + "Copy", own));
}

TEST_F(RegistryUtilTest, DeleteSubTreeNeedsAName) {
    WriteHistory(kCurrentUser, ownPath);
    RegistryUtil registry;
    ASSERT_TRUE(registry.OpenBase(kCurrentUser, own));
    EXPECT_FALSE(registry.DeleteSubTree(""));
    EXPECT_TRUE(KeyExists(kCurrentUser, ownPath + "\\Splash"));
    EXPECT_FALSE(registry.DeleteSubTree("Missing"));
    EXPECT_TRUE(registry.DeleteSubTree("Install"));
    EXPECT_FALSE(KeyExists(kCurrentUser, ownPath + "\\Install"));
    EXPECT_TRUE(KeyExists(kCurrentUser, ownPath + "\\Splash"));
}

TEST_F(RegistryUtilTest, OperationsWithoutAnOpenKeyFail) {
    RegistryUtil registry;
    char buffer[8];
    EXPECT_FALSE(registry.OpenSub("x"));
    EXPECT_FALSE(registry.CreateSub("x"));
    EXPECT_FALSE(registry.ReadValue("x", buffer, sizeof(buffer)));
    EXPECT_FALSE(registry.WriteValue("x", "1"));
    EXPECT_FALSE(registry.HasSubKey("x"));
    EXPECT_FALSE(registry.DeleteSubTree("x"));
    EXPECT_FALSE(registry.CopySubTree(kCurrentUser, "x", "y"));
    EXPECT_EQ(registry.LastResult(), ERROR_INVALID_HANDLE);
}

TEST_F(RegistryUtilTest, ReadPathValueReadsFromTheNamedRoot) {
    const char text[] = "C:\\Program Files\\Viewer";
    SetRaw(kLocalMachine, ownPath + "\\X", "V", REG_SZ, text, sizeof(text));
    SetRaw(kCurrentUser, ownPath + "\\X", "V", REG_SZ, "user", 4);
    const DWORD number = 42;
    SetRaw(kLocalMachine, ownPath + "\\X", "N", REG_DWORD, &number, sizeof(number));
    const ULONGLONG big = 5000000000ULL;
    SetRaw(kLocalMachine, ownPath + "\\X", "Q", REG_QWORD, &big, sizeof(big));
    const char expand[] = "%SystemRoot%\\notepad.exe";
    SetRaw(kLocalMachine, ownPath + "\\X", "E", REG_EXPAND_SZ, expand, sizeof(expand));
    const char multi[] = "first\0second\0";
    SetRaw(kLocalMachine, ownPath + "\\X", "M", REG_MULTI_SZ, multi, sizeof(multi));
    SetRaw(kLocalMachine, ownPath + "\\X", "B", REG_BINARY, "\x01\x02", 2);
    SetRaw(kLocalMachine, ownPath + "\\X", "", REG_SZ, "default", 8);
    std::string full(511, 'f');
    SetRaw(kLocalMachine, ownPath + "\\X", "Full", REG_SZ, full.data(), DWORD(full.size()));
    std::string tooLong(600, 'l');
    SetRaw(kLocalMachine, ownPath + "\\X", "Long", REG_SZ, tooLong.c_str(), DWORD(tooLong.size() + 1));

    char windows[MAX_PATH] = {};
    GetEnvironmentVariableA("SystemRoot", windows, MAX_PATH);
    const std::string machine = "HKEY_Local_Machine\\" + ownPath + "\\X";
    struct Case { std::string path; const char* name; bool found; std::string value; };
    const Case cases[] = {
        {machine, "V", true, text},
        {"\\" + machine, "V", true, text},
        {"\\hkey_current_user\\" + ownPath + "\\X", "V", true, "user"},
        {machine, "N", true, "42"},
        {machine, "Q", true, "5000000000"},
        {machine, "E", true, std::string(windows) + "\\notepad.exe"},
        {machine, "M", true, "first"},
        {machine, "", true, "default"},
        {machine, "Full", true, full},
        {machine, "B", false, ""},
        {machine, "Long", false, ""},
        {machine, "Missing", false, ""},
        {"HKLM\\" + ownPath + "\\X", "V", false, ""},
        {"HKEY_LOCAL_MACHINE", "V", false, ""},
        {"HKEY_LOCAL_MACHINE\\", "V", false, ""},
        {"", "V", false, ""},
        {"HKEY_LOCAL_MACHINE\\" + ownPath + "\\Nowhere", "V", false, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path + " " + c.name);
        std::string value = "unchanged";
        EXPECT_EQ(ReadPathValue(c.path, c.name, value), c.found);
        EXPECT_EQ(value, c.found ? c.value : "unchanged");
    }
}

}  // namespace
