#include "calc/calculation.h"

#include "calc/recalculator.h"

namespace sheet {

Calculation::Calculation(FormulaCells cells, const FunctionRegistry& functions, int32_t maxCols, int32_t maxRows)
    : cells_(cells), functions_(functions), maxCols_(maxCols), maxRows_(maxRows) {}

void Calculation::installFunctions(FunctionRegistry& registry) { RunningSums::install(registry); }

// --- what the model tells ----------------------------------------------------------------------

void Calculation::formulaEntered(CellRef cell, bool valueChanged, bool knownResult) {
    link(cell);
    if (valueChanged) lookups_.touch(cell.col);
    if (!knownResult) {
        markDirty(cell);
        markReaders(cell);
    }
}

void Calculation::formulaLeaving(CellRef cell) {
    unlink(cell);
    clearDirty(cell);
}

bool Calculation::resized(int32_t maxCols, int32_t maxRows) {
    maxCols_ = maxCols;
    maxRows_ = maxRows;
    // References are clipped to the sheet in the graph, so it is recorded again.
    if (cells_.formulas().groupCount() == 0 && graph_.edgeCount() == 0 && graph_.listenerCount() == 0) return false;
    rebuild();
    return true;
}

void Calculation::rebuild() {
    graph_.clear();
    volatileCells_.clear();
    dirty_.clear();
    dirtyCount_ = 0;
    lookups_.clear();
    runningSums_.clear();
    slots_.clear();
    std::vector<CellRef> formulaCells;
    cells_.forEachFormula([&](CellRef ref) { formulaCells.push_back(ref); });
    for (CellRef ref : formulaCells) {
        link(ref);
        markDirty(ref);
    }
}

void Calculation::forget(const std::vector<CellRef>& formulaCells) {
    for (CellRef ref : formulaCells) unlink(ref);
}

void Calculation::record(const std::vector<CellRef>& formulaCells) {
    for (CellRef ref : formulaCells) link(ref);
}

void Calculation::markOutOfDate(const std::vector<CellRef>& formulaCells) {
    for (CellRef ref : formulaCells)
        if (markDirty(ref)) markReaders(ref);
}

// --- dependencies and marks --------------------------------------------------------------------

bool Calculation::markDirty(CellRef c) {
    if (!cells_.formulaAt(c)) return false;
    if (dirty_.size() <= static_cast<size_t>(c.col)) dirty_.resize(c.col + 1);
    if (!dirty_[c.col].set(c.row)) return false;
    ++dirtyCount_;
    return true;
}

void Calculation::markReaders(CellRef changed) {
    if (loading_) return;
    queue_.clear();
    graph_.readersOf(changed, queue_);
    for (size_t head = 0; head < queue_.size(); ++head) {
        CellRef reader = queue_[head];
        if (markDirty(reader)) graph_.readersOf(reader, queue_);
    }
    queue_.clear();
}

void Calculation::markVolatile() {
    for (uint64_t k : volatileCells_) {
        CellRef c{static_cast<int32_t>(k >> 32), static_cast<int32_t>(k & 0xFFFFFFFFu)};
        markDirty(c);
        markReaders(c);
    }
}

void Calculation::formulaReferences(uint32_t handle, CellRef c, std::vector<RangeRef>& out) const {
    cells_.formulas().references(handle, c, out, namedCells_ ? &functions_ : nullptr);
}

void Calculation::link(CellRef c) {
    const uint32_t handle = cells_.formulaAt(c);
    refScratch_.clear();
    formulaReferences(handle, c, refScratch_);
    for (const RangeRef& r : refScratch_) graph_.add(c, r, maxCols_, maxRows_);
    if (cells_.formulas().isVolatile(handle)) volatileCells_.insert(key(c));
}

void Calculation::unlink(CellRef c) {
    refScratch_.clear();
    formulaReferences(cells_.formulaAt(c), c, refScratch_);
    graph_.remove(c, refScratch_, maxCols_, maxRows_);
    volatileCells_.erase(key(c));
}

// --- bringing formulas up to date --------------------------------------------------------------

void Calculation::recalc() {
    if (recalculating_) return;
    markVolatile();
    recalculating_ = true;
    // A custom function may write into the sheet while it is computed; such writes mark cells
    // again, which a further pass computes.  The pass count bounds functions that keep writing.
    for (int pass = 0; pass < 16 && dirtyCount_ > 0; ++pass) Recalculator(*this).all();
    recalculating_ = false;
}

void Calculation::recalcAll() {
    cells_.forEachFormula([&](CellRef ref) { markDirty(ref); });
    recalc();
}

bool Calculation::recalcCell(CellRef cell) {
    if (recalculating_) return false;
    markDirty(cell);
    markReaders(cell);
    recalculating_ = true;
    Recalculator(*this).one(cell);
    recalculating_ = false;
    return true;
}

}  // namespace sheet
