// The route geometry read from a project's route tables, through the command line and the calculator window.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <cmath>
#include <numbers>
#include <sstream>

#include "calc/route_geometry.h"
#include "calc/ui/route_geometry_dlg.h"
#include "cli/command.h"
#include "platform/dao/database.h"
#include "platform/interaction/scripted.h"
#include "platform/text/cformat.h"
#include "support/test_support.h"
#include "support/window_shot.h"

namespace {

std::string N(double v) { return text::Format("%.17g", v); }

// A small project: straight, spiral, arc R = 300 to the right, spiral, straight; a crest; two slope
// segments with a linear transition between them.
struct RouteProject {
    testing_support::TempDir dir;
    std::string path = dir.file("route.vlt");
    std::unique_ptr<dao::Database> db = dao::Database::Create(path);

    // `degrees`: azimuths stored in degrees, as route files commonly hold them.
    explicit RouteProject(const std::string& elevationMethod = "按竖曲线计算", bool degrees = false,
                          double startAzimuth = std::numbers::pi / 4) {
        const double unit = degrees ? 180 / std::numbers::pi : 1;
        db->Execute(
            "CREATE TABLE [平曲线资料表] (CurveSectNum LONG, CurveType TEXT(255), CurveDirect TEXT(255), "
            "StartPointStake DOUBLE, StartPointX DOUBLE, StartPointY DOUBLE, StartPointAngle DOUBLE, StartPointRadii "
            "DOUBLE, "
            "EndPointX DOUBLE, EndPointY DOUBLE, EndPointAngle DOUBLE, EndPointRadii DOUBLE, CurveLength DOUBLE, "
            "A_Value DOUBLE)");
        struct Spec {
            const char* type;
            const char* direction;
            double r0, r1, length;
        };
        const Spec specs[] = {{"直线", "无", 0, 0, 100},
                              {"缓和曲线", "右偏", 0, 300, 60},
                              {"圆曲线", "右偏", 300, 300, 80},
                              {"缓和曲线", "右偏", 300, 0, 60},
                              {"直线", "无", 0, 0, 100}};
        double stake = 0, x = 3'400'000, y = 480'000, azimuth = startAzimuth;
        int number = 1;
        for (const Spec& s : specs) {
            std::string error;
            calc::PlanRecord r{number, s.type, s.direction, stake, x, y, azimuth, s.r0, s.r1, s.length};
            const calc::PlanPoint end = calc::PointOnElement(calc::ElementFromRecord(r, error), s.length);
            db->Execute(
                text::Format("INSERT INTO [平曲线资料表] VALUES (%d, \"%s\", \"%s\", ", number, s.type, s.direction) +
                N(stake) + "," + N(x) + "," + N(y) + "," + N(azimuth * unit) + "," + N(s.r0) + "," + N(end.x) + "," +
                N(end.y) + "," + N(end.azimuth * unit) + "," + N(s.r1) + "," + N(s.length) + ",0)");
            ++number;
            stake += s.length;
            x = end.x;
            y = end.y;
            azimuth = end.azimuth;
        }
        db->Execute("CREATE TABLE [竖曲线资料表] (TurnPointStake DOUBLE, TurnPointElev DOUBLE, TurnPointRadii DOUBLE)");
        db->Execute("INSERT INTO [竖曲线资料表] VALUES (0, 100, 0)");
        db->Execute("INSERT INTO [竖曲线资料表] VALUES (200, 104, 2000)");
        db->Execute("INSERT INTO [竖曲线资料表] VALUES (400, 100, NULL)");
        db->Execute(
            "CREATE TABLE [桥面横坡资料表] ([起点桩号] DOUBLE, [终点桩号] DOUBLE, [左半桥横坡] DOUBLE, [右半桥横坡] "
            "DOUBLE)");
        db->Execute("INSERT INTO [桥面横坡资料表] VALUES (0, 120, -2, -2)");
        db->Execute("INSERT INTO [桥面横坡资料表] VALUES (200, 400, 3, -3)");
        db->Execute(
            "CREATE TABLE [一般信息表] (BridgeName TEXT(255), [高程计算方法] TEXT(255), [超高过渡方法] TEXT(255))");
        db->Execute("INSERT INTO [一般信息表] VALUES (\"桥\", \"" + elevationMethod + "\", \"按长度分配\")");
    }
};

int RunGeometry(const std::vector<std::string>& words, std::string& printed) {
    std::ostringstream out;
    auto* old = std::cout.rdbuf(out.rdbuf());
    int status = cli::RunCommand(cli::GeometryCommands().at(0), words);
    std::cout.rdbuf(old);
    printed = out.str();
    return status;
}

TEST(RouteGeometryProject, ReadsTheRouteTablesOfTheProject) {
    RouteProject project;
    const calc::CGeoAssist geo(project.db.get());
    ASSERT_TRUE(geo.problems().empty());
    EXPECT_EQ(geo.Status(), 0);
    ASSERT_EQ(geo.data().plan.elements().size(), 5u);

    // On the arc, 20 m into the crest's parabola; three quarters through the slope transition.
    const calc::RoutePoint p = geo.Evaluate(180, -4);
    EXPECT_EQ(p.location, "第3单元：圆曲线");
    EXPECT_NEAR(p.radius, 300, 1e-9);
    EXPECT_NEAR(p.leftSlope, 1.75, 1e-12);
    EXPECT_NEAR(p.rightSlope, -2.75, 1e-12);
    const double t = 2000 * 0.04 / 2, x = 180 - (200 - t);
    EXPECT_NEAR(p.centreElevation, 103.6 - x * x / 4000, 1e-9);
    EXPECT_NEAR(p.elevation, p.centreElevation + 4 * 1.75 / 100, 1e-12);

    // The stored end point of every element agrees with the point integrated from its start.
    const auto& elements = geo.data().plan.elements();
    for (std::size_t i = 0; i + 1 < elements.size(); ++i) {
        const calc::PlanPoint end = calc::PointOnElement(elements[i], elements[i].length);
        EXPECT_NEAR(end.x, elements[i + 1].x0, 1e-8);
        EXPECT_NEAR(end.y, elements[i + 1].y0, 1e-8);
    }
}

TEST(RouteGeometryProject, AzimuthsStoredInDegreesGiveTheSamePoints) {
    // 0.05 rad is 2.86°, below 2π: only the stored ends tell the units apart.
    for (double startAzimuth : {0.05, std::numbers::pi / 4, 5.5}) {
        const RouteProject radians("按竖曲线计算", false, startAzimuth), degrees("按竖曲线计算", true, startAzimuth);
        const calc::CGeoAssist a(radians.db.get()), b(degrees.db.get());
        for (double stake : {-20.0, 130.0, 180.0, 260.0, 420.0}) {
            const calc::RoutePoint p = a.Evaluate(stake, 3), q = b.Evaluate(stake, 3);
            EXPECT_NEAR(p.x, q.x, 1e-8) << startAzimuth << " " << stake;
            EXPECT_NEAR(p.y, q.y, 1e-8) << startAzimuth << " " << stake;
            EXPECT_NEAR(p.azimuth, q.azimuth, 1e-12) << startAzimuth << " " << stake;
        }
    }
    // Without stored ends nothing tells them apart below 2π: radians.
    calc::PlanRecord line{1, "直线", "无", 0, 0, 0, 2.0, 0, 0, 100};
    EXPECT_FALSE(calc::DetectConvention({line}).degrees);
    line.startAzimuth = 90;
    EXPECT_TRUE(calc::DetectConvention({line}).degrees);
}

TEST(RouteGeometryProject, ATableWithTheEastingInXGivesItsPointsBackSo) {
    const RouteProject northing;
    const RouteProject easting;
    easting.db->Execute(
        "UPDATE [平曲线资料表] SET StartPointX = StartPointY, StartPointY = StartPointX, "
        "EndPointX = EndPointY, EndPointY = EndPointX");
    const calc::CGeoAssist a(northing.db.get()), b(easting.db.get());
    EXPECT_FALSE(a.data().xIsEasting);
    EXPECT_TRUE(b.data().xIsEasting);
    for (double stake : {-20.0, 130.0, 180.0, 260.0, 420.0}) {
        const calc::RoutePoint p = a.Evaluate(stake, -3), q = b.Evaluate(stake, -3);
        EXPECT_NEAR(p.x, q.y, 1e-8) << stake;
        EXPECT_NEAR(p.y, q.x, 1e-8) << stake;
        EXPECT_NEAR(p.azimuth, q.azimuth, 1e-12) << stake;
    }
}

TEST(RouteGeometryProject, ElevationsFromTheRoadDesignTable) {
    RouteProject project("按路基设计表计算");
    std::string fields = "CenterStake DOUBLE, CenterElev DOUBLE";
    for (int k = 1; k <= 8; ++k) fields += text::Format(", Dist%d DOUBLE, Elev%d DOUBLE", k, k);
    project.db->Execute("CREATE TABLE [路基设计表] (" + fields + ")");
    project.db->Execute(
        "INSERT INTO [路基设计表] (CenterStake, CenterElev, Dist1, Elev1, Dist2, Elev2) VALUES (100, 50, -10, 49.8, "
        "10, 50.2)");
    project.db->Execute(
        "INSERT INTO [路基设计表] (CenterStake, CenterElev, Dist1, Elev1, Dist2, Elev2) VALUES (200, 52, -10, 51.8, "
        "10, 52.2)");
    const calc::CGeoAssist geo(project.db.get());
    ASSERT_TRUE(geo.problems().empty()) << geo.problems().front();
    EXPECT_NEAR(geo.Evaluate(150, 0).elevation, 51, 1e-12);
    EXPECT_NEAR(geo.Evaluate(150, -5).elevation, 50.9, 1e-12);
    EXPECT_NEAR(geo.Evaluate(150, 15).elevation, 51.3, 1e-12);
}

TEST(RouteGeometryProject, AProjectWithoutRouteDataGivesZerosAndSaysSo) {
    testing_support::TempDir dir;
    auto db = dao::Database::Create(dir.file("empty.vlt"));
    for (int round = 0; round < 2; ++round) {
        const calc::CGeoAssist geo(db.get());
        EXPECT_TRUE(geo.problems().empty());
        EXPECT_EQ(geo.Status(), calc::kGeoNoPlan | calc::kGeoNoElevation);
        const calc::RoutePoint p = geo.Evaluate(123, -4);
        EXPECT_EQ(p.x, 0);
        EXPECT_EQ(p.y, 0);
        EXPECT_EQ(p.elevation, 0);
        EXPECT_EQ(p.leftSlope, 0);
        EXPECT_EQ(p.location, "无平曲线资料");
        // The second round: the tables are there and empty.
        if (round == 0) {
            db->Execute("CREATE TABLE [平曲线资料表] (CurveSectNum LONG, CurveType TEXT(255))");
            db->Execute("CREATE TABLE [竖曲线资料表] (TurnPointStake DOUBLE)");
        }
    }
}

TEST(RouteGeometryProject, AValueThatCannotBeReadIsAProblemNotAZero) {
    struct Case {
        const char* sql;
        const char* words;
    };
    const Case cases[] = {
        {"UPDATE [平曲线资料表] SET StartPointStake = NULL WHERE CurveSectNum = 2", "第2条记录的 StartPointStake 为空"},
        {"UPDATE [平曲线资料表] SET CurveType = \"回旋线\" WHERE CurveSectNum = 4", "回旋线"},
        {"UPDATE [竖曲线资料表] SET TurnPointElev = NULL WHERE TurnPointStake = 200", "TurnPointElev 为空"},
        {"ALTER TABLE [桥面横坡资料表] DROP COLUMN [左半桥横坡]", "没有字段 左半桥横坡"},
    };
    for (const auto& c : cases) {
        RouteProject project;
        project.db->Execute(c.sql);
        const calc::CGeoAssist geo(project.db.get());
        ASSERT_EQ(geo.problems().size(), 1u) << c.sql;
        EXPECT_NE(geo.problems()[0].find(c.words), std::string::npos) << geo.problems()[0];
        EXPECT_TRUE(geo.Status() & calc::kGeoReadProblem);

        std::string printed;
        EXPECT_EQ(RunGeometry({project.path, "--stake", "150"}, printed), 1) << c.sql;
        EXPECT_EQ(printed, "");
    }
}

TEST(RouteGeometryProject, CommandLinePrintsOnePointOrATable) {
    RouteProject project;
    std::string printed;
    ASSERT_EQ(RunGeometry({project.path, "--stake", "K0+180", "--offset", "-4"}, printed), 0);
    const calc::RoutePoint p = calc::CGeoAssist(project.db.get()).Evaluate(180, -4);
    EXPECT_EQ(printed,
              text::Format("X=%.6f\nY=%.6f\nZ=%.6f\nAZIMUTH=%.10f\nLOCATION=第3单元：圆曲线\nRADIUS=300.000000\n"
                           "LEFT=1.750000\nRIGHT=-2.750000\n",
                           p.x, p.y, p.elevation, p.azimuth));

    ASSERT_EQ(RunGeometry({project.path, "--from", "0", "--to", "K0+405", "--step", "50"}, printed), 0);
    std::istringstream lines(printed);
    std::string line;
    std::vector<std::string> rows;
    while (std::getline(lines, line)) rows.push_back(line);
    ASSERT_EQ(rows.size(), 1u + 10u);  // 0, 50, ..., 400 and 405
    EXPECT_EQ(rows[0].rfind("桩号\tX坐标\tY坐标\t桥面高程\t方位角\t", 0), 0u);
    EXPECT_EQ(rows[10].rfind("405.000\t", 0), 0u);
    EXPECT_NE(rows[10].find("路线终点之后（第5单元终点切线的延长线上）"), std::string::npos);

    ASSERT_EQ(
        RunGeometry({project.path, "--from", "0", "--to", "100", "--step", "10", "--xlsx", project.dir.file("t.xlsx")},
                    printed),
        0);
    EXPECT_EQ(testing_support::ReadBytes(project.dir.file("t.xlsx")).substr(0, 2), "PK");
}

TEST(RouteGeometryProject, CommandLineRefusesWhatItCannotUse) {
    RouteProject project;
    std::string printed;
    struct Case {
        std::vector<std::string> words;
        int status;
    };
    const std::vector<Case> cases = {
        {{project.path}, 2},
        {{project.path, "--stake", "K1+"}, 2},
        {{project.path, "--stake", "10", "--offset", "left"}, 2},
        {{project.path, "--stake", "10", "--from", "0"}, 2},
        {{project.path, "--from", "0", "--to", "10"}, 2},
        {{project.path, "--from", "10", "--to", "0", "--step", "1"}, 2},
        {{project.path, "--from", "0", "--to", "10", "--step", "0"}, 2},
        {{project.path, "--stake", "10", "--xlsx", "x.xlsx"}, 2},
        {{project.dir.file("missing.vlt"), "--stake", "10"}, 1},
    };
    for (const auto& c : cases) EXPECT_EQ(RunGeometry(c.words, printed), c.status) << c.words.size();
}

// The route geometry window over the test route.
class RouteGeometryWindow : public ::testing::Test {
protected:
    RouteProject project;
    ui::ScriptedPrompter prompt;
    ui::ScriptedFileChooser files;
    calc::ui::CRouteGeometryDlg dlg{project.db.get(), prompt, files};
};

TEST_F(RouteGeometryWindow, EveryPressRecomputesAndTheWindowStaysOpen) {
    EXPECT_EQ(dlg.field("x")->text(), "0.000");
    EXPECT_EQ(dlg.field("location")->text(), "");
    dlg.field("stake")->setText("K0+160");
    dlg.field("offset")->setText("-4");
    dlg.show();
    dlg.m_calculate->click();
    const QString first = dlg.field("x")->text() + dlg.field("elevation")->text();
    dlg.m_calculate->click();
    EXPECT_EQ(dlg.field("x")->text() + dlg.field("elevation")->text(), first);
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_EQ(dlg.field("location")->text(), "第3单元：圆曲线");
    EXPECT_EQ(dlg.field("left")->text(), "0.50");
    EXPECT_EQ(dlg.field("radius")->text(), "300.000");
    const calc::RoutePoint p = calc::CGeoAssist(project.db.get()).Evaluate(160, -4);
    EXPECT_NEAR(dlg.field("x")->text().toDouble(), p.x, 0.0005);  // to the millimetre

    // The tables changed between two presses: the second press shows the change.
    project.db->Execute("UPDATE [桥面横坡资料表] SET [左半桥横坡] = 5 WHERE [起点桩号] = 200");
    dlg.m_calculate->click();
    EXPECT_EQ(dlg.field("left")->text(), "1.50");
    EXPECT_TRUE(prompt.texts().empty());

    dlg.field("stake")->setText("abc");
    dlg.m_calculate->click();
    EXPECT_THAT(prompt.texts(), testing::ElementsAre(testing::HasSubstr("不是有效的桩号")));
    EXPECT_EQ(dlg.field("left")->text(), "1.50");
}

// 50 m along the first straight, which runs at 45° from (3400000, 480000): 50 × cos 45° = 35.3553 m
// north and east.
TEST_F(RouteGeometryWindow, ResultsToTheMillimetreWithTheBearingInDegrees) {
    dlg.field("stake")->setText("50");
    dlg.m_calculate->click();
    EXPECT_EQ(dlg.field("x")->text(), "3400035.355");
    EXPECT_EQ(dlg.field("y")->text(), "480035.355");
    EXPECT_EQ(dlg.field("azimuth")->text(), "0.785398");
    auto* dms = dlg.findChild<QLabel*>("azimuthDms");
    ASSERT_NE(dms, nullptr);
    EXPECT_EQ(dms->text(), "45°00′00.0″");
    dlg.show();
    testing_support::Shot(dlg, "route_geometry_result");
}

TEST_F(RouteGeometryWindow, AnUnreadableTableShowsNoNumbers) {
    project.db->Execute("UPDATE [平曲线资料表] SET CurveLength = NULL WHERE CurveSectNum = 1");
    dlg.field("stake")->setText("50");
    dlg.OnCalculate();
    EXPECT_THAT(prompt.texts(), testing::ElementsAre(testing::HasSubstr("CurveLength 为空")));
    EXPECT_EQ(dlg.field("x")->text(), "");
}

TEST_F(RouteGeometryWindow, StakeTableIsWrittenToTheChosenFile) {
    dlg.field("stake")->setText("100");
    dlg.m_askRange = [](calc::ui::StakeTableRequest& r) {
        EXPECT_EQ(r.from, "100");
        r.to = "K0+200";
        r.step = "25";
        return true;
    };
    files.queue(project.dir.file("table.txt"));
    dlg.OnStakeTable();
    EXPECT_THAT(prompt.texts(), testing::ElementsAre(testing::HasSubstr("5个桩号")));
    const std::string written = testing_support::ReadBytes(project.dir.file("table.txt"));
    EXPECT_EQ(std::count(written.begin(), written.end(), '\n'), 6);
}

// The window with its plan and profile, saved when VELTRA_SHOTS names a folder.
TEST_F(RouteGeometryWindow, ShowsThePlanAndTheProfile) {
    dlg.field("stake")->setText("K0+170");
    dlg.field("offset")->setText("6.5");
    dlg.OnCalculate();
    dlg.show();
    EXPECT_FALSE(dlg.m_plan->pixmap().isNull());
    testing_support::Shot(dlg, "route_geometry");
}

// Tables that do not make one road still give numbers; the faults are said beside them, never in a box.
TEST_F(RouteGeometryWindow, RouteFaultsAreToldUnderTheResultsAndOnTheCommandLine) {
    dlg.field("stake")->setText("180");
    dlg.OnCalculate();
    EXPECT_TRUE(dlg.m_findings->isHidden());
    std::string printed;
    testing::internal::CaptureStderr();
    EXPECT_EQ(RunGeometry({project.path, "--stake", "180"}, printed), 0);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");

    // The circle moved 5 cm north: it starts 0.050 m from where the transition ends, and ends 0.050 m from
    // where the next transition starts and from its own stored end.
    project.db->Execute("UPDATE [平曲线资料表] SET StartPointX = StartPointX + 0.05 WHERE CurveSectNum = 3");
    dlg.OnCalculate();
    EXPECT_FALSE(dlg.m_findings->isHidden());
    const QStringList lines = dlg.m_findings->text().split('\n');
    ASSERT_EQ(lines.size(), 3) << dlg.m_findings->text().toStdString();
    EXPECT_EQ(lines[0].toStdString(), "警告: 平曲线第3单元起点（K0+160.000）与前一单元终点相距0.050 m");
    EXPECT_EQ(lines[1].toStdString(), "警告: 平曲线第4单元起点（K0+240.000）与前一单元终点相距0.050 m");
    EXPECT_TRUE(lines[2].startsWith("警告: 平曲线第3单元（K0+160.000起）表中的终点")) << lines[2].toStdString();
    EXPECT_TRUE(lines[2].endsWith("相距0.050 m")) << lines[2].toStdString();
    EXPECT_NE(dlg.field("x")->text(), "");
    EXPECT_TRUE(prompt.texts().empty());

    testing::internal::CaptureStderr();
    EXPECT_EQ(RunGeometry({project.path, "--stake", "180"}, printed), 0);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), (lines.join('\n') + '\n').toStdString());
    EXPECT_NE(printed.find("LOCATION=第3单元：圆曲线"), std::string::npos);

    dlg.show();
    testing_support::Shot(dlg, "route_geometry_warnings");
}

}  // namespace
