#pragma once
// The core library's calls behind the constraint editor's geometry and variables pages.  Like
// the other editor calls (core/constraint_editor_calls.h) they take the editor's
// EditConstrData as an untyped pointer, work on the macro model of its macroId and report
// success; every change reaches the drawing at once and shows in its log.
//
// Geometry elements are drawing objects: the pages name them by the ids in geometryIds.

#include "host/object_id.h"

// Refills the geometry arrays of the record's current module with the freedom the model
// holds now.  False when the macro or module is unknown (the arrays are then emptied).
bool GetGeomFlexibility(void* record);
// Sets an element's freedom state: value 1 to 3 stands for state 0 to 2 (the page passes its
// drop-down entry plus one); extra is the element's integer, kept with it.  Refills the
// geometry arrays.  Fails, changing nothing, for an element of no module of the macro or a
// value outside 1 to 3.
bool UpdateGeomFlexibility(void* record, AcDbObjectId element, int value, int extra);
// Switches an element's constraint-geometry flag and refills the geometry arrays.  Fails for
// an element that has no such flag (-1).
bool UpdateConstrGeom(void* record, AcDbObjectId element, bool on);
// Highlights a drawing object, or removes its highlight.  False for an object the drawing
// does not hold (or has erased); a second highlight of the same object changes nothing.
bool HighlightObject(AcDbObjectId object);
bool UnHighlightObject(AcDbObjectId object);
// Writes the record's variables (names with their values and types; a short values or types
// array reads as 0) and equations into the macro, then refills the record's variables,
// dimension values and equations from it.  An equation that names a variable the macro does
// not know (no macro variable, no constraint's variable) is kept and reported on the command
// line, each time a call changed something.
bool UpdateVarsEqs(void* record);
