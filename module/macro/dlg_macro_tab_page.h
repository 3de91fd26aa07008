#pragma once
// CDlgMacroTabPage: one template page of the macro input dialog (resource 8137).  It shows the
// user-designed template of one tab of the owner's macro, links the template's controls to the
// tab's elements, lists the elements no control shows in its sheet, and applies every finished
// edit to the drawing at once.  The profile page (CDlgMacroProfPage) is a template page with a
// fixed block of its own below the sheet: it shares all of this and replaces the fixed rows
// (the bolt row here) through the protected hooks.
//
// Rules it keeps:
// - A control whose element is missing is dropped from the template (never shown unlinked).
// - The page reads and writes the tab in the owner's macro in place; an apply compares the tab
//   before and after and updates the drawing only when something differs.
// - While the page is not ready (being filled, or applying), its commands, Enter and Space
//   take their default course: a refresh caused by an apply never starts a second apply.
// - Option results (a flex click, an option dialog) are applied from the tab as it was before
//   they wrote it; the controls are not read back over the result.

#include <vector>

#include "core/kv_string.h"
#include "core/records/macro_data.h"
#include "designer/kv_dlg_designer_data.h"
#include "macro/macro_page.h"
#include "spread/kv_spread.h"

class CDlgMacroTabPage : public CDlgMacroPage {
public:
    CDlgMacroTabPage(CDlgMacro* owner, int tabIndex);
    ~CDlgMacroTabPage() override;

    // CDlgMacroPage
    void fillControls() override;
    void readBack() override;
    SIZE wantedSize() const override;
    MacroFocusRecord focusNow() const override;
    void restoreFocus(const MacroFocusRecord& where) override;
    void focusFirst() override;

    // The live update: reads the controls back and applies what changed.
    void applyPage();
    // The one entry for option results: the tab in the owner's macro has been changed by an
    // option (a flex click, a bolt, pattern, array or profile dialog); `before` is the tab as it
    // was, read back from the controls just before the option acted.  Updates the drawing by
    // their differences, runs the clash check and refreshes every page.  False when nothing
    // differed or the update failed.
    bool applyOptionResult(const MacroTabData& before);
    // The bolt and pattern dialogs apply through these (macro_page_options.cpp): the element
    // is stored in the tab and applied; `bolt` gets the tab's bolt back.
    void applyBoltOptions(MacroBoltData& bolt);
    void applyPatternOptions(int index, const MacroPatternProps& pattern);

    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL OnWndMsg(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    BOOL PreTranslateMessage(MSG* msg) override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnOK() override {}
    void OnCancel() override {}

protected:
    // A page of another resource that shares the template page's machinery.
    CDlgMacroTabPage(UINT templateId, CDlgMacro* owner, int tabIndex);

    MacroTabData& tab();
    const MacroTabData& tab() const;

    // The fixed rows below the sheet: their height, filling them, placing them (top is their
    // first pixel row in the client area) and the page's own controls that take the focus, in
    // Tab order.  Here: the bolt row of a kind 1 tab.
    virtual int fixedRowsHeight() const;
    virtual void fillFixedRows();
    virtual void placeFixedRows(const CRect& client, int top);
    virtual std::vector<int> ordinaryControls() const;

    Kv_DlgDesignerData template_;
    Kv_Spread sheet_;
    bool ready_ = false;

private:
    // Filling (macro_page_fill.cpp), in the order the page is built.
    // With readTemplate the template is read, linked and drawn anew; otherwise its drawn
    // controls are linked again and keep their windows.
    void fillPage(bool readTemplate);
    bool loadTemplate();
    bool linkControl(int index);
    void listUnplacedElements();
    void writeCellRow(MacroCell& cell, int row);
    void writePatternRow(MacroPatternProps& pattern, int row);
    void writeArrayRow(DynArrayData& array, int row);
    void fillBoltRow();
    void setFlexButtonStates();
    void layoutControls();
    bool boltRowShown() const;

    // Value exchange (macro_page_values.cpp).
    void valuesToControls();
    void valuesFromControls();
    bool readValue(int link, Kv_String& value) const;
    void writeValue(int link, const Kv_String& value);

    // Actions (macro_page_actions.cpp).
    bool commandOfTemplate(int id, int code);
    void flexButtonClicked(int id);
    void openArrayDialog(int index);
    void openBoltDialog();
    void openPatternDialog(int index);
    void sheetCellPressed();
    void drawingChosen(int id);
    void boltCompositionChanged();
    void runCalculator(int id);
    bool handleKey(const MSG& msg);
    bool moveFocusRing(bool forward);
    int focusedRing() const;
    bool focusRing(int ring, bool first);
    void closeOwner();

    // The kept controls as the file gave them: linking writes texts into a control, and a
    // refresh links again from the names.
    std::vector<Kv_DesignerControl> asRead_;
    bool templateHasBoltButton_ = false;
    bool sheetShown_ = false;
    int kind_ = 0;
};
