// The array dialog through its exported launcher, as a person edits an array.
#include "macro/dlg_macro_array.h"

#include "core/kv_texts.h"
#include "core/macro_instances.h"
#include "engine_probe.h"
#include "host/drawing_database.h"
#include "macro/array_ids.h"
#include "small_dialog_fixture.h"

namespace {

constexpr int kDlg = IDD_MACRO_ARRAY;

class MacroArrayDialogTest : public SmallDialogTest {
protected:
    void SetUp() override {
        SmallDialogTest::SetUp();
        host::DrawingDatabase::instance().reset();
        data.name = "Stiffeners";
        data.arrayType = 0;
        data.dimName1 = "Length";
        data.value1 = "100";
        data.value2 = "3";
        data.skipCount = "1";
        data.option = 1;
        for (int number = 1; number <= 3; ++number) {
            DynArrayEntry entry;
            entry.number = number;
            entry.value = number == 2 ? "250" : "";
            entry.link = 40 + number;
            data.entries.append(entry);
        }
    }
    void TearDown() override {
        host::DrawingDatabase::instance().reset();
        SmallDialogTest::TearDown();
    }
    static HWND sheetWindow() { return GetDlgItem(win::findOpenDialog(kDlg), IDC_ARRAY_SHEET); }
    static std::string cell(int col, int row) { return spread_test::EngineProbe(sheetWindow()).dataAt(col, row); }
    // Where a cell of the entry sheet lies: learnt from a look at the dialog with the same
    // record, as a person first sees where to click.
    POINT cellPoint(int col, int row) {
        POINT point{0, 0};
        win::testing::TestScript look;
        look.inspect([&] { point = spread_test::cellCenter(sheetWindow(), col, row); }).click(kDlg, IDCANCEL);
        DynArrayData copy = data;
        StartArrayDlg(copy, ids, "Base");
        return point;
    }
    // Rows first to last selected: a click on the first one's action cell, a Shift+click on
    // the last one's.
    void selectRows(int first, int last) {
        script.clickAt(kDlg, IDC_ARRAY_SHEET, cellPoint(4, first));
        if (last != first) script.clickAt(kDlg, IDC_ARRAY_SHEET, cellPoint(4, last), win::input::Shift);
    }
    bool run() { return StartArrayDlg(data, ids, "Base"); }

    DynArrayData data;
    AcArray<AcDbObjectId> ids;
};

}  // namespace

TEST_F(MacroArrayDialogTest, OpensWithItsTitleTypesFixedLabelsAndEntries) {
    script
        .inspect([] {
            EXPECT_EQ(caption(kDlg), "Array (Stiffeners)");
            const win::WindowInfo types = control(kDlg, IDC_ARRAY_TYPE);
            ASSERT_EQ(types.items.size(), 5u);
            EXPECT_EQ(types.items[0], dialString(1071).str());
            EXPECT_EQ(types.items[4], dialString(695).str());
            EXPECT_EQ(types.selection, 0);
            EXPECT_EQ(control(kDlg, IDC_ARRAY_ALTERNATING).text, "Add entries alternating");
            EXPECT_EQ(control(kDlg, IDC_ARRAY_SKIP_COUNT_LABEL).text, "Nr of entries to skip");
            EXPECT_EQ(control(kDlg, IDC_ARRAY_OPTION).check, BST_CHECKED);
            EXPECT_EQ(control(kDlg, IDC_ARRAY_DIM1).text, "Length");
            EXPECT_EQ(cell(1, 3), "3");
            EXPECT_EQ(cell(3, 2), "250");
            EXPECT_EQ(cell(5, 1), "41");
        })
        .click(kDlg, IDOK);
    const DynArrayData before = data;
    EXPECT_TRUE(run());
    EXPECT_EQ(data, before);
}

TEST_F(MacroArrayDialogTest, DifferingTypesOpenOnMixedAndAreStoredAsMixedWhenLeftSo) {
    data.arrayType = DynArrayData::kMixedType;
    script.inspect([] { EXPECT_EQ(control(kDlg, IDC_ARRAY_TYPE).selection, 4); })
        .click(kDlg, IDC_ARRAY_VALUE1)
        .key(kDlg, VK_END)
        .type(kDlg, "0")
        .click(kDlg, IDOK);
    EXPECT_TRUE(run());
    EXPECT_EQ(data.arrayType, DynArrayData::kMixedType);
    EXPECT_EQ(data.value1, Kv_String("1000"));
}

TEST_F(MacroArrayDialogTest, AnUntouchedIndeterminateBoxIsStoredAsIndeterminate) {
    data.alternating = -1;
    data.option = -1;
    script.inspect([] { EXPECT_EQ(control(kDlg, IDC_ARRAY_ALTERNATING).check, BST_INDETERMINATE); })
        .click(kDlg, IDC_ARRAY_OPTION)  // indeterminate -> unchecked
        .click(kDlg, IDOK);
    EXPECT_TRUE(run());
    EXPECT_EQ(data.alternating, -1);
    EXPECT_EQ(data.option, 0);
}

TEST_F(MacroArrayDialogTest, CancelAndEscapeLeaveTheRecord) {
    const DynArrayData before = data;
    script.choose(kDlg, IDC_ARRAY_TYPE, 2)
        .click(kDlg, IDC_ARRAY_VALUE2)
        .type(kDlg, "9")
        .click(kDlg, IDC_ARRAY_OPTION)
        .click(kDlg, IDCANCEL);
    EXPECT_FALSE(run());
    EXPECT_EQ(data, before);
    selectRows(1, 1);
    script.click(kDlg, IDC_ARRAY_DELETE).key(kDlg, VK_ESCAPE);
    EXPECT_FALSE(run());
    EXPECT_EQ(data, before);
}

TEST_F(MacroArrayDialogTest, SkipMarksOnlyTheSelectedRows) {
    selectRows(2, 3);
    script.click(kDlg, IDC_ARRAY_SKIP).click(kDlg, IDOK);
    EXPECT_TRUE(run());
    ASSERT_EQ(data.entries.length(), 3);
    EXPECT_EQ(data.entries[0].action, kEntryActionNone);
    EXPECT_EQ(data.entries[1].action, kEntryActionReset);
    EXPECT_EQ(data.entries[2].action, kEntryActionReset);
}

TEST_F(MacroArrayDialogTest, DeleteAndNewActOnTheSelectedRowsCarryingTheirLinks) {
    selectRows(1, 2);
    script.click(kDlg, IDC_ARRAY_DELETE);
    // One row is left, the old third one, selected or not: New adds one below it.
    script.clickAt(kDlg, IDC_ARRAY_SHEET, cellPoint(4, 1)).click(kDlg, IDC_ARRAY_NEW).click(kDlg, IDOK);
    EXPECT_TRUE(run());
    ASSERT_EQ(data.entries.length(), 2);
    EXPECT_EQ(data.entries[0].number, 3);
    EXPECT_EQ(data.entries[0].link, 43);
    EXPECT_EQ(data.entries[1].number, 4);
    EXPECT_TRUE(data.entries[1].on);
    EXPECT_EQ(data.entries[1].link, 0);
    EXPECT_EQ(data.entries[1].value, Kv_String());
}

TEST_F(MacroArrayDialogTest, EachTypeShowsItsControlsAndListsItsDimensions) {
    ids.append(
        host::DrawingDatabase::instance().addObject(kMacroInstanceType, {{"module", std::string("Base")},
                                                                         {"cell.Width", std::string("80")},
                                                                         {"cell.Grade", std::string("S235")},
                                                                         {"cell.Height", std::string("120.5")}}));
    script
        .inspect([] {
            EXPECT_FALSE(control(kDlg, IDC_ARRAY_DIM3).visible);
            EXPECT_FALSE(control(kDlg, IDC_ARRAY_VALUE0).visible);
            EXPECT_TRUE(control(kDlg, IDC_ARRAY_SHEET).visible);
            const win::WindowInfo dims = control(kDlg, IDC_ARRAY_DIM1);
            EXPECT_EQ(dims.items, (std::vector<std::string>{"Height", "Width"}));
            EXPECT_EQ(dims.text, "Length");  // the shown name stays though no valid one
        })
        .choose(kDlg, IDC_ARRAY_TYPE, 1)
        .inspect([] {
            EXPECT_TRUE(control(kDlg, IDC_ARRAY_DIM3).visible);
            EXPECT_TRUE(control(kDlg, IDC_ARRAY_VALUE0).visible);
            EXPECT_FALSE(control(kDlg, IDC_ARRAY_SHEET).visible);
            EXPECT_FALSE(control(kDlg, IDC_ARRAY_ALTERNATING).visible);
            EXPECT_EQ(control(kDlg, IDC_ARRAY_VALUE5_LABEL).text, dialString(1076).str());
        })
        .choose(kDlg, IDC_ARRAY_TYPE, 3)
        .inspect([] {
            EXPECT_TRUE(control(kDlg, IDC_ARRAY_DIM4).visible);
            EXPECT_TRUE(control(kDlg, IDC_ARRAY_SHEET).visible);
            EXPECT_EQ(control(kDlg, IDC_ARRAY_VALUE5_LABEL).text, dialString(1077).str());
        })
        .click(kDlg, IDOK);
    EXPECT_TRUE(run());
    EXPECT_EQ(data.arrayType, 3);
    EXPECT_EQ(data.dimName1, Kv_String("Length"));
}

TEST_F(MacroArrayDialogTest, ATypeOutsideTheListShowsNoneAndStaysUnlessOneIsChosen) {
    data.arrayType = 7;
    script
        .inspect([] {
            EXPECT_EQ(control(kDlg, IDC_ARRAY_TYPE).selection, -1);
            EXPECT_TRUE(control(kDlg, IDC_ARRAY_DIM4).visible);
        })
        .click(kDlg, IDOK);
    EXPECT_TRUE(run());
    EXPECT_EQ(data.arrayType, 7);
    script.choose(kDlg, IDC_ARRAY_TYPE, 2).click(kDlg, IDOK);
    EXPECT_TRUE(run());
    EXPECT_EQ(data.arrayType, 2);
}

TEST_F(MacroArrayDialogTest, SwitchingToRectangularFindsTheRecordsOwnValue0) {
    data.value0 = "Rib.bmp";
    script.choose(kDlg, IDC_ARRAY_TYPE, 1)
        .inspect([] { EXPECT_EQ(control(kDlg, IDC_ARRAY_VALUE0).text, "Rib.bmp"); })
        .click(kDlg, IDOK);
    EXPECT_TRUE(run());
    EXPECT_EQ(data.arrayType, 1);
    EXPECT_EQ(data.value0, Kv_String("Rib.bmp"));
}
