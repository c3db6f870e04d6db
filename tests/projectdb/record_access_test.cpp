#include <gtest/gtest.h>

#include "platform/interaction/scripted.h"
#include "projectdb/record_access.h"
#include "projectdb/variant_text.h"
#include "support/test_support.h"

namespace {

using dao::Value;
using projectdb::VariantToText;

TEST(VariantToText, EveryKindOfValue) {
    struct Case {
        Value value;
        const char* text;
    } cases[] = {
        {Value(), "NULL"},
        {Value::Null(), "NULL"},
        {Value::Short(-12), "-12"},
        {Value::Long(123456), "123456"},
        {Value::Single(1.5f), "1.500000"},
        {Value::Double(2.5), "2.5"},
        {Value::Double(3), "3"},
        {Value::Double(1.25), "1.25"},
        {Value::Double(1.2349), "1.234"},    // truncated, not rounded
        {Value::Double(0.0004), "0"},        // below one thousandth
        {Value::Double(-7.1), "-7.1"},
        {Value::Double(100.0), "100"},
        {Value::Double(1234.567891), "1234.567"},
        {Value::Text("台阶形扩大基础"), "台阶形扩大基础"},
        {Value::Text(""), "0"},              // an empty text field shows as 0
        {Value::Bool(true), "TRUE"},
        {Value::Bool(false), "FALSE"},
        {Value::Byte(10), "0x0A"},
        {Value::OfType(dao::VT_DISPATCH), "VT_DISPATCH"},
        {Value::OfType(dao::VT_CLSID), "VT_CLSID"},
        {Value::OfType(99), "Fish"},
        {Value::OfType(dao::VT_ARRAY | dao::VT_UI1), "Array of VT_UI1"},
        {Value::OfType(dao::VT_BYREF | dao::VT_R8), "Pointer to VT_R8"},
        {Value::OfType(dao::VT_ARRAY | dao::VT_BYREF | dao::VT_BSTR), "Array of Pointer to VT_BSTR"},
        {Value::Currency(125000), "12.5"},
    };
    for (const auto& c : cases) EXPECT_EQ(VariantToText(c.value), c.text) << c.text;
}

class RecordAccessTest : public ::testing::Test {
protected:
    void SetUp() override {
        source = dir.file("a.vlt");
        target = dir.file("b.vlt");
        auto db = dao::Database::Create(source);
        ui::ScriptedPrompter p;
        ASSERT_TRUE(projectdb::CreateTable(*db, "伸缩缝信息表", {"JointNum", "JointStake", "Note"},
                                           {dao::dbLong, dao::dbDouble, dao::dbText}, {8, 32, 255}, p));
        db->Execute("INSERT INTO [伸缩缝信息表] VALUES (2, 100.5, 'b'), (1, 50.25, 'a')");
        dao::Database::Create(target);
    }
    std::vector<std::string> Rows(const std::string& path, const std::string& table) {
        auto db = dao::Database::Open(path);
        dao::Recordset rs(*db);
        rs.Open("Select * From [" + table + "]");
        std::vector<std::string> out;
        for (; !rs.IsEOF(); rs.MoveNext()) {
            std::string row;
            for (int i = 0; i < rs.GetFieldCount(); ++i) row += (i ? "|" : "") + VariantToText(rs.GetFieldValue(i));
            out.push_back(row);
        }
        return out;
    }
    testing_support::TempDir dir;
    std::string source, target;
};

TEST_F(RecordAccessTest, FieldInfoInOrderAndItsTwoMessages) {
    ui::ScriptedPrompter p;
    std::vector<projectdb::FieldDescription> fields;
    ASSERT_TRUE(projectdb::GetTableFieldInfo(source, "伸缩缝信息表", fields, p));
    ASSERT_EQ(fields.size(), 3u);
    EXPECT_EQ(fields[0].m_strName, "JointNum");
    EXPECT_EQ(fields[0].m_nType, dao::dbLong);
    EXPECT_EQ(fields[1].m_nType, dao::dbDouble);
    EXPECT_EQ(fields[2].m_nType, dao::dbText);
    std::vector<projectdb::FieldDescription> untouched(1);
    EXPECT_FALSE(projectdb::GetTableFieldInfo(dir.file("none.vlt"), "伸缩缝信息表", untouched, p));
    EXPECT_FALSE(projectdb::GetTableFieldInfo(source, "没有的表", untouched, p));
    EXPECT_EQ(p.texts(), (std::vector<std::string>{"该数据库文件不存在！", "数据库中不存在该表文件！"}));
    EXPECT_EQ(untouched.size(), 1u);
}

TEST_F(RecordAccessTest, AppendRecordAddsAtTheEndAndCutsLongTextTo255) {
    ui::ScriptedPrompter p;
    projectdb::AppendRecord(source, "伸缩缝信息表", {Value::Long(3), Value::Double(7.5), Value::Text(std::string(300, 'x'))}, p);
    auto rows = Rows(source, "伸缩缝信息表");
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[2], "3|7.5|" + std::string(255, 'x'));
    EXPECT_TRUE(p.texts().empty());
}

TEST_F(RecordAccessTest, LongChineseTextIsCutTo255CharactersNeverInsideOne) {
    auto bridges = [](int n) {
        std::string s = "a";
        for (int i = 0; i < n; ++i) s += "桥";
        return s;
    };
    ui::ScriptedPrompter p;
    projectdb::AppendRecord(source, "伸缩缝信息表", {Value::Long(3), Value::Double(7.5), Value::Text(bridges(300))}, p);
    EXPECT_EQ(Rows(source, "伸缩缝信息表").back(), "3|7.5|" + bridges(254));
}

TEST_F(RecordAccessTest, CopyTableCopiesFieldsAndRecordsInOrderWithAndWithoutReplace) {
    {
        auto from = dao::Database::Open(source);
        auto to = dao::Database::Open(target);
        projectdb::CopyTable(*from, *to, "伸缩缝信息表", false);
        projectdb::CopyTable(*from, *to, "没有的表", true);  // skipped, target untouched
        EXPECT_EQ(to->GetTableDefs().size(), 1u);
        auto def = to->GetTableDef("伸缩缝信息表");
        EXPECT_EQ(def.fields[0].m_strName, "JointNum");
        EXPECT_EQ(def.fields[1].m_nType, dao::dbDouble);
    }
    EXPECT_EQ(Rows(target, "伸缩缝信息表"), (std::vector<std::string>{"2|100.5|b", "1|50.25|a"}));
    {
        auto from = dao::Database::Open(source);
        auto to = dao::Database::Open(target);
        projectdb::CopyTable(*from, *to, "伸缩缝信息表", false);  // appends to the table that is there
    }
    EXPECT_EQ(Rows(target, "伸缩缝信息表").size(), 4u);
    {
        auto from = dao::Database::Open(source);
        auto to = dao::Database::Open(target);
        projectdb::CopyTable(*from, *to, "伸缩缝信息表", true);  // replaces it
    }
    EXPECT_EQ(Rows(target, "伸缩缝信息表").size(), 2u);
}

TEST_F(RecordAccessTest, CopyEndsSilentlyAtAnErrorKeepingWhatItCopied) {
    {
        auto to = dao::Database::Open(target);
        to->Execute("CREATE TABLE [伸缩缝信息表] (JointNum LONG, JointStake DOUBLE CHECK (JointStake > 60))");
        auto from = dao::Database::Open(source);
        EXPECT_NO_THROW(projectdb::CopyTable(*from, *to, "伸缩缝信息表", false));
        EXPECT_FALSE(to->InTransaction());
    }
    EXPECT_EQ(Rows(target, "伸缩缝信息表"), (std::vector<std::string>{"2|100.5"}));
}

TEST_F(RecordAccessTest, CopyTableCarriesBinaryFieldsByteForByte) {
    const std::vector<std::string> pictures = {std::string("\x89PNG\r\n\x1a\n\x00\x00\xff\xfe", 12),
                                               std::string(), std::string(5000, '\0') + "\xc3\x28"};
    std::string name;  // as many Chinese characters as the field's size
    for (int i = 0; i < 255; ++i) name += "桥";
    {
        auto db = dao::Database::Open(source);
        db->Execute("CREATE TABLE [图形] (Num LONG, Picture LONGBINARY, Sketch OLE, Name TEXT(255))");
        dao::Recordset rs(*db);
        rs.Open("图形");
        for (size_t i = 0; i < pictures.size(); ++i) {
            rs.AddNew();
            rs.SetFieldValue(0, Value::Long(static_cast<int>(i)));
            rs.SetFieldValue(1, Value::Binary(pictures[i]));
            rs.SetFieldValue(3, Value::Text(name));
            rs.Update();
        }
    }
    {
        auto from = dao::Database::Open(source, /*readOnly=*/true);
        auto to = dao::Database::Open(target);
        projectdb::CopyTable(*from, *to, "图形", false);
    }
    auto db = dao::Database::Open(target, /*readOnly=*/true);
    auto def = db->GetTableDef("图形");
    EXPECT_EQ(def.fields[1].m_nType, dao::dbLongBinary);
    EXPECT_EQ(def.fields[2].m_nType, dao::dbLongBinary);
    dao::Recordset rs(*db);
    rs.Open("图形");
    ASSERT_EQ(rs.GetRecordCount(), 3);
    for (const auto& picture : pictures) {
        EXPECT_EQ(rs.GetFieldValue(1), Value::Binary(picture));
        EXPECT_TRUE(rs.GetFieldValue(2).isNull());
        EXPECT_EQ(rs.GetFieldValue(3), Value::Text(name));
        EXPECT_EQ(VariantToText(rs.GetFieldValue(1)), "Array of VT_UI1");
        rs.MoveNext();
    }
}

TEST(MatchCondition, ClausesByFieldType) {
    std::vector<projectdb::FieldDescription> fields(4);
    fields[0].m_strName = "SlabType", fields[0].m_nType = dao::dbText;
    fields[1].m_strName = "Height", fields[1].m_nType = dao::dbDouble;
    fields[2].m_strName = "CavityNum", fields[2].m_nType = dao::dbLong;
    fields[3].m_strName = "Flag", fields[3].m_nType = dao::dbInteger;
    std::string sql = projectdb::BuildMatchCondition(
        "中板尺寸信息表", fields, {Value::Text("A-1"), Value::Double(0.95), Value::Long(2), Value::Short(1)});
    EXPECT_EQ(sql,
              "Select * From [中板尺寸信息表] Where ((([中板尺寸信息表].SlabType)=\"A-1\")) And "
              "((([中板尺寸信息表].Height)=0.950000)) And ((([中板尺寸信息表].CavityNum)=2))");
    EXPECT_EQ(projectdb::BuildMatchCondition("t", {fields[3]}, {Value::Short(1)}), "Select * From [t] Where ");
}

TEST(MatchCondition, RunsAgainstTheDatabase) {
    testing_support::TempDir dir;
    auto db = dao::Database::Create(dir.file("lib.BCL"));
    db->Execute("CREATE TABLE [中板尺寸信息表] (SlabType TEXT(255), Height DOUBLE, CavityNum LONG)");
    db->Execute("INSERT INTO [中板尺寸信息表] VALUES ('A', 0.95, 2), ('A', 0.95, 3)");
    std::vector<projectdb::FieldDescription> fields = db->GetTableDef("中板尺寸信息表").fields;
    dao::Recordset rs(*db);
    rs.Open(projectdb::BuildMatchCondition("中板尺寸信息表", fields, {Value::Text("A"), Value::Double(0.95), Value::Long(3)}));
    EXPECT_EQ(rs.GetRecordCount(), 1);
}

TEST(ReportDaoError, BothMessageForms) {
    ui::ScriptedPrompter p;
    projectdb::ReportDaoError(dao::DaoException(3421, "数据类型转换错误。"), p);
    projectdb::ReportDaoError(dao::DaoException::FromStatus(static_cast<long>(0x800A0BB9)), p);
    ASSERT_EQ(p.shown().size(), 2u);
    EXPECT_EQ(p.shown()[0].text, "数据类型转换错误。   (3421)\n\n你想查看帮助文件吗?");
    EXPECT_EQ(p.shown()[0].buttons, ui::Buttons::YesNo);
    EXPECT_EQ(p.shown()[1].text,
              "ERROR:CDaoException\n\nSCODE_CODE\t\t=3001\nSCODE_FACILITY\t=10\nSCODE_SEVERITY\t=1\nResultFromScode\t=-2146825287\n");
    EXPECT_EQ(p.shown()[1].buttons, ui::Buttons::Ok);
}

}  // namespace
