#pragma once
// An ordered list of records that owns them. The list names each record's
// section after its position below the list's prefix (Root.3, Root.3.1, ...)
// and stores its own count under the prefix.
#include <list>
#include <memory>
#include <string>

#include "Settings.h"

class CSettingsList {
public:
    CSettingsList() = default;
    CSettingsList(const CSettingsList&) = delete;
    CSettingsList& operator=(const CSettingsList&) = delete;
    virtual ~CSettingsList() = default;

    virtual void SetFileName(const std::string& fileName);
    virtual void SetPrefix(const std::string& prefix) { prefix_ = prefix; }
    const std::string& GetPrefix() const { return prefix_; }
    const std::string& GetFileName() const { return fileName_; }

    bool Load();
    bool Save();

    // The list takes ownership of every record passed in.
    void Add(std::unique_ptr<CSettings> record, bool load);
    void AddNumbered(std::unique_ptr<CSettings> record, int number);
    CSettings* InsertAfter(std::unique_ptr<CSettings> record, const CSettings* after);
    bool Remove(const CSettings* record);
    void MoveUp(const CSettings* record);
    void MoveDown(const CSettings* record);
    void Clear() { records_.clear(); }
    void CopyFrom(const CSettingsList& other);

    CSettings* FindByType(std::int32_t kind) const;
    CSettingsList* FindParentList(const CSettings* record);
    CSettings* GetAt(int index) const;
    int IndexOf(const CSettings* record) const;
    int Count() const { return int(records_.size()); }

    void MakeUniqueName(CSettings& record) const;
    bool IsButtonNameFree(const std::string& name, const CSettings* self) const;
    void SetBaseDirectory(const std::string& path);

    // Lists nest through menus and buttons; this gives a record's own list.
    static CSettingsList* ChildListOf(CSettings& record);

    // Bounds that keep a crafted file from exhausting memory or the stack.
    static constexpr int kMaxRecords = 4096;
    static constexpr int kMaxNesting = 24;

    auto begin() const { return records_.begin(); }
    auto end() const { return records_.end(); }

private:
    using Records = std::list<std::unique_ptr<CSettings>>;
    Records::iterator Find(const CSettings* record);
    std::string SectionFor(int position) const;

    Records records_;
    std::string fileName_;
    std::string prefix_ = "Root";
};
