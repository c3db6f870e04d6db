// The route check that follows an import: the sample route is one road; the same file with a road design
// section raised is imported all the same, and told.
#include <gtest/gtest.h>

#include "cli/command.h"
#include "support/cli_runner.h"
#include "exchange/route_import.h"
#include "route_fixture.h"

namespace {

using Strings = std::vector<std::string>;

const std::string kSample = std::string(VELTRA_SAMPLES_DIR) + "/sample_bridge.BRF";

// The sample file with `from` replaced by `to` (plain ASCII numbers, so the GBK bytes around stay as they are).
std::string SeededSample(const std::string& from, const std::string& to) {
    std::string bytes = testing_support::ReadBytes(kSample);
    const auto at = bytes.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos) bytes.replace(at, from.size(), to);
    return bytes;
}

std::string WriteRaw(route_test::Project& p, const std::string& bytes) {
    const std::string path = p.dir.file("seeded.BRF");
    testing_support::WriteBytes(path, bytes);
    return path;
}

std::vector<std::string> Codes(const std::vector<calc::RouteFinding>& findings) {
    std::vector<std::string> codes;
    for (const auto& f : findings) codes.push_back(f.code + " " + f.table + " " + std::to_string(f.record));
    return codes;
}

TEST(RouteImportCheck, TheSampleRouteIsOneRoadOverTheBridgeAndOverTheWholeFile) {
    for (exchange::RouteRange range : {exchange::RouteRange{1200, 1260}, exchange::RouteRange{1000, 1500}}) {
        route_test::Project p({1200, 1260});
        auto ui = p.ui.interaction();
        const auto result = exchange::ImportRoute(p.db(), kSample, range, {}, ui);
        EXPECT_TRUE(result.complete());
        EXPECT_GT(result.horizontal.written, 1);
        EXPECT_GT(result.deck.written, 1);
        EXPECT_EQ(Codes(result.findings), Strings{}) << range.start << ".." << range.end;
    }
}

TEST(RouteImportCheck, AnImportThatWritesNothingLeavesTheRouteAsItWasAndTellsNothingOfIt) {
    route_test::Project p({1200, 1260});
    auto ui = p.ui.interaction();
    const std::string seeded = WriteRaw(p, SeededSample("1230.000 102.377", "1230.000 103.497"));
    ASSERT_EQ(exchange::ImportRoute(p.db(), seeded, {1200, 1260}, {}, ui).findings.size(), 1u);
    // The vertical curves only, from a file without them: the road design table stays, and stays unsaid.
    const auto result = exchange::ImportRoute(p.db(), p.writeFile(route_test::Profile({{0, 1}})), {1200, 1260},
                                              {false, false, true}, ui);
    EXPECT_EQ(result.vertical.outcome, exchange::SectionOutcome::NoSection);
    EXPECT_TRUE(result.findings.empty());
}

// Raising K1+230 by 1.120 m to 103.497 puts it 1.120 m above the vertical curve there: 103.500 − T²/(2R)
// with T = 15000·(3.5/230 + 2.5/270)/2 = 183.575 m, i.e. 103.500 − 1.123 = 102.377.
TEST(RouteImportCheck, TheCommandLinePrintsOneWarningALine) {
    for (bool seeded : {false, true}) {
        route_test::Project p({1200, 1260});
        const std::string path = seeded ? WriteRaw(p, SeededSample("1230.000 102.377", "1230.000 103.497")) : kSample;
        std::string out, err;
        const int status =
            testing_support::RunCli(cli::RouteCommands(), "import-route", {p.db().GetName(), path}, out, err);
        EXPECT_EQ(status, 0) << err;
        EXPECT_EQ(out, "地形资料表\t15\n平曲线资料表\t2\n竖曲线资料表\t3\n路基设计表\t7\n");
        // The warnings come before the line the import ends with.
        const std::string summary = "已从 " + path.substr(path.rfind('/') + 1) +
                                    " 导入路线资料：地形资料表 15 条、平曲线资料表 2 条、竖曲线资料表 3 条、路基设计表 7 条记录。\n";
        if (seeded)
            EXPECT_EQ(err,
                      "警告: 路基设计表K1+230.000的中桩高程103.497 m与竖曲线资料表给出的设计高程102.377 m"
                      "相差+1.120 m；本项目按竖曲线计算高程\n" + summary);
        else
            EXPECT_EQ(err, summary);
    }
}

}  // namespace
