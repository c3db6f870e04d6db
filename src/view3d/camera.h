#pragma once
// The camera of the 3D view, as CAD users steer it: orbit about a target, pan, zoom towards the cursor,
// zoom to fit, the standard views, perspective or orthographic. It works in the scene's frame (x east,
// y north, z up, metres from the scene's origin) and maps points to pixels of a picture of any size, so the
// window, the PNG export and the picking all see the same thing.
#include <array>

namespace view3d {

struct Vec3 {
    double x = 0, y = 0, z = 0;
};
Vec3 operator+(Vec3 a, Vec3 b);
Vec3 operator-(Vec3 a, Vec3 b);
Vec3 operator*(double k, Vec3 a);
double Dot(Vec3 a, Vec3 b);
Vec3 Cross(Vec3 a, Vec3 b);
Vec3 Normalized(Vec3 a);

struct Box {
    Vec3 min, max;
    bool empty = true;
    void Add(Vec3 p);
    Vec3 Centre() const { return 0.5 * (min + max); }
};

enum class StandardView { Plan, ElevationRight, ElevationLeft, Iso };

// A point on the picture: pixels from the top left, and its depth along the view (larger is farther).
struct Pixel {
    double x = 0, y = 0, depth = 0;
};

class Camera {
public:
    Vec3 target;
    double distance = 100;
    double yaw = 0;     // degrees clockwise from north of the direction looked in
    double pitch = 30;  // degrees down from level
    bool perspective = true;
    static constexpr double kFieldOfView = 40;  // vertical, degrees

    Vec3 Forward() const;  // unit vector looked along
    Vec3 Right() const;
    Vec3 Up() const;
    Vec3 Eye() const { return target - distance * Forward(); }
    // Half the height the picture shows at the target's distance: the orthographic scale.
    double HalfHeight() const;

    Pixel Project(Vec3 p, int width, int height) const;
    // The ray under a pixel: its start (on the near side) and unit direction.
    void Ray(double px, double py, int width, int height, Vec3& origin, Vec3& direction) const;

    void Orbit(double degreesRight, double degreesUp);
    // Moves the target with the picture: `dx`, `dy` in pixels of a picture `height` pixels high.
    void Pan(double dx, double dy, int height);
    // Zooms by `factor` (< 1 nearer) keeping the point under the pixel where it is.
    void ZoomAt(double factor, double px, double py, int width, int height);
    // Frames `box` whole in a picture of `aspect` (width / height), looking as now.
    void Fit(const Box& box, double aspect);
    // Looks from a standard side; `along` is the bridge's direction in plan (x east, y north).
    void Look(StandardView view, Vec3 along);
};

}  // namespace view3d
