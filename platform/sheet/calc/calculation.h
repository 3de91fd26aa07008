// The calculation of one sheet: which formulas are out of date, who reads whom, the look-up
// indexes and running sums, and bringing formulas up to date.  The model owns one and tells it
// of every change (a constant replaced, a formula entered or dropped, the layout moved); the
// calculation sees the model only through FormulaCells (values, formulas, and formula results
// as its one write).
#pragma once

#include <cstdint>
#include <unordered_set>
#include <vector>

#include "calc/cell_table.h"
#include "calc/dependency_graph.h"
#include "calc/lookup_index.h"
#include "calc/row_bitset.h"
#include "calc/running_sum.h"
#include "model/formula_cells.h"
#include "sheet/formula/function_registry.h"
#include "sheet/value.h"

namespace sheet {

class Sheet;

class Calculation {
public:
    Calculation(FormulaCells cells, const FunctionRegistry& functions, int32_t maxCols, int32_t maxRows);
    // The functions every sheet's registry starts with that the calculation answers itself
    // (SUM of one column remembers its running sums).
    static void installFunctions(FunctionRegistry& registry);
    // The sheet whose calls custom functions use to read texts and write cells.
    void setOwner(Sheet* sheet) { owner_ = sheet; }

    // --- what the model tells ------------------------------------------------------------------
    // A constant changed: the formulas that read the cell are out of date, its column's index too.
    void valueChanged(CellRef cell) {
        lookups_.touch(cell.col);
        if (!loading_) markReaders(cell);
    }
    // A formula was put into the cell; `valueChanged` when the cell's value changed with it.
    // Without `knownResult` the cell and its readers are out of date.
    void formulaEntered(CellRef cell, bool valueChanged, bool knownResult);
    // The cell's formula is about to be dropped (it is still in the cell).
    void formulaLeaving(CellRef cell);
    // The size changed.  Returns true when dependencies were recorded again (and every formula
    // marked out of date), which a sheet without formulas is spared.
    bool resized(int32_t maxCols, int32_t maxRows);
    // Cells and formulas moved (structural edits): every dependency is recorded again, every
    // formula is out of date and every index forgotten.
    void rebuild();
    // While on, entering a cell does not mark its readers (a file being read).
    void setLoading(bool on) { loading_ = on; }
    // Around a change of which function arguments name cells instead of reading them: the
    // formulas' dependencies are forgotten, then recorded again under the new rule.
    void forget(const std::vector<CellRef>& formulaCells);
    void record(const std::vector<CellRef>& formulaCells);
    void useNamedCells(bool on) { namedCells_ = on; }
    bool usesNamedCells() const { return namedCells_; }
    // Marks the formula cells and their readers out of date.
    void markOutOfDate(const std::vector<CellRef>& formulaCells);

    // --- bringing formulas up to date ----------------------------------------------------------
    void recalc();
    void recalcAll();
    // Computes one formula cell and what it reads that is out of date; its readers are marked.
    // False when a recalculation is running already.
    bool recalcCell(CellRef cell);
    bool recalculating() const { return recalculating_; }
    size_t dirtyCount() const { return dirtyCount_; }
    bool isDirty(CellRef c) const { return static_cast<size_t>(c.col) < dirty_.size() && dirty_[c.col].test(c.row); }
    size_t edgeCount() const { return graph_.edgeCount(); }
    size_t listenerCount() const { return graph_.listenerCount(); }

private:
    friend class Recalculator;
    friend class SheetContext;
    friend struct RunningSumAccess;

    bool inside(CellRef c) const { return c.col >= 0 && c.row >= 0 && c.col <= maxCols_ && c.row <= maxRows_; }
    // Marks one formula cell out of date; false when it is no formula or already marked.
    bool markDirty(CellRef c);
    void clearDirty(CellRef c) {
        if (static_cast<size_t>(c.col) < dirty_.size() && dirty_[c.col].reset(c.row)) --dirtyCount_;
    }
    // Marks every formula that reads `changed`, directly or through others.
    void markReaders(CellRef changed);
    void markVolatile();
    // The references the formula in `c` reads: its dependencies.
    void formulaReferences(uint32_t handle, CellRef c, std::vector<RangeRef>& out) const;
    void link(CellRef c);
    void unlink(CellRef c);
    static uint64_t key(CellRef c) {
        return static_cast<uint64_t>(static_cast<uint32_t>(c.col)) << 32 | static_cast<uint32_t>(c.row);
    }

    FormulaCells cells_;
    const FunctionRegistry& functions_;
    Sheet* owner_ = nullptr;
    int32_t maxCols_, maxRows_;
    CellTable<CellSlot> slots_;  // the graph's list heads and the walk's marks
    DependencyGraph graph_{slots_};
    LookupIndex lookups_;
    RunningSums runningSums_;
    // Out-of-date formula cells, one row set per column.
    std::vector<RowBitset> dirty_;
    size_t dirtyCount_ = 0;
    // Formula cells computed at every recalculation (Formula::isVolatile).
    std::unordered_set<uint64_t> volatileCells_;
    // Set once a function that names cells (FunctionDef::namedCells) is registered: from then
    // on a formula's dependencies are found with the registry's help.
    bool namedCells_ = false;
    bool recalculating_ = false;
    bool loading_ = false;
    // Scratch kept to avoid allocating per edit.
    std::vector<CellRef> queue_;
    std::vector<RangeRef> refScratch_;
};

}  // namespace sheet
