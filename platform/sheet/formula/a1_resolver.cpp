// A1 style: column letters A..ZZZ and row numbers; '$' before either part fixes it.
#include "ref_resolver.h"

namespace sheet {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// Reads "[$]LETTERS" at p; 0 when absent or beyond the last column.
int32_t readColumn(std::string_view w, size_t& p, bool& absolute) {
    size_t start = p;
    absolute = p < w.size() && w[p] == '$';
    if (absolute) ++p;
    int32_t col = 0;
    size_t letters = 0;
    while (p < w.size() && isAsciiLetter(w[p])) {
        if (++letters > 3) return 0;
        col = col * 26 + ((w[p] & ~0x20) - 'A' + 1);
        ++p;
    }
    if (letters == 0 || col > kMaxRefCol) {
        p = start;
        return 0;
    }
    return col;
}

// Reads "[$]DIGITS" at p (no leading zero); 0 when absent or beyond the last row.
int32_t readRow(std::string_view w, size_t& p, bool& absolute) {
    size_t start = p;
    absolute = p < w.size() && w[p] == '$';
    if (absolute) ++p;
    if (p >= w.size() || !isDigit(w[p]) || w[p] == '0') {
        p = start;
        return 0;
    }
    int64_t row = 0;
    while (p < w.size() && isDigit(w[p])) {
        row = row * 10 + (w[p] - '0');
        if (row > kMaxRefRow) return 0;
        ++p;
    }
    return static_cast<int32_t>(row);
}

class A1Resolver : public RefResolver {
public:
    std::optional<RefPart> read(std::string_view w, CellRef) const override {
        RefPart part;
        size_t p = 0;
        bool colAbs = false, rowAbs = false;
        int32_t col = readColumn(w, p, colAbs);
        int32_t row = readRow(w, p, rowAbs);
        if (p != w.size() || (col == 0 && row == 0)) return std::nullopt;
        if (col != 0 && row != 0) {
            part.kind = RefPartKind::Cell;
        } else if (col != 0) {
            part.kind = RefPartKind::Column;
        } else {
            part.kind = RefPartKind::Row;
        }
        part.pos = {col, row};
        part.flags = (colAbs ? kColAbsolute : 0) | (rowAbs ? kRowAbsolute : 0);
        return part;
    }

    void writeCell(std::string& out, CellRef pos, uint8_t flags, CellRef origin) const override {
        writeColumn(out, pos.col, flags & kColAbsolute, origin);
        writeRow(out, pos.row, flags & kRowAbsolute, origin);
    }

    void writeColumn(std::string& out, int32_t col, bool absolute, CellRef) const override {
        if (absolute) out += '$';
        char letters[8];
        int n = 0;
        while (col > 0 && n < 8) {
            int32_t rem = (col - 1) % 26;
            letters[n++] = static_cast<char>('A' + rem);
            col = (col - 1) / 26;
        }
        while (n > 0) out += letters[--n];
    }

    void writeRow(std::string& out, int32_t row, bool absolute, CellRef) const override {
        if (absolute) out += '$';
        out += std::to_string(row);
    }
};

}  // namespace

const RefResolver& a1Resolver() {
    static const A1Resolver resolver;
    return resolver;
}

}  // namespace sheet
