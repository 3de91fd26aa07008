#include "constraints/constr_list_page.h"

#include <algorithm>

#include "constraints/constraints_ids.h"
#include "constraints/dlg_edit_constraints.h"
#include "constraints/editor_lifetime.h"
#include "core/constraint_editor_calls.h"
#include "core/dialog_helpers.h"
#include "core/edit_macro_cut_dlg.h"
#include "core/kv_texts.h"
#include "core/records/edit_constr_data.h"
#include "host/command_line.h"
#include "resources/package_icons.h"

namespace {

constexpr int kOptionIds[ConstrListPage::kOptionButtons] = {IDC_CL_OPTION_1, IDC_CL_OPTION_2, IDC_CL_OPTION_3,
                                                            IDC_CL_OPTION_4, IDC_CL_OPTION_5};
constexpr COLORREF kMagenta = RGB(255, 0, 255);
constexpr int kPropertyControls[] = {IDC_CL_VALUE,          IDC_CL_VALUE_LABEL, IDC_CL_VARIABLE,
                                     IDC_CL_VARIABLE_LABEL, IDC_CL_CHOICE,      IDC_CL_CHOICE_LABEL,
                                     IDC_CL_CHECK_1,        IDC_CL_CHECK_2,     IDC_CL_EDIT_CUT};

bool endsInOperator(const Kv_String& name) {
    if (name.isEmpty()) return false;
    const char last = name.c_str()[name.length() - 1];
    return last == '+' || last == '-' || last == '*' || last == '/';
}

Kv_String quoted(const Kv_String& name) { return "\"" + name + "\"\n"; }

}  // namespace

ConstrListPage::ConstrListPage(DlgEditConstraints& editor)
    : ConstraintPage(IDD_CONSTR_LIST_PAGE, editor), sheet_(this) {}

BOOL ConstrListPage::OnInitDialog() {
    ConstraintPage::OnInitDialog();
    SetWindowText("Regels editeren");
    const std::pair<int, int> labels[] = {
        {IDC_CL_PROPERTIES, 879}, {IDC_CL_VALUE_LABEL, 880}, {IDC_CL_VARIABLE_LABEL, 221}, {IDC_CL_CHOICE_LABEL, 228},
        {IDC_CL_CHECK_1, 881},    {IDC_CL_CHECK_2, 1328},    {IDC_CL_EDIT_CUT, 862}};
    for (auto [id, text] : labels) SetDlgItemText(id, dialString(text).c_str());
    for (int i = 0; i < kOptionButtons; ++i) {
        if (!options_[i].SubclassDlgItem(kOptionIds[i], this)) continue;
        options_[i].SetTooltipText(Kv_String("Enum ") + Kv_String(static_cast<double>(i + 1), 0));
    }
    if (deleteButton_.SubclassDlgItem(IDC_CL_DELETE, this)) {
        deleteButton_.SetIcon(IDI_KV_REMOVE);
        deleteButton_.SetTooltipText(882);
    }

    // The sheet takes the placeholder's place first, so that the resizer records the sheet.
    // A page has no frame or caption: the placeholder's place is the sheet's as it stands.
    sheet_.attach(this, IDC_CL_SHEET, true);
    resizer_.attach(this);
    resizer_.setAnchor(IDC_CL_SHEET, CResizer::All);
    resizer_.setAnchor(IDC_CL_PROPERTIES, CResizer::Left | CResizer::Right | CResizer::Bottom);
    for (int id : {IDC_CL_VALUE, IDC_CL_VALUE_LABEL, IDC_CL_VARIABLE, IDC_CL_VARIABLE_LABEL, IDC_CL_CHOICE,
                   IDC_CL_CHOICE_LABEL, IDC_CL_CHECK_1, IDC_CL_CHECK_2})
        resizer_.setAnchor(id, CResizer::Left | CResizer::Bottom);
    for (int id : kOptionIds) resizer_.setAnchor(id, CResizer::Left | CResizer::Bottom);
    resizer_.setAnchor(IDC_CL_EDIT_CUT, CResizer::Right | CResizer::Bottom);
    resizer_.setAnchor(IDC_CL_DELETE, CResizer::Right | CResizer::Bottom);

    refreshConstraintList(true);
    return TRUE;
}

int ConstrListPage::rowCount() const { return record ? record->rowCells.length() : 0; }

bool ConstrListPage::rowHasFeature(int row, int feature) const {
    return record && record->features.isValidIndex(row) && record->features[row].containsValue(feature);
}

bool ConstrListPage::rowComplete(int row) const {
    const EditConstrData& r = *record;
    if (!r.constraintIds.isValidIndex(row) || !r.constraintKinds.isValidIndex(row) || !r.features.isValidIndex(row) ||
        !r.optionImages.isValidIndex(row) || !r.optionStates.isValidIndex(row))
        return false;
    for (int feature : r.features[row]) {
        switch (feature) {
        case 0:
            if (!r.values.isValidIndex(row)) return false;
            break;
        case 1:
            if (!r.variableNames.isValidIndex(row)) return false;
            break;
        case 2:
            if (!r.choiceItems.isValidIndex(row) || !r.choiceIndex.isValidIndex(row)) return false;
            break;
        case 3:
            if (!r.firstCheck.isValidIndex(row) || !r.secondCheck.isValidIndex(row)) return false;
            break;
        default: break;  // a feature this page does not know shows nothing
        }
    }
    return true;
}

void ConstrListPage::refreshConstraintList(bool reset) {
    if (!record || !sheet_.isAttached()) return;
    filling_ = true;
    const int rows = rowCount();
    const int cols = rows > 0 ? record->rowCells[0].length() : 0;
    // An empty list keeps one empty row, as the list reset leaves it.
    const int sheetRows = std::max(rows, 1);
    if (reset) {
        resetListSheet(&sheet_, cols, rows, 0);
    } else {
        if (sheet_.getMaxCols() != cols) sheet_.SetMaxCols(cols);
        const int oldRows = sheet_.getMaxRows();
        if (oldRows != sheetRows) sheet_.SetMaxRows(sheetRows);
        if (sheetRows > oldRows && cols > 0) {
            SS_CELLTYPE type;
            sheet_.SetTypeEdit(&type, 4, 100, 0, 1);
            sheet_.SetCellTypeRange(1, oldRows + 1, cols, sheetRows, &type);
            sheet_.setFontRange({1, oldRows + 1, cols, sheetRows}, false);
        }
    }
    const Kv_String headings[4] = {dialString(87), dialString(883), append(string(2333), 1), append(string(2333), 2)};
    for (int col = 1; col <= std::min(cols, 4); ++col) sheet_.SetData(col, SS_HEADER, headings[col - 1].c_str());
    for (int row = 0; row < sheetRows; ++row) {
        for (int col = 1; col <= cols; ++col) {
            const bool known = row < rows && record->rowCells[row].isValidIndex(col - 1);
            sheet_.SetData(col, row + 1, known ? record->rowCells[row][col - 1].c_str() : "");
        }
    }
    currentRow_ = -1;
    int select = record->constraintIds.findValue(record->currentConstraintId);
    if (select < 0 || select >= rows) select = 0;
    if (rows > 0) sheet_.SetActiveCell(1, select + 1);
    filling_ = false;
    // With an empty list row 0 names no constraint: the properties and delete are hidden.
    selectConstraintRow(select);
}

void ConstrListPage::showRowCells() {
    if (!record || !sheet_.isAttached()) return;
    // One repaint for the column, not one per cell.
    sheet_.SetBool(sheet::kOptRedraw, 0);
    for (int row = 0; row < rowCount(); ++row) {
        const Kv_StringArray& cells = record->rowCells[row];
        sheet_.SetData(1, row + 1, cells.isValidIndex(0) ? cells[0].c_str() : "");
    }
    sheet_.SetBool(sheet::kOptRedraw, 1);
}

void ConstrListPage::selectConstraintRow(int row) {
    if (!record || row == currentRow_) return;
    showRowCells();
    for (CButtonST& option : options_) {
        if (!option.m_hWnd) continue;
        option.SetCheck(BST_UNCHECKED);
        option.SetBitmap(nullptr);
        option.EnableWindow(FALSE);
    }
    buttonsInUse_ = 0;
    groupSplit_ = -1;
    runStart_ = 1;
    groupEnds_[0] = groupEnds_[1] = 0;
    for (int id : kPropertyControls) ShowOrHideCtrl(m_hWnd, id, false);
    ShowOrHideCtrl(m_hWnd, IDC_CL_DELETE, rowCount() > 0);
    rowStorable_ = false;
    if (row < 0 || row >= rowCount()) {
        currentRow_ = -1;
        return;
    }
    // A row whose arrays are too short still becomes the current row (delete and the menu act
    // on it), but it shows no properties and stores nothing.
    currentRow_ = row;
    if (record->constraintIds.isValidIndex(row)) record->currentConstraintId = record->constraintIds[row];
    if (rowComplete(row)) {
        const EditConstrData& r = *record;
        const bool value = rowHasFeature(row, 0), variable = rowHasFeature(row, 1);
        const bool choice = rowHasFeature(row, 2), checks = rowHasFeature(row, 3);
        for (int id : {IDC_CL_VALUE, IDC_CL_VALUE_LABEL}) ShowOrHideCtrl(m_hWnd, id, value);
        SetDlgItemText(IDC_CL_VALUE, value ? r.values[row].c_str() : "");
        for (int id : {IDC_CL_VARIABLE, IDC_CL_VARIABLE_LABEL}) ShowOrHideCtrl(m_hWnd, id, variable);
        SetDlgItemText(IDC_CL_VARIABLE, variable ? r.variableNames[row].c_str() : "");
        for (int id : {IDC_CL_CHECK_1, IDC_CL_CHECK_2}) ShowOrHideCtrl(m_hWnd, id, checks);
        CheckDlgButton(IDC_CL_CHECK_1, checks && r.firstCheck.items()[row] ? BST_CHECKED : BST_UNCHECKED);
        CheckDlgButton(IDC_CL_CHECK_2, checks && r.secondCheck.items()[row] ? BST_CHECKED : BST_UNCHECKED);
        for (int id : {IDC_CL_CHOICE, IDC_CL_CHOICE_LABEL}) ShowOrHideCtrl(m_hWnd, id, choice);
        if (choice) {
            const int index = r.choiceIndex[row];
            FillCombo(m_hWnd, IDC_CL_CHOICE, r.choiceItems[row], r.choiceItems[row].isValidIndex(index) ? index : -1);
        } else {
            FillCombo(m_hWnd, IDC_CL_CHOICE, Kv_StringArray());
        }
        ShowOrHideCtrl(m_hWnd, IDC_CL_EDIT_CUT, r.constraintKinds[row] == 1);
        setUpOptionButtons(row);
        rowStorable_ = true;
    }
    EnDisCtrl(m_hWnd, IDC_CL_CHECK_2, IsDlgButtonChecked(IDC_CL_CHECK_1) == BST_CHECKED);
    HighlightConstraint(record, row);
    acedUpdateDisplay();
}

void ConstrListPage::setUpOptionButtons(int row) {
    const Kv_StringArray& images = record->optionImages[row];
    const Kv_Array<int>& states = record->optionStates[row];
    auto checkIn = [&](int stateIndex, int first, int last) {
        if (!states.isValidIndex(stateIndex)) return;
        const int chosen = states[stateIndex];
        if (chosen >= first && chosen <= last) options_[chosen - 1].SetCheck(BST_CHECKED);
    };
    int counter = 1;
    int breaks = 0;
    for (const Kv_String& entry : images) {
        if (entry == kRadioBreak) {
            if (breaks == 0) {
                groupEnds_[0] = counter - 1;
                checkIn(0, 1, counter - 1);
                groupSplit_ = counter;
            } else if (breaks == 1) {
                groupEnds_[1] = counter - 1;
                checkIn(1, groupSplit_, counter - 1);
            }
            // A third break closes nothing: two groups are all the states can name.
            if (breaks < 2) runStart_ = counter;
            ++breaks;
            continue;
        }
        if (counter > kOptionButtons) continue;  // more pictures than buttons
        // A missing or undecodable picture leaves the button without one.
        options_[counter - 1].SetBitmapFile(entry, kMagenta);
        ++counter;
    }
    buttonsInUse_ = counter - 1;
    for (int n = 1; n <= buttonsInUse_; ++n) options_[n - 1].EnableWindow(TRUE);
}

void ConstrListPage::clickOption(int number) {
    if (number < 1 || number > buttonsInUse_) return;
    int first = runStart_, last = buttonsInUse_;
    if (groupSplit_ > 0 && number < groupSplit_) {
        first = 1;
        last = groupEnds_[0];
    } else if (groupEnds_[1] > 0 && number >= groupSplit_ && number <= groupEnds_[1]) {
        first = groupSplit_;
        last = groupEnds_[1];
    }
    for (int n = first; n <= last; ++n) options_[n - 1].SetCheck(n == number ? BST_CHECKED : BST_UNCHECKED);
}

void ConstrListPage::readOptionStates(Kv_Array<int>& states) const {
    states.removeAll();
    // Only groups a break closed are stored; the buttons of an unclosed run are not.
    const int ranges[2][2] = {{1, groupEnds_[0]}, {groupSplit_, groupEnds_[1]}};
    const bool closed[2] = {groupSplit_ > 0, groupEnds_[1] > 0};
    for (int g = 0; g < 2; ++g) {
        if (!closed[g]) continue;
        for (int n = ranges[g][0]; n <= ranges[g][1]; ++n)
            if (options_[n - 1].GetCheck() == BST_CHECKED) states.append(n);
    }
}

Kv_String ConstrListPage::controlText(int id) const {
    std::string text;
    GetDlgItemText(id, text);
    return Kv_String(text.c_str());
}

bool ConstrListPage::storeConstraintEdits() {
    if (!record || rowCount() == 0 || currentRow_ < 0 || !rowStorable_) return false;
    EditConstrData& r = *record;
    const int row = currentRow_;
    const Kv_String value = controlText(IDC_CL_VALUE);
    const Kv_String variable = controlText(IDC_CL_VARIABLE);
    const bool first = IsDlgButtonChecked(IDC_CL_CHECK_1) == BST_CHECKED;
    const bool second = IsDlgButtonChecked(IDC_CL_CHECK_2) == BST_CHECKED;
    const int choice = static_cast<int>(SendDlgItemMessage(IDC_CL_CHOICE, CB_GETCURSEL, 0, 0));
    Kv_Array<int> states;
    readOptionStates(states);

    const bool hasValue = rowHasFeature(row, 0), hasVariable = rowHasFeature(row, 1);
    const bool hasChoice = rowHasFeature(row, 2), hasChecks = rowHasFeature(row, 3);
    bool changed = false;
    if (hasValue && value != r.values[row]) changed = true;
    if (hasVariable && variable != r.variableNames[row]) changed = true;
    if (hasChecks && (first != r.firstCheck.items()[row] || second != r.secondCheck.items()[row])) changed = true;
    // No selection stands for a stored index that names no entry.
    const bool storedChoiceShown = hasChoice && r.choiceItems[row].isValidIndex(r.choiceIndex[row]);
    if (hasChoice && (storedChoiceShown ? choice != r.choiceIndex[row] : choice >= 0)) changed = true;
    const bool statesFit = states.length() == r.optionStates[row].length();
    if (!statesFit)
        acutPrintf("*Error* Array size mismatch.\n");
    else if (!(states == r.optionStates[row]))
        changed = true;

    if (changed) {
        if (hasValue) r.values[row] = value;
        if (hasVariable) r.variableNames[row] = variable;
        if (hasChecks) {
            r.firstCheck.items()[row] = first;
            r.secondCheck.items()[row] = second;
        }
        if (hasChoice && choice >= 0) r.choiceIndex[row] = choice;
        if (statesFit) r.optionStates[row] = states;
        UpdateConstraint(record, row);
        if (r.rowCells.isValidIndex(row))
            for (int col = 1; col <= sheet_.getMaxCols(); ++col)
                sheet_.SetData(col, row + 1,
                               r.rowCells[row].isValidIndex(col - 1) ? r.rowCells[row][col - 1].c_str() : "");
    }
    return true;
}

void ConstrListPage::noteVariableLeft() {
    if (!record || currentRow_ < 0 || !rowHasFeature(currentRow_, 1) ||
        !record->variableNames.isValidIndex(currentRow_))
        return;
    const Kv_String name = controlText(IDC_CL_VARIABLE);
    if (name == record->variableNames[currentRow_]) return;
    pendingName_ = name;
    pendingConstraintId_ = record->currentConstraintId;
    if (!namePending_) PostMessage(kValidateNameMessage, 0, 0);
    namePending_ = true;
}

void ConstrListPage::validateVariableName() {
    if (!namePending_ || !record) return;
    namePending_ = false;
    const Kv_String& name = pendingName_;
    bool inUse = false;
    // The name belongs to the constraint whose field the person left, whatever row is selected now.
    const int selected = record->currentConstraintId;
    record->currentConstraintId = pendingConstraintId_;
    const bool asked = VarNameInUse(record, name, inUse);
    record->currentConstraintId = selected;
    Kv_String caption, message;
    if (asked && inUse) {
        caption = dialString(856);
        message = quoted(name) + string(857) + ".\n" + string(858) + ".";
    } else if (endsInOperator(name)) {
        caption = dialString(884);
        message = quoted(name) + string(1455) + ".\n" + string(1456) + ".\n\n" + string(888) + ".";
    } else if (startsWithNumber(name)) {
        caption = dialString(884);
        message = quoted(name) + string(885) + ".\n" + string(886) + ".\n" + string(887) + ".\n\n" + string(888) + ".";
    }
    // The editor's window owns the box: a page (a child window) would be left disabled.
    if (!message.isEmpty())
        ::MessageBox(::GetAncestor(m_hWnd, GA_ROOT), message.c_str(), caption.c_str(), MB_OK | MB_ICONEXCLAMATION);
}

LRESULT ConstrListPage::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == kValidateNameMessage) {
        constraints::HandlerScope handling;
        validateVariableName();
        return 0;
    }
    return ConstraintPage::WindowProc(msg, wParam, lParam);
}

void ConstrListPage::onSheetClick(int sheetId, int col, int row) {
    if (sheetId != IDC_CL_SHEET || filling_) return;
    if (row == 0 && col >= 1 && col <= 4) onHeadingClicked(col);
}

void ConstrListPage::onSheetLeaveCell(int sheetId, int, int, int, int newRow) {
    if (sheetId != IDC_CL_SHEET || filling_) return;
    const int row = newRow - 1;
    if (row < 0 || row >= rowCount() || row == currentRow_) return;
    store();
    filling_ = true;
    sheet_.SetActiveCell(1, newRow);
    filling_ = false;
    selectConstraintRow(row);
    sheet_.SetFocus();
}

void ConstrListPage::onHeadingClicked(int column) {
    if (column == sortColumn_) return;
    if (sortColumn_ < 0) sortColumn_ = column % 4 + 1;
    store();
    SortConstraints(record, column, sortColumn_);
    sortColumn_ = column;
    refreshConstraintList(false);
}

void ConstrListPage::onSheetRightClick(int sheetId, int col, int row) {
    if (sheetId != IDC_CL_SHEET || col < 1 || col > 3 || row < 1 || row > rowCount()) return;
    filling_ = true;
    sheet_.SetActiveCell(col, row);
    filling_ = false;
    if (row - 1 != currentRow_) {
        editor_.storeEditPages();
        selectConstraintRow(row - 1);
    }
    if (currentRow_ < 0) return;
    Kv_StringArray labels;
    Kv_Array<int> codes, checked;
    if (!ConstrContextMenu(record, currentRow_, labels, codes, checked)) return;
    // Separators take no command id; the items get the sheet menu's ids in order, ten at most.
    CMenu menu;
    menu.CreatePopupMenu();
    int item = 0;
    for (const Kv_String& label : labels) {
        if (label.equal("%BREAK%", true)) {
            menu.AppendMenu(MF_SEPARATOR);
            continue;
        }
        if (item >= 10) break;
        const UINT flags = MF_STRING | (checked.containsValue(item) ? MF_CHECKED : MF_UNCHECKED);
        menu.AppendMenu(flags, kSpreadMenuIds[item], label.c_str());
        ++item;
    }
    menuActionCodes_ = codes;
    POINT at;
    ::GetCursorPos(&at);
    const UINT chosen =
        static_cast<UINT>(menu.TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD, at.x, at.y, this));
    const UINT* found = std::find(std::begin(kSpreadMenuIds), std::end(kSpreadMenuIds), chosen);
    const int entry = static_cast<int>(found - std::begin(kSpreadMenuIds));
    // An entry without an action code does nothing.
    if (chosen == 0 || !menuActionCodes_.isValidIndex(entry)) return;
    const int row0 = currentRow_;
    const int code = menuActionCodes_[entry];
    editor_.runEditorCommand([&] { return ContextMenuAction(record, row0, code); });
    if (m_hWnd && record->rowCells.isValidIndex(row0))
        for (int c = 1; c <= sheet_.getMaxCols(); ++c)
            sheet_.SetData(c, row0 + 1,
                           record->rowCells[row0].isValidIndex(c - 1) ? record->rowCells[row0][c - 1].c_str() : "");
}

void ConstrListPage::onDelete() {
    if (!record || rowCount() == 0 || currentRow_ < 0) return;
    const int deleted = currentRow_;
    if (!DeleteConstraint(record, deleted)) return;
    refreshConstraintList(false);
    int target = deleted - 1;
    if (target < 0 || target >= rowCount()) target = 0;
    if (rowCount() == 0) return;
    filling_ = true;
    sheet_.SetActiveCell(1, target + 1);
    filling_ = false;
    selectConstraintRow(target);
}

void ConstrListPage::onEditCut() {
    if (!record || currentRow_ < 0) return;
    bool escapeClosed = false;
    StartEditMacroCutDlg(record->macroId, record->currentModule, record->currentConstraintId, escapeClosed);
    skipNextEscape_ = escapeClosed;
}

bool ConstrListPage::takeEscape() {
    if (!skipNextEscape_) return false;
    skipNextEscape_ = false;
    return true;
}

void ConstrListPage::leave() {
    if (!record) return;
    UnHighlightConstraints(record);
    acedUpdateDisplay();
}

void ConstrListPage::activate(bool storeFirst) {
    if (storeFirst) store();
    refreshConstraintList(false);
}

BOOL ConstrListPage::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    const int code = HIWORD(wParam);
    if (id == IDC_CL_VARIABLE && code == EN_KILLFOCUS) {
        noteVariableLeft();
        return TRUE;
    }
    if (code == BN_CLICKED) {
        for (int n = 1; n <= kOptionButtons; ++n)
            if (kOptionIds[n - 1] == id) {
                clickOption(n);
                return TRUE;
            }
        switch (id) {
        case IDC_CL_CHECK_1:
            EnDisCtrl(m_hWnd, IDC_CL_CHECK_2, IsDlgButtonChecked(IDC_CL_CHECK_1) == BST_CHECKED);
            return TRUE;
        case IDC_CL_DELETE: onDelete(); return TRUE;
        case IDC_CL_EDIT_CUT: onEditCut(); return TRUE;
        default: break;
        }
    }
    return ConstraintPage::OnCommand(wParam, lParam);
}

void ConstrListPage::fitColumns() { fitColumnsEqual(&sheet_, false, -1); }

void ConstrListPage::OnSize(UINT type, int cx, int cy) {
    ConstraintPage::OnSize(type, cx, cy);
    if (resizer_.isAttached()) resizer_.resize();
    if (sheet_.isAttached()) fitColumns();
}

void ConstrListPage::OnDestroy() {
    if (record) UnHighlightConstraints(record);
    ConstraintPage::OnDestroy();
}
