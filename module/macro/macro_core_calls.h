#pragma once
// The core library's macro operations as the macro dialogs call them, in one place: what
// changed between two states of a tab or a macro (the three lists kept together), updating
// the drawing, the views, the value files, picking other instances, the bolt table and the
// clash check; look-ups give the element itself.  Each forwards to the core library.

#include "core/kv_array.h"
#include "core/kv_string.h"
#include "core/kv_string_array.h"
#include "core/records/macro_data.h"
#include "host/ac_array.h"
#include "host/object_id.h"

// What changed: the names of the changed elements and the two index lists the core library's
// update takes.
struct MacroChanges {
    Kv_StringArray names;
    Kv_Array<int> changedA;
    Kv_Array<int> changedB;
    bool empty() const { return names.isEmpty() && changedA.isEmpty() && changedB.isEmpty(); }
};

namespace kvmacro {

// The elements of a tab by name (exact); nullptr when the tab has none.
MacroCell* findCell(MacroTabData& tab, const Kv_String& name);
MacroPatternProps* findPattern(MacroTabData& tab, const Kv_String& name);
DynArrayData* findArray(MacroTabData& tab, const Kv_String& name);
MacroCutData* findCut(MacroTabData& tab, const Kv_String& name);
const MacroFlexFixGroup* findFlexFixGroup(const MacroTabData& tab, const Kv_String& name);
// Every control link of the tab back to 0 (not shown).
void removeAllDlgReferences(MacroTabData& tab);
// A flex button of the group clicked into state `on`: true when the tab's members changed.
bool flexFixBtnClicked(MacroTabData& tab, const Kv_String& group, const Kv_String& name, bool on);

bool findTab(const MacroData& macro, const Kv_String& name, int& index);
void tabDifferences(const MacroTabData& now, const MacroTabData& before, MacroChanges& changes);
void macroDifferences(const MacroData& now, const MacroData& before, MacroChanges& changes);
// Writes the changes of one module into every instance of the macro; false when it failed.
bool updateModule(const Kv_String& moduleName, MacroData& macro, const MacroChanges& changes);
bool setAllToMacro(MacroData& macro, const MacroChanges& changes);
void removeAll(Kv_Array<int>& list, int value);
void changeView(MacroData& macro, const Kv_String& moduleName, int direction);
bool reApply(MacroData& macro);
bool selectOtherMacros(MacroData& macro);
void updateAllFilterModified(MacroData& macro, bool groupFilter);
bool swapBlockRefs(MacroData& macro, const Kv_String& moduleName, const Kv_String& drawingPath);

// Value files.
bool propListAllowed(const MacroData& macro, Kv_String& defaultName);
void getPropFiles(const MacroData& macro, Kv_String& folder, Kv_String& extension, Kv_StringArray& firstList,
                  Kv_StringArray& secondList);
bool readFromFile(MacroData& macro, const Kv_String& name, int& errorCount);
bool writeToFile(const MacroData& macro, const Kv_String& name);

// Bolts.
void getAssemblies(Kv_StringArray& compositions);
void getDiameters(const Kv_String& composition, Kv_StringArray& diameters);

// The clash check, by the dialog's modeless slot (-1 for a modal dialog).
void clashInitDlgStarted(int dialogId);
void clashResetInfo(int dialogId, const AcArray<AcDbObjectId>& ids);
void clashcheck(int dialogId, const AcArray<AcDbObjectId>& ids);
bool clashGetStatus();
void clashSetStatus(bool on);
void clashDlgClosed(int dialogId);

}  // namespace kvmacro
