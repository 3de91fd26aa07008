// CDlgMacroProfPage: what the person's actions on the fixed block and on the template's
// profile buttons do.  Choosing a group or profile only shows it; the other actions end by
// applying the page (the tab compared with its state before, the drawing updated with the
// differences).
#include <algorithm>
#include <string>

#include "core/dialog_helpers.h"
#include "core/kv_texts.h"
#include "core/macro_profile_calls.h"
#include "macro/dlg_macro.h"
#include "macro/dlg_macro_prof_page.h"
#include "macro/dlg_macro_prof_segmented.h"
#include "macro/prof_page_ids.h"
#include "sections/section_pickers.h"

template <typename Change>
void CDlgMacroProfPage::applyChange(Change change) {
    const MacroTabData before = tab();
    const bool wasReady = ready_;
    ready_ = false;
    readBack();
    change(tab());
    ready_ = wasReady;
    applyOptionResult(before);
}

BOOL CDlgMacroProfPage::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam), code = HIWORD(wParam);
    if (ready_ && (commandOfFixedBlock(id, code) || commandOfProfileButton(id, code))) return TRUE;
    // The options button shares its id with the template page's bolt options: it is this
    // page's alone.
    if (id == IDC_PROF_OPTIONS) return TRUE;
    return CDlgMacroTabPage::OnCommand(wParam, lParam);
}

bool CDlgMacroProfPage::commandOfFixedBlock(int id, int code) {
    switch (id) {
    case IDC_PROF_GROUP:
    case IDC_PROF_PROFILE:
        if (code == CBN_SELCHANGE) {
            // Another group or profile is only shown; the profile list follows the group.
            if (id == IDC_PROF_GROUP) ::SendDlgItemMessage(m_hWnd, IDC_PROF_PROFILE, CB_SETCURSEL, 0, 0);
            fillGroupCombos();
        }
        return true;
    case IDC_PROF_SECTION:
    case IDC_PROF_OFFSET:
        if (code == CBN_SELCHANGE || code == CBN_KILLFOCUS) applyPage();
        return true;
    case IDC_PROF_ROTATION:
        if (code == CBN_SELCHANGE)
            rotationChosen();
        else if (code == CBN_KILLFOCUS)
            applyPage();
        return true;
    case IDC_PROF_PLANE:
        if (code == CBN_SELCHANGE) pickBasePlane();
        return true;
    case IDC_PROF_PICK_PLANE:
        if (code == BN_CLICKED) pickBasePlane();
        return true;
    case IDC_PROF_SECTION_BUTTON:
        if (code == BN_CLICKED) chooseShownSection();
        return true;
    case IDC_PROF_OPTIONS:
        if (code == BN_CLICKED) openOptions(shownGroup());
        return true;
    case IDC_PROF_SEGMENTED:
        if (code == BN_CLICKED) openSegmented();
        return true;
    default: return false;
    }
}

// The template's section button (type 14) and options button (type 17) act for their group.
bool CDlgMacroProfPage::commandOfProfileButton(int id, int code) {
    if (code != BN_CLICKED || !template_.isADynControl(id)) return false;
    Kv_ControlType type = kCtrlLabel;
    if (!template_.getDynControlType(id, type) || (type != kCtrlProfileValue2 && type != kCtrlProfileButton))
        return false;
    const int index = tab().findProfDataWithButtonId(id, true);
    if (!tab().profiles.isValidIndex(index)) return true;
    if (type == kCtrlProfileValue2)
        chooseGroupSection(index);
    else
        openOptions(tab().profiles[index].group);
    return true;
}

// The chosen entry is written into the edit field (the list would write it only after this
// notice), then the page applies it.
void CDlgMacroProfPage::rotationChosen() {
    const int chosen = static_cast<int>(::SendDlgItemMessage(m_hWnd, IDC_PROF_ROTATION, CB_GETCURSEL, 0, 0));
    if (chosen < 0) return;
    const int length = static_cast<int>(::SendDlgItemMessage(m_hWnd, IDC_PROF_ROTATION, CB_GETLBTEXTLEN, chosen, 0));
    std::string text(static_cast<size_t>(std::max(length, 0)) + 1, '\0');
    ::SendDlgItemMessage(m_hWnd, IDC_PROF_ROTATION, CB_GETLBTEXT, chosen, reinterpret_cast<LPARAM>(text.data()));
    ::SetDlgItemText(m_hWnd, IDC_PROF_ROTATION, text.c_str());
    applyPage();
}

// Entry 0 picks a plane, entry 2 a coordinate system, with the owner dialog hidden while the
// drawing has the input.  Entry 1 (the macro's own plane) clears the stored plane.  A cancelled
// pick (or the mixed entry) shows the properties again as they were.
void CDlgMacroProfPage::pickBasePlane() {
    const int entry = static_cast<int>(::SendDlgItemMessage(m_hWnd, IDC_PROF_PLANE, CB_GETCURSEL, 0, 0));
    if (entry == kMacroPlane) {
        applyChange([this](MacroTabData&) {
            MacroProfData props;
            if (!selectionProps(props)) return;
            props.plane.clear();
            props.planeId = AcDbObjectId();
            storeSelectionProps(props);
        });
        return;
    }
    if (entry != kChosenPlane && entry != kCoordinateSystem) {
        showSelection();
        return;
    }
    AcDbObjectId id;
    Kv_String name;
    bool picked = false;
    if (owner_->BeginEditorCommand()) {
        picked = entry == kCoordinateSystem ? selectCoordSys(id) : UserSelectPlane(id, name);
        owner_->CompleteEditorCommand();
    }
    if (!picked) {
        showSelection();
        return;
    }
    applyChange([&](MacroTabData&) {
        MacroProfData props;
        if (!selectionProps(props)) return;
        props.planeId = id;
        props.plane = entry == kCoordinateSystem ? coordSysPlaneMarker() : name;
        storeSelectionProps(props);
    });
}

void CDlgMacroProfPage::chooseShownSection() {
    if (!shownValid_) return;
    Kv_String section = shown_.profile;
    if (!chooseSection(section)) return;
    applyChange([&](MacroTabData&) {
        MacroProfData props;
        if (!selectionProps(props)) return;
        props.profile = section;
        storeSelectionProps(props);
    });
}

void CDlgMacroProfPage::chooseGroupSection(int profileIndex) {
    const Kv_String group = tab().profiles[profileIndex].group;
    MacroProfData props;
    if (!tab().getMergedPropsOfGroup(group, props)) return;
    Kv_String section = props.profile;
    if (!chooseSection(section)) return;
    applyChange([&](MacroTabData& data) {
        MacroProfData now;
        if (!data.getMergedPropsOfGroup(group, now)) return;
        now.profile = section;
        data.setMergedPropsOfGroup(group, now);
    });
}

void CDlgMacroProfPage::openSegmented() {
    Kv_Array<MacroProfSegmentedData> segmented = tab().segmentedProfiles;
    if (!StartDlgMacroProfSegmented(segmented)) return;
    applyChange([&](MacroTabData& data) { data.segmentedProfiles = segmented; });
}
