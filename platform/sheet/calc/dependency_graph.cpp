#include "calc/dependency_graph.h"

#include <algorithm>

namespace sheet {

namespace {
bool clip(RangeRef& r, int32_t maxCols, int32_t maxRows) {
    r.first.col = std::max(r.first.col, 0);
    r.first.row = std::max(r.first.row, 0);
    r.last.col = std::min(r.last.col, maxCols);
    r.last.row = std::min(r.last.row, maxRows);
    return r.first.col <= r.last.col && r.first.row <= r.last.row;
}
int64_t cellCount(const RangeRef& r) { return int64_t{r.last.col - r.first.col + 1} * (r.last.row - r.first.row + 1); }
}  // namespace

void DependencyGraph::add(CellRef reader, const RangeRef& range, int32_t maxCols, int32_t maxRows) {
    RangeRef r = range;
    if (!clip(r, maxCols, maxRows)) return;
    if (cellCount(r) > kEdgeCellLimit) {
        addListener(r, reader);
        return;
    }
    for (int32_t c = r.first.col; c <= r.last.col; ++c)
        for (int32_t row = r.first.row; row <= r.last.row; ++row) addEdge({c, row}, reader);
}

void DependencyGraph::remove(CellRef reader, const std::vector<RangeRef>& ranges, int32_t maxCols, int32_t maxRows) {
    for (RangeRef r : ranges) {
        if (!clip(r, maxCols, maxRows)) continue;
        if (cellCount(r) > kEdgeCellLimit) {
            removeListener(r, reader);
            continue;
        }
        for (int32_t c = r.first.col; c <= r.last.col; ++c)
            for (int32_t row = r.first.row; row <= r.last.row; ++row) removeEdge({c, row}, reader);
    }
}

void DependencyGraph::addEdge(CellRef from, CellRef reader) {
    uint32_t& head = slots_.at(from).firstEdge;
    uint32_t id;
    if (!freeEdges_.empty()) {
        id = freeEdges_.back();
        freeEdges_.pop_back();
    } else {
        id = static_cast<uint32_t>(edges_.size());
        edges_.emplace_back();
    }
    edges_[id] = Edge{reader, head};
    head = id + 1;
}

void DependencyGraph::removeEdge(CellRef from, CellRef reader) {
    CellSlot* slot = slots_.find(from);
    if (!slot) return;
    uint32_t* link = &slot->firstEdge;
    while (*link) {
        uint32_t id = *link - 1;
        if (edges_[id].reader == reader) {
            *link = edges_[id].next;
            freeEdges_.push_back(id);
            return;
        }
        link = &edges_[id].next;
    }
}

void DependencyGraph::addListener(const RangeRef& range, CellRef reader) {
    uint32_t id;
    if (!freeListeners_.empty()) {
        id = freeListeners_.back();
        freeListeners_.pop_back();
    } else {
        id = static_cast<uint32_t>(listeners_.size());
        listeners_.emplace_back();
    }
    listeners_[id] = Listener{range, reader, true};
    ++liveListeners_;
    listenersOfReader_.emplace(key(reader), id);
    if (range.cols() > kWideColumns) {
        wide_.push_back(id);
        return;
    }
    if (byColumn_.size() <= static_cast<size_t>(range.last.col)) byColumn_.resize(range.last.col + 1);
    for (int32_t c = range.first.col; c <= range.last.col; ++c) byColumn_[c].push_back(id);
}

void DependencyGraph::removeListener(const RangeRef& range, CellRef reader) {
    auto [first, last] = listenersOfReader_.equal_range(key(reader));
    for (auto it = first; it != last; ++it) {
        Listener& l = listeners_[it->second];
        if (l.live && l.range == range) {
            l.live = false;
            --liveListeners_;
            deadInBuckets_ += static_cast<size_t>(range.cols() > kWideColumns ? 1 : range.cols());
            listenersOfReader_.erase(it);
            break;
        }
    }
    if (deadInBuckets_ > 1024 && deadInBuckets_ > liveListeners_) compactBuckets();
}

void DependencyGraph::compactBuckets() {
    auto dead = [&](uint32_t id) { return !listeners_[id].live; };
    for (auto& bucket : byColumn_) std::erase_if(bucket, dead);
    std::erase_if(wide_, dead);
    freeListeners_.clear();
    for (uint32_t id = 0; id < listeners_.size(); ++id)
        if (!listeners_[id].live) freeListeners_.push_back(id);
    deadInBuckets_ = 0;
}

void DependencyGraph::readersOf(CellRef cell, std::vector<CellRef>& out) const {
    const CellSlot* slot = slots_.find(cell);
    for (uint32_t link = slot ? slot->firstEdge : 0; link; link = edges_[link - 1].next)
        out.push_back(edges_[link - 1].reader);
    auto scan = [&](const std::vector<uint32_t>& ids) {
        for (uint32_t id : ids) {
            const Listener& l = listeners_[id];
            if (l.live && l.range.contains(cell)) out.push_back(l.reader);
        }
    };
    if (static_cast<size_t>(cell.col) < byColumn_.size()) scan(byColumn_[cell.col]);
    scan(wide_);
}

void DependencyGraph::clear() {
    edges_.clear();
    freeEdges_.clear();
    listeners_.clear();
    freeListeners_.clear();
    byColumn_.clear();
    wide_.clear();
    listenersOfReader_.clear();
    liveListeners_ = 0;
    deadInBuckets_ = 0;
}

}  // namespace sheet
