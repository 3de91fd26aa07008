// Brings out-of-date formula cells up to date.  Cells are computed in dependency order found by
// an iterative Tarjan walk over the references of each formula (strongly connected groups of
// cells are the cycles): no recursion, so a million-deep chain needs no stack beyond the walk's
// own vectors.  The walk sees every reference a formula may read, both branches of an IF
// included; a group is a cycle only if its cells really read each other when computed (IF(FALSE,
// A1,7) in A1 is 7), found by computing them repeatedly until none progresses.  The cells left
// get #CYCLE!; cells that read a cycle compute with that error; unrelated cells compute as usual.
#pragma once

#include <cstdint>
#include <vector>

#include "sheet/value.h"

namespace sheet {

class Calculation;

class Recalculator {
public:
    explicit Recalculator(Calculation& calc) : c_(calc) {}
    // Computes every out-of-date cell.
    void all();
    // Computes `root` and what it reads that is out of date.
    void one(CellRef root);

private:
    struct NodeInfo {
        CellRef cell;
        uint32_t index, low;
        bool onStack, selfLoop;
    };
    struct Frame {
        uint32_t node;
        uint32_t refBegin, refEnd, refPos;
        int32_t scanCol, scanRow;
    };
    void connect(CellRef root);
    uint32_t push(CellRef cell);
    bool nextPrecedent(Frame& f, CellRef& out);
    void finishComponent(uint32_t rootNode);
    void compute(CellRef cell);
    void resolveCycle(std::vector<CellRef> cells);
    void store(CellRef cell, uint32_t handle, Value result);

    Calculation& c_;
    std::vector<NodeInfo> nodes_;
    std::vector<Frame> frames_;
    std::vector<uint32_t> stack_;  // Tarjan's stack of node ids
    std::vector<RangeRef> refs_;
    uint32_t counter_ = 0;
};

}  // namespace sheet
