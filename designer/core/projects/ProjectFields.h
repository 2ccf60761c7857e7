#pragma once
// What the New Project and Edit Project dialogs share: the name and
// directory boxes with OK offered only while both hold something, and the
// folder chooser behind "Browse...".
#include <windows.h>

#include <string>

class CDiscSettings;

void EnableOkWhenNamed(HWND dialog);
// The author changed the directory or the type: what was built no longer is.
void ProjectFieldEdited(HWND dialog, CDiscSettings& project);
// The plain folder chooser; a chosen folder replaces the directory box.
void BrowseForProjectDirectory(HWND dialog);
// The trimmed text of a box.
std::string TrimmedItemText(HWND dialog, int id);
// OK: the trimmed name and directory go into the project; false (and
// nothing changed) while either is empty.
bool TakeNameAndDirectory(HWND dialog, CDiscSettings& project);
