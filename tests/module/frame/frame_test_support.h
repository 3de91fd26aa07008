#pragma once
// The one fixture of the module's tests: a clean window system, host registry and command line,
// the module attached as the loader would attach it, and a scripted person whose failures and
// unused steps (an inspect step that never ran included) fail the test.
//
// Fixtures that need a registry file or a window class of their own set them up in
// prepareHost(), which runs after the reset and before the module is attached, and undo them
// in releaseHost(), which runs after the module is detached.

#include <gtest/gtest.h>

#include "frame/module_frame.h"
#include "host/command_line.h"
#include "host/system_registry.h"
#include "win/input.h"
#include "win/system.h"
#include "win/testing.h"

class FrameTest : public ::testing::Test {
protected:
    void SetUp() override {
        win::resetWindowSystem();
        acrxResetSysRegistry();
        host::CommandLine::instance().clear();
        prepareHost();
        ASSERT_EQ(DllMain(win::instanceHandle(), DLL_PROCESS_ATTACH, nullptr), 1);
    }
    void TearDown() override {
        DllMain(win::instanceHandle(), DLL_PROCESS_DETACH, nullptr);
        win::resetWindowSystem();
        releaseHost();
    }
    virtual void prepareHost() {}
    virtual void releaseHost() {}

    win::testing::TestScript script;
};
