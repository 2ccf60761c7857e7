#pragma once
// Scripted stand-ins for the sequencer's windows and actions: every step
// that would show something or start something writes a line to a log and
// answers from a script, so a whole walk can be checked as one run order.
#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "DiscSettings.h"
#include "records/SettingsButton.h"
#include "records/SettingsHtml.h"
#include "records/SettingsInstall.h"
#include "records/SettingsLaunch.h"
#include "records/SettingsLicense.h"
#include "records/SettingsSecurity.h"
#include "records/SettingsSplash.h"
#include "sequencer/StepSequencer.h"

struct LoginAnswer {
    bool entered = true;  // false: the user cancels
    std::string user;
    std::string password;
};

struct StepScript {
    std::map<std::string, bool> actionResults{};  // by action name; true when not listed
    std::deque<LoginAnswer> logins{};
    std::deque<INT_PTR> licenses{};
    // The buttons pressed, in order, each time the named menu opens.
    std::map<std::string, std::vector<std::string>> menuPresses{};
    std::set<std::string> menusWithoutWindow{};
    std::set<std::string> existingFiles{};
};

class CScriptedSteps;

class CScriptedMenuWindow : public IMenuWindow {
public:
    CScriptedMenuWindow(CScriptedSteps& steps, CSettingsHtml& menu, CStepSequencer& sequencer)
        : steps_(steps), menu_(menu), sequencer_(sequencer) {}
    ~CScriptedMenuWindow() override;
    INT_PTR RunModal() override;
    void Hide() override;
    void Show() override;
    void EndModal(INT_PTR result) override;
    HWND Handle() const override { return reinterpret_cast<HWND>(const_cast<CScriptedMenuWindow*>(this)); }
    const std::string& Name() const { return menu_.GetName(); }

private:
    CScriptedSteps& steps_;
    CSettingsHtml& menu_;
    CStepSequencer& sequencer_;
    bool ended_ = false;
    INT_PTR result_ = 0;
};

class CScriptedSteps : public IStepWindows, public IStepActions {
public:
    explicit CScriptedSteps(StepScript& script) : script_(script) {}

    void ShowSplash(const CSettingsSplash& splash) override { Log("splash " + splash.GetName()); }
    bool AskLogin(const CSettingsSecurity& login, std::string& user, std::string& password) override {
        Log("login " + login.GetName());
        if (script_.logins.empty()) return false;
        LoginAnswer answer = script_.logins.front();
        script_.logins.pop_front();
        user = answer.user;
        password = answer.password;
        return answer.entered;
    }
    void ShowAccessDenied() override { Log("access denied"); }
    INT_PTR ShowLicense(const CSettingsLicense& license) override {
        Log("license " + license.GetName());
        if (script_.licenses.empty()) return 2;
        INT_PTR answer = script_.licenses.front();
        script_.licenses.pop_front();
        return answer;
    }
    std::unique_ptr<IMenuWindow> CreateMenuWindow(CDiscSettings&, CSettingsHtml& menu,
                                                  CStepSequencer& sequencer) override {
        if (script_.menusWithoutWindow.count(menu.GetName())) return nullptr;
        return std::make_unique<CScriptedMenuWindow>(*this, menu, sequencer);
    }
    bool RunInstall(CSettingsInstall& install, const std::string& section, HWND parent,
                    CStepSequencer&) override {
        Log("install " + install.GetName() + " " + section + " parent " + ParentName(parent));
        return true;
    }
    bool RunAction(CSettingsLaunch& action, const std::string& section, HWND parent, bool disableParent,
                   bool noWait) override {
        Log("action " + action.GetName() + " " + section + " parent " + ParentName(parent) +
            (disableParent ? "" : " not disabling") + (noWait ? " no wait" : ""));
        auto found = script_.actionResults.find(action.GetName());
        return found == script_.actionResults.end() || found->second;
    }
    bool FileExists(const std::string& path) override { return script_.existingFiles.count(path) != 0; }

    void Log(const std::string& line) { log_.push_back(line); }
    std::vector<std::string> TakeLog() { return std::exchange(log_, {}); }
    const StepScript& Script() const { return script_; }

    void Opened(CScriptedMenuWindow* window) { open_.push_back(window); }
    void Closed(CScriptedMenuWindow* window) { std::erase(open_, window); }

private:
    std::string ParentName(HWND parent) const {
        if (!parent) return "none";
        for (CScriptedMenuWindow* window : open_) {
            if (window->Handle() == parent) return window->Name();
        }
        return "unknown";
    }

    StepScript& script_;
    std::vector<std::string> log_;
    std::vector<CScriptedMenuWindow*> open_;
};

inline CScriptedMenuWindow::~CScriptedMenuWindow() {
    steps_.Log("menu " + Name() + " destroyed");
    steps_.Closed(this);
}

inline INT_PTR CScriptedMenuWindow::RunModal() {
    steps_.Opened(this);
    steps_.Log("menu " + Name() + " open");
    auto presses = steps_.Script().menuPresses.find(Name());
    if (presses != steps_.Script().menuPresses.end()) {
        for (const std::string& caption : presses->second) {
            CSettingsButton* pressed = nullptr;
            for (const auto& record : menu_.Buttons()) {
                if (record->GetName() == caption) pressed = static_cast<CSettingsButton*>(record.get());
            }
            if (!pressed) continue;
            steps_.Log("press " + caption);
            EXPECT_EQ(sequencer_.HandleRunButtonMessage(*pressed, *this), 0);
            if (ended_) return result_;
        }
    }
    steps_.Log("menu " + Name() + " closed by user");
    return 2;
}

inline void CScriptedMenuWindow::Hide() { steps_.Log("menu " + Name() + " hidden"); }
inline void CScriptedMenuWindow::Show() { steps_.Log("menu " + Name() + " shown"); }
inline void CScriptedMenuWindow::EndModal(INT_PTR result) {
    steps_.Log("menu " + Name() + " ends with " + std::to_string(result));
    ended_ = true;
    result_ = result;
}

// Builders for step lists; each record is named for the log.
template <class Record>
Record& AddStep(CSettingsList& list, const std::string& name) {
    auto record = std::make_unique<Record>();
    record->SetName(name);
    Record& added = *record;
    list.Add(std::move(record), false);
    return added;
}

inline CSettingsLicense& AddLicense(CSettingsList& list, const std::string& name, std::int32_t display,
                                    const std::string& file = "\\License.txt") {
    CSettingsLicense& license = AddStep<CSettingsLicense>(list, name);
    license.Active = true;
    license.Display = display;
    license.File = file;
    return license;
}

inline CSettingsSecurity& AddLogin(CSettingsList& list, const std::string& name, std::int32_t frequency,
                                   const std::string& user = "Alice", const std::string& password = "Secret") {
    CSettingsSecurity& login = AddStep<CSettingsSecurity>(list, name);
    login.Active = true;
    login.Frequency = frequency;
    login.Username = user;
    login.Password = password;
    return login;
}

inline CSettingsLaunch& AddAction(CSettingsList& list, const std::string& name) {
    return AddStep<CSettingsLaunch>(list, name);
}

inline CSettingsHtml& AddMenu(CSettingsList& list, const std::string& name) { return AddStep<CSettingsHtml>(list, name); }

inline CSettingsButton& AddButton(CSettingsHtml& menu, const std::string& name, bool windowClose) {
    CSettingsButton& button = AddStep<CSettingsButton>(menu.Buttons(), name);
    button.WindowClose = windowClose;
    return button;
}
