#pragma once
// How many records one load of a settings file may create, across every list
// and layout in it. Each list has its own cap, but lists nest (menus, buttons,
// actions) and the legacy layout gives every button a list of its own, so
// only a bound for the whole file keeps a small crafted file from creating
// millions of records.
class CRecordBudget {
public:
    static constexpr int kMaxRecordsPerFile = 16384;

    // Opens the budget for one load on this thread; nested budgets share the
    // outermost one.
    CRecordBudget();
    ~CRecordBudget();
    CRecordBudget(const CRecordBudget&) = delete;
    CRecordBudget& operator=(const CRecordBudget&) = delete;

    // Takes records from the open budget; false, taking none, when fewer are
    // left. Without an open budget every record is granted (the lists' own
    // caps apply).
    static bool Take(int count = 1);

private:
    bool outermost_ = false;
};
