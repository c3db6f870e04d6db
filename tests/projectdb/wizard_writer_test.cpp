#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>

#include "platform/interaction/scripted.h"
#include "projectdb/schema.h"
#include "projectdb/wizard_model.h"
#include "projectdb/wizard_writer.h"
#include "support/test_support.h"
#include "wizard_test_support.h"

namespace {

using namespace projectdb;
using wizard_test::Column;
using wizard_test::ReadRows;
using wizard_test::Rows;
using Strings = std::vector<std::string>;

std::string Ordered(const char* table, const char* field) {
    return std::string("Select * From [") + table + "] ORDER BY [" + table + "]." + field + ";";
}

TEST(WizardFinish, NewProjectWithTheInitialContent) {
    testing_support::TempDir dir;
    const std::string path = dir.file("bridge.vlt");
    testing_support::WriteBytes(path, "an older file of that name");
    wizard_test::ForgetRememberedValues();
    NewProjectWizard wizard;
    wizard.general().SetText(GeneralField::DeptName, "");
    wizard.general().SetText(GeneralField::LineMark, "NULL");
    wizard.general().SetText(GeneralField::ForwardSite, "NULL");
    wizard.OnDrawingPageShown();

    Strings calls;
    FinishSteps steps{[&] { return calls.push_back("close"), true; },
                      [&](const std::string& p) { return calls.push_back("open " + p), true; },
                      [&] { calls.push_back("notify"); }};
    ui::ScriptedPrompter prompt;
    ASSERT_EQ(wizard.Finish(path, steps, prompt), FinishResult::Created);
    EXPECT_EQ(calls, (Strings{"close", "open " + path, "notify"}));
    EXPECT_TRUE(prompt.shown().empty());

    auto db = dao::Database::Open(path);
    Strings tables;
    for (const auto& t : db->GetTableDefs())
        if (!t.isSystem()) tables.push_back(t.m_strName);
    EXPECT_EQ(tables, (Strings{"一般信息表", "桥孔划分信息表", "上构布置信息表", "上构布置明细表",
                               "下构布置信息表", "伸缩缝信息表", "图形布置信息表"}));
    EXPECT_EQ(ReadRows(*db, kGeneralInfoTable),
              (Rows{{"无", "XX高速公路XX至XX段", "XXXX大桥", "K", "无", "后退方向", "整体式", "全桥", "12",
                     "12", "6", "6", "0", "3", "3", "0", "按竖曲线计算", "按三次抛物线分配"}}));
    EXPECT_EQ(ReadRows(*db, kSpanDivisionTable), (Rows{{"1", "1", "2", "0", "10", "90"}}));
    EXPECT_EQ(ReadRows(*db, kSuperLayoutTable), (Rows{{"1", "装配式简支空心板桥", "1", "20"}}));
    EXPECT_EQ(ReadRows(*db, kSuperSpanTable), (Rows{{"1", "装配式简支空心板桥", "20"}}));
    Strings abutment{"1类台帽", "肋板式台身", "1类承台", "多排桩基础", "100", "110", "90", "2",
                     "0",       "0",          "0",       "0",          "0",   "0",   "0",  "0"};
    Rows supports{{"0", "0"}, {"1", "20"}};
    for (auto& row : supports) row.insert(row.end(), abutment.begin(), abutment.end());
    EXPECT_EQ(ReadRows(*db, Ordered(kSubLayoutTable, "PierAbutNum")), supports);
    EXPECT_EQ(ReadRows(*db, kJointTable), (Rows{{"1", "0"}, {"2", "20"}}));
    Rows drawings = ReadRows(*db, kDrawingLayoutTable);
    EXPECT_EQ(Column(drawings, 0), (Strings{"桥型布置图", "空心板一般构造图(1跨)", "桥台一般构造图(0,1号)"}));
    EXPECT_EQ(Column(drawings, 1), (Strings{"Draw1", "Draw2", "Draw3"}));
    EXPECT_EQ(drawings[2], (Strings{"桥台一般构造图(0,1号)", "Draw3", "下构一般构造图", "A3", "100", "100",
                                    "图标1", "不绘制", "0", "0", "0", "0", "0", "0", "0", "0"}));
    // What the page held is remembered for the next project.
    EXPECT_EQ(registry::ReadSetting(kRememberedSection, "Bridge"), "XXXX大桥");
    wizard_test::ForgetRememberedValues();
}

TEST(WizardFinish, RefusedCloseAndDatabaseErrors) {
    testing_support::TempDir dir;
    wizard_test::ForgetRememberedValues();
    NewProjectWizard wizard;
    wizard.OnDrawingPageShown();
    bool opened = false;
    ui::ScriptedPrompter prompt;

    // A grid window of the open project keeps it open: nothing is created.
    FinishSteps refused{[] { return false; }, [&](const std::string&) { return opened = true; }, {}};
    EXPECT_EQ(wizard.Finish(dir.file("a.vlt"), refused, prompt), FinishResult::ProjectKeptOpen);
    EXPECT_FALSE(std::filesystem::exists(dir.file("a.vlt")));

    // A file that cannot be made: the error is shown and the project is not opened.
    FinishSteps steps{{}, [&](const std::string&) { return opened = true; }, {}};
    EXPECT_EQ(wizard.Finish(dir.file("missing/b.vlt"), steps, prompt), FinishResult::Failed);
    EXPECT_FALSE(opened);
    EXPECT_EQ(prompt.shown().size(), 1u);

    // A drawing title too long for its field: the tables written before it stay, the drawing table is
    // not left half written, and the message is the database's.
    testing_support::WriteBytes(dir.file("c.vlt"), "an earlier file");
    wizard.drawings().OnCellEdited(1, drawing_col::kTitle, std::string(300, 'x'));
    EXPECT_EQ(wizard.Finish(dir.file("c.vlt"), steps, prompt), FinishResult::Failed);
    EXPECT_FALSE(opened);
    ASSERT_EQ(prompt.shown().size(), 2u);
    EXPECT_EQ(prompt.shown()[1].text, "字段太小，不能接受所要添加的数据量。   (3349)\n\n你想查看帮助文件吗?");
    auto db = dao::Database::Open(dir.file("c.vlt"));
    EXPECT_EQ(ReadRows(*db, kJointTable), (Rows{{"1", "0"}, {"2", "20"}}));
    EXPECT_FALSE(db->HasTableDef(kDrawingLayoutTable));
    db.reset();
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1) << "nothing half made is left";
}

TEST(SpanLayoutWriter, EmptyCellsAreStoredWithDefaults) {
    struct Case {
        std::string skew, depth, cap;
        double storedSkew, storedDepth;
        std::string storedCap;
    } cases[] = {
        {"0", "", "", 90, 0, "无"},
        {"", "150", "无", 90, 150, "无"},
        {"abc", "12.5cm", "2类台帽", 90, 12.5, "2类台帽"},
        {"30", "0", "1类台帽", 30, 0, "1类台帽"},
        {"45.1234567", "-3", "1类台帽", 45.123457, -3, "1类台帽"},
    };
    testing_support::TempDir dir;
    auto db = dao::Database::Create(dir.file("p.vlt"));
    for (const auto& c : cases) {
        SpanPage page = SpanPage::NewProject();
        page.OnCellEdited(SpanSheet::Supports, 0, support_col::kSkew, c.skew);
        page.OnCellEdited(SpanSheet::Supports, 0, support_col::kDepth, c.depth);
        page.OnCellEdited(SpanSheet::Supports, 0, support_col::kCap, c.cap);
        page.OnCellEdited(SpanSheet::Supports, 0, support_col::kSlope, "");
        WriteSpanLayout(*db, page);
        dao::Recordset rs(*db);
        rs.Open(Ordered(kSubLayoutTable, "PierAbutNum"));
        SCOPED_TRACE(c.skew);
        EXPECT_DOUBLE_EQ(rs.GetFieldValue("PierAbutAngle").toDouble(), c.storedSkew);
        EXPECT_DOUBLE_EQ(rs.GetFieldValue("DistToGround").toDouble(), c.storedDepth);
        EXPECT_EQ(rs.GetFieldValue("BentCapType").toString(), c.storedCap);
        EXPECT_EQ(rs.GetFieldValue("PierAbutGradient").type(), dao::VT_R8);
    }
}

// A three-span project written by the wizard, with member records of its supports.
class MemberCleanUp : public testing::Test {
  protected:
    void SetUp() override {
        wizard_test::ForgetRememberedValues();
        NewProjectWizard wizard;
        wizard.spans().OnCellEdited(SpanSheet::Sections, 0, section_col::kSpans, "3");
        wizard.spans().OnSheetActivated(SpanSheet::Supports);
        wizard.spans().OnCellEdited(SpanSheet::Supports, 2, support_col::kDepth, "150");
        wizard.OnDrawingPageShown();
        db = dao::Database::Create(dir.file("p.vlt"));
        wizard.WriteProject(*db);
        wizard_test::ForgetRememberedValues();
    }

    void Members(const char* table, std::vector<long> supports) {
        EnsureTable(*db, *FindTableSchema(table));
        dao::Recordset rs(*db);
        rs.Open(table);
        for (long s : supports) {
            rs.AddNew();
            rs.SetFieldValue(0, dao::Value::Long(s));
            rs.Update();
        }
    }

    // The supports that still have a record in a member table, or "deleted".
    std::string Remaining(const char* table) {
        if (!db->HasTableDef(table)) return "deleted";
        std::string out;
        for (const auto& s : Column(ReadRows(*db, table), 0)) out += (out.empty() ? "" : ",") + s;
        return out;
    }

    testing_support::TempDir dir;
    std::unique_ptr<dao::Database> db;
};

TEST_F(MemberCleanUp, FewerSpansAndChangedTypesDropTheirMembers) {
    // Supports 0 and 3 are abutments, 1 and 2 piers.
    Members(kAbutCap1Table, {0, 3});     // 1类台帽
    Members(kRibAbutBodyTable, {3});     // 肋板式台身: only the dropped support
    Members(kMultiPileRowTable, {});     // 多排桩基础: empty
    Members(kPileCap1Table, {1});        // 1类承台: one record of another support
    Members(kPierCap1Table, {1, 2});     // 1类墩帽: support 1 changes its cap
    Members(kRoundColumnTable, {1, 2});  // unchanged bodies
    Members(kPierCap2Table, {5});        // a type no support used

    SpanPage page = SpanPage::FromProject(*db);
    page.OnCellEdited(SpanSheet::Sections, 0, section_col::kSpans, "2");
    page.OnCellEdited(SpanSheet::Supports, 1, support_col::kCap, "2类墩帽");
    page.OnSheetActivated(SpanSheet::Supports);
    ui::ScriptedPrompter prompt;
    ASSERT_TRUE(SaveSpanLayout(*db, page, prompt));
    EXPECT_TRUE(prompt.shown().empty());

    struct Expect {
        const char* table;
        std::string remaining;
    } expected[] = {
        {kAbutCap1Table, "0"}, {kRibAbutBodyTable, "deleted"}, {kMultiPileRowTable, "deleted"},
        {kPileCap1Table, "1"}, {kPierCap1Table, "2"},          {kRoundColumnTable, "1,2"},
        {kPierCap2Table, "5"},
    };
    for (const auto& e : expected) EXPECT_EQ(Remaining(e.table), e.remaining) << e.table;

    // The dialog keeps what was stored: support 2 stays a pier with its depth; the end abutment row goes.
    Rows supports = ReadRows(*db, Ordered(kSubLayoutTable, "PierAbutNum"));
    EXPECT_EQ(Column(supports, 0), (Strings{"0", "1", "2"}));
    EXPECT_EQ(Column(supports, 1), (Strings{"0", "20", "40"}));
    EXPECT_EQ(Column(supports, 2), (Strings{"1类台帽", "2类墩帽", "1类墩帽"}));
    EXPECT_EQ(Column(supports, 6), (Strings{"100", "100", "150"}));
    EXPECT_EQ(ReadRows(*db, kSpanDivisionTable), (Rows{{"1", "2", "2", "0", "10", "90"}}));
    EXPECT_EQ(Column(ReadRows(*db, kSuperSpanTable), 0), (Strings{"1", "2"}));
    EXPECT_EQ(ReadRows(*db, kJointTable), (Rows{{"1", "0"}, {"2", "40"}}));
}

TEST_F(MemberCleanUp, DialogFillsOnlyEmptyCellsAndRewritesTheGeneralRecord) {
    SpanPage page = SpanPage::FromProject(*db);
    EXPECT_EQ(page.mode(), SpanPageMode::Dialog);
    EXPECT_EQ(page.stakes(), (Strings{"0.000", "20.000", "40.000", "60.000"}));
    EXPECT_EQ(page.boxText(SpanBox::SpanSum), "3");
    page.OnCellEdited(SpanSheet::Supports, 1, support_col::kBody, "");
    page.OnCellEdited(SpanSheet::Supports, 2, support_col::kCap, "3类墩帽");
    page.OnSheetActivated(SpanSheet::Joints);
    const TextSheet& supports = page.sheet(SpanSheet::Supports);
    EXPECT_EQ(supports.cell(1, support_col::kBody), "圆形截面柱式墩身");
    EXPECT_EQ(supports.cell(2, support_col::kCap), "3类墩帽");
    EXPECT_EQ(supports.cell(2, support_col::kDepth), "150");

    GeneralPage general = GeneralPage::FromProject(*db);
    EXPECT_EQ(general.text(GeneralField::BridgeWidth), "12.000000");
    ASSERT_FALSE(general.Apply({{"BridgeName", "丙大桥"}, {"LineMark", ""}}));
    ui::ScriptedPrompter prompt;
    ASSERT_TRUE(SaveGeneralInformation(*db, general, prompt));
    Rows record = ReadRows(*db, kGeneralInfoTable);
    ASSERT_EQ(record.size(), 1u);
    EXPECT_EQ(record[0][2], "丙大桥");
    EXPECT_EQ(record[0][3], "K");
    EXPECT_EQ(registry::ReadSetting(kRememberedSection, "Bridge"), "丙大桥");
    wizard_test::ForgetRememberedValues();
}

}  // namespace
