// Second stage: tokens to the postfix node vector, by recursive descent with the usual
// spreadsheet precedence (lowest first): comparison, &, + -, * /, ^, postfix %, prefix signs,
// then operands.  ^ associates to the left and a sign binds tighter than ^ (-2^2 is 4), as
// users of spreadsheets expect.  An array constant {1,2;3,4} is one operand node; a comma in
// parentheses after a reference joins references into a union.  Recursion is bounded by
// kMaxFormulaNesting.
#include <algorithm>

#include "area_operands.h"
#include "formula_nodes.h"
#include "lexer.h"
#include "ref_resolver.h"
#include "sheet/formula/postfix_formula.h"
#include "sheet/formula/formula.h"
#include "sheet/formula/function_registry.h"
#include "text_case.h"

namespace sheet {

namespace {

class Parser {
public:
    Parser(const std::vector<Token>& tokens, std::vector<Node>& nodes, RefStyle style, CellRef origin,
           const FunctionRegistry& functions)
        : tokens_(tokens), nodes_(nodes), resolver_(resolverFor(style)), origin_(origin), functions_(functions) {
        nodes_.clear();
    }

    ParseResult run() {
        ParseResult result;
        if (peek().kind == TokenKind::End) {
            fail("empty formula");
        } else if (parseComparison() && peek().kind != TokenKind::End) {
            fail("unexpected text after the formula");
        }
        if (!error_.empty()) {
            result.error = error_;
            result.errorPos = errorPos_;
            return result;
        }
        result.ok = true;
        // An exact-size copy: the scratch vector's spare capacity would be kept for every cell.
        result.formula = std::make_shared<Formula>(std::vector<Node>(nodes_.begin(), nodes_.end()), std::move(texts_));
        return result;
    }

private:
    const Token& peek(size_t ahead = 0) const { return tokens_[std::min(next_ + ahead, tokens_.size() - 1)]; }
    const Token& take() {
        const Token& t = peek();
        if (next_ < tokens_.size() - 1) ++next_;
        return t;
    }
    bool isOperator(std::string_view spelling) const {
        return peek().kind == TokenKind::Operator && peek().spelling == spelling;
    }
    bool fail(std::string message) { return fail(std::move(message), peek().pos); }
    bool fail(std::string message, size_t pos) {
        if (error_.empty()) {
            error_ = std::move(message);
            errorPos_ = pos;
        }
        return false;
    }

    // Guards every construct that recurses: parentheses, calls, signs.
    bool enter() {
        if (++depth_ > kMaxFormulaNesting) return fail("formula nested too deeply");
        return true;
    }
    void leave() { --depth_; }

    void emitOp(NodeKind kind, Op op) {
        Node n;
        n.kind = kind;
        n.flags = static_cast<uint8_t>(op);
        nodes_.push_back(n);
    }

    bool parseComparison() {
        if (!parseConcat()) return false;
        while (true) {
            static const std::pair<const char*, Op> ops[] = {{"=", Op::Eq}, {"<>", Op::Ne}, {"<", Op::Lt},
                                                             {">", Op::Gt}, {"<=", Op::Le}, {">=", Op::Ge}};
            const Op* found = nullptr;
            for (const auto& [spelling, op] : ops)
                if (isOperator(spelling)) found = &op;
            if (!found) return true;
            Op op = *found;
            take();
            if (!parseConcat()) return false;
            emitOp(NodeKind::Binary, op);
        }
    }

    bool parseConcat() {
        if (!parseAdditive()) return false;
        while (isOperator("&")) {
            take();
            if (!parseAdditive()) return false;
            emitOp(NodeKind::Binary, Op::Concat);
        }
        return true;
    }

    bool parseAdditive() {
        if (!parseMultiplicative()) return false;
        while (isOperator("+") || isOperator("-")) {
            Op op = take().spelling == "+" ? Op::Add : Op::Sub;
            if (!parseMultiplicative()) return false;
            emitOp(NodeKind::Binary, op);
        }
        return true;
    }

    bool parseMultiplicative() {
        if (!parsePower()) return false;
        while (isOperator("*") || isOperator("/")) {
            Op op = take().spelling == "*" ? Op::Mul : Op::Div;
            if (!parsePower()) return false;
            emitOp(NodeKind::Binary, op);
        }
        return true;
    }

    bool parsePower() {
        if (!parsePercent()) return false;
        while (isOperator("^")) {
            take();
            if (!parsePercent()) return false;
            emitOp(NodeKind::Binary, Op::Pow);
        }
        return true;
    }

    bool parsePercent() {
        if (!parseUnary()) return false;
        while (isOperator("%")) {
            take();
            emitOp(NodeKind::Unary, Op::Percent);
        }
        return true;
    }

    bool parseUnary() {
        if (isOperator("-") || isOperator("+")) {
            Op op = take().spelling == "-" ? Op::Negate : Op::Plus;
            if (!enter() || !parseUnary()) return false;
            leave();
            emitOp(NodeKind::Unary, op);
            return true;
        }
        if (!parsePrimary()) return false;
        // Most operands are followed by neither a colon nor a blank and a name.
        if (peek().kind != TokenKind::Colon && !peek().spaceBefore) return true;
        return continueReference();
    }

    // Reference operators bind tightest: A1:B5 C3:D4 is the intersection of two ranges, and
    // A1:A2:A3 or A1:INDEX(A1:A3,2) the range spanning both sides.  A blank before a name or
    // reference is the intersection only here, after a reference operand.
    bool continueReference() {
        if (!continueRangeChain()) return false;
        while (peek().spaceBefore && peek().kind == TokenKind::Word && endsReference()) {
            if (!parseRangeChain()) return false;
            emitOp(NodeKind::Binary, Op::Intersect);
        }
        return true;
    }

    bool parseRangeChain() { return parsePrimary() && continueRangeChain(); }

    // The rest of a range chain whose first operand was just parsed.
    bool continueRangeChain() {
        while (peek().kind == TokenKind::Colon && endsReference() &&
               (peek(1).kind == TokenKind::Word || peek(1).kind == TokenKind::LParen)) {
            take();
            if (!parsePrimary()) return false;
            emitOp(NodeKind::Binary, Op::Range);
        }
        return true;
    }

    // Whether the operand just parsed can be a reference (a reference, call or parenthesis).
    bool endsReference() const {
        if (nodes_.empty()) return false;
        NodeKind k = nodes_.back().kind;
        return k == NodeKind::Cell || k == NodeKind::RangeEnd || k == NodeKind::Call || k == NodeKind::Paren ||
               (k == NodeKind::Binary && (nodes_.back().op() == Op::Range || nodes_.back().op() == Op::Intersect ||
                                          nodes_.back().op() == Op::Union));
    }

    bool parsePrimary() {
        const Token& t = peek();
        switch (t.kind) {
        case TokenKind::Number:
            // "1:3" is a range of whole rows in A1 notation.
            if (peek(1).kind == TokenKind::Colon) {
                if (auto part = resolver_.read(t.spelling, origin_); part && part->kind == RefPartKind::Row) {
                    take();
                    return parseRange(*part, t.pos);
                }
            }
            take();
            pushNumber(NodeKind::Number, t.number);
            return true;
        case TokenKind::Text: {
            Node n;
            n.kind = NodeKind::Text;
            n.index = static_cast<uint32_t>(texts_.size());
            texts_.push_back(unquoteText(t.spelling));
            nodes_.push_back(n);
            take();
            return true;
        }
        case TokenKind::Error: {
            pushError(t.error);
            take();
            return true;
        }
        case TokenKind::LParen: {
            take();
            if (!enter() || !parseComparison()) return false;
            // A comma inside parentheses joins references: (A1:A2,C1:C2).
            while (peek().kind == TokenKind::Comma && endsReference()) {
                take();
                if (!parseComparison()) return false;
                if (!endsReference()) return fail("a union joins references only");
                emitOp(NodeKind::Binary, Op::Union);
            }
            leave();
            if (peek().kind != TokenKind::RParen) return fail("missing ')'");
            take();
            nodes_.push_back(Node(NodeKind::Paren));
            return true;
        }
        case TokenKind::Word: return parseWord();
        case TokenKind::LBrace: return parseArray();
        case TokenKind::End: return fail("formula ends too early");
        default: return fail("unexpected '" + std::string(t.spelling) + "'");
        }
    }

    void pushNumber(NodeKind kind, double value) {
        Node n;
        n.kind = kind;
        n.number = value;
        nodes_.push_back(n);
    }
    void pushError(ErrorKind kind) {
        Node n;
        n.kind = NodeKind::Error;
        n.index = static_cast<uint32_t>(kind);
        nodes_.push_back(n);
    }

    // {1,2;3,4}: rows by ';', columns by ','; every row as long as the first.
    bool parseArray() {
        const size_t pos = take().pos;
        const uint32_t first = static_cast<uint32_t>(texts_.size());
        int32_t rows = 0, cols = 0, inRow = 0;
        while (true) {
            std::optional<Value> element = arrayElement();
            if (!element) return fail("an array constant holds only numbers, texts, TRUE, FALSE or errors");
            texts_.push_back(encodeArrayElement(*element));
            ++inRow;
            if (peek().kind == TokenKind::Comma) {
                take();
                continue;
            }
            if (rows == 0) cols = inRow;
            if (inRow != cols) return fail("the rows of an array constant differ in length", pos);
            ++rows;
            inRow = 0;
            if (peek().kind == TokenKind::Semicolon) {
                take();
                continue;
            }
            if (peek().kind != TokenKind::RBrace) return fail("missing '}'");
            take();
            break;
        }
        Node n(NodeKind::Array);
        n.index = first;
        n.cell = {cols, rows};
        nodes_.push_back(n);
        return true;
    }

    std::optional<Value> arrayElement() {
        double sign = 1;
        if (isOperator("-") || isOperator("+")) {
            sign = take().spelling == "-" ? -1 : 1;
            if (peek().kind != TokenKind::Number) return std::nullopt;
        }
        const Token& t = peek();
        switch (t.kind) {
        case TokenKind::Number: take(); return Value::number(sign * t.number);
        case TokenKind::Text: take(); return Value::text(unquoteText(t.spelling));
        case TokenKind::Error: take(); return Value::error(t.error);
        case TokenKind::Word: {
            std::string upper = upperCase1252(t.spelling);
            if (upper != "TRUE" && upper != "FALSE") return std::nullopt;
            take();
            return Value::boolean(upper == "TRUE");
        }
        default: return std::nullopt;
        }
    }

    bool parseWord() {
        const Token& t = take();
        if (peek().kind == TokenKind::LParen) return parseCall(t);
        if (auto part = resolver_.read(t.spelling, origin_)) {
            if (peek().kind == TokenKind::Colon && (part->kind != RefPartKind::Cell || pairsWithNext(*part)))
                return parseRange(*part, t.pos);
            if (part->kind != RefPartKind::Cell) return fail("incomplete reference", t.pos);
            if (part->offSheet) {
                pushError(ErrorKind::Ref);
            } else {
                Node n;
                n.kind = NodeKind::Cell;
                n.flags = part->flags;
                n.cell = part->pos;
                nodes_.push_back(n);
            }
            return true;
        }
        std::string upper = upperCase1252(t.spelling);
        if (upper == "TRUE" || upper == "FALSE") {
            pushNumber(NodeKind::Boolean, upper == "TRUE" ? 1 : 0);
            return true;
        }
        return fail("unknown name '" + std::string(t.spelling) + "'", t.pos);
    }

    // Whether the token after the colon is a reference part of the same kind as `first`, so that
    // both make one range node (else the colon is the range operator, as in A1:INDEX(...)).
    bool pairsWithNext(const RefPart& first) const {
        const Token& t = peek(1);
        if (t.kind != TokenKind::Word && t.kind != TokenKind::Number) return false;
        if (peek(2).kind == TokenKind::LParen) return false;
        auto second = resolver_.read(t.spelling, origin_);
        return second && second->kind == first.kind;
    }

    // The colon is next; `first` was read at `pos`.
    bool parseRange(const RefPart& first, size_t pos) {
        take();
        const Token& t = peek();
        std::optional<RefPart> second;
        if (t.kind == TokenKind::Word || t.kind == TokenKind::Number) second = resolver_.read(t.spelling, origin_);
        if (!second || second->kind != first.kind) return fail("malformed range", pos);
        take();
        if (first.offSheet || second->offSheet) {
            pushError(ErrorKind::Ref);
            return true;
        }
        Node a, b;
        a.kind = NodeKind::Range;
        b.kind = NodeKind::RangeEnd;
        a.cell = first.pos;
        b.cell = second->pos;
        a.flags = first.flags;
        b.flags = second->flags;
        if (first.kind == RefPartKind::Column) {
            a.cell.row = 1;
            b.cell.row = kMaxRefRow;
            a.flags |= kWholeColumns;
        } else if (first.kind == RefPartKind::Row) {
            a.cell.col = 1;
            b.cell.col = kMaxRefCol;
            a.flags |= kWholeRows;
        }
        normaliseRange(a, b);
        nodes_.push_back(a);
        nodes_.push_back(b);
        return true;
    }

    bool parseCall(const Token& nameToken) {
        std::string name = upperCase1252(nameToken.spelling);
        take();  // '('
        if (!enter()) return false;
        size_t count = 0;
        if (peek().kind == TokenKind::RParen) {
            take();
        } else {
            while (true) {
                if (peek().kind == TokenKind::Comma || peek().kind == TokenKind::RParen) {
                    nodes_.push_back(Node(NodeKind::Missing));
                } else if (!parseComparison()) {
                    return false;
                }
                if (++count > static_cast<size_t>(kMaxFunctionArgs))
                    return fail("too many arguments to " + name, nameToken.pos);
                if (peek().kind == TokenKind::Comma) {
                    take();
                    continue;
                }
                if (peek().kind == TokenKind::RParen) {
                    take();
                    break;
                }
                return fail("missing ')' after the arguments of " + name);
            }
        }
        leave();
        if (const FunctionDef* def = functions_.find(name)) {
            if (static_cast<int>(count) < def->minArgs)
                return fail(name + " needs at least " + std::to_string(def->minArgs) + " arguments", nameToken.pos);
            if (static_cast<int>(count) > def->maxArgs)
                return fail(name + " takes at most " + std::to_string(def->maxArgs) + " arguments", nameToken.pos);
        }
        Node n;
        n.kind = NodeKind::Call;
        n.count = static_cast<uint16_t>(count);
        n.index = static_cast<uint32_t>(texts_.size());
        texts_.push_back(std::move(name));
        nodes_.push_back(n);
        return true;
    }

    const std::vector<Token>& tokens_;
    std::vector<Node>& nodes_;
    size_t next_ = 0;
    const RefResolver& resolver_;
    CellRef origin_;
    const FunctionRegistry& functions_;
    std::vector<std::string> texts_;
    int depth_ = 0;
    std::string error_;
    size_t errorPos_ = 0;
};

}  // namespace

ParseResult parseFormula(std::string_view text, RefStyle style, CellRef origin, const FunctionRegistry& functions) {
    ParseResult result;
    if (text.size() > kMaxFormulaLength) {
        result.error = "formula longer than " + std::to_string(kMaxFormulaLength) + " characters";
        result.errorPos = kMaxFormulaLength;
        return result;
    }
    // Scratch space reused across calls: a sheet parses its formulas one after another, often
    // a million of them, and the parser never re-enters.
    thread_local std::vector<Token> tokens;
    thread_local std::vector<Node> nodes;
    LexResult lexed = tokenize(text, tokens);
    if (!lexed.ok) {
        result.error = lexed.error;
        result.errorPos = lexed.errorPos;
        return result;
    }
    return Parser(tokens, nodes, style, origin, functions).run();
}

}  // namespace sheet
