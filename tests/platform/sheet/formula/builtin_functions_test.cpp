#include <gtest/gtest.h>

#include "fake_sheet.h"

namespace sheet::test {
namespace {

// A1:A5 1..5; B1 "x", B2 TRUE, B3 empty, B4 "7" (text), B5 #DIV/0!;
// D1:E5 keys and weights; F1:G5 ascending numbers and letters; H1:H5 descending; A7:E7 5..9.
void fill(FakeSheet& s) {
    for (int r = 1; r <= 5; ++r) s.setNumber(1, r, r);
    s.setText(2, 1, "x");
    s.set(2, 2, Value::boolean(true));
    s.setText(2, 4, "7");
    s.set(2, 5, Value::error(ErrorKind::Div0));
    const char* keys[] = {"apple", "Banana", "cherry", "date", "elder"};
    const char* letters[] = {"a", "b", "c", "d", "e"};
    for (int r = 1; r <= 5; ++r) {
        s.setText(4, r, keys[r - 1]);
        s.setNumber(5, r, r * 10);
        s.setNumber(6, r, r * 10);
        s.setText(7, r, letters[r - 1]);
        s.setNumber(8, r, 60 - r * 10);
        s.setNumber(r, 7, r + 4);
    }
}

struct Case {
    const char* formula;
    const char* expected;
};

class BuiltinCase : public ::testing::TestWithParam<Case> {};

TEST_P(BuiltinCase, GivesTheExpectedValue) {
    FakeSheet sheet;
    fill(sheet);
    EXPECT_EQ(show(sheet.eval(GetParam().formula)), GetParam().expected) << GetParam().formula;
}

INSTANTIATE_TEST_SUITE_P(Aggregates, BuiltinCase,
                         ::testing::Values(Case{"SUM(A1:A5)", "15"}, Case{"SUM(A1:A5,10)", "25"},
                                           Case{"SUM(B1:B4)", "0"}, Case{"SUM(\"3\",TRUE)", "4"},
                                           Case{"SUM(\"x\")", "#VALUE!"}, Case{"SUM(A1:B5)", "#DIV/0!"},
                                           Case{"SUM(A:A)", "20"}, Case{"SUM(7:7)", "35"}, Case{"sum(a1,a2)", "3"},
                                           Case{"AVERAGE(A1:A5)", "3"}, Case{"AVERAGE(B1:B3)", "#DIV/0!"},
                                           Case{"AVERAGE(A1,B4)", "1"}, Case{"MIN(A1:A5,0)", "0"},
                                           Case{"MAX(A1:A5)", "5"}, Case{"MAX(B1:B3)", "0"}, Case{"MIN(B5)", "#DIV/0!"},
                                           Case{"MAX(-1,\"-5\")", "-1"}, Case{"COUNT(A1:B5)", "5"},
                                           Case{"COUNT(1,\"2\",\"x\",TRUE)", "3"}, Case{"COUNTA(A1:B5)", "9"},
                                           Case{"COUNTA(1,,\"x\")", "2"}));

INSTANTIATE_TEST_SUITE_P(Math, BuiltinCase,
                         ::testing::Values(Case{"ROUND(2.675,2)", "2.68"}, Case{"ROUND(-2.5,0)", "-3"},
                                           Case{"ROUND(1234,-2)", "1200"}, Case{"ROUND(\"x\",1)", "#VALUE!"},
                                           Case{"ROUND(1,400)", "1"}, Case{"INT(-2.5)", "-3"}, Case{"INT(2.9)", "2"},
                                           Case{"ABS(-3)", "3"}, Case{"MOD(-3,2)", "1"}, Case{"MOD(3,-2)", "-1"},
                                           Case{"MOD(1,0)", "#DIV/0!"}, Case{"SQRT(16)", "4"},
                                           Case{"SQRT(-1)", "#NUM!"}, Case{"POWER(2,10)", "1024"},
                                           Case{"POWER(0,0)", "#NUM!"}, Case{"PI()", "3.14159265358979"},
                                           Case{"SIN(0)", "0"}, Case{"COS(0)", "1"}, Case{"TAN(PI()/4)", "1"},
                                           Case{"ATAN(1)*4", "3.14159265358979"}, Case{"ABS(B5)", "#DIV/0!"},
                                           Case{"SQRT(A1:A2)", "#VALUE!"}));

INSTANTIATE_TEST_SUITE_P(
    LogicAndText, BuiltinCase,
    ::testing::Values(Case{"IF(A1>0,\"pos\",\"neg\")", "\"pos\""}, Case{"IF(0,1)", "FALSE"}, Case{"IF(1,,2)", "0"},
                      Case{"IF(\"x\",1,2)", "#VALUE!"}, Case{"IF(B5,1,2)", "#DIV/0!"}, Case{"IF(TRUE,1,1/0)", "1"},
                      Case{"IF(\"true\",A2)", "2"}, Case{"AND(1,TRUE)", "TRUE"}, Case{"AND(A1:A5,0)", "FALSE"},
                      Case{"OR(0)", "FALSE"}, Case{"OR(B3,1)", "TRUE"}, Case{"AND(B1)", "#VALUE!"},
                      Case{"AND(\"x\")", "#VALUE!"}, Case{"OR(B5)", "#DIV/0!"}, Case{"NOT(0)", "TRUE"},
                      Case{"NOT(\"TRUE\")", "FALSE"}, Case{"CONCATENATE(\"a\",1,TRUE)", "\"a1TRUE\""},
                      Case{"CONCATENATE(B5)", "#DIV/0!"}, Case{"CONCATENATE(A1:A2)", "#VALUE!"},
                      Case{"LEN(\"abc\")", "3"}, Case{"LEN(123.5)", "5"}, Case{"LEN(B3)", "0"},
                      Case{"LEN(\"\xE4\xF6\")", "2"}));

INSTANTIATE_TEST_SUITE_P(
    Lookup, BuiltinCase,
    ::testing::Values(Case{"VLOOKUP(\"banana\",D1:E5,2,0)", "20"}, Case{"VLOOKUP(\"fig\",D1:E5,2,FALSE)", "#N/A"},
                      Case{"VLOOKUP(\"apple\",D1:E5,3,0)", "#REF!"}, Case{"VLOOKUP(\"apple\",D1:E5,0,0)", "#VALUE!"},
                      Case{"VLOOKUP(35,F1:G5,2)", "\"c\""}, Case{"VLOOKUP(5,F1:G5,2,TRUE)", "#N/A"},
                      Case{"VLOOKUP(99,F1:G5,2)", "\"e\""}, Case{"VLOOKUP(30,F1:G5,2,0)", "\"c\""},
                      Case{"VLOOKUP(\"30\",F1:G5,2,0)", "#N/A"}, Case{"VLOOKUP(B5,D1:E5,2,0)", "#DIV/0!"},
                      Case{"VLOOKUP(\"apple\",D1:E5,2,)", "10"}, Case{"VLOOKUP(\"x\",5,2,0)", "#VALUE!"},
                      Case{"MATCH(\"DATE\",D1:D5,0)", "4"}, Case{"MATCH(25,F1:F5)", "2"},
                      Case{"MATCH(25,F1:F5,1)", "2"}, Case{"MATCH(25,H1:H5,-1)", "3"}, Case{"MATCH(8,A7:E7,0)", "4"},
                      Case{"MATCH(7.5,A7:E7,1)", "3"}, Case{"MATCH(1,A1:B2,0)", "#N/A"},
                      Case{"MATCH(\"zz\",D1:D5,0)", "#N/A"}, Case{"MATCH(1,F1:F5)", "#N/A"},
                      Case{"INDEX(D1:E5,2,2)", "20"}, Case{"INDEX(E1:E5,3)", "30"}, Case{"INDEX(A7:E7,2)", "6"},
                      Case{"INDEX(D1:E5,6,1)", "#REF!"}, Case{"INDEX(D1:E5,0,1)", "#VALUE!"},
                      Case{"INDEX(5,1)", "#REF!"}, Case{"INDEX(D1:E5,-1,1)", "#VALUE!"},
                      Case{"INDEX(E1:E5,MATCH(\"cherry\",D1:D5,0))", "30"}));

TEST(Lookup, ExactLookupsAskTheContextsIndex) {
    FakeSheet sheet;
    fill(sheet);
    sheet.exactLookups = 0;
    sheet.eval("VLOOKUP(\"date\",D1:E5,2,FALSE)+MATCH(\"elder\",D1:D5,0)");
    EXPECT_EQ(sheet.exactLookups, 2);
    sheet.eval("VLOOKUP(35,F1:G5,2,TRUE)");
    EXPECT_EQ(sheet.exactLookups, 2);  // sorted look-ups search the cells themselves
}

TEST(Lookup, SortedLookupReadsLogarithmicallyManyCells) {
    FakeSheet sheet;
    for (int r = 1; r <= 100; ++r) sheet.setNumber(1, r, r);
    sheet.reads = 0;
    EXPECT_EQ(show(sheet.eval("MATCH(77.5,A1:A100)")), "77");
    EXPECT_LT(sheet.reads, 20);
}

TEST(Evaluate, FormulasReadingFormulasAndTextLiteralsWork) {
    FakeSheet sheet;
    sheet.setNumber(1, 1, 1);
    sheet.setFormula(1, 2, "A1+1");
    sheet.setFormula(1, 3, "A2*10&\" kg\"");
    EXPECT_EQ(show(sheet.cellValue({1, 3})), "\"20 kg\"");
}

TEST(Evaluate, WideFormulaNeedsMoreThanTheInlineStack) {
    FakeSheet sheet;
    std::string text = "SUM(";
    for (int i = 1; i <= 200; ++i) text += (i > 1 ? "," : "") + std::to_string(i);
    text += ")";
    EXPECT_EQ(show(sheet.eval(text)), "20100");
}

TEST(FunctionRegistry, BuiltinsRegisterLikeCustomFunctions) {
    const FunctionRegistry& builtins = builtinFunctions();
    for (const char* name : {"SUM",  "AVERAGE",     "MIN", "MAX",     "COUNT", "COUNTA", "ROUND", "INT", "ABS", "MOD",
                             "SQRT", "POWER",       "PI",  "SIN",     "COS",   "TAN",    "ATAN",  "IF",  "AND", "OR",
                             "NOT",  "CONCATENATE", "LEN", "VLOOKUP", "MATCH", "INDEX",  "+",     "-",   "*",   "/",
                             "^",    "&",           "=",   "<>",      "<",     ">",      "<=",    ">=",  "u-",  "%"}) {
        const FunctionDef* def = builtins.find(name);
        ASSERT_NE(def, nullptr) << name;
        EXPECT_FALSE(def->custom);
    }
    // Operators are callable through the registry like any function.
    FakeSheet sheet;
    Operand args[2];
    args[0].value = Value::number(2);
    args[1].value = Value::number(5);
    EXPECT_EQ(show(builtins.find("^")->impl(args, sheet)), "32");
    EXPECT_EQ(builtins.find("sum"), builtins.find("SUM"));
}

TEST(FunctionRegistry, RefusesBadRegistrationsAndRemovesOnlyCustoms) {
    FunctionRegistry r = builtinFunctions();
    auto impl = [](std::span<const Operand>, EvalContext&) { return Value::number(1); };
    EXPECT_FALSE(r.add({"", 0, 1, impl, true}));
    EXPECT_FALSE(r.add({"1ABC", 0, 1, impl, true}));
    EXPECT_FALSE(r.add({"A B", 0, 1, impl, true}));
    EXPECT_FALSE(r.add({"OK", 3, 2, impl, true}));
    EXPECT_FALSE(r.add({"OK", -1, 2, impl, true}));
    EXPECT_FALSE(r.add({"OK", 0, kMaxFunctionArgs + 1, impl, true}));
    EXPECT_FALSE(r.add({"OK", 0, 1, nullptr, true}));
    EXPECT_TRUE(r.add({"fromTable", 2, 4, impl, true}));
    ASSERT_NE(r.find("FROMTABLE"), nullptr);
    size_t withCustom = r.size();
    r.removeCustom();
    EXPECT_EQ(r.find("FROMTABLE"), nullptr);
    EXPECT_EQ(r.size(), withCustom - 1);
    EXPECT_NE(r.find("SUM"), nullptr);
}

}  // namespace
}  // namespace sheet::test
