// What the interpreter needs from the sheet that holds a formula.
#pragma once

#include <cstdint>
#include <string>

#include "sheet/value.h"

namespace sheet {

class Formula;
class FunctionRegistry;

// Receives the cells of a range one by one.
class CellVisitor {
public:
    virtual ~CellVisitor() = default;
    // Returns false to stop the walk.
    virtual bool visit(CellRef cell, const Value& value) = 0;
};

// Implemented by the model / recalculation side; a formula reads its sheet only through it.
class EvalContext {
public:
    virtual ~EvalContext() = default;
    // The computed value of a cell (recalculated on demand if dirty); empty outside the sheet.
    virtual Value cellValue(CellRef cell) const = 0;
    // The data text of a cell, as entered.
    virtual std::string cellText(CellRef cell) const = 0;
    // The cell being computed.
    virtual CellRef caller() const = 0;
    virtual int32_t maxRows() const = 0;
    virtual int32_t maxCols() const = 0;

    // The functions formulas call: built-ins plus the sheet's custom functions.
    virtual const FunctionRegistry& functions() const;

    // Calls visitor.visit for the cells of `range` (clipped to the sheet) row by row, left to
    // right, until it returns false.  Empty cells may be skipped: a model with sparse storage
    // overrides this to visit stored cells only.  The default walks every cell via cellValue.
    virtual void forEachValue(const RangeRef& range, CellVisitor& visitor) const;

    // The 0-based row offset within `range` of the first row whose cell in column `colInRange`
    // (0-based) matches `key` by lookupEqual; -1 when absent.  Used by exact VLOOKUP and MATCH,
    // so that a model can answer from a per-column hash index.  The default scans.
    virtual int32_t findExact(const RangeRef& range, int32_t colInRange, const Value& key) const;

    // Writes data text into a cell; for custom functions that fill other cells.
    virtual void setCellData(CellRef cell, const std::string& text) = 0;
};

// Runs the formula in `context`.  Never throws, never recurses into itself.  A formula that
// reads one empty cell gives 0; a formula that is a bare range gives #VALUE!.
Value evaluate(const Formula& formula, EvalContext& context);

// Runs the formula as shiftForCopy(formula, dCol, dRow) would read, without building that
// copy: a formula filled down a column can be kept once and run for every cell of the fill.
Value evaluate(const Formula& formula, EvalContext& context, int32_t dCol, int32_t dRow);

}  // namespace sheet
