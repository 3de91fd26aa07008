#pragma once
// What every small dialog test needs: a clean window system and host, the bundled English
// texts and a registry file of its own (remembered sizes), on the module's fixture (FrameTest:
// the module attached, a scripted person whose failures and unused steps fail the test).

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>

#include "core/kv_texts.h"
#include "frame_test_support.h"
#include "kv_source_dir.h"
#include "win/readback.h"
#include "win/registry.h"
#include "win/system.h"
#include "win/testing.h"

class SmallDialogTest : public FrameTest {
protected:
    void SetUp() override {
        std::random_device random;
        root_ = std::filesystem::temp_directory_path() /
                ("kvsmall-dialogs-" + std::to_string(random()) + std::to_string(random()));
        std::filesystem::create_directories(root_);
        setenv("KV_DIR", (kvSourceDir() + "/install/").c_str(), 1);
        setenv("KV_LANGUAGE", "en", 1);
        Kv_Texts::reload();
        FrameTest::SetUp();
    }
    void prepareHost() override { win::setRegistryFile((root_ / "registry.json").string()); }
    void releaseHost() override { win::setRegistryFile(""); }
    void TearDown() override {
        FrameTest::TearDown();
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
};
