// Member solids: profile areas and volumes against hand calculations for the chain fixture's end
// abutment and its slab span.
#include <algorithm>
#include <cmath>
#include <numbers>
#include <set>

#include "bridge_fixture.h"

namespace bridge_test {
namespace {

// The area of a regular polygon of `n` sides inscribed in a circle of diameter `d`.
double Polygon(int n, double d) { return 0.5 * n * (d / 2) * (d / 2) * std::sin(2 * std::numbers::pi / n); }

std::vector<const bridge::Solid*> SolidsOf(const bridge::Bridge& b, const std::string& member, int support) {
    std::vector<const bridge::Solid*> found;
    for (const auto& s : b.solids)
        if (s.member == member && s.support == support) found.push_back(&s);
    return found;
}

TEST(Solids, VolumesOfTheMembersOfOneAbutment) {
    Project p = ChainProject(9.77);
    p.db->Execute("UPDATE [肋板式台身信息表] SET RibSlabThick = 1.0, RibSlabTopWidth = 3.0");
    const bridge::Bridge b = p.Read();
    struct Case {
        const char* member;
        std::size_t count;
        double volume;  // of each
    };
    const Case cases[] = {
        {"台帽", 1, 1.2 * 1.6 * 12},           // 1.2 m high, 1.6 m standard width, 12 m deck on a square line
        {"肋板", 2, 3.0 * 1.0 * 9.77},         // two ribs 3.0 × 1.0 m, 9.77 m high
        {"桩", 4, Polygon(24, 1.2) * 20},      // 20 m piles of 1.2 m, as 24-sided prisms
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.member);
        const auto solids = SolidsOf(b, c.member, 1);
        ASSERT_EQ(solids.size(), c.count);
        for (const auto* s : solids) {
            EXPECT_NEAR(s->volume, c.volume, 1e-6);
            EXPECT_GE(s->path.size(), 2u);
        }
    }
    // The piles hang from the pile cap's bottom (89.0 − 1.5) down to the tip 20 m lower.
    const auto piles = SolidsOf(b, "桩", 1);
    EXPECT_NEAR(piles[0]->path.front().z, 87.5, 1e-9);
    EXPECT_NEAR(piles[0]->path.back().z, 67.5, 1e-9);
}

// A group of two rows of two piles stands as the table puts it: 6 m apart along the support line, the rows
// 3 m apart along the route (due north, x), under a pile cap that holds both rows.
TEST(Solids, MultiRowPilesStandInTheirRows) {
    Project p = ChainProject(9.77);
    p.db->Execute("UPDATE [多排桩基础信息表] SET PilePosY = 3.0");
    const bridge::Bridge b = p.Read();
    std::vector<std::pair<double, double>> tops;
    for (const auto* pile : SolidsOf(b, "桩", 1)) tops.push_back({pile->path.front().x, pile->path.front().y});
    std::sort(tops.begin(), tops.end());
    // Stake 1020 lies at x = 1220 on the centre line, y = 500.
    const std::vector<std::pair<double, double>> expected = {{1218.5, 497}, {1218.5, 503}, {1221.5, 497}, {1221.5, 503}};
    ASSERT_EQ(tops.size(), expected.size());
    for (std::size_t i = 0; i < tops.size(); ++i) {
        EXPECT_NEAR(tops[i].first, expected[i].first, 1e-6);
        EXPECT_NEAR(tops[i].second, expected[i].second, 1e-6);
    }
    // The pile cap: 3 m between the rows + 1.2 m pile + 0.5 m either side across; the two ribs 6 m apart
    // + a pile diameter beyond each along; 1.5 m high.
    const auto cap = SolidsOf(b, "承台", 1);
    ASSERT_EQ(cap.size(), 1u);
    EXPECT_NEAR(cap[0]->volume, (3 + 1.2 + 1.0) * 1.5 * (6 + 2 * 1.2), 1e-6);
}

TEST(Solids, SlabSpanWithItsVoids) {
    Project p = ChainProject(9.77);
    const bridge::Bridge b = p.Read();
    const bridge::Solid* girder = nullptr;
    for (const auto& s : b.solids)
        if (s.span == 0) girder = &s;
    ASSERT_NE(girder, nullptr);
    // Twelve 1.0 m slabs 0.90 m deep, each with a void of 0.6 × 0.90 = 0.54 m (a 16-sided polygon).
    const double area = 12 * 1.0 * 0.90 - 12 * Polygon(16, 0.54);
    EXPECT_NEAR(girder->area, area, 1e-9);
    EXPECT_EQ(girder->holes.size(), 12u);
    // From 2 cm past the start joint to 2 cm before the end joint, on the 1 % grade.
    EXPECT_NEAR(girder->volume, area * 19.96 * std::sqrt(1 + 0.01 * 0.01), 1e-6);
    EXPECT_EQ(girder->table, projectdb::kInsideSlabTable);
}

TEST(Solids, EveryOutlineRunsCounterClockwiseAndEveryVolumeIsPositive) {
    // The T-beam deck (a comb of webs), a slab deck with round voids and a box with cells.
    for (const std::string type : {"装配式简支T梁桥", "装配式简支空心板桥", "连续等截面箱梁桥"}) {
        SCOPED_TRACE(type);
        Project p = EveryMemberProject(type);
        const bridge::Bridge b = p.Read();
        std::set<std::string> members;
        for (const auto& s : b.solids) {
            SCOPED_TRACE(s.member);
            members.insert(s.member);
            EXPECT_GT(bridge::Area(s.profile), 0);
            EXPECT_GT(s.area, 0);
            EXPECT_GT(s.volume, 0);
        }
        EXPECT_EQ(members, (std::set<std::string>{"主梁", "台帽", "肋板", "承台", "桩", "帽梁", "墩柱"}));
    }
}

TEST(Solids, TBeamSpanAndItsCapByHand) {
    Project p = EveryMemberProject("装配式简支T梁桥");
    const bridge::Bridge b = p.Read();
    const bridge::Solid* girder = nullptr;
    for (const auto& s : b.solids)
        if (s.member == "主梁" && s.span == 0) girder = &s;
    ASSERT_NE(girder, nullptr);
    // A 0.18 m flange over 5 × 2.4 = 12 m, and five 0.20 m webs down the remaining 1.42 m.
    const double area = 0.18 * 12 + 5 * 0.20 * 1.42;  // 3.58 m²
    EXPECT_NEAR(girder->area, 3.58, 1e-9);
    // From 2 cm past the start joint to 2 cm before the end joint (19.96 m) on the 1 % grade.
    EXPECT_NEAR(girder->volume, 71.4604, 1e-4);
    EXPECT_NEAR(girder->volume, area * 19.96 * std::sqrt(1 + 0.01 * 0.01), 1e-9);
    // The start abutment's cap: 1.2 m high, 1.6 m standard width, across the 12 m deck.
    const auto caps = SolidsOf(b, "台帽", 0);
    ASSERT_EQ(caps.size(), 1u);
    EXPECT_NEAR(caps[0]->volume, 23.04, 1e-9);
}

}  // namespace
}  // namespace bridge_test
