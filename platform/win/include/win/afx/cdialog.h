#pragma once
// CDialog: modal (DoModal) and modeless (Create) dialogs from resource templates, with the
// handlers dialogs override (OnInitDialog, OnOK, OnCancel) and data exchange (DDX_*).
//
// DoModal returns -1 when the template is missing or the dialog cannot be created, else the
// value given to EndDialog.  A dialog created without a parent belongs to the host's main
// window (AfxGetMainWnd).  Failures of data exchange are results: the DDX functions report a
// bad value with a message box and mark the exchange failed, so that OnOK keeps the dialog open.

#include <string>

#include "win/afx/cwnd.h"
#include "win/resource.h"

class CDialog : public CWnd {
public:
    CDialog() = default;
    explicit CDialog(UINT templateId, CWnd* parent = nullptr);

    virtual INT_PTR DoModal();
    virtual BOOL Create(UINT templateId, CWnd* parent = nullptr);
    BOOL CreateIndirect(const win::DialogTemplate& tmpl, CWnd* parent = nullptr);
    void EndDialog(int result);

    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();

    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL PreTranslateMessage(MSG* msg) override;
    BOOL OnWndMsg(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

    void NextDlgCtrl() const;
    void PrevDlgCtrl() const;
    void GotoDlgCtrl(CWnd* control);
    void SetDefID(UINT id);
    DWORD GetDefID() const;

    UINT m_nIDHelp = 0;
    UINT m_lpszTemplateName = 0;  // the template's resource id
    CWnd* m_pParentWnd = nullptr;

private:
    HWND parentHandle() const;
};

class CDataExchange {
public:
    CDataExchange(CWnd* dialog, BOOL saveAndValidate) : m_pDlgWnd(dialog), m_bSaveAndValidate(saveAndValidate) {}
    CWnd* m_pDlgWnd;
    BOOL m_bSaveAndValidate;
    // The control with this id; nullptr (and the exchange failed) when the dialog has none.
    // Once the exchange has failed, it also returns nullptr: only the first bad field is
    // reported, as the first failure ends the exchange.
    HWND PrepareCtrl(int id);
    void Fail() { m_failed = true; }
    bool failed() const { return m_failed; }
    // The control the last DDX_ call exchanged: the field a DDV_ check that follows it judges.
    HWND lastControl() const { return m_lastControl; }

private:
    bool m_failed = false;
    HWND m_lastControl = nullptr;
};

void DDX_Control(CDataExchange* dx, int id, CWnd& control);
void DDX_Text(CDataExchange* dx, int id, std::string& value);
void DDX_Text(CDataExchange* dx, int id, int& value);
void DDX_Text(CDataExchange* dx, int id, double& value);
void DDX_Check(CDataExchange* dx, int id, int& value);
// The index of the checked radio button of the group starting at id, -1 for none.
void DDX_Radio(CDataExchange* dx, int id, int& value);
void DDX_CBIndex(CDataExchange* dx, int id, int& value);
void DDX_CBString(CDataExchange* dx, int id, std::string& value);
void DDX_LBIndex(CDataExchange* dx, int id, int& value);
void DDV_MinMaxInt(CDataExchange* dx, int value, int minimum, int maximum);
void DDV_MinMaxDouble(CDataExchange* dx, double value, double minimum, double maximum);
