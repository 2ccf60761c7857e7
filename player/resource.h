#pragma once
// Resource identifiers of the player.

#define IDI_AUTORUN 128

#define IDD_ABOUT_AUTORUN 201
#define IDC_ABOUT_ICON 1020
// The system menu's About command.
#define IDM_ABOUT_AUTORUN 16

// Messages, numbered as the system's message list numbers them.
#define IDS_ABOUT_AUTORUN 101
#define IDS_ACCESS_DENIED 103
#define IDS_BASE_FILE_MISSING 106
#define IDS_NOT_INSTALLED 107
#define IDS_DISC_INCOMPLETE 110
#define IDS_CANNOT_CONTINUE 111
#define IDS_AUTORUN 113

#define IDS_APP_TITLE 57344
