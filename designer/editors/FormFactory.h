#pragma once
// The form that edits a record: the General form for none, else the form of
// the record's kind.
#include <memory>

#include "SettingsForm.h"

std::unique_ptr<CSettingsForm> CreateFormFor(const CSettings* record, IDesignerHost& host);
