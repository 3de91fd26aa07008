// MacroData's operations: tabs, profiles of a module, differences, views, re-applying.
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/macro_instances.h"
#include "core/records/macro_data.h"
#include "host/drawing_database.h"
#include "macro_value_fields.h"

bool MacroData::findTab(const Kv_String& name, int& index) const {
    for (int i = 0; i < tabs.length(); ++i)
        if (tabs[i].title == name) {
            index = i;
            return true;
        }
    return false;
}

Kv_StringArray MacroData::tabModules() const {
    Kv_StringArray modules;
    for (const MacroTabData& tab : tabs)
        if (!tab.moduleName.isEmpty() && !modules.contains(tab.moduleName)) modules.append(tab.moduleName);
    return modules;
}

bool MacroData::getMergedPropsOfGroup(const Kv_String& moduleName, const Kv_String& group, MacroProfData& prof) const {
    for (const MacroTabData& tab : tabs)
        if (tab.moduleName == moduleName && tab.getMergedPropsOfGroup(group, prof)) return true;
    return false;
}

bool MacroData::setMergedPropsOfGroup(const Kv_String& moduleName, const Kv_String& group, const MacroProfData& prof) {
    for (MacroTabData& tab : tabs)
        if (tab.moduleName == moduleName && tab.setMergedPropsOfGroup(group, prof)) return true;
    return false;
}

bool MacroData::differences(const MacroData& other, Kv_StringArray& names, Kv_Array<int>& changedA,
                            Kv_Array<int>& changedB) const {
    names.removeAll();
    changedA.removeAll();
    changedB.removeAll();
    Kv_Array<int> found;
    for (int t = 0; t < tabs.length(); ++t) {
        if (t >= other.tabs.length() || other.tabs[t].moduleName != tabs[t].moduleName) {
            found.append(MacroChange::kDropped);
            continue;
        }
        Kv_StringArray tabNames;
        Kv_Array<int> tabCodes, unused;
        if (!tabs[t].differences(other.tabs[t], tabNames, tabCodes, unused)) continue;
        changedB.append(t);
        found.appendAll(tabCodes);
        for (const Kv_String& name : tabNames)
            if (!names.contains(name)) names.append(name);
    }
    if (other.tabs.length() > tabs.length()) found.append(MacroChange::kDropped);
    for (int code : {MacroChange::kCells, MacroChange::kDrawingList, MacroChange::kBolt, MacroChange::kPatterns,
                     MacroChange::kArrays, MacroChange::kCuts, MacroChange::kFlexFixGroups,
                     MacroChange::kSegmentedProfiles, MacroChange::kDropped, MacroChange::kProfiles})
        if (found.containsValue(code)) changedA.append(code);
    return !changedA.isEmpty();
}

bool MacroData::changeView(const Kv_String& moduleName, int direction) const {
    static const char* const kViews[] = {"top", "front", "side", "previous"};
    if (direction < 0 || direction > 3) return false;
    for (const AcDbObjectId& id : ids) {
        Kv_String module;
        if (isMacroInstance(id, &module) && module == moduleName) {
            host::DrawingDatabase::instance().logAction("view", id, kViews[direction]);
            return true;
        }
    }
    return false;
}

bool MacroData::reApply() const {
    MacroData copy = *this;
    Kv_Array<int> everything;
    for (int code : {MacroChange::kCells, MacroChange::kDrawingList, MacroChange::kBolt, MacroChange::kPatterns,
                     MacroChange::kArrays, MacroChange::kCuts, MacroChange::kFlexFixGroups,
                     MacroChange::kSegmentedProfiles, MacroChange::kProfiles})
        everything.append(code);
    for (const AcDbObjectId& id : ids)
        if (!isMacroInstance(id)) return false;
    for (const AcDbObjectId& id : ids) host::DrawingDatabase::instance().logAction("reApply", id, "");
    return setAllToMacro(copy, everything, Kv_Array<int>());
}
