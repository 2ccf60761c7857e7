#pragma once
// Resource identifiers of the menu window, shared by the player and the
// designer's preview: dialogs 200-299, controls 1000-1099.

#define IDD_AUTORUN_MENU 200

/* The window title of a menu that names none. */
#define IDS_MENU_DEFAULT_TITLE 290

#define IDC_MENU_TITLE 1000
#define IDC_MENU_LOGO 1001
#define IDC_MENU_BUTTON_FIRST 1002  /* twelve buttons, 1002 to 1013 */
#define IDC_MENU_BUTTON_LAST 1013
#define IDC_MENU_IMAGE 1014
#define IDC_MENU_CLOSE 1015
#define IDC_MENU_SUBTITLE 1016
#define IDC_MENU_BROWSER 1017  /* the HTML menu's browser control, made by its host */
