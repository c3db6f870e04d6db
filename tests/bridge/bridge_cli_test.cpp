// veltra-cli model and check: the JSON keys other programs rely on, the finding lines and the exit status.
#include <nlohmann/json.hpp>
#include <sstream>

#include "bridge_fixture.h"
#include "cli/command.h"

namespace bridge_test {
namespace {

struct CliRun {
    int status = -1;
    std::string out;
};

CliRun RunBridgeCommand(const std::string& name, const std::vector<std::string>& words) {
    for (const cli::Command& c : cli::BridgeCommands()) {
        if (c.name != name) continue;
        std::ostringstream captured;
        std::streambuf* kept = std::cout.rdbuf(captured.rdbuf());
        CliRun run;
        run.status = cli::RunCommand(c, words);
        std::cout.rdbuf(kept);
        run.out = captured.str();
        return run;
    }
    ADD_FAILURE() << "no command " << name;
    return {};
}

TEST(BridgeCli, CheckPrintsOneFindingALineAndFailsOnAnError) {
    struct Case {
        double ribs;
        int status;
        const char* line;  // a line the output holds
    };
    const Case cases[] = {
        {9.92, 1, "E CAP_ABOVE_GIRDER 1号台帽梁顶高程 100.120，高出支座所需的 99.970（桥面−铺装−梁高−支座）0.150m：帽梁伸入梁体。"},
        {9.77, 0, "W MEMBERS_PROPOSED 1个墩台的构件尺寸尚未设计（构件表中没有），按标准值拟定。"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.ribs);
        Project p = ChainProject(c.ribs);
        const std::string path = p.db->GetName();
        p.db->Close();
        const CliRun run = RunBridgeCommand("check", {path});
        EXPECT_EQ(run.status, c.status);
        EXPECT_NE(run.out.find(std::string(c.line) + "\n"), std::string::npos) << run.out;
        std::istringstream lines(run.out);
        for (std::string line; std::getline(lines, line);)
            EXPECT_TRUE(line.rfind("E ", 0) == 0 || line.rfind("W ", 0) == 0) << line;
    }
}

TEST(BridgeCli, ModelJsonKeepsTheContractKeys) {
    Project p = ChainProject(9.77);
    const std::string path = p.db->GetName();
    p.db->Close();
    const CliRun run = RunBridgeCommand("model", {path, "--json"});
    ASSERT_EQ(run.status, 0);
    const auto doc = nlohmann::json::parse(run.out);
    EXPECT_DOUBLE_EQ(doc.at("length").get<double>(), 20.8);  // two standard 0.4 m back walls
    ASSERT_EQ(doc.at("decks").size(), 1u);
    EXPECT_EQ(doc["decks"][0].at("side"), "全");
    EXPECT_DOUBLE_EQ(doc["decks"][0].at("width").get<double>(), 12);
    EXPECT_DOUBLE_EQ(doc["decks"][0].at("offset").get<double>(), 0);
    EXPECT_EQ(doc["decks"][0].at("designed"), true);
    ASSERT_EQ(doc.at("units").size(), 1u);
    EXPECT_EQ(doc["units"][0].at("spans"), nlohmann::json::array({0}));
    EXPECT_EQ(doc["units"][0].at("type"), "装配式简支空心板桥");
    EXPECT_EQ(doc["units"][0].at("continuous"), false);
    ASSERT_EQ(doc.at("supports").size(), 2u);
    const auto& s = doc["supports"][1];
    EXPECT_EQ(s.at("index"), 1);
    EXPECT_EQ(s.at("kind"), "台");
    const std::pair<const char*, double> numbers[] = {
        {"station", 1020},       {"skew", 0},           {"deck_z", 101.2},          {"ground_z", 90},
        {"pavement", 0.18},      {"girder_depth", 0.9}, {"bearing", 0.15},          {"cap_top_z", 99.97},
        {"cap_height", 1.2},     {"column_length", 9.77}, {"connection_top_z", 89}};
    for (auto [key, value] : numbers) EXPECT_NEAR(s.at(key).get<double>(), value, 0.0005) << key;
    EXPECT_EQ(s.at("foundation").at("kind"), "桩基础");
    EXPECT_DOUBLE_EQ(s["foundation"].at("pile_length").get<double>(), 20);
    EXPECT_DOUBLE_EQ(s["foundation"].at("tip_z").get<double>(), 67.5);
    ASSERT_FALSE(doc.at("findings").empty());
    for (const auto& f : doc["findings"]) {
        EXPECT_TRUE(f.at("severity") == "E" || f.at("severity") == "W");
        EXPECT_FALSE(f.at("code").get<std::string>().empty());
        EXPECT_FALSE(f.at("text").get<std::string>().empty());
    }
}

TEST(BridgeCli, UsageErrors) {
    for (const auto& [name, words] : std::vector<std::pair<std::string, std::vector<std::string>>>{
             {"model", {}}, {"model", {"a.vlt", "--xml"}}, {"check", {}}, {"check", {"a.vlt", "--json"}}})
        EXPECT_EQ(RunBridgeCommand(name, words).status, 2) << name;
}

TEST(BridgeCli, AFileThatIsNoProjectFailsWithItsMessage) {
    testing_support::TempDir dir;
    testing_support::WriteBytes(dir.file("not.vlt"), "no database here");
    EXPECT_EQ(RunBridgeCommand("check", {dir.file("not.vlt")}).status, 1);
}

}  // namespace
}  // namespace bridge_test
