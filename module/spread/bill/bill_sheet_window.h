#pragma once
// The hidden window a bill is written into: a dialog (resource 248) that is created modeless
// and never shown, owned by the host's main window, whose placeholder 1196 becomes the sheet.
// BillSheetHolder makes it once and destroys it with itself.

#include <memory>

#include "spread/kv_spread.h"
#include "win/afxwin.h"

class BillSheetWindow : public CDialog {
public:
    BillSheetWindow();
    ~BillSheetWindow() override;
    BOOL OnInitDialog() override;

    Kv_Spread sheet;
};

class BillSheetHolder {
public:
    BillSheetHolder() = default;
    BillSheetHolder(const BillSheetHolder&) = delete;
    BillSheetHolder& operator=(const BillSheetHolder&) = delete;
    ~BillSheetHolder();

    // Makes the window on the first call (inside the module's resource scope); true when it
    // exists with an attached sheet.
    bool create();
    // The window's sheet; nullptr before a successful create.
    Kv_Spread* getSheet() const;
    bool isCreated() const { return created; }

private:
    bool created = false;
    std::unique_ptr<BillSheetWindow> window;
};
