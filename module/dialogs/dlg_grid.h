#pragma once
// CDlgGrid: edits the drawing's structural grid (TwGridDlgData).  OK takes the seven fields
// back without any check: a count that is not a number becomes 0, as the package has always
// read it, and the spacings stay texts for the caller to interpret.

#include "dialogs/tw_grid_dlg_data.h"
#include "win/afxwin.h"

class CDlgGrid : public CDialog {
public:
    explicit CDlgGrid(CWnd* parent = nullptr);

    TwGridDlgData data;

    BOOL OnInitDialog() override;
    void OnOK() override;

private:
    Kv_String fieldText(int id) const;
};

// Runs the grid dialog over the caller's record; true, with the record copied back, on OK.
bool StartDlgGrid(TwGridDlgData& data);
