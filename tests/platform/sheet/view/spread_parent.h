// A parent window that records what a sheet window tells it.
#pragma once

#include <vector>

#include "sheet/ss_api.h"
#include "win/messages.h"
#include "win/system.h"
#include "win/testing.h"
#include "win/winuser.h"

struct Heard {
    UINT msg;
    WORD code;  // WM_COMMAND: the notification code
    SS_COORD col, row;
    BOOL changed;
};

inline std::vector<Heard>& heard() {
    static std::vector<Heard> log;
    return log;
}

inline LRESULT parentProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_COMMAND) {
        heard().push_back({msg, HIWORD(wParam), 0, 0, FALSE});
        return 0;
    }
    if (msg == SSM_CLICK || msg == SSM_DBLCLK || msg == SSM_RBUTTON) {
        auto* c = reinterpret_cast<SS_CELLCOORD*>(lParam);
        heard().push_back({msg, 0, c->Col, c->Row, FALSE});
        return 0;
    }
    if (msg == SSM_EDITMODEOFF) {
        auto* e = reinterpret_cast<SS_EDITMODEOFF*>(lParam);
        heard().push_back({msg, 0, e->Col, e->Row, e->fChangeMade});
        return 0;
    }
    if (msg == SSM_LEAVECELL) {
        auto* l = reinterpret_cast<SS_LEAVECELL*>(lParam);
        heard().push_back({msg, 0, l->NewCol, l->NewRow, FALSE});
        return 0;
    }
    return DefWindowProc(hwnd, msg, wParam, lParam);
}

class SpreadTest : public win::testing::WindowSystemTest {
protected:
    void SetUp() override {
        WindowSystemTest::SetUp();
        heard().clear();
        ASSERT_TRUE(SSRegisterClass());
        WNDCLASS wc;
        wc.lpfnWndProc = parentProc;
        wc.lpszClassName = "KvSheetTestParent";
        RegisterClass(&wc);
        parent = CreateWindowEx(0, "KvSheetTestParent", "parent", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 800, 600,
                                nullptr, nullptr, nullptr, nullptr);
        sheetWnd = CreateWindowEx(0, kSpreadClassName, "", WS_CHILD | WS_VISIBLE, 0, 0, 700, 500, parent,
                                  reinterpret_cast<HMENU>(static_cast<intptr_t>(1004)), nullptr, nullptr);
        ASSERT_NE(sheetWnd, nullptr);
        SSSetMaxCols(sheetWnd, 5);
        SSSetMaxRows(sheetWnd, 8);
        SSSetColWidthInPixels(sheetWnd, SS_HEADER, 40);
        for (int c = 1; c <= 5; ++c) SSSetColWidthInPixels(sheetWnd, c, 60);
        for (int r = 0; r <= 8; ++r) SSSetRowHeightInPixels(sheetWnd, r == 0 ? SS_HEADER : r, 20);
    }
    // The centre of a cell in the sheet's client area.
    POINT centre(SS_COORD col, SS_COORD row) const { return {40 + (col - 1) * 60 + 30, 20 + (row - 1) * 20 + 10}; }
    void click(SS_COORD col, SS_COORD row) {
        win::input::click(sheetWnd, centre(col, row));
        win::pumpMessages();
    }
    void key(UINT vk, unsigned modifiers = 0) {
        win::input::pressKey(vk, modifiers);
        win::pumpMessages();
    }
    void type(const std::string& text) {
        win::input::typeText(text);
        win::pumpMessages();
    }
    int count(UINT msg, WORD code = 0) const {
        int n = 0;
        for (const Heard& h : heard()) n += h.msg == msg && h.code == code;
        return n;
    }
    std::string data(SS_COORD col, SS_COORD row) const {
        std::string text(SSGetDataLen(sheetWnd, col, row) + 1, '\0');
        SSGetData(sheetWnd, col, row, text.data());
        text.resize(std::strlen(text.c_str()));
        return text;
    }
    HWND parent = nullptr;
    HWND sheetWnd = nullptr;
};
