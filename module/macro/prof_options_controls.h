#pragma once
// The control lists and small read-backs of the profile options that both of its source files
// use (prof_options_dialog.cpp: opening, showing, reading back; prof_options_actions.cpp: what
// the person does).

#include <string>

#include "core/kv_string.h"
#include "macro/prof_options_ids.h"
#include "win/afxwin.h"

namespace prof_options {

// Posted once the dialog is shown, when a start-up hint names an action.
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

inline Kv_String text(const CWnd* dialog, int id) {
    std::string value;
    dialog->GetDlgItemText(id, value);
    return Kv_String(value);
}

inline bool checked(const CWnd* dialog, int id) { return dialog->IsDlgButtonChecked(id) == BST_CHECKED; }

// Checks `chosen` of the radios and clears the others (they do not lie in one id range).
template <size_t N>
void checkOnly(CWnd* dialog, const int (&radios)[N], int chosen) {
    for (int radio : radios) dialog->CheckDlgButton(radio, radio == chosen ? BST_CHECKED : BST_UNCHECKED);
}

// A rotation text without its degree sign ("45\xB0" -> "45").
inline Kv_String withoutDegreeSign(const Kv_String& rotation) {
    Kv_String shown = rotation;
    if (shown.length() > 0 && static_cast<unsigned char>(shown[shown.length() - 1]) == 0xB0)
        shown.removeAt(shown.length() - 1, 1);
    return shown;
}

}  // namespace prof_options
