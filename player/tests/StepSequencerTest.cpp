#include <gtest/gtest.h>

#include <functional>

#include "ScriptedSteps.h"
#include "history/DiscHistory.h"

namespace {

using Lines = std::vector<std::string>;

const char kDiscRoot[] = "D:\\Disc";
const char kDiscNumber[] = "4711";
const std::string kDiscKey = "SOFTWARE\\Fernhollow Software\\Menuwright\\4711\\";

struct WalkCase {
    const char* label;
    std::function<void(CSettingsList&)> build;
    StepScript script;
    // One run order per run of the same disc on the same computer.
    std::vector<Lines> runs;
    bool lastRunResult;
    Lines history;  // "<key>|<value name>" of every entry written
};

StepScript WithLicenseFile(StepScript script) {
    script.existingFiles.insert(std::string(kDiscRoot) + "\\License.txt");
    return script;
}

std::vector<WalkCase> Cases() {
    std::vector<WalkCase> cases;

    cases.push_back({"first-time license, menu, action: asked once",
                     [](CSettingsList& root) {
                         AddLicense(root, "License", CSettingsLicense::kFirstTimeOnly);
                         AddMenu(root, "Main");
                         AddAction(root, "After");
                     },
                     WithLicenseFile({.licenses = {1}}),
                     {{"license License", "menu Main open", "menu Main closed by user", "menu Main destroyed",
                       "action After Root.3 parent none"},
                      {"menu Main open", "menu Main closed by user", "menu Main destroyed",
                       "action After Root.3 parent none"}},
                     true,
                     {kDiscKey + "License|Root.1"}});

    cases.push_back({"rejected license stops everything and records nothing",
                     [](CSettingsList& root) {
                         AddLicense(root, "License", CSettingsLicense::kFirstTimeOnly);
                         AddMenu(root, "Main");
                         AddAction(root, "After");
                     },
                     WithLicenseFile({.licenses = {2}}),
                     {{"license License"}},
                     false,
                     {}});

    cases.push_back({"license shown every time is asked on every run",
                     [](CSettingsList& root) {
                         AddLicense(root, "License", CSettingsLicense::kEveryTime);
                         AddAction(root, "After");
                     },
                     WithLicenseFile({.licenses = {1, 1}}),
                     {{"license License", "action After Root.2 parent none"},
                      {"license License", "action After Root.2 parent none"}},
                     true,
                     {}});

    cases.push_back({"license whose file is missing or empty is skipped and not recorded",
                     [](CSettingsList& root) {
                         AddLicense(root, "Missing", CSettingsLicense::kFirstTimeOnly, "\\Gone.txt");
                         AddLicense(root, "Empty", CSettingsLicense::kFirstTimeOnly, "");
                         AddLicense(root, "Inactive", CSettingsLicense::kFirstTimeOnly).Active = false;
                         AddAction(root, "After");
                     },
                     WithLicenseFile({}),
                     {{"action After Root.4 parent none"}},
                     true,
                     {}});

    cases.push_back({"window-closing button whose message is answered No: hidden, shown again, stays open",
                     [](CSettingsList& root) {
                         CSettingsHtml& menu = AddMenu(root, "Main");
                         AddAction(AddButton(menu, "Ask", true).Actions(), "Question");
                         AddAction(root, "After");
                     },
                     {.actionResults = {{"Question", false}}, .menuPresses = {{"Main", {"Ask"}}}},
                     {{"menu Main open", "press Ask", "menu Main hidden", "action Question Root.1.1.1 parent Main",
                       "menu Main shown", "menu Main closed by user", "menu Main destroyed",
                       "action After Root.2 parent none"}},
                     true,
                     {}});

    cases.push_back({"window-closing button whose actions succeed closes the menu, the list goes on",
                     [](CSettingsList& root) {
                         CSettingsHtml& menu = AddMenu(root, "Main");
                         CSettingsButton& button = AddButton(menu, "Go", true);
                         AddAction(button.Actions(), "First");
                         AddAction(button.Actions(), "Second");
                         AddButton(menu, "Never", false);
                         AddAction(root, "After");
                     },
                     {.menuPresses = {{"Main", {"Go", "Never"}}}},
                     {{"menu Main open", "press Go", "menu Main hidden", "action First Root.1.1.1 parent Main",
                       "action Second Root.1.1.2 parent Main", "menu Main ends with 1", "menu Main destroyed",
                       "action After Root.2 parent none"}},
                     true,
                     {}});

    cases.push_back({"a failing action skips the rest of its button; the menu stays as it was",
                     [](CSettingsList& root) {
                         CSettingsHtml& menu = AddMenu(root, "Main");
                         CSettingsButton& button = AddButton(menu, "Run", false);
                         AddAction(button.Actions(), "Fails");
                         AddAction(button.Actions(), "Skipped");
                         AddAction(AddButton(menu, "Other", false).Actions(), "Runs");
                     },
                     {.actionResults = {{"Fails", false}}, .menuPresses = {{"Main", {"Run", "Other"}}}},
                     {{"menu Main open", "press Run", "action Fails Root.1.1.1 parent Main", "press Other",
                       "action Runs Root.1.2.1 parent Main", "menu Main closed by user", "menu Main destroyed"}},
                     true,
                     {}});

    cases.push_back({"a submenu hides the outer menu until it closes",
                     [](CSettingsList& root) {
                         CSettingsHtml& menu = AddMenu(root, "Main");
                         CSettingsButton& more = AddButton(menu, "More", false);
                         CSettingsHtml& sub = AddMenu(more.Actions(), "Sub");
                         AddAction(AddButton(sub, "Deep", false).Actions(), "DeepAction");
                         AddAction(more.Actions(), "AfterSub");
                     },
                     {.menuPresses = {{"Main", {"More"}}, {"Sub", {"Deep"}}}},
                     {{"menu Main open", "press More", "menu Main hidden", "menu Sub open", "press Deep",
                       "action DeepAction Root.1.1.1.1.1 parent Sub", "menu Sub closed by user",
                       "menu Sub destroyed", "menu Main shown", "action AfterSub Root.1.1.2 parent Main",
                       "menu Main closed by user", "menu Main destroyed"}},
                     true,
                     {}});

    cases.push_back({"a menu that cannot be made is skipped",
                     [](CSettingsList& root) {
                         AddMenu(root, "Broken");
                         AddAction(root, "After");
                     },
                     {.menusWithoutWindow = {"Broken"}},
                     {{"action After Root.2 parent none"}},
                     true,
                     {}});

    cases.push_back({"login every time asks on every run",
                     [](CSettingsList& root) {
                         AddLogin(root, "Login", CSettingsSecurity::kEveryTime);
                         AddAction(root, "After");
                     },
                     {.logins = {{true, "Alice", "Secret"}, {true, "Alice", "Secret"}}},
                     {{"login Login", "action After Root.2 parent none"},
                      {"login Login", "action After Root.2 parent none"}},
                     true,
                     {}});

    cases.push_back({"login first time only asks once per computer and disc",
                     [](CSettingsList& root) {
                         AddLogin(root, "Login", CSettingsSecurity::kFirstTimeOnly);
                         AddAction(root, "After");
                     },
                     {.logins = {{true, "Alice", "Secret"}}},
                     {{"login Login", "action After Root.2 parent none"}, {"action After Root.2 parent none"}},
                     true,
                     {kDiscKey + "Security|Root.1"}});

    cases.push_back({"wrong pairs are denied until a matching one; the user name ignores case",
                     [](CSettingsList& root) {
                         AddLogin(root, "Login", CSettingsSecurity::kEveryTime);
                         AddAction(root, "After");
                     },
                     {.logins = {{true, "Alice", "secret"}, {true, "Bob", "Secret"}, {true, "aLICE", "Secret"}}},
                     {{"login Login", "access denied", "login Login", "access denied", "login Login",
                       "action After Root.2 parent none"}},
                     true,
                     {}});

    cases.push_back({"cancelled login stops at once and records nothing",
                     [](CSettingsList& root) {
                         AddLogin(root, "Login", CSettingsSecurity::kFirstTimeOnly);
                         AddAction(root, "After");
                     },
                     {.logins = {{true, "x", "y"}, {false, "", ""}}},
                     {{"login Login", "access denied", "login Login"}},
                     false,
                     {}});

    cases.push_back({"login without a user name asks nothing but counts as done",
                     [](CSettingsList& root) {
                         AddLogin(root, "NoUser", CSettingsSecurity::kFirstTimeOnly, "");
                         AddLogin(root, "Inactive", CSettingsSecurity::kFirstTimeOnly).Active = false;
                         AddAction(root, "After");
                     },
                     {},
                     {{"action After Root.3 parent none"}},
                     true,
                     {kDiscKey + "Security|Root.1"}});

    cases.push_back({"a failing root action ends the list",
                     [](CSettingsList& root) {
                         AddAction(root, "Fails");
                         AddAction(root, "Never");
                     },
                     {.actionResults = {{"Fails", false}}},
                     {{"action Fails Root.1 parent none"}},
                     false,
                     {}});

    cases.push_back({"splash, install and skipped kinds never stop the list",
                     [](CSettingsList& root) {
                         AddStep<CSettingsSplash>(root, "Silent");
                         AddStep<CSettingsSplash>(root, "Sound").Sound = true;
                         AddStep<CSettingsInstall>(root, "Setup");
                         AddStep<CSettingsButton>(root, "Stray");
                         CSettingsHtml& menu = AddMenu(root, "Main");
                         AddStep<CSettingsInstall>(AddButton(menu, "Install", false).Actions(), "Reader");
                         AddAction(root, "After");
                     },
                     {.menuPresses = {{"Main", {"Install"}}}},
                     {{"splash Sound", "install Setup Root.3 parent none", "menu Main open", "press Install",
                       "install Reader Root.5.1.1 parent Main", "menu Main closed by user", "menu Main destroyed",
                       "action After Root.6 parent none"}},
                     true,
                     {}});

    return cases;
}

TEST(StepSequencer, WalksRootListsAsTheirStepsAnswer) {
    for (WalkCase& c : Cases()) {
        CDiscSettings disc;
        disc.CdID = kDiscNumber;
        c.build(disc.RootList);
        CMemoryHistoryStore history;
        CScriptedSteps steps(c.script);
        bool result = true;
        for (size_t run = 0; run < c.runs.size(); ++run) {
            CStepSequencer sequencer(disc, kDiscRoot, steps, steps, history);
            result = sequencer.Run(disc.RootList);
            EXPECT_EQ(sequencer.MenuDepth(), 0u) << c.label;
            EXPECT_EQ(steps.TakeLog(), c.runs[run]) << c.label << ", run " << run + 1;
        }
        EXPECT_EQ(result, c.lastRunResult) << c.label;
        Lines written;
        for (const auto& [entry, data] : history.Entries()) {
            written.push_back(entry);
            EXPECT_EQ(data, "1") << c.label;
        }
        EXPECT_EQ(written, c.history) << c.label;
    }
}

TEST(StepSequencer, ANewDiscNumberStartsWithAnEmptyHistory) {
    CDiscSettings disc;
    disc.CdID = "1";
    AddLicense(disc.RootList, "License", CSettingsLicense::kFirstTimeOnly);
    StepScript script = WithLicenseFile({.licenses = {1, 1}});
    CScriptedSteps steps(script);
    CMemoryHistoryStore history;
    CStepSequencer(disc, kDiscRoot, steps, steps, history).Run(disc.RootList);
    disc.CdID = "2";
    CStepSequencer(disc, kDiscRoot, steps, steps, history).Run(disc.RootList);
    EXPECT_EQ(steps.TakeLog(), (Lines{"license License", "license License"}));
}

TEST(StepSequencer, OnlyTheValueOneCountsAsDone) {
    CMemoryHistoryStore history;
    EXPECT_FALSE(history.IsDone("9", kHistoryLicense, "Root.1", ""));
    history.MarkDone("9", kHistoryLicense, "Root.1", "");
    EXPECT_TRUE(history.IsDone("9", kHistoryLicense, "Root.1", ""));
    EXPECT_FALSE(history.IsDone("9", kHistoryLicense, "Root.2", ""));
    EXPECT_FALSE(history.IsDone("9", kHistorySecurity, "Root.1", ""));
}

TEST(DiscHistoryLayout, PlacesEntriesBelowTheDiscNumberAndStepClass) {
    struct Case { const char* stepClass; const char* section; const char* file; const char* key; const char* value; };
    const Case cases[] = {
        {"License", "Root.2", "ignored", "SOFTWARE\\Fernhollow Software\\Menuwright\\77\\License", "Root.2"},
        {"Security", "Root.1", "", "SOFTWARE\\Fernhollow Software\\Menuwright\\77\\Security", "Root.1"},
        {"Install", "Root.3", "#Setup#setup.exe", "SOFTWARE\\Fernhollow Software\\Menuwright\\77\\Install\\Root.3",
         "#Setup#setup.exe"},
    };
    for (const Case& c : cases) {
        const HistoryEntryPlace place = HistoryPlaceFor("77", c.stepClass, c.section, c.file);
        EXPECT_EQ(place.keyPath, c.key);
        EXPECT_EQ(place.valueName, c.value);
    }
    EXPECT_EQ(HistoryInstallValueName("\\Setup\\setup.exe"), "#Setup#setup.exe");
}

}  // namespace
