#include "designer/kv_designer_control.h"

#include <string_view>

#include "core/file_layer.h"
#include "win/winuser.h"

namespace {

constexpr char kSeparator = ';';

// Part i of a split text, empty when the text had fewer parts.
Kv_String partOf(const Kv_StringArray& parts, int i) { return parts.isValidIndex(i) ? parts[i] : Kv_String(); }

}  // namespace

Kv_String designerPropName(const char* word, int index) {
    Kv_String name(word);
    name += Kv_String(index);
    return name;
}

void Kv_DesignerControl::getFromPropList(const Kv_PropertiesList& list, int index) {
    int typeValue = 0;
    if (list.getProperty(designerPropName("type", index), typeValue) != Acad::eOk) typeValue = 0;
    type = static_cast<Kv_ControlType>(typeValue);
    // getProperty leaves the field alone when the value is missing or of another type.
    list.getProperty(designerPropName("topLeftX", index), topLeftX);
    list.getProperty(designerPropName("topLeftY", index), topLeftY);
    list.getProperty(designerPropName("bottomRightX", index), bottomRightX);
    list.getProperty(designerPropName("bottomRightY", index), bottomRightY);
    list.getProperty(designerPropName("contents", index), contents);
    Kv_String merged;
    if (list.getProperty(designerPropName("comboList", index), merged) == Acad::eOk) setSplitExtComboList(merged);
}

void Kv_DesignerControl::setToPropList(Kv_PropertiesList& list, int index) const {
    list.setProperty(designerPropName("type", index), static_cast<int>(type));
    list.setProperty(designerPropName("topLeftX", index), topLeftX);
    list.setProperty(designerPropName("topLeftY", index), topLeftY);
    list.setProperty(designerPropName("bottomRightX", index), bottomRightX);
    list.setProperty(designerPropName("bottomRightY", index), bottomRightY);
    list.setProperty(designerPropName("contents", index), contents);
    list.setProperty(designerPropName("comboList", index), getMergedExtComboList());
}

int Kv_DesignerControl::highestIndexInPropList(const Kv_PropertiesList& list, int limit) {
    static constexpr std::string_view kWords[] = {"type",         "topLeftX", "topLeftY", "bottomRightX",
                                                  "bottomRightY", "contents", "comboList"};
    int highest = -1;
    for (const Kv_String& name : list.names()) {
        for (std::string_view word : kWords) {
            const std::string_view text = name.view();
            if (text.size() <= word.size() || text.substr(0, word.size()) != word) continue;
            // Only the index as designerPropName writes it: decimal, no sign, no leading zero.
            const std::string_view digits = text.substr(word.size());
            if (digits.size() > 9 || (digits.size() > 1 && digits[0] == '0')) continue;
            int index = 0;
            bool isIndex = true;
            for (char c : digits) {
                if (c < '0' || c > '9') isIndex = false;
                index = index * 10 + (c - '0');
            }
            if (isIndex && index < limit && index > highest) highest = index;
        }
    }
    return highest;
}

Kv_String Kv_DesignerControl::getMergedExtComboList() const {
    switch (controlTypeInfo(type).extraTexts) {
    case Kv_ExtraTexts::FlexTexts: return stringArr(flexText1, flexText2, flexText3, flexText4).join(";");
    case Kv_ExtraTexts::ButtonTexts:
        return stringArr(buttonText1, buttonText2, buttonText3, buttonText4, listText).join(";");
    case Kv_ExtraTexts::None:
    case Kv_ExtraTexts::ListText: break;
    }
    return listText;
}

bool Kv_DesignerControl::setSplitExtComboList(const Kv_String& text) {
    switch (controlTypeInfo(type).extraTexts) {
    case Kv_ExtraTexts::FlexTexts: {
        const Kv_StringArray parts = strToArr(text, kSeparator);
        flexText1 = partOf(parts, 0);
        flexText2 = partOf(parts, 1);
        flexText3 = partOf(parts, 2);
        flexText4 = partOf(parts, 3);
        return true;
    }
    case Kv_ExtraTexts::ButtonTexts: {
        const Kv_StringArray parts = strToArr(text, kSeparator);
        buttonText1 = partOf(parts, 0);
        buttonText2 = partOf(parts, 1);
        buttonText3 = partOf(parts, 2);
        buttonText4 = partOf(parts, 3);
        listText = partOf(parts, 4);
        return true;
    }
    case Kv_ExtraTexts::None:
    case Kv_ExtraTexts::ListText: break;
    }
    listText = text;
    return true;
}

void Kv_DesignerControl::getComboItemsFromFile(Kv_StringArray& itemsOut) const {
    if (listText.isEmpty() || !ObjectExportFileExists(listText)) return;
    ObjectExportReadFile(listText, itemsOut);
}

bool Kv_DesignerControl::getCtrlPtr(HWND dialog, HWND& window) const {
    // Id 0 is what a control gets when the id range is full; it must never find some other
    // child that happens to carry 0.
    if (resId < 1 || dialog == nullptr || !IsWindow(dialog)) return false;
    HWND child = GetDlgItem(dialog, resId);
    if (child == nullptr) return false;
    window = child;
    return true;
}

HWND Kv_DesignerControl::getComboPtr(HWND dialog) const {
    switch (type) {
    case kCtrlVariableCombo:
    case kCtrlProfile:
    case kCtrlProfileOffset:
    case kCtrlProfileRotation: break;
    default: return nullptr;
    }
    HWND window = nullptr;
    return getCtrlPtr(dialog, window) ? window : nullptr;
}

HWND Kv_DesignerControl::getButtonPtr(HWND dialog) const {
    if (resId == 0 || controlWindowClass(type) != Kv_WindowClass::Button) return nullptr;
    HWND window = nullptr;
    return getCtrlPtr(dialog, window) ? window : nullptr;
}

HWND Kv_DesignerControl::getEditPtr(HWND dialog) const {
    if (resId == 0 || controlWindowClass(type) != Kv_WindowClass::Edit) return nullptr;
    HWND window = nullptr;
    return getCtrlPtr(dialog, window) ? window : nullptr;
}
