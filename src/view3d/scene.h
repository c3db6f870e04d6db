#pragma once
// What the 3D view shows of a bridge model: its meshes moved into the scene's frame (x east, y north, z up,
// metres from a point of the bridge, so that single-precision graphics keep centimetres), a colour for each
// member kind with the legend, the findings marked on the meshes they concern, and the picking that maps a
// pixel back to its member, table and record. Built once per model; the window, the PNG export and the
// command line share it.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "bridge/tessellation.h"
#include "view3d/camera.h"

namespace view3d {

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
};

struct LegendEntry {
    std::string name;  // "主梁", "墩柱", ... as the model names them
    Rgb colour;
};

// One mesh as shown: triangles in the scene's frame, each a, b, c turning so that (b − a) × (c − a) points
// out (the model's frame runs north, east, up, whose hand is the other one).
struct Part {
    bridge::Mesh mesh;      // as tessellated, in world coordinates
    std::vector<Vec3> points;  // its vertices in the scene's frame
    std::vector<bridge::Triangle> shown;  // the triangles a picture draws (the voids' linings left out)
    Rgb colour;
    char severity = 0;  // 'E' or 'W' when a finding concerns it
    std::vector<std::string> findings;
    std::string place;  // "2号墩", "第3孔", "左幅" ...
    std::string sizes;  // the key sizes, as the status bar names them
    Box box;
};

struct Pick {
    int part = -1;
    double distance = 0;  // along the ray
};

class Scene {
public:
    explicit Scene(const bridge::Bridge& b);

    const std::vector<Part>& parts() const { return parts_; }
    const std::vector<LegendEntry>& legend() const { return legend_; }
    const Box& box() const { return box_; }
    // The bridge's direction in plan, first support to last (east when it has none).
    Vec3 along() const { return along_; }
    // The scene's origin in world coordinates (x northing, y easting, z elevation).
    bridge::Point3 origin() const { return origin_; }
    std::size_t triangleCount() const;

    Vec3 ToScene(bridge::Point3 world) const;
    // The nearest member or site part under a pixel, if any.
    std::optional<Pick> PickAt(const Camera& camera, double px, double py, int width, int height) const;
    // One line for the status bar: member, where it stands, table and record, key sizes, findings.
    std::string Describe(int part) const;

    static Rgb ColourOf(const bridge::Mesh& m);

private:
    std::vector<Part> parts_;
    std::vector<LegendEntry> legend_;
    Box box_;
    Vec3 along_{1, 0, 0};
    bridge::Point3 origin_;
};

// A camera that looks at the whole bridge from a standard side, for a picture of `aspect` (width / height).
Camera FramedCamera(const Scene& scene, StandardView view, double aspect, bool perspective);

}  // namespace view3d
