#pragma once
// ConstrVariablesPage: the constraint editor's variables and equations page (resource 8099).
// The macro's variables in a sheet (name, value, type from a drop-down), its dimension values
// in a second sheet (shown, never read back), and its equations in a rich edit, one per line.
// Storing rebuilds the record's variables and equations from what the page shows and hands
// them to the core library, which writes them into the macro and refills the record.
//
// Sheet row r is variable r - 1.  A type the drop-down cannot show (outside 0 to 7) is kept
// until the person chooses one; numbers are written in full, so that a show and a store
// without an edit give the record back unchanged (docs/constraint-editor.md).

#include "core/cbutton_st.h"
#include "constraints/constraint_page.h"
#include "core/child_layout.h"
#include "spread/kv_spread.h"

class ConstrVariablesPage : public ConstraintPage {
public:
    explicit ConstrVariablesPage(DlgEditConstraints& editor);

    bool store() override;
    void refresh(bool reset) override { fill(reset); }
    void activate(bool storeFirst) override;

    // Shows the record; with reset both sheets are set up anew.
    void fill(bool reset);
    void addVariableRow();
    void deleteLastVariableRow();

    Kv_Spread& variables() { return variables_; }
    Kv_Spread& dimensions() { return dimensions_; }

    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnSize(UINT type, int cx, int cy) override;

private:
    void fillVariables(bool reset);
    void fillDimensions(bool reset);
    void fillEquations();
    // The types and numbers of rows first..last of the variables sheet.
    void setVariableRowTypes(int first, int last);
    Kv_StringArray equationLines() const;

    Kv_Spread variables_;
    Kv_Spread dimensions_;
    CButtonST addButton_;
    CButtonST deleteButton_;
    ChildLayout layout_;
};
