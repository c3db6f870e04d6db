// Tables as the record editor's sheets: values to text and back, the checks before writing, and what is
// written after OK, Cancel or a correction.
#include <gtest/gtest.h>

#include <cstdlib>

#include "kit/record_sheet.h"
#include "platform/dao/recordset.h"
#include "platform/interaction/scripted.h"
#include "projectdb/project_file.h"
#include "site_fake_editor.h"
#include "support/test_support.h"

namespace {

using dao::Value;

TEST(SiteRecordSheet, CellTextReadsBackAsTheSameValue) {
    struct Case {
        Value value;
        std::string text;
    };
    const Case cases[] = {
        {Value::Null(), ""},
        {Value::Double(0.1), "0.1"},
        {Value::Double(-2), "-2"},
        {Value::Double(3512106.066), "3512106.066"},
        {Value::Double(1.0 / 3), "0.3333333333333333"},
        {Value::Long(7), "7"},
        {Value::Double(1e6), "1000000"},
        {Value::Double(1e300), "1e+300"},
        {Value::Text("ZK1"), "ZK1"},
        {Value::Double(1e-5), "0.00001"},
        {Value::Double(1e-7), "1e-07"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(modulekit::CellText(c.value), c.text);
        if (c.value.type() == dao::VT_R8) {
            EXPECT_EQ(std::strtod(c.text.c_str(), nullptr), c.value.real());
        }
    }
}

TEST(SiteRecordSheet, CheckNamesTheFirstCellThatCannotBeWritten) {
    std::vector<dao::FieldInfo> fields = {{"Name", dao::dbText}, {"Count", dao::dbLong}, {"Level", dao::dbDouble}};
    auto sheet = [](std::vector<std::vector<std::string>> rows) {
        return ui::ProposedTable{"表",  {"Name", "Count", "Level"}, std::move(rows), {},
                                 false, {"名称", "数量", "高程"}};
    };
    struct Case {
        std::vector<std::vector<std::string>> rows;
        std::string problem;
    };
    const Case cases[] = {
        {{{"a", "3", "1.5"}, {"b", " 4 ", "-2e1"}}, ""},
        {{{"", "", ""}, {"a", "1", "0"}}, ""},  // a blank row is dropped, not checked
        {{{"a", "1", "1O2.5"}}, "“表”第1行的“高程”“1O2.5”不是数值。"},
        {{{"a", "1", "1"}, {"b", "2.5", "1"}}, "“表”第2行的“数量”“2.5”不是整数。"},
        {{{"a", "1", ""}}, "“表”第1行的“高程”不能为空。"},
        {{{"a", "", "1"}}, ""},  // only the required fields must be given
        {{{"12", "99999999999", "1"}}, "“表”第1行的“数量”“99999999999”不是整数。"},
    };
    for (const auto& c : cases) EXPECT_EQ(modulekit::CheckSheet(sheet(c.rows), fields, {"Level"}), c.problem);
}

class SiteEditAndWrite : public ::testing::Test {
protected:
    SiteEditAndWrite() : db(projectdb::CreateProjectFile(dir.file("p.vlt"))) {
        modulekit::SetModulePrompter(&prompter);
        schema.name = "试验表";
        schema.fields = {{"Stake", dao::dbDouble, 32, "", "桩号"}, {"Name", dao::dbText, 255, "", "名称"}};
        spec = {&schema, {"Stake"}, "Stake"};
    }
    ~SiteEditAndWrite() override {
        modulekit::SetModuleEditor(nullptr);
        modulekit::SetModulePrompter(nullptr);
    }
    bool Run(FakeRecordEditor& editor, std::vector<std::vector<std::string>> rows) {
        modulekit::SetModuleEditor(&editor);
        ui::EditRequest request;
        request.tables.push_back(modulekit::ReadSheet(*db, schema));
        request.tables[0].rows = std::move(rows);
        return modulekit::EditAndWrite(*db, request, {spec});
    }
    std::vector<std::vector<std::string>> Stored() { return modulekit::ReadSheet(*db, schema).rows; }

    testing_support::TempDir dir;
    std::unique_ptr<dao::Database> db;
    ui::ScriptedPrompter prompter;
    projectdb::TableSchema schema;
    modulekit::SheetSpec spec;
};

TEST_F(SiteEditAndWrite, CancelWritesNothingNotEvenTheTable) {
    FakeRecordEditor editor = FakeRecordEditor::Cancelling();
    EXPECT_FALSE(Run(editor, {{"1", "a"}}));
    EXPECT_FALSE(db->HasTableDef("试验表"));
    EXPECT_TRUE(prompter.texts().empty());
}

TEST_F(SiteEditAndWrite, OkReplacesTheRecordsByTheRowsInStakeOrderWithoutBlankRows) {
    FakeRecordEditor first([](ui::EditRequest&) { return true; });
    ASSERT_TRUE(Run(first, {{"30", "c"}, {"10", ""}, {"", ""}, {"20", "b"}}));
    EXPECT_EQ(Stored(), (std::vector<std::vector<std::string>>{{"10", ""}, {"20", "b"}, {"30", "c"}}));
    FakeRecordEditor edit([](ui::EditRequest& r) {
        r.tables[0].rows[1][1] = "改";
        r.tables[0].rows.pop_back();
        return true;
    });
    ASSERT_TRUE(Run(edit, Stored()));
    EXPECT_EQ(Stored(), (std::vector<std::vector<std::string>>{{"10", ""}, {"20", "改"}}));
}

TEST_F(SiteEditAndWrite, WrongRowsAreToldAndAskedAgainUntilCorrected) {
    int round = 0;
    FakeRecordEditor editor([&round](ui::EditRequest& r) {
        r.tables[0].rows[0][0] = ++round == 1 ? "K1" : "1190.5";
        return true;
    });
    ASSERT_TRUE(Run(editor, {{"", "a"}}));
    EXPECT_EQ(editor.shown.size(), 2u);
    EXPECT_EQ(prompter.texts(), (std::vector<std::string>{"“试验表”第1行的“桩号”“K1”不是数值。"}));
    EXPECT_EQ(Stored(), (std::vector<std::vector<std::string>>{{"1190.5", "a"}}));
}

TEST_F(SiteEditAndWrite, RowsGivenBackUnchangedAreNotAskedForAgain) {
    FakeRecordEditor editor([](ui::EditRequest&) { return true; });
    EXPECT_FALSE(Run(editor, {{"", "a"}}));
    EXPECT_EQ(editor.shown.size(), 1u);
    EXPECT_EQ(prompter.texts(), (std::vector<std::string>{"“试验表”第1行的“桩号”不能为空。"}));
    EXPECT_FALSE(db->HasTableDef("试验表"));
}

TEST_F(SiteEditAndWrite, AFieldAnotherProgramAddedKeepsItsValues) {
    projectdb::EnsureTable(*db, schema);
    db->AppendField("试验表", {"Extra", dao::dbDouble});
    db->Execute("Insert Into [试验表] (Stake, Name, Extra) Values (5, \"e\", 2.5)");
    FakeRecordEditor editor([](ui::EditRequest& r) {
        EXPECT_EQ(r.tables[0].captions, (std::vector<std::string>{"桩号", "名称", "Extra"}));
        r.tables[0].rows[0][1] = "f";
        return true;
    });
    ASSERT_TRUE(Run(editor, modulekit::ReadSheet(*db, schema).rows));
    EXPECT_EQ(Stored(), (std::vector<std::vector<std::string>>{{"5", "f", "2.5"}}));
}

}  // namespace
