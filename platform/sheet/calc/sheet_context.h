// The view a formula has of its sheet while it is computed: values of cells as they stand
// (the recalculation computes what a formula reads before the formula), sparse walks over
// ranges, and exact look-ups through the per-column hash indexes.
#pragma once

#include <vector>

#include "sheet/formula/eval_context.h"

namespace sheet {

class Calculation;

class SheetContext final : public EvalContext {
public:
    SheetContext(Calculation& calc, CellRef caller) : c_(calc), caller_(caller) {}
    // A context for computing a cell of a reference cycle: `pending` are the cycle's cells not
    // yet known.  Reading any of them (alone, in a range or a look-up column) is noted, and the
    // result computed then is not to be used.
    SheetContext(Calculation& calc, CellRef caller, const std::vector<CellRef>& pending)
        : c_(calc), caller_(caller), pending_(&pending) {}
    bool readPending() const { return readPending_; }
    // Shortcuts that read cells behind the context's back must not be taken then.
    bool watchesPending() const { return pending_ != nullptr; }
    Value cellValue(CellRef cell) const override;
    std::string cellText(CellRef cell) const override;
    CellRef caller() const override { return caller_; }
    int32_t maxRows() const override;
    int32_t maxCols() const override;
    const FunctionRegistry& functions() const override;
    void forEachValue(const RangeRef& range, CellVisitor& visitor) const override;
    int32_t findExact(const RangeRef& range, int32_t colInRange, const Value& key) const override;
    void setCellData(CellRef cell, const std::string& text) override;
    Calculation& calculation() const { return c_; }

private:
    void notePending(const RangeRef& range) const;

    Calculation& c_;
    CellRef caller_;
    const std::vector<CellRef>* pending_ = nullptr;
    mutable bool readPending_ = false;
};

}  // namespace sheet
