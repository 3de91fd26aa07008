#pragma once
// MacroData: one parametric macro (a steel connection or assembly) as the macro dialogs edit
// it: the instances being edited, the filters shown above the pages, and one MacroTabData per
// tab.  A plain record: copying copies every field, so a dialog can work on its own copy and
// hand it back whole.  The elements of a tab are in core/records/macro_elements.h and
// core/records/dyn_array_data.h.

#include <string>
#include <string_view>

#include <nlohmann/json_fwd.hpp>

#include "core/kv_array.h"
#include "core/kv_string.h"
#include "core/kv_string_array.h"
#include "core/records/dyn_array_data.h"
#include "core/records/macro_elements.h"
#include "host/ac_array.h"
#include "host/object_id.h"

// The codes of the change lists that differences gives and UpdateModule takes (changedA): one
// code per kind of element that changed, each at most once, in this order.  The dialogs name
// two themselves: they remove -12 after a load, and the profile options pass [-13].
namespace MacroChange {
constexpr int kCells = -1;  // a variable; names lists which
constexpr int kDrawingList = -2;
constexpr int kBolt = -3;
constexpr int kPatterns = -4;
constexpr int kArrays = -5;
constexpr int kCuts = -6;
constexpr int kFlexFixGroups = -7;
constexpr int kSegmentedProfiles = -8;
constexpr int kDropped = -12;  // an element or tab of the other side has no counterpart here
constexpr int kProfiles = -13;
}  // namespace MacroChange

class MacroTabData {
public:
    MacroTabData() = default;
    MacroTabData(const MacroTabData&) = default;
    MacroTabData& operator=(const MacroTabData&) = default;
    virtual ~MacroTabData() = default;

    friend bool operator==(const MacroTabData&, const MacroTabData&) = default;

    // 0, 1 and 3: a template page (1 also has bolts and patterns); 2: a profile page; any other
    // kind gets no page.
    int kind = 0;
    Kv_String moduleName;
    Kv_String title;
    Kv_String templateFile;  // empty: the page shows no template

    // The drawing list: a drawing (block) chosen from a folder of the library.
    bool dwgListEnabled = false;
    Kv_String dwgListValue;
    int dwgListLink = 0;

    Kv_Array<MacroCell> cells;
    Kv_Array<MacroPatternProps> patterns;
    MacroBoltData bolt;
    Kv_Array<MacroProfData> profiles;
    Kv_Array<MacroProfSegmentedData> segmentedProfiles;
    Kv_Array<DynArrayData> arrays;
    Kv_Array<MacroCutData> cuts;
    Kv_Array<MacroFlexFixGroup> flexFixGroups;

    // --- links -------------------------------------------------------------------------------
    // Sets every control link of the tab to 0 (nothing shown), before a page is built.
    void removeAllDlgReferences();

    // --- look-ups of the linking table (exact names; -1 or false when not found) -------------
    int findCell(const Kv_String& name) const;
    int findPattern(const Kv_String& name) const;
    int findArray(const Kv_String& name) const;
    int findCut(const Kv_String& name) const;
    int findFlexFixGroup(const Kv_String& name) const;
    // The pattern / array whose option button has that id (buttonLink); -1 when none.  Ids
    // of 0 or below name no button.
    int findPatternWithBtnId(int id) const;
    int findArrayWithBtnId(int id) const;
    // The profile one of whose group controls (section, section button, offset type,
    // rotation, options button; only the two buttons when buttonsOnly) has that id; -1 when
    // none.
    int findProfDataWithButtonId(int id, bool buttonsOnly) const;

    // --- profiles ------------------------------------------------------------------------------
    // The distinct groups of the profiles, in order of first appearance.
    Kv_StringArray getProfGroups() const;
    // The drawing ids of the group's profiles, in order.
    AcArray<AcDbObjectId> getProfIdsOfGroup(const Kv_String& group) const;
    // The index in profiles of the profile with that id; -1 when none (or a null id).
    int getProfDataIndx(AcDbObjectId id) const;
    // The group's profiles merged into one: fields equal in all of them keep their value,
    // differing texts become the mixed text, a differing offset type sets offsetMixed,
    // differing integers become -1, differing numbers and flags keep the first profile's.
    // False (prof unchanged) when the group has no profile.
    bool getMergedPropsOfGroup(const Kv_String& group, MacroProfData& prof) const;
    // Writes prof's fields into every profile of the group, except the mixed ones (mixed
    // text, offsetMixed, integers below 0); group, id and links stay.  False when the group
    // has no profile.
    bool setMergedPropsOfGroup(const Kv_String& group, const MacroProfData& prof);
    // True when every group has a profile options button (link above 0) on the template.
    bool advBtnForEveryGroup() const;
    bool hasSegmentedProfs() const { return !segmentedProfiles.isEmpty(); }

    // --- flexible-fix groups -------------------------------------------------------------------
    // A flex button was clicked: on makes the member the group's flexible one (fixed 0) and
    // fixes the others; off fixes it and, when no member is flexible any more, makes the next
    // member (after it, round to the first) flexible, so that the group always gives way
    // somewhere.  False, changing nothing, for an unknown group or member, or when no flag
    // changes.
    bool flexFixBtnClicked(const Kv_String& group, const Kv_String& member, bool on);

    // --- differences -----------------------------------------------------------------------------
    // Compares this tab (the changed one) with old, value by value as a macro instance stores
    // them.  names gets the changed variables' names, changedA the MacroChange codes of the
    // kinds that changed (MacroChange::kDropped when old has an element this tab lacks);
    // changedB is emptied: a tab does not know its index (UpdateModule then writes every tab
    // of the module).  True when anything differs.  Links and other display state do not
    // count.
    bool differences(const MacroTabData& old, Kv_StringArray& names, Kv_Array<int>& changedA,
                     Kv_Array<int>& changedB) const;
};

class MacroData {
public:
    MacroData() = default;
    MacroData(const MacroData&) = default;
    MacroData& operator=(const MacroData&) = default;
    virtual ~MacroData() = default;

    friend bool operator==(const MacroData&, const MacroData&) = default;

    AcArray<AcDbObjectId> tempIds;  // temporary objects the caller drew for the dialog
    AcArray<AcDbObjectId> ids;      // the macro instances being edited
    Kv_String caption;
    Kv_StringArray groupKeys;
    Kv_StringArray groupNames;
    int groupIndex = 0;
    Kv_StringArray moduleNames;
    Kv_StringArray filterNames;
    int filterIndex = 0;
    Kv_Array<MacroTabData> tabs;
    Kv_String startTab;
    bool openProfileOptions = false;
    Kv_String openProfileHint;
    bool tempObjects = false;
    bool closedByDialog = false;
    bool busy = false;  // set by the core library while it updates the drawing
    // While busy is held after an update (setMacroBusyHold): the tick it is cleared at.  Not
    // part of the record's stored form.
    unsigned long busyUntil = 0;

    // The values files' extension, with its dot.
    static constexpr const char* kValuesExtension = ".mvl";

    // groupIndex names an entry of groupKeys (a negative index names none).
    bool hasValidGroup() const { return groupIndex >= 0 && groupIndex < groupKeys.length(); }
    // The tab whose title equals name (exact); index gets its index.
    bool findTab(const Kv_String& name, int& index) const;
    // The distinct module names of the tabs, in tab order (empty names left out).
    Kv_StringArray tabModules() const;

    // The profile look-ups of the first tab of the module that has the group.
    bool getMergedPropsOfGroup(const Kv_String& moduleName, const Kv_String& group, MacroProfData& prof) const;
    bool setMergedPropsOfGroup(const Kv_String& moduleName, const Kv_String& group, const MacroProfData& prof);

    // Differences of this record (changed) against other (old), tab by tab paired by index:
    // names and changedA as for a tab (summed over the tabs), changedB the indices of the
    // changed tabs.  Tabs that do not pair up (other has more, or a tab's module differs)
    // add MacroChange::kDropped.  True when anything differs.
    bool differences(const MacroData& other, Kv_StringArray& names, Kv_Array<int>& changedA,
                     Kv_Array<int>& changedB) const;

    // Sets the drawing view on the module's instances: 0 top, 1 front, 2 side, 3 back to the
    // view the drawing had before the dialog (logged as "view").  False for a direction
    // outside 0..3 or when no instance of ids holds the module.
    bool changeView(const Kv_String& moduleName, int direction) const;
    // Writes every value of every tab into the instances again (the macros are rebuilt);
    // false when an instance is missing (nothing is written then).
    bool reApply() const;

    // Values files (a person's saved values of a macro), see docs/core-library.md, "Macro
    // records and operations".
    // True when values may be loaded and saved: the tabs name a module.  defaultName gets the
    // first module's name.
    bool propListAllowed(Kv_String& defaultName) const;
    // The filtered open and save dialog's data: the library's values folder, the extension
    // (with its dot), every values file (firstList) and those written for this macro's first
    // module (secondList), names without folder and extension, in name order.
    void getPropFiles(Kv_String& folder, Kv_String& extension, Kv_StringArray& firstList,
                      Kv_StringArray& secondList) const;
    // Reads the values file named as the dialog returns it (no folder, no extension).  Each
    // line that cannot be taken (malformed, unknown module or value, a value that does not
    // fit) counts one error and the others load; a file that cannot be read, or is no values
    // file, counts one error and changes nothing (false).  Only values change.
    bool readFromFile(const Kv_String& name, int& errorCount);
    // Writes every value that is not mixed, whole or not at all; a failed write keeps the old
    // file, says so on the command line and returns false.
    bool writeToFile(const Kv_String& name) const;
    // The text forms of the two above, for callers that keep values elsewhere (and the fuzz
    // target): readValuesText counts errors and changes the record as readFromFile does.
    bool readValuesText(std::string_view text, int& errorCount);
    std::string valuesText() const;
};

// JSON forms: an object with one member per field, named as the field.  Reading accepts any
// subset of the members (the others keep their defaults) and refuses a member of the wrong
// type or an unknown member with nlohmann::json::type_error, so that a misspelt field in a
// scenario is reported instead of silently ignored.
void to_json(nlohmann::json& out, const MacroTabData& tab);
void from_json(const nlohmann::json& in, MacroTabData& tab);
void to_json(nlohmann::json& out, const MacroData& macro);
void from_json(const nlohmann::json& in, MacroData& macro);
