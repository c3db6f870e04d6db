// Deck cross slopes through LandXML: a road design program's superelevated curve against slopes worked out
// by hand, what the cross-slope table cannot hold refused by name, and our own table written and read back.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "calc/route_geometry.h"
#include "exchange/landxml_import.h"
#include "platform/dao/recordset.h"
#include "projectdb/schema.h"
#include "route_fixture.h"

namespace {

using testing_support::ReadBytes;

std::string CurveFile() { return ReadBytes(std::string(EXCHANGE_TEST_DATA) + "/superelevated_curve.xml"); }

std::string Said(route_test::Project& project) {
    std::string all;
    for (const auto& t : project.ui.prompter.texts()) all += t + "\n";
    return all;
}

void SetTransitionMethod(dao::Database& db, const std::string& method) {
    dao::Recordset set(db);
    set.Open(projectdb::kGeneralInfoTable, dao::dbOpenDynaset);
    if (set.IsEOF())
        set.AddNew();
    else
        set.Edit();
    set.SetFieldValue("超高过渡方法", dao::Value::Text(method));
    set.Update();
}

exchange::LandXmlImportResult ImportText(route_test::Project& project, const std::string& xml) {
    const std::string path = project.dir.file("route.xml");
    std::ofstream(path, std::ios::binary) << xml;
    ui::Interaction ui = project.ui.interaction();
    return exchange::ImportLandXml(project.db(), path, std::nullopt, {}, ui);
}

TEST(LandXmlSuperelevation, CurveGivesTheHandWorkedSlopes) {
    route_test::Project project({100, 300});
    SetTransitionMethod(project.db(), "按长度分配");
    const auto result = ImportText(project, CurveFile());
    ASSERT_EQ(result.outcome, exchange::LandXmlOutcome::Imported) << Said(project);
    EXPECT_EQ(result.slopeRecords, 5);

    // e = 6 %. Runout 40 → 60 (20 m) and runoff 60 → 120 (60 m) at one rate: crown c = 6 · 20 / 60 = 2 %,
    // reverse crown (outside +2 %) at 60 + 60 · 2 / 6 = 80; the exit mirrors it (reverse crown at 320).
    // The curve turns right, so the left side is the outside and rises.
    calc::CGeoAssist geo(&project.db());
    ASSERT_EQ(geo.Status(), 0);
    struct Expected {
        double stake, left, right;
    } slopes[] = {
        {20, -2, -2},   // normal crown
        {50, -1, -2},   // outside from −2 at 40 towards +2 at 80; inside keeps the crown
        {60, 0, -2},    // the outside lane level where the file says so
        {100, 4, -4},   // halfway from reverse crown (80) to full (120)
        {200, 6, -6},   // full superelevation
        {300, 4, -4},   // halfway from full (280) to reverse crown (320)
        {350, -1, -2},  // three quarters from reverse crown (320) to normal crown (360)
        {390, -2, -2},
    };
    for (const auto& s : slopes) {
        const calc::RoutePoint p = geo.Evaluate(s.stake, 0);
        EXPECT_NEAR(p.leftSlope, s.left, 1e-9) << s.stake;
        EXPECT_NEAR(p.rightSlope, s.right, 1e-9) << s.stake;
    }
}

TEST(LandXmlSuperelevation, WhatTheTableCannotHoldIsRefusedByNameAndNothingChanges) {
    const std::string file = CurveFile();
    const std::string element = R"(beginRunoutSta="40" beginRunoffSta="60" fullSuperSta="120")";
    struct Case {
        std::string method, from, to, named;
    } cases[] = {
        // linear runs between the critical stations, but the project passes between records by a parabola
        {"", "", "", "按长度分配"},
        {"按三次抛物线分配", "", "", "按三次抛物线分配"},
        {"按长度分配", R"(fullSuperelev="6.0")", "", "fullSuperelev"},
        {"按长度分配", element, R"(beginRunoutSta="40" fullSuperSta="120")", "beginRunoffSta"},
        // full superelevation on the straight before the curve: no side to bank to
        {"按长度分配", R"(fullSuperSta="120")", R"(fullSuperSta="10")", "不在曲线上"},
        {"按长度分配", element, R"(beginRunoutSta="40" beginRunoffSta="150" fullSuperSta="120")", "次序"},
    };
    for (const auto& c : cases) {
        route_test::Project project({100, 300});
        if (!c.method.empty()) SetTransitionMethod(project.db(), c.method);
        project.fill(projectdb::kDeckSlopeTable, 3);
        std::string xml = file;
        if (!c.from.empty()) xml.replace(xml.find(c.from), c.from.size(), c.to);
        if (c.named == "不在曲线上") xml.replace(xml.find(R"(runoffSta="280")"), 15, R"(runoffSta="90")");
        const auto result = ImportText(project, xml);
        EXPECT_EQ(result.outcome, exchange::LandXmlOutcome::Refused) << c.named;
        EXPECT_NE(Said(project).find(c.named), std::string::npos) << Said(project);
        EXPECT_EQ(project.rows(projectdb::kDeckSlopeTable).size(), 3u) << c.named;
    }
}

TEST(LandXmlSuperelevation, ExportedCrossSlopesReadBackAsTheSameTable) {
    route_test::Project source({100, 300});
    SetTransitionMethod(source.db(), "按长度分配");
    ASSERT_EQ(ImportText(source, CurveFile()).outcome, exchange::LandXmlOutcome::Imported) << Said(source);
    // Slopes no single superelevation value describes: a one-sided deck and unequal sides.
    {
        dao::Recordset set(source.db());
        set.Open(projectdb::kDeckSlopeTable, dao::dbOpenDynaset);
        set.AddNew();
        set.SetFieldValue("起点桩号", dao::Value::Double(380.125));
        set.SetFieldValue("终点桩号", dao::Value::Double(395.5));
        set.SetFieldValue("左半桥横坡", dao::Value::Double(1.5));
        set.SetFieldValue("右半桥横坡", dao::Value::Double(-2.75));
        set.Update();
    }
    const std::string path = source.dir.file("out.xml");
    ASSERT_TRUE(exchange::ExportLandXml(source.db(), path, source.ui.prompter));

    // The records are all constant slopes: they read back whatever law the project passes between them by.
    route_test::Project back({100, 300});
    back.fill(projectdb::kDeckSlopeTable, 2);
    const auto result = ImportText(back, ReadBytes(path));
    ASSERT_EQ(result.outcome, exchange::LandXmlOutcome::Imported) << Said(back);
    EXPECT_EQ(result.slopeRecords, 6);
    EXPECT_EQ(back.rows(projectdb::kDeckSlopeTable), source.rows(projectdb::kDeckSlopeTable));
}

}  // namespace
