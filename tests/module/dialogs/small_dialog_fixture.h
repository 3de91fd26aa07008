#pragma once
// What every small dialog test needs: a clean window system and host, the bundled English
// texts, a registry file of its own (remembered sizes), the module attached as the loader
// attaches it, and a scripted person whose failures and unused steps fail the test.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>

#include "core/kv_texts.h"
#include "frame/module_frame.h"
#include "host/command_line.h"
#include "host/system_registry.h"
#include "kv_source_dir.h"
#include "win/readback.h"
#include "win/registry.h"
#include "win/system.h"
#include "win/testing.h"

class SmallDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::random_device random;
        root_ = std::filesystem::temp_directory_path() /
                ("kvsmall-dialogs-" + std::to_string(random()) + std::to_string(random()));
        std::filesystem::create_directories(root_);
        setenv("KV_DIR", (kvSourceDir() + "/install/").c_str(), 1);
        setenv("KV_LANGUAGE", "en", 1);
        Kv_Texts::reload();
        win::resetWindowSystem();
        acrxResetSysRegistry();
        host::CommandLine::instance().clear();
        win::setRegistryFile((root_ / "registry.json").string());
        ASSERT_EQ(DllMain(win::instanceHandle(), DLL_PROCESS_ATTACH, nullptr), 1);
    }
    void TearDown() override {
        DllMain(win::instanceHandle(), DLL_PROCESS_DETACH, nullptr);
        win::resetWindowSystem();
        win::setRegistryFile("");
        unsetenv("KV_DIR");
        unsetenv("KV_LANGUAGE");
        std::error_code ec;
        std::filesystem::remove_all(root_, ec);
    }

    // A control of the open dialog with that resource id, as a person sees it.
    static win::WindowInfo control(int dialogId, int id) {
        return win::describeWindow(GetDlgItem(win::findOpenDialog(dialogId), id));
    }
    static std::string caption(int dialogId) { return win::describeWindow(win::findOpenDialog(dialogId)).text; }

    std::filesystem::path root_;
    win::testing::TestScript script;
};
