#include "constraints/constr_geometry_page.h"

#include <algorithm>

#include "constraints/constr_geom_vars_ids.h"
#include "constraints/page_sheet_fit.h"
#include "core/geometry_variables_calls.h"
#include "core/kv_texts.h"
#include "core/records/edit_constr_data.h"
#include "host/command_line.h"

namespace {

constexpr int kFreedomCol = 3;
constexpr int kFlagCol = 4;

}  // namespace

ConstrGeometryPage::ConstrGeometryPage(DlgEditConstraints& editor)
    : ConstraintPage(IDD_CONSTR_GEOMETRY_PAGE, editor), sheet_(this) {}

BOOL ConstrGeometryPage::OnInitDialog() {
    ConstraintPage::OnInitDialog();
    sheet_.attach(this, IDC_CG_SHEET, true);
    buildList(true);
    return TRUE;
}

int ConstrGeometryPage::elementCount() const { return record ? record->geometryCells.length() : 0; }

int ConstrGeometryPage::flagOf(int element) const {
    return record && record->geometryFlag.isValidIndex(element) ? record->geometryFlag[element] : -1;
}

void ConstrGeometryPage::buildList(bool reset) {
    if (!record || !sheet_.isAttached()) return;
    filling_ = true;
    const int rows = elementCount();
    const int cols = rows > 0 ? 4 : 0;
    if (reset) {
        resetListSheet(&sheet_, cols, rows, 1);
    } else {
        // An empty list keeps one empty row, as the list reset leaves it.
        if (sheet_.getMaxCols() != cols) sheet_.SetMaxCols(cols);
        if (sheet_.getMaxRows() != std::max(rows, 1)) sheet_.SetMaxRows(std::max(rows, 1));
    }
    sheet_.SetBool(sheet::kOptRedraw, 0);
    const int headings[4] = {889, 890, 891, 892};
    for (int col = 1; col <= cols; ++col) sheet_.SetData(col, SS_HEADER, dialString(headings[col - 1]).c_str());
    Kv_StringArray freedom;
    for (int text : {893, 894, 895}) freedom.append(dialString(text));
    // Names and types are shown, not edited: nothing would store them.
    SS_CELLTYPE shown;
    sheet_.SetTypeStaticText(&shown, 0);
    if (rows > 0) {
        sheet_.SetCellTypeRange(1, 1, 2, rows, &shown);
        setComboRange(&sheet_, {kFreedomCol, 1, kFreedomCol, rows}, freedom, false);
    }
    for (int element = 0; element < rows; ++element) {
        const int row = element + 1;
        const Kv_StringArray& cells = record->geometryCells[element];
        // Columns 1 and 2, and column 3 as far as the element's texts reach; the drop-down's
        // value then replaces column 3's text.
        for (int col = 1; col <= 3; ++col)
            sheet_.SetData(col, row, cells.isValidIndex(col - 1) ? cells[col - 1].c_str() : "");
        // A state the drop-down cannot show leaves it without a choice (and the record keeps
        // the state until the person chooses one).
        const int state = record->flexibility.isValidIndex(element) ? record->flexibility[element] : 0;
        if (state >= 0 && state < freedom.length()) sheet_.setComboIndex(kFreedomCol, row, state);
        const int flag = flagOf(element);
        if (flag == 0 || flag == 1) {
            sheet_.setCellCheckBox(kFlagCol, row, false);
            sheet_.setCellBool(kFlagCol, row, flag == 1);
        } else {
            // No check box: an empty cell that a click cannot tick.
            sheet_.SetCellType(kFlagCol, row, &shown);
            sheet_.SetData(kFlagCol, row, "");
        }
    }
    sheet_.SetBool(sheet::kOptRedraw, 1);
    // The highlighted element may be gone from the rebuilt list: it is forgotten, not
    // unhighlighted (its object is no element of this list any more).
    if (highlightedRow_ >= rows) highlightedRow_ = -1;
    if (highlightedRow_ >= 0) sheet_.SetActiveCell(1, highlightedRow_ + 1);
    filling_ = false;
    fitPageSheetColumns(sheet_);
}

void ConstrGeometryPage::followRow(int element) {
    if (!record || element == highlightedRow_ || element < 0 || element >= elementCount()) return;
    removeHighlight();
    if (record->geometryIds.isValidIndex(element)) HighlightObject(record->geometryIds[element]);
    highlightedRow_ = element;
    acedUpdateDisplay();
}

void ConstrGeometryPage::removeHighlight() {
    if (record && record->geometryIds.isValidIndex(highlightedRow_))
        UnHighlightObject(record->geometryIds[highlightedRow_]);
}

void ConstrGeometryPage::onFreedomChosen(int element) {
    if (!record->geometryIds.isValidIndex(element) || !record->geometryExtra.isValidIndex(element)) return;
    int index = -1;
    if (!sheet_.getComboIndex(kFreedomCol, element + 1, index) || index < 0) return;
    UpdateGeomFlexibility(record, record->geometryIds[element], index + 1, record->geometryExtra[element]);
    buildList(false);
}

void ConstrGeometryPage::onTick(int element) {
    const int flag = flagOf(element);
    if ((flag != 0 && flag != 1) || !record->geometryIds.isValidIndex(element)) return;
    bool ticked = false;
    if (!sheet_.getCellBool(kFlagCol, element + 1, ticked) || ticked == (flag == 1)) return;
    UpdateConstrGeom(record, record->geometryIds[element], ticked);
    buildList(false);
}

void ConstrGeometryPage::onSheetCellChanged(int sheetId) {
    if (sheetId != IDC_CG_SHEET || filling_ || !record) return;
    int col = 0, row = 0;
    if (!sheet_.getActiveCellOrFirst(col, row)) return;
    const int element = row - 1;
    if (element < 0 || element >= elementCount()) return;
    if (col == kFreedomCol)
        onFreedomChosen(element);
    else if (col == kFlagCol)
        onTick(element);
}

void ConstrGeometryPage::onSheetClick(int sheetId, int, int row) {
    if (sheetId != IDC_CG_SHEET || filling_) return;
    followRow(row - 1);
}

void ConstrGeometryPage::onSheetLeaveCell(int sheetId, int, int, int, int newRow) {
    if (sheetId != IDC_CG_SHEET || filling_) return;
    followRow(newRow - 1);
}

void ConstrGeometryPage::leave() {
    removeHighlight();
    acedUpdateDisplay();
}

void ConstrGeometryPage::activate(bool) {
    if (!record) return;
    GetGeomFlexibility(record);
    buildList(false);
    if (record->geometryIds.isValidIndex(highlightedRow_)) HighlightObject(record->geometryIds[highlightedRow_]);
    acedUpdateDisplay();
}

void ConstrGeometryPage::OnSize(UINT type, int cx, int cy) {
    ConstraintPage::OnSize(type, cx, cy);
    if (!sheet_.isAttached()) return;
    // The sheet fills the page; its columns share its width.
    sheet_.MoveWindow(4, 4, std::max(cx - 8, 0), std::max(cy - 8, 0));
    fitPageSheetColumns(sheet_);
}

void ConstrGeometryPage::OnDestroy() {
    removeHighlight();
    acedUpdateDisplay();
    ConstraintPage::OnDestroy();
}
