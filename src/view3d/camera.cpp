#include "view3d/camera.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace view3d {

namespace {
double Radians(double degrees) { return degrees * std::numbers::pi / 180; }
constexpr double kNearest = 0.5;  // metres: the zoom stops short of the target
}  // namespace

Vec3 operator+(Vec3 a, Vec3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
Vec3 operator-(Vec3 a, Vec3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
Vec3 operator*(double k, Vec3 a) { return {k * a.x, k * a.y, k * a.z}; }
double Dot(Vec3 a, Vec3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
Vec3 Cross(Vec3 a, Vec3 b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }
Vec3 Normalized(Vec3 a) {
    const double n = std::sqrt(Dot(a, a));
    return n > 0 ? (1 / n) * a : a;
}

void Box::Add(Vec3 p) {
    if (empty) {
        min = max = p;
        empty = false;
        return;
    }
    min = {std::min(min.x, p.x), std::min(min.y, p.y), std::min(min.z, p.z)};
    max = {std::max(max.x, p.x), std::max(max.y, p.y), std::max(max.z, p.z)};
}

Vec3 Camera::Forward() const {
    const double y = Radians(yaw), p = Radians(pitch);
    return {std::cos(p) * std::sin(y), std::cos(p) * std::cos(y), -std::sin(p)};
}

// Level and square to the direction looked in, also when looking straight down.
Vec3 Camera::Right() const {
    const double y = Radians(yaw);
    return {std::cos(y), -std::sin(y), 0};
}

Vec3 Camera::Up() const { return Cross(Right(), Forward()); }

double Camera::HalfHeight() const { return distance * std::tan(Radians(kFieldOfView / 2)); }

Pixel Camera::Project(Vec3 p, int width, int height) const {
    const Vec3 d = p - Eye();
    const double depth = Dot(d, Forward());
    const double scale = perspective ? depth * std::tan(Radians(kFieldOfView / 2)) : HalfHeight();
    const double pixels = height / 2.0 / scale;
    return {width / 2.0 + Dot(d, Right()) * pixels, height / 2.0 - Dot(d, Up()) * pixels, depth};
}

void Camera::Ray(double px, double py, int width, int height, Vec3& origin, Vec3& direction) const {
    const double unit = 2 * HalfHeight() / height;  // metres per pixel at the target
    const Vec3 offset = ((px - width / 2.0) * unit) * Right() + ((height / 2.0 - py) * unit) * Up();
    if (perspective) {
        origin = Eye();
        direction = Normalized(distance * Forward() + offset);
    } else {
        // Far enough back that nothing of a bridge lies behind the start.
        origin = Eye() + offset - (100 * distance) * Forward();
        direction = Forward();
    }
}

void Camera::Orbit(double degreesRight, double degreesUp) {
    yaw = std::fmod(yaw + degreesRight, 360);
    pitch = std::clamp(pitch + degreesUp, -89.9, 90.0);
}

void Camera::Pan(double dx, double dy, int height) {
    const double unit = 2 * HalfHeight() / height;
    target = target - (dx * unit) * Right() + (dy * unit) * Up();
}

void Camera::ZoomAt(double factor, double px, double py, int width, int height) {
    const double unit = 2 * HalfHeight() / height;
    const Vec3 under = target + ((px - width / 2.0) * unit) * Right() + ((height / 2.0 - py) * unit) * Up();
    const double next = std::max(kNearest, distance * factor);
    const double k = next / distance;
    // The point under the cursor on the target's plane stays put: the target moves towards it by 1 - k.
    target = under + k * (target - under);
    distance = next;
}

void Camera::Fit(const Box& box, double aspect) {
    if (box.empty) return;
    target = box.Centre();
    // The box's extent across the picture and up it, seen as now.
    double across = 0, up = 0;
    for (int k = 0; k < 8; ++k) {
        const Vec3 corner{k & 1 ? box.max.x : box.min.x, k & 2 ? box.max.y : box.min.y, k & 4 ? box.max.z : box.min.z};
        across = std::max(across, std::fabs(Dot(corner - target, Right())));
        up = std::max(up, std::fabs(Dot(corner - target, Up())));
    }
    const double half = std::max({up, across / std::max(aspect, 1e-6), 0.5}) * 1.05;
    distance = half / std::tan(Radians(kFieldOfView / 2));
    if (perspective) {
        // Nearer corners look larger: step back by the depth of the box in front of the target.
        double nearer = 0;
        for (int k = 0; k < 8; ++k) {
            const Vec3 corner{k & 1 ? box.max.x : box.min.x, k & 2 ? box.max.y : box.min.y, k & 4 ? box.max.z : box.min.z};
            nearer = std::max(nearer, -Dot(corner - target, Forward()));
        }
        distance += nearer;
    }
}

void Camera::Look(StandardView view, Vec3 along) {
    // The yaw that has the bridge run left to right across the picture.
    const double level = std::atan2(-along.y, along.x) * 180 / std::numbers::pi;
    switch (view) {
        case StandardView::Plan: yaw = level, pitch = 90; break;
        case StandardView::ElevationRight: yaw = level, pitch = 0; break;
        case StandardView::ElevationLeft: yaw = level + 180, pitch = 0; break;
        case StandardView::Iso: yaw = level - 35, pitch = 30; break;
    }
}

}  // namespace view3d
