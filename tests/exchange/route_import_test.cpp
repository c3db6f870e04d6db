#include <gtest/gtest.h>

#include "exchange/route_import.h"
#include "platform/dao/recordset.h"
#include "projectdb/schema.h"
#include "route_fixture.h"

namespace {

using exchange::RouteRange;
using exchange::SectionOutcome;
using route_test::Deck;
using route_test::Plan;
using route_test::Profile;
using route_test::Project;
using route_test::Vert;
using Strings = std::vector<std::string>;

constexpr const char* kGround = "地形资料表";
constexpr const char* kPlanTable = "平曲线资料表";
constexpr const char* kVertTable = "竖曲线资料表";
constexpr const char* kDeckTable = "路基设计表";
const std::string kShort = "项目参考文件数据不足!";
const std::string kAsk = "项目参考文件数据不足!\n继续导入其余数据?";
const std::string kFailed = "项目参考文件数据不足!\n导入失败。";
const std::string kNoInfo = "该文件中无可参考信息!";

exchange::RouteImportResult ImportAll(Project& p, const std::string& path, RouteRange range) {
    auto ui = p.ui.interaction();
    return exchange::ImportRoute(p.db(), path, range, exchange::RouteSections{}, ui);
}

TEST(RouteImport, GroundLineKeepsThePointBeforeTheRangeAndTheFirstBeyondIt) {
    const std::vector<std::pair<double, double>> points{{0, 100}, {10, 101}, {20, 102}, {30, 103}, {40, 104}};
    struct Case {
        RouteRange range;
        Strings stakes;
        Strings messages;
    } cases[] = {
        {{15, 25}, {"10", "20", "30"}, {}},
        {{20, 25}, {"10", "20", "30"}, {}},           // a point at S still brings the one before it
        {{15, 30}, {"10", "20", "30", "40"}, {}},     // a point at E is written and reading goes on
        {{5, 5}, {"0", "10"}, {}},
        {{0, 40}, {"0", "10", "20", "30", "40"}, {}},  // the first point at S has nothing before it
        {{-5, 100}, {"0", "10", "20", "30", "40"}, {}},
        {{-20, -10}, {}, {kShort}},                   // first point beyond the end
        {{45, 50}, {}, {kShort}},                     // last point before the start
    };
    for (const auto& c : cases) {
        Project p;
        std::string path = p.writeFile(Profile(points));
        auto result = exchange::ImportSection(exchange::RouteSection::GroundLine, p.db(),
                                              exchange::RouteSource::File(path), c.range, p.ui.prompter);
        EXPECT_EQ(p.keys(kGround), c.stakes) << c.range.start << ".." << c.range.end;
        EXPECT_EQ(p.ui.prompter.texts(), c.messages) << c.range.start << ".." << c.range.end;
        EXPECT_EQ(result.written, static_cast<long>(c.stakes.size()));
    }
}

TEST(RouteImport, GroundLineIsStoredToTheMillimetre) {
    Project p;
    std::string path = p.writeFile("**PROFILE** 3 10.00049 99.12349 20.0006 99.9996 30 1e2");
    exchange::ImportSection(exchange::RouteSection::GroundLine, p.db(), exchange::RouteSource::File(path), {0, 100},
                            p.ui.prompter);
    EXPECT_EQ(p.rows(kGround), (Strings{"10 99.123", "20.001 100", "30 100"}));
}

TEST(RouteImport, ShortSectionsKeepWhatWasWrittenAndSaySo) {
    struct Case {
        const char* text;
        Strings stakes;
        SectionOutcome outcome;
        Strings messages;
    } cases[] = {
        // more records announced than present, before the file's end or the next section
        {"**PROFILE** 8 0 1 10 1 20 1", {"0", "10", "20"}, SectionOutcome::Insufficient, {kShort}},
        {"**PROFILE** 8 0 1 10 1 **PLAN** 0", {"0", "10"}, SectionOutcome::Insufficient, {kShort}},
        {"**PROFILE** 0 0 1", {}, SectionOutcome::Empty, {}},
        {"**PROFILE**", {}, SectionOutcome::NoSection, {kNoInfo}},
        {"**PROFILE** x 0 1", {}, SectionOutcome::NoSection, {kNoInfo}},
        {"**profile** 1 0 1 PROFILE 1 0 1 **PROFILE**1 1 0 1", {}, SectionOutcome::NoSection, {kNoInfo}},
    };
    for (const auto& c : cases) {
        Project p;
        p.fill(kGround, 2);
        std::string path = p.writeFile(c.text);
        auto result = exchange::ImportSection(exchange::RouteSection::GroundLine, p.db(),
                                              exchange::RouteSource::File(path), {0, 100}, p.ui.prompter);
        EXPECT_EQ(result.outcome, c.outcome) << c.text;
        EXPECT_EQ(p.ui.prompter.texts(), c.messages) << c.text;
        // Written through a second connection's eyes: the records before the message are committed.
        auto other = dao::Database::Open(p.db().GetName());
        dao::Recordset set(*other);
        set.Open(kGround);
        EXPECT_EQ(set.GetRecordCount(), static_cast<long>(c.stakes.size())) << c.text;
        EXPECT_EQ(p.keys(kGround), c.stakes) << c.text;
    }
}

// A section that does not read as its count promises is refused with the line where the trouble is, and its
// table keeps what it had: a damaged file never replaces good data by part of itself.
TEST(RouteImport, DamagedSectionsAreRefusedWithTheirLine) {
    const std::string deckRow = " 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17\r\n";
    struct Case {
        const char* what;
        std::string text;
        const char* table;
        std::string message;
    } cases[] = {
        {"a negative count", "**PROFILE**\r\n-5\r\n0 1\r\n", kGround,
         "路线参考文件第 2 行：**PROFILE** 段的记录数 -5 不能为负数。导入失败。"},
        {"a word inside a record", "**PROFILE** 3\r\n0 1\r\n10 x\r\n20 1\r\n", kGround,
         "路线参考文件第 3 行：**PROFILE** 段第 2 个记录应有 2 个数值（“x”），导入失败。"},
        {"a record cut short by the file's end", "**PROFILE** 3\r\n0 1\r\n10 1\r\n20\r\n", kGround,
         "路线参考文件第 4 行：**PROFILE** 段第 3 个记录应有 2 个数值，导入失败。"},
        {"free text where a record belongs", "**PROFILE** 2\r\n0 1\r\nend of data\r\n", kGround,
         "路线参考文件第 3 行：**PROFILE** 段第 2 个记录应有 2 个数值（“end”），导入失败。"},
        {"a plan element one number short", Plan({{0}}).substr(0, Plan({{0}}).size() - 4) + "\r\n**VERT** 0", kPlanTable,
         "路线参考文件第 3 行：**PLAN** 段第 1 个记录应有 13 个数值（“**VERT**”），导入失败。"},
        {"turning points without labels", "**VERT**\r\n3\r\n100 51 3000\r\n200 52 3000\r\n300 53 3000\r\n",
         kVertTable, "路线参考文件第 3 行：**VERT** 段第 1 个记录缺少名称（“100”），导入失败。"},
        {"a deck row one value short",
         "**DECK**\r\n100" + deckRow + "110 1 2 3\r\n120" + deckRow + "130" + deckRow, kDeckTable,
         "路线参考文件第 3 行：**DECK** 段第 2 个记录应有 18 个数值，导入失败。"},
        {"a deck row one value short, the rows not yet apart",
         "**DECK** 100" + deckRow.substr(0, deckRow.size() - 2) + " 110 1 2 3\r\n", kDeckTable,
         "路线参考文件第 1 行：**DECK** 段第 2 个记录应有 18 个数值，导入失败。"},
    };
    for (const auto& c : cases) {
        Project p({0, 200});
        p.fill(c.table, 2);
        const Strings before = p.rows(c.table);
        std::string path = p.writeFile(c.text);
        auto result = ImportAll(p, path, {0, 200});
        EXPECT_TRUE(result.failed) << c.what;
        EXPECT_FALSE(result.complete()) << c.what;
        ASSERT_FALSE(p.ui.prompter.texts().empty()) << c.what;
        EXPECT_EQ(p.ui.prompter.texts().back(), c.message) << c.what;
        EXPECT_EQ(p.rows(c.table), before) << c.what;
    }
}

TEST(RouteImport, PlanElementsAreNumberedAndTheirCodesNamed) {
    Project p;
    std::string path = p.writeFile(Plan({{0, 1, 1}, {100, -0.5, 2}, {200, 0, 3}, {300, 2, 4}, {400, 1, 1.5}, {500, 1, 0}}));
    auto result = exchange::ImportSection(exchange::RouteSection::Horizontal, p.db(), exchange::RouteSource::File(path),
                                          {150, 450}, p.ui.prompter);
    EXPECT_EQ(result.outcome, SectionOutcome::Complete);
    EXPECT_TRUE(p.ui.prompter.texts().empty());
    // CurveSectNum CurveType CurveDirect StartPointStake StartPointX StartPointY StartPointAngle StartPointRadii
    // EndPointX EndPointY EndPointAngle EndPointRadii CurveLength A_Value; the file gives Y before X.
    EXPECT_EQ(p.rows(kPlanTable), (Strings{
                                      "1 圆曲线 左偏 100 4000.2 3000.1 45.5 0 4100.2 3100.1 46.5 800 101 0",
                                      "2 缓和曲线 无 200 4000.2 3000.1 45.5 0 4100.2 3100.1 46.5 800 201 0",
                                      "3 NULL 右偏 300 4000.2 3000.1 45.5 0 4100.2 3100.1 46.5 800 301 0",
                                      "4 NULL 右偏 400 4000.2 3000.1 45.5 0 4100.2 3100.1 46.5 800 401 0",
                                      "5 NULL 右偏 500 4000.2 3000.1 45.5 0 4100.2 3100.1 46.5 800 501 0",
                                  }));
    // Starting with the file's first element numbers it 1; the last-element check applies to PLAN too.
    Project q;
    path = q.writeFile(Plan({{0}, {100}}));
    exchange::ImportSection(exchange::RouteSection::Horizontal, q.db(), exchange::RouteSource::File(path), {0, 50},
                            q.ui.prompter);
    EXPECT_EQ(q.keys(kPlanTable), (Strings{"1", "2"}));
    exchange::ImportSection(exchange::RouteSection::Horizontal, q.db(), exchange::RouteSource::File(path), {150, 200},
                            q.ui.prompter);
    EXPECT_TRUE(q.rows(kPlanTable).empty());
    EXPECT_EQ(q.ui.prompter.texts(), Strings{kShort});
}

TEST(RouteImport, VerticalCurvesAskWhenTheFirstPointLiesAfterTheStart) {
    const std::vector<double> stakes{100, 200, 300, 400};
    struct Case {
        RouteRange range;
        std::vector<ui::Answer> answers;
        Strings stakes;
        Strings messages;
    } cases[] = {
        {{150, 350}, {}, {"100", "200", "300", "400"}, {}},
        {{50, 350}, {ui::Answer::Yes}, {"100", "200", "300", "400"}, {kAsk}},
        {{50, 350}, {ui::Answer::No}, {}, {kAsk}},
        {{10, 50}, {ui::Answer::Yes}, {}, {kAsk, kFailed}},
        {{150, 500}, {}, {"100", "200", "300", "400"}, {kShort}},  // told, and the points are kept
        {{450, 500}, {}, {}, {kShort, kFailed}},
    };
    for (const auto& c : cases) {
        Project p;
        p.fill(kVertTable, 3);
        for (auto a : c.answers) p.ui.prompter.queue(a);
        std::string path = p.writeFile(Vert(stakes));
        exchange::ImportSection(exchange::RouteSection::Vertical, p.db(), exchange::RouteSource::File(path), c.range,
                                p.ui.prompter);
        EXPECT_EQ(p.keys(kVertTable), c.stakes) << c.range.start << ".." << c.range.end;
        EXPECT_EQ(p.ui.prompter.texts(), c.messages) << c.range.start << ".." << c.range.end;
    }
    Project p;
    std::string path = p.writeFile(Vert({100, 200}));
    exchange::ImportSection(exchange::RouteSection::Vertical, p.db(), exchange::RouteSource::File(path), {150, 150},
                            p.ui.prompter);
    EXPECT_EQ(p.rows(kVertTable), (Strings{"100 51 3000", "200 52 3000"}));
}

TEST(RouteImport, RoadDesignRecordsInsideTheRangeByPosition) {
    Project p;
    std::string path = p.writeFile(Deck({90, 100, 150, 200, 210}) + "**PLAN** 1 " + Deck({160}) + " 170 1 2");
    auto result = exchange::ImportSection(exchange::RouteSection::RoadDesign, p.db(), exchange::RouteSource::File(path),
                                          {100, 200}, p.ui.prompter);
    EXPECT_EQ(result.outcome, SectionOutcome::Complete);
    EXPECT_TRUE(p.ui.prompter.texts().empty());
    EXPECT_EQ(p.keys(kDeckTable), (Strings{"100", "150", "200"}));
    EXPECT_EQ(p.rows(kDeckTable)[0], "100 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17");
}

TEST(RouteImport, SectionsInAnyOrderAmongFreeTextImportTheSame) {
    std::string profile = Profile({{0, 1}, {150, 2}, {250, 3}}), plan = Plan({{50}, {120}, {260}}),
                vert = Vert({90, 180, 300}), deck = Deck({100, 180, 200});
    Project listed, shuffled;
    std::string a = listed.writeFile(plan + vert + profile + deck);
    std::string b = shuffled.writeFile("路线CAD参考文件 第 2 版\r\n" + deck + "说明：以下为竖曲线数据\r\n" + vert +
                                       "**DECK**x " + profile + "地面线结束\r\n" + plan + "全部结束");
    ImportAll(listed, a, {100, 200});
    ImportAll(shuffled, b, {100, 200});
    EXPECT_TRUE(listed.ui.prompter.texts().empty());
    EXPECT_TRUE(shuffled.ui.prompter.texts().empty());
    for (const char* table : {kGround, kPlanTable, kVertTable, kDeckTable}) {
        EXPECT_FALSE(listed.rows(table).empty()) << table;
        EXPECT_EQ(listed.rows(table), shuffled.rows(table)) << table;
    }
}

TEST(RouteImport, VerticalTableIsEmptiedOnlyOnceItsCountIsRead) {
    struct Case {
        const char* text;
        size_t left;  // rows the table keeps
        Strings messages;
    } cases[] = {
        {"**VERT**", 2, {kNoInfo}},
        {"**VERT** many", 2, {kNoInfo}},
        {"**VERT** 0", 0, {}},
        // a point cut short: the section is damaged and the table keeps what it had
        {"**VERT** 2 JD1 100 50", 2, {"路线参考文件第 1 行：**VERT** 段第 1 个记录应有 3 个数值，导入失败。"}},
    };
    for (const auto& c : cases) {
        Project p;
        p.fill(kVertTable, 2);
        std::string path = p.writeFile(c.text);
        exchange::ImportSection(exchange::RouteSection::Vertical, p.db(), exchange::RouteSource::File(path), {0, 1000},
                                p.ui.prompter);
        EXPECT_EQ(p.rows(kVertTable).size(), c.left) << c.text;
        EXPECT_EQ(p.ui.prompter.texts(), c.messages) << c.text;
    }
}

TEST(RouteImport, MissingTablesAreCreatedWithTheirFieldsInOrder) {
    Project p;
    for (const char* table : {kGround, kPlanTable, kVertTable, kDeckTable})
        if (p.db().HasTableDef(table)) p.db().DeleteTableDef(table);
    std::string path = p.writeFile(Profile({{0, 1}}) + Plan({{0}}) + Vert({0}) + Deck({0}));
    ImportAll(p, path, {0, 0});
    for (const char* table : {kGround, kPlanTable, kVertTable, kDeckTable}) {
        Strings want, got;
        for (const auto& f : projectdb::FindTableSchema(table)->fields) want.push_back(f.name);
        for (const auto& f : p.db().GetTableDef(table).fields) got.push_back(f.m_strName);
        EXPECT_EQ(got, want) << table;
        EXPECT_EQ(p.rows(table).size(), 1u) << table;
    }
    EXPECT_EQ(p.db().GetTableDef(kDeckTable).fields[3].m_strName, "Elev1");
}

TEST(RouteImport, ADatabaseErrorInAnySectionUndoesTheWholeImport) {
    Project p;
    for (const char* table : {kGround, kPlanTable, kVertTable}) p.fill(table, 2);
    // The road design table lacks the fields the last reader writes.
    p.db().Execute("CREATE TABLE [路基设计表] (CenterStake DOUBLE, CenterElev DOUBLE)");
    p.db().Execute("INSERT INTO [路基设计表] VALUES (1, 2)");
    std::string path = p.writeFile(Profile({{0, 1}, {300, 2}}) + Plan({{0}, {300}}) + Vert({0, 300}) + Deck({150}));
    auto result = ImportAll(p, path, {100, 200});
    EXPECT_TRUE(result.failed);
    EXPECT_FALSE(result.complete());
    EXPECT_EQ(result.deck.outcome, SectionOutcome::DatabaseError);
    for (const char* table : {kGround, kPlanTable, kVertTable}) EXPECT_EQ(p.keys(table), (Strings{"-1", "-2"})) << table;
    EXPECT_EQ(p.rows(kDeckTable), (Strings{"1 2"}));
    ASSERT_EQ(p.ui.prompter.shown().size(), 1u);  // the database's own error, with its number
    EXPECT_EQ(p.ui.prompter.shown()[0].buttons, ui::Buttons::YesNo);
    EXPECT_NE(p.ui.prompter.texts()[0].find("(3265)"), std::string::npos) << p.ui.prompter.texts()[0];
    EXPECT_FALSE(p.db().InTransaction());
}

TEST(RouteImport, ChosenSectionsRunUnderTheProgressWindow) {
    std::string text = Profile({{0, 1}, {300, 2}}) + Plan({{0}, {300}}) + Vert({0, 300}) + Deck({150});
    struct Case {
        exchange::RouteSections sections;
        int steps;
        Strings nonEmpty;
    } cases[] = {
        {{true, false, false}, 1, {kGround}},
        {{false, true, false}, 1, {kPlanTable}},
        {{false, false, true}, 2, {kVertTable, kDeckTable}},
        {{true, true, true}, 4, {kGround, kPlanTable, kVertTable, kDeckTable}},
    };
    for (const auto& c : cases) {
        Project p;
        auto ui = p.ui.interaction();
        auto result = exchange::ImportRoute(p.db(), p.writeFile(text), {100, 200}, c.sections, ui);
        EXPECT_EQ(p.ui.progress.title, "导入数据");
        EXPECT_EQ(p.ui.progress.text, "正在导入数据。请稍候...");
        EXPECT_EQ(p.ui.progress.pos, c.steps);
        EXPECT_EQ(p.ui.progress.closes, 1);
        EXPECT_FALSE(p.ui.progress.shown);
        Strings nonEmpty;
        for (const char* table : {kGround, kPlanTable, kVertTable, kDeckTable})
            if (p.db().HasTableDef(table) && !p.rows(table).empty()) nonEmpty.push_back(table);
        EXPECT_EQ(nonEmpty, c.nonEmpty);
        EXPECT_EQ(result.deck.outcome == SectionOutcome::NotRun, !c.sections.vertical);
    }
}

TEST(RouteImport, BridgeExtentIsTheFirstAndLastJointInTableOrder) {
    Project p({250, 100, 180});
    auto extent = exchange::ReadBridgeExtent(p.db());
    ASSERT_TRUE(extent);
    EXPECT_EQ(extent->start, 250);
    EXPECT_EQ(extent->end, 180);
    Project empty(std::vector<double>{});
    EXPECT_FALSE(exchange::ReadBridgeExtent(empty.db()));
    empty.db().DeleteTableDef("伸缩缝信息表");
    EXPECT_FALSE(exchange::ReadBridgeExtent(empty.db()));
}

}  // namespace
