#pragma once
// The designer as an author installs it, in a fresh directory of its own:
// Menuwright.exe with the player as "Autorun.bin" and the sounds beside it.
// New projects are proposed below the directory (the registry value the
// designer reads for that is put back as it was at the end). Also reading
// the step tree of the running designer, which lives in another process.
#include <windows.h>

#include <string>
#include <vector>

#include "E2eHarness.h"

namespace designer_e2e {

class DesignerDirectory {
public:
    DesignerDirectory();
    ~DesignerDirectory();
    DesignerDirectory(const DesignerDirectory&) = delete;
    DesignerDirectory& operator=(const DesignerDirectory&) = delete;

    const std::string& Root() const { return disc_.Root(); }
    std::string Path(const std::string& relative) const { return disc_.Path(relative); }
    // Where new project directories are proposed ("ImageBaseDir").
    std::string ImageBase() const { return Path("Images\\"); }
    void WriteFile(const std::string& relative, const std::string& bytes) const { disc_.WriteFile(relative, bytes); }

    // A list file with the projects (name and information directory) and,
    // for each, a settings file holding one menu with one button "Exit".
    void WriteProjects(const std::vector<std::string>& names, int current = 1) const;
    // The settings file of a project written by WriteProjects.
    std::string ProjectSettings(const std::string& name) const { return Path("ProjectsV3\\" + name + "\\Settings.ini"); }

    e2e::RunningProgram Start() const;

private:
    e2e::FixtureDisc disc_;
    std::string previousImageBase_;
    bool hadImageBase_ = false;
};

// The main window once start-up is done (the splash is gone).
HWND WaitForMainWindow(const e2e::RunningProgram& designer);
HWND WaitForDialog(const e2e::RunningProgram& designer, const char* title);

// The tree of the designer's step pane, one line per node in display order,
// indented by two blanks per level.
std::vector<std::string> TreeLines(HWND tree);
std::string SelectedTreeText(HWND tree);
// Waits until the tree shows these lines.
bool TreeShows(HWND tree, const std::vector<std::string>& expected);
// Selects the node whose text matches, as a click would.
bool SelectTreeNode(HWND tree, const std::string& text);
HWND StepTree(HWND mainWindow);
HWND FindControl(HWND mainWindow, int id);

// A control of the shown form, waited for while the form is being made.
HWND FormItem(HWND mainWindow, int id);
// Adds an action of the kind named by its entry after the selected step,
// through the Add Action dialog.
void AddActionNamed(const e2e::RunningProgram& designer, HWND mainWindow, const char* entry);

std::string ReadIni(const std::string& file, const std::string& section, const std::string& key);

// Ends the designer through its close box, answering No to the question
// about building first; true when the process ended.
bool CloseDesigner(e2e::RunningProgram& designer, HWND mainWindow);

}  // namespace designer_e2e
