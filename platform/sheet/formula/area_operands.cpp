#include "area_operands.h"

#include <algorithm>
#include <charconv>
#include <limits>

namespace sheet {

namespace {

// The first array's top row: far below any row a sheet or a reference shift produces.
constexpr int32_t kFirstArrayRow = std::numeric_limits<int32_t>::min() / 2;

}  // namespace

std::string encodeArrayElement(const Value& v) {
    switch (v.type()) {
    case ValueType::Number: {
        char buf[40];
        auto end = std::to_chars(buf, buf + sizeof buf, v.asNumber()).ptr;
        return "n" + std::string(buf, end);
    }
    case ValueType::Text: return "t" + std::string(v.asText());
    case ValueType::Boolean: return v.asNumber() != 0 ? "b1" : "b0";
    case ValueType::Error: return "e" + std::to_string(static_cast<int>(v.asError()));
    case ValueType::Empty: break;
    }
    return "n0";
}

Value decodeArrayElement(std::string_view stored) {
    if (stored.empty()) return Value();
    std::string_view rest = stored.substr(1);
    switch (stored[0]) {
    case 'n': {
        double x = 0;
        std::from_chars(rest.data(), rest.data() + rest.size(), x);
        return Value::number(x);
    }
    case 't': return Value::text(std::string(rest));
    case 'b': return Value::boolean(rest == "1");
    case 'e': {
        int k = static_cast<int>(ErrorKind::Value);
        std::from_chars(rest.data(), rest.data() + rest.size(), k);
        return Value::error(static_cast<ErrorKind>(k));
    }
    }
    return Value();
}

AreaOperandContext::AreaOperandContext(EvalContext& sheet) : sheet_(sheet), nextTop_(kFirstArrayRow) {}

const std::vector<RangeRef>* unionRanges(const Operand& op, const EvalContext& ctx) {
    if (!op.isRef || !isUnionArea(op.ref)) return nullptr;
    const auto* areas = dynamic_cast<const AreaOperandContext*>(&ctx);
    return areas ? areas->unionAt(op.ref) : nullptr;
}

const std::vector<RangeRef>* AreaOperandContext::unionAt(const RangeRef& r) const {
    for (const Union& u : unions_)
        if (u.row == r.first.row) return &u.ranges;
    return nullptr;
}

Operand AreaOperandContext::join(std::span<const Operand> args) {
    Union u;
    u.row = nextTop_++;
    for (const Operand& a : args) {
        if (!a.isRef) {
            Operand error;
            error.value = a.value.isError() ? a.value : Value::error(ErrorKind::Value);
            return error;
        }
        if (const auto* ranges = unionAt(a.ref); ranges && isUnionArea(a.ref)) {
            u.ranges.insert(u.ranges.end(), ranges->begin(), ranges->end());
        } else if (isAreaOperand(a.ref)) {
            Operand error;
            error.value = Value::error(ErrorKind::Value);
            return error;
        } else {
            u.ranges.push_back(a.ref);
        }
    }
    Operand joined;
    joined.ref = {{-1, u.row}, {0, u.row}};
    joined.isRef = true;
    unions_.push_back(std::move(u));
    return joined;
}

RangeRef AreaOperandContext::add(const std::vector<std::string>& texts, uint32_t first, int32_t rows, int32_t cols) {
    Area area;
    area.top = nextTop_;
    nextTop_ += rows;
    area.rows = rows;
    area.cols = cols;
    const size_t count = static_cast<size_t>(rows) * static_cast<size_t>(cols);
    area.values.reserve(count);
    for (size_t k = 0; k < count && first + k < texts.size(); ++k)
        area.values.push_back(decodeArrayElement(texts[first + k]));
    area.values.resize(count);
    widest_ = std::max(widest_, cols);
    areas_.push_back(std::move(area));
    const Area& a = areas_.back();
    return {{1, a.top}, {a.cols, a.top + a.rows - 1}};
}

const AreaOperandContext::Area* AreaOperandContext::areaAt(int32_t row) const {
    for (const Area& a : areas_)
        if (row >= a.top && row < a.top + a.rows) return &a;
    return nullptr;
}

Value AreaOperandContext::cellValue(CellRef cell) const {
    if (cell.row >= 1) return sheet_.cellValue(cell);
    if (cell.col < 1) return Value::error(ErrorKind::Value);
    const Area* a = areaAt(cell.row);
    if (!a || cell.col < 1 || cell.col > a->cols) return Value();
    return a->values[static_cast<size_t>(cell.row - a->top) * a->cols + (cell.col - 1)];
}

std::string AreaOperandContext::cellText(CellRef cell) const {
    return cell.row >= 1 ? sheet_.cellText(cell) : std::string();
}

// An array wider than the sheet is still read whole.
int32_t AreaOperandContext::maxCols() const { return std::max(sheet_.maxCols(), widest_); }

void AreaOperandContext::forEachValue(const RangeRef& range, CellVisitor& visitor) const {
    if (!isAreaOperand(range)) return sheet_.forEachValue(range, visitor);
    if (isUnionArea(range)) {
        const std::vector<RangeRef>* ranges = unionAt(range);
        if (!ranges) return;
        struct Walk : CellVisitor {
            CellVisitor& inner;
            bool stopped = false;
            explicit Walk(CellVisitor& v) : inner(v) {}
            bool visit(CellRef c, const Value& v) override { return !(stopped = !inner.visit(c, v)); }
        } walk(visitor);
        for (const RangeRef& r : *ranges) {
            sheet_.forEachValue(r, walk);
            if (walk.stopped) return;
        }
        return;
    }
    for (const Area& a : areas_) {
        const int32_t top = std::max(range.first.row, a.top);
        const int32_t bottom = std::min(range.last.row, a.top + a.rows - 1);
        const int32_t left = std::max(range.first.col, 1), right = std::min(range.last.col, a.cols);
        for (int32_t row = top; row <= bottom; ++row)
            for (int32_t col = left; col <= right; ++col)
                if (!visitor.visit({col, row}, a.values[static_cast<size_t>(row - a.top) * a.cols + (col - 1)])) return;
    }
}

int32_t AreaOperandContext::findExact(const RangeRef& range, int32_t colInRange, const Value& key) const {
    if (!isAreaOperand(range)) return sheet_.findExact(range, colInRange, key);
    return EvalContext::findExact(range, colInRange, key);
}

}  // namespace sheet
