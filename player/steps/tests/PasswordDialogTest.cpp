// The login dialog "Unlock CD", driven through its edits under Wine.
#include "login/PasswordDialog.h"

#include <gtest/gtest.h>

#include "StepTestSupport.h"
#include "steps/StepResources.h"

using namespace steptest;

TEST(PasswordDialog, ShowsTheEntriesItHoldsAndReturnsWhatWasTyped) {
    std::string user = "previous user";
    std::string password = "previous secret";
    std::string shownUser, shownPassword, prompt;
    LONG passwordStyle = 0;
    CDialogDriver driver([&](DWORD mainThread) {
        HWND dialog = WaitForThreadWindow(mainThread, "#32770", "Unlock CD");
        if (!dialog) return;
        prompt = ItemText(dialog, IDC_LOGIN_PROMPT);
        shownUser = ItemText(dialog, IDC_LOGIN_USER);
        shownPassword = ItemText(dialog, IDC_LOGIN_PASSWORD);
        passwordStyle = GetWindowLongA(GetDlgItem(dialog, IDC_LOGIN_PASSWORD), GWL_STYLE);
        SetDlgItemTextA(dialog, IDC_LOGIN_USER, "Alice ");
        SetDlgItemTextA(dialog, IDC_LOGIN_PASSWORD, "S3cret");
        Click(dialog, IDOK);
    });
    const bool answered = AskLoginEntries(user, password, nullptr);
    driver.Finish();
    EXPECT_TRUE(answered);
    EXPECT_EQ(prompt, "To unlock the CD please enter your username and password.");
    EXPECT_EQ(shownUser, "previous user");
    EXPECT_EQ(shownPassword, "previous secret");
    EXPECT_NE(passwordStyle & ES_PASSWORD, 0) << "the password is masked";
    // Nothing is trimmed.
    EXPECT_EQ(user, "Alice ");
    EXPECT_EQ(password, "S3cret");
}

TEST(PasswordDialog, CancelAndEscapeLeaveTheEntriesAsTheyWere) {
    for (bool escape : {false, true}) {
        std::string user = "kept";
        std::string password = "kept too";
        CDialogDriver driver([&](DWORD mainThread) {
            HWND dialog = WaitForThreadWindow(mainThread, "#32770", "Unlock CD");
            if (!dialog) return;
            SetDlgItemTextA(dialog, IDC_LOGIN_USER, "typed");
            if (escape) {
                PressKey(GetDlgItem(dialog, IDC_LOGIN_USER), VK_ESCAPE);
            } else {
                Click(dialog, IDCANCEL);
            }
            WaitForWindowGone(dialog, 5000);
        });
        EXPECT_FALSE(AskLoginEntries(user, password, nullptr));
        driver.Finish();
        EXPECT_EQ(user, "kept");
        EXPECT_EQ(password, "kept too");
    }
}
