// The macro input dialog as a person uses it: pages by tab, live edits, keys, buttons, size.
#include <fstream>

#include <nlohmann/json.hpp>

#include "core/path_mapping.h"
#include "frame/callable_exports.h"
#include "engine_probe.h"
#include "host/pick_input.h"
#include "macro_test_support.h"

namespace {

// Control ids of the Base Plate template (ids are given in file order from 33000).
constexpr int kPlateTitle = 33000, kPlateWidth = 33001, kPlateHeight = 33002, kPlateThickness = 33003;
constexpr int kBoltsX = 33004, kBoltsY = 33005, kGrout = 33006, kCutChoice = 33007;

class MacroDialogBasics : public MacroDialogTest {};

TEST_F(MacroDialogBasics, TypingAWidthUpdatesTheDrawingOnceAndCloseChangesTheViewFirst) {
    MacroData macro = sampleMacro();
    script
        .inspect([] {
            EXPECT_EQ(win::describeWindow(win::findOpenDialog(IDD_MACRO)).text, "Base plate connection");
            EXPECT_EQ(dialogControl(IDC_MACRO_TABS).items, (std::vector<std::string>{"Plate", "Stiffener", "Anchors"}));
            EXPECT_EQ(pageControl(kPlateWidth).text, "200");
            EXPECT_TRUE(pageControl(kPlateWidth).visible);
        })
        .click(IDD_MACRO_TAB_PAGE, kPlateWidth)
        .key(IDD_MACRO_TAB_PAGE, VK_END)
        .key(IDD_MACRO_TAB_PAGE, VK_BACK)
        .key(IDD_MACRO_TAB_PAGE, VK_BACK)
        .key(IDD_MACRO_TAB_PAGE, VK_BACK)
        .type(IDD_MACRO_TAB_PAGE, "250")
        .key(IDD_MACRO_TAB_PAGE, VK_TAB)
        .inspect([this] { EXPECT_EQ(log(), "1 UpdateModule #1 BasePlate\n2 set #1 cell.PLATE_W = \"250\"\n"); })
        .click(IDD_MACRO, IDOK);
    EXPECT_TRUE(StartDlgMacro(macro));
    EXPECT_TRUE(macro.closedByDialog);
    EXPECT_EQ(macro.tabs[0].cells[0].value, "250");
    // Closing turns the view back first.
    EXPECT_EQ(log(), "1 UpdateModule #1 BasePlate\n2 set #1 cell.PLATE_W = \"250\"\n3 view #1 previous\n");
}

}  // namespace

namespace {

class MacroDialogTestWithFiles : public MacroDialogTest {
protected:
    // A values file of the sample macro with two lines the macro cannot take.
    void writeValuesFileWithErrors(const char* name) {
        MacroData values = sampleMacro();
        values.tabs[0].cells[0].value = "333";
        Kv_String folder, extension;
        Kv_StringArray first, second;
        values.getPropFiles(folder, extension, first, second);
        std::filesystem::create_directories(kvMapPath(folder));
        std::ofstream(kvMapPath(folder + name + extension), std::ios::binary)
            << values.valuesText() << "BasePlate\tcell.NO_SUCH\t1\nthis line is no value\n";
    }
};

TEST(MacroDialogSizeName, OneInstanceItsModuleAGroupOrTheCountOfInstances) {
    MacroData macro;
    macro.moduleNames = {"BasePlate", "Stiffener"};
    macro.ids.append(AcDbObjectId::fromOldId(7));
    EXPECT_EQ(CDlgMacro::sizeStoreName(macro), "DLG_MACRO_EDITVARS_BasePlate");
    macro.ids.append(AcDbObjectId::fromOldId(8));
    macro.ids.append(AcDbObjectId::fromOldId(9));
    macro.groupKeys = {"PLATES"};
    macro.groupIndex = 0;
    EXPECT_EQ(CDlgMacro::sizeStoreName(macro), "DLG_MACRO_EDITVARS_GROUP_PLATES");
    // No valid group: past the end, and below 0 (which would read before the list).
    for (int index : {1, -1}) {
        macro.groupIndex = index;
        EXPECT_EQ(CDlgMacro::sizeStoreName(macro), "DLG_MACRO_EDITVARS_3_MACROS");
    }
}

// A tab whose kind makes no page has no entry either: entries, the start tab and the page shown
// stay in step.
TEST_F(MacroDialogBasics, TheStartTabAfterATabWithoutPageShowsItsOwnPage) {
    MacroData macro = sampleMacro();
    macro.tabs[0].kind = 7;  // no page
    macro.startTab = "Anchors";
    script
        .inspect([] {
            const win::WindowInfo tabs = dialogControl(IDC_MACRO_TABS);
            EXPECT_EQ(tabs.items, (std::vector<std::string>{"Stiffener", "Anchors"}));
            EXPECT_EQ(tabs.selection, 1);
            HWND page = win::findOpenDialog(IDD_MACRO_TAB_PAGE);
            spread_test::EngineProbe sheet(win::findControl(page, IDC_PAGE_SHEET));
            EXPECT_EQ(sheet.dataAt(1, 1), "ANCHOR_L");
        })
        .chooseTab(IDD_MACRO, IDC_MACRO_TABS, 0)
        .inspect([] { EXPECT_EQ(pageControl(33001).text, "10"); })  // STIFF_T of the Stiffener page
        .click(IDD_MACRO, IDOK);
    StartDlgMacro(macro);
}

// Leaving a page remembers where the focus was; coming back puts it there, a count field's
// selection included.
TEST_F(MacroDialogBasics, FocusComesBackToTheCellOrCountFieldWithItsSelection) {
    MacroData macro = sampleMacro();
    script
        .inspect([] {
            HWND sheetWindow = win::findControl(win::findOpenDialog(IDD_MACRO_TAB_PAGE), IDC_PAGE_SHEET);
            win::input::click(sheetWindow, spread_test::cellCenter(sheetWindow, 3, 2));
        })
        .chooseTab(IDD_MACRO, IDC_MACRO_TABS, 1)
        .chooseTab(IDD_MACRO, IDC_MACRO_TABS, 0)
        .inspect([] {
            HWND sheetWindow = win::findControl(win::findOpenDialog(IDD_MACRO_TAB_PAGE), IDC_PAGE_SHEET);
            EXPECT_TRUE(win::describeWindow(sheetWindow).focused);
            EXPECT_EQ(spread_test::EngineProbe(sheetWindow).activeRow(), 2);
        })
        .click(IDD_MACRO_TAB_PAGE, kBoltsX)
        .key(IDD_MACRO_TAB_PAGE, VK_HOME)
        .key(IDD_MACRO_TAB_PAGE, VK_RIGHT, win::input::Shift)
        .chooseTab(IDD_MACRO, IDC_MACRO_TABS, 2)
        .chooseTab(IDD_MACRO, IDC_MACRO_TABS, 0)
        .inspect([] {
            const win::WindowInfo count = pageControl(kBoltsX);
            EXPECT_TRUE(count.focused);
            EXPECT_EQ(count.selStart, 0);
            EXPECT_EQ(count.selEnd, 1);
        })
        .click(IDD_MACRO, IDOK);
    StartDlgMacro(macro);
}

TEST_F(MacroDialogTestWithFiles, ALoadWithErrorsSaysHowManyAndLoadsTheRest) {
    writeValuesFileWithErrors("BasePlate wide");
    MacroData macro = sampleMacro();
    std::string message;
    script.click(IDD_MACRO, IDC_MACRO_LOAD_VALUES)
        .choose(231, 1317, "BasePlate wide")
        .click(231, IDOK)
        .inspect([&] { message = win::dumpWindowTree(); })
        .answerMessageBox(IDOK)
        .inspect([] { EXPECT_EQ(pageControl(kPlateWidth).text, "333"); })
        .click(IDD_MACRO, IDOK);
    StartDlgMacro(macro);
    EXPECT_NE(message.find("There were 2 lines that could not be read"), std::string::npos) << message;
    EXPECT_EQ(macro.tabs[0].cells[0].value, "333");
    EXPECT_NE(log().find("set #1 cell.PLATE_W = \"333\""), std::string::npos) << log();
}

TEST_F(MacroDialogBasics, AFilterChangeAndPickingOtherMacrosBuildThePagesAgain) {
    MacroData macro = sampleMacro();
    HWND pageBefore = nullptr;
    bool shownDuringPick = true;
    script.inspect([&] { pageBefore = win::findOpenDialog(IDD_MACRO_TAB_PAGE); })
        .choose(IDD_MACRO, IDC_MACRO_GROUP_FILTER, 1)
        .inspect([&] {
            EXPECT_NE(win::findOpenDialog(IDD_MACRO_TAB_PAGE), pageBefore);
            pageBefore = win::findOpenDialog(IDD_MACRO_TAB_PAGE);
        })
        .click(IDD_MACRO, IDC_MACRO_SELECT_OTHER)
        .inspect([&] { shownDuringPick = win::describeWindow(win::findOpenDialog(IDD_MACRO)).visible; });
    host::answerPick(script, {static_cast<double>(otherInstance_.asOldId())});
    host::cancelPick(script);
    script
        .inspect([&] {
            EXPECT_TRUE(win::describeWindow(win::findOpenDialog(IDD_MACRO)).visible);
            EXPECT_NE(win::findOpenDialog(IDD_MACRO_TAB_PAGE), pageBefore);
        })
        .click(IDD_MACRO, IDOK);
    StartDlgMacro(macro);
    EXPECT_FALSE(shownDuringPick);
    EXPECT_EQ(macro.groupIndex, 1);
    ASSERT_EQ(macro.ids.length(), 1);
    EXPECT_EQ(macro.ids[0], otherInstance_);
}

}  // namespace

namespace {

const KvCallableExport* startDlgMacroExport() {
    int count = 0;
    const KvCallableExport* exports = kvCallableExports(&count);
    for (int i = 0; i < count; ++i)
        if (std::string(exports[i].name) == "StartDlgMacro") return &exports[i];
    return nullptr;
}

// The callable takes a template named below the template folder, gives the record back with
// the name as given, and refuses a record of the wrong shape naming the member.
TEST_F(MacroDialogBasics, TheCallableCompletesTemplateNamesAndRefusesWrongShapes) {
    const KvCallableExport* call = startDlgMacroExport();
    ASSERT_NE(call, nullptr);
    std::string outputs, error;
    script.inspect([] { EXPECT_EQ(pageControl(kPlateWidth).text, "200"); }).click(IDD_MACRO, IDOK);
    ASSERT_TRUE(call->call(R"({"macro": {"ids": [1], "tabs": [{"kind": 1, "moduleName": "BasePlate",
        "title": "Plate", "templateFile": "Base Plate", "cells": [{"name": "PLATE_W", "value": "200"}]}]}})",
                           outputs, error))
        << error;
    const nlohmann::json result = nlohmann::json::parse(outputs);
    EXPECT_EQ(result["result"], true);
    EXPECT_EQ(result["record"]["tabs"][0]["templateFile"], "Base Plate");
    EXPECT_EQ(result["record"]["closedByDialog"], true);
    EXPECT_FALSE(call->call(R"({"macro": {"tabs": [{"kind": "one"}]}})", outputs, error));
    EXPECT_NE(error.find("kind"), std::string::npos) << error;
}

}  // namespace

namespace {

// Save applies the pages first, then writes the values file the person names; apply again
// rebuilds the macros and closes.
TEST_F(MacroDialogBasics, SaveWritesTheNamedValuesFileAndApplyAgainCloses) {
    MacroData macro = sampleMacro();
    script.click(IDD_MACRO_TAB_PAGE, kPlateWidth)
        .key(IDD_MACRO_TAB_PAGE, VK_END)
        .type(IDD_MACRO_TAB_PAGE, "5")
        .click(IDD_MACRO, IDC_MACRO_SAVE_VALUES)
        .click(231, 1043)
        .type(231, "BasePlate wider")
        .click(231, IDOK)
        .click(IDD_MACRO, IDC_MACRO_APPLY_AGAIN);
    EXPECT_TRUE(StartDlgMacro(macro));
    Kv_String folder, extension;
    Kv_StringArray first, second;
    macro.getPropFiles(folder, extension, first, second);
    EXPECT_TRUE(second.contains("BasePlate wider"));
    MacroData loaded = sampleMacro();
    int errors = -1;
    ASSERT_TRUE(loaded.readFromFile("BasePlate wider", errors));
    EXPECT_EQ(errors, 0);
    EXPECT_EQ(loaded.tabs[0].cells[0].value, "2005");  // typed before saving: applied first
    EXPECT_NE(log().find("reApply #1"), std::string::npos) << log();
}

}  // namespace
