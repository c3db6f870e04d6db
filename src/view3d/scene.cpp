#include "view3d/scene.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "platform/text/cformat.h"
#include "projectdb/schema.h"

namespace view3d {

namespace {

struct Kind {
    const char* name;
    Rgb colour;
};
// Concrete of the superstructure light, of the supports warmer, of what lies in the ground darker.
constexpr Kind kKinds[] = {
    {"主梁", {196, 204, 214}}, {"帽梁", {230, 160, 70}},  {"台帽", {215, 135, 60}},   {"墩柱", {200, 180, 140}},
    {"肋板", {190, 165, 120}}, {"墩台身", {185, 170, 130}}, {"承台", {150, 115, 80}},  {"系梁", {160, 125, 90}},
    {"桩", {110, 85, 60}},     {"扩大基础", {130, 100, 70}}, {"沉井基础", {120, 95, 70}}, {"桥面", {90, 92, 98}},
    {"地面", {120, 150, 95}},  {"路线中线", {200, 40, 40}},
};
constexpr Rgb kOther{170, 170, 170};

// The span's depth and length, a column's section and height, and so on: the extent of the profile and
// the length of the path, which are the sizes an engineer reads off a member.
std::string SizesOf(const bridge::Solid& s) {
    double minU = 0, maxU = 0, minV = 0, maxV = 0;
    for (std::size_t i = 0; i < s.profile.size(); ++i) {
        const bridge::Point2 p = s.profile[i];
        minU = i ? std::min(minU, p.x) : p.x, maxU = i ? std::max(maxU, p.x) : p.x;
        minV = i ? std::min(minV, p.y) : p.y, maxV = i ? std::max(maxV, p.y) : p.y;
    }
    std::string text = text::Format("截面 %.2f×%.2fm，长 %.2fm，体积 %.2fm³", maxU - minU, maxV - minV,
                                    bridge::PathLength(s.path), s.volume);
    if (!s.holes.empty()) text += text::Format("，空洞 %d 个", static_cast<int>(s.holes.size()));
    return text;
}

// The support of an index: supports are kept in index order, so it is at its index.
const bridge::Support* SupportOf(const bridge::Bridge& b, int index) {
    if (index >= 0 && index < static_cast<int>(b.supports.size()) && b.supports[index].index == index)
        return &b.supports[index];
    for (const bridge::Support& s : b.supports)
        if (s.index == index) return &s;
    return nullptr;
}

std::string PlaceOf(const bridge::Bridge& b, const bridge::Mesh& m) {
    if (const bridge::Support* s = m.support >= 0 ? SupportOf(b, m.support) : nullptr)
        return text::Format("%d号%s", s->index, s->KindText());
    if (m.span >= 0) return text::Format("第%d孔", m.span + 1);
    if (m.deck >= 0 && m.deck < static_cast<int>(b.decks.size())) {
        const bridge::Deck& d = b.decks[m.deck];
        return d.side == bridge::DeckSide::Whole ? std::string("整幅") : std::string(d.SideText()) + "幅";
    }
    return "";
}

// The findings by the table and record they name: a finding concerns the mesh of that record, and every
// mesh of the support or span whose layout record it names.
class FindingIndex {
public:
    explicit FindingIndex(const bridge::Bridge& b) : b_(b) {
        for (const bridge::Finding& f : b.findings)
            if (f.record >= 0 && !f.table.empty()) byRecord_[{f.table, f.record}].push_back(&f);
    }

    std::vector<const bridge::Finding*> Of(const bridge::Mesh& m) const {
        std::vector<const bridge::Finding*> found;
        auto add = [&](const std::string& table, int record) {
            auto it = byRecord_.find({table, record});
            if (it != byRecord_.end()) found.insert(found.end(), it->second.begin(), it->second.end());
        };
        if (m.record >= 0) add(m.table, m.record);
        if (const bridge::Support* s = m.support >= 0 ? SupportOf(b_, m.support) : nullptr)
            add(projectdb::kSubLayoutTable, s->record);
        if (m.span >= 0 && m.span < static_cast<int>(b_.spans.size()))
            add(projectdb::kSuperSpanTable, b_.spans[m.span].record);
        return found;
    }

private:
    const bridge::Bridge& b_;
    std::map<std::pair<std::string, int>, std::vector<const bridge::Finding*>> byRecord_;
};

// Möller and Trumbore: the distance along the ray to the triangle, or a negative number when it misses.
double Hit(Vec3 o, Vec3 d, Vec3 a, Vec3 b, Vec3 c) {
    const Vec3 e1 = b - a, e2 = c - a, p = Cross(d, e2);
    const double det = Dot(e1, p);
    if (std::fabs(det) < 1e-12) return -1;
    const Vec3 t = o - a;
    const double u = Dot(t, p) / det;
    if (u < 0 || u > 1) return -1;
    const Vec3 q = Cross(t, e1);
    const double v = Dot(d, q) / det;
    if (v < 0 || u + v > 1) return -1;
    return Dot(e2, q) / det;
}

bool RayMeetsBox(Vec3 o, Vec3 d, const Box& box) {
    double near = -1e300, far = 1e300;
    const double origin[] = {o.x, o.y, o.z}, dir[] = {d.x, d.y, d.z};
    const double lo[] = {box.min.x, box.min.y, box.min.z}, hi[] = {box.max.x, box.max.y, box.max.z};
    for (int k = 0; k < 3; ++k) {
        if (std::fabs(dir[k]) < 1e-15) {
            if (origin[k] < lo[k] - 1e-9 || origin[k] > hi[k] + 1e-9) return false;
            continue;
        }
        double t1 = (lo[k] - origin[k]) / dir[k], t2 = (hi[k] - origin[k]) / dir[k];
        if (t1 > t2) std::swap(t1, t2);
        near = std::max(near, t1);
        far = std::min(far, t2);
    }
    return near <= far + 1e-9 && far >= 0;
}

}  // namespace

Rgb Scene::ColourOf(const bridge::Mesh& m) {
    for (const Kind& k : kKinds)
        if (m.member == k.name) return k.colour;
    return kOther;
}

Scene::Scene(const bridge::Bridge& b) {
    std::vector<bridge::Mesh> meshes = bridge::Tessellate(b);
    for (const bridge::Mesh& m : meshes)
        if (!m.vertices.empty()) {
            origin_ = m.vertices.front();
            break;
        }
    if (b.supports.size() >= 2) {
        const Vec3 d = ToScene({b.supports.back().centre.x, b.supports.back().centre.y, 0}) -
                       ToScene({b.supports.front().centre.x, b.supports.front().centre.y, 0});
        if (Dot(d, d) > 0) along_ = Normalized({d.x, d.y, 0});
    }
    std::map<std::string, Rgb> used;
    const FindingIndex findings(b);
    parts_.reserve(meshes.size());
    for (bridge::Mesh& m : meshes) {
        Part part;
        part.colour = ColourOf(m);
        used.emplace(m.member, part.colour);
        for (const bridge::Point3& v : m.vertices) {
            part.points.push_back(ToScene(v));
            part.box.Add(part.points.back());
        }
        // The scene's frame has the other hand: the same corners in the other order face out.
        for (std::size_t t = 0; t < m.triangles.size(); ++t)
            if (t < m.voidWallsBegin || t >= m.voidWallsEnd)
                part.shown.push_back({m.triangles[t][0], m.triangles[t][2], m.triangles[t][1]});
        for (const bridge::Finding* f : findings.Of(m)) {
            part.findings.push_back(f->text);
            if (part.severity != 'E') part.severity = f->severity;
        }
        part.place = PlaceOf(b, m);
        if (m.solid >= 0) part.sizes = SizesOf(b.solids[m.solid]);
        if (m.kind != bridge::MeshKind::Ground) box_.Add(part.box.min), box_.Add(part.box.max);
        part.mesh = std::move(m);
        parts_.push_back(std::move(part));
    }
    if (box_.empty)
        for (const Part& p : parts_) box_.Add(p.box.min), box_.Add(p.box.max);
    for (const Kind& k : kKinds)
        if (used.count(k.name)) legend_.push_back({k.name, k.colour});
    for (const auto& [name, colour] : used)
        if (std::none_of(std::begin(kKinds), std::end(kKinds), [&](const Kind& k) { return name == k.name; }))
            legend_.push_back({name, colour});
}

Vec3 Scene::ToScene(bridge::Point3 w) const { return {w.y - origin_.y, w.x - origin_.x, w.z - origin_.z}; }

std::size_t Scene::triangleCount() const {
    std::size_t n = 0;
    for (const Part& p : parts_) n += p.shown.size();
    return n;
}

std::optional<Pick> Scene::PickAt(const Camera& camera, double px, double py, int width, int height) const {
    Vec3 o, d;
    camera.Ray(px, py, width, height, o, d);
    std::optional<Pick> best;
    for (std::size_t i = 0; i < parts_.size(); ++i) {
        const Part& part = parts_[i];
        if (part.shown.empty() || !RayMeetsBox(o, d, part.box)) continue;
        for (const bridge::Triangle& t : part.shown) {
            const double at = Hit(o, d, part.points[t[0]], part.points[t[1]], part.points[t[2]]);
            if (at >= 0 && (!best || at < best->distance)) best = Pick{static_cast<int>(i), at};
        }
    }
    return best;
}

std::string Scene::Describe(int index) const {
    if (index < 0 || index >= static_cast<int>(parts_.size())) return "";
    const Part& p = parts_[index];
    std::string text = p.place.empty() ? p.mesh.member : p.place + " " + p.mesh.member;
    if (!p.mesh.table.empty())
        text += p.mesh.record >= 0 ? text::Format("（%s 第%d条）", p.mesh.table.c_str(), p.mesh.record + 1)
                                   : text::Format("（%s）", p.mesh.table.c_str());
    else if (p.mesh.kind == bridge::MeshKind::Member)
        text += "（构件表中没有，按标准值拟定）";
    if (!p.sizes.empty()) text += "：" + p.sizes;
    for (const std::string& f : p.findings) text += " ⚠ " + f;
    return text;
}

Camera FramedCamera(const Scene& scene, StandardView view, double aspect, bool perspective) {
    Camera camera;
    camera.perspective = perspective;
    camera.Look(view, scene.along());
    camera.Fit(scene.box(), aspect);
    return camera;
}

}  // namespace view3d
