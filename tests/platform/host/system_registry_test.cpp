#include "host/system_registry.h"

#include <gtest/gtest.h>

#include "host/acrx.h"

namespace {

int runs = 0;
void countRun() { ++runs; }

class SystemRegistryTest : public ::testing::Test {
protected:
    void SetUp() override { acrxResetSysRegistry(); }
    void TearDown() override { acrxResetSysRegistry(); }
};

}  // namespace

TEST_F(SystemRegistryTest, HoldsLinkerAndCommandStackUnderTheirNames) {
    ASSERT_NE(acrxDynamicLinker, nullptr);
    ASSERT_NE(acedRegCmds, nullptr);
    EXPECT_EQ(AcRxDynamicLinker::cast(acrxSysRegistry()->at(ACRX_COMMAND_DOCK)), nullptr);
    EXPECT_EQ(acrxSysRegistry()->at("NoSuchService"), nullptr);
}

TEST_F(SystemRegistryTest, LinkerRemembersUnlockAndMultiDrawingPerApplication) {
    int app = 0, other = 0;
    EXPECT_TRUE(acrxDynamicLinker->isApplicationLocked(&app));
    EXPECT_TRUE(acrxDynamicLinker->unlockApplication(&app));
    EXPECT_TRUE(acrxDynamicLinker->registerAppMDIAware(&app));
    EXPECT_FALSE(acrxDynamicLinker->isApplicationLocked(&app));
    EXPECT_TRUE(acrxDynamicLinker->isAppMDIAware(&app));
    EXPECT_TRUE(acrxDynamicLinker->isApplicationLocked(&other));
    EXPECT_FALSE(acrxDynamicLinker->isAppMDIAware(&other));
    EXPECT_FALSE(acrxDynamicLinker->unlockApplication(nullptr));
}

TEST_F(SystemRegistryTest, RemovingAGroupRemovesOnlyThatGroup) {
    AcEdCommandStack* stack = acedRegCmds;
    EXPECT_TRUE(stack->addCommand("KARVEL_SS", "SSEDIT", "SSEDIT", 0, countRun));
    EXPECT_TRUE(stack->addCommand("KARVEL_SS", "SSBILL", nullptr, 0, countRun));
    EXPECT_TRUE(stack->addCommand("OTHER", "SSEDIT", "EDIT2", 0, countRun));
    EXPECT_FALSE(stack->addCommand("KARVEL_SS", "SSEDIT", "X", 0, countRun));  // duplicate in a group
    EXPECT_EQ(stack->commandsOf("KARVEL_SS"), (std::vector<std::string>{"SSEDIT", "SSBILL"}));

    EXPECT_TRUE(stack->removeGroup("KARVEL_SS"));
    EXPECT_FALSE(stack->hasGroup("KARVEL_SS"));
    EXPECT_EQ(stack->groupNames(), (std::vector<std::string>{"OTHER"}));
    EXPECT_FALSE(stack->removeGroup("KARVEL_SS"));

    runs = 0;
    EXPECT_TRUE(stack->runCommand("EDIT2"));
    EXPECT_FALSE(stack->runCommand("SSBILL"));
    EXPECT_EQ(runs, 1);
}

TEST_F(SystemRegistryTest, RemovingOneCommandKeepsTheGroup) {
    AcEdCommandStack* stack = acedRegCmds;
    stack->addCommand("G", "A", "A", 0, nullptr);
    stack->addCommand("G", "B", "B", 0, nullptr);
    EXPECT_TRUE(stack->removeCmd("G", "A"));
    EXPECT_FALSE(stack->removeCmd("G", "A"));
    EXPECT_EQ(stack->commandsOf("G"), (std::vector<std::string>{"B"}));
}

TEST_F(SystemRegistryTest, ResetStartsAFreshRegistry) {
    acedRegCmds->addCommand("G", "A", "A", 0, nullptr);
    acrxResetSysRegistry();
    EXPECT_TRUE(acedRegCmds->groupNames().empty());
}
