#pragma once
// Resource identifiers of the player's step dialogs: the splash window, the
// license agreement, the login and the install question.

#define IDD_SPLASH 300
#define IDD_LICENSE 301
#define IDD_PASSWORD 302
#define IDD_INSTALL_PROMPT 303

#define IDC_LICENSE_LABEL 1100
#define IDC_LICENSE_TEXT 1101
#define IDC_LICENSE_ACCEPT 1102
#define IDC_LICENSE_REJECT 1103

#define IDC_LOGIN_PROMPT 1110
#define IDC_LOGIN_USER_LABEL 1111
#define IDC_LOGIN_USER 1112
#define IDC_LOGIN_PASSWORD_LABEL 1113
#define IDC_LOGIN_PASSWORD 1114

#define IDC_INSTALL_ICON 1120
#define IDC_INSTALL_MESSAGE 1121

#define IDS_AGREEMENT_UNREADABLE 300
#define IDS_BROWSER_UNAVAILABLE 301
