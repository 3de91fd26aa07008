// The levels dialog through its exported launcher, as a person edits the levels.
#include "dialogs/dlg_levels.h"

#include "dialogs/grid_ids.h"
#include "frame/text_entry_ids.h"
#include "small_dialog_fixture.h"

namespace {

constexpr int kDlg = IDD_LEVELS;
constexpr int kPrompt = IDD_TEXT_ENTRY;

TwLevel level(const char* name, const char* reference, double value) {
    TwLevel made;
    made.name = name;
    made.referenceName = reference;
    made.value = value;
    return made;
}

class LevelsDialogTest : public SmallDialogTest {
protected:
    void SetUp() override {
        SmallDialogTest::SetUp();
        data.setLevels(
            {level("Ground", "wcs", 0), level("First floor", "Ground", 3500), level("Roof", "First floor", 3200)});
    }
    void retypeValue(const std::string& text) {
        script.click(kDlg, IDC_LEVELS_VALUE).key(kDlg, 'A', win::input::Control).type(kDlg, text);
    }
    // The person adds a level: the prompt opens, the name is typed over the proposal, OK.
    void offerName(const std::string& name) {
        script.inspect([] { EXPECT_EQ(control(kPrompt, IDC_TEXT_ENTRY_PROMPT).text, dialString(1475).str()); })
            .type(kPrompt, name)
            .click(kPrompt, IDOK);
    }
    TwLevelsDlgData data;
};

}  // namespace

TEST_F(LevelsDialogTest, OpensOnLevelZeroWithOnlyTheValueEditable) {
    script
        .inspect([] {
            EXPECT_EQ(caption(kDlg), dialString(1478).str());
            EXPECT_EQ(control(kDlg, IDC_LEVELS_FRAME).text, dialString(760).str());
            EXPECT_EQ(control(kDlg, IDC_LEVELS_NAME_LABEL).text, dialString(87).str());
            EXPECT_EQ(control(kDlg, IDC_LEVELS_REFERENCE_LABEL).text, dialString(1473).str());
            EXPECT_EQ(control(kDlg, IDC_LEVELS_VALUE_LABEL).text, dialString(593).str());
            EXPECT_EQ(control(kDlg, IDC_LEVELS_HEIGHT_LABEL).text, dialString(1474).str());
            EXPECT_NE(control(kDlg, IDC_LEVELS_ADD).icon, nullptr);
            EXPECT_NE(control(kDlg, IDC_LEVELS_DELETE).icon, nullptr);
            EXPECT_EQ(CButtonST::tooltipOf(control(kDlg, IDC_LEVELS_ADD).hwnd), dialString(131));
            EXPECT_EQ(CButtonST::tooltipOf(control(kDlg, IDC_LEVELS_DELETE).hwnd), dialString(134));
            EXPECT_EQ(control(kDlg, IDC_LEVELS_LIST).items,
                      (std::vector<std::string>{"Ground", "First floor", "Roof"}));
            EXPECT_EQ(control(kDlg, IDC_LEVELS_LIST).selection, 0);
            EXPECT_EQ(control(kDlg, IDC_LEVELS_NAME).text, "Ground");
            EXPECT_EQ(control(kDlg, IDC_LEVELS_REFERENCE).items, (std::vector<std::string>{"First floor", "Roof"}));
            EXPECT_EQ(control(kDlg, IDC_LEVELS_REFERENCE).selection, -1);
            EXPECT_EQ(control(kDlg, IDC_LEVELS_VALUE).text, "0.000");
            EXPECT_EQ(control(kDlg, IDC_LEVELS_HEIGHT).text, "0.000");
            EXPECT_TRUE(control(kDlg, IDC_LEVELS_NAME).readOnly);
            EXPECT_TRUE(control(kDlg, IDC_LEVELS_HEIGHT).readOnly);
            for (int id : {IDC_LEVELS_NAME, IDC_LEVELS_REFERENCE, IDC_LEVELS_HEIGHT})
                EXPECT_FALSE(control(kDlg, id).enabled) << id;
            EXPECT_TRUE(control(kDlg, IDC_LEVELS_VALUE).enabled);
        })
        .click(kDlg, IDCANCEL);
    EXPECT_FALSE(StartDlgLevels(data));
}

TEST_F(LevelsDialogTest, ChangingTheSelectionCommitsTheTypedValueToTheLevelLeft) {
    retypeValue("250");
    script.choose(kDlg, IDC_LEVELS_LIST, "Roof").inspect([] {
        EXPECT_EQ(control(kDlg, IDC_LEVELS_NAME).text, "Roof");
        EXPECT_EQ(control(kDlg, IDC_LEVELS_REFERENCE).items, (std::vector<std::string>{"Ground", "First floor"}));
        EXPECT_EQ(control(kDlg, IDC_LEVELS_REFERENCE).selection, 1);
        EXPECT_EQ(control(kDlg, IDC_LEVELS_VALUE).text, "3200.000");
        // The ground now lies 250 above the origin, and the roof with it.
        EXPECT_EQ(control(kDlg, IDC_LEVELS_HEIGHT).text, "6950.000");
        EXPECT_FALSE(control(kDlg, IDC_LEVELS_REFERENCE).enabled);
    });
    retypeValue("three metres");
    script.choose(kDlg, IDC_LEVELS_LIST, "First floor");
    retypeValue("3600.5");
    script.click(kDlg, IDOK);
    ASSERT_TRUE(StartDlgLevels(data));
    const auto& levels = data.levels();
    EXPECT_EQ(levels[0].value, 250);
    EXPECT_EQ(levels[2].value, 0);  // text that is no number
    EXPECT_EQ(levels[1].value, 3600.5);
    EXPECT_EQ(levels[1].secondValue, 3850.5);
    EXPECT_EQ(levels[2].referenceName, "First floor");
}

TEST_F(LevelsDialogTest, ANewLevelIsNamedAfterRefusalsAndGivenItsReference) {
    script.click(kDlg, IDC_LEVELS_ADD).inspect([] {
        EXPECT_EQ(caption(kPrompt), dialString(87).str());
        EXPECT_EQ(control(kPrompt, IDC_TEXT_ENTRY_EDIT).text, dialString(171).str());
    });
    offerName("wcs");
    script.answerMessageBox(IDOK);
    offerName("Roof");
    script.answerMessageBox(IDOK);
    offerName("Parapet");
    script
        .inspect([] {
            EXPECT_EQ(control(kDlg, IDC_LEVELS_LIST).items,
                      (std::vector<std::string>{"Ground", "First floor", "Roof", "Parapet"}));
            EXPECT_EQ(control(kDlg, IDC_LEVELS_LIST).selection, 3);
            EXPECT_EQ(control(kDlg, IDC_LEVELS_NAME).text, "Parapet");
            EXPECT_TRUE(control(kDlg, IDC_LEVELS_REFERENCE).enabled);
        })
        .choose(kDlg, IDC_LEVELS_REFERENCE, "Roof");
    retypeValue("900");
    script.click(kDlg, IDOK);
    ASSERT_TRUE(StartDlgLevels(data));

    const auto& boxes = win::messageBoxHistory();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].caption, dialString(856).str());
    EXPECT_EQ(boxes[0].text, (string(857) + ".\n" + string(858) + ".").str());
    EXPECT_EQ(boxes[0].icon, "warning");
    ASSERT_EQ(data.levels().length(), 4);
    const TwLevel& added = data.levels()[3];
    EXPECT_EQ(added.name, "Parapet");
    EXPECT_EQ(added.referenceName, "Roof");
    EXPECT_EQ(added.value, 900);
    EXPECT_EQ(added.secondValue, 0 + 3500 + 3200 + 900);
}

TEST_F(LevelsDialogTest, TheReferenceOfANewLevelIsFixedOnceAnotherLevelIsSelected) {
    script.click(kDlg, IDC_LEVELS_ADD);
    offerName("Basement");
    script.choose(kDlg, IDC_LEVELS_LIST, "Ground")
        .choose(kDlg, IDC_LEVELS_LIST, "Basement")
        .inspect([] { EXPECT_FALSE(control(kDlg, IDC_LEVELS_REFERENCE).enabled); })
        .click(kDlg, IDOK);
    ASSERT_TRUE(StartDlgLevels(data));
    EXPECT_EQ(data.levels()[3].name, "Basement");
}

TEST_F(LevelsDialogTest, ACancelledPromptAddsNothing) {
    const TwLevelsDlgData before = data;
    script.click(kDlg, IDC_LEVELS_ADD)
        .type(kPrompt, "Mezzanine")
        .click(kPrompt, IDCANCEL)
        .inspect([] {
            EXPECT_EQ(control(kDlg, IDC_LEVELS_LIST).items.size(), 3u);
            EXPECT_EQ(control(kDlg, IDC_LEVELS_NAME).text, "Ground");
        })
        .click(kDlg, IDOK);
    ASSERT_TRUE(StartDlgLevels(data));
    EXPECT_EQ(data, before);
}

TEST_F(LevelsDialogTest, TwentyRefusalsAddNothing) {
    const TwLevelsDlgData before = data;
    script.click(kDlg, IDC_LEVELS_ADD);
    for (int i = 0; i < CDlgLevels::kNamePromptLimit; ++i) {
        offerName(i % 2 ? "wcs" : "Ground");
        script.answerMessageBox(IDOK);
    }
    script
        .inspect([] {
            EXPECT_EQ(win::findOpenDialog(kPrompt), nullptr);
            EXPECT_EQ(control(kDlg, IDC_LEVELS_LIST).items.size(), 3u);
        })
        .click(kDlg, IDOK);
    ASSERT_TRUE(StartDlgLevels(data));
    EXPECT_EQ(win::messageBoxHistory().size(), 20u);
    EXPECT_EQ(data, before);
}

TEST_F(LevelsDialogTest, DeletingLevelZeroShowsNoLevelAndCommitsNothing) {
    retypeValue("777");
    script.click(kDlg, IDC_LEVELS_DELETE)
        .inspect([] {
            EXPECT_EQ(control(kDlg, IDC_LEVELS_LIST).items, (std::vector<std::string>{"First floor", "Roof"}));
            EXPECT_EQ(control(kDlg, IDC_LEVELS_LIST).selection, -1);
            EXPECT_EQ(control(kDlg, IDC_LEVELS_NAME).text, "");
            EXPECT_EQ(control(kDlg, IDC_LEVELS_VALUE).text, "");
            EXPECT_EQ(control(kDlg, IDC_LEVELS_HEIGHT).text, "");
            EXPECT_FALSE(control(kDlg, IDC_LEVELS_VALUE).enabled);
        })
        .click(kDlg, IDOK);
    ASSERT_TRUE(StartDlgLevels(data));
    ASSERT_EQ(data.levels().length(), 2);
    EXPECT_EQ(data.levels()[0].name, "First floor");
    EXPECT_EQ(data.levels()[0].value, 3500);
    EXPECT_EQ(data.levels()[1].value, 3200);
    // The first floor's reference is gone: it now counts from the origin.
    EXPECT_EQ(data.levels()[1].secondValue, 6700);
}

TEST_F(LevelsDialogTest, DeletingALaterLevelShowsTheOneBefore) {
    script.choose(kDlg, IDC_LEVELS_LIST, "Roof")
        .click(kDlg, IDC_LEVELS_DELETE)
        .inspect([] {
            EXPECT_EQ(control(kDlg, IDC_LEVELS_LIST).selection, 1);
            EXPECT_EQ(control(kDlg, IDC_LEVELS_NAME).text, "First floor");
        })
        .click(kDlg, IDCANCEL);
    EXPECT_FALSE(StartDlgLevels(data));
    EXPECT_EQ(data.levels().length(), 3);
}

TEST_F(LevelsDialogTest, ARecordWithoutLevelsShowsNothingToEdit) {
    data.setLevels({});
    script
        .inspect([] {
            EXPECT_TRUE(control(kDlg, IDC_LEVELS_LIST).items.empty());
            EXPECT_FALSE(control(kDlg, IDC_LEVELS_VALUE).enabled);
        })
        .click(kDlg, IDOK);
    ASSERT_TRUE(StartDlgLevels(data));
    EXPECT_TRUE(data.levels().isEmpty());
}
