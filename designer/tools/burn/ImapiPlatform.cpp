// The burn engines' platform answered by the image mastering COM objects of
// Windows: version 2 for the disc master, recorders, data writer and file
// system image, version 1 for the Joliet disc master of older systems.
#include "BurnPlatform.h"

#include <ocidl.h>
#include <oleauto.h>

#include "AnsiText.h"

namespace {

using wingui::ComPtr;

// ---- Strings between the engines' code page and COM ----

class Bstr {
public:
    explicit Bstr(const std::string& text) {
        const std::wstring wide = wingui::WideFromAnsi(text);
        value_ = SysAllocStringLen(wide.data(), UINT(wide.size()));
    }
    Bstr() = default;
    ~Bstr() { SysFreeString(value_); }
    Bstr(const Bstr&) = delete;
    Bstr& operator=(const Bstr&) = delete;
    BSTR Get() const { return value_; }
    BSTR* Receive() {
        SysFreeString(value_);
        value_ = nullptr;
        return &value_;
    }
    std::string Text() const { return wingui::AnsiFromWide(value_); }

private:
    BSTR value_ = nullptr;
};

// The VARIANTs of a SAFEARRAY, destroyed with it.
template <class Each>
void ForEachVariant(SAFEARRAY* array, Each each) {
    if (!array) return;
    VARIANT* items = nullptr;
    if (SUCCEEDED(SafeArrayAccessData(array, reinterpret_cast<void**>(&items)))) {
        for (ULONG i = 0; i < array->rgsabound[0].cElements; ++i) each(items[i]);
        SafeArrayUnaccessData(array);
    }
    SafeArrayDestroy(array);
}

template <class Interface>
HRESULT Create(const CLSID& clsid, const IID& iid, ComPtr<Interface>& object) {
    return CoCreateInstance(clsid, nullptr, CLSCTX_ALL, iid, object.ReceiveVoid());
}

// A new platform object in the wrapper the engines see; null when the
// platform has no such object.
template <class Wrapper, class Interface>
std::unique_ptr<Wrapper> Wrapped(const CLSID& clsid, const IID& iid, HRESULT& result) {
    ComPtr<Interface> object;
    result = Create(clsid, iid, object);
    if (FAILED(result)) return nullptr;
    return std::make_unique<Wrapper>(std::move(object));
}

// ---- Version 2 ----

class ComRecorder : public IBurnRecorder {
public:
    explicit ComRecorder(ComPtr<imapi::IDiscRecorder2> recorder) : recorder_(std::move(recorder)) {}

    HRESULT Initialize(const std::string& uniqueId) override {
        return recorder_->InitializeDiscRecorder(Bstr(uniqueId).Get());
    }
    std::vector<std::string> VolumePaths() override {
        std::vector<std::string> paths;
        SAFEARRAY* array = nullptr;
        if (SUCCEEDED(recorder_->get_VolumePathNames(&array))) {
            ForEachVariant(array, [&](const VARIANT& item) {
                if (item.vt == VT_BSTR) paths.push_back(wingui::AnsiFromWide(item.bstrVal));
            });
        }
        return paths;
    }
    std::string ProductId() override {
        Bstr product;
        recorder_->get_ProductId(product.Receive());
        return product.Text();
    }
    HRESULT AcquireExclusiveAccess(bool force, const std::string& clientName) override {
        return recorder_->AcquireExclusiveAccess(force ? VARIANT_TRUE : VARIANT_FALSE, Bstr(clientName).Get());
    }
    std::string ExclusiveAccessOwner() override {
        Bstr owner;
        recorder_->get_ExclusiveAccessOwner(owner.Receive());
        return owner.Text();
    }
    void ReleaseExclusiveAccess() override { recorder_->ReleaseExclusiveAccess(); }
    void EjectMedia() override { recorder_->EjectMedia(); }
    imapi::IDiscRecorder2* Native() override { return recorder_.Get(); }

private:
    ComPtr<imapi::IDiscRecorder2> recorder_;
};

// Receives the data writer's DDiscFormat2DataEvents::Update and hands its
// figures to the engine's handler.
class WriteEventSink : public IDispatch {
public:
    WriteEventSink(WriteProgressHandler handler, imapi::IDiscFormat2Data* writer)
        : handler_(std::move(handler)), writer_(writer) {}
    virtual ~WriteEventSink() = default;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) ||
            IsEqualIID(iid, imapi::DIID_DDiscFormat2DataEvents)) {
            *object = static_cast<IDispatch*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ULONG(InterlockedIncrement(&references_)); }
    ULONG STDMETHODCALLTYPE Release() override {
        const LONG left = InterlockedDecrement(&references_);
        if (left == 0) delete this;
        return ULONG(left);
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID, LCID, WORD, DISPPARAMS* parameters, VARIANT*, EXCEPINFO*,
                                     UINT*) override {
        // Update(object, progress): the arguments arrive last first.
        if (member != imapi::DISPID_DDISCFORMAT2DATAEVENTS_UPDATE || !parameters || parameters->cArgs < 2)
            return S_OK;
        const VARIANT& progress = parameters->rgvarg[0];
        if (progress.vt != VT_DISPATCH || !progress.pdispVal) return S_OK;
        ComPtr<imapi::IDiscFormat2DataEventArgs> arguments;
        if (FAILED(progress.pdispVal->QueryInterface(imapi::IID_IDiscFormat2DataEventArgs, arguments.ReceiveVoid())))
            return S_OK;
        if (!handler_(Read(*arguments.Get()))) writer_->CancelWrite();
        return S_OK;
    }

private:
    static WriteProgress Read(imapi::IDiscFormat2DataEventArgs& arguments) {
        WriteProgress update;
        imapi::IMAPI_FORMAT2_DATA_WRITE_ACTION action = imapi::IMAPI_FORMAT2_DATA_WRITE_ACTION_VALIDATING_MEDIA;
        arguments.get_CurrentAction(&action);
        update.action = int(action);
        if (action == imapi::IMAPI_FORMAT2_DATA_WRITE_ACTION_WRITING_DATA ||
            action == imapi::IMAPI_FORMAT2_DATA_WRITE_ACTION_FINALIZATION) {
            arguments.get_ElapsedTime(&update.elapsedSeconds);
            arguments.get_RemainingTime(&update.remainingSeconds);
            arguments.get_TotalTime(&update.totalSeconds);
        }
        if (action == imapi::IMAPI_FORMAT2_DATA_WRITE_ACTION_WRITING_DATA) {
            arguments.get_StartLba(&update.startLba);
            arguments.get_SectorCount(&update.sectorCount);
            arguments.get_LastReadLba(&update.lastReadLba);
            arguments.get_LastWrittenLba(&update.lastWrittenLba);
            arguments.get_TotalSystemBuffer(&update.totalBuffer);
            arguments.get_UsedSystemBuffer(&update.usedBuffer);
            arguments.get_FreeSystemBuffer(&update.freeBuffer);
        }
        return update;
    }

    LONG references_ = 1;
    WriteProgressHandler handler_;
    imapi::IDiscFormat2Data* writer_;
};

class ComDataWriter : public IBurnDataWriter {
public:
    explicit ComDataWriter(ComPtr<imapi::IDiscFormat2Data> writer) : writer_(std::move(writer)) {}
    ~ComDataWriter() override {
        if (point_) point_->Unadvise(cookie_);
    }

    HRESULT IsRecorderSupported(IBurnRecorder& recorder, bool& supported) override {
        VARIANT_BOOL answer = VARIANT_FALSE;
        const HRESULT result = writer_->IsRecorderSupported(recorder.Native(), &answer);
        supported = answer == VARIANT_TRUE;
        return result;
    }
    HRESULT SetRecorder(IBurnRecorder& recorder) override { return writer_->put_Recorder(recorder.Native()); }
    HRESULT SetClientName(const std::string& name) override { return writer_->put_ClientName(Bstr(name).Get()); }
    HRESULT SupportedMediaTypes(std::vector<int>& types) override {
        SAFEARRAY* array = nullptr;
        const HRESULT result = writer_->get_SupportedMediaTypes(&array);
        if (SUCCEEDED(result)) {
            ForEachVariant(array, [&](const VARIANT& item) {
                VARIANT number;
                VariantInit(&number);
                if (SUCCEEDED(VariantChangeType(&number, const_cast<VARIANT*>(&item), 0, VT_I4))) types.push_back(int(number.lVal));
            });
        }
        return result;
    }
    HRESULT CurrentMediaType(int& type) override {
        imapi::IMAPI_MEDIA_PHYSICAL_TYPE media = imapi::IMAPI_MEDIA_TYPE_UNKNOWN;
        const HRESULT result = writer_->get_CurrentPhysicalMediaType(&media);
        type = int(media);
        return result;
    }
    HRESULT SetForceMediaToBeClosed(bool force) override {
        return writer_->put_ForceMediaToBeClosed(force ? VARIANT_TRUE : VARIANT_FALSE);
    }
    HRESULT ConnectEvents(WriteProgressHandler handler, bool& sinkCreated) override {
        ComPtr<IDispatch> sink;
        *sink.Receive() = new (std::nothrow) WriteEventSink(std::move(handler), writer_.Get());
        sinkCreated = bool(sink);
        if (!sink) return E_OUTOFMEMORY;
        ComPtr<IConnectionPointContainer> container;
        HRESULT result = writer_->QueryInterface(IID_IConnectionPointContainer, container.ReceiveVoid());
        if (SUCCEEDED(result)) result = container->FindConnectionPoint(imapi::DIID_DDiscFormat2DataEvents, point_.Receive());
        if (SUCCEEDED(result)) result = point_->Advise(sink.Get(), &cookie_);
        if (FAILED(result)) point_.Reset();
        return result;
    }
    HRESULT Write(IStream* image) override { return writer_->Write(image); }

private:
    ComPtr<imapi::IDiscFormat2Data> writer_;
    ComPtr<IConnectionPoint> point_;
    DWORD cookie_ = 0;
};

class ComImage : public IBurnImage {
public:
    explicit ComImage(ComPtr<imapi::IFileSystemImage> image) : image_(std::move(image)) {}

    HRESULT CreateIsoAndJoliet() override {
        return image_->put_FileSystemsToCreate(
            imapi::FsiFileSystems(imapi::FsiFileSystemISO9660 | imapi::FsiFileSystemJoliet));
    }
    HRESULT SetVolumeName(const std::string& name) override { return image_->put_VolumeName(Bstr(name).Get()); }
    HRESULT ChooseDefaultsForMediaType(int type) override {
        return image_->ChooseImageDefaultsForMediaType(imapi::IMAPI_MEDIA_PHYSICAL_TYPE(type));
    }
    HRESULT OpenRoot() override { return image_->get_Root(root_.Receive()); }
    HRESULT AddTree(const std::string& directory) override {
        return root_ ? root_->AddTree(Bstr(directory).Get(), VARIANT_FALSE) : E_POINTER;
    }
    HRESULT CreateResult() override { return image_->CreateResultImage(result_.Receive()); }
    HRESULT ImageStream(ComPtr<IStream>& stream) override {
        return result_ ? result_->get_ImageStream(stream.Receive()) : E_POINTER;
    }

private:
    ComPtr<imapi::IFileSystemImage> image_;
    ComPtr<imapi::IFsiDirectoryItem> root_;
    ComPtr<imapi::IFileSystemImageResult> result_;
};

// ---- Version 1 ----

class ComLegacyProgress : public imapi::IDiscMasterProgressEvents {
public:
    explicit ComLegacyProgress(ILegacyProgress& progress) : progress_(progress) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, imapi::IID_IDiscMasterProgressEvents)) {
            *object = static_cast<imapi::IDiscMasterProgressEvents*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    // Lives on the recording function's stack for the whole recording.
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE QueryCancel(boolean* cancel) override {
        *cancel = progress_.QueryCancel() ? 1 : 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE NotifyPnPActivity() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE NotifyAddProgress(long completed, long total) override {
        progress_.AddProgress(completed, total);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE NotifyBlockProgress(long completed, long total) override {
        progress_.BlockProgress(completed, total);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE NotifyTrackProgress(long, long) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE NotifyPreparingBurn(long) override {
        progress_.PreparingBurn();
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE NotifyClosingDisc(long) override {
        progress_.ClosingDisc();
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE NotifyBurnComplete(HRESULT) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE NotifyEraseComplete(HRESULT) override { return E_NOTIMPL; }

private:
    ILegacyProgress& progress_;
};

class ComLegacyDiscMaster : public ILegacyDiscMaster {
public:
    explicit ComLegacyDiscMaster(ComPtr<imapi::IDiscMaster> master) : master_(std::move(master)) {}
    ~ComLegacyDiscMaster() override {
        if (opened_) master_->Close();
    }

    HRESULT Open() override {
        const HRESULT result = master_->Open();
        opened_ = SUCCEEDED(result);
        return result;
    }
    HRESULT SetJolietFormat() override {
        return master_->SetActiveDiscMasterFormat(imapi::IID_IJolietDiscMaster, joliet_.ReceiveVoid());
    }
    HRESULT Recorders(std::vector<LegacyRecorderInfo>& recorders) override {
        ComPtr<imapi::IEnumDiscRecorders> all;
        const HRESULT result = master_->EnumDiscRecorders(all.Receive());
        if (FAILED(result)) return result;
        ComPtr<imapi::IDiscRecorder> recorder;
        ULONG fetched = 0;
        while (all->Next(1, recorder.Receive(), &fetched) == S_OK && fetched == 1) {
            LegacyRecorderInfo info;
            if (SUCCEEDED(recorder->OpenExclusive())) {
                Bstr vendor, product, revision, path;
                recorder->GetDisplayNames(vendor.Receive(), product.Receive(), revision.Receive());
                recorder->GetPath(path.Receive());
                recorder->Close();
                info = {vendor.Text(), product.Text(), path.Text()};
            }
            recorders.push_back(info);
        }
        return S_OK;
    }
    HRESULT SetActiveRecorder(std::size_t position) override {
        ComPtr<imapi::IEnumDiscRecorders> all;
        HRESULT result = master_->EnumDiscRecorders(all.Receive());
        if (FAILED(result)) return result;
        ULONG fetched = 0;
        for (std::size_t index = 0; index <= position; ++index) {
            if (all->Next(1, active_.Receive(), &fetched) != S_OK || fetched != 1) return E_FAIL;
        }
        return master_->SetActiveDiscRecorder(active_.Get());
    }
    HRESULT SetVolumeName(const std::string& name) override {
        if (!joliet_) return E_POINTER;
        ComPtr<IPropertyStorage> properties;
        HRESULT result = joliet_->GetJolietProperties(properties.Receive());
        if (FAILED(result)) return result;
        PROPSPEC spec{};
        spec.ulKind = PRSPEC_LPWSTR;
        spec.lpwstr = const_cast<LPOLESTR>(L"VolumeName");
        PROPVARIANT value;
        PropVariantInit(&value);
        value.vt = VT_BSTR;
        Bstr text(name);
        value.bstrVal = text.Get();
        result = properties->WriteMultiple(1, &spec, &value, PID_FIRST_USABLE);
        if (SUCCEEDED(result)) result = joliet_->SetJolietProperties(properties.Get());
        return result;
    }
    HRESULT Record(IStorage* content, ILegacyProgress& progress) override {
        if (!joliet_) return E_POINTER;
        ComLegacyProgress events(progress);
        UINT_PTR cookie = 0;
        HRESULT result = master_->ProgressAdvise(&events, &cookie);
        if (FAILED(result)) return result;
        result = joliet_->AddData(content, 1);
        if (SUCCEEDED(result)) result = master_->RecordDisc(0, 0);
        master_->ProgressUnadvise(cookie);
        return result;
    }
    void EjectActive() override {
        if (active_ && SUCCEEDED(active_->OpenExclusive())) {
            active_->Eject();
            active_->Close();
        }
    }

private:
    ComPtr<imapi::IDiscMaster> master_;
    ComPtr<imapi::IJolietDiscMaster> joliet_;
    ComPtr<imapi::IDiscRecorder> active_;
    bool opened_ = false;
};

// ---- The platform ----

class ImapiPlatform : public IBurnPlatform {
public:
    HRESULT CreateDiscMaster() override { return Create(imapi::CLSID_MsftDiscMaster2, imapi::IID_IDiscMaster2, master_); }
    HRESULT IsSupportedEnvironment(bool& supported) override {
        VARIANT_BOOL answer = VARIANT_FALSE;
        const HRESULT result = master_ ? master_->get_IsSupportedEnvironment(&answer) : E_POINTER;
        supported = answer == VARIANT_TRUE;
        return result;
    }
    HRESULT RecorderCount(long& count) override {
        LONG value = 0;
        const HRESULT result = master_ ? master_->get_Count(&value) : E_POINTER;
        count = value;
        return result;
    }
    HRESULT RecorderId(long index, std::string& uniqueId) override {
        Bstr id;
        const HRESULT result = master_ ? master_->get_Item(index, id.Receive()) : E_POINTER;
        uniqueId = id.Text();
        return result;
    }
    std::unique_ptr<IBurnRecorder> CreateRecorder(HRESULT& result) override {
        return Wrapped<ComRecorder, imapi::IDiscRecorder2>(imapi::CLSID_MsftDiscRecorder2, imapi::IID_IDiscRecorder2, result);
    }
    std::unique_ptr<IBurnDataWriter> CreateDataWriter(HRESULT& result) override {
        return Wrapped<ComDataWriter, imapi::IDiscFormat2Data>(imapi::CLSID_MsftDiscFormat2Data,
                                                               imapi::IID_IDiscFormat2Data, result);
    }
    std::unique_ptr<IBurnImage> CreateImage(HRESULT& result) override {
        return Wrapped<ComImage, imapi::IFileSystemImage>(imapi::CLSID_MsftFileSystemImage, imapi::IID_IFileSystemImage,
                                                          result);
    }
    std::unique_ptr<ILegacyDiscMaster> CreateLegacyDiscMaster(HRESULT& result) override {
        return Wrapped<ComLegacyDiscMaster, imapi::IDiscMaster>(imapi::CLSID_MSDiscMasterObj, imapi::IID_IDiscMaster,
                                                                result);
    }

private:
    ComPtr<imapi::IDiscMaster2> master_;
};

}  // namespace

std::unique_ptr<IBurnPlatform> MakeImapiPlatform() { return std::make_unique<ImapiPlatform>(); }
