#include "macro/dlg_macro_prof_segmented.h"

#include <string>
#include <utility>

#include "core/dialog_helpers.h"
#include "core/kv_texts.h"
#include "frame/dialog_launcher.h"
#include "host/picks.h"
#include "macro/prof_segmented_ids.h"

namespace {

constexpr const char* kSizeName = "DLG_MACRO_PROFSEGMENTED";
constexpr int kPointColumns = 3;  // X, Y, Z
constexpr int kPointDecimals = 2;

Kv_String text(CWnd* dialog, int id) {
    std::string value;
    dialog->GetDlgItemText(id, value);
    return Kv_String(value);
}

}  // namespace

CDlgMacroProfSegmented::CDlgMacroProfSegmented(CWnd* parent)
    : CAcUiDialog(IDD_MACRO_PROF_SEGMENTED, parent), sheet_(this) {
    SetDialogName(kSizeName);
}

void CDlgMacroProfSegmented::splitPoint(const Kv_String& point, Kv_String parts[3]) {
    int start = 0;
    for (int i = 0; i < kPointColumns; ++i) {
        const int comma = i + 1 < kPointColumns ? point.findChar(',', start) : -1;
        if (start > point.length()) {
            parts[i].clear();
            continue;
        }
        parts[i] = comma < 0 ? point.getSubStringAt(start) : point.getSubStringAt(start, comma - start);
        start = comma < 0 ? point.length() + 1 : comma + 1;
    }
}

Kv_String CDlgMacroProfSegmented::joinPoint(const Kv_String parts[3]) {
    int used = kPointColumns;
    while (used > 0 && parts[used - 1].isEmpty()) --used;
    Kv_String point;
    for (int i = 0; i < used; ++i) {
        if (i > 0) point += ',';
        point += parts[i];
    }
    return point;
}

BOOL CDlgMacroProfSegmented::OnInitDialog() {
    CAcUiDialog::OnInitDialog();
    setLabels();
    makeIconButtons();
    setUpSheet();
    anchorControls();
    ChangeDlgSize(this, kSizeName, false);
    fillProfileCombo();
    showProfile(profiles.isEmpty() ? -1 : 0);
    return TRUE;
}

void CDlgMacroProfSegmented::setLabels() {
    SetWindowText(dialString(1027).c_str());
    const std::pair<int, int> labels[] = {{IDC_SEGMENTED_PROFILES_LABEL, 1028},
                                          {IDC_SEGMENTED_NAME_LABEL, 63},
                                          {IDC_SEGMENTED_POINTS_LABEL, 1029},
                                          {IDC_SEGMENTED_GAP_LABEL, 266},
                                          {IDC_SEGMENTED_BREAK, 1030},
                                          {IDC_SEGMENTED_PICK_POINT, 1031},
                                          {IDOK, 1},
                                          {IDCANCEL, 2}};
    for (const auto& [id, number] : labels) SetDlgItemText(id, dialString(number).c_str());
}

void CDlgMacroProfSegmented::makeIconButtons() {
    addButton_.SubclassDlgItem(IDC_SEGMENTED_ADD_ROW, this);
    addButton_.SetIcon(IDI_KV_ADD);
    addButton_.SetTooltipText(1025);
    removeButton_.SubclassDlgItem(IDC_SEGMENTED_REMOVE_ROW, this);
    removeButton_.SetIcon(IDI_KV_REMOVE);
    removeButton_.SetTooltipText(1026);
}

void CDlgMacroProfSegmented::setUpSheet() {
    if (!sheet_.attach(this, IDC_SEGMENTED_SHEET)) return;
    sheet_.setDefaults(1);
    sheet_.setMaxCols(kPointColumns);
    sheet_.setHeaderRowTexts(stringArr("X", "Y", "Z"));
    // The row numbers' column names what they count.
    sheet_.SetData(SS_HEADER, SS_HEADER, (dialString(1029) + " nr.").c_str());
    for (int col = 1; col <= kPointColumns; ++col) sheet_.setColTypeEdit(col);
}

void CDlgMacroProfSegmented::anchorControls() {
    layout_.record(m_hWnd);
    // The lists stretch with the dialog; the row buttons and the pick follow the bottom, the
    // closing buttons the bottom-right corner.
    const int stretch = ChildLayout::kKeepNear | ChildLayout::kFollowFar;
    const int keepNear = ChildLayout::kKeepNear | ChildLayout::kKeepSize;
    const int followFar = ChildLayout::kKeepSize | ChildLayout::kFollowFar;
    for (int id : {IDC_SEGMENTED_PROFILES_LABEL, IDC_SEGMENTED_NAME_LABEL, IDC_SEGMENTED_GAP_LABEL, IDC_SEGMENTED_GAP,
                   IDC_SEGMENTED_POINTS_LABEL})
        layout_.setAnchors(id, keepNear, keepNear);
    for (int id : {IDC_SEGMENTED_PROFILES, IDC_SEGMENTED_NAME, IDC_SEGMENTED_BREAK})
        layout_.setAnchors(id, stretch, keepNear);
    layout_.setAnchors(IDC_SEGMENTED_SHEET, stretch, stretch);
    for (int id : {IDC_SEGMENTED_ADD_ROW, IDC_SEGMENTED_REMOVE_ROW, IDC_SEGMENTED_PICK_POINT})
        layout_.setAnchors(id, keepNear, followFar);
    for (int id : {IDOK, IDCANCEL}) layout_.setAnchors(id, followFar, followFar);
}

void CDlgMacroProfSegmented::OnSize(UINT type, int cx, int cy) {
    CAcUiDialog::OnSize(type, cx, cy);
    layout_.apply();
}

void CDlgMacroProfSegmented::OnDestroy() {
    WriteDlgSize(this, kSizeName);
    CAcUiDialog::OnDestroy();
}

void CDlgMacroProfSegmented::fillProfileCombo() {
    Kv_StringArray entries;
    for (const MacroProfSegmentedData& profile : profiles) entries.append(profile.name + ", " + profile.group);
    FillCombo(this, IDC_SEGMENTED_PROFILES, entries, entries.isEmpty() ? -1 : 0);
}

void CDlgMacroProfSegmented::showProfile(int index) {
    shown_ = profiles.isValidIndex(index) ? index : -1;
    const bool any = shown_ >= 0;
    for (int id : {IDC_SEGMENTED_NAME, IDC_SEGMENTED_GAP, IDC_SEGMENTED_BREAK, IDC_SEGMENTED_ADD_ROW,
                   IDC_SEGMENTED_REMOVE_ROW, IDC_SEGMENTED_PICK_POINT})
        EnDisCtrl(this, id, any);
    if (!any) {
        sheet_.setMaxRows(0);
        return;
    }
    const MacroProfSegmentedData& profile = profiles[shown_];
    SetDlgItemText(IDC_SEGMENTED_NAME, profile.name.c_str());
    SetDlgItemText(IDC_SEGMENTED_GAP, Kv_String(profile.gap, kPointDecimals).c_str());
    CheckDlgButton(IDC_SEGMENTED_BREAK, profile.breakAtPoints ? BST_CHECKED : BST_UNCHECKED);
    sheet_.setMaxRows(profile.points.length());
    for (int row = 1; row <= profile.points.length(); ++row) {
        Kv_String parts[kPointColumns];
        splitPoint(profile.points[row - 1], parts);
        for (int col = 1; col <= kPointColumns; ++col) sheet_.setCellText(col, row, parts[col - 1]);
    }
}

void CDlgMacroProfSegmented::storeShownProfile() {
    if (!profiles.isValidIndex(shown_)) return;
    // A cell being typed in counts.
    if (sheet_.isAttached() && sheet_.GetEditMode()) sheet_.SetEditMode(FALSE);
    MacroProfSegmentedData& profile = profiles[shown_];
    profile.name = text(this, IDC_SEGMENTED_NAME);
    profile.gap = text(this, IDC_SEGMENTED_GAP).toDouble();
    profile.breakAtPoints = IsDlgButtonChecked(IDC_SEGMENTED_BREAK) == BST_CHECKED;
    profile.points.removeAll();
    for (int row = 1; row <= sheet_.getMaxRows(); ++row) {
        Kv_String parts[kPointColumns];
        for (int col = 1; col <= kPointColumns; ++col) sheet_.getCellText(col, row, parts[col - 1], CellTextKind::Data);
        profile.points.append(joinPoint(parts));
    }
}

void CDlgMacroProfSegmented::selectionChanged() {
    storeShownProfile();
    const int chosen = static_cast<int>(SendDlgItemMessage(IDC_SEGMENTED_PROFILES, CB_GETCURSEL, 0, 0));
    // The stored name may differ from what the entry shows now.
    fillProfileCombo();
    SendDlgItemMessage(IDC_SEGMENTED_PROFILES, CB_SETCURSEL, static_cast<WPARAM>(chosen), 0);
    showProfile(chosen);
}

// A row below the selected one (at the end without a selection).
void CDlgMacroProfSegmented::addRow() {
    if (shown_ < 0 || !sheet_.isAttached()) return;
    const int selected = sheet_.getMaxRows() > 0 ? sheet_.getSelRow() : 0;
    const int row = selected >= 1 && selected <= sheet_.getMaxRows() ? selected + 1 : sheet_.getMaxRows() + 1;
    sheet_.insertRow(row, false, false);
    for (int col = 1; col <= kPointColumns; ++col) sheet_.setColTypeEdit(col);
    sheet_.SetActiveCell(1, row);
}

void CDlgMacroProfSegmented::removeRow() {
    if (shown_ < 0 || !sheet_.isAttached() || sheet_.getMaxRows() == 0) return;
    const int row = sheet_.getSelRow();
    if (row < 1 || row > sheet_.getMaxRows()) return;
    sheet_.deleteRow(row);
}

// The point the person picks in the drawing becomes a new last row; a cancelled pick adds
// nothing.  The dialog hides while the drawing has the input.
void CDlgMacroProfSegmented::pickPoint() {
    if (shown_ < 0 || !sheet_.isAttached()) return;
    if (!BeginEditorCommand()) return;
    host::Point3d point;
    const bool picked = host::pickPoint(dialString(1031).str(), point);
    CompleteEditorCommand();
    if (!picked) return;
    const int row = sheet_.getMaxRows() + 1;
    sheet_.setMaxRows(row);
    sheet_.setCellText(1, row, Kv_String(point.x, kPointDecimals));
    sheet_.setCellText(2, row, Kv_String(point.y, kPointDecimals));
    sheet_.setCellText(3, row, Kv_String(point.z, kPointDecimals));
}

BOOL CDlgMacroProfSegmented::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam), code = HIWORD(wParam);
    switch (id) {
    case IDC_SEGMENTED_PROFILES:
        if (code == CBN_SELCHANGE) selectionChanged();
        return TRUE;
    case IDC_SEGMENTED_ADD_ROW:
        if (code == BN_CLICKED) addRow();
        return TRUE;
    case IDC_SEGMENTED_REMOVE_ROW:
        if (code == BN_CLICKED) removeRow();
        return TRUE;
    case IDC_SEGMENTED_PICK_POINT:
        if (code == BN_CLICKED) pickPoint();
        return TRUE;
    default: return CAcUiDialog::OnCommand(wParam, lParam);
    }
}

void CDlgMacroProfSegmented::OnOK() {
    storeShownProfile();
    CAcUiDialog::OnOK();
}

bool StartDlgMacroProfSegmented(Kv_Array<MacroProfSegmentedData>& profiles) {
    return frame::launchModalDialog<CDlgMacroProfSegmented>(
        frame::LaunchRules{frame::ResourceScope::Open},
        [&](CDlgMacroProfSegmented& dialog) { dialog.profiles = profiles; },
        [&](CDlgMacroProfSegmented& dialog) { profiles = dialog.profiles; });
}
