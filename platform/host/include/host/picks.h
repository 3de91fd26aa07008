#pragma once
// Picks in the drawing: a point, an object or a plane.  The host asks an installed pick source
// (in tests and scenarios the same scripted input that clicks the dialogs).  Without a source,
// or when the source has no answer, a pick is cancelled.  Every pick is logged in the drawing
// log, answered or not.

#include <functional>
#include <string>

#include "host/geometry.h"
#include "host/object_id.h"

namespace host {

enum class PickKind { Point, Object, Plane };

struct PickRequest {
    PickKind kind = PickKind::Point;
    std::string prompt;  // code page 1252
};

struct PickAnswer {
    bool picked = false;  // false: the user cancelled
    Point3d point;
    AcDbObjectId object;
    Plane plane;
};

using PickSource = std::function<PickAnswer(const PickRequest&)>;

// Returns the previous source.
PickSource setPickSource(PickSource source);

bool pickPoint(const std::string& prompt, Point3d& point);
bool pickObject(const std::string& prompt, AcDbObjectId& object, Point3d& pickedAt);
bool pickPlane(const std::string& prompt, Plane& plane);

}  // namespace host

// The host's result codes for user input.
#define RTNORM 5100
#define RTNONE 5000
#define RTCAN (-5002)
#define RTERROR (-5001)

// acedGetPoint and acedEntSel answer RTNORM when picked, RTCAN when cancelled.
int acedGetPoint(const double* basePoint, const char* prompt, double result[3]);
int acedEntSel(const char* prompt, AcDbObjectId& object, double pickedAt[3]);
