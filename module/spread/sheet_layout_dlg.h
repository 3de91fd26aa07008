#pragma once
// SheetLayoutDlg: edits a sheet's column and row counts, the header sizes and the header
// labels, with two small preview sheets (the label row and the label column).  Changing a
// count changes the preview at once, keeping the labels the preview holds; editSheetLayout
// applies the result to the sheet on OK.

#include "core/kv_string_array.h"
#include "spread/kv_spread.h"
#include "win/afxwin.h"

class SheetLayoutDlg : public CDialog {
public:
    explicit SheetLayoutDlg(CWnd* parent = nullptr);

    int colCount = 0, rowCount = 0;
    int headerRowHeight = 0, headerColWidth = 0;
    Kv_StringArray colLabels, rowLabels;
    Kv_Spread labelRow;     // one row: the column labels
    Kv_Spread labelColumn;  // one column: the row labels

    // Takes counts, sizes and labels from the sheet.
    void readFrom(const Kv_Spread& sheet);
    // Gives the sheet the counts, header sizes and labels, and marks it changed.
    bool applyTo(Kv_Spread& sheet) const;

    BOOL OnInitDialog() override;
    void OnOK() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    int fieldNumber(int id) const;
    void changeColCount(int count);
    void changeRowCount(int count);
    bool initialised_ = false;
};

// Runs the layout dialog on the sheet; true when the sheet was changed (OK).
bool editSheetLayout(Kv_Spread* sheet);
