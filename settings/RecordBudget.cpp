#include "RecordBudget.h"

namespace {
// Loads run on one thread; each thread has its own budget.
thread_local int t_left = 0;
thread_local bool t_open = false;
}  // namespace

CRecordBudget::CRecordBudget() {
    if (t_open) return;
    t_open = true;
    outermost_ = true;
    t_left = kMaxRecordsPerFile;
}

CRecordBudget::~CRecordBudget() {
    if (outermost_) t_open = false;
}

bool CRecordBudget::Take(int count) {
    if (!t_open) return true;
    if (t_left < count) return false;
    t_left -= count;
    return true;
}
