#pragma once
// CDlgMacroProfPage: the page of a profile tab (kind 2, resource 219).  It is a template page
// (template, sheet, linking, keys, focus memory, array and flex buttons are the template
// page's) with a fixed block below the sheet that edits the profile properties of one group
// of the tab: of the whole group (first profile entry, the group's merged properties) or of
// one of its profiles.  Its template's section button (type 14) and options button (type 17)
// act for the group they name.
//
// Rules it keeps:
// - Choosing a group or a profile only shows its properties; the section, offset type and
//   rotation apply the page at once, once.
// - A pick (plane, coordinate system) runs with the owner dialog hidden and shows it again; a
//   cancelled pick changes nothing and applies nothing.
// - Reading back stores the shown properties only when the person changed one of them, for
//   the group or the one profile; mixed values the person left alone stay as each profile
//   has them.
// - The section lists come from the owner's section families, read once per refresh.

#include <vector>

#include "core/kv_string_array.h"
#include "core/records/macro_data.h"
#include "host/object_id.h"
#include "macro/dlg_macro_tab_page.h"

class CDlgMacroProfPage : public CDlgMacroTabPage {
public:
    CDlgMacroProfPage(CDlgMacro* owner, int tabIndex);

    // The temporary object the dialog's caller drew for it: erased after the options dialog.
    void setTemporaryObject(AcDbObjectId id) { temporaryObject_ = id; }
    // The options dialog of the group shown (the dialog opens it at start when asked to).
    void openOptionsOfShownGroup() { openOptions(shownGroup()); }

    // CDlgMacroPage
    void readBack() override;
    SIZE wantedSize() const override;

    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

protected:
    int fixedRowsHeight() const override;
    void fillFixedRows() override;
    void placeFixedRows(const CRect& client, int top) override;
    std::vector<int> ordinaryControls() const override;

private:
    // The base plane entries (the core's getBasePlaneStrings order): a chosen plane, the
    // macro's own plane, a coordinate system, the mixed text.
    static constexpr int kChosenPlane = 0, kMacroPlane = 1, kCoordinateSystem = 2, kMixedPlane = 3;

    // Filling (dlg_macro_prof_page.cpp).
    void setTexts();
    bool fixedBlockShown() const;
    void fillGroupCombos();
    void showSelection();
    void fillSectionCombo(const Kv_String& section);
    Kv_String shownGroup() const;
    // The properties of the selection as the tab holds them: the group's merged ones (first
    // profile entry) or the one profile's; false when the selection names nothing.
    bool selectionProps(MacroProfData& props) const;
    // Writes props for the selection (the group, or the one profile).
    void storeSelectionProps(const MacroProfData& props);
    void readFixedBlock();

    // The template's profile controls (dlg_macro_prof_page_template.cpp).
    Kv_String sectionShownName(const Kv_String& section);
    void templateProfilesToControls();
    void templateProfilesFromControls();

    // Actions (dlg_macro_prof_page_actions.cpp).
    bool commandOfFixedBlock(int id, int code);
    bool commandOfProfileButton(int id, int code);
    void rotationChosen();
    void pickBasePlane();
    void chooseShownSection();
    void chooseGroupSection(int profileIndex);
    void openOptions(const Kv_String& group);
    void openSegmented();
    // Applies a change the action writes into the tab: the controls are read back first, so
    // that the update also carries what the person typed, then change(tab) runs.
    template <typename Change>
    void applyChange(Change change);

    CComboBox sectionCombo_;
    Kv_StringArray sectionNames_;       // the section combo's entries, by system name
    AcArray<AcDbObjectId> profileIds_;  // the profiles of the shown group, in the profile combo's order
    MacroProfData shown_;               // the properties as the fixed block shows them
    bool shownValid_ = false;
    AcDbObjectId temporaryObject_;
};
