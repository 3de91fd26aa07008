#pragma once
// GridDlg: edits a table of strings with fixed columns, optionally adding and removing rows.
// The exported startGridDialog runs it over a copy of the caller's rows; only rows as long as
// the column list are shown, and on OK the caller's rows become the sheet's rows.

#include "core/kv_array.h"
#include "core/kv_string.h"
#include "core/kv_string_array.h"
#include "core/child_layout.h"
#include "spread/kv_spread.h"
#include "win/afxwin.h"

class GridDlg : public CDialog {
public:
    explicit GridDlg(CWnd* parent = nullptr);

    bool canAddRemove = false;
    Kv_String dlgName = "DLG_SS_STRINGARRAY";
    Kv_String title;
    Kv_StringArray colNames;
    Kv_StringArray rowNames;
    Kv_Array<Kv_StringArray> rows;
    Kv_Spread sheet;

    BOOL OnInitDialog() override;
    void OnOK() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnGetMinMaxInfo(MINMAXINFO* info) override;
    void OnDestroy() override;

private:
    void setUpSheet();
    void keepAtLeastTemplateSize();

    ChildLayout layout;
    int minWidth = 0, minHeight = 0;
};

bool startGridDialog(const Kv_StringArray& colNames, const Kv_StringArray& rowNames, Kv_Array<Kv_StringArray>& rows,
                     bool canAddRemove, Kv_String dlgName, Kv_String title);
