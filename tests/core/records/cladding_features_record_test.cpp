// The cladding and profile features records: the table of constraint types per purlin type and
// the JSON forms.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "core/records/dlg_prof_features_data.h"
#include "core/records/tw_cladding_dlg_data.h"

TEST(CladdingRecord, EachPurlinTypeAllowsTheTypesOfItsTable) {
    auto allowed = [](int purlinType, bool includeFree) {
        std::string marks;
        for (int type = -1; type <= kCladConstrainTypeCount; ++type)
            marks += isValidConstrainType(static_cast<TwPurlinType>(purlinType), static_cast<TwCladConstrainType>(type),
                                          includeFree)
                         ? 'x'
                         : '.';
        return marks;
    };
    EXPECT_EQ(allowed(kPurlinRoof, true), ".xxxxx.");
    EXPECT_EQ(allowed(kPurlinSideRail, true), ".xxx.x.");
    EXPECT_EQ(allowed(kPurlinEaves, true), ".xx..x.");
    EXPECT_EQ(allowed(kPurlinRidge, true), ".xx....");
    EXPECT_EQ(allowed(kPurlinRoof, false), "..xxxx.");
    for (int unknown : {-1, 4, 1000}) EXPECT_EQ(allowed(unknown, true), ".......") << unknown;
}

TEST(CladdingRecord, TheJsonFormReadsBackAndRefusesWhatItCannotHold) {
    TwCladdingDlgData data;
    data.profile = "IPE-IPE200";
    data.purlinType = static_cast<TwPurlinType>(12);
    data.choiceB = 4;
    data.value = "1200";
    data.flag = true;
    data.constraintEnd = kCladConstrainButt;
    EXPECT_EQ(nlohmann::json(data).get<TwCladdingDlgData>(), data);
    for (const char* bad : {R"({"choiceA": "1"})", R"({"flag": 0})", R"({"purlinType": 3000000000})",
                            R"({"constraintStart": 1.0})", R"({"spacing": 1})", R"([1])"})
        EXPECT_THROW(nlohmann::json::parse(bad).get<TwCladdingDlgData>(), nlohmann::json::exception) << bad;
}

TEST(ProfFeaturesRecord, TheJsonFormReadsBackAndRefusesWhatItCannotHold) {
    DlgProfFeaturesData data;
    data.caption = "Stiffener";
    data.label3 = "Offset";
    data.altValue3 = "5";
    data.row3AsList = true;
    data.checked = true;
    data.choices = Kv_StringArray{"S235", "S355"};
    EXPECT_EQ(nlohmann::json(data).get<DlgProfFeaturesData>(), data);
    for (const char* bad :
         {R"({"choices": "S235"})", R"({"choices": [1]})", R"({"checked": "yes"})", R"({"label5": ""})"})
        EXPECT_THROW(nlohmann::json::parse(bad).get<DlgProfFeaturesData>(), nlohmann::json::exception) << bad;
}
