// The lists of the library dialogs and the manager's edits, on library files made with plain SQL.
#include <gtest/gtest.h>

#include "library/component_sections.h"
#include "library/library_browse.h"
#include "library/library_entries.h"
#include "library/library_schema.h"
#include "library_fixture.h"
#include "platform/dao/recordset.h"
#include "platform/interaction/scripted.h"

namespace {

using namespace library;
using namespace library_test;
using Texts = std::vector<std::string>;

class LibraryBrowseTest : public ::testing::Test {
protected:
    void SetUp() override {
        path = dir.file("LIB.BCL");
        db = dao::Database::Create(path);
    }
    testing_support::TempDir dir;
    std::string path;
    std::unique_ptr<dao::Database> db;
};

TEST_F(LibraryBrowseTest, EachDialogListsItsTablesSortedWithoutSystemTables) {
    CreateSingleCellTable(*db);
    CreateHollowSlabTable(*db);
    CreateSubstructure1111(*db);
    CreateTable(*db, "单箱多室", {{"位置", "TEXT(255)"}});
    db->Execute("CREATE INDEX ix ON [1111]([帽梁])");
    db->Execute("ANALYZE");  // leaves SQLite's own sqlite_stat1 in the file
    struct Case {
        TableSelection selection;
        Texts tables;
    } cases[] = {
        {TableSelection::View, {"1111", "简支空心板"}},
        {TableSelection::Manager, {"1111", "单箱单室", "单箱多室", "简支空心板"}},
        {TableSelection::Chooser, {"单箱单室", "单箱多室"}},
    };
    for (const Case& c : cases) EXPECT_EQ(LibraryTables(*db, c.selection), c.tables);
}

TEST_F(LibraryBrowseTest, EntryListsCaptionFamiliesAndNameOtherColumnsByField) {
    CreateHollowSlabTable(*db);
    Insert(*db, "简支空心板", HollowSlabRecord("空心板B", "多边形", 1));
    Insert(*db, "简支空心板", HollowSlabRecord("空心板A", "多边形", 1));
    CreateSubstructure1111(*db);
    db->Execute(
        "INSERT INTO [1111] ([帽梁], [墩台身], [连接构造], [基础]) "
        "VALUES ('1类墩帽', '矩形截面柱式墩身', '桩帽', '单排桩基础')");  // the sizes left empty
    CreateSingleCellTable(*db);
    Insert(*db, "单箱单室", SingleCellRecord("跨中", "连续等截面箱梁", 10));

    EntryList slabs = ReadEntries(*db, "简支空心板", TableSelection::View);
    ASSERT_EQ(slabs.columns.size(), 27u);
    EXPECT_EQ(slabs.columns[2].caption, "板高 H");
    EXPECT_EQ(slabs.columns[26].caption, "内腔BH");
    for (const EntryColumn& column : slabs.columns) EXPECT_EQ(column.width, 72);
    ASSERT_EQ(slabs.rows.size(), 2u);  // in the order of their names, not as stored
    EXPECT_EQ(slabs.rows[0][0], "空心板A");
    EXPECT_EQ(slabs.rows[1][0], "空心板B");
    EXPECT_EQ(slabs.rows[0][7], "多边形");

    EntryList piers = ReadEntries(*db, "1111", TableSelection::Manager);
    EXPECT_EQ(piers.columns[0].caption, "帽梁");
    EXPECT_EQ(piers.columns[4].caption, "F1");
    EXPECT_EQ(piers.rows.at(0).at(4), "NULL");  // a missing size shows as missing, not as 0

    // A cross-section table is captioned in the chooser, its last column wider; the manager names its fields.
    EntryList chooser = ReadEntries(*db, "单箱单室", TableSelection::Chooser);
    EXPECT_EQ(chooser.columns[5].caption, "顶宽 TW");
    EXPECT_EQ(chooser.columns.back().caption, "用于");
    EXPECT_EQ(chooser.columns.back().width, 160);
    EntryList manager = ReadEntries(*db, "单箱单室", TableSelection::Manager);
    EXPECT_EQ(manager.columns[5].caption, "D1");
    EXPECT_EQ(manager.columns.back().width, 72);
}

TEST_F(LibraryBrowseTest, OverviewCountsTheRecordsOfEveryListedTable) {
    CreateHollowSlabTable(*db);
    for (const char* name : {"a", "b", "c"}) Insert(*db, "简支空心板", HollowSlabRecord(name, "多边形", 1));
    CreateSubstructure1111(*db);
    EntryList overview = TableOverview(*db, {"1111", "简支空心板"});
    ASSERT_EQ(overview.columns.size(), 3u);
    EXPECT_EQ(overview.columns[0].caption, "构件类型");
    EXPECT_EQ(overview.columns[0].width, 144);
    EXPECT_EQ(overview.columns[1].caption, "构件个数");
    EXPECT_EQ(overview.columns[2].caption, "构件组成");
    EXPECT_EQ(overview.rows, (std::vector<Texts>{{"1111", "0", "1类墩帽、矩形截面柱式墩身、桩帽、单排桩基础"},
                                                 {"简支空心板", "3", ""}}));
}

TEST(SubstructureCodeNames, NameTheFourMembersOfACode) {
    const struct {
        const char* table;
        const char* names;
    } cases[] = {
        {"1221", "1类墩帽、圆形截面柱式墩身、系梁、单排桩基础"},
        {"5834", "2类台帽、U型桥台台身、1类承台、台阶形扩大基础"},
        {"6958", "沉井基础"},  // 无 at cap, body and connection
        {"1950", "1类墩帽、未知"},  // a digit 0 stands for a type name the library did not know
        {"简支T梁", ""},
        {"12345", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(SubstructureCodeNames(c.table), c.names) << c.table;
}

TEST(SubstructureCodeNames, AgreeWithTheCodeTheWriterGivesEachName) {
    // The writer makes a code from the type names; the names shown for that code must be the same ones.
    const struct {
        const char *cap, *body, *connection, *foundation;
    } members[] = {
        {"3类墩帽", "多边形截面薄壁墩身", "2类承台", "梅花形桩基础"},
        {"1类台帽", "肋板式台身", "桩帽", "U台扩大基础(趾板式)"},
        {"2类墩帽", "尖端形截面实体式墩身", "系梁", "多排桩基础"},
    };
    for (const auto& m : members) {
        const std::string code = SubstructureCode(m.cap, m.body, m.connection, m.foundation);
        EXPECT_EQ(SubstructureCodeNames(code),
                  std::string(m.cap) + "、" + m.body + "、" + m.connection + "、" + m.foundation)
            << code;
    }
}

TEST_F(LibraryBrowseTest, OverviewLeavesOutATableItCannotReadRatherThanCountingItAsEmpty) {
    CreateHollowSlabTable(*db);
    Insert(*db, "简支空心板", HollowSlabRecord("a", "多边形", 1));
    EXPECT_EQ(TableOverview(*db, {"无此表", "简支空心板"}).rows, (std::vector<Texts>{{"简支空心板", "1", ""}}));
    EXPECT_TRUE(SectionOverview(*db, {"无此表"}, "连续等截面箱梁", kMidSpan).rows.empty());
}

TEST_F(LibraryBrowseTest, AFileThatIsNoLibraryIsToldByPathAndNothingIsOpened) {
    db.reset();
    std::string text = dir.file("NOTES.BCL");
    testing_support::WriteBytes(text, "not a database");
    for (const std::string& bad : {text, dir.file("MISSING.BCL")}) {
        ui::ScriptedPrompter prompt;
        EXPECT_EQ(OpenLibraryForBrowsing(bad, prompt), nullptr);
        EXPECT_EQ(prompt.texts(), Texts{bad + " 不是合法的构件库文件"});
    }
    EXPECT_EQ(testing_support::ReadBytes(text), "not a database");
    EXPECT_EQ(LibraryTitle("查看构件库", "/data/LIB.BCL"), "查看构件库 - [/data/LIB.BCL]");
}

TEST_F(LibraryBrowseTest, EditsReachTheRecordTheRowShows) {
    CreateHollowSlabTable(*db);
    // Stored C, A, B; listed A, B, C.
    for (const char* name : {"C", "A", "B"}) Insert(*db, "简支空心板", HollowSlabRecord(name, "多边形", 1));

    DeleteEntry(*db, "简支空心板", 1);  // the second row: B
    EXPECT_EQ(FirstFields(*db, "简支空心板"), (Texts{"C", "A"}));

    Texts changed = ReadEntries(*db, "简支空心板", TableSelection::Manager).rows[1];  // C
    changed[1] = "2500";
    changed[9] = "";  // an emptied number holds no value
    ChangeEntry(*db, "简支空心板", 1, changed);
    Texts row = ReadEntries(*db, "简支空心板", TableSelection::Manager).rows[1];
    EXPECT_EQ(row[0], "C");
    EXPECT_EQ(row[1], "2500");
    EXPECT_EQ(row[9], "NULL");

    AddEntry(*db, "简支空心板", changed);
    EXPECT_EQ(FirstFields(*db, "简支空心板"), (Texts{"C", "A", "C"}));

    // Fields left as the list shows them keep their stored value: more decimals than shown, an empty text.
    db->Execute("UPDATE [简支空心板] SET [板长] = 1296.12345, [内腔类型] = '' WHERE [名称] = 'A'");
    Texts shown = ReadEntries(*db, "简支空心板", TableSelection::Manager).rows[0];
    EXPECT_EQ(shown[4], "1296.123");
    EXPECT_EQ(shown[7], "0");
    shown[5] = "97";
    ChangeEntry(*db, "简支空心板", 0, shown);
    dao::Recordset rs(*db);
    rs.Open("Select * From [简支空心板] Where [名称] = 'A'");
    EXPECT_DOUBLE_EQ(rs.GetFieldValue("板长").toDouble(), 1296.12345);
    EXPECT_EQ(rs.GetFieldValue("内腔类型").toString(), "");
    EXPECT_DOUBLE_EQ(rs.GetFieldValue("顶宽").toDouble(), 97);
    rs.Close();

    changed[1] = "not a number";
    EXPECT_THROW(ChangeEntry(*db, "简支空心板", 0, changed), dao::DaoException);
    EXPECT_THROW(DeleteEntry(*db, "简支空心板", 3), dao::DaoException);  // no such row
}

TEST_F(LibraryBrowseTest, ChooserOffersTheSectionsMadeForTheFamily) {
    CreateSingleCellTable(*db);
    Insert(*db, "单箱单室", SingleCellRecord("跨中", "连续等截面箱梁", 10));
    Insert(*db, "单箱单室", SingleCellRecord("跨中", "简支等截面箱梁", 20));
    Insert(*db, "单箱单室", SingleCellRecord("支点", "连续等截面箱梁", 30));
    Insert(*db, "单箱单室", SingleCellRecord("跨中", "连续等截面箱梁", 40));

    EntryList midSpan = SectionEntries(*db, "单箱单室", "连续等截面箱梁", kMidSpan);
    ASSERT_EQ(midSpan.rows.size(), 2u);
    EXPECT_EQ(midSpan.rows[1][5], "40");
    EXPECT_EQ(SectionEntries(*db, "单箱单室", "连续等截面箱梁", kSupport).rows.size(), 1u);

    EntryList overview = SectionOverview(*db, {"单箱单室"}, "连续等截面箱梁", kMidSpan);
    EXPECT_EQ(overview.columns[1].caption, "满足条件的断面个数");
    EXPECT_EQ(overview.columns[1].width, 240);
    EXPECT_EQ(overview.rows, (std::vector<Texts>{{"单箱单室", "2"}}));

    // The dimensions of the mid-span section, then of the support section: "顶宽 TW" to "内腔 d".
    Texts support = SectionEntries(*db, "单箱单室", "连续等截面箱梁", kSupport).rows[0];
    ChosenSections chosen = ChooseSections("单箱单室", midSpan.rows[0], support);
    ASSERT_EQ(chosen.values.size(), 34u);
    EXPECT_EQ(chosen.values.front(), "10");
    EXPECT_EQ(chosen.values[16], "26");
    EXPECT_EQ(chosen.values[17], "30");
    EXPECT_EQ(chosen.kind, "单箱单室");
}

}  // namespace
