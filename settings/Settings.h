#pragma once
// The base of every settings record: one step, menu button or disc-level
// record, stored in one section of the settings file.
#include <cstdint>
#include <memory>
#include <string>

enum SettingKind : std::int32_t {
    kSettingIcon = 1,
    kSettingSplash = 2,
    kSettingLaunch = 3,
    kSettingSecurity = 4,
    kSettingLicense = 5,
    kSettingHtml = 6,
    kSettingDriver = 7,
    kSettingInstall = 8,
    kSettingButton = 9,
};

class CSettingsList;

class CSettings {
public:
    CSettings() = default;
    CSettings(const CSettings&) = default;
    CSettings& operator=(const CSettings&) = delete;
    virtual ~CSettings() = default;

    // A new record of the same class with every field copied, child lists too.
    virtual std::unique_ptr<CSettings> Clone() const = 0;
    virtual bool Load();
    virtual bool Save();
    // Save with one read and one write of the file, however many keys the
    // record and the lists below it hold: what the designer calls after an
    // edit. The file ends as key-by-key writes would leave it.
    bool SaveRecord();
    virtual void SetSection(const std::string& section) { section_ = section; }
    virtual const std::string& GetSection() const { return section_; }
    virtual void SetFileName(const std::string& fileName) { fileName_ = fileName; }
    virtual void SetName(const std::string& name) { name_ = name; }
    virtual const std::string& GetName() const { return name_; }
    virtual void SetBaseDirectory(const std::string& /*path*/, bool /*recursive*/) {}
    // What a list loads of a record added to it: everything by default.
    virtual void LoadWhenAdded() { Load(); }
    // The list of records below this one (a menu's buttons, a button's
    // actions); null for records without one.
    virtual CSettingsList* ChildList() { return nullptr; }

    std::int32_t SettingType() const { return settingType_; }
    const std::string& GetFileName() const { return fileName_; }

protected:
    CSettings(std::int32_t settingType, std::string defaultSection)
        : settingType_(settingType), section_(std::move(defaultSection)) {}

    // Typed access to this record's own section.
    bool Read(const char* key, std::string& value) const;
    bool Read(const char* key, std::int32_t& value) const;
    bool Read(const char* key, bool& value) const;
    bool ReadColorKey(const char* key, std::uint32_t& value) const;
    bool ReadTextKey(const char* key, std::string& value) const;
    bool Write(const char* key, const std::string& value) const;
    bool Write(const char* key, const char* value) const { return Write(key, std::string(value)); }
    bool Write(const char* key, std::int32_t value) const;
    bool Write(const char* key, bool value) const;
    bool WriteColorKey(const char* key, std::uint32_t value) const;
    bool WriteTextKey(const char* key, const std::string& value) const;

private:
    std::int32_t settingType_ = 0;
    std::string fileName_;
    std::string section_;
    std::string name_;
};

// Implements Clone for a record class through its copy constructor.
template <class Derived, class Base = CSettings>
class CSettingsOf : public Base {
public:
    using Base::Base;
    std::unique_ptr<CSettings> Clone() const override {
        return std::make_unique<Derived>(static_cast<const Derived&>(*this));
    }
};

// A new record of the given kind with its defaults; nothing for kinds that
// are not steps or buttons (the icon, the driver directories, unknown values).
// Declared with the record base so that lists can make their records without
// knowing the record classes, which themselves hold lists.
std::unique_ptr<CSettings> CreateSettings(std::int32_t kind);
