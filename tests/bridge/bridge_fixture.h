#pragma once
// Projects for the bridge model, made as a user makes them: the wizard's writer for the general information
// and the span layout, the route import for the alignment, profile and ground line; member and site
// tables, which the design modules fill, from their schema with the records a test names.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "bridge/bridge_model.h"
#include "exchange/route_import.h"
#include "platform/dao/database.h"
#include "platform/dao/recordset.h"
#include "platform/interaction/scripted.h"
#include "projectdb/general_page.h"
#include "projectdb/project_file.h"
#include "projectdb/schema.h"
#include "projectdb/span_page.h"
#include "projectdb/wizard_writer.h"
#include "support/test_support.h"

namespace bridge_test {

// The middle of the first pile of a support: multi-row groups stand ahead of and behind the support line.
inline bridge::Point3 PileMiddle(const bridge::Bridge& b, int support) {
    for (const bridge::Solid& s : b.solids)
        if (s.member == "桩" && s.support == support)
            return {s.path.front().x, s.path.front().y, (s.path.front().z + s.path.back().z) / 2};
    return {};
}

using Rows = std::vector<std::vector<std::string>>;
using Fields = std::vector<std::pair<std::string, dao::Value>>;

// The route of every fixture: due north from stake 800 at X 1000, Y 500; a grade of 1 % through
// elevation 100.000 at stake 900 (so 101.000 at stake 1000). `arcFrom1000` makes the alignment turn right
// on a 300 m circle from stake 1000 on.
inline std::string RouteFile(const std::vector<std::pair<double, double>>& ground, bool arcFrom1000 = false) {
    std::string f = "**PROFILE**\n" + std::to_string(ground.size()) + "\n";
    for (auto [stake, z] : ground) f += std::to_string(stake) + " " + std::to_string(z) + "\n";
    if (arcFrom1000)
        f += "**PLAN**\n2\n"
             "500 1000 0 0 500 1200 0 0 200 0 800 0 1\n"
             "500 1200 0 300 516.512916 1298.158409 19.098593 300 100 0 1000 1 2\n";
    else
        f += "**PLAN**\n1\n500 1000 0 0 500 3200 0 0 2200 0 800 0 1\n";
    f += "**VERT**\n2\nBPD 800 99 0\nEPD 3000 121 0\n";
    return f;
}

struct Project {
    std::unique_ptr<testing_support::TempDir> dir = std::make_unique<testing_support::TempDir>();
    std::unique_ptr<dao::Database> db;
    bridge::Bridge Read() { return bridge::ReadBridge(*db); }
};

struct ProjectSpec {
    std::vector<std::pair<std::string, std::string>> general = {
        {"TransectType", "整体式"}, {"LeftBridgeWidth", "6"}, {"RightBridgeWidth", "6"}};
    Rows sections = {{"装配式简支空心板桥", "1", "20"}};
    std::optional<Rows> supports, joints;
    std::string startStake = "1000";
    std::vector<std::pair<double, double>> ground = {{900, 90}, {1200, 90}};
    bool arcFrom1000 = false;
    bool route = true;
};

// A support row of the span dialog: stake, the four member types, DistToGround (cm), DistToDeck (cm), the
// crossing angle, the cap cross slope.
inline std::vector<std::string> SupportRow(const std::string& stake, const std::string& angle = "90",
                                           const std::string& cover = "100") {
    return {stake, "1类墩帽", "圆形截面柱式墩身", "1类承台", "单排桩基础", cover, "110", angle, "0"};
}

inline Project MakeProject(const ProjectSpec& spec) {
    Project p;
    p.db = projectdb::CreateProjectFile(p.dir->file("bridge.vlt"));
    projectdb::GeneralPage page = projectdb::GeneralPage::NewProject();
    if (auto refused = page.Apply(spec.general)) ADD_FAILURE() << *refused;
    projectdb::WriteGeneralInformation(*p.db, page);
    projectdb::SpanPage spans = projectdb::SpanPage::NewProject();
    projectdb::SpanInput input;
    input.boxes = {{projectdb::SpanBox::StartStake, spec.startStake}};
    input.sections = spec.sections;
    input.supports = spec.supports;
    input.joints = spec.joints;
    if (auto refused = spans.Apply(input)) ADD_FAILURE() << *refused;
    projectdb::WriteSpanLayout(*p.db, spans);
    if (spec.route) {
        const std::string file = RouteFile(spec.ground, spec.arcFrom1000);
        ui::ScriptedPrompter prompt;
        const auto source = exchange::RouteSource::Memory(file);
        // Each section over the stakes it covers: a shorter section would be refused as insufficient.
        const exchange::RouteRange route{800, 3000};
        if (!spec.ground.empty())
            exchange::ImportSection(exchange::RouteSection::GroundLine, *p.db, source,
                                    {spec.ground.front().first, spec.ground.back().first}, prompt);
        exchange::ImportSection(exchange::RouteSection::Horizontal, *p.db, source, route, prompt);
        exchange::ImportSection(exchange::RouteSection::Vertical, *p.db, source, route, prompt);
        for (const auto& text : prompt.texts()) ADD_FAILURE() << "route import said: " << text;
    }
    return p;
}

// Adds a record to a member or site table, creating the table from its schema first.
inline void AddRecord(dao::Database& db, const std::string& table, const Fields& fields) {
    const projectdb::TableSchema* schema = projectdb::FindTableSchema(table);
    ASSERT_NE(schema, nullptr) << table;
    projectdb::EnsureTable(db, *schema);
    dao::Recordset rs(db);
    rs.Open("[" + table + "]");
    rs.AddNew();
    for (const auto& [name, value] : fields) rs.SetFieldValue(name, value);
    rs.Update();
}

inline dao::Value M(double v) { return dao::Value::Double(v); }
inline dao::Value N(long v) { return dao::Value::Long(static_cast<std::int32_t>(v)); }
inline dao::Value S(std::string v) { return dao::Value::Text(std::move(v)); }

// A project whose end abutment (support 1) has a 1.2 m cap on rib walls `ribs` high, a 1.5 m pile cap
// with its top `coverCm` below the ground, and 20 m piles; slabs 0.90 m deep; 18 cm of pavement.
inline Project ChainProject(double ribs, const std::string& coverCm = "100") {
    ProjectSpec spec;
    auto abutment = [&](const std::string& stake) {
        return std::vector<std::string>{stake, "1类台帽", "肋板式台身", "1类承台", "多排桩基础", coverCm, "110", "90", "0"};
    };
    spec.supports = Rows{abutment("1000"), abutment("1020")};
    Project p = MakeProject(spec);
    dao::Database& db = *p.db;
    AddRecord(db, projectdb::kSlabLayoutTable,
              {{"SlabInWhichSpan", N(1)}, {"SlabsEverySpan", N(12)}, {"TransverseDist", M(1.0)},
               {"InsideSlabType", S("中板20")}, {"OutsideSlabType", S("边板20")}});
    AddRecord(db, projectdb::kInsideSlabTable,
              {{"SlabType", S("中板20")}, {"Height", M(0.90)}, {"DistToBearing", M(0.25)}, {"CavityNum", N(1)}});
    AddRecord(db, projectdb::kDeckPavementTable, {{"PaveMaterial", S("沥青混凝土")}, {"CenterThick", M(0.18)}});
    AddRecord(db, projectdb::kAbutCap1Table, {{"PierAbutmentNum", N(1)}, {"CopingHeight", M(1.2)}});
    AddRecord(db, projectdb::kRibAbutBodyTable,
              {{"PierAbutmentNum", N(1)}, {"RibSlabNum", N(2)}, {"RibSlabHeight", M(ribs)}, {"SpaceBetween", M(6)}});
    AddRecord(db, projectdb::kPileCap1Table, {{"PierAbutmentNum", N(1)}, {"BearingPlatHeight", M(1.5)}});
    AddRecord(db, projectdb::kMultiPileRowTable,
              {{"PierAbutmentNum", N(1)}, {"PileNumX", N(2)}, {"PileNumY", N(2)}, {"PileDiameter", M(1.2)},
               {"PileLength", M(20)}, {"PilePosX", M(6)}});
    return p;
}

// Two 20 m spans of `type` between abutments (1.2 m caps on rib walls, pile caps, piles) with a pier between
// them (cap, columns, a 1.5 m pile cap, piles): a bridge with every kind of member. A T-beam deck has five
// beams 1.6 m deep at 2.4 m in each span.
inline Project EveryMemberProject(const std::string& type) {
    ProjectSpec spec;
    spec.sections = {{type, "2", "20"}};
    auto abutment = [](const std::string& stake) {
        return std::vector<std::string>{stake, "1类台帽", "肋板式台身", "1类承台", "多排桩基础", "100", "110", "90", "0"};
    };
    spec.supports = Rows{abutment("1000"), SupportRow("1020"), abutment("1040")};
    Project p = MakeProject(spec);
    dao::Database& db = *p.db;
    if (type == "装配式简支T梁桥") {
        for (int span : {1, 2})
            AddRecord(db, projectdb::kTBeamLayoutTable,
                      {{"TBeamInWhichSpan", N(span)}, {"TBeamsEverySpan", N(5)}, {"TransverseDist", M(2.4)},
                       {"InsideTBeamType", S("T20")}, {"OutsideTBeamType", S("T20边")}});
        AddRecord(db, projectdb::kInsideTBeamTable, {{"TBeamType", S("T20")}, {"TBeamHeight", M(1.6)}, {"DistToBearing", M(0.3)}});
    }
    for (int support : {0, 2}) AddRecord(db, projectdb::kAbutCap1Table, {{"PierAbutmentNum", N(support)}, {"CopingHeight", M(1.2)}});
    for (int support : {0, 1, 2})
        AddRecord(db, projectdb::kPileCap1Table, {{"PierAbutmentNum", N(support)}, {"BearingPlatHeight", M(1.5)}});
    return p;
}

// The codes of a model's findings, in order.
inline std::vector<std::string> Codes(const bridge::Bridge& b) {
    std::vector<std::string> codes;
    for (const auto& f : b.findings) codes.push_back(f.code);
    return codes;
}

inline const bridge::Finding* FindingOf(const bridge::Bridge& b, const std::string& code) {
    for (const auto& f : b.findings)
        if (f.code == code) return &f;
    return nullptr;
}

}  // namespace bridge_test
