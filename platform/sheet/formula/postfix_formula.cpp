#include "sheet/formula/postfix_formula.h"

#include <algorithm>

namespace sheet {

Formula::Formula(std::vector<Node> nodes, std::vector<std::string> texts)
    : nodes_(std::move(nodes)), texts_(std::move(texts)) {
    int64_t depth = 0, deepest = 0;
    // The first node of every operand on the stack, to find where each IF argument starts.
    std::vector<uint32_t> starts;
    bool hasIf = false;
    for (const Node& n : nodes_) {
        if (n.kind == NodeKind::Array || (n.kind == NodeKind::Binary && n.op() == Op::Union)) hasAreaOperands_ = true;
        if (n.kind != NodeKind::Call) continue;
        const std::string& name = texts_[n.index];
        if (name == "IF") hasIf = true;
        if (name == "RAND" || name == "NOW" || name == "TODAY" || name == "OFFSET") volatile_ = true;
    }
    for (size_t i = 0; i < nodes_.size(); ++i) {
        const Node& n = nodes_[i];
        const uint32_t at = static_cast<uint32_t>(i);
        switch (n.kind) {
        case NodeKind::RangeEnd:
        case NodeKind::Unary:
        case NodeKind::Paren: break;
        case NodeKind::Binary:
            --depth;
            if (hasIf && starts.size() >= 2) starts.pop_back();
            break;
        case NodeKind::Call: {
            depth += 1 - static_cast<int64_t>(n.count);
            if (!hasIf) break;
            if (starts.size() < n.count) {
                starts.clear();  // malformed; the interpreter refuses it anyway
                break;
            }
            const uint32_t* args = starts.data() + starts.size() - n.count;
            if (texts_[n.index] == "IF" && n.count >= 2)
                ifBranches_.push_back({args[1], n.count > 2 ? args[2] : at, at});
            uint32_t first = n.count ? args[0] : at;
            starts.resize(starts.size() - n.count);
            starts.push_back(first);
            break;
        }
        default:
            ++depth;
            if (hasIf) starts.push_back(at);
            break;
        }
        deepest = std::max(deepest, depth);
    }
    maxStack_ = static_cast<uint32_t>(deepest);
    std::sort(ifBranches_.begin(), ifBranches_.end(),
              [](const IfBranch& a, const IfBranch& b) { return a.condEnd < b.condEnd; });
}

}  // namespace sheet
