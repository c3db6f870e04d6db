// Member sizes that follow the site: bridges made as a user makes them (the wizard's Finish, a route file,
// the reference designs, all through veltra-cli), then read back through the bridge model. Each support's
// chain from the deck down to the connection top closes, the connection top sits at the ground, and the
// column lengths of the member tables and of the substructure interface file are the model's.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>

#include "bridge/bridge_model.h"
#include "cli_child.h"
#include "girder_fixture.h"
#include "platform/dao/recordset.h"
#include "platform/dao/sql.h"
#include "platform/text/gbk.h"

namespace {

using cli_test::ChildOptions;
using cli_test::RunCli;

const ChildOptions kModules{{{"VELTRA_MODULES", VELTRA_MODULES_DIR}}};

void WriteText(const std::string& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

std::string ReadText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// A route file: a straight line due north from stake 700 to 1300 or a circle of radius R turning right, a
// grade line through two points, the ground as (stake, elevation) pairs, and road design sections.
struct Route {
    double radius = 0;  // 0: straight
    double gradeStart = 100, gradeEnd = 100;  // at stakes 700 and 1300
    std::vector<std::pair<double, double>> ground;
    double superelevation = 0;  // % falling to the right, in the road design sections written every 10 m
};

std::string RouteFile(const Route& r) {
    std::ostringstream f;
    f.setf(std::ios::fixed);
    f.precision(6);
    f << "**PROFILE**\n" << r.ground.size() << "\n";
    for (const auto& [stake, z] : r.ground) f << stake << " " << z << "\n";
    // A second element after the first, so that the plan reaches beyond the bridge as a route file does.
    f << "**PLAN**\n2\n";
    const double length = 600;
    if (r.radius == 0) {
        f << "500000 3500000 0 0 500000 3500600 0 0 600 0 700 0 1\n";
        f << "500000 3500600 0 0 500000 3500700 0 0 100 0 1300 0 1\n";
    } else {
        // Start heading north; a right turn through length / R radians about a centre R to the east, then
        // a straight on along the last direction.
        const double turn = length / r.radius;
        const double endY = 500000 + r.radius * (1 - std::cos(turn)), endX = 3500000 + r.radius * std::sin(turn);
        const double endAngle = turn * 180 / M_PI;
        f << "500000 3500000 0 " << r.radius << " " << endY << " " << endX << " " << endAngle << " " << r.radius
          << " " << length << " 0 700 1 2\n";
        f << endY << " " << endX << " " << endAngle << " 0 " << endY + 100 * std::sin(turn) << " "
          << endX + 100 * std::cos(turn) << " " << endAngle << " 0 100 0 1300 0 1\n";
    }
    f << "**VERT**\n2\nBPD 700 " << r.gradeStart << " 0\nEPD 1300 " << r.gradeEnd << " 0\n";
    {
        f << "**DECK**\n";
        const double offsets[8] = {-12, -6, -3, -0.5, 0.5, 3, 6, 12};
        for (double stake = 700; stake <= 1300; stake += 10) {
            const double centre = r.gradeStart + (r.gradeEnd - r.gradeStart) * (stake - 700) / 600;
            f << stake << " " << centre;
            for (double d : offsets) f << " " << d << " " << centre - d * r.superelevation / 100;
            f << "\n";
        }
    }
    return f.str();
}

std::vector<std::string> ImportWords(const std::string& project, const std::string& file, const Route&) {
    return {"import-route", project, file, "--yes"};
}

struct Scenario {
    const char* name;
    std::string wizard;  // the wizard's JSON
    Route route;
    std::vector<std::vector<std::string>> designs;  // module and entry point, in order
};

// One support of the substructure interface file: the column length its body line carries, or none.
std::optional<double> ExportedColumnLength(const std::string& file, long support) {
    std::istringstream in(file);
    std::string line;
    const std::string heading = "//" + std::to_string(support) + "号墩台组成";
    bool inSupport = false;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.rfind("//", 0) == 0 && line.find("号墩台组成") != std::string::npos) inSupport = line == heading;
        if (!inSupport || line != "//圆形截面柱式墩身") continue;
        std::getline(in, line);
        std::istringstream values(line);
        double count = 0, diameter = 0, length = 0;
        values >> count >> diameter >> length;
        return length;
    }
    return std::nullopt;
}

// A field of the record of support `support` in a member table; none without one.
std::optional<double> MemberField(dao::Database& db, const std::string& table, long support, const std::string& field) {
    if (!db.HasTableDef(table)) return std::nullopt;
    dao::Recordset rs(db);
    rs.Open("Select * From " + dao::QuoteIdentifier(table), dao::dbOpenForwardOnly);
    for (; !rs.IsEOF(); rs.MoveNext())
        if (rs.GetFieldValue("PierAbutmentNum").toLong() == support) return rs.GetFieldValue(field).toDouble();
    return std::nullopt;
}

class SiteSizes : public ::testing::TestWithParam<Scenario> {
protected:
    void SetUp() override {
        const Scenario& s = GetParam();
        WriteText(wizard, s.wizard);
        WriteText(route, RouteFile(s.route));
        auto made = RunCli({"new", project, "--from", wizard}, kModules);
        ASSERT_EQ(made.status, 0) << made.err;
        auto imported = RunCli(ImportWords(project, route, s.route), kModules);
        ASSERT_EQ(imported.status, 0) << imported.err;
        for (const auto& design : s.designs) {
            auto run = RunCli({"design", project, design[0], design[1]}, kModules);
            ASSERT_EQ(run.status, 0) << design[1] << ": " << run.err;
        }
        auto exported = RunCli({"export-sub", project, exportFile, "--yes"}, kModules);
        ASSERT_EQ(exported.status, 0) << exported.err;
        db = dao::Database::Open(project);
        model = bridge::ReadBridge(*db);
    }
    testing_support::TempDir dir;
    std::string wizard = dir.file("w.json"), route = dir.file("r.BRF"), project = dir.file("p.vlt");
    std::string exportFile = dir.file("Kelsa.bri");
    std::unique_ptr<dao::Database> db;
    bridge::Bridge model;
};

TEST_P(SiteSizes, EveryChainClosesAtTheGroundAndTheTablesCarryTheModelsColumns) {
    ASSERT_FALSE(model.supports.empty());
    const std::string exported = text::FromGbk(ReadText(exportFile));
    for (const bridge::Support& s : model.supports) {
        SCOPED_TRACE(std::string(GetParam().name) + " support " + std::to_string(s.index));
        const bridge::VerticalChain& c = s.chain;
        ASSERT_TRUE(c.membersKnown);
        ASSERT_TRUE(s.groundKnown);
        // Top down and bottom up meet: deck − pavement − girder − bearing − cap − body = connection top.
        const double bottom = c.deckZ - c.pavement.value - c.girderDepth - c.bearing.value - c.capHeight - c.bodyLength;
        EXPECT_NEAR(bottom, c.connectionTopZ, 0.010);
        EXPECT_GE(c.connectionTopZ, s.groundZ - 3.0);
        EXPECT_LE(c.connectionTopZ, s.groundZ + 0.05);
        EXPECT_GT(c.bodyLength, 0);
        if (s.bodyType == "圆形截面柱式墩身") {
            EXPECT_NEAR(MemberField(*db, "圆形截面柱式墩身信息表", s.index, "PierColumnLength").value_or(-1),
                        c.bodyLength, 0.0005);
            EXPECT_NEAR(ExportedColumnLength(exported, s.index).value_or(-1), c.bodyLength, 0.0005);
        }
    }
    // No error; and the layout's deck-to-cap depth, which the interface files pass on, is the chain's.
    for (const bridge::Finding& f : model.findings) {
        EXPECT_NE(f.severity, 'E') << f.code << " " << f.text;
        EXPECT_NE(f.code, "DECK_TO_CAP") << f.text;
    }
}

// Supports written out: stake, cap, body, connection, foundation, ground to connection top (cm), deck to cap
// top (cm), crossing angle, cap cross slope.
std::string Supports(const std::vector<double>& stakes, double angle) {
    std::ostringstream rows;
    for (size_t i = 0; i < stakes.size(); ++i) {
        const bool abutment = i == 0 || i + 1 == stakes.size();
        rows << (i ? ", " : "") << "[\"" << stakes[i] << "\", "
             << (abutment ? R"("1类台帽", "肋板式台身", "1类承台", "多排桩基础")"
                          : R"("1类墩帽", "圆形截面柱式墩身", "1类承台", "单排桩基础")")
             << ", \"100\", \"150\", \"" << angle << "\", \"0\"]";
    }
    return "[" + rows.str() + "]";
}

// The deck elevations from the grade line, or (`roadTable`) from the road design sections.
std::string Wizard(const std::string& general, const std::string& sections, const std::string& supports,
                   const std::string& joints = "", bool roadTable = false) {
    const std::string method = roadTable ? "按路基设计表计算" : "按竖曲线计算";
    return R"({"general": {"BridgeName": "试验桥", )" + general + R"(, "高程计算方法": ")" + method +
           R"(", "超高过渡方法": "按长度分配"}, "spans": {"StartStake": "1000", "sections": )" +
           sections + R"(, "supports": )" + supports + (joints.empty() ? "" : R"(, "joints": )" + joints) + "}}";
}

const char* kWhole = R"("TransectType": "整体式", "LeftBridgeWidth": "6.25", "RightBridgeWidth": "6.25")";
const std::vector<std::string> kPavement = {"Adjunct", "DesignPavement"};
const std::vector<std::string> kPiers = {"PierAbut", "DesignPierAbut"};

const Scenario kScenarios[] = {
    {"Skew30",
     Wizard(kWhole, R"([["装配式简支T梁桥", "3", "20"]])", Supports({1000, 1020, 1040, 1060}, 60)),
     // The ground level within 5 m of each support, so that every column of a skew support stands on it.
     {0, 96, 108, {{700, 95}, {1005, 95}, {1015, 86}, {1025, 86}, {1035, 84}, {1045, 84}, {1055, 96}, {1300, 96}}, 0},
     {kPavement, {"Girder", "DesignTBeam"}, kPiers}},
    {"Divided",
     Wizard("\"TransectType\": \"分离式(左右半桥不同)\", \"LeftOrRight\": \"左半桥\", \"LeftBridgeWidth\": \"10\", "
            "\"RightBridgeWidth\": \"12\", \"DividerWidth\": \"0.5\"",
            R"([["装配式简支空心板桥", "3", "16"]])", Supports({1000, 1016, 1032, 1048}, 90)),
     {0, 100, 100, {{700, 92}, {1300, 92}}, 0},
     {kPavement, {"Girder", "DesignSlab"}, kPiers}},
    {"ContinuousBox",
     Wizard(kWhole, R"([["连续等截面箱梁桥", "1", "40"], ["连续等截面箱梁桥", "1", "60"], ["连续等截面箱梁桥", "1", "40"]])",
            Supports({1000, 1040, 1100, 1140}, 90), R"([["1000"], ["1140"]])"),
     {0, 100, 100, {{700, 85}, {1300, 85}}, 0},
     {kPavement, {"Girder", "DesignCUBox"}, kPiers}},
    {"CurveR300",
     Wizard(kWhole, R"([["装配式简支T梁桥", "3", "30"]])", Supports({1000, 1030, 1060, 1090}, 90), "", true),
     {300, 100, 103, {{700, 90}, {1300, 90}}, 4},
     {kPavement, {"Girder", "DesignTBeam"}, kPiers}},
    {"DeepValley",
     Wizard(kWhole, R"([["装配式简支T梁桥", "3", "30"]])", Supports({1000, 1030, 1060, 1090}, 90)),
     {0, 100, 100, {{700, 92}, {1005, 92}, {1025, 70}, {1065, 70}, {1085, 92}, {1300, 92}}, 0},
     {kPavement, {"Girder", "DesignTBeam"}, kPiers}},
};

void PrintTo(const Scenario& s, std::ostream* out) { *out << s.name; }

INSTANTIATE_TEST_SUITE_P(Bridges, SiteSizes, ::testing::ValuesIn(kScenarios),
                         [](const auto& info) { return std::string(info.param.name); });

// A project of one scenario, made and designed as the fixture makes it, for the checks of one kind.
class OneBridge : public SiteSizes {
public:
    static Scenario Named(const char* name) {
        for (const auto& s : kScenarios)
            if (std::string(s.name) == name) return s;
        return kScenarios[0];
    }

protected:
    double Number(const std::string& table, const std::string& keyField, const std::string& key,
                  const std::string& field) {
        dao::Recordset rs(*db);
        rs.Open("Select * From " + dao::QuoteIdentifier(table), dao::dbOpenForwardOnly);
        for (; !rs.IsEOF(); rs.MoveNext())
            if (rs.GetFieldValue(keyField).toString() == key) return rs.GetFieldValue(field).toDouble();
        ADD_FAILURE() << table << " has no " << key;
        return -1;
    }
};

class ContinuousBox : public OneBridge {};
TEST_P(ContinuousBox, IsOneUnitAndOneGirderAsDeepAsItsLongestSpanNeeds) {
    ASSERT_EQ(model.units.size(), 1u);
    EXPECT_TRUE(model.units[0].continuous);
    EXPECT_EQ(model.units[0].spans, (std::vector<int>{0, 1, 2}));
    // One girder: 60 / 20 = 3.0 m throughout, end spans at its two ends, 2 cm off only at the girder's ends.
    const char* table = "连续等截面箱梁立面、平面信息表";
    const struct {
        const char* span;
        const char* position;
        double length;
    } spans[] = {{"1", "边跨", 39.98}, {"2", "中跨", 60.0}, {"3", "边跨", 39.98}};
    for (const auto& s : spans) {
        EXPECT_NEAR(Number(table, "InWhichSpan", s.span, "BoxHeight"), 3.0, 1e-9) << s.span;
        EXPECT_NEAR(Number(table, "InWhichSpan", s.span, "BoxLength"), s.length, 1e-9) << s.span;
    }
    // The inner piers carry one bearing line: their caps are as wide as the 1.8 m columns need, 2.1 m.
    EXPECT_NEAR(MemberField(*db, "①类帽梁信息表", 1, "CopingWidth").value_or(-1), 2.1, 1e-9);
}
INSTANTIATE_TEST_SUITE_P(Bridges, ContinuousBox, ::testing::Values(OneBridge::Named("ContinuousBox")),
                         [](const auto&) { return std::string("FortySixtyForty"); });

class SkewTBeams : public OneBridge {};
TEST_P(SkewTBeams, TwentyMetreTBeamsAreOfTheStandardDepthAndTheCapsHoldBothBearingLines) {
    // The standard 20 m T-beam is 1.5 m deep (at least 1.4 m, as the common series all are).
    EXPECT_NEAR(Number("中梁尺寸信息表", "TBeamType", "20m斜30°中梁", "TBeamHeight"), 1.5, 1e-9);
    EXPECT_NEAR(Number("边梁尺寸信息表", "TBeamType", "20m斜30°边梁", "TBeamHeight"), 1.5, 1e-9);
    // Over a joint: two girder ends 2 cm off the pier line, bearings 0.25 m in from each, 0.4 m plates and
    // 0.15 m edges: 2 × (0.02 + 0.25) + 0.4 + 0.3 = 1.24, rounded up to 1.3 m; a 1.2 m column needs 1.5 m.
    EXPECT_NEAR(MemberField(*db, "①类帽梁信息表", 1, "CopingWidth").value_or(-1), 1.5, 1e-9);
}
INSTANTIATE_TEST_SUITE_P(Bridges, SkewTBeams, ::testing::Values(OneBridge::Named("Skew30")),
                         [](const auto&) { return std::string("Skew30"); });

class DividedBridge : public OneBridge {};
TEST_P(DividedBridge, DesignsItsOwnHalfOnly) {
    // The left half is 10 m wide: slabs of the 1.25 m module fill 10 m, and so does the approach slab.
    auto run = RunCli({"design", project, "Adjunct", "DesignSubslab"}, kModules);
    ASSERT_EQ(run.status, 0) << run.err;
    db = dao::Database::Open(project);
    EXPECT_NEAR(Number("桥头搭板信息表", "Position", "起点", "StartWidth"), 10.0, 1e-9);
    EXPECT_NEAR(Number("桥头搭板信息表", "Position", "起点", "EndWidth"), 10.0, 1e-9);
    const double slabs = Number("空心板布置信息表", "SlabInWhichSpan", "1", "SlabsEverySpan");
    const double cantilever = Number("边板尺寸信息表", "SlabType", "16m边板", "SuspendWidth");
    EXPECT_NEAR(slabs * 1.25 - 0.01 + 2 * cantilever, 10.0, 1e-9);
}
INSTANTIATE_TEST_SUITE_P(Bridges, DividedBridge, ::testing::Values(OneBridge::Named("Divided")),
                         [](const auto&) { return std::string("LeftHalf"); });

// The deep valley by hand: deck 100.00 on a level grade; 10 cm asphalt; a 30 m T-beam of the standard
// series 2.00 m deep; a cap 1.40 m high (1.8 m wide for its 1.5 m columns, four fifths of that); the pile
// cap top 1 m under ground at 70.00, so 69.00. The column is 100 − 0.10 − 2.00 − bearing − 1.40 − 69.00.
TEST(SiteSizesByHand, TheDeepValleysPiersAreAsTallAsTheValleyIsDeep) {
    const Scenario& valley = kScenarios[4];
    testing_support::TempDir dir;
    const std::string project = dir.file("p.vlt");
    WriteText(dir.file("w.json"), valley.wizard);
    WriteText(dir.file("r.BRF"), RouteFile(valley.route));
    ASSERT_EQ(RunCli({"new", project, "--from", dir.file("w.json")}, kModules).status, 0);
    ASSERT_EQ(RunCli(ImportWords(project, dir.file("r.BRF"), valley.route), kModules).status, 0);
    for (const auto& design : valley.designs) ASSERT_EQ(RunCli({"design", project, design[0], design[1]}, kModules).status, 0);
    auto db = dao::Database::Open(project);
    const bridge::Bridge model = bridge::ReadBridge(*db);
    ASSERT_EQ(model.supports.size(), 4u);
    for (int pier : {1, 2}) {
        const bridge::VerticalChain& c = model.supports[pier].chain;
        EXPECT_NEAR(c.pavement.value, 0.10, 1e-9);  // the project's pavement, not a standard value
        EXPECT_NEAR(c.girderDepth, 2.00, 1e-9);
        const double bearing = c.bearing.value;
        EXPECT_NEAR(MemberField(*db, "①类帽梁信息表", pier, "CopingHeight").value_or(-1), 1.40, 1e-9);
        EXPECT_NEAR(MemberField(*db, "圆形截面柱式墩身信息表", pier, "PierColumnLength").value_or(-1),
                    100 - 0.10 - 2.00 - bearing - 1.40 - 69.00, 0.0015);
    }
}

}  // namespace

namespace {

class DeepValley : public OneBridge {};
// The user makes the cap of pier 1 deeper and types a column length of his own: the column follows the cap,
// so that the cap top stays where the bearings need it.
TEST_P(DeepValley, AColumnFollowsItsCapAsTheUserEditsIt) {
    const double before = MemberField(*db, "圆形截面柱式墩身信息表", 1, "PierColumnLength").value_or(-1);
    girder_test::RecordingEditor editor;
    editor.change = [](ui::EditRequest& request) {
        for (auto& table : request.tables) {
            const char* field = table.table == "①类帽梁信息表" ? "CopingHeight"
                                : table.table == "圆形截面柱式墩身信息表" ? "PierColumnLength"
                                                                          : nullptr;
            if (!field) continue;
            const auto column = std::find(table.fields.begin(), table.fields.end(), field) - table.fields.begin();
            for (auto& row : table.rows)
                if (row.at(0) == "1") row.at(column) = table.table == "①类帽梁信息表" ? "2.0" : "5";
        }
    };
    modules::SharedLibraryLoader loader(VELTRA_MODULES_DIR);
    ui::ScriptedPrompter prompter;
    ASSERT_TRUE(
        app::RunDesignCall(*app::FindDesignCall(app::CommandId("design-pier-abut")), *db, loader, prompter, &editor));
    EXPECT_TRUE(prompter.texts().empty());
    EXPECT_NEAR(MemberField(*db, "圆形截面柱式墩身信息表", 1, "PierColumnLength").value_or(-1), before - 0.6, 0.0015);
    const bridge::Bridge after = bridge::ReadBridge(*db);
    EXPECT_NEAR(after.supports.at(1).chain.Miss(), 0, 0.010);
}
INSTANTIATE_TEST_SUITE_P(Bridges, DeepValley, ::testing::Values(OneBridge::Named("DeepValley")),
                         [](const auto&) { return std::string("TwentyFiveMetrePiers"); });

}  // namespace
