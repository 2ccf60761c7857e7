#include "ScriptedBurnPlatform.h"

namespace {

using Guard = std::lock_guard<std::mutex>;

std::string Narrow(const wchar_t* wide) {
    std::string text;
    for (; wide && *wide; ++wide) text += char(*wide);
    return text;
}

class ScriptedRecorder : public IBurnRecorder {
public:
    explicit ScriptedRecorder(std::shared_ptr<BurnScript> script) : script_(std::move(script)) {}

    HRESULT Initialize(const std::string& uniqueId) override {
        Guard guard(script_->mutex);
        for (std::size_t index = 0; index < script_->writers.size(); ++index) {
            if (script_->writers[index].uniqueId == uniqueId) {
                index_ = index;
                return S_OK;
            }
        }
        return E_INVALIDARG;
    }
    std::vector<std::string> VolumePaths() override { return Writer().volumes; }
    std::string ProductId() override { return Writer().product; }
    HRESULT AcquireExclusiveAccess(bool, const std::string& clientName) override {
        Guard guard(script_->mutex);
        if (!script_->writers[index_].exclusiveOwner.empty()) return HRESULT(0xC0AA0205);  // held by another
        script_->lockedBy = clientName;
        return S_OK;
    }
    std::string ExclusiveAccessOwner() override { return Writer().exclusiveOwner; }
    void ReleaseExclusiveAccess() override {
        Guard guard(script_->mutex);
        ++script_->releases;
    }
    void EjectMedia() override {
        Guard guard(script_->mutex);
        ++script_->ejects;
    }
    imapi::IDiscRecorder2* Native() override { return nullptr; }

    ScriptedWriter Writer() {
        Guard guard(script_->mutex);
        return script_->writers[index_];
    }

private:
    std::shared_ptr<BurnScript> script_;
    std::size_t index_ = 0;
};

class ScriptedDataWriter : public IBurnDataWriter {
public:
    explicit ScriptedDataWriter(std::shared_ptr<BurnScript> script) : script_(std::move(script)) {}

    HRESULT IsRecorderSupported(IBurnRecorder&, bool& supported) override {
        supported = true;
        return S_OK;
    }
    HRESULT SetRecorder(IBurnRecorder& recorder) override {
        writer_ = static_cast<ScriptedRecorder&>(recorder).Writer();
        return S_OK;
    }
    HRESULT SetClientName(const std::string&) override { return S_OK; }
    HRESULT SupportedMediaTypes(std::vector<int>& types) override {
        types = writer_.supportedTypes;
        return S_OK;
    }
    HRESULT CurrentMediaType(int& type) override {
        type = writer_.mediaType;
        return S_OK;
    }
    HRESULT SetForceMediaToBeClosed(bool force) override {
        Guard guard(script_->mutex);
        script_->forcedClosed = force;
        return S_OK;
    }
    HRESULT ConnectEvents(WriteProgressHandler handler, bool& sinkCreated) override {
        handler_ = std::move(handler);
        sinkCreated = true;
        return S_OK;
    }
    HRESULT Write(IStream* image) override {
        if (!image) return E_POINTER;
        for (std::size_t index = 0; index < writer_.events.size(); ++index) {
            const bool goOn = handler_(writer_.events[index]);
            std::function<void(std::size_t, bool)> after;
            {
                Guard guard(script_->mutex);
                after = script_->afterEvent;
            }
            if (after) after(index, goOn);
            if (!goOn) return HRESULT(0xC0AA0002);  // the write was cancelled
        }
        Guard guard(script_->mutex);
        script_->wrote = SUCCEEDED(writer_.writeResult);
        return writer_.writeResult;
    }

private:
    std::shared_ptr<BurnScript> script_;
    ScriptedWriter writer_;
    WriteProgressHandler handler_;
};

class ScriptedImage : public IBurnImage {
public:
    explicit ScriptedImage(std::shared_ptr<BurnScript> script) : script_(std::move(script)) {}

    HRESULT CreateIsoAndJoliet() override { return S_OK; }
    HRESULT SetVolumeName(const std::string& name) override {
        Guard guard(script_->mutex);
        script_->volumeName = name;
        return S_OK;
    }
    HRESULT ChooseDefaultsForMediaType(int) override { return S_OK; }
    HRESULT OpenRoot() override { return S_OK; }
    HRESULT AddTree(const std::string& directory) override {
        Guard guard(script_->mutex);
        script_->addedTree = directory;
        return S_OK;
    }
    HRESULT CreateResult() override { return S_OK; }
    HRESULT ImageStream(wingui::ComPtr<IStream>& stream) override {
        return CreateStreamOnHGlobal(nullptr, TRUE, stream.Receive());
    }

private:
    std::shared_ptr<BurnScript> script_;
};

// Lists what the engine put into the storage, folders first as "folder/".
void ListStorage(IStorage& storage, const std::string& prefix, std::vector<std::string>& names) {
    wingui::ComPtr<IEnumSTATSTG> entries;
    if (FAILED(storage.EnumElements(0, nullptr, 0, entries.Receive()))) return;
    STATSTG entry;
    while (entries->Next(1, &entry, nullptr) == S_OK) {
        const std::string name = prefix + Narrow(entry.pwcsName);
        if (entry.type == STGTY_STORAGE) {
            wingui::ComPtr<IStorage> folder;
            if (SUCCEEDED(storage.OpenStorage(entry.pwcsName, nullptr, STGM_READ | STGM_SHARE_EXCLUSIVE, nullptr, 0,
                                              folder.Receive())))
                ListStorage(*folder.Get(), name + "/", names);
        } else {
            names.push_back(name + " " + std::to_string(entry.cbSize.QuadPart));
        }
        CoTaskMemFree(entry.pwcsName);
    }
}

class ScriptedLegacyMaster : public ILegacyDiscMaster {
public:
    explicit ScriptedLegacyMaster(std::shared_ptr<BurnScript> script) : script_(std::move(script)) {}

    HRESULT Open() override { return S_OK; }
    HRESULT SetJolietFormat() override { return S_OK; }
    HRESULT Recorders(std::vector<LegacyRecorderInfo>& recorders) override {
        Guard guard(script_->mutex);
        recorders = script_->legacyRecorders;
        return S_OK;
    }
    HRESULT SetActiveRecorder(std::size_t position) override {
        Guard guard(script_->mutex);
        return position < script_->legacyRecorders.size() ? S_OK : E_INVALIDARG;
    }
    HRESULT SetVolumeName(const std::string& name) override {
        Guard guard(script_->mutex);
        script_->volumeName = name;
        return S_OK;
    }
    HRESULT Record(IStorage* content, ILegacyProgress& progress) override {
        std::vector<std::string> names;
        ListStorage(*content, "", names);
        progress.AddProgress(1, 2);
        progress.AddProgress(2, 2);
        progress.PreparingBurn();
        for (long block = 1; block <= 4; ++block) progress.BlockProgress(block, 4);
        progress.ClosingDisc();
        Guard guard(script_->mutex);
        script_->recorded = true;
        script_->recordedNames = names;
        return script_->legacyRecordResult;
    }
    void EjectActive() override {
        Guard guard(script_->mutex);
        ++script_->ejects;
    }

private:
    std::shared_ptr<BurnScript> script_;
};

class ScriptedPlatform : public IBurnPlatform {
public:
    explicit ScriptedPlatform(std::shared_ptr<BurnScript> script) : script_(std::move(script)) {}

    HRESULT CreateDiscMaster() override {
        Guard guard(script_->mutex);
        return script_->modern ? S_OK : REGDB_E_CLASSNOTREG;
    }
    HRESULT IsSupportedEnvironment(bool& supported) override {
        Guard guard(script_->mutex);
        supported = script_->supportedEnvironment;
        return S_OK;
    }
    HRESULT RecorderCount(long& count) override {
        Guard guard(script_->mutex);
        count = long(script_->writers.size());
        return S_OK;
    }
    HRESULT RecorderId(long index, std::string& uniqueId) override {
        Guard guard(script_->mutex);
        uniqueId = script_->writers.at(std::size_t(index)).uniqueId;
        return S_OK;
    }
    std::unique_ptr<IBurnRecorder> CreateRecorder(HRESULT& result) override {
        result = S_OK;
        return std::make_unique<ScriptedRecorder>(script_);
    }
    std::unique_ptr<IBurnDataWriter> CreateDataWriter(HRESULT& result) override {
        result = S_OK;
        return std::make_unique<ScriptedDataWriter>(script_);
    }
    std::unique_ptr<IBurnImage> CreateImage(HRESULT& result) override {
        result = S_OK;
        return std::make_unique<ScriptedImage>(script_);
    }
    std::unique_ptr<ILegacyDiscMaster> CreateLegacyDiscMaster(HRESULT& result) override {
        result = S_OK;
        return std::make_unique<ScriptedLegacyMaster>(script_);
    }

private:
    std::shared_ptr<BurnScript> script_;
};

}  // namespace

std::unique_ptr<IBurnPlatform> MakeScriptedPlatform(std::shared_ptr<BurnScript> script) {
    return std::make_unique<ScriptedPlatform>(std::move(script));
}
