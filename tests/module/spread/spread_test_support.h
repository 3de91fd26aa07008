#pragma once
// What the sheet tests share: a clean window system with the engine's window class, the
// module attached as the loader attaches it, a scripted person whose failures fail the test,
// and a small modeless host dialog with a placeholder control for a sheet.

#include <gtest/gtest.h>

#include <memory>

#include "engine_probe.h"
#include "frame_test_support.h"
#include "host/command_line.h"
#include "host/system_registry.h"
#include "spread/kv_spread.h"
#include "win/afxwin.h"
#include "win/input.h"
#include "win/readback.h"
#include "win/resource.h"
#include "win/system.h"

inline constexpr int kHostDialogId = 9301;
inline constexpr int kPlaceholderId = 500;

class SpreadTest : public FrameTest {
protected:
    void TearDown() override {
        sheet.reset();
        if (host) host->DestroyWindow();
        host.reset();
        FrameTest::TearDown();
    }

    // Opens the host dialog and attaches a sheet over its placeholder.
    Kv_Spread& openSheet(int cols = 0, int rows = 0) {
        win::DialogTemplate tmpl;
        tmpl.id = kHostDialogId;
        tmpl.caption = "Host";
        tmpl.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_VISIBLE;
        tmpl.cx = 460;
        tmpl.cy = 300;
        tmpl.controls.push_back({kPlaceholderId, "STATIC", WS_CHILD | WS_VISIBLE, 0, 10, 10, 425, 200, ""});
        tmpl.controls.push_back({IDOK, "BUTTON", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, 10, 230, 80, 24, "OK"});
        host = std::make_unique<CDialog>();
        EXPECT_TRUE(host->CreateIndirect(tmpl));
        sheet = std::make_unique<Kv_Spread>(host.get());
        EXPECT_TRUE(sheet->attach(host.get(), kPlaceholderId));
        sheet->setDefaults(0);
        if (cols > 0) sheet->setMaxCols(cols);
        if (rows > 0) sheet->setMaxRows(rows);
        return *sheet;
    }
    spread_test::EngineProbe engine() { return spread_test::EngineProbe(sheet->m_hWnd); }
    void clickCell(int col, int row) {
        win::input::click(sheet->m_hWnd, spread_test::cellCenter(sheet->m_hWnd, col, row));
        win::pumpMessages();
    }

    std::unique_ptr<CDialog> host;
    std::unique_ptr<Kv_Spread> sheet;
};
