// Who reads whom.  A formula's small ranges and single cells become edges kept per cell read
// (a list whose head sits in a table beside the cells), so that finding the readers of a
// changed cell costs only its own list.  A large range becomes one range listener instead of an edge per cell:
// =SUM($A$1:A20000) filled down 20,000 rows is 20,000 listeners, not 200 million edges.
// Listeners are bucketed by column; ranges wider than a few columns go to a list that every
// query checks.
#pragma once

#include <cstdint>
#include <unordered_map>
#include <vector>

#include "calc/cell_table.h"
#include "sheet/value.h"

namespace sheet {

class DependencyGraph {
public:
    // The heads of the cells' reader lists live in `slots`, which the owner clears with clear().
    explicit DependencyGraph(CellTable<CellSlot>& slots) : slots_(slots) {}
    // Ranges of more cells than this become listeners.
    static constexpr int64_t kEdgeCellLimit = 32;

    // Records that `reader` reads `range` (clipped to maxCols x maxRows).
    void add(CellRef reader, const RangeRef& range, int32_t maxCols, int32_t maxRows);
    // Forgets what `reader` read: `ranges` must be what was added for it.
    void remove(CellRef reader, const std::vector<RangeRef>& ranges, int32_t maxCols, int32_t maxRows);
    // Appends the readers of `cell` (edges of the cell and listeners covering it).
    void readersOf(CellRef cell, std::vector<CellRef>& out) const;
    // Forgets every edge and listener; the owner clears the slots' heads with it.
    void clear();
    size_t edgeCount() const { return edges_.size() - freeEdges_.size(); }
    size_t listenerCount() const { return liveListeners_; }

private:
    struct Edge {
        CellRef reader;
        uint32_t next = 0;  // edge id + 1
    };
    struct Listener {
        RangeRef range;
        CellRef reader;
        bool live = false;
    };
    static constexpr int32_t kWideColumns = 8;
    static uint64_t key(CellRef c) {
        return static_cast<uint64_t>(static_cast<uint32_t>(c.col)) << 32 | static_cast<uint32_t>(c.row);
    }
    void addEdge(CellRef from, CellRef reader);
    void removeEdge(CellRef from, CellRef reader);
    void addListener(const RangeRef& range, CellRef reader);
    void removeListener(const RangeRef& range, CellRef reader);
    void compactBuckets();

    CellTable<CellSlot>& slots_;
    std::vector<Edge> edges_;
    std::vector<uint32_t> freeEdges_;
    std::vector<Listener> listeners_;
    std::vector<uint32_t> freeListeners_;
    std::vector<std::vector<uint32_t>> byColumn_;
    std::vector<uint32_t> wide_;
    std::unordered_multimap<uint64_t, uint32_t> listenersOfReader_;
    size_t liveListeners_ = 0;
    size_t deadInBuckets_ = 0;
};

}  // namespace sheet
