#include "macro/dlg_macro_bolt_options.h"

#include <algorithm>
#include <string>
#include <utility>

#include "core/dialog_helpers.h"
#include "core/kv_settings.h"
#include "core/kv_texts.h"
#include "frame/dialog_launcher.h"
#include "macro/bolt_options_ids.h"
#include "macro/dlg_macro_tab_page.h"
#include "macro/macro_core_calls.h"
#include "sections/section_pickers.h"
#include "sheet/ss_api.h"

namespace {

constexpr const char* kSizeName = "DLG_MACRO_BOLTADVANCED";
constexpr const char* kWarningCaption = "Ongeldige waarde";
constexpr UINT kPostedApply = WM_APP + 0x40;

// The hole column sheet: the columns side by side, five to a band; a band is two rows, the
// columns' ticks above their names.  Cells past the last column are locked and empty.
constexpr int kBandWidth = 5;

constexpr int kFlagBoxes[] = {IDC_BOLT_SHOP_BOLTED, IDC_BOLT_COUNTERSUNK, IDC_BOLT_REVERSE, IDC_BOLT_TAPPED};
int* flagOf(MacroBoltData& bolt, int index) {
    int* flags[] = {&bolt.shopBolted, &bolt.countersunk, &bolt.reverseOrientation, &bolt.tapped};
    return flags[index];
}

// The part boxes in record order, with their pictures (unchecked, checked).
constexpr int kPartBoxes[] = {IDC_BOLT_WASHER1, IDC_BOLT_WASHERS, IDC_BOLT_NUT1, IDC_BOLT_NUT2, IDC_BOLT_WASHER2};
constexpr std::pair<const char*, const char*> kPartPictures[] = {{"BoltWasher-off.bmp", "BoltWasher-on.bmp"},
                                                                 {"BoltWashers-off.bmp", "BoltWashers-on.bmp"},
                                                                 {"BoltNut-off.bmp", "BoltNut-on.bmp"},
                                                                 {"BoltNut-off.bmp", "BoltNut-on.bmp"},
                                                                 {"BoltWasher-off.bmp", "BoltWasher-on.bmp"}};
int* partOf(MacroBoltData& bolt, int index) {
    int* parts[] = {&bolt.washer1, &bolt.washers, &bolt.nut1, &bolt.nut2, &bolt.washer2};
    return parts[index];
}

// A slot's edits and their labels, in record order, then its kind; 1120 enables them all.
constexpr int kSlotControls[] = {IDC_BOLT_SLOT_RADIUS,       IDC_BOLT_SLOT_RADIUS_LABEL, IDC_BOLT_SLOT_LENGTH,
                                 IDC_BOLT_SLOT_LENGTH_LABEL, IDC_BOLT_SLOT_ANGLE,        IDC_BOLT_SLOT_ANGLE_LABEL,
                                 IDC_BOLT_SLOT_OFFSET,       IDC_BOLT_SLOT_OFFSET_LABEL, IDC_BOLT_SLOT_KIND,
                                 IDC_BOLT_SLOT_KIND_LABEL};
constexpr int kSlotKinds = 2;  // texts 994 and 995
bool isSlotControl(int id) {
    return std::find(std::begin(kSlotControls), std::end(kSlotControls), id) != std::end(kSlotControls);
}

constexpr int kEdits[] = {IDC_BOLT_PENETRATION, IDC_BOLT_ADDED_LENGTH, IDC_BOLT_TOLERANCE,  IDC_BOLT_SLOT_RADIUS,
                          IDC_BOLT_SLOT_LENGTH, IDC_BOLT_SLOT_ANGLE,   IDC_BOLT_SLOT_OFFSET};

Kv_String text(CWnd* dialog, int id) {
    std::string value;
    dialog->GetDlgItemText(id, value);
    return Kv_String(value);
}

// Fills a list and selects `value`, adding it when the list lacks it (an empty value selects
// nothing).
void fillAndSelect(CWnd* dialog, int id, Kv_StringArray entries, const Kv_String& value) {
    int index = value.isEmpty() ? -1 : entries.find(value);
    if (!value.isEmpty() && index < 0) {
        entries.append(value);
        index = entries.length() - 1;
    }
    FillCombo(dialog, id, entries, index);
}

}  // namespace

CDlgMacroBoltOptions::CDlgMacroBoltOptions(CDlgMacroTabPage* owner, CWnd* parent)
    : CAcUiDialog(IDD_MACRO_BOLT_OPTIONS, parent), owner_(owner), sheet_(this) {
    SetDialogName(kSizeName);
}

int CDlgMacroBoltOptions::firstInvalidSlot(const MacroBoltData& bolt) {
    for (int i = 0; i < bolt.slots.length(); ++i) {
        const MacroBoltSlot& slot = bolt.slots[i];
        if (slot.active > 0 && !(slot.radius.toDouble() > 0.0 && slot.length.toDouble() > 0.0)) return i;
    }
    return -1;
}

Kv_String CDlgMacroBoltOptions::slotWarning(int number) {
    return dialString(1000) + " " + Kv_String(number) + " " + dialString(1001) + "\n\n" + dialString(888) + ".";
}

BOOL CDlgMacroBoltOptions::OnInitDialog() {
    CAcUiDialog::OnInitDialog();
    ChangeDlgSize(this, kSizeName, false);
    slots_.SubclassDlgItem(IDC_BOLT_SLOTS, this);
    setLabels();
    setUpPictures();
    setUpSheet();
    Kv_StringArray kinds;
    for (int kind = 0; kind < kSlotKinds; ++kind) kinds.append(dialString(994 + kind));
    FillCombo(this, IDC_BOLT_SLOT_KIND, kinds);
    shownSlot_ = 0;
    showData();
    ready_ = true;
    return TRUE;
}

void CDlgMacroBoltOptions::setLabels() {
    SetWindowText(dialString(983).c_str());
    const std::pair<int, int> labels[] = {{IDC_BOLT_COMPOSITION_LABEL, 275},
                                          {IDC_BOLT_DIAMETER_LABEL, 278},
                                          {IDC_BOLT_PENETRATION_LABEL, 328},
                                          {IDC_BOLT_ADDED_LENGTH_LABEL, 277},
                                          {IDC_BOLT_TOLERANCE_LABEL, 242},
                                          {IDC_BOLT_FIXED_COUNT, 984},
                                          {IDC_BOLT_TAPPED, 674},
                                          {IDC_BOLT_REVERSE, 985},
                                          {IDC_BOLT_COUNTERSUNK, 234},
                                          {IDC_BOLT_SHOP_BOLTED, 276},
                                          {IDC_BOLT_COLUMNS_LABEL, 1477},
                                          {IDC_BOLT_SLOTS_LABEL, 986},
                                          {IDC_BOLT_SLOT_ACTIVE, 761},
                                          {IDC_BOLT_SLOT_LENGTH_LABEL, 328},
                                          {IDC_BOLT_SLOT_RADIUS_LABEL, 987},
                                          {IDC_BOLT_SLOT_ANGLE_LABEL, 988},
                                          {IDC_BOLT_SLOT_OFFSET_LABEL, 989},
                                          {IDC_BOLT_SLOT_KIND_LABEL, 990},
                                          {IDC_BOLT_NUT1_LABEL, 991},
                                          {IDC_BOLT_NUT2_LABEL, 991},
                                          {IDC_BOLT_WASHER1_LABEL, 992},
                                          {IDC_BOLT_WASHER2_LABEL, 992},
                                          {IDC_BOLT_WASHERS_LABEL, 993},
                                          {IDOK, 285}};
    for (const auto& [id, number] : labels) SetDlgItemText(id, dialString(number).c_str());
}

// The bolt picture, and a picture per state for each part; a picture that cannot be read
// leaves its control as it was (the bolt picture empty, a part an ordinary check box).
void CDlgMacroBoltOptions::setUpPictures() {
    setButtonIcon(this, picture_, IDC_BOLT_PICTURE, "DrawBolt2.bmp", true, true, true);
    const Kv_String icons = Kv_Settings::kvDir() + "icons\\";
    for (int i = 0; i < 5; ++i) {
        parts_[i].SubclassDlgItem(static_cast<UINT>(kPartBoxes[i]), this);
        parts_[i].SetStateBitmapFiles(icons + kPartPictures[i].first, icons + kPartPictures[i].second,
                                      RGB(0xFF, 0xFF, 0xFF));
    }
}

void CDlgMacroBoltOptions::setUpSheet() {
    if (!sheet_.attach(this, IDC_BOLT_COLUMNS)) return;
    sheet_.setDefaults(1);
    sheet_.setMaxCols(kBandWidth);
    Kv_StringArray headers;
    for (int col = 1; col <= kBandWidth; ++col) headers.append(Kv_String(col));
    sheet_.setHeaderRowTexts(headers);
    setColWidths(&sheet_, 1, kBandWidth, 40);
}

void CDlgMacroBoltOptions::showData() {
    showCompositions();
    SetDlgItemText(IDC_BOLT_PENETRATION, data.penetrationLength.c_str());
    SetDlgItemText(IDC_BOLT_ADDED_LENGTH, data.addedLength.c_str());
    SetDlgItemText(IDC_BOLT_TOLERANCE, data.holeTolerance.c_str());
    EnDisCtrl(this, IDC_BOLT_FIXED_COUNT, data.count > 0);
    CheckDlgButton(IDC_BOLT_FIXED_COUNT, data.countOption ? BST_CHECKED : BST_UNCHECKED);
    for (int i = 0; i < 4; ++i) {
        const int flag = *flagOf(data, i);
        CheckDlgButton(kFlagBoxes[i], isMixedBoltFlag(flag) ? BST_INDETERMINATE
                                      : flag > 0            ? BST_CHECKED
                                                            : BST_UNCHECKED);
    }
    showHoleColumns();
    showSlots();
    for (int i = 0; i < 5; ++i) CheckDlgButton(kPartBoxes[i], *partOf(data, i) > 0 ? BST_CHECKED : BST_UNCHECKED);
}

void CDlgMacroBoltOptions::showCompositions() {
    Kv_StringArray compositions;
    kvmacro::getAssemblies(compositions);
    fillAndSelect(this, IDC_BOLT_COMPOSITION, compositions, data.composition);
    fillAndSelect(this, IDC_BOLT_DIAMETER, diameters, data.diameter);
}

void CDlgMacroBoltOptions::showHoleColumns() {
    if (!sheet_.isAttached()) return;
    Kv_Array<int> flags;
    Kv_StringArray names;
    data.getHoleColumns(flags, names);
    const int bands = std::max(1, (flags.length() + kBandWidth - 1) / kBandWidth);
    sheet_.setMaxRows(2 * bands);
    Kv_StringArray rowHeaders;
    for (int band = 0; band < bands; ++band) {
        rowHeaders.append(dialString(996));
        rowHeaders.append(dialString(997));
    }
    sheet_.setHeaderColTexts(rowHeaders);
    for (int band = 0; band < bands; ++band) {
        for (int col = 1; col <= kBandWidth; ++col) {
            const int index = band * kBandWidth + col - 1;
            const int tickRow = 2 * band + 1, nameRow = tickRow + 1;
            if (index < flags.length()) {
                sheet_.setCellCheckBox(col, tickRow, false);
                sheet_.setCellBool(col, tickRow, flags[index] != 0);
                sheet_.setCellText(col, nameRow, names[index]);
                sheet_.setLock(col, tickRow, false);
                sheet_.setLock(col, nameRow, false);
            } else {
                sheet_.setCellText(col, tickRow, Kv_String());
                sheet_.setCellText(col, nameRow, Kv_String());
                sheet_.setLock(col, tickRow, true);
                sheet_.setLock(col, nameRow, true);
            }
        }
    }
}

void CDlgMacroBoltOptions::showSlots() {
    slots_.ResetContent();
    for (int i = 0; i < data.slots.length(); ++i)
        slots_.AddString((dialString(999) + " nr: " + Kv_String(i + 1)).c_str(), data.slots[i].active > 0);
    if (!data.slots.isValidIndex(shownSlot_)) shownSlot_ = 0;
    slots_.SetCurSel(data.slots.isValidIndex(shownSlot_) ? shownSlot_ : -1);
    showSlot();
}

void CDlgMacroBoltOptions::showSlot() {
    const bool any = data.slots.isValidIndex(shownSlot_);
    const MacroBoltSlot slot = any ? data.slots[shownSlot_] : MacroBoltSlot();
    CheckDlgButton(IDC_BOLT_SLOT_ACTIVE, slot.active > 0 ? BST_CHECKED : BST_UNCHECKED);
    SetDlgItemText(IDC_BOLT_SLOT_RADIUS, slot.radius.c_str());
    SetDlgItemText(IDC_BOLT_SLOT_LENGTH, slot.length.c_str());
    SetDlgItemText(IDC_BOLT_SLOT_ANGLE, slot.angle.c_str());
    SetDlgItemText(IDC_BOLT_SLOT_OFFSET, slot.extra.c_str());
    SendDlgItemMessage(IDC_BOLT_SLOT_KIND, CB_SETCURSEL, slot.kind >= 0 && slot.kind < kSlotKinds ? slot.kind : -1);
    EnDisCtrl(this, IDC_BOLT_SLOT_ACTIVE, any);
    EnDisCtrl(this, IDC_BOLT_SLOTS, any);
    enableSlotControls();
}

void CDlgMacroBoltOptions::enableSlotControls() {
    const bool on = data.slots.isValidIndex(shownSlot_) && IsDlgButtonChecked(IDC_BOLT_SLOT_ACTIVE) == BST_CHECKED;
    for (int id : kSlotControls) EnDisCtrl(this, id, on);
}

void CDlgMacroBoltOptions::readBack() {
    data.composition = text(this, IDC_BOLT_COMPOSITION);
    data.diameter = text(this, IDC_BOLT_DIAMETER);
    data.penetrationLength = text(this, IDC_BOLT_PENETRATION);
    data.addedLength = text(this, IDC_BOLT_ADDED_LENGTH);
    data.holeTolerance = text(this, IDC_BOLT_TOLERANCE);
    if (data.count > 0) data.countOption = IsDlgButtonChecked(IDC_BOLT_FIXED_COUNT) == BST_CHECKED;
    for (int i = 0; i < 4; ++i) {
        const UINT state = IsDlgButtonChecked(kFlagBoxes[i]);
        *flagOf(data, i) = state == BST_INDETERMINATE ? 2 : state == BST_CHECKED ? 1 : 0;
    }
    readHoleColumns();
    for (int i = 0; i < 5; ++i)
        if (clickedParts_.count(kPartBoxes[i]))
            *partOf(data, i) = IsDlgButtonChecked(kPartBoxes[i]) == BST_CHECKED ? 1 : 0;
    readSlot();
}

void CDlgMacroBoltOptions::readSlot() {
    if (!data.slots.isValidIndex(shownSlot_)) return;
    MacroBoltSlot& slot = data.slots[shownSlot_];
    slot.active = IsDlgButtonChecked(IDC_BOLT_SLOT_ACTIVE) == BST_CHECKED ? 1 : 0;
    slot.radius = text(this, IDC_BOLT_SLOT_RADIUS);
    slot.length = text(this, IDC_BOLT_SLOT_LENGTH);
    slot.angle = text(this, IDC_BOLT_SLOT_ANGLE);
    slot.extra = text(this, IDC_BOLT_SLOT_OFFSET);
    const int kind = static_cast<int>(SendDlgItemMessage(IDC_BOLT_SLOT_KIND, CB_GETCURSEL));
    if (kind >= 0) slot.kind = kind;
}

void CDlgMacroBoltOptions::readHoleColumns() {
    if (!sheet_.isAttached()) return;
    Kv_Array<int> flags;
    Kv_StringArray names;
    data.getHoleColumns(flags, names);
    for (int index = 0; index < flags.length(); ++index) {
        const int col = index % kBandWidth + 1, tickRow = 2 * (index / kBandWidth) + 1;
        bool on = false;
        if (sheet_.getCellBool(col, tickRow, on)) flags[index] = on ? 1 : 0;
        Kv_String name;
        if (sheet_.getCellText(col, tickRow + 1, name)) names[index] = name;
    }
    data.setHoleColumns(flags, names);
}

// Reads everything back, checks the slots and applies through the owner page; false (with
// the warning shown) when a slot fails.
bool CDlgMacroBoltOptions::apply() {
    if (!owner_) return true;
    if (!ready_ || applying_) return false;
    applying_ = true;
    applyPosted_ = false;
    editChanged_ = false;
    readBack();
    const int bad = firstInvalidSlot(data);
    if (bad >= 0) {
        MessageBox(slotWarning(bad + 1).c_str(), kWarningCaption, MB_OK | MB_ICONWARNING);
        applying_ = false;
        return false;
    }
    owner_->applyBoltOptions(data);
    showData();
    applying_ = false;
    return true;
}

void CDlgMacroBoltOptions::slotChosen() {
    const int chosen = slots_.GetCurSel();
    if (chosen < 0 || chosen == shownSlot_) return;
    readSlot();
    shownSlot_ = chosen;
    showSlot();
}

// A person ticked a slot in the list: that slot's activity follows the mark.
void CDlgMacroBoltOptions::slotTicked() {
    readSlot();
    for (int i = 0; i < data.slots.length(); ++i) data.slots[i].active = slots_.GetCheck(i) ? 1 : 0;
    if (data.slots.isValidIndex(shownSlot_))
        CheckDlgButton(IDC_BOLT_SLOT_ACTIVE, data.slots[shownSlot_].active > 0 ? BST_CHECKED : BST_UNCHECKED);
    enableSlotControls();
    apply();
}

void CDlgMacroBoltOptions::activeClicked() {
    if (data.slots.isValidIndex(shownSlot_))
        slots_.SetCheck(shownSlot_, IsDlgButtonChecked(IDC_BOLT_SLOT_ACTIVE) == BST_CHECKED);
    enableSlotControls();
    apply();
}

// Another composition: its diameters, the shown diameter kept when it has it.
void CDlgMacroBoltOptions::compositionChosen() {
    const Kv_String composition = text(this, IDC_BOLT_COMPOSITION);
    if (composition.isEmpty()) return;
    const Kv_String diameter = text(this, IDC_BOLT_DIAMETER);
    kvmacro::getDiameters(composition, diameters);
    FillCombo(this, IDC_BOLT_DIAMETER, diameters, diameters.find(diameter));
}

BOOL CDlgMacroBoltOptions::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam), code = HIWORD(wParam);
    if (!ready_ || applying_) return CAcUiDialog::OnCommand(wParam, lParam);
    if (id == IDC_BOLT_COLUMNS) {
        if (code == SSN_DATACHANGE || code == SSN_CELLCHANGE) apply();
        return TRUE;
    }
    switch (id) {
    case IDC_BOLT_COMPOSITION:
    case IDC_BOLT_DIAMETER:
    case IDC_BOLT_SLOT_KIND:
        if (code != CBN_SELCHANGE) break;
        if (id == IDC_BOLT_COMPOSITION) compositionChosen();
        apply();
        return TRUE;
    case IDC_BOLT_SLOTS:
        if (code == CBN_SELCHANGE) slotChosen();
        if (code == CBN_CHECKCHANGE) slotTicked();
        return TRUE;
    case IDC_BOLT_SLOT_ACTIVE:
        if (code == BN_CLICKED) activeClicked();
        return TRUE;
    case IDC_BOLT_FIXED_COUNT:
        if (code == BN_CLICKED) apply();
        return TRUE;
    case IDC_BOLT_NUT1_LABEL:
        if (code != STN_CLICKED) break;
        CheckDlgButton(IDC_BOLT_NUT1, IsDlgButtonChecked(IDC_BOLT_NUT1) == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED);
        clickedParts_.insert(IDC_BOLT_NUT1);
        apply();
        return TRUE;
    default: break;
    }
    if (code == BN_CLICKED && std::find(std::begin(kFlagBoxes), std::end(kFlagBoxes), id) != std::end(kFlagBoxes)) {
        disableTriState(this, id);
        apply();
        return TRUE;
    }
    if (code == BN_CLICKED && std::find(std::begin(kPartBoxes), std::end(kPartBoxes), id) != std::end(kPartBoxes)) {
        clickedParts_.insert(id);
        apply();
        return TRUE;
    }
    const bool edit = std::find(std::begin(kEdits), std::end(kEdits), id) != std::end(kEdits);
    if (edit && code == EN_CHANGE) {
        editChanged_ = true;
        return TRUE;
    }
    // A changed edit left: applied once the click or key that moved the focus has been
    // handled, so that OK (which applies itself) does not check the same values twice.
    if (edit && code == EN_KILLFOCUS) {
        if (editChanged_ && !applyPosted_) {
            applyPosted_ = true;
            leftSlotEdit_ = isSlotControl(id);
            PostMessage(kPostedApply);
        }
        return TRUE;
    }
    return CAcUiDialog::OnCommand(wParam, lParam);
}

BOOL CDlgMacroBoltOptions::OnWndMsg(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    if (msg == kPostedApply) {
        // Moving on within the shown slot's controls is no finished edit: the slot is checked
        // when the focus leaves it.
        HWND focus = ::GetFocus();
        const bool stillInSlot =
            leftSlotEdit_ && focus && ::IsChild(m_hWnd, focus) && isSlotControl(::GetDlgCtrlID(focus));
        if (applyPosted_ && stillInSlot) applyPosted_ = false;
        if (applyPosted_) apply();
        if (result) *result = 0;
        return TRUE;
    }
    return CAcUiDialog::OnWndMsg(msg, wParam, lParam, result);
}

// Enter applies and the dialog stays open; on the OK button it is OK.
BOOL CDlgMacroBoltOptions::PreTranslateMessage(MSG* msg) {
    if (msg->message == WM_KEYDOWN && msg->wParam == VK_RETURN && ready_) {
        HWND focus = ::GetFocus();
        const int id = focus && ::IsChild(m_hWnd, focus) ? ::GetDlgCtrlID(focus) : 0;
        const bool combo =
            id == IDC_BOLT_COMPOSITION || id == IDC_BOLT_DIAMETER || id == IDC_BOLT_SLOTS || id == IDC_BOLT_SLOT_KIND;
        const bool dropped = combo && ::SendMessage(focus, CB_GETDROPPEDSTATE, 0, 0) != 0;
        if (id != 0 && id != IDOK && id != IDCANCEL && !dropped) {
            apply();
            return TRUE;
        }
    }
    return CAcUiDialog::PreTranslateMessage(msg);
}

void CDlgMacroBoltOptions::OnOK() {
    if (apply()) CAcUiDialog::OnOK();
}

void CDlgMacroBoltOptions::OnDestroy() {
    WriteDlgSize(this, kSizeName);
    CAcUiDialog::OnDestroy();
}

void openBoltOptions(CDlgMacroTabPage* owner, MacroBoltData& bolt) {
    frame::launchModalDialog<CDlgMacroBoltOptions>(
        frame::LaunchRules{frame::ResourceScope::Open, frame::CopyBack::Always},
        [&](CDlgMacroBoltOptions& dialog) {
            dialog.data = bolt;
            kvmacro::getDiameters(bolt.composition, dialog.diameters);
        },
        [&](CDlgMacroBoltOptions& dialog) { bolt = dialog.data; }, frame::NothingAfterRun{}, owner);
}
