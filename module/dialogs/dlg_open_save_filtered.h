#pragma once
// CDlgOpenSaveFiltered: picks a file name of one folder, for opening or saving, from one of two
// name lists the caller prepares (for a macro, its property files), instead of from the folder
// itself.  A check box switches between the lists; a button deletes the selected file.
//
// The caller builds the dialog, sets the fields, runs it, and on result 1 reads name.  A file's
// path is always folder + name + extension, joined as they are: a name typed with its own
// extension gets the extension a second time (names may hold dots of their own, so nothing is
// stripped).
//
// Opening needs a selected name.  Saving refuses a name that cannot be a file name and asks
// before an existing file is overwritten.  The size is remembered as "DLG_OPENSAVEFILTERED".

#include "core/cbutton_st.h"
#include "core/cresizer.h"
#include "core/kv_string.h"
#include "core/kv_string_array.h"
#include "win/afxwin.h"

class CDlgOpenSaveFiltered : public CDialog {
public:
    explicit CDlgOpenSaveFiltered(CWnd* parent = nullptr);

    int saveMode = 0;           // 0 opens, anything else saves
    Kv_String folder;           // ends in a path separator
    Kv_String extension;        // with its dot
    Kv_StringArray firstList;   // shown while the check box is ticked
    Kv_StringArray secondList;  // shown while it is not
    Kv_String name;             // the chosen name (out), without folder and extension

    // Smallest size a person can drag the dialog to; the dialog's own size once it is open.
    SIZE minimumTrackSize{50, 50};

    BOOL OnInitDialog() override;
    void OnOK() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnGetMinMaxInfo(MINMAXINFO* info) override;
    void OnDestroy() override;

    // The texts of the two questions, as the message boxes show them.
    static Kv_String deleteQuestion(const Kv_String& name);
    static Kv_String overwriteQuestion(bool inSecondList);

private:
    bool showsFirstList() const;
    void fillList();
    void deleteSelected();
    Kv_String pathOf(const Kv_String& fileName) const { return folder + fileName + extension; }

    CButtonST deleteButton_;
    TwResizer resizer_;
};
