// The profile features dialog through its exported launcher, as a person fills in the rows a
// caller defined.
#include "dialogs/dlg_prof_features.h"

#include "core/section_select_dlg.h"
#include "dialogs/prof_features_ids.h"
#include "library_dialog_fixture.h"

namespace {

constexpr int kDlg = IDD_PROF_FEATURES;

class ProfFeaturesTest : public LibraryDialogTest {
protected:
    void SetUp() override {
        LibraryDialogTest::SetUp();
        data.caption = "Stiffener";
        data.profile = "IPE-IPE200";
        data.label1 = "Grade";
        data.value1 = "S355";
        data.label2 = "Thickness";
        data.value2 = "10";
        data.value3 = "kept 3";
        data.value4 = "kept 4";
        data.choices = Kv_StringArray{"S235", "S275", "S355"};
    }
    // Rows 3 and 4 in use, with the alternative pair of row 3 behind the check box.
    void useAllRows() {
        data.label3 = "Offset";
        data.altLabel3 = "Gap";
        data.value3 = "20";
        data.altValue3 = "5";
        data.label4 = "Remark";
        data.value4 = "none";
        data.checkLabel = "Use the gap";
    }
    void retype(int id, const std::string& text) {
        script.click(kDlg, id).key(kDlg, 'A', win::input::Control).type(kDlg, text);
    }
    DlgProfFeaturesData data;
};

}  // namespace

TEST_F(ProfFeaturesTest, OnlyTwoLabelsHideRowsThreeAndFourWhoseValuesComeBackUnchanged) {
    data.checked = true;
    script
        .inspect([] {
            EXPECT_EQ(caption(kDlg), "Stiffener");
            EXPECT_EQ(control(kDlg, IDC_PROF_FEATURES_PROFILE_LABEL).text, dialString(1003).str());
            EXPECT_EQ(control(kDlg, IDC_PROF_FEATURES_BROWSE).text, dialString(969).str());
            EXPECT_EQ(control(kDlg, IDC_PROF_FEATURES_LABEL1).text, "Grade");
            EXPECT_EQ(control(kDlg, IDC_PROF_FEATURES_VALUE1).items,
                      (std::vector<std::string>{"S235", "S275", "S355"}));
            EXPECT_EQ(control(kDlg, IDC_PROF_FEATURES_VALUE1).selection, 2);
            EXPECT_EQ(control(kDlg, IDC_PROF_FEATURES_VALUE2).text, "10");
            EXPECT_EQ(control(kDlg, IDC_PROF_FEATURES_PROFILE).selection, 1);
            for (int id : {IDC_PROF_FEATURES_LABEL3, IDC_PROF_FEATURES_VALUE3, IDC_PROF_FEATURES_VALUE3_LIST,
                           IDC_PROF_FEATURES_LABEL4, IDC_PROF_FEATURES_VALUE4, IDC_PROF_FEATURES_CHECK})
                EXPECT_FALSE(control(kDlg, id).visible) << id;
            EXPECT_EQ(control(kDlg, IDC_PROF_FEATURES_VALUE3).text, "");
        })
        .click(kDlg, IDOK);
    ASSERT_TRUE(StartDlgProfFeatures(data));
    EXPECT_EQ(data.value3, "kept 3");
    EXPECT_EQ(data.value4, "kept 4");
    // No check box: checked comes back as it was.
    EXPECT_TRUE(data.checked);
    EXPECT_EQ(data.value1, "S355");
    EXPECT_EQ(data.profile, "IPE-IPE200");
}

TEST_F(ProfFeaturesTest, RowOneTakesFreeText) {
    retype(IDC_PROF_FEATURES_VALUE1, "S460 special");
    retype(IDC_PROF_FEATURES_VALUE2, "12");
    script.click(kDlg, IDOK);
    ASSERT_TRUE(StartDlgProfFeatures(data));
    EXPECT_EQ(data.value1, "S460 special");
    EXPECT_EQ(data.value2, "12");
}

TEST_F(ProfFeaturesTest, AValueOneOutsideTheChoicesComesBackUnchanged) {
    data.value1 = "s355";  // differs from the choice in case only
    script
        .inspect([] {
            EXPECT_EQ(control(kDlg, IDC_PROF_FEATURES_VALUE1).selection, -1);
            EXPECT_EQ(control(kDlg, IDC_PROF_FEATURES_VALUE1).text, "s355");
        })
        .click(kDlg, IDOK);
    ASSERT_TRUE(StartDlgProfFeatures(data));
    EXPECT_EQ(data.value1, "s355");
}

TEST_F(ProfFeaturesTest, CheckedOnOpeningShowsTheAlternativeAndOkWritesItBackThere) {
    useAllRows();
    data.checked = true;
    script.inspect([] {
        EXPECT_EQ(control(kDlg, IDC_PROF_FEATURES_CHECK).text, "Use the gap");
        EXPECT_EQ(control(kDlg, IDC_PROF_FEATURES_CHECK).check, BST_CHECKED);
        EXPECT_EQ(control(kDlg, IDC_PROF_FEATURES_LABEL3).text, "Gap");
        EXPECT_EQ(control(kDlg, IDC_PROF_FEATURES_VALUE3).text, "5");
        EXPECT_FALSE(control(kDlg, IDC_PROF_FEATURES_VALUE3_LIST).visible);
        EXPECT_EQ(control(kDlg, IDC_PROF_FEATURES_VALUE4).text, "none");
    });
    retype(IDC_PROF_FEATURES_VALUE3, "6");
    script.click(kDlg, IDOK);
    ASSERT_TRUE(StartDlgProfFeatures(data));
    EXPECT_EQ(data.altValue3, "6");
    EXPECT_EQ(data.value3, "20");
    EXPECT_TRUE(data.checked);
}

TEST_F(ProfFeaturesTest, TheCheckBoxSwitchesRowThreeAndDropsWhatWasTyped) {
    useAllRows();
    retype(IDC_PROF_FEATURES_VALUE3, "typed");
    script.click(kDlg, IDC_PROF_FEATURES_CHECK)
        .inspect([] {
            EXPECT_EQ(control(kDlg, IDC_PROF_FEATURES_LABEL3).text, "Gap");
            EXPECT_EQ(control(kDlg, IDC_PROF_FEATURES_VALUE3).text, "5");
        })
        .click(kDlg, IDC_PROF_FEATURES_CHECK)
        .inspect([] {
            EXPECT_EQ(control(kDlg, IDC_PROF_FEATURES_LABEL3).text, "Offset");
            EXPECT_EQ(control(kDlg, IDC_PROF_FEATURES_VALUE3).text, "20");
        })
        .click(kDlg, IDOK);
    ASSERT_TRUE(StartDlgProfFeatures(data));
    EXPECT_FALSE(data.checked);
    EXPECT_EQ(data.value3, "20");
    EXPECT_EQ(data.altValue3, "5");
}

TEST_F(ProfFeaturesTest, RowThreeAsAListFollowsTheCheckBoxInBothStates) {
    useAllRows();
    data.row3AsList = true;
    data.value3 = "S275";
    data.altValue3 = "S235";
    script
        .inspect([] {
            EXPECT_FALSE(control(kDlg, IDC_PROF_FEATURES_VALUE3).visible);
            EXPECT_TRUE(control(kDlg, IDC_PROF_FEATURES_VALUE3_LIST).visible);
            EXPECT_EQ(control(kDlg, IDC_PROF_FEATURES_VALUE3_LIST).items,
                      (std::vector<std::string>{"S235", "S275", "S355"}));
            EXPECT_EQ(control(kDlg, IDC_PROF_FEATURES_VALUE3_LIST).selection, 1);
        })
        .click(kDlg, IDC_PROF_FEATURES_CHECK)
        .inspect([] {
            EXPECT_EQ(control(kDlg, IDC_PROF_FEATURES_LABEL3).text, "Gap");
            EXPECT_EQ(control(kDlg, IDC_PROF_FEATURES_VALUE3_LIST).selection, 0);
            EXPECT_EQ(control(kDlg, IDC_PROF_FEATURES_VALUE3_LIST).text, "S235");
        })
        .choose(kDlg, IDC_PROF_FEATURES_VALUE3_LIST, "S355")
        .click(kDlg, IDOK);
    ASSERT_TRUE(StartDlgProfFeatures(data));
    EXPECT_TRUE(data.checked);
    EXPECT_EQ(data.altValue3, "S355");
    EXPECT_EQ(data.value3, "S275");

    // Unticked again: the list shows value3 and OK writes the list's text there.
    script.click(kDlg, IDC_PROF_FEATURES_CHECK)
        .inspect([] { EXPECT_EQ(control(kDlg, IDC_PROF_FEATURES_VALUE3_LIST).text, "S275"); })
        .choose(kDlg, IDC_PROF_FEATURES_VALUE3_LIST, "S235")
        .click(kDlg, IDOK);
    ASSERT_TRUE(StartDlgProfFeatures(data));
    EXPECT_FALSE(data.checked);
    EXPECT_EQ(data.value3, "S235");
    EXPECT_EQ(data.altValue3, "S355");
}

TEST_F(ProfFeaturesTest, ABrowsedProfileReachesTheRecordOnlyOnOk) {
    auto browse = [this] {
        script.click(kDlg, IDC_PROF_FEATURES_BROWSE)
            .choose(IDD_CORE_SECTION_SELECT, IDC_SECTION_FAMILIES, "RHS")
            .choose(IDD_CORE_SECTION_SELECT, IDC_SECTION_SIZES, "RHS100x50x4")
            .click(IDD_CORE_SECTION_SELECT, IDOK)
            .inspect([] {
                EXPECT_EQ(control(kDlg, IDC_PROF_FEATURES_PROFILE).items[0], "RHS 100x50x4");
                EXPECT_EQ(control(kDlg, IDC_PROF_FEATURES_PROFILE).selection, 0);
            });
    };
    browse();
    script.click(kDlg, IDCANCEL);
    EXPECT_FALSE(StartDlgProfFeatures(data));
    EXPECT_EQ(data.profile, "IPE-IPE200");
    browse();
    script.click(kDlg, IDOK);
    ASSERT_TRUE(StartDlgProfFeatures(data));
    EXPECT_EQ(data.profile, "RHS-RHS100x50x4");
}
