#include <gtest/gtest.h>

#include <cmath>

#include "calc/pier_project.h"
#include "platform/interaction/scripted.h"
#include "platform/text/gbk.h"

namespace {

using calc::CCircle;
using calc::CPier;
using calc::CProject;
using calc::CRectang;

// A rectangle 1 m x 1 m (I = 1/12), grade 30, no bearings, one column 10 m high: Kc = 30000 kN/m.
CPier SquarePier(double stake, int columns = 1) {
    CPier p;
    p.m_dStake = stake;
    p.m_nColumns = columns;
    p.m_dHeight = 10;
    p.m_nGrade = 30;
    p.m_pSection = std::make_unique<CRectang>(1.0, 1.0);
    return p;
}

CProject Project(std::vector<CPier> piers, int grade = 25, int lanes = 2) {
    CProject project;
    project.ResetParameters();
    project.m_nGrade = grade;
    project.m_nLanes = lanes;
    project.m_Piers = std::move(piers);
    return project;
}

TEST(ConcreteModulus, FollowsTheGradeTableWithThirtyForEveryOtherGrade) {
    const std::pair<int, double> table[] = {{15, 2.30e7}, {20, 2.60e7}, {25, 2.85e7}, {30, 3.00e7}, {40, 3.30e7},
                                            {50, 3.50e7}, {60, 3.65e7}, {0, 3.00e7},  {35, 3.00e7}, {-5, 3.00e7}};
    for (auto [grade, e] : table) EXPECT_EQ(calc::ConcreteModulus(grade), e) << grade;
}

TEST(VehicleTrain, TurnsWhereTheNextAxleGroupOrRepeatingUnitFits) {
    struct Case {
        int grade;
        double length, w, p;
    };
    const Case cases[] = {
        {10, 0.0009, 0, 0},    {10, 0.001, 100, 100}, {10, 3.999, 100, 100}, {10, 4.0, 150, 150},
        {10, 9.0, 180, 150},   {10, 13.0, 250, 150},  {10, 28.0, 250, 150},  // exactly 15 m left: no unit
        {10, 28.5, 280, 150},  {10, 32.0, 350, 150},  {10, 47.5, 380, 150},  {15, 13.0, 350, 200},
        {15, 32.0, 500, 200},  {20, 1.4, 240, 240},   {20, 5.5, 300, 300},   {20, 19.5, 500, 300},
        {20, 38.6, 700, 300},  {25, 1.4, 280, 280},   {25, 13.0, 550, 550},  {25, 27.0, 750, 550},
        {25, 46.0, 950, 550},  {7, 100, 0, 0},         {10, 13.0 + 19 * 2000 + 0.5, 250 + 2000 * 100, 150},
        {10, 13.0 + 19 * 1000 + 15.5, 250 + 1000 * 100 + 30, 150},  // a last unit's 15 m after the long run
        {10, 123456.78, 250 + 6497 * 100, 150},
    };
    for (const auto& c : cases) {
        auto load = calc::WalkVehicleTrain(c.grade, c.length);
        EXPECT_DOUBLE_EQ(load.W, c.w) << "grade " << c.grade << " length " << c.length;
        EXPECT_DOUBLE_EQ(load.P, c.p) << "grade " << c.grade << " length " << c.length;
    }
}

TEST(VehicleTrain, AnAbsurdLengthEndsWithTheWeightOfItsUnits) {
    // Lengths whose rounded unit count once left millions of units to walk one by one.
    for (double length : {3.3e22, 7.0640567807175039e+180, 1e300}) {
        auto load = calc::WalkVehicleTrain(10, length);
        EXPECT_NEAR(load.W / (length / 19 * 100), 1, 1e-9) << length;
        EXPECT_EQ(load.P, 150) << length;
    }
}

TEST(PierForces, ASinglePierIsItsOwnFixedPointAndTakesTheWholeBrakingForce) {
    auto project = Project({SquarePier(120)});
    EXPECT_EQ(project.Recalculate(), "");
    const CPier& p = project.m_Piers[0];
    EXPECT_DOUBLE_EQ(project.FixedPoint(), 120);
    EXPECT_EQ(p.m_dFt, 0);
    EXPECT_DOUBLE_EQ(p.m_dFb, project.BrakingForce());
}

TEST(PierForces, TwoIdenticalPiersShareEquallyAboutTheMidpoint) {
    auto project = Project({SquarePier(100), SquarePier(130)});
    project.Recalculate();
    EXPECT_DOUBLE_EQ(project.FixedPoint(), 115);
    const CPier &a = project.m_Piers[0], &b = project.m_Piers[1];
    EXPECT_NEAR(a.m_dKc, 30000, 1e-6);
    EXPECT_NEAR(a.m_dFt, -15 * 30 * 1e-5 * 30000, 1e-9);
    EXPECT_DOUBLE_EQ(a.m_dFt, -b.m_dFt);
    EXPECT_DOUBLE_EQ(a.m_dMt, -b.m_dMt);
    // Grade 25 on 30 m: the whole train (26.8 m) is on, W = 750, P = 550: B = 0.3 P = 165.
    EXPECT_DOUBLE_EQ(project.BrakingForce(), 165);
    EXPECT_DOUBLE_EQ(a.m_dFb, 82.5);
    EXPECT_DOUBLE_EQ(b.m_dFb, 82.5);
}

TEST(PierForces, GradeTenOnFourMetresAndTheLaneDoubling) {
    auto project = Project({SquarePier(0), SquarePier(4)}, 10, 2);
    project.Recalculate();
    EXPECT_DOUBLE_EQ(project.BrakingForce(), 45);
    double fb = project.m_Piers[0].m_dFb, mb = project.m_Piers[0].m_dMb;
    project.m_nLanes = 3;
    project.Recalculate();
    EXPECT_DOUBLE_EQ(project.BrakingForce(), 90);
    EXPECT_DOUBLE_EQ(project.m_Piers[0].m_dFb, 2 * fb);
    EXPECT_DOUBLE_EQ(project.m_Piers[0].m_dMb, 2 * mb);
}

TEST(PierStiffness, RigidBearingThresholds) {
    struct Case {
        double g, area, height;
        bool series;
    };
    const Case cases[] = {
        {1000, 0.1, 0.05, true},  {9e9, 0.1, 0.05, false},      {8.99e9, 0.1, 0.05, true},
        {1000, 9e9, 0.05, false}, {1000, 0.1, 1e-10, false},    {1000, 0.1, 1.1e-10, true},
        {1000, 0.1, 0, false},
    };
    for (const auto& c : cases) {
        CPier p = SquarePier(0);
        p.m_nBearings = 2;
        p.m_dShearModulus = c.g;
        p.m_dBearingArea = c.area;
        p.m_dBearingHeight = c.height;
        p.CalcStiffness();
        EXPECT_NEAR(p.m_dKc, 7500, 1e-6);
        if (c.series) {
            double kb = 2 * c.g * c.area / c.height;
            EXPECT_DOUBLE_EQ(p.m_dKb, kb) << c.g << " " << c.area << " " << c.height;
            EXPECT_DOUBLE_EQ(p.m_dK, kb * p.m_dKc / (kb + p.m_dKc));
        } else {
            EXPECT_EQ(p.m_dKb, 0) << c.g << " " << c.area << " " << c.height;
            EXPECT_EQ(p.m_dK, p.m_dKc);
        }
    }
}

TEST(PierStiffness, BearingsQuarterTheColumnStiffnessAndDoubleTheMoment) {
    CPier built = SquarePier(0), onBearings = SquarePier(0);
    onBearings.m_nBearings = 1;
    onBearings.m_dShearModulus = 9e9;  // rigid: K = Kc
    built.CalcStiffness();
    onBearings.CalcStiffness();
    EXPECT_DOUBLE_EQ(built.m_dK, 4 * onBearings.m_dK);
    for (CPier* p : {&built, &onBearings}) {
        p->m_dFt = 100;
        p->DistributeTemperature();
    }
    EXPECT_DOUBLE_EQ(onBearings.m_dMt, 100 * 10);
    EXPECT_DOUBLE_EQ(built.m_dMt, 100 * 10 * 0.5);
}

TEST(PierStiffness, TwoColumnsReportPerColumnForcesAndTheWholePiersDisplacement) {
    CPier p = SquarePier(0, 2);
    p.CalcStiffness();
    EXPECT_NEAR(p.m_dKc, 60000, 1e-6);
    p.m_dFt = 120;
    p.m_dFb = 60;
    p.DistributeTemperature();
    EXPECT_DOUBLE_EQ(p.m_dFt, 60);
    EXPECT_DOUBLE_EQ(p.m_dMt, 120 * 10 * 0.5 / 2);
    EXPECT_DOUBLE_EQ(p.m_dDt, 120 / p.m_dKc);
    EXPECT_EQ(p.m_dFb, 60) << "the braking pair is left alone";
    p.DistributeBraking();
    EXPECT_DOUBLE_EQ(p.m_dFb, 30);
    EXPECT_DOUBLE_EQ(p.m_dDb, 60 / p.m_dKc);
    EXPECT_DOUBLE_EQ(p.m_dFt, 60) << "the temperature pair is left alone";
}

TEST(PierForces, DeletingAPierMovesTheFixedPoint) {
    auto project = Project({SquarePier(0), SquarePier(20), SquarePier(30)});
    project.Recalculate();
    double before = project.m_Piers[1].m_dFt;
    project.m_Piers.erase(project.m_Piers.begin());
    project.Recalculate();
    EXPECT_DOUBLE_EQ(project.FixedPoint(), 25);
    EXPECT_NE(project.m_Piers[0].m_dFt, before);
}

TEST(PierForces, APierThatCannotBeCalculatedIsReportedAndTakesNoForce) {
    struct Case {
        const char* what;
        void (*spoil)(CPier&);
        const char* problem;
    };
    const Case cases[] = {
        {"height", [](CPier& p) { p.m_dHeight = 0; }, "墩柱高度必须大于0!"},
        {"count", [](CPier& p) { p.m_nColumns = 0; }, "墩柱个数必须大于0!"},
        {"section", [](CPier& p) { p.m_pSection = std::make_unique<CCircle>(0.0); }, "墩柱截面尺寸必须大于0!"},
        {"no section", [](CPier& p) { p.m_pSection.reset(); }, "墩柱截面尺寸必须大于0!"},
        {"underflow", [](CPier& p) { p.m_dHeight = 1e120; }, "墩柱刚度为0，无法计算!"},
        {"infinite", [](CPier& p) { p.m_dStake = INFINITY; }, "桥墩数据中有无效的数值!"},
    };
    for (const auto& c : cases) {
        auto project = Project({SquarePier(0), SquarePier(20), SquarePier(40)});
        c.spoil(project.m_Piers[1]);
        EXPECT_EQ(project.Recalculate(), std::string("1号桥墩: ") + c.problem + " 该桥墩不参加计算。") << c.what;
        const CPier& p = project.m_Piers[1];
        for (double v : {p.m_dK, p.m_dKc, p.m_dFt, p.m_dMt, p.m_dDt, p.m_dFb, p.m_dMb, p.m_dDb}) EXPECT_EQ(v, 0) << c.what;
        std::string report = project.ReportText();
        EXPECT_EQ(report.find("nan"), std::string::npos) << c.what;
        if (std::isfinite(p.m_dStake)) {
            EXPECT_EQ(report.find("inf"), std::string::npos) << c.what;
        }
        EXPECT_NEAR(project.m_Piers[0].m_dFt, -project.m_Piers[2].m_dFt, 1e-9) << c.what;
    }
}

std::string Row(const std::string& label, const std::string& cells) {
    return "\n" + label + std::string(21 - text::GbkWidth(label), ' ') + cells;
}

TEST(PierReport, WritesTheTableInGbkWithCrLfAndNoFinalLineEnd) {
    auto project = Project({SquarePier(0), SquarePier(4)}, 10, 2);
    project.m_Piers[1].m_pSection = std::make_unique<CCircle>(1.5);
    project.m_Piers[1].m_nBearings = 2;
    project.m_Piers[1].m_dBearingHeight = 0.042;
    project.m_Piers[1].m_dBearingArea = 0.1256;
    project.m_Piers[1].m_dShearModulus = 1000;
    project.Recalculate();
    std::string head =
        "汽车等级: 汽车10级\n行车道数: 2\n温度变化(度):     30.0\n温胀系数: 0.000010\n\n"
        "墩台编号             " "         0         1";
    std::string expected = head + Row("中心桩号", "     0.000     4.000") + Row("墩柱个数", "         1         1") +
                           Row("墩柱高度(m)", "    10.000    10.000") + Row("墩柱截面类型", "  矩形截面  圆形截面") +
                           Row("半径或长度(m)", "      1.00      1.50") + Row("半径或宽度(m)", "      1.00      1.50") +
                           Row("混凝土编号", "        30        30") + Row("支座个数", "         0         2") +
                           Row("支座高度(m)", "     0.000     0.042") + Row("支座面积(m*m)", "     0.000     0.126") +
                           Row("支座剪切模量(KN/M*M)", "     0.000  1000.000");
    const CPier &a = project.m_Piers[0], &b = project.m_Piers[1];
    char cells[128];
    auto row = [&](const char* label, const char* format, double x, double y) {
        std::snprintf(cells, sizeof cells, format, x, y);
        return Row(label, cells);
    };
    expected += row("柱底温变水平力(KN)", "%10.3f%10.3f", a.m_dFt, b.m_dFt) +
                row("柱底温变弯矩(KN*M)", "%10.3f%10.3f", a.m_dMt, b.m_dMt) +
                row("柱底温变位移(M)", "%10.5f%10.5f", a.m_dDt, b.m_dDt) +
                row("柱底制动水平力(KN)", "%10.3f%10.3f", a.m_dFb, b.m_dFb) +
                row("柱底制动弯矩(KN*M)", "%10.3f%10.3f", a.m_dMb, b.m_dMb) +
                row("柱底制动位移(M)", "%10.5f%10.5f", a.m_dDb, b.m_dDb);
    std::string withCrLf;
    for (char c : expected) withCrLf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    EXPECT_EQ(text::FromGbk(project.ReportText()), withCrLf);
    EXPECT_NEAR(a.m_dFb + b.m_dFb, 45, 1e-9);
}

TEST(PierReport, NamesTheGradeOrLeavesTheLineOut) {
    const std::pair<int, const char*> grades[] = {{10, "汽车等级: 汽车10级\r\n"}, {15, "汽车等级: 汽车151级\r\n"},
                                                  {20, "汽车等级: 汽车20级\r\n"}, {25, "汽车等级: 汽车25级\r\n"},
                                                  {12, ""}};
    for (auto [grade, line] : grades) {
        auto project = Project({}, grade);
        std::string expected = line + std::string("行车道数: 2\r\n温度变化(度):     30.0\r\n");
        EXPECT_EQ(text::FromGbk(project.ReportText()).substr(0, expected.size()), expected) << grade;
    }
}

TEST(PierReport, AReportThatCannotBeCreatedIsTold) {
    ui::ScriptedPrompter prompt;
    CProject project;
    EXPECT_FALSE(project.WriteReport("/nonexistent-folder/x.out", prompt));
    EXPECT_EQ(prompt.texts(), std::vector<std::string>{"文件打开错误!"});
}

TEST(PierList, RowsShowTheWindowsFormats) {
    auto project = Project({SquarePier(12.3456, 2)});
    project.Recalculate();
    auto row = calc::PierListRow(project, 0);
    ASSERT_EQ(row.size(), 8u);
    EXPECT_EQ(row[0], "0");
    EXPECT_EQ(row[1], "12.346");
    EXPECT_EQ(row[2], "2");
    EXPECT_EQ(row[3], "10.000");
    EXPECT_EQ(row[4], "0.000");
}

}  // namespace
