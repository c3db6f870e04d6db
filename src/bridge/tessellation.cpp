#include "bridge/tessellation.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>

#include "projectdb/schema.h"

namespace bridge {

namespace {

struct Vec {
    double x = 0, y = 0, z = 0;
};
Vec operator-(Point3 a, Point3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
Vec operator+(Vec a, Vec b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
Vec operator*(double k, Vec a) { return {k * a.x, k * a.y, k * a.z}; }
Point3 operator+(Point3 p, Vec v) { return {p.x + v.x, p.y + v.y, p.z + v.z}; }
double Dot(Vec a, Vec b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
Vec CrossV(Vec a, Vec b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }
Vec Unit(Vec a) {
    const double n = std::sqrt(Dot(a, a));
    return n > 0 ? (1 / n) * a : a;
}

// The section's axes on one straight piece of the path.
struct Frame {
    Vec t, u, v;
};

Frame FrameOf(Vec t, Point2 across) {
    Frame f;
    f.t = t;
    if (std::fabs(t.z) > 0.99) {
        f.u = Unit(Vec{across.x, across.y, 0} + (-Dot({across.x, across.y, 0}, t)) * t);
        if (Dot(f.u, f.u) == 0) f.u = {1, 0, 0};
        f.v = Unit(CrossV(t, f.u));
    } else {
        f.u = Unit({-t.y, t.x, 0});  // x northing, y easting: this is the right of a walker along t
        f.v = Unit(Vec{0, 0, 1} + (-t.z) * t);
    }
    return f;
}

std::vector<Point3> DistinctPoints(const std::vector<Point3>& path) {
    std::vector<Point3> p;
    for (const Point3& q : path)
        if (p.empty() || Dot(q - p.back(), q - p.back()) > 1e-18) p.push_back(q);
    return p;
}

void Flip(Mesh& m) {
    for (Triangle& t : m.triangles) std::swap(t[1], t[2]);
}

// The face triangulation of a profile: every girder of a viaduct has the same, so it is found once.
class FaceCache {
public:
    const std::vector<Triangle>& Of(const Solid& s) {
        std::vector<double> key;
        for (const Point2& p : s.profile) key.insert(key.end(), {p.x, p.y});
        for (const auto& h : s.holes) {
            key.push_back(1e300);
            for (const Point2& p : h) key.insert(key.end(), {p.x, p.y});
        }
        auto [it, added] = faces_.try_emplace(std::move(key));
        if (added) it->second = TriangulatePolygon(s.profile, s.holes);
        return it->second;
    }

private:
    std::map<std::vector<double>, std::vector<Triangle>> faces_;
};

Mesh Sweep(const Solid& s, Point2 across, const std::vector<Triangle>& face) {
    Mesh m;
    m.member = s.member;
    m.support = s.support;
    m.span = s.span;
    m.table = s.table;
    m.record = s.record;
    const std::vector<Point3> path = DistinctPoints(s.path);
    if (path.size() < 2 || s.profile.size() < 3) return m;

    // The rings of the section: the outline counter-clockwise, every hole clockwise, so that the side faces
    // of all of them turn the same way; their points numbered as the face triangulation numbers them.
    std::vector<std::vector<Point2>> rings = {s.profile};
    if (Area(s.profile) < 0) std::reverse(rings[0].begin(), rings[0].end());
    std::vector<std::vector<std::uint32_t>> ringIndex;
    std::vector<Point2> section;
    auto addRing = [&](const std::vector<Point2>& ring, bool reversed) {
        std::vector<std::uint32_t> order;
        for (std::size_t k = 0; k < ring.size(); ++k)
            order.push_back(static_cast<std::uint32_t>(section.size() + (reversed ? ring.size() - 1 - k : k)));
        section.insert(section.end(), ring.begin(), ring.end());
        ringIndex.push_back(std::move(order));
    };
    addRing(s.profile, Area(s.profile) < 0);
    for (const auto& h : s.holes) addRing(h, Area(h) > 0);

    std::vector<Frame> frames;
    for (std::size_t i = 0; i + 1 < path.size(); ++i) frames.push_back(FrameOf(Unit(path[i + 1] - path[i]), across));
    const auto n = static_cast<std::uint32_t>(section.size());
    for (std::size_t i = 0; i < path.size(); ++i) {
        const Frame& f = frames[std::min(i, frames.size() - 1)];
        const Frame& before = frames[i == 0 ? 0 : i - 1];
        // Where the path turns, each edge of the piece before runs on to the plane halving the turn.
        const bool mitre = i > 0 && i + 1 < path.size();
        const Vec halving = Unit(before.t + f.t);
        for (const Point2& q : section) {
            const Vec offset = q.x * before.u + q.y * before.v;
            if (!mitre) {
                const Frame& own = i == 0 ? f : before;
                m.vertices.push_back(path[i] + (q.x * own.u + q.y * own.v));
                continue;
            }
            const double along = -Dot(offset, halving) / Dot(before.t, halving);
            m.vertices.push_back(path[i] + (offset + along * before.t));
        }
    }
    for (std::size_t r = 0; r < ringIndex.size(); ++r) {
        if (r == 1) m.voidWallsBegin = m.triangles.size();
        const auto& ring = ringIndex[r];
        for (std::uint32_t i = 0; i + 1 < path.size(); ++i) {
            const std::uint32_t a0 = i * n, a1 = (i + 1) * n;
            for (std::size_t k = 0; k < ring.size(); ++k) {
                const std::uint32_t p = ring[k], q = ring[(k + 1) % ring.size()];
                m.triangles.push_back({a0 + p, a0 + q, a1 + q});
                m.triangles.push_back({a0 + p, a1 + q, a1 + p});
            }
        }
    }
    m.voidWallsEnd = ringIndex.size() > 1 ? m.triangles.size() : 0;
    const auto last = static_cast<std::uint32_t>((path.size() - 1) * n);
    for (const Triangle& t : face) {
        m.triangles.push_back({t[0], t[2], t[1]});
        m.triangles.push_back({last + t[0], last + t[1], last + t[2]});
    }
    // Which way the sides face depends on the frame's hand; the enclosed volume says it.
    if (MeshVolume(m) < 0) Flip(m);
    return m;
}

Point2 SupportLineDirection(const Bridge& b, int support) {
    // Supports are kept in index order: a viaduct's thousands of columns find theirs at once.
    const Support* s = support >= 0 && support < static_cast<int>(b.supports.size()) ? &b.supports[support] : nullptr;
    if (!s || s->index != support) return {0, 1};
    const double dx = s->lineRight.x - s->lineLeft.x, dy = s->lineRight.y - s->lineLeft.y;
    const double length = std::hypot(dx, dy);
    return length > 0 ? Point2{dx / length, dy / length} : Point2{0, 1};
}

// A point of the route in world coordinates; along a plain line when the project has no plan.
Point3 RouteAt(const Bridge& b, double station, double offset, double z) {
    if (!b.site.route || !b.site.hasPlan) return {station, offset, z};
    const calc::RoutePoint p = b.site.route->Evaluate(station, offset);
    return {p.x, p.y, z};
}

// Turns a surface's triangles to face up.
void FaceUp(Mesh& m) {
    double up = 0;
    for (const Triangle& t : m.triangles)
        up += CrossV(m.vertices[t[1]] - m.vertices[t[0]], m.vertices[t[2]] - m.vertices[t[0]]).z;
    if (up < 0) Flip(m);
}

// Stations from `from` to `to`, no further apart than `step`, with every one of `also` between them.
std::vector<double> Stations(double from, double to, double step, const std::vector<double>& also = {}) {
    std::vector<double> s;
    const int count = std::max(1, static_cast<int>(std::ceil((to - from) / step)));
    for (int k = 0; k <= count; ++k) s.push_back(from + (to - from) * k / count);
    for (double a : also)
        if (a > from && a < to) s.push_back(a);
    std::sort(s.begin(), s.end());
    s.erase(std::unique(s.begin(), s.end(), [](double a, double c) { return std::fabs(a - c) < 1e-6; }), s.end());
    return s;
}

// A surface strip between two offsets from the route, its height given per station and offset, facing up.
template <typename Height>
void Strip(const Bridge& b, Mesh& m, const std::vector<double>& stations, double left, double right, Height height) {
    for (double station : stations) {
        m.vertices.push_back(RouteAt(b, station, left, height(station, left)));
        m.vertices.push_back(RouteAt(b, station, right, height(station, right)));
    }
    for (std::uint32_t i = 0; i + 1 < stations.size(); ++i) {
        const std::uint32_t l0 = 2 * i, r0 = l0 + 1, l1 = l0 + 2, r1 = l0 + 3;
        m.triangles.push_back({l0, l1, r1});
        m.triangles.push_back({l0, r1, r0});
    }
    FaceUp(m);
}

// The deck surface from the first support line to the last: each edge runs between the points where those
// lines cross it, so that a skewed bridge ends skewed. The edges are sampled alike, every 5 m or less.
void DeckStrip(const Bridge& b, const Deck& deck, Mesh& m) {
    const Support &first = b.supports.front(), &last = b.supports.back();
    const Deck* designed = b.DesignedDeck();
    const double centre = designed ? designed->offset : 0;
    auto onLine = [&](const Support& s, double offset) {
        const double theta = s.crossingAngle * std::numbers::pi / 180;
        return s.station + (offset - centre) * std::cos(theta) / std::max(std::sin(theta), 0.05);
    };
    const double left = deck.offset - deck.width / 2, right = deck.offset + deck.width / 2;
    const double fromL = onLine(first, left), toL = onLine(last, left);
    const double fromR = onLine(first, right), toR = onLine(last, right);
    const int rows = std::max(1, static_cast<int>(std::ceil(std::max(toL - fromL, toR - fromR) / 5)));
    for (int k = 0; k <= rows; ++k) {
        const double l = fromL + (toL - fromL) * k / rows, r = fromR + (toR - fromR) * k / rows;
        m.vertices.push_back(RouteAt(b, l, left, b.site.DeckAt(l, left)));
        m.vertices.push_back(RouteAt(b, r, right, b.site.DeckAt(r, right)));
    }
    for (std::uint32_t i = 0; i < static_cast<std::uint32_t>(rows); ++i) {
        const std::uint32_t l0 = 2 * i, r0 = l0 + 1, l1 = l0 + 2, r1 = l0 + 3;
        m.triangles.push_back({l0, l1, r1});
        m.triangles.push_back({l0, r1, r0});
    }
    FaceUp(m);
}

void AddSite(const Bridge& b, std::vector<Mesh>& meshes) {
    if (b.supports.empty()) return;
    const double first = b.supports.front().station, last = b.supports.back().station;
    double halfWidth = 0;
    for (std::size_t d = 0; d < b.decks.size(); ++d) {
        const Deck& deck = b.decks[d];
        halfWidth = std::max(halfWidth, std::fabs(deck.offset) + deck.width / 2);
        Mesh m;
        m.kind = MeshKind::Deck;
        m.member = "桥面";
        m.deck = static_cast<int>(d);
        m.table = projectdb::kGeneralInfoTable;
        m.record = 0;
        DeckStrip(b, deck, m);
        meshes.push_back(std::move(m));
    }
    // The ground 30 m on either side of the bridge, beyond each end and beside the widest deck.
    const double margin = 30;
    if (!b.site.ground.empty()) {
        const double from = std::max(first - margin, b.site.ground.front().station);
        const double to = std::min(last + margin, b.site.ground.back().station);
        std::vector<double> points;
        for (const GroundPoint& g : b.site.ground) points.push_back(g.station);
        if (to > from) {
            Mesh m;
            m.kind = MeshKind::Ground;
            m.member = "地面";
            m.table = projectdb::kGroundLineTable;
            const std::vector<double> stations = Stations(from, to, 10, points);
            Strip(b, m, stations, -halfWidth - margin, halfWidth + margin,
                  [&](double s, double) { return b.site.GroundAt(s); });
            // The ground line along the route: seen from the side, the strip itself is only an edge.
            for (double station : stations) {
                m.vertices.push_back(RouteAt(b, station, 0, b.site.GroundAt(station)));
                const auto i = static_cast<std::uint32_t>(m.vertices.size());
                if (station != stations.front()) m.lines.push_back({i - 2, i - 1});
            }
            meshes.push_back(std::move(m));
        }
    }
    Mesh line;
    line.kind = MeshKind::CentreLine;
    line.member = "路线中线";
    const double from = first - margin, to = last + margin;
    auto centre = [&](double s, double offset) {
        const double z = b.site.route && b.site.hasProfile ? b.site.route->Evaluate(s, 0).centreElevation : 0;
        return RouteAt(b, s, offset, z);
    };
    for (double s : Stations(from, to, 5)) {
        line.vertices.push_back(centre(s, 0));
        if (line.vertices.size() > 1) {
            const auto i = static_cast<std::uint32_t>(line.vertices.size());
            line.lines.push_back({i - 2, i - 1});
        }
    }
    for (double tick = std::ceil(from / 10) * 10; tick <= to; tick += 10) {
        const double half = std::fmod(std::fabs(tick), 100) < 1e-6 ? 3 : 1;
        const auto i = static_cast<std::uint32_t>(line.vertices.size());
        line.vertices.push_back(centre(tick, -half));
        line.vertices.push_back(centre(tick, half));
        line.lines.push_back({i, i + 1});
    }
    meshes.push_back(std::move(line));
}

}  // namespace

Mesh SweepSolid(const Solid& s, Point2 across) {
    return Sweep(s, across, TriangulatePolygon(s.profile, s.holes));
}

std::vector<Mesh> Tessellate(const Bridge& b) {
    std::vector<Mesh> meshes;
    meshes.reserve(b.solids.size() + b.decks.size() + 2);
    FaceCache faces;
    for (std::size_t i = 0; i < b.solids.size(); ++i) {
        const Solid& s = b.solids[i];
        Mesh m = Sweep(s, SupportLineDirection(b, s.support), faces.Of(s));
        m.solid = static_cast<int>(i);
        meshes.push_back(std::move(m));
    }
    AddSite(b, meshes);
    return meshes;
}

double MeshVolume(const Mesh& m) {
    if (m.vertices.empty()) return 0;
    // Measured from a corner of the mesh: world coordinates run to millions of metres, and the products of
    // such numbers would drown a member's volume in rounding.
    const Point3 o = m.vertices.front();
    double six = 0;
    for (const Triangle& t : m.triangles)
        six += Dot(m.vertices[t[0]] - o, CrossV(m.vertices[t[1]] - o, m.vertices[t[2]] - o));
    return six / 6;
}

}  // namespace bridge
