#include "SettingsList.h"

#include <algorithm>

#include "RecordBudget.h"
#include "SettingsFileAccess.h"
#include "profile/FileSession.h"
#include "util/TextCase.h"

namespace {

int NestingOf(const std::string& prefix) { return int(std::count(prefix.begin(), prefix.end(), '.')); }

}  // namespace

std::string CSettingsList::SectionFor(int position) const { return prefix_ + "." + std::to_string(position); }

void CSettingsList::SetFileName(const std::string& fileName) {
    fileName_ = fileName;
    for (auto& record : records_) record->SetFileName(fileName);
}

bool CSettingsList::Load() {
    profile::FileSession session(fileName_);
    std::int32_t count = 0;
    ReadInt(fileName_, prefix_, "SettingsCount", count);
    if (NestingOf(prefix_) >= kMaxNesting) return true;
    count = std::min(count, std::int32_t(kMaxRecords));
    for (int i = 1; i <= count; ++i) {
        std::string section = SectionFor(i);
        std::int32_t kind = 0;
        // A position that the file does not describe ends the list: the
        // designer never writes a gap, so what follows is not ours.
        if (!ReadInt(fileName_, section, "SettingType", kind)) break;
        std::unique_ptr<CSettings> record = CreateSettings(kind);
        if (!record) continue;
        if (!CRecordBudget::Take()) break;
        record->SetFileName(fileName_);
        record->SetSection(section);
        record->Load();
        records_.push_back(std::move(record));
    }
    return true;
}

bool CSettingsList::Save() {
    profile::FileSession session(fileName_);
    WriteInt(fileName_, prefix_, "SettingsCount", Count());
    int position = 1;
    for (auto& record : records_) {
        record->SetSection(SectionFor(position++));
        record->Save();
    }
    return session.Commit();
}

void CSettingsList::Add(std::unique_ptr<CSettings> record, bool load) {
    record->SetFileName(fileName_);
    if (load) {
        record->LoadWhenAdded();
    }
    record->SetSection(SectionFor(Count() + 1));
    records_.push_back(std::move(record));
}

void CSettingsList::AddNumbered(std::unique_ptr<CSettings> record, int number) {
    record->SetFileName(fileName_);
    record->SetSection(record->GetSection() + std::to_string(number));
    record->Load();
    records_.push_back(std::move(record));
}

CSettings* CSettingsList::InsertAfter(std::unique_ptr<CSettings> record, const CSettings* after) {
    record->SetFileName(fileName_);
    CSettings* inserted = record.get();
    auto where = records_.begin();
    if (after) {
        auto found = Find(after);
        where = found == records_.end() ? found : std::next(found);
    }
    records_.insert(where, std::move(record));
    Save();
    return inserted;
}

bool CSettingsList::Remove(const CSettings* record) {
    auto it = Find(record);
    if (it == records_.end()) return false;
    records_.erase(it);
    Save();
    return true;
}

void CSettingsList::MoveUp(const CSettings* record) {
    auto it = Find(record);
    if (it == records_.end() || it == records_.begin()) return;
    std::iter_swap(it, std::prev(it));
    Save();
}

void CSettingsList::MoveDown(const CSettings* record) {
    auto it = Find(record);
    if (it == records_.end() || std::next(it) == records_.end()) return;
    std::iter_swap(it, std::next(it));
    Save();
}

void CSettingsList::CopyFrom(const CSettingsList& other) {
    if (&other == this) return;
    prefix_ = other.prefix_;
    Clear();
    for (const auto& record : other.records_) records_.push_back(record->Clone());
}

CSettings* CSettingsList::FindByType(std::int32_t kind) const {
    for (const auto& record : records_) {
        if (record->SettingType() == kind) return record.get();
    }
    return nullptr;
}

CSettingsList* CSettingsList::ChildListOf(CSettings& record) {
    return record.ChildList();
}

CSettingsList* CSettingsList::FindParentList(const CSettings* record) {
    for (auto& entry : records_) {
        if (entry.get() == record) return this;
        if (CSettingsList* child = ChildListOf(*entry)) {
            if (CSettingsList* found = child->FindParentList(record)) return found;
        }
    }
    return nullptr;
}

CSettings* CSettingsList::GetAt(int index) const {
    if (index < 0 || index >= Count()) return nullptr;
    return std::next(records_.begin(), index)->get();
}

int CSettingsList::IndexOf(const CSettings* record) const {
    int index = 0;
    for (const auto& entry : records_) {
        if (entry.get() == record) return index;
        ++index;
    }
    return -1;
}

void CSettingsList::MakeUniqueName(CSettings& record) const {
    const std::string base = record.GetName();
    std::string candidate = base;
    int k = 1;
    for (bool clash = true; clash;) {
        clash = false;
        for (const auto& entry : records_) {
            if (EqualsNoCase(entry->GetName(), candidate)) {
                candidate = base + " (" + std::to_string(++k) + ")";
                clash = true;
                break;
            }
        }
    }
    record.SetName(candidate);
}

bool CSettingsList::IsButtonNameFree(const std::string& name, const CSettings* self) const {
    for (const auto& entry : records_) {
        if (entry.get() != self && EqualsNoCase(entry->GetName(), name)) return false;
    }
    return true;
}

void CSettingsList::SetBaseDirectory(const std::string& path) {
    for (auto& record : records_) record->SetBaseDirectory(path, true);
}

CSettingsList::Records::iterator CSettingsList::Find(const CSettings* record) {
    return std::find_if(records_.begin(), records_.end(), [record](const auto& entry) { return entry.get() == record; });
}
