#pragma once
// The core library's operations behind the profile page and the profile options: the choices
// of the offset type and base plane combos, coordinate systems and planes in the drawing, the
// section point pick, and erasing a temporary object.  Picks ask the host's pick source
// (host/picks.h) and are logged there; what these calls add to the drawing is logged by the
// drawing database, and the section point pick logs the angle it was given ("section point"),
// so that a caller can see what reached the drawing.
//
// Drawing objects used: "CoordSys" (a coordinate system: text "name", point "origin", and
// "temporary" 1 when createCoordSys made it for a temporary object) and "Plane" (a picked
// plane: "name", points "origin", "xAxis", "yAxis").

#include "core/kv_string.h"
#include "core/kv_string_array.h"
#include "host/ac_array.h"
#include "host/geometry.h"
#include "host/object_id.h"

// The offset types, in the order of their numbers (MacroProfData::offsetType): the nine
// reference points of the section, top left to bottom right, row by row.  withMixed adds the
// mixed text (dialog text 695) as a last entry.
Kv_StringArray getOffsetTypeStrings(bool withMixed);
// The combo entry that shows an offset type: -1 (no entry) when mixed or unknown.
int getDlgOffsetType(int offsetType, bool offsetMixed);
// The offset type of a combo entry; below 0 (no entry, or the mixed entry) means mixed.
int getProfOffsetType(int index);

// The base plane choices: 0 a chosen plane, 1 the macro's own plane (no plane stored), 2 a
// coordinate system, 3 the mixed text (dialog text 695).  withNone adds dialog text 697
// ("(none)"), whose choice clears the plane.
Kv_StringArray getBasePlaneStrings(bool withNone);
// The marker text stored in MacroProfData::plane when a coordinate system was chosen.
Kv_String coordSysPlaneMarker();

// Every live coordinate system of the drawing, oldest first, with its name (an unnamed one is
// "Coordinate system #<id>").  False when there is none.
bool getAllCoordSys(AcArray<AcDbObjectId>& ids, Kv_StringArray& names);
// The person picks a coordinate system; another object is refused on the command line.  False
// (id unchanged) when cancelled or refused.
bool selectCoordSys(AcDbObjectId& id);
// Adds a coordinate system for the temporary object of a profile and gives its id.
bool createCoordSys(AcDbObjectId& id);
// The person picks a plane; it is added to the drawing, id and name get it.  False (nothing
// changed) when cancelled.
bool UserSelectPlane(AcDbObjectId& id, Kv_String& name);
// The person picks a point of the section `profile` shown rotated by `angle` (radians); vector
// gets the point in the section's own axes (turned back by the angle).  Logged as "section
// point" with the profile and the angle.  False (vector unchanged) when cancelled.
bool UserChooseSectionPoint(const Kv_String& profile, double angle, host::Point3d& vector);
// Erases a drawing object; false for a null, unknown or already erased id.
bool EraseObject(AcDbObjectId id);
