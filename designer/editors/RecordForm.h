#pragma once
// A form bound to one kind of record: binding, the banner and saving are the
// same for all of them; each form fills its controls and stores them.
#include "Settings.h"
#include "SettingsForm.h"
#include "StepTree.h"

template <class Record>
class CRecordForm : public CSettingsForm {
public:
    using CSettingsForm::CSettingsForm;

    bool LoadSettings(CSettings* record) final {
        record_ = dynamic_cast<Record*>(record);
        if (!record_) return false;
        SetBanner(StepDisplayName(*record_));
        Fill(*record_);
        UpdateControls();
        return true;
    }

    bool SaveSettings() final {
        if (!record_) return false;
        Store(*record_);
        return record_->SaveRecord();
    }

protected:
    // The record's fields into the controls, and back.
    virtual void Fill(Record& record) = 0;
    virtual void Store(Record& record) = 0;

    Record* record_ = nullptr;
};
