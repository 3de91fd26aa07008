#include "calc/recalculator.h"

#include <algorithm>

#include "calc/calculation.h"
#include "calc/sheet_context.h"
#include "sheet/formula/eval_context.h"

namespace sheet {

void Recalculator::all() {
    // Roots in column, then row order: a formula filled down usually reads the rows above it,
    // so each root finds its precedents already computed and the walk stays shallow.
    for (size_t col = 0; col < c_.dirty_.size(); ++col) {
        int32_t row = 0;
        while (col < c_.dirty_.size()) {
            row = c_.dirty_[col].next(row, c_.maxRows_);
            if (row < 0) break;
            connect({static_cast<int32_t>(col), row});
            // A mark on a cell that holds no formula any more (nothing to compute) must not stop
            // the walk from moving on.
            c_.clearDirty({static_cast<int32_t>(col), row});
        }
    }
}

void Recalculator::one(CellRef root) {
    if (c_.isDirty(root)) connect(root);
}

uint32_t Recalculator::push(CellRef cell) {
    uint32_t id = static_cast<uint32_t>(nodes_.size());
    nodes_.push_back({cell, counter_, counter_, true, false});
    ++counter_;
    stack_.push_back(id);
    const Cell* c = c_.cells_.find(cell);
    if (c) c_.slots_.at(cell).walkMark = id + 1;
    Frame f{id, static_cast<uint32_t>(refs_.size()), 0, 0, -1, 0};
    if (c && c->formula) c_.formulaReferences(c->formula, cell, refs_);
    f.refEnd = static_cast<uint32_t>(refs_.size());
    f.refPos = f.refBegin;
    frames_.push_back(f);
    return id;
}

bool Recalculator::nextPrecedent(Frame& f, CellRef& out) {
    while (f.refPos < f.refEnd) {
        RangeRef r = refs_[f.refPos];
        r.first.col = std::max(r.first.col, 0);
        r.first.row = std::max(r.first.row, 0);
        r.last.col = std::min(r.last.col, c_.maxCols_);
        r.last.row = std::min(r.last.row, c_.maxRows_);
        if (f.scanCol < 0) {
            f.scanCol = r.first.col;
            f.scanRow = r.first.row;
        }
        while (f.scanCol <= r.last.col) {
            if (static_cast<size_t>(f.scanCol) < c_.dirty_.size()) {
                int32_t row = c_.dirty_[f.scanCol].next(f.scanRow, r.last.row);
                if (row >= 0) {
                    f.scanRow = row + 1;
                    out = {f.scanCol, row};
                    return true;
                }
            }
            ++f.scanCol;
            f.scanRow = r.first.row;
        }
        ++f.refPos;
        f.scanCol = -1;
    }
    return false;
}

void Recalculator::connect(CellRef root) {
    if (!c_.cells_.find(root) || c_.slots_.get(root).walkMark) return;
    push(root);
    while (!frames_.empty()) {
        Frame& f = frames_.back();
        CellRef next;
        if (nextPrecedent(f, next)) {
            NodeInfo& self = nodes_[f.node];
            if (next == self.cell) {
                self.selfLoop = true;
                continue;
            }
            uint32_t mark = c_.slots_.get(next).walkMark;
            if (mark == 0) {
                push(next);  // invalidates f
            } else if (nodes_[mark - 1].onStack) {
                self.low = std::min(self.low, nodes_[mark - 1].index);
            }
            continue;
        }
        uint32_t node = f.node;
        refs_.resize(f.refBegin);
        frames_.pop_back();
        if (!frames_.empty()) {
            NodeInfo& parent = nodes_[frames_.back().node];
            parent.low = std::min(parent.low, nodes_[node].low);
        }
        if (nodes_[node].low == nodes_[node].index) finishComponent(node);
    }
    // Every node of this walk is finished; start the next walk with empty bookkeeping.
    nodes_.clear();
    counter_ = 0;
}

void Recalculator::finishComponent(uint32_t rootNode) {
    // The component's nodes sit on top of the stack, its root lowest.
    auto begin = std::find(stack_.rbegin(), stack_.rend(), rootNode).base() - 1;
    bool cycle = (stack_.end() - begin) > 1 || nodes_[rootNode].selfLoop;
    for (auto it = begin; it != stack_.end(); ++it) {
        NodeInfo& n = nodes_[*it];
        n.onStack = false;
        if (CellSlot* slot = c_.slots_.find(n.cell)) slot->walkMark = 0;
        c_.clearDirty(n.cell);
    }
    if (cycle) {
        std::vector<CellRef> cells;
        for (auto it = begin; it != stack_.end(); ++it) cells.push_back(nodes_[*it].cell);
        resolveCycle(std::move(cells));
    } else {
        compute(nodes_[rootNode].cell);
    }
    stack_.erase(begin, stack_.end());
}

void Recalculator::resolveCycle(std::vector<CellRef> cells) {
    // Computing a group again and again costs its size squared; a group this large is taken as
    // the cycle it looks like.
    constexpr size_t kMaxResolvedGroup = 256;
    std::vector<CellRef> pending;
    for (CellRef cell : cells)
        if (c_.cells_.formulaAt(cell)) pending.push_back(cell);
    bool progress = pending.size() <= kMaxResolvedGroup;
    while (progress) {
        progress = false;
        for (size_t i = 0; i < pending.size();) {
            const uint32_t handle = c_.cells_.formulaAt(pending[i]);
            if (!handle) {
                pending.erase(pending.begin() + static_cast<std::ptrdiff_t>(i));
                continue;
            }
            SheetContext context(c_, pending[i], pending);
            Value result = c_.cells_.formulas().withFormula(handle, pending[i],
                                                            [&](const Formula& f) { return evaluate(f, context); });
            if (context.readPending()) {
                ++i;
                continue;
            }
            store(pending[i], handle, std::move(result));
            pending.erase(pending.begin() + static_cast<std::ptrdiff_t>(i));
            progress = true;
        }
    }
    for (CellRef cell : pending) {
        if (uint32_t handle = c_.cells_.formulaAt(cell)) store(cell, handle, Value::error(ErrorKind::Cycle));
    }
}

void Recalculator::store(CellRef cell, uint32_t handle, Value result) {
    // A custom function may have written into the sheet meanwhile; store only into the formula
    // that was computed.
    if (c_.cells_.storeResult(cell, handle, std::move(result))) c_.lookups_.touch(cell.col);
}

void Recalculator::compute(CellRef cell) {
    const uint32_t handle = c_.cells_.formulaAt(cell);
    if (!handle) return;
    SheetContext context(c_, cell);
    Value result =
        c_.cells_.formulas().withFormula(handle, cell, [&](const Formula& f) { return evaluate(f, context); });
    store(cell, handle, std::move(result));
}

}  // namespace sheet
