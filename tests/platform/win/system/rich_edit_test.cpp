// The rich edit field: a multi-line edit whose lines end at CR LF, LF CR, CR or LF alike.

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "win/input.h"
#include "win/readback.h"
#include "win/system.h"
#include "win/testing.h"
#include "win/winuser.h"

namespace {

class RichEdit : public win::testing::WindowSystemTest {
protected:
    HWND create(const char* cls) {
        HWND parent = CreateWindowEx(0, "STATIC", "", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 400, 300, nullptr,
                                     nullptr, nullptr, nullptr);
        HWND field = CreateWindowEx(0, cls, "", WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_WANTRETURN, 10, 10, 300, 200,
                                    parent, reinterpret_cast<HMENU>(static_cast<intptr_t>(1129)), nullptr, nullptr);
        EXPECT_NE(field, nullptr);
        return field;
    }
    static std::string line(HWND field, int n) {
        char buffer[256] = {};
        const WORD size = sizeof buffer - 1;
        std::memcpy(buffer, &size, sizeof size);
        const LRESULT got = SendMessage(field, EM_GETLINE, static_cast<WPARAM>(n), reinterpret_cast<LPARAM>(buffer));
        return std::string(buffer, static_cast<size_t>(got));
    }
    static int lines(HWND field) { return static_cast<int>(SendMessage(field, EM_GETLINECOUNT, 0, 0)); }
};

TEST_F(RichEdit, EveryKindOfLineBreakEndsALine) {
    HWND field = create("RichEdit20A");
    SetWindowText(field, "a = 1\n\rb = 2\r\nc = 3\rd = 4\ne = 5");
    ASSERT_EQ(lines(field), 5);
    const char* expected[] = {"a = 1", "b = 2", "c = 3", "d = 4", "e = 5"};
    for (int n = 0; n < 5; ++n) EXPECT_EQ(line(field, n), expected[n]) << n;
    // Where each line begins, and which line a character lies on (inside LF CR: the first).
    EXPECT_EQ(SendMessage(field, EM_LINEINDEX, 1, 0), 7);
    EXPECT_EQ(SendMessage(field, EM_LINEFROMCHAR, 6, 0), 0);
    EXPECT_EQ(SendMessage(field, EM_LINEFROMCHAR, 7, 0), 1);
    // Two breaks in a row are an empty line: LF CR LF CR.
    SetWindowText(field, "x\n\r\n\ry");
    EXPECT_EQ(lines(field), 3);
    EXPECT_EQ(line(field, 1), "");
    EXPECT_EQ(line(field, 2), "y");
}

TEST_F(RichEdit, APersonTypesAndErasesAcrossLineBreaks) {
    HWND field = create("RichEdit20A");
    SetWindowText(field, "p = 1\n\rq = 2");
    SetFocus(field);
    // End of the first line, then Down and Home: the start of "q = 2", not the CR before it.
    SendMessage(field, EM_SETSEL, 0, 0);
    win::input::pressKey(VK_END);
    win::input::pressKey(VK_DOWN);
    win::input::pressKey(VK_HOME);
    win::input::typeText("r");
    win::pumpMessages();
    EXPECT_EQ(win::describeWindow(field).text, "p = 1\n\rrq = 2");
    // Backspace twice: the r, then the whole LF CR break.
    win::input::pressKey(VK_BACK);
    win::input::pressKey(VK_BACK);
    win::pumpMessages();
    EXPECT_EQ(win::describeWindow(field).text, "p = 1q = 2");
    win::input::pressKey(VK_RETURN);
    win::pumpMessages();
    EXPECT_EQ(lines(field), 2);
    EXPECT_EQ(line(field, 1), "q = 2");
    EXPECT_EQ(win::describeWindow(field).kind, "edit");
}

TEST_F(RichEdit, ThePlainEditStillBreaksAtLineFeedsOnly) {
    HWND field = create("EDIT");
    SetWindowText(field, "a\r\nb\rc");
    EXPECT_EQ(lines(field), 2);
    EXPECT_EQ(line(field, 0), "a");
    EXPECT_EQ(line(field, 1), "b\rc");
}

}  // namespace
