// The vertical chain of a support read both ways, against hand calculations. The fixture: one 20 m hollow
// slab span from stake 1000 to 1020, ground level at 90.000, deck profile 101.200 at the end abutment.
#include "bridge_fixture.h"

namespace bridge_test {
namespace {

using bridge::Bridge;

// Findings of one code that name the end abutment.
std::vector<const bridge::Finding*> AtEndAbutment(const Bridge& b, const std::string& code) {
    std::vector<const bridge::Finding*> found;
    for (const auto& f : b.findings)
        if (f.code == code && f.text.find("1号台") != std::string::npos) found.push_back(&f);
    return found;
}

TEST(VerticalChain, ClosesFromTheDeckDownAndFromTheGroundUp) {
    // Top down: 101.200 − 0.18 pavement − 0.90 slab − 0.15 standard bearing = seat 99.970.
    // Bottom up: ground 90.000 − 1.00 cover = pile cap top 89.000; + ribs + 1.2 cap.
    // Ribs of 9.77 m meet the seat exactly.
    Project p = ChainProject(9.77);
    const Bridge b = p.Read();
    const bridge::VerticalChain& c = b.supports[1].chain;
    EXPECT_NEAR(c.deckZ, 101.2, 0.001);
    EXPECT_DOUBLE_EQ(c.pavement.value, 0.18);
    EXPECT_FALSE(c.pavement.standard);
    EXPECT_DOUBLE_EQ(c.girderDepth, 0.90);
    EXPECT_TRUE(c.bearing.standard);
    EXPECT_FALSE(c.bearing.source.empty());
    EXPECT_NEAR(c.seatZ, 99.97, 0.001);
    EXPECT_NEAR(c.connectionTopZ, 89.0, 1e-9);
    EXPECT_NEAR(c.capTopZ, 99.97, 1e-9);
    EXPECT_TRUE(c.membersKnown);
    EXPECT_NEAR(c.deckZ - c.pavement.value - c.girderDepth - c.bearing.value - c.capHeight - c.bodyLength,
                c.connectionTopZ, 0.010);
    // Piles start under the 1.5 m pile cap and go 20 m down.
    EXPECT_NEAR(b.supports[1].foundation.tipZ, 89.0 - 1.5 - 20, 1e-9);
    EXPECT_EQ(b.supports[1].foundation.pileCount, 4);
    EXPECT_TRUE(AtEndAbutment(b, "CAP_ABOVE_GIRDER").empty());
    EXPECT_TRUE(AtEndAbutment(b, "SEAT_GAP").empty());
}

TEST(VerticalChain, AConnectionNoTableSizesYetTakesItsStandardDepth) {
    // Ground 90.000, the layout's cover 1.00 m: the connection top at 89.000 whatever the connection.
    // A pile cap is 1.5 m deep under spans up to 25 m and 2.0 m beyond; a pile head cap 1.0 m.
    const struct {
        const char* structure;
        const char* span;
        const char* connection;
        double depth;
    } cases[] = {{"装配式简支空心板桥", "20", "1类承台", 1.5},
                 {"装配式简支T梁桥", "30", "1类承台", 2.0},
                 {"装配式简支空心板桥", "20", "2类承台", 1.5},
                 {"装配式简支空心板桥", "20", "桩帽", 1.0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.connection + std::string(" ") + c.span);
        ProjectSpec spec;
        spec.sections = {{c.structure, "1", c.span}};
        std::vector<std::string> start = SupportRow("1000"), end = SupportRow(std::to_string(1000 + std::stoi(c.span)));
        start[3] = end[3] = c.connection;
        spec.supports = Rows{start, end};
        Project p = MakeProject(spec);
        const Bridge b = p.Read();
        const bridge::Support& s = b.supports[1];
        EXPECT_TRUE(s.chain.proposed);
        EXPECT_NEAR(s.chain.connectionTopZ, 89.0, 1e-9);
        EXPECT_DOUBLE_EQ(s.chain.connectionHeight, c.depth);
        EXPECT_NEAR(s.foundation.topZ, 89.0 - c.depth, 1e-9);
    }
}

TEST(VerticalChain, MissesBeyondTenMillimetresAreFindings) {
    struct Case {
        double ribs;
        const char* code;  // null: the chain closes
        char severity;
    };
    const Case cases[] = {
        {9.775, nullptr, 0},             // 5 mm into the seat: within tolerance
        {9.765, nullptr, 0},             // 5 mm short: within tolerance
        {9.785, "CAP_ABOVE_GIRDER", 'E'},  // the cap top 15 mm inside the slabs
        {9.92, "CAP_ABOVE_GIRDER", 'E'},
        {9.50, "SEAT_GAP", 'W'},          // 0.27 m under the bearings
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.ribs);
        Project p = ChainProject(c.ribs);
        const Bridge b = p.Read();
        for (const char* code : {"CAP_ABOVE_GIRDER", "SEAT_GAP"}) {
            auto found = AtEndAbutment(b, code);
            if (c.code && std::string(code) == c.code) {
                ASSERT_EQ(found.size(), 1u);
                EXPECT_EQ(found[0]->severity, c.severity);
                EXPECT_EQ(found[0]->table, projectdb::kSubLayoutTable);
                EXPECT_EQ(found[0]->record, 1);
            } else {
                EXPECT_TRUE(found.empty()) << found[0]->text;
            }
        }
    }
}

TEST(VerticalChain, ColumnLengthsOutsideWhatABridgeBuilds) {
    const struct {
        double ribs;
        bool flagged;
    } cases[] = {{0, true}, {0.01, false}, {40, false}, {40.5, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.ribs);
        Project p = ChainProject(c.ribs);
        EXPECT_EQ(AtEndAbutment(p.Read(), "COLUMN_LENGTH").size(), c.flagged ? 1u : 0u);
    }
}

TEST(VerticalChain, PileCapBetweenThreeMetresUnderAndFlushWithTheGround) {
    // The cover is the layout's 基础顶面至地面 in centimetres; a negative one lifts the pile cap out.
    const struct {
        const char* coverCm;
        const char* code;  // null: no finding
    } cases[] = {{"0", nullptr}, {"-4", nullptr}, {"-20", "CONNECTION_ABOVE_GROUND"}, {"300", nullptr},
                 {"350", "CONNECTION_DEEP"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.coverCm);
        Project p = ChainProject(9.77, c.coverCm);
        const Bridge b = p.Read();
        for (const char* code : {"CONNECTION_ABOVE_GROUND", "CONNECTION_DEEP"})
            EXPECT_EQ(AtEndAbutment(b, code).size(), c.code && std::string(c.code) == code ? 1u : 0u) << code;
    }
}

TEST(VerticalChain, SkewedPierOnFallingGroundSetsAndChecksItsPileCapFromTheLowestGround) {
    // Two 20 m spans, the pier at stake 1020; the ground falls 5 % along the route (100.000 at stake 900, so
    // 94.000 at the pier). The support line crosses the 12 m deck at 60° (a 30° skew): 6 / sin 60° = 6.928 m
    // either side of the design line, which is 6.928 × cos 60° = 3.464 m along the route; its forward end
    // stands on ground 100 − 0.05 × 123.464 = 93.827. Columns 16 m apart reach past the deck's edge, 4 m
    // along the route: ground 93.800.
    const struct {
        const char* angle;
        const char* coverCm;
        double columnSpacing;
        double groundZ, connectionTopZ;
    } cases[] = {
        {"90", "0", 6, 94.0, 94.0},              // square: the whole line on the design line's ground
        {"60", "0", 6, 93.82679, 93.82679},      // flush with the ground at the forward end
        {"60", "100", 6, 93.82679, 92.82679},    // a metre under it
        {"60", "0", 16, 93.8, 93.8},             // the outer column stands lower still
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.angle) + "° " + c.coverCm + "cm, columns " + std::to_string(c.columnSpacing));
        ProjectSpec spec;
        spec.sections = {{"装配式简支空心板桥", "2", "20"}};
        spec.supports = Rows{SupportRow("1000"), SupportRow("1020", c.angle, c.coverCm), SupportRow("1040")};
        spec.ground = {{900, 100}, {1200, 85}};
        Project p = MakeProject(spec);
        AddRecord(*p.db, projectdb::kRoundColumnTable,
                  {{"PierAbutmentNum", N(1)}, {"PierColumnNum", N(2)}, {"SpaceBetween", M(c.columnSpacing)},
                   {"SectionDiameter", M(1.2)}});
        const Bridge b = p.Read();
        const bridge::Support& pier = b.supports[1];
        EXPECT_NEAR(pier.groundZ, 94.0, 1e-9);  // the design line's ground, reported as such
        EXPECT_NEAR(pier.chain.groundZ, c.groundZ, 1e-5);
        EXPECT_NEAR(pier.chain.connectionTopZ, c.connectionTopZ, 1e-5);
        for (const auto& f : b.findings) EXPECT_NE(f.code, "CONNECTION_ABOVE_GROUND") << f.text;
    }
}

TEST(VerticalChain, LayoutDeckToCapDepthAgainstTheChain) {
    // The fixture's layout says 110 cm; the chain needs 0.18 + 0.90 + 0.15 = 1.23 m.
    Project p = ChainProject(9.77);
    const Bridge read = p.Read();  // the findings point into it
    auto found = AtEndAbutment(read, "DECK_TO_CAP");
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0]->severity, 'W');
    p.db->Execute("UPDATE [下构布置信息表] SET DistToDeck = 123");
    EXPECT_TRUE(AtEndAbutment(p.Read(), "DECK_TO_CAP").empty());
}

TEST(VerticalChain, MembersNotDesignedYetAreProposedAndSaidSo) {
    Project p = ChainProject(9.77);
    const Bridge b = p.Read();
    // The start abutment has no member records: the model proposes a body that closes the chain.
    const bridge::VerticalChain& c = b.supports[0].chain;
    EXPECT_TRUE(c.proposed);
    EXPECT_NEAR(c.capTopZ, c.seatZ, 1e-9);
    const bridge::Finding* f = FindingOf(b, "MEMBERS_PROPOSED");
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->severity, 'W');
    EXPECT_NE(f->text.find("1个墩台"), std::string::npos) << f->text;
}

TEST(VerticalChain, TextInANumberFieldIsAnErrorNotAZero) {
    Project p = ChainProject(9.77);
    p.db->Execute("UPDATE [肋板式台身信息表] SET RibSlabHeight = \"abc\"");
    const Bridge b = p.Read();
    const bridge::Finding* f = FindingOf(b, "VALUE_NOT_NUMBER");
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->severity, 'E');
    EXPECT_EQ(f->table, projectdb::kRibAbutBodyTable);
    EXPECT_NE(f->text.find("abc"), std::string::npos) << f->text;
}

}  // namespace
}  // namespace bridge_test
