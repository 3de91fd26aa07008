#pragma once
// The library editor's first two pages: the section groups (page 8138) and the section types
// (page 8139) of the editor's record.  Both show a check-marked list of their entries (the
// mark is the entry's enabled flag) and the fields of one entry, with its names in a small
// sheet whose rows are the macro languages.  The fields are stored into the entry shown before
// another is shown, when the page is left, and by storeShown() when the dialog is confirmed on
// the page.

#include "core/cresizer.h"
#include "core/records/dlg_edit_lib_data.h"
#include "host/acui_dialog.h"
#include "spread/kv_spread.h"
#include "win/afxwin.h"

class CLibEntriesPage : public CAcUiTabChildDialog {
public:
    CLibEntriesPage(UINT templateId, int listId, DlgEditLibData& data);

    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnSize(UINT type, int cx, int cy) override;
    // Leaving the page stores its fields; coming back shows the entry again, since the other
    // page may have changed what it refers to (a type's group list).
    void OnTabActivation(BOOL activate) override;

    // Stores the page's fields into the entry shown (nothing without one).
    void storeShown();
    int shownIndex() const { return shown_; }
    Kv_Spread& namesSheet() { return names_; }

protected:
    virtual int entryCount() const = 0;
    virtual Kv_StringArray& namesOf(int index) = 0;
    virtual bool& enabledOf(int index) = 0;
    virtual Kv_String& pictureOf(int index) = 0;
    virtual void appendEntry() = 0;
    virtual void removeEntry(int index) = 0;
    // The type page's own fields.
    virtual void showExtra(int) {}
    virtual void storeExtra(int) {}
    virtual void enableExtra(bool) {}
    virtual void anchorExtra(CResizer&) {}

    DlgEditLibData& data_;

private:
    Kv_String listText(int index);
    void fillList(int select);
    void show(int index);
    void enableControls(bool anyEntry, bool entryEnabled);
    void showPicture(const Kv_String& file);
    void onSelect();
    void onNew();
    void onRemove();
    void onEnabledClicked();
    void onListMarks();

    const int listId_;
    int shown_ = -1;
    bool filling_ = false;
    CCheckListBox list_;
    Kv_Spread names_;
    Kv_StringArray languages_;  // the sheet's rows, languages that have a name slot
    CResizer resizer_;
    HBITMAP picture_ = nullptr;
};

class CLibGroupsPage : public CLibEntriesPage {
public:
    explicit CLibGroupsPage(DlgEditLibData& data);

protected:
    int entryCount() const override { return data_.groups.length(); }
    Kv_StringArray& namesOf(int index) override { return data_.groups[index].names; }
    bool& enabledOf(int index) override { return data_.groups[index].enabled; }
    Kv_String& pictureOf(int index) override { return data_.groups[index].pictureFile; }
    void appendEntry() override { data_.groups.appendNewGrp(); }
    void removeEntry(int index) override { data_.groups.removeAt(index); }
};

class CLibTypesPage : public CLibEntriesPage {
public:
    explicit CLibTypesPage(DlgEditLibData& data);

    // The words of a new section type, by name slot.
    static Kv_StringArray newTypeNames();

protected:
    int entryCount() const override { return data_.types.length(); }
    Kv_StringArray& namesOf(int index) override { return data_.types[index].names; }
    bool& enabledOf(int index) override { return data_.types[index].enabled; }
    Kv_String& pictureOf(int index) override { return data_.types[index].pictureFile; }
    void appendEntry() override;
    void removeEntry(int index) override { data_.types.removeAt(index); }
    void showExtra(int index) override;
    void storeExtra(int index) override;
    void enableExtra(bool enable) override;
    void anchorExtra(CResizer& resizer) override;
};
