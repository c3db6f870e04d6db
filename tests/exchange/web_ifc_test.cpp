// The IFC files of several bridges opened by an independent reader (web-ifc, installed by the setup script when
// npm can reach its registry): no message from the reader, and every element meshed as its kind, enclosing its
// member's volume. Skipped when node or web-ifc is not there.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>

#include "bridge/bridge_fixture.h"
#include "cli/command.h"
#include "exchange/ifc_export.h"
#include "exchange/ifc_members.h"
#include "exchange_fixture.h"
#include "step_reader.h"
#include "support/cli_runner.h"

namespace {

std::string Shell(const std::string& command) {
    std::string out;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[4096];
        while (std::fgets(buffer, sizeof buffer, pipe)) out += buffer;
        pclose(pipe);
    }
    return out;
}

std::string Upper(std::string s) {
    for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

// The sample bridge as a user starts it: the wizard's description, then the route file; its members are the
// model's proposal.
bridge_test::Project Sample() {
    bridge_test::Project p;
    const std::string file = p.dir->file("sample.vlt"), samples = VELTRA_SAMPLES;
    std::string out, err;
    EXPECT_EQ(testing_support::RunCli(cli::WizardCommands(), "new", {file, "--from", samples + "/sample_bridge.json"}, out, err), 0) << err;
    EXPECT_EQ(testing_support::RunCli(cli::RouteCommands(), "import-route", {file, samples + "/sample_bridge.BRF", "--yes"}, out, err), 0)
        << err;
    p.db = dao::Database::Open(file);
    return p;
}

bridge_test::Project Made(const std::function<void(bridge_test::ProjectSpec&)>& edit) {
    bridge_test::ProjectSpec spec;
    edit(spec);
    return bridge_test::MakeProject(spec);
}

// Two 20 m slab spans with cone slopes and an approach slab at both ends.
bridge_test::Project BridgeEnds() {
    using bridge_test::M;
    using bridge_test::N;
    using bridge_test::S;
    bridge_test::ProjectSpec spec;
    spec.sections = {{"装配式简支空心板桥", "2", "20"}};
    bridge_test::Project p = bridge_test::MakeProject(spec);
    for (auto [position, stake] : {std::pair{"起点", 1000.0}, {"终点", 1040.0}}) {
        bridge_test::AddRecord(*p.db, projectdb::kConeTable,
                               {{"Position", S(position)}, {"DistToAbutEnd", M(1)}, {"RatioAlong", M(1.5)},
                                {"RatioAcross", M(1)}, {"BackSlopeLength", M(1)}});
        bridge_test::AddRecord(*p.db, projectdb::kApproachSlabTable,
                               {{"Position", S(position)}, {"SlabNum", N(1)}, {"StartStake", M(stake)}, {"CenterLength", M(8)},
                                {"StartWidth", M(12)}, {"EndWidth", M(12)}, {"StartAngle", M(90)}, {"EndAngle", M(90)},
                                {"EndThick", M(0.30)}, {"CenterThick", M(0.40)}});
    }
    return p;
}

struct Case {
    const char* name;
    std::function<bridge_test::Project()> make;
};

TEST(WebIfc, IndependentReaderOpensEveryBridgeAndMeshesEachMemberWithItsVolume) {
    const std::string folder = VELTRA_WEB_IFC;
    if (!std::filesystem::exists(folder + "/node_modules/web-ifc") || Shell("command -v node").empty())
        GTEST_SKIP() << "web-ifc or node is not installed";
    using bridge_test::Rows;
    using bridge_test::SupportRow;
    const Case cases[] = {
        {"sample", Sample},
        {"tbeams", [] { return Made([](auto& s) { s.sections = {{"装配式简支T梁桥", "2", "25"}}; }); }},
        {"skew", [] {
             return Made([](auto& s) {
                 s.sections = {{"装配式简支T梁桥", "2", "20"}};
                 s.supports = Rows{SupportRow("1000", "60"), SupportRow("1020", "60"), SupportRow("1040", "60")};
             });
         }},
        {"divided", [] {
             return Made([](auto& s) {
                 s.general = {{"TransectType", "分离式(左右半桥不同)"}, {"LeftOrRight", "右半桥"}, {"LeftBridgeWidth", "10"},
                              {"RightBridgeWidth", "12"}, {"DividerWidth", "0.5"}};
                 s.sections = {{"装配式简支空心板桥", "3", "16"}};
             });
         }},
        {"ends", BridgeEnds},
        {"continuous", [] { return Made([](auto& s) { s.sections = {{"连续等截面箱梁桥", "3", "30"}}; }); }},
        {"curve", [] {
             return Made([](auto& s) {
                 s.sections = {{"装配式简支空心板桥", "3", "20"}};
                 s.arcFrom1000 = true;
             });
         }},
    };
    std::vector<bridge_test::Project> projects;
    std::vector<std::string> files, texts;
    std::string list;
    for (const Case& c : cases) {
        projects.push_back(c.make());
        std::string problem;
        texts.push_back(exchange::IfcText(*projects.back().db, "b.ifc", {"2026-01-01T00:00:00", ""}, problem));
        ASSERT_EQ(problem, "") << c.name;
        files.push_back(projects.back().dir->file(std::string(c.name) + ".ifc"));
        std::ofstream(files.back(), std::ios::binary) << texts.back();
        list += " '" + files.back() + "'";
    }
    const std::string out =
        Shell("node '" + std::string(EXCHANGE_TEST_SCRIPTS) + "/web_ifc_read.js' '" + folder + "'" + list + " 2>&1");

    // What the reader printed, file by file: every line one of ours, so the reader had nothing to complain of.
    std::map<std::string, std::map<int, std::pair<std::string, double>>> meshed;
    std::map<std::string, std::string> schema;
    std::map<std::string, int> alignments;
    std::map<std::string, std::vector<std::string>> complaints;
    std::istringstream lines(out);
    std::string file;
    for (std::string line; std::getline(lines, line);) {
        std::istringstream words(line);
        std::string word;
        words >> word;
        if (word == "file") words >> file;
        else if (word == "schema") words >> schema[file];
        else if (word == "alignments") words >> alignments[file];
        else if (word == "product") {
            int id;
            std::string type;
            double volume;
            words >> id >> type >> volume;
            meshed[file][id] = {Upper(type), volume};
        } else {
            complaints[file].push_back(line);
        }
    }
    for (std::size_t k = 0; k < files.size(); ++k) {
        SCOPED_TRACE(cases[k].name);
        EXPECT_EQ(schema[files[k]], "IFC4X3_ADD2");
        EXPECT_EQ(alignments[files[k]], 1);
        const bridge::Bridge model = projects[k].Read();
        const auto solids = exchange::ExportedSolids(model);
        // Our elements in file order follow the exported solids.
        const step_test::Model m = step_test::Parse(texts[k]);
        // This reader cannot evaluate an IfcPolynomialCurve, the parent curve of a parabolic vertical arc, and
        // says so naming it; anything else it says is a fault of ours.
        const std::string polynomial = "[WEB-IFC][error][ComputeCurve()] Unsupported curve type ";
        for (const std::string& said : complaints[files[k]]) {
            const bool known = said.rfind(polynomial, 0) == 0 &&
                               m.at(std::stoi(said.substr(polynomial.size()))).type == "IFCPOLYNOMIALCURVE";
            EXPECT_TRUE(known) << "the reader said: " << said;
        }
        std::map<std::string, int> kinds;
        for (const auto* s : solids) ++kinds[exchange::MemberKind(*s, model).entity];
        std::vector<int> elements;
        for (const auto& [id, instance] : m.instances)
            if (kinds.count(instance.type)) elements.push_back(id);
        ASSERT_EQ(elements.size(), solids.size());
        if (std::string(cases[k].name) == "ends") {
            EXPECT_GT(kinds["IFCEARTHWORKSFILL"], 0);
            EXPECT_EQ(m.ofType("IFCSLAB").size(), 2u + 2u);  // two spans' pavement, two approach slabs
        }
        for (std::size_t i = 0; i < elements.size(); ++i) {
            const bridge::Solid& s = *solids[i];
            SCOPED_TRACE(s.member + " " + std::to_string(i));
            auto it = meshed[files[k]].find(elements[i]);
            ASSERT_NE(it, meshed[files[k]].end()) << "not meshed: #" << elements[i];
            EXPECT_EQ(it->second.first, m.at(elements[i]).type);
            EXPECT_NEAR(it->second.second, std::abs(s.volume), std::abs(s.volume) * 1e-3);
            // A body stands at its placement: no corner of a member lies a kilometre from it (the national grid's
            // millions of metres would, were the model's and the file's axes mixed up).
            const auto& rep = m.at(m.at(m.at(elements[i]).args[6].ref).args[2].items[0].ref);
            const auto& item = m.at(rep.args[3].items[0].ref);
            if (item.type != "IFCTRIANGULATEDFACESET") continue;
            for (const auto& corner : m.at(item.args[0].ref).args[0].items) {
                EXPECT_LT(std::hypot(corner.items[0].number(), corner.items[1].number()), 1000);
            }
        }
    }
}

}  // namespace
