#include "sheet/formula/ast.h"

#include <algorithm>

namespace sheet {

Formula::Formula(std::vector<Node> nodes, std::vector<std::string> texts)
    : nodes_(std::move(nodes)), texts_(std::move(texts)) {
  int64_t depth = 0, deepest = 0;
  for (const Node& n : nodes_) {
    switch (n.kind) {
      case NodeKind::RangeEnd:
      case NodeKind::Unary:
      case NodeKind::Paren: break;
      case NodeKind::Binary: --depth; break;
      case NodeKind::Call: depth += 1 - static_cast<int64_t>(n.count); break;
      default: ++depth; break;
    }
    deepest = std::max(deepest, depth);
  }
  maxStack_ = static_cast<uint32_t>(deepest);
}

}  // namespace sheet
