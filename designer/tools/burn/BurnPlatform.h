#pragma once
// What the burn engines ask of the computer's writers, as a small interface
// of ours. MakeImapiPlatform answers it with the image mastering COM objects
// of Windows; the tests answer it with scripted recorders, since Wine has no
// image mastering library. Every call returns the platform's HRESULT so the
// engines can show the codes their failure texts carry.
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ComPtr.h"
#include "ImapiInterfaces.h"

// One update of a version-2 write, as its events report it.
struct WriteProgress {
    int action = 0;  // 0 validating ... 4 writing, 5 finalising, 6 completed
    long elapsedSeconds = 0;
    long remainingSeconds = 0;
    long totalSeconds = 0;
    long startLba = 0;
    long sectorCount = 0;
    long lastReadLba = 0;
    long lastWrittenLba = 0;
    long totalBuffer = 0;
    long usedBuffer = 0;
    long freeBuffer = 0;
};
// Answers whether the write goes on; false makes the writer cancel it.
using WriteProgressHandler = std::function<bool(const WriteProgress&)>;

// One writer (version 2).
class IBurnRecorder {
public:
    virtual ~IBurnRecorder() = default;
    virtual HRESULT Initialize(const std::string& uniqueId) = 0;
    virtual std::vector<std::string> VolumePaths() = 0;
    virtual std::string ProductId() = 0;
    virtual HRESULT AcquireExclusiveAccess(bool force, const std::string& clientName) = 0;
    virtual std::string ExclusiveAccessOwner() = 0;
    virtual void ReleaseExclusiveAccess() = 0;
    virtual void EjectMedia() = 0;
    // The platform's recorder object for the data writer; null when scripted.
    virtual imapi::IDiscRecorder2* Native() = 0;
};

// The data writer of one recorder (version 2).
class IBurnDataWriter {
public:
    virtual ~IBurnDataWriter() = default;
    virtual HRESULT IsRecorderSupported(IBurnRecorder& recorder, bool& supported) = 0;
    virtual HRESULT SetRecorder(IBurnRecorder& recorder) = 0;
    virtual HRESULT SetClientName(const std::string& name) = 0;
    virtual HRESULT SupportedMediaTypes(std::vector<int>& types) = 0;
    virtual HRESULT CurrentMediaType(int& type) = 0;
    virtual HRESULT SetForceMediaToBeClosed(bool force) = 0;
    // sinkCreated tells which of the two steps failed.
    virtual HRESULT ConnectEvents(WriteProgressHandler handler, bool& sinkCreated) = 0;
    virtual HRESULT Write(IStream* image) = 0;
};

// The ISO 9660 and Joliet image the version-2 writer is given.
class IBurnImage {
public:
    virtual ~IBurnImage() = default;
    virtual HRESULT CreateIsoAndJoliet() = 0;
    virtual HRESULT SetVolumeName(const std::string& name) = 0;
    virtual HRESULT ChooseDefaultsForMediaType(int type) = 0;
    virtual HRESULT OpenRoot() = 0;
    // The directory's contents, without the directory itself, under the root.
    virtual HRESULT AddTree(const std::string& directory) = 0;
    virtual HRESULT CreateResult() = 0;
    virtual HRESULT ImageStream(wingui::ComPtr<IStream>& stream) = 0;
};

// A version-1 writer as the enumeration shows it.
struct LegacyRecorderInfo {
    std::string vendor;
    std::string product;
    std::string devicePath;  // "\Device\CdRom0"
};

// The version-1 progress events.
class ILegacyProgress {
public:
    virtual ~ILegacyProgress() = default;
    virtual bool QueryCancel() = 0;
    virtual void AddProgress(long completed, long total) = 0;
    virtual void BlockProgress(long completed, long total) = 0;
    virtual void PreparingBurn() = 0;
    virtual void ClosingDisc() = 0;
};

// The version-1 disc master with the Joliet format.
class ILegacyDiscMaster {
public:
    virtual ~ILegacyDiscMaster() = default;
    virtual HRESULT Open() = 0;
    virtual HRESULT SetJolietFormat() = 0;
    // Each recorder opened exclusively, read and closed again.
    virtual HRESULT Recorders(std::vector<LegacyRecorderInfo>& recorders) = 0;
    virtual HRESULT SetActiveRecorder(std::size_t position) = 0;
    virtual HRESULT SetVolumeName(const std::string& name) = 0;
    // Progress advised, the storage's data added (overwriting), the disc
    // recorded without simulation and without ejecting, progress unadvised.
    virtual HRESULT Record(IStorage* content, ILegacyProgress& progress) = 0;
    virtual void EjectActive() = 0;
};

class IBurnPlatform {
public:
    virtual ~IBurnPlatform() = default;
    // The version-2 disc master; created again by each call.
    virtual HRESULT CreateDiscMaster() = 0;
    virtual HRESULT IsSupportedEnvironment(bool& supported) = 0;
    virtual HRESULT RecorderCount(long& count) = 0;
    virtual HRESULT RecorderId(long index, std::string& uniqueId) = 0;
    virtual std::unique_ptr<IBurnRecorder> CreateRecorder(HRESULT& result) = 0;
    virtual std::unique_ptr<IBurnDataWriter> CreateDataWriter(HRESULT& result) = 0;
    virtual std::unique_ptr<IBurnImage> CreateImage(HRESULT& result) = 0;
    virtual std::unique_ptr<ILegacyDiscMaster> CreateLegacyDiscMaster(HRESULT& result) = 0;
};

// The computer's own image mastering, versions 2 and 1.
std::unique_ptr<IBurnPlatform> MakeImapiPlatform();
