#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <set>

#include "platform/dao/recordset.h"
#include "projectdb/schema.h"
#include "support/test_support.h"

namespace {

using namespace projectdb;
using Path = std::vector<std::string>;

std::vector<const Category*> AllCategories() {
    std::vector<const Category*> all;
    auto walk = [&](auto& self, const Category& c) -> void {
        all.push_back(&c);
        for (const Category& child : c.children) self(self, child);
    };
    walk(walk, CategoryTree());
    return all;
}

TEST(Categories, TableIsPlacedByItsName) {
    const struct {
        const char* table;
        Path path;
    } cases[] = {
        {"一般信息表", {"总体信息"}},
        {"当前库结构描述表", {"总体信息"}},
        {"上构布置明细表", {"总体信息"}},
        {"上构布置信息表", {}},  // the tree never shows it
        {"桥面横坡资料表", {"桥址信息"}},
        {"路基设计表", {"桥址信息"}},
        {"中板尺寸信息表", {"结构信息", "上部构造信息", "空心板"}},
        {"T梁布置信息表", {"结构信息", "上部构造信息", "T梁"}},
        {"多箱多室箱梁横断面信息表", {"结构信息", "上部构造信息", "箱梁"}},
        {"重力式U型桥台帽梁信息表", {"结构信息", "下部构造信息", "墩台帽梁"}},
        {"U台台身信息表", {"结构信息", "下部构造信息", "墩台身"}},
        {"系梁信息表", {"结构信息", "下部构造信息", "连接构造"}},
        {"挡块信息表", {"结构信息", "下部构造信息", "墩台基础"}},
        {"锥坡信息表", {"结构信息", "附属构造信息"}},
        {"钢束信息表", {"其它信息"}},
        {"绘图状态表", {"其它信息"}},
        {"桥型布置图绘图状态表", {"其它信息"}},
        {"某模块新加的表", {"其它信息"}},
        {"一般信息表 ", {"其它信息"}},  // names compare exactly
        {"", {"其它信息"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.table);
        EXPECT_EQ(CategoryPath(c.table), c.path);
        const Category* category = CategoryOf(c.table);
        if (c.path.empty()) {
            EXPECT_EQ(category, nullptr);
        } else {
            ASSERT_NE(category, nullptr);
            EXPECT_EQ(category->name, c.path.back());
        }
    }
}

TEST(Categories, EveryListedTableBelongsToItsOwnCategory) {
    // A table listed under two categories would be placed under the first only.
    std::set<std::string> seen;
    for (const Category* c : AllCategories()) {
        for (const std::string& table : c->tables) {
            SCOPED_TRACE(table);
            EXPECT_TRUE(seen.insert(table).second);
            EXPECT_EQ(CategoryOf(table), c);
        }
        for (const std::string& table : c->refreshTables) EXPECT_EQ(CategoryOf(table), c) << table;
    }
}

TEST(Categories, RefreshNumbers) {
    const std::vector<std::pair<int, const char*>> numbered = {
        {1, "总体信息"}, {2, "桥址信息"},      {3, "空心板"},    {4, "T梁"},
        {5, "箱梁"},     {6, "墩台帽梁"},      {7, "墩台身"},    {8, "连接构造"},
        {9, "墩台基础"}, {10, "附属构造信息"}, {12, "其它信息"},
    };
    for (const auto& [n, name] : numbered) {
        const Category* c = CategoryByRefreshNumber(n);
        ASSERT_NE(c, nullptr) << n;
        EXPECT_EQ(c->name, name);
        EXPECT_EQ(c->refreshTables.empty(), false) << name;
    }
    for (int n : {-1, 0, 11, 13}) EXPECT_EQ(CategoryByRefreshNumber(n), nullptr) << n;

    // Refreshing 桥址信息 tries its tables in an order of its own.
    EXPECT_EQ(CategoryByRefreshNumber(2)->refreshTables,
              (Path{"地形资料表", "平曲线资料表", "竖曲线资料表", "钻孔资料表", "钻孔描述表", "水文资料表",
                    "路基设计表", "桥面横坡资料表"}));
    EXPECT_EQ(CategoryByRefreshNumber(12)->refreshTables,
              (Path{"绘图状态表", "钢束信息表", "钢筋布置信息表"}));

    Path roots;
    for (const Category& c : CategoryTree().children) roots.push_back(c.name);
    EXPECT_EQ(roots, (Path{"总体信息", "桥址信息", "结构信息", "其它信息"}));
}

TEST(Schema, EveryTableOfTheTreeIsKnown) {
    // Catches a table name spelt differently in the tree and in the field lists.
    const auto& namedOnly = NamedOnlyTables();
    for (const Category* c : AllCategories()) {
        for (const std::string& table : c->tables) {
            if (table == kDrawingStateSuffix) continue;
            bool byName = std::find(namedOnly.begin(), namedOnly.end(), table) != namedOnly.end();
            EXPECT_NE(FindTableSchema(table) != nullptr, byName) << table;
        }
    }
    for (const auto* list : {&CentralTables(), &RouteTables(), &MemberTables()})
        for (const TableSchema& t : *list)
            EXPECT_TRUE(t.name == kSuperLayoutTable || CategoryOf(t.name)) << t.name;
    EXPECT_EQ(FindTableSchema("一般信息表 "), nullptr);
}

TEST(Vocabulary, MemberTableOfATypeName) {
    const struct {
        const char* typeName;
        std::optional<std::string> table;
    } cases[] = {
        {"1类墩帽", "①类帽梁信息表"},
        {"2类台帽", "重力式U型桥台帽梁信息表"},
        {"U型桥台台身", "U台台身信息表"},
        {"系梁", "系梁信息表"},
        {"台阶形扩大基础", "台阶状扩大基础信息表"},  // 形 in the type, 状 in the table
        {"U台扩大基础(台阶形)", "重力式U台台阶状基础信息表"},
        {"U台扩大基础(趾板式)", "重力式U台趾板式基础信息表"},
        {"沉井基础", "沉井基础信息表"},
        {"台阶状扩大基础", std::nullopt},
        {"无", std::nullopt},
        {"", std::nullopt},
        {"1类墩帽 ", std::nullopt},
        {" 1类墩帽", std::nullopt},
        {"U台扩大基础（台阶形）", std::nullopt},  // full-width brackets are another name
        {"装配式简支T梁桥", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(MemberTableOf(c.typeName), c.table) << c.typeName;

    // Every offered type name selects a table that the system knows.
    for (const auto* list : {&BentCapTypes(), &BodyTypes(), &ConnectTypes(), &FoundationTypes()}) {
        for (const std::string& type : *list) {
            auto table = MemberTableOf(type);
            ASSERT_TRUE(table) << type;
            EXPECT_TRUE(FindTableSchema(*table) || *table == kCaissonTable) << *table;
        }
    }
}

TEST(Vocabulary, TablesOfAStructureType) {
    EXPECT_EQ(MemberTablesOfStructure("装配式简支空心板桥"),
              (Path{"空心板布置信息表", "中板尺寸信息表", "边板尺寸信息表"}));
    EXPECT_EQ(MemberTablesOfStructure("连续变截面箱梁桥"), (Path{"连续变截面箱梁立面、平面信息表"}));
    EXPECT_TRUE(MemberTablesOfStructure("装配式简支T梁桥 ").empty());
    EXPECT_TRUE(MemberTablesOfStructure("无").empty());
    for (const std::string& type : StructureTypes())
        for (const std::string& table : MemberTablesOfStructure(type))
            EXPECT_NE(FindTableSchema(table), nullptr);

    EXPECT_EQ(CrossSectionTableOf("单箱多室"), "单箱多室箱梁横断面信息表");
    for (const std::string& box : BoxCrossSectionTypes()) {
        const TableSchema* t = FindTableSchema(CrossSectionTableOf(box));
        ASSERT_NE(t, nullptr) << box;
        EXPECT_EQ(t->keyField, "Position");
    }
}

TEST(Vocabulary, DrawingListsSplitOnSemicolons) {
    EXPECT_EQ(DrawingTypes(),
              (Path{"桥型布置图", "上构一般构造图", "下构一般构造图", "参数化钢筋图", "交互式钢筋图"}));
    EXPECT_EQ(SheetSizes(), (Path{"A0", "A1", "A2", "A3", "A4"}));
}

TEST(Schema, GridCaptions) {
    auto general = GridCaptions("一般信息表");
    ASSERT_EQ(general.size(), 18u);
    EXPECT_EQ(general[7], "当前设计目标");
    EXPECT_EQ(general[13], "左半桥中心线至路中心线距离");  // the form keeps C2 in this field
    EXPECT_EQ(general[14], "右半桥中心线至路中心线距离");
    EXPECT_EQ(FindTableSchema("一般信息表")->fields[13].formCaption, "右半桥中心线至路中心线距离 C2(m)");

    const Path state = {"组名", "基点X", "基点Y"};
    EXPECT_EQ(GridCaptions("桥型布置图绘图状态表"), state);
    EXPECT_EQ(GridCaptions("绘图状态表"), state);
    EXPECT_EQ(GridCaptions("绘图状态表（旧）"), state);  // contains the suffix
    EXPECT_EQ(GridCaptions(DrawingStateTableSchema("上构一般构造图").name), state);

    EXPECT_EQ(GridCaptions("下构布置信息表").size(), 18u);
    EXPECT_EQ(GridCaptions("下构布置信息表")[11], "伸缩缝(连续缝)中心线至帽梁中心线顺桥向距离");
    EXPECT_EQ(GridCaptions("图形布置信息表").size(), 16u);
    EXPECT_EQ(GridCaptions("平曲线资料表").front(), "序号");
    EXPECT_EQ(GridCaptions("锥坡信息表"),
              (Path{"位置", "锥顶至伸缩缝距离", "顺桥向坡度", "横桥向坡度", "台后坡长"}));
    EXPECT_TRUE(GridCaptions("路基设计表").empty());  // shows its field names
    EXPECT_TRUE(GridCaptions("某模块新加的表").empty());
    EXPECT_TRUE(GridCaptions("钢束信息表").empty());
}

TEST(Schema, FieldUnitsAsAnEngineerReadsThem) {
    const struct {
        const char* table;
        const char* field;
        const char* unit;
    } cases[] = {
        {"单排桩基础信息表", "PileLength", "m"},     {"桥孔划分信息表", "StartStake", "m"},
        {"桥孔划分信息表", "CrossAngle", "°"},       {"下构布置信息表", "DistToGround", "cm"},
        {"下构布置信息表", "CapToBodyY", "cm"},      {"下构布置信息表", "PierAbutGradient", "%"},
        {"地形资料表", "Elevation", "m"},            {"路基设计表", "Dist8", "m"},
        {"桥面横坡资料表", "左半桥横坡", "%"},       {"梯形扩大基础信息表", "CrossAngle", "°"},
        // No unit where the tables do not say which: a count, a skew ratio, a slope, an azimuth, text.
        {"下构布置信息表", "PierAbutNum", ""},       {"中板尺寸信息表", "SlabPitch", ""},
        {"单箱单室箱梁横断面信息表", "BottomSlope", ""}, {"平曲线资料表", "StartPointAngle", ""},
        {"下构布置信息表", "BodyType", ""},          {"桥型布置图绘图状态表", "BasePointX", ""},
        {"某模块新加的表", "PileLength", ""},        {"单排桩基础信息表", "NoSuchField", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(FieldUnit(c.table, c.field), c.unit) << c.table << "." << c.field;
}

TEST(Schema, FormCaptionsThatNameAUnitAgreeWithTheFieldUnit) {
    // The forms have carried their units since the first version ("中心桩号(m)", "基顶埋深(cm)"); the
    // unit of every field must say the same, or the grid would show another unit than the form.
    int checked = 0;
    for (const TableSchema& table : CentralTables())
        for (const FieldDef& f : table.fields) {
            const std::string& form = f.formCaption;
            if (f.type == dao::dbText || form.empty() || form.back() != ')') continue;
            const auto open = form.rfind('(');
            ASSERT_NE(open, std::string::npos) << form;
            EXPECT_EQ(f.unit, form.substr(open + 1, form.size() - open - 2)) << table.name << "." << f.name;
            ++checked;
        }
    EXPECT_EQ(checked, 18);
}

TEST(Schema, CaptionWithUnitAddsTheUnitOnce) {
    const struct {
        const char* caption;
        const char* unit;
        const char* shown;
    } cases[] = {
        {"桩长", "m", "桩长(m)"},
        {"帽梁横坡", "%", "帽梁横坡(%)"},
        {"中心桩号(m)", "m", "中心桩号(m)"},  // a form caption that already names it
        {"斜度", "", "斜度"},
    };
    for (const auto& c : cases) EXPECT_EQ(CaptionWithUnit(c.caption, c.unit), c.shown);
}

class SchemaDb : public ::testing::Test {
  protected:
    void SetUp() override { db = dao::Database::Create(dir.file("p.vlt")); }

    long Count(const std::string& table) {
        dao::Recordset rs(*db);
        rs.Open("Select * From [" + table + "]");
        return rs.GetRecordCount();
    }

    static void ExpectSameFields(const dao::TableDef& def, const TableSchema& schema) {
        ASSERT_EQ(def.fields.size(), schema.fields.size()) << schema.name;
        for (std::size_t i = 0; i < def.fields.size(); ++i) {
            EXPECT_EQ(def.fields[i].m_strName, schema.fields[i].name) << schema.name;
            EXPECT_EQ(def.fields[i].m_nType, schema.fields[i].type) << schema.fields[i].name;
            if (schema.fields[i].type == dao::dbText) {
                EXPECT_EQ(def.fields[i].m_lSize, 255);
            }
        }
    }

    testing_support::TempDir dir;
    std::unique_ptr<dao::Database> db;
};

TEST_F(SchemaDb, EveryTableCanBeCreatedAndReadsBackInOrder) {
    for (const auto* list : {&CentralTables(), &RouteTables(), &MemberTables()}) {
        for (const TableSchema& t : *list) {
            EnsureTable(*db, t);
            ExpectSameFields(db->GetTableDef(t.name), t);
        }
    }
    TableSchema state = DrawingStateTableSchema("桥型布置图");
    EnsureTable(*db, state);
    ExpectSameFields(db->GetTableDef("桥型布置图绘图状态表"), state);
}

TEST_F(SchemaDb, RecreateEmptiesACentralTable) {
    const TableSchema& layout = *FindTableSchema(kSubLayoutTable);
    RecreateCentralTable(*db, layout);  // nothing to delete yet
    db->Execute("Insert Into [下构布置信息表] (PierAbutNum, BentCapType) Values (0, \"无\")");
    ASSERT_EQ(Count(kSubLayoutTable), 1);

    RecreateCentralTable(*db, layout);
    ExpectSameFields(db->GetTableDef(kSubLayoutTable), layout);
    EXPECT_EQ(Count(kSubLayoutTable), 0);
    EXPECT_FALSE(db->InTransaction());
}

TEST_F(SchemaDb, FailedRecreateLeavesTheOldTable) {
    const TableSchema& joints = *FindTableSchema(kJointTable);
    RecreateCentralTable(*db, joints);
    db->Execute("Insert Into [伸缩缝信息表] Values (1, 100.5)");

    TableSchema broken = joints;
    broken.fields.push_back(broken.fields.front());  // a second JointNum cannot be created
    EXPECT_THROW(RecreateCentralTable(*db, broken), dao::DaoException);

    EXPECT_FALSE(db->InTransaction());
    ExpectSameFields(db->GetTableDef(kJointTable), joints);
    EXPECT_EQ(Count(kJointTable), 1);
}

TEST_F(SchemaDb, RecreateJoinsTheCallersTransaction) {
    // The wizard rewrites a table and appends its records as one unit; giving up undoes both.
    const TableSchema& spans = *FindTableSchema(kSuperSpanTable);
    RecreateCentralTable(*db, spans);
    db->Execute("Insert Into [上构布置明细表] Values (1, \"装配式简支T梁桥\", 20)");
    {
        dao::Transaction outer(*db);
        RecreateCentralTable(*db, spans);
        db->Execute("Insert Into [上构布置明细表] Values (1, \"装配式简支空心板桥\", 13)");
        db->Execute("Insert Into [上构布置明细表] Values (2, \"装配式简支空心板桥\", 13)");
        outer.Rollback();
    }
    dao::Recordset rs(*db);
    rs.Open("Select * From [上构布置明细表]");
    EXPECT_EQ(rs.GetRecordCount(), 1);
    EXPECT_EQ(rs.GetFieldValue("StructureType").text(), "装配式简支T梁桥");
}

TEST_F(SchemaDb, EnsureKeepsAnExistingTable) {
    // A table made by a design module keeps its own fields and records.
    db->Execute("Create Table [地形资料表] (Stake DOUBLE, Elevation DOUBLE, Note TEXT(20))");
    db->Execute("Insert Into [地形资料表] Values (10, 101.5, \"x\")");
    EnsureTable(*db, *FindTableSchema(kGroundLineTable));
    EXPECT_EQ(db->GetTableDef(kGroundLineTable).fields.size(), 3u);
    EXPECT_EQ(Count(kGroundLineTable), 1);
}

}  // namespace
