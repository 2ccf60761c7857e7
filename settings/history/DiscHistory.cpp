#include "DiscHistory.h"

#include "ValueEncoding.h"
#include "util/RegistryPath.h"

namespace {
const char kDone[] = "1";

bool IsInstallClass(const std::string& stepClass) { return stepClass == kHistoryInstall; }

std::string EntryName(const HistoryEntryPlace& place) { return place.keyPath + "|" + place.valueName; }
}  // namespace

std::string HistoryDiscKeyPath(const std::string& discNumber) { return std::string(kVendorKey) + discNumber; }

std::string HistoryInstallValueName(const std::string& installerFile) { return ReplaceAll(installerFile, "\\", "#"); }

HistoryEntryPlace HistoryPlaceFor(const std::string& discNumber, const std::string& stepClass,
                                  const std::string& section, const std::string& fileValueName) {
    HistoryEntryPlace place;
    place.keyPath = HistoryDiscKeyPath(discNumber) + "\\" + stepClass;
    if (IsInstallClass(stepClass)) {
        place.keyPath += "\\" + section;
        place.valueName = fileValueName;
    } else {
        place.valueName = section;
    }
    return place;
}

bool CMemoryHistoryStore::IsDone(const std::string& discNumber, const std::string& stepClass,
                                 const std::string& section, const std::string& fileValueName) {
    auto found = entries_.find(EntryName(HistoryPlaceFor(discNumber, stepClass, section, fileValueName)));
    return found != entries_.end() && found->second == kDone;
}

void CMemoryHistoryStore::MarkDone(const std::string& discNumber, const std::string& stepClass,
                                   const std::string& section, const std::string& fileValueName) {
    entries_[EntryName(HistoryPlaceFor(discNumber, stepClass, section, fileValueName))] = kDone;
}
