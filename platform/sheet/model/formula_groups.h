// Formulas shared between cells.  A formula filled down a column reads the same in every cell
// relative to the cell's position ("the cell above plus one"), so its compiled program is kept
// once, for the first cell that had it, and every other cell of the group derives its own by
// moving the relative references.  A million-cell chain therefore holds one program, not a
// million.  Cells hold a handle (group id + 1).
#pragma once

#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>

#include "sheet/formula/postfix_formula.h"
#include "sheet/formula/formula.h"
#include "sheet/formula/function_registry.h"

namespace sheet {

class FormulaGroups {
public:
    // Adds the formula of the cell at `origin`; returns its handle.
    uint32_t add(std::shared_ptr<const Formula> formula, CellRef origin);
    void release(uint32_t handle);
    // The formula as it reads in `cell`.
    std::shared_ptr<const Formula> formulaAt(uint32_t handle, CellRef cell) const;
    // Calls f(const Formula&) with the formula as it reads in `cell`; allocates only when the
    // cell is not the group's first cell.
    template <typename F>
    auto withFormula(uint32_t handle, CellRef cell, F&& f) const {
        const Group& g = groups_[handle - 1];
        if (g.origin == cell) return f(*g.formula);
        Formula moved = shifted(*g.formula, cell.col - g.origin.col, cell.row - g.origin.row);
        return f(static_cast<const Formula&>(moved));
    }
    // The references the formula reads in `cell` (as collectReferences would list them).  With
    // `functions`, cells named by arguments of functions that name cells rather than read them
    // (FunctionDef::namedCells) are left out.
    void references(uint32_t handle, CellRef cell, std::vector<RangeRef>& out,
                    const FunctionRegistry* functions = nullptr) const;
    bool isVolatile(uint32_t handle) const { return groups_[handle - 1].formula->isVolatile(); }
    void clear();
    size_t groupCount() const { return groups_.size() - free_.size(); }

private:
    struct Group {
        std::shared_ptr<const Formula> formula;
        CellRef origin;
        uint32_t users = 0;
        size_t hash = 0;
    };
    static Formula shifted(const Formula& f, int32_t dCol, int32_t dRow);
    static size_t shapeHash(const Formula& f, CellRef origin);
    static bool sameShape(const Formula& a, CellRef originA, const Formula& b, CellRef originB);

    std::vector<Group> groups_;
    std::vector<uint32_t> free_;
    std::unordered_multimap<size_t, uint32_t> byShape_;
};

}  // namespace sheet
