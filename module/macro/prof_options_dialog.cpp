#include "macro/prof_options_dialog.h"

#include "core/dialog_helpers.h"
#include "core/kv_texts.h"
#include "core/macro_profile_calls.h"
#include "host/drawing_database.h"
#include "macro/prof_options_controls.h"
#include "macro/prof_options_ids.h"
#include "resources/package_icons.h"
#include "sections/kv_prof_values_table.h"
#include "sections/section_pickers.h"

using namespace prof_options;

namespace {

constexpr const char* kSizeName = "DLG_MACRO_PROFADVANCED";

// The second profile row and its two values, shown only for a morphed profile.
constexpr int kMorphedControls[] = {IDC_PO_END_PROFILE_LABEL, IDC_PO_END_PROFILE, IDC_PO_END_PROFILE_BROWSE,
                                    IDC_PO_END_VALUE1_LABEL,  IDC_PO_END_VALUE1,  IDC_PO_END_VALUE2_LABEL,
                                    IDC_PO_END_VALUE2};
// The controls above the morphed row: they keep their place when the window grows for it.
constexpr int kTopControls[] = {IDC_PO_FLAG,          IDC_PO_GROUP_LABEL, IDC_PO_GROUP,
                                IDC_PO_PROFILE_LABEL, IDC_PO_PROFILE,     IDC_PO_PROFILE_BROWSE};

// Combo 1228: where along its line the profile is placed (texts 1022 to 1024).
constexpr int kPointChoiceTexts[] = {1022, 1023, 1024};
constexpr int kPointChoiceCount = static_cast<int>(sizeof(kPointChoiceTexts) / sizeof(kPointChoiceTexts[0]));
constexpr int kPointChoiceDefault = 2;

struct Label {
    int id;
    int text;
};
constexpr Label kLabels[] = {{IDC_PO_FLAG, 1497},
                             {IDC_PO_GROUP_LABEL, 705},
                             {IDC_PO_PROFILE_LABEL, 1012},
                             {IDC_PO_PROFILE_BROWSE, 969},
                             {IDC_PO_END_PROFILE_BROWSE, 969},
                             {IDC_PO_END_PROFILE_LABEL, 1409},
                             {IDC_PO_END_VALUE1_LABEL, 1410},
                             {IDC_PO_END_VALUE2_LABEL, 1411},
                             {IDC_PO_POINT_GROUP, 1013},
                             {IDC_PO_PICK_POINT, 1014},
                             {IDC_PO_OFFSET_TYPE_LABEL, 1015},
                             {IDC_PO_OFFSET_LABEL, 1016},
                             {IDC_PO_ROTATION_GROUP, 1005},
                             {IDC_PO_ROTATION_MIXED, 695},
                             {IDC_PO_ROTATION_ANGLE, 1017},
                             {IDC_PO_PLANE_GROUP, 460},
                             {IDC_PO_PLANE_MIXED, 695},
                             {IDC_PO_PLANE_PICKED, 1018},
                             {IDC_PO_PLANE_CREATED, 462},
                             {IDC_PO_PLANE_COORD_SYS, 1019},
                             {IDC_PO_PICK_PLANE, 1008},
                             {IDC_PO_TRI_STATE, 1343},
                             {IDC_PO_ON_SEGMENT, 1020},
                             {IDC_PO_SEGMENT_LABEL, 1021},
                             {IDOK, 285}};

bool isObjectOfType(AcDbObjectId id, const char* type) {
    const host::DrawingObject* object = host::DrawingDatabase::instance().object(id);
    return object && !object->erased && object->type == type;
}

}  // namespace

CDlgMacroProfOptions::CDlgMacroProfOptions(CWnd* parent) : CAcUiDialog(IDD_MACRO_PROF_OPTIONS, parent) {}

BOOL CDlgMacroProfOptions::OnInitDialog() {
    CAcUiDialog::OnInitDialog();
    SetDialogName(kSizeName);
    ChangeDlgSize(this, kSizeName, false);
    setLabels();

    EnDisCtrl(this, IDC_PO_GROUP, !groupFixed);
    flagShown_ = flag;
    ShowOrHideCtrl(this, IDC_PO_GROUP_LABEL, !flag);
    ShowOrHideCtrl(this, IDC_PO_GROUP, !flag);
    ShowOrHideCtrl(this, IDC_PO_FLAG, flag);

    fillCombos();
    const MacroData* macro = data.macroData();
    EnDisCtrl(this, IDC_PO_PLANE_CREATED, macro && macro->tempObjects);

    if (callback) {
        call(kMACallBackRead);
        morphed_ = prof_.morphed != 0;
    }
    layOut();
    if (callback) showData();
    // The hint's action runs once the dialog is on the screen.
    if (!startHint.isEmpty()) PostMessage(kRunStartHint);
    return TRUE;
}

void CDlgMacroProfOptions::setLabels() {
    SetWindowText(dialString(1011).c_str());
    for (const Label& label : kLabels) SetDlgItemText(label.id, dialString(label.text).c_str());
    for (const FixedRotation& rotation : kRotations) SetDlgItemText(rotation.radio, rotation.text);
    SetDlgItemText(IDC_PO_PLANE_MACRO, getBasePlaneStrings(false)[1].c_str());
    if (zoomButton_.SubclassDlgItem(IDC_PO_ZOOM, this)) {
        zoomButton_.SetIcon(IDI_KV_ZOOM);
        zoomButton_.SetTooltipText(868);
    }
    picture_.SubclassDlgItem(IDC_PO_SECTION_PICTURE, this);
}

void CDlgMacroProfOptions::fillCombos() {
    FillCombo(this, IDC_PO_OFFSET_TYPE, getOffsetTypeStrings(false));
    Kv_StringArray choices;
    for (int number : kPointChoiceTexts) choices.append(dialString(number));
    FillCombo(this, IDC_PO_POINT_CHOICE, choices, kPointChoiceDefault);
    Kv_StringArray names;
    getAllCoordSys(coordSysIds_, names);
    FillCombo(this, IDC_PO_COORD_SYS, names);
}

void CDlgMacroProfOptions::layOut() {
    resizer_.attach(this);
    resizer_.setAnchor(IDC_PO_ZOOM, CResizer::Right | CResizer::Top);
    HWND child = ::GetWindow(m_hWnd, GW_CHILD);
    for (; child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        const int id = ::GetDlgCtrlID(child);
        bool keepsPlace = id == IDC_PO_ZOOM;
        for (int top : kTopControls) keepsPlace = keepsPlace || id == top;
        for (int morphedId : kMorphedControls) keepsPlace = keepsPlace || id == morphedId;
        if (!keepsPlace) resizer_.setAnchor(id, CResizer::Left | CResizer::Bottom);
    }
    if (!morphed_) {
        for (int id : kMorphedControls) ShowOrHideCtrl(this, id, false);
        return;
    }
    RECT window{};
    GetWindowRect(&window);
    SetWindowPos(nullptr, 0, 0, window.right - window.left, window.bottom - window.top + kMorphedExtraHeight,
                 SWP_NOMOVE | SWP_NOZORDER);
    resizer_.setMinimumSize(resizer_.minimumSize().cx, resizer_.minimumSize().cy + kMorphedExtraHeight);
}

bool CDlgMacroProfOptions::call(TwMACallBackType kind) {
    if (!callback) return false;
    return callback(kind, data, prof_);
}

void CDlgMacroProfOptions::showData() {
    showing_ = true;
    SetDlgItemText(IDC_PO_GROUP, data.groupName.c_str());
    CComboBox* profiles = static_cast<CComboBox*>(GetDlgItem(IDC_PO_PROFILE));
    if (profiles) fillSectionCombo(*profiles, profileNames_, prof_.profile);
    if (morphed_) {
        CComboBox* ends = static_cast<CComboBox*>(GetDlgItem(IDC_PO_END_PROFILE));
        if (ends) fillSectionCombo(*ends, endProfileNames_, prof_.endProfile);
        SetDlgItemText(IDC_PO_END_VALUE1, prof_.endValue1.c_str());
        SetDlgItemText(IDC_PO_END_VALUE2, prof_.endValue2.c_str());
    }
    showSectionPicture();
    // A point choice outside the combo's entries (mixed) shows none.
    const bool listedChoice = prof_.pointChoice >= 0 && prof_.pointChoice < kPointChoiceCount;
    SendDlgItemMessage(IDC_PO_POINT_CHOICE, CB_SETCURSEL, static_cast<WPARAM>(listedChoice ? prof_.pointChoice : -1));
    const int offsetEntry = getDlgOffsetType(prof_.offsetType, prof_.offsetMixed);
    SendDlgItemMessage(IDC_PO_OFFSET_TYPE, CB_SETCURSEL, static_cast<WPARAM>(offsetEntry));
    const bool reference = offsetEntry >= 0 && offsetEntry < kReferenceCount;
    checkOnly(this, kReferenceRadios, reference ? kReferenceRadios[offsetEntry] : 0);
    SetDlgItemText(IDC_PO_OFFSET_X, Kv_String(prof_.offsetX, -1).c_str());
    SetDlgItemText(IDC_PO_OFFSET_Y, Kv_String(prof_.offsetY, -1).c_str());
    showRotation();
    showPlane();
    CheckDlgButton(IDC_PO_TRI_STATE, prof_.triStateOption == 2   ? BST_INDETERMINATE
                                     : prof_.triStateOption == 1 ? BST_CHECKED
                                                                 : BST_UNCHECKED);
    CheckDlgButton(IDC_PO_ON_SEGMENT, prof_.onSegment ? BST_CHECKED : BST_UNCHECKED);
    SetDlgItemText(IDC_PO_SEGMENT, Kv_String(prof_.segment).c_str());
    showing_ = false;
}

void CDlgMacroProfOptions::showSectionPicture() {
    Kv_String file;
    if (prof_.profile.startsWith("User Sections\\", true)) {
        file = sectionIconFile("", prof_.profile, true);
    } else {
        const int dash = prof_.profile.findChar('-');
        Kv_ProfValuesTable table;
        if (table.readFromFile((dash >= 0 ? prof_.profile.getSubStringAt(0, dash) : prof_.profile) + ".pr"))
            file = sectionTypePicture(table.description);
    }
    // An unknown section shows no picture; the reference points stay usable.
    setButtonIcon(this, picture_, IDC_PO_SECTION_PICTURE, file, true, true, false);
}

void CDlgMacroProfOptions::showRotation() {
    int radio = IDC_PO_ROTATION_ANGLE;
    for (const FixedRotation& rotation : kRotations)
        if (prof_.rotation == rotation.text) radio = rotation.radio;
    if (prof_.rotation == macroMixedText()) radio = IDC_PO_ROTATION_MIXED;
    checkOnly(this, kRotationRadios, radio);
    SetDlgItemText(IDC_PO_ANGLE, radio == IDC_PO_ROTATION_ANGLE ? withoutDegreeSign(prof_.rotation).c_str() : "");
}

void CDlgMacroProfOptions::showPlane() {
    int radio = IDC_PO_PLANE_PICKED;
    if (prof_.plane == macroMixedText())
        radio = IDC_PO_PLANE_MIXED;
    else if (prof_.plane.isEmpty() && prof_.planeId.isNull())
        radio = IDC_PO_PLANE_MACRO;
    else if (!createdCoordSys.isNull() && prof_.planeId == createdCoordSys)
        radio = IDC_PO_PLANE_CREATED;
    else if (isObjectOfType(prof_.planeId, "CoordSys"))
        radio = IDC_PO_PLANE_COORD_SYS;
    // A choice that waits for its pick or its coordinate system stays chosen meanwhile.
    if (pendingPlaneRadio_ != 0) radio = pendingPlaneRadio_;
    checkOnly(this, kPlaneRadios, radio);
    const int index = coordSysIds_.find(prof_.planeId);
    if (index >= 0 || radio == IDC_PO_PLANE_COORD_SYS)
        SendDlgItemMessage(IDC_PO_COORD_SYS, CB_SETCURSEL, static_cast<WPARAM>(index));
    if (radio == IDC_PO_PLANE_PICKED) {
        pickedPlane_ = prof_.planeId;
        pickedPlaneName_ = prof_.plane;
    }
}

void CDlgMacroProfOptions::readBack() {
    if (!groupFixed && !flagShown_) data.groupName = text(this, IDC_PO_GROUP);
    const CComboBox* profiles = static_cast<CComboBox*>(GetDlgItem(IDC_PO_PROFILE));
    if (profiles) selectedSystemName(*profiles, profileNames_, prof_.profile);
    if (morphed_) {
        const CComboBox* ends = static_cast<CComboBox*>(GetDlgItem(IDC_PO_END_PROFILE));
        if (ends) selectedSystemName(*ends, endProfileNames_, prof_.endProfile);
        prof_.endValue1 = text(this, IDC_PO_END_VALUE1);
        prof_.endValue2 = text(this, IDC_PO_END_VALUE2);
    }
    const int choice = static_cast<int>(SendDlgItemMessage(IDC_PO_POINT_CHOICE, CB_GETCURSEL));
    if (choice >= 0) prof_.pointChoice = choice;
    const int offsetType = getProfOffsetType(static_cast<int>(SendDlgItemMessage(IDC_PO_OFFSET_TYPE, CB_GETCURSEL)));
    prof_.offsetMixed = offsetType < 0;
    if (offsetType >= 0) prof_.offsetType = offsetType;
    prof_.offsetX = text(this, IDC_PO_OFFSET_X).toDouble();
    prof_.offsetY = text(this, IDC_PO_OFFSET_Y).toDouble();
    readRotation();
    readPlane();
    const UINT triState = IsDlgButtonChecked(IDC_PO_TRI_STATE);
    prof_.triStateOption = triState == BST_INDETERMINATE ? 2 : triState == BST_CHECKED ? 1 : 0;
    prof_.onSegment = checked(this, IDC_PO_ON_SEGMENT);
    prof_.segment = text(this, IDC_PO_SEGMENT).toInt();
}

void CDlgMacroProfOptions::readRotation() {
    for (const FixedRotation& rotation : kRotations)
        if (checked(this, rotation.radio)) prof_.rotation = rotation.text;
    if (checked(this, IDC_PO_ROTATION_MIXED)) prof_.rotation = macroMixedText();
    if (checked(this, IDC_PO_ROTATION_ANGLE)) {
        Kv_String angle = text(this, IDC_PO_ANGLE);
        angle.trim();
        // An angle that is no number counts as 0, as every typed number does.
        prof_.rotation = angle.isNumber() ? angle : Kv_String("0");
    }
}

void CDlgMacroProfOptions::readPlane() {
    pendingPlaneRadio_ = 0;
    if (checked(this, IDC_PO_PLANE_MIXED)) {
        prof_.plane = macroMixedText();
    } else if (checked(this, IDC_PO_PLANE_MACRO)) {
        prof_.plane = Kv_String();
        prof_.planeId = AcDbObjectId();
    } else if (checked(this, IDC_PO_PLANE_CREATED) && !createdCoordSys.isNull()) {
        prof_.planeId = createdCoordSys;
        prof_.plane = coordSysPlaneMarker();
    } else if (checked(this, IDC_PO_PLANE_COORD_SYS)) {
        const int index = static_cast<int>(SendDlgItemMessage(IDC_PO_COORD_SYS, CB_GETCURSEL));
        if (index >= 0 && index < coordSysIds_.length()) {
            prof_.planeId = coordSysIds_[index];
            prof_.plane = coordSysPlaneMarker();
        } else {
            pendingPlaneRadio_ = IDC_PO_PLANE_COORD_SYS;
        }
    } else if (checked(this, IDC_PO_PLANE_PICKED)) {
        if (pickedPlane_.isNull()) {
            pendingPlaneRadio_ = IDC_PO_PLANE_PICKED;
        } else {
            prof_.planeId = pickedPlane_;
            prof_.plane = pickedPlaneName_;
        }
    }
}

void CDlgMacroProfOptions::OnSize(UINT type, int cx, int cy) {
    CAcUiDialog::OnSize(type, cx, cy);
    if (resizer_.isAttached()) resizer_.resize();
}

void CDlgMacroProfOptions::OnGetMinMaxInfo(MINMAXINFO* info) {
    CAcUiDialog::OnGetMinMaxInfo(info);
    if (resizer_.isAttached()) resizer_.limitTracking(info);
}

void CDlgMacroProfOptions::OnDestroy() {
    // The size is remembered without a morphed profile's extra height, so that it does not grow
    // from one run to the next.
    if (m_hWnd) {
        RECT window{};
        GetWindowRect(&window);
        if (morphed_) {
            SetWindowPos(nullptr, 0, 0, window.right - window.left, window.bottom - window.top - kMorphedExtraHeight,
                         SWP_NOMOVE | SWP_NOZORDER);
        }
        WriteDlgSize(this, kSizeName);
    }
    CAcUiDialog::OnDestroy();
}
