#include "macro/dlg_macro_array.h"

#include <algorithm>
#include <string>
#include <utility>

#include "core/dialog_helpers.h"
#include "core/kv_texts.h"
#include "core/macro_instances.h"
#include "designer/kv_dlg_designer_data.h"
#include "frame/dialog_launcher.h"
#include "macro/array_ids.h"

namespace {

// The entry sheet: the three entry lists, then the action and the template control of each
// entry, both kept in the row so that new and deleted rows carry them along.  The template
// control means nothing to a person: its column has no width.
constexpr int kNumberColumn = 1, kOnColumn = 2, kValueColumn = 3, kActionColumn = 4, kLinkColumn = 5, kColumns = 5;

constexpr int kTypeCount = 4;  // types 0 to 3; combo entry 4 is the mixed type

// The dimension combos with their labels, and the value edits with theirs, in record order.
constexpr std::pair<int, int> kDimensions[] = {{IDC_ARRAY_DIM1, IDC_ARRAY_DIM1_LABEL},
                                               {IDC_ARRAY_DIM2, IDC_ARRAY_DIM2_LABEL},
                                               {IDC_ARRAY_DIM3, IDC_ARRAY_DIM3_LABEL},
                                               {IDC_ARRAY_DIM4, IDC_ARRAY_DIM4_LABEL}};
constexpr std::pair<int, int> kValues[] = {{IDC_ARRAY_VALUE1, IDC_ARRAY_VALUE1_LABEL},
                                           {IDC_ARRAY_VALUE2, IDC_ARRAY_VALUE2_LABEL},
                                           {IDC_ARRAY_VALUE3, IDC_ARRAY_VALUE3_LABEL},
                                           {IDC_ARRAY_VALUE4, IDC_ARRAY_VALUE4_LABEL},
                                           {IDC_ARRAY_VALUE5, IDC_ARRAY_VALUE5_LABEL}};
// Everything about the entries: a rectangular array has none of its own.
constexpr int kEntryControls[] = {IDC_ARRAY_ENTRIES_GROUP, IDC_ARRAY_ALTERNATING, IDC_ARRAY_SKIP_COUNT_LABEL,
                                  IDC_ARRAY_SKIP_COUNT,    IDC_ARRAY_SHEET,       IDC_ARRAY_NEW,
                                  IDC_ARRAY_DELETE,        IDC_ARRAY_SKIP};

Kv_String* dimension(DynArrayData& data, int index) {
    Kv_String* names[] = {&data.dimName1, &data.dimName2, &data.dimName3, &data.dimName4};
    return names[index];
}

Kv_String text(CWnd* dialog, int id) {
    std::string value;
    dialog->GetDlgItemText(id, value);
    return Kv_String(value);
}

// A tri-state field: above 0 checked, 0 unchecked, below 0 indeterminate.
void showTriState(CWnd* dialog, int id, int value) {
    dialog->CheckDlgButton(id, value > 0 ? BST_CHECKED : value < 0 ? BST_INDETERMINATE : BST_UNCHECKED);
}
// A box still showing the field's state keeps the field as it was (a 5 stays 5).
int readTriState(CWnd* dialog, int id, int before) {
    const UINT state = dialog->IsDlgButtonChecked(id);
    const int read = state == BST_INDETERMINATE ? -1 : state == BST_CHECKED ? 1 : 0;
    return read == (before > 0 ? 1 : before < 0 ? -1 : 0) ? before : read;
}

bool validType(int type) { return type >= DynArrayData::kMixedType && type < kTypeCount; }

}  // namespace

CDlgMacroArray::CDlgMacroArray(CWnd* parent) : CAcUiDialog(IDD_MACRO_ARRAY, parent), sheet_(this) {}

Kv_Array<int> CDlgMacroArray::hiddenControls(int type) {
    Kv_Array<int> hidden;
    auto hide = [&hidden](std::initializer_list<int> ids) {
        for (int id : ids) hidden.append(id);
    };
    if (type != 1) hide({IDC_ARRAY_VALUE0, IDC_ARRAY_VALUE0_LABEL});
    switch (type) {
    case 0:
        hide({IDC_ARRAY_DIM3, IDC_ARRAY_DIM3_LABEL, IDC_ARRAY_DIM4, IDC_ARRAY_DIM4_LABEL, IDC_ARRAY_VALUE3,
              IDC_ARRAY_VALUE3_LABEL, IDC_ARRAY_VALUE4, IDC_ARRAY_VALUE4_LABEL, IDC_ARRAY_VALUE5,
              IDC_ARRAY_VALUE5_LABEL});
        break;
    case 1:
        hide({IDC_ARRAY_DIM4, IDC_ARRAY_DIM4_LABEL, IDC_ARRAY_VALUE4, IDC_ARRAY_VALUE4_LABEL});
        for (int id : kEntryControls) hidden.append(id);
        break;
    default: break;
    }
    return hidden;
}

BOOL CDlgMacroArray::OnInitDialog() {
    CAcUiDialog::OnInitDialog();
    setLabels();
    Kv_StringArray types;
    for (int type = 0; type < kTypeCount; ++type) types.append(dialString(1071 + type));
    types.append(dialString(695));
    FillCombo(this, IDC_ARRAY_TYPE, types);
    Kv_StringArray images;
    getModuleImages(images);
    FillCombo(this, IDC_ARRAY_VALUE0, images);
    setUpSheet();
    showRecord();
    return TRUE;
}

void CDlgMacroArray::setLabels() {
    SetWindowText((dialString(1056) + " (" + data.name + ")").c_str());
    const std::pair<int, int> labels[] = {{IDC_ARRAY_TYPE_LABEL, 1057},
                                          {IDC_ARRAY_VALUE0_LABEL, 228},
                                          {IDC_ARRAY_DIM1_LABEL, 1058},
                                          {IDC_ARRAY_DIM2_LABEL, 1059},
                                          {IDC_ARRAY_DIM3_LABEL, 1060},
                                          {IDC_ARRAY_DIM4_LABEL, 1061},
                                          {IDC_ARRAY_VALUE1_LABEL, 1062},
                                          {IDC_ARRAY_VALUE2_LABEL, 1063},
                                          {IDC_ARRAY_VALUE3_LABEL, 1064},
                                          {IDC_ARRAY_VALUE4_LABEL, 1065},
                                          {IDC_ARRAY_OPTION, 1066},
                                          {IDC_ARRAY_ENTRIES_GROUP, 1067},
                                          {IDC_ARRAY_NEW, 171},
                                          {IDC_ARRAY_DELETE, 172},
                                          {IDC_ARRAY_SKIP, 1068},
                                          {IDOK, 1},
                                          {IDCANCEL, 2}};
    for (const auto& [id, number] : labels) SetDlgItemText(id, dialString(number).c_str());
    // These two have no number in the text table.
    SetDlgItemText(IDC_ARRAY_ALTERNATING, "Add entries alternating");
    SetDlgItemText(IDC_ARRAY_SKIP_COUNT_LABEL, "Nr of entries to skip");
}

void CDlgMacroArray::setUpSheet() {
    if (!sheet_.attach(this, IDC_ARRAY_SHEET)) return;
    sheet_.setDefaults(1);
    sheet_.setMaxCols(kColumns);
    Kv_StringArray headers = stringArr(dialString(1067), dialString(1069), dialString(1070), dialString(1068));
    headers.append(Kv_String());
    sheet_.setHeaderRowTexts(headers);
    const std::pair<int, int> widths[] = {
        {kNumberColumn, 70}, {kOnColumn, 50}, {kValueColumn, 250}, {kActionColumn, 70}, {kLinkColumn, 0}};
    for (const auto& [col, pixels] : widths) setColWidths(&sheet_, col, col, pixels);
}

// Rows added later take the column types again.
void CDlgMacroArray::formatColumns() {
    sheet_.setColTypeEdit(kNumberColumn);
    sheet_.setColCheckBox(kOnColumn, false, false);
    sheet_.setColTypeEdit(kValueColumn);
    sheet_.setColTypeEdit(kActionColumn);
    sheet_.setColTypeEdit(kLinkColumn);
    sheet_.lockCol(kActionColumn);
    sheet_.lockCol(kLinkColumn);
}

void CDlgMacroArray::showRecord() {
    const int type = data.arrayType;
    SendDlgItemMessage(IDC_ARRAY_TYPE, CB_SETCURSEL,
                       type == DynArrayData::kMixedType ? kTypeCount
                       : validType(type)                ? type
                                                        : -1);
    // Filled for every type, though shown only for type 1: a switch to type 1 finds it there.
    SetDlgItemText(IDC_ARRAY_VALUE0, data.value0.c_str());
    for (int i = 0; i < 4; ++i) SetDlgItemText(kDimensions[i].first, dimension(data, i)->c_str());
    for (int i = 0; i < DynArrayData::kValueCount; ++i) SetDlgItemText(kValues[i].first, data.value(i + 1)->c_str());
    SetDlgItemText(IDC_ARRAY_SKIP_COUNT, data.skipCount.c_str());
    showTriState(this, IDC_ARRAY_OPTION, data.option);
    showTriState(this, IDC_ARRAY_ALTERNATING, data.alternating);
    showEntries();
    applyTypeLayout();
}

void CDlgMacroArray::showEntries() {
    if (!sheet_.isAttached()) return;
    Kv_Array<int> numbers, flags, actions, links;
    Kv_StringArray values;
    data.getEntryColumns(numbers, flags, values);
    Kv_Array<bool> on;
    for (int i = 0; i < flags.length(); ++i) on.append(flags[i] != 0);
    for (const DynArrayEntry& entry : data.entries) {
        actions.append(entry.action);
        links.append(entry.link);
    }
    sheet_.setMaxRows(numbers.length());
    formatColumns();
    sheet_.setColInts(kNumberColumn, numbers);
    sheet_.setColBools(kOnColumn, on);
    sheet_.setColStrings(kValueColumn, values);
    sheet_.setColInts(kActionColumn, actions);
    sheet_.setColInts(kLinkColumn, links);
}

void CDlgMacroArray::applyTypeLayout() {
    const int type = data.arrayType;
    SetDlgItemText(IDC_ARRAY_VALUE5_LABEL, type == 1 || type == 2 ? dialString(1076).c_str()
                                           : type == 3            ? dialString(1077).c_str()
                                                                  : "");
    refillDimensions();
    const Kv_Array<int> hidden = hiddenControls(type);
    const int layoutControls[] = {IDC_ARRAY_VALUE0, IDC_ARRAY_VALUE0_LABEL, IDC_ARRAY_DIM1,   IDC_ARRAY_DIM1_LABEL,
                                  IDC_ARRAY_DIM2,   IDC_ARRAY_DIM2_LABEL,   IDC_ARRAY_DIM3,   IDC_ARRAY_DIM3_LABEL,
                                  IDC_ARRAY_DIM4,   IDC_ARRAY_DIM4_LABEL,   IDC_ARRAY_VALUE1, IDC_ARRAY_VALUE1_LABEL,
                                  IDC_ARRAY_VALUE2, IDC_ARRAY_VALUE2_LABEL, IDC_ARRAY_VALUE3, IDC_ARRAY_VALUE3_LABEL,
                                  IDC_ARRAY_VALUE4, IDC_ARRAY_VALUE4_LABEL, IDC_ARRAY_VALUE5, IDC_ARRAY_VALUE5_LABEL};
    for (int id : layoutControls) ShowOrHideCtrl(this, id, !hidden.containsValue(id));
    for (int id : kEntryControls) ShowOrHideCtrl(this, id, !hidden.containsValue(id));
}

// Types 0, 2 and 3 list the valid names in all four combos, type 1 only in the third; the
// mixed type lists none, as the arrays' types differ.  The texts shown stay.
void CDlgMacroArray::refillDimensions() {
    const int type = data.arrayType;
    if (type < 0 || type >= kTypeCount) return;
    Kv_StringArray names;
    getValidDimNames(ids, moduleName, type, names);
    for (int i = 0; i < 4; ++i) {
        if (type == 1 && kDimensions[i].first != IDC_ARRAY_DIM3) continue;
        const Kv_String shown = text(this, kDimensions[i].first);
        FillCombo(this, kDimensions[i].first, names);
        SetDlgItemText(kDimensions[i].first, shown.c_str());
    }
}

bool CDlgMacroArray::selectedRows(int& first, int& last) const {
    const int rows = sheet_.isAttached() ? sheet_.GetMaxRows() : 0;
    SpreadRange block;
    if (rows == 0 || !sheet_.getSelBlockOrActive(block)) return false;
    first = std::clamp(std::min(block.row1, block.row2), 1, rows);
    last = std::clamp(std::max(block.row1, block.row2), 1, rows);
    if (block.row1 < 1 && block.row2 < 1) last = rows;  // a whole column selected
    return true;
}

// As many new entries as rows are selected, below them (at the end of an empty sheet); they
// are on, without value or action, numbered on from the highest number.
void CDlgMacroArray::addRows() {
    if (!sheet_.isAttached()) return;
    int first = 0, last = 0;
    const bool any = selectedRows(first, last);
    const int count = any ? last - first + 1 : 1;
    const int at = any ? last + 1 : 1;
    Kv_Array<int> numbers;
    sheet_.getColInts(kNumberColumn, numbers);
    int highest = 0;
    for (int number : numbers) highest = std::max(highest, number);
    for (int i = 0; i < count; ++i) {
        sheet_.insertRow(at + i, false, false);
        formatColumns();
        sheet_.setCellText(kNumberColumn, at + i, Kv_String(highest + i + 1));
        sheet_.setCellBool(kOnColumn, at + i, true);
        sheet_.setCellText(kValueColumn, at + i, Kv_String());
        sheet_.setCellText(kActionColumn, at + i, Kv_String(kEntryActionNone));
        sheet_.setCellText(kLinkColumn, at + i, Kv_String(0));
    }
}

void CDlgMacroArray::deleteRows() {
    int first = 0, last = 0;
    if (!selectedRows(first, last)) return;
    for (int row = last; row >= first; --row) sheet_.deleteRow(row);
}

void CDlgMacroArray::markRowsSkipped() {
    int first = 0, last = 0;
    if (!selectedRows(first, last)) return;
    for (int row = first; row <= last; ++row) sheet_.setCellText(kActionColumn, row, Kv_String(kEntryActionReset));
}

BOOL CDlgMacroArray::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    const int code = HIWORD(wParam);
    if (id == IDC_ARRAY_TYPE && code == CBN_SELCHANGE) {
        readBack();
        applyTypeLayout();
        return TRUE;
    }
    if (code == BN_CLICKED) {
        switch (id) {
        case IDC_ARRAY_NEW: addRows(); return TRUE;
        case IDC_ARRAY_DELETE: deleteRows(); return TRUE;
        case IDC_ARRAY_SKIP: markRowsSkipped(); return TRUE;
        default: break;
        }
    }
    return CAcUiDialog::OnCommand(wParam, lParam);
}

void CDlgMacroArray::readBack() {
    const int choice = static_cast<int>(SendDlgItemMessage(IDC_ARRAY_TYPE, CB_GETCURSEL));
    if (choice >= 0) data.arrayType = choice == kTypeCount ? DynArrayData::kMixedType : choice;
    if (data.arrayType == 1) data.value0 = text(this, IDC_ARRAY_VALUE0);
    for (int i = 0; i < 4; ++i) *dimension(data, i) = text(this, kDimensions[i].first);
    for (int i = 0; i < DynArrayData::kValueCount; ++i) *data.value(i + 1) = text(this, kValues[i].first);
    data.skipCount = text(this, IDC_ARRAY_SKIP_COUNT);
    data.option = readTriState(this, IDC_ARRAY_OPTION, data.option);
    data.alternating = readTriState(this, IDC_ARRAY_ALTERNATING, data.alternating);
    if (!sheet_.isAttached()) return;
    Kv_Array<int> numbers, flags, actions, links;
    Kv_Array<bool> on;
    Kv_StringArray values;
    sheet_.getColInts(kNumberColumn, numbers);
    sheet_.getColBools(kOnColumn, on);
    sheet_.getColStrings(kValueColumn, values, CellTextKind::Value);
    sheet_.getColInts(kActionColumn, actions);
    sheet_.getColInts(kLinkColumn, links);
    for (bool flag : on) flags.append(flag ? 1 : 0);
    data.setEntryColumns(numbers, flags, values);
    for (int i = 0; i < data.entries.length() && i < links.length(); ++i) {
        data.entries[i].link = links[i];
        data.setEntryAction(i, actions[i]);
    }
}

void CDlgMacroArray::OnOK() {
    readBack();
    CAcUiDialog::OnOK();
}

bool StartArrayDlg(DynArrayData& data, const AcArray<AcDbObjectId>& ids, const Kv_String& moduleName) {
    return frame::launchModalDialog<CDlgMacroArray>(
        frame::LaunchRules{frame::ResourceScope::Open},
        [&](CDlgMacroArray& dialog) {
            dialog.data = data;
            dialog.ids = ids;
            dialog.moduleName = moduleName;
        },
        [&](CDlgMacroArray& dialog) { data = dialog.data; });
}
