// When an install step runs its installer, by When, WhenViewer and Version
// against the associated program and its version.
#include "install/InstallDecision.h"

#include <gtest/gtest.h>

#include <set>

#include "records/SettingsInstall.h"

namespace {

class CTableLookups : public IInstallLookups {
public:
    bool historyDone = false;
    const char* program = nullptr;         // null: no program for the type
    const char* programVersion = nullptr;  // null: no version resource
    std::string askedExtension;
    std::string askedVersionOf;
    std::set<std::string> marked;

    bool HistoryIsDone(const std::string& section, const std::string& value) override {
        return historyDone && section == "Root.4" && value == "#Setup#setup.exe";
    }
    void HistoryMarkDone(const std::string& section, const std::string& value) override {
        marked.insert(section + "|" + value);
    }
    bool FindProgramForExtension(const std::string& extension, std::string& found) override {
        askedExtension = extension;
        if (!program) return false;
        found = program;
        return true;
    }
    bool FileVersionShort(const std::string& of, std::string& version) override {
        askedVersionOf = of;
        if (!programVersion) return false;
        version = programVersion;
        return true;
    }
};

}  // namespace

TEST(InstallDecision, ByWhenWhenViewerAndVersion) {
    struct Case {
        std::int32_t when;
        std::int32_t whenViewer;
        const char* version;
        bool historyDone;
        const char* program;
        const char* programVersion;
        bool needed;
    };
    const char* reader = "C:\\Reader\\Reader.exe";
    const Case cases[] = {
        {1, 1, "", false, nullptr, nullptr, true},
        {1, 1, "", true, nullptr, nullptr, false},
        {2, 1, "", true, reader, "99.00", true},
        {0, 1, "", true, reader, "99.00", true},
        {7, 2, "9.0", true, reader, "99.00", true},
        // No program for the type installs, whatever WhenViewer says.
        {3, 1, "", true, nullptr, nullptr, true},
        {3, 2, "9.0", false, nullptr, nullptr, true},
        {3, 1, "9.0", false, reader, "1.00", false},
        {3, 2, "9.0", false, reader, "8.01", true},
        {3, 2, "9.0", false, reader, "9.00", false},
        {3, 2, "9.0", false, reader, "10.02", false},
        {3, 2, "9.10", false, reader, "9.09", true},
        {3, 2, "9.0", false, reader, nullptr, true},
        {3, 2, "", false, reader, "1.00", false},
        {3, 2, "", false, reader, nullptr, false},
        // Any WhenViewer other than 1 compares versions.
        {3, 0, "9.0", false, reader, "8.01", true},
        {3, 5, "9.0", false, reader, "9.00", false},
    };
    for (const Case& c : cases) {
        CSettingsInstall install;
        install.File = "\\Setup\\setup.exe";
        install.When = c.when;
        install.WhenViewer = c.whenViewer;
        install.Version = c.version;
        install.FileExtension = "pdf";
        CTableLookups lookups;
        lookups.historyDone = c.historyDone;
        lookups.program = c.program;
        lookups.programVersion = c.programVersion;
        EXPECT_EQ(InstallIsNeeded(install, "Root.4", lookups), c.needed)
            << "When " << c.when << " WhenViewer " << c.whenViewer << " Version " << c.version << " program "
            << (c.program ? c.program : "none") << " " << (c.programVersion ? c.programVersion : "no version");
        if (c.when == 3) {
            EXPECT_EQ(lookups.askedExtension, "pdf");
        }
        if (!lookups.askedVersionOf.empty()) {
            EXPECT_EQ(lookups.askedVersionOf, reader);
        }
        EXPECT_TRUE(lookups.marked.empty()) << "deciding records nothing";
    }
}

TEST(InstallDecision, AnEmptyFileDoesNothing) {
    CSettingsInstall install;
    install.When = CSettingsInstall::kEveryTime;
    CTableLookups lookups;
    EXPECT_FALSE(InstallIsNeeded(install, "Root.4", lookups));
}

TEST(InstallDecision, InstallerPathAndWorkingDirectory) {
    struct Case {
        const char* root;
        const char* file;
        const char* path;
        const char* directory;
    };
    const Case cases[] = {
        {"D:", "\\Setup\\setup.exe", "D:\\Setup\\setup.exe", "D:\\Setup"},
        {"D:\\", "\\Setup\\setup.exe", "D:\\Setup\\setup.exe", "D:\\Setup"},
        {"Z:\\tmp\\disc", "\\setup.msi", "Z:\\tmp\\disc\\setup.msi", "Z:\\tmp\\disc"},
        {"", "\\setup.exe", "\\setup.exe", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(InstallerPath(c.root, c.file), c.path);
        EXPECT_EQ(InstallerWorkingDirectory(c.path), c.directory);
    }
}
