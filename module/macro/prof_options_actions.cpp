// What the person does in the profile options: every change applied through the callback,
// Enter, the section buttons, the picks and the zoom between callback kinds 2 and 3, the
// created coordinate system, the start-up hint, closing.
#include <cmath>

#include "core/constraint_editor_calls.h"
#include "core/dialog_helpers.h"
#include "core/macro_profile_calls.h"
#include "macro/prof_options_controls.h"
#include "macro/prof_options_dialog.h"
#include "macro/prof_options_ids.h"
#include "sections/section_pickers.h"

using namespace prof_options;

namespace {

// The angle of a rotation text in degrees ("45", "45\xB0"); no number counts as 0.
double rotationDegrees(const Kv_String& rotation) {
    Kv_String number = rotation;
    number.trim();
    return withoutDegreeSign(number).toDouble();
}

}  // namespace

void CDlgMacroProfOptions::apply() {
    if (!callback) return;
    readBack();
    call(kMACallBackApply);
    showData();
}

template <typename Action>
bool CDlgMacroProfOptions::hiddenFor(Action&& action, bool hide) {
    if (!callback || !BeginEditorCommand(hide)) return false;
    call(kMACallBackHide);
    const bool done = action();
    if (m_hWnd) CompleteEditorCommand();
    call(kMACallBackShow);
    return done;
}

void CDlgMacroProfOptions::chooseSectionFor(bool endProfile) {
    if (!callback) return;
    readBack();
    Kv_String& name = endProfile ? prof_.endProfile : prof_.profile;
    Kv_String chosen = name;
    if (!chooseSection(chosen)) return;
    name = chosen;
    call(kMACallBackApply);
    showData();
}

void CDlgMacroProfOptions::pickSectionPoint() {
    if (!callback) return;
    readBack();
    const double angle = rotationDegrees(prof_.rotation) * std::acos(-1.0) / 180.0;
    host::Point3d vector;
    const Kv_String profile = prof_.profile;
    if (!hiddenFor([&] { return UserChooseSectionPoint(profile, angle, vector); })) return;
    // A pick is no finer than a hundredth of a unit; more digits would only be noise.
    prof_.offsetX = std::round(vector.x * 100.0) / 100.0;
    prof_.offsetY = std::round(vector.y * 100.0) / 100.0;
    call(kMACallBackApply);
    showData();
}

void CDlgMacroProfOptions::pickPlane() {
    if (!callback) return;
    readBack();
    const bool plane = checked(this, IDC_PO_PLANE_PICKED);
    AcDbObjectId id;
    Kv_String name;
    const bool picked = hiddenFor([&] { return plane ? UserSelectPlane(id, name) : selectCoordSys(id); });
    if (!picked) return;
    pendingPlaneRadio_ = 0;
    if (plane) {
        pickedPlane_ = id;
        pickedPlaneName_ = name;
        prof_.planeId = id;
        prof_.plane = name;
    } else {
        Kv_StringArray names;
        getAllCoordSys(coordSysIds_, names);
        FillCombo(this, IDC_PO_COORD_SYS, names);
        prof_.planeId = id;
        prof_.plane = coordSysPlaneMarker();
    }
    call(kMACallBackApply);
    showData();
}

void CDlgMacroProfOptions::zoom() {
    // The zoom runs the host's message loop; a second click meanwhile must not start another.
    if (zooming_) return;
    zooming_ = true;
    hiddenFor([] { return ZoomCommand(); }, false);
    zooming_ = false;
}

void CDlgMacroProfOptions::createCoordSysOnce() {
    if (createdCoordSys.isNull()) {
        AcDbObjectId id;
        if (createCoordSys(id)) {
            createdCoordSys = id;
            Kv_StringArray names;
            getAllCoordSys(coordSysIds_, names);
            FillCombo(this, IDC_PO_COORD_SYS, names);
        }
    }
    apply();
}

void CDlgMacroProfOptions::runStartHint() {
    const Kv_String hint = startHint;
    startHint = Kv_String();
    if (hint == "pickPlane")
        pickPlane();
    else if (hint == "pickPoint")
        pickSectionPoint();
    else if (hint == "zoom")
        zoom();
}

BOOL CDlgMacroProfOptions::OnWndMsg(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    if (msg == kRunStartHint) {
        runStartHint();
        if (result) *result = 0;
        return TRUE;
    }
    return CAcUiDialog::OnWndMsg(msg, wParam, lParam, result);
}

void CDlgMacroProfOptions::readFlag() { flag = flagShown_ && checked(this, IDC_PO_FLAG); }

BOOL CDlgMacroProfOptions::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    const int code = HIWORD(wParam);
    if (showing_) return CAcUiDialog::OnCommand(wParam, lParam);
    if (code == BN_CLICKED) {
        switch (id) {
        case IDC_PO_PROFILE_BROWSE: chooseSectionFor(false); return TRUE;
        case IDC_PO_END_PROFILE_BROWSE: chooseSectionFor(true); return TRUE;
        case IDC_PO_PICK_POINT: pickSectionPoint(); return TRUE;
        case IDC_PO_PICK_PLANE: pickPlane(); return TRUE;
        case IDC_PO_ZOOM: zoom(); return TRUE;
        case IDC_PO_PLANE_CREATED: createCoordSysOnce(); return TRUE;
        case IDC_PO_TRI_STATE:
            if (!triStateClicked_) {
                triStateClicked_ = true;
                disableTriState(this, IDC_PO_TRI_STATE);
            }
            apply();
            return TRUE;
        default: break;
        }
        for (int radio : kReferenceRadios)
            if (id == radio) {
                // The radio chooses the offset type; the combo follows before the read-back.
                for (int i = 0; i < kReferenceCount; ++i)
                    if (kReferenceRadios[i] == id)
                        SendDlgItemMessage(IDC_PO_OFFSET_TYPE, CB_SETCURSEL, static_cast<WPARAM>(i));
                apply();
                return TRUE;
            }
        bool applies = id == IDC_PO_ON_SEGMENT;
        for (int radio : kRotationRadios) applies = applies || id == radio;
        for (int radio : kPlaneRadios) applies = applies || (id == radio && id != IDC_PO_PLANE_CREATED);
        if (applies) {
            apply();
            return TRUE;
        }
    }
    if (id == IDC_PO_ANGLE && code == EN_CHANGE) {
        // Typing an angle chooses it; Enter or the next change applies it.
        checkOnly(this, kRotationRadios, IDC_PO_ROTATION_ANGLE);
        return TRUE;
    }
    if (code == CBN_SELCHANGE && (id == IDC_PO_PROFILE || id == IDC_PO_END_PROFILE || id == IDC_PO_POINT_CHOICE ||
                                  id == IDC_PO_OFFSET_TYPE || id == IDC_PO_COORD_SYS)) {
        if (id == IDC_PO_COORD_SYS) checkOnly(this, kPlaneRadios, IDC_PO_PLANE_COORD_SYS);
        apply();
        return TRUE;
    }
    return CAcUiDialog::OnCommand(wParam, lParam);
}

BOOL CDlgMacroProfOptions::PreTranslateMessage(MSG* msg) {
    // Enter applies what was typed and keeps the dialog open.
    if (msg->message == WM_KEYDOWN && msg->wParam == VK_RETURN) {
        apply();
        return TRUE;
    }
    return CAcUiDialog::PreTranslateMessage(msg);
}

void CDlgMacroProfOptions::OnOK() {
    readFlag();
    apply();
    CAcUiDialog::OnOK();
}

void CDlgMacroProfOptions::OnCancel() {
    // Every change has reached the callback already: closing keeps them; only the flag is read.
    readFlag();
    CAcUiDialog::OnCancel();
}
