#include <gtest/gtest.h>

#include "LaunchKinds.h"

namespace {

CSettingsLaunch ActionOfKind(int kind) {
    CSettingsLaunch action;
    action.LaunchTypeV3 = kind;
    return action;
}

LaunchFormValues EverythingTicked() {
    LaunchFormValues values;
    values.mainField = "  \\Docs\\Guide.pdf  ";
    values.parameters = " /quiet ";
    values.maximize = true;
    values.wait = true;
    return values;
}

TEST(LaunchKinds, EachKindShowsItsControlsAndKeepsOnlyTheOptionsItShows) {
    struct Case {
        int kind;
        const char* label;
        const char* button;
        bool editable;
        bool options;
        bool savesMaximize;
        bool savesWait;
    };
    const Case cases[] = {
        {101, "Filename on disc:", "Browse...", false, true, true, true},
        {102, "Web site address:", "", true, false, false, false},
        {103, "Email address:", "", true, false, false, false},
        {104, "Directory on disc:", "Browse...", false, true, true, false},
        {105, "Message text:", "Edit...", true, false, false, false},
        {106, "Application on disc:", "Browse...", false, true, true, true},
        {107, "Application name:", "", true, true, true, true},
        {108, "Filename on disc:", "Browse...", false, false, false, false},
    };
    for (const Case& c : cases) {
        const LaunchKindLayout& layout = LayoutForKind(c.kind);
        EXPECT_STREQ(layout.mainLabel, c.label) << c.kind;
        EXPECT_STREQ(layout.ButtonText(), c.button) << c.kind;
        EXPECT_EQ(layout.mainEditable, c.editable) << c.kind;
        EXPECT_EQ(layout.ShowsOptions(), c.options) << c.kind;
        CSettingsLaunch action = ActionOfKind(c.kind);
        StoreLaunchValues(EverythingTicked(), action);
        EXPECT_EQ(action.Maximize, c.savesMaximize) << c.kind;
        EXPECT_EQ(action.LaunchAndWait, c.savesWait) << c.kind;
        EXPECT_EQ(action.File, "\\Docs\\Guide.pdf") << c.kind;
    }
    EXPECT_EQ(LayoutForKind(999).kind, 101) << "an unknown kind shows as an open document";
}

TEST(LaunchKinds, TheSharedEditIsTheTitleOfAMessageAndTheSubjectOfAnEmail) {
    CSettingsLaunch message = ActionOfKind(kLaunchMessage);
    message.Parameters = "kept";
    StoreLaunchValues(EverythingTicked(), message);
    EXPECT_EQ(message.WindowTitle, "/quiet");
    EXPECT_EQ(message.Parameters, "kept");
    EXPECT_EQ(LaunchValuesOf(message).parameters, "/quiet");

    CSettingsLaunch email = ActionOfKind(kLaunchEmail);
    LaunchFormValues values = EverythingTicked();
    values.body = "Dear reader,\r\n\r\nplease write.\r\n";
    StoreLaunchValues(values, email);
    EXPECT_EQ(email.Subject, "/quiet");
    EXPECT_EQ(email.Body, "Dear reader,\r\n\r\nplease write.") << "trimmed at the ends only";
    EXPECT_STREQ(LayoutForKind(kLaunchEmail).parametersLabel, "&Subject:");

    CSettingsLaunch program = ActionOfKind(kLaunchRunFromDisc);
    StoreLaunchValues(EverythingTicked(), program);
    EXPECT_EQ(program.Parameters, "/quiet");
}

TEST(LaunchKinds, TheRegistrySourceIsStoredWithoutItsLeadingBackslash) {
    CSettingsLaunch action = ActionOfKind(kLaunchRunFromDisc);
    action.Kiosk = true;
    LaunchFormValues values;
    values.fromRegistry = true;
    values.registryKey = "  \\SOFTWARE\\Vendor ";
    values.registryValue = " InstallDir ";
    StoreLaunchValues(values, action);
    EXPECT_EQ(action.LaunchType, CSettingsLaunch::kFromRegistry);
    EXPECT_EQ(action.RegKey, "SOFTWARE\\Vendor");
    EXPECT_EQ(action.RegValue, "InstallDir");
    EXPECT_TRUE(action.Kiosk) << "carried through untouched";
}

TEST(LaunchKinds, TheMessageBoxListsStoreTheWindowsFlags) {
    ASSERT_EQ(IconStyleChoices().size(), 4u);
    EXPECT_EQ(IconStyleChoices()[1].value, 16);
    EXPECT_TRUE(DefaultButtonChoices(0).empty()) << "OK Only has no default button list";
    ASSERT_EQ(DefaultButtonChoices(4).size(), 2u);
    EXPECT_STREQ(DefaultButtonChoices(4)[0].text, "Yes");
    EXPECT_EQ(DefaultButtonChoices(4)[1].value, 256);
    EXPECT_STREQ(DefaultButtonChoices(1)[1].text, "Cancel");

    CSettingsLaunch message = ActionOfKind(kLaunchMessage);
    LaunchFormValues values;
    values.icon = 32;
    values.buttons = 4;
    values.defaultButton = 256;
    StoreLaunchValues(values, message);
    EXPECT_EQ(message.Icon, 32);
    EXPECT_EQ(message.Buttons, 4);
    EXPECT_EQ(message.DefaultButton, 256);
}

TEST(LaunchKinds, TheAddressPrefixIsChosenByItsTextAndNoneStoresNothing) {
    const auto entries = AddressPrefixEntries("HTTPS://");
    EXPECT_EQ(entries.size(), 4u);
    EXPECT_EQ(AddressPrefixIndex(entries, "HTTPS://"), 1);
    EXPECT_EQ(AddressPrefixIndex(entries, ""), 3);
    EXPECT_EQ(AddressPrefixToStore("<none>"), "");
    EXPECT_EQ(AddressPrefixToStore("ftp://"), "ftp://");
    // A prefix of an older disc stays what it was.
    const auto older = AddressPrefixEntries("mailto:");
    ASSERT_EQ(older.size(), 5u);
    EXPECT_EQ(AddressPrefixIndex(older, "mailto:"), 4);

    CSettingsLaunch site = ActionOfKind(kLaunchWebSite);
    LaunchFormValues values;
    values.addressPrefix = "<none>";
    StoreLaunchValues(values, site);
    EXPECT_EQ(site.AddressType, "");
}

TEST(LaunchKinds, OnlyThePlayersOwnFilesInTheRootAreReserved) {
    EXPECT_EQ(ReservedDiscFileOf("\\AutoRun.EXE"), ReservedDiscFile::kPlayerProgram);
    EXPECT_EQ(ReservedDiscFileOf("\\autorun.inf"), ReservedDiscFile::kPlayerConfiguration);
    EXPECT_EQ(ReservedDiscFileOf("\\Tools\\autorun.exe"), ReservedDiscFile::kNone);
    EXPECT_EQ(ReservedDiscFileOf("\\autorun.exe.txt"), ReservedDiscFile::kNone);
}

}  // namespace
