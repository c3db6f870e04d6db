#include <gtest/gtest.h>

#include "cli/command.h"
#include "support/cli_runner.h"
#include "exchange_fixture.h"
#include "route_fixture.h"

namespace {

using Strings = std::vector<std::string>;

int RunImportRoute(const Strings& words, std::string& out, std::string& err) {
    return testing_support::RunCli(cli::RouteCommands(), "import-route", words, out, err);
}

// Standard error without the route check's warnings: these files are no roads, and their check is tested
// with the sample route.
std::string WithoutWarnings(const std::string& err) {
    std::string kept;
    for (std::size_t at = 0; at < err.size();) {
        std::size_t end = err.find('\n', at);
        end = end == std::string::npos ? err.size() : end + 1;
        if (err.compare(at, 8, "警告: ") != 0) kept += err.substr(at, end - at);
        at = end;
    }
    return kept;
}

// The line a finished import ends with names the file and repeats the counts printed on standard output.
std::string SummaryOf(int status, const std::string& out, const std::string& routeFile) {
    if (status != 0) return "";
    std::string counts;
    for (std::size_t at = 0; at < out.size();) {
        std::size_t tab = out.find('\t', at), end = out.find('\n', at);
        counts += (counts.empty() ? "" : "、") + out.substr(at, tab - at) + " " + out.substr(tab + 1, end - tab - 1) + " 条";
        at = end + 1;
    }
    const std::string name = routeFile.substr(routeFile.rfind('/') + 1);
    return "已从 " + name + " 导入路线资料：" + counts + "记录。\n";
}

TEST(ImportRouteCommand, RangeSectionsAndAnswersFromTheCommandLine) {
    // Vertical points start after the bridge start (100): the question is answered from --yes/--no.
    std::string text = route_test::Profile({{0, 1}, {150, 2}, {250, 3}}) + route_test::Plan({{50}, {120}, {260}}) +
                       route_test::Vert({120, 180, 300}) + route_test::Deck({100, 180, 200});
    const std::string ask = "项目参考文件数据不足!\n继续导入其余数据?\n";
    struct Case {
        std::vector<double> joints;
        Strings options;
        int status;
        std::string out;
        std::string err;
    } cases[] = {
        // the bridge extent 100 .. 200, all three sections, the question answered No by default
        {{100, 200}, {}, 0, "地形资料表\t3\n平曲线资料表\t3\n竖曲线资料表\t0\n路基设计表\t3\n", ask},
        {{100, 200}, {"--yes"}, 0, "地形资料表\t3\n平曲线资料表\t3\n竖曲线资料表\t3\n路基设计表\t3\n", ask},
        // a range given replaces the extent, also in a project that has none
        {{}, {"--from", "130", "--to", "190", "--only", "vert,profile"}, 0, "地形资料表\t3\n竖曲线资料表\t3\n路基设计表\t1\n",
         ""},
        // one bound given: the other end is the bridge's
        {{100, 200}, {"--from", "190", "--only", "plan"}, 0, "平曲线资料表\t2\n", ""},
        {{}, {}, 1, "", "项目中没有伸缩缝信息，无法确定导入数据范围：请用 --from 和 --to 给出。\n"},
        {{100, 200}, {"--only", "plan,deck"}, 2, "", ""},
        // bounds written as stakes
        {{}, {"--from", "K0+130", "--to=k0+190", "--only", "vert,profile"}, 0,
         "地形资料表\t3\n竖曲线资料表\t3\n路基设计表\t1\n", ""},
        {{100, 200}, {"--from", "1x"}, 2, "", "“1x”不是有效的桩号，请输入数值或K1+190.5形式的桩号。\n"},
        {{100, 200}, {"--to", "K+5"}, 2, "", "“K+5”不是有效的桩号，请输入数值或K1+190.5形式的桩号。\n"},
        {{100, 200}, {"--only", "plan", "--from"}, 2, "", ""},
        // a reversed range is refused before anything is read or written
        {{100, 200}, {"--from", "3000", "--to", "1000"}, 1, "",
         "导入数据范围的起点桩号 3000.000 大于终点桩号 1000.000：--from 应不大于 --to。\n"},
        {{100, 200}, {"--from", "K0+250"}, 1, "",
         "导入数据范围的起点桩号 250.000 大于终点桩号 200.000：--from 应不大于 --to。\n"},
        {{100, 200}, {"--from", "150", "--to", "150", "--only", "profile"}, 0, "地形资料表\t3\n", ""},
    };
    for (const auto& c : cases) {
        route_test::Project p(c.joints);
        Strings words{p.db().GetName(), p.writeFile(text)};
        words.insert(words.end(), c.options.begin(), c.options.end());
        std::string out, err;
        int status = RunImportRoute(words, out, err);
        std::string label = testing::PrintToString(c.options);
        EXPECT_EQ(status, c.status) << label;
        EXPECT_EQ(out, c.out) << label;
        if (c.status == 2 && c.err.empty())
            EXPECT_EQ(err.rfind("usage: veltra-cli import-route", 0), 0u) << label << err;
        else
            EXPECT_EQ(WithoutWarnings(err), c.err + SummaryOf(c.status, c.out, words[1])) << label;
    }
    std::string out, err;
    EXPECT_NE(RunImportRoute({"/nonexistent/bridge.vlt", "/nonexistent/route.BRF", "--from", "0", "--to", "1"}, out, err), 0);
    EXPECT_TRUE(out.empty());
}

}  // namespace
