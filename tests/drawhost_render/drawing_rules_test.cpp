// The rules a signed layout drawing keeps, checked on the sample and on skewed, divided, continuous, curved
// and deep-valley bridges: an independent reader (ezdxf) audits the DXF clean and finds every text at
// least 3.5 mm high; every view scale is from the series; nothing the program decided is on the sheet;
// columns are as long as the model says; the plan's deck edges keep their offsets from the centre line
// (two decks on a divided bridge); a continuous unit's girder is one outline across its piers.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <regex>

#include "../bridge/bridge_fixture.h"
#include "drawing_render.h"
#include "layout_drawing.h"
#include "render_fixture.h"
#include "sheet_scales.h"

namespace {

using bridge_test::M;
using bridge_test::N;
using bridge_test::S;
using drawhost::Point;
using drawhost::SheetGeometry;

// Cones at both ends and an approach slab at the start, as the design modules propose them.
void AddBridgeEnds(dao::Database& db, double startStake) {
    bridge_test::AddRecord(
        db, projectdb::kConeTable,
        {{"Position", S("")}, {"DistToAbutEnd", M(0)}, {"RatioAlong", M(1.5)}, {"RatioAcross", M(1)}});
    bridge_test::AddRecord(db, projectdb::kApproachSlabTable,
                           {{"Position", S("起点")}, {"SlabNum", N(1)}, {"StartStake", M(startStake)},
                            {"CenterLength", M(8)}, {"StartWidth", M(12)}, {"EndWidth", M(12)}, {"EndThick", M(0.35)},
                            {"CenterThick", M(0.35)}});
}

struct Drawn {
    bridge::Bridge model;
    drawhost::RenderedDrawing files;
    drawhost::RenderedDrawing superstructure;  // the general structure drawings of the superstructure
    drawhost::RenderedDrawing substructure;    // and of the substructure
};

double DistanceToPolyline(Point q, const std::vector<Point>& line) {
    double best = 1e300;
    for (std::size_t i = 1; i < line.size(); ++i) {
        const Point a = line[i - 1], b = line[i];
        const double dx = b.x - a.x, dy = b.y - a.y, l2 = dx * dx + dy * dy;
        const double t = l2 > 0 ? std::clamp(((q.x - a.x) * dx + (q.y - a.y) * dy) / l2, 0.0, 1.0) : 0;
        best = std::min(best, std::hypot(q.x - a.x - t * dx, q.y - a.y - t * dy));
    }
    return best;
}

int ElevationScale(const SheetGeometry& sheet) {
    for (const auto& t : sheet.texts) {
        std::smatch m;
        if (t.text.rfind("立", 0) == 0 && std::regex_search(t.text, m, std::regex("1:(\\d+)"))) return std::stoi(m[1]);
    }
    return 0;
}

double TextX(const SheetGeometry& sheet, const std::string& text) {
    for (const auto& t : sheet.texts)
        if (t.text == text) return t.at.x;
    ADD_FAILURE() << "no text " << text;
    return 0;
}

class DrawingRules : public testing::Test {
protected:
    Drawn Render(const std::string& name, dao::Database& db, const std::string& path) {
        Drawn d{bridge::ReadBridge(db), {}, {}, {}};
        if (const char* shots = std::getenv("VELTRA_SHOTS")) {  // for looking at, with the project
            drawhost::RenderDrawing(path, "桥型布置图", "桥型布置图", name, shots);
            std::filesystem::copy_file(path, std::filesystem::path(shots) / (name + ".vlt"),
                                       std::filesystem::copy_options::overwrite_existing);
        }
        d.files = drawhost::RenderDrawing(path, "桥型布置图", "桥型布置图", name, dir_.path().string());
        d.superstructure = drawhost::RenderDrawing(path, "上构一般构造图", "上部构造一般构造图", name + "-super",
                                                   dir_.path().string());
        d.substructure = drawhost::RenderDrawing(path, "下构一般构造图", "下部构造一般构造图", name + "-sub",
                                                 dir_.path().string());
        return d;
    }
    Drawn Builder(const std::string& name, const bridge_test::ProjectSpec& spec) {
        bridge_test::Project p = bridge_test::MakeProject(spec);
        AddBridgeEnds(*p.db, std::stod(spec.startStake));
        const std::string path = dir_.file(name + ".vlt");
        p.db.reset();
        std::filesystem::copy_file(p.dir->file("bridge.vlt"), path);
        auto db = dao::Database::Open(path, true);
        return Render(name, *db, path);
    }
    testing_support::TempDir dir_;
};

void ExpectDraftingRules(const drawhost::RenderedDrawing& files) {
    for (const SheetGeometry& sheet : files.sheets) {
        for (const auto& t : sheet.texts) {
            EXPECT_GE(t.height, 3.5 - 1e-9) << t.text;
            std::smatch m;
            if (std::regex_search(t.text, m, std::regex("1:(\\d+)"))) {
                EXPECT_TRUE(drawhost::InScaleSeries(std::stoi(m[1]))) << t.text;
            }
            // What the program told beside the drawing stays off it.
            for (std::string message : files.messages) {
                for (const char* prefix : {"注意：", "错误："})
                    if (message.rfind(prefix, 0) == 0) message.erase(0, std::string(prefix).size());
                EXPECT_EQ(t.text.find(message), std::string::npos) << t.text;
            }
        }
    }
}

// Each column in the elevation as long as the model's column, within 0.5 mm on paper.
void ExpectColumnsAsLongAsTheModel(const Drawn& d) {
    const SheetGeometry& sheet = d.files.sheets.front();
    const double k = 1000.0 / ElevationScale(sheet);
    for (const bridge::Support& s : d.model.supports) {
        if (s.chain.bodyLength <= 0 || d.files.sheets.size() > 1) continue;
        const bool found = std::any_of(
            sheet.polylines.begin(), sheet.polylines.end(), [&](const drawhost::Polyline& p) {
                if (p.layer != "SUPPORT" || p.points.size() != 4) return false;
                const double h = std::abs(p.points[1].y - p.points[0].y) + std::abs(p.points[2].y - p.points[1].y);
                return std::abs(h - s.chain.bodyLength * k) < 0.5;
            });
        EXPECT_TRUE(found) << "support " << s.index << " column of " << s.chain.bodyLength << " m";
    }
}

// Every deck edge of the model is a DECK polyline of the plan at its offset from the drawn centre line.
void ExpectDeckEdgesAlongTheRoute(const Drawn& d) {
    const SheetGeometry& sheet = d.files.sheets.front();
    const double k = 1000.0 / ElevationScale(sheet);
    const drawhost::Polyline* centre = nullptr;
    for (const auto& p : sheet.polylines)
        if (p.layer == "CENTER" && (!centre || p.points.size() > centre->points.size())) centre = &p;
    ASSERT_NE(centre, nullptr);
    std::vector<double> expected;
    for (const bridge::Deck& deck : d.model.decks)
        for (double edge : {deck.offset - deck.width / 2, deck.offset + deck.width / 2})
            expected.push_back(std::abs(edge) * k);
    for (double distance : expected) {
        const auto wanted = std::count_if(expected.begin(), expected.end(),
                                          [&](double e) { return std::abs(e - distance) < 1e-9; });
        const auto drawn = std::count_if(
            sheet.polylines.begin(), sheet.polylines.end(), [&](const drawhost::Polyline& p) {
                if (p.layer != "DECK" || p.closed || p.points.size() < 9) return false;
                return std::all_of(p.points.begin(), p.points.end(), [&](Point q) {
                    return std::abs(DistanceToPolyline(q, centre->points) - distance) < 0.5;
                });
            });
        EXPECT_GE(drawn, wanted) << "deck edges " << distance << " mm from the centre line";
    }
}

TEST_F(DrawingRules, SampleAndTheModelsBridgesKeepThem) {
    using Rows = bridge_test::Rows;
    std::vector<Drawn> drawn;
    {
        const std::string path = drawhost_test::MakeProject(dir_.file("sample.vlt"));
        auto db = dao::Database::Open(path);
        AddBridgeEnds(*db, 1200);
        drawn.push_back(Render("sample", *db, path));
    }
    struct Case {
        const char* name;
        bridge_test::ProjectSpec spec;
    };
    std::vector<Case> cases(5);
    cases[0].name = "skew";
    cases[0].spec.sections = {{"装配式简支空心板桥", "3", "20"}};
    cases[0].spec.supports = Rows{bridge_test::SupportRow("1000", "60"), bridge_test::SupportRow("1020", "60"),
                                  bridge_test::SupportRow("1040", "60"), bridge_test::SupportRow("1060", "60")};
    cases[1].name = "divided";
    cases[1].spec.general = {
        {"TransectType", "分离式(左右半桥相同)"}, {"LeftBridgeWidth", "11"}, {"DividerWidth", "1"}};
    cases[1].spec.sections = {{"装配式简支空心板桥", "3", "20"}};
    cases[2].name = "continuous";
    cases[2].spec.sections = {
        {"连续变截面箱梁桥", "1", "40"}, {"连续变截面箱梁桥", "1", "60"}, {"连续变截面箱梁桥", "1", "40"}};
    cases[2].spec.joints = Rows{{"1000"}, {"1140"}};
    cases[3].name = "curve";
    cases[3].spec.sections = {{"装配式简支空心板桥", "4", "20"}};
    cases[3].spec.arcFrom1000 = true;
    cases[4].name = "valley";
    cases[4].spec.sections = {{"装配式简支T梁桥", "4", "30"}};
    cases[4].spec.ground = {{900, 100}, {1000, 99}, {1060, 55}, {1120, 99}, {1200, 100}};
    for (const Case& c : cases) drawn.push_back(Builder(c.name, c.spec));

    std::string files;
    for (const Drawn& d : drawn) {
        SCOPED_TRACE(std::filesystem::path(d.files.dxfPath).stem().string());
        ExpectDraftingRules(d.files);
        ExpectDraftingRules(d.superstructure);
        ExpectDraftingRules(d.substructure);
        // The superstructure drawing: a section and a span elevation of each structure type.
        int sections = 0;
        for (const auto& t : d.superstructure.sheets.front().texts)
            sections += t.text.find("横断面  1:") != std::string::npos;
        EXPECT_EQ(sections, 1) << "each bridge here has one structure type";
        ExpectColumnsAsLongAsTheModel(d);
        ExpectDeckEdgesAlongTheRoute(d);
        files += " '" + d.files.dxfPath + "' '" + d.superstructure.dxfPath + "' '" + d.substructure.dxfPath + "'";
    }
    // The continuous unit of three spans is one girder outline from before its first pier to beyond its last.
    const SheetGeometry& continuous = drawn[3].files.sheets.front();
    const double pier1 = TextX(continuous, "1号墩"), pier2 = TextX(continuous, "2号墩");
    EXPECT_TRUE(std::any_of(continuous.polylines.begin(), continuous.polylines.end(), [&](const drawhost::Polyline& p) {
        if (p.layer != "DECK" || !p.closed) return false;
        const auto [lo, hi] = std::minmax_element(p.points.begin(), p.points.end(),
                                                  [](Point a, Point b) { return a.x < b.x; });
        return lo->x < pier1 - 5 && hi->x > pier2 + 5;
    }));

    const std::string python = std::filesystem::exists("/usr/bin/python3") ? "/usr/bin/python3" : "python3";
    const int status = std::system((python + " '" VELTRA_DXF_AUDIT "'" + files).c_str());
    if (WIFEXITED(status) && WEXITSTATUS(status) == 2) GTEST_SKIP() << "python3-ezdxf is not installed";
    EXPECT_EQ(status, 0) << "the DXF audit found faults (printed above)";
}

// Where the model holds no superstructure or substructure, the sheets say so instead of staying blank.
TEST(StructureSheets, ABridgeWithoutMembersGetsSheetsThatSaySo) {
    std::vector<std::string> messages;
    const SheetGeometry sheets[] = {drawhost::SuperstructureSheet(bridge::Bridge{}, {}, {}, messages),
                                    drawhost::SubstructureSheet(bridge::Bridge{}, {}, {})};
    for (const SheetGeometry& sheet : sheets)
        EXPECT_TRUE(std::any_of(sheet.texts.begin(), sheet.texts.end(),
                                [](const auto& t) { return t.text.find("无可绘制的内容") != std::string::npos; }));
}

}  // namespace
