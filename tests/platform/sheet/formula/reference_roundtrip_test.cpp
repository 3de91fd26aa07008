#include <gtest/gtest.h>

#include "fake_sheet.h"

namespace sheet::test {
namespace {

constexpr CellRef kOrigin{5, 5};  // E5

struct RefForm {
    RefStyle style;
    const char* text;
};

std::ostream& operator<<(std::ostream& os, const RefForm& f) {
    const char* names[] = {"Default", "A1", "R1C1"};
    return os << names[static_cast<int>(f.style)] << " " << f.text;
}

std::vector<RangeRef> refsOf(const Formula& f) {
    std::vector<RangeRef> out;
    collectReferences(f, out);
    return out;
}

class ReferenceForm : public ::testing::TestWithParam<RefForm> {};

// Each form prints back as written in its own style, and survives a trip through each other
// style: printed there, parsed there, and printed in its own style again.
TEST_P(ReferenceForm, RoundTripsThroughEveryStyle) {
    const FunctionRegistry& f = builtinFunctions();
    const RefForm form = GetParam();
    std::string text = std::string("SUM(") + form.text + ")";
    ParseResult parsed = parseFormula(text, form.style, kOrigin, f);
    ASSERT_TRUE(parsed.ok) << parsed.error;
    EXPECT_EQ(printFormula(*parsed.formula, form.style, kOrigin), text);
    for (RefStyle other : {RefStyle::Default, RefStyle::A1, RefStyle::R1C1}) {
        std::string there = printFormula(*parsed.formula, other, kOrigin);
        ParseResult back = parseFormula(there, other, kOrigin, f);
        ASSERT_TRUE(back.ok) << there << ": " << back.error;
        EXPECT_EQ(printFormula(*back.formula, form.style, kOrigin), text) << "via " << there;
        EXPECT_EQ(refsOf(*back.formula), refsOf(*parsed.formula)) << "via " << there;
    }
}

INSTANTIATE_TEST_SUITE_P(A1, ReferenceForm,
                         ::testing::Values(RefForm{RefStyle::A1, "A1"}, RefForm{RefStyle::A1, "$A1"},
                                           RefForm{RefStyle::A1, "A$1"}, RefForm{RefStyle::A1, "$A$1"},
                                           RefForm{RefStyle::A1, "AB12"}, RefForm{RefStyle::A1, "ZZZ16777216"},
                                           RefForm{RefStyle::A1, "A1:B2"}, RefForm{RefStyle::A1, "$A$1:B2"},
                                           RefForm{RefStyle::A1, "A$1:$B2"}, RefForm{RefStyle::A1, "$C$3:$D$9"},
                                           RefForm{RefStyle::A1, "A:A"}, RefForm{RefStyle::A1, "$A:C"},
                                           RefForm{RefStyle::A1, "B:$D"}, RefForm{RefStyle::A1, "1:1"},
                                           RefForm{RefStyle::A1, "$2:5"}, RefForm{RefStyle::A1, "3:$7"}));

INSTANTIATE_TEST_SUITE_P(R1C1, ReferenceForm,
                         ::testing::Values(RefForm{RefStyle::R1C1, "R1C1"}, RefForm{RefStyle::R1C1, "R[-1]C[2]"},
                                           RefForm{RefStyle::R1C1, "RC"}, RefForm{RefStyle::R1C1, "R1C[-1]"},
                                           RefForm{RefStyle::R1C1, "R[2]C3"}, RefForm{RefStyle::R1C1, "RC[-4]"},
                                           RefForm{RefStyle::R1C1, "R1C1:R2C2"},
                                           RefForm{RefStyle::R1C1, "R[-1]C:RC[1]"}, RefForm{RefStyle::R1C1, "R1:R3"},
                                           RefForm{RefStyle::R1C1, "R[-1]:R[1]"}, RefForm{RefStyle::R1C1, "R:R"},
                                           RefForm{RefStyle::R1C1, "C1:C2"}, RefForm{RefStyle::R1C1, "C[-2]:C"}));

INSTANTIATE_TEST_SUITE_P(Default, ReferenceForm,
                         ::testing::Values(RefForm{RefStyle::Default, "A1"}, RefForm{RefStyle::Default, "$A1"},
                                           RefForm{RefStyle::Default, "A$1"}, RefForm{RefStyle::Default, "$A$1"},
                                           RefForm{RefStyle::Default, "R3"}, RefForm{RefStyle::Default, "A1:B2"},
                                           RefForm{RefStyle::Default, "$A$1:B$2"}, RefForm{RefStyle::Default, "C:C"},
                                           RefForm{RefStyle::Default, "2:$3"}));

TEST(ReferenceStyles, RelativeReferencesMeasureFromTheFormulasCell) {
    const FunctionRegistry& f = builtinFunctions();
    auto refs = [&](const char* text, RefStyle style, CellRef at) {
        auto r = parseFormula(text, style, at, f);
        EXPECT_TRUE(r.ok) << text;
        return r.ok ? refsOf(*r.formula) : std::vector<RangeRef>{};
    };
    using V = std::vector<RangeRef>;
    EXPECT_EQ(refs("R[-1]C[2]", RefStyle::R1C1, {2, 3}), (V{{{4, 2}, {4, 2}}}));
    EXPECT_EQ(refs("RC", RefStyle::R1C1, {2, 3}), (V{{{2, 3}, {2, 3}}}));
    EXPECT_EQ(refs("rc[1]", RefStyle::R1C1, {2, 3}), (V{{{3, 3}, {3, 3}}}));
    EXPECT_EQ(refs("C[1]:C[2]", RefStyle::R1C1, {2, 3}), (V{{{3, 1}, {4, kMaxRefRow}}}));
    EXPECT_EQ(refs("$B$2+b2", RefStyle::A1, {9, 9}), (V{{{2, 2}, {2, 2}}, {{2, 2}, {2, 2}}}));
    EXPECT_EQ(refs("2:3", RefStyle::A1, {9, 9}), (V{{{1, 2}, {kMaxRefCol, 3}}}));
}

TEST(ReferenceStyles, DefaultStyleAlsoReadsR1C1CellsAndPrintsA1) {
    const FunctionRegistry& f = builtinFunctions();
    auto viaDefault = [&](const char* text) {
        auto r = parseFormula(text, RefStyle::Default, kOrigin, f);
        return r.ok ? printFormula(*r.formula, RefStyle::Default, kOrigin) : "parse: " + r.error;
    };
    EXPECT_EQ(viaDefault("R[-1]C+RC[1]"), "E4+F5");
    EXPECT_EQ(viaDefault("R1C1"), "$A$1");
    EXPECT_EQ(viaDefault("R[-1]C:R[1]C[1]"), "E4:F6");
    EXPECT_EQ(viaDefault("R1"), "R1");  // an A1 cell first
}

TEST(ReferenceStyles, A1ReferencesAreNotR1C1AndViceVersa) {
    const FunctionRegistry& f = builtinFunctions();
    EXPECT_FALSE(parseFormula("RC", RefStyle::A1, kOrigin, f).ok);
    EXPECT_FALSE(parseFormula("R[1]C", RefStyle::A1, kOrigin, f).ok);
    EXPECT_FALSE(parseFormula("A1", RefStyle::R1C1, kOrigin, f).ok);
    EXPECT_FALSE(parseFormula("1:2", RefStyle::R1C1, kOrigin, f).ok);
    EXPECT_FALSE(parseFormula("R0C1", RefStyle::R1C1, kOrigin, f).ok);
    EXPECT_FALSE(parseFormula("A0", RefStyle::A1, kOrigin, f).ok);
    EXPECT_FALSE(parseFormula("AAAA1", RefStyle::A1, kOrigin, f).ok);
    EXPECT_FALSE(parseFormula("A16777217", RefStyle::A1, kOrigin, f).ok);
}

TEST(ReferenceStyles, OffsetsLeavingTheSheetBecomeRefErrors) {
    FakeSheet sheet;
    EXPECT_EQ(show(sheet.eval("R[-5]C", {1, 2}, RefStyle::R1C1)), "#REF!");
    EXPECT_EQ(show(sheet.eval("SUM(RC[-1]:RC)", {1, 2}, RefStyle::R1C1)), "#REF!");
    auto r = parseFormula("R[-5]C+1", RefStyle::R1C1, {1, 2}, builtinFunctions());
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(printFormula(*r.formula, RefStyle::R1C1, {1, 2}), "#REF!+1");
}

}  // namespace
}  // namespace sheet::test
