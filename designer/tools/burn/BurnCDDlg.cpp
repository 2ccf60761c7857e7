#include "BurnCDDlg.h"

#include <commctrl.h>

#include "DesignerHelp.h"
#include "DesignerMessage.h"
#include "FileUtil.h"
#include "MessageBox.h"
#include "ProjectFields.h"
#include "RegistryUtil.h"
#include "ResourceString.h"
#include "WindowText.h"
#include "../../resource.h"

namespace {

// What the worker sends; all synchronous, so the dialog's thread does every
// change of the window.
enum : UINT {
    kStatusMessage = WM_APP + 300,
    kFinishedMessage = WM_APP + 301,
    kQuestionMessage = WM_APP + 302,
    kFailureMessage = WM_APP + 303,
    kLegacyStatusMessage = WM_APP + 304,
    kLegacyBarMessage = WM_APP + 305,
    kLegacyStepMessage = WM_APP + 306,
    kWriteProgressMessage = WM_APP + 842,
};

constexpr int kBurnHelpTopic = 280;
constexpr int kCurrentUser = 1;
constexpr const char* kEjectValue = "EjectDiskWhenFinished";
constexpr int kLegacySteps = 5;

struct LegacyStatusArguments {
    int code;
    long figure;
    const std::string* name;
};

// The controls a burn disables, and enables again when it ends.
constexpr int kBurnLockedControls[] = {IDC_BURN_DRIVE, IDC_BURN_MEDIA, IDC_BURN_RECALCULATE, IDCANCEL,
                                       IDC_BURN_EJECT, IDC_BURN_LABEL, IDC_BURN_START};

std::string DriveRootOfDevice(const std::string& devicePath) {
    char drives[512] = {};
    const DWORD length = GetLogicalDriveStringsA(sizeof drives, drives);
    if (length == 0 || length > sizeof drives) return {};
    for (const char* root = drives; *root; root += lstrlenA(root) + 1) {
        const std::string name = std::string(root).substr(0, 2);  // "E:"
        char device[MAX_PATH] = {};
        if (QueryDosDeviceA(name.c_str(), device, MAX_PATH) && lstrcmpiA(device, devicePath.c_str()) == 0) return root;
    }
    return {};
}

// The version-2 disc master decides the engine.
int EngineOf(IBurnPlatform& platform) { return SUCCEEDED(platform.CreateDiscMaster()) ? 2 : 1; }

}  // namespace

bool ReadEjectWhenFinished() {
    RegistryUtil registry;
    std::string value;
    if (!registry.OpenBase(kCurrentUser) || !registry.ReadString(kEjectValue, value, 16)) return true;
    return value != "FALSE";
}

void WriteEjectWhenFinished(bool eject) {
    RegistryUtil registry;
    if (registry.CreateBase(kCurrentUser)) registry.WriteValue(kEjectValue, eject ? "TRUE" : "FALSE");
}

CBurnCDDlg::CBurnCDDlg(std::unique_ptr<IBurnPlatform> platform, std::string projectDirectory, std::string label)
    : CDialog(IDD_BURN_CD),
      platform_(std::move(platform)),
      projectDirectory_(std::move(projectDirectory)),
      label_(std::move(label)) {
    while (!projectDirectory_.empty() && projectDirectory_.back() == '\\') projectDirectory_.pop_back();
    if (label_.size() > kMaxDiscLabel) label_.resize(kMaxDiscLabel);
    eject_ = ReadEjectWhenFinished();
    engine_ = EngineOf(*platform_);
}

CBurnCDDlg::~CBurnCDDlg() {
    if (worker_.joinable()) worker_.join();
}

BOOL CBurnCDDlg::OnInitDialog() {
    drives_.Attach(Item(IDC_BURN_DRIVE));
    media_.Attach(Item(IDC_BURN_MEDIA));
    SetDlgItemTextA(Handle(), IDC_BURN_LABEL, label_.c_str());
    SendDlgItemMessageA(Handle(), IDC_BURN_LABEL, EM_LIMITTEXT, kMaxDiscLabel, 0);
    CheckDlgButton(Handle(), IDC_BURN_EJECT, eject_ ? BST_CHECKED : BST_UNCHECKED);
    helpButton_.Add(Handle(), IDC_BURN_HELP);
    for (int id : {IDC_BURN_PROGRESS_TEXT, IDC_BURN_BUFFER_TEXT, IDC_BURN_SUPPORTED}) SetDlgItemTextA(Handle(), id, "");
    SendDlgItemMessageA(Handle(), IDC_BURN_USAGE_BAR, PBM_SETRANGE32, 0, 100);
    if (engine_ == 1) {
        for (int id : {IDC_BURN_ESTIMATED_LABEL, IDC_BURN_ESTIMATED, IDC_BURN_LEFT_LABEL, IDC_BURN_LEFT})
            ShowWindow(Item(id), SW_HIDE);
    }
    if (!FillWriters()) {
        Close(IDCANCEL);
        return TRUE;
    }
    drives_.Select(0);
    OnDriveChange();
    return TRUE;
}

bool CBurnCDDlg::FillWriters() {
    if (engine_ == 2) {
        if (!FillModernWriters()) return false;
    } else {
        FillLegacyWriters();
    }
    if (!writers_.empty()) return true;
    ShowDesignerMessage(Handle(), IDS_NO_DISC_WRITER, MB_ICONWARNING);
    return false;
}

bool CBurnCDDlg::FillModernWriters() {
    // The disc master was made when the engine was chosen.
    bool supported = false;
    std::string failure;
    HRESULT result = S_OK;
    if (FAILED(result = platform_->IsSupportedEnvironment(supported))) {
        failure = WithCode("IDiscMaster2->get_IsSupportedEnvironment failed! - Error:0x%08x", std::uint32_t(result));
    } else if (!supported) {
        failure = "There were no writable devices detected!";
    }
    if (!failure.empty()) {
        wingui::ShowMessage(Handle(), failure, MB_ICONERROR);
        return false;
    }
    long count = 0;
    if (FAILED(result = platform_->RecorderCount(count)) && count == 0)
        wingui::ShowMessage(Handle(), WithCode("IDiscMaster2->get_Count failed! - Error:0x%08x", std::uint32_t(result)),
                            MB_ICONERROR);
    for (long index = 0; index < count; ++index) {
        std::string id;
        if (FAILED(result = platform_->RecorderId(index, id))) {
            char text[128];
            wsprintfA(text, "IDiscMaster2->get_Item(%d) failed! - Error:0x%08x", int(index), unsigned(result));
            wingui::ShowMessage(Handle(), text, MB_ICONERROR);
            continue;
        }
        auto recorder = platform_->CreateRecorder(result);
        if (recorder && SUCCEEDED(result = recorder->Initialize(id))) {
            const std::string entry = WriterEntryText(recorder->VolumePaths(), recorder->ProductId());
            AddWriter(entry, {std::move(recorder), id, 0});
        } else if (count == 1) {
            wingui::ShowMessage(Handle(),
                                WithCode("Failed to initialize recorder - Error:0x%08x", std::uint32_t(result)) +
                                    "\n\nRecorder Unique ID:" + id,
                                MB_ICONERROR);
        }
    }
    return true;
}

void CBurnCDDlg::FillLegacyWriters() {
    HRESULT result = S_OK;
    auto master = platform_->CreateLegacyDiscMaster(result);
    std::vector<LegacyRecorderInfo> recorders;
    if (!master || FAILED(master->Open()) || FAILED(master->Recorders(recorders))) return;
    for (std::size_t position = 0; position < recorders.size(); ++position) {
        AddWriter(WriterEntryText({DriveRootOfDevice(recorders[position].devicePath)}, recorders[position].product),
                  {nullptr, "", position});
    }
}

void CBurnCDDlg::AddWriter(const std::string& entry, Writer writer) {
    drives_.Add(entry, LPARAM(writers_.size()));
    writers_.push_back(std::move(writer));
}

CBurnCDDlg::Writer* CBurnCDDlg::SelectedWriter() {
    const auto index = drives_.SelectedData();
    return index && std::size_t(*index) < writers_.size() ? &writers_[std::size_t(*index)] : nullptr;
}

void CBurnCDDlg::OnDriveChange() {
    media_.Clear();
    std::vector<MediaPreset> presets{kPresetCd};
    if (engine_ == 2) {
        presets.clear();
        Writer* writer = SelectedWriter();
        IBurnRecorder* recorder = writer ? writer->recorder.get() : nullptr;
        std::vector<int> types;
        std::string failure;
        if (OpenDataWriter(*platform_, recorder, types, failure)) {
            SetDlgItemTextA(Handle(), IDC_BURN_SUPPORTED, SupportedTypesText(types).c_str());
            presets = PresetsForMediaTypes(types);
        } else {
            SetDlgItemTextA(Handle(), IDC_BURN_SUPPORTED, "");
            wingui::ShowMessage(Handle(), failure, MB_ICONERROR);
        }
    }
    for (MediaPreset preset : presets) media_.Add(PresetOf(preset).text, LPARAM(preset));
    media_.Select(0);
    OnMediaChange();
}

void CBurnCDDlg::OnMediaChange() {
    preset_.reset();
    if (const auto preset = media_.SelectedData()) preset_ = MediaPreset(*preset);
    Recalculate();
}

void CBurnCDDlg::Recalculate() {
    projectBytes_ = DirectorySize(projectDirectory_);
    ShowUsage();
}

void CBurnCDDlg::ShowUsage() {
    const DiscUsage usage =
        UsageFor(projectBytes_, preset_, TrimmedItemText(Handle(), IDC_BURN_LABEL),
                 wingui::LoadResourceString(IDS_DISC_USED_FREE), wingui::LoadResourceString(IDS_DISC_OVERLOADED));
    overloaded_ = usage.overloaded;
    SendDlgItemMessageA(Handle(), IDC_BURN_USAGE_BAR, PBM_SETPOS, WPARAM(usage.barPercent), 0);
    SetDlgItemTextA(Handle(), IDC_BURN_USAGE, usage.text.c_str());
    EnableWindow(Item(IDC_BURN_START), usage.burnEnabled);
}

void CBurnCDDlg::EnableControls(bool enable) {
    for (int id : kBurnLockedControls) EnableWindow(Item(id), enable);
}

void CBurnCDDlg::StartBurn() {
    {
        wingui::Lock lock(cancelSection_);
        cancel_ = false;
    }
    SetDlgItemTextA(Handle(), IDC_BURN_PROGRESS_TEXT, "Initializing...");
    burning_ = true;
    label_ = TrimmedItemText(Handle(), IDC_BURN_LABEL);
    eject_ = IsDlgButtonChecked(Handle(), IDC_BURN_EJECT) == BST_CHECKED;
    BurnJob job;
    job.projectDirectory = projectDirectory_;
    job.label = label_;
    job.eject = eject_;
    job.preset = preset_;
    if (const Writer* writer = SelectedWriter()) {
        job.writerSelected = true;
        if (writer->recorder) job.recorderId = writer->uniqueId;
        job.legacyPosition = writer->legacyPosition;
    }
    EnableControls(false);
    sectorRange_ = -1;
    legacyFilter_ = LegacyStatusFilter();
    if (worker_.joinable()) worker_.join();
    worker_ = std::thread([this, job] {
        if (engine_ == 2) {
            RunImapi2Burn(*platform_, job, *this);
        } else {
            CBurnCD(*platform_, *this).Burn(job);
        }
    });
}

void CBurnCDDlg::OnFinished(int code, const std::string& text) {
    SetDlgItemTextA(Handle(), IDC_BURN_PROGRESS_TEXT, "");
    if (const auto message = FinishMessage(code, text)) wingui::ShowMessage(Handle(), *message, MB_ICONERROR);
    if (code == kFinishSucceeded) SetDlgItemTextA(Handle(), IDC_BURN_PROGRESS_TEXT, kBurnSucceededText);
    burning_ = false;
    EnableControls(true);
    ShowUsage();
}

void CBurnCDDlg::SetBar(int id, long position, long range) {
    SendDlgItemMessageA(Handle(), id, PBM_SETRANGE32, 0, range);
    SendDlgItemMessageA(Handle(), id, PBM_SETPOS, WPARAM(position), 0);
}

bool CBurnCDDlg::OnWriteProgress(const WriteProgress& progress) {
    if (progress.action == 4) {
        SetDlgItemTextA(Handle(), IDC_BURN_ESTIMATED, BurnTimeText(progress.totalSeconds).c_str());
        SetDlgItemTextA(Handle(), IDC_BURN_LEFT, BurnTimeText(progress.remainingSeconds).c_str());
        SetBar(IDC_BURN_BUFFER, progress.usedBuffer, progress.totalBuffer);
        SetDlgItemTextA(Handle(), IDC_BURN_BUFFER_TEXT, BufferText(progress.usedBuffer, progress.totalBuffer).c_str());
        if (progress.sectorCount != sectorRange_) {
            sectorRange_ = progress.sectorCount;
            SendDlgItemMessageA(Handle(), IDC_BURN_PROGRESS, PBM_SETRANGE32, 0, progress.sectorCount);
        }
        const long written = progress.lastWrittenLba - progress.startLba;
        SendDlgItemMessageA(Handle(), IDC_BURN_PROGRESS, PBM_SETPOS, WPARAM(written), 0);
        SetDlgItemTextA(Handle(), IDC_BURN_PROGRESS_TEXT, ProgressPercentText(written, progress.sectorCount).c_str());
    } else if (const std::string text = WriteActionText(progress.action); !text.empty()) {
        SetDlgItemTextA(Handle(), IDC_BURN_PROGRESS_TEXT, text.c_str());
    }
    return !Cancelled();
}

void CBurnCDDlg::OnLegacyStatus(int code, long figure, const std::string& name) {
    const auto status = LegacyStatusOf(code, name);
    if (!status || !legacyFilter_.IsNew(code, figure, name)) return;
    SetDlgItemTextA(Handle(), IDC_BURN_PROGRESS_TEXT, status->text.c_str());
    SetBar(IDC_BURN_PROGRESS, status->step, kLegacySteps);
}

bool CBurnCDDlg::OnCommand(WORD id, WORD notifyCode, HWND control) {
    switch (id) {
        case IDC_BURN_DRIVE:
            if (notifyCode == CBN_SELCHANGE) OnDriveChange();
            return true;
        case IDC_BURN_MEDIA:
            if (notifyCode == CBN_SELCHANGE) OnMediaChange();
            return true;
        case IDC_BURN_LABEL:
            if (notifyCode == EN_CHANGE) ShowUsage();
            return true;
        case IDC_BURN_RECALCULATE: Recalculate(); return true;
        case IDC_BURN_START:
            if (!burning_ && IsWindowEnabled(Item(IDC_BURN_START))) StartBurn();
            return true;
        case IDC_BURN_HELP: ShowHelpTopic(Handle(), kBurnHelpTopic); return true;
        default: return CDialog::OnCommand(id, notifyCode, control);
    }
}

bool CBurnCDDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
    switch (message) {
        case kStatusMessage:
            SetDlgItemTextA(Handle(), IDC_BURN_PROGRESS_TEXT, reinterpret_cast<const std::string*>(lParam)->c_str());
            return true;
        case kFinishedMessage: OnFinished(int(wParam), *reinterpret_cast<const std::string*>(lParam)); return true;
        case kQuestionMessage:
            result = wingui::ShowMessage(Handle(), *reinterpret_cast<const std::string*>(lParam),
                                         MB_YESNO | MB_ICONQUESTION);
            return true;
        case kFailureMessage:
            wingui::ShowMessage(Handle(), *reinterpret_cast<const std::string*>(lParam), wParam ? MB_ICONERROR : 0);
            return true;
        case kLegacyStatusMessage: {
            const auto& status = *reinterpret_cast<const LegacyStatusArguments*>(lParam);
            OnLegacyStatus(status.code, status.figure, *status.name);
            return true;
        }
        case kLegacyBarMessage: {
            const long done = long(wParam), total = long(lParam);
            SetBar(IDC_BURN_BUFFER, done, total);
            SetDlgItemTextA(Handle(), IDC_BURN_BUFFER_TEXT,
                            done == 0 || total == 0 ? "" : ProgressPercentText(done, total).c_str());
            return true;
        }
        case kLegacyStepMessage: SetBar(IDC_BURN_PROGRESS, long(wParam), kLegacySteps); return true;
        case kWriteProgressMessage:
            result = OnWriteProgress(*reinterpret_cast<const WriteProgress*>(lParam)) ? TRUE : FALSE;
            return true;
        case WM_CTLCOLORSTATIC:
            if (HWND(lParam) == Item(IDC_BURN_USAGE)) {
                const HDC dc = HDC(wParam);
                SetTextColor(dc, overloaded_ ? RGB(255, 0, 0) : RGB(0, 0, 0));
                SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
                result = INT_PTR(GetSysColorBrush(COLOR_BTNFACE));
                return true;
            }
            return false;
        case WM_DRAWITEM:
            if (!helpButton_.DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))) return false;
            result = TRUE;
            return true;
        default: return false;
    }
}

void CBurnCDDlg::OnCancel() {
    // The worker still sends its messages here: the dialog stays until it ends.
    if (burning_) return;
    Close(IDCANCEL);
}

void CBurnCDDlg::Close(INT_PTR result) {
    eject_ = IsDlgButtonChecked(Handle(), IDC_BURN_EJECT) == BST_CHECKED;
    label_ = TrimmedItemText(Handle(), IDC_BURN_LABEL);
    WriteEjectWhenFinished(eject_);
    writers_.clear();
    End(result);
}

// ---- What the worker reports, carried over to the dialog's thread ----

void CBurnCDDlg::Status(const std::string& text) { SendMessageA(Handle(), kStatusMessage, 0, LPARAM(&text)); }

void CBurnCDDlg::Finished(int code, const std::string& text) {
    SendMessageA(Handle(), kFinishedMessage, WPARAM(code), LPARAM(&text));
}

bool CBurnCDDlg::WriteUpdate(const WriteProgress& progress) {
    return SendMessageA(Handle(), kWriteProgressMessage, 0, LPARAM(&progress)) != FALSE;
}

bool CBurnCDDlg::AskYesNo(const std::string& question) {
    return SendMessageA(Handle(), kQuestionMessage, 0, LPARAM(&question)) == IDYES;
}

void CBurnCDDlg::ShowFailure(const std::string& text, bool withIcon) {
    SendMessageA(Handle(), kFailureMessage, withIcon ? 1 : 0, LPARAM(&text));
}

void CBurnCDDlg::LegacyStatus(int code, long figure, const std::string& name) {
    const LegacyStatusArguments arguments{code, figure, &name};
    SendMessageA(Handle(), kLegacyStatusMessage, 0, LPARAM(&arguments));
}

void CBurnCDDlg::LegacySecondBar(long done, long total) {
    SendMessageA(Handle(), kLegacyBarMessage, WPARAM(done), LPARAM(total));
}

void CBurnCDDlg::LegacyStep(int step) { SendMessageA(Handle(), kLegacyStepMessage, WPARAM(step), 0); }

bool CBurnCDDlg::Cancelled() {
    wingui::Lock lock(cancelSection_);
    return cancel_;
}
