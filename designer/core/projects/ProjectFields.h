#pragma once
// What the New Project and Edit Project dialogs share: the name and
// directory boxes with OK offered only while both hold something, and the
// folder chooser behind "Browse...".
#include <windows.h>

#include <string>

void EnableOkWhenNamed(HWND dialog);
// The plain folder chooser; a chosen folder replaces the directory box.
void BrowseForProjectDirectory(HWND dialog);
// The trimmed text of a box.
std::string TrimmedItemText(HWND dialog, int id);
