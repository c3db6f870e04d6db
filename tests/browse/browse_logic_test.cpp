// Decisions of the table tree and the grid editor that need no window.
#include <gtest/gtest.h>

#include "browse/grid_table.h"
#include "browse/table_transfer.h"
#include "browse/table_tree.h"
#include "browse_fixture.h"
#include "platform/dao/recordset.h"
#include "platform/interaction/scripted.h"
#include "support/test_support.h"

namespace {

using namespace browse;

TEST(TransferDescriptor, EncodesKindThenThreeLengthPrefixedStrings) {
    TransferDescriptor d{2, "/p/a.vlt", "", "表"};
    const std::string bytes = EncodeTransfer(d);
    EXPECT_EQ(bytes, std::string("\x02\x00", 2) + "\x08/p/a.vlt" + std::string("\x00", 1) + "\x03表");
}

TEST(TransferDescriptor, RoundTripsAndRejectsDamagedBytes) {
    const struct {
        const char* what;
        TransferDescriptor d;
    } cases[] = {
        {"plain", {2, "/home/a/桥.vlt", ";PWD=", "下构布置信息表"}},
        {"empty strings", {2, "", "", ""}},
        {"254-byte path keeps the short prefix", {2, std::string(254, 'p'), "", "t"}},
        {"255-byte path takes the 16-bit prefix", {2, std::string(255, 'p'), "", "t"}},
        {"long name takes the 32-bit prefix", {7, "x", "", std::string(70000, 'n')}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string bytes = EncodeTransfer(c.d);
        ASSERT_EQ(DecodeTransfer(bytes), c.d);
        EXPECT_FALSE(DecodeTransfer(bytes.substr(0, bytes.size() - 1)));
        EXPECT_FALSE(DecodeTransfer(bytes + "x"));
    }
    EXPECT_FALSE(DecodeTransfer(""));
    EXPECT_FALSE(DecodeTransfer(std::string("\x02\x00\xff\xff", 4)));
}

std::vector<std::vector<dao::Value>> Values(dao::Database& db, const std::string& table) {
    std::vector<std::vector<dao::Value>> rows;
    dao::Recordset set(db);
    set.Open(table, dao::dbOpenForwardOnly);
    for (; !set.IsEOF(); set.MoveNext()) {
        rows.emplace_back();
        for (int i = 0; i < set.GetFieldCount(); ++i) rows.back().push_back(set.GetFieldValue(i));
    }
    return rows;
}

TEST(TableCopy, CarriesFieldsAndValuesAsReadUnderAFreeName) {
    testing_support::TempDir dir;
    auto source = browse_test::MakeProject(dir.file("a.vlt"), {"新表"});
    auto target = browse_test::MakeProject(dir.file("b.vlt"), {"新表"});
    const std::vector<std::vector<dao::Value>> rows = {
        {dao::Value::Text("墩1"), dao::Value::Double(0.1 + 0.2), dao::Value::Null()},
        {dao::Value::Null(), dao::Value::Double(-1e-300), dao::Value::Text("")},
    };
    {
        dao::Recordset set(*source);
        set.Open("新表");
        for (const auto& row : rows) {
            set.AddNew();
            for (std::size_t i = 0; i < row.size(); ++i) set.SetFieldValue(static_cast<int>(i), row[i]);
            set.Update();
        }
    }
    ui::ScriptedPrompter prompt;
    std::vector<std::string> asked;
    auto answer = [&](std::optional<std::string> name) {
        return [&asked, name](const std::string& clash) {
            asked.push_back(clash);
            return name;
        };
    };
    EXPECT_EQ(CopyTableInto(*source, "新表", *target, answer(std::nullopt), prompt), std::nullopt);
    ASSERT_EQ(CopyTableInto(*source, "新表", *target, answer("新表1"), prompt), "新表1");
    EXPECT_EQ(asked, (std::vector<std::string>{"新表", "新表"}));
    EXPECT_EQ(Values(*target, "新表1"), rows);
    const dao::TableDef from = source->GetTableDef("新表"), to = target->GetTableDef("新表1");
    ASSERT_EQ(to.fields.size(), from.fields.size());
    for (std::size_t i = 0; i < from.fields.size(); ++i) {
        EXPECT_EQ(to.fields[i].m_strName, from.fields[i].m_strName);
        EXPECT_EQ(to.fields[i].m_nType, from.fields[i].m_nType);
        EXPECT_EQ(to.fields[i].m_lSize, from.fields[i].m_lSize);
    }
    EXPECT_TRUE(Values(*target, "新表").empty());
    EXPECT_TRUE(prompt.texts().empty());

    // A target that cannot be written: the error is shown and nothing is left behind.
    target->Close();
    auto readOnly = dao::Database::Open(dir.file("b.vlt"), /*readOnly=*/true);
    EXPECT_EQ(CopyTableInto(*source, "新表", *readOnly, answer("新表2"), prompt), std::nullopt);
    EXPECT_EQ(prompt.texts().size(), 1u);
    EXPECT_FALSE(readOnly->HasTableDef("新表2"));
}

TEST(GridProtection, CentralTablesNeedTheAdvancedUser) {
    const std::string general =
        "不要直接修改总体信息，这样将有可能破坏项目数据库。\n\n如果您确有必要且有把握直接修改总体信息，\n请在 设置 菜单下选取 "
        "高级用户。";
    const struct {
        const char* table;
        bool editable, writtenBack;
        std::string refusal;
    } cases[] = {
        {"图形布置信息表", false, false,
         "不要直接修改图形布置信息表。\n要修改图形布置信息，请选择 总体信息->绘图信息 菜单。"},
        {"平曲线资料表", false, false, "不要直接修改平曲线资料表。\n要修改平曲线资料，请选择 桥位信息->平曲线 菜单。"},
        {"一般信息表", false, true, general},
        {"桥孔划分信息表", false, true, general},
        {"上构布置明细表", false, true, general},
        {"下构布置信息表", false, true, general},
        {"伸缩缝信息表", false, true, general},
        {"上构布置信息表", true, true, ""},
        {"竖曲线资料表", true, true, ""},
        {"中板尺寸信息表", true, true, ""},
        {"下构布置信息表 ", true, true, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.table);
        EXPECT_EQ(EditAllowed(c.table, false), c.editable);
        EXPECT_EQ(ContextMenuAllowed(c.table, false), c.editable);
        EXPECT_TRUE(EditAllowed(c.table, true));
        EXPECT_TRUE(ContextMenuAllowed(c.table, true));
        EXPECT_EQ(NeverWrittenBack(c.table), !c.writtenBack);
        EXPECT_EQ(EditRefusalMessage(c.table), c.refusal);
    }
}

TEST(GridColumns, CaptionsThenFieldNamesWithWidthsFromGbkBytes) {
    std::vector<dao::FieldInfo> fields = {{"JointNum"}, {"JointStake"}, {"Extra1"}, {"AVeryLongFieldNameIndeed"}};
    std::vector<GridColumn> columns = GridColumns("伸缩缝信息表", fields);
    ASSERT_EQ(columns.size(), 4u);
    EXPECT_EQ(columns[0].header, "序号");
    EXPECT_EQ(columns[1].header, "中心桩号");
    EXPECT_EQ(columns[2].header, "Extra1");  // beyond the caption list
    EXPECT_EQ(columns[3].header, "AVeryLongFieldNameIndeed");
    // The window shows a stake's unit; a sequence number and unknown fields have none.
    EXPECT_EQ(columns[0].heading, "序号");
    EXPECT_EQ(columns[1].heading, "中心桩号(m)");
    EXPECT_EQ(columns[2].heading, "Extra1");
    EXPECT_EQ(columns[0].widthUnits, 2048);         // 4 bytes, at least 2048
    EXPECT_EQ(columns[1].widthUnits, 11 * 320);     // four characters of two bytes and "(m)"
    EXPECT_EQ(columns[3].widthUnits, 24 * 320);
    EXPECT_EQ(GridColumns("某模块新加的表", fields)[0].header, "JointNum");

    // A table shown by its field names still shows the units the schema knows.
    std::vector<GridColumn> road = GridColumns("路基设计表", {{"CenterStake"}, {"Elev1"}});
    EXPECT_EQ(road[0].header, "CenterStake");
    EXPECT_EQ(road[0].heading, "CenterStake(m)");
    EXPECT_EQ(road[1].heading, "Elev1(m)");
}

TEST(GridColumns, RecordsAreReadOrderedByTheFirstField) {
    const struct {
        const char* table;
        const char* field;
        const char* sql;
    } cases[] = {
        {"伸缩缝信息表", "JointNum", "Select * From [伸缩缝信息表] ORDER BY [伸缩缝信息表].JointNum;"},
        {"地形资料表", "起点桩号", "Select * From [地形资料表] ORDER BY [地形资料表].起点桩号;"},
        // Names that SQL cannot read bare are quoted rather than leaving the grid empty.
        {"副本", "Pier No", "Select * From [副本] ORDER BY [Pier No];"},  // a space
        {"副本", "Order", "Select * From [副本] ORDER BY [Order];"},      // a keyword
        {"副本", "桩径(m)", "Select * From [副本] ORDER BY [桩径(m)];"},  // parentheses
        {"副本", "1st", "Select * From [副本] ORDER BY [1st];"},          // a leading digit
    };
    for (const auto& c : cases) EXPECT_EQ(GridSelectSql(c.table, c.field), c.sql) << c.field;
}

TEST(GridFirstColumn, TopmostProblemDecides) {
    const struct {
        std::vector<std::string_view> column;
        std::string message;
    } cases[] = {
        {{"1", "2", "3"}, ""},
        {{"1"}, ""},
        {{""}, kFirstColumnEmpty},
        {{"1", "", "3"}, kFirstColumnEmpty},
        {{"1", "2", "1"}, kFirstColumnDuplicate},
        {{"a", "", "a"}, kFirstColumnDuplicate},  // row 1 already has a later twin
        {{"", "a", "a"}, kFirstColumnEmpty},
        {{"1", "01", "1.0"}, ""},  // texts compare as written
    };
    for (const auto& c : cases) EXPECT_EQ(CheckFirstColumn(c.column), c.message);
}

TEST(TreeRefresh, ListsOnlyTheCategoryTablesThatExist) {
    auto all = [](const std::string&) { return true; };
    EXPECT_EQ(RefreshedTables(1, all), (std::vector<std::string>{"一般信息表", "桥孔划分信息表", "上构布置明细表",
                                                                  "下构布置信息表", "伸缩缝信息表", "图形布置信息表"}));
    EXPECT_EQ(RefreshedTables(12, all), (std::vector<std::string>{"绘图状态表", "钢束信息表", "钢筋布置信息表"}));
    EXPECT_EQ(RefreshedTables(2, all).front(), "地形资料表");
    EXPECT_EQ(RefreshedTables(2, all)[1], "平曲线资料表");
    auto only = [](const std::string& t) { return t == "钢束信息表" || t == "T梁布置信息表"; };
    EXPECT_EQ(RefreshedTables(12, only), std::vector<std::string>{"钢束信息表"});
    EXPECT_EQ(RefreshedTables(4, only), std::vector<std::string>{"T梁布置信息表"});
    for (int n : {0, 11, 13, -1}) {
        EXPECT_TRUE(RefreshedTables(n, all).empty()) << n;
        EXPECT_EQ(RefreshedCategory(n), nullptr) << n;
    }
}

TEST(TreeBuild, SkipsSystemTablesAndTheSuperLayoutTable) {
    std::vector<dao::TableDefInfo> defs = {
        {"sqlite_sequence", static_cast<long>(0x80000002)}, {"MSysObjects", 0x2}, {"上构布置信息表", 0},
        {"一般信息表", 0}, {"某模块新加的表", 0}, {"隐藏表", 0x1},
    };
    std::vector<TreeEntry> entries = TreeEntries(defs);
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].table, "一般信息表");
    EXPECT_EQ(entries[0].category->name, "总体信息");
    EXPECT_EQ(entries[1].category->name, "其它信息");
    EXPECT_EQ(entries[2].table, "隐藏表");
    EXPECT_EQ(RootTextOf("/home/u/桥梁/大桥.vlt"), "大桥.vlt");
    EXPECT_EQ(RootTextOf("C:\\p\\a.vlt"), "a.vlt");
}

TEST(CellProblem, RefusesWhatTheFieldCannotHoldAndNothingElse) {
    struct Case {
        short type;
        long size;
        std::string text;
        bool refused;
    };
    std::string han;
    for (int i = 0; i < 255; ++i) han += "桥";
    for (const Case& c : std::vector<Case>{
             {dao::dbDouble, 8, "12.5", false}, {dao::dbDouble, 8, "-3e2", false}, {dao::dbDouble, 8, "", false},
             {dao::dbDouble, 8, "12米", true}, {dao::dbDouble, 8, "abc", true}, {dao::dbDouble, 8, "1,5", true},
             {dao::dbInteger, 2, "32767", false}, {dao::dbInteger, 2, "32768", true}, {dao::dbInteger, 2, "-32768", false},
             {dao::dbByte, 1, "255", false}, {dao::dbByte, 1, "-1", true}, {dao::dbLong, 4, "2147483648", true},
             {dao::dbText, 255, han, false}, {dao::dbText, 255, han + "桥", true}, {dao::dbText, 10, "0123456789", false},
             {dao::dbText, 10, "0123456789A", true}, {dao::dbMemo, 0, std::string(70000, 'm'), false}}) {
        dao::FieldInfo field;
        field.m_strName = "f";
        field.m_nType = c.type;
        field.m_lSize = c.size;
        SCOPED_TRACE(std::to_string(c.type) + " " + c.text.substr(0, 20));
        EXPECT_EQ(!browse::CellProblem(field, c.text).empty(), c.refused);
    }
}

}  // namespace
