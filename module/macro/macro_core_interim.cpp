// The macro operations the dialogs need, done in the module until the core library offers
// them (docs/macro-dialogs.md, "Interim operations").  A macro instance is a drawing object
// of type "macro" whose property "module" names its module and whose other properties are
// the values of its variables by name; the drawing log shows every update.
#include <algorithm>
#include <map>

#include "core/kv_settings.h"
#include "core/object_export.h"
#include "core/records/macro_elements.h"
#include "host/drawing_database.h"
#include "host/picks.h"
#include "macro/macro_core_calls.h"

namespace kvmacro {

namespace {

// Codes of changedB for elements that are not patterns.
constexpr int kBoltChanged = -1, kArraysChanged = -2, kCutsChanged = -3, kDrawingChanged = -4, kFlexChanged = -5;
constexpr int kProfilesChanged = -13;

bool clashOn = true;

host::DrawingDatabase& drawing() { return host::DrawingDatabase::instance(); }

bool isInstance(AcDbObjectId id) {
    const host::DrawingObject* object = drawing().object(id);
    return object && !object->erased && object->type == "macro";
}

// The values an instance takes for a module: every variable of the module's tabs by name.
std::map<std::string, std::string> valuesOfModule(const MacroData& macro, const Kv_String& moduleName) {
    std::map<std::string, std::string> values;
    for (const MacroTabData& tab : macro.tabs) {
        if (tab.moduleName != moduleName) continue;
        for (const MacroCell& cell : tab.cells) values[cell.name.str()] = cell.value.str();
        for (const MacroPatternProps& pattern : tab.patterns) {
            values[pattern.name.str()] = pattern.value.str();
            if (pattern.getCount() >= 0) values[pattern.name.str() + ".count"] = pattern.count.str();
        }
        if (!tab.bolt.composition.isEmpty()) {
            values["bolt.composition"] = tab.bolt.composition.str();
            values["bolt.diameter"] = tab.bolt.diameter.str();
        }
        for (const MacroCutData& cut : tab.cuts) values[cut.name.str()] = std::to_string(cut.value);
        for (const DynArrayData& array : tab.arrays) values[array.name.str()] = array.value1.str();
        if (tab.dwgListEnabled) values["drawing"] = tab.dwgListValue.str();
        for (const MacroFlexFixGroup& group : tab.flexFixGroups)
            for (const MacroFlexFixMember& member : group.members)
                values[group.name.str() + "." + member.name.str()] = member.fixed == 0 ? "flexible" : "fixed";
    }
    return values;
}

}  // namespace

bool findTab(const MacroData& macro, const Kv_String& name, int& index) {
    for (int i = 0; i < macro.tabs.length(); ++i)
        if (macro.tabs[i].title == name) {
            index = i;
            return true;
        }
    return false;
}

void tabDifferences(const MacroTabData& now, const MacroTabData& before, MacroChanges& changes) {
    for (int i = 0; i < now.cells.length() && i < before.cells.length(); ++i)
        if (now.cells[i].value != before.cells[i].value) {
            changes.names.append(now.cells[i].name);
            changes.changedA.append(i);
        }
    for (int i = 0; i < now.patterns.length() && i < before.patterns.length(); ++i)
        if (now.patterns[i].value != before.patterns[i].value || now.patterns[i].count != before.patterns[i].count) {
            changes.names.append(now.patterns[i].name);
            changes.changedB.append(i);
        }
    auto code = [&](bool differs, int value, const Kv_String& name) {
        if (!differs) return;
        changes.names.append(name);
        changes.changedB.append(value);
    };
    code(!(now.bolt == before.bolt), kBoltChanged, "bolt");
    for (int i = 0; i < now.arrays.length() && i < before.arrays.length(); ++i)
        code(!(now.arrays[i] == before.arrays[i]), kArraysChanged, now.arrays[i].name);
    for (int i = 0; i < now.cuts.length() && i < before.cuts.length(); ++i)
        code(now.cuts[i].value != before.cuts[i].value, kCutsChanged, now.cuts[i].name);
    code(now.dwgListValue != before.dwgListValue, kDrawingChanged, "drawing");
    for (int i = 0; i < now.flexFixGroups.length() && i < before.flexFixGroups.length(); ++i)
        code(!(now.flexFixGroups[i] == before.flexFixGroups[i]), kFlexChanged, now.flexFixGroups[i].name);
    code(!(now.profiles == before.profiles), kProfilesChanged, "profiles");
}

void macroDifferences(const MacroData& now, const MacroData& before, MacroChanges& changes) {
    for (int t = 0; t < now.tabs.length() && t < before.tabs.length(); ++t) tabDifferences(now.tabs[t], before.tabs[t], changes);
}

bool updateModule(const Kv_String& moduleName, MacroData& macro, const MacroChanges& changes) {
    if (changes.empty()) return true;
    bool allThere = true;
    const std::map<std::string, std::string> values = valuesOfModule(macro, moduleName);
    for (AcDbObjectId id : macro.ids) {
        if (!isInstance(id)) {
            allThere = false;
            continue;
        }
        host::PropertyValue module;
        if (drawing().getProperty(id, "module", module) != Acad::eOk || std::get_if<std::string>(&module) == nullptr ||
            std::get<std::string>(module) != moduleName.str())
            continue;
        for (const auto& [name, value] : values) {
            // Only the changed elements: a property "NAME" or "NAME.part" of a changed NAME.
            if (!changes.names.contains(Kv_String(name.substr(0, name.find('.'))))) continue;
            host::PropertyValue old;
            if (drawing().getProperty(id, name, old) == Acad::eOk && std::get_if<std::string>(&old) &&
                std::get<std::string>(old) == value)
                continue;
            drawing().setProperty(id, name, value);
        }
    }
    return allThere;
}

bool setAllToMacro(MacroData& macro, const MacroChanges& changes) {
    if (changes.empty()) return true;
    bool ok = true;
    Kv_StringArray modules;
    for (const MacroTabData& tab : macro.tabs)
        if (!modules.contains(tab.moduleName)) modules.append(tab.moduleName);
    for (const Kv_String& module : modules) ok = updateModule(module, macro, changes) && ok;
    return ok;
}

void removeAll(Kv_Array<int>& list, int value) {
    for (int i = list.length() - 1; i >= 0; --i)
        if (list[i] == value) list.removeAt(i);
}

void changeView(MacroData& macro, const Kv_String& moduleName, int direction) {
    if (macro.ids.isEmpty()) return;
    drawing().logAction("view", macro.ids[0], moduleName.str() + " direction " + std::to_string(direction));
}

bool reApply(MacroData& macro) {
    bool ok = !macro.ids.isEmpty();
    for (AcDbObjectId id : macro.ids) {
        if (!isInstance(id)) {
            ok = false;
            continue;
        }
        drawing().logAction("reapply", id, "");
    }
    return ok;
}

bool selectOtherMacros(MacroData& macro) {
    AcDbObjectId picked;
    host::Point3d at;
    if (!host::pickObject("Select other macros:", picked, at) || !isInstance(picked)) return false;
    macro.ids.removeAll();
    macro.ids.append(picked);
    // The picked instance's values replace the dialog's, variable by variable.
    for (MacroTabData& tab : macro.tabs)
        for (MacroCell& cell : tab.cells) {
            host::PropertyValue value;
            if (drawing().getProperty(picked, cell.name.str(), value) == Acad::eOk && std::get_if<std::string>(&value))
                cell.value = std::get<std::string>(value);
        }
    return true;
}

void updateAllFilterModified(MacroData&, bool) {}

bool swapBlockRefs(MacroData& macro, const Kv_String& moduleName, const Kv_String& drawingPath) {
    if (macro.ids.isEmpty()) return false;
    for (AcDbObjectId id : macro.ids)
        if (isInstance(id)) drawing().logAction("swap", id, moduleName.str() + " " + drawingPath.str());
    return true;
}

bool propListAllowed(const MacroData& macro, Kv_String& defaultName) {
    if (macro.moduleNames.isEmpty()) return false;
    defaultName = macro.moduleNames[0];
    return true;
}

void getPropFiles(const MacroData& macro, Kv_String& folder, Kv_String& extension, Kv_StringArray& firstList,
                  Kv_StringArray& secondList) {
    folder = Kv_Settings::libDir() + "Macro Values\\";
    extension = ".kvv";
    Kv_StringArray files;
    ObjectExportFindFiles(folder, "*.kvv", files);
    firstList.removeAll();
    secondList.removeAll();
    for (Kv_String file : files) {
        removeExtension(file);
        Kv_String name;
        getFileName(file, name);
        secondList.append(name);
        if (!macro.moduleNames.isEmpty() && name.startsWith(macro.moduleNames[0], true)) firstList.append(name);
    }
}

bool readFromFile(MacroData& macro, const Kv_String& name, int& errorCount) {
    Kv_String folder, extension;
    Kv_StringArray first, second;
    getPropFiles(macro, folder, extension, first, second);
    Kv_StringArray lines;
    errorCount = 0;
    if (!ObjectExportReadFile(folder + name + extension, lines)) {
        errorCount = 1;
        return false;
    }
    for (const Kv_String& line : lines) {
        if (line.isEmpty()) continue;
        const int tab = line.findChar('\t');
        if (tab <= 0) {
            ++errorCount;
            continue;
        }
        const Kv_String key = line.getSubStringAt(0, tab), value = line.getSubStringAt(tab + 1);
        bool found = false;
        for (MacroTabData& each : macro.tabs)
            for (MacroCell& cell : each.cells)
                if (cell.name == key && !cell.readOnly) {
                    cell.value = value;
                    found = true;
                }
        if (!found) ++errorCount;
    }
    return true;
}

bool writeToFile(const MacroData& macro, const Kv_String& name) {
    Kv_String folder, extension;
    Kv_StringArray first, second, lines;
    getPropFiles(macro, folder, extension, first, second);
    ObjectExportCreateDirectory(folder);
    for (const MacroTabData& tab : macro.tabs)
        for (const MacroCell& cell : tab.cells) lines.append(cell.name + "\t" + cell.value);
    return ObjectExportWriteFile(folder + name + extension, lines);
}

void getAssemblies(Kv_StringArray& compositions) { compositions = {"M-8.8", "M-10.9", "HV-10.9"}; }

void getDiameters(const Kv_String& composition, Kv_StringArray& diameters) {
    diameters.removeAll();
    if (composition.isEmpty()) return;
    diameters = {"12", "16", "20", "24", "27", "30"};
}

void clashInitDlgStarted(int) {}
void clashResetInfo(int, const AcArray<AcDbObjectId>&) {}

void clashcheck(int, const AcArray<AcDbObjectId>& ids) {
    if (!clashOn || ids.isEmpty()) return;
    drawing().logAction("clash check", ids[0], std::to_string(ids.length()) + " instance(s)");
}

bool clashGetStatus() { return clashOn; }
void clashSetStatus(bool on) { clashOn = on; }
void clashDlgClosed(int) {}

MacroCell* findCell(MacroTabData& tab, const Kv_String& name) {
    for (MacroCell& cell : tab.cells)
        if (cell.name == name) return &cell;
    return nullptr;
}

MacroPatternProps* findPattern(MacroTabData& tab, const Kv_String& name) {
    for (MacroPatternProps& pattern : tab.patterns)
        if (pattern.name == name) return &pattern;
    return nullptr;
}

DynArrayData* findArray(MacroTabData& tab, const Kv_String& name) {
    for (DynArrayData& array : tab.arrays)
        if (array.name == name) return &array;
    return nullptr;
}

MacroCutData* findCut(MacroTabData& tab, const Kv_String& name) {
    for (MacroCutData& cut : tab.cuts)
        if (cut.name == name) return &cut;
    return nullptr;
}

const MacroFlexFixGroup* findFlexFixGroup(const MacroTabData& tab, const Kv_String& name) {
    for (const MacroFlexFixGroup& group : tab.flexFixGroups)
        if (group.name == name) return &group;
    return nullptr;
}

void removeAllDlgReferences(MacroTabData& tab) {
    tab.dwgListLink = 0;
    for (MacroCell& cell : tab.cells) cell.link = 0;
    for (MacroPatternProps& pattern : tab.patterns) pattern.valueLink = pattern.countLink = pattern.buttonLink = 0;
    for (int i = 0; i < MacroBoltData::kValueCount; ++i) *tab.bolt.link(i) = 0;
    tab.bolt.buttonLink = 0;
    for (MacroProfData& profile : tab.profiles)
        profile.sectionLink = profile.sectionButtonLink = profile.offsetTypeLink = profile.rotationLink =
            profile.optionButtonLink = 0;
    for (DynArrayData& array : tab.arrays) {
        for (int n = 1; n <= DynArrayData::kValueCount; ++n) *array.valueLink(n) = 0;
        array.buttonLink = 0;
        for (DynArrayEntry& entry : array.entries) entry.link = 0;
    }
    for (MacroCutData& cut : tab.cuts) cut.link = 0;
}

bool flexFixBtnClicked(MacroTabData& tab, const Kv_String& group, const Kv_String& name, bool on) {
    for (MacroFlexFixGroup& each : tab.flexFixGroups) {
        if (each.name != group) continue;
        const int clicked = each.findMember(name);
        if (clicked < 0) return false;
        // One member of a group gives way: switching one on fixes the others; the last one on
        // cannot be switched off.
        if (!on) return false;
        bool changed = false;
        for (int i = 0; i < each.members.length(); ++i) {
            const int fixed = i == clicked ? 0 : 1;
            changed = changed || each.members[i].fixed != fixed;
            each.members[i].fixed = fixed;
        }
        return changed;
    }
    return false;
}

}  // namespace kvmacro
