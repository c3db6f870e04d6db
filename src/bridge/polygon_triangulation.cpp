#include "bridge/polygon_triangulation.h"

#include <algorithm>
#include <cmath>
#include <list>

namespace bridge {

namespace {

struct Corner {
    Point2 p;
    std::uint32_t index;  // into the caller's numbering
};

double Cross(Point2 o, Point2 a, Point2 b) { return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x); }
bool Same(Point2 a, Point2 b) { return a.x == b.x && a.y == b.y; }

// Whether segments ab and cd cross at a point inside both (touching at an end does not count).
bool Cross(Point2 a, Point2 b, Point2 c, Point2 d) {
    if (Same(a, c) || Same(a, d) || Same(b, c) || Same(b, d)) return false;
    const double d1 = Cross(c, d, a), d2 = Cross(c, d, b), d3 = Cross(a, b, c), d4 = Cross(a, b, d);
    return ((d1 > 0) != (d2 > 0)) && ((d3 > 0) != (d4 > 0)) && d1 != 0 && d2 != 0 && d3 != 0 && d4 != 0;
}

bool Inside(Point2 p, Point2 a, Point2 b, Point2 c) {
    return Cross(a, b, p) >= 0 && Cross(b, c, p) >= 0 && Cross(c, a, p) >= 0;
}

bool CrossesAny(Point2 a, Point2 b, const std::vector<Corner>& ring) {
    for (std::size_t i = 0; i < ring.size(); ++i)
        if (Cross(a, b, ring[i].p, ring[(i + 1) % ring.size()].p)) return true;
    return false;
}

// Joins each hole to the outline by a cut there and back, so that one ring (touching itself along the cuts)
// bounds the face. Holes go in from the rightmost, each to the nearest outline corner that it sees.
std::vector<Corner> JoinHoles(std::vector<Corner> ring, std::vector<std::vector<Corner>> holes) {
    auto rightmost = [](const std::vector<Corner>& h) {
        return std::max_element(h.begin(), h.end(), [](const Corner& a, const Corner& b) { return a.p.x < b.p.x; }) -
               h.begin();
    };
    std::sort(holes.begin(), holes.end(), [&](const auto& a, const auto& b) {
        return a[rightmost(a)].p.x > b[rightmost(b)].p.x;
    });
    for (std::size_t h = 0; h < holes.size(); ++h) {
        const auto& hole = holes[h];
        const std::size_t m = rightmost(hole);
        const Point2 mp = hole[m].p;
        std::size_t best = ring.size();
        double bestDistance = 0;
        for (std::size_t i = 0; i < ring.size(); ++i) {
            const double d = std::hypot(ring[i].p.x - mp.x, ring[i].p.y - mp.y);
            if (best < ring.size() && d >= bestDistance) continue;
            bool blocked = CrossesAny(mp, ring[i].p, ring);
            for (std::size_t k = h; k < holes.size() && !blocked; ++k) blocked = CrossesAny(mp, ring[i].p, holes[k]);
            if (blocked) continue;
            best = i;
            bestDistance = d;
        }
        if (best == ring.size()) best = 0;  // nothing seen: a broken outline still gets a face
        std::vector<Corner> joined(ring.begin(), ring.begin() + best + 1);
        for (std::size_t k = 0; k <= hole.size(); ++k) joined.push_back(hole[(m + k) % hole.size()]);
        joined.insert(joined.end(), ring.begin() + best, ring.end());
        ring = std::move(joined);
    }
    return ring;
}

bool IsEar(const std::list<Corner>& ring, std::list<Corner>::const_iterator at) {
    auto prev = at == ring.begin() ? std::prev(ring.end()) : std::prev(at);
    auto next = std::next(at) == ring.end() ? ring.begin() : std::next(at);
    const Point2 a = prev->p, b = at->p, c = next->p;
    if (Cross(a, b, c) <= 0) return false;
    for (const Corner& k : ring)
        if (!Same(k.p, a) && !Same(k.p, b) && !Same(k.p, c) && Inside(k.p, a, b, c)) return false;
    return true;
}

}  // namespace

std::vector<Triangle> TriangulatePolygon(const std::vector<Point2>& outline,
                                         const std::vector<std::vector<Point2>>& holes) {
    std::uint32_t next = 0;
    auto corners = [&next](const std::vector<Point2>& points, bool counterClockwise) {
        std::vector<Corner> ring;
        for (const Point2& p : points) ring.push_back({p, next++});
        if ((Area(points) > 0) != counterClockwise) std::reverse(ring.begin(), ring.end());
        return ring;
    };
    std::vector<Corner> outer = corners(outline, true);
    std::vector<std::vector<Corner>> inner;
    for (const auto& h : holes)
        if (h.size() >= 3) inner.push_back(corners(h, false));
        else next += static_cast<std::uint32_t>(h.size());

    const std::vector<Corner> joined = JoinHoles(std::move(outer), std::move(inner));
    std::list<Corner> ring(joined.begin(), joined.end());
    std::vector<Triangle> triangles;
    while (ring.size() > 3) {
        auto ear = ring.begin();
        while (ear != ring.end() && !IsEar(ring, ear)) ++ear;
        // A ring with no ear left is degenerate (collinear corners): cut anywhere rather than loop.
        if (ear == ring.end()) ear = ring.begin();
        auto prev = ear == ring.begin() ? std::prev(ring.end()) : std::prev(ear);
        auto after = std::next(ear) == ring.end() ? ring.begin() : std::next(ear);
        if (Cross(prev->p, ear->p, after->p) > 0) triangles.push_back({prev->index, ear->index, after->index});
        ring.erase(ear);
    }
    if (ring.size() == 3) {
        auto it = ring.begin();
        const Corner a = *it++, b = *it++, c = *it;
        if (Cross(a.p, b.p, c.p) > 0) triangles.push_back({a.index, b.index, c.index});
    }
    return triangles;
}

}  // namespace bridge
