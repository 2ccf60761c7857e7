#pragma once
// What the new project flow and Copy do to a project before the list takes
// it over.
#include <memory>
#include <string>

class CDiscSettings;
class CSettingsHtml;

// The first steps of a project from the New Project dialog: those of its
// type, and for a menu project the menu's one button "Exit", which closes
// the menu window and runs nothing.
void GiveFirstSteps(CDiscSettings& project, const std::string& exitCaption = "Exit");
void AddExitButton(CSettingsHtml& menu, const std::string& caption = "Exit");

// A project whose first install step names no installation file loses that
// step (a wizard left it empty).
void RemoveEmptyInstallStep(CDiscSettings& project);

// Copy of a project: every disc value and a deep copy of the steps, not built,
// with no information directory yet, named "Copy of ..." within 30
// characters.
std::unique_ptr<CDiscSettings> CopyProject(const CDiscSettings& original);
