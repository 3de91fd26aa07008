// The criteria of COUNTIF, SUMIF and their kin: "5", ">=3", "<>x", "ab*", or a typed value.
#pragma once

#include "sheet/value.h"

namespace sheet {

class Criterion {
public:
    // A text is an optional operator (= <> < > <= >=) and an operand: a number when it reads as
    // one, TRUE/FALSE, else a text (a pattern with * ? ~ for = and <>).  Other values match
    // themselves.
    explicit Criterion(const Value& criterion);
    bool matches(const Value& v) const;

private:
    enum class Test { Eq, Ne, Lt, Gt, Le, Ge };
    Test test_ = Test::Eq;
    Value operand_;
};

}  // namespace sheet
