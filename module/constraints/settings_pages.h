#pragma once
// The three other pages of the macro settings dialog:
// - TemplateListsPage (8718): per designed-dialog template a list and a chosen text.  It works
//   on copies of the template settings and hands them back only on the dialog's OK
//   (storeShownAndCopyBack); Cancel leaves the record's fields as they were.
// - TableSettingsPage (214): two choices, a count and a two-column table of labels and numbers.
// - ListSettingsPage (215): two texts and a three-column list whose third column chooses
//   "(new)" or a row number.
// The table and list pages store into the dialog's record when their windows are destroyed.
//
// A sheet that holds a single row with nothing in it is an empty list (an emptied list keeps
// one row).  Numbers in sheets are written in full, so that showing then storing gives back
// the same values; a choice the controls cannot show is kept unless the person chooses another.

#include "core/cbutton_st.h"
#include "core/records/macro_settings_data.h"
#include "host/acui_dialog.h"
#include "spread/kv_spread.h"

class TemplateListsPage : public CAcUiTabChildDialog {
public:
    TemplateListsPage();

    MacroSettingsData* settings = nullptr;

    // On the dialog's OK: the shown template is stored and the three fields go to the record.
    void storeShownAndCopyBack();
    int shownTemplate() const { return shown_; }
    Kv_Spread& sheet() { return sheet_; }

    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    bool arraysAgree() const;
    void show(int index);
    void store(int index);

    MacroTemplateSettings copy_;
    Kv_StringArray templates_;
    int shown_ = -1;
    Kv_Spread sheet_;
    CButtonST insertRow_, deleteRow_;
};

class TableSettingsPage : public CAcUiTabChildDialog {
public:
    TableSettingsPage();

    MacroSettingsData* settings = nullptr;
    Kv_Spread& sheet() { return sheet_; }

    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnDestroy() override;

private:
    Kv_Spread sheet_;
    CButtonST addRow_, deleteRow_;
};

class ListSettingsPage : public CAcUiTabChildDialog {
public:
    ListSettingsPage();

    MacroSettingsData* settings = nullptr;
    Kv_Spread& sheet() { return sheet_; }

    BOOL OnInitDialog() override;
    void OnDestroy() override;

private:
    Kv_StringArray choiceEntries() const;

    Kv_Spread sheet_;
    int rows_ = 0;
};
