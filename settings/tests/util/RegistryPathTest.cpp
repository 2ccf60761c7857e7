#include "util/RegistryPath.h"

#include <gtest/gtest.h>

namespace {

TEST(VendorKeyPath, AppendsSuffixWithinTheLimit) {
    EXPECT_EQ(VendorKeyPath(""), "SOFTWARE\\Fernhollow Software\\Menuwright\\");
    EXPECT_EQ(VendorKeyPath("1234\\Splash"), "SOFTWARE\\Fernhollow Software\\Menuwright\\1234\\Splash");

    std::string longest(kRegistryPathLimit - 1 - kVendorKey.size(), '7');
    ASSERT_TRUE(VendorKeyPath(longest));
    EXPECT_EQ(VendorKeyPath(longest)->size(), kRegistryPathLimit - 1);
    EXPECT_FALSE(VendorKeyPath(longest + "7"));
    EXPECT_FALSE(VendorKeyPath(std::string(100000, '9')));
}

TEST(ParseRegistryKeyPath, NamesRootAndSubKey) {
    using R = RegistryRootName;
    struct Case { const char* path; bool valid; R root; const char* subKey; };
    const Case cases[] = {
        {"HKEY_Local_Machine\\Software\\X", true, R::LocalMachine, "Software\\X"},
        {"\\hkey_current_user\\Software\\X", true, R::CurrentUser, "Software\\X"},
        {"HKEY_CLASSES_ROOT\\.htm", true, R::ClassesRoot, ".htm"},
        {"HKEY_USERS\\.DEFAULT", true, R::Users, ".DEFAULT"},
        {"hkey_current_config\\System", true, R::CurrentConfig, "System"},
        {"HKEY_DYN_DATA\\x", true, R::DynData, "x"},
        {"HKLM\\Software\\X", false, R::LocalMachine, ""},
        {"HKEY_LOCAL_MACHINE", false, R::LocalMachine, ""},
        {"HKEY_LOCAL_MACHINE\\", false, R::LocalMachine, ""},
        {"\\\\HKEY_LOCAL_MACHINE\\Software", false, R::LocalMachine, ""},
        {"", false, R::LocalMachine, ""},
        {"\\", false, R::LocalMachine, ""},
        {"HKEY_LOCAL_MACHINEX\\Software", false, R::LocalMachine, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        auto parsed = ParseRegistryKeyPath(c.path);
        ASSERT_EQ(parsed.has_value(), c.valid);
        if (!parsed) continue;
        EXPECT_EQ(parsed->root, c.root);
        EXPECT_EQ(parsed->subKey, c.subKey);
    }
}

TEST(TextFromRegistryData, StopsAtZeroOrEndOfData) {
    const char withZero[] = {'a', 'b', 0, 'c'};
    const char withoutZero[] = {'a', 'b', 'c'};
    EXPECT_EQ(TextFromRegistryData(withZero, sizeof(withZero)), "ab");
    EXPECT_EQ(TextFromRegistryData(withoutZero, sizeof(withoutZero)), "abc");
    EXPECT_EQ(TextFromRegistryData(withoutZero, 0), "");
    EXPECT_EQ(TextFromRegistryData(nullptr, 0), "");
}

}  // namespace
