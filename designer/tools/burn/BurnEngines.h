#pragma once
// The two burn engines, each run on its own worker thread: version 2 builds
// an ISO 9660 and Joliet image of the project directory and writes it with
// the data writer; version 1 (CBurnCD) copies the directory into a
// structured storage and records it with the Joliet disc master. Both talk
// to the dialog only through IBurnReport, whose calls the dialog answers on
// its own thread.
#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "BurnPlatform.h"
#include "DiscUsage.h"

class IBurnReport {
public:
    virtual ~IBurnReport() = default;
    virtual void Status(const std::string& text) = 0;
    // The last call of every burn.
    virtual void Finished(int code, const std::string& text) = 0;
    // Version 2: whether the write goes on.
    virtual bool WriteUpdate(const WriteProgress& progress) = 0;
    virtual bool AskYesNo(const std::string& question) = 0;
    virtual void ShowFailure(const std::string& text, bool withIcon = true) = 0;
    // Version 1: a status code with its figure and file name, the second
    // bar's fraction and the step bar's step.
    virtual void LegacyStatus(int code, long figure, const std::string& name) = 0;
    virtual void LegacySecondBar(long done, long total) = 0;
    virtual void LegacyStep(int step) = 0;
    virtual bool Cancelled() = 0;
};

struct BurnJob {
    std::string projectDirectory;
    std::string label;
    bool eject = true;
    bool writerSelected = false;
    std::string recorderId;          // version 2; empty: the entry has no recorder
    std::size_t legacyPosition = 0;  // version 1
    std::optional<MediaPreset> preset;
};

// Initialises a data writer on the recorder with the client name and reads
// its supported media types; null with the failure's text when a step fails.
std::unique_ptr<IBurnDataWriter> OpenDataWriter(IBurnPlatform& platform, IBurnRecorder* recorder,
                                                std::vector<int>& supportedTypes, std::string& failure);

void RunImapi2Burn(IBurnPlatform& platform, const BurnJob& job, IBurnReport& report);

class CBurnCD {
public:
    CBurnCD(IBurnPlatform& platform, IBurnReport& report) : platform_(platform), report_(report) {}
    void Burn(const BurnJob& job);

private:
    enum class Copy { kComplete, kStopped };
    Copy AddFolder(const std::string& directory, IStorage& storage, long& fileNumber, long totalFiles);
    bool AddFile(const std::string& path, IStorage& storage, const std::string& name);

    IBurnPlatform& platform_;
    IBurnReport& report_;
};
