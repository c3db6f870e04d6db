// The piers a bridge hands the pier force calculator: stakes from the span lengths, heights and sections
// from the body tables, the calculator's own inputs left alone.
#include "bridge/pier_force_input.h"
#include "bridge_fixture.h"

namespace bridge_test {
namespace {

// Three 20 m spans from stake 1000: piers 1 and 2 at 1020 and 1040. Pier 1 has two round columns of
// 1.3 m, 7.5 m high, 5 m apart; pier 2 has no body record yet.
Project ThreeSpans() {
    ProjectSpec spec;
    spec.sections = Rows{{"装配式简支空心板桥", "3", "20"}};
    auto abutment = [](const std::string& stake) {
        return std::vector<std::string>{stake, "1类台帽", "肋板式台身", "1类承台", "多排桩基础", "100", "110", "90", "0"};
    };
    spec.supports = Rows{abutment("1000"), SupportRow("1020"), SupportRow("1040"), abutment("1060")};
    Project p = MakeProject(spec);
    AddRecord(*p.db, projectdb::kRoundColumnTable,
              {{"PierAbutmentNum", N(1)}, {"PierColumnNum", N(2)}, {"SectionDiameter", M(1.3)},
               {"PierColumnLength", M(7.5)}, {"SpaceBetween", M(5)}});
    return p;
}

TEST(PierForceInput, PiersStandWhereTheSpansEndWithTheirBodies) {
    Project p = ThreeSpans();
    const auto piers = bridge::PierGeometries(p.Read());
    ASSERT_EQ(piers.size(), 2u);
    EXPECT_EQ(piers[0].support, 1);
    EXPECT_NEAR(piers[0].stake, 1020, 1e-9);
    EXPECT_EQ(piers[0].columns, 2);
    EXPECT_NEAR(piers[0].height, 7.5, 1e-9);
    EXPECT_TRUE(piers[0].round);
    EXPECT_NEAR(piers[0].along, 1.3, 1e-9);
    EXPECT_EQ(piers[1].support, 2);
    EXPECT_NEAR(piers[1].stake, 1040, 1e-9);
    EXPECT_TRUE(piers[1].proposed);
    EXPECT_GT(piers[1].height, 0);
}

TEST(PierForceInput, TheCalculationKeepsWhatTheModelDoesNotKnow) {
    calc::CProject project;
    calc::CPier given;
    given.m_nGrade = 40;
    given.m_nBearings = 4;
    given.m_pSection = std::make_unique<calc::CRectang>(2.0, 1.0);
    project.m_Piers.assign(3, given);
    calc::CPier fresh;
    fresh.m_dShearModulus = 666;

    std::vector<bridge::PierGeometry> two(2);
    two[0] = {1, 1020, 2, 7.5, true, 1.3, 1.3, false};
    two[1] = {2, 1040, 1, 6.0, false, 0, 0, true};  // size unknown
    bridge::TakePierGeometry(project, two, fresh);
    ASSERT_EQ(project.m_Piers.size(), 2u);
    const calc::CPier& first = project.m_Piers[0];
    EXPECT_EQ(first.m_dStake, 1020);
    EXPECT_EQ(first.m_nColumns, 2);
    EXPECT_EQ(first.m_dHeight, 7.5);
    EXPECT_EQ(first.m_nGrade, 40);
    EXPECT_EQ(first.m_nBearings, 4);
    ASSERT_EQ(first.SectionType(), calc::CCrossection::kCircle);
    // π × 1.3⁴ / 64 = 0.14019 m⁴
    EXPECT_NEAR(first.m_pSection->SecondMoment(), 0.140198, 1e-6);
    EXPECT_EQ(project.m_Piers[1].SectionType(), calc::CCrossection::kRectangle);

    std::vector<bridge::PierGeometry> three = two;
    three.push_back({3, 1060, 2, 5.0, false, 1.2, 1.5, false});
    bridge::TakePierGeometry(project, three, fresh);
    ASSERT_EQ(project.m_Piers.size(), 3u);
    EXPECT_EQ(project.m_Piers[2].m_dShearModulus, 666);
    EXPECT_EQ(project.m_Piers[2].m_nGrade, 0);
    // 1.5 × 1.2³ / 12 = 0.216 m⁴: the depth along the bridge bends
    EXPECT_NEAR(project.m_Piers[2].m_pSection->SecondMoment(), 0.216, 1e-12);
}

}  // namespace
}  // namespace bridge_test
