#pragma once
// The first-run history of discs in the registry of the local machine, in
// the key layout of the history model.
#include <string>

#include "history/DiscHistory.h"

// The registry root (as RegistryUtil numbers them) whose vendor key holds
// the history: HKEY_LOCAL_MACHINE.
inline constexpr int kHistoryRegistryRoot = 2;

class CRegistryHistoryStore : public IHistoryStore {
public:
    bool IsDone(const std::string& discNumber, const std::string& stepClass, const std::string& section,
                const std::string& fileValueName) override;
    void MarkDone(const std::string& discNumber, const std::string& stepClass, const std::string& section,
                  const std::string& fileValueName) override;
};

class CDiscSettings;

// The disc's history in the registry, by its disc number ("CdID").
bool HistoryIsDone(const CDiscSettings& disc, const std::string& stepClass, const std::string& section,
                   const std::string& fileValueName);
void HistoryMarkDone(const CDiscSettings& disc, const std::string& stepClass, const std::string& section,
                     const std::string& fileValueName);
