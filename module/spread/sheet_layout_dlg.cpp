// SheetLayoutDlg and editSheetLayout.
#include "spread/sheet_layout_dlg.h"

#include <cstdlib>

#include "core/kv_texts.h"
#include "frame/dialog_launcher.h"
#include "spread/spread_ids.h"

SheetLayoutDlg::SheetLayoutDlg(CWnd* parent) : CDialog(IDD_SHEET_LAYOUT, parent), labelRow(this), labelColumn(this) {}

void SheetLayoutDlg::readFrom(const Kv_Spread& sheet) {
    colCount = sheet.getMaxCols();
    rowCount = sheet.getMaxRows();
    sheet.GetRowHeightInPixels(SS_HEADER, &headerRowHeight);
    sheet.GetColWidthInPixels(SS_HEADER, &headerColWidth);
    colLabels.removeAll();
    rowLabels.removeAll();
    sheet.getHeaderRowTexts(colLabels);
    sheet.getColValues(SS_HEADER, rowLabels);
}

bool SheetLayoutDlg::applyTo(Kv_Spread& sheet) const {
    if (!sheet.isAttached()) return false;
    if (!sheet.SetMaxCols(colCount) || !sheet.SetMaxRows(rowCount)) return false;
    sheet.SetColWidthInPixels(SS_HEADER, headerColWidth);
    sheet.SetRowHeightInPixels(SS_HEADER, headerRowHeight);
    for (int i = 0; i < colLabels.length() && i < colCount; ++i) sheet.SetData(i + 1, SS_HEADER, colLabels[i].c_str());
    for (int i = 0; i < rowLabels.length() && i < rowCount; ++i) sheet.SetData(SS_HEADER, i + 1, rowLabels[i].c_str());
    sheet.refreshFonts();
    return sheet.markChanged();
}

BOOL SheetLayoutDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SetWindowText(dialString(1369).c_str());
    SetDlgItemText(IDC_LAYOUT_INFO, (dialString(1370) + "\n" + dialString(1371)).c_str());
    SetDlgItemText(IDC_LAYOUT_PREVIEW_INFO, dialString(1372).c_str());
    SetDlgItemText(IDC_LAYOUT_COLS_LABEL, dialString(1373).c_str());
    SetDlgItemText(IDC_LAYOUT_ROWS_LABEL, dialString(1374).c_str());
    SetDlgItemText(IDC_LAYOUT_HEADER_HEIGHT_LABEL, dialString(1375).c_str());
    SetDlgItemText(IDC_LAYOUT_HEADER_WIDTH_LABEL, dialString(1376).c_str());
    SetDlgItemInt(IDC_LAYOUT_COLS, static_cast<UINT>(colCount));
    SetDlgItemInt(IDC_LAYOUT_ROWS, static_cast<UINT>(rowCount));
    SetDlgItemInt(IDC_LAYOUT_HEADER_HEIGHT, static_cast<UINT>(headerRowHeight));
    SetDlgItemInt(IDC_LAYOUT_HEADER_WIDTH, static_cast<UINT>(headerColWidth));
    SetDlgItemText(IDOK, dialString(1).c_str());
    SetDlgItemText(IDCANCEL, dialString(2).c_str());

    if (labelRow.attach(this, IDC_LAYOUT_LABEL_ROW)) {
        for (auto [option, value] : {std::pair{10, 1}, {11, 0}, {3, 0}, {4, 0}})
            labelRow.SetBool(static_cast<short>(option), value);
        labelRow.SetMaxCols(colCount);
        labelRow.SetMaxRows(1);
        labelRow.SetRowHeightInPixels(1, headerRowHeight);
        labelRow.setRowStrings(1, colLabels);
    }
    if (labelColumn.attach(this, IDC_LAYOUT_LABEL_COLUMN)) {
        for (auto [option, value] : {std::pair{10, 1}, {11, 0}, {3, 0}, {4, 0}})
            labelColumn.SetBool(static_cast<short>(option), value);
        labelColumn.SetMaxCols(1);
        labelColumn.SetMaxRows(rowCount);
        labelColumn.SetColWidthInPixels(1, headerColWidth);
        labelColumn.setColStrings(1, rowLabels);
    }
    initialised_ = true;
    return TRUE;
}

int SheetLayoutDlg::fieldNumber(int id) const {
    std::string text;
    GetDlgItemText(id, text);
    return std::atoi(text.c_str());
}

void SheetLayoutDlg::changeColCount(int count) {
    labelRow.getRowStrings(1, colLabels);
    if (!labelRow.SetMaxCols(count)) return;
    colCount = count;
    labelRow.setRowStrings(1, colLabels);
}

void SheetLayoutDlg::changeRowCount(int count) {
    labelColumn.getColStrings(1, rowLabels, CellTextKind::Value);
    if (!labelColumn.SetMaxRows(count)) return;
    rowCount = count;
    labelColumn.setColStrings(1, rowLabels);
}

BOOL SheetLayoutDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (initialised_ && HIWORD(wParam) == EN_CHANGE) {
        switch (LOWORD(wParam)) {
        case IDC_LAYOUT_COLS: changeColCount(fieldNumber(IDC_LAYOUT_COLS)); return TRUE;
        case IDC_LAYOUT_ROWS: changeRowCount(fieldNumber(IDC_LAYOUT_ROWS)); return TRUE;
        case IDC_LAYOUT_HEADER_HEIGHT:
            headerRowHeight = fieldNumber(IDC_LAYOUT_HEADER_HEIGHT);
            labelRow.SetRowHeightInPixels(1, headerRowHeight);
            return TRUE;
        case IDC_LAYOUT_HEADER_WIDTH:
            headerColWidth = fieldNumber(IDC_LAYOUT_HEADER_WIDTH);
            labelColumn.SetColWidthInPixels(1, headerColWidth);
            return TRUE;
        default: break;
        }
    }
    return CDialog::OnCommand(wParam, lParam);
}

void SheetLayoutDlg::OnOK() {
    // The labels as the previews show them now, cut to the final counts.
    labelRow.getRowStrings(1, colLabels);
    labelColumn.getColStrings(1, rowLabels, CellTextKind::Value);
    CDialog::OnOK();
}

bool editSheetLayout(Kv_Spread* sheet) {
    if (!sheet || !sheet->isAttached()) return false;
    bool applied = false;
    const bool confirmed = frame::launchModalDialog<SheetLayoutDlg>(
        frame::LaunchRules{}, [&](SheetLayoutDlg& dialog) { dialog.readFrom(*sheet); },
        [&](SheetLayoutDlg& dialog) { applied = dialog.applyTo(*sheet); }, frame::NothingAfterRun{}, sheet->parentWnd);
    return confirmed && applied;
}
