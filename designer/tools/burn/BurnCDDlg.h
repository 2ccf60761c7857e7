#pragma once
// "Burn CD/DVD": the project directory written to a disc in one of the
// computer's writers. The dialog lists the writers and the media presets the
// chosen one supports, shows how full the disc will be, and runs the burn of
// the engine the computer has (image mastering version 2, else version 1) on
// a worker thread, which reports back by synchronous messages.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "BurnEngines.h"
#include "BurnTexts.h"
#include "CriticalSection.h"
#include "Dialog.h"
#include "DiscUsage.h"
#include "HoverBitmapButton.h"
#include "controls/ComboBox.h"

class CBurnCDDlg : public wingui::CDialog, private IBurnReport {
public:
    // label: at most 15 characters; the engine is chosen here.
    CBurnCDDlg(std::unique_ptr<IBurnPlatform> platform, std::string projectDirectory, std::string label);
    ~CBurnCDDlg() override;

    // The label as the author left it, for the project.
    const std::string& Label() const { return label_; }

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(WORD id, WORD notifyCode, HWND control) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;
    void OnCancel() override;

private:
    struct Writer {
        std::unique_ptr<IBurnRecorder> recorder;  // version 2
        std::string uniqueId;
        std::size_t legacyPosition = 0;  // version 1
    };

    bool FillWriters();
    bool FillModernWriters();
    void FillLegacyWriters();
    void OnDriveChange();
    void OnMediaChange();
    void AddWriter(const std::string& entry, Writer writer);
    Writer* SelectedWriter();
    // The directory's size walked again, then shown against the preset.
    void Recalculate();
    // The usage of the last walk; Burn follows it and the label.
    void ShowUsage();
    void StartBurn();
    void EnableControls(bool enable);
    void OnFinished(int code, const std::string& text);
    bool OnWriteProgress(const WriteProgress& progress);
    void OnLegacyStatus(int code, long figure, const std::string& name);
    void SetBar(int id, long position, long range);
    void Close(INT_PTR result);

    // IBurnReport, called on the worker's thread.
    void Status(const std::string& text) override;
    void Finished(int code, const std::string& text) override;
    bool WriteUpdate(const WriteProgress& progress) override;
    bool AskYesNo(const std::string& question) override;
    void ShowFailure(const std::string& text, bool withIcon) override;
    void LegacyStatus(int code, long figure, const std::string& name) override;
    void LegacySecondBar(long done, long total) override;
    void LegacyStep(int step) override;
    bool Cancelled() override;

    std::unique_ptr<IBurnPlatform> platform_;
    std::string projectDirectory_;
    std::string label_;
    bool eject_ = true;
    int engine_ = 1;
    std::vector<Writer> writers_;
    wingui::CComboBox drives_;
    wingui::CComboBox media_;
    std::optional<MediaPreset> preset_;
    std::uint64_t projectBytes_ = 0;
    bool overloaded_ = false;
    bool burning_ = false;
    wingui::CriticalSection cancelSection_;
    bool cancel_ = false;
    long sectorRange_ = -1;
    LegacyStatusFilter legacyFilter_;
    CHoverBitmapButtons helpButton_;
    std::thread worker_;
};

// "EjectDiskWhenFinished" among the designer's settings; missing is true.
bool ReadEjectWhenFinished();
void WriteEjectWhenFinished(bool eject);
