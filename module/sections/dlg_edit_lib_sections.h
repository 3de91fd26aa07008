#pragma once
// CDlgEditLibSections: the section library editor (resource 209), a tabbed dialog over its own
// copy of a DlgEditLibData record: the section groups, the section types and the section
// libraries (the profile values table files).  The record goes back to the caller only on OK,
// with the fields of the group and type on show stored first; the library files are written
// by the libraries page as the person works, whatever button closes the dialog.  Closing with
// a changed library asks whether to save it; Cancel keeps the dialog open.

#include "core/cresizer.h"
#include "core/records/dlg_edit_lib_data.h"
#include "host/acui_dialog.h"
#include "sections/lib_entry_pages.h"
#include "sections/lib_libraries_page.h"

class CDlgEditLibSections : public CAcUiTabMainDialog {
public:
    explicit CDlgEditLibSections(CWnd* parent = nullptr);

    DlgEditLibData data;
    // Not empty: the dialog opens on the libraries page with this profile selected.
    Kv_String profileName;

    CLibGroupsPage& groupsPage() { return groups_; }
    CLibTypesPage& typesPage() { return types_; }
    CLibLibrariesPage& librariesPage() { return libraries_; }

    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnGetMinMaxInfo(MINMAXINFO* info) override;
    void OnDestroy() override;

private:
    CLibGroupsPage groups_;
    CLibTypesPage types_;
    CLibLibrariesPage libraries_;
    TwResizer resizer_;
    bool initialised_ = false;
};

// The exported launcher: on OK the record becomes the dialog's and the result is true.  A
// profile name opens the libraries page on that profile.
bool StartDlgEditLibSections(DlgEditLibData& data, const Kv_String& profileName);
