#pragma once
// The few geometric values the drawing database and picks carry.

namespace host {

struct Point3d {
    double x = 0, y = 0, z = 0;
    friend bool operator==(const Point3d&, const Point3d&) = default;
};

// A plane by its origin and two in-plane axes (a user coordinate system picked in the drawing).
struct Plane {
    Point3d origin;
    Point3d xAxis{1, 0, 0};
    Point3d yAxis{0, 1, 0};
    friend bool operator==(const Plane&, const Plane&) = default;
};

}  // namespace host
