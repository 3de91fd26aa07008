#pragma once
// CDlgLookUp: the criteria of a look-up (TwLookUpDlgData).  OK and "Show All" both read every
// control back and end the dialog as confirmed (result 1), so that the launcher copies the
// record back in both cases; the caller tells them apart by resultCode (0 OK, 2 "Show All").
// The flag's check box is usable only while the first option is on, and keeps its tick while
// it is not.

#include "dialogs/tw_look_up_dlg_data.h"
#include "win/afxwin.h"

class CDlgLookUp : public CDialog {
public:
    explicit CDlgLookUp(CWnd* parent = nullptr);

    TwLookUpDlgData data;

    BOOL OnInitDialog() override;
    void OnOK() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    void readBack();
    void enableFlag();
    Kv_String fieldText(int id) const;
};

// Runs the look-up dialog over the caller's record; true, with the record copied back, when
// the person confirmed with OK or "Show All".
bool StartDlgLookUp(TwLookUpDlgData& data);
