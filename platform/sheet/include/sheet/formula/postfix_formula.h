// The compiled form of a formula: a flat vector of nodes in postfix order.  Evaluating walks
// the vector once with an operand stack and printing rebuilds the text with a text stack, so
// neither recurses however deeply the formula nests.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "sheet/value.h"

namespace sheet {

enum class NodeKind : uint8_t {
    Number,    // number
    Text,      // texts()[index]
    Boolean,   // number is 1 or 0
    Error,     // index is the ErrorKind
    Missing,   // an omitted argument, as in IF(A1,,2)
    Cell,      // cell, flags
    Range,     // first corner in cell/flags; the next node (RangeEnd) holds the last corner
    RangeEnd,  // last corner of the preceding Range; produces nothing by itself
    Unary,     // op: Negate, Plus or Percent; one operand
    Binary,    // op: Add..Ge; two operands
    Paren,     // parentheses as written; no effect on the value
    Call,      // texts()[index] is the upper-case function name; count arguments
    Array,     // array constant of cell.row rows and cell.col columns; its elements, row by row,
               // are texts()[index...] each a type letter and the value: n<number> t<text>
               // b<1|0> e<ErrorKind>
};

// Range (A1:INDEX(...), A1:A2:A3), Intersect (a blank between references) and Union (a comma
// inside parentheses: (A1:A2,C1:C2)) work on references and give one; they stay last.
enum class Op : uint8_t {
    Add,
    Sub,
    Mul,
    Div,
    Pow,
    Concat,
    Eq,
    Ne,
    Lt,
    Gt,
    Le,
    Ge,
    Negate,
    Plus,
    Percent,
    Range,
    Intersect,
    Union
};

// Reference flags.
enum : uint8_t {
    kColAbsolute = 1,
    kRowAbsolute = 2,
    kWholeColumns = 4,  // on Range: A:C / C1:C3 (rows span 1..kMaxRefRow)
    kWholeRows = 8,     // on Range: 1:3 / R1:R3 (columns span 1..kMaxRefCol)
};

struct Node {
    Node() : number(0) {}
    explicit Node(NodeKind k) : kind(k), number(0) {}

    NodeKind kind = NodeKind::Number;
    uint8_t flags = 0;   // reference flags, or the Op of Unary/Binary
    uint16_t count = 0;  // Call: number of arguments
    uint32_t index = 0;  // Text/Call: index into texts(); Error: ErrorKind
    union {
        double number;
        CellRef cell;  // Cell/Range/RangeEnd: absolute position (relative parts resolved);
                       // Array: its size
    };
    Op op() const { return static_cast<Op>(flags); }
};
static_assert(sizeof(Node) == 16, "nodes stay compact: a sheet may hold millions");

// Where an IF's arguments lie in the node vector, so that evaluation runs only the branch the
// condition takes: the condition ends before condEnd, the then-branch occupies condEnd up to
// thenEnd, the else-branch (if any) thenEnd up to callIndex, the IF call itself.
struct IfBranch {
    uint32_t condEnd = 0, thenEnd = 0, callIndex = 0;
};

class Formula : public std::enable_shared_from_this<Formula> {
public:
    Formula(std::vector<Node> nodes, std::vector<std::string> texts);
    // The formula `shape` with other reference positions in `nodes` (the same nodes otherwise):
    // what it derives from its nodes is taken over instead of worked out again.
    Formula(std::vector<Node> nodes, const Formula& shape)
        : nodes_(std::move(nodes)),
          texts_(shape.texts_),
          maxStack_(shape.maxStack_),
          ifBranches_(shape.ifBranches_),
          volatile_(shape.volatile_),
          hasAreaOperands_(shape.hasAreaOperands_) {}
    const std::vector<Node>& nodes() const { return nodes_; }
    const std::vector<std::string>& texts() const { return texts_; }
    // The deepest the operand stack grows while evaluating.
    uint32_t maxStack() const { return maxStack_; }
    // The IF calls in order of condEnd (empty for most formulas).
    const std::vector<IfBranch>& ifBranches() const { return ifBranches_; }
    // Whether it calls a function whose result may change with nothing it reads changing (RAND,
    // NOW, TODAY) or that reads cells the dependency graph cannot know (OFFSET).
    bool isVolatile() const { return volatile_; }
    // Whether it holds an array constant or a union of references.
    bool hasAreaOperands() const { return hasAreaOperands_; }

private:
    std::vector<Node> nodes_;
    std::vector<std::string> texts_;
    uint32_t maxStack_ = 0;
    std::vector<IfBranch> ifBranches_;
    bool volatile_ = false;
    bool hasAreaOperands_ = false;
};

}  // namespace sheet
