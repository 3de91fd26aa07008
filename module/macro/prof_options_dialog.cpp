#include "macro/prof_options_dialog.h"

#include <cmath>
#include <string>

#include "core/constraint_editor_calls.h"
#include "core/dialog_helpers.h"
#include "core/kv_texts.h"
#include "core/macro_profile_calls.h"
#include "host/drawing_database.h"
#include "macro/prof_options_ids.h"
#include "resources/package_icons.h"
#include "sections/kv_prof_values_table.h"
#include "sections/section_pickers.h"

namespace {

constexpr const char* kSizeName = "DLG_MACRO_PROFADVANCED";
constexpr UINT kRunStartHint = WM_APP + 0x220;

// The nine reference points in the order of the offset types they choose.
constexpr int kReferenceRadios[] = {IDC_PO_RADIO_TOP_LEFT,    IDC_PO_RADIO_TOP_CENTRE,    IDC_PO_RADIO_TOP_RIGHT,
                                    IDC_PO_RADIO_MIDDLE_LEFT, IDC_PO_RADIO_CENTRE,        IDC_PO_RADIO_MIDDLE_RIGHT,
                                    IDC_PO_RADIO_BOTTOM_LEFT, IDC_PO_RADIO_BOTTOM_CENTRE, IDC_PO_RADIO_BOTTOM_RIGHT};
constexpr int kReferenceCount = static_cast<int>(sizeof(kReferenceRadios) / sizeof(kReferenceRadios[0]));

// The four fixed rotations, radio and text.
struct FixedRotation {
    int radio;
    const char* text;
};
constexpr FixedRotation kRotations[] = {{IDC_PO_ROTATION_0, "0\xB0"},
                                        {IDC_PO_ROTATION_90, "90\xB0"},
                                        {IDC_PO_ROTATION_180, "180\xB0"},
                                        {IDC_PO_ROTATION_270, "270\xB0"}};

constexpr int kRotationRadios[] = {IDC_PO_ROTATION_0,   IDC_PO_ROTATION_90,    IDC_PO_ROTATION_180,
                                   IDC_PO_ROTATION_270, IDC_PO_ROTATION_MIXED, IDC_PO_ROTATION_ANGLE};
constexpr int kPlaneRadios[] = {IDC_PO_PLANE_MIXED, IDC_PO_PLANE_MACRO, IDC_PO_PLANE_CREATED, IDC_PO_PLANE_PICKED,
                                IDC_PO_PLANE_COORD_SYS};

// The second profile row and its two values, shown only for a morphed profile.
constexpr int kMorphedControls[] = {IDC_PO_END_PROFILE_LABEL, IDC_PO_END_PROFILE, IDC_PO_END_PROFILE_BROWSE,
                                    IDC_PO_END_VALUE1_LABEL,  IDC_PO_END_VALUE1,  IDC_PO_END_VALUE2_LABEL,
                                    IDC_PO_END_VALUE2};
// The controls above the morphed row: they keep their place when the window grows for it.
constexpr int kTopControls[] = {IDC_PO_FLAG,          IDC_PO_GROUP_LABEL, IDC_PO_GROUP,
                                IDC_PO_PROFILE_LABEL, IDC_PO_PROFILE,     IDC_PO_PROFILE_BROWSE};

// Combo 1228: where along its line the profile is placed (texts 1022 to 1024).
constexpr int kPointChoiceTexts[] = {1022, 1023, 1024};
constexpr int kPointChoiceDefault = 2;

struct Label {
    int id;
    int text;
};
constexpr Label kLabels[] = {
    {IDC_PO_FLAG, 1497},          {IDC_PO_GROUP_LABEL, 705},         {IDC_PO_PROFILE_LABEL, 1012},
    {IDC_PO_PROFILE_BROWSE, 969}, {IDC_PO_END_PROFILE_BROWSE, 969},  {IDC_PO_END_PROFILE_LABEL, 1409},
    {IDC_PO_END_VALUE1_LABEL, 1410}, {IDC_PO_END_VALUE2_LABEL, 1411}, {IDC_PO_POINT_GROUP, 1013},
    {IDC_PO_PICK_POINT, 1014},    {IDC_PO_OFFSET_TYPE_LABEL, 1015},  {IDC_PO_OFFSET_LABEL, 1016},
    {IDC_PO_ROTATION_GROUP, 1005}, {IDC_PO_ROTATION_MIXED, 695},     {IDC_PO_ROTATION_ANGLE, 1017},
    {IDC_PO_PLANE_GROUP, 460},    {IDC_PO_PLANE_MIXED, 695},         {IDC_PO_PLANE_PICKED, 1018},
    {IDC_PO_PLANE_CREATED, 462},  {IDC_PO_PLANE_COORD_SYS, 1019},    {IDC_PO_PICK_PLANE, 1008},
    {IDC_PO_TRI_STATE, 1343},     {IDC_PO_ON_SEGMENT, 1020},         {IDC_PO_SEGMENT_LABEL, 1021},
    {IDOK, 285}};

Kv_String text(const CWnd* dialog, int id) {
    std::string value;
    dialog->GetDlgItemText(id, value);
    return Kv_String(value);
}

bool checked(const CWnd* dialog, int id) { return dialog->IsDlgButtonChecked(id) == BST_CHECKED; }

// The angle of a rotation text in degrees ("45", "45\xB0"); no number counts as 0.
double rotationDegrees(const Kv_String& rotation) {
    Kv_String number = rotation;
    number.trim();
    if (number.length() > 0 && static_cast<unsigned char>(number[number.length() - 1]) == 0xB0)
        number.removeAt(number.length() - 1, 1);
    return number.toDouble();
}

Kv_String withoutDegreeSign(const Kv_String& rotation) {
    Kv_String shown = rotation;
    if (shown.length() > 0 && static_cast<unsigned char>(shown[shown.length() - 1]) == 0xB0)
        shown.removeAt(shown.length() - 1, 1);
    return shown;
}

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
    SendDlgItemMessage(IDC_PO_POINT_CHOICE, CB_SETCURSEL,
                       static_cast<WPARAM>(prof_.pointChoice >= 0 && prof_.pointChoice < 3 ? prof_.pointChoice : -1));
    const int offsetEntry = getDlgOffsetType(prof_.offsetType, prof_.offsetMixed);
    SendDlgItemMessage(IDC_PO_OFFSET_TYPE, CB_SETCURSEL, static_cast<WPARAM>(offsetEntry));
    for (int i = 0; i < kReferenceCount; ++i)
        CheckDlgButton(kReferenceRadios[i], offsetEntry == i ? BST_CHECKED : BST_UNCHECKED);
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
    for (int id : kRotationRadios) CheckDlgButton(id, id == radio ? BST_CHECKED : BST_UNCHECKED);
    SetDlgItemText(IDC_PO_ANGLE, radio == IDC_PO_ROTATION_ANGLE ? withoutDegreeSign(prof_.rotation).c_str() : "");
}

void CDlgMacroProfOptions::showPlane() {
    int radio = IDC_PO_PLANE_PICKED;
    if (prof_.plane == macroMixedText()) radio = IDC_PO_PLANE_MIXED;
    else if (prof_.plane.isEmpty() && prof_.planeId.isNull()) radio = IDC_PO_PLANE_MACRO;
    else if (!createdCoordSys.isNull() && prof_.planeId == createdCoordSys) radio = IDC_PO_PLANE_CREATED;
    else if (isObjectOfType(prof_.planeId, "CoordSys")) radio = IDC_PO_PLANE_COORD_SYS;
    // A choice that waits for its pick or its coordinate system stays chosen meanwhile.
    if (pendingPlaneRadio_ != 0) radio = pendingPlaneRadio_;
    for (int id : kPlaneRadios) CheckDlgButton(id, id == radio ? BST_CHECKED : BST_UNCHECKED);
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
    prof_.offsetX = vector.x;
    prof_.offsetY = vector.y;
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
    if (hint == "pickPlane") pickPlane();
    else if (hint == "pickPoint") pickSectionPoint();
    else if (hint == "zoom") zoom();
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
    if (code == CBN_SELCHANGE &&
        (id == IDC_PO_PROFILE || id == IDC_PO_END_PROFILE || id == IDC_PO_POINT_CHOICE || id == IDC_PO_OFFSET_TYPE ||
         id == IDC_PO_COORD_SYS)) {
        if (id == IDC_PO_COORD_SYS)
            for (int radio : kPlaneRadios) CheckDlgButton(radio, radio == IDC_PO_PLANE_COORD_SYS ? BST_CHECKED : BST_UNCHECKED);
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
            SetWindowPos(nullptr, 0, 0, window.right - window.left,
                         window.bottom - window.top - kMorphedExtraHeight, SWP_NOMOVE | SWP_NOZORDER);
        }
        WriteDlgSize(this, kSizeName);
    }
    CAcUiDialog::OnDestroy();
}
