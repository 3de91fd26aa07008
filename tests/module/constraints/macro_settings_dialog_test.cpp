// The macro settings dialog as a person uses it: the filter pages (one pattern for four kinds),
// the template lists, the table and list settings, and the editor's settings button (OK writes
// once, Cancel writes nothing, a macro whose settings cannot be read opens nothing).
#include <nlohmann/json.hpp>

#include "constraint_editor_test.h"
#include "constraints/macro_settings_ids.h"
#include "constraints/macro_settings_launcher.h"
#include "core/kv_json.h"
#include "core/macro_settings_calls.h"

namespace {

// A macro whose settings the tests shape: filters of every kind (the axis filters with a mode
// the radios cannot show and a short number array), one template list for each of the
// bundled templates, a table and a list.
const char* kDrawing = R"({"macros": [{"name": "M", "modules": [{"name": "A"}], "settings": {
  "filterSettings": {
    "axisFilterEnabled": [false, true], "axisFilterNames": ["Columns", "Braces", "Rafters"],
    "axisFilterMode": [0, 2, 1], "axisFilterValue1": [90, 30, 1], "axisFilterValue2": [0.125],
    "sectionAngleEnabled": [true], "sectionAngleNames": ["Upright"], "sectionAngleRanges": [[10, 20, 30]],
    "pathDistanceNames": [],
    "sectionSizeEnabled": [true], "sectionSizeNames": ["Medium"],
    "sectionSizeValues": [[100], [200], [50], [150]]},
  "tableSettings": {"firstChoice": 1, "secondChoice": 7, "count": 1, "labels": ["Gap"], "numbers": [0.125]},
  "listSettings": {"firstText": "one", "secondText": "two", "column1": ["P", "S"], "column2": ["x"],
                   "column3": [2, 9]},
  "templateSettings": {"choiceList": ["Standard", "Heavy"],
                       "perTemplateLists": [["a", "b"], ["c"], []], "perTemplateChoice": ["Heavy", "Odd", ""]}}}]})";

class MacroSettingsDialogTest : public ConstraintEditorTest {
protected:
    void SetUp() override {
        ConstraintEditorTest::SetUp();
        record_ = openDrawing(kDrawing, "A");
        ASSERT_TRUE(GetMacroSettings(record_.macroId, before_));
    }

    // Runs the dialog over the macro with the script's steps; true when it ended with OK.
    bool run() { return constraints::editMacroSettings(record_.macroId, nullptr); }
    MacroSettingsData after() const {
        MacroSettingsData s;
        EXPECT_TRUE(GetMacroSettings(record_.macroId, s));
        return s;
    }
    static HWND sheetOf(int page, int id) { return GetDlgItem(win::findOpenDialog(page), id); }
    // Where a cell of a page's sheet lies: learnt from a look at the dialog over the same
    // settings, as a person first sees where to click.
    POINT cellPoint(int page, int sheet, int col, int row) {
        POINT point{0, 0};
        win::testing::TestScript look;
        look.inspect([&] { point = spread_test::cellCenter(sheetOf(page, sheet), col, row); })
            .click(IDD_MACRO_SETTINGS, IDCANCEL);
        constraints::editMacroSettings(record_.macroId, nullptr);
        host::DrawingDatabase::instance().clearLog();
        return point;
    }
    void typeIntoCell(int page, int sheet, POINT at, const std::string& text) {
        script.clickAt(page, sheet, at).type(page, text).key(page, VK_RETURN);
    }
    // Clicks near the left edge (an editable list's edit part, not its arrow), selects all, types.
    void replaceText(int page, int id, const std::string& text) {
        script.clickAt(page, id, POINT{8, 8}).key(page, 'A', win::input::Control).type(page, text);
    }
    static std::string cell(int page, int sheet, int col, int row) {
        return spread_test::EngineProbe(sheetOf(page, sheet)).dataAt(col, row);
    }
    static int writes() { return count(drawingLog(), " settings #"); }
    template <typename T>
    static std::string js(const T& value) {
        return nlohmann::json(value).dump();
    }

    EditConstrData record_;
    MacroSettingsData before_;
};

TEST_F(MacroSettingsDialogTest, ShowingEveryPageOfTheSampleThenOkGivesBackTheSameRecord) {
    macro_model::Drawing::instance().clear();
    record_ = openSample("Plate");
    ASSERT_TRUE(GetMacroSettings(record_.macroId, before_));
    for (int tab = 1; tab < 5; ++tab) script.chooseTab(IDD_MACRO_SETTINGS, IDC_MS_TABS, tab);
    // 0.125 is shown with two decimals, and survives.
    script.inspect([] { EXPECT_EQ(control(IDD_MS_ANGLE_PAGE, IDC_MS_AXIS_VALUE_2).text, "0.12"); });
    script.click(IDD_MACRO_SETTINGS, IDOK);
    EXPECT_TRUE(run());
    EXPECT_EQ(js(after()), js(before_));
    EXPECT_EQ(drawingLog(), "1 settings #" + std::to_string(record_.macroId.asOldId()) + " no change\n");
}

TEST_F(MacroSettingsDialogTest, ShowingThenOkOnlyGrowsShortArraysAndPairsALoneNumber) {
    // Entry 1's mode (2) is one the radios cannot show.
    script.choose(IDD_MS_ANGLE_PAGE, IDC_MS_AXIS_LIST, 1);
    script.inspect([] {
        EXPECT_NE(control(IDD_MS_ANGLE_PAGE, IDC_MS_AXIS_MODE_0).check, BST_CHECKED);
        EXPECT_NE(control(IDD_MS_ANGLE_PAGE, IDC_MS_AXIS_MODE_1).check, BST_CHECKED);
    });
    for (int tab = 1; tab < 5; ++tab) script.chooseTab(IDD_MACRO_SETTINGS, IDC_MS_TABS, tab);
    script.inspect([] { EXPECT_EQ(cell(IDD_MS_TABLE_PAGE, IDC_MS_TABLE_SHEET, 2, 1), "0.125"); });
    script.click(IDD_MACRO_SETTINGS, IDOK);
    EXPECT_TRUE(run());
    MacroSettingsData expected = before_;
    expected.filterSettings.axisFilterEnabled = {false, true, false};
    expected.filterSettings.axisFilterValue2 = {0.125, 0, 0};
    expected.filterSettings.sectionAngleRanges = {{10, 20, 30, 0}};
    expected.listSettings.column2 = {"x", ""};
    EXPECT_EQ(js(after()), js(expected));
    EXPECT_EQ(writes(), 1);
}

TEST_F(MacroSettingsDialogTest, CancelWritesNothingAlthoughThePagesStored) {
    script.click(IDD_MS_ANGLE_PAGE, IDC_MS_USE_ANGLE);
    script.chooseTab(IDD_MACRO_SETTINGS, IDC_MS_TABS, 3);
    replaceText(IDD_MS_TABLE_PAGE, IDC_MS_TABLE_COUNT, "3");
    script.click(IDD_MACRO_SETTINGS, IDCANCEL);
    EXPECT_FALSE(run());
    EXPECT_EQ(after(), before_);
    EXPECT_EQ(drawingLog(), "");
}

TEST_F(MacroSettingsDialogTest, AKindWithoutNamesIsDisabledAndStoresNothing) {
    script.chooseTab(IDD_MACRO_SETTINGS, IDC_MS_TABS, 1);
    script.inspect([] {
        for (int id : {IDC_MS_PATH_LIST, IDC_MS_PATH_ENABLE, IDC_MS_PATH_GROUP, IDC_MS_PATH_VALUE_1})
            EXPECT_FALSE(control(IDD_MS_DISTANCE_PAGE, id).enabled) << id;
        EXPECT_TRUE(control(IDD_MS_DISTANCE_PAGE, IDC_MS_SIZE_LIST).enabled);
    });
    script.click(IDD_MACRO_SETTINGS, IDOK);
    EXPECT_TRUE(run());
    const MacroFilterSettings s = after().filterSettings;
    EXPECT_TRUE(s.pathDistanceEnabled.isEmpty());
    EXPECT_TRUE(s.pathDistanceValue1.isEmpty());
    EXPECT_TRUE(s.pathDistanceValue2.isEmpty());
}

TEST_F(MacroSettingsDialogTest, TheEnableBoxEnablesTheDetailsAndTextWithoutDigitsStoresZero) {
    script.inspect([] {
        // Entry 0 is off: its details are disabled.
        EXPECT_FALSE(control(IDD_MS_ANGLE_PAGE, IDC_MS_AXIS_VALUE_1).enabled);
    });
    script.click(IDD_MS_ANGLE_PAGE, IDC_MS_AXIS_ENABLE);
    script.inspect([] {
        EXPECT_TRUE(control(IDD_MS_ANGLE_PAGE, IDC_MS_AXIS_VALUE_1).enabled);
        EXPECT_EQ(win::describeWindow(sheetOf(IDD_MS_ANGLE_PAGE, IDC_MS_AXIS_LIST)).checkMarks[0], 1);
    });
    replaceText(IDD_MS_ANGLE_PAGE, IDC_MS_AXIS_VALUE_1, "abc");
    script.click(IDD_MS_ANGLE_PAGE, IDC_MS_AXIS_MODE_1);
    script.click(IDD_MACRO_SETTINGS, IDOK);
    EXPECT_TRUE(run());
    const MacroFilterSettings s = after().filterSettings;
    EXPECT_EQ(s.axisFilterEnabled.items()[0], true);
    EXPECT_EQ(s.axisFilterValue1[0], 0);
    EXPECT_EQ(s.axisFilterMode[0], 1);  // the radio the person chose is kept with the entry
    EXPECT_EQ(s.axisFilterMode[1], 2);  // a mode nobody touched stays
}

TEST_F(MacroSettingsDialogTest, AClickOnAMarkSelectsTheEntryAndSetsItsBox) {
    script.toggleCheck(IDD_MS_ANGLE_PAGE, IDC_MS_AXIS_LIST, 2);
    script.inspect([] {
        EXPECT_EQ(control(IDD_MS_ANGLE_PAGE, IDC_MS_AXIS_LIST).selection, 2);
        EXPECT_EQ(control(IDD_MS_ANGLE_PAGE, IDC_MS_AXIS_ENABLE).check, BST_CHECKED);
        EXPECT_TRUE(control(IDD_MS_ANGLE_PAGE, IDC_MS_AXIS_VALUE_1).enabled);
        EXPECT_EQ(control(IDD_MS_ANGLE_PAGE, IDC_MS_AXIS_MODE_1).check, BST_CHECKED);
    });
    // The box of the selected entry and its mark agree the other way too.
    script.click(IDD_MS_ANGLE_PAGE, IDC_MS_AXIS_ENABLE);
    script.inspect([] {
        EXPECT_EQ(win::describeWindow(sheetOf(IDD_MS_ANGLE_PAGE, IDC_MS_AXIS_LIST)).checkMarks,
                  (std::vector<int>{0, 1, 0}));
        EXPECT_FALSE(control(IDD_MS_ANGLE_PAGE, IDC_MS_AXIS_VALUE_1).enabled);
    });
    script.toggleCheck(IDD_MS_ANGLE_PAGE, IDC_MS_AXIS_LIST, 1);
    script.click(IDD_MACRO_SETTINGS, IDOK);
    EXPECT_TRUE(run());
    const MacroFilterSettings s = after().filterSettings;
    EXPECT_EQ(s.axisFilterEnabled.items(), (std::vector<bool>{false, false, false}));
}

TEST_F(MacroSettingsDialogTest, TheTopCheckBoxesAreWrittenWhenThePagesGo) {
    script.click(IDD_MS_ANGLE_PAGE, IDC_MS_USE_ANGLE);
    script.chooseTab(IDD_MACRO_SETTINGS, IDC_MS_TABS, 1);
    script.click(IDD_MS_DISTANCE_PAGE, IDC_MS_USE_DISTANCE);
    script.click(IDD_MACRO_SETTINGS, IDOK);
    EXPECT_TRUE(run());
    EXPECT_TRUE(after().filterSettings.useAngleFilters);
    EXPECT_TRUE(after().filterSettings.useDistanceFilters);
}

TEST_F(MacroSettingsDialogTest, SectionAngleRowsOfZerosOrNothingAreLeftOutAndAnEmptyCellIsZero) {
    const POINT r1c2 = cellPoint(IDD_MS_ANGLE_PAGE, IDC_MS_SECTION_SHEET, 2, 1);
    const POINT r2c1 = cellPoint(IDD_MS_ANGLE_PAGE, IDC_MS_SECTION_SHEET, 1, 2);
    const POINT r2c2 = cellPoint(IDD_MS_ANGLE_PAGE, IDC_MS_SECTION_SHEET, 2, 2);
    const POINT r4c1 = cellPoint(IDD_MS_ANGLE_PAGE, IDC_MS_SECTION_SHEET, 1, 4);
    script.inspect([] {
        // The lone last number shows as a row with an empty second cell.
        EXPECT_EQ(cell(IDD_MS_ANGLE_PAGE, IDC_MS_SECTION_SHEET, 1, 2), "30");
        EXPECT_EQ(cell(IDD_MS_ANGLE_PAGE, IDC_MS_SECTION_SHEET, 2, 2), "");
    });
    typeIntoCell(IDD_MS_ANGLE_PAGE, IDC_MS_SECTION_SHEET, r1c2, "0");
    script.clickAt(IDD_MS_ANGLE_PAGE, IDC_MS_SECTION_SHEET, r1c2);  // row 1 is now (10, 0)
    typeIntoCell(IDD_MS_ANGLE_PAGE, IDC_MS_SECTION_SHEET, r2c1, "0");
    typeIntoCell(IDD_MS_ANGLE_PAGE, IDC_MS_SECTION_SHEET, r2c2, "0");  // row 2 (0, 0)
    script.click(IDD_MS_ANGLE_PAGE, IDC_MS_SECTION_ADD);               // row 3 empty
    script.click(IDD_MS_ANGLE_PAGE, IDC_MS_SECTION_ADD);
    typeIntoCell(IDD_MS_ANGLE_PAGE, IDC_MS_SECTION_SHEET, r4c1, "5");  // row 4 (5, empty)
    script.click(IDD_MACRO_SETTINGS, IDOK);
    EXPECT_TRUE(run());
    EXPECT_EQ(js(after().filterSettings.sectionAngleRanges[0]), js(Kv_Array<double>{10, 0, 5, 0}));
}

TEST_F(MacroSettingsDialogTest, TemplateListsShowAndStoreTheChosenTemplateOnOkOnly) {
    const POINT first = cellPoint(IDD_MS_TEMPLATE_PAGE, IDC_MS_TEMPLATE_SHEET, 1, 1);
    script.chooseTab(IDD_MACRO_SETTINGS, IDC_MS_TABS, 2);
    script.inspect([] {
        EXPECT_EQ(control(IDD_MS_TEMPLATE_PAGE, IDC_MS_TEMPLATES).items,
                  (std::vector<std::string>{"Base Plate", "Connections\\End Plate", "Rafter", "Stiffener"}));
        EXPECT_EQ(cell(IDD_MS_TEMPLATE_PAGE, IDC_MS_TEMPLATE_SHEET, 1, 2), "b");
        EXPECT_EQ(control(IDD_MS_TEMPLATE_PAGE, IDC_MS_TEMPLATE_CHOICE).selection, 1);
    });
    // Insert goes below the current row, delete removes the current row.
    script.clickAt(IDD_MS_TEMPLATE_PAGE, IDC_MS_TEMPLATE_SHEET, first);
    script.click(IDD_MS_TEMPLATE_PAGE, IDC_MS_TEMPLATE_INSERT);
    script.type(IDD_MS_TEMPLATE_PAGE, "new").key(IDD_MS_TEMPLATE_PAGE, VK_RETURN);
    script.clickAt(IDD_MS_TEMPLATE_PAGE, IDC_MS_TEMPLATE_SHEET, first);
    script.click(IDD_MS_TEMPLATE_PAGE, IDC_MS_TEMPLATE_DELETE);
    // Template 1's text is not among the choices: no selection, and it is kept.
    script.choose(IDD_MS_TEMPLATE_PAGE, IDC_MS_TEMPLATES, 1);
    script.inspect([] { EXPECT_EQ(control(IDD_MS_TEMPLATE_PAGE, IDC_MS_TEMPLATE_CHOICE).selection, -1); });
    script.choose(IDD_MS_TEMPLATE_PAGE, IDC_MS_TEMPLATES, 2);
    script.choose(IDD_MS_TEMPLATE_PAGE, IDC_MS_TEMPLATE_CHOICE, "Standard");
    script.click(IDD_MACRO_SETTINGS, IDOK);
    EXPECT_TRUE(run());
    const MacroTemplateSettings t = after().templateSettings;
    EXPECT_EQ(js(t.perTemplateLists[0]), js(Kv_StringArray{"new", "b"}));
    EXPECT_EQ(js(t.perTemplateChoice), js(Kv_StringArray{"Heavy", "Odd", "Standard"}));
}

TEST_F(MacroSettingsDialogTest, CancelKeepsTheTemplateFields) {
    script.chooseTab(IDD_MACRO_SETTINGS, IDC_MS_TABS, 2);
    script.choose(IDD_MS_TEMPLATE_PAGE, IDC_MS_TEMPLATE_CHOICE, "Standard");
    script.choose(IDD_MS_TEMPLATE_PAGE, IDC_MS_TEMPLATES, 1);
    script.click(IDD_MACRO_SETTINGS, IDCANCEL);
    EXPECT_FALSE(run());
    EXPECT_EQ(after().templateSettings, before_.templateSettings);
}

TEST_F(MacroSettingsDialogTest, PerTemplateArraysOfDifferentLengthsShowAndStoreNothing) {
    MacroSettingsData s = before_;
    s.templateSettings.perTemplateChoice.removeLast();
    ASSERT_TRUE(SetMacroSettings(record_.macroId, s));
    const POINT first = cellPoint(IDD_MS_TEMPLATE_PAGE, IDC_MS_TEMPLATE_SHEET, 1, 1);
    script.chooseTab(IDD_MACRO_SETTINGS, IDC_MS_TABS, 2);
    script.inspect([] { EXPECT_EQ(cell(IDD_MS_TEMPLATE_PAGE, IDC_MS_TEMPLATE_SHEET, 1, 1), ""); });
    typeIntoCell(IDD_MS_TEMPLATE_PAGE, IDC_MS_TEMPLATE_SHEET, first, "typed");
    script.choose(IDD_MS_TEMPLATE_PAGE, IDC_MS_TEMPLATES, 2);
    script.click(IDD_MACRO_SETTINGS, IDOK);
    EXPECT_TRUE(run());
    EXPECT_EQ(after().templateSettings, s.templateSettings);
}

TEST_F(MacroSettingsDialogTest, ACountWithTrailingTextGivesItsNumberAndTheTableIsRebuiltFromEveryRow) {
    const POINT label2 = cellPoint(IDD_MS_TABLE_PAGE, IDC_MS_TABLE_SHEET, 1, 2);
    const POINT number2 = cellPoint(IDD_MS_TABLE_PAGE, IDC_MS_TABLE_SHEET, 2, 2);
    script.chooseTab(IDD_MACRO_SETTINGS, IDC_MS_TABS, 3);
    script.inspect([] {
        EXPECT_EQ(control(IDD_MS_TABLE_PAGE, IDC_MS_TABLE_FIRST).selection, 1);
        EXPECT_EQ(control(IDD_MS_TABLE_PAGE, IDC_MS_TABLE_SECOND).selection, -1);  // 7 cannot show
        EXPECT_EQ(control(IDD_MS_TABLE_PAGE, IDC_MS_TABLE_COUNT).text, "1");
    });
    replaceText(IDD_MS_TABLE_PAGE, IDC_MS_TABLE_COUNT, "2x");
    script.click(IDD_MS_TABLE_PAGE, IDC_MS_TABLE_ADD);
    typeIntoCell(IDD_MS_TABLE_PAGE, IDC_MS_TABLE_SHEET, label2, "Edge");
    typeIntoCell(IDD_MS_TABLE_PAGE, IDC_MS_TABLE_SHEET, number2, "12.5");
    script.click(IDD_MS_TABLE_PAGE, IDC_MS_TABLE_ADD);  // a third row left empty
    script.choose(IDD_MS_TABLE_PAGE, IDC_MS_TABLE_FIRST, 2);
    script.click(IDD_MACRO_SETTINGS, IDOK);
    EXPECT_TRUE(run());
    const MacroTableSettings t = after().tableSettings;
    EXPECT_EQ(t.count, 2);
    EXPECT_EQ(t.firstChoice, 2);
    EXPECT_EQ(t.secondChoice, 7);
    EXPECT_EQ(js(t.labels), js(Kv_StringArray{"Gap", "Edge", ""}));
    EXPECT_EQ(js(t.numbers), js(Kv_Array<double>{0.125, 12.5, 0}));
}

TEST_F(MacroSettingsDialogTest, TheListsThirdColumnChoosesNewOrARowByIndexAndItsFirstColumnIsLocked) {
    const POINT choice1 = cellPoint(IDD_MS_LIST_PAGE, IDC_MS_LIST_SHEET, 3, 1);
    script.chooseTab(IDD_MACRO_SETTINGS, IDC_MS_TABS, 4);
    script.inspect([] {
        const HWND sheet = sheetOf(IDD_MS_LIST_PAGE, IDC_MS_LIST_SHEET);
        spread_test::EngineProbe probe(sheet);
        EXPECT_TRUE(probe.locked(1, 1));
        EXPECT_EQ(probe.dataAt(3, 1), "2");
        EXPECT_EQ(probe.dataAt(3, 2), "");  // index 9 lies past the rows: shown as nothing
        EXPECT_EQ(probe.dataAt(2, 2), "");  // the short column reads as empty
        EXPECT_EQ(control(IDD_MS_LIST_PAGE, IDC_MS_LIST_FIRST_TEXT).text, "one");
    });
    // The drop-down opens on the click at entry 2; two steps up and Enter choose text 956.
    script.clickAt(IDD_MS_LIST_PAGE, IDC_MS_LIST_SHEET, choice1)
        .key(IDD_MS_LIST_PAGE, VK_UP)
        .key(IDD_MS_LIST_PAGE, VK_UP)
        .key(IDD_MS_LIST_PAGE, VK_RETURN);
    script.inspect([] { EXPECT_EQ(cell(IDD_MS_LIST_PAGE, IDC_MS_LIST_SHEET, 3, 1), dialString(956).c_str()); });
    replaceText(IDD_MS_LIST_PAGE, IDC_MS_LIST_SECOND_TEXT, "changed");
    script.click(IDD_MACRO_SETTINGS, IDOK);
    EXPECT_TRUE(run());
    const MacroListSettings l = after().listSettings;
    EXPECT_EQ(js(l.column3), js(Kv_Array<int>{0, 9}));
    EXPECT_EQ(js(l.column2), js(Kv_StringArray{"x", ""}));
    EXPECT_EQ(js(l.column1), js(Kv_StringArray{"P", "S"}));
    EXPECT_EQ(l.secondText, "changed");
}

// Through the editor's button.
TEST_F(MacroSettingsDialogTest, TheEditorsButtonWritesOnceOnOkAndNothingOnCancel) {
    ASSERT_NE(openModeless(record_), nullptr);
    EXPECT_TRUE(mainControl(IDC_EC_SETTINGS).enabled);
    script.click(IDD_EDIT_CONSTRAINTS, IDC_EC_SETTINGS);
    script.click(IDD_MS_ANGLE_PAGE, IDC_MS_USE_ANGLE);
    script.click(IDD_MACRO_SETTINGS, IDCANCEL);
    script.inspect([this] { EXPECT_EQ(writes(), 0); });
    script.click(IDD_EDIT_CONSTRAINTS, IDC_EC_SETTINGS);
    script.click(IDD_MS_ANGLE_PAGE, IDC_MS_USE_ANGLE);
    script.click(IDD_MACRO_SETTINGS, IDOK);
    script.runModeless();
    EXPECT_EQ(writes(), 1);
    EXPECT_EQ(count(drawingLog(), "settings filterSettings"), 1);
    EXPECT_TRUE(after().filterSettings.useAngleFilters);
}

TEST_F(MacroSettingsDialogTest, SettingsThatCannotBeReadOpenNothingAndWriteNothing) {
    EditConstrData other = record_;
    other.macroId = AcDbObjectId::fromOldId(9999);
    ASSERT_NE(openModeless(other), nullptr);
    script.click(IDD_EDIT_CONSTRAINTS, IDC_EC_SETTINGS);
    script.inspect([] { EXPECT_EQ(win::findOpenDialog(IDD_MACRO_SETTINGS), nullptr); });
    script.runModeless();
    EXPECT_EQ(writes(), 0);
    EXPECT_EQ(after(), before_);
}

}  // namespace

// The fuzzer's drive over a fixed set of inputs, so that the sanitizers of the test build see
// the pages on ragged settings too.
#include <random>

#include "macro_settings_drive.h"

namespace {

class SettingsDriveTest : public ConstraintEditorTest {};

TEST_F(SettingsDriveTest, RaggedSettingsNeverReachOutsideAnArray) {
    std::mt19937 random(41);
    for (int run = 0; run < 60; ++run) {
        std::vector<uint8_t> bytes(static_cast<size_t>(200 + run * 5));
        for (uint8_t& b : bytes) b = static_cast<uint8_t>(random());
        settings_fuzz::drive(bytes.data(), bytes.size());
        EXPECT_EQ(win::findOpenDialog(IDD_MACRO_SETTINGS), nullptr);
    }
}

}  // namespace
