// The build's checks on small projects, with the designer's own message
// texts read from its string table.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>

#include "BuildValidation.h"
#include "DiscSettings.h"
#include "NewProjects.h"
#include "records/SettingsButton.h"
#include "records/SettingsHtml.h"
#include "records/SettingsInstall.h"
#include "records/SettingsLaunch.h"
#include "records/SettingsSecurity.h"
#include "records/SettingsSplash.h"
#include "util/TextCase.h"

namespace {

std::string ReadSource(const std::string& name) {
    std::ifstream file(std::string(MENUWRIGHT_DESIGNER_SOURCE) + "/" + name, std::ios::binary);
    std::stringstream content;
    content << file.rdbuf();
    return content.str();
}

// The string table as the program has it: names from resource.h, texts
// from the resource script with its escapes undone.
const std::map<int, std::string>& StringTable() {
    static const std::map<int, std::string> table = [] {
        std::map<std::string, int> numbers;
        const std::string header = ReadSource("resource.h");
        const std::regex define(R"(#define (IDS_\w+) (\d+))");
        for (auto it = std::sregex_iterator(header.begin(), header.end(), define); it != std::sregex_iterator(); ++it) {
            numbers[(*it)[1]] = std::stoi((*it)[2]);
        }
        std::map<int, std::string> texts;
        std::istringstream script(ReadSource("Menuwright.rc"));
        const std::regex entry(R"re(^\s+(IDS_\w+)\s+"(.*)"\s*$)re");
        for (std::string line; std::getline(script, line);) {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            std::smatch match;
            if (!std::regex_match(line, match, entry) || !numbers.count(match[1])) continue;
            std::string text;
            const std::string raw = match[2];
            for (std::size_t i = 0; i < raw.size(); ++i) {
                if (raw[i] == '"' && i + 1 < raw.size() && raw[i + 1] == '"') {
                    text += '"';
                    ++i;
                } else if (raw[i] == '\\' && i + 1 < raw.size()) {
                    const char next = raw[++i];
                    text += next == 'n' ? '\n' : next == 't' ? '\t' : next;
                } else {
                    text += raw[i];
                }
            }
            texts[numbers[match[1]]] = text;
        }
        return texts;
    }();
    return table;
}

const MessageTexts kTexts = [](int id) {
    const auto found = StringTable().find(id);
    return found == StringTable().end() ? "(no string " + std::to_string(id) + ")" : found->second;
};

// A project directory as a list of stored names.
class ListedFiles : public IBuildFiles {
public:
    std::set<std::string> files;        // "\docs\guide.pdf", any case
    std::set<std::string> directories;  // "\docs"
    std::vector<std::pair<std::string, std::string>> listing;  // full path, name

    bool FileInProject(const std::string& name, bool rootOnly) override {
        if (rootOnly && name.find('\\', 1) != std::string::npos) return false;
        return files.count(Lower(name)) || directories.count(Lower(name));
    }
    bool DirectoryInProject(const std::string& name) override { return name == "\\" || directories.count(Lower(name)); }
    void ForEachFile(const FileVisitor& visit) override {
        for (const auto& [path, name] : listing) visit(path, name);
    }

private:
    static std::string Lower(std::string text) {
        for (char& c : text) c = char(std::tolower(static_cast<unsigned char>(c)));
        return text;
    }
};

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = text.find("\r\n", start);
        lines.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (end == std::string::npos) break;
        start = end + 2;
    }
    return lines;
}

template <class Record>
Record& AddStep(CSettingsList& list, const std::string& name = "") {
    auto record = std::make_unique<Record>();
    record->SetName(name);
    Record& added = *record;
    list.Add(std::move(record), false);
    return added;
}

CSettingsLaunch& AddAction(CSettingsList& list, int kind, const std::string& file) {
    auto& action = AddStep<CSettingsLaunch>(list);
    action.LaunchTypeV3 = kind;
    action.File = file;
    return action;
}

TEST(BuildValidation, TheSilentProjectExampleGivesItsLogLineByLine) {
    CDiscSettings project;
    project.AutorunType = CDiscSettings::kSilentDisc;
    GiveFirstSteps(project);
    static_cast<CSettingsSplash*>(project.RootList.FindByType(kSettingSplash))->Image = true;
    auto* login = static_cast<CSettingsSecurity*>(project.RootList.FindByType(kSettingSecurity));
    login->Active = true;
    login->Username = "reader";
    ListedFiles files;
    const BuildLog log = ValidateProject(project, files, kTexts);
    EXPECT_EQ(log.errors, 0);
    EXPECT_EQ(log.warnings, 4);
    const std::vector<std::string> expected = {
        "The AutoRun may not behave as you intended due to incomplete settings as described in the Build Log below.",
        "",
        "------------------------ Build Log Started ------------------------",
        "General->Icon...",
        "General->Driver Directories...",
        "Security...",
        "    WARNING: Username/Password option was selected but no username and/or password was specified.",
        "License...",
        "Splash...",
        "    WARNING: Splash image option was selected but no splash image was selected.",
        "Install...",
        "    WARNING: No installation file was selected.",
        "Open Document...",
        "    WARNING: No file to open was selected.",
        "------------------------ Build Log Completed ------------------------",
    };
    EXPECT_EQ(Lines(BuildReportText(log, kTexts)), expected);
    EXPECT_EQ(BuildSummaryText(log, kTexts), "Summary: 0 Errors and 4 Warnings were found.");
}

TEST(BuildValidation, OnlyFileNamesLongerThan108CharactersAreErrors) {
    CDiscSettings project;
    ListedFiles files;
    const std::string longest(108, 'a');
    const std::string tooLong(109, 'b');
    files.listing = {{"C:\\Disc\\" + longest, longest}, {"C:\\Disc\\Docs\\" + tooLong, tooLong}};
    const BuildLog log = ValidateProject(project, files, kTexts);
    EXPECT_EQ(log.errors, 1);
    EXPECT_EQ(Lines(log.text)[1],
              "    ERROR: Filename is too long (limit is 108 characters): C:\\Disc\\Docs\\" + tooLong);
}

TEST(BuildValidation, AddressesAreCheckedForTheirShape) {
    struct Case {
        int kind;
        const char* address;
        int errors;
    };
    const Case cases[] = {
        {kLaunchWebSite, "example.com", 0},  {kLaunchWebSite, ".example", 1}, {kLaunchWebSite, "example.", 1},
        {kLaunchWebSite, "localhost", 1},    {kLaunchEmail, "a@b.c", 0},      {kLaunchEmail, "@b.c", 1},
        {kLaunchEmail, "a.b@", 1},           {kLaunchEmail, "a@bc", 1},       {kLaunchEmail, "a@b.", 1},
    };
    for (const Case& c : cases) {
        CDiscSettings project;
        AddAction(project.RootList, c.kind, c.address);
        ListedFiles files;
        EXPECT_EQ(ValidateProject(project, files, kTexts).errors, c.errors) << c.address;
    }
}

TEST(BuildValidation, ClosingButtonsWithoutActionsAreWarnedAboutOnce) {
    for (int buttons : {1, 2, 3, 4}) {
        CDiscSettings project;
        auto& menu = AddStep<CSettingsHtml>(project.RootList, "AutoRun Menu");
        menu.ButtonUFile = "\\AutoRun\\Menu\\Buttons\\Up.bmp";
        menu.ButtonDFile = menu.ButtonFFile = menu.ButtonRFile = menu.ButtonUFile;
        menu.BackgroundType = CSettingsHtml::kSolidColor;
        for (int i = 0; i < buttons; ++i) AddStep<CSettingsButton>(menu.Buttons(), "Exit" + std::to_string(i)).WindowClose = true;
        ListedFiles files;
        files.files = {"\\autorun\\menu\\buttons\\up.bmp"};
        const BuildLog log = ValidateProject(project, files, kTexts);
        EXPECT_EQ(log.warnings, buttons >= 2 ? 1 : 0) << buttons;
        EXPECT_EQ(log.errors, 0) << log.text;
    }
}

TEST(BuildValidation, NestedMenusAreLoggedWithTheirPathAndTheirOwnChecks) {
    CDiscSettings project;
    auto& menu = AddStep<CSettingsHtml>(project.RootList, "AutoRun Menu");
    menu.MenuType = CSettingsHtml::kHtmlMenu;
    menu.Filename = "\\menu.htm";
    auto& help = AddStep<CSettingsButton>(menu.Buttons(), "Help");
    auto& inner = AddStep<CSettingsHtml>(help.Actions(), "AutoRun Menu");
    inner.MenuTitle = "";
    auto& open = AddStep<CSettingsButton>(inner.Buttons(), "Open");
    AddAction(open.Actions(), kLaunchOpenDocument, "\\Docs\\Guide.pdf");
    ListedFiles files;
    files.files = {"\\menu.htm"};
    const BuildLog log = ValidateProject(project, files, kTexts);
    const std::vector<std::string> expected = {
        "",
        "General->Icon...",
        "General->Driver Directories...",
        "AutoRun Menu...",
        "AutoRun Menu->Button: Help...",
        "AutoRun Menu->Button: Help->AutoRun Menu...",
        "    WARNING: The title for the AutoRun menu is empty.",
        "    ERROR: No background image was selected.",
        "    ERROR: One or more of the button images was not selected.",
        "AutoRun Menu->Button: Help->AutoRun Menu->Button: Open...",
        "AutoRun Menu->Button: Help->AutoRun Menu->Button: Open->Open Document...",
        "    ERROR: Required file was not found in the project directory.  (\\Docs\\Guide.pdf)",
    };
    EXPECT_EQ(Lines(log.text), expected) << "the HTML menu gets no picture checks, 357 comes once";
    EXPECT_EQ(log.errors, 3);
    EXPECT_EQ(log.warnings, 1);
}

TEST(BuildValidation, AButtonThatNeitherActsNorClosesIsAnError) {
    CDiscSettings project;
    auto& menu = AddStep<CSettingsHtml>(project.RootList, "AutoRun Menu");
    menu.MenuType = CSettingsHtml::kHtmlMenu;
    menu.Filename = "\\menu.htm";
    AddStep<CSettingsButton>(menu.Buttons(), "Nothing");
    auto& empty = AddStep<CSettingsHtml>(project.RootList, "Second");
    empty.MenuType = CSettingsHtml::kHtmlMenu;
    ListedFiles files;
    files.files = {"\\menu.htm"};
    const auto lines = Lines(ValidateProject(project, files, kTexts).text);
    EXPECT_EQ(lines[5], "    ERROR: Button has no actions and does not exit the menu.");
    EXPECT_EQ(lines[7], "    ERROR: No base file was selected.");
    EXPECT_EQ(lines[8], "    WARNING: The menu does not have any buttons defined.");
}

}  // namespace
