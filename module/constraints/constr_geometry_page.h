#pragma once
// ConstrGeometryPage: the constraint editor's geometry page (resource 8135).  A sheet lists the
// geometry elements of the current module, sheet row r showing element r - 1: name and type,
// a drop-down of its freedom state (fixed, partly fixed, free) and, for elements that have
// one, the check box of its constraint-geometry flag.  A choice or a tick goes at once through
// the core library to the drawing; the element of the active row is highlighted in the
// drawing while the page is shown.
//
// The record's geometry arrays are stored input: an array shorter than geometryCells reads as
// off, 0 or "no object" for the rows it does not reach, and a click on such a row does nothing
// (docs/constraint-editor.md).

#include "constraints/constraint_page.h"
#include "spread/kv_spread.h"

class ConstrGeometryPage : public ConstraintPage {
public:
    explicit ConstrGeometryPage(DlgEditConstraints& editor);

    void leave() override;
    void refresh(bool reset) override { buildList(reset); }
    void activate(bool storeFirst) override;

    // Fills the sheet from the record: with reset, the sheet is set up anew.
    void buildList(bool reset);
    int highlightedRow() const { return highlightedRow_; }
    Kv_Spread& sheet() { return sheet_; }

    void onSheetClick(int sheetId, int col, int row) override;
    void onSheetLeaveCell(int sheetId, int col, int row, int newCol, int newRow) override;
    void onSheetCellChanged(int sheetId) override;

    BOOL OnInitDialog() override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnDestroy() override;

private:
    int elementCount() const;
    // The element's flag, or -1 (no check box) for a row past the array.
    int flagOf(int element) const;
    void followRow(int element);
    void removeHighlight();
    void onFreedomChosen(int element);
    void onTick(int element);

    Kv_Spread sheet_;
    int highlightedRow_ = -1;
    bool filling_ = false;
};
