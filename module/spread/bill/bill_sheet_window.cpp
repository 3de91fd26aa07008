#include "spread/bill/bill_sheet_window.h"

#include "frame/module_resource_scope.h"
#include "host/main_window.h"
#include "spread/bill/bill_ids.h"

BillSheetWindow::BillSheetWindow() : sheet(this) {}

BillSheetWindow::~BillSheetWindow() {
    if (m_hWnd && ::IsWindow(m_hWnd)) DestroyWindow();
}

BOOL BillSheetWindow::OnInitDialog() {
    CDialog::OnInitDialog();
    sheet.attach(this, IDC_BILL_SHEET, false);
    return TRUE;
}

BillSheetHolder::~BillSheetHolder() { window.reset(); }

bool BillSheetHolder::create() {
    if (created) return getSheet() != nullptr;
    frame::ModuleResourceScope scope;
    CWnd* mainWindow = host::mainWindow();
    auto made = std::make_unique<BillSheetWindow>();
    if (!made->Create(IDD_BILL_SHEET, mainWindow)) return false;
    created = true;
    window = std::move(made);
    // Creating a dialog may take the focus; the person goes on working in the drawing.
    if (mainWindow && mainWindow->m_hWnd) ::SetFocus(mainWindow->m_hWnd);
    return getSheet() != nullptr;
}

Kv_Spread* BillSheetHolder::getSheet() const {
    if (!created || !window || !window->sheet.isAttached()) return nullptr;
    return &window->sheet;
}
