// The dialogs' calls of the core library's macro operations.
#include "macro/macro_core_calls.h"

#include "core/bolt_table.h"
#include "core/macro_clash.h"
#include "core/macro_instances.h"

namespace kvmacro {

namespace {

template <typename Element>
Element* elementAt(Kv_Array<Element>& list, int index) {
    return list.isValidIndex(index) ? &list[index] : nullptr;
}

}  // namespace

MacroCell* findCell(MacroTabData& tab, const Kv_String& name) { return elementAt(tab.cells, tab.findCell(name)); }
MacroPatternProps* findPattern(MacroTabData& tab, const Kv_String& name) {
    return elementAt(tab.patterns, tab.findPattern(name));
}
DynArrayData* findArray(MacroTabData& tab, const Kv_String& name) { return elementAt(tab.arrays, tab.findArray(name)); }
MacroCutData* findCut(MacroTabData& tab, const Kv_String& name) { return elementAt(tab.cuts, tab.findCut(name)); }
const MacroFlexFixGroup* findFlexFixGroup(const MacroTabData& tab, const Kv_String& name) {
    const int index = tab.findFlexFixGroup(name);
    return tab.flexFixGroups.isValidIndex(index) ? &tab.flexFixGroups[index] : nullptr;
}
void removeAllDlgReferences(MacroTabData& tab) { tab.removeAllDlgReferences(); }
bool flexFixBtnClicked(MacroTabData& tab, const Kv_String& group, const Kv_String& name, bool on) {
    return tab.flexFixBtnClicked(group, name, on);
}

bool findTab(const MacroData& macro, const Kv_String& name, int& index) { return macro.findTab(name, index); }

void tabDifferences(const MacroTabData& now, const MacroTabData& before, MacroChanges& changes) {
    now.differences(before, changes.names, changes.changedA, changes.changedB);
}

void macroDifferences(const MacroData& now, const MacroData& before, MacroChanges& changes) {
    now.differences(before, changes.names, changes.changedA, changes.changedB);
}

bool updateModule(const Kv_String& moduleName, MacroData& macro, const MacroChanges& changes) {
    return UpdateModule(moduleName, macro, changes.changedA, changes.changedB);
}

bool setAllToMacro(MacroData& macro, const MacroChanges& changes) {
    return ::setAllToMacro(macro, changes.changedA, changes.changedB);
}

void removeAll(Kv_Array<int>& list, int value) { ::removeAll(list, value); }
void changeView(MacroData& macro, const Kv_String& moduleName, int direction) {
    macro.changeView(moduleName, direction);
}
bool reApply(MacroData& macro) { return macro.reApply(); }
bool selectOtherMacros(MacroData& macro) { return SelectOtherMacros(macro); }
void updateAllFilterModified(MacroData& macro, bool groupFilter) { UpdateAllFilterModified(macro, groupFilter); }
bool swapBlockRefs(MacroData& macro, const Kv_String& moduleName, const Kv_String& drawingPath) {
    return ::swapBlockRefs(macro, moduleName, drawingPath);
}

bool propListAllowed(const MacroData& macro, Kv_String& defaultName) { return macro.propListAllowed(defaultName); }
void getPropFiles(const MacroData& macro, Kv_String& folder, Kv_String& extension, Kv_StringArray& firstList,
                  Kv_StringArray& secondList) {
    macro.getPropFiles(folder, extension, firstList, secondList);
}
bool readFromFile(MacroData& macro, const Kv_String& name, int& errorCount) {
    return macro.readFromFile(name, errorCount);
}
bool writeToFile(const MacroData& macro, const Kv_String& name) { return macro.writeToFile(name); }

void getAssemblies(Kv_StringArray& compositions) { GetAssemblies(compositions); }
void getDiameters(const Kv_String& composition, Kv_StringArray& diameters) { GetDiameters(composition, diameters); }

void clashInitDlgStarted(int dialogId) { ::clashInitDlgStarted(dialogId); }
void clashResetInfo(int dialogId, const AcArray<AcDbObjectId>& ids) { ::clashResetInfo(dialogId, ids); }
void clashcheck(int dialogId, const AcArray<AcDbObjectId>& ids) { ::clashcheck(dialogId, ids); }
bool clashGetStatus() {
    bool on = false;
    ::clashGetStatus(on);
    return on;
}
void clashSetStatus(bool on) { ::clashSetStatus(on); }
void clashDlgClosed(int dialogId) { ::clashDlgClosed(dialogId); }

}  // namespace kvmacro
