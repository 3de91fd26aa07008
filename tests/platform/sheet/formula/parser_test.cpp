#include <gtest/gtest.h>

#include "fake_sheet.h"

namespace sheet::test {
namespace {

struct Case {
    const char* formula;
    const char* expected;
};

class OperatorCase : public ::testing::TestWithParam<Case> {};

TEST_P(OperatorCase, EvaluatesWithSpreadsheetPrecedence) {
    FakeSheet sheet;
    sheet.setNumber(1, 1, 2);                        // A1
    sheet.setText(2, 1, "4");                        // B1 numeric text
    sheet.setText(3, 1, "abc");                      // C1
    sheet.set(4, 1, Value::error(ErrorKind::Div0));  // D1
    EXPECT_EQ(show(sheet.eval(GetParam().formula)), GetParam().expected) << GetParam().formula;
}

INSTANTIATE_TEST_SUITE_P(
    Formula, OperatorCase,
    ::testing::Values(Case{"1+2*3", "7"}, Case{"(1+2)*3", "9"}, Case{"2^3^2", "64"},  // ^ binds left
                      Case{"-2^2", "4"}, Case{"2*-3", "-6"}, Case{"--3", "3"}, Case{"50%", "0.5"}, Case{"10-2-3", "5"},
                      Case{"12/3/2", "2"}, Case{"1+2&3", "\"33\""}, Case{"1+2=3", "TRUE"}, Case{"1<2=TRUE", "TRUE"},
                      Case{"\"a\"=\"A\"", "TRUE"}, Case{"\"b\">\"A\"", "TRUE"}, Case{"1<\"a\"", "TRUE"},
                      Case{"\"z\"<TRUE", "TRUE"}, Case{"2<>2", "FALSE"}, Case{"3>=3", "TRUE"}, Case{"2<=1", "FALSE"},
                      Case{"A1*B1", "8"}, Case{"A1&C1", "\"2abc\""}, Case{"Z99+1", "1"}, Case{"Z99=0", "TRUE"},
                      Case{"Z99=\"\"", "TRUE"}, Case{"Z99", "0"}, Case{"TRUE+1", "2"}, Case{"\"x\"\"y\"", "\"x\"y\""},
                      Case{"1.5E3", "1500"}, Case{".5+.5", "1"}, Case{"A1:A1", "2"},
                      // Errors propagate, left one first.
                      Case{"1/0", "#DIV/0!"}, Case{"C1+1", "#VALUE!"}, Case{"D1+C1", "#DIV/0!"},
                      Case{"C1+D1", "#VALUE!"}, Case{"D1&\"x\"", "#DIV/0!"}, Case{"D1=1", "#DIV/0!"},
                      Case{"-D1", "#DIV/0!"}, Case{"#N/A+1", "#N/A"}, Case{"A1:B2", "#VALUE!"},
                      Case{"A1:B2+1", "#VALUE!"}, Case{"0^0", "#NUM!"}, Case{"0^-1", "#DIV/0!"},
                      Case{"(-8)^0.5", "#NUM!"}, Case{"1E300*1E300", "#NUM!"}, Case{"NOSUCH(1)", "#NAME?"}));

TEST(Parser, RefusesMalformedFormulasWithAPosition) {
    FunctionRegistry functions = builtinFunctions();
    const char* bad[] = {"",     "1+",      "(1",       "1)",   "SUM(1",  "SUM(1;2)", "\"abc",   "#OOPS",  "A1:",
                         "A1:1", "A:B1",    "@",        "1 2",  "A",      "foo",      "2A",      "1..2",   "R[1",
                         "1:A1", "SUM(1,2", ")(",       "=1",   "1e",     "1 A1",     "{1,2;3}", "{A1,2}", "{1+1}",
                         "{}",   "{1,2",    "{-\"a\"}", "{1;}", "{1}:A1", "(A1,1)",   "(1,A1)",  "(A1,)",  "(A1,B1"};
    for (const char* text : bad) {
        ParseResult r = parseFormula(text, RefStyle::A1, {1, 1}, functions);
        EXPECT_FALSE(r.ok) << text;
        EXPECT_FALSE(r.error.empty()) << text;
        EXPECT_LE(r.errorPos, std::string_view(text).size()) << text;
    }
}

TEST(Parser, NestingBeyondTheLimitIsRefused) {
    FunctionRegistry functions = builtinFunctions();
    auto nested = [](int depth) { return std::string(depth, '(') + "1" + std::string(depth, ')'); };
    EXPECT_TRUE(parseFormula(nested(kMaxFormulaNesting), RefStyle::A1, {1, 1}, functions).ok);
    ParseResult deep = parseFormula(nested(kMaxFormulaNesting + 1), RefStyle::A1, {1, 1}, functions);
    EXPECT_FALSE(deep.ok);
    EXPECT_NE(deep.error.find("nested"), std::string::npos);
    // Signs and calls count too, and a hostile depth must not exhaust the stack.
    EXPECT_FALSE(parseFormula(std::string(100000, '-') + "1", RefStyle::A1, {1, 1}, functions).ok);
    std::string calls;
    for (int i = 0; i < 1000; ++i) calls += "ABS(";
    calls += "1" + std::string(1000, ')');
    EXPECT_FALSE(parseFormula(calls, RefStyle::A1, {1, 1}, functions).ok);
}

TEST(Parser, LongBinaryChainsNeedNoNesting) {
    std::string sum = "1";
    for (int i = 0; i < 2000; ++i) sum += "+1";
    FakeSheet sheet;
    EXPECT_EQ(show(sheet.eval(sum)), "2001");
}

TEST(Parser, OverlongFormulaIsRefused) {
    std::string text(kMaxFormulaLength + 1, '1');
    EXPECT_FALSE(parseFormula(text, RefStyle::A1, {1, 1}, builtinFunctions()).ok);
}

TEST(Parser, ArgumentCountsOfKnownFunctionsAreCheckedAtParse) {
    const FunctionRegistry& f = builtinFunctions();
    EXPECT_FALSE(parseFormula("ROUND(1)", RefStyle::A1, {1, 1}, f).ok);
    EXPECT_FALSE(parseFormula("ABS(1,2)", RefStyle::A1, {1, 1}, f).ok);
    EXPECT_FALSE(parseFormula("PI(1)", RefStyle::A1, {1, 1}, f).ok);
    EXPECT_TRUE(parseFormula("pi()", RefStyle::A1, {1, 1}, f).ok);
    EXPECT_TRUE(parseFormula("IF(1,,2)", RefStyle::A1, {1, 1}, f).ok);
    // Unknown at parse time: accepted, #NAME? until registered.
    EXPECT_TRUE(parseFormula("LATER(1)", RefStyle::A1, {1, 1}, f).ok);
}

TEST(Parser, FunctionRegisteredAfterParseIsCheckedAtEvaluation) {
    FakeSheet sheet;
    auto parsed = parseFormula("TWICE(3)", RefStyle::A1, {1, 1}, sheet.registry());
    ASSERT_TRUE(parsed.ok);
    EXPECT_EQ(show(evaluate(*parsed.formula, sheet)), "#NAME?");
    sheet.registry().add(
        {"TWICE", 1, 1,
         [](std::span<const Operand> a, EvalContext&) { return Value::number(a[0].value.asNumber() * 2); }, true});
    EXPECT_EQ(show(evaluate(*parsed.formula, sheet)), "6");
    sheet.registry().add(
        {"TWICE", 2, 2, [](std::span<const Operand>, EvalContext&) { return Value::number(0); }, true});
    EXPECT_EQ(show(evaluate(*parsed.formula, sheet)), "#VALUE!");
}

TEST(Parser, PrintsCanonicalText) {
    const FunctionRegistry& f = builtinFunctions();
    auto print = [&](const char* text) {
        auto r = parseFormula(text, RefStyle::A1, {1, 1}, f);
        return r.ok ? printFormula(*r.formula, RefStyle::A1, {1, 1}) : "parse: " + r.error;
    };
    EXPECT_EQ(print(" sum( a1 , 2 )  * -( 3 ) "), "SUM(A1,2)*-(3)");
    EXPECT_EQ(print("\"say \"\"hi\"\"\"&1.50"), "\"say \"\"hi\"\"\"&1.5");
    EXPECT_EQ(print("if(true,,#n/a)"), "IF(TRUE,,#N/A)");
    EXPECT_EQ(print("5%>=1e20"), "5%>=1E+20");
    EXPECT_EQ(print("B2:A1"), "A1:B2");
    EXPECT_EQ(print("$B1:A$2"), "A1:$B$2");
}

}  // namespace
}  // namespace sheet::test
