// The modeless macro dialogs as the package and a person use them: numbered slots, reading the
// record, the delayed close while the drawing is busy, closing from the dialog, unload.
#include <nlohmann/json.hpp>

#include "frame/callable_exports.h"
#include "frame/modeless_tables.h"
#include "frame/module_frame.h"
#include "host/command_line.h"
#include "host/main_window.h"
#include "macro/dlg_macro_modeless.h"
#include "macro_test_support.h"

namespace {

constexpr int kPlateWidth = 33001;  // the Base Plate template's width field

class ModelessMacroDialogs : public MacroDialogTest {
protected:
    void TearDown() override {
        setMacroBusyHold(0);
        DestroyAllMacroDlgsAtUnload();  // what a test left open
        MacroDialogTest::TearDown();
    }
    int open(bool keepFocus = true) {
        MacroData macro = sampleMacro();
        int id = -1;
        EXPECT_TRUE(StartDlgMacroModeless(keepFocus, macro, id));
        return id;
    }
    static int length() { return frame::ModelessMacroTable::instance().length(); }
    static bool isOpen(int id) { return frame::ModelessMacroTable::instance().at(id) != nullptr; }
    static int prompts() { return host::CommandLine::instance().commandPromptCount(); }
    static std::string commandLine() { return host::CommandLine::instance().text(); }
    // The person replaces the plate's width and leaves the field, which updates the drawing.
    void typeWidth(const char* width) {
        script.click(IDD_MACRO_TAB_PAGE, kPlateWidth)
            .key(IDD_MACRO_TAB_PAGE, VK_END)
            .key(IDD_MACRO_TAB_PAGE, VK_BACK)
            .key(IDD_MACRO_TAB_PAGE, VK_BACK)
            .key(IDD_MACRO_TAB_PAGE, VK_BACK)
            .type(IDD_MACRO_TAB_PAGE, width)
            .key(IDD_MACRO_TAB_PAGE, VK_TAB);
    }
};

TEST_F(ModelessMacroDialogs, NumbersTakeTheHighestFreeSlotAndTheTableTrimsOnlyAtItsEnd) {
    EXPECT_EQ(open(), 0);
    EXPECT_EQ(open(), 1);
    EXPECT_EQ(open(), 2);
    EXPECT_TRUE(EndDlgMacroModeless(0));
    EXPECT_TRUE(EndDlgMacroModeless(1));
    EXPECT_EQ(length(), 3);  // a middle slot keeps the length
    EXPECT_EQ(open(), 1);    // 0 and 1 free: the walk does not stop at the first
    EXPECT_EQ(open(), 0);
    EXPECT_EQ(open(), 3);  // none free: the table's length
    EXPECT_TRUE(EndDlgMacroModeless(1));
    EXPECT_TRUE(EndDlgMacroModeless(2));
    EXPECT_EQ(length(), 4);
    EXPECT_TRUE(EndDlgMacroModeless(3));  // the last slot goes with the free ones below it
    EXPECT_EQ(length(), 1);
    EXPECT_TRUE(isOpen(0));

    // A caller's bad numbers change nothing.
    const int promptsBefore = prompts();
    EXPECT_FALSE(EndDlgMacroModeless(-1));
    EXPECT_FALSE(EndDlgMacroModeless(1));
    EXPECT_FALSE(EndDlgMacroModeless(7));
    EXPECT_EQ(length(), 1);
    EXPECT_EQ(prompts(), promptsBefore);
    EXPECT_TRUE(EndDlgMacroModeless(0));
    EXPECT_FALSE(EndDlgMacroModeless(0));  // ending twice is harmless
    EXPECT_EQ(length(), 0);
    EXPECT_EQ(win::findOpenDialog(IDD_MACRO), nullptr);
    DestroyAllMacroDlgs();  // on an empty table
}

TEST_F(ModelessMacroDialogs, ReadingGivesThePagesAppliedEditAndAClosedNumberLeavesTheRecord) {
    const int id = open();
    typeWidth("250");
    script.runModeless();
    MacroData read;
    ASSERT_TRUE(GetDlgMacroData(id, read));
    EXPECT_EQ(read.tabs[0].cells[0].value, "250");
    EXPECT_EQ(log(), "1 UpdateModule #1 BasePlate\n2 set #1 cell.PLATE_W = \"250\"\n");

    ASSERT_TRUE(EndDlgMacroModeless(id));
    MacroData untouched;
    untouched.caption = "mine";
    EXPECT_FALSE(GetDlgMacroData(id, untouched));
    EXPECT_FALSE(GetDlgMacroData(-1, untouched));
    EXPECT_EQ(untouched.caption, "mine");
    EXPECT_TRUE(untouched.tabs.isEmpty());
}

TEST_F(ModelessMacroDialogs, ABusyDialogClosesOnTheFirstTickAfterItsUpdateEnded) {
    setMacroBusyHold(120);
    const int id = open();
    typeWidth("250");
    script.runModeless();
    const int promptsBefore = prompts();
    EXPECT_TRUE(EndDlgMacroModeless(id));
    EXPECT_TRUE(EndDlgMacroModeless(id));  // a second request while waiting arms no timer
    EXPECT_TRUE(isOpen(id));
    EXPECT_EQ(commandLine().find("Delayed"), std::string::npos);

    win::advanceClock(50);
    EXPECT_EQ(commandLine(), "Delayed timer called.\n");
    EXPECT_TRUE(isOpen(id));
    win::advanceClock(50);
    EXPECT_TRUE(isOpen(id));
    EXPECT_EQ(prompts(), promptsBefore);
    win::advanceClock(50);  // the hold ran out at 120
    EXPECT_FALSE(isOpen(id));
    EXPECT_EQ(win::findOpenDialog(IDD_MACRO), nullptr);
    EXPECT_EQ(commandLine(), "Delayed timer called.\nDelayed timer called.\nDelayed timer called.\n");
    EXPECT_EQ(prompts(), promptsBefore + 1);
    win::advanceClock(200);  // no timer is left
    EXPECT_EQ(commandLine(), "Delayed timer called.\nDelayed timer called.\nDelayed timer called.\n");
}

TEST_F(ModelessMacroDialogs, ClosingFromItsOwnCloseButtonWhileBusyWaitsLikeTheCaller) {
    setMacroBusyHold(60);
    const int id = open();
    typeWidth("250");
    script.click(IDD_MACRO, IDOK);
    script.runModeless();
    EXPECT_TRUE(isOpen(id));
    win::advanceClock(50);
    EXPECT_TRUE(isOpen(id));
    win::advanceClock(50);
    EXPECT_FALSE(isOpen(id));
    EXPECT_EQ(commandLine(), "Delayed timer called.\nDelayed timer called.\n");
}

TEST_F(ModelessMacroDialogs, UnloadClosesBusyAndIdleDialogsAndLeavesNoTimer) {
    setMacroBusyHold(500);
    const int busy = open();
    typeWidth("250");
    script.runModeless();
    open();
    EXPECT_TRUE(EndDlgMacroModeless(busy));  // waiting for its drawing
    ASSERT_EQ(length(), 2);
    acrxEntryPoint(AcRx::kUnloadAppMsg, reinterpret_cast<void*>(0x5150));
    EXPECT_EQ(length(), 0);
    EXPECT_EQ(win::findOpenDialog(IDD_MACRO), nullptr);
    // A dialog given the freed number is not closed by the old timer, which is gone too.
    const int reused = open();
    EXPECT_EQ(reused, busy);
    win::advanceClock(1000);
    EXPECT_EQ(commandLine().find("Delayed"), std::string::npos);
    EXPECT_TRUE(isOpen(reused));
    EXPECT_TRUE(EndDlgMacroModeless(reused));
}

TEST_F(ModelessMacroDialogs, DestroyAllOutsideTheUnloadKeepsTheDelayedClose) {
    setMacroBusyHold(70);
    const int id = open();
    typeWidth("250");
    script.runModeless();
    open();
    DestroyAllMacroDlgs();
    EXPECT_EQ(length(), 1);  // the idle one went, the busy one waits
    EXPECT_TRUE(isOpen(id));
    win::advanceClock(100);
    EXPECT_EQ(length(), 0);
}

// The dialog's own ways to close it each end it once, through its number.
class ModelessSelfClose : public ModelessMacroDialogs, public ::testing::WithParamInterface<int> {};

TEST_P(ModelessSelfClose, EndsTheDialogFreesItsNumberAndPostsThePromptOnce) {
    open();
    const int id = open();
    ASSERT_EQ(id, 1);
    const int promptsBefore = prompts();
    switch (GetParam()) {
    case 0: script.click(IDD_MACRO, IDOK); break;
    case 1: script.close(IDD_MACRO); break;
    case 2: script.click(IDD_MACRO_TAB_PAGE, kPlateWidth).key(IDD_MACRO_TAB_PAGE, VK_ESCAPE); break;
    case 3: script.click(IDD_MACRO, IDC_MACRO_APPLY_AGAIN); break;
    }
    script.runModeless();
    EXPECT_EQ(length(), 1);
    EXPECT_TRUE(isOpen(0));
    EXPECT_EQ(prompts(), promptsBefore + 1);
    EXPECT_EQ(open(), 1);  // the freed number is handed out again
}

INSTANTIATE_TEST_SUITE_P(Ways, ModelessSelfClose, ::testing::Values(0, 1, 2, 3));

TEST_F(ModelessMacroDialogs, AFailedApplyAgainLeavesTheDialogOpen) {
    const int id = open();
    host::DrawingDatabase::instance().eraseObject(instance_);
    script.click(IDD_MACRO, IDC_MACRO_APPLY_AGAIN);
    script.runModeless();
    EXPECT_TRUE(isOpen(id));
    EXPECT_NE(win::findOpenDialog(IDD_MACRO), nullptr);
}

TEST_F(ModelessMacroDialogs, FocusGoesBackToTheMainWindowUnlessTheDialogKeepsIt) {
    open(false);
    EXPECT_EQ(GetFocus(), host::mainWindowHandle());
    open(true);
    const HWND dialog = win::findOpenDialog(IDD_MACRO);
    EXPECT_TRUE(GetFocus() == dialog || IsChild(dialog, GetFocus()));
}

// The callables: the number comes out, the record named as given, a free number reads false.
TEST_F(ModelessMacroDialogs, TheCallablesOpenReadAndEndByNumber) {
    auto call = [](const char* name, const std::string& arguments) {
        int count = 0;
        const KvCallableExport* exports = kvCallableExports(&count);
        for (int i = 0; i < count; ++i) {
            if (std::string(exports[i].name) != name) continue;
            std::string outputs, error;
            EXPECT_TRUE(exports[i].call(arguments.c_str(), outputs, error)) << error;
            return outputs.empty() ? nlohmann::json() : nlohmann::json::parse(outputs);
        }
        ADD_FAILURE() << name << " is not a callable";
        return nlohmann::json();
    };
    const nlohmann::json started = call("StartDlgMacroModeless", R"({"keepFocus": true, "macro": {"ids": [1],
        "tabs": [{"kind": 0, "moduleName": "BasePlate", "title": "Plate", "templateFile": "Base Plate",
        "cells": [{"name": "PLATE_W", "value": "200"}]}]}})");
    EXPECT_EQ(started["result"], true);
    EXPECT_EQ(started["number"], 0);
    EXPECT_EQ(started["record"]["tabs"][0]["templateFile"], "Base Plate");
    EXPECT_EQ(call("GetDlgMacroData", R"({"number": 0})")["record"]["tabs"][0]["cells"][0]["value"], "200");
    EXPECT_EQ(call("EndDlgMacroModeless", R"({"number": 0})")["result"], true);
    const nlohmann::json gone = call("GetDlgMacroData", R"({"number": 0})");
    EXPECT_EQ(gone["result"], false);
    EXPECT_FALSE(gone.contains("record"));
}

}  // namespace
