#include "designer/kv_control_type.h"

#include <array>

#include "core/kv_texts.h"
#include "win/styles.h"

namespace {

using WC = Kv_WindowClass;
using ET = Kv_ExtraTexts;

constexpr DWORD kSingleLineEdit = ES_AUTOHSCROLL;
constexpr DWORD kMultiLineEdit = ES_MULTILINE | ES_AUTOVSCROLL;
constexpr DWORD kEditableCombo = WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL;
constexpr DWORD kListCombo = WS_VSCROLL | CBS_DROPDOWNLIST;
constexpr DWORD kFlexButton = BS_AUTOCHECKBOX | BS_PUSHLIKE | BS_ICON | BS_VCENTER;

Kv_ControlTypeInfo info(WC windowClass, DWORD style, DWORD exStyle, int contentsLabel, ET extraTexts = ET::None,
                        std::array<int, 5> labels = {0, 0, 0, 0, 0}) {
    Kv_ControlTypeInfo result;
    result.windowClass = windowClass;
    result.style = style;
    result.exStyle = exStyle;
    result.contentsLabel = contentsLabel;
    result.extraTexts = extraTexts;
    for (int i = 0; i < 5; ++i) result.extraLabels[i] = labels[i];
    return result;
}

const std::array<Kv_ControlTypeInfo, kNrControlTypes>& typeTable() {
    static const std::array<Kv_ControlTypeInfo, kNrControlTypes> table = [] {
        std::array<Kv_ControlTypeInfo, kNrControlTypes> t;
        const Kv_ControlTypeInfo edit = info(WC::Edit, kSingleLineEdit, WS_EX_CLIENTEDGE, 0);
        const Kv_ControlTypeInfo push = info(WC::Button, 0, 0, 0);
        t[0] = info(WC::Static, 0, 0, 827, ET::ListText, {1403});
        t[1] = info(WC::Button, BS_GROUPBOX, 0, 827, ET::ListText, {1403});
        t[2] = info(WC::Edit, kSingleLineEdit, WS_EX_CLIENTEDGE, 828);
        t[3] = info(WC::ComboBox, kEditableCombo, 0, 828, ET::ListText, {833});
        t[4] = info(WC::Edit, kMultiLineEdit, WS_EX_CLIENTEDGE, 829);
        t[5] = t[4];
        t[6] = info(WC::Button, 0, 0, 829);
        t[7] = info(WC::ComboBox, kListCombo, 0, 0);
        for (int i = 8; i <= 11; ++i) t[i] = edit;
        t[12] = push;
        t[13] = info(WC::ComboBox, kListCombo, 0, 830);
        t[14] = info(WC::Button, 0, 0, 830);
        t[15] = t[13];
        t[16] = info(WC::ComboBox, kEditableCombo, 0, 830);
        t[17] = t[14];
        for (int i = 18; i <= 22; ++i) t[i] = info(WC::Edit, kSingleLineEdit, WS_EX_CLIENTEDGE, 831);
        t[23] = info(WC::Edit, kSingleLineEdit, WS_EX_CLIENTEDGE, 831, ET::ListText, {834});
        t[24] = info(WC::Button, 0, 0, 831);
        // The fifth text of the two cell buttons is the list file of the base cell's choices.
        t[25] = info(WC::Button, 0, 0, 827, ET::ButtonTexts, {1316, 1317, 1318, 1319, 1403});
        t[26] = info(WC::Button, 0, 0, 827, ET::ButtonTexts, {1316, 1317, 1320, 1319, 1403});
        t[27] = info(WC::ComboBox, kListCombo, 0, 0, ET::ListText, {1342});
        t[28] = info(WC::ComboBox, kListCombo, 0, 1406);
        t[29] = info(WC::Button, BS_AUTOCHECKBOX, 0, 827, ET::ListText, {828});
        t[30] = info(WC::Button, kFlexButton, 0, 1429, ET::FlexTexts, {705, 1430, 1431});
        return t;
    }();
    return table;
}

const Kv_ControlTypeInfo& unknownTypeInfo() {
    static const Kv_ControlTypeInfo unknown = info(WC::Static, 0, 0, 0);
    return unknown;
}

}  // namespace

bool isValidControlType(int type) { return type >= 0 && type < kNrControlTypes; }

const Kv_ControlTypeInfo& controlTypeInfo(int type) {
    return isValidControlType(type) ? typeTable()[type] : unknownTypeInfo();
}

Kv_WindowClass controlWindowClass(int type) { return controlTypeInfo(type).windowClass; }

const char* windowClassName(Kv_WindowClass windowClass) {
    switch (windowClass) {
    case WC::ScrollBar: return "SCROLLBAR";
    case WC::Static: return "STATIC";
    case WC::Button: return "BUTTON";
    case WC::Edit: return "EDIT";
    case WC::ListBox: return "LISTBOX";
    case WC::ComboBox: return "COMBOBOX";
    }
    return "STATIC";
}

Kv_String controlTypeName(int type) {
    if (!isValidControlType(type)) return {};
    if (type <= 3) return dialString(799 + type);
    if (type == 4 || type == 5) {
        // The two bolt counts share one caption and tell their direction by the message text.
        Kv_String name = dialString(803);
        name += type == 4 ? " 1: " : " 2: ";
        name += string(2220);
        return name;
    }
    if (type <= 25) return dialString(804 + type - 6);
    static constexpr int kLaterNames[] = {1315, 1341, 1404, 1405, 1428};
    return dialString(kLaterNames[type - 26]);
}

Kv_StringArray allControlTypeNames() {
    Kv_StringArray names;
    for (int type = 0; type < kNrControlTypes; ++type) names.append(controlTypeName(type));
    return names;
}

Kv_String contentsLabelOf(int type) {
    const int label = controlTypeInfo(type).contentsLabel;
    return label > 0 ? dialString(label) : Kv_String();
}

Kv_String extraTextsLabelOf(int type) {
    const Kv_ControlTypeInfo& typeInfo = controlTypeInfo(type);
    if (typeInfo.extraTexts == Kv_ExtraTexts::None) return {};
    Kv_StringArray labels;
    for (int label : typeInfo.extraLabels)
        if (label > 0) labels.append(dialString(label));
    return labels.join(";");
}

bool typeHasEditableExtraTexts(int type) { return controlTypeInfo(type).extraTexts != Kv_ExtraTexts::None; }
