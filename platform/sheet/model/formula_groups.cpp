#include "model/formula_groups.h"

#include <algorithm>
#include <bit>
#include <functional>

namespace sheet {

namespace {

void mix(size_t& h, uint64_t v) { h ^= v + 0x9e3779b97f4a7c15ull + (h << 6) + (h >> 2); }

bool isRef(NodeKind k) { return k == NodeKind::Cell || k == NodeKind::Range || k == NodeKind::RangeEnd; }

// Which parts of a reference node follow the cell that holds the formula.  A whole-column
// range spans every row whatever its cell, so its rows never move (and columns of whole rows).
struct Relative {
    bool col, row;
};

Relative relativeParts(const std::vector<Node>& nodes, size_t i) {
    const Node& n = nodes[i];
    uint8_t whole = 0;
    if (n.kind == NodeKind::Range)
        whole = n.flags;
    else if (n.kind == NodeKind::RangeEnd && i > 0)
        whole = nodes[i - 1].flags;
    return {!(n.flags & kColAbsolute) && !(whole & kWholeRows), !(n.flags & kRowAbsolute) && !(whole & kWholeColumns)};
}

CellRef normalised(const std::vector<Node>& nodes, size_t i, CellRef origin) {
    Relative rel = relativeParts(nodes, i);
    CellRef c = nodes[i].cell;
    if (rel.col) c.col -= origin.col;
    if (rel.row) c.row -= origin.row;
    return c;
}

}  // namespace

size_t FormulaGroups::shapeHash(const Formula& f, CellRef origin) {
    size_t h = f.nodes().size();
    const auto& nodes = f.nodes();
    for (size_t i = 0; i < nodes.size(); ++i) {
        const Node& n = nodes[i];
        mix(h, static_cast<uint64_t>(n.kind) | static_cast<uint64_t>(n.flags) << 8 |
                   static_cast<uint64_t>(n.count) << 16 | static_cast<uint64_t>(n.index) << 32);
        if (isRef(n.kind)) {
            CellRef c = normalised(nodes, i, origin);
            mix(h, static_cast<uint32_t>(c.col) | static_cast<uint64_t>(static_cast<uint32_t>(c.row)) << 32);
        } else if (n.kind == NodeKind::Number || n.kind == NodeKind::Boolean) {
            mix(h, std::bit_cast<uint64_t>(n.number));
        }
    }
    for (const std::string& t : f.texts()) mix(h, std::hash<std::string>{}(t));
    return h;
}

bool FormulaGroups::sameShape(const Formula& a, CellRef originA, const Formula& b, CellRef originB) {
    const auto& na = a.nodes();
    const auto& nb = b.nodes();
    if (na.size() != nb.size() || a.texts() != b.texts()) return false;
    for (size_t i = 0; i < na.size(); ++i) {
        const Node& x = na[i];
        const Node& y = nb[i];
        if (x.kind != y.kind || x.flags != y.flags || x.count != y.count || x.index != y.index) return false;
        if (isRef(x.kind)) {
            if (!(normalised(na, i, originA) == normalised(nb, i, originB))) return false;
        } else if (x.kind == NodeKind::Number || x.kind == NodeKind::Boolean) {
            if (std::bit_cast<uint64_t>(x.number) != std::bit_cast<uint64_t>(y.number)) return false;
        } else if (x.kind == NodeKind::Array) {
            if (!(x.cell == y.cell)) return false;  // {1,2;3,4} and {1,2,3,4} hold the same texts
        }
    }
    return true;
}

uint32_t FormulaGroups::add(std::shared_ptr<const Formula> formula, CellRef origin) {
    size_t h = shapeHash(*formula, origin);
    auto [first, last] = byShape_.equal_range(h);
    for (auto it = first; it != last; ++it) {
        Group& g = groups_[it->second];
        if (sameShape(*g.formula, g.origin, *formula, origin)) {
            ++g.users;
            return it->second + 1;
        }
    }
    uint32_t id;
    if (!free_.empty()) {
        id = free_.back();
        free_.pop_back();
    } else {
        id = static_cast<uint32_t>(groups_.size());
        groups_.emplace_back();
    }
    groups_[id] = Group{std::move(formula), origin, 1, h};
    byShape_.emplace(h, id);
    return id + 1;
}

void FormulaGroups::release(uint32_t handle) {
    if (!handle) return;
    uint32_t id = handle - 1;
    Group& g = groups_[id];
    if (--g.users > 0) return;
    auto [first, last] = byShape_.equal_range(g.hash);
    for (auto it = first; it != last; ++it) {
        if (it->second == id) {
            byShape_.erase(it);
            break;
        }
    }
    g = Group{};
    free_.push_back(id);
}

Formula FormulaGroups::shifted(const Formula& f, int32_t dCol, int32_t dRow) {
    std::vector<Node> nodes = f.nodes();
    for (size_t i = 0; i < nodes.size(); ++i) {
        if (!isRef(nodes[i].kind)) continue;
        Relative rel = relativeParts(f.nodes(), i);
        if (rel.col) nodes[i].cell.col += dCol;
        if (rel.row) nodes[i].cell.row += dRow;
    }
    return Formula(std::move(nodes), f);
}

std::shared_ptr<const Formula> FormulaGroups::formulaAt(uint32_t handle, CellRef cell) const {
    const Group& g = groups_[handle - 1];
    if (g.origin == cell) return g.formula;
    return std::make_shared<const Formula>(shifted(*g.formula, cell.col - g.origin.col, cell.row - g.origin.row));
}

namespace {

// The Cell nodes that are whole arguments of calls to functions that name cells instead of
// reading them.  Postfix order: each operand is remembered by the index where its nodes
// begin, so a call finds where each of its arguments starts.
std::vector<bool> namedCellNodes(const Formula& f, const FunctionRegistry& functions) {
    const auto& nodes = f.nodes();
    std::vector<bool> named;
    std::vector<uint32_t> starts;
    for (uint32_t i = 0; i < nodes.size(); ++i) {
        const Node& n = nodes[i];
        switch (n.kind) {
        case NodeKind::RangeEnd:
        case NodeKind::Paren: break;
        case NodeKind::Unary: break;  // one operand in, one out: it starts where its operand does
        case NodeKind::Binary:
            if (starts.size() >= 2) starts.pop_back();
            break;
        case NodeKind::Call: {
            const size_t count = std::min<size_t>(n.count, starts.size());
            const size_t first = starts.size() - count;
            const FunctionDef* def = functions.find(f.texts()[n.index]);
            const uint32_t mask = def && def->namedCells ? def->namedCells(static_cast<int>(count)) : 0;
            for (size_t a = 0; a < count && a < 32; ++a) {
                if (!(mask & (1u << a))) continue;
                const uint32_t begin = starts[first + a];
                const uint32_t end = first + a + 1 < starts.size() ? starts[first + a + 1] : i;
                uint32_t cells = 0, others = 0;
                for (uint32_t k = begin; k < end; ++k) {
                    if (nodes[k].kind == NodeKind::Cell)
                        ++cells;
                    else if (nodes[k].kind != NodeKind::Paren)
                        ++others;
                }
                if (cells == 1 && others == 0) {
                    if (named.empty()) named.resize(nodes.size());
                    for (uint32_t k = begin; k < end; ++k) named[k] = true;
                }
            }
            const uint32_t start = count ? starts[first] : i;
            starts.resize(first);
            starts.push_back(start);
            break;
        }
        default: starts.push_back(i); break;
        }
    }
    return named;
}

}  // namespace

void FormulaGroups::references(uint32_t handle, CellRef cell, std::vector<RangeRef>& out,
                               const FunctionRegistry* functions) const {
    const Group& g = groups_[handle - 1];
    const auto& nodes = g.formula->nodes();
    const std::vector<bool> named = functions ? namedCellNodes(*g.formula, *functions) : std::vector<bool>{};
    int32_t dCol = cell.col - g.origin.col, dRow = cell.row - g.origin.row;
    auto at = [&](size_t i) {
        Relative rel = relativeParts(nodes, i);
        CellRef c = nodes[i].cell;
        if (rel.col) c.col += dCol;
        if (rel.row) c.row += dRow;
        return c;
    };
    for (size_t i = 0; i < nodes.size(); ++i) {
        if (nodes[i].kind == NodeKind::Cell) {
            if (!named.empty() && named[i]) continue;
            CellRef c = at(i);
            out.push_back({c, c});
        } else if (nodes[i].kind == NodeKind::Range && i + 1 < nodes.size()) {
            out.push_back({at(i), at(i + 1)});
            ++i;
        }
    }
}

void FormulaGroups::clear() {
    groups_.clear();
    free_.clear();
    byShape_.clear();
}

}  // namespace sheet
