#pragma once
// The Windows image mastering interfaces the burn engines use, declared from
// their documented interface definitions because our compiler's headers do
// not carry them: version 2 (disc master, recorder, data writer with its
// events, file system image) and version 1 (disc master with the Joliet
// format, recorders and progress events). Only the methods up to the last
// one called are declared for interfaces we only call; interfaces we
// implement (the two event sinks) are complete.
#include <windows.h>
#include <oaidl.h>
#include <objidl.h>
#include <propidl.h>

namespace imapi {

// ---- Version 2 ----

inline constexpr CLSID CLSID_MsftDiscMaster2 = {0x2735412E, 0x7F64, 0x5B0F, {0x8F, 0x00, 0x5D, 0x77, 0xAF, 0xBE, 0x26, 0x1E}};
inline constexpr CLSID CLSID_MsftDiscRecorder2 = {0x2735412D, 0x7F64, 0x5B0F, {0x8F, 0x00, 0x5D, 0x77, 0xAF, 0xBE, 0x26, 0x1E}};
inline constexpr CLSID CLSID_MsftDiscFormat2Data = {0x2735412A, 0x7F64, 0x5B0F, {0x8F, 0x00, 0x5D, 0x77, 0xAF, 0xBE, 0x26, 0x1E}};
inline constexpr CLSID CLSID_MsftFileSystemImage = {0x2C941FC5, 0x975B, 0x59BE, {0xA9, 0x60, 0x9A, 0x2A, 0x26, 0x28, 0x53, 0xA5}};

inline constexpr IID IID_IDiscMaster2 = {0x27354130, 0x7F64, 0x5B0F, {0x8F, 0x00, 0x5D, 0x77, 0xAF, 0xBE, 0x26, 0x1E}};
inline constexpr IID IID_IDiscRecorder2 = {0x27354133, 0x7F64, 0x5B0F, {0x8F, 0x00, 0x5D, 0x77, 0xAF, 0xBE, 0x26, 0x1E}};
inline constexpr IID IID_IDiscFormat2Data = {0x27354153, 0x9F64, 0x5B0F, {0x8F, 0x00, 0x5D, 0x77, 0xAF, 0xBE, 0x26, 0x1E}};
inline constexpr IID DIID_DDiscFormat2DataEvents = {0x2735413C, 0x7F64, 0x5B0F, {0x8F, 0x00, 0x5D, 0x77, 0xAF, 0xBE, 0x26, 0x1E}};
inline constexpr IID IID_IDiscFormat2DataEventArgs = {0x2735413D, 0x7F64, 0x5B0F, {0x8F, 0x00, 0x5D, 0x77, 0xAF, 0xBE, 0x26, 0x1E}};
inline constexpr IID IID_IFileSystemImage = {0x2C941FE1, 0x975B, 0x59BE, {0xA9, 0x60, 0x9A, 0x2A, 0x26, 0x28, 0x53, 0xA5}};

enum IMAPI_MEDIA_PHYSICAL_TYPE { IMAPI_MEDIA_TYPE_UNKNOWN = 0, IMAPI_MEDIA_TYPE_MAX = 0x13 };

enum IMAPI_FORMAT2_DATA_WRITE_ACTION {
    IMAPI_FORMAT2_DATA_WRITE_ACTION_VALIDATING_MEDIA = 0,
    IMAPI_FORMAT2_DATA_WRITE_ACTION_FORMATTING_MEDIA = 1,
    IMAPI_FORMAT2_DATA_WRITE_ACTION_INITIALIZING_HARDWARE = 2,
    IMAPI_FORMAT2_DATA_WRITE_ACTION_CALIBRATING_POWER = 3,
    IMAPI_FORMAT2_DATA_WRITE_ACTION_WRITING_DATA = 4,
    IMAPI_FORMAT2_DATA_WRITE_ACTION_FINALIZATION = 5,
    IMAPI_FORMAT2_DATA_WRITE_ACTION_COMPLETED = 6,
};

enum FsiFileSystems { FsiFileSystemNone = 0, FsiFileSystemISO9660 = 1, FsiFileSystemJoliet = 2, FsiFileSystemUDF = 4 };

inline constexpr DISPID DISPID_DDISCFORMAT2DATAEVENTS_UPDATE = 0x200;

struct IDiscMaster2 : public IDispatch {
    virtual HRESULT STDMETHODCALLTYPE get__NewEnum(IEnumVARIANT** value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_Item(LONG index, BSTR* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_Count(LONG* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_IsSupportedEnvironment(VARIANT_BOOL* value) = 0;
};

struct IDiscRecorder2 : public IDispatch {
    virtual HRESULT STDMETHODCALLTYPE EjectMedia() = 0;
    virtual HRESULT STDMETHODCALLTYPE CloseTray() = 0;
    virtual HRESULT STDMETHODCALLTYPE AcquireExclusiveAccess(VARIANT_BOOL force, BSTR clientName) = 0;
    virtual HRESULT STDMETHODCALLTYPE ReleaseExclusiveAccess() = 0;
    virtual HRESULT STDMETHODCALLTYPE DisableMcn() = 0;
    virtual HRESULT STDMETHODCALLTYPE EnableMcn() = 0;
    virtual HRESULT STDMETHODCALLTYPE InitializeDiscRecorder(BSTR recorderUniqueId) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_ActiveDiscRecorder(BSTR* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_VendorId(BSTR* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_ProductId(BSTR* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_ProductRevision(BSTR* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_VolumeName(BSTR* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_VolumePathNames(SAFEARRAY** value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_DeviceCanLoadMedia(VARIANT_BOOL* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_LegacyDeviceNumber(LONG* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_SupportedFeaturePages(SAFEARRAY** value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_CurrentFeaturePages(SAFEARRAY** value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_SupportedProfiles(SAFEARRAY** value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_CurrentProfiles(SAFEARRAY** value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_SupportedModePages(SAFEARRAY** value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_ExclusiveAccessOwner(BSTR* value) = 0;
};

struct IDiscFormat2 : public IDispatch {
    virtual HRESULT STDMETHODCALLTYPE IsRecorderSupported(IDiscRecorder2* recorder, VARIANT_BOOL* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE IsCurrentMediaSupported(IDiscRecorder2* recorder, VARIANT_BOOL* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_MediaPhysicallyBlank(VARIANT_BOOL* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_MediaHeuristicallyBlank(VARIANT_BOOL* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_SupportedMediaTypes(SAFEARRAY** value) = 0;
};

struct IDiscFormat2Data : public IDiscFormat2 {
    virtual HRESULT STDMETHODCALLTYPE put_Recorder(IDiscRecorder2* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_Recorder(IDiscRecorder2** value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_BufferUnderrunFreeDisabled(VARIANT_BOOL value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_BufferUnderrunFreeDisabled(VARIANT_BOOL* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_PostgapAlreadyInImage(VARIANT_BOOL* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_CurrentMediaStatus(LONG* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_WriteProtectStatus(LONG* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_TotalSectorsOnMedia(LONG* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_FreeSectorsOnMedia(LONG* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_NextWritableAddress(LONG* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_StartAddressOfPreviousSession(LONG* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_LastWrittenAddressOfPreviousSession(LONG* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_ForceMediaToBeClosed(VARIANT_BOOL value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_ForceMediaToBeClosed(VARIANT_BOOL* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_DisableConsumerDvdCompatibilityMode(VARIANT_BOOL value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_DisableConsumerDvdCompatibilityMode(VARIANT_BOOL* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_CurrentPhysicalMediaType(IMAPI_MEDIA_PHYSICAL_TYPE* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_ClientName(BSTR value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_ClientName(BSTR* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_RequestedWriteSpeed(LONG* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_RequestedRotationTypeIsPureCAV(VARIANT_BOOL* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_CurrentWriteSpeed(LONG* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_CurrentRotationTypeIsPureCAV(VARIANT_BOOL* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_SupportedWriteSpeeds(SAFEARRAY** value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_SupportedWriteSpeedDescriptors(SAFEARRAY** value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_ForcedOverwrite(VARIANT_BOOL value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_ForcedOverwrite(VARIANT_BOOL* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_MultisessionInterfaces(SAFEARRAY** value) = 0;
    virtual HRESULT STDMETHODCALLTYPE Write(IStream* data) = 0;
    virtual HRESULT STDMETHODCALLTYPE CancelWrite() = 0;
};

struct IWriteEngine2EventArgs : public IDispatch {
    virtual HRESULT STDMETHODCALLTYPE get_StartLba(LONG* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_SectorCount(LONG* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_LastReadLba(LONG* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_LastWrittenLba(LONG* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_TotalSystemBuffer(LONG* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_UsedSystemBuffer(LONG* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_FreeSystemBuffer(LONG* value) = 0;
};

struct IDiscFormat2DataEventArgs : public IWriteEngine2EventArgs {
    virtual HRESULT STDMETHODCALLTYPE get_ElapsedTime(LONG* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_RemainingTime(LONG* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_TotalTime(LONG* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_CurrentAction(IMAPI_FORMAT2_DATA_WRITE_ACTION* value) = 0;
};

// Items of the file system image; the types we never touch are passed as
// IUnknown, which has the same shape in the vtable.
struct IFsiItem : public IDispatch {
    virtual HRESULT STDMETHODCALLTYPE get_Name(BSTR* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_FullPath(BSTR* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_CreationTime(DATE* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_CreationTime(DATE value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_LastAccessedTime(DATE* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_LastAccessedTime(DATE value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_LastModifiedTime(DATE* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_LastModifiedTime(DATE value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_IsHidden(VARIANT_BOOL* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_IsHidden(VARIANT_BOOL value) = 0;
    virtual HRESULT STDMETHODCALLTYPE FileSystemName(FsiFileSystems fileSystem, BSTR* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE FileSystemPath(FsiFileSystems fileSystem, BSTR* value) = 0;
};

struct IFsiDirectoryItem : public IFsiItem {
    virtual HRESULT STDMETHODCALLTYPE get__NewEnum(IEnumVARIANT** value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_Item(BSTR path, IFsiItem** value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_Count(LONG* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_EnumFsiItems(IUnknown** value) = 0;
    virtual HRESULT STDMETHODCALLTYPE AddDirectory(BSTR path) = 0;
    virtual HRESULT STDMETHODCALLTYPE AddFile(BSTR path, IStream* fileData) = 0;
    virtual HRESULT STDMETHODCALLTYPE AddTree(BSTR sourceDirectory, VARIANT_BOOL includeBaseDirectory) = 0;
};

struct IFileSystemImageResult : public IDispatch {
    virtual HRESULT STDMETHODCALLTYPE get_ImageStream(IStream** value) = 0;
};

struct IFileSystemImage : public IDispatch {
    virtual HRESULT STDMETHODCALLTYPE get_Root(IFsiDirectoryItem** value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_SessionStartBlock(LONG* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_SessionStartBlock(LONG value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_FreeMediaBlocks(LONG* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_FreeMediaBlocks(LONG value) = 0;
    virtual HRESULT STDMETHODCALLTYPE SetMaxMediaBlocksFromDevice(IDiscRecorder2* recorder) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_UsedBlocks(LONG* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_VolumeName(BSTR* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_VolumeName(BSTR value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_ImportedVolumeName(BSTR* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_BootImageOptions(IUnknown** value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_BootImageOptions(IUnknown* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_FileCount(LONG* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_DirectoryCount(LONG* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_WorkingDirectory(BSTR* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_WorkingDirectory(BSTR value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_ChangePoint(LONG* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_StrictFileSystemCompliance(VARIANT_BOOL* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_StrictFileSystemCompliance(VARIANT_BOOL value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_UseRestrictedCharacterSet(VARIANT_BOOL* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_UseRestrictedCharacterSet(VARIANT_BOOL value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_FileSystemsToCreate(FsiFileSystems* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_FileSystemsToCreate(FsiFileSystems value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_FileSystemsSupported(FsiFileSystems* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_UDFRevision(LONG value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_UDFRevision(LONG* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_UDFRevisionsSupported(SAFEARRAY** value) = 0;
    virtual HRESULT STDMETHODCALLTYPE ChooseImageDefaults(IDiscRecorder2* recorder) = 0;
    virtual HRESULT STDMETHODCALLTYPE ChooseImageDefaultsForMediaType(IMAPI_MEDIA_PHYSICAL_TYPE value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_ISO9660InterchangeLevel(LONG value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_ISO9660InterchangeLevel(LONG* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_ISO9660InterchangeLevelsSupported(SAFEARRAY** value) = 0;
    virtual HRESULT STDMETHODCALLTYPE CreateResultImage(IFileSystemImageResult** value) = 0;
};

// ---- Version 1 ----

inline constexpr CLSID CLSID_MSDiscMasterObj = {0x520CCA63, 0x51A5, 0x11D3, {0x91, 0x44, 0x00, 0x10, 0x4B, 0xA1, 0x1C, 0x5E}};
inline constexpr IID IID_IDiscMaster = {0x520CCA62, 0x51A5, 0x11D3, {0x91, 0x44, 0x00, 0x10, 0x4B, 0xA1, 0x1C, 0x5E}};
inline constexpr IID IID_IJolietDiscMaster = {0xE3BC42CE, 0x4E5C, 0x11D3, {0x91, 0x44, 0x00, 0x10, 0x4B, 0xA1, 0x1C, 0x5E}};
inline constexpr IID IID_IDiscMasterProgressEvents = {0xEC9E51C1, 0x4E5C, 0x11D3, {0x91, 0x44, 0x00, 0x10, 0x4B, 0xA1, 0x1C, 0x5E}};

struct IDiscRecorder : public IUnknown {
    virtual HRESULT STDMETHODCALLTYPE Init(BYTE* uniqueId, ULONG idSize, ULONG driveNumber) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetRecorderGUID(BYTE* uniqueId, ULONG bufferSize, ULONG* returnedSize) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetRecorderType(long* type) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetDisplayNames(BSTR* vendorId, BSTR* productId, BSTR* revision) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetBasePnPID(BSTR* basePnPId) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetPath(BSTR* path) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetRecorderProperties(IPropertyStorage** properties) = 0;
    virtual HRESULT STDMETHODCALLTYPE SetRecorderProperties(IPropertyStorage* properties) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetRecorderState(ULONG* state) = 0;
    virtual HRESULT STDMETHODCALLTYPE OpenExclusive() = 0;
    virtual HRESULT STDMETHODCALLTYPE QueryMediaType(long* type, long* flags) = 0;
    virtual HRESULT STDMETHODCALLTYPE QueryMediaInfo(BYTE* sessions, BYTE* lastTrack, ULONG* startAddress,
                                                     ULONG* nextWritable, ULONG* freeBlocks) = 0;
    virtual HRESULT STDMETHODCALLTYPE Eject() = 0;
    virtual HRESULT STDMETHODCALLTYPE Erase(boolean fullErase) = 0;
    virtual HRESULT STDMETHODCALLTYPE Close() = 0;
};

struct IEnumDiscRecorders : public IUnknown {
    virtual HRESULT STDMETHODCALLTYPE Next(ULONG count, IDiscRecorder** recorders, ULONG* fetched) = 0;
    virtual HRESULT STDMETHODCALLTYPE Skip(ULONG count) = 0;
    virtual HRESULT STDMETHODCALLTYPE Reset() = 0;
    virtual HRESULT STDMETHODCALLTYPE Clone(IEnumDiscRecorders** copy) = 0;
};

struct IDiscMasterProgressEvents : public IUnknown {
    virtual HRESULT STDMETHODCALLTYPE QueryCancel(boolean* cancel) = 0;
    virtual HRESULT STDMETHODCALLTYPE NotifyPnPActivity() = 0;
    virtual HRESULT STDMETHODCALLTYPE NotifyAddProgress(long completedSteps, long totalSteps) = 0;
    virtual HRESULT STDMETHODCALLTYPE NotifyBlockProgress(long completed, long total) = 0;
    virtual HRESULT STDMETHODCALLTYPE NotifyTrackProgress(long currentTrack, long totalTracks) = 0;
    virtual HRESULT STDMETHODCALLTYPE NotifyPreparingBurn(long estimatedSeconds) = 0;
    virtual HRESULT STDMETHODCALLTYPE NotifyClosingDisc(long estimatedSeconds) = 0;
    virtual HRESULT STDMETHODCALLTYPE NotifyBurnComplete(HRESULT status) = 0;
    virtual HRESULT STDMETHODCALLTYPE NotifyEraseComplete(HRESULT status) = 0;
};

struct IDiscMaster : public IUnknown {
    virtual HRESULT STDMETHODCALLTYPE Open() = 0;
    virtual HRESULT STDMETHODCALLTYPE EnumDiscMasterFormats(IUnknown** formats) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetActiveDiscMasterFormat(IID* format) = 0;
    virtual HRESULT STDMETHODCALLTYPE SetActiveDiscMasterFormat(REFIID format, void** formatObject) = 0;
    virtual HRESULT STDMETHODCALLTYPE EnumDiscRecorders(IEnumDiscRecorders** recorders) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetActiveDiscRecorder(IDiscRecorder** recorder) = 0;
    virtual HRESULT STDMETHODCALLTYPE SetActiveDiscRecorder(IDiscRecorder* recorder) = 0;
    virtual HRESULT STDMETHODCALLTYPE ClearFormatContent() = 0;
    virtual HRESULT STDMETHODCALLTYPE ProgressAdvise(IDiscMasterProgressEvents* events, UINT_PTR* cookie) = 0;
    virtual HRESULT STDMETHODCALLTYPE ProgressUnadvise(UINT_PTR cookie) = 0;
    virtual HRESULT STDMETHODCALLTYPE RecordDisc(boolean simulate, boolean ejectAfterBurn) = 0;
    virtual HRESULT STDMETHODCALLTYPE Close() = 0;
};

struct IJolietDiscMaster : public IUnknown {
    virtual HRESULT STDMETHODCALLTYPE GetTotalDataBlocks(long* blocks) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetUsedDataBlocks(long* blocks) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetDataBlockSize(long* size) = 0;
    virtual HRESULT STDMETHODCALLTYPE AddData(IStorage* storage, long fileOverwrite) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetJolietProperties(IPropertyStorage** properties) = 0;
    virtual HRESULT STDMETHODCALLTYPE SetJolietProperties(IPropertyStorage* properties) = 0;
};

}  // namespace imapi
