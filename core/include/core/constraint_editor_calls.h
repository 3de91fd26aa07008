#pragma once
// The core library's calls behind the constraint editor.  Each takes the editor's
// EditConstrData as an untyped pointer, as the package's editor functions do, works on the
// macro model (core/macro_model.h) of the record's macroId, and reports success.  Every change
// reaches the drawing at once (and its log); the record is refilled from the model where the
// call says so, so that the editor's pages show what the core made of an edit.
//
// Rules the calls keep (docs/constraint-editor.md):
// - A row is an index into the record's per-constraint arrays; the constraint is the one whose
//   id stands in constraintIds at that row.  A row outside constraintIds fails.
// - Module names compare exactly.  The only module of a macro is never removed.
// - Context menus: a label "%BREAK%" (case ignored) is a separator; action codes and checked
//   indices count the items only, separators skipped.

#include <functional>

#include "core/kv_array.h"
#include "core/kv_string.h"
#include "core/kv_string_array.h"
#include "host/object_id.h"

class EditConstrData;

// The commands of the editor's palette (ConstraintCommand).
enum ConstraintCommand : int {
    kCmdParallel = 0,
    kCmdPerpendicular,
    kCmdCoincident,
    kCmdSymmetric,
    kCmdTangent,
    kCmdConcentric,
    kCmdEqualRadius,
    kCmdDistance,
    kCmdAngle,
    kCmdRadius,
    kCmdHidden10,
    kCmdAddModule,
    kCmdBoltPattern,
    kCmdCoordSys
};

// Fills the record from the model: macroId's macro, currentModule's constraints and geometry,
// the macro's variables.  False when the macro is unknown.
bool FillEditConstrData(void* record);

bool MacroGetModules(void* record, Kv_StringArray& names);
// Makes name the current module and refills the per-constraint and geometry arrays; an unknown
// name empties them and fails.
bool SetCurrentModule(void* record, const Kv_String& name);
// Renames the current module; an empty name or one in use fails.
bool RenameModule(void* record, const Kv_String& newName);
// Fails for an unknown name and for the macro's only module.
bool RemoveModule(void* record, const Kv_String& name);
// Asks for an object in the drawing; a macro (or an object of one) becomes the record's macro,
// its first module current.  A cancelled pick or another object fails.
bool SelectOtherMacro(void* record);
// Picks what the command needs, then adds a constraint to the current module (0 to 10), a
// module (11), a bolt pattern (12) or a coordinate system (13).  A cancelled pick fails and
// changes nothing.  Constraint commands refill the record and select the new constraint.
bool StartMacroCommand(void* record, int& command);
// Zooms the drawing to the macro.  The hook, when set, runs inside the command (tests).
bool ZoomCommand();
void setZoomCommandHook(std::function<void()> hook);

// Writes the row's fields from the record into the constraint and refreshes its list cells.
bool UpdateConstraint(void* record, int row);
bool HighlightConstraint(void* record, int row);
// Removes every constraint highlight of the record's macro.
bool UnHighlightConstraints(void* record);
bool DeleteConstraint(void* record, int row);
// Stable sort of the list by column (1 to 4) with previousColumn as the second key; every
// per-constraint array as long as the list moves with its row, and the module keeps the order.
bool SortConstraints(void* record, int column, int previousColumn);
// Whether another constraint of the macro, or a macro variable, has this variable name (exact
// spelling); the selected constraint's own variable does not count.
bool VarNameInUse(void* record, const Kv_String& name, bool& inUse);
bool ConstrContextMenu(void* record, int row, Kv_StringArray& labels, Kv_Array<int>& actionCodes,
                       Kv_Array<int>& checkedIndices);
bool ContextMenuAction(void* record, int row, int actionCode);

// A digit first: a name that would read as a number.
bool startsWithNumber(const Kv_String& name);
