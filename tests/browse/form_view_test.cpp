// The grid editor over real project files: loading, protection, save on close and its rules.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QMenu>
#include <memory>

#include "platform/spreadsheet/grid_menu.h"
#include "platform/spreadsheet/sheet_files.h"
#include "browse/grid_table.h"
#include "browse/ui/bri_form_view.h"
#include "browse_fixture.h"
#include "platform/dao/recordset.h"
#include "platform/spreadsheet/sheet_model.h"
#include "platform/spreadsheet/spreadsheet.h"
#include "projectdb/schema.h"
#include "support/test_support.h"
#include "support/window_shot.h"

namespace {

using namespace browse;
using namespace sheet;
using namespace browse_test;
using Names = std::vector<std::string>;

const char* const kGeneralRefusal =
    "不要直接修改总体信息，这样将有可能破坏项目数据库。\n\n如果您确有必要且有把握直接修改总体信息，\n请在 设置 菜单下选取 高级用户。";
const char* const kOther = "某模块新加的表";

class FormTest : public HostedProjectTest {
protected:
    void SetUp() override { OpenProject({kOther, "伸缩缝信息表", "图形布置信息表"}); }
    CBriFormView& Open(const std::string& table) { return *host->OpenGridWindow(table); }
};

TEST_F(FormTest, LoadsCaptionsAndRecordsOrderedByTheFirstField) {
    AddRows(*db, "伸缩缝信息表", {{"3", "130.5"}, {"1", "100"}, {"2", "115.25"}});
    db->AppendField("伸缩缝信息表", {"Remark", dao::dbText, 50});
    CBriFormView& view = Open("伸缩缝信息表");
    EXPECT_EQ(view.TableName(), "伸缩缝信息表");
    EXPECT_EQ(view.Grid().columnCount(), 3);
    EXPECT_EQ(view.Grid().columnHeaderText(1), "序号");
    EXPECT_EQ(view.Grid().columnHeaderText(2), "中心桩号");
    EXPECT_EQ(view.Grid().columnHeaderText(3), "Remark");
    // The user sees the stake's unit over its column; a file written from the grid keeps the caption.
    const auto shown = [&](int col) {
        return view.Grid().model()->headerData(col - 1, Qt::Horizontal, Qt::DisplayRole).toString().toStdString();
    };
    EXPECT_EQ(shown(1), "序号");
    EXPECT_EQ(shown(2), "中心桩号(m)");
    EXPECT_EQ(shown(3), "Remark");
    EXPECT_EQ(SheetTable(view.Grid().model()->sheetData()).front(), (Names{"序号", "中心桩号", "Remark"}));
    EXPECT_EQ(GridRows(view), (Rows{{"1", "100", "NULL"}, {"2", "115.25", "NULL"}, {"3", "130.5", "NULL"}}));
    EXPECT_EQ(view.Grid().columnWidth(1), view.Grid().unitsToPixels(2048));
    EXPECT_FALSE(view.IsModified());
}

TEST_F(FormTest, PierLayoutShowsMetresCentimetresDegreesAndPercent) {
    projectdb::EnsureTable(*db, *projectdb::FindTableSchema("下构布置信息表"));
    AddRows(*db, "下构布置信息表", {{"0", "100", "1类台帽", "肋板式台身", "无", "单排桩基础", "50", "120", "90", "2"}});
    CBriFormView& view = Open("下构布置信息表");
    QStringList shown;
    for (int col = 1; col <= 10; ++col) shown << view.Grid().model()->headerData(col - 1, Qt::Horizontal, Qt::DisplayRole).toString();
    EXPECT_EQ(shown, (QStringList{"墩台序号", "中心桩号(m)", "帽梁类型", "墩台身类型", "连接构造类型", "基础类型",
                                  "基础顶面至地面(cm)", "帽梁顶面至桥面(cm)", "交角(°)", "帽梁横坡(%)"}));
    view.resize(1100, 260);
    testing_support::Shot(view, "grid_units");
}

TEST_F(FormTest, TableWithAnAwkwardFirstFieldNameStillShowsItsRecords) {
    for (const char* first : {"Order", "Pier No"}) {
        SCOPED_TRACE(first);
        const std::string table = std::string("外来表 ") + first;
        dao::TableDef def;
        def.m_strName = table;
        def.fields = {{first, dao::dbText, 50}, {"Value", dao::dbDouble, 8}};
        db->CreateTableDef(def);
        AddRows(*db, table, {{"b", "2"}, {"a", "1"}});
        CBriFormView& view = Open(table);
        EXPECT_EQ(GridRows(view), (Rows{{"a", "1"}, {"b", "2"}}));
    }
}

TEST_F(FormTest, EmptyTableShowsOneRowAndClosesWithoutAsking) {
    CBriFormView& view = Open(kOther);
    EXPECT_EQ(view.Grid().rowCount(), 1);
    EXPECT_EQ(view.Grid().columnCount(), 3);
    EXPECT_TRUE(view.CanClose());
    EXPECT_TRUE(host->prompter.shown().empty());
}

TEST_F(FormTest, CentralTableRefusesEditsUnlessAdvancedUser) {
    AddRows(*db, "伸缩缝信息表", {{"1", "100"}, {"2", "120"}});
    CBriFormView& view = Open("伸缩缝信息表");
    EXPECT_FALSE(view.ContextMenuAllowed());
    EXPECT_FALSE(Type(view, 2, 2, "125"));
    EXPECT_EQ(host->prompter.texts(), Names{kGeneralRefusal});
    view.Grid().editCell(1, 1);
    EXPECT_EQ(host->prompter.texts().size(), 2u) << view.Grid().isEditing();
    EXPECT_FALSE(view.Grid().isEditing());
    EXPECT_EQ(view.Grid().textUtf8(2, 2), "120");
    EXPECT_FALSE(view.IsModified());

    host->advanced = true;  // read at every edit
    host->prompter.clear();
    EXPECT_TRUE(view.ContextMenuAllowed());
    EXPECT_TRUE(Type(view, 2, 2, "125"));
    EXPECT_TRUE(view.IsModified());
    host->prompter.queue(ui::Answer::Yes);
    EXPECT_TRUE(view.CanClose());
    EXPECT_EQ(host->prompter.texts(), Names{"《伸缩缝信息表》中数据已经修改，是否保存到数据库中？"});
    EXPECT_EQ(host->prompter.shown()[0].icon, ui::Icon::Exclamation);
    EXPECT_EQ(ReadRows(*db, "伸缩缝信息表"), (Rows{{"1", "100"}, {"2", "125"}}));
    EXPECT_FALSE(view.IsModified());
}

TEST_F(FormTest, DrawingLayoutEditsAreNeverWrittenBack) {
    AddRows(*db, "图形布置信息表", {{"桥型布置图", "a.dwg"}});
    host->advanced = true;
    CBriFormView& view = Open("图形布置信息表");
    ASSERT_TRUE(Type(view, 1, 2, "b.dwg"));
    const Rows before = ReadRows(*db, "图形布置信息表");
    host->prompter.queue(ui::Answer::No);
    EXPECT_TRUE(view.CanClose());  // closes either way
    EXPECT_TRUE(view.IsModified());
    host->prompter.queue(ui::Answer::Yes);
    EXPECT_TRUE(view.CanClose());
    EXPECT_FALSE(view.IsModified());
    EXPECT_EQ(host->prompter.texts(), (Names(2, "手工修改 “图形布置信息表” 将有可能引起绘图错误。是否继续？")));
    EXPECT_EQ(ReadRows(*db, "图形布置信息表"), before);
}

TEST_F(FormTest, FirstColumnMustBeFilledAndUnique) {
    const Rows stored = {{"a", "1", "x"}, {"b", "2", "y"}, {"c", "3", "z"}};
    AddRows(*db, kOther, stored);
    const struct {
        int row;
        const char* text;
        const char* message;
    } cases[] = {
        {2, "", "第一列数据必须赋值！"},
        {3, "a", "第一列有重复数据！"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        CBriFormView view(*host);
        view.Load(kOther);
        ASSERT_TRUE(Type(view, c.row, 1, c.text));
        host->prompter.clear();
        host->prompter.queue(ui::Answer::Yes);
        EXPECT_FALSE(view.CanClose());
        EXPECT_FALSE(view.CommitEdits());
        EXPECT_EQ(host->prompter.texts().at(1), c.message);
        EXPECT_EQ(ReadRows(*db, kOther), stored);
        EXPECT_EQ(view.Grid().textUtf8(c.row, 1), c.text);  // the grid keeps the user's edit
    }
}

TEST_F(FormTest, SaveWritesTheGridsRowsInItsOrderWithEmptyCellsAsZero) {
    AddRows(*db, kOther, {{"a", "1", "x"}, {"b", "2", "y"}});
    CBriFormView& view = Open(kOther);
    ASSERT_TRUE(Type(view, 1, 3, ""));
    ASSERT_TRUE(Type(view, 2, 2, ""));
    view.Grid().setCurrentCell(2, 1);
    view.RunCommand(ID_GRID_INSERT_ROW);
    ASSERT_TRUE(Type(view, 2, 1, "new"));
    host->prompter.queue(ui::Answer::Yes);
    ASSERT_TRUE(view.CommitEdits());
    dao::Recordset set(*db);
    set.Open(kOther);
    std::vector<std::vector<dao::Value>> records;
    for (; !set.IsEOF(); set.MoveNext()) records.push_back({set.GetFieldValue(0), set.GetFieldValue(1), set.GetFieldValue(2)});
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[0][2], dao::Value::Text("0"));  // the text field too
    // A row inserted between others: the records follow the grid's order.
    EXPECT_EQ(records[1][0], dao::Value::Text("new"));
    EXPECT_EQ(records[1][1].toDouble(), 0.0);
    EXPECT_EQ(records[1][2], dao::Value::Text("0"));
    EXPECT_EQ(records[2][0], dao::Value::Text("b"));
    EXPECT_EQ(records[2][1].toDouble(), 0.0);
    EXPECT_FALSE(view.IsModified());
}

TEST_F(FormTest, FailedWriteKeepsTheTableAndTheWindow) {
    AddRows(*db, kOther, {{"a", "1", "x"}, {"b", "2", "y"}});
    auto readOnly = dao::Database::Open(dir.file("bridge.vlt"), true);
    host->db = readOnly.get();
    CBriFormView& view = Open(kOther);
    ASSERT_TRUE(Type(view, 2, 3, "z"));
    host->prompter.queue(ui::Answer::Yes);
    EXPECT_FALSE(view.CanClose());
    ASSERT_EQ(host->prompter.shown().size(), 2u);  // the question and the database error
    EXPECT_NE(host->prompter.shown()[1].text.find("你想查看帮助文件吗?"), std::string::npos);
    EXPECT_EQ(ReadRows(*db, kOther), (Rows{{"a", "1", "x"}, {"b", "2", "y"}}));
    EXPECT_TRUE(view.IsModified());
}

TEST_F(FormTest, AValueItsFieldCannotHoldIsRefusedByCellAndTheValidEditsSurvive) {
    AddRows(*db, kOther, {{"a", "1", "x"}, {"b", "2", "y"}});
    CBriFormView& view = Open(kOther);
    ASSERT_TRUE(Type(view, 1, 3, "kept"));
    ASSERT_TRUE(Type(view, 2, 2, "12米"));
    ASSERT_EQ(host->prompter.texts().size(), 1u);
    EXPECT_EQ(host->prompter.texts()[0], "第 2 行“Value”列：“12米”不是数值，这一列只能填写数值。\n\n请改正这个单元格，表格才能保存。");
    EXPECT_EQ(view.Grid().textUtf8(2, 2), "12米");  // kept for correction
    QCoreApplication::processEvents();  // the grid comes back to the refused cell
    EXPECT_EQ(view.Grid().currentRow(), 2);
    EXPECT_EQ(view.Grid().currentColumn(), 2);
    ASSERT_TRUE(Type(view, 1, 1, std::string(300, 'n')));  // longer than the 255 characters of Name
    EXPECT_NE(host->prompter.texts().back().find("第 1 行“Name”列：有 300 个字符"), std::string::npos);

    // Saving names the first bad cell and writes nothing; every edit stays in the grid.
    host->prompter.clear();
    host->prompter.queue(ui::Answer::Yes);
    EXPECT_FALSE(view.CommitEdits());
    ASSERT_EQ(host->prompter.texts().size(), 2u);
    EXPECT_NE(host->prompter.texts()[1].find("第 1 行“Name”列"), std::string::npos);
    EXPECT_EQ(ReadRows(*db, kOther), (Rows{{"a", "1", "x"}, {"b", "2", "y"}}));
    EXPECT_TRUE(view.IsModified());

    ASSERT_TRUE(Type(view, 1, 1, "a"));
    ASSERT_TRUE(Type(view, 2, 2, "12"));
    host->prompter.clear();
    host->prompter.queue(ui::Answer::Yes);
    EXPECT_TRUE(view.CommitEdits());
    EXPECT_EQ(host->prompter.texts().size(), 1u);  // only "save changes?"
    EXPECT_EQ(ReadRows(*db, kOther), (Rows{{"a", "1", "kept"}, {"b", "12", "y"}}));
}

TEST_F(FormTest, AnsweringNoClosesWithoutWritingAndRequeryDropsEdits) {
    AddRows(*db, kOther, {{"a", "1", "x"}});
    CBriFormView& view = Open(kOther);
    ASSERT_TRUE(Type(view, 1, 3, "changed"));
    host->prompter.queue(ui::Answer::No);
    EXPECT_TRUE(view.CanClose());
    EXPECT_EQ(ReadRows(*db, kOther), (Rows{{"a", "1", "x"}}));

    AddRows(*db, kOther, {{"0first", "5", "z"}});  // as a design module would
    view.Requery();
    EXPECT_FALSE(view.IsModified());
    EXPECT_EQ(GridRows(view), (Rows{{"0first", "5", "z"}, {"a", "1", "x"}}));
}

TEST_F(FormTest, MenuCommandsMarkTheGridModifiedExceptUndoAndWriteFile) {
    AddRows(*db, kOther, {{"a", "1", "x"}});
    const struct {
        int id;
        bool modifies;
    } cases[] = {
        {ID_GRID_UNDO, false}, {ID_GRID_WRITE_FILE, false}, {ID_GRID_COPY, true},
        {ID_GRID_CUT, true},   {ID_GRID_PASTE, true},       {ID_GRID_INSERT_ROW, true},
        {ID_GRID_DELETE_ROW, true}, {ID_GRID_REDO, false},      {ID_GRID_FIND, false},
        {ID_MODULE_ARVO3D, false},  {ID_MODULE_KELSA, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.id);
        CBriFormView view(*host);
        view.Load(kOther);
        host->files.queue("");  // 写文件... cancelled
        view.RunCommand(c.id);
        EXPECT_EQ(view.IsModified(), c.modifies);
    }
    // The two 模块 entries are the shell's: the grid hands them on and does nothing itself.
    EXPECT_EQ(host->shellCommands, (std::vector<int>{33428, 33438}));
}

TEST_F(FormTest, ContextMenuEndsWithTheModulePopup) {
    CBriFormView view(*host);
    view.Load(kOther);
    std::unique_ptr<QMenu> menu(view.CreateContextMenu());
    QList<QAction*> actions = menu->actions();
    ASSERT_EQ(actions.size(), 15);
    EXPECT_EQ(actions[9]->data().toInt(), ID_GRID_WRITE_FILE);
    EXPECT_EQ(actions[11]->data().toInt(), ID_GRID_REDO);
    EXPECT_EQ(actions[12]->data().toInt(), ID_GRID_FIND);
    EXPECT_TRUE(actions[13]->isSeparator());
    QMenu* modules = actions[14]->menu();
    ASSERT_NE(modules, nullptr);
    EXPECT_EQ(modules->title(), "模块");
    std::vector<std::pair<int, QString>> entries;
    for (QAction* a : modules->actions()) entries.emplace_back(a->data().toInt(), a->text());
    EXPECT_EQ(entries, (std::vector<std::pair<int, QString>>{{33428, "三维造型"}, {33438, "下部计算"}}));
}

}  // namespace
