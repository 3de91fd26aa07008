// The grid dialog through its exported launcher, as a person fills it in.
#include "dialogs/dlg_grid.h"

#include <nlohmann/json.hpp>

#include "dialogs/grid_ids.h"
#include "small_dialog_fixture.h"

namespace {

constexpr int kDlg = IDD_GRID;

class GridDialogTest : public SmallDialogTest {
protected:
    // Selects the whole field and types over it.
    void retype(int id, const std::string& text) {
        script.click(kDlg, id).key(kDlg, 'A', win::input::Control).type(kDlg, text);
    }
};

}  // namespace

TEST_F(GridDialogTest, OpensWithTheRecordAndItsTexts) {
    TwGridDlgData data;
    data.countX = 7;
    data.spacingY = "3*6000";
    data.option = true;
    script
        .inspect([] {
            EXPECT_EQ(caption(kDlg), dialString(1463).str());
            EXPECT_EQ(control(kDlg, IDC_GRID_FRAME_X).text, dialString(1464).str());
            EXPECT_EQ(control(kDlg, IDC_GRID_FRAME_Y).text, dialString(1465).str());
            for (int id : {IDC_GRID_COUNT_X_LABEL, IDC_GRID_COUNT_Y_LABEL})
                EXPECT_EQ(control(kDlg, id).text, dialString(1466).str());
            for (int id : {IDC_GRID_SPACING_X_LABEL, IDC_GRID_SPACING_Y_LABEL})
                EXPECT_EQ(control(kDlg, id).text, dialString(1467).str());
            for (int id : {IDC_GRID_FIRST_X_LABEL, IDC_GRID_FIRST_Y_LABEL})
                EXPECT_EQ(control(kDlg, id).text, dialString(1468).str());
            EXPECT_EQ(control(kDlg, IDC_GRID_OPTION).text, dialString(1469).str());
            EXPECT_EQ(control(kDlg, IDC_GRID_COUNT_X).text, "7");
            EXPECT_EQ(control(kDlg, IDC_GRID_SPACING_X).text, "5000");
            EXPECT_EQ(control(kDlg, IDC_GRID_FIRST_X).text, "A");
            EXPECT_EQ(control(kDlg, IDC_GRID_COUNT_Y).text, "3");
            EXPECT_EQ(control(kDlg, IDC_GRID_SPACING_Y).text, "3*6000");
            EXPECT_EQ(control(kDlg, IDC_GRID_FIRST_Y).text, "1");
            EXPECT_EQ(control(kDlg, IDC_GRID_OPTION).check, BST_CHECKED);
        })
        .click(kDlg, IDCANCEL);
    EXPECT_FALSE(StartDlgGrid(data));
}

TEST_F(GridDialogTest, EveryFieldComesBackAsTypedAndACountThatIsNoNumberAsZero) {
    TwGridDlgData data;
    retype(IDC_GRID_COUNT_X, "x");
    retype(IDC_GRID_SPACING_X, "2*4000 6000");
    retype(IDC_GRID_FIRST_X, "K");
    retype(IDC_GRID_COUNT_Y, "12");
    retype(IDC_GRID_SPACING_Y, "not checked");
    retype(IDC_GRID_FIRST_Y, "10");
    script.click(kDlg, IDC_GRID_OPTION).click(kDlg, IDOK);
    ASSERT_TRUE(StartDlgGrid(data));
    EXPECT_EQ(data.countX, 0);
    EXPECT_EQ(data.spacingX, "2*4000 6000");
    EXPECT_EQ(data.firstNameX, "K");
    EXPECT_EQ(data.countY, 12);
    EXPECT_EQ(data.spacingY, "not checked");
    EXPECT_EQ(data.firstNameY, "10");
    EXPECT_TRUE(data.option);
}

TEST_F(GridDialogTest, CancelLeavesTheRecordAsItWas) {
    TwGridDlgData data;
    data.firstNameX = "C";
    const TwGridDlgData before = data;
    retype(IDC_GRID_COUNT_X, "9");
    retype(IDC_GRID_FIRST_X, "Q");
    script.click(kDlg, IDC_GRID_OPTION).click(kDlg, IDCANCEL);
    EXPECT_FALSE(StartDlgGrid(data));
    EXPECT_EQ(data, before);
}

TEST(GridRecord, JsonFormRoundTripsAndRefusesWrongTypesAndUnknownFields) {
    TwGridDlgData data;
    data.countX = -2;
    data.spacingX = "1000 2000";
    data.firstNameY = "Z";
    data.option = true;
    EXPECT_EQ(nlohmann::json(data).get<TwGridDlgData>(), data);
    EXPECT_EQ(nlohmann::json::object().get<TwGridDlgData>(), TwGridDlgData{});
    EXPECT_THROW(nlohmann::json({{"countX", "4"}}).get<TwGridDlgData>(), nlohmann::json::exception);
    EXPECT_THROW(nlohmann::json({{"countX", 4.5}}).get<TwGridDlgData>(), nlohmann::json::exception);
    EXPECT_THROW(nlohmann::json({{"option", 1}}).get<TwGridDlgData>(), nlohmann::json::exception);
    EXPECT_THROW(nlohmann::json({{"spacing", "5000"}}).get<TwGridDlgData>(), nlohmann::json::exception);
}
