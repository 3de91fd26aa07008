// CDlgEditLibSimple and its launcher.
#include "sections/dlg_edit_lib_simple.h"

#include "core/dialog_helpers.h"
#include "core/kv_texts.h"
#include "core/macro_lang_strings.h"
#include "core/records/dlg_edit_lib_data.h"
#include "frame/dialog_launcher.h"
#include "sections/section_lib_ids.h"
#include "sections/section_pickers.h"
#include "sections/section_type_properties.h"

namespace {

constexpr const char* kSizeName = "DLG_EDITLIBSIMPLE";

int valueFieldId(int field) { return IDC_SIMPLE_FIRST_VALUE + 2 * field; }
int labelFieldId(int field) { return IDC_SIMPLE_FIRST_LABEL + 2 * field; }

}  // namespace

CDlgEditLibSimple::CDlgEditLibSimple(CWnd* parent) : CDialog(IDD_EDIT_LIB_SIMPLE, parent) {}

BOOL CDlgEditLibSimple::OnInitDialog() {
    CDialog::OnInitDialog();
    setLabels();
    showPicture();
    getDlgSize(this, minTrackWidth_, minTrackHeight_, true);
    setUpResizer();
    ChangeDlgSize(this, kSizeName, false);

    modelRow = 0;
    int found = 0;
    if (table.findSysName(modelName, found)) modelRow = found;
    pattern_ = findNamePattern(table, modelRow);
    languageSlot_ = table.getColumnIdx(MacroLangs::GetCurLanguage()) - kFirstLanguageCell;
    showModelRow();
    CheckRadioButton(IDC_SIMPLE_BUILD_NAME, IDC_SIMPLE_TYPE_NAME, IDC_SIMPLE_BUILD_NAME);
    EnDisCtrl(this, IDC_SIMPLE_NAME, false);
    initialised_ = true;
    return TRUE;
}

void CDlgEditLibSimple::setLabels() {
    SetWindowText(dialString(796).c_str());
    SetDlgItemText(IDC_SIMPLE_NAME_GROUP, dialString(797).c_str());
    SetDlgItemText(IDC_SIMPLE_BUILD_NAME, dialString(1377).c_str());
    SetDlgItemText(IDC_SIMPLE_TYPE_NAME, dialString(1378).c_str());
    SetDlgItemText(IDC_SIMPLE_NAME_LABEL, (dialString(797) + ":").c_str());
    SetDlgItemText(IDOK, dialString(1).c_str());
    SetDlgItemText(IDCANCEL, dialString(2).c_str());
}

void CDlgEditLibSimple::showPicture() {
    const Kv_String picture = sectionTypePicture(table.description);
    if (picture.isEmpty()) {
        ShowOrHideCtrl(this, IDC_SIMPLE_PICTURE, false);
        return;
    }
    setButtonIcon(this, picture_, IDC_SIMPLE_PICTURE, picture, true, true, true);
}

void CDlgEditLibSimple::setUpResizer() {
    resizer_.attach(this);
    resizer_.setMinimumSize(minTrackWidth_, minTrackHeight_);
    const unsigned stretch = CResizer::Left | CResizer::Right | CResizer::Top;
    for (int id : {IDC_SIMPLE_NAME_GROUP, IDC_SIMPLE_NAME}) resizer_.setAnchor(id, stretch);
    for (int field = 0; field < SIMPLE_VALUE_FIELDS; ++field) resizer_.setAnchor(valueFieldId(field), stretch);
    for (int id : {IDOK, IDCANCEL}) resizer_.setAnchor(id, CResizer::Right | CResizer::Bottom);
}

Kv_StringArray CDlgEditLibSimple::propertyNames() const {
    const int type = sectionTypeNumberOf(table.description);
    if (type > 0) return sectionTypePropertyNames(type);
    Kv_StringArray names;
    for (int i = kFirstValueCell; i < table.columnNames.length(); ++i)
        names.append(MacroLangs::GetString(table.columnNames[i], "Prof"));
    return names;
}

void CDlgEditLibSimple::showModelRow() {
    Kv_StringArray row;
    table.getRow(row, modelRow);
    showing_ = true;
    const int languageColumn = languageSlot_ + kFirstLanguageCell;
    if (languageColumn >= 0 && row.isValidIndex(languageColumn))
        SetDlgItemText(IDC_SIMPLE_NAME, row[languageColumn].c_str());
    const Kv_StringArray names = propertyNames();
    fieldCount_ = 0;
    for (int field = 0; field < SIMPLE_VALUE_FIELDS; ++field) {
        const bool shown = row.isValidIndex(kFirstValueCell + field);
        if (shown) {
            Kv_String label = Kv_String(std::string(1, static_cast<char>('A' + field))) + ". ";
            if (names.isValidIndex(field)) label += names[field];
            SetDlgItemText(labelFieldId(field), (label + ":").c_str());
            SetDlgItemText(valueFieldId(field), row[kFirstValueCell + field].c_str());
            fieldCount_ = field + 1;
        }
        ShowOrHideCtrl(this, labelFieldId(field), shown);
        ShowOrHideCtrl(this, valueFieldId(field), shown);
    }
    showing_ = false;
}

Kv_StringArray CDlgEditLibSimple::fieldValues() const {
    Kv_StringArray values;
    for (int field = 0; field < fieldCount_; ++field) {
        std::string text;
        GetDlgItemText(valueFieldId(field), text);
        values.append(Kv_String(text));
    }
    return values;
}

bool CDlgEditLibSimple::buildsName() const { return IsDlgButtonChecked(IDC_SIMPLE_BUILD_NAME) == BST_CHECKED; }

void CDlgEditLibSimple::rebuildName() {
    if (!buildsName()) return;
    const Kv_String name = buildSystemName(fieldValues(), pattern_.valueIndices);
    showing_ = true;
    SetDlgItemText(IDC_SIMPLE_NAME, (prefixOfSlot(pattern_.prefixes, languageSlot_) + name).c_str());
    showing_ = false;
}

// System names are the rows' keys: an empty one, or one a row already has, would make two
// sizes one.
bool CDlgEditLibSimple::nameRefused(const Kv_String& sysName) {
    int existing = 0;
    Kv_String trimmed = sysName;
    if (!trimmed.trim().isEmpty() && !table.findSysName(sysName, existing)) return false;
    ::MessageBox(m_hWnd, (string(857) + ".\n" + string(858) + ".").c_str(), dialString(856).c_str(),
                 MB_OK | MB_ICONEXCLAMATION);
    return true;
}

void CDlgEditLibSimple::OnOK() {
    Kv_StringArray model;
    table.getRow(model, modelRow);
    const bool built = buildsName();
    Kv_String sysName;
    if (built) {
        sysName = buildSystemName(fieldValues(), pattern_.valueIndices);
    } else {
        std::string typed;
        GetDlgItemText(IDC_SIMPLE_NAME, typed);
        sysName = Kv_String(typed);
    }
    Kv_StringArray row;
    // A model too short to hold a size cannot make one; only Cancel closes then.
    if (!makeNewSizeRow(model, sysName, built, pattern_.prefixes, fieldValues(), row)) return;
    if (nameRefused(sysName)) return;
    if (!passesTubeRadiusCheck(table.description, row)) {
        ::MessageBox(m_hWnd, (string(1457) + "\n" + string(1458) + "\n\n" + string(888) + ".").c_str(),
                     dialString(1098).c_str(), MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    const int position = newSizePosition(table, sysName);
    if (!table.rows.insertAt(position, row)) return;
    resultIndex = table.getfilteredIdx(position);
    CDialog::OnOK();
}

BOOL CDlgEditLibSimple::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    const int code = HIWORD(wParam);
    if ((id == IDC_SIMPLE_BUILD_NAME || id == IDC_SIMPLE_TYPE_NAME) && code == BN_CLICKED) {
        EnDisCtrl(this, IDC_SIMPLE_NAME, id == IDC_SIMPLE_TYPE_NAME);
        rebuildName();
        return TRUE;
    }
    if (code == EN_CHANGE && !showing_ && initialised_ && id >= IDC_SIMPLE_FIRST_VALUE &&
        id < valueFieldId(SIMPLE_VALUE_FIELDS) && (id - IDC_SIMPLE_FIRST_VALUE) % 2 == 0) {
        rebuildName();
        return TRUE;
    }
    return CDialog::OnCommand(wParam, lParam);
}

void CDlgEditLibSimple::OnSize(UINT type, int cx, int cy) {
    CDialog::OnSize(type, cx, cy);
    if (resizer_.isAttached()) resizer_.resize();
}

void CDlgEditLibSimple::OnGetMinMaxInfo(MINMAXINFO* info) {
    if (initialised_) resizer_.limitTracking(info);
    CDialog::OnGetMinMaxInfo(info);
}

void CDlgEditLibSimple::OnDestroy() {
    WriteDlgSize(this, kSizeName);
    CDialog::OnDestroy();
}

bool StartDlgEditLibSimple(const Kv_String& systemName, Kv_ProfValuesTable& table, int& index) {
    return frame::launchModalDialog<CDlgEditLibSimple>(
        frame::LaunchRules{frame::ResourceScope::CallerProvides},
        [&](CDlgEditLibSimple& dialog) {
            dialog.table = table;
            dialog.modelName = systemName;
        },
        [&](CDlgEditLibSimple& dialog) {
            table = dialog.table;
            index = dialog.resultIndex;
        });
}
