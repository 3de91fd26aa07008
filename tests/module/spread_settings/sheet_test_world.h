#pragma once
// What the settings and bill tests share: the module's fixture (FrameTest: the module attached,
// a scripted person), an installation folder and a registry of their own (both temporary), and
// a host dialog whose placeholder becomes a sheet.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <string>

#include "frame_test_support.h"
#include "temp_folder.h"
#include "sheet/sheet.h"
#include "spread/kv_spread.h"
#include "win/afxwin.h"
#include "win/registry.h"
#include "win/resource.h"
#include "win/system.h"

namespace sheet_test {

inline void writeBytes(const std::string& path, const std::string& bytes) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

inline std::string readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// One settings entry in the text form: name, type code and value, each ended by 0xA4.
inline std::string entry(const std::string& name, int type, const std::string& value) {
    return name + "\xA4" + std::to_string(type) + "\xA4" + value + "\xA4";
}

// Puts an environment variable for the life of the object.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const std::string& value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        setenv(name, value.c_str(), 1);
    }
    ~ScopedEnv() {
        if (old_)
            setenv(name_, old_->c_str(), 1);
        else
            unsetenv(name_);
    }

private:
    const char* name_;
    std::optional<std::string> old_;
};

class SheetWorld : public FrameTest {
protected:
    void prepareHost() override { win::setRegistryFile(registryFolder.file("registry.json")); }
    void releaseHost() override { win::setRegistryFile(""); }
    void TearDown() override {
        sheet.reset();
        if (hostDialog) hostDialog->DestroyWindow();
        hostDialog.reset();
        FrameTest::TearDown();
    }

    Kv_Spread& openSheet() {
        win::DialogTemplate tmpl;
        tmpl.id = 9401;
        tmpl.caption = "Host";
        tmpl.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE;
        tmpl.cx = 460;
        tmpl.cy = 300;
        tmpl.controls.push_back({500, "STATIC", WS_CHILD | WS_VISIBLE, 0, 10, 10, 425, 200, ""});
        hostDialog = std::make_unique<CDialog>();
        EXPECT_TRUE(hostDialog->CreateIndirect(tmpl));
        sheet = std::make_unique<Kv_Spread>(hostDialog.get());
        EXPECT_TRUE(sheet->attach(hostDialog.get(), 500));
        return *sheet;
    }

    void setRegistryValue(const char* name, const std::string& value) {
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyEx(HKEY_LOCAL_MACHINE, "Software\\Tornwick\\Spreadsheet Editor v1.0", 0, nullptr, 0,
                                 KEY_ALL_ACCESS, nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        RegSetValueEx(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                      static_cast<DWORD>(value.size() + 1));
        RegCloseKey(key);
    }

    // A settings file in the installation folder.
    void writeSettingsFile(const std::string& name, const std::string& bytes) {
        writeBytes(installFolder.file(name + ".twd"), bytes);
    }

    std::string tagOf(const Kv_Spread& s) {
        Kv_String tag;
        s.getCellText(SS_HEADER, SS_HEADER, tag, CellTextKind::Tag);
        return tag.str();
    }

    TempFolder installFolder, registryFolder, workFolder;
    ScopedEnv installEnv{"KV_DIR", installFolder.text()};
    std::unique_ptr<CDialog> hostDialog;
    std::unique_ptr<Kv_Spread> sheet;
};

}  // namespace sheet_test
