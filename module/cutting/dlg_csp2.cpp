// CDlgCSP2: set-up, layout, the set list and the rows of the sheets.  The file buttons, the
// batch save and the overview are in dlg_csp2_file_buttons.cpp.
#include "cutting/dlg_csp2.h"

#include <algorithm>

#include "core/dialog_helpers.h"
#include "core/file_name_check.h"
#include "core/kv_texts.h"
#include "cutting/cutting_ids.h"
#include "frame/dialog_launcher.h"
#include "frame/text_entry_launcher.h"

namespace {

constexpr const char* kSizeName = "DLG_OPTIMIZECSP2";
constexpr int kSheetIds[3] = {IDC_CSP2_SHEET_0, IDC_CSP2_SHEET_1, IDC_CSP2_SHEET_2};
constexpr int kAddRowIds[3] = {IDC_CSP2_ADD_ROW_0, IDC_CSP2_ADD_ROW_1, IDC_CSP2_ADD_ROW_2};
constexpr int kRemoveRowIds[3] = {IDC_CSP2_REMOVE_ROW_0, IDC_CSP2_REMOVE_ROW_1, IDC_CSP2_REMOVE_ROW_2};
constexpr int kColumns = 3;  // every sheet shows three cells per row

struct IconButton {
    int id, icon, tooltip;
};
constexpr IconButton kIconButtons[10] = {
    {IDC_CSP2_ADD_ROW_0, IDI_KV_ADD, 616},      {IDC_CSP2_REMOVE_ROW_0, IDI_KV_REMOVE, 617},
    {IDC_CSP2_ADD_ROW_1, IDI_KV_ADD, 616},      {IDC_CSP2_REMOVE_ROW_1, IDI_KV_REMOVE, 617},
    {IDC_CSP2_ADD_ROW_2, IDI_KV_ADD, 616},      {IDC_CSP2_REMOVE_ROW_2, IDI_KV_REMOVE, 617},
    {IDC_CSP2_OPEN_STOCK, IDI_KV_OPEN, 618},    {IDC_CSP2_SAVE_STOCK, IDI_KV_SAVE, 619},
    {IDC_CSP2_OPEN_PURCHASE, IDI_KV_OPEN, 618}, {IDC_CSP2_SAVE_PURCHASE, IDI_KV_SAVE, 619},
};

// Controls of the three table columns: group box and sheet stretch, buttons keep their width.
struct ColumnControl {
    int id, column;
    bool stretches;
};
constexpr ColumnControl kColumnControls[16] = {
    {IDC_CSP2_GROUP_0, 0, true},        {IDC_CSP2_SHEET_0, 0, true},       {IDC_CSP2_ADD_ROW_0, 0, false},
    {IDC_CSP2_REMOVE_ROW_0, 0, false},  {IDC_CSP2_GROUP_1, 1, true},       {IDC_CSP2_SHEET_1, 1, true},
    {IDC_CSP2_ADD_ROW_1, 1, false},     {IDC_CSP2_REMOVE_ROW_1, 1, false}, {IDC_CSP2_OPEN_STOCK, 1, false},
    {IDC_CSP2_SAVE_STOCK, 1, false},    {IDC_CSP2_GROUP_2, 2, true},       {IDC_CSP2_SHEET_2, 2, true},
    {IDC_CSP2_ADD_ROW_2, 2, false},     {IDC_CSP2_REMOVE_ROW_2, 2, false}, {IDC_CSP2_OPEN_PURCHASE, 2, false},
    {IDC_CSP2_SAVE_PURCHASE, 2, false},
};

RECT rectInClient(HWND dialog, HWND control) {
    RECT rect{};
    ::GetWindowRect(control, &rect);
    POINT corners[2] = {{rect.left, rect.top}, {rect.right, rect.bottom}};
    ::ScreenToClient(dialog, &corners[0]);
    ::ScreenToClient(dialog, &corners[1]);
    return RECT{corners[0].x, corners[0].y, corners[1].x, corners[1].y};
}

}  // namespace

CDlgCSP2::CDlgCSP2(CWnd* parent) : CDialog(IDD_CSP2, parent), sheet0_(this), sheet1_(this), sheet2_(this) {}

Kv_Spread& CDlgCSP2::sheet(int table) {
    if (table == DlgCSP2Data::kStockTable) return sheet1_;
    if (table == DlgCSP2Data::kPurchaseTable) return sheet2_;
    return sheet0_;
}

// --- initialisation --------------------------------------------------------------------------

BOOL CDlgCSP2::OnInitDialog() {
    CDialog::OnInitDialog();
    setUpSheets();
    if (!getDlgSize(this, minTrackWidth_, minTrackHeight_, true)) {
        minTrackWidth_ = 200;
        minTrackHeight_ = 130;
    }
    setUpResizer();
    setUpButtons();
    setLabels();
    fillSetList();
    refreshSheets();
    applyMode();
    ChangeDlgSize(this, kSizeName, false);
    initialised_ = true;
    return TRUE;
}

void CDlgCSP2::setUpSheets() {
    for (int table = 0; table < DlgCSP2Data::kTableCount; ++table) {
        Kv_Spread& each = sheet(table);
        if (!each.attach(this, kSheetIds[table])) continue;
        each.setDefaults(1);
        each.SetBool(sheet::kOptRowHeaderShown, FALSE);
        each.setResizeMode(1, 0, 0);
        each.setMaxCols(kColumns);
    }
}

void CDlgCSP2::setUpResizer() {
    resizer_.attach(this);
    resizer_.setMinimumSize(minTrackWidth_, minTrackHeight_);
    const unsigned leftTop = CResizer::Left | CResizer::Top;
    for (int id : {IDC_CSP2_SET_LABEL, IDC_CSP2_SET_LIST, IDC_CSP2_ADD_SET, IDC_CSP2_REMOVE_SET})
        resizer_.setAnchor(id, leftTop);
    resizer_.setAnchor(IDC_CSP2_TABLES_GROUP, CResizer::All);
    // The columns' horizontal places are shared out by layOutTableColumns; vertically the
    // group boxes and sheets grow with the dialog and the buttons stay at the top.
    for (const ColumnControl& item : kColumnControls)
        resizer_.setAnchor(item.id, item.stretches ? CResizer::Left | CResizer::Top | CResizer::Bottom : leftTop);
    for (int id : {IDC_CSP2_MAIN, IDC_CSP2_ASK_NAMES}) resizer_.setAnchor(id, CResizer::Left | CResizer::Bottom);
    for (int id : {IDOK, IDCANCEL}) resizer_.setAnchor(id, CResizer::Right | CResizer::Bottom);

    RECT client{};
    GetClientRect(&client);
    recordedClientWidth_ = client.right - client.left;
    for (size_t i = 0; i < columnItems_.size(); ++i) {
        const ColumnControl& item = kColumnControls[i];
        columnItems_[i] = {item.id, item.column, item.stretches, rectInClient(m_hWnd, ::GetDlgItem(m_hWnd, item.id))};
    }
}

void CDlgCSP2::setUpButtons() {
    for (size_t i = 0; i < iconButtons_.size(); ++i) {
        CButtonST& button = iconButtons_[i];
        if (!button.SubclassDlgItem(kIconButtons[i].id, this)) continue;
        button.SetIcon(kIconButtons[i].icon);
        button.SetTooltipText(kIconButtons[i].tooltip);
    }
}

void CDlgCSP2::setLabels() {
    SetWindowText(dialString(620).c_str());
    const std::pair<int, int> labels[] = {
        {IDOK, 1},
        {IDCANCEL, 2},
        {IDC_CSP2_SET_LABEL, 621},
        {IDC_CSP2_ADD_SET, 622},
        {IDC_CSP2_REMOVE_SET, 623},
        {IDC_CSP2_TABLES_GROUP, 624},
        {IDC_CSP2_GROUP_0, 625},
        {IDC_CSP2_GROUP_1, 626},
        {IDC_CSP2_GROUP_2, 627},
        {IDC_CSP2_MAIN, data.stockUpdateMode ? 628 : 629},
        {IDC_CSP2_ASK_NAMES, 630},
    };
    for (auto [id, text] : labels) SetDlgItemText(id, dialString(text).c_str());
}

void CDlgCSP2::fillSetList() {
    Kv_StringArray names;
    for (int i = 0; i < data.setCount(); ++i) names.append(data.setNames[i]);
    FillCombo(this, IDC_CSP2_SET_LIST, names, names.isEmpty() ? -1 : 0);
    if (!names.isEmpty()) currentSetId_ = data.setIdAt(0);
}

void CDlgCSP2::applyMode() {
    if (!data.stockUpdateMode) {
        ShowOrHideCtrl(this, IDC_CSP2_ASK_NAMES, false);
        return;
    }
    for (int id : {IDC_CSP2_ADD_SET, IDC_CSP2_REMOVE_SET, IDC_CSP2_TABLES_GROUP, IDC_CSP2_GROUP_0, IDC_CSP2_SHEET_0,
                   IDC_CSP2_GROUP_2, IDC_CSP2_SHEET_2, IDC_CSP2_ADD_ROW_0, IDC_CSP2_REMOVE_ROW_0, IDC_CSP2_ADD_ROW_2,
                   IDC_CSP2_REMOVE_ROW_2, IDC_CSP2_OPEN_PURCHASE, IDC_CSP2_SAVE_PURCHASE})
        EnDisCtrl(this, id, false);
}

// --- sizing ----------------------------------------------------------------------------------

void CDlgCSP2::OnSize(UINT type, int cx, int cy) {
    CDialog::OnSize(type, cx, cy);
    if (!resizer_.isAttached()) return;
    resizer_.resize();
    layOutTableColumns();
}

void CDlgCSP2::layOutTableColumns() {
    // Edge anchors cannot share a width between three columns side by side, so each column
    // moves by its share of the extra width and its group box and sheet grow by one share.
    RECT client{};
    GetClientRect(&client);
    const int extra = (client.right - client.left) - recordedClientWidth_;
    for (const ColumnItem& item : columnItems_) {
        HWND control = ::GetDlgItem(m_hWnd, item.id);
        if (!control) continue;
        const RECT now = rectInClient(m_hWnd, control);
        const int shift = extra * item.column / 3;
        const int width = (item.rect.right - item.rect.left) + (item.stretches ? extra / 3 : 0);
        ::MoveWindow(control, item.rect.left + shift, now.top, std::max(width, 0), now.bottom - now.top, TRUE);
    }
}

void CDlgCSP2::OnGetMinMaxInfo(MINMAXINFO* info) {
    if (initialised_) resizer_.limitTracking(info);
    CDialog::OnGetMinMaxInfo(info);
}

void CDlgCSP2::OnDestroy() {
    WriteDlgSize(this, kSizeName);
    CDialog::OnDestroy();
}

// --- sheets ----------------------------------------------------------------------------------

void CDlgCSP2::showSetRows(Kv_Spread& target, int table, int setId) {
    const DlgCSP2Table* rowsTable = data.table(table);
    if (!rowsTable || !target.isAttached()) return;
    target.SetBool(sheet::kOptRedraw, FALSE);
    target.setMaxRows(0);
    target.setHeaderRowTexts(rowsTable->headers);
    const int first = rowsTable->firstRowOfSet(setId);
    const int count = rowsTable->runLengthOfSet(setId);
    target.setMaxRows(count);
    for (int i = 0; i < count; ++i) {
        // Every cell is written, empty ones too, so nothing of an earlier set stays behind.
        Kv_StringArray cells = rowsTable->rows[first + i];
        if (cells.length() < kColumns) cells.setLogicalLength(kColumns);
        target.setRowStrings(i + 1, cells);
    }
    target.SetBool(sheet::kOptRedraw, TRUE);
}

void CDlgCSP2::storeSetRows(Kv_Spread& source, int table, int setId) {
    DlgCSP2Table* rowsTable = data.table(table);
    // A sheet that never came up holds nothing of the set; storing it would wipe the rows.
    if (!rowsTable || !source.isAttached()) return;
    Kv_Array<Kv_StringArray> rows;
    source.getAllRows(rows);
    rowsTable->replaceRowsOfSet(setId, rows);
}

void CDlgCSP2::storeSheets(int setId) {
    for (int table = 0; table < DlgCSP2Data::kTableCount; ++table) storeSetRows(sheet(table), table, setId);
}

void CDlgCSP2::refreshSheets() {
    const int index = selectedSetIndex();
    if (setListCount() > 0 && index >= 0) {
        const int id = data.setIdAt(index);
        for (int table = 0; table < DlgCSP2Data::kTableCount; ++table) {
            showSetRows(sheet(table), table, id);
            sheet(table).applyResize();
        }
        return;
    }
    for (int table = 0; table < DlgCSP2Data::kTableCount; ++table)
        if (sheet(table).isAttached()) sheet(table).setMaxRows(0);
}

// --- the set list ----------------------------------------------------------------------------

int CDlgCSP2::selectedSetIndex() const {
    const int index = static_cast<int>(::SendMessage(::GetDlgItem(m_hWnd, IDC_CSP2_SET_LIST), CB_GETCURSEL, 0, 0));
    return index >= 0 && index < setListCount() && index < data.setCount() ? index : -1;
}

int CDlgCSP2::setListCount() const {
    const LRESULT count = ::SendMessage(::GetDlgItem(m_hWnd, IDC_CSP2_SET_LIST), CB_GETCOUNT, 0, 0);
    return count > 0 ? static_cast<int>(count) : 0;
}

void CDlgCSP2::onSetSelectionChanged() {
    const int index = selectedSetIndex();
    if (index < 0) return;
    if (currentSetId_ != -1) storeSheets(currentSetId_);
    refreshSheets();
    currentSetId_ = data.setIdAt(index);
}

void CDlgCSP2::onAddSet() {
    frame::TextEntryRequest request;
    request.title = dialString(631);
    request.prompt = dialString(632);
    request.text = dialString(171);
    request.okText = dialString(1);
    request.cancelText = dialString(2);
    if (!frame::askForText(request)) return;
    // The name becomes the folder of the set's files; a name no folder can have is refused
    // with the library's warning rather than leading the files elsewhere.
    if (warnInvalidFileName(request.text)) return;
    data.addSet(request.text);
    HWND list = ::GetDlgItem(m_hWnd, IDC_CSP2_SET_LIST);
    ::SendMessage(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(request.text.c_str()));
    // The rows on show still belong to the set selected before; they are stored into it when
    // the selection moves on to the new set.
    currentSetId_ = data.setIdAt(selectedSetIndex());
    ::SendMessage(list, CB_SETCURSEL, static_cast<WPARAM>(setListCount() - 1), 0);
    onSetSelectionChanged();
    refreshSheets();
}

void CDlgCSP2::onRemoveSet() {
    const int index = selectedSetIndex();
    if (index < 0) return;
    data.removeSet(index);
    HWND list = ::GetDlgItem(m_hWnd, IDC_CSP2_SET_LIST);
    ::SendMessage(list, CB_DELETESTRING, static_cast<WPARAM>(index), 0);
    const int remaining = setListCount();
    if (remaining > 0) {
        const int selected = std::min(index, remaining - 1);
        ::SendMessage(list, CB_SETCURSEL, static_cast<WPARAM>(selected), 0);
        currentSetId_ = data.setIdAt(selected);
    } else {
        currentSetId_ = -1;
    }
    refreshSheets();
}

// --- rows ------------------------------------------------------------------------------------

void CDlgCSP2::onAddRow(int table) {
    Kv_Spread& target = sheet(table);
    if (!target.isAttached()) return;
    // Below the current row; when the sheet has no row there (an empty sheet, or a selection
    // left from rows that are gone), at the end, so that a set's first row can be added.
    const int count = target.getMaxRows();
    int row = target.getSelRow();
    if (row < 0 || row > count) row = count;
    target.insertRow(row + 1, false, false);
}

void CDlgCSP2::onRemoveRow(int table) {
    Kv_Spread& target = sheet(table);
    if (target.isAttached()) target.deleteSelRow();
}

// --- commands --------------------------------------------------------------------------------

void CDlgCSP2::OnOK() {
    const int index = selectedSetIndex();
    if (index >= 0) storeSheets(data.setIdAt(index));
    CDialog::OnOK();
}

BOOL CDlgCSP2::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    const int code = HIWORD(wParam);
    if (id == IDC_CSP2_SET_LIST) {
        if (code == CBN_SELCHANGE) onSetSelectionChanged();
        return CDialog::OnCommand(wParam, lParam);
    }
    if (code != BN_CLICKED) return CDialog::OnCommand(wParam, lParam);
    for (int table = 0; table < DlgCSP2Data::kTableCount; ++table) {
        if (id == kAddRowIds[table]) {
            onAddRow(table);
            return TRUE;
        }
        if (id == kRemoveRowIds[table]) {
            onRemoveRow(table);
            return TRUE;
        }
    }
    switch (id) {
    case IDC_CSP2_ADD_SET: onAddSet(); return TRUE;
    case IDC_CSP2_REMOVE_SET: onRemoveSet(); return TRUE;
    case IDC_CSP2_OPEN_STOCK: onFileButton(DlgCSP2Data::kStockTable, true); return TRUE;
    case IDC_CSP2_SAVE_STOCK: onFileButton(DlgCSP2Data::kStockTable, false); return TRUE;
    case IDC_CSP2_OPEN_PURCHASE: onFileButton(DlgCSP2Data::kPurchaseTable, true); return TRUE;
    case IDC_CSP2_SAVE_PURCHASE: onFileButton(DlgCSP2Data::kPurchaseTable, false); return TRUE;
    case IDC_CSP2_MAIN: onMainButton(); return TRUE;
    default: return CDialog::OnCommand(wParam, lParam);
    }
}

bool StartDlgCSP2(DlgCSP2Data& data) {
    return frame::launchModalDialog<CDlgCSP2>(
        frame::LaunchRules{}, [&](CDlgCSP2& dialog) { dialog.data = data; },
        [&](CDlgCSP2& dialog) { data = dialog.data; });
}
