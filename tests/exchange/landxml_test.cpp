// LandXML import and export: a file in the style a road design program writes, checked against a hand
// calculation (clothoid series, arcs about their centre, parabolas by their ordinate); what the tables cannot
// hold refused by name; the questions; and the sample route written and read back.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>

#include "calc/route_geometry.h"
#include "cli/command.h"
#include "support/cli_runner.h"
#include "exchange_fixture.h"
#include "exchange/landxml_import.h"
#include "exchange/landxml_reader.h"
#include "exchange/route_import.h"
#include "platform/dao/recordset.h"
#include "projectdb/schema.h"
#include "route_fixture.h"

namespace {

using testing_support::ReadBytes;

std::string RoadDesignFile() { return ReadBytes(std::string(EXCHANGE_TEST_DATA) + "/road_design_ak.xml"); }

std::string Replace(std::string text, const std::string& from, const std::string& to) {
    auto at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos) text.replace(at, from.size(), to);
    return text;
}

std::string Joined(const std::vector<std::string>& texts) {
    std::string all;
    for (const auto& t : texts) all += t + "\n";
    return all;
}

struct Import {
    route_test::Project project;
    exchange::LandXmlImportResult result;

    explicit Import(std::vector<double> joints = {100, 200}) : project(std::move(joints)) {}

    void run(const std::string& xml, std::optional<std::string> alignment = "AK",
             exchange::AlignmentChooser choose = {}) {
        std::string path = project.dir.file("route.xml");
        std::ofstream(path, std::ios::binary) << xml;
        ui::Interaction ui = project.ui.interaction();
        result = exchange::ImportLandXml(project.db(), path, alignment, choose, ui);
    }
    std::string said() const { return Joined(project.ui.prompter.texts()); }
};

TEST(LandXmlImport, RouteAgreesWithTheHandCalculationAtEveryStake) {
    Import import;
    import.run(RoadDesignFile());
    ASSERT_EQ(import.result.outcome, exchange::LandXmlOutcome::Imported) << import.said();
    // The station equation at 250 = 300 splits the arc: line, spiral, arc, arc, egg-shaped spiral.
    EXPECT_EQ(import.project.keys(projectdb::kHorizontalCurveTable),
              (std::vector<std::string>{"1", "2", "3", "4", "5"}));
    EXPECT_EQ(import.result.planRecords, 5);
    EXPECT_EQ(import.result.profileRecords, 3);

    calc::CGeoAssist geo(&import.project.db());
    ASSERT_EQ(geo.Status(), 0) << Joined(geo.problems());
    // Northing, easting, azimuth by hand: the clothoid by its series x = l − l⁵/40A⁴ …, y = l³/6A² …, the arc
    // about its centre, the egg as the stretch l = 120 … 60 of the clothoid A² = 48000 run backwards.
    struct Expected {
        double stake, north, east, azimuth;
    } points[] = {
        {50.0, 1050.000000, 2000.000000, 0.000000000},   {140.0, 1139.997500, 2000.333318, 0.025000000},
        {180.0, 1179.920037, 2002.664763, 0.100000000},  {200.0, 1199.761923, 2005.157997, 0.150000000},
        {250.0, 1248.605445, 2015.696350, 0.275000000},  {300.0, 1248.605445, 2015.696350, 0.275000000},
        {320.0, 1267.710185, 2021.606138, 0.325000000},  {360.0, 1304.951784, 2036.164720, 0.415625000},
        {390.0, 1332.083851, 2048.958692, 0.462500000},
    };
    for (const auto& p : points) {
        calc::RoutePoint at = geo.Evaluate(p.stake, 0);
        EXPECT_NEAR(at.x, p.north, 0.001) << p.stake;
        EXPECT_NEAR(at.y, p.east, 0.001) << p.stake;
        EXPECT_NEAR(at.azimuth, p.azimuth, 1e-5) << p.stake;
    }
    // Grades +2 % and −2 % through 150 m, a 100 m parabola: R = 100 / 0.04 = 2500, T = 50.
    struct Level {
        double stake, elevation;
    } levels[] = {{50, 101.0}, {120, 102.4 - 20.0 * 20.0 / 5000}, {150, 103.0 - 50.0 * 50.0 / 5000}, {300, 100.0}};
    for (const auto& l : levels) EXPECT_NEAR(geo.Evaluate(l.stake, 0).centreElevation, l.elevation, 1e-6) << l.stake;
}

TEST(LandXmlImport, SpiralOrientationAndDirectionConventions) {
    // A spiral turning left from a line heading north, radius 200 at its end, 50 m: by the series its end
    // lies 49.9805 m on and 2.0807 m to the left. Directions in radians, counted counter-clockwise from
    // north; the spiral gives no PI, so its direction attribute alone sets its start.
    const double A2 = 50.0 * 200, l = 50;
    const double along = l - std::pow(l, 5) / (40 * A2 * A2) + std::pow(l, 9) / (3456 * std::pow(A2, 4));
    const double aside = std::pow(l, 3) / (6 * A2) - std::pow(l, 7) / (336 * std::pow(A2, 3));
    char end[64];
    std::snprintf(end, sizeof end, "%.4f %.4f", 10 + along, -aside);
    for (const char* dir : {"0.0", "-0.0"}) {
        const std::string xml = std::string(R"(<?xml version="1.0"?><LandXML xmlns="http://www.landxml.org/schema/LandXML-1.2">
<Units><Metric linearUnit="meter" directionUnit="radians" angularUnit="radians"/></Units>
<Alignments><Alignment name="AK" staStart="500"><CoordGeom>
<Line length="10"><Start>0 0</Start><End>10 0</End></Line>
<Spiral length="50" radiusStart="INF" radiusEnd="200" rot="ccw" spiType="clothoid" dirStart=")") +
                                dir + R"("><Start>10 0</Start><End>)" + end + R"(</End></Spiral>
</CoordGeom><Profile><ProfAlign><PVI>500 10</PVI><PVI>560 11.2</PVI></ProfAlign></Profile></Alignment></Alignments></LandXML>)";
        Import import({510, 540});
        import.run(xml, std::nullopt);
        ASSERT_EQ(import.result.outcome, exchange::LandXmlOutcome::Imported) << import.said();
        calc::CGeoAssist geo(&import.project.db());
        calc::RoutePoint at = geo.Evaluate(560, 0);
        EXPECT_NEAR(at.x, 10 + along, 0.001);
        EXPECT_NEAR(at.y, -aside, 0.001);
        EXPECT_NEAR(at.azimuth, 2 * M_PI - 50.0 / 400, 1e-6);  // turned left by L/2R
        EXPECT_NEAR(geo.Evaluate(530, 0).centreElevation, 10.6, 1e-9);
    }
}

TEST(LandXmlImport, WhatTheTablesCannotHoldIsRefusedByNameAndNothingChanges) {
    const std::string file = RoadDesignFile();
    struct Case {
        std::string from, to, named;
    } cases[] = {
        {R"(spiType="clothoid" staStart="280)", R"(spiType="bloss" staStart="280)", "bloss"},
        {R"(<ParaCurve length="100.0000">150.0000 103.0000</ParaCurve>)",
         R"(<CircCurve length="100.0000" radius="2500">150.0000 103.0000</CircCurve>)", "CircCurve"},
        {R"(<ParaCurve length="100.0000">150.0000 103.0000</ParaCurve>)",
         R"(<UnsymParaCurve lengthIn="40" lengthOut="60">150.0000 103.0000</UnsymParaCurve>)", "UnsymParaCurve"},
        {R"(staAhead="300.0000")", R"(staAhead="240.0000")", "桩号后退"},
        {"<End>1100.0000 2000.0000</End>", "<End>1100.0000 2000.0050</End>", "相差 5.0 mm"},
        {R"(<Line staStart="0.0000" length="100.0000" dir="90.0000000000">)", R"(<Chain>)", "Chain"},
    };
    for (const auto& c : cases) {
        std::string xml = Replace(file, c.from, c.to);
        if (c.named == "Chain") xml = Replace(xml, "</Line>", "</Chain>");
        Import import;
        import.project.fill(projectdb::kHorizontalCurveTable, 2);
        import.project.fill(projectdb::kVerticalCurveTable, 4);
        import.run(xml);
        EXPECT_EQ(import.result.outcome, exchange::LandXmlOutcome::Refused) << c.named;
        EXPECT_NE(import.said().find(c.named), std::string::npos) << import.said();
        EXPECT_EQ(import.project.rows(projectdb::kHorizontalCurveTable).size(), 2u) << c.named;
        EXPECT_EQ(import.project.rows(projectdb::kVerticalCurveTable).size(), 4u) << c.named;
    }
    Import broken;
    broken.run("<LandXML><Alignments><Alignment name=\"AK\"></LandXML>");
    EXPECT_EQ(broken.result.outcome, exchange::LandXmlOutcome::Refused);
    EXPECT_NE(broken.said().find("XML"), std::string::npos);
}

TEST(LandXmlImport, AlignmentChoiceAndQuestions) {
    const std::string file = RoadDesignFile();
    struct Case {
        std::optional<std::string> name;
        std::optional<std::string> chosen;  // what the chooser answers when asked
        std::vector<double> joints;
        ui::Answer answer;
        exchange::LandXmlOutcome outcome;
        long plan, profile;
        std::string said;
    } cases[] = {
        // several alignments, none named: the chooser decides
        {std::nullopt, std::nullopt, {100, 200}, ui::Answer::Yes, exchange::LandXmlOutcome::Declined, 0, -1, ""},
        {std::nullopt, "AK", {100, 200}, ui::Answer::Yes, exchange::LandXmlOutcome::Imported, 5, 3, ""},
        // the ramp has no profile: asked, 竖曲线资料表 kept on Yes, nothing written on No
        {"AK-ramp", std::nullopt, {10, 40}, ui::Answer::Yes, exchange::LandXmlOutcome::Imported, 1, -1, "没有纵断面"},
        {"AK-ramp", std::nullopt, {10, 40}, ui::Answer::No, exchange::LandXmlOutcome::Declined, 0, -1, "没有纵断面"},
        // a bridge beyond the route's end: asked whether to go on
        {"AK", std::nullopt, {300, 420}, ui::Answer::No, exchange::LandXmlOutcome::Declined, 0, -1, "没有覆盖整座桥梁"},
        {"AK", std::nullopt, {300, 420}, ui::Answer::Yes, exchange::LandXmlOutcome::Imported, 5, 3, "K0+390.000"},
        {"BK", std::nullopt, {100, 200}, ui::Answer::Yes, exchange::LandXmlOutcome::Refused, 0, -1, "AK、AK-ramp"},
    };
    for (const auto& c : cases) {
        Import import(c.joints);
        import.project.fill(projectdb::kHorizontalCurveTable, 2);
        import.project.fill(projectdb::kVerticalCurveTable, 4);
        import.project.ui.prompter.setDefault(c.answer);
        std::vector<std::string> offered;
        import.run(file, c.name, [&](const std::vector<std::string>& names) {
            offered = names;
            return c.chosen;
        });
        const std::string label = c.name.value_or("(none)") + " " + c.said;
        EXPECT_EQ(import.result.outcome, c.outcome) << label;
        if (!c.name) {
            EXPECT_EQ(offered, (std::vector<std::string>{"AK", "AK-ramp"}));
        }
        EXPECT_EQ(import.result.planRecords, c.plan) << label;
        EXPECT_EQ(import.result.profileRecords, c.profile) << label;
        EXPECT_NE(import.said().find(c.said), std::string::npos) << import.said();
        const bool imported = c.outcome == exchange::LandXmlOutcome::Imported;
        EXPECT_EQ(import.project.rows(projectdb::kHorizontalCurveTable).size(), imported ? c.plan : 2u) << label;
        EXPECT_EQ(import.project.rows(projectdb::kVerticalCurveTable).size(), c.profile >= 0 ? c.profile : 4u) << label;
    }
}

// Points within 0.1 mm and directions within 1e-7 rad of the route before, every 2 m over its elements.
void ExpectSameRoute(dao::Database& before, dao::Database& after, double from, double to) {
    calc::CGeoAssist a(&before), b(&after);
    ASSERT_EQ(a.Status(), 0);
    ASSERT_EQ(b.Status(), 0) << Joined(b.problems());
    for (double stake = from; stake <= to; stake += 2) {
        calc::RoutePoint p = a.Evaluate(stake, 3.5), q = b.Evaluate(stake, 3.5);
        // A table may keep the easting in X; compare northing with northing.
        if (a.data().xIsEasting) std::swap(p.x, p.y);
        if (b.data().xIsEasting) std::swap(q.x, q.y);
        EXPECT_NEAR(std::hypot(p.x - q.x, p.y - q.y), 0, 1e-4) << stake;
        EXPECT_NEAR(std::remainder(p.azimuth - q.azimuth, 2 * M_PI), 0, 1e-7) << stake;
        EXPECT_NEAR(p.elevation, q.elevation, 1e-4) << stake;
        EXPECT_EQ(p.location, q.location) << stake;
    }
}

TEST(LandXmlExport, WrittenRouteReadsBackAsTheSameRoute) {
    // The sample bridge's route, imported from its route file; and the hand-written route with its equation.
    route_test::Project sample({1150, 1400});
    {
        ui::Interaction ui = sample.ui.interaction();
        sample.ui.prompter.setDefault(ui::Answer::Yes);
        exchange::ImportRoute(sample.db(), std::string(VELTRA_SAMPLES) + "/sample_bridge.BRF", {1000, 1500},
                              {false, true, true}, ui);
    }
    Import road;
    road.run(RoadDesignFile());
    ASSERT_EQ(road.result.outcome, exchange::LandXmlOutcome::Imported);
    struct Case {
        route_test::Project* source;
        double from, to;
    } cases[] = {{&sample, 1000, 1400}, {&road.project, 0, 390}};
    for (const auto& c : cases) {
        const std::string path = c.source->dir.file("out.xml");
        ASSERT_TRUE(exchange::ExportLandXml(c.source->db(), path, c.source->ui.prompter));
        Import back({c.from + 10, c.to - 10});
        back.run(ReadBytes(path), std::nullopt);
        ASSERT_EQ(back.result.outcome, exchange::LandXmlOutcome::Imported) << back.said();
        ExpectSameRoute(c.source->db(), back.project.db(), c.from, c.to);
    }
}

TEST(LandXmlExport, ProjectWithoutRouteIsToldAndWritesNothing) {
    route_test::Project empty;
    const std::string path = empty.dir.file("none.xml");
    EXPECT_FALSE(exchange::ExportLandXml(empty.db(), path, empty.ui.prompter));
    EXPECT_NE(Joined(empty.ui.prompter.texts()).find("没有平曲线资料"), std::string::npos);
    EXPECT_FALSE(std::ifstream(path).good());
}

// The first plan record's StartPointX and StartPointY.
std::pair<double, double> FirstStartXY(dao::Database& db) {
    dao::Recordset set(db);
    set.Open(std::string("Select * From [") + projectdb::kHorizontalCurveTable + "]");
    if (set.IsEOF()) return {NAN, NAN};
    return {set.GetFieldValue(set.FieldIndex("StartPointX")).toDouble(),
            set.GetFieldValue(set.FieldIndex("StartPointY")).toDouble()};
}

TEST(LandXmlImport, ProjectKeepingTheEastingInXKeepsItAfterTheImport) {
    // The sample route keeps the easting in X; a new project keeps the northing there.
    Import easting({1150, 1400}), northing;
    {
        ui::Interaction ui = easting.project.ui.interaction();
        easting.project.ui.prompter.setDefault(ui::Answer::Yes);
        exchange::ImportRoute(easting.project.db(), std::string(VELTRA_SAMPLES) + "/sample_bridge.BRF", {1000, 1500},
                              {false, true, true}, ui);
    }
    easting.run(RoadDesignFile());
    northing.run(RoadDesignFile());
    ASSERT_EQ(easting.result.outcome, exchange::LandXmlOutcome::Imported) << easting.said();
    ASSERT_EQ(northing.result.outcome, exchange::LandXmlOutcome::Imported) << northing.said();
    // The file's first point is northing 1000, easting 2000.
    EXPECT_EQ(FirstStartXY(easting.project.db()), (std::pair{2000.0, 1000.0}));
    EXPECT_EQ(FirstStartXY(northing.project.db()), (std::pair{1000.0, 2000.0}));
    ExpectSameRoute(northing.project.db(), easting.project.db(), 0, 390);
}

}  // namespace

namespace {

int RunOpenExchange(const std::string& name, const std::vector<std::string>& words, std::string& out, std::string& err) {
    return testing_support::RunCli(cli::OpenExchangeCommands(), name, words, out, err);
}

TEST(LandXmlCommands, ExitStatusTellsWhetherTheRouteArrived) {
    route_test::Project project;
    const std::string file = project.dir.file("ak.xml");
    std::ofstream(file, std::ios::binary) << RoadDesignFile();
    const std::string db = project.dir.file("bridge.vlt");
    struct Case {
        std::string command;
        std::vector<std::string> words;
        int status;
        std::string out, err;
    } cases[] = {
        {"import-landxml", {db, file}, 1, "", "请用 --alignment 选择其一：AK、AK-ramp"},
        {"import-landxml", {db, file, "--alignment", "AK"}, 0, "平曲线资料表\t5\n竖曲线资料表\t3\n",
         "已从 ak.xml 导入路线“AK”：平曲线资料表 5 条、竖曲线资料表 3 条记录。\n"},
        {"import-landxml", {db, file, "--alignment", "AK-ramp"}, 1, "", "没有纵断面"},  // asked, answered No
        {"import-landxml", {db, file, "--alignment", "AK-ramp", "--yes"}, 0, "平曲线资料表\t1\n",
         "导入路线“AK-ramp”：平曲线资料表 1 条记录。\n"},  // the profile left as it was is not named
        {"import-landxml", {db}, 2, "", "usage"},
        {"export-landxml", {db, project.dir.file("no/such/folder/out.xml")}, 1, "", "不能写入文件"},
        {"export-landxml", {db, project.dir.file("out.xml")}, 0, "", "已输出LandXML文件"},
    };
    for (const auto& c : cases) {
        std::string out, err;
        EXPECT_EQ(RunOpenExchange(c.command, c.words, out, err), c.status) << err;
        EXPECT_EQ(out, c.out) << c.words.size();
        EXPECT_NE(err.find(c.err), std::string::npos) << err;
    }
}

}  // namespace
