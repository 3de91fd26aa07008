// With the window system linked, picks are answered by its input source, the same one that
// clicks the dialogs: a scripted test or scenario answers a pick like any other step.
#include "host/window_system_picks.h"

#include <cmath>

#include "host/picks.h"
#include "win/input.h"

namespace host {
namespace {

const char* kindWord(PickKind kind) {
    switch (kind) {
    case PickKind::Point: return "point";
    case PickKind::Object: return "object";
    case PickKind::Plane: return "plane";
    }
    return "point";
}

Point3d pointAt(const std::vector<double>& numbers, std::size_t first) {
    Point3d p;
    if (numbers.size() > first) p.x = numbers[first];
    if (numbers.size() > first + 1) p.y = numbers[first + 1];
    if (numbers.size() > first + 2) p.z = numbers[first + 2];
    return p;
}

Point3d cross(Point3d a, Point3d b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }

Point3d unit(Point3d a) {
    double length = std::sqrt(a.x * a.x + a.y * a.y + a.z * a.z);
    return length > 0 ? Point3d{a.x / length, a.y / length, a.z / length} : a;
}

// Two axes at right angles to the normal, so that a plane given by origin and normal becomes
// the origin and axes the drawing works with.
void axesFromNormal(const Point3d& n, Plane& plane) {
    Point3d normal = unit(n);
    if (normal == Point3d{}) return;
    Point3d helper = std::abs(normal.z) < 0.9 ? Point3d{0, 0, 1} : Point3d{1, 0, 0};
    plane.xAxis = unit(cross(helper, normal));
    plane.yAxis = unit(cross(normal, plane.xAxis));
}

PickAnswer askWindowSystem(const PickRequest& request) {
    win::PickReply reply = win::requestPick(win::PickQuery{kindWord(request.kind), request.prompt});
    PickAnswer answer;
    answer.picked = reply.picked;
    if (!reply.picked) return answer;
    answer.point = pointAt(reply.numbers, 0);
    answer.object = AcDbObjectId::fromOldId(reply.object);
    if (request.kind == PickKind::Plane) {
        answer.plane.origin = answer.point;
        // Nine numbers: origin and both axes; six: origin and normal.
        if (reply.numbers.size() >= 9) {
            answer.plane.xAxis = pointAt(reply.numbers, 3);
            answer.plane.yAxis = pointAt(reply.numbers, 6);
        } else if (reply.numbers.size() >= 6) {
            axesFromNormal(pointAt(reply.numbers, 3), answer.plane);
        }
    }
    return answer;
}

// The host program and every test get this source without asking for it.
[[maybe_unused]] const bool installed = (setPickSource(askWindowSystem), true);

}  // namespace

void useWindowSystemPicks() { setPickSource(askWindowSystem); }

}  // namespace host
