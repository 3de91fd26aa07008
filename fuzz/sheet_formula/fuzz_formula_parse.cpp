// Formula texts from anywhere (typed, pasted, loaded from a sheet file) must parse to a
// formula or an error, never crash.  What parses must also print, parse again to the same
// text, evaluate, and survive the structural edits.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "sheet/formula/eval_context.h"
#include "sheet/formula/formula.h"
#include "sheet/formula/function_registry.h"

namespace {

class TinySheet : public sheet::EvalContext {
public:
    sheet::Value cellValue(sheet::CellRef c) const override {
        if (c.row == 1) return sheet::Value::number(c.col);
        if (c.row == 2) return sheet::Value::text("t");
        return {};
    }
    std::string cellText(sheet::CellRef) const override { return {}; }
    sheet::CellRef caller() const override { return {3, 3}; }
    int32_t maxRows() const override { return 50; }
    int32_t maxCols() const override { return 10; }
    void setCellData(sheet::CellRef, const std::string&) override {}
};

void check(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace sheet;
    if (size == 0) return 0;
    // The first byte picks the reference style, the rest is the formula.
    const RefStyle style = static_cast<RefStyle>(data[0] % 3);
    std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    const CellRef origin{3, 3};
    ParseResult parsed = parseFormula(text, style, origin, builtinFunctions());
    if (!parsed.ok) {
        check(parsed.formula == nullptr && !parsed.error.empty());
        return 0;
    }
    std::string printed = printFormula(*parsed.formula, style, origin);
    ParseResult again = parseFormula(printed, style, origin, builtinFunctions());
    check(again.ok);
    check(printFormula(*again.formula, style, origin) == printed);

    TinySheet sheet;
    evaluate(*parsed.formula, sheet);
    std::vector<RangeRef> refs;
    collectReferences(*parsed.formula, refs);
    for (const RangeRef& r : refs) check(r.first.col <= r.last.col && r.first.row <= r.last.row);
    evaluate(*shiftForInsert(*parsed.formula, true, 2, 3), sheet);
    evaluate(*shiftForDelete(*parsed.formula, false, 1, 2), sheet);
    auto copied = shiftForCopy(*parsed.formula, -2, 5);
    evaluate(*copied, sheet);
    printFormula(*copied, RefStyle::R1C1, {1, 8});
    return 0;
}
