// The engine's default style: what a person types in A1 notation reads as A1, and R1C1 forms
// that cannot be A1 references (RC, R1C1, R[-1]C[2]) are accepted too, so that formulas
// written for either style work.  Formulas always print in A1 notation.
#include "ref_resolver.h"

namespace sheet {

namespace {

class DefaultResolver : public RefResolver {
public:
    std::optional<RefPart> read(std::string_view w, CellRef origin) const override {
        // A1 wins wherever it reads a cell.  Of R1C1 only whole cells are taken: "R3" is an A1
        // cell and "R"/"RC" are A1 column names, so R1C1 rows and columns would be ambiguous.
        auto a1 = a1Resolver().read(w, origin);
        if (a1 && a1->kind == RefPartKind::Cell) return a1;
        auto r1c1 = r1c1Resolver().read(w, origin);
        if (r1c1 && r1c1->kind == RefPartKind::Cell) return r1c1;
        return a1;
    }
    void writeCell(std::string& out, CellRef pos, uint8_t flags, CellRef origin) const override {
        a1Resolver().writeCell(out, pos, flags, origin);
    }
    void writeColumn(std::string& out, int32_t col, bool absolute, CellRef origin) const override {
        a1Resolver().writeColumn(out, col, absolute, origin);
    }
    void writeRow(std::string& out, int32_t row, bool absolute, CellRef origin) const override {
        a1Resolver().writeRow(out, row, absolute, origin);
    }
};

}  // namespace

const RefResolver& defaultResolver() {
    static const DefaultResolver resolver;
    return resolver;
}

}  // namespace sheet
