// R1C1 style: R<n>/C<n> name a fixed row/column, R[<d>]/C[<d>] one at an offset from the
// formula's own cell, a bare R or C the formula's own row or column.
#include "ref_resolver.h"

namespace sheet {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Reads the part after 'R' or 'C' at p: digits (absolute), [d] (relative) or nothing (relative
// 0).  Returns false on malformed text or a fixed index outside 1..limit.
bool readIndex(std::string_view w, size_t& p, int32_t base, int32_t limit, int32_t& index, bool& absolute,
               bool& offSheet) {
    if (p < w.size() && isDigit(w[p])) {
        if (w[p] == '0') return false;
        int64_t n = 0;
        while (p < w.size() && isDigit(w[p])) {
            n = n * 10 + (w[p++] - '0');
            if (n > limit) return false;
        }
        index = static_cast<int32_t>(n);
        absolute = true;
        return true;
    }
    absolute = false;
    int64_t offset = 0;
    if (p < w.size() && w[p] == '[') {
        ++p;
        bool negative = false;
        if (p < w.size() && (w[p] == '-' || w[p] == '+')) negative = w[p++] == '-';
        if (p >= w.size() || !isDigit(w[p])) return false;
        while (p < w.size() && isDigit(w[p])) {
            offset = offset * 10 + (w[p++] - '0');
            if (offset > limit) return false;
        }
        if (p >= w.size() || w[p] != ']') return false;
        ++p;
        if (negative) offset = -offset;
    }
    int64_t target = base + offset;
    offSheet = target < 1 || target > limit;
    index = offSheet ? 1 : static_cast<int32_t>(target);
    return true;
}

void writeIndex(std::string& out, char letter, int32_t index, bool absolute, int32_t base) {
    out += letter;
    if (absolute) {
        out += std::to_string(index);
    } else if (index != base) {
        out += '[';
        out += std::to_string(static_cast<int64_t>(index) - base);
        out += ']';
    }
}

class R1C1Resolver : public RefResolver {
public:
    std::optional<RefPart> read(std::string_view w, CellRef origin) const override {
        RefPart part;
        size_t p = 0;
        bool hasRow = false, hasCol = false, abs = false, off = false;
        if (p < w.size() && (w[p] == 'R' || w[p] == 'r')) {
            ++p;
            if (!readIndex(w, p, origin.row, kMaxRefRow, part.pos.row, abs, off)) return std::nullopt;
            hasRow = true;
            if (abs) part.flags |= kRowAbsolute;
            part.offSheet |= off;
        }
        if (p < w.size() && (w[p] == 'C' || w[p] == 'c')) {
            ++p;
            if (!readIndex(w, p, origin.col, kMaxRefCol, part.pos.col, abs, off)) return std::nullopt;
            hasCol = true;
            if (abs) part.flags |= kColAbsolute;
            part.offSheet |= off;
        }
        if (p != w.size() || (!hasRow && !hasCol)) return std::nullopt;
        part.kind = hasRow && hasCol ? RefPartKind::Cell : hasRow ? RefPartKind::Row : RefPartKind::Column;
        return part;
    }

    void writeCell(std::string& out, CellRef pos, uint8_t flags, CellRef origin) const override {
        writeIndex(out, 'R', pos.row, flags & kRowAbsolute, origin.row);
        writeIndex(out, 'C', pos.col, flags & kColAbsolute, origin.col);
    }
    void writeColumn(std::string& out, int32_t col, bool absolute, CellRef origin) const override {
        writeIndex(out, 'C', col, absolute, origin.col);
    }
    void writeRow(std::string& out, int32_t row, bool absolute, CellRef origin) const override {
        writeIndex(out, 'R', row, absolute, origin.row);
    }
};

}  // namespace

const RefResolver& r1c1Resolver() {
    static const R1C1Resolver resolver;
    return resolver;
}

}  // namespace sheet
