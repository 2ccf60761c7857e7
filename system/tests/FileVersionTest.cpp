#include "FileVersion.h"

#include <gtest/gtest.h>

#include "Win32TestSupport.h"

namespace {

using namespace wintest;

std::string ThisProgram() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    return path;
}

TEST(GetFileVersionText, ReadsTheFixedFileVersion) {
    std::string version;
    ASSERT_TRUE(GetFileVersionText(ThisProgram(), false, version));
    EXPECT_EQ(version, "3.7.12.45");
    ASSERT_TRUE(GetFileVersionText(ThisProgram(), true, version));
    EXPECT_EQ(version, "3.07");
}

TEST(GetFileVersionText, FailsWithoutVersionResource) {
    TempDir dir;
    std::string version = "unchanged";
    EXPECT_FALSE(GetFileVersionText(HelperProgram(), false, version));
    EXPECT_FALSE(GetFileVersionText(dir.Write("plain.txt", "no resources here"), true, version));
    EXPECT_FALSE(GetFileVersionText(dir.File("missing.exe"), true, version));
    EXPECT_EQ(version, "unchanged");
}

}  // namespace
