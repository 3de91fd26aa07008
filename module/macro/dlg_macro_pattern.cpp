#include "macro/dlg_macro_pattern.h"

#include <algorithm>
#include <string>
#include <utility>

#include "core/dialog_helpers.h"
#include "core/kv_texts.h"
#include "frame/dialog_launcher.h"
#include "macro/dlg_macro_tab_page.h"
#include "macro/pattern_ids.h"
#include "sheet/ss_api.h"

// The controls of one direction; the first nine are the block a type or option switches.
struct CDlgMacroPattern::Block {
    int on, check, kind, value1, value2, sheet, kindLabel, value1Label, value2Label;
};

namespace {

using Block = CDlgMacroPattern::Block;

constexpr Block kBlocks[] = {
    {IDC_PATTERN_ON1, IDC_PATTERN_CHECK1, IDC_PATTERN_KIND1, IDC_PATTERN_VALUE11, IDC_PATTERN_VALUE12,
     IDC_PATTERN_SHEET1, IDC_PATTERN_KIND1_LABEL, IDC_PATTERN_VALUE11_LABEL, IDC_PATTERN_VALUE12_LABEL},
    {IDC_PATTERN_ON2, IDC_PATTERN_CHECK2, IDC_PATTERN_KIND2, IDC_PATTERN_VALUE21, IDC_PATTERN_VALUE22,
     IDC_PATTERN_SHEET2, IDC_PATTERN_KIND2_LABEL, IDC_PATTERN_VALUE21_LABEL, IDC_PATTERN_VALUE22_LABEL}};

constexpr int kFlagBoxes[] = {IDC_PATTERN_FLAG1, IDC_PATTERN_FLAG2, IDC_PATTERN_FLAG3, IDC_PATTERN_FLAG4};
int* flagOf(MacroPatternProps& pattern, int index) {
    int* flags[] = {&pattern.flag1, &pattern.flag2, &pattern.flag3, &pattern.flag4};
    return flags[index];
}

constexpr int kKinds = 4;  // texts 1041 to 1044; kind 3 is the distance list
constexpr int kDistanceKind = 3;
// A distance sheet holds four distances a row, in reading order, with at least one free cell
// after the last one for more.
constexpr int kSheetColumns = 4;

Kv_String text(CWnd* dialog, int id) {
    std::string value;
    dialog->GetDlgItemText(id, value);
    return Kv_String(value);
}

void showTriState(CWnd* dialog, int id, int value) {
    dialog->CheckDlgButton(id, value > 0 ? BST_CHECKED : value < 0 ? BST_INDETERMINATE : BST_UNCHECKED);
}
int readTriState(CWnd* dialog, int id) {
    const UINT state = dialog->IsDlgButtonChecked(id);
    return state == BST_INDETERMINATE ? -1 : state == BST_CHECKED ? 1 : 0;
}

bool isFlagBox(int id) {
    if (std::find(std::begin(kFlagBoxes), std::end(kFlagBoxes), id) != std::end(kFlagBoxes)) return true;
    for (const Block& block : kBlocks)
        if (id == block.on || id == block.check) return true;
    return false;
}

}  // namespace

CDlgMacroPattern::CDlgMacroPattern(CDlgMacroTabPage* owner, int index, CWnd* parent)
    : CAcUiDialog(IDD_MACRO_PATTERN, parent), owner_(owner), index_(index), sheet1_(this), sheet2_(this) {}

BOOL CDlgMacroPattern::OnInitDialog() {
    CAcUiDialog::OnInitDialog();
    setLabels();
    setUpSheet(sheet1_, IDC_PATTERN_SHEET1);
    setUpSheet(sheet2_, IDC_PATTERN_SHEET2);
    showDirection(kBlocks[0], pattern.direction1);
    showDirection(kBlocks[1], pattern.direction2);
    for (int i = 0; i < 4; ++i) showTriState(this, kFlagBoxes[i], *flagOf(pattern, i));
    enableByType();
    ready_ = true;
    return TRUE;
}

void CDlgMacroPattern::setLabels() {
    SetWindowText((dialString(1034) + " (" + pattern.name + ")").c_str());
    const std::pair<int, int> labels[] = {{IDC_PATTERN_ON1, 1035},
                                          {IDC_PATTERN_ON2, 1036},
                                          {IDC_PATTERN_KIND1_LABEL, 1037},
                                          {IDC_PATTERN_KIND2_LABEL, 1037},
                                          {IDC_PATTERN_VALUE11_LABEL, 1038},
                                          {IDC_PATTERN_VALUE21_LABEL, 1038},
                                          {IDC_PATTERN_VALUE12_LABEL, 1039},
                                          {IDC_PATTERN_VALUE22_LABEL, 1039},
                                          {IDC_PATTERN_CHECK1, 1040},
                                          {IDC_PATTERN_CHECK2, 1040},
                                          {IDC_PATTERN_FLAG1, 1051},
                                          {IDC_PATTERN_FLAG2, 1052},
                                          {IDC_PATTERN_FLAG3, 1053},
                                          {IDC_PATTERN_FLAG4, 1054},
                                          {IDOK, 285},
                                          {IDCANCEL, 2}};
    for (const auto& [id, number] : labels) SetDlgItemText(id, dialString(number).c_str());
    Kv_StringArray kinds;
    for (int kind = 0; kind < kKinds; ++kind) kinds.append(dialString(1041 + kind));
    for (const Block& block : kBlocks) FillCombo(this, block.kind, kinds);
}

void CDlgMacroPattern::setUpSheet(Kv_Spread& sheet, int id) {
    if (!sheet.attach(this, id)) return;
    sheet.setDefaults(1);
    sheet.setMaxCols(kSheetColumns);
    Kv_StringArray headers;
    for (int col = 1; col <= kSheetColumns; ++col) headers.append(Kv_String(col));
    sheet.setHeaderRowTexts(headers);
    setColWidths(&sheet, 1, kSheetColumns, 48);
}

void CDlgMacroPattern::showDirection(const Block& block, const MacroPatternDirection& direction) {
    showTriState(this, block.on, direction.on);
    showTriState(this, block.check, direction.checked);
    SendDlgItemMessage(block.kind, CB_SETCURSEL, direction.kind >= 0 && direction.kind < kKinds ? direction.kind : -1);
    SetDlgItemText(block.value1, direction.value1.c_str());
    SetDlgItemText(block.value2, direction.value2.c_str());
    showDistances(block.sheet == IDC_PATTERN_SHEET1 ? sheet1_ : sheet2_, direction.distances);
}

void CDlgMacroPattern::showDistances(Kv_Spread& sheet, const Kv_StringArray& distances) {
    if (!sheet.isAttached()) return;
    const int rows = distances.length() / kSheetColumns + 1;
    sheet.setMaxRows(rows);
    for (int col = 1; col <= kSheetColumns; ++col) sheet.setColTypeEdit(col);
    for (int i = 0; i < rows * kSheetColumns; ++i)
        sheet.setCellText(i % kSheetColumns + 1, i / kSheetColumns + 1,
                          i < distances.length() ? distances[i] : Kv_String());
}

void CDlgMacroPattern::readDirection(const Block& block, MacroPatternDirection& direction) {
    direction.on = readTriState(this, block.on);
    direction.checked = readTriState(this, block.check);
    const int kind = static_cast<int>(SendDlgItemMessage(block.kind, CB_GETCURSEL));
    if (kind >= 0) direction.kind = kind;
    direction.value1 = text(this, block.value1);
    direction.value2 = text(this, block.value2);
    readDistances(block.sheet == IDC_PATTERN_SHEET1 ? sheet1_ : sheet2_, direction.distances);
}

// The filled cells in reading order: a cleared cell drops its distance.
void CDlgMacroPattern::readDistances(const Kv_Spread& sheet, Kv_StringArray& distances) const {
    if (!sheet.isAttached()) return;
    distances.removeAll();
    for (int row = 1; row <= sheet.getMaxRows(); ++row) {
        for (int col = 1; col <= kSheetColumns; ++col) {
            Kv_String value, bare;
            if (sheet.getCellText(col, row, value) && !(bare = value).trim().isEmpty()) distances.append(value);
        }
    }
}

void CDlgMacroPattern::enableByType() {
    const bool secondOpen = pattern.type != 2 || IsDlgButtonChecked(IDC_PATTERN_FLAG2) == BST_CHECKED;
    for (int b = 0; b < 2; ++b) {
        const Block& block = kBlocks[b];
        const bool open = b == 0 ? pattern.type != 1 : secondOpen;
        const int kind = static_cast<int>(SendDlgItemMessage(block.kind, CB_GETCURSEL));
        const bool list = kind == kDistanceKind;
        for (int id : {block.on, block.check, block.kind, block.kindLabel}) EnDisCtrl(this, id, open);
        for (int id : {block.value1, block.value2, block.value1Label, block.value2Label})
            EnDisCtrl(this, id, open && !list);
        EnDisCtrl(this, block.sheet, open && list);
    }
}

void CDlgMacroPattern::readBack() {
    readDirection(kBlocks[0], pattern.direction1);
    readDirection(kBlocks[1], pattern.direction2);
    for (int i = 0; i < 4; ++i) *flagOf(pattern, i) = readTriState(this, kFlagBoxes[i]);
}

void CDlgMacroPattern::apply() {
    readBack();
    if (!owner_) return;
    ready_ = false;
    owner_->applyPatternOptions(index_, pattern);
    ready_ = true;
}

BOOL CDlgMacroPattern::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam), code = HIWORD(wParam);
    if (!ready_) return CAcUiDialog::OnCommand(wParam, lParam);
    if (id == IDC_PATTERN_SHEET1 || id == IDC_PATTERN_SHEET2) {
        if (code == SSN_DATACHANGE) apply();
        return TRUE;
    }
    if (code == BN_CLICKED && isFlagBox(id)) {
        disableTriState(this, id);
        if (id == IDC_PATTERN_FLAG2) enableByType();
        apply();
        return TRUE;
    }
    if (code == CBN_SELCHANGE && (id == IDC_PATTERN_KIND1 || id == IDC_PATTERN_KIND2)) {
        enableByType();
        apply();
        return TRUE;
    }
    if (code == EN_KILLFOCUS) {
        for (const Block& block : kBlocks) {
            if (id == block.value1 || id == block.value2) {
                apply();
                return TRUE;
            }
        }
    }
    return CAcUiDialog::OnCommand(wParam, lParam);
}

void CDlgMacroPattern::OnOK() {
    ready_ = true;
    apply();
    CAcUiDialog::OnOK();
}

void openPatternOptions(CDlgMacroTabPage* owner, int index, MacroPatternProps& pattern) {
    frame::launchModalDialog<CDlgMacroPattern>(
        frame::LaunchRules{frame::ResourceScope::Open, frame::CopyBack::Always},
        [&](CDlgMacroPattern& dialog) { dialog.pattern = pattern; },
        [&](CDlgMacroPattern& dialog) { pattern = dialog.pattern; }, frame::NothingAfterRun{}, owner, index);
}
