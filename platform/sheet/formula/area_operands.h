// Operands that are no plain reference of the sheet: array constants ({1,2;3,4}) and unions
// of references ((A1:A2,C1:C2)).  The parser keeps an array's elements in the formula's texts,
// one per element; evaluation shows the array to functions as a reference into rows no sheet
// has (below row 1), served by a context that wraps the sheet's.  Every function that takes a
// range so takes an array the same way, as the peers do: SUM skips the texts and booleans of
// an array as it skips those of a range, MATCH and VLOOKUP search it, INDEX picks from it.  A
// union is such a reference too (left of column 1, two cells wide so that it is never taken
// for one cell); walking its cells walks each of its ranges in turn, and reading one of its
// cells by position gives #VALUE!.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "sheet/formula/eval_context.h"
#include "sheet/formula/function_registry.h"
#include "sheet/value.h"

namespace sheet {

// One element as stored in the texts: a type letter and the value (n<number> t<text>
// b<1|0> e<ErrorKind>).
std::string encodeArrayElement(const Value& v);
Value decodeArrayElement(std::string_view stored);

// Whether a reference is an array constant or a union (lies in the rows they are placed in).
inline bool isAreaOperand(const RangeRef& r) { return r.first.row < 1; }
inline bool isUnionArea(const RangeRef& r) { return r.first.row < 1 && r.first.col < 1; }

// The ranges of a union operand (null when it is none).
const std::vector<RangeRef>* unionRanges(const Operand& op, const EvalContext& ctx);

// The sheet's context plus the array constants and unions of one evaluation.
class AreaOperandContext : public EvalContext {
public:
    explicit AreaOperandContext(EvalContext& sheet);
    // Places the rows x cols array stored in texts[first...] and gives its area.
    RangeRef add(const std::vector<std::string>& texts, uint32_t first, int32_t rows, int32_t cols);
    // The union of two references (either may be a union); #VALUE! (or the operand's error) when
    // one is no reference of the sheet.
    Operand join(std::span<const Operand> args);
    const std::vector<RangeRef>* unionAt(const RangeRef& r) const;

    Value cellValue(CellRef cell) const override;
    std::string cellText(CellRef cell) const override;
    CellRef caller() const override { return sheet_.caller(); }
    int32_t maxRows() const override { return sheet_.maxRows(); }
    int32_t maxCols() const override;
    const FunctionRegistry& functions() const override { return sheet_.functions(); }
    void forEachValue(const RangeRef& range, CellVisitor& visitor) const override;
    int32_t findExact(const RangeRef& range, int32_t colInRange, const Value& key) const override;
    void setCellData(CellRef cell, const std::string& text) override { sheet_.setCellData(cell, text); }

private:
    struct Area {
        int32_t top, rows, cols;
        std::vector<Value> values;  // row by row
    };
    struct Union {
        int32_t row;
        std::vector<RangeRef> ranges;
    };
    const Area* areaAt(int32_t row) const;

    EvalContext& sheet_;
    std::vector<Area> areas_;
    std::vector<Union> unions_;
    int32_t nextTop_;
    int32_t widest_ = 0;
};

}  // namespace sheet
