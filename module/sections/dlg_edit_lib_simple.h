#pragma once
// CDlgEditLibSimple: the simple library editor (resource 226).  It adds one size to its own
// copy of a profile values table, modelled on an existing size: the model's values are shown
// in up to eleven fields, and the new size's system name is built from them by the model's
// name pattern (or typed).  OK checks the new size first and inserts it only when it passes;
// a refused OK leaves the table as it was and the dialog open.

#include "core/cbutton_st.h"
#include "core/cresizer.h"
#include "core/kv_array.h"
#include "sections/kv_prof_values_table.h"
#include "sections/simple_lib_rules.h"
#include "win/afxwin.h"

class CDlgEditLibSimple : public CDialog {
public:
    explicit CDlgEditLibSimple(CWnd* parent = nullptr);

    Kv_ProfValuesTable table;
    Kv_String modelName;
    int modelRow = 0;
    int resultIndex = -1;

    BOOL OnInitDialog() override;
    void OnOK() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnGetMinMaxInfo(MINMAXINFO* info) override;
    void OnDestroy() override;

private:
    void setLabels();
    void showPicture();
    void setUpResizer();
    void showModelRow();
    Kv_StringArray propertyNames() const;
    Kv_StringArray fieldValues() const;
    bool buildsName() const;
    void rebuildName();
    bool nameRefused(const Kv_String& sysName);

    NamePattern pattern_;
    int languageSlot_ = -3;
    int fieldCount_ = 0;
    bool showing_ = false;
    bool initialised_ = false;
    int minTrackWidth_ = 50, minTrackHeight_ = 50;
    CButtonST picture_;
    TwResizer resizer_;
};

// The exported launcher: on OK the table (with the new size) and its filtered index go back.
// It opens no resource scope of its own; the dialog is found in the module's table anyway.
bool StartDlgEditLibSimple(const Kv_String& systemName, Kv_ProfValuesTable& table, int& index);
