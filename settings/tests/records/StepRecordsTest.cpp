#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "SectionLines.h"
#include "Settings.h"
#include "SettingsFileAccess.h"
#include "TempDir.h"
#include "records/SettingsDriver.h"
#include "records/SettingsIcon.h"
#include "records/SettingsInstall.h"
#include "records/SettingsLaunch.h"
#include "records/SettingsLicense.h"
#include "records/SettingsSecurity.h"
#include "records/SettingsSplash.h"

namespace {

using Lines = std::vector<std::string>;

// Marks a value that the table does not spell out (the scrambled login keys).
const char kAnyValue[] = "*";

struct RecordKind {
    const char* label;
    std::function<std::unique_ptr<CSettings>()> create;
    Lines savedDefaults;
    // Gives every field a value other than its default.
    std::function<void(CSettings&)> fill;
};

template <class Record>
std::function<void(CSettings&)> Filling(std::function<void(Record&)> fill) {
    return [fill](CSettings& record) { fill(static_cast<Record&>(record)); };
}

const std::vector<RecordKind>& Kinds() {
    static const std::vector<RecordKind> kinds = {
        {"icon", [] { return std::make_unique<CSettingsIcon>(); },
         {"SettingType=1", "Name=", "Type=1", "Filename=", "Number=0"},
         Filling<CSettingsIcon>([](CSettingsIcon& r) {
             r.Type = 2;
             r.Filename = "\\disc.ico";
             r.Number = 3;
         })},
        {"splash", [] { return std::make_unique<CSettingsSplash>(); },
         {"SettingType=2", "Name=", "Image=false", "ImageFile=", "Length=5", "Sound=false", "SoundFile=",
          "SoundOption=2", "SoundLength=5"},
         Filling<CSettingsSplash>([](CSettingsSplash& r) {
             r.Image = true;
             r.ImageFile = "\\Splash\\logo.bmp";
             r.Length = 12;
             r.Sound = true;
             r.SoundFile = "\\Splash\\hello.wav";
             r.SoundOption = 3;
             r.SoundLength = 7;
         })},
        {"action", [] { return std::make_unique<CSettingsLaunch>(); },
         {"SettingType=3", "Name=", "LaunchTypeV3=101", "LaunchType=1", "File=", "RegKey=", "RegValue=",
          "Parameters=", "Maximize=false", "Kiosk=false", "LaunchAndWait=false", "Buttons=0", "Icon=64",
          "DefaultButton=0", "AddressType=http://", "WindowTitle=", "Subject=", "Body="},
         Filling<CSettingsLaunch>([](CSettingsLaunch& r) {
             r.LaunchTypeV3 = kLaunchMessage;
             r.LaunchType = CSettingsLaunch::kFromRegistry;
             r.File = "First line\r\nSecond line";
             r.RegKey = "HKEY_LOCAL_MACHINE\\Software\\Vendor";
             r.RegValue = "Path";
             r.Parameters = "-x /y";
             r.Maximize = true;
             r.Kiosk = true;
             r.LaunchAndWait = true;
             r.Buttons = 4;
             r.Icon = 32;
             r.DefaultButton = 256;
             r.AddressType = "https://";
             r.WindowTitle = "Question";
             r.Subject = "Hello World";
             r.Body = "Dear reader,\r\nthanks.";
         })},
        {"login", [] { return std::make_unique<CSettingsSecurity>(); },
         {"SettingType=4", "Name=", "Type=1", kAnyValue, kAnyValue, kAnyValue, "Frequency=1"},
         Filling<CSettingsSecurity>([](CSettingsSecurity& r) {
             r.Type = 2;
             r.Username = "Alice";
             r.Password = "s3cret!";
             r.Active = true;
             r.Frequency = 2;
         })},
        {"license", [] { return std::make_unique<CSettingsLicense>(); },
         {"SettingType=5", "Name=", "CustomizeText=false", "Active=false", "Display=1", "File=",
          "WindowTitle=License Agreement",
          "LabelText=Please read the following license agreement carefully. Use the scroll bar to view the "
          "entire agreement.",
          "RadioAccept=I accept the terms in the license agreement.",
          "RadioReject=I do not accept the terms in the license agreement.", "NextButton=&Next >>",
          "CancelButton=&Cancel"},
         Filling<CSettingsLicense>([](CSettingsLicense& r) {
             r.CustomizeText = true;
             r.Active = true;
             r.Display = 2;
             r.File = "\\License.rtf";
             r.WindowTitle = "Terms";
             r.LabelText = "Read this.\r\nThen accept.";  // two lines survive the file
             r.RadioAccept = "Yes";
             r.RadioReject = "No";
             r.NextButton = "&Go";
             r.CancelButton = "&Stop";
         })},
        {"driver", [] { return std::make_unique<CSettingsDriver>(); }, {"SettingType=7", "Name=", "Count=0"},
         Filling<CSettingsDriver>([](CSettingsDriver& r) {
             r.AddDirectory("\\Drivers\\Net");
             r.AddDirectory("\\Drivers\\Sound");
         })},
        {"install", [] { return std::make_unique<CSettingsInstall>(); },
         {"SettingType=8", "Name=", "File=", "Parameters=", "When=1", "WhenViewer=1", "Version=", "FileExtension=",
          "Prompt=false", "Message=", "Skip=false", "LaunchAndWait=true"},
         Filling<CSettingsInstall>([](CSettingsInstall& r) {
             r.File = "\\Setup\\setup.exe";
             r.Parameters = "/quiet";
             r.When = 3;
             r.WhenViewer = 2;
             r.Version = "9.0";
             r.FileExtension = "pdf";
             r.Prompt = true;
             r.Message = "Install the reader?";
             r.Skip = true;
             r.LaunchAndWait = false;
         })},
    };
    return kinds;
}

Lines SavedLines(CSettings& record, const std::string& file, const std::string& section) {
    record.SetFileName(file);
    record.SetSection(section);
    record.Save();
    return SectionLines(file, section);
}

TEST(StepRecords, NewRecordsSaveTheirDefaultsInKeyOrder) {
    TempDir dir;
    for (const RecordKind& kind : Kinds()) {
        std::unique_ptr<CSettings> record = kind.create();
        const Lines saved = SavedLines(*record, dir.File(std::string(kind.label) + ".ini"), "Root.1");
        ASSERT_EQ(saved.size(), kind.savedDefaults.size()) << kind.label;
        for (size_t i = 0; i < saved.size(); ++i) {
            const std::string& expected = kind.savedDefaults[i];
            if (expected == kAnyValue) continue;
            EXPECT_EQ(saved[i], expected) << kind.label << " line " << i;
        }
    }
}

// Saving a loaded record must give the same section as the one it was loaded
// from: every key is read back into its own field.
TEST(StepRecords, EveryKeyRoundTrips) {
    TempDir dir;
    for (const RecordKind& kind : Kinds()) {
        const std::string file = dir.File(std::string(kind.label) + ".ini");
        std::unique_ptr<CSettings> original = kind.create();
        original->SetName("Step name");
        kind.fill(*original);
        const Lines saved = SavedLines(*original, file, "Root.4");

        std::unique_ptr<CSettings> defaults = kind.create();
        const Lines savedDefaults = SavedLines(*defaults, dir.File(std::string(kind.label) + "-defaults.ini"), "Root.4");
        for (size_t i = 1; i < std::min(saved.size(), savedDefaults.size()); ++i) {
            EXPECT_NE(saved[i], savedDefaults[i]) << kind.label << ": the fill leaves this key at its default";
        }

        std::unique_ptr<CSettings> loaded = kind.create();
        loaded->SetFileName(file);
        loaded->SetSection("Root.4");
        EXPECT_TRUE(loaded->Load()) << kind.label;
        EXPECT_EQ(loaded->GetName(), "Step name") << kind.label;
        EXPECT_EQ(SavedLines(*loaded, dir.File(std::string(kind.label) + "-copy.ini"), "Root.4"), saved) << kind.label;

        std::unique_ptr<CSettings> clone = original->Clone();
        EXPECT_EQ(SavedLines(*clone, dir.File(std::string(kind.label) + "-clone.ini"), "Root.4"), saved) << kind.label;
    }
}

TEST(StepRecords, FactoryCreatesEveryStepKindWithItsDefaultSection) {
    struct Case { std::int32_t kind; const char* section; };
    const Case creatable[] = {{2, "Splash"}, {3, "Launch"}, {4, "Security"}, {5, "License"},
                              {6, "Html"}, {8, "Install"}, {9, ""}};
    for (const Case& c : creatable) {
        std::unique_ptr<CSettings> record = CreateSettings(c.kind);
        ASSERT_NE(record, nullptr) << c.kind;
        EXPECT_EQ(record->SettingType(), c.kind);
        EXPECT_EQ(record->GetSection(), c.section) << c.kind;
    }
    for (std::int32_t kind : {0, 1, 7, 10, -1}) EXPECT_EQ(CreateSettings(kind), nullptr) << kind;
}

TEST(StepRecords, EmptyValuesKeepTheDefaults) {
    TempDir dir;
    const std::string file = dir.Write("settings.ini",
                                       "[Root.1]\r\nSettingType=5\r\nWindowTitle=\r\nNextButton=\r\nActive=TRUE\r\n"
                                       "[Root.2]\r\nSettingType=3\r\nAddressType=\r\nIcon=\r\nMaximize=1\r\n");
    CSettingsLicense license;
    license.SetFileName(file);
    license.SetSection("Root.1");
    license.Load();
    EXPECT_EQ(license.WindowTitle, "License Agreement");
    EXPECT_EQ(license.NextButton, "&Next >>");
    EXPECT_TRUE(license.Active);

    CSettingsLaunch action;
    action.SetFileName(file);
    action.SetSection("Root.2");
    action.Load();
    EXPECT_EQ(action.AddressType, "http://");
    EXPECT_EQ(action.Icon, 64);
    EXPECT_FALSE(action.Maximize);
}

TEST(StepRecords, LicenseSavesCustomizeTextBeforeActive) {
    TempDir dir;
    CSettingsLicense license;
    const Lines keys = [&] {
        SavedLines(license, dir.File("l.ini"), "License");
        return SectionKeys(dir.File("l.ini"), "License");
    }();
    ASSERT_GE(keys.size(), 4u);
    EXPECT_EQ(keys[2], "CustomizeText");
    EXPECT_EQ(keys[3], "Active");
}

TEST(LoginRecord, ScrambledKeysRoundTripEveryCharacterTheyCanHold) {
    TempDir dir;
    const std::string file = dir.File("login.ini");
    std::string everyCharacter;
    for (char c = '!'; c <= 'z'; ++c) everyCharacter += c;

    CSettingsSecurity login;
    login.SetFileName(file);
    login.SetSection("Root.1");
    login.Username = "Alice";
    login.Password = everyCharacter;
    login.Active = true;
    login.Frequency = 2;
    EXPECT_TRUE(login.Save());

    std::string stored;
    ASSERT_TRUE(ReadString(file, "Root.1", "Password", stored));
    EXPECT_EQ(stored.find(everyCharacter), std::string::npos);
    ASSERT_TRUE(ReadString(file, "Root.1", "Active", stored));
    EXPECT_NE(stored, "true");
    ASSERT_TRUE(ReadString(file, "Root.1", "Username", stored));
    EXPECT_EQ(stored.find("Alice"), std::string::npos);

    CSettingsSecurity loaded;
    loaded.SetFileName(file);
    loaded.SetSection("Root.1");
    loaded.Load();
    EXPECT_EQ(loaded.Username, "Alice");
    EXPECT_EQ(loaded.Password, everyCharacter);
    EXPECT_TRUE(loaded.Active);
    EXPECT_EQ(loaded.Frequency, 2);
}

TEST(LoginRecord, PlainValuesAreNotTakenAsScrambled) {
    TempDir dir;
    const std::string file =
        dir.Write("login.ini", "[Security]\r\nUsername=Bob\r\nPassword=pw\r\nActive=true\r\nFrequency=2\r\n");
    CSettingsSecurity scrambledReader;
    scrambledReader.SetFileName(file);
    scrambledReader.Username = "kept";
    scrambledReader.Load();
    EXPECT_EQ(scrambledReader.Username, "kept");
    EXPECT_FALSE(scrambledReader.Active);  // "true" does not unscramble to TRUE

    CSettingsSecurity legacy;
    legacy.SetFileName(file);
    legacy.LoadLegacy();
    EXPECT_EQ(legacy.Username, "Bob");
    EXPECT_EQ(legacy.Password, "pw");
    EXPECT_TRUE(legacy.Active);
    EXPECT_EQ(legacy.Frequency, 2);
}

TEST(LoginRecord, TooLongToScrambleIsNotSavedWhole) {
    TempDir dir;
    CSettingsSecurity login;
    login.SetFileName(dir.File("login.ini"));
    login.Password = std::string(300, 'p');
    EXPECT_FALSE(login.Save());
}

}  // namespace
