// The libraries page of the library editor.
#include "sections/lib_libraries_page.h"

#include "core/dialog_helpers.h"
#include "core/file_name_check.h"
#include "core/kv_texts.h"
#include "core/file_layer.h"
#include "frame/text_entry_launcher.h"
#include "sections/section_lib_ids.h"
#include "sections/section_library_files.h"
#include "spread/sheet_layout_dlg.h"

namespace {

constexpr int kLastSectionType = 24;
constexpr int kSaveFailedText = 798;

struct IconButton {
    int id, icon, tooltip;
};
constexpr IconButton kIconButtons[7] = {
    {IDC_LIB_COPY, IDI_LIB_COPY, 772},
    {IDC_LIB_PASTE, IDI_LIB_PASTE, 773},
    {IDC_LIB_INSERT_ROW, IDI_LIB_INSERT_ROW, 774},
    {IDC_LIB_DELETE_ROW, IDI_LIB_DELETE_ROW, 775},
    {IDC_LIB_ROW_UP, IDI_LIB_ROW_UP, 776},
    {IDC_LIB_ROW_DOWN, IDI_LIB_ROW_DOWN, 777},
    {IDC_LIB_FIND, IDI_LIB_FIND, 778},
};

// Usable only while there is a library to edit; New (1189) always is.
constexpr int kEditingControls[] = {IDC_LIB_REMOVE,   IDC_LIB_LAYOUT,     IDC_LIB_RENAME,       IDC_LIB_COPY,
                                    IDC_LIB_PASTE,    IDC_LIB_INSERT_ROW, IDC_LIB_DELETE_ROW,   IDC_LIB_ROW_UP,
                                    IDC_LIB_ROW_DOWN, IDC_LIB_FIND,       IDC_LIB_SECTION_TYPE, IDC_LIB_SHEET};

Kv_String quoted(const Kv_String& name) { return " <" + name + "> "; }

}  // namespace

// Message boxes belong to the editor's frame, so that the whole dialog waits for the answer.
HWND CLibLibrariesPage::ownerWindow() const { return GetMainDialog() ? GetMainDialog()->m_hWnd : m_hWnd; }

CLibLibrariesPage::CLibLibrariesPage(DlgEditLibData& data)
    : CAcUiTabChildDialog(IDD_LIB_LIBRARIES_PAGE), data_(data), sheet_(this) {}

BOOL CLibLibrariesPage::OnInitDialog() {
    CAcUiTabChildDialog::OnInitDialog();
    const std::pair<int, int> labels[] = {{IDC_LIB_NEW, 779},
                                          {IDC_LIB_REMOVE, 780},
                                          {IDC_LIB_LAYOUT, 781},
                                          {IDC_LIB_RENAME, 782},
                                          {IDC_LIB_SECTION_TYPE_FRAME, 783}};
    for (auto [id, text] : labels) SetDlgItemText(id, dialString(text).c_str());
    setUpButtons();
    // A page has no frame or caption: the placeholder's place is the sheet's as it is.
    if (sheet_.attach(this, IDC_LIB_SHEET, true)) sheet_.setDefaults(1);
    resizer_.attach(this);
    resizer_.setAnchor(IDC_LIB_LIBRARY_LIST, CResizer::Left | CResizer::Top | CResizer::Bottom);
    for (int id : {IDC_LIB_NEW, IDC_LIB_REMOVE, IDC_LIB_LAYOUT, IDC_LIB_RENAME})
        resizer_.setAnchor(id, CResizer::Left | CResizer::Bottom);
    resizer_.setAnchor(IDC_LIB_SHEET, CResizer::All);
    names_ = data_.availableFiles;
    fillTypeList();
    if (names_.isEmpty())
        showNoLibrary();
    else
        loadLibrary(0);
    return TRUE;
}

void CLibLibrariesPage::setUpButtons() {
    for (size_t i = 0; i < iconButtons_.size(); ++i) {
        CButtonST& button = iconButtons_[i];
        if (!button.SubclassDlgItem(kIconButtons[i].id, this)) continue;
        button.SetIcon(kIconButtons[i].icon);
        button.SetTooltipText(kIconButtons[i].tooltip);
    }
}

void CLibLibrariesPage::fillTypeList() {
    Kv_StringArray entries;
    for (int type = 1; type <= kLastSectionType; ++type) entries.append(Kv_String(type));
    FillCombo(this, IDC_LIB_SECTION_TYPE, entries);
}

void CLibLibrariesPage::fillLibraryList() {
    filling_ = true;
    HWND list = ::GetDlgItem(m_hWnd, IDC_LIB_LIBRARY_LIST);
    ::SendMessage(list, LB_RESETCONTENT, 0, 0);
    for (const Kv_String& name : names_) ::SendMessage(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
    ::SendMessage(list, LB_SETCURSEL, static_cast<WPARAM>(shown_), 0);
    filling_ = false;
}

Kv_String CLibLibrariesPage::typeEntry() const {
    std::string text;
    GetDlgItemText(IDC_LIB_SECTION_TYPE, text);
    return Kv_String(text);
}

void CLibLibrariesPage::selectTypeEntry(const Kv_String& entry) {
    HWND combo = ::GetDlgItem(m_hWnd, IDC_LIB_SECTION_TYPE);
    if (entry.isEmpty()) {
        ::SendMessage(combo, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
        return;
    }
    LRESULT at =
        ::SendMessage(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(entry.c_str()));
    // A description of no known type is an entry of its own, so that it is saved unchanged.
    if (at < 0) at = ::SendMessage(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
    ::SendMessage(combo, CB_SETCURSEL, static_cast<WPARAM>(at), 0);
}

void CLibLibrariesPage::enableEditing(bool enable) {
    for (int id : kEditingControls) EnDisCtrl(this, id, enable);
}

void CLibLibrariesPage::loadLibrary(int index) {
    if (!names_.isValidIndex(index)) {
        showNoLibrary();
        return;
    }
    shown_ = index;
    fillLibraryList();
    Kv_ProfValuesTable table;
    // A file that cannot be read shows as an empty sheet.
    if (!table.readFromFile(libraryFileName(names_[index]))) table = Kv_ProfValuesTable();
    table.setToSS(sheet_);
    // An empty table leaves the sheet as setToSS found it; nothing of it is a change.
    sheet_.SetBool(sheet::kOptChanged, FALSE);
    selectTypeEntry(sectionTypeEntryOf(table.description));
    enableEditing(true);
}

void CLibLibrariesPage::showNoLibrary() {
    shown_ = -1;
    fillLibraryList();
    Kv_ProfValuesTable().setToSS(sheet_);
    sheet_.SetBool(sheet::kOptChanged, FALSE);
    selectTypeEntry({});
    enableEditing(false);
}

bool CLibLibrariesPage::tableFromSheet(Kv_ProfValuesTable& table) {
    if (!table.getFromSS(sheet_)) return false;
    table.description = descriptionOfSectionTypeEntry(typeEntry());
    return true;
}

void CLibLibrariesPage::reportSaveFailure() {
    ::MessageBox(ownerWindow(), (string(kSaveFailedText) + quoted(names_[shown_])).c_str(), dialString(784).c_str(),
                 MB_OK | MB_ICONEXCLAMATION);
}

bool CLibLibrariesPage::saveShown() {
    Kv_ProfValuesTable table;
    if (!tableFromSheet(table) || !table.writeToFile(libraryFileName(names_[shown_]))) {
        reportSaveFailure();
        return false;
    }
    sheet_.SetBool(sheet::kOptChanged, FALSE);
    return true;
}

bool CLibLibrariesPage::askToSave() {
    if (!names_.isValidIndex(shown_) || !sheet_.isAttached() || !sheet_.GetBool(sheet::kOptChanged)) return true;
    const Kv_String text = string(785) + quoted(names_[shown_]) + string(786);
    switch (::MessageBox(ownerWindow(), text.c_str(), dialString(784).c_str(), MB_YESNOCANCEL | MB_ICONQUESTION)) {
    case IDYES: return saveShown();
    case IDNO: return true;
    default: return false;
    }
}

void CLibLibrariesPage::onLibrarySelected() {
    const int selected = static_cast<int>(SendDlgItemMessage(IDC_LIB_LIBRARY_LIST, LB_GETCURSEL, 0, 0));
    if (selected == shown_ || !names_.isValidIndex(selected)) return;
    if (!askToSave()) {
        fillLibraryList();
        return;
    }
    loadLibrary(selected);
}

void CLibLibrariesPage::onNew() {
    if (!askToSave()) return;
    const Kv_String name = freeLibraryName(names_, dialString(779));
    names_.append(name);
    shown_ = names_.length() - 1;
    newLibraryTable(name).setToSS(sheet_);
    sheet_.markChanged();
    selectTypeEntry({});
    fillLibraryList();
    enableEditing(true);
}

void CLibLibrariesPage::onDelete() {
    if (!names_.isValidIndex(shown_)) return;
    const Kv_String name = names_[shown_];
    const Kv_String text = string(788) + quoted(name) + string(789);
    if (::MessageBox(ownerWindow(), text.c_str(), dialString(787).c_str(), MB_YESNO | MB_ICONWARNING) != IDYES) return;
    const int position = shown_;
    names_.removeAt(position);
    const Kv_String path = Kv_ProfValuesTable::profileFolder() + libraryFileName(name);
    if (ObjectExportFileExists(path)) deleteFile(path);
    // The library now at that place, or the new last one when the last was deleted.
    if (names_.isEmpty())
        showNoLibrary();
    else
        loadLibrary(position < names_.length() ? position : names_.length() - 1);
}

void CLibLibrariesPage::onLayout() {
    if (!names_.isValidIndex(shown_) || !editSheetLayout(&sheet_)) return;
    Kv_StringArray labels;
    labels.items().assign(static_cast<size_t>(sheet_.getMaxRows()), names_[shown_]);
    sheet_.setHeaderColTexts(labels);
    // Never asks, so never removes columns: the layout the person just chose stands.
    applyTypeColumns(false);
    sheet_.autoFitAll();
}

void CLibLibrariesPage::onRename() {
    if (!names_.isValidIndex(shown_)) return;
    const Kv_String oldName = names_[shown_];
    frame::TextEntryRequest request;
    request.title = dialString(790);
    request.prompt = dialString(791);
    request.text = oldName;
    request.okText = dialString(1);
    request.cancelText = dialString(2);
    request.parent = GetMainDialog();
    if (!frame::askForText(request) || request.text == oldName) return;
    const Kv_String newName = request.text;
    if (warnInvalidFileName(newName)) return;
    if (findLibraryName(names_, newName, shown_) >= 0) {
        ::MessageBox(ownerWindow(), (string(857) + ".\n" + string(858) + ".").c_str(), dialString(856).c_str(),
                     MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    Kv_ProfValuesTable table;
    if (!tableFromSheet(table)) {
        reportSaveFailure();
        return;
    }
    table.tableName = newName;
    // The new file first: the old one goes only once the table is safe under the new name,
    // and never when the names differ only in case (both name the same file).
    if (!table.writeToFile(libraryFileName(newName))) {
        reportSaveFailure();
        return;
    }
    if (!oldName.equal(newName, true)) deleteFile(Kv_ProfValuesTable::profileFolder() + libraryFileName(oldName));
    names_[shown_] = newName;
    loadLibrary(shown_);
}

void CLibLibrariesPage::applyTypeColumns(bool ask) {
    const Kv_String entry = typeEntry();
    const Kv_StringArray columns = sectionTypeColumns(sectionTypeNumberOf(entry));
    if (columns.isEmpty() || !sheet_.isAttached()) return;
    const int count = columns.length();
    if (sheet_.getMaxCols() < count) sheet_.setMaxCols(count, false);
    sheet_.setHeaderRowTexts(columns);
    sheet_.setColCheckBox(2, false, false);
    if (sheet_.getMaxCols() > count && ask) {
        const Kv_String text = string(793) + " " + entry + " " + string(794) + "\n" + string(795);
        if (::MessageBox(ownerWindow(), text.c_str(), dialString(792).c_str(), MB_YESNO | MB_ICONQUESTION) == IDYES)
            sheet_.setMaxCols(count, false);
    }
    sheet_.autoFitAll();
}

void CLibLibrariesPage::onTypeChanged() {
    applyTypeColumns(true);
    sheet_.markChanged();
}

void CLibLibrariesPage::selectProfile(const Kv_String& profileName) {
    int library = names_.isEmpty() ? -1 : 0;
    int longest = -1;
    for (int i = 0; i < names_.length(); ++i) {
        if (names_[i].length() > longest && profileName.startsWith(names_[i] + "-")) {
            library = i;
            longest = names_[i].length();
        }
    }
    if (library < 0) return;
    if (library != shown_) loadLibrary(library);
    Kv_StringArray sysNames;
    sheet_.getColStrings(1, sysNames, CellTextKind::Value);
    for (int i = 0; i < sysNames.length(); ++i) {
        if ((names_[library] + "-" + sysNames[i]).equal(profileName, false)) {
            sheet_.SetActiveCell(1, i + 1);
            sheet_.selectRow(i + 1);
            return;
        }
    }
}

BOOL CLibLibrariesPage::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    const int code = HIWORD(wParam);
    if (id == IDC_LIB_LIBRARY_LIST) {
        if (code == LBN_SELCHANGE && !filling_) onLibrarySelected();
        return TRUE;
    }
    if (id == IDC_LIB_SECTION_TYPE) {
        if (code == CBN_SELCHANGE) onTypeChanged();
        return TRUE;
    }
    if (code != BN_CLICKED) return CAcUiTabChildDialog::OnCommand(wParam, lParam);
    switch (id) {
    case IDC_LIB_NEW: onNew(); return TRUE;
    case IDC_LIB_REMOVE: onDelete(); return TRUE;
    case IDC_LIB_LAYOUT: onLayout(); return TRUE;
    case IDC_LIB_RENAME: onRename(); return TRUE;
    case IDC_LIB_COPY: sheet_.ClipboardCopy(); return TRUE;
    case IDC_LIB_PASTE: sheet_.ClipboardPaste(); return TRUE;
    case IDC_LIB_INSERT_ROW: sheet_.insertRowBelowSel(true); return TRUE;
    case IDC_LIB_DELETE_ROW: sheet_.deleteSelRow(); return TRUE;
    case IDC_LIB_ROW_UP: sheet_.moveSelRowUp(); return TRUE;
    case IDC_LIB_ROW_DOWN: sheet_.moveSelRowDown(); return TRUE;
    case IDC_LIB_FIND: sheet_.openFind(false); return TRUE;
    default: return CAcUiTabChildDialog::OnCommand(wParam, lParam);
    }
}

void CLibLibrariesPage::OnSize(UINT type, int cx, int cy) {
    CAcUiTabChildDialog::OnSize(type, cx, cy);
    if (resizer_.isAttached()) resizer_.resize();
}
