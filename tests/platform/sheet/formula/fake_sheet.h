// A small sheet for formula tests: cells hold values or formulas; formulas are evaluated on
// demand (recursively, which is fine for the few cells a test uses).
#pragma once

#include <map>
#include <string>
#include <utility>

#include "sheet/formula/postfix_formula.h"
#include "sheet/formula/eval_context.h"
#include "sheet/formula/formula.h"
#include "sheet/formula/function_registry.h"
#include "sheet/value.h"

namespace sheet::test {

class FakeSheet : public EvalContext {
public:
    FakeSheet() : registry_(builtinFunctions()) {}

    void set(int32_t col, int32_t row, Value v) { values_[{col, row}] = std::move(v); }
    void setNumber(int32_t col, int32_t row, double n) { set(col, row, Value::number(n)); }
    void setText(int32_t col, int32_t row, std::string t) { set(col, row, Value::text(std::move(t))); }
    // A formula cell; its value is computed whenever it is read.
    void setFormula(int32_t col, int32_t row, std::string_view text) {
        auto parsed = parseFormula(text, RefStyle::A1, {col, row}, registry_);
        formulas_[{col, row}] = parsed.formula;
    }

    // Parses and evaluates `text` as if it stood in `at`; a parse failure shows as "parse: why".
    Value eval(std::string_view text, CellRef at = {10, 10}, RefStyle style = RefStyle::A1) {
        auto parsed = parseFormula(text, style, at, registry_);
        if (!parsed.ok) return Value::text("parse: " + parsed.error);
        CellRef saved = caller_;
        caller_ = at;
        Value v = evaluate(*parsed.formula, *this);
        caller_ = saved;
        return v;
    }

    Value cellValue(CellRef c) const override {
        ++reads;
        if (auto f = formulas_.find({c.col, c.row}); f != formulas_.end() && f->second) {
            CellRef saved = caller_;
            caller_ = c;
            Value v = evaluate(*f->second, const_cast<FakeSheet&>(*this));
            caller_ = saved;
            return v;
        }
        auto it = values_.find({c.col, c.row});
        return it == values_.end() ? Value() : it->second;
    }
    std::string cellText(CellRef c) const override { return valueToText(cellValue(c)); }
    CellRef caller() const override { return caller_; }
    int32_t maxRows() const override { return 100; }
    int32_t maxCols() const override { return 26; }
    const FunctionRegistry& functions() const override { return registry_; }
    int32_t findExact(const RangeRef& r, int32_t col, const Value& key) const override {
        ++exactLookups;
        return EvalContext::findExact(r, col, key);
    }
    void setCellData(CellRef c, const std::string& text) override { set(c.col, c.row, Value::text(text)); }

    FunctionRegistry& registry() { return registry_; }

    mutable int reads = 0;
    mutable int exactLookups = 0;

private:
    FunctionRegistry registry_;
    std::map<std::pair<int32_t, int32_t>, Value> values_;
    std::map<std::pair<int32_t, int32_t>, std::shared_ptr<const Formula>> formulas_;
    mutable CellRef caller_{10, 10};
};

// A value as a test expects to read it: 3, "text", TRUE, #N/A, <empty>.
inline std::string show(const Value& v) {
    switch (v.type()) {
    case ValueType::Empty: return "<empty>";
    case ValueType::Text: return "\"" + v.asText() + "\"";
    default: return valueToText(v);
    }
}

}  // namespace sheet::test
