#include "host/picks.h"

#include "host/drawing_database.h"

namespace host {
namespace {

PickSource& currentSource() {
    static PickSource source;
    return source;
}

const char* kindWord(PickKind kind) {
    switch (kind) {
    case PickKind::Point: return "point";
    case PickKind::Object: return "object";
    case PickKind::Plane: return "plane";
    }
    return "point";
}

// Asks the source and logs the outcome, so a scenario's drawing log shows every pick.
PickAnswer ask(PickKind kind, const std::string& prompt) {
    PickAnswer answer;
    if (currentSource()) answer = currentSource()(PickRequest{kind, prompt});
    auto& db = DrawingDatabase::instance();
    std::string text = std::string(kindWord(kind)) + (answer.picked ? "" : " cancelled");
    if (!answer.picked)
        db.logAction("pick", AcDbObjectId::kNull, text);
    else if (kind == PickKind::Object)
        db.logAction("pick", answer.object, text, answer.point);
    else if (kind == PickKind::Plane)
        db.logAction("pick", AcDbObjectId::kNull, text, answer.plane.origin);
    else
        db.logAction("pick", AcDbObjectId::kNull, text, answer.point);
    return answer;
}

}  // namespace

PickSource setPickSource(PickSource source) {
    PickSource previous = std::move(currentSource());
    currentSource() = std::move(source);
    return previous;
}

bool pickPoint(const std::string& prompt, Point3d& point) {
    PickAnswer answer = ask(PickKind::Point, prompt);
    if (answer.picked) point = answer.point;
    return answer.picked;
}

bool pickObject(const std::string& prompt, AcDbObjectId& object, Point3d& pickedAt) {
    PickAnswer answer = ask(PickKind::Object, prompt);
    if (answer.picked) {
        object = answer.object;
        pickedAt = answer.point;
    }
    return answer.picked;
}

bool pickPlane(const std::string& prompt, Plane& plane) {
    PickAnswer answer = ask(PickKind::Plane, prompt);
    if (answer.picked) plane = answer.plane;
    return answer.picked;
}

}  // namespace host

int acedGetPoint(const double*, const char* prompt, double result[3]) {
    host::Point3d point;
    if (!host::pickPoint(prompt ? prompt : "", point)) return RTCAN;
    result[0] = point.x;
    result[1] = point.y;
    result[2] = point.z;
    return RTNORM;
}

int acedEntSel(const char* prompt, AcDbObjectId& object, double pickedAt[3]) {
    host::Point3d point;
    if (!host::pickObject(prompt ? prompt : "", object, point)) return RTCAN;
    pickedAt[0] = point.x;
    pickedAt[1] = point.y;
    pickedAt[2] = point.z;
    return RTNORM;
}
