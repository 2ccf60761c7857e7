#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

#include "ProjectList.h"
#include "records/SettingsHtml.h"
#ifdef _WIN32
#include "SystemProjectFiles.h"
#endif

namespace {

namespace fs = std::filesystem;

// The standard library's file system natively; under Wine the designer's
// own implementation on the system utilities.
class CNativeProjectFiles : public IProjectFiles {
public:
    bool IsDirectory(const std::string& path) override { return fs::is_directory(path); }
    bool FileExists(const std::string& path) override { return fs::exists(path); }
    bool CreateDirectoryPath(const std::string& path) override {
        std::error_code error;
        fs::create_directories(path, error);
        return fs::is_directory(path);
    }
    bool CreateEmptyFile(const std::string& path) override {
        return bool(std::ofstream(path, std::ios::binary | std::ios::trunc));
    }
    bool DeleteDirectoryTree(const std::string& path) override {
        std::error_code error;
        return fs::remove_all(path, error) > 0;
    }
};

#ifdef _WIN32
using CPlatformProjectFiles = CSystemProjectFiles;
#else
using CPlatformProjectFiles = CNativeProjectFiles;
#endif

// Notes every delete before the platform carries it out.
class CRecordingProjectFiles : public CPlatformProjectFiles {
public:
    std::vector<std::string> deleted;
    bool DeleteDirectoryTree(const std::string& path) override {
        deleted.push_back(path);
        return CPlatformProjectFiles::DeleteDirectoryTree(path);
    }
};

class ProjectList : public testing::Test {
protected:
    void SetUp() override {
        std::random_device seed;
        designer_ = fs::temp_directory_path() / ("mw-designer-" + std::to_string(seed()));
        fs::create_directories(designer_);
    }
    void TearDown() override { fs::remove_all(designer_); }

    std::unique_ptr<CProjectList> MakeList() {
        return std::make_unique<CProjectList>(designer_.string(), files_, [this](int id, const std::string& argument) {
            reports_.push_back(std::to_string(id) + " " + argument);
        });
    }
    static std::unique_ptr<CDiscSettings> Project(const std::string& name) {
        auto project = std::make_unique<CDiscSettings>();
        project->ProjectName = name;
        project->TargetDir = "C:\\My CD Images\\" + name;
        project->CreateDefaultSteps();
        return project;
    }
    static std::string Read(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    fs::path designer_;
    CRecordingProjectFiles files_;
    std::vector<std::string> reports_;
};

TEST_F(ProjectList, AFirstStartMakesTheBaseAndAnEmptyList) {
    auto list = MakeList();
    ASSERT_TRUE(list->Load());
    EXPECT_TRUE(fs::is_directory(designer_ / "ProjectsV3"));
    EXPECT_TRUE(fs::exists(designer_ / "ProjectsV3" / "Projects.ini"));
    EXPECT_TRUE(list->Projects().empty());
    EXPECT_EQ(list->Current(), nullptr);
}

TEST_F(ProjectList, ProjectsSurviveARestartWithTheirStepsAndTheCurrentOne) {
    {
        auto list = MakeList();
        ASSERT_TRUE(list->Load());
        CDiscSettings& first = list->Add(Project("a|b?"));
        EXPECT_EQ(first.InfoDirName, "a_b");
        EXPECT_TRUE(fs::exists(designer_ / "ProjectsV3" / "a_b" / "Settings.ini"));
        CDiscSettings& second = list->Add(Project("Demo"));
        ASSERT_TRUE(list->Save());
        first.SaveAll();
        second.SaveAll();
        list->SetCurrent(&second);
        EXPECT_EQ(list->NextDiscNumber(), 1);
        EXPECT_EQ(list->NextDiscNumber(), 2);
    }
    auto list = MakeList();
    ASSERT_TRUE(list->Load());
    ASSERT_EQ(list->Projects().size(), 2u);
    EXPECT_EQ(list->Projects()[0]->ProjectName, "a|b?");
    ASSERT_NE(list->Current(), nullptr);
    EXPECT_EQ(list->Current()->ProjectName, "Demo");
    EXPECT_EQ(list->Current()->Index, 2);
    EXPECT_EQ(list->DiscNumberCounter(), 2);
    EXPECT_EQ(list->Current()->RootList.Count(), 1);  // the menu of a new menu project
    EXPECT_TRUE(reports_.empty());
}

TEST_F(ProjectList, ARenamedProjectsDirectoryIsNeverGivenToANewProject) {
    auto list = MakeList();
    ASSERT_TRUE(list->Load());
    CDiscSettings& renamed = list->Add(Project("Demo"));
    renamed.SaveAll();
    const std::string before = Read(renamed.GetFileName());
    renamed.ProjectName = "Holiday";  // Edit Project keeps the directory "Demo"
    CDiscSettings& fresh = list->Add(Project("Demo"));
    EXPECT_EQ(fresh.InfoDirName, "Demo1");
    EXPECT_EQ(Read(renamed.GetFileName()), before);
}

TEST_F(ProjectList, NamesAreTakenInAnyCaseExceptByTheProjectItself) {
    auto list = MakeList();
    ASSERT_TRUE(list->Load());
    CDiscSettings& demo = list->Add(Project("Demo"));
    EXPECT_TRUE(list->IsNameTaken("DEMO"));
    EXPECT_FALSE(list->IsNameTaken("demo", &demo));
    EXPECT_FALSE(list->IsNameTaken("Other"));
}

TEST_F(ProjectList, DeletingRemovesOnlyTheProjectsOwnDirectory) {
    auto list = MakeList();
    ASSERT_TRUE(list->Load());
    CDiscSettings& keep = list->Add(Project("Keep"));
    CDiscSettings& gone = list->Add(Project("Gone"));
    list->Save();
    list->SetCurrent(&gone);
    EXPECT_TRUE(list->Delete(&gone));
    EXPECT_FALSE(fs::exists(designer_ / "ProjectsV3" / "Gone"));
    EXPECT_TRUE(fs::exists(designer_ / "ProjectsV3" / "Keep" / "Settings.ini"));
    EXPECT_EQ(list->Current(), nullptr);
    ASSERT_EQ(list->Projects().size(), 1u);
    EXPECT_EQ(list->Projects()[0].get(), &keep);
}

TEST_F(ProjectList, ADamagedListNeverDeletesTheBaseOrAnythingOutsideIt) {
    fs::create_directories(designer_ / "ProjectsV3" / "Real");
    std::ofstream(designer_ / "ProjectsV3" / "Projects.ini", std::ios::binary)
        << "[1]\r\nName=Dot\r\nDirectory=.\r\n[2]\r\nName=Up\r\nDirectory=..\r\n"
           "[3]\r\nName=Deeper\r\nDirectory=Real/../..\r\n[4]\r\nName=Drive\r\nDirectory=C:\\\r\n";
    auto list = MakeList();
    ASSERT_TRUE(list->Load());
    ASSERT_EQ(list->Projects().size(), 4u);
    std::vector<const CDiscSettings*> projects;
    for (const auto& project : list->Projects()) projects.push_back(project.get());
    for (const CDiscSettings* project : projects) EXPECT_FALSE(list->Delete(project)) << project->ProjectName;
    EXPECT_EQ(list->Projects().size(), 4u);
    EXPECT_EQ(reports_.size(), 4u);
    EXPECT_TRUE(files_.deleted.empty());
    EXPECT_TRUE(fs::is_directory(designer_ / "ProjectsV3" / "Real"));
    ASSERT_FALSE(reports_.empty());
    EXPECT_EQ(reports_.back().substr(0, 4), std::to_string(kMessageUnsafeProjectDirectory));
}

TEST_F(ProjectList, AnEntryWithoutDirectoryIsReportedAndSkipped) {
    fs::create_directories(designer_ / "ProjectsV3");
    std::ofstream(designer_ / "ProjectsV3" / "Projects.ini", std::ios::binary)
        << "[General]\r\nCurrent=3\r\n[1]\r\nName=Broken\r\n[2]\r\nName=Fine\r\nDirectory=Fine\r\n"
           "[3]\r\nName=Chosen\r\nDirectory=Chosen\r\n";
    auto list = MakeList();
    ASSERT_TRUE(list->Load());
    ASSERT_EQ(list->Projects().size(), 2u);
    EXPECT_EQ(reports_, std::vector<std::string>{"142 Broken"});
    ASSERT_NE(list->Current(), nullptr);
    EXPECT_EQ(list->Current()->ProjectName, "Chosen");
}

TEST_F(ProjectList, AnOlderProjectsDirectoryIsBroughtOverOnTheFirstStart) {
    const fs::path older = designer_ / "Projects";
    fs::create_directories(older / "Old");
    std::ofstream(older / "Projects.ini", std::ios::binary)
        << "[General]\r\nCdID=12\r\n[1]\r\nName=Old One\r\nDirectory=Old\r\n";
    std::ofstream(older / "Old" / "Settings.ini", std::ios::binary)
        << "[General]\r\nVersion=3\r\nAppVersion=3\r\nAutorunType=2\r\nTargetDir=C:\\Discs\\Old\r\n"
           "[Root]\r\nSettingsCount=1\r\n[Root.1]\r\nSettingType=6\r\nName=Main\r\n";
    auto list = MakeList();
    ASSERT_TRUE(list->Load());
    ASSERT_EQ(list->Projects().size(), 1u);
    const CDiscSettings& project = *list->Projects()[0];
    EXPECT_EQ(project.ProjectName, "Old One");
    EXPECT_EQ(project.TargetDir, "C:\\Discs\\Old");
    EXPECT_EQ(list->DiscNumberCounter(), 12);
    EXPECT_TRUE(fs::exists(designer_ / "ProjectsV3" / "Old" / "Settings.ini"));
    EXPECT_NE(Read(designer_ / "ProjectsV3" / "Old" / "Settings.ini").find("Main"), std::string::npos);

    auto again = MakeList();
    ASSERT_TRUE(again->Load());
    ASSERT_EQ(again->Projects().size(), 1u);
    EXPECT_EQ(again->Projects()[0]->RootList.Count(), 1);
    EXPECT_EQ(again->Projects()[0]->InfoBaseDir, (designer_ / "ProjectsV3").string());
}

}  // namespace
