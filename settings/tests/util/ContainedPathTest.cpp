#include "util/ContainedPath.h"

#include <gtest/gtest.h>

TEST(ContainedPath, NamesResolveInsideTheRootOrNotAtAll) {
    struct Case {
        const char* name;
        std::optional<std::string> resolved;
    };
    const std::string root = "C:\\Disc";
    const Case cases[] = {
        {"\\Docs\\Manual.pdf", "C:\\Disc\\Docs\\Manual.pdf"},
        {"", "C:\\Disc"},
        {"\\", "C:\\Disc\\"},
        {"Docs\\Manual.pdf", "C:\\Disc\\Docs\\Manual.pdf"},
        {"/Docs/Manual.pdf", "C:\\Disc\\Docs\\Manual.pdf"},
        {"\\Docs\\\\\\Manual.pdf", "C:\\Disc\\Docs\\Manual.pdf"},
        {"\\Docs\\.\\Sub\\..\\Manual.pdf", "C:\\Disc\\Docs\\Manual.pdf"},
        {"\\Docs\\", "C:\\Disc\\Docs"},
        {"\\Docs\\..", "C:\\Disc\\"},
        {"\\My Files\\read me.txt", "C:\\Disc\\My Files\\read me.txt"},
        {"\\..\\outside\\tool.exe", std::nullopt},
        {"\\Docs\\..\\..\\tool.exe", std::nullopt},
        {"/../tool.exe", std::nullopt},
        {"\\Docs/../../tool.exe", std::nullopt},
        {"..", std::nullopt},
        {"C:\\Windows\\notepad.exe", std::nullopt},
        {"\\C:tool.exe", std::nullopt},
        {"\\\\server\\share\\tool.exe", std::nullopt},
        {"//server/share/tool.exe", std::nullopt},
        {"\\\\?\\C:\\tool.exe", std::nullopt},
        {"\\\\.\\PhysicalDrive0", std::nullopt},
        {"\\Docs\\file.txt:stream", std::nullopt},
        {"\\NUL", std::nullopt},
        {"\\Docs\\com1.txt", std::nullopt},
        {"\\Docs\\LPT9", std::nullopt},
        {"\\Docs\\Console.txt", "C:\\Disc\\Docs\\Console.txt"},
        {"\\.. \\tool.exe", std::nullopt},
        {"\\...\\tool.exe", std::nullopt},
        {"\\Docs.\\tool.exe", std::nullopt},
        {"\\Docs\\tab\there", std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(ResolveInside(root, c.name), c.resolved) << c.name;
}

TEST(ContainedPath, TheRootMayEndWithASeparatorOrBeADrive) {
    EXPECT_EQ(ResolveInside("C:\\Disc\\", "\\a.txt"), "C:\\Disc\\a.txt");
    EXPECT_EQ(ResolveInside("D:", "\\a.txt"), "D:\\a.txt");
    EXPECT_EQ(ResolveInside("", "\\a.txt"), "\\a.txt");
}
