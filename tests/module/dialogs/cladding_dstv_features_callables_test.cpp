// The callables of the cladding, DSTV point group and profile features dialogs refuse records
// of the wrong shape with the reason, before any dialog opens.
#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "frame/callable_exports.h"

namespace {

const KvCallableExport& callable(const char* name) {
    int count = 0;
    const KvCallableExport* exports = kvCallableExports(&count);
    for (int i = 0; i < count; ++i)
        if (std::strcmp(exports[i].name, name) == 0) return exports[i];
    ADD_FAILURE() << "no callable " << name;
    return exports[0];
}

std::string refusal(const char* name, const char* arguments) {
    std::string outputs, error;
    EXPECT_FALSE(callable(name).call(arguments, outputs, error)) << arguments;
    EXPECT_EQ(outputs, "");
    return error;
}

}  // namespace

TEST(SmallDialogCallables, WrongTypesAndUnknownFieldsAreRefusedWithTheReason) {
    EXPECT_EQ(refusal("StartDlgCladdingSettings", R"({"data": {"choiceB": "3"}})"),
              "TwCladdingDlgData: field \"choiceB\" must be an integer");
    EXPECT_EQ(refusal("StartDlgCladdingSettings", R"({"data": {"spacing": 3}})"),
              "TwCladdingDlgData: unknown field \"spacing\"");
    EXPECT_EQ(refusal("StartDlgCladdingSettings", R"({"record": {}})"),
              "StartDlgCladdingSettings arguments: unknown field \"record\"");
    EXPECT_EQ(refusal("StartDlgProfFeatures", R"({"data": {"row3AsList": 1}})"),
              "DlgProfFeaturesData: field \"row3AsList\" must be true or false");
    EXPECT_EQ(refusal("StartDlgProfFeatures", R"({"data": {"choices": ["S235", 275]}})"),
              "DlgProfFeaturesData: field \"choices\" must be an array of texts");
    EXPECT_EQ(refusal("StartDSTVPointsDlg", R"({"group": "Weld"})"),
              "StartDSTVPointsDlg arguments: unknown field \"group\"");
}
