// The class layer: virtual dispatch, subclassing, typed FromHandle, pre-translation and data
// exchange.

#include <gtest/gtest.h>

#include "sample_dialogs.h"
#include "win/testing.h"

using win::testing::TestScript;

class ClassLayer : public win::testing::WindowSystemTest {};

namespace {

class Recorder : public CWnd {
public:
    std::vector<std::string> calls;
    void OnSize(UINT, int cx, int cy) override {
        calls.push_back("size " + std::to_string(cx) + "x" + std::to_string(cy));
    }
    void OnLButtonDown(UINT flags, CPoint p) override {
        calls.push_back("down " + std::to_string(p.x) + "," + std::to_string(p.y) +
                        ((flags & MK_SHIFT) ? " shift" : ""));
    }
    void OnKeyDown(UINT key, UINT, UINT) override { calls.push_back("key " + std::to_string(key)); }
    void OnDestroy() override {
        calls.push_back("destroy");
        CWnd::OnDestroy();
    }
};

}  // namespace

TEST_F(ClassLayer, MessagesReachTheVirtualHandlers) {
    Recorder wnd;
    ASSERT_TRUE(wnd.CreateEx(0, "#32770", "rec", WS_POPUP | WS_VISIBLE, CRect(10, 10, 110, 60), nullptr, 0));
    wnd.MoveWindow(10, 10, 200, 80);
    win::input::click(wnd, POINT{5, 6}, win::input::Shift);
    win::input::pressKey('A');
    win::pumpMessages();
    HWND hwnd = wnd.m_hWnd;
    wnd.DestroyWindow();
    EXPECT_FALSE(IsWindow(hwnd));
    // Shift is a key of its own: the focused window hears it go down before the click.
    std::vector<std::string> expected{"size 100x50", "size 200x80", "key 16", "down 5,6 shift", "key 65", "destroy"};
    EXPECT_EQ(wnd.calls, expected);
}

namespace {
class UpperEdit : public CEdit {
public:
    void OnChar(UINT ch, UINT, UINT) override {
        // Default() passes the message as it came; a changed character goes as a new message.
        if (ch >= 'a' && ch <= 'z') {
            CallWindowProc(m_pfnSuper, m_hWnd, WM_CHAR, ch - 'a' + 'A', 1);
            return;
        }
        Default();
    }
};
class UpperDialog : public MoreDialog {
public:
    UpperEdit edit;
    void DoDataExchange(CDataExchange* dx) override {
        DDX_Control(dx, IDC_MORE_TEXT, edit);
        MoreDialog::DoDataExchange(dx);
    }
};
}  // namespace

TEST_F(ClassLayer, SubclassedControlSeesMessagesFirst) {
    UpperDialog dlg;
    dlg.text = "";
    TestScript script;
    script.type(IDD_MORE, "ab1c").inspect([&] {
        EXPECT_EQ(CWnd::FromHandle(item(IDD_MORE, IDC_MORE_TEXT)), &dlg.edit);
    });
    script.key(IDD_MORE, VK_RETURN);
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.text, "AB1C");
    EXPECT_EQ(dlg.edit.m_hWnd, nullptr);  // let go when the window went
}

TEST_F(ClassLayer, FromHandleGivesAnObjectOfTheControlsClass) {
    SampleDialog dlg;
    TestScript script;
    script.inspect([&] {
        EXPECT_NE(dynamic_cast<CButton*>(dlg.GetDlgItem(IDC_ENABLED)), nullptr);
        EXPECT_NE(dynamic_cast<CEdit*>(dlg.GetDlgItem(IDC_NAME)), nullptr);
        EXPECT_EQ(dlg.GetDlgItem(IDC_KIND), &dlg.kind);
        EXPECT_EQ(dlg.GetDlgItem(4711), nullptr);
        EXPECT_EQ(CWnd::FromHandle(dlg.m_hWnd), &dlg);
    });
    script.key(IDD_SAMPLE, VK_ESCAPE);
    dlg.DoModal();
}

namespace {
class KeyEater : public SampleDialog {
public:
    int f3 = 0;
    BOOL PreTranslateMessage(MSG* msg) override {
        if (msg->message == WM_KEYDOWN && msg->wParam == VK_F3) {
            ++f3;
            return TRUE;
        }
        return SampleDialog::PreTranslateMessage(msg);
    }
};
}  // namespace

TEST_F(ClassLayer, PreTranslateMessageSeesKeysBeforeTheDialog) {
    KeyEater dlg;
    TestScript script;
    script.key(IDD_SAMPLE, VK_F3).key(IDD_SAMPLE, VK_F3).key(IDD_SAMPLE, VK_ESCAPE);
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(dlg.f3, 2);
}

TEST_F(ClassLayer, BadNumberKeepsTheDialogOpenWithAMessage) {
    SampleDialog dlg;
    TestScript script;
    script.key(IDD_SAMPLE, VK_TAB).type(IDD_SAMPLE, "12x").key(IDD_SAMPLE, VK_RETURN);
    script.inspect([] { EXPECT_EQ(win::messageBoxHistory().back().text, "Please enter an integer."); });
    script.answerMessageBox(IDOK).inspect([] {
        EXPECT_NE(win::findOpenDialog(IDD_SAMPLE), nullptr);
        EXPECT_EQ(focusedId(), IDC_VALUE);
    });
    script.key(IDD_SAMPLE, VK_END).key(IDD_SAMPLE, VK_BACK).key(IDD_SAMPLE, VK_RETURN);
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.value, 12);
}

TEST_F(ClassLayer, ClipboardHoldsText) {
    win::setClipboardText("Plate 10\xB0");
    ASSERT_TRUE(OpenClipboard(nullptr));
    HANDLE data = GetClipboardData(CF_TEXT);
    ASSERT_NE(data, nullptr);
    EXPECT_STREQ(static_cast<const char*>(GlobalLock(data)), "Plate 10\xB0");
    GlobalUnlock(data);
    EXPECT_TRUE(EmptyClipboard());
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_TEXT));
    EXPECT_TRUE(CloseClipboard());
    EXPECT_EQ(win::clipboardText(), "");
}

namespace {

// Two pages from one template, as a tabbed dialog holds them: a script addresses the one in
// front, and a hidden dialog is still found when it is the only one.
TEST_F(ClassLayer, AShownDialogIsFoundBeforeAHiddenOneOfTheSameTemplate) {
    CDialog first, second;
    ASSERT_TRUE(first.Create(IDD_MORE));
    ASSERT_TRUE(second.Create(IDD_MORE));
    first.ShowWindow(SW_SHOW);
    second.ShowWindow(SW_HIDE);
    EXPECT_EQ(win::findOpenDialog(IDD_MORE), first.m_hWnd);
    second.ShowWindow(SW_SHOW);
    EXPECT_EQ(win::findOpenDialog(IDD_MORE), second.m_hWnd);  // the newest of the shown ones
    first.ShowWindow(SW_HIDE);
    second.ShowWindow(SW_HIDE);
    EXPECT_EQ(win::findOpenDialog(IDD_MORE), second.m_hWnd);  // none shown: the newest
    first.DestroyWindow();
    second.DestroyWindow();
}

}  // namespace
