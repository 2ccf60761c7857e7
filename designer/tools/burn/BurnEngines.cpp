#include "BurnEngines.h"

#include "BurnTexts.h"
#include "ComApartment.h"
#include "FileUtil.h"

namespace {

struct Outcome {
    int code;
    std::string text;
};

// Once acquired, released on every way out.
class ExclusiveAccess {
public:
    explicit ExclusiveAccess(IBurnRecorder& recorder) : recorder_(recorder) {}
    ~ExclusiveAccess() { recorder_.ReleaseExclusiveAccess(); }
    ExclusiveAccess(const ExclusiveAccess&) = delete;
    ExclusiveAccess& operator=(const ExclusiveAccess&) = delete;

private:
    IBurnRecorder& recorder_;
};

// The image of the project directory for the media in the drive; the code
// of the step that failed with its text otherwise.
std::optional<Outcome> BuildImage(IBurnPlatform& platform, const BurnJob& job, int mediaType, IBurnReport& report,
                                  wingui::ComPtr<IStream>& stream) {
    HRESULT result = S_OK;
    auto image = platform.CreateImage(result);
    if (!image) return Outcome{kFinishNoImapi, "Unable to create IFileSystemImage Interface."};
    report.Status("Creating File System...");
    if (FAILED(image->CreateIsoAndJoliet()) || FAILED(image->SetVolumeName(job.label)) ||
        FAILED(image->ChooseDefaultsForMediaType(mediaType)))
        return Outcome{kFinishFailed, "Unable to create the file system."};
    if (FAILED(image->OpenRoot())) return Outcome{kFinishFailed, "Failed IFileSystemImage->getRoot"};
    report.Status("Adding \"" + job.projectDirectory + "\" to file system...");
    if (FAILED(image->AddTree(job.projectDirectory)))
        return Outcome{kFinishFailed, "Failed to add \"" + job.projectDirectory + "\" to the file system."};
    if (FAILED(image->CreateResult())) return Outcome{kFinishFailed, "Failed IFileSystemImage->CreateResultImage!"};
    if (FAILED(image->ImageStream(stream)) || !stream)
        return Outcome{kFinishFailed, "Failed IFileSystemImageResult->get_ImageStream!"};
    return std::nullopt;
}

Outcome WriteImage(IBurnDataWriter& writer, IBurnRecorder& recorder, IStream* image, const BurnJob& job,
                   IBurnReport& report) {
    bool sinkCreated = false;
    if (FAILED(writer.ConnectEvents([&report](const WriteProgress& progress) { return report.WriteUpdate(progress); },
                                    sinkCreated))) {
        report.ShowFailure(sinkCreated ? "Unable to connect event sink with interface" : "Unable to create event sink");
        return {kFinishFailed, ""};
    }
    writer.SetForceMediaToBeClosed(true);
    const HRESULT written = writer.Write(image);
    if (FAILED(written)) {
        report.ShowFailure(WithCode("IDiscFormat2Data->Write Failed! Error:0x%08x", std::uint32_t(written)));
        return {kFinishFailed, ""};
    }
    if (job.eject) recorder.EjectMedia();
    return {kFinishSucceeded, ""};
}

// Everything after the recorder was locked; the caller releases it.
Outcome BurnOnLockedRecorder(IBurnPlatform& platform, IBurnRecorder& recorder, const BurnJob& job,
                             IBurnReport& report) {
    std::vector<int> types;
    std::string failure;
    auto writer = OpenDataWriter(platform, &recorder, types, failure);
    if (!writer) {
        report.ShowFailure(failure);
        return {kFinishFailed, failure};
    }
    int media = 0;
    if (FAILED(writer->CurrentMediaType(media))) return {kFinishFailedWithText, "Unable to find CD/DVD."};
    const MediaPreset preset = job.preset.value_or(kPresetCd);
    if (!MediaFitsPreset(media, preset) && !report.AskYesNo(MediaQuestionText(preset, media)))
        return {kFinishUserChoice, ""};
    wingui::ComPtr<IStream> image;
    if (const auto failed = BuildImage(platform, job, media, report, image)) {
        if (failed->code == kFinishNoImapi) return *failed;
        // The failing step says what failed, the finish that nothing was burned.
        report.ShowFailure(failed->text);
        return {kFinishFailed, "Unable to create the file system."};
    }
    return WriteImage(*writer, recorder, image.Get(), job, report);
}

}  // namespace

std::unique_ptr<IBurnDataWriter> OpenDataWriter(IBurnPlatform& platform, IBurnRecorder* recorder,
                                                std::vector<int>& supportedTypes, std::string& failure) {
    if (!recorder) {
        failure = "Error - CDiscFormatData::Initialize - pDiscRecorder is NULL";
        return nullptr;
    }
    HRESULT result = S_OK;
    auto writer = platform.CreateDataWriter(result);
    if (!writer) {
        failure = WithCode("Unable to Initialize IDiscFormat2Data - Error:0x%08x", std::uint32_t(result));
        return nullptr;
    }
    bool supported = false;
    if (FAILED(writer->IsRecorderSupported(*recorder, supported)) || !supported) {
        failure = "Recorder not supported";
        return nullptr;
    }
    if (FAILED(result = writer->SetRecorder(*recorder))) {
        failure = WithCode("IDiscFormat2Data->put_Recorder Failed - Error:0x%08x", std::uint32_t(result));
        return nullptr;
    }
    if (FAILED(result = writer->SetClientName(kBurnClientName))) {
        failure = WithCode("IDiscFormat2Data->put_ClientName Failed - Error:0x%08x", std::uint32_t(result));
        return nullptr;
    }
    if (FAILED(result = writer->SupportedMediaTypes(supportedTypes))) {
        failure = WithCode("IDiscFormat2Data->get_SupportedMediaTypes Failed - Error:0x%08x", std::uint32_t(result));
        return nullptr;
    }
    return writer;
}

void RunImapi2Burn(IBurnPlatform& platform, const BurnJob& job, IBurnReport& report) {
    if (!job.writerSelected) return report.Finished(kFinishFailedWithReason, "No device selected.");
    if (job.recorderId.empty()) return report.Finished(kFinishFailedWithReason, "No data for selected device.");
    wingui::ComApartment com;
    report.Status("Initializing Disc Recorder...");
    HRESULT result = S_OK;
    auto recorder = platform.CreateRecorder(result);
    if (!recorder || FAILED(recorder->Initialize(job.recorderId)))
        return report.Finished(kFinishNoImapi, "Unable to initialize recorder.");
    if (!IsValidClientName(kBurnClientName) || FAILED(recorder->AcquireExclusiveAccess(true, kBurnClientName))) {
        return report.Finished(kFinishFailedWithReason, "Unable to access drive, " + recorder->ExclusiveAccessOwner() +
                                                            " is the exclusive owner of drive.");
    }
    Outcome outcome{kFinishFailed, ""};
    {
        ExclusiveAccess access(*recorder);
        outcome = BurnOnLockedRecorder(platform, *recorder, job, report);
    }
    report.Finished(outcome.code, outcome.text);
}
