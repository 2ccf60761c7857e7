#pragma once
// Help opens the designer's help file "Menuwright.chm" through the HTML Help
// library, loaded when help is first asked for. Without the file or the
// library help does nothing: there is nothing useful to tell the author.
#include <windows.h>

#include <string>

void SetDesignerHelpFile(const std::string& path);
// The topic with the context number; 0 opens nothing.
void ShowHelpTopic(HWND owner, int context);
void ShowHelpContents(HWND owner);
// Closes open help windows and releases the library (at program end).
void CloseDesignerHelp();
