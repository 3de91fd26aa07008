#include <gtest/gtest.h>

#include <vector>

#include "frame/modeless_tables.h"
#include "frame/module_frame.h"
#include "frame_test_support.h"
#include "win/readback.h"
#include "win/wingdi.h"

namespace {

void* const kAppHandle = reinterpret_cast<void*>(0x5150);

void noCommand() {}

// Stands in for a modeless dialog: ends by leaving its table, as the real ones do.
class FakeModeless : public frame::ModelessDialog {
public:
    FakeModeless(std::vector<int>& ended, int slot) : ended_(ended), slot_(slot) {}
    bool endModeless() override {
        ended_.push_back(slot_);
        if (slot_ >= 0)
            frame::ModelessMacroTable::instance().release(slot_);
        else
            frame::setModelessConstraintEditor(nullptr);
        return true;
    }

private:
    std::vector<int>& ended_;
    int slot_;
};

using ModuleEntryTest = FrameTest;

TEST_F(ModuleEntryTest, InitialiseUnlocksRegistersAndLoadsTheCheckPictures) {
    EXPECT_EQ(acrxEntryPoint(AcRx::kInitAppMsg, kAppHandle), AcRx::kRetOK);
    EXPECT_FALSE(acrxDynamicLinker->isApplicationLocked(kAppHandle));
    EXPECT_TRUE(acrxDynamicLinker->isAppMDIAware(kAppHandle));
    for (bool checked : {false, true}) {
        HBITMAP picture = frame::checkCellBitmap(checked);
        ASSERT_NE(picture, nullptr);
        BITMAP info{};
        ASSERT_NE(GetObject(picture, sizeof info, &info), 0);
        EXPECT_EQ(info.bmWidth, 13);
        EXPECT_EQ(info.bmHeight, 13);
    }
    EXPECT_NE(frame::checkCellBitmap(false), frame::checkCellBitmap(true));
}

TEST_F(ModuleEntryTest, UnloadWithNothingOpenOnlyRemovesTheModulesCommandGroup) {
    acrxEntryPoint(AcRx::kInitAppMsg, kAppHandle);
    acedRegCmds->addCommand("KARVEL_SS", "SSEDIT", "SSEDIT", 0, &noCommand);
    acedRegCmds->addCommand("KARVEL_SS", "SSBILL", "SSBILL", 0, &noCommand);
    acedRegCmds->addCommand("KARVEL_MAIN", "KVMACRO", "KVMACRO", 0, &noCommand);
    const std::vector<HWND> windowsBefore = win::topLevelWindows();
    host::CommandLine::instance().clear();

    EXPECT_EQ(acrxEntryPoint(AcRx::kUnloadAppMsg, kAppHandle), AcRx::kRetOK);

    EXPECT_FALSE(acedRegCmds->hasGroup("KARVEL_SS"));
    EXPECT_EQ(acedRegCmds->groupNames(), std::vector<std::string>{"KARVEL_MAIN"});
    EXPECT_EQ(acedRegCmds->commandsOf("KARVEL_MAIN"), std::vector<std::string>{"KVMACRO"});
    EXPECT_EQ(win::topLevelWindows(), windowsBefore);
    EXPECT_EQ(host::CommandLine::instance().text(), "");
    EXPECT_TRUE(host::CommandLine::instance().events().empty());
    EXPECT_TRUE(acrxDynamicLinker->isAppMDIAware(kAppHandle));
}

TEST_F(ModuleEntryTest, UnloadClosesModelessDialogsFromTheLastSlotDownAndThenTheEditor) {
    std::vector<int> ended;
    FakeModeless first(ended, 0), third(ended, 2), editor(ended, -1);
    frame::ModelessMacroTable& table = frame::ModelessMacroTable::instance();
    table.put(0, &first);
    table.put(2, &third);
    frame::setModelessConstraintEditor(&editor);

    acrxEntryPoint(AcRx::kUnloadAppMsg, kAppHandle);

    EXPECT_EQ(ended, (std::vector<int>{2, 0, -1}));
    EXPECT_EQ(table.length(), 0);
    EXPECT_EQ(frame::modelessConstraintEditor(), nullptr);
}

TEST_F(ModuleEntryTest, OtherMessagesDoNothing) {
    acedRegCmds->addCommand("KARVEL_SS", "SSEDIT", "SSEDIT", 0, &noCommand);
    EXPECT_EQ(acrxEntryPoint(AcRx::kLoadDwgMsg, kAppHandle), AcRx::kRetOK);
    EXPECT_TRUE(acedRegCmds->hasGroup("KARVEL_SS"));
    EXPECT_EQ(frame::checkCellBitmap(true), nullptr);
}

TEST(ModuleAttach, RefusedWhenTheModulesResourcesAreMissing) {
    EXPECT_FALSE(frame::attachModule(nullptr, "no such table"));
    EXPECT_FALSE(frame::isAttached());
    EXPECT_EQ(DllMain(nullptr, DLL_THREAD_ATTACH, nullptr), 1);
}

TEST(ModelessMacroTable, ReleasingTheLastSlotDropsTheFreeSlotsBelowIt) {
    frame::ModelessMacroTable& table = frame::ModelessMacroTable::instance();
    std::vector<int> ended;
    FakeModeless a(ended, 0), c(ended, 3);
    table.put(0, &a);
    table.put(3, &c);
    EXPECT_EQ(table.length(), 4);
    table.release(0);  // a middle slot: the length stays
    EXPECT_EQ(table.length(), 4);
    table.put(0, &a);
    table.release(3);  // the last slot: 3, 2 and 1 go, 0 holds a dialog
    EXPECT_EQ(table.length(), 1);
    EXPECT_EQ(table.at(0), &a);
    EXPECT_EQ(table.at(7), nullptr);
    table.release(0);
    EXPECT_EQ(table.length(), 0);
}

TEST_F(ModuleEntryTest, ProfileCutsFlagStartsFalseAndLastsUntilDetach) {
    EXPECT_FALSE(frame::profCutsRememberedFlag());
    frame::rememberProfCutsFlag(true);
    acrxEntryPoint(AcRx::kUnloadAppMsg, kAppHandle);
    EXPECT_TRUE(frame::profCutsRememberedFlag());
    DllMain(win::instanceHandle(), DLL_PROCESS_DETACH, nullptr);
    DllMain(win::instanceHandle(), DLL_PROCESS_ATTACH, nullptr);
    EXPECT_FALSE(frame::profCutsRememberedFlag());
}

}  // namespace
