#include "criteria.h"

#include "function_support.h"
#include "number_precision.h"
#include "text_case.h"
#include "wildcard.h"

namespace sheet {

Criterion::Criterion(const Value& criterion) {
    if (!criterion.isText()) {
        operand_ = criterion.isEmpty() ? Value::text("") : criterion;
        return;
    }
    std::string_view t = criterion.asText();
    static const std::pair<const char*, Test> kOps[] = {{"<=", Test::Le}, {">=", Test::Ge}, {"<>", Test::Ne},
                                                        {"<", Test::Lt},  {">", Test::Gt},  {"=", Test::Eq}};
    for (const auto& [spelling, test] : kOps) {
        if (t.starts_with(spelling)) {
            test_ = test;
            t.remove_prefix(std::string_view(spelling).size());
            break;
        }
    }
    if (auto n = formulaTextToNumber(t)) {
        operand_ = Value::number(*n);
    } else if (compareIgnoringCase(t, "TRUE") == 0) {
        operand_ = Value::boolean(true);
    } else if (compareIgnoringCase(t, "FALSE") == 0) {
        operand_ = Value::boolean(false);
    } else {
        operand_ = Value::text(std::string(t));
    }
}

bool Criterion::matches(const Value& v) const {
    if (test_ == Test::Eq || test_ == Test::Ne) {
        bool equal;
        if (operand_.isText()) {
            const std::string& pattern = operand_.asText();
            if (pattern.empty())
                equal = v.isEmpty() || (v.isText() && v.asText().empty());
            else
                equal = v.isText() && wildcardMatch(pattern, v.asText());
        } else {
            equal = v.type() == operand_.type() && compareValues(v, operand_) == 0;
        }
        return test_ == Test::Eq ? equal : !equal;
    }
    // Order tests compare only values of the operand's type.
    if (v.type() != operand_.type()) return false;
    int c = compareValues(v, operand_);
    switch (test_) {
    case Test::Lt: return c < 0;
    case Test::Gt: return c > 0;
    case Test::Le: return c <= 0;
    case Test::Ge: return c >= 0;
    default: return false;
    }
}

}  // namespace sheet
