#include "constraints/settings_pages.h"

#include <algorithm>
#include <cstdlib>

#include "constraints/macro_settings_ids.h"
#include "core/dialog_helpers.h"
#include "core/kv_texts.h"
#include "designer/kv_dlg_designer_data.h"
#include "resources/package_icons.h"

namespace {

Kv_String itemText(CWnd& page, int id) {
    HWND item = ::GetDlgItem(page.m_hWnd, id);
    const int length = ::GetWindowTextLength(item);
    std::string text(static_cast<size_t>(std::max(length, 0)) + 1, '\0');
    ::GetWindowText(item, text.data(), length + 1);
    return Kv_String(text.c_str());
}

int comboSelection(CWnd& page, int id) {
    return static_cast<int>(::SendMessage(::GetDlgItem(page.m_hWnd, id), CB_GETCURSEL, 0, 0));
}

void setIconButton(CButtonST& button, CWnd& page, int id, int icon, int tooltip) {
    if (!button.SubclassDlgItem(static_cast<UINT>(id), &page)) return;
    button.SetIcon(icon);
    button.SetTooltipText(tooltip);
}

Kv_String cellText(const Kv_Spread& sheet, int col, int row) {
    Kv_String text;
    sheet.getCellText(col, row, text, CellTextKind::Value);
    return text;
}

// The rows a list sheet holds: an emptied list keeps one row, which counts as none.
int listRows(const Kv_Spread& sheet) {
    const int rows = std::max(sheet.getMaxRows(), 0);
    if (rows != 1) return rows;
    for (int col = 1; col <= sheet.getMaxCols(); ++col)
        if (!cellText(sheet, col, 1).isEmpty()) return 1;
    return 0;
}

template <typename T>
void growTo(Kv_Array<T>& values, int length, const T& fill) {
    while (values.length() < length) values.append(fill);
}

void addEmptyRow(Kv_Spread& sheet) {
    const int rows = sheet.getMaxRows();
    sheet.setMaxRows(rows + 1);
    // Growing copies the last row; a new row starts empty, and typing goes into it.
    for (int col = 1; col <= sheet.getMaxCols(); ++col) sheet.setCellText(col, rows + 1, "");
    sheet.SetFocus();
    sheet.SetActiveCell(1, rows + 1);
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// Template lists

TemplateListsPage::TemplateListsPage() : CAcUiTabChildDialog(IDD_MS_TEMPLATE_PAGE), sheet_(this) {}

BOOL TemplateListsPage::OnInitDialog() {
    CAcUiTabChildDialog::OnInitDialog();
    for (auto [id, text] : {std::pair{IDC_MS_TEMPLATE_LABEL, 957},
                            {IDC_MS_TEMPLATES_LABEL, 958},
                            {IDC_MS_TEMPLATE_SHEET_LABEL, 959},
                            {IDC_MS_TEMPLATE_CHOICE_LABEL, 960}})
        SetDlgItemText(id, dialString(text).c_str());
    setIconButton(insertRow_, *this, IDC_MS_TEMPLATE_INSERT, IDI_KV_ADD, 961);
    setIconButton(deleteRow_, *this, IDC_MS_TEMPLATE_DELETE, IDI_KV_REMOVE, 962);
    sheet_.attach(this, IDC_MS_TEMPLATE_SHEET, true);
    if (!settings) return TRUE;
    copy_ = settings->templateSettings;
    getModuleImages(templates_);
    HWND list = ::GetDlgItem(m_hWnd, IDC_MS_TEMPLATES);
    for (const Kv_String& name : templates_)
        ::SendMessage(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
    FillCombo(m_hWnd, IDC_MS_TEMPLATE_CHOICE, copy_.choiceList);
    if (!templates_.isEmpty()) ::SendMessage(list, LB_SETCURSEL, 0, 0);
    show(templates_.isEmpty() ? -1 : 0);
    return TRUE;
}

bool TemplateListsPage::arraysAgree() const {
    return copy_.perTemplateLists.length() == copy_.perTemplateChoice.length();
}

void TemplateListsPage::show(int index) {
    shown_ = index;
    const bool known = index >= 0 && arraysAgree() && index < copy_.perTemplateLists.length();
    const Kv_StringArray entries = known ? copy_.perTemplateLists[index] : Kv_StringArray();
    resetListSheet(&sheet_, 1, entries.length(), 0);
    sheet_.SetData(1, SS_HEADER, dialString(85).c_str());
    for (int row = 1; row <= entries.length(); ++row) sheet_.setCellText(1, row, entries[row - 1]);
    // A text that is not among the choices leaves the list without a selection and is kept.
    const int choice = known ? copy_.choiceList.find(copy_.perTemplateChoice[index]) : -1;
    ::SendMessage(::GetDlgItem(m_hWnd, IDC_MS_TEMPLATE_CHOICE), CB_SETCURSEL, static_cast<WPARAM>(choice), 0);
}

void TemplateListsPage::store(int index) {
    if (index < 0 || index >= templates_.length() || !arraysAgree() || !sheet_.isAttached()) return;
    Kv_StringArray entries;
    for (int row = 1, rows = listRows(sheet_); row <= rows; ++row) entries.append(cellText(sheet_, 1, row));
    const int choice = comboSelection(*this, IDC_MS_TEMPLATE_CHOICE);
    const bool chosen = copy_.choiceList.isValidIndex(choice);
    if (index >= copy_.perTemplateLists.length()) {
        // A template past the arrays: both grow with empty entries, but only for something to keep.
        if (entries.isEmpty() && !chosen) return;
        growTo(copy_.perTemplateLists, index + 1, Kv_StringArray());
        growTo(copy_.perTemplateChoice, index + 1, Kv_String());
    }
    copy_.perTemplateLists[index] = entries;
    if (chosen) copy_.perTemplateChoice[index] = copy_.choiceList[choice];
}

void TemplateListsPage::storeShownAndCopyBack() {
    if (!settings || !m_hWnd) return;
    store(shown_);
    settings->templateSettings = copy_;
}

BOOL TemplateListsPage::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam), code = HIWORD(wParam);
    if (id == IDC_MS_TEMPLATES && code == LBN_SELCHANGE) {
        const int now = static_cast<int>(::SendMessage(::GetDlgItem(m_hWnd, IDC_MS_TEMPLATES), LB_GETCURSEL, 0, 0));
        if (now != shown_) {
            store(shown_);
            show(now);
        }
        return TRUE;
    }
    if (code == BN_CLICKED && (id == IDC_MS_TEMPLATE_INSERT || id == IDC_MS_TEMPLATE_DELETE)) {
        int col = 1, row = 1;
        sheet_.getActiveCellOrFirst(col, row);
        if (id == IDC_MS_TEMPLATE_INSERT) {
            // Typing goes into the new row.
            if (sheet_.insertRow(std::min(row + 1, sheet_.getMaxRows() + 1), false, false)) {
                sheet_.SetFocus();
                sheet_.SetActiveCell(1, std::min(row + 1, sheet_.getMaxRows()));
            }
        } else if (sheet_.getMaxRows() > 0) {
            sheet_.deleteRow(row);
        }
        return TRUE;
    }
    return CAcUiTabChildDialog::OnCommand(wParam, lParam);
}

// ---------------------------------------------------------------------------------------------
// Table settings

TableSettingsPage::TableSettingsPage() : CAcUiTabChildDialog(IDD_MS_TABLE_PAGE), sheet_(this) {}

BOOL TableSettingsPage::OnInitDialog() {
    CAcUiTabChildDialog::OnInitDialog();
    SetDlgItemText(IDC_MS_TABLE_TEXT, (dialString(942) + ".\n" + dialString(943) + ".").c_str());
    for (auto [id, text] : {std::pair{IDC_MS_TABLE_FIRST_LABEL, 1388},
                            {IDC_MS_TABLE_SECOND_LABEL, 1392},
                            {IDC_MS_TABLE_COUNT_LABEL, 1407}})
        SetDlgItemText(id, dialString(text).c_str());
    setIconButton(addRow_, *this, IDC_MS_TABLE_ADD, IDI_KV_ADD, 896);
    setIconButton(deleteRow_, *this, IDC_MS_TABLE_DELETE, IDI_KV_REMOVE, 897);
    sheet_.attach(this, IDC_MS_TABLE_SHEET, true);
    if (!settings) return TRUE;
    const MacroTableSettings& t = settings->tableSettings;
    // A choice outside the entries shows no selection and is kept unless the person chooses.
    auto choices = [](int first) {
        Kv_StringArray entries;
        for (int n = first; n < first + 3; ++n) entries.append(dialString(n));
        return entries;
    };
    FillCombo(m_hWnd, IDC_MS_TABLE_FIRST, choices(1385), t.firstChoice >= 0 && t.firstChoice < 3 ? t.firstChoice : -1);
    FillCombo(m_hWnd, IDC_MS_TABLE_SECOND, choices(1389),
              t.secondChoice >= 0 && t.secondChoice < 3 ? t.secondChoice : -1);
    FillCombo(m_hWnd, IDC_MS_TABLE_COUNT, Kv_StringArray{"0", "1", "2", "3"});
    SetDlgItemText(IDC_MS_TABLE_COUNT, Kv_String(t.count).c_str());

    resetListSheet(&sheet_, 2, t.labels.length(), 0);
    sheet_.SetData(1, SS_HEADER, dialString(87).c_str());
    sheet_.SetData(2, SS_HEADER, dialString(101).c_str());
    for (int row = 1; row <= t.labels.length(); ++row) {
        sheet_.setCellText(1, row, t.labels[row - 1]);
        sheet_.setCellText(2, row, Kv_String(t.numbers.isValidIndex(row - 1) ? t.numbers[row - 1] : 0.0, -1));
    }
    return TRUE;
}

BOOL TableSettingsPage::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam), code = HIWORD(wParam);
    if (code == BN_CLICKED && id == IDC_MS_TABLE_ADD) {
        addEmptyRow(sheet_);
        return TRUE;
    }
    if (code == BN_CLICKED && id == IDC_MS_TABLE_DELETE) {
        if (sheet_.getMaxRows() > 0) sheet_.setMaxRows(sheet_.getMaxRows() - 1);
        return TRUE;
    }
    return CAcUiTabChildDialog::OnCommand(wParam, lParam);
}

void TableSettingsPage::OnDestroy() {
    if (settings && sheet_.isAttached()) {
        MacroTableSettings& t = settings->tableSettings;
        const int first = comboSelection(*this, IDC_MS_TABLE_FIRST),
                  second = comboSelection(*this, IDC_MS_TABLE_SECOND);
        if (first >= 0) t.firstChoice = first;
        if (second >= 0) t.secondChoice = second;
        t.count = std::atoi(itemText(*this, IDC_MS_TABLE_COUNT).c_str());
        t.labels.removeAll();
        t.numbers.removeAll();
        for (int row = 1, rows = listRows(sheet_); row <= rows; ++row) {
            t.labels.append(cellText(sheet_, 1, row));
            t.numbers.append(std::atof(cellText(sheet_, 2, row).c_str()));
        }
    }
    CAcUiTabChildDialog::OnDestroy();
}

// ---------------------------------------------------------------------------------------------
// List settings

ListSettingsPage::ListSettingsPage() : CAcUiTabChildDialog(IDD_MS_LIST_PAGE), sheet_(this) {}

Kv_StringArray ListSettingsPage::choiceEntries() const {
    Kv_StringArray entries;
    entries.append(dialString(956));
    for (int row = 1; row <= rows_; ++row) entries.append(Kv_String(row));
    return entries;
}

BOOL ListSettingsPage::OnInitDialog() {
    CAcUiTabChildDialog::OnInitDialog();
    SetDlgItemText(IDC_MS_LIST_LABEL_1, (dialString(948) + " \"" + string(10320) + "\" " + dialString(949)).c_str());
    SetDlgItemText(
        IDC_MS_LIST_LABEL_2,
        (dialString(950) + "\n" + dialString(951) + " \"" + dialString(956) + "\" " + dialString(952)).c_str());
    sheet_.attach(this, IDC_MS_LIST_SHEET, true);
    if (!settings) return TRUE;
    const MacroListSettings& l = settings->listSettings;
    SetDlgItemText(IDC_MS_LIST_FIRST_TEXT, l.firstText.c_str());
    SetDlgItemText(IDC_MS_LIST_SECOND_TEXT, l.secondText.c_str());

    rows_ = l.column1.length();
    resetListSheet(&sheet_, 3, rows_, 0);
    for (auto [col, text] : {std::pair{1, 87}, {2, 101}, {3, 900}})
        sheet_.SetData(col, SS_HEADER, dialString(text).c_str());
    const Kv_StringArray entries = choiceEntries();
    sheet_.setColCombo(3, entries, false);
    for (int row = 1; row <= rows_; ++row) {
        const int i = row - 1;
        sheet_.setCellText(1, row, l.column1[i]);
        sheet_.setCellText(2, row, l.column2.isValidIndex(i) ? l.column2[i] : Kv_String());
        // An index the list cannot show (past the rows) shows nothing and is kept.
        const int choice = l.column3.isValidIndex(i) ? l.column3[i] : 0;
        sheet_.setCellText(3, row, entries.isValidIndex(choice) ? entries[choice] : Kv_String());
    }
    sheet_.lockCol(1);
    return TRUE;
}

void ListSettingsPage::OnDestroy() {
    if (settings && sheet_.isAttached()) {
        MacroListSettings& l = settings->listSettings;
        l.firstText = itemText(*this, IDC_MS_LIST_FIRST_TEXT);
        l.secondText = itemText(*this, IDC_MS_LIST_SECOND_TEXT);
        const Kv_StringArray entries = choiceEntries();
        const int rows = std::min(rows_, l.column1.length());
        growTo(l.column2, rows, Kv_String());
        growTo(l.column3, rows, 0);
        for (int row = 1; row <= rows; ++row) {
            const int i = row - 1;
            l.column1[i] = cellText(sheet_, 1, row);
            l.column2[i] = cellText(sheet_, 2, row);
            const int chosen = entries.find(cellText(sheet_, 3, row));
            if (chosen >= 0) l.column3[i] = chosen;
        }
    }
    CAcUiTabChildDialog::OnDestroy();
}
