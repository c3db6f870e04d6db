#include <gtest/gtest.h>

#include "platform/dao/recordset.h"
#include "projectdb/assembly.h"
#include "projectdb/member_types.h"
#include "projectdb/schema.h"
#include "projectdb/wizard_model.h"
#include "support/test_support.h"
#include "wizard_test_support.h"

namespace {

using namespace projectdb;
using Strings = std::vector<std::string>;

const char* kOrdered = "Select * From [下构布置信息表] ORDER BY [下构布置信息表].PierAbutNum;";

void SetField(dao::Database& db, long support, const char* field, double value) {
    db.Execute(std::string("Update [下构布置信息表] Set ") + field + " = " + std::to_string(value) +
               " Where PierAbutNum = " + std::to_string(support) + ";");
}

Strings Row(const TextSheet& sheet, int row) {
    Strings cells{sheet.header(row)};
    for (int c = 0; c < sheet.columns(); ++c) cells.push_back(sheet.cell(row, c));
    return cells;
}

TEST(AssemblyRelations, SheetsShowTheTenFieldsOfEverySupportInOrder) {
    testing_support::TempDir dir;
    auto db = wizard_test::NewWizardProject(dir.file("bridge.vlt"));
    SetField(*db, 1, "CapToBodyY", 1.5);
    SetField(*db, 1, "CapToBodyX", 2.0);
    SetField(*db, 0, "DistToGround", -12.25);
    SetField(*db, 1, "ConnectToFoundY", 0.0004);

    AssemblyRelations relations = ReadAssemblyRelations(*db);
    ASSERT_EQ(relations.rows(), 2);
    EXPECT_EQ(Row(relations.sheets[0], 0), (Strings{"0", "0", "0", "0", "0"}));
    EXPECT_EQ(Row(relations.sheets[0], 1), (Strings{"1", "0", "1.5", "0", "0"}));
    EXPECT_EQ(Row(relations.sheets[1], 1), (Strings{"1", "0", "2", "0", "0"}));
    // 竖向: DistToDeck first, then DistToGround, as the wizard stored them.
    EXPECT_EQ(Row(relations.sheets[2], 0), (Strings{"0", "110", "-12.25"}));
    EXPECT_EQ(Row(relations.sheets[2], 1), (Strings{"1", "110", "100"}));
}

TEST(AssemblyRelations, OkRewritesAllTenFieldsByPosition) {
    testing_support::TempDir dir;
    auto db = wizard_test::NewWizardProject(dir.file("bridge.vlt"));
    AssemblyRelations relations = ReadAssemblyRelations(*db);
    // Only the vertical sheet was edited; the headings are not read back.
    relations.sheets[2].setCell(1, 0, "95.5");
    relations.sheets[2].setHeader(1, "7");
    relations.sheets[0].setCell(0, 3, "-3");
    relations.sheets[1].setCell(1, 0, "40");

    AssemblyWriteResult result = WriteAssemblyRelations(*db, relations);
    EXPECT_EQ(result.recordsWritten, 2);
    EXPECT_TRUE(result.complete);
    auto rows = wizard_test::ReadRows(*db, kOrdered);
    ASSERT_EQ(rows.size(), 2u);
    // PierAbutNum … PierAbutGradient, then X/Y pairs: BriCntrToCapX, BriCntrToCapY, CapToBodyX, ...
    EXPECT_EQ(rows[0], (Strings{"0", "0", "1类台帽", "肋板式台身", "1类承台", "多排桩基础", "100", "110", "90", "2",
                                "0", "0", "0", "0", "0", "0", "0", "-3"}));
    EXPECT_EQ(rows[1], (Strings{"1", "20", "1类台帽", "肋板式台身", "1类承台", "多排桩基础", "100", "95.5", "90", "2",
                                "40", "0", "0", "0", "0", "0", "0", "0"}));
}

TEST(AssemblyRelations, AFailingRecordStopsTheWriteAndKeepsTheOnesBefore) {
    testing_support::TempDir dir;
    auto db = wizard_test::NewWizardProject(dir.file("bridge.vlt"));
    AssemblyRelations relations = ReadAssemblyRelations(*db);
    relations.sheets[0].setCell(0, 0, "12");
    relations.sheets[0].setCell(1, 0, "12");
    relations.sheets[1].setCell(1, 2, "abc");  // not a number

    AssemblyWriteResult result = WriteAssemblyRelations(*db, relations);
    EXPECT_EQ(result.recordsWritten, 1);
    EXPECT_FALSE(result.complete);
    auto rows = wizard_test::ReadRows(*db, kOrdered);
    EXPECT_EQ(rows[0][11], "12");
    EXPECT_EQ(rows[1][11], "0");  // the failing record is left as it was
}

TEST(AssemblyRelations, NoSupportsAndNoTable) {
    testing_support::TempDir dir;
    auto db = dao::Database::Create(dir.file("empty.vlt"));
    // No layout table: empty sheets, and OK has nothing to write.
    EXPECT_EQ(ReadAssemblyRelations(*db).rows(), 0);
    EXPECT_EQ(WriteAssemblyRelations(*db, {}).recordsWritten, 0);

    RecreateCentralTable(*db, *FindTableSchema(kSubLayoutTable));
    AssemblyRelations relations = ReadAssemblyRelations(*db);
    for (const TextSheet& sheet : relations.sheets) EXPECT_EQ(sheet.rows(), 0);
    AssemblyWriteResult result = WriteAssemblyRelations(*db, relations);
    EXPECT_EQ(result.recordsWritten, 0);
    EXPECT_TRUE(result.complete);
}

TEST(AssemblyRelations, AMissingFieldEndsTheFillingWithWhatWasRead) {
    testing_support::TempDir dir;
    auto db = dao::Database::Create(dir.file("old.vlt"));
    // A layout written before the transverse body offset existed.
    db->Execute("CREATE TABLE [下构布置信息表] (PierAbutNum LONG, BriCntrToCapY DOUBLE, CapToBodyY DOUBLE)");
    db->Execute("INSERT INTO [下构布置信息表] VALUES (1, 3.5, 4), (0, 1, 2)");
    AssemblyRelations relations = ReadAssemblyRelations(*db);
    ASSERT_EQ(relations.rows(), 2);
    EXPECT_EQ(Row(relations.sheets[0], 0), (Strings{"0", "1", "2", "", ""}));
    EXPECT_EQ(Row(relations.sheets[0], 1), (Strings{"", "", "", "", ""}));  // the first record stopped it
    EXPECT_EQ(Row(relations.sheets[2], 0), (Strings{"", "", ""}));
    // Writing stops at the first record, whose fields are not all there: nothing changes.
    relations.sheets[0].setCell(0, 0, "9");
    EXPECT_EQ(WriteAssemblyRelations(*db, relations).recordsWritten, 0);
    EXPECT_EQ(wizard_test::ReadRows(*db, kOrdered)[0], (Strings{"0", "1", "2"}));
}

TEST(MemberTypes, ButtonsInOrderWithStoredNamesAndPictures) {
    struct Case {
        MemberChoice kind;
        const char* title;
        Strings names;
        int width;
    };
    const Case cases[] = {
        {MemberChoice::Structure, "选择结构类型", StructureTypes(), 0},
        {MemberChoice::BentCap, "选择帽梁类型", {"1类墩帽", "2类墩帽", "3类墩帽", "1类台帽", "2类台帽", "无"}, 278},
        {MemberChoice::Body,
         "选择墩台身类型",
         {"矩形截面柱式墩身", "圆形截面柱式墩身", "矩形截面实体式墩身", "尖端形截面实体式墩身", "圆端形截面实体式墩身",
          "多边形截面薄壁墩身", "肋板式台身", "U型桥台台身", "无"},
         163},
        {MemberChoice::Connection, "选择墩台身与基础联结构造类型", {"桩帽", "系梁", "1类承台", "2类承台", "无"}, 163},
        {MemberChoice::Foundation,
         "选择基础类型",
         {"单排桩基础", "多排桩基础", "梅花形桩基础", "台阶形扩大基础", "梯形扩大基础", "U台扩大基础(台阶形)",
          "U台扩大基础(趾板式)", "沉井基础", "无"},
         163},
        {MemberChoice::TitleBlock, "选择图标类型", {"图标1", "图标2", "图标3"}, 470},
        {MemberChoice::SignOff, "是否绘制会签栏及角标", {"绘制", "不绘制"}, 0},
    };
    for (const Case& c : cases) {
        const MemberChoiceList& list = MemberChoiceListOf(c.kind);
        SCOPED_TRACE(c.title);
        EXPECT_EQ(list.title, c.title);
        EXPECT_EQ(list.pictureWidth, c.width);
        Strings names;
        for (const auto& option : list.options) {
            names.push_back(option.name);
            // Every type of a list with pictures has one, except "无"; a type known to the member tables
            // is stored under the name the tables know.
            bool pictured = c.width > 0 && option.name != "无";
            EXPECT_EQ(!option.picture.empty(), pictured) << option.name;
            EXPECT_EQ(option.bitmapId != 0, pictured) << option.name;
            if (c.kind != MemberChoice::Structure && c.kind < MemberChoice::TitleBlock && option.name != "无") {
                EXPECT_TRUE(MemberTableOf(option.name)) << option.name;
            }
        }
        EXPECT_EQ(names, c.names);
    }
    const auto& connects = MemberChoiceListOf(MemberChoice::Connection).options;
    EXPECT_EQ(connects[0].caption, "桩 帽");
    EXPECT_EQ(connects[3].caption, "2 类承台");
    EXPECT_EQ(MemberChoiceListOf(MemberChoice::BentCap).options[2].bitmapId, 551);
    EXPECT_EQ(MemberChoiceListOf(MemberChoice::SignOff).fixedBitmapId, 152);
}

TEST(MemberTypes, GivenNameChecksItsButtonOtherwiseTheFirst) {
    struct Case {
        MemberChoice kind;
        std::string given;
        int index;
    };
    const Case cases[] = {
        {MemberChoice::Foundation, "无", 8},
        {MemberChoice::Foundation, "钻孔桩", 0},
        {MemberChoice::Foundation, "沉井基础 ", 0},  // whole-string comparison
        {MemberChoice::BentCap, "3类墩帽", 2},
        {MemberChoice::Connection, "系 梁", 0},  // the caption is not a stored name
        {MemberChoice::Connection, "系梁", 1},
        {MemberChoice::SignOff, "不绘制", 1},
        {MemberChoice::SignOff, "", 0},
        {MemberChoice::TitleBlock, "图标3", 2},
        {MemberChoice::Structure, "连续变截面箱梁桥", 5},
    };
    for (const Case& c : cases) EXPECT_EQ(MemberChoiceIndex(c.kind, c.given), c.index) << c.given;
}

}  // namespace
