#include "sheet/value.h"

#include <gtest/gtest.h>

namespace sheet {
namespace {

TEST(Value, NumbersPrintInGeneralFormat) {
    EXPECT_EQ(numberToText(3), "3");
    EXPECT_EQ(numberToText(-2.5), "-2.5");
    EXPECT_EQ(numberToText(0.1 + 0.2), "0.3");  // 15 significant digits hide binary noise
    EXPECT_EQ(numberToText(1.0 / 3), "0.333333333333333");
    EXPECT_EQ(numberToText(0.00001), "0.00001");
    EXPECT_EQ(numberToText(123456789012345.0), "123456789012345");
    EXPECT_EQ(numberToText(1e20), "1E+20");
    EXPECT_EQ(numberToText(-1.5e-12), "-1.5E-12");
    EXPECT_EQ(numberToText(-0.0), "0");
}

TEST(Value, TextReadsAsNumberOnlyWhenWhole) {
    EXPECT_EQ(textToNumber(" 12.5 "), 12.5);
    EXPECT_EQ(textToNumber("+3"), 3);
    EXPECT_EQ(textToNumber("-1e3"), -1000);
    EXPECT_FALSE(textToNumber("12abc"));
    EXPECT_FALSE(textToNumber(""));
    EXPECT_FALSE(textToNumber("+"));
    EXPECT_FALSE(textToNumber("1e999"));
}

TEST(Value, ErrorTextsReadBack) {
    for (ErrorKind k : {ErrorKind::Null, ErrorKind::Div0, ErrorKind::Value, ErrorKind::Ref, ErrorKind::Name,
                        ErrorKind::Num, ErrorKind::NA, ErrorKind::Cycle})
        EXPECT_EQ(errorFromText(errorText(k)), k);
    EXPECT_EQ(errorFromText("#n/a"), ErrorKind::NA);
    EXPECT_FALSE(errorFromText("#OOPS"));
}

TEST(Value, LookupEqualityIgnoresCaseButNotType) {
    EXPECT_TRUE(lookupEqual(Value::text("Weight"), Value::text("wEIGHT")));
    EXPECT_TRUE(lookupEqual(Value::text("\xC4pfel"), Value::text("\xE4PFEL")));  // cp1252 umlaut
    EXPECT_FALSE(lookupEqual(Value::text("a b"), Value::text("ab")));
    EXPECT_FALSE(lookupEqual(Value::text("1"), Value::number(1)));
    EXPECT_FALSE(lookupEqual(Value::boolean(true), Value::number(1)));
    EXPECT_FALSE(lookupEqual(Value(), Value()));
    EXPECT_TRUE(lookupEqual(Value::number(0.0), Value::number(-0.0)));
}

TEST(Value, LookupHashAgreesWithLookupEquality) {
    const std::pair<Value, Value> equal[] = {
        {Value::text("Weight"), Value::text("WEIGHT")},
        {Value::text("\xE9t\xE9"), Value::text("\xC9T\xC9")},
        {Value::number(0.0), Value::number(-0.0)},
        {Value::boolean(true), Value::boolean(true)},
    };
    for (const auto& [a, b] : equal) {
        ASSERT_TRUE(lookupEqual(a, b));
        EXPECT_EQ(lookupHash(a), lookupHash(b));
    }
    EXPECT_NE(lookupHash(Value::number(1)), lookupHash(Value::boolean(true)));
}

TEST(Value, CopiesShareText) {
    Value a = Value::text(std::string(1000, 'x'));
    Value b = a;
    EXPECT_EQ(&a.asText(), &b.asText());
    EXPECT_EQ(a, b);
    EXPECT_NE(a, Value::text("x"));
    EXPECT_EQ(Value::number(5).asText(), "");
}

}  // namespace
}  // namespace sheet
