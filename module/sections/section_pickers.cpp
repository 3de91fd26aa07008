// Section pickers and section icons.
#include "sections/section_pickers.h"

#include <cstdint>
#include <unordered_map>

#include "core/dialog_helpers.h"
#include "core/kv_settings.h"
#include "core/kv_texts.h"
#include "core/file_layer.h"
#include "core/records/dlg_edit_lib_data.h"
#include "core/section_select_dlg.h"
#include "sections/kv_prof_values_table.h"
#include "core/macro_lang_strings.h"

namespace {

constexpr const char* kUserSectionsPrefix = "User Sections\\";
constexpr int kNoSectionText = 695;

Kv_String iconsFolder() { return Kv_Settings::kvDir() + "icons\\"; }

Kv_String withoutExtension(Kv_String name) {
    removeExtension(name);
    return name;
}

// The table file of a listed section: the part before the first "-", or the whole name.
Kv_String tableFileOf(const Kv_String& sectionName) {
    const int dash = sectionName.findChar('-');
    return (dash >= 0 ? sectionName.getSubStringAt(0, dash) : sectionName) + ".pr";
}

// Display names of the listed names of one table, looked up by system name once per table.
class DisplayNames {
public:
    explicit DisplayNames(const Kv_ProfValuesTable& table)
        : table_(table), languageColumn_(table.getColumnIdx(MacroLangs::GetCurLanguage())) {
        if (languageColumn_ < 0) return;
        rowOf_.reserve(static_cast<std::size_t>(table.rows.length()));
        for (int i = 0; i < table.rows.length(); ++i)
            if (!table.rows[i].isEmpty()) rowOf_.try_emplace(table.rows[i][0].str(), i);
    }

    Kv_String of(const Kv_String& listedName) const {
        const Kv_String prefix = table_.tableName + "-";
        if (languageColumn_ < 0 || !listedName.startsWith(prefix)) return listedName;
        auto found = rowOf_.find(listedName.str().substr(static_cast<std::size_t>(prefix.length())));
        if (found == rowOf_.end()) return listedName;
        const Kv_StringArray& row = table_.rows[found->second];
        if (!row.isValidIndex(languageColumn_) || row[languageColumn_].isEmpty()) return listedName;
        return row[languageColumn_];
    }

private:
    const Kv_ProfValuesTable& table_;
    int languageColumn_;
    std::unordered_map<std::string, int> rowOf_;
};

}  // namespace

Kv_String sectionTypeIconBase(int sectionType) {
    static const char* const kBaseNames[] = {
        "ProfSectionI",
        "ProfSectionCL",
        "ProfSectionHL",
        "ProfSectionCU",
        "ProfSectionT",
        "ProfSectionOI",
        "ProfSectionOU",
        "ProfSectionRect",
        "ProfSectionRound",
        "ProfSectionRectTube",
        "ProfSectionRoundTube",
        "ProfSectionC",
        "ProfSectionZ",
        "ProfSectionV",
        "ProfSectionO",
        "ProfSectionQ",
        "ProfSectionCuttedI",
        "ProfSectionSigma",
        "ProfSectionSigma+",
        "ProfSectionSigma Sleeve",
        "ProfSectionC+",
        "ProfSectionC Sleeve",
        "ProfSectionSingle Cleat",
        "ProfSectionDouble Cleat",
    };
    if (sectionType < 1 || sectionType > 24) return {};
    return kBaseNames[sectionType - 1];
}

Kv_String sectionIconFile(const Kv_String& typeText, const Kv_String& userSection, bool big) {
    const char* suffix = big ? "-big.bmp" : "-small.bmp";
    Kv_String base;
    bool isUserSection = false;
    if (!typeText.isEmpty()) {
        base = typeText.endsWith(".dwg", true) ? withoutExtension(typeText) : sectionTypeIconBase(typeText.toInt());
    } else {
        base = userSection;
        if (base.startsWith(kUserSectionsPrefix, true)) base.removeAt(0, Kv_String(kUserSectionsPrefix).length());
        base = withoutExtension(base);
        isUserSection = true;
    }
    const Kv_String name = base + suffix;
    if (ObjectExportFileExists(iconsFolder() + name)) return name;
    Kv_String made;
    if (isUserSection && !big && userSectionIcon(base, made)) return made;
    return Kv_String("Unknown") + suffix;
}

bool userSectionIcon(const Kv_String& name, Kv_String& iconFile) {
    const Kv_String picture = Kv_Settings::libDir() + kUserSectionsPrefix + name + ".bmp";
    const Kv_String icon = name + "-automated.bmp";
    std::int64_t pictureTime = 0, iconTime = 0;
    if (!ObjectExportGetFileTime(picture, pictureTime)) return false;
    const Kv_String iconPath = iconsFolder() + icon;
    if (!ObjectExportGetFileTime(iconPath, iconTime) || iconTime < pictureTime) {
        // A failed copy leaves an older icon in place; that one still shows the section.
        if (!ObjectExportCopyFile(picture, iconPath) && !ObjectExportFileExists(iconPath)) return false;
    }
    iconFile = icon;
    return true;
}

void setButtonIcon(CWnd* parent, CButtonST& button, int controlId, const Kv_String& file, bool fromIconsFolder,
                   bool whiteBackground, bool subclass) {
    const Kv_String path = fromIconsFolder ? iconsFolder() + file : file;
    if (subclass && parent) button.SubclassDlgItem(static_cast<UINT>(controlId), parent);
    button.DrawDisabledColoured(TRUE);
    button.SetBitmapFile(path, whiteBackground ? RGB(0xFF, 0xFF, 0xFF) : RGB(0xC0, 0xC0, 0xC0));
    button.DrawBorder(FALSE);
    if (button.m_hWnd) button.EnableWindow(FALSE);
}

Kv_String sectionDisplayName(const Kv_String& sysName) {
    Kv_ProfValuesTable table;
    if (!table.readFromFile(tableFileOf(sysName))) return sysName;
    return DisplayNames(table).of(sysName);
}

Kv_StringArray sectionTableEntries(const Kv_String& sectionName, Kv_StringArray& displayNames) {
    displayNames.removeAll();
    Kv_StringArray names;
    Kv_ProfValuesTable table;
    if (table.readFromFile(tableFileOf(sectionName))) {
        table.getFilteredSysNames(names);
        const DisplayNames display(table);
        displayNames.items().reserve(static_cast<std::size_t>(names.length()) + 1);
        for (const Kv_String& name : names) displayNames.append(display.of(name));
    }
    displayNames.append(dialString(kNoSectionText));
    return names;
}

void fillSectionCombo(CComboBox& combo, Kv_StringArray& systemNames, const Kv_String& sectionName) {
    Kv_StringArray entries;
    Kv_String toSelect;
    if (sectionName.startsWith(kUserSectionsPrefix, true)) {
        systemNames = Kv_StringArray{sectionName};
        Kv_String shown;
        getFileName(sectionName, shown);
        toSelect = withoutExtension(shown);
        entries = Kv_StringArray{toSelect, dialString(kNoSectionText)};
    } else {
        systemNames = sectionTableEntries(sectionName, entries);
        const int index = systemNames.find(sectionName, false);
        toSelect = index >= 0 ? entries[index] : sectionDisplayName(sectionName);
    }
    const HWND parent = ::GetParent(combo.m_hWnd);
    FillCombo(parent, ::GetDlgCtrlID(combo.m_hWnd), entries, entries.find(toSelect, false));
}

bool chooseSection(Kv_String& name) {
    Kv_String chosen = name;
    if (!selectSectionDialog(chosen)) return false;
    const Kv_String libDir = Kv_Settings::libDir();
    if (chosen.startsWith(libDir, true)) chosen.removeAt(0, libDir.length());
    name = chosen;
    return true;
}

bool chooseSectionAndFill(CComboBox& combo, Kv_StringArray& systemNames) {
    Kv_String name;
    selectedSystemName(combo, systemNames, name);
    if (!chooseSection(name)) return false;
    fillSectionCombo(combo, systemNames, name);
    return true;
}

bool selectedSystemName(const CComboBox& combo, const Kv_StringArray& systemNames, Kv_String& name) {
    const int selected = combo.GetCurSel();
    if (!systemNames.isValidIndex(selected)) return false;
    name = systemNames[selected];
    return true;
}

Kv_String sectionTypePicture(const Kv_String& description) {
    const Kv_String base = sectionTypeIconBase(sectionTypeNumberOf(description));
    if (base.isEmpty()) return {};
    const Kv_String file = base + "-big.bmp";
    return ObjectExportFileExists(iconsFolder() + file) ? file : Kv_String();
}
