// The DSTV point editor as the group dialog runs it, as a person edits a group's points.
#include "dialogs/dlg_dstv_point_edit.h"

#include "dialogs/dstv_points_ids.h"
#include "frame/text_entry_ids.h"
#include "small_dialog_fixture.h"

namespace {

constexpr int kDlg = IDD_DSTV_POINT_EDIT;
constexpr int kPrompt = IDD_TEXT_ENTRY;

Kv_DstvPointInfo point(const char* name, int side1, int side2) {
    Kv_DstvPointInfo made(name);
    made.setSelectGeomExtent(true, static_cast<TwDstvPointSideSelection>(side1),
                             static_cast<TwDstvPointSideSelection>(side2));
    return made;
}

class DstvPointEditTest : public SmallDialogTest {
protected:
    void retype(int id, const std::string& text) {
        script.click(kDlg, id).key(kDlg, 'A', win::input::Control).type(kDlg, text);
    }
    Kv_DstvPointArray points{point("Start", 2, 0), point("End", 3, 1)};
};

std::string side(int n) { return string(10046 + n).str(); }

}  // namespace

TEST_F(DstvPointEditTest, OpensOnTheFirstPointWithItsTextsAndLists) {
    script
        .inspect([] {
            EXPECT_EQ(caption(kDlg), dialString(844).str());
            EXPECT_EQ(control(kDlg, IDC_DSTV_POINT_LIST_LABEL).text, dialString(845).str());
            EXPECT_EQ(control(kDlg, IDC_DSTV_POINT_FRAME).text, dialString(846).str());
            EXPECT_EQ(control(kDlg, IDC_DSTV_POINT_NAME_LABEL).text, dialString(221).str());
            EXPECT_EQ(control(kDlg, IDC_DSTV_POINT_VIEW_LABEL).text, dialString(1689).str());
            EXPECT_EQ(control(kDlg, IDC_DSTV_POINT_MARK_LABEL).text, dialString(1690).str());
            EXPECT_EQ(control(kDlg, IDC_DSTV_POINT_SIDE_LABEL).text, dialString(851).str());
            EXPECT_EQ(control(kDlg, IDCANCEL).text, dialString(2).str());
            EXPECT_EQ(control(kDlg, IDC_DSTV_POINT_SIDE1).items,
                      (std::vector<std::string>{side(0), side(1), side(2), side(3)}));
            const std::string plate = string(10157).str();
            EXPECT_EQ(control(kDlg, IDC_DSTV_POINT_VIEW).items,
                      (std::vector<std::string>{dialString(854).str(), plate + " 1", plate + " 2",
                                                plate + " 3 (" + dialString(1496).str() + ")", plate + " 4"}));
            EXPECT_EQ(control(kDlg, IDC_DSTV_POINT_MARK).items, control(kDlg, IDC_DSTV_POINT_VIEW).items);
            EXPECT_EQ(control(kDlg, IDC_DSTV_POINT_LIST).items, (std::vector<std::string>{"Start", "End"}));
            EXPECT_EQ(control(kDlg, IDC_DSTV_POINT_LIST).selection, 0);
            EXPECT_EQ(control(kDlg, IDC_DSTV_POINT_NAME).text, "Start");
            EXPECT_EQ(control(kDlg, IDC_DSTV_POINT_SIDE1).selection, 2);
            EXPECT_EQ(control(kDlg, IDC_DSTV_POINT_SIDE2).selection, 0);
            EXPECT_EQ(control(kDlg, IDC_DSTV_POINT_SIDE_DISTANCE).text, "50.000");
            EXPECT_EQ(control(kDlg, IDC_DSTV_POINT_RADIUS).text, "16.000");
            EXPECT_EQ(control(kDlg, IDC_DSTV_POINT_BY_EXTENT).check, BST_CHECKED);
        })
        .click(kDlg, IDCANCEL);
    const Kv_DstvPointArray before = points;
    EXPECT_FALSE(editDstvPoints(points, nullptr));
    EXPECT_EQ(points, before);
}

TEST_F(DstvPointEditTest, TheTwoSidesAreKeptInDifferentHalves) {
    // Side 1 chosen while the other list shows side 0: the other moves to side 2.
    script.choose(kDlg, IDC_DSTV_POINT_SIDE1, side(1))
        .inspect([] { EXPECT_EQ(control(kDlg, IDC_DSTV_POINT_SIDE2).selection, 2); })
        // The mirror case: the first list moved into the second half, where the other now is.
        .choose(kDlg, IDC_DSTV_POINT_SIDE1, side(3))
        .inspect([] { EXPECT_EQ(control(kDlg, IDC_DSTV_POINT_SIDE2).selection, 0); })
        .choose(kDlg, IDC_DSTV_POINT_SIDE2, side(2))
        .inspect([] { EXPECT_EQ(control(kDlg, IDC_DSTV_POINT_SIDE1).selection, 0); })
        // Different halves already: nothing moves.
        .choose(kDlg, IDC_DSTV_POINT_SIDE1, side(1))
        .inspect([] { EXPECT_EQ(control(kDlg, IDC_DSTV_POINT_SIDE2).selection, 2); })
        .click(kDlg, IDOK);
    ASSERT_TRUE(editDstvPoints(points, nullptr));
    EXPECT_EQ(points[0].sideSelection1(), 1);
    EXPECT_EQ(points[0].sideSelection2(), 2);
}

TEST_F(DstvPointEditTest, ADistanceTypedAsTextIsStoredAsZero) {
    retype(IDC_DSTV_POINT_SIDE_DISTANCE, "far");
    script.click(kDlg, IDC_DSTV_POINT_FULL_HOLE);
    retype(IDC_DSTV_POINT_RADIUS, "12.5 mm");
    script.click(kDlg, IDOK);
    ASSERT_TRUE(editDstvPoints(points, nullptr));
    EXPECT_EQ(points[0].minPlateSideDist(), 0);
    EXPECT_EQ(points[0].drillRadius(), 12.5);
    EXPECT_TRUE(points[0].drillFullHole());
}

TEST_F(DstvPointEditTest, ChangingThePointCommitsTheOneLeft) {
    retype(IDC_DSTV_POINT_NAME, "Begin");
    script.choose(kDlg, IDC_DSTV_POINT_VIEW, 2)
        .choose(kDlg, IDC_DSTV_POINT_LIST, "End")
        .inspect([] {
            EXPECT_EQ(control(kDlg, IDC_DSTV_POINT_LIST).items, (std::vector<std::string>{"Begin", "End"}));
            EXPECT_EQ(control(kDlg, IDC_DSTV_POINT_NAME).text, "End");
            EXPECT_EQ(control(kDlg, IDC_DSTV_POINT_VIEW).selection, 0);
        })
        .click(kDlg, IDOK);
    ASSERT_TRUE(editDstvPoints(points, nullptr));
    EXPECT_EQ(points[0].name(), "Begin");
    EXPECT_EQ(points[0].viewPlateSelection(), 2);
}

TEST_F(DstvPointEditTest, ANewPointHasTheDefaultsAndGoesBeforeTheCurrentOne) {
    script.choose(kDlg, IDC_DSTV_POINT_LIST, "End")
        .click(kDlg, IDC_DSTV_POINT_ADD)
        .inspect([] {
            EXPECT_EQ(caption(kPrompt), dialString(87).str());
            EXPECT_EQ(control(kPrompt, IDC_TEXT_ENTRY_PROMPT).text, dialString(855).str());
        })
        .type(kPrompt, "Middle")
        .click(kPrompt, IDOK)
        .inspect([] {
            EXPECT_EQ(control(kDlg, IDC_DSTV_POINT_LIST).items, (std::vector<std::string>{"Start", "Middle", "End"}));
            EXPECT_EQ(control(kDlg, IDC_DSTV_POINT_LIST).selection, 1);
            EXPECT_EQ(control(kDlg, IDC_DSTV_POINT_NAME).text, "Middle");
        })
        .click(kDlg, IDOK);
    ASSERT_TRUE(editDstvPoints(points, nullptr));
    ASSERT_EQ(points.length(), 3);
    EXPECT_EQ(points[1], Kv_DstvPointInfo("Middle"));
    EXPECT_EQ(points[2].name(), "End");
}

TEST_F(DstvPointEditTest, ACancelledNamePromptAddsNothing) {
    script.click(kDlg, IDC_DSTV_POINT_ADD).click(kPrompt, IDCANCEL).click(kDlg, IDOK);
    ASSERT_TRUE(editDstvPoints(points, nullptr));
    EXPECT_EQ(points.length(), 2);
}

TEST_F(DstvPointEditTest, TheEnablingRulesFollowTheMethodAndTheFullHole) {
    auto enabled = [](int id) { return control(kDlg, id).enabled; };
    script
        .inspect([&] {
            EXPECT_TRUE(enabled(IDC_DSTV_POINT_SIDE1) && enabled(IDC_DSTV_POINT_SIDE2));
            EXPECT_FALSE(enabled(IDC_DSTV_POINT_START_DIR) || enabled(IDC_DSTV_POINT_MIDDLE));
            EXPECT_FALSE(enabled(IDC_DSTV_POINT_RADIUS) || enabled(IDC_DSTV_POINT_RADIUS_LABEL));
            EXPECT_FALSE(enabled(IDC_DSTV_POINT_THICKNESS_BASED));
            EXPECT_EQ(control(kDlg, IDC_DSTV_POINT_RADIUS_LABEL).text, dialString(860).str());
        })
        .click(kDlg, IDC_DSTV_POINT_FULL_HOLE)
        .inspect([&] {
            EXPECT_TRUE(enabled(IDC_DSTV_POINT_RADIUS) && enabled(IDC_DSTV_POINT_RADIUS_LABEL));
            EXPECT_FALSE(enabled(IDC_DSTV_POINT_THICKNESS_BASED));  // the second method is off
        })
        .click(kDlg, IDC_DSTV_POINT_BY_INTERSECTION)
        .inspect([&] {
            EXPECT_EQ(control(kDlg, IDC_DSTV_POINT_BY_EXTENT).check, BST_UNCHECKED);
            EXPECT_FALSE(enabled(IDC_DSTV_POINT_SIDE1) || enabled(IDC_DSTV_POINT_SIDE2));
            EXPECT_TRUE(enabled(IDC_DSTV_POINT_START_DIR) && enabled(IDC_DSTV_POINT_MIDDLE));
            EXPECT_TRUE(enabled(IDC_DSTV_POINT_THICKNESS_BASED));
        })
        .click(kDlg, IDC_DSTV_POINT_THICKNESS_BASED)
        .inspect([] { EXPECT_EQ(control(kDlg, IDC_DSTV_POINT_RADIUS_LABEL).text, dialString(859).str()); })
        .click(kDlg, IDC_DSTV_POINT_FULL_HOLE)
        .inspect([&] {
            EXPECT_FALSE(enabled(IDC_DSTV_POINT_RADIUS) || enabled(IDC_DSTV_POINT_THICKNESS_BASED));
            EXPECT_EQ(control(kDlg, IDC_DSTV_POINT_RADIUS_LABEL).text, dialString(859).str());
        })
        .click(kDlg, IDOK);
    ASSERT_TRUE(editDstvPoints(points, nullptr));
    EXPECT_FALSE(points[0].selectGeomExtent());
    EXPECT_TRUE(points[0].selectIntersGeom());
    EXPECT_FALSE(points[0].drillFullHole());
    EXPECT_TRUE(points[0].radiusThicknessBased());
}

TEST_F(DstvPointEditTest, StoredValuesOutsideTheirListsShowNothingAndAreKept) {
    points[0].setSelectGeomExtent(true, static_cast<TwDstvPointSideSelection>(7), kDstvSideFront);
    points[0].setSelectIntersGeom(false, true, static_cast<TwDstvPointSideSelection>(-1));
    points[0].setPlateSelection(9, -3, 50);
    script
        .inspect([] {
            for (int id : {IDC_DSTV_POINT_SIDE1, IDC_DSTV_POINT_START_DIR, IDC_DSTV_POINT_VIEW, IDC_DSTV_POINT_MARK})
                EXPECT_EQ(control(kDlg, id).selection, -1) << id;
        })
        .choose(kDlg, IDC_DSTV_POINT_MARK, 4)
        .click(kDlg, IDOK);
    ASSERT_TRUE(editDstvPoints(points, nullptr));
    EXPECT_EQ(points[0].sideSelection1(), 7);
    EXPECT_EQ(points[0].intersStartDir(), -1);
    EXPECT_EQ(points[0].viewPlateSelection(), 9);
    EXPECT_EQ(points[0].markPlateSelection(), 4);
}

TEST_F(DstvPointEditTest, DeletingTheLastPointShowsTheNewLastAndNoPointShowsNothing) {
    script.choose(kDlg, IDC_DSTV_POINT_LIST, "End")
        .click(kDlg, IDC_DSTV_POINT_DELETE)
        .inspect([] {
            EXPECT_EQ(control(kDlg, IDC_DSTV_POINT_LIST).items, (std::vector<std::string>{"Start"}));
            EXPECT_EQ(control(kDlg, IDC_DSTV_POINT_LIST).selection, 0);
            EXPECT_EQ(control(kDlg, IDC_DSTV_POINT_NAME).text, "Start");
        })
        .click(kDlg, IDC_DSTV_POINT_DELETE)
        .inspect([] {
            EXPECT_TRUE(control(kDlg, IDC_DSTV_POINT_LIST).items.empty());
            EXPECT_EQ(control(kDlg, IDC_DSTV_POINT_NAME).text, "");
            EXPECT_FALSE(control(kDlg, IDC_DSTV_POINT_NAME).enabled);
            EXPECT_FALSE(control(kDlg, IDC_DSTV_POINT_SIDE_DISTANCE).enabled);
        })
        .click(kDlg, IDC_DSTV_POINT_DELETE)
        .click(kDlg, IDOK);
    ASSERT_TRUE(editDstvPoints(points, nullptr));
    EXPECT_EQ(points.length(), 0);
}
