// Member solids as triangle meshes: closed, facing out, enclosing the model's volume; and the site around them.
#include <cmath>
#include <map>
#include <numbers>
#include <utility>

#include "bridge/tessellation.h"
#include "bridge_fixture.h"

namespace bridge_test {
namespace {

using bridge::Mesh;
using bridge::MeshKind;

// Every directed edge once and its reverse once: a closed surface whose triangles all turn the same way.
void ExpectClosed(const Mesh& m) {
    std::map<std::pair<std::uint32_t, std::uint32_t>, int> edges;
    for (const auto& t : m.triangles)
        for (int k = 0; k < 3; ++k) ++edges[{t[k], t[(k + 1) % 3]}];
    int open = 0;
    for (const auto& [edge, count] : edges)
        if (count != 1 || edges.count({edge.second, edge.first}) == 0 || edges.at({edge.second, edge.first}) != 1)
            ++open;
    EXPECT_EQ(open, 0) << m.member;
}

std::vector<Mesh> MembersOf(const std::vector<Mesh>& meshes) {
    std::vector<Mesh> members;
    for (const Mesh& m : meshes)
        if (m.kind == MeshKind::Member) members.push_back(m);
    return members;
}

TEST(Tessellation, EveryMemberClosedFacingOutWithTheModelsVolume) {
    // T-beams (a comb of webs), hollow slabs (round voids), a box (cells); a skewed pier; a curved girder.
    struct Case {
        std::string type;
        std::string pierAngle;
        bool curved;
    };
    const Case cases[] = {{"装配式简支T梁桥", "90", false},
                          {"装配式简支空心板桥", "60", false},
                          {"连续等截面箱梁桥", "75", true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.type);
        ProjectSpec spec;
        spec.sections = {{c.type, "2", "20"}};
        spec.arcFrom1000 = c.curved;
        spec.supports = Rows{SupportRow("1000"), SupportRow("1020", c.pierAngle), SupportRow("1040")};
        Project p = c.type.find("T梁") != std::string::npos ? EveryMemberProject(c.type) : MakeProject(spec);
        const bridge::Bridge b = p.Read();
        const std::vector<Mesh> members = MembersOf(bridge::Tessellate(b));
        ASSERT_EQ(members.size(), b.solids.size());
        for (const Mesh& m : members) {
            SCOPED_TRACE(m.member);
            ExpectClosed(m);
            const bridge::Solid& s = b.solids[m.solid];
            EXPECT_NEAR(bridge::MeshVolume(m), s.volume, 0.001 * s.volume);
        }
    }
}

TEST(Tessellation, HollowSlabVoidsAndFacesByHand) {
    Project p = ChainProject(9.77);
    const bridge::Bridge b = p.Read();
    const std::vector<Mesh> members = MembersOf(bridge::Tessellate(b));
    const Mesh* slab = nullptr;
    const Mesh* cap = nullptr;
    for (const Mesh& m : members) {
        if (m.member == "主梁") slab = &m;
        if (m.member == "台帽" && m.support == 1) cap = &m;
    }
    ASSERT_NE(slab, nullptr);
    ASSERT_NE(cap, nullptr);
    // Twelve 1.0 m × 0.90 m slabs less twelve 16-sided voids in a 0.54 m circle, 19.96 m long on a 1 % grade.
    const double voidArea = 0.5 * 16 * 0.27 * 0.27 * std::sin(2 * std::numbers::pi / 16);
    EXPECT_NEAR(bridge::MeshVolume(*slab), (12 * 0.90 - 12 * voidArea) * 19.96 * std::sqrt(1.0001), 1e-6);
    // A face that points up is the cap's top at 89.0 + 9.77 + 1.2 (connection top, ribs, cap).
    double topArea = 0;
    for (const auto& t : cap->triangles) {
        const auto &a = cap->vertices[t[0]], &b1 = cap->vertices[t[1]], &c = cap->vertices[t[2]];
        const double nz = (b1.x - a.x) * (c.y - a.y) - (b1.y - a.y) * (c.x - a.x);
        if (nz > 1e-9) {
            EXPECT_NEAR(a.z, 89.0 + 9.77 + 1.2, 1e-9);
            topArea += nz / 2;
        }
    }
    EXPECT_NEAR(topArea, 1.6 * 12, 1e-9);  // 1.6 m standard width across the 12 m deck
}

TEST(Tessellation, MeshesNameTheirTableAndRecord) {
    Project p = EveryMemberProject("装配式简支T梁桥");
    const bridge::Bridge b = p.Read();
    const std::vector<Mesh> meshes = bridge::Tessellate(b);
    struct Case {
        const char* member;
        int support, span;
        std::string table;
        int record;
    };
    const Case cases[] = {
        {"台帽", 2, -1, projectdb::kAbutCap1Table, 1},   // the second 台帽 record
        {"承台", 1, -1, projectdb::kPileCap1Table, 1},   // the pier's, between the two abutments'
        {"主梁", -1, 1, projectdb::kInsideTBeamTable, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.member);
        const Mesh* found = nullptr;
        for (const Mesh& m : meshes)
            if (m.member == c.member && m.support == c.support && m.span == c.span) found = &m;
        ASSERT_NE(found, nullptr);
        EXPECT_EQ(found->table, c.table);
        EXPECT_EQ(found->record, c.record);
    }
}

TEST(Tessellation, DeckGroundAndCentreLineAlongAStraightRoute) {
    Project p = ChainProject(9.77);
    const bridge::Bridge b = p.Read();
    double deckArea = 0;
    int ticks = 0;
    for (const Mesh& m : bridge::Tessellate(b)) {
        if (m.kind == MeshKind::Deck)
            for (const auto& t : m.triangles) {
                const auto &a = m.vertices[t[0]], &b1 = m.vertices[t[1]], &c = m.vertices[t[2]];
                const double nz = (b1.x - a.x) * (c.y - a.y) - (b1.y - a.y) * (c.x - a.x);
                EXPECT_GT(nz, 0);  // facing up
                deckArea += nz / 2;
            }
        if (m.kind == MeshKind::Ground) {
            EXPECT_EQ(m.table, projectdb::kGroundLineTable);
            for (const auto& v : m.vertices) EXPECT_DOUBLE_EQ(v.z, 90);
        }
        if (m.kind == MeshKind::CentreLine)
            for (const auto& l : m.lines)
                if (std::fabs(m.vertices[l[0]].x - m.vertices[l[1]].x) < 1e-9 &&
                    std::fabs(m.vertices[l[0]].y - m.vertices[l[1]].y) > 1)
                    ++ticks;
    }
    EXPECT_NEAR(deckArea, 12 * 20, 1e-6);  // in plan: the 12 m deck between the abutments at 1000 and 1020
    EXPECT_EQ(ticks, 9);                   // stakes 970 to 1050, 30 m beyond either abutment
}

}  // namespace
}  // namespace bridge_test
