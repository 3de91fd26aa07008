// Runs a formula's postfix nodes with an operand stack: one pass, no recursion, and no heap
// allocation for the usual small formula (the stack lives in the frame).
#include <algorithm>
#include <memory>
#include <new>

#include "area_operands.h"
#include "formula_nodes.h"
#include "function_support.h"
#include "sheet/formula/postfix_formula.h"
#include "sheet/formula/eval_context.h"
#include "sheet/formula/formula.h"

namespace sheet {

const FunctionRegistry& EvalContext::functions() const { return builtinFunctions(); }

void EvalContext::forEachValue(const RangeRef& range, CellVisitor& visitor) const {
    const int32_t lastRow = std::min(range.last.row, maxRows());
    const int32_t lastCol = std::min(range.last.col, maxCols());
    for (int32_t row = std::max(range.first.row, 1); row <= lastRow; ++row)
        for (int32_t col = std::max(range.first.col, 1); col <= lastCol; ++col)
            if (!visitor.visit({col, row}, cellValue({col, row}))) return;
}

int32_t EvalContext::findExact(const RangeRef& range, int32_t colInRange, const Value& key) const {
    const int32_t col = range.first.col + colInRange;
    const int32_t lastRow = std::min(range.last.row, maxRows());
    for (int32_t row = range.first.row; row <= lastRow; ++row)
        if (lookupEqual(cellValue({col, row}), key)) return row - range.first.row;
    return -1;
}

namespace {

// Fixed storage for up to kInline operands, the heap beyond.
class OperandStack {
public:
    explicit OperandStack(size_t capacity) {
        if (capacity > kInline) {
            heap_.reset(static_cast<Operand*>(::operator new(capacity * sizeof(Operand))));
            data_ = heap_.get();
        } else {
            data_ = reinterpret_cast<Operand*>(inline_);
        }
        capacity_ = capacity;
    }
    ~OperandStack() { popTo(0); }
    OperandStack(const OperandStack&) = delete;
    OperandStack& operator=(const OperandStack&) = delete;

    // The node vector was checked when built, but a bad formula must not write out of bounds.
    bool push(Operand&& op) {
        if (size_ >= capacity_) return false;
        new (data_ + size_) Operand(std::move(op));
        ++size_;
        return true;
    }
    void popTo(size_t size) {
        while (size_ > size) data_[--size_].~Operand();
    }
    size_t size() const { return size_; }
    Operand& top() { return data_[size_ - 1]; }
    std::span<const Operand> last(size_t n) const { return {data_ + size_ - n, n}; }
    Operand& fromTop(size_t k) { return data_[size_ - 1 - k]; }

private:
    struct Deleter {
        void operator()(Operand* p) const { ::operator delete(p); }
    };
    static constexpr size_t kInline = 12;
    alignas(Operand) unsigned char inline_[kInline * sizeof(Operand)];
    std::unique_ptr<Operand, Deleter> heap_;
    Operand* data_ = nullptr;
    size_t capacity_ = 0;
    size_t size_ = 0;
};

// Whole columns and rows are clipped to the sheet so that functions do not walk millions of
// cells that cannot hold anything.
RangeRef clipWhole(const Node& first, const Node& last, const EvalContext& ctx) {
    RangeRef r{first.cell, last.cell};
    if (first.flags & kWholeColumns) r.last.row = std::max(1, std::min(r.last.row, ctx.maxRows()));
    if (first.flags & kWholeRows) r.last.col = std::max(1, std::min(r.last.col, ctx.maxCols()));
    return r;
}

Operand callFunction(const Formula& formula, const Node& node, std::span<const Operand> args, EvalContext& ctx) {
    const FunctionDef* def = ctx.functions().find(formula.texts()[node.index]);
    if (!def) return valueOperand(Value::error(ErrorKind::Name));
    if (static_cast<int>(args.size()) < def->minArgs || static_cast<int>(args.size()) > def->maxArgs)
        return valueOperand(Value::error(ErrorKind::Value));
    try {
        if (def->refImpl) return def->refImpl(args, ctx);
        return valueOperand(def->impl(args, ctx));
    } catch (...) {
        // A function (custom ones come from outside the engine) must not take the sheet down.
        return valueOperand(Value::error(ErrorKind::Value));
    }
}

// Where evaluation continues once a then-branch is done: past the else-branch.
struct BranchJump {
    uint32_t at, to;
};

// Moves the relative parts of a reference by the copy offset; false when a part leaves the
// sheet, which makes the reference #REF! as in a real copy.
bool moveCorner(CellRef& c, uint8_t flags, int32_t dCol, int32_t dRow, bool moveCol, bool moveRow) {
    int64_t col = c.col, row = c.row;
    if (moveCol && !(flags & kColAbsolute)) col += dCol;
    if (moveRow && !(flags & kRowAbsolute)) row += dRow;
    if (col < 1 || col > kMaxRefCol || row < 1 || row > kMaxRefRow) return false;
    c = {static_cast<int32_t>(col), static_cast<int32_t>(row)};
    return true;
}

// `arrays` is the context itself when the formula holds array constants, else null.
Value run(const Formula& formula, EvalContext& ctx, AreaOperandContext* arrays, int32_t dCol, int32_t dRow) {
    const bool moved = dCol != 0 || dRow != 0;
    const auto& nodes = formula.nodes();
    OperandStack stack(formula.maxStack());
    const Value malformed = Value::error(ErrorKind::Value);
    const auto& branches = formula.ifBranches();
    size_t nextBranch = 0;
    std::vector<BranchJump> jumps;
    for (size_t i = 0; i < nodes.size(); ++i) {
        // IF runs only the branch its condition takes; the other is a missing operand.
        while (!branches.empty()) {
            if (!jumps.empty() && jumps.back().at == i) {
                i = jumps.back().to;
                jumps.pop_back();
                if (!stack.push(Operand{})) return malformed;
                continue;
            }
            while (nextBranch < branches.size() && branches[nextBranch].condEnd < i) ++nextBranch;
            if (nextBranch == branches.size() || branches[nextBranch].condEnd != i) break;
            const IfBranch& b = branches[nextBranch++];
            if (stack.size() == 0) return malformed;
            bool condition = false;
            Value error;
            const bool hasElse = b.thenEnd != b.callIndex;
            if (!toBool(scalarOf(stack.top(), ctx), condition, error)) {
                // IF gives the condition's error and needs neither branch.
                if (!stack.push(Operand{}) || (hasElse && !stack.push(Operand{}))) return malformed;
                i = b.callIndex;
            } else if (condition) {
                if (hasElse) jumps.push_back({b.thenEnd, b.callIndex});
            } else {
                if (!stack.push(Operand{})) return malformed;
                i = b.thenEnd;
            }
        }
        if (i >= nodes.size()) break;
        const Node& n = nodes[i];
        bool pushed = true;
        switch (n.kind) {
        case NodeKind::Number: pushed = stack.push(valueOperand(Value::number(n.number))); break;
        case NodeKind::Text: pushed = stack.push(valueOperand(Value::text(formula.texts()[n.index]))); break;
        case NodeKind::Boolean: pushed = stack.push(valueOperand(Value::boolean(n.number != 0))); break;
        case NodeKind::Error: pushed = stack.push(valueOperand(Value::error(static_cast<ErrorKind>(n.index)))); break;
        case NodeKind::Missing: pushed = stack.push(Operand{}); break;
        case NodeKind::Cell: {
            CellRef cell = n.cell;
            if (moved && !moveCorner(cell, n.flags, dCol, dRow, true, true)) {
                pushed = stack.push(valueOperand(Value::error(ErrorKind::Ref)));
                break;
            }
            Operand op;
            op.value = ctx.cellValue(cell);
            op.ref = {cell, cell};
            op.isRef = true;
            pushed = stack.push(std::move(op));
            break;
        }
        case NodeKind::Range: {
            if (i + 1 >= nodes.size()) return malformed;
            Node first = n, last = nodes[++i];
            if (moved) {
                // Whole columns keep their rows and whole rows their columns.
                const bool moveCol = !(first.flags & kWholeRows), moveRow = !(first.flags & kWholeColumns);
                if (!moveCorner(first.cell, first.flags, dCol, dRow, moveCol, moveRow) ||
                    !moveCorner(last.cell, last.flags, dCol, dRow, moveCol, moveRow)) {
                    pushed = stack.push(valueOperand(Value::error(ErrorKind::Ref)));
                    break;
                }
                normaliseRange(first, last);
            }
            Operand op;
            op.ref = clipWhole(first, last, ctx);
            op.isRef = true;
            if (!op.isRange()) op.value = ctx.cellValue(op.ref.first);  // A1:A1
            pushed = stack.push(std::move(op));
            break;
        }
        case NodeKind::Array:
            if (!arrays) return malformed;
            pushed = stack.push(referenceOperand(ctx, arrays->add(formula.texts(), n.index, n.cell.row, n.cell.col)));
            break;
        case NodeKind::RangeEnd:
        case NodeKind::Paren: break;
        case NodeKind::Unary:
        case NodeKind::Binary: {
            const size_t arity = n.kind == NodeKind::Unary ? 1 : 2;
            if (stack.size() < arity) return malformed;
            // The reference operators come last in Op: one comparison keeps them off the path of
            // arithmetic.
            if (n.op() >= Op::Range) {
                if (n.op() == Op::Union && !arrays) return malformed;
                Operand ref = n.op() == Op::Union ? arrays->join(stack.last(arity))
                                                  : referenceOperator(n.op(), stack.last(arity), ctx);
                stack.popTo(stack.size() - arity);
                pushed = stack.push(std::move(ref));
                break;
            }
            for (size_t k = 0; k < arity; ++k)
                if (stack.fromTop(k).isRange()) stack.fromTop(k) = implicitIntersection(stack.fromTop(k), ctx);
            Value result = operatorFunction(n.op())(stack.last(arity), ctx);
            stack.popTo(stack.size() - arity);
            pushed = stack.push(valueOperand(std::move(result)));
            break;
        }
        case NodeKind::Call: {
            if (stack.size() < n.count) return malformed;
            Operand result = callFunction(formula, n, stack.last(n.count), ctx);
            stack.popTo(stack.size() - n.count);
            pushed = stack.push(std::move(result));
            break;
        }
        }
        if (!pushed) return malformed;
    }
    if (stack.size() != 1) return malformed;
    if (stack.top().isRange()) stack.top() = implicitIntersection(stack.top(), ctx);
    const Operand& result = stack.top();
    // A formula shows 0 rather than nothing when it reads an empty cell.
    if (result.value.isEmpty()) return Value::number(0);
    return result.value;
}

}  // namespace

Value evaluate(const Formula& formula, EvalContext& ctx) { return evaluate(formula, ctx, 0, 0); }

Value evaluate(const Formula& formula, EvalContext& ctx, int32_t dCol, int32_t dRow) {
    if (!formula.hasAreaOperands()) return run(formula, ctx, nullptr, dCol, dRow);
    AreaOperandContext arrays(ctx);
    return run(formula, arrays, &arrays, dCol, dRow);
}

}  // namespace sheet
