// The Adjunct and Site modules loaded from the module folder: each design makes its table with the
// described fields, gives it its default records once, and keeps what the user already wrote.
#include <gtest/gtest.h>

#include "app/command_table.h"
#include "app/design_calls.h"
#include "platform/dao/recordset.h"
#include "platform/dao/sql.h"
#include "platform/interaction/scripted.h"
#include "projectdb/project_file.h"
#include "projectdb/schema.h"
#include "site_fake_editor.h"
#include "support/test_support.h"

namespace {

struct TableDesign {
    const char* name;
    int commandId;
    const char* table;
    long records;
};

const TableDesign kDesigns[] = {
    {"Pavement", app::CommandId("pavement"), "桥面铺装信息表", 1},   {"Fence", app::CommandId("fence"), "防撞护栏信息表", 1},
    {"Walkway", app::CommandId("walkway"), "人行道及栏杆信息表", 1}, {"Subslab", app::CommandId("subslab"), "桥头搭板信息表", 1},
    {"Drainage", app::CommandId("drainage"), "排水系统信息表", 1},   {"Crossway", app::CommandId("crossway"), "被交道路信息表", 1},
    {"ConeSlope", app::CommandId("cone-slope"), "锥坡信息表", 2},
};

class AdjunctTest : public ::testing::TestWithParam<TableDesign> {
protected:
    AdjunctTest() : db(projectdb::CreateProjectFile(dir.file("p.vlt"))), loader(VELTRA_MODULES_DIR) {}

    bool Run(ui::RecordEditor* editor = nullptr) {
        return app::RunDesignCall(*app::FindDesignCall(GetParam().commandId), *db, loader, prompter, editor);
    }
    long Count() {
        dao::Recordset rs(*db);
        rs.Open("Select * From " + dao::QuoteIdentifier(GetParam().table), dao::dbOpenForwardOnly);
        long n = 0;
        for (; !rs.IsEOF(); rs.MoveNext()) ++n;
        return n;
    }

    testing_support::TempDir dir;
    std::unique_ptr<dao::Database> db;
    modules::SharedLibraryLoader loader;
    ui::ScriptedPrompter prompter;
};

TEST_P(AdjunctTest, MakesTheTableWithItsDefaultsOnceAndSaysNothing) {
    ASSERT_TRUE(Run());
    EXPECT_EQ(Count(), GetParam().records);
    ASSERT_TRUE(Run());
    EXPECT_EQ(Count(), GetParam().records);
    EXPECT_TRUE(prompter.texts().empty());
}

TEST_P(AdjunctTest, TheTableHasTheDescribedFields) {
    ASSERT_TRUE(Run());
    const projectdb::TableSchema* schema = projectdb::FindTableSchema(GetParam().table);
    if (!schema) GTEST_SKIP() << "the module owns this table's fields";
    std::vector<std::string> expected, made;
    for (const auto& f : schema->fields) expected.push_back(f.name);
    for (const auto& f : db->GetTableDef(GetParam().table).fields) made.push_back(f.m_strName);
    EXPECT_EQ(made, expected);
}

TEST_P(AdjunctTest, KeepsTheRecordsTheUserWrote) {
    ASSERT_TRUE(Run());
    db->Execute("Delete From " + dao::QuoteIdentifier(GetParam().table));
    const projectdb::TableSchema* schema = projectdb::FindTableSchema(GetParam().table);
    std::string firstField = schema ? schema->fields[0].name : "Position";
    db->Execute("Insert Into " + dao::QuoteIdentifier(GetParam().table) + " (" + firstField + ") Values (7)");
    ASSERT_TRUE(Run());
    EXPECT_EQ(Count(), 1);
}

TEST_P(AdjunctTest, AProjectThatCannotBeWrittenIsReportedAndLeftAlone) {
    db->Close();
    db = dao::Database::Open(dir.file("p.vlt"), true);
    EXPECT_TRUE(Run());  // the entry point ran and reported
    ASSERT_EQ(prompter.shown().size(), 1u);
    EXPECT_EQ(prompter.shown()[0].icon, ui::Icon::Stop);
    EXPECT_FALSE(db->HasTableDef(GetParam().table));
}

TEST_P(AdjunctTest, CancelWritesNothingAndAnEditedCellIsWrittenAsTyped) {
    FakeRecordEditor cancel = FakeRecordEditor::Cancelling();
    ASSERT_TRUE(Run(&cancel));
    ASSERT_EQ(cancel.shown.size(), 1u);
    ASSERT_EQ(cancel.shown[0].tables.size(), 1u);
    EXPECT_EQ(cancel.shown[0].tables[0].table, GetParam().table);
    EXPECT_EQ(cancel.shown[0].tables[0].rows.size(), static_cast<std::size_t>(GetParam().records));
    EXPECT_FALSE(db->HasTableDef(GetParam().table));

    FakeRecordEditor edit([](ui::EditRequest& request) {
        request.tables[0].rows[0].back() = "0.75";  // the last field of every one of these tables is a length
        return true;
    });
    ASSERT_TRUE(Run(&edit));
    dao::Recordset rs(*db);
    rs.Open("Select * From " + dao::QuoteIdentifier(GetParam().table));
    ASSERT_FALSE(rs.IsEOF());
    EXPECT_EQ(rs.GetFieldValue(rs.GetFieldCount() - 1), dao::Value::Double(0.75));
    EXPECT_EQ(Count(), GetParam().records);
    EXPECT_TRUE(prompter.texts().empty());
}

INSTANTIATE_TEST_SUITE_P(Designs, AdjunctTest, ::testing::ValuesIn(kDesigns),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
