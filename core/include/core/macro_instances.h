#pragma once
// Macro instances in the drawing and the updates the macro dialogs make to them.
//
// A macro instance is a drawing object of type "MacroInstance" (host/drawing_database.h)
// holding the name of its module in the text property "module" and each of its values in a
// text property named as the value (see docs/core-library.md, "Macro records and
// operations"): "cell.<name>", "dwgList", "pattern.<name>.value", "bolt.diameter", ...  An
// instance may also carry its extents, the points "minPoint" and "maxPoint", which the clash
// check (core/macro_clash.h) compares, and the texts "group" and "filter" that the two filters
// of the macro dialog select by.
//
// Mixed values (the edited instances differ: the mixed text, or a tri-state flag below 0) are
// never written into an instance.

#include "core/kv_array.h"
#include "core/kv_string.h"
#include "core/kv_string_array.h"
#include "core/records/macro_data.h"
#include "host/ac_array.h"
#include "host/object_id.h"

inline constexpr const char* kMacroInstanceType = "MacroInstance";

// Adds an instance of the module holding the current values of the record's tabs of that
// module (mixed values left out).  Its id is returned; the record is not changed.
AcDbObjectId addMacroInstance(const MacroData& macro, const Kv_String& moduleName);
// True when id names a live macro instance; moduleName (when given) gets its module.
bool isMacroInstance(AcDbObjectId id, Kv_String* moduleName = nullptr);

// Reads the values of the instances of ids into the tabs of their modules: a value all the
// module's instances agree on is taken, a value they differ on becomes mixed (texts the mixed
// text, tri-state flags -1; numbers, true/false values and lists keep the first instance's),
// a value no instance holds stays as it was.  Ids that name no macro instance are skipped.
void loadInstanceValues(MacroData& macro);

// Writes the module's changes into every instance of macro.ids that holds the module: the
// values of the kinds changedA names (MacroChange codes; MacroChange::kDropped names none) of
// the module's tabs (only the tabs changedB lists by index, all when it is empty) that are not
// mixed and differ from what the instance holds.  Every instance written gets one "UpdateModule"
// entry in the drawing log, then its changed properties.  An empty changedA: nothing, true.  False,
// writing nothing, when an id of macro.ids names no live macro instance.  busy is set while
// the drawing is updated.
bool UpdateModule(const Kv_String& moduleName, MacroData& macro, const Kv_Array<int>& changedA,
                  const Kv_Array<int>& changedB);
// How long (ms of the window system's clock) busy stays set after UpdateModule returned, standing
// for a drawing update that runs on; 0 (the default) clears it when the update returns.
void setMacroBusyHold(unsigned milliseconds);
// macro.busy, cleared first when its hold has run out.
bool macroBusy(MacroData& macro);
// UpdateModule for every module of the tabs (of the tabs changedB lists, all when empty);
// false when one of them fails (the others are still written).
bool setAllToMacro(MacroData& macro, const Kv_Array<int>& changedA, const Kv_Array<int>& changedB);
// Removes every entry equal to value; returns how many went.
int removeAll(Kv_Array<int>& list, int value);

// Lets the person pick other macro instances in the drawing, one pick after the other until
// the picks are cancelled (Escape).  Objects that are no instance of one of the tabs' modules
// are refused on the command line; picking one twice counts once.  With at least one pick,
// ids become the picked instances, moduleNames their modules, the values are read from them
// (loadInstanceValues) and the result is true; otherwise nothing changes.
bool SelectOtherMacros(MacroData& macro);
// After a filter combo changed (firstFilter: the group filter, else the second one): ids
// become every live instance of the tabs' modules whose "group" is groupKeys[groupIndex]
// (when that names a group) and whose "filter" is filterNames[filterIndex] (when that names
// a non-empty filter), and the values are read from them.  False, changing nothing, when no
// instance passes both filters.  The change is logged as "filter".
bool UpdateAllFilterModified(MacroData& macro, bool firstFilter);

// The drawing list: the names (no folder, no extension, name order) of the "*.dwg" files in
// the library folder's subfolder folder.  False (names emptied) when folder is absolute,
// climbs out of the library folder ("..") or does not exist.
bool getDrawingListNames(const Kv_String& folder, Kv_StringArray& names);
// Swaps the drawing shown by the module's instances for path (relative to the library
// folder: the drawing list's folder, '\', the name and ".dwg"): each instance of the module
// gets the text property "blockRef".  False, writing nothing, when the path is absolute,
// climbs out of the library folder, names no file, or no instance of ids holds the module.
bool swapBlockRefs(const MacroData& macro, const Kv_String& moduleName, const Kv_String& path);

// The names of the module's variables that can drive an array: the cells of the instances of
// ids holding the module whose values are numbers, in
// name order, each once (every array type is driven by numbers alike).
bool getValidDimNames(const AcArray<AcDbObjectId>& ids, const Kv_String& moduleName, int arrayType,
                      Kv_StringArray& names);
