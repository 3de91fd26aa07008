#pragma once
// What every frame test needs: a clean window system, host registry and command line, the
// module attached as the loader would attach it, and a scripted person whose failures fail
// the test.

#include <gtest/gtest.h>

#include "frame/module_frame.h"
#include "host/command_line.h"
#include "host/system_registry.h"
#include "win/input.h"
#include "win/system.h"

class FrameTest : public ::testing::Test {
protected:
    void SetUp() override {
        win::resetWindowSystem();
        acrxResetSysRegistry();
        host::CommandLine::instance().clear();
        ASSERT_EQ(DllMain(win::instanceHandle(), DLL_PROCESS_ATTACH, nullptr), 1);
        script.onFailure([](const std::string& failure) { ADD_FAILURE() << failure; });
        previousSource = win::setInputSource(&script);
    }
    void TearDown() override {
        win::setInputSource(previousSource);
        DllMain(win::instanceHandle(), DLL_PROCESS_DETACH, nullptr);
        win::resetWindowSystem();
    }

    win::ScriptedInput script;
    win::InputSource* previousSource = nullptr;
};
