// The license agreement dialog, driven through its controls under Wine.
#include "license/LicenseDialog2.h"

#include <gtest/gtest.h>

#include "StepTestSupport.h"
#include "records/SettingsLicense.h"
#include "steps/StepResources.h"

using namespace steptest;

namespace {

const char kBuiltInLabel[] =
    "\nPlease read the following license agreement carefully. Use the scroll bar to view the entire agreement.";

CSettingsLicense License(const char* file = "\\License.txt") {
    CSettingsLicense license;
    license.Active = true;
    license.File = file;
    return license;
}

struct Observed {
    bool found = false;
    bool rejectSelectedAtStart = false;
    bool nextEnabledAtStart = true;
    bool nextEnabledAfterAccept = false;
    bool nextEnabledAfterReject = true;
    bool enterIgnoredWhileRejected = false;
    std::string title, label, text, accept, reject, next, cancel;
};

void ReadTexts(HWND dialog, Observed& seen) {
    seen.label = ItemText(dialog, IDC_LICENSE_LABEL);
    seen.text = ItemText(dialog, IDC_LICENSE_TEXT);
    seen.accept = ItemText(dialog, IDC_LICENSE_ACCEPT);
    seen.reject = ItemText(dialog, IDC_LICENSE_REJECT);
    seen.next = ItemText(dialog, IDOK);
    seen.cancel = ItemText(dialog, IDCANCEL);
}

}  // namespace

TEST(LicenseDialog, RejectThenAcceptEnablesNextAndAcceptingGivesOne) {
    CTempDisc disc;
    const std::string agreement = "Terms line one\r\nTerms line two\r\n";
    disc.Write("\\License.txt", agreement);
    const CSettingsLicense license = License();
    Observed seen;
    CDialogDriver driver([&](DWORD mainThread) {
        HWND dialog = WaitForThreadWindow(mainThread, "#32770", "License Agreement");
        if (!dialog) return;
        seen.found = true;
        seen.rejectSelectedAtStart = IsDlgButtonChecked(dialog, IDC_LICENSE_REJECT) == BST_CHECKED &&
                                     IsDlgButtonChecked(dialog, IDC_LICENSE_ACCEPT) != BST_CHECKED;
        seen.nextEnabledAtStart = IsWindowEnabled(GetDlgItem(dialog, IDOK));
        ReadTexts(dialog, seen);
        // Enter (the OK command) while rejected must not leave with 1.
        SendMessageA(dialog, WM_COMMAND, IDOK, 0);
        seen.enterIgnoredWhileRejected = IsWindowVisible(dialog) != FALSE;
        Click(dialog, IDC_LICENSE_ACCEPT);
        seen.nextEnabledAfterAccept = IsWindowEnabled(GetDlgItem(dialog, IDOK));
        Click(dialog, IDC_LICENSE_REJECT);
        seen.nextEnabledAfterReject = IsWindowEnabled(GetDlgItem(dialog, IDOK));
        Click(dialog, IDC_LICENSE_ACCEPT);
        Click(dialog, IDOK);
    });
    const INT_PTR result = ShowLicenseAgreement(license, disc.Root(), nullptr);
    driver.Finish();
    ASSERT_TRUE(seen.found);
    EXPECT_TRUE(seen.rejectSelectedAtStart);
    EXPECT_FALSE(seen.nextEnabledAtStart);
    EXPECT_TRUE(seen.enterIgnoredWhileRejected);
    EXPECT_TRUE(seen.nextEnabledAfterAccept);
    EXPECT_FALSE(seen.nextEnabledAfterReject);
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(seen.text, agreement);
    EXPECT_EQ(seen.label, kBuiltInLabel);
    EXPECT_EQ(seen.accept, "I accept the terms in the license agreement.");
    EXPECT_EQ(seen.reject, "I do not accept the terms in the license agreement.");
    EXPECT_EQ(seen.next, "&Next >>");
    EXPECT_EQ(seen.cancel, "&Cancel");
}

TEST(LicenseDialog, EscapeCancelAndCloseGiveTwoEvenAfterAccept) {
    CTempDisc disc;
    disc.Write("\\License.txt", "Terms");
    const CSettingsLicense license = License();
    enum Way { kEscape, kCancelButton, kCloseCommand };
    for (Way way : {kEscape, kCancelButton, kCloseCommand}) {
        bool found = false;
        CDialogDriver driver([&](DWORD mainThread) {
            HWND dialog = WaitForThreadWindow(mainThread, "#32770", "License Agreement");
            if (!dialog) return;
            found = true;
            Click(dialog, IDC_LICENSE_ACCEPT);
            if (way == kEscape) PressKey(GetDlgItem(dialog, IDC_LICENSE_ACCEPT), VK_ESCAPE);
            if (way == kCancelButton) Click(dialog, IDCANCEL);
            if (way == kCloseCommand) PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
            WaitForWindowGone(dialog, 5000);
        });
        const INT_PTR result = ShowLicenseAgreement(license, disc.Root(), nullptr);
        driver.Finish();
        EXPECT_TRUE(found);
        EXPECT_EQ(result, IDCANCEL) << "way " << way;
    }
}

TEST(LicenseDialog, CustomTextsShowExactlyAsStored) {
    CTempDisc disc;
    disc.Write("\\Docs\\Eula.rtf", std::string("{\\rtf1 Terms}\0hidden", 20));
    CSettingsLicense license = License("\\Docs\\Eula.rtf");
    license.CustomizeText = true;
    license.WindowTitle = "Lizenz";
    license.LabelText = "Bitte lesen";
    license.RadioAccept = "Ja";
    license.RadioReject = "Nein";
    license.NextButton = "";
    license.CancelButton = "Abbrechen";
    Observed seen;
    CDialogDriver driver([&](DWORD mainThread) {
        HWND dialog = WaitForThreadWindow(mainThread, "#32770", "Lizenz");
        if (!dialog) return;
        seen.found = true;
        ReadTexts(dialog, seen);
        Click(dialog, IDCANCEL);
    });
    EXPECT_EQ(ShowLicenseAgreement(license, disc.Root(), nullptr), IDCANCEL);
    driver.Finish();
    ASSERT_TRUE(seen.found);
    EXPECT_EQ(seen.label, "Bitte lesen");
    EXPECT_EQ(seen.text, "{\\rtf1 Terms}");
    EXPECT_EQ(seen.accept, "Ja");
    EXPECT_EQ(seen.reject, "Nein");
    EXPECT_EQ(seen.next, "");
    EXPECT_EQ(seen.cancel, "Abbrechen");
}

TEST(LicenseDialog, RecordTextsAreIgnoredWithoutCustomizeText) {
    CTempDisc disc;
    disc.Write("\\License.txt", "Terms");
    CSettingsLicense license = License();
    license.WindowTitle = "Lizenz";
    license.NextButton = "Weiter";
    std::string next;
    CDialogDriver driver([&](DWORD mainThread) {
        HWND dialog = WaitForThreadWindow(mainThread, "#32770", "License Agreement");
        if (!dialog) return;
        next = ItemText(dialog, IDOK);
        Click(dialog, IDCANCEL);
    });
    ShowLicenseAgreement(license, disc.Root(), nullptr);
    driver.Finish();
    EXPECT_EQ(next, "&Next >>");
}

TEST(LicenseDialog, AgreementThatCannotBeOpenedIsReportedAndRefused) {
    CTempDisc disc;
    disc.Write("\\License.txt", "Terms");
    // Another program holds the file open without sharing it.
    HANDLE lock = CreateFileA(disc.Path("\\License.txt").c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    const CSettingsLicense license = License();
    std::string reported;
    bool agreementShown = false;
    CDialogDriver driver([&](DWORD mainThread) {
        HWND box = WaitForThreadWindow(mainThread, "#32770", nullptr);
        if (!box) return;
        agreementShown = WindowText(box) == "License Agreement";
        reported = MessageBoxText(box);
        Click(box, IDOK);
    });
    const INT_PTR result = ShowLicenseAgreement(license, disc.Root(), nullptr);
    driver.Finish();
    CloseHandle(lock);
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_FALSE(agreementShown);
    EXPECT_EQ(reported,
              "The license agreement could not be read from the disc.\n\nAutoRun cannot continue without your "
              "agreement.");
}
