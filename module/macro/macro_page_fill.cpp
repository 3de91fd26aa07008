// CDlgMacroTabPage: filling the page.  The template is read and each control linked to the
// element of the tab it shows (a control that links to nothing is dropped), the elements no
// control shows are listed in the sheet, then the bolt row, the flex buttons and the values.
#include "core/dialog_helpers.h"
#include "core/kv_texts.h"
#include "core/macro_instances.h"
#include "core/macro_lang_strings.h"
#include "frame/module_frame.h"
#include "macro/dlg_macro.h"
#include "macro/dlg_macro_tab_page.h"
#include "macro/macro_core_calls.h"
#include "macro/macro_ids.h"
#include "macro/macro_calculator.h"
#include "macro/macro_page_text.h"
#include "sheet/ss_api.h"

namespace {

// Styles of the value cells (engine numbers).
constexpr long kEditStyle = 0x400000 + 0x800000 + 0x80;
constexpr long kComboStyle = 0x400000;
constexpr long kEditableComboStyle = 0x400000 + 2;
constexpr long kCheckStyle = 768;
// Pattern and array rows: their edit cells add this to the base style.
constexpr long kRowEditExtra = 0x800000 + 0x80;
constexpr long kRowBaseStyle = 0x400000;
constexpr int kEditLength = 1000;

bool shownByControl(int link) { return link > 0; }

}  // namespace

void CDlgMacroTabPage::fillPage(bool readTemplate) {
    MacroTabData& data = tab();
    sheet_.SetBool(sheet::kOptRedraw, FALSE);
    kind_ = data.kind;
    kvmacro::removeAllDlgReferences(data);
    templateHasBoltButton_ = false;
    if (readTemplate) {
        loadTemplate();
    } else {
        // The windows stay: a refresh may run inside a notification of one of them.  Controls
        // whose element went away are hidden instead of dropped.
        for (int i = 0; i < template_.getNrControls() && i < static_cast<int>(asRead_.size()); ++i) {
            *template_.getControlWrite(i) = asRead_[static_cast<size_t>(i)];
            ShowOrHideCtrl(m_hWnd, asRead_[static_cast<size_t>(i)].resId, linkControl(i));
        }
    }
    listUnplacedElements();
    fillFixedRows();
    setFlexButtonStates();
    valuesToControls();
    layoutControls();
}

bool CDlgMacroTabPage::loadTemplate() {
    template_.removeAllDrawnCtrls();
    template_ = Kv_DlgDesignerData();
    template_.initialize(m_hWnd, 33000, 33099, 0, 0, 0, 0, 0, false);
    const Kv_String& file = tab().templateFile;
    if (file.isEmpty()) return false;
    if (!template_.readFromFile(file, true)) {
        // The picture may have loaded; the controls did not.
        while (template_.getNrControls() > 0) template_.removeControl(template_.getNrControls() - 1);
    }
    asRead_.clear();
    for (int i = 0; i < template_.getNrControls(); ++i) {
        const Kv_DesignerControl read = *template_.getControl(i);
        if (linkControl(i))
            asRead_.push_back(read);
        else
            template_.removeControl(i--);
    }
    template_.redrawAllControls();
    return true;
}

// Links the control at index to the element it shows (its id is stored in the element's link);
// false when there is no such element and the control must go.
bool CDlgMacroTabPage::linkControl(int index) {
    Kv_DesignerControl& control = *template_.getControlWrite(index);
    MacroTabData& data = tab();
    const int id = control.resId;
    const Kv_String& name = control.contents;
    switch (control.type) {
    case kCtrlLabel:
    case kCtrlGroupBox:
        // A label naming a cell in its list text is blank when the tab has no such cell.
        if (!control.listText.isEmpty() && !kvmacro::findCell(data, control.listText))
            control.contents.clear();
        else
            control.contents = MacroLangs::GetStringChopSymbols(name);
        return true;
    case kCtrlVariableEdit:
    case kCtrlVariableCombo: {
        MacroCell* cell = kvmacro::findCell(data, name);
        if (!cell) return false;
        control.contents = cell->value;
        control.disabled = cell->readOnly ? 1 : 0;
        cell->link = id;
        return true;
    }
    case kCtrlBoltCount1: {
        MacroPatternProps* pattern = kvmacro::findPattern(data, name);
        if (!pattern) return false;
        control.contents = pattern->value;
        pattern->valueLink = id;
        return true;
    }
    case kCtrlBoltCount2: {
        MacroPatternProps* pattern = kvmacro::findPattern(data, name);
        if (!pattern || pattern->getCount() == -1) return false;
        control.contents = pattern->count;
        pattern->countLink = id;
        return true;
    }
    case kCtrlPatternButton: {
        MacroPatternProps* pattern = kvmacro::findPattern(data, name);
        if (!pattern) return false;
        control.contents = "...";
        pattern->buttonLink = id;
        return true;
    }
    case kCtrlBoltValue1:
    case kCtrlBoltValue2:
    case kCtrlBoltValue3:
    case kCtrlBoltValue4:
    case kCtrlBoltValue5: {
        const int which = control.type - kCtrlBoltValue1;
        control.contents = *data.bolt.value(which);
        *data.bolt.link(which) = id;
        return true;
    }
    case kCtrlBoltButton:
        control.contents = optionsButtonText(template_, control);
        data.bolt.buttonLink = id;
        templateHasBoltButton_ = true;
        return true;
    case kCtrlProfile:
    case kCtrlProfileValue2:
    case kCtrlProfileOffset:
    case kCtrlProfileRotation:
    case kCtrlProfileButton:
        return linkProfileControl(data, control, optionsButtonText(template_, control), owner_->sectionLists());
    case kCtrlArrayValue1:
    case kCtrlArrayValue2:
    case kCtrlArrayValue3:
    case kCtrlArrayValue4:
    case kCtrlArrayValue5: {
        DynArrayData* array = kvmacro::findArray(data, name);
        if (!array) return false;
        const int number = control.type - kCtrlArrayValue1 + 1;
        if (control.type == kCtrlArrayValue3 && array->arrayType != 1) return false;
        control.contents = *array->value(number);
        *array->valueLink(number) = id;
        return true;
    }
    case kCtrlArrayEntry: {
        DynArrayData* array = kvmacro::findArray(data, name);
        if (!array) return false;
        const int entry = control.listText.toInt();
        if (array->arrayType == 1 || !array->entries.isValidIndex(entry)) return false;
        array->entries[entry].link = id;
        return true;
    }
    case kCtrlArrayButton: {
        DynArrayData* array = kvmacro::findArray(data, name);
        if (!array) return false;
        control.contents = optionsButtonText(template_, control);
        array->buttonLink = id;
        return true;
    }
    case kCtrlCellButton:
    case kCtrlCellButton2: {
        // The cell the calculator writes is the one linked: it must be there and editable.
        // The button shows no value of its own: the cell keeps the control that shows it.
        const MacroCell* cell = kvmacro::findCell(data, calculatorTargetName(control));
        return cell && !cell->readOnly;
    }
    case kCtrlDrawingList: {
        if (!data.dwgListEnabled) return false;
        Kv_StringArray drawings;
        if (!getDrawingListNames(control.listText, drawings)) return false;
        drawings.append(dialString(695));
        control.items = drawings;
        data.dwgListLink = id;
        return true;
    }
    case kCtrlChoice: {
        MacroCutData* cut = kvmacro::findCut(data, name);
        if (!cut) return false;
        control.contents = Kv_String(cut->value);
        cut->link = id;
        return true;
    }
    case kCtrlCheckBox: {
        MacroCell* cell = kvmacro::findCell(data, name);
        if (!cell) return false;
        control.contents = MacroLangs::GetStringChopSymbols(name);
        control.listText = cell->value;
        control.disabled = cell->readOnly ? 1 : 0;
        cell->link = id;
        return true;
    }
    case kCtrlFlexButton: return kvmacro::findFlexFixGroup(data, control.flexText1) != nullptr;
    default: return true;
    }
}

void CDlgMacroTabPage::listUnplacedElements() {
    MacroTabData& data = tab();
    sheet_.SetMaxRows(0);
    sheet_.SetMaxCols(4);
    int row = 0;
    for (MacroCell& cell : data.cells)
        if (!shownByControl(cell.link)) writeCellRow(cell, ++row);
    if (data.kind == 1)
        for (MacroPatternProps& pattern : data.patterns)
            if (!pattern.fullyShown()) writePatternRow(pattern, ++row);
    for (DynArrayData& array : data.arrays)
        if (!array.hasValueLink()) writeArrayRow(array, ++row);
    sheetShown_ = row > 0;
    sheet_.ShowWindow(sheetShown_ ? SW_SHOW : SW_HIDE);
    sheet_.SetBool(sheet::kOptRedraw, TRUE);
}

void CDlgMacroTabPage::writeCellRow(MacroCell& cell, int row) {
    sheet_.SetMaxRows(row);
    sheet_.SetData(1, row, cell.name.c_str());
    sheet_.SetLock(1, row, TRUE);
    sheet_.AddCellSpan(1, row, 2, 1);
    sheet_.AddCellSpan(3, row, 2, 1);
    SS_CELLTYPE type;
    switch (cell.type) {
    case 1:
    case 2: sheet_.SetTypeEdit(&type, kEditStyle, kEditLength, 0, 1); break;
    case 3: sheet_.SetTypeComboBox(&type, kComboStyle, cell.value.c_str()); break;
    case 4: sheet_.SetTypeComboBox(&type, kEditableComboStyle, cell.value.c_str()); break;
    case 5:
        sheet_.SetTypeCheckBox(&type, kCheckStyle, "", frame::checkCellBitmap(false), SS_PICT_HANDLE_BITMAP,
                               frame::checkCellBitmap(true), SS_PICT_HANDLE_BITMAP, nullptr, 0, nullptr, 0);
        break;
    default: break;
    }
    if (cell.type >= 1 && cell.type <= 5) {
        sheet_.SetCellType(3, row, &type);
        sheet_.SetData(3, row, cell.value.c_str());
    }
    sheet_.SetLock(3, row, cell.readOnly ? TRUE : FALSE);
    cell.link = -row;
}

void CDlgMacroTabPage::writePatternRow(MacroPatternProps& pattern, int row) {
    sheet_.SetMaxRows(row);
    sheet_.SetData(1, row, pattern.name.c_str());
    sheet_.SetLock(1, row, TRUE);
    SS_CELLTYPE type;
    sheet_.SetTypeEdit(&type, kRowBaseStyle + kRowEditExtra, kEditLength, 0, 1);
    sheet_.SetCellTypeRange(3, row, 4, row, &type);
    sheet_.SetData(3, row, pattern.value.c_str());
    if (pattern.getCount() != -1)
        sheet_.SetData(4, row, pattern.count.c_str());
    else
        sheet_.AddCellSpan(3, row, 2, 1);
    if (pattern.optionButton)
        sheet_.setCellButton(2, row, dialString(1324));
    else
        sheet_.AddCellSpan(1, row, 2, 1);
    pattern.valueLink = -row;
}

void CDlgMacroTabPage::writeArrayRow(DynArrayData& array, int row) {
    sheet_.SetMaxRows(row);
    sheet_.SetData(1, row, array.name.c_str());
    sheet_.SetLock(1, row, TRUE);
    SS_CELLTYPE type;
    sheet_.SetTypeEdit(&type, kRowBaseStyle + kRowEditExtra, kEditLength, 0, 1);
    sheet_.SetCellTypeRange(3, row, 4, row, &type);
    sheet_.setCellButton(2, row, dialString(1324));
    sheet_.AddCellSpan(3, row, 2, 1);
    sheet_.SetLock(3, row, FALSE);
    array.value1Link = -row;
}

void CDlgMacroTabPage::fillFixedRows() { fillBoltRow(); }

bool CDlgMacroTabPage::boltRowShown() const { return kind_ == 1 && !templateHasBoltButton_; }

void CDlgMacroTabPage::fillBoltRow() {
    const bool shown = boltRowShown();
    for (int id : {IDC_PAGE_BOLT_COMPOSITION_LABEL, IDC_PAGE_BOLT_DIAMETER_LABEL, IDC_PAGE_BOLT_COMPOSITION,
                   IDC_PAGE_BOLT_DIAMETER, IDC_PAGE_BOLT_OPTIONS})
        ShowOrHideCtrl(m_hWnd, id, shown);
    if (!shown) return;
    const MacroBoltData& bolt = tab().bolt;
    SetDlgItemText(IDC_PAGE_BOLT_COMPOSITION_LABEL, MacroLangs::GetStringChopSymbols("Composition").c_str());
    SetDlgItemText(IDC_PAGE_BOLT_DIAMETER_LABEL, MacroLangs::GetStringChopSymbols("Diameter").c_str());
    SetDlgItemText(IDC_PAGE_BOLT_OPTIONS, dialString(968).c_str());
    Kv_StringArray compositions, diameters;
    kvmacro::getAssemblies(compositions);
    const Kv_String& composition = bolt.composition;
    // A composition or diameter the library does not list is still the bolt's: add it.
    if (!composition.isEmpty() && !compositions.contains(composition)) compositions.append(composition);
    FillCombo(m_hWnd, IDC_PAGE_BOLT_COMPOSITION, compositions, compositions.find(composition));
    kvmacro::getDiameters(composition, diameters);
    const Kv_String& diameter = bolt.diameter;
    if (!diameter.isEmpty() && !diameters.contains(diameter)) diameters.append(diameter);
    FillCombo(m_hWnd, IDC_PAGE_BOLT_DIAMETER, diameters, diameters.find(diameter));
}

void CDlgMacroTabPage::setFlexButtonStates() {
    Kv_StringArray groups;
    template_.getFlexBtnsGroups(groups);
    for (const Kv_String& groupName : groups) {
        const MacroFlexFixGroup* group = kvmacro::findFlexFixGroup(tab(), groupName);
        if (!group) continue;
        for (const MacroFlexFixMember& member : group->members)
            template_.setFlexBtnStatus(groupName, member.name, member.fixed == 0 ? 1 : 0);
    }
}
