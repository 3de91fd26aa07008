#include "calc/running_sum.h"

#include <algorithm>
#include <cmath>

#include "calc/calculation.h"
#include "calc/sheet_context.h"

namespace sheet {

struct RunningSumAccess {
    static Value sum(Calculation& calc, const RangeRef& range) {
        int32_t col = range.first.col;
        int32_t first = std::max(range.first.row, 0);
        int32_t last = std::min(range.last.row, calc.maxRows_);
        uint64_t key = static_cast<uint64_t>(static_cast<uint32_t>(col)) << 32 | static_cast<uint32_t>(first);
        uint64_t version = calc.lookups_.version(col);
        RunningSums::Memory& m = calc.runningSums_.sums_[key];
        if (m.version != version || m.lastRow > last || m.lastRow < first - 1) {
            m = RunningSums::Memory{version, first - 1, 0, Value()};
        }
        if (!m.error.isError()) {
            for (int32_t row = m.lastRow + 1; row <= last; ++row) {
                const FormulaCells::Chunk* chunk = calc.cells_.chunk(col, row);
                if (!chunk) {
                    row |= FormulaCells::kChunkRows - 1;  // skip the rest of an unstored chunk
                    continue;
                }
                const Value& v = (*chunk)[row & (FormulaCells::kChunkRows - 1)].value;
                if (v.isError()) {
                    m.error = v;
                    break;
                }
                if (v.isNumber()) m.sum += v.asNumber();
            }
        }
        m.lastRow = last;
        if (m.error.isError()) return m.error;
        return std::isfinite(m.sum) ? Value::number(m.sum) : Value::error(ErrorKind::Num);
    }
};

void RunningSums::install(FunctionRegistry& registry) {
    const FunctionDef* builtin = registry.find("SUM");
    if (!builtin) return;
    FunctionDef def = *builtin;
    FunctionImpl plain = builtin->impl;
    def.impl = [plain](std::span<const Operand> args, EvalContext& ctx) -> Value {
        if (args.size() == 1 && args[0].isRange() && args[0].ref.cols() == 1) {
            auto* sheetCtx = dynamic_cast<SheetContext*>(&ctx);
            if (sheetCtx && !sheetCtx->watchesPending()) {
                const RangeRef& r = args[0].ref;
                if (r.first.col >= 0 && r.first.col <= sheetCtx->maxCols())
                    return RunningSumAccess::sum(sheetCtx->calculation(), r);
            }
        }
        return plain(args, ctx);
    };
    registry.add(std::move(def));
}

}  // namespace sheet
