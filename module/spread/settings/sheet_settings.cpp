#include "spread/settings/sheet_settings.h"

#include <algorithm>

#include "core/kv_settings.h"
#include "core/file_layer.h"
#include "host/command_line.h"
#include "spread/kv_spread.h"

namespace {

// The engine refuses a cell tag longer than this.
bool fitsInOneCell(const Kv_String& text) { return static_cast<size_t>(text.length()) <= sheet::kMaxTextLength; }

void takeString(const PropertyBag& bag, const char* key, Kv_String& field) { bag.getString(key, field); }
void takeInt(const PropertyBag& bag, const char* key, int& field) { bag.getInt(key, field); }
void takeBool(const PropertyBag& bag, const char* key, bool& field) { bag.getBool(key, field); }

void takeList(const PropertyBag& bag, const char* key, Kv_StringArray& list) {
    list.removeAll();
    for (int i = 0;; ++i) {
        Kv_String value;
        if (!bag.getString(Kv_String(key) + Kv_String(i), value)) break;
        list.append(value);
    }
}

void warnNotStored(const Kv_String& name) {
    acutPrintf("*Warning* %s not stored: its text holds the byte 0xA4.\n", name.c_str());
}

// A text holding the field end byte would split its entry; it is left out and its field reads
// back as the default.
void putString(PropertyBag& bag, const char* key, const Kv_String& value) {
    if (!bag.setString(key, value)) warnNotStored(key);
}

// The lists are read back by consecutive index until one is missing, so an element that
// cannot be stored (it holds the field end byte) is stored empty: leaving it out would lose
// every element after it.
void putList(PropertyBag& bag, const char* key, const Kv_StringArray& list) {
    for (int i = 0; i < list.length(); ++i) {
        const Kv_String name = Kv_String(key) + Kv_String(i);
        if (bag.setString(name, list[i])) continue;
        warnNotStored(name);
        bag.setString(name, Kv_String());
    }
}

}  // namespace

void SheetSettings::reset() {
    loaded = false;
    defaultFont = "Tahoma";
    defaultTextHeight = 13;
    marginLeft = 9;
    marginRight = 5;
    marginTop = 5;
    marginBottom = 5;
    smartPrint = colors = colHeader = rowHeader = cellSeperators = border = true;
    workbookCopy = false;
}

Kv_String SheetSettings::installationFolder() {
    Kv_String folder = Kv_Settings::kvDir();
    folder.replaceSubString("/", "\\");
    ensureEndBSlash(folder);
    return folder;
}

Kv_String SheetSettings::settingsFilePath(const Kv_String& name) { return installationFolder() + name + ".twd"; }

bool SheetSettings::readFile(const Kv_String& name) {
    reset();
    loaded = true;
    if (name.isEmpty()) return false;
    PropertyBag bag;
    if (!bag.readFile(settingsFilePath(name))) return false;
    takeKeys(bag);
    return true;
}

bool SheetSettings::readFromSheet(const Kv_Spread& sheet) {
    reset();
    loaded = true;
    sheetWnd = sheet.m_hWnd;
    if (!sheet.isAttached()) return false;
    // An empty tag (the engine reports it as a failed read) leaves the defaults.
    Kv_String tag;
    PropertyBag bag;
    if (sheet.getCellText(SS_HEADER, SS_HEADER, tag, CellTextKind::Tag) && bag.parse(tag.view())) takeKeys(bag);
    return true;
}

bool SheetSettings::writeToSheet(const Kv_Spread& sheet) const {
    if (!loaded || !sheet.isAttached()) return false;
    Kv_String text;
    // An entry that cannot be stored is left out; the rest of the record still goes in.
    toBag().serialise(text);
    if (fitsInOneCell(text)) return _SSSetCellTag(sheet.m_hWnd, SS_HEADER, SS_HEADER, text.c_str()) != 0;

    // The engine refuses a longer tag, which would leave the sheet with an older record or
    // none.  The fixed keys and the first variables, as many as fit, are stored instead, and
    // the caller learns that the record is not whole.
    const int kept = variablesThatFit();
    SheetSettings shortened(*this);
    shortened.varNames.setLogicalLength(kept);
    shortened.varValues.setLogicalLength(kept);
    shortened.toBag().serialise(text);
    acutPrintf("*Error* The sheet settings are longer than the %zu bytes a sheet keeps: %d of %d variables stored.\n",
               sheet::kMaxTextLength, kept, std::min(varNames.length(), varValues.length()));
    if (fitsInOneCell(text)) _SSSetCellTag(sheet.m_hWnd, SS_HEADER, SS_HEADER, text.c_str());
    return false;
}

int SheetSettings::variablesThatFit() const {
    SheetSettings fixedOnly(*this);
    fixedOnly.varNames.removeAll();
    fixedOnly.varValues.removeAll();
    Kv_String text;
    fixedOnly.toBag().serialise(text);
    // An entry is its name, type code 4 and value, each followed by the field end byte; a
    // value that cannot be stored goes in empty (putList).
    auto entryLength = [](const char* key, int index, const Kv_String& value) {
        const int valueLength = isStorableBagText(value) ? value.length() : 0;
        return (Kv_String(key) + Kv_String(index)).length() + 1 + 2 + valueLength + 1;
    };
    long long length = text.length();
    const int count = std::min(varNames.length(), varValues.length());
    int kept = 0;
    for (; kept < count; ++kept) {
        length += entryLength("varNames", kept, varNames[kept]) + entryLength("varValues", kept, varValues[kept]);
        if (length > static_cast<long long>(sheet::kMaxTextLength)) break;
    }
    return kept;
}

void SheetSettings::takeKeys(const PropertyBag& bag) {
    takeString(bag, "defaultFont", defaultFont);
    takeInt(bag, "defaultTextHeight", defaultTextHeight);
    takeString(bag, "headerFile", headerFile);
    takeString(bag, "footerFile", footerFile);
    takeInt(bag, "marginLeft", marginLeft);
    takeInt(bag, "marginRight", marginRight);
    takeInt(bag, "marginTop", marginTop);
    takeInt(bag, "marginBottom", marginBottom);
    takeBool(bag, "smartPrint", smartPrint);
    takeBool(bag, "colors", colors);
    takeBool(bag, "colHeader", colHeader);
    takeBool(bag, "rowHeader", rowHeader);
    takeBool(bag, "cellSeperators", cellSeperators);
    takeBool(bag, "border", border);
    takeBool(bag, "workbookCopy", workbookCopy);
    takeList(bag, "varNames", varNames);
    takeList(bag, "varValues", varValues);
    const int common = std::min(varNames.length(), varValues.length());
    varNames.setLogicalLength(common);
    varValues.setLogicalLength(common);
}

PropertyBag SheetSettings::toBag() const {
    PropertyBag bag;
    putString(bag, "defaultFont", defaultFont);
    bag.setInt("defaultTextHeight", defaultTextHeight);
    putString(bag, "headerFile", headerFile);
    putString(bag, "footerFile", footerFile);
    bag.setInt("marginLeft", marginLeft);
    bag.setInt("marginRight", marginRight);
    bag.setInt("marginTop", marginTop);
    bag.setInt("marginBottom", marginBottom);
    bag.setBool("smartPrint", smartPrint);
    bag.setBool("colors", colors);
    bag.setBool("colHeader", colHeader);
    bag.setBool("rowHeader", rowHeader);
    bag.setBool("cellSeperators", cellSeperators);
    bag.setBool("border", border);
    if (workbookCopy) bag.setBool("workbookCopy", true);
    putList(bag, "varNames", varNames);
    putList(bag, "varValues", varValues);
    return bag;
}
