#include "RegistryHistoryStore.h"

#include <vector>

#include "DiscSettings.h"
#include "RegistryUtil.h"

namespace {

// A done mark is the one-character text "1"; anything longer is not one.
constexpr DWORD kHistoryValueBytes = 256;
const char kDone[] = "1";

// The key levels below the disc number's key, top down.
std::vector<std::string> LevelsBelowDisc(const std::string& stepClass, const std::string& section) {
    if (stepClass == kHistoryInstall) return {stepClass, section};
    return {stepClass};
}

std::string ValueNameFor(const std::string& stepClass, const std::string& section, const std::string& fileValueName) {
    return stepClass == kHistoryInstall ? fileValueName : section;
}

bool OpenOrCreateDiscKey(RegistryUtil& registry, const std::string& discNumber) {
    if (registry.OpenBase(kHistoryRegistryRoot, discNumber)) return true;
    if (!registry.OpenBase(kHistoryRegistryRoot) && !registry.CreateBase(kHistoryRegistryRoot)) return false;
    return registry.CreateSub(discNumber);
}

}  // namespace

bool CRegistryHistoryStore::IsDone(const std::string& discNumber, const std::string& stepClass,
                                   const std::string& section, const std::string& fileValueName) {
    RegistryUtil registry;
    if (!registry.OpenBase(kHistoryRegistryRoot, discNumber)) return false;
    for (const std::string& level : LevelsBelowDisc(stepClass, section)) {
        if (!registry.OpenSub(level)) return false;
    }
    std::string data;
    return registry.ReadString(ValueNameFor(stepClass, section, fileValueName), data, kHistoryValueBytes) &&
           data == kDone;
}

void CRegistryHistoryStore::MarkDone(const std::string& discNumber, const std::string& stepClass,
                                     const std::string& section, const std::string& fileValueName) {
    RegistryUtil registry;
    if (!OpenOrCreateDiscKey(registry, discNumber)) return;
    for (const std::string& level : LevelsBelowDisc(stepClass, section)) {
        if (!registry.OpenSub(level) && !registry.CreateSub(level)) return;
    }
    registry.WriteValue(ValueNameFor(stepClass, section, fileValueName), kDone, REG_SZ);
}

bool HistoryIsDone(const CDiscSettings& disc, const std::string& stepClass, const std::string& section,
                   const std::string& fileValueName) {
    return CRegistryHistoryStore().IsDone(disc.CdID, stepClass, section, fileValueName);
}

void HistoryMarkDone(const CDiscSettings& disc, const std::string& stepClass, const std::string& section,
                     const std::string& fileValueName) {
    CRegistryHistoryStore().MarkDone(disc.CdID, stepClass, section, fileValueName);
}
