#pragma once
// FindReplaceDlg: the modeless, topmost find/replace companion of one sheet.  Its sheet
// creates it on the first F3 or F5 and owns it; closing it destroys the window and puts the
// sheet's block-select option back as it was.
//
// Searching reads cell values and compares exactly.  Find next continues after the current
// hit and wraps to the start only when the person agrees; replace changes the characters
// that find next selected; replace all counts the cells it changed and says so.

#include "core/kv_string.h"
#include "win/afxwin.h"

class Kv_Spread;

class FindReplaceDlg : public CDialog {
public:
    explicit FindReplaceDlg(Kv_Spread* sheet);

    bool create();
    // The search of the OK button and F3; true when a hit was selected.
    bool findNextWithMessages();
    // Find next, then replace the selected characters in the open editor.
    bool replace(bool withMessages);
    // Replaces in every cell from (1, 1) on and reports the count; returns the count.
    int replaceAll();

    Kv_String findText() const;
    Kv_String replaceText() const;

    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL PreTranslateMessage(MSG* msg) override;
    void OnDestroy() override;

private:
    bool searchFrom(const Kv_String& text, int col, int row);

    Kv_Spread* sheet_ = nullptr;
    bool savedOption13 = false;
    // The last hit: clicking this dialog takes the focus from the sheet, which may close the
    // cell editor; find next then still continues behind the hit instead of finding it again.
    int lastHitCol = 0, lastHitRow = 0, lastHitEnd = -1;
};
