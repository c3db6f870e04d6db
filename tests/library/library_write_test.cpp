// The library's tables, the rows the write dialog offers and the entries written from them.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "library/library_candidates.h"
#include "library/library_schema.h"
#include "library/library_writer.h"
#include "library_fixture.h"
#include "platform/interaction/scripted.h"

namespace {

using namespace library;
using namespace library_test;
using Strings = std::vector<std::string>;

TEST(LibrarySchema, TablesHaveTheirFieldListsAndTypes) {
    // Field counts agree with the column captions the library view shows for each family.
    struct Count {
        const char* table;
        std::size_t fields;
    } counts[] = {{"简支空心板", 27},
                  {"简支T梁", 40},
                  {"简支等截面箱梁", 14},
                  {"简支变截面箱梁", 18},
                  {"连续等截面箱梁", 16},
                  {"连续变截面箱梁", 26},
                  {"单箱单室", 23},
                  {"单箱多室", 25},
                  {"多箱单室", 29},
                  {"6959", 4},
                  {"1221", 4 + 10 + 3 + 2 + 4},
                  {"4732", 4 + 20 + 7 + 4 + 6},
                  {"悬索桥", 0}};
    for (const auto& c : counts) EXPECT_EQ(LibraryTableFields(c.table).size(), c.fields) << c.table;

    struct Type {
        const char* table;
        const char* field;
        short type;
    } types[] = {
        {"简支空心板", "梁高", dao::dbDouble},   {"连续等截面箱梁", "梁高", dao::dbText},
        {"简支空心板", "内腔个数", dao::dbLong}, {"简支T梁", "NG", dao::dbLong},
        {"简支T梁", "TW", dao::dbDouble},        {"多箱单室", "悬臂C2", dao::dbLong},
        {"单箱多室", "悬臂C2", dao::dbDouble},   {"单箱多室", "室数", dao::dbLong},
        {"单箱单室", "用于", dao::dbText},       {"4732", "耳墙类型", dao::dbText},
        {"4732", "横桥向桩基个数", dao::dbLong}, {"1221", "墩柱个数", dao::dbLong},
    };
    for (const auto& t : types) {
        dao::TableDef def = LibraryTableDef(t.table);
        auto field = std::find_if(def.fields.begin(), def.fields.end(),
                                  [&](const dao::FieldInfo& f) { return f.m_strName == t.field; });
        ASSERT_NE(field, def.fields.end()) << t.table << "." << t.field;
        EXPECT_EQ(field->m_nType, t.type) << t.table << "." << t.field;
        if (t.type == dao::dbText) {
            EXPECT_EQ(field->m_lSize, 255);
        }
    }
}

TEST(LibrarySchema, SubstructureCodesTakeOneDigitPerMember) {
    struct Case {
        const char *cap, *body, *connection, *foundation, *code;
    } cases[] = {
        {"无", "无", "无", "无", "6959"},
        {"1类墩帽", "矩形截面柱式墩身", "桩帽", "单排桩基础", "1111"},
        {"2类台帽", "U型桥台台身", "2类承台", "U台扩大基础(趾板式)", "5847"},
        {"3类墩帽", "多边形截面薄壁墩身", "系梁", "沉井基础", "3628"},
        {"1类墩帽 ", "圆形截面柱式墩身", "系梁", "单排桩基础", "0221"},  // names compare byte for byte
    };
    for (const auto& c : cases)
        EXPECT_EQ(SubstructureCode(c.cap, c.body, c.connection, c.foundation), c.code) << c.code;
}

class LibraryWrite : public ::testing::Test {
protected:
    void SetUp() override {
        exchange_test::ProjectFile file(dir.file("bridge.vlt"));
        MakeBridge(file);
        file.close();
        project = dao::Database::Open(dir.file("bridge.vlt"));
    }
    Candidates List() { return ListCandidates(*project, ui.progress); }
    WriteOutcome Write(const std::string& typed, const Candidates& rows) {
        ui::Interaction interaction = ui.interaction();
        return WriteToLibrary(*project, typed, rows.upper, rows.lower, interaction);
    }

    testing_support::TempDir dir;
    std::unique_ptr<dao::Database> project;
    ui::ScriptedInteraction ui;
};

TEST_F(LibraryWrite, ListsEverySourceWithTheLastRowReadOnTop) {
    Candidates rows = List();
    std::vector<UpperRow> upper = {
        {"简支空心板", "Z16", "1", "1600.0", "0.8", "0.99"},
        {"简支空心板", "B16", "1", "1600.0", "0.8", "1.245"},
        {"简支T梁", "T30", "2", "3000.0", "2", "1.6"},
        // T30S also stands in the middle-beam table, but no span uses it as a middle beam; Z20 no span uses.
        {"简支T梁", "T30S", "2", "3000.0", "2.1", "1.7"},
        {"简支变截面箱梁", "简支变截面箱梁", "4", "4000.0", "2.2-1.8", "1250.0"},
        // The second, equal elevation record of span 3 is not offered, nor the repeated support section.
        {"连续等截面箱梁", "连续等截面箱梁", "3", "3555.0", "2", "1250.0"},
        {"单箱单室", "支点", "3", "3555.0", "2.0", "12"},
        {"单箱单室", "跨中", "3", "3555.0", "2.0", "12"},
        {"多箱单室", "跨中", "4", "4000.0", "2.2-1.8", "12.5"},
    };
    EXPECT_EQ(rows.upper, upper);
    std::vector<LowerRow> lower = {
        {"6959", "2", "无", "无", "无", "无"},
        {"1221", "1", "1类墩帽", "圆形截面柱式墩身", "系梁", "单排桩基础"},
        {"4732", "0", "1类台帽", "肋板式台身", "1类承台", "多排桩基础"},
    };
    EXPECT_EQ(rows.lower, lower);

    EXPECT_EQ(ui.progress.upper, 120);
    EXPECT_EQ(ui.progress.pos, 120);
    EXPECT_EQ(ui.progress.closes, 1);

    // Supports come in the table's record order, each on top of those before it: stored as 1, 2, 0 (as a
    // table edited by hand may be), they are listed 0, 2, 1, not by number.
    project->Execute("CREATE TEMP TABLE moved AS SELECT * FROM [下构布置信息表] WHERE PierAbutNum = 0");
    project->Execute("DELETE FROM [下构布置信息表] WHERE PierAbutNum = 0");
    project->Execute("INSERT INTO [下构布置信息表] SELECT * FROM moved");
    std::vector<std::string> numbers;
    for (const LowerRow& row : List().lower) numbers.push_back(row.pier);
    EXPECT_EQ(numbers, (std::vector<std::string>{"0", "2", "1"}));
}

TEST_F(LibraryWrite, BridgeWidthFollowsTheDesignedHalf) {
    project->Execute("UPDATE [一般信息表] SET LeftOrRight = '右半桥'");
    EXPECT_EQ(List().upper[4].width, "650.0");
    project->Execute("DELETE FROM [一般信息表]");
    for (const UpperRow& row : List().upper) EXPECT_NE(row.family, row.type) << "elevations need 一般信息表";
}

bool Has(const std::vector<std::string>& record, const Strings& wanted) {
    for (const auto& w : wanted)
        if (std::find(record.begin(), record.end(), w) == record.end()) return false;
    return true;
}

TEST_F(LibraryWrite, NewLibraryGetsTheTablesWrittenWithTheMembersSizes) {
    Candidates rows = List();
    // Typed in lower case without an extension.
    ASSERT_EQ(Write(dir.file("standard"), rows), WriteOutcome::Written);
    EXPECT_EQ(ui.prompter.texts(), Strings{kCreateLibraryQuestion});
    const std::string lib = dir.file("STANDARD.BCL");
    ASSERT_TRUE(std::filesystem::exists(lib));
    EXPECT_EQ(LibraryTables(lib), (Strings{"简支空心板", "简支T梁", "简支变截面箱梁", "连续等截面箱梁", "单箱单室",
                                           "多箱单室", "6959", "1221", "4732"}));
    EXPECT_EQ(ui.progress.title, "写入构件库");
    EXPECT_EQ(ui.progress.upper, 12);
    EXPECT_EQ(ui.progress.pos, 12);

    auto slabs = LibraryRecords(lib, "简支空心板");
    ASSERT_EQ(slabs.size(), 2u);
    EXPECT_TRUE(Has(slabs[0], {"名称=Z16", "跨径=1600", "梁高=0.8", "梁宽=0.99", "板长=15.96", "内腔类型=圆形",
                               "内腔个数=2", "S1=0", "S2=0", "S3=0"}));
    EXPECT_TRUE(Has(slabs[1], {"名称=B16", "梁宽=1.245", "S1=0.12", "S2=0.2", "S3=0.25"}));

    auto beams = LibraryRecords(lib, "简支T梁");
    ASSERT_EQ(beams.size(), 2u);
    EXPECT_TRUE(
        Has(beams[0], {"名称=T30", "梁长=29.96", "NG=5", "TW=1.6", "TW1=0.8", "TW2=0.8", "FW1=0.3", "FW2=0.3", "H=2"}));
    // T30S is listed from the side-beam table but written from the middle-beam table.
    EXPECT_TRUE(Has(beams[1], {"名称=T30S", "梁高=2.1", "TW=1.7", "TW1=0.85", "TW2=0.85", "FW1=0.35", "H=2"}));

    EXPECT_TRUE(Has(LibraryRecords(lib, "简支变截面箱梁")[0], {"名称=简支变截面箱梁", "梁高=2.2-1.8", "梁长=39.9",
                                                               "支点梁高=2.2", "跨中梁高=1.8", "支点等截面长度=3"}));
    EXPECT_TRUE(Has(LibraryRecords(lib, "连续等截面箱梁")[0], {"跨径=3555", "梁宽=1250", "起点横隔板厚度=1.5"}));
    auto single = LibraryRecords(lib, "单箱单室");
    ASSERT_EQ(single.size(), 2u);
    EXPECT_TRUE(Has(single[0], {"名称=单箱单室", "位置=支点", "顶板厚TH=0.5", "用于=连续等截面箱梁"}));
    // 悬臂C2 holds a whole number in this table only.
    EXPECT_TRUE(Has(LibraryRecords(lib, "多箱单室")[0],
                    {"位置=跨中", "箱数=2", "悬臂C2=2", "悬臂C3=0.45", "用于=简支变截面箱梁", "梁高=2.2-1.8"}));

    EXPECT_EQ(LibraryRecords(lib, "6959"), (std::vector<Strings>{{"帽梁=无", "墩台身=无", "连接构造=无", "基础=无"}}));
    // The column body keeps count, diameter and spacing, not the height.
    EXPECT_TRUE(Has(LibraryRecords(lib, "1221")[0], {"帽梁长B1=11.8", "挡块距离FR=0.3", "墩柱个数=2", "墩柱直径D=1.2",
                                                     "墩柱间距B2=5.5", "系梁高H=1", "桩长L=30", "桩间距B=5.5"}));
    EXPECT_TRUE(Has(LibraryRecords(lib, "4732")[0],
                    {"帽梁长B1=12", "耳墙类型=悬臂式", "牛腿H6=0.4", "肋板片数=3", "肋板比降m=0.1", "承台长L=13",
                     "承台交角a=90", "横桥向桩基个数=4", "顺桥向桩间距D2=3.6"}));
}

TEST_F(LibraryWrite, SecondWriteAppendsAndNamesKeepTheirExtension) {
    Candidates rows = List();
    Candidates one{{rows.upper[0]}, {}};
    ASSERT_EQ(Write(dir.file("a.bcl.old"), one), WriteOutcome::Written);
    ASSERT_EQ(Write(dir.file("A.BCL.OLD"), one), WriteOutcome::Written);
    EXPECT_EQ(ui.prompter.texts(), Strings{kCreateLibraryQuestion}) << "asked once, for the new file";
    // The second entry repeats the first: the write's own clean removes it.
    EXPECT_EQ(LibraryRecords(dir.file("A.BCL.OLD"), "简支空心板").size(), 1u);
}

TEST_F(LibraryWrite, DeclinedOrForeignLibraryIsNotWritten) {
    Candidates rows = List();
    ui.prompter.queue(ui::Answer::No);
    EXPECT_EQ(Write(dir.file("new"), rows), WriteOutcome::Declined);
    EXPECT_FALSE(std::filesystem::exists(dir.file("NEW.BCL")));

    testing_support::WriteBytes(dir.file("NOTES.BCL"), "not a library");
    ui.prompter.clear();
    EXPECT_EQ(Write(dir.file("notes"), rows), WriteOutcome::Unopened);
    EXPECT_EQ(testing_support::ReadBytes(dir.file("NOTES.BCL")), "not a library");
    ASSERT_EQ(ui.prompter.texts().size(), 1u);
    EXPECT_EQ(ui.prompter.texts()[0].find(kCreateLibraryQuestion), std::string::npos);
}

TEST_F(LibraryWrite, ErrorKeepsTheEntriesWrittenBeforeIt) {
    Candidates rows = List();
    project->DeleteTableDef("系梁信息表");
    ui.prompter.setDefault(ui::Answer::Yes);
    EXPECT_EQ(Write(dir.file("L"), {{}, rows.lower}), WriteOutcome::Failed);
    const Strings texts = ui.prompter.texts();
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_NE(texts[1].find("系梁信息表"), std::string::npos) << texts[1];
    EXPECT_EQ(LibraryRecords(dir.file("L.BCL"), "6959").size(), 1u);
    EXPECT_EQ(ui.progress.closes, 2) << "listing and writing each close their window";
}

}  // namespace
