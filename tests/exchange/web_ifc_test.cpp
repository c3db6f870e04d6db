// The IFC file opened by an independent reader (web-ifc, installed by the setup script when npm can reach its
// registry): every member of the bridge model meshed as its kind, enclosing the model's volume. Skipped when
// node or web-ifc is not there.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "bridge/bridge_fixture.h"
#include "exchange/ifc_export.h"
#include "exchange/ifc_members.h"
#include "step_reader.h"

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

TEST(WebIfc, IndependentReaderMeshesEveryMemberWithTheModelsVolume) {
    const std::string folder = VELTRA_WEB_IFC;
    if (!std::filesystem::exists(folder + "/node_modules/web-ifc") || Shell("command -v node").empty())
        GTEST_SKIP() << "web-ifc or node is not installed";
    bridge_test::ProjectSpec spec;
    spec.sections = {{"装配式简支T梁桥", "2", "25"}};
    bridge_test::Project project = bridge_test::MakeProject(spec);
    const bridge::Bridge model = project.Read();
    std::string problem;
    const std::string text = exchange::IfcText(*project.db, "b.ifc", {"2026-01-01T00:00:00", ""}, problem);
    ASSERT_EQ(problem, "");
    const std::string file = project.dir->file("b.ifc");
    std::ofstream(file, std::ios::binary) << text;

    const std::string out = Shell("node '" + std::string(EXCHANGE_TEST_SCRIPTS) + "/web_ifc_read.js' '" + folder + "' '" +
                                file + "' 2>/dev/null");
    EXPECT_NE(out.find("schema IFC4X3_ADD2"), std::string::npos) << out;
    EXPECT_NE(out.find("alignments 1"), std::string::npos) << out;
    std::map<int, std::pair<std::string, double>> meshed;
    std::istringstream lines(out);
    for (std::string word; lines >> word;) {
        if (word != "product") continue;
        int id;
        std::string type;
        double volume;
        lines >> id >> type >> volume;
        meshed[id] = {Upper(type), volume};
    }
    // Our elements in file order follow the model's solids.
    const step_test::Model m = step_test::Parse(text);
    std::map<std::string, int> kinds;
    const auto solids = exchange::ExportedSolids(model);
    for (const auto* s : solids) ++kinds[exchange::MemberKind(*s, model).entity];
    std::vector<int> elements;
    for (const auto& [id, instance] : m.instances)
        if (kinds.count(instance.type)) elements.push_back(id);
    ASSERT_EQ(elements.size(), solids.size());
    for (std::size_t i = 0; i < elements.size(); ++i) {
        const bridge::Solid& s = *solids[i];
        SCOPED_TRACE(s.member);
        auto it = meshed.find(elements[i]);
        ASSERT_NE(it, meshed.end()) << "not meshed: #" << elements[i];
        EXPECT_EQ(it->second.first, m.at(elements[i]).type);
        EXPECT_NEAR(it->second.second, std::abs(s.volume), std::abs(s.volume) * 1e-3);
    }
}

}  // namespace
