// Last stage: the node vector back to text, in any reference style.  Works on a stack of
// texts, so printing never recurses.
#include <string>
#include <vector>

#include "area_operands.h"
#include "ref_resolver.h"
#include "sheet/formula/postfix_formula.h"
#include "sheet/formula/formula.h"

namespace sheet {

namespace {

const char* opText(Op op) {
    switch (op) {
    case Op::Add: return "+";
    case Op::Sub: return "-";
    case Op::Mul: return "*";
    case Op::Div: return "/";
    case Op::Pow: return "^";
    case Op::Concat: return "&";
    case Op::Eq: return "=";
    case Op::Ne: return "<>";
    case Op::Lt: return "<";
    case Op::Gt: return ">";
    case Op::Le: return "<=";
    case Op::Ge: return ">=";
    case Op::Negate: return "-";
    case Op::Plus: return "+";
    case Op::Percent: return "%";
    case Op::Range: return ":";
    case Op::Intersect: return " ";
    case Op::Union: return ",";
    }
    return "?";
}

// Shortest text that reads back as the same double.
std::string literalNumber(double n) {
    std::string s = numberToText(n);
    if (auto back = textToNumber(s); back && *back == n) return s;
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.17G", n);
    return buf;
}

std::string quoted(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
    return out;
}

std::string rangeText(const RefResolver& resolver, const Node& a, const Node& b, CellRef origin) {
    std::string out;
    if (a.flags & kWholeColumns) {
        resolver.writeColumn(out, a.cell.col, a.flags & kColAbsolute, origin);
        out += ':';
        resolver.writeColumn(out, b.cell.col, b.flags & kColAbsolute, origin);
    } else if (a.flags & kWholeRows) {
        resolver.writeRow(out, a.cell.row, a.flags & kRowAbsolute, origin);
        out += ':';
        resolver.writeRow(out, b.cell.row, b.flags & kRowAbsolute, origin);
    } else {
        resolver.writeCell(out, a.cell, a.flags, origin);
        out += ':';
        resolver.writeCell(out, b.cell, b.flags, origin);
    }
    return out;
}

std::string arrayText(const Formula& formula, const Node& n) {
    std::string out = "{";
    const int32_t rows = n.cell.row, cols = n.cell.col;
    for (int32_t r = 0; r < rows; ++r) {
        for (int32_t c = 0; c < cols; ++c) {
            if (c > 0)
                out += ',';
            else if (r > 0)
                out += ';';
            const size_t k = n.index + static_cast<size_t>(r) * cols + c;
            if (k >= formula.texts().size()) break;
            Value v = decodeArrayElement(formula.texts()[k]);
            switch (v.type()) {
            case ValueType::Number: out += literalNumber(v.asNumber()); break;
            case ValueType::Text: out += quoted(v.asText()); break;
            case ValueType::Boolean: out += v.asNumber() != 0 ? "TRUE" : "FALSE"; break;
            case ValueType::Error: out += errorText(v.asError()); break;
            case ValueType::Empty: break;
            }
        }
    }
    return out + "}";
}

}  // namespace

std::string printFormula(const Formula& formula, RefStyle style, CellRef origin) {
    const RefResolver& resolver = resolverFor(style);
    const auto& nodes = formula.nodes();
    std::vector<std::string> stack;
    for (size_t i = 0; i < nodes.size(); ++i) {
        const Node& n = nodes[i];
        switch (n.kind) {
        case NodeKind::Number: stack.push_back(literalNumber(n.number)); break;
        case NodeKind::Text: stack.push_back(quoted(formula.texts()[n.index])); break;
        case NodeKind::Boolean: stack.push_back(n.number != 0 ? "TRUE" : "FALSE"); break;
        case NodeKind::Error: stack.push_back(errorText(static_cast<ErrorKind>(n.index))); break;
        case NodeKind::Missing: stack.emplace_back(); break;
        case NodeKind::Cell: {
            std::string out;
            resolver.writeCell(out, n.cell, n.flags, origin);
            stack.push_back(std::move(out));
            break;
        }
        case NodeKind::Range:
            if (i + 1 < nodes.size()) {
                stack.push_back(rangeText(resolver, n, nodes[i + 1], origin));
                ++i;
            }
            break;
        case NodeKind::RangeEnd: break;
        case NodeKind::Array: stack.push_back(arrayText(formula, n)); break;
        case NodeKind::Unary:
            if (!stack.empty()) {
                std::string& top = stack.back();
                if (n.op() == Op::Percent)
                    top += '%';
                else
                    top.insert(0, opText(n.op()));
            }
            break;
        case NodeKind::Binary:
            if (stack.size() >= 2) {
                std::string right = std::move(stack.back());
                stack.pop_back();
                stack.back() += opText(n.op());
                stack.back() += right;
            }
            break;
        case NodeKind::Paren:
            if (!stack.empty()) stack.back() = "(" + stack.back() + ")";
            break;
        case NodeKind::Call: {
            size_t count = std::min<size_t>(n.count, stack.size());
            std::string out = formula.texts()[n.index] + "(";
            for (size_t k = stack.size() - count; k < stack.size(); ++k) {
                if (k != stack.size() - count) out += ',';
                out += stack[k];
            }
            out += ')';
            stack.resize(stack.size() - count);
            stack.push_back(std::move(out));
            break;
        }
        }
    }
    return stack.empty() ? std::string() : stack.back();
}

}  // namespace sheet
