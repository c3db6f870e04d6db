#pragma once
// Compares the deck in a plan picture with the deck's outline from the model: every pixel that is drawn in
// the deck's colour but lies outside the outline, or inside it but not drawn so, must lie within `tolerance`
// pixels of the outline's edge.
#include <algorithm>
#include <cmath>
#include <vector>

#include "bridge/bridge_model.h"
#include "view3d/camera.h"
#include "view3d/scene.h"

namespace view3d_test {

struct Outline {
    std::vector<view3d::Pixel> corners;  // closed polygon in pixels
};

// Both edges of every deck from the first support to the last, every metre, through the route engine.
inline std::vector<Outline> DeckOutlines(const bridge::Bridge& b, const view3d::Scene& scene,
                                         const view3d::Camera& camera, int width, int height) {
    std::vector<Outline> outlines;
    const double from = b.supports.front().station, to = b.supports.back().station;
    for (const bridge::Deck& d : b.decks) {
        Outline o;
        std::vector<view3d::Pixel> right;
        for (double s = from;; s = std::min(to, s + 1)) {
            auto at = [&](double offset) {
                const calc::RoutePoint p = b.site.route->Evaluate(s, offset);
                return camera.Project(scene.ToScene({p.x, p.y, b.site.DeckAt(s, offset)}), width, height);
            };
            o.corners.push_back(at(d.offset - d.width / 2));
            right.insert(right.begin(), at(d.offset + d.width / 2));
            if (s >= to) break;
        }
        o.corners.insert(o.corners.end(), right.begin(), right.end());
        outlines.push_back(o);
    }
    return outlines;
}

inline bool InsideOutline(const Outline& o, double x, double y) {
    bool inside = false;
    for (std::size_t i = 0, j = o.corners.size() - 1; i < o.corners.size(); j = i++) {
        const auto &a = o.corners[i], &b = o.corners[j];
        if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x) inside = !inside;
    }
    return inside;
}

inline double DistanceToOutline(const Outline& o, double x, double y) {
    double best = 1e300;
    for (std::size_t i = 0, j = o.corners.size() - 1; i < o.corners.size(); j = i++) {
        const auto &a = o.corners[j], &b = o.corners[i];
        const double dx = b.x - a.x, dy = b.y - a.y, l = dx * dx + dy * dy;
        const double t = l > 0 ? std::clamp(((x - a.x) * dx + (y - a.y) * dy) / l, 0.0, 1.0) : 0;
        best = std::min(best, std::hypot(x - a.x - t * dx, y - a.y - t * dy));
    }
    return best;
}

// The pixels that break the rule; `isDeck` and `isLine` tell the deck's colour and the centre line's, whose
// pixels (drawn over the deck) are not judged.
template <typename IsDeck, typename IsLine>
int PixelsOffTheOutline(const std::vector<Outline>& outlines, int width, int height, IsDeck isDeck, IsLine isLine,
                        double tolerance = 2) {
    int off = 0;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            if (isLine(x, y)) continue;
            bool inside = false;
            for (const Outline& o : outlines) inside = inside || InsideOutline(o, x + 0.5, y + 0.5);
            if (inside == isDeck(x, y)) continue;
            double distance = 1e300;
            for (const Outline& o : outlines) distance = std::min(distance, DistanceToOutline(o, x + 0.5, y + 0.5));
            if (distance > tolerance) ++off;
        }
    return off;
}

}  // namespace view3d_test
