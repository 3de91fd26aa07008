// Reference styles: one resolver per style reads a reference part as written and writes it
// back.  The parser combines parts into cells and ranges; the printer asks the same resolver
// to write them, so every form the resolver reads it can also write.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "sheet/formula/postfix_formula.h"
#include "sheet/formula/formula.h"
#include "sheet/value.h"

namespace sheet {

enum class RefPartKind { Cell, Column, Row };

// One side of a reference: a cell, or (in a whole-column / whole-row range) a column or a row.
struct RefPart {
    RefPartKind kind = RefPartKind::Cell;
    CellRef pos;            // absolute position; only col (Column) or row (Row) is meaningful
    uint8_t flags = 0;      // kColAbsolute, kRowAbsolute
    bool offSheet = false;  // a relative offset that leaves the sheet (R[-5]C in row 2)
};

class RefResolver {
public:
    virtual ~RefResolver() = default;
    // The reference part spelled by `word` in this style, relative to `origin`; nothing when
    // the word is not a reference in this style.
    virtual std::optional<RefPart> read(std::string_view word, CellRef origin) const = 0;
    virtual void writeCell(std::string& out, CellRef pos, uint8_t flags, CellRef origin) const = 0;
    virtual void writeColumn(std::string& out, int32_t col, bool absolute, CellRef origin) const = 0;
    virtual void writeRow(std::string& out, int32_t row, bool absolute, CellRef origin) const = 0;
};

const RefResolver& a1Resolver();
const RefResolver& r1c1Resolver();
const RefResolver& defaultResolver();

inline const RefResolver& resolverFor(RefStyle style) {
    switch (style) {
    case RefStyle::A1: return a1Resolver();
    case RefStyle::R1C1: return r1c1Resolver();
    case RefStyle::Default: break;
    }
    return defaultResolver();
}

}  // namespace sheet
