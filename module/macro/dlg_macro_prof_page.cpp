// CDlgMacroProfPage: the fixed block below the template page's sheet: its texts, what it shows
// for the chosen group or profile, its place, and reading it back.
#include "macro/dlg_macro_prof_page.h"

#include <algorithm>
#include <string>

#include "core/dialog_helpers.h"
#include "core/kv_texts.h"
#include "core/macro_profile_calls.h"
#include "macro/dlg_macro.h"
#include "macro/macro_page_text.h"
#include "macro/prof_page_ids.h"
#include "sections/section_pickers.h"

namespace {

constexpr int kFixedBlockHeight = 162;
constexpr int kSegmentedRowHeight = 20;
// The fixed block needs this width to show its rows side by side.
constexpr int kFixedBlockWidth = 460;

constexpr int kFixedBlock[] = {
    IDC_PROF_GROUP_LABEL, IDC_PROF_PROFILE_LABEL,  IDC_PROF_OFFSET_LABEL, IDC_PROF_ROTATION_LABEL, IDC_PROF_PLANE_LABEL,
    IDC_PROF_GROUP,       IDC_PROF_PROFILE,        IDC_PROF_SECTION,      IDC_PROF_OFFSET,         IDC_PROF_ROTATION,
    IDC_PROF_PLANE,       IDC_PROF_SECTION_BUTTON, IDC_PROF_OPTIONS,      IDC_PROF_PICK_PLANE};

Kv_StringArray rotationEntries() { return {"0\xB0", "90\xB0", "180\xB0", "270\xB0", dialString(695)}; }

int selection(HWND dialog, int id) { return static_cast<int>(::SendDlgItemMessage(dialog, id, CB_GETCURSEL, 0, 0)); }

Kv_String controlText(HWND dialog, int id) {
    HWND control = ::GetDlgItem(dialog, id);
    if (!control) return {};
    const int length = ::GetWindowTextLength(control);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    ::GetWindowText(control, text.data(), length + 1);
    text.resize(static_cast<size_t>(length));
    return Kv_String(text);
}

// The entry chosen in a list (its edit field may still show the entry before).
Kv_String chosenEntry(HWND dialog, int id) {
    const int chosen = selection(dialog, id);
    if (chosen < 0) return {};
    const int length =
        static_cast<int>(::SendDlgItemMessage(dialog, id, CB_GETLBTEXTLEN, static_cast<WPARAM>(chosen), 0));
    if (length < 0) return {};
    std::string text(static_cast<size_t>(length) + 1, '\0');
    ::SendDlgItemMessage(dialog, id, CB_GETLBTEXT, static_cast<WPARAM>(chosen), reinterpret_cast<LPARAM>(text.data()));
    return Kv_String(text.c_str());
}

// The placement fields of one profile from props; group, drawing id and links stay.
void copyPlacement(MacroProfData& profile, const MacroProfData& props) {
    const MacroProfData kept = profile;
    profile = props;
    profile.group = kept.group;
    profile.id = kept.id;
    profile.sectionLink = kept.sectionLink;
    profile.sectionButtonLink = kept.sectionButtonLink;
    profile.offsetTypeLink = kept.offsetTypeLink;
    profile.rotationLink = kept.rotationLink;
    profile.optionButtonLink = kept.optionButtonLink;
}

}  // namespace

CDlgMacroProfPage::CDlgMacroProfPage(CDlgMacro* owner, int tabIndex)
    : CDlgMacroTabPage(IDD_MACRO_PROF_PAGE, owner, tabIndex) {}

BOOL CDlgMacroProfPage::OnInitDialog() {
    sectionCombo_.SubclassDlgItem(IDC_PROF_SECTION, this);
    setTexts();
    FillCombo(m_hWnd, IDC_PROF_OFFSET, getOffsetTypeStrings(false));
    FillCombo(m_hWnd, IDC_PROF_ROTATION, rotationEntries());
    FillCombo(m_hWnd, IDC_PROF_PLANE, getBasePlaneStrings(false));
    return CDlgMacroTabPage::OnInitDialog();
}

void CDlgMacroProfPage::setTexts() {
    const std::pair<int, int> texts[] = {
        {IDC_PROF_GROUP_LABEL, 1002},  {IDC_PROF_PROFILE_LABEL, 1003},  {IDC_PROF_SECTION_BUTTON, 969},
        {IDC_PROF_OFFSET_LABEL, 1004}, {IDC_PROF_ROTATION_LABEL, 1005}, {IDC_PROF_PLANE_LABEL, 1006},
        {IDC_PROF_OPTIONS, 1007},      {IDC_PROF_PICK_PLANE, 1008},     {IDC_PROF_SEGMENTED, 1009}};
    for (const auto& [id, number] : texts) SetDlgItemText(id, dialString(number).c_str());
}

bool CDlgMacroProfPage::fixedBlockShown() const { return !tab().advBtnForEveryGroup(); }

int CDlgMacroProfPage::fixedRowsHeight() const {
    if (fixedBlockShown()) return kFixedBlockHeight;
    return tab().hasSegmentedProfs() ? kSegmentedRowHeight : 0;
}

SIZE CDlgMacroProfPage::wantedSize() const {
    SIZE size = CDlgMacroTabPage::wantedSize();
    if (fixedBlockShown()) size.cx = std::max<LONG>(size.cx, kFixedBlockWidth);
    return size;
}

std::vector<int> CDlgMacroProfPage::ordinaryControls() const {
    return {IDC_PROF_GROUP,  IDC_PROF_OPTIONS,  IDC_PROF_PROFILE, IDC_PROF_SECTION,    IDC_PROF_SECTION_BUTTON,
            IDC_PROF_OFFSET, IDC_PROF_ROTATION, IDC_PROF_PLANE,   IDC_PROF_PICK_PLANE, IDC_PROF_SEGMENTED};
}

void CDlgMacroProfPage::placeFixedRows(const CRect&, int top) {
    struct Place {
        int id, x, y, cx, cy;
    };
    if (fixedBlockShown()) {
        for (const Place& p :
             {Place{IDC_PROF_GROUP_LABEL, 6, 8, 90, 16}, Place{IDC_PROF_GROUP, 100, 4, 150, 0},
              Place{IDC_PROF_OPTIONS, 256, 3, 110, 24}, Place{IDC_PROF_PROFILE_LABEL, 6, 38, 90, 16},
              Place{IDC_PROF_PROFILE, 100, 34, 150, 0}, Place{IDC_PROF_SECTION, 256, 34, 120, 0},
              Place{IDC_PROF_SECTION_BUTTON, 382, 33, 72, 24}, Place{IDC_PROF_OFFSET_LABEL, 6, 68, 90, 16},
              Place{IDC_PROF_OFFSET, 100, 64, 150, 0}, Place{IDC_PROF_ROTATION_LABEL, 256, 68, 80, 16},
              Place{IDC_PROF_ROTATION, 340, 64, 114, 0}, Place{IDC_PROF_PLANE_LABEL, 6, 98, 90, 16},
              Place{IDC_PROF_PLANE, 100, 94, 150, 0}, Place{IDC_PROF_PICK_PLANE, 256, 93, 110, 24},
              Place{IDC_PROF_SEGMENTED, 6, 128, 160, 26}})
            if (HWND control = ::GetDlgItem(m_hWnd, p.id)) {
                // A list keeps its height: a list's window is its closed field.
                RECT now;
                ::GetWindowRect(control, &now);
                ::SetWindowPos(control, nullptr, p.x, top + p.y, p.cx, p.cy ? p.cy : now.bottom - now.top,
                               SWP_NOZORDER | SWP_NOACTIVATE);
            }
        return;
    }
    // Only the segmented profiles button: one short row.
    if (HWND control = ::GetDlgItem(m_hWnd, IDC_PROF_SEGMENTED))
        ::SetWindowPos(control, nullptr, 6, top, 160, kSegmentedRowHeight, SWP_NOZORDER | SWP_NOACTIVATE);
}

// ---- Showing -------------------------------------------------------------------------------

void CDlgMacroProfPage::fillFixedRows() {
    const bool shown = fixedBlockShown();
    for (int id : kFixedBlock) ShowOrHideCtrl(m_hWnd, id, shown);
    ShowOrHideCtrl(m_hWnd, IDC_PROF_SEGMENTED, tab().hasSegmentedProfs());
    templateProfilesToControls();
    fillGroupCombos();
}

Kv_String CDlgMacroProfPage::shownGroup() const {
    const int chosen = selection(m_hWnd, IDC_PROF_GROUP);
    const Kv_StringArray groups = tab().getProfGroups();
    return groups.isValidIndex(chosen) ? groups[chosen] : Kv_String();
}

// The group whose name the combo shows stays chosen (else the first); in the profile combo the
// profile shown before stays chosen (else the whole group).
void CDlgMacroProfPage::fillGroupCombos() {
    const Kv_String before = chosenEntry(m_hWnd, IDC_PROF_GROUP);
    const int profileBefore = selection(m_hWnd, IDC_PROF_PROFILE);
    const AcDbObjectId idBefore =
        profileBefore >= 1 && profileBefore <= profileIds_.length() ? profileIds_[profileBefore - 1] : AcDbObjectId();
    const Kv_StringArray groups = tab().getProfGroups();
    const int group = std::max(groups.find(before), groups.isEmpty() ? -1 : 0);
    FillCombo(m_hWnd, IDC_PROF_GROUP, groups, group);
    profileIds_ = groups.isValidIndex(group) ? tab().getProfIdsOfGroup(groups[group]) : AcArray<AcDbObjectId>();
    Kv_StringArray entries;
    entries.append(dialString(1010));
    int profile = 0;
    for (int i = 0; i < profileIds_.length(); ++i) {
        entries.append(Kv_String(static_cast<long long>(profileIds_[i].asOldId())));
        if (!idBefore.isNull() && profileIds_[i] == idBefore) profile = i + 1;
    }
    FillCombo(m_hWnd, IDC_PROF_PROFILE, entries, profile);
    showSelection();
}

bool CDlgMacroProfPage::selectionProps(MacroProfData& props) const {
    const Kv_String group = shownGroup();
    if (group.isEmpty()) return false;
    const int profile = selection(m_hWnd, IDC_PROF_PROFILE);
    if (profile <= 0) return tab().getMergedPropsOfGroup(group, props);
    if (profile > profileIds_.length()) return false;
    const int index = tab().getProfDataIndx(profileIds_[profile - 1]);
    if (!tab().profiles.isValidIndex(index)) return false;
    props = tab().profiles[index];
    return true;
}

void CDlgMacroProfPage::storeSelectionProps(const MacroProfData& props) {
    const Kv_String group = shownGroup();
    if (group.isEmpty()) return;
    const int profile = selection(m_hWnd, IDC_PROF_PROFILE);
    if (profile <= 0) {
        tab().setMergedPropsOfGroup(group, props);
        return;
    }
    if (profile > profileIds_.length()) return;
    const int index = tab().getProfDataIndx(profileIds_[profile - 1]);
    if (tab().profiles.isValidIndex(index)) copyPlacement(tab().profiles[index], props);
}

void CDlgMacroProfPage::showSelection() {
    shownValid_ = selectionProps(shown_);
    if (!shownValid_) {
        // Nothing to show: no group, or a profile the tab does not hold.
        shown_ = MacroProfData();
        sectionNames_.removeAll();
        FillCombo(m_hWnd, IDC_PROF_SECTION, Kv_StringArray());
        for (int id : {IDC_PROF_OFFSET, IDC_PROF_PLANE}) ::SendDlgItemMessage(m_hWnd, id, CB_SETCURSEL, WPARAM(-1), 0);
        ::SetDlgItemText(m_hWnd, IDC_PROF_ROTATION, "");
        return;
    }
    fillSectionCombo(shown_.profile);
    ::SendDlgItemMessage(m_hWnd, IDC_PROF_OFFSET, CB_SETCURSEL,
                         static_cast<WPARAM>(getDlgOffsetType(shown_.offsetType, shown_.offsetMixed)), 0);
    const int rotation = rotationEntries().find(shown_.rotation);
    ::SendDlgItemMessage(m_hWnd, IDC_PROF_ROTATION, CB_SETCURSEL, static_cast<WPARAM>(rotation), 0);
    // An angle that is no entry is shown as typed.
    if (rotation < 0) ::SetDlgItemText(m_hWnd, IDC_PROF_ROTATION, shown_.rotation.c_str());
    int plane = kChosenPlane;
    if (shown_.plane == dialString(695))
        plane = kMixedPlane;
    else if (shown_.plane.isEmpty() && shown_.planeId.isNull())
        plane = kMacroPlane;
    ::SendDlgItemMessage(m_hWnd, IDC_PROF_PLANE, CB_SETCURSEL, static_cast<WPARAM>(plane), 0);
}

// The family of the section from the owner's families (read once per refresh); a user section
// is its own one entry.
void CDlgMacroProfPage::fillSectionCombo(const Kv_String& section) {
    if (section.startsWith("User Sections\\", true)) {
        ::fillSectionCombo(sectionCombo_, sectionNames_, section);
        return;
    }
    const SectionListCache::Family& family = owner_->sectionLists().familyOf(section);
    sectionNames_ = family.systemNames;
    const int listed = family.systemNames.find(section);
    // A mixed section selects the last entry, the mixed text.
    const int select =
        listed >= 0 ? listed
                    : family.displayNames.find(section == dialString(695) ? section : sectionDisplayName(section));
    FillCombo(m_hWnd, IDC_PROF_SECTION, family.displayNames, select);
}

// ---- Reading back --------------------------------------------------------------------------

void CDlgMacroProfPage::readBack() {
    CDlgMacroTabPage::readBack();
    templateProfilesFromControls();
    if (fixedBlockShown()) readFixedBlock();
}

void CDlgMacroProfPage::readFixedBlock() {
    if (!shownValid_) return;
    MacroProfData props = shown_;
    bool changed = false;
    Kv_String section;
    if (selectedSystemName(sectionCombo_, sectionNames_, section) && section != shown_.profile) {
        props.profile = section;
        changed = true;
    }
    const int offset = selection(m_hWnd, IDC_PROF_OFFSET);
    if (offset != getDlgOffsetType(shown_.offsetType, shown_.offsetMixed)) {
        const int type = getProfOffsetType(offset);
        props.offsetMixed = type < 0;
        if (type >= 0) props.offsetType = type;
        changed = true;
    }
    const Kv_String rotation = controlText(m_hWnd, IDC_PROF_ROTATION);
    if (!rotation.isEmpty() && rotation != shown_.rotation) {
        props.rotation = rotation;
        changed = true;
    }
    if (chosenEntry(m_hWnd, IDC_PROF_PLANE) == dialString(697) && !shown_.plane.isEmpty()) {
        props.plane.clear();
        changed = true;
    }
    if (!changed) return;
    storeSelectionProps(props);
    shown_ = props;
}
