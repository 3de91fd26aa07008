// The look-up dialog through its exported launcher, as a person fills it in.
#include "dialogs/dlg_look_up.h"

#include <nlohmann/json.hpp>

#include "dialogs/lookup_ids.h"
#include "small_dialog_fixture.h"

namespace {

constexpr int kDlg = IDD_LOOKUP;

class LookUpDialogTest : public SmallDialogTest {
protected:
    void SetUp() override {
        SmallDialogTest::SetUp();
        data.text1 = "B1";
        data.list1 = {"B1", "B2", "C1"};
        data.list2 = {"HEA 200", "IPE 300"};
        data.text3 = "S235";
        data.list3 = {"S235", "S355"};
        data.list5 = {"Frame 1"};
        data.choiceB = 1;
        data.resultCode = 7;
    }
    TwLookUpDlgData data;
};

}  // namespace

TEST_F(LookUpDialogTest, OpensWithTheRecordAndItsTexts) {
    script
        .inspect([] {
            EXPECT_EQ(caption(kDlg), dialString(1499).str());
            EXPECT_EQ(control(kDlg, IDC_LOOKUP_FRAME).text, dialString(1500).str());
            EXPECT_EQ(control(kDlg, IDC_LOOKUP_LABEL_1).text, dialString(87).str());
            EXPECT_EQ(control(kDlg, IDC_LOOKUP_LABEL_2).text, string(2262).str());
            EXPECT_EQ(control(kDlg, IDC_LOOKUP_LABEL_3).text, string(2263).str());
            EXPECT_EQ(control(kDlg, IDC_LOOKUP_LABEL_4).text, dialString(95).str());
            EXPECT_EQ(control(kDlg, IDC_LOOKUP_LABEL_5).text, dialString(96).str());
            EXPECT_EQ(control(kDlg, IDC_LOOKUP_CHOICE_B_LABEL).text, dialString(1501).str());
            EXPECT_EQ(control(kDlg, IDC_LOOKUP_FIRST_OPTION).text, dialString(1516).str());
            EXPECT_EQ(control(kDlg, IDC_LOOKUP_SECOND_OPTION).text, dialString(1517).str());
            EXPECT_EQ(control(kDlg, IDC_LOOKUP_FLAG).text, dialString(1502).str());
            EXPECT_EQ(control(kDlg, IDC_LOOKUP_SHOW_ALL).text, dialString(1503).str());
            EXPECT_EQ(control(kDlg, IDC_LOOKUP_TEXT_1).items, (std::vector<std::string>{"B1", "B2", "C1"}));
            EXPECT_EQ(control(kDlg, IDC_LOOKUP_TEXT_1).text, "B1");
            EXPECT_EQ(control(kDlg, IDC_LOOKUP_TEXT_2).text, "");
            EXPECT_EQ(control(kDlg, IDC_LOOKUP_TEXT_3).text, "S235");
            EXPECT_EQ(control(kDlg, IDC_LOOKUP_TEXT_5).items, (std::vector<std::string>{"Frame 1"}));
            EXPECT_EQ(control(kDlg, IDC_LOOKUP_CHOICE_A).items,
                      (std::vector<std::string>{dialString(88).str(), dialString(89).str(), dialString(1511).str()}));
            EXPECT_EQ(control(kDlg, IDC_LOOKUP_CHOICE_A).selection, 2);
            EXPECT_EQ(
                control(kDlg, IDC_LOOKUP_CHOICE_B).items,
                (std::vector<std::string>{dialString(1504).str(), dialString(1505).str(), dialString(1506).str()}));
            EXPECT_EQ(control(kDlg, IDC_LOOKUP_CHOICE_B).selection, 1);
            EXPECT_EQ(control(kDlg, IDC_LOOKUP_FIRST_OPTION).check, BST_CHECKED);
            EXPECT_EQ(control(kDlg, IDC_LOOKUP_SECOND_OPTION).check, BST_UNCHECKED);
            EXPECT_TRUE(control(kDlg, IDC_LOOKUP_FLAG).enabled);
        })
        .click(kDlg, IDCANCEL);
    EXPECT_FALSE(StartDlgLookUp(data));
}

TEST_F(LookUpDialogTest, OkReturnsWhatWasTypedAndChosenWithResultCodeZero) {
    script.click(kDlg, IDC_LOOKUP_TEXT_1)
        .key(kDlg, 'A', win::input::Control)
        .type(kDlg, "Z9 not listed")
        .choose(kDlg, IDC_LOOKUP_TEXT_2, "IPE 300")
        .click(kDlg, IDC_LOOKUP_TEXT_4)
        .type(kDlg, "P-12")
        .choose(kDlg, IDC_LOOKUP_CHOICE_A, 0)
        .choose(kDlg, IDC_LOOKUP_CHOICE_B, 2)
        .click(kDlg, IDC_LOOKUP_FLAG)
        .click(kDlg, IDOK);
    ASSERT_TRUE(StartDlgLookUp(data));
    EXPECT_EQ(data.text1, "Z9 not listed");
    EXPECT_EQ(data.text2, "IPE 300");
    EXPECT_EQ(data.text3, "S235");
    EXPECT_EQ(data.text4, "P-12");
    EXPECT_EQ(data.text5, "");
    EXPECT_EQ(data.choiceA, 0);
    EXPECT_EQ(data.choiceB, 2);
    EXPECT_EQ(data.secondOption, 0);
    EXPECT_TRUE(data.flag);
    EXPECT_EQ(data.resultCode, 0);
    EXPECT_EQ(data.list1, (Kv_StringArray{"B1", "B2", "C1"}));
}

TEST_F(LookUpDialogTest, ShowAllConfirmsWithResultCodeTwo) {
    script.click(kDlg, IDC_LOOKUP_SECOND_OPTION).click(kDlg, IDC_LOOKUP_SHOW_ALL);
    ASSERT_TRUE(StartDlgLookUp(data));
    EXPECT_EQ(data.resultCode, 2);
    EXPECT_EQ(data.secondOption, 1);
    EXPECT_EQ(data.text1, "B1");
}

TEST_F(LookUpDialogTest, TheSecondOptionDisablesTheFlagWhichKeepsItsTick) {
    script.click(kDlg, IDC_LOOKUP_FLAG)
        .click(kDlg, IDC_LOOKUP_SECOND_OPTION)
        .inspect([] {
            EXPECT_FALSE(control(kDlg, IDC_LOOKUP_FLAG).enabled);
            EXPECT_EQ(control(kDlg, IDC_LOOKUP_FLAG).check, BST_CHECKED);
        })
        .click(kDlg, IDC_LOOKUP_FIRST_OPTION)
        .inspect([] { EXPECT_TRUE(control(kDlg, IDC_LOOKUP_FLAG).enabled); })
        .click(kDlg, IDC_LOOKUP_SECOND_OPTION)
        .click(kDlg, IDOK);
    ASSERT_TRUE(StartDlgLookUp(data));
    EXPECT_EQ(data.secondOption, 1);
    EXPECT_TRUE(data.flag);
}

TEST_F(LookUpDialogTest, ARecordWithTheSecondOptionOpensWithTheFlagDisabled) {
    data.secondOption = 5;
    data.flag = true;
    script
        .inspect([] {
            EXPECT_EQ(control(kDlg, IDC_LOOKUP_SECOND_OPTION).check, BST_CHECKED);
            EXPECT_FALSE(control(kDlg, IDC_LOOKUP_FLAG).enabled);
            EXPECT_EQ(control(kDlg, IDC_LOOKUP_FLAG).check, BST_CHECKED);
        })
        .click(kDlg, IDOK);
    ASSERT_TRUE(StartDlgLookUp(data));
    EXPECT_EQ(data.secondOption, 1);
}

TEST_F(LookUpDialogTest, CancelLeavesEveryFieldResultCodeIncluded) {
    const TwLookUpDlgData before = data;
    script.click(kDlg, IDC_LOOKUP_TEXT_4)
        .type(kDlg, "typed")
        .click(kDlg, IDC_LOOKUP_SECOND_OPTION)
        .click(kDlg, IDCANCEL);
    EXPECT_FALSE(StartDlgLookUp(data));
    EXPECT_EQ(data, before);
    EXPECT_EQ(data.resultCode, 7);
}

TEST(LookUpRecord, JsonFormRoundTripsAndRefusesWrongTypesAndUnknownFields) {
    TwLookUpDlgData data;
    data.text2 = "x";
    data.list4 = {"a", "b"};
    data.choiceA = 0;
    data.flag = true;
    data.resultCode = 2;
    EXPECT_EQ(nlohmann::json(data).get<TwLookUpDlgData>(), data);
    EXPECT_EQ(nlohmann::json::object().get<TwLookUpDlgData>().choiceA, 2);
    EXPECT_THROW(nlohmann::json({{"list1", {"a", 1}}}).get<TwLookUpDlgData>(), nlohmann::json::exception);
    EXPECT_THROW(nlohmann::json({{"flag", "yes"}}).get<TwLookUpDlgData>(), nlohmann::json::exception);
    EXPECT_THROW(nlohmann::json({{"text6", ""}}).get<TwLookUpDlgData>(), nlohmann::json::exception);
}
