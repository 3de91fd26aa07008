#pragma once
// Dialog classes over the sample templates of test_dialogs.rc, written as module code would be.

#include <string>
#include <vector>

#include "test_ids.h"
#include "win/afxwin.h"
#include "win/readback.h"

// The "More" dialog: one text field.
class MoreDialog : public CDialog {
public:
    MoreDialog(CWnd* parent = nullptr) : CDialog(IDD_MORE, parent) {}
    std::string text;
    void DoDataExchange(CDataExchange* dx) override { DDX_Text(dx, IDC_MORE_TEXT, text); }
};

// The sample dialog: name and value fields, a check box, a radio group, a three-state box, a
// combo box, a check list and a button that opens MoreDialog.
class SampleDialog : public CDialog {
public:
    SampleDialog() : CDialog(IDD_SAMPLE) {}

    std::string name = "Beam";
    int value = 7;
    int enabled = 0;
    int alignment = -1;
    int mixed = BST_INDETERMINATE;
    bool disableOk = false;
    int moreResult = 0;
    std::string moreText;
    std::vector<UINT> comboCodes;  // notifications of IDC_KIND
    int checkChanges = 0;
    CCheckListBox parts;
    CComboBox kind;

    void DoDataExchange(CDataExchange* dx) override {
        DDX_Control(dx, IDC_PARTS, parts);
        DDX_Control(dx, IDC_KIND, kind);
        DDX_Text(dx, IDC_NAME, name);
        DDX_Text(dx, IDC_VALUE, value);
        DDX_Check(dx, IDC_ENABLED, enabled);
        DDX_Radio(dx, IDC_LEFT, alignment);
        DDX_Check(dx, IDC_MIXED, mixed);
    }

    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        kind.AddString("Aluminium");
        kind.AddString("Steel");
        kind.AddString("Timber");
        parts.AddString("Plate");
        parts.AddString("Bolt");
        parts.AddString("Weld");
        if (disableOk) GetDlgItem(IDOK)->EnableWindow(FALSE);
        return TRUE;
    }

    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
        int id = LOWORD(wParam);
        UINT code = HIWORD(wParam);
        if (id == IDC_KIND) comboCodes.push_back(code);
        if (id == IDC_PARTS && code == CLBN_CHKCHANGE) ++checkChanges;
        if (id == IDC_MORE && code == BN_CLICKED) {
            MoreDialog more(this);
            more.text = "first";
            moreResult = static_cast<int>(more.DoModal());
            moreText = more.text;
            return TRUE;
        }
        return CDialog::OnCommand(wParam, lParam);
    }

    int count(UINT code) const {
        int n = 0;
        for (UINT c : comboCodes) n += c == code;
        return n;
    }
};

inline int focusedId() { return GetDlgCtrlID(GetFocus()); }

inline HWND item(int dialogId, int controlId) { return GetDlgItem(win::findOpenDialog(dialogId), controlId); }
