#include "constraints/filter_pages.h"

#include <algorithm>
#include <cstdlib>

#include "constraints/macro_settings_ids.h"
#include "core/dialog_helpers.h"
#include "core/kv_settings.h"
#include "core/kv_texts.h"
#include "resources/package_icons.h"

namespace {

void setLabels(CWnd& page, std::initializer_list<std::pair<int, int>> labels) {
    for (auto [id, text] : labels) page.SetDlgItemText(id, dialString(text).c_str());
}

// Axis angle: the mode radios and two numbers.
class AxisKind : public FilterKind {
public:
    explicit AxisKind(MacroFilterSettings& s)
        : FilterKind({IDC_MS_AXIS_LIST, IDC_MS_AXIS_ENABLE, IDC_MS_AXIS_GROUP},
                     {IDC_MS_AXIS_MODE_0, IDC_MS_AXIS_MODE_1, IDC_MS_AXIS_LABEL_1, IDC_MS_AXIS_VALUE_1,
                      IDC_MS_AXIS_LABEL_2, IDC_MS_AXIS_VALUE_2}),
          s_(s) {}

protected:
    Kv_StringArray& names() override { return s_.axisFilterNames; }
    Kv_Array<bool>& flags() override { return s_.axisFilterEnabled; }
    void showDetails(int i) override {
        // A mode the radios cannot show (neither 0 nor 1) checks neither and is kept.
        const int mode = s_.axisFilterMode.isValidIndex(i) ? s_.axisFilterMode[i] : 0;
        page_->CheckDlgButton(IDC_MS_AXIS_MODE_0, mode == 0 ? BST_CHECKED : BST_UNCHECKED);
        page_->CheckDlgButton(IDC_MS_AXIS_MODE_1, mode == 1 ? BST_CHECKED : BST_UNCHECKED);
        showNumber(IDC_MS_AXIS_VALUE_1, s_.axisFilterValue1, i);
        showNumber(IDC_MS_AXIS_VALUE_2, s_.axisFilterValue2, i);
    }
    void storeDetails(int i) override {
        growToNames(s_.axisFilterMode, 0);
        if (page_->IsDlgButtonChecked(IDC_MS_AXIS_MODE_0) == BST_CHECKED)
            s_.axisFilterMode[i] = 0;
        else if (page_->IsDlgButtonChecked(IDC_MS_AXIS_MODE_1) == BST_CHECKED)
            s_.axisFilterMode[i] = 1;
        storeNumber(IDC_MS_AXIS_VALUE_1, s_.axisFilterValue1, i);
        storeNumber(IDC_MS_AXIS_VALUE_2, s_.axisFilterValue2, i);
    }

private:
    MacroFilterSettings& s_;
};

// Section angle: the pairs of numbers in a two-column sheet, one row per pair.
class SectionAngleKind : public FilterKind {
public:
    SectionAngleKind(MacroFilterSettings& s, Kv_Spread& sheet)
        : FilterKind({IDC_MS_SECTION_LIST, IDC_MS_SECTION_ENABLE, IDC_MS_SECTION_GROUP},
                     {IDC_MS_SECTION_SHEET, IDC_MS_SECTION_ADD, IDC_MS_SECTION_DELETE}),
          s_(s),
          sheet_(sheet) {}

protected:
    Kv_StringArray& names() override { return s_.sectionAngleNames; }
    Kv_Array<bool>& flags() override { return s_.sectionAngleEnabled; }
    void showDetails(int i) override {
        static const Kv_Array<double> none;
        const Kv_Array<double>& numbers = s_.sectionAngleRanges.isValidIndex(i) ? s_.sectionAngleRanges[i] : none;
        // A lone last number shows as a row with an empty second cell.
        const int rows = (numbers.length() + 1) / 2;
        sheet_.setMaxRows(std::max(rows, 1));
        for (int row = 1; row <= std::max(rows, 1); ++row)
            for (int col = 1; col <= 2; ++col) {
                const int at = (row - 1) * 2 + col - 1;
                // Numbers are written in full, so that storing them gives back the same value.
                sheet_.setCellText(col, row, numbers.isValidIndex(at) ? Kv_String(numbers[at], -1) : Kv_String());
            }
    }
    void storeDetails(int i) override {
        Kv_Array<double> pairs;
        for (int row = 1; row <= sheet_.getMaxRows(); ++row) {
            Kv_String first, second;
            sheet_.getCellText(1, row, first, CellTextKind::Value);
            sheet_.getCellText(2, row, second, CellTextKind::Value);
            const double a = std::atof(first.c_str()), b = std::atof(second.c_str());
            if (a == 0 && b == 0) continue;
            pairs.append(a);
            pairs.append(b);
        }
        growToNames(s_.sectionAngleRanges, Kv_Array<double>());
        s_.sectionAngleRanges[i] = pairs;
    }

private:
    MacroFilterSettings& s_;
    Kv_Spread& sheet_;
};

// Path distance: two numbers.
class PathDistanceKind : public FilterKind {
public:
    explicit PathDistanceKind(MacroFilterSettings& s)
        : FilterKind({IDC_MS_PATH_LIST, IDC_MS_PATH_ENABLE, IDC_MS_PATH_GROUP},
                     {IDC_MS_PATH_LABEL_1, IDC_MS_PATH_VALUE_1, IDC_MS_PATH_LABEL_2, IDC_MS_PATH_VALUE_2}),
          s_(s) {}

protected:
    Kv_StringArray& names() override { return s_.pathDistanceNames; }
    Kv_Array<bool>& flags() override { return s_.pathDistanceEnabled; }
    void showDetails(int i) override {
        showNumber(IDC_MS_PATH_VALUE_1, s_.pathDistanceValue1, i);
        showNumber(IDC_MS_PATH_VALUE_2, s_.pathDistanceValue2, i);
    }
    void storeDetails(int i) override {
        storeNumber(IDC_MS_PATH_VALUE_1, s_.pathDistanceValue1, i);
        storeNumber(IDC_MS_PATH_VALUE_2, s_.pathDistanceValue2, i);
    }

private:
    MacroFilterSettings& s_;
};

// Section size: four numbers.
constexpr int kSizeEdits[4] = {IDC_MS_SIZE_VALUE_1, IDC_MS_SIZE_VALUE_2, IDC_MS_SIZE_VALUE_3, IDC_MS_SIZE_VALUE_4};

class SectionSizeKind : public FilterKind {
public:
    explicit SectionSizeKind(MacroFilterSettings& s)
        : FilterKind({IDC_MS_SIZE_LIST, IDC_MS_SIZE_ENABLE, IDC_MS_SIZE_GROUP},
                     {IDC_MS_SIZE_LABEL_1, IDC_MS_SIZE_VALUE_1, IDC_MS_SIZE_LABEL_2, IDC_MS_SIZE_VALUE_2,
                      IDC_MS_SIZE_LABEL_3, IDC_MS_SIZE_VALUE_3, IDC_MS_SIZE_LABEL_4, IDC_MS_SIZE_VALUE_4}),
          s_(s) {}

protected:
    Kv_StringArray& names() override { return s_.sectionSizeNames; }
    Kv_Array<bool>& flags() override { return s_.sectionSizeEnabled; }
    void showDetails(int i) override {
        for (int k = 0; k < 4; ++k) showNumber(kSizeEdits[k], s_.sectionSizeValues[static_cast<size_t>(k)], i);
    }
    void storeDetails(int i) override {
        for (int k = 0; k < 4; ++k) storeNumber(kSizeEdits[k], s_.sectionSizeValues[static_cast<size_t>(k)], i);
    }

private:
    MacroFilterSettings& s_;
};

}  // namespace

FilterPage::FilterPage(UINT templateId, int topCheckId) : CAcUiTabChildDialog(templateId), topCheckId_(topCheckId) {}

BOOL FilterPage::OnInitDialog() {
    CAcUiTabChildDialog::OnInitDialog();
    setLabels();
    const Kv_String icons = Kv_Settings::kvDir() + "icons\\";
    const std::vector<Picture> shown = pictures();
    for (size_t k = 0; k < shown.size() && k < pictures_.size(); ++k) {
        CButtonST& button = pictures_[k];
        if (!button.SubclassDlgItem(static_cast<UINT>(shown[k].id), this)) continue;
        // The pictures explain the filters; the buttons are never pressed.
        button.DrawDisabledColoured(TRUE);
        button.SetBitmapFile(icons + shown[k].file, RGB(255, 0, 255));
        button.EnableWindow(FALSE);
    }
    if (!settings) return TRUE;
    CheckDlgButton(topCheckId_, topFlag() ? BST_CHECKED : BST_UNCHECKED);
    prepare();
    createKinds();
    for (auto& kind : kinds_)
        if (kind) kind->init(*this);
    return TRUE;
}

BOOL FilterPage::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam), code = HIWORD(wParam);
    for (auto& kind : kinds_)
        if (kind && kind->onCommand(id, code)) return TRUE;
    if (onPageCommand(id, code)) return TRUE;
    return CAcUiTabChildDialog::OnCommand(wParam, lParam);
}

void FilterPage::OnDestroy() {
    if (settings) {
        topFlag() = IsDlgButtonChecked(topCheckId_) == BST_CHECKED;
        for (auto& kind : kinds_)
            if (kind) kind->storeSelected();
    }
    CAcUiTabChildDialog::OnDestroy();
}

AngleFilterPage::AngleFilterPage() : FilterPage(IDD_MS_ANGLE_PAGE, IDC_MS_USE_ANGLE), sectionSheet_(this) {}

void AngleFilterPage::setLabels() {
    ::setLabels(*this, {{IDC_MS_USE_ANGLE, 922},
                        {IDC_MS_AXIS_GROUP, 923},
                        {IDC_MS_SECTION_GROUP, 924},
                        {IDC_MS_AXIS_ENABLE, 925},
                        {IDC_MS_AXIS_LABEL_1, 926},
                        {IDC_MS_AXIS_LABEL_2, 927},
                        {IDC_MS_AXIS_MODE_0, 928},
                        {IDC_MS_AXIS_MODE_1, 929},
                        {IDC_MS_SECTION_ENABLE, 930}});
}

std::vector<FilterPage::Picture> AngleFilterPage::pictures() const {
    return {{IDC_MS_AXIS_PICTURE_90, "MacroFilterAngle90.bmp"},
            {IDC_MS_AXIS_PICTURE_180, "MacroFilterAngle180.bmp"},
            {IDC_MS_SECTION_PICTURE, "MacroFilterSectionAngle.bmp"}};
}

void AngleFilterPage::prepare() {
    sectionSheet_.attach(this, IDC_MS_SECTION_SHEET, true);
    const MacroFilterSettings& s = settings->filterSettings;
    const int pairs = s.sectionAngleRanges.isValidIndex(0) ? (s.sectionAngleRanges[0].length() + 1) / 2 : 0;
    resetListSheet(&sectionSheet_, 2, pairs, 0);
    if (addRow_.SubclassDlgItem(IDC_MS_SECTION_ADD, this)) {
        addRow_.SetIcon(IDI_KV_ADD);
        addRow_.SetTooltipText(920);
    }
    if (deleteRow_.SubclassDlgItem(IDC_MS_SECTION_DELETE, this)) {
        deleteRow_.SetIcon(IDI_KV_REMOVE);
        deleteRow_.SetTooltipText(921);
    }
}

void AngleFilterPage::createKinds() {
    kinds_[0] = std::make_unique<AxisKind>(settings->filterSettings);
    kinds_[1] = std::make_unique<SectionAngleKind>(settings->filterSettings, sectionSheet_);
}

bool AngleFilterPage::onPageCommand(int id, int code) {
    if (code != BN_CLICKED) return false;
    const int rows = sectionSheet_.getMaxRows();
    if (id == IDC_MS_SECTION_ADD) {
        sectionSheet_.setMaxRows(rows + 1);
        // A new row is empty, not the copy of the last one that growing makes; typing goes into it.
        for (int col = 1; col <= 2; ++col) sectionSheet_.setCellText(col, rows + 1, "");
        sectionSheet_.SetFocus();
        sectionSheet_.SetActiveCell(1, rows + 1);
        return true;
    }
    if (id == IDC_MS_SECTION_DELETE) {
        if (rows > 0) sectionSheet_.setMaxRows(rows - 1);
        return true;
    }
    return false;
}

DistanceFilterPage::DistanceFilterPage() : FilterPage(IDD_MS_DISTANCE_PAGE, IDC_MS_USE_DISTANCE) {}

void DistanceFilterPage::setLabels() {
    ::setLabels(*this, {{IDC_MS_USE_DISTANCE, 1351},
                        {IDC_MS_PATH_GROUP, 933},
                        {IDC_MS_PATH_ENABLE, 934},
                        {IDC_MS_PATH_LABEL_1, 935},
                        {IDC_MS_PATH_LABEL_2, 936},
                        {IDC_MS_SIZE_GROUP, 937},
                        {IDC_MS_SIZE_ENABLE, 938},
                        {IDC_MS_SIZE_LABEL_1, 939},
                        {IDC_MS_SIZE_LABEL_2, 940},
                        {IDC_MS_SIZE_LABEL_3, 941},
                        {IDC_MS_SIZE_LABEL_4, 934}});
}

std::vector<FilterPage::Picture> DistanceFilterPage::pictures() const {
    return {{IDC_MS_PATH_PICTURE, "MacroFilterPathDistance.bmp"}, {IDC_MS_SIZE_PICTURE, "MacroFilterSectionSize.bmp"}};
}

void DistanceFilterPage::createKinds() {
    kinds_[0] = std::make_unique<PathDistanceKind>(settings->filterSettings);
    kinds_[1] = std::make_unique<SectionSizeKind>(settings->filterSettings);
}
