#pragma once
// CDlgTextEntry: the small modal dialog that asks for one line of text (a new name, a value),
// or, with its edit field hidden, asks for a confirmation.  The caller sets the fields, runs
// DoModal, and reads `text` when the result is 1 (IDOK).
//
// Rules it keeps: the proposal in `text` opens fully selected so that typing replaces it;
// with textRequired an empty OK does nothing (only Cancel closes); the text is taken exactly
// as typed, without trimming; Cancel leaves `text` as it was.  Checks beyond "not empty"
// (unique names, allowed characters) are the caller's.

#include "core/kv_string.h"
#include "win/afxwin.h"

class CDlgTextEntry : public CDialog {
public:
    explicit CDlgTextEntry(CWnd* parent = nullptr);

    Kv_String title;           // the caption
    Kv_String prompt;          // the text above the edit field
    Kv_String text;            // the proposal; after OK, what the user typed
    Kv_String okText;          // label of the OK button; empty keeps the template's label
    Kv_String cancelText;      // label of the Cancel button; empty keeps the template's label
    bool textRequired = true;  // false: the edit field is hidden and OK needs nothing
    bool confirmed = false;    // set when OK closed the dialog

    BOOL OnInitDialog() override;
    void OnOK() override;
};
