#include "macro/dlg_select_macro.h"

#include <algorithm>
#include <string>

#include "core/dialog_helpers.h"
#include "core/dialog_reg_values.h"
#include "core/kv_texts.h"
#include "core/macro_lang_strings.h"
#include "core/macro_previews.h"
#include "frame/dialog_launcher.h"
#include "macro/select_macro_ids.h"
#include "sheet/ss_api.h"

namespace {

constexpr const char* kSizeName = "DLG_SELECT_MACRO";
constexpr const char* kLargeValue = "LARGE_DLG";
constexpr const char* kToggleTooltip = "Show or hide filter options";
constexpr int kCheckedBitmapId = 8134, kUncheckedBitmapId = 8136;
constexpr int kTitleRow = 1, kFirstMacroRow = 2;

RECT rectInDialog(CWnd* dialog, int id) {
    RECT r{};
    ::GetWindowRect(::GetDlgItem(dialog->m_hWnd, id), &r);
    ::MapWindowPoints(nullptr, dialog->m_hWnd, reinterpret_cast<LPPOINT>(&r), 2);
    return r;
}

}  // namespace

CDlgSelectMacro::CDlgSelectMacro(CWnd* parent) : CDialog(IDD_SELECT_MACRO, parent), filterTable_(this) {}

CDlgSelectMacro::~CDlgSelectMacro() {
    if (checkOn_) ::DeleteObject(checkOn_);
    if (checkOff_) ::DeleteObject(checkOff_);
}

BOOL CDlgSelectMacro::OnInitDialog() {
    CDialog::OnInitDialog();
    setLabels();
    if (toggle_.SubclassDlgItem(IDC_SELECT_MACRO_TOGGLE, this)) toggle_.SetTooltipText(Kv_String(kToggleTooltip));
    if (!otherChoice) EnDisCtrl(this, IDC_SELECT_MACRO_OTHER, option);
    largeDialog = readDlgRegBool(kSizeName, kLargeValue, true);

    if (filterTable_.attach(this, IDC_SELECT_MACRO_FILTER)) {
        filterTable_.setDefaults(1);
        filterTable_.SetBool(sheet::kOptColHeaderShown, FALSE);
        filterTable_.SetBool(sheet::kOptRowHeaderShown, FALSE);
    }
    pictures_.replacePlaceholder(this, IDC_SELECT_MACRO_PICTURES);
    pictures_.SetThumbnailSize(kPreviewWidth, kPreviewHeight);
    filterHeight_ =
        rectInDialog(this, IDC_SELECT_MACRO_GROUP).top - rectInDialog(this, IDC_SELECT_MACRO_FILTER_LABEL).top;

    resizer_.attach(this);
    const unsigned leftTop = CResizer::Left | CResizer::Top;
    resizer_.setAnchor(IDC_SELECT_MACRO_FILTER_LABEL, leftTop);
    resizer_.setAnchor(IDC_SELECT_MACRO_TOGGLE, CResizer::Right | CResizer::Top);
    resizer_.setAnchor(IDC_SELECT_MACRO_FILTER, CResizer::Left | CResizer::Right | CResizer::Top);
    resizer_.setAnchor(IDC_SELECT_MACRO_GROUP, CResizer::All);
    resizer_.setAnchor(IDC_SELECT_MACRO_PICTURES, CResizer::All);
    resizer_.setAnchor(IDC_SELECT_MACRO_PREVIEWS, CResizer::Left | CResizer::Bottom);
    resizer_.setAnchor(IDC_SELECT_MACRO_OTHER, CResizer::Left | CResizer::Bottom);
    for (int id : {IDOK, IDCANCEL}) resizer_.setAnchor(id, CResizer::Right | CResizer::Bottom);
    minimum_ = resizer_.minimumSize();

    ChangeDlgSize(this, kSizeName, false);
    // Previews are made before the pictures are read, so that a new macro shows at once.
    CreatePreviewBMPs(kPreviewWidth, kPreviewHeight, filter.getFilteredMacros(), Kv_String());
    CheckDlgButton(IDC_SELECT_MACRO_PREVIEWS, BST_CHECKED);
    buildFilterTable();
    buildPictures();
    showFilterArea();
    return TRUE;
}

void CDlgSelectMacro::setLabels() {
    Kv_String title = dialString(1116);
    if (!text.isEmpty()) title += Kv_String(" - ") + text;
    SetWindowText(title.c_str());
    const std::pair<int, int> labels[] = {
        {IDC_SELECT_MACRO_FILTER_LABEL, 1313}, {IDC_SELECT_MACRO_GROUP, 1644}, {IDOK, 1}, {IDCANCEL, 2},
        {IDC_SELECT_MACRO_PREVIEWS, 1118},     {IDC_SELECT_MACRO_OTHER, 1309}};
    for (const auto& [id, number] : labels) SetDlgItemText(id, dialString(number).c_str());
}

void CDlgSelectMacro::buildFilterTable() {
    filterReady_ = false;
    if (!filterTable_.isAttached()) return;
    Kv_Array<Kv_StringArray> names;
    Kv_Array<Kv_Array<int>> states;
    const bool merged = filter.getMergedProperties(names, states);
    int columns = 1;
    for (const Kv_StringArray& row : names) columns = std::max(columns, row.length());
    filterTable_.setMaxCols(columns);
    filterTable_.setMaxRows(kTitleRow + names.length());
    if (!checkOn_) checkOn_ = ::LoadBitmap(AfxGetResourceHandle(), MAKEINTRESOURCE(kCheckedBitmapId));
    if (!checkOff_) checkOff_ = ::LoadBitmap(AfxGetResourceHandle(), MAKEINTRESOURCE(kUncheckedBitmapId));

    Kv_StringArray titles;
    titles.append(dialString(1119));
    for (int n = 1; n < columns; ++n) titles.append(dialString(1120) + " " + Kv_String(n));
    filterTable_.clearRows(1, filterTable_.getMaxRows());
    filterTable_.setTypeEdit(SpreadRange{1, kTitleRow, columns, kTitleRow});
    filterTable_.setRowStrings(kTitleRow, titles);
    filterTable_.setFontRange(SpreadRange{1, kTitleRow, columns, kTitleRow}, true);
    for (int col = 1; col <= columns; ++col) filterTable_.setLock(col, kTitleRow, true);

    for (int macro = 0; macro < names.length(); ++macro) {
        const int row = kFirstMacroRow + macro;
        for (int col = 1; col <= columns; ++col) {
            const int index = col - 1;
            if (index >= names[macro].length()) {
                filterTable_.setTypeEdit(SpreadRange{col, row, col, row});
                filterTable_.setLock(col, row, true);
                continue;
            }
            SS_CELLTYPE type;
            // The box carries the name it switches, so that the table reads as a list.
            filterTable_.SetTypeCheckBox(&type, 768, names[macro][index].c_str(), checkOff_, SS_PICT_HANDLE_BITMAP,
                                         checkOn_, SS_PICT_HANDLE_BITMAP, checkOff_, SS_PICT_HANDLE_BITMAP, checkOn_,
                                         SS_PICT_HANDLE_BITMAP);
            filterTable_.SetCellType(col, row, &type);
            filterTable_.setLock(col, row, false);
            filterTable_.setCellBool(col, row, states[macro][index] != 0);
        }
    }
    // Boxes read by their names: each column is as wide as its widest title or name.
    CDC* dc = filterTable_.GetDC();
    for (int col = 1; col <= columns; ++col) {
        int widest = dc ? dc->GetTextExtent(titles[col - 1].str()).cx : 0;
        for (const Kv_StringArray& row : names)
            if (dc && col - 1 < row.length())
                widest = std::max<int>(widest, dc->GetTextExtent(row[col - 1].str()).cx + 20);
        filterTable_.SetColWidthInPixels(col, widest + 12);
    }
    if (dc) filterTable_.ReleaseDC(dc);
    filterReady_ = merged;
}

void CDlgSelectMacro::buildPictures() {
    shownFiles_ = filter.getFilteredMacros();
    Kv_StringArray previews, labels;
    baseNames_.removeAll();
    const bool withPictures = IsDlgButtonChecked(IDC_SELECT_MACRO_PREVIEWS) != BST_UNCHECKED;
    for (const Kv_String& file : shownFiles_) {
        const Kv_String name = Kv_MacroPropsFilter::macroName(file);
        labels.append(MacroLangs::GetString(name, ""));
        baseNames_.append(stripNumbersAtEnd(name));
        previews.append(withPictures ? previewFileOf(file, Kv_String()) : Kv_String());
    }
    CreatePreviewBMPs(kPreviewWidth, kPreviewHeight, shownFiles_, Kv_String());
    pictures_.SetImageFiles(previews);
    pictures_.SetDisplayNames(labels);
    pictures_.DrawThumbnails();
}

void CDlgSelectMacro::filterClicked() {
    if (!filterReady_) return;
    SS_COORD col = 0, row = 0;
    if (!filterTable_.GetActiveCell(&col, &row) || row < kFirstMacroRow || col < 1) return;
    if (!filterTable_.isCheckBoxCell(col, row)) return;
    bool on = false;
    if (!filterTable_.getCellBool(col, row, on)) return;
    const int macro = row - kFirstMacroRow;
    if (col == 1) {
        filter.setModuleStatus(macro, on);
    } else {
        Kv_Array<Kv_StringArray> names;
        Kv_Array<Kv_Array<int>> states;
        filter.getMergedProperties(names, states);
        if (!names.isValidIndex(macro) || !names[macro].isValidIndex(col - 1)) return;
        filter.setModulePropStatus(macro, names[macro][col - 1], on);
    }
    buildFilterTable();
    buildPictures();
}

void CDlgSelectMacro::showFilterArea() {
    toggle_.SetIcon(largeDialog ? IDI_SELECT_MACRO_FILTER_SHOWN : IDI_SELECT_MACRO_FILTER_HIDDEN);
    if (largeDialog == areaShown_) return;
    areaShown_ = largeDialog;
    for (int id : {IDC_SELECT_MACRO_FILTER_LABEL, IDC_SELECT_MACRO_FILTER}) ShowOrHideCtrl(this, id, areaShown_);
    const int shift = areaShown_ ? filterHeight_ : -filterHeight_;
    for (int id : {IDC_SELECT_MACRO_GROUP, IDC_SELECT_MACRO_PICTURES}) {
        RECT r = rectInDialog(this, id);
        r.top += shift;
        GetDlgItem(id)->MoveWindow(r.left, r.top, r.right - r.left, r.bottom - r.top);
    }
    resizer_.attach(this);  // the moved controls keep their new places from now on
    resizer_.setMinimumSize(minimum_.cx, areaShown_ ? minimum_.cy : minimum_.cy - filterHeight_);
}

BOOL CDlgSelectMacro::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    const int code = HIWORD(wParam);
    if (id == IDC_SELECT_MACRO_FILTER && code == SSN_CELLCHANGE) {
        filterClicked();
        return TRUE;
    }
    if (id == IDC_SELECT_MACRO_PICTURES && code == CImageListCtrl::ImageListDoubleClicked) {
        OnOK();
        return TRUE;
    }
    if (code == BN_CLICKED) {
        switch (id) {
        case IDC_SELECT_MACRO_TOGGLE:
            largeDialog = !largeDialog;
            showFilterArea();
            return TRUE;
        case IDC_SELECT_MACRO_PREVIEWS: buildPictures(); return TRUE;
        case IDC_SELECT_MACRO_OTHER:
            otherChoice = true;
            EndDialog(IDOK);
            return TRUE;
        default: break;
        }
    }
    return CDialog::OnCommand(wParam, lParam);
}

void CDlgSelectMacro::OnOK() {
    const int index = pictures_.selectedIndex();
    if (index < 0 || index >= shownFiles_.length()) return;
    selected = Kv_MacroPropsFilter::withExtension(shownFiles_[index], "dwg");
    otherChoice = false;
    EndDialog(IDOK);
}

void CDlgSelectMacro::OnSize(UINT type, int cx, int cy) {
    CDialog::OnSize(type, cx, cy);
    if (resizer_.isAttached()) resizer_.resize();
}

void CDlgSelectMacro::OnGetMinMaxInfo(MINMAXINFO* info) {
    CDialog::OnGetMinMaxInfo(info);
    resizer_.limitTracking(info);
}

void CDlgSelectMacro::OnDestroy() {
    WriteDlgSize(this, kSizeName);
    writeDlgRegBool(kSizeName, kLargeValue, largeDialog);
    CDialog::OnDestroy();
}

bool StartDlgSelectMacro(const Kv_String& text, const Kv_StringArray& macroFiles, const AcArray<bool>& flags,
                         const int& a, const int& b, Kv_String& selected, bool& otherChoice, bool option) {
    return frame::launchModalDialog<CDlgSelectMacro>(
        frame::LaunchRules{},
        [&](CDlgSelectMacro& dialog) {
            dialog.text = text;
            dialog.filter.init(macroFiles, flags, a, b);
            dialog.option = option;
            dialog.otherChoice = otherChoice;
            dialog.selected = selected;
        },
        [&](CDlgSelectMacro& dialog) {
            selected = dialog.selected;
            otherChoice = dialog.otherChoice;
        });
}

bool StartDlgSelectMacro(const Kv_String& text, const Kv_StringArray& macroFiles, const int& a, const int& b,
                         Kv_String& selected, bool& otherChoice, bool option) {
    // A flag says "starts switched off": without flags every macro is offered.
    AcArray<bool> flags;
    fillArr(false, macroFiles.length(), flags);
    return StartDlgSelectMacro(text, macroFiles, flags, a, b, selected, otherChoice, option);
}
