// The groups and types pages of the library editor.
#include "sections/lib_entry_pages.h"

#include "core/dialog_helpers.h"
#include "core/kv_settings.h"
#include "core/path_mapping.h"
#include "core/macro_lang_strings.h"
#include "sections/section_lib_ids.h"

namespace {

constexpr int kEnglishSlot = 1;
// A header cell draws its text inside a raised frame and a margin on each side.
constexpr int kLabelMargin = 8;

// The controls of one entry; the list and New stay usable without entries.
constexpr int kEntryControls[] = {IDC_LIB_PICTURE_LABEL, IDC_LIB_PICTURE_FILE,  IDC_LIB_NAMES_LABEL,
                                  IDC_LIB_NAMES_SHEET,   IDC_LIB_PICTURE_FRAME, IDC_LIB_PICTURE};

}  // namespace

CLibEntriesPage::CLibEntriesPage(UINT templateId, int listId, DlgEditLibData& data)
    : CAcUiTabChildDialog(templateId), data_(data), listId_(listId), names_(this) {}

BOOL CLibEntriesPage::OnInitDialog() {
    CAcUiTabChildDialog::OnInitDialog();
    list_.SubclassDlgItem(static_cast<UINT>(listId_), this);
    // The languages that have a name slot, in the order the package lists its languages.
    for (const Kv_String& language : MacroLangs::GetAllLanguages())
        if (sectionNameSlot(language) >= 0) languages_.append(language);
    // A page has no frame or caption: the placeholder's place is the sheet's as it is.
    if (names_.attach(this, IDC_LIB_NAMES_SHEET, true)) {
        names_.setDefaults(1);
        names_.SetBool(sheet::kOptColHeaderShown, FALSE);
        names_.setMaxCols(1);
        names_.setMaxRows(languages_.length());
        names_.setHeaderColTexts(languages_);
        // The languages column is as wide as its widest label and keeps that width on every
        // resize; the names take the rest.
        names_.autoFitCol(SS_HEADER, false);
        int labelWidth = 0;
        names_.GetColWidthInPixels(SS_HEADER, &labelWidth);
        names_.setResizeMode(4, SS_HEADER, labelWidth + kLabelMargin);
        names_.applyResize();
    }
    resizer_.attach(this);
    resizer_.setAnchor(listId_, CResizer::Left | CResizer::Top | CResizer::Bottom);
    for (int id : {IDC_LIB_NEW, IDC_LIB_REMOVE}) resizer_.setAnchor(id, CResizer::Left | CResizer::Bottom);
    for (int id : {IDC_LIB_NAMES_SHEET, IDC_LIB_PICTURE_FILE})
        resizer_.setAnchor(id, CResizer::Left | CResizer::Right | CResizer::Top);
    anchorExtra(resizer_);
    fillList(entryCount() > 0 ? 0 : -1);
    show(entryCount() > 0 ? 0 : -1);
    return TRUE;
}

Kv_String CLibEntriesPage::listText(int index) {
    const Kv_StringArray& names = namesOf(index);
    const int current = sectionNameSlot(MacroLangs::GetCurLanguage());
    if (names.isValidIndex(current) && !names[current].isEmpty()) return names[current];
    if (names.isValidIndex(kEnglishSlot) && !names[kEnglishSlot].isEmpty()) return names[kEnglishSlot];
    for (const Kv_String& name : names)
        if (!name.isEmpty()) return name;
    return {};
}

void CLibEntriesPage::fillList(int select) {
    filling_ = true;
    list_.ResetContent();
    for (int i = 0; i < entryCount(); ++i) {
        list_.AddString(listText(i).c_str());
        list_.SetCheck(i, enabledOf(i) ? 1 : 0);
    }
    list_.SetCurSel(select);
    filling_ = false;
}

void CLibEntriesPage::enableControls(bool anyEntry, bool entryEnabled) {
    EnDisCtrl(this, IDC_LIB_REMOVE, anyEntry);
    EnDisCtrl(this, IDC_LIB_ENABLED, anyEntry);
    for (int id : kEntryControls) EnDisCtrl(this, id, anyEntry && entryEnabled);
    enableExtra(anyEntry && entryEnabled);
}

void CLibEntriesPage::showPicture(const Kv_String& file) {
    HBITMAP loaded = nullptr;
    if (!file.isEmpty()) {
        const std::string path = kvHostPath(Kv_Settings::kvDir() + "icons\\" + file);
        loaded = static_cast<HBITMAP>(LoadImage(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
    }
    SendDlgItemMessage(IDC_LIB_PICTURE, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(loaded));
    if (picture_) DeleteObject(picture_);
    picture_ = loaded;
}

void CLibEntriesPage::show(int index) {
    if (index < 0 || index >= entryCount()) {
        shown_ = -1;
        enableControls(false, false);
        return;
    }
    shown_ = index;
    const bool enabled = enabledOf(index);
    enableControls(true, enabled);
    CheckDlgButton(IDC_LIB_ENABLED, enabled ? BST_CHECKED : BST_UNCHECKED);
    SetDlgItemText(IDC_LIB_PICTURE_FILE, pictureOf(index).c_str());
    showPicture(pictureOf(index));
    showExtra(index);
    const Kv_StringArray& names = namesOf(index);
    for (int row = 0; row < languages_.length(); ++row) {
        const int slot = sectionNameSlot(languages_[row]);
        names_.setCellText(1, row + 1, names.isValidIndex(slot) ? names[slot] : Kv_String());
    }
}

void CLibEntriesPage::storeShown() {
    if (shown_ < 0 || shown_ >= entryCount()) return;
    enabledOf(shown_) = IsDlgButtonChecked(IDC_LIB_ENABLED) == BST_CHECKED;
    std::string picture;
    GetDlgItemText(IDC_LIB_PICTURE_FILE, picture);
    pictureOf(shown_) = Kv_String(picture);
    storeExtra(shown_);
    Kv_StringArray& names = namesOf(shown_);
    if (names.length() < kSectionNameSlots) names.setLogicalLength(kSectionNameSlots);
    Kv_StringArray typed;  // one row per language
    names_.getColValues(1, typed);
    for (int row = 0; row < languages_.length() && row < typed.length(); ++row)
        names[sectionNameSlot(languages_[row])] = typed[row];
}

void CLibEntriesPage::onSelect() {
    const int selected = list_.GetCurSel();
    storeShown();
    // The stored names may have changed the entry's text in the list.
    fillList(selected);
    show(selected);
}

void CLibEntriesPage::onNew() {
    storeShown();
    appendEntry();
    const int added = entryCount() - 1;
    fillList(added);
    show(added);
}

void CLibEntriesPage::onRemove() {
    if (shown_ < 0) return;
    const int removed = shown_;
    removeEntry(removed);
    shown_ = -1;
    const int next = removed < entryCount() ? removed : entryCount() - 1;
    fillList(next);
    show(next);
}

void CLibEntriesPage::onEnabledClicked() {
    storeShown();
    fillList(shown_);
    show(shown_);
}

// A mark ticked in the list is the entry's enabled flag, as the box is for the entry shown.
void CLibEntriesPage::onListMarks() {
    if (filling_) return;
    storeShown();
    for (int i = 0; i < entryCount(); ++i) enabledOf(i) = list_.GetCheck(i) != 0;
    show(shown_);
}

BOOL CLibEntriesPage::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    const int code = HIWORD(wParam);
    if (id == listId_) {
        if (code == LBN_SELCHANGE && !filling_)
            onSelect();
        else if (code == CLBN_CHKCHANGE)
            onListMarks();
        return TRUE;
    }
    if (code == BN_CLICKED) {
        switch (id) {
        case IDC_LIB_NEW: onNew(); return TRUE;
        case IDC_LIB_REMOVE: onRemove(); return TRUE;
        case IDC_LIB_ENABLED: onEnabledClicked(); return TRUE;
        default: break;
        }
    }
    return CAcUiTabChildDialog::OnCommand(wParam, lParam);
}

void CLibEntriesPage::OnTabActivation(BOOL activate) {
    CAcUiTabChildDialog::OnTabActivation(activate);
    if (!m_hWnd) return;
    if (!activate) {
        storeShown();
        return;
    }
    fillList(shown_);
    show(shown_);
}

void CLibEntriesPage::OnSize(UINT type, int cx, int cy) {
    CAcUiTabChildDialog::OnSize(type, cx, cy);
    if (resizer_.isAttached()) resizer_.resize();
    if (names_.isAttached()) names_.applyResize();
}

// --- groups ----------------------------------------------------------------------------------

CLibGroupsPage::CLibGroupsPage(DlgEditLibData& data) : CLibEntriesPage(IDD_LIB_GROUPS_PAGE, IDC_LIB_GROUP_LIST, data) {}

// --- types -----------------------------------------------------------------------------------

CLibTypesPage::CLibTypesPage(DlgEditLibData& data) : CLibEntriesPage(IDD_LIB_TYPES_PAGE, IDC_LIB_TYPE_LIST, data) {}

Kv_StringArray CLibTypesPage::newTypeNames() { return {"Nieuw type", "New type", "Nouveau type", "New type"}; }

void CLibTypesPage::appendEntry() {
    SectionType type;
    type.names = newTypeNames();
    data_.types.append(type);
}

void CLibTypesPage::showExtra(int index) {
    const SectionType& type = data_.types[index];
    Kv_StringArray groupNames;
    int selected = -1;
    for (int i = 0; i < data_.groups.length(); ++i) {
        const SectionGroup& group = data_.groups[i];
        const int slot = sectionNameSlot(MacroLangs::GetCurLanguage());
        groupNames.append(group.names.isValidIndex(slot) && !group.names[slot].isEmpty() ? group.names[slot]
                                                                                         : group.names[1]);
        if (group.id == type.groupId && selected < 0) selected = i;
    }
    FillCombo(this, IDC_LIB_TYPE_GROUP, groupNames, selected);
    SetDlgItemText(IDC_LIB_SECOND_TEXT, type.secondText.c_str());
}

void CLibTypesPage::storeExtra(int index) {
    SectionType& type = data_.types[index];
    const int selected = static_cast<int>(SendDlgItemMessage(IDC_LIB_TYPE_GROUP, CB_GETCURSEL, 0, 0));
    type.groupId = data_.groups.isValidIndex(selected) ? data_.groups[selected].id : -1;
    std::string text;
    GetDlgItemText(IDC_LIB_SECOND_TEXT, text);
    type.secondText = Kv_String(text);
}

void CLibTypesPage::enableExtra(bool enable) {
    for (int id : {IDC_LIB_GROUP_LABEL, IDC_LIB_TYPE_GROUP, IDC_LIB_TEXT_LABEL, IDC_LIB_SECOND_TEXT})
        EnDisCtrl(this, id, enable);
}

void CLibTypesPage::anchorExtra(CResizer& resizer) {
    for (int id : {IDC_LIB_TYPE_GROUP, IDC_LIB_SECOND_TEXT})
        resizer.setAnchor(id, CResizer::Left | CResizer::Right | CResizer::Top);
}
