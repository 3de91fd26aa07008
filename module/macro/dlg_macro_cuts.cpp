#include "macro/dlg_macro_cuts.h"

#include <string>
#include <utility>

#include "core/dialog_helpers.h"
#include "core/kv_settings.h"
#include "core/kv_texts.h"
#include "core/records/macros_in_dlg_data.h"
#include "frame/dialog_launcher.h"
#include "macro/cuts_ids.h"

namespace {

constexpr const char* kSizeName = "DLG_MACRO_CUTS";

// The sheet's columns.
constexpr int kLabelColumn = 1, kVariableColumn = 2, kKeyColumn = 3, kFlagColumn = 4, kColumns = 4;

struct TypePicture {
    const char* file;
    int text;
};
constexpr std::array<TypePicture, kvCutTypeCount> kTypePictures{{
    {"CutProfvsPlate.bmp", 1084},
    {"CutProfvsProf.bmp", 1085},
    {"CutProfinProf.bmp", 1086},
    {"CutProfvsProf3Segments.bmp", 1087},
    {"CutChamfer.bmp", 1088},
    {"CutFillet.bmp", 1089},
}};

struct KeyLabel {
    const char* key;
    int text;
    int number;  // appended to the text when not 0
};
constexpr KeyLabel kKeyLabels[] = {
    {"Offset", 1099, 0},       {"PolyOffset", 1099, 0},   {"LengthOffset", 1100, 0},
    {"CenterOffset", 1101, 0}, {"InsideOffset", 1102, 0}, {"OutsideOffset", 1103, 0},
    {"Offset1", 1104, 1},      {"Offset2", 1104, 2},      {"Radius", 740, 0},
};

// The controls that depend on the cut type; hidden while an existing cut is edited.
constexpr int kTypeControls[] = {IDC_CUTS_CUT_BOTH, IDC_CUTS_CHOICE_1, IDC_CUTS_CHOICE_2, IDC_CUTS_CHOICE_3,
                                 IDC_CUTS_KEEP_GAP, IDC_CUTS_WELD,     IDC_CUTS_WELD_BOTH};

// Kv_Array<bool> holds a packed vector: its elements are read through iterators.
bool flagAt(const Kv_Array<bool>& flags, int index) { return index < flags.length() && *(flags.begin() + index); }

bool checked(CWnd* dialog, int id) { return dialog->IsDlgButtonChecked(id) == BST_CHECKED; }
void check(CWnd* dialog, int id, bool on) { dialog->CheckDlgButton(id, on ? BST_CHECKED : BST_UNCHECKED); }

}  // namespace

CDlgMacroCuts::CDlgMacroCuts(CWnd* parent) : CAcUiDialog(IDD_MACRO_CUTS, parent), sheet_(this) {
    SetDialogName(kSizeName);
}

Kv_String CDlgMacroCuts::parameterLabel(const Kv_String& key) {
    for (const KeyLabel& label : kKeyLabels) {
        if (key.str() != label.key) continue;
        return label.number ? append(dialString(label.text), label.number) : dialString(label.text);
    }
    return key;
}

Kv_StringArray CDlgMacroCuts::typePictureFiles() {
    Kv_StringArray files;
    for (const TypePicture& picture : kTypePictures) files.append(Kv_Settings::kvDir() + "icons\\" + picture.file);
    return files;
}

BOOL CDlgMacroCuts::OnInitDialog() {
    CAcUiDialog::OnInitDialog();
    resizer_.attach(this);
    resizer_.setAnchor(IDC_CUTS_SHEET, CResizer::All);
    for (int id : {IDOK, IDCANCEL}) resizer_.setAnchor(id, CResizer::Right | CResizer::Bottom);
    setLabels();
    fillPicker();
    FillCombo(this, IDC_CUTS_PLACEMENT,
              stringArr(dialString(1395), dialString(1396), dialString(1397), dialString(1398)),
              data.placement >= 0 && data.placement <= 3 ? data.placement : -1);
    setUpSheet();

    // The record as it came.
    type_ = data.cutType >= 0 && data.cutType < kvCutTypeCount ? data.cutType : -1;
    picker_.SetCurSel(type_);
    SetDlgItemText(IDC_CUTS_NAME, data.name.c_str());
    SetDlgItemText(IDC_CUTS_DESCRIPTION, data.description.c_str());
    Kv_StringArray variables = data.varNames;
    while (variables.length() < data.paramNames.length()) variables.append("0");
    showParameters(data.paramNames, variables, data.paramFlags);
    check(this, IDC_CUTS_CUT_BOTH, data.cutBoth);
    check(this, IDC_CUTS_KEEP_GAP, data.keepGap);
    check(this, IDC_CUTS_WELD, data.weldPreparation);
    check(this, IDC_CUTS_WELD_BOTH, data.weldBothSides);
    int choice = data.choice >= 1 && data.choice <= 3 ? data.choice : 1;
    if (data.cutType == kvCutChamfer) choice = !data.chamferBothEdges ? 3 : data.chamferUnequal ? 2 : 1;
    CheckRadioButton(IDC_CUTS_CHOICE_1, IDC_CUTS_CHOICE_3, IDC_CUTS_CHOICE_1 + choice - 1);
    CheckRadioButton(IDC_CUTS_MODE_NEW, IDC_CUTS_MODE_EXISTING,
                     data.mode == 2 ? IDC_CUTS_MODE_EXISTING : IDC_CUTS_MODE_NEW);
    Kv_StringArray modules;
    MacrosInDlgData::GetAllMods(data.macroId, modules);
    fillMacroCombo(modules, data.macroName);
    showTypeOptions();
    applyMode();
    if (data.editExisting) {
        for (int id : {IDC_CUTS_TYPE, IDC_CUTS_NAME, IDC_CUTS_DESCRIPTION}) EnDisCtrl(this, id, false);
        for (int id : kTypeControls) ShowOrHideCtrl(this, id, false);
    }
    ChangeDlgSize(this, kSizeName, false);
    return TRUE;
}

void CDlgMacroCuts::setLabels() {
    SetWindowText(dialString(1080).c_str());
    const std::pair<int, int> labels[] = {{IDC_CUTS_NAME_LABEL, 1081},
                                          {IDC_CUTS_MODE_NEW, 710},
                                          {IDC_CUTS_MODE_EXISTING, 711},
                                          {IDC_CUTS_PICK_MACRO, 1082},
                                          {IDC_CUTS_TYPE_LABEL, 1083},
                                          {IDOK, 1},
                                          {IDCANCEL, 2}};
    for (const auto& [id, text] : labels) SetDlgItemText(id, dialString(text).c_str());
}

void CDlgMacroCuts::fillPicker() {
    if (!picker_.SubclassDlgItem(IDC_CUTS_TYPE, this)) return;
    Kv_StringArray texts;
    for (const TypePicture& picture : kTypePictures) texts.append(dialString(picture.text));
    picker_.AddAllImages(typePictureFiles(), texts);
}

void CDlgMacroCuts::setUpSheet() {
    if (!sheet_.attach(this, IDC_CUTS_SHEET)) return;
    sheet_.setDefaults(1);
    sheet_.setMaxCols(kColumns);
    sheet_.setHeaderRowTexts(stringArr(dialString(1078), dialString(881), dialString(87), dialString(1079)));
}

void CDlgMacroCuts::showParameters(const Kv_StringArray& keys, const Kv_StringArray& variables,
                                   const Kv_Array<bool>& flags) {
    if (!sheet_.isAttached()) return;
    rowsShown_ = keys.length();
    sheet_.setMaxRows(rowsShown_);
    Kv_StringArray labels, shownVariables;
    Kv_Array<bool> shownFlags;
    for (int row = 0; row < rowsShown_; ++row) {
        labels.append(parameterLabel(keys[row]));
        shownVariables.append(row < variables.length() ? variables[row] : Kv_String("0"));
        shownFlags.append(flagAt(flags, row));
    }
    sheet_.setColTypeEdit(kLabelColumn);
    sheet_.setColTypeEdit(kVariableColumn);
    sheet_.setColTypeEdit(kKeyColumn);
    sheet_.setColCheckBox(kFlagColumn, false, false);
    sheet_.setColStrings(kLabelColumn, labels);
    sheet_.setColStrings(kVariableColumn, shownVariables);
    sheet_.setColStrings(kKeyColumn, keys);
    sheet_.setColBools(kFlagColumn, shownFlags);
    sheet_.lockCol(kLabelColumn);
    sheet_.lockCol(kKeyColumn);
    sheet_.autoFitAllCols(false);
}

void CDlgMacroCuts::showTypeOptions() {
    struct Visible {
        int id;
        int text;  // 0: hidden for this type
    };
    Visible options[] = {{IDC_CUTS_CUT_BOTH, 0}, {IDC_CUTS_CHOICE_1, 0}, {IDC_CUTS_CHOICE_2, 0}, {IDC_CUTS_CHOICE_3, 0},
                         {IDC_CUTS_KEEP_GAP, 0}, {IDC_CUTS_WELD, 0},     {IDC_CUTS_WELD_BOTH, 0}};
    auto set = [&](int id, int text) {
        for (Visible& option : options)
            if (option.id == id) option.text = text;
    };
    if (type_ == kvCutProfVsProf) {
        set(IDC_CUTS_CHOICE_1, 1105);
        set(IDC_CUTS_CHOICE_2, 1106);
        set(IDC_CUTS_CHOICE_3, 1394);
        set(IDC_CUTS_CUT_BOTH, 1108);
        set(IDC_CUTS_KEEP_GAP, 1109);
        set(IDC_CUTS_WELD, 1399);
        set(IDC_CUTS_WELD_BOTH, 1402);
    } else if (type_ == kvCutChamfer) {
        set(IDC_CUTS_CHOICE_1, 1110);
        set(IDC_CUTS_CHOICE_2, 1111);
        set(IDC_CUTS_CHOICE_3, 1112);
    } else if (type_ == kvCutProfVsProf3Segments) {
        set(IDC_CUTS_CHOICE_1, 1113);
        set(IDC_CUTS_KEEP_GAP, 1109);
    }
    for (const Visible& option : options) {
        if (option.text) SetDlgItemText(option.id, dialString(option.text).c_str());
        ShowOrHideCtrl(this, option.id, option.text != 0 && !data.editExisting);
    }
    updateDependants();
}

void CDlgMacroCuts::updateDependants() {
    // The second weld side makes sense only for a welded cut that leaves no gap.
    EnDisCtrl(this, IDC_CUTS_WELD_BOTH, checked(this, IDC_CUTS_WELD) && !checked(this, IDC_CUTS_KEEP_GAP));
}

void CDlgMacroCuts::applyMode() { EnDisCtrl(this, IDC_CUTS_PICK_MACRO, checked(this, IDC_CUTS_MODE_EXISTING)); }

void CDlgMacroCuts::fillMacroCombo(const Kv_StringArray& modules, const Kv_String& text) {
    FillCombo(this, IDC_CUTS_MACRO, modules);
    SetDlgItemText(IDC_CUTS_MACRO, text.c_str());
}

void CDlgMacroCuts::pickMacro() {
    MacrosInDlgData macro;
    macro.macroId = data.macroId;
    if (!BeginEditorCommand()) return;
    const bool picked = macro.UserSelectMacro();
    CompleteEditorCommand();
    if (!picked) return;
    data.macroId = macro.macroId;
    fillMacroCombo(macro.modules, macro.modules.isEmpty() ? Kv_String() : macro.modules[0]);
}

int CDlgMacroCuts::shownChoice() const {
    for (int choice = 1; choice <= 3; ++choice)
        if (IsDlgButtonChecked(IDC_CUTS_CHOICE_1 + choice - 1) == BST_CHECKED) return choice;
    return 1;
}

BOOL CDlgMacroCuts::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    const int code = HIWORD(wParam);
    if (id == IDC_CUTS_TYPE && code == CBN_SELCHANGE) {
        type_ = picker_.GetCurSel();
        Kv_StringArray keys, variables;
        Kv_Array<bool> flags;
        DlgMacroCutsData::GetDefaultValues(type_, keys, variables, flags);
        showParameters(keys, variables, flags);
        showTypeOptions();
        return TRUE;
    }
    if (code == BN_CLICKED) {
        switch (id) {
        case IDC_CUTS_MODE_NEW: applyMode(); return TRUE;
        case IDC_CUTS_MODE_EXISTING:
            applyMode();
            pickMacro();
            return TRUE;
        case IDC_CUTS_PICK_MACRO: pickMacro(); return TRUE;
        case IDC_CUTS_KEEP_GAP:
        case IDC_CUTS_WELD:
        case IDC_CUTS_CHOICE_1:
        case IDC_CUTS_CHOICE_2:
        case IDC_CUTS_CHOICE_3: updateDependants(); return TRUE;
        default: break;
        }
    }
    return CAcUiDialog::OnCommand(wParam, lParam);
}

void CDlgMacroCuts::readBack() {
    if (!data.editExisting) {
        if (type_ >= 0) data.cutType = type_;
        std::string text;
        GetDlgItemText(IDC_CUTS_NAME, text);
        data.name = Kv_String(text);
        GetDlgItemText(IDC_CUTS_DESCRIPTION, text);
        data.description = Kv_String(text);
    }
    if (sheet_.isAttached()) {
        Kv_StringArray keys, variables;
        Kv_Array<bool> flags;
        sheet_.getColStrings(kKeyColumn, keys, CellTextKind::Value);
        sheet_.getColStrings(kVariableColumn, variables, CellTextKind::Value);
        sheet_.getColBools(kFlagColumn, flags);
        // Elements beyond the rows shown stay as they were.
        for (int i = rowsShown_; i < data.paramNames.length(); ++i) keys.append(data.paramNames[i]);
        for (int i = rowsShown_; i < data.varNames.length(); ++i) variables.append(data.varNames[i]);
        for (int i = rowsShown_; i < data.paramFlags.length(); ++i) flags.append(flagAt(data.paramFlags, i));
        data.paramNames = keys;
        data.varNames = variables;
        data.paramFlags = flags;
    }
    if (!data.editExisting) {
        const int choice = shownChoice();
        if (type_ == kvCutProfVsProf) {
            data.cutBoth = checked(this, IDC_CUTS_CUT_BOTH);
            data.choice = choice;
            data.keepGap = checked(this, IDC_CUTS_KEEP_GAP);
            data.weldPreparation = checked(this, IDC_CUTS_WELD);
            data.weldBothSides = checked(this, IDC_CUTS_WELD_BOTH);
        } else if (type_ == kvCutChamfer) {
            data.chamferBothEdges = choice != 3;
            if (choice != 3) data.chamferUnequal = choice != 1;
        } else if (type_ == kvCutProfVsProf3Segments) {
            data.keepGap = checked(this, IDC_CUTS_KEEP_GAP);
        }
    }
    const int placement = static_cast<int>(SendDlgItemMessage(IDC_CUTS_PLACEMENT, CB_GETCURSEL));
    if (placement >= 0) data.placement = placement;
    const int mode = checked(this, IDC_CUTS_MODE_EXISTING) ? 2 : 1;
    if (mode != (data.mode == 2 ? 2 : 1)) data.mode = mode;
    std::string macro;
    GetDlgItemText(IDC_CUTS_MACRO, macro);
    data.macroName = Kv_String(macro);
}

void CDlgMacroCuts::OnOK() {
    std::string macro;
    GetDlgItemText(IDC_CUTS_MACRO, macro);
    if (macro.empty()) {
        MessageBox(string(1090).c_str(), dialString(1091).c_str(), MB_OK | MB_ICONWARNING);
        return;
    }
    readBack();
    bool inUse = false;
    if (data.mode == 2 && data.CutNameInUse(data.macroId, data.macroName, data.name, inUse) && inUse) {
        MessageBox((string(1092) + "\n" + string(1093)).c_str(), dialString(1094).c_str(), MB_OK | MB_ICONWARNING);
        return;
    }
    if (!data.AreVarNamesValid()) {
        MessageBox((string(1095) + "\n" + string(1096) + " " + string(1097) + " \"gen_\".\n").c_str(),
                   dialString(1098).c_str(), MB_OK | MB_ICONWARNING);
        return;
    }
    CAcUiDialog::OnOK();
}

BOOL CDlgMacroCuts::PreTranslateMessage(MSG* msg) {
    // Escape reaches OnCancel through the dialog manager within this call; a click on Cancel
    // does not come this way.
    const bool escape = msg->message == WM_KEYDOWN && msg->wParam == VK_ESCAPE;
    escapeKey_ = escape;
    const BOOL taken = CAcUiDialog::PreTranslateMessage(msg);
    escapeKey_ = false;
    return taken;
}

void CDlgMacroCuts::OnCancel() {
    escaped = escapeKey_;
    CAcUiDialog::OnCancel();
}

void CDlgMacroCuts::OnSize(UINT type, int cx, int cy) {
    CAcUiDialog::OnSize(type, cx, cy);
    if (resizer_.isAttached()) resizer_.resize();
}

void CDlgMacroCuts::OnGetMinMaxInfo(MINMAXINFO* info) {
    CAcUiDialog::OnGetMinMaxInfo(info);
    resizer_.limitTracking(info);
}

void CDlgMacroCuts::OnDestroy() {
    WriteDlgSize(this, kSizeName);
    CAcUiDialog::OnDestroy();
}

bool StartDlgMacroCuts(DlgMacroCutsData& data, bool& escaped) {
    return frame::launchModalDialog<CDlgMacroCuts>(
        frame::LaunchRules{frame::ResourceScope::CallerProvides}, [&](CDlgMacroCuts& dialog) { dialog.data = data; },
        [&](CDlgMacroCuts& dialog) { data = dialog.data; },
        [&](CDlgMacroCuts& dialog, INT_PTR) { escaped = dialog.escaped; });
}
