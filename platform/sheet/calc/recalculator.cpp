#include "calc/recalculator.h"

#include <algorithm>

#include "calc/sheet_context.h"
#include "model/sheet_data.h"
#include "sheet/formula/eval_context.h"

namespace sheet {

void Recalculator::all() {
  // Roots in column, then row order: a formula filled down usually reads the rows above it,
  // so each root finds its precedents already computed and the walk stays shallow.
  for (size_t col = 0; col < d_.dirty.size(); ++col) {
    int32_t row = 0;
    while (col < d_.dirty.size()) {
      row = d_.dirty[col].next(row, d_.maxRows);
      if (row < 0) break;
      connect({static_cast<int32_t>(col), row});
      // A mark on a cell that holds no formula any more (nothing to compute) must not stop
      // the walk from moving on.
      d_.clearDirty({static_cast<int32_t>(col), row});
    }
  }
}

void Recalculator::one(CellRef root) {
  if (d_.isDirty(root)) connect(root);
}

uint32_t Recalculator::push(CellRef cell) {
  uint32_t id = static_cast<uint32_t>(nodes_.size());
  nodes_.push_back({cell, counter_, counter_, true, false});
  ++counter_;
  stack_.push_back(id);
  if (Cell* c = d_.cells.find(cell)) c->mark = id + 1;
  Frame f{id, static_cast<uint32_t>(refs_.size()), 0, 0, -1, 0};
  if (const Cell* c = d_.cells.find(cell); c && c->formula)
    d_.formulaReferences(c->formula, cell, refs_);
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
    r.last.col = std::min(r.last.col, d_.maxCols);
    r.last.row = std::min(r.last.row, d_.maxRows);
    if (f.scanCol < 0) {
      f.scanCol = r.first.col;
      f.scanRow = r.first.row;
    }
    while (f.scanCol <= r.last.col) {
      if (static_cast<size_t>(f.scanCol) < d_.dirty.size()) {
        int32_t row = d_.dirty[f.scanCol].next(f.scanRow, r.last.row);
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
  if (const Cell* c = d_.cells.find(root); !c || c->mark) return;
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
      const Cell* c = d_.cells.find(next);
      uint32_t mark = c ? c->mark : 0;
      if (mark == 0) {
        push(next);   // invalidates f
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
    if (Cell* c = d_.cells.find(n.cell)) c->mark = 0;
    d_.clearDirty(n.cell);
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
    if (const Cell* c = d_.cells.find(cell); c && c->formula) pending.push_back(cell);
  bool progress = pending.size() <= kMaxResolvedGroup;
  while (progress) {
    progress = false;
    for (size_t i = 0; i < pending.size();) {
      const Cell* c = d_.cells.find(pending[i]);
      if (!c || !c->formula) {
        pending.erase(pending.begin() + static_cast<std::ptrdiff_t>(i));
        continue;
      }
      SheetContext context(d_, pending[i], pending);
      uint32_t handle = c->formula;
      Value result = d_.formulas.withFormula(
          handle, pending[i], [&](const Formula& f) { return evaluate(f, context); });
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
    Cell* c = d_.cells.find(cell);
    if (c && c->formula) store(cell, c->formula, Value::error(ErrorKind::Cycle));
  }
}

void Recalculator::store(CellRef cell, uint32_t handle, Value result) {
  // A custom function may have written into the sheet meanwhile; store only into the formula
  // that was computed.
  Cell* after = d_.cells.find(cell);
  if (!after || after->formula != handle) return;
  if (!(after->value == result)) {
    after->value = std::move(result);
    d_.lookups.touch(cell.col);
  }
}

void Recalculator::compute(CellRef cell) {
  const Cell* c = d_.cells.find(cell);
  if (!c || !c->formula) return;
  uint32_t handle = c->formula;
  SheetContext context(d_, cell);
  Value result = d_.formulas.withFormula(
      handle, cell, [&](const Formula& f) { return evaluate(f, context); });
  store(cell, handle, std::move(result));
}

}  // namespace sheet
