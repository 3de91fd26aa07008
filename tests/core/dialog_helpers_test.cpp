#include "core/dialog_helpers.h"

#include <gtest/gtest.h>

#include "temp_folder.h"
#include "win/constants.h"
#include "win/messages.h"
#include "win/registry.h"
#include "win/resource.h"
#include "win/styles.h"
#include "win/system.h"
#include "win/winuser.h"

namespace {

constexpr int kCheck = 100, kCombo = 101, kEdit = 102;

INT_PTR plainDialogProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

class DialogHelpersTest : public ::testing::Test {
protected:
    void SetUp() override {
        win::resetWindowSystem();
        win::setRegistryFile(registry_.text() + "registry.json");
        win::DialogTemplate tmpl;
        tmpl.id = 9001;
        tmpl.caption = "Sizes";
        tmpl.style = WS_POPUP | WS_CAPTION | WS_THICKFRAME | WS_VISIBLE;
        tmpl.x = 100;
        tmpl.y = 80;
        tmpl.cx = 300;
        tmpl.cy = 200;
        tmpl.controls = {
            {kCheck, "BUTTON", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTO3STATE, 0, 10, 10, 100, 20, "Mixed"},
            {kCombo, "COMBOBOX", WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, 0, 10, 40, 100, 120, ""},
            {kEdit, "EDIT", WS_CHILD | WS_VISIBLE, 0, 10, 70, 100, 20, ""},
        };
        tmpl_ = tmpl;
        dialog_ = CreateDialogIndirectParam(win::instanceHandle(), &tmpl_, nullptr, plainDialogProc, 0);
        ASSERT_NE(dialog_, nullptr);
    }
    void TearDown() override {
        win::resetWindowSystem();
        win::setRegistryFile("");
    }
    RECT windowRect() {
        RECT r{};
        GetWindowRect(dialog_, &r);
        return r;
    }
    void storeRaw(const char* name, const char* text) {
        HKEY key = nullptr;
        ASSERT_EQ(
            RegCreateKeyEx(HKEY_CURRENT_USER, kvDialogSizesKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
            ERROR_SUCCESS);
        RegSetValueEx(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text), static_cast<DWORD>(strlen(text) + 1));
        RegCloseKey(key);
    }
    std::vector<std::string> comboItems() {
        std::vector<std::string> items;
        HWND combo = GetDlgItem(dialog_, kCombo);
        int count = static_cast<int>(SendMessage(combo, CB_GETCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            char buffer[64] = {};
            SendMessage(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(buffer));
            items.emplace_back(buffer);
        }
        return items;
    }

    TempFolder registry_;
    win::DialogTemplate tmpl_;
    HWND dialog_ = nullptr;
};

}  // namespace

TEST_F(DialogHelpersTest, SavedSizeIsRestoredKeepingThePlace) {
    MoveWindow(dialog_, 40, 30, 420, 260, TRUE);
    ASSERT_TRUE(WriteDlgSize(dialog_, "DLG_TEST"));
    MoveWindow(dialog_, 100, 80, 300, 200, TRUE);
    ASSERT_TRUE(ChangeDlgSize(dialog_, "DLG_TEST", false));
    RECT r = windowRect();
    EXPECT_EQ(r.left, 100);
    EXPECT_EQ(r.top, 80);
    EXPECT_EQ(r.right - r.left, 420);
    EXPECT_EQ(r.bottom - r.top, 260);
    ASSERT_TRUE(ChangeDlgSize(dialog_, "DLG_TEST", true));
    EXPECT_EQ(windowRect().left, 40);
    EXPECT_EQ(windowRect().top, 30);
}

TEST_F(DialogHelpersTest, SizesSurviveInTheRegistryFile) {
    MoveWindow(dialog_, 0, 0, 333, 222, TRUE);
    ASSERT_TRUE(WriteDlgSize(dialog_, "DLG_PERSIST"));
    win::setRegistryFile(registry_.text() + "registry.json");  // drops what was read, reads the file again
    RECT saved{};
    ASSERT_TRUE(readSavedDlgSize("DLG_PERSIST", saved));
    EXPECT_EQ(saved.right - saved.left, 333);
    EXPECT_EQ(saved.bottom - saved.top, 222);
}

TEST_F(DialogHelpersTest, UnusableStoredSizesLeaveTheDialogAlone) {
    RECT before = windowRect();
    EXPECT_FALSE(ChangeDlgSize(dialog_, "DLG_NEVER_SAVED", false));
    for (const char* bad : {"abc", "0 0 -5 10", "0 0 10", "0 0 99999 10", "0 0 10 10 junk"}) {
        storeRaw("DLG_BAD", bad);
        EXPECT_FALSE(ChangeDlgSize(dialog_, "DLG_BAD", true)) << bad;
    }
    RECT after = windowRect();
    EXPECT_TRUE(EqualRect(&before, &after));
}

TEST_F(DialogHelpersTest, RestoredPlaceStaysOnTheScreen) {
    storeRaw("DLG_FAR", "50000 -300 400 300");
    EXPECT_FALSE(ChangeDlgSize(dialog_, "DLG_FAR", true));  // beyond any screen: not usable
    int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    std::string text = std::to_string(screenWidth - 10) + " -300 400 300";
    storeRaw("DLG_EDGE", text.c_str());
    ASSERT_TRUE(ChangeDlgSize(dialog_, "DLG_EDGE", true));
    RECT r = windowRect();
    EXPECT_LE(r.right, screenWidth);
    EXPECT_EQ(r.top, 0);
}

TEST_F(DialogHelpersTest, DialogSizeReadsWindowOrClientAndFailsForMissingWindow) {
    int width = 0, height = 0;
    ASSERT_TRUE(getDlgSize(dialog_, width, height, false));
    EXPECT_EQ(width, 300);  // the template gives the client area
    EXPECT_EQ(height, 200);
    ASSERT_TRUE(getDlgSize(dialog_, width, height, true));
    RECT r = windowRect();
    EXPECT_EQ(width, r.right - r.left);
    EXPECT_GT(height, 200);  // frame and caption belong to the window
    DestroyWindow(dialog_);
    width = height = 7;
    EXPECT_FALSE(getDlgSize(dialog_, width, height, true));
    EXPECT_EQ(width, 7);
    EXPECT_FALSE(WriteDlgSize(dialog_, "DLG_GONE"));
    EXPECT_FALSE(getSafeDlgSize(dialog_, width, height));
    EXPECT_EQ(width, 200);
    EXPECT_EQ(height, 130);
}

TEST_F(DialogHelpersTest, ShowAndEnableByIdReportMissingControls) {
    EXPECT_TRUE(ShowOrHideCtrl(dialog_, kEdit, false));
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(dialog_, kEdit)));
    EXPECT_TRUE(EnDisCtrl(dialog_, kEdit, false));
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog_, kEdit)));
    EXPECT_TRUE(ShowOrHideCtrl(dialog_, kEdit, true));
    EXPECT_TRUE(IsWindowVisible(GetDlgItem(dialog_, kEdit)));
    EXPECT_FALSE(ShowOrHideCtrl(dialog_, 4242, true));
    EXPECT_FALSE(EnDisCtrl(dialog_, 4242, true));
}

TEST_F(DialogHelpersTest, TriStateBoxBecomesTwoState) {
    HWND box = GetDlgItem(dialog_, kCheck);
    SendMessage(box, BM_SETCHECK, BST_INDETERMINATE, 0);
    ASSERT_TRUE(disableTriState(dialog_, kCheck));
    EXPECT_EQ(SendMessage(box, BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(GetWindowLong(box, GWL_STYLE) & BS_TYPEMASK, static_cast<LONG>(BS_AUTOCHECKBOX));
    // Clicking now only toggles between checked and unchecked.
    for (int expected : {BST_CHECKED, BST_UNCHECKED, BST_CHECKED}) {
        SendMessage(box, BM_CLICK, 0, 0);
        win::pumpMessages();
        EXPECT_EQ(SendMessage(box, BM_GETCHECK, 0, 0), expected);
    }
    EXPECT_FALSE(disableTriState(dialog_, kEdit));
    EXPECT_FALSE(disableTriState(dialog_, 4242));
}

TEST_F(DialogHelpersTest, FillComboReplacesEntries) {
    ASSERT_TRUE(FillCombo(dialog_, kCombo, Kv_StringArray{"old"}, 0));
    ASSERT_TRUE(FillCombo(dialog_, kCombo, Kv_StringArray{"a", "b"}, 1));
    EXPECT_EQ(comboItems(), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(SendDlgItemMessage(dialog_, kCombo, CB_GETCURSEL, 0, 0), 1);
    ASSERT_TRUE(FillCombo(dialog_, kCombo, Kv_Array<int>{5, 10}, 7));
    EXPECT_EQ(comboItems(), (std::vector<std::string>{"5", "10"}));
    EXPECT_EQ(SendDlgItemMessage(dialog_, kCombo, CB_GETCURSEL, 0, 0), -1);
    ASSERT_TRUE(FillCombo(dialog_, kCombo, Kv_Array<double>{0.5, 2.0}, 1));
    EXPECT_EQ(comboItems(), (std::vector<std::string>{"0.5", "2.0"}));
    EXPECT_FALSE(FillCombo(dialog_, 4242, Kv_StringArray{"x"}));
}
