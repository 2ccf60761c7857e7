#pragma once
// The first-run history: which first-time-only steps of a disc have run on
// this computer. The player keeps it in the registry below the local
// machine's vendor key, keyed by the disc number; tests may keep it in memory.
#include <map>
#include <string>

// Step classes of the history.
inline constexpr const char* kHistoryLicense = "License";
inline constexpr const char* kHistorySecurity = "Security";
inline constexpr const char* kHistoryInstall = "Install";

// Where one entry lives: a key below HKEY_LOCAL_MACHINE and a value name.
struct HistoryEntryPlace {
    std::string keyPath;
    std::string valueName;
};

// "SOFTWARE\Fernhollow Software\Menuwright\<disc number>\<step class>", one
// level more named after the section for installs; the value is named after
// the section, or for installs after the installer file with every backslash
// replaced by "#".
HistoryEntryPlace HistoryPlaceFor(const std::string& discNumber, const std::string& stepClass,
                                  const std::string& section, const std::string& fileValueName);

// The key that holds the whole history of one disc number.
std::string HistoryDiscKeyPath(const std::string& discNumber);

// The history value of an installer file: \Setup\setup.exe gives #Setup#setup.exe.
std::string HistoryInstallValueName(const std::string& installerFile);

class IHistoryStore {
public:
    virtual ~IHistoryStore() = default;
    // True exactly when the entry exists and holds "1".
    virtual bool IsDone(const std::string& discNumber, const std::string& stepClass,
                        const std::string& section, const std::string& fileValueName) = 0;
    // Sets the entry to "1"; failures are ignored (the step then runs again).
    virtual void MarkDone(const std::string& discNumber, const std::string& stepClass,
                          const std::string& section, const std::string& fileValueName) = 0;
};

// Entries held in memory, by the same key layout as the registry.
class CMemoryHistoryStore : public IHistoryStore {
public:
    bool IsDone(const std::string& discNumber, const std::string& stepClass, const std::string& section,
                const std::string& fileValueName) override;
    void MarkDone(const std::string& discNumber, const std::string& stepClass, const std::string& section,
                  const std::string& fileValueName) override;

    // "<key path>|<value name>" of every entry written, in order of name.
    const std::map<std::string, std::string>& Entries() const { return entries_; }

private:
    std::map<std::string, std::string> entries_;
};
