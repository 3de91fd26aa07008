// GridDlg and startGridDialog: the string-array grid.
#include "spread/grid_dlg.h"

#include <algorithm>

#include "core/dialog_helpers.h"
#include "core/kv_texts.h"
#include "frame/dialog_launcher.h"
#include "spread/spread_ids.h"

GridDlg::GridDlg(CWnd* parent) : CDialog(IDD_SS_STRINGARRAY, parent), sheet(this) {}

BOOL GridDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    sheet.attach(this, IDC_GRID_SHEET);
    sheet.setDefaults(1);
    sheet.setResizeMode(1, 0, 0);

    // The template's own size is the smallest the grid may get; a remembered size comes after.
    getDlgSize(m_hWnd, minWidth, minHeight, true);
    layout.record(m_hWnd);
    layout.setAnchors(IDC_GRID_SHEET, 6, 6);
    layout.setAnchors(IDOK, 3, 5);
    layout.setAnchors(IDCANCEL, 3, 5);
    layout.setAnchors(IDC_GRID_ADD, 5, 5);
    layout.setAnchors(IDC_GRID_REMOVE, 5, 5);
    ChangeDlgSize(m_hWnd, dlgName, false);
    keepAtLeastTemplateSize();

    SetWindowText(title.c_str());
    SetDlgItemText(IDOK, dialString(1).c_str());
    SetDlgItemText(IDCANCEL, dialString(2).c_str());
    SetDlgItemText(IDC_GRID_ADD, dialString(606).c_str());
    SetDlgItemText(IDC_GRID_REMOVE, dialString(607).c_str());
    if (!canAddRemove) {
        ::ShowWindow(::GetDlgItem(m_hWnd, IDC_GRID_ADD), SW_HIDE);
        ::ShowWindow(::GetDlgItem(m_hWnd, IDC_GRID_REMOVE), SW_HIDE);
    }
    setUpSheet();
    return TRUE;
}

// A remembered size is applied as stored; one below the template's (saved by another window
// under the same name) would push the right-hand buttons over the left-hand ones.
void GridDlg::keepAtLeastTemplateSize() {
    int width = 0, height = 0;
    if (!getDlgSize(m_hWnd, width, height, true) || (width >= minWidth && height >= minHeight)) return;
    SetWindowPos(nullptr, 0, 0, std::max(width, minWidth), std::max(height, minHeight),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void GridDlg::setUpSheet() {
    if (!sheet.isAttached()) return;
    for (auto [option, value] : {std::pair{8, 0},
                                 {12, 0},
                                 {25, 1},
                                 {7, 0},
                                 {21, 1},
                                 {26, 0},
                                 {13, 1},
                                 {32, 1},
                                 {18, 1},
                                 {0, 1},
                                 {11, 1},
                                 {10, 0},
                                 {22, 1}})
        sheet.SetBool(static_cast<short>(option), value);
    sheet.SetEditEnterAction(5);
    sheet.SetCursor(1, -1);
    sheet.SetGrayAreaColor(0xC0C0C0, 0x8000000B);
    sheet.SetMaxCols(colNames.length());
    sheet.SetBool(sheet::kOptRowHeaderShown, rowNames.isEmpty() ? 0 : 1);
    sheet.SetMaxRows(rows.length());
    sheet.fontFace = "Tahoma";
    sheet.textHeight = 15;
    sheet.setFontRange({1, SS_HEADER, colNames.length(), SS_HEADER}, true);
    if (!rows.isEmpty()) sheet.setFontRange({1, 1, colNames.length(), rows.length()}, false);
    fitColumnsEqual(&sheet, false, -1);

    for (int i = 0; i < colNames.length(); ++i) sheet.SetData(i + 1, SS_HEADER, colNames[i].c_str());
    for (int i = 0; i < rowNames.length(); ++i) sheet.SetData(SS_HEADER, i + 1, rowNames[i].c_str());
    if (!rows.isEmpty()) {
        sheet.setTypeEdit({1, 1, rows[0].length(), rows.length()}, 0x110000, 200);
        for (int i = 0; i < rows.length(); ++i)
            for (int j = 0; j < rows[i].length(); ++j) sheet.SetData(j + 1, i + 1, rows[i][j].c_str());
    }
    // Redraw was off while filling; a sheet left so would never show a person's typing.
    sheet.SetBool(sheet::kOptRedraw, 1);
}

void GridDlg::OnOK() {
    sheet.getAllRows(rows, CellTextKind::Data);
    CDialog::OnOK();
}

BOOL GridDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (HIWORD(wParam) == BN_CLICKED) {
        if (LOWORD(wParam) == IDC_GRID_ADD && canAddRemove) {
            appendRowAfterActive(&sheet);
            return TRUE;
        }
        if (LOWORD(wParam) == IDC_GRID_REMOVE && canAddRemove) {
            deleteActiveRow(&sheet);
            return TRUE;
        }
    }
    return CDialog::OnCommand(wParam, lParam);
}

void GridDlg::OnSize(UINT type, int cx, int cy) {
    CDialog::OnSize(type, cx, cy);
    layout.apply();
    fitColumnsEqual(&sheet, false, -1);
}

void GridDlg::OnGetMinMaxInfo(MINMAXINFO* info) {
    if (minWidth > 0 && minHeight > 0) {
        info->ptMinTrackSize.x = minWidth;
        info->ptMinTrackSize.y = minHeight;
    }
    CDialog::OnGetMinMaxInfo(info);
}

void GridDlg::OnDestroy() {
    WriteDlgSize(m_hWnd, dlgName);
    CDialog::OnDestroy();
}

bool startGridDialog(const Kv_StringArray& colNames, const Kv_StringArray& rowNames, Kv_Array<Kv_StringArray>& rows,
                     bool canAddRemove, Kv_String dlgName, Kv_String title) {
    if (colNames.length() < 1) return false;
    if (dlgName.isEmpty()) dlgName = "DLG_SS_STRINGARRAY";
    return frame::launchModalDialog<GridDlg>(
        frame::LaunchRules{},
        [&](GridDlg& dialog) {
            dialog.canAddRemove = canAddRemove;
            dialog.dlgName = dlgName;
            dialog.title = title;
            dialog.colNames = colNames;
            dialog.rowNames = rowNames;
            for (int i = 0; i < rows.length(); ++i)
                if (rows[i].length() == colNames.length()) dialog.rows.append(rows[i]);
        },
        [&](GridDlg& dialog) {
            rows.removeAll();
            rows = dialog.rows;
        });
}
