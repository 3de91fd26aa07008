#include "constraints/constr_variables_page.h"

#include <algorithm>
#include <cstdlib>
#include <string>

#include "constraints/constr_geom_vars_ids.h"
#include "constraints/page_sheet_fit.h"
#include "core/geometry_variables_calls.h"
#include "core/kv_texts.h"
#include "core/records/edit_constr_data.h"
#include "resources/package_icons.h"

namespace {

constexpr int kNameCol = 1;
constexpr int kValueCol = 2;
constexpr int kTypeCol = 3;
constexpr int kTypeTexts[8] = {900, 895, 893, 901, 902, 1325, 1326, 1327};

Kv_StringArray typeEntries() {
    Kv_StringArray entries;
    for (int text : kTypeTexts) entries.append(dialString(text));
    return entries;
}

// The sheet's row count for a list of n entries: an empty list keeps one empty row, as the
// list reset leaves it.
int sheetRows(int n) { return std::max(n, 1); }

}  // namespace

ConstrVariablesPage::ConstrVariablesPage(DlgEditConstraints& editor)
    : ConstraintPage(IDD_CONSTR_VARIABLES_PAGE, editor), variables_(this), dimensions_(this) {}

BOOL ConstrVariablesPage::OnInitDialog() {
    ConstraintPage::OnInitDialog();
    variables_.attach(this, IDC_CV_VARIABLES, true);
    dimensions_.attach(this, IDC_CV_DIMENSIONS, true);
    if (addButton_.SubclassDlgItem(IDC_CV_ADD, this)) {
        addButton_.SetIcon(IDI_KV_ADD);
        addButton_.SetTooltipText(896);
    }
    if (deleteButton_.SubclassDlgItem(IDC_CV_DELETE_LAST, this)) {
        deleteButton_.SetIcon(IDI_KV_REMOVE);
        deleteButton_.SetTooltipText(897);
    }
    SetDlgItemText(IDC_CV_VARIABLES_GROUP, dialString(875).c_str());
    SetDlgItemText(IDC_CV_DIMENSIONS_GROUP, dialString(898).c_str());
    SetDlgItemText(IDC_CV_EQUATIONS_GROUP, dialString(899).c_str());

    // The lists and the equations stretch with the width and share the height.
    layout_.record(m_hWnd);
    for (int id : {IDC_CV_VARIABLES_GROUP, IDC_CV_VARIABLES, IDC_CV_DIMENSIONS_GROUP, IDC_CV_DIMENSIONS,
                   IDC_CV_EQUATIONS_GROUP, IDC_CV_EQUATIONS})
        layout_.setAnchors(id, ChildLayout::kKeepNear | ChildLayout::kFollowFar, 0);
    for (int id : {IDC_CV_ADD, IDC_CV_DELETE_LAST})
        layout_.setAnchors(id, ChildLayout::kKeepSize | ChildLayout::kFollowFar, ChildLayout::kKeepSize);

    fill(true);
    return TRUE;
}

void ConstrVariablesPage::fill(bool reset) {
    if (!record || !variables_.isAttached()) return;
    fillVariables(reset);
    fillDimensions(reset);
    fillEquations();
}

void ConstrVariablesPage::setVariableRowTypes(int first, int last) {
    if (first > last) return;
    variables_.setTypeNumber({kValueCol, first, kValueCol, last}, 6, false);
    setComboRange(&variables_, {kTypeCol, first, kTypeCol, last}, typeEntries(), false);
}

void ConstrVariablesPage::fillVariables(bool reset) {
    const EditConstrData& r = *record;
    const int count = r.macroVariableNames.length();
    const int rows = sheetRows(count);
    if (reset) {
        resetListSheet(&variables_, 3, count, 1);
    } else {
        if (variables_.getMaxCols() != 3) variables_.SetMaxCols(3);
        if (variables_.getMaxRows() != rows) variables_.SetMaxRows(rows);
    }
    variables_.SetBool(sheet::kOptRedraw, 0);
    const int headings[3] = {87, 86, 101};
    for (int col = 1; col <= 3; ++col) variables_.SetData(col, SS_HEADER, dialString(headings[col - 1]).c_str());
    setVariableRowTypes(1, rows);
    for (int i = 0; i < rows; ++i) {
        const int row = i + 1;
        const bool known = i < count;
        variables_.SetData(kNameCol, row, known ? r.macroVariableNames[i].c_str() : "");
        // Values in full: a show and a store without an edit give the same number back.
        if (known)
            variables_.setCellDouble(kValueCol, row,
                                     r.macroVariableValues.isValidIndex(i) ? r.macroVariableValues[i] : 0, -1);
        else
            variables_.SetData(kValueCol, row, "");
        // A type the drop-down cannot show leaves it without a choice.
        const int type = known && r.macroVariableTypes.isValidIndex(i) ? r.macroVariableTypes[i] : 0;
        if (known && type >= 0 && type < 8)
            variables_.setComboIndex(kTypeCol, row, type);
        else
            variables_.SetData(kTypeCol, row, "");
    }
    variables_.SetBool(sheet::kOptRedraw, 1);
    fitPageSheetColumns(variables_);
}

void ConstrVariablesPage::fillDimensions(bool reset) {
    const EditConstrData& r = *record;
    const int count = r.dimensionNames.length();
    if (reset) {
        resetListSheet(&dimensions_, 2, count, 0);
    } else {
        if (dimensions_.getMaxCols() != 2) dimensions_.SetMaxCols(2);
        if (dimensions_.getMaxRows() != sheetRows(count)) dimensions_.SetMaxRows(sheetRows(count));
    }
    dimensions_.SetBool(sheet::kOptRedraw, 0);
    dimensions_.SetData(1, SS_HEADER, dialString(87).c_str());
    dimensions_.SetData(2, SS_HEADER, dialString(86).c_str());
    for (int i = 0; i < sheetRows(count); ++i) {
        dimensions_.SetData(1, i + 1, i < count ? r.dimensionNames[i].c_str() : "");
        dimensions_.SetData(2, i + 1,
                            i < count && r.dimensionValues.isValidIndex(i) ? r.dimensionValues[i].c_str() : "");
    }
    dimensions_.SetBool(sheet::kOptRedraw, 1);
    fitPageSheetColumns(dimensions_);
}

void ConstrVariablesPage::fillEquations() {
    // Each equation ends in a line feed and then a carriage return, as the package writes them.
    std::string text;
    for (const Kv_String& equation : record->equations) {
        text += equation.c_str();
        text += "\n\r";
    }
    SetDlgItemText(IDC_CV_EQUATIONS, text.c_str());
}

Kv_StringArray ConstrVariablesPage::equationLines() const {
    // The rich edit ends a line at CR, LF, CR LF and LF CR alike; empty lines are dropped.
    std::string text;
    GetDlgItemText(IDC_CV_EQUATIONS, text);
    Kv_StringArray lines;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find_first_of("\r\n", start);
        if (end == std::string::npos) end = text.size();
        if (end > start) lines.append(Kv_String(text.substr(start, end - start)));
        start = end + 1;
    }
    return lines;
}

bool ConstrVariablesPage::store() {
    if (!record || !variables_.isAttached()) return false;
    EditConstrData& r = *record;
    Kv_StringArray names;
    Kv_Array<double> values;
    Kv_Array<std::int16_t> types;
    const int rows = variables_.getMaxRows();
    for (int row = 1; row <= rows; ++row) {
        const int i = row - 1;
        Kv_String name, value;
        variables_.getCellText(kNameCol, row, name, CellTextKind::Data);
        variables_.getCellText(kValueCol, row, value, CellTextKind::Value);
        int type = -1;
        variables_.getComboIndex(kTypeCol, row, type);
        // A row nobody filled (the empty list's row, an added row left blank) is no variable.
        if (name.isEmpty() && value.isEmpty() && type < 0) continue;
        names.append(name);
        values.append(value.isEmpty() ? 0.0 : std::atof(value.c_str()));
        // No choice shown: the stored type stands (also one the drop-down cannot show).
        if (type < 0) type = r.macroVariableTypes.isValidIndex(i) ? r.macroVariableTypes[i] : 0;
        types.append(static_cast<std::int16_t>(type));
    }
    r.macroVariableNames = names;
    r.macroVariableValues = values;
    r.macroVariableTypes = types;
    r.equations = equationLines();
    UpdateVarsEqs(record);
    return true;
}

void ConstrVariablesPage::activate(bool storeFirst) {
    if (storeFirst) store();
    fill(false);
}

void ConstrVariablesPage::addVariableRow() {
    if (!variables_.isAttached()) return;
    const int row = variables_.getMaxRows() + 1;
    variables_.SetMaxRows(row);
    setVariableRowTypes(row, row);
    variables_.setFontRange({1, row, 3, row}, false);
    // The person goes on with the new variable's name.
    variables_.SetActiveCell(kNameCol, row);
    variables_.SetFocus();
}

void ConstrVariablesPage::deleteLastVariableRow() {
    if (!variables_.isAttached() || variables_.getMaxRows() < 1) return;
    variables_.SetMaxRows(variables_.getMaxRows() - 1);
}

BOOL ConstrVariablesPage::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (HIWORD(wParam) == BN_CLICKED) {
        switch (LOWORD(wParam)) {
        case IDC_CV_ADD: addVariableRow(); return TRUE;
        case IDC_CV_DELETE_LAST: deleteLastVariableRow(); return TRUE;
        default: break;
        }
    }
    return ConstraintPage::OnCommand(wParam, lParam);
}

void ConstrVariablesPage::OnSize(UINT type, int cx, int cy) {
    ConstraintPage::OnSize(type, cx, cy);
    layout_.apply();
    if (variables_.isAttached()) fitPageSheetColumns(variables_);
    if (dimensions_.isAttached()) fitPageSheetColumns(dimensions_);
}
