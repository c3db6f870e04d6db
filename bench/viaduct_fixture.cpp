// The viaduct the benchmarks read and export: T-beam spans on a straight route with a wavy profile, every pier
// with its cap, two columns, a tie beam and two piles sized in the member tables, a joint every fifth pier.
#include "viaduct_fixture.h"

#include "bench_support.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <initializer_list>
#include <utility>

#include "platform/dao/recordset.h"
#include "projectdb/project_file.h"
#include "projectdb/schema.h"

namespace bench {

namespace fs = std::filesystem;
using dao::Value;

const char* const kViaductTables[kViaductTableCount] = {
    "一般信息表",     "平曲线资料表",   "竖曲线资料表",           "地形资料表",   "桥孔划分信息表",
    "上构布置信息表", "上构布置明细表", "下构布置信息表",         "伸缩缝信息表", "T梁布置信息表",
    "中梁尺寸信息表", "①类帽梁信息表",  "圆形截面柱式墩身信息表", "系梁信息表",   "单排桩基础信息表"};

namespace {

constexpr double kStart = 1000;

// Adds one record: every number 0 and every text empty, then the given fields.
void Add(dao::Recordset& set, std::initializer_list<std::pair<const char*, Value>> given) {
    set.AddNew();
    for (int i = 0; i < set.GetFieldCount(); ++i)
        set.SetFieldValue(i, set.GetFieldInfo(i).m_nType == dao::dbText ? Value::Text("") : Value::Double(0));
    for (const auto& [name, value] : given) set.SetFieldValue(name, value);
    set.Update();
}

Value D(double v) { return Value::Double(v); }
Value L(long v) { return Value::Long(static_cast<std::int32_t>(v)); }
Value T(const char* v) { return Value::Text(v); }

}  // namespace

void GenerateViaduct(const fs::path& path, int spans, double spanLength) {
    const double span = spanLength;
    auto db = projectdb::CreateProjectFile(path.string());
    dao::Transaction all(*db);
    for (const char* name : kViaductTables) {
        if (db->HasTableDef(name)) db->DeleteTableDef(name);
        db->CreateTableDef(projectdb::FindTableSchema(name)->ToTableDef());
    }
    auto fill = [&](const char* table, int count, auto record) {
        dao::Recordset set(*db);
        set.Open(table);
        for (int i = 0; i < count; ++i) record(set, i);
    };
    const double end = kStart + spans * span;
    fill("一般信息表", 1, [&](dao::Recordset& s, int) {
        Add(s, {{"TransectType", T("整体式")},
                {"LeftOrRight", T("全桥")},
                {"BridgeWidth", D(12)},
                {"高程计算方法", T("按竖曲线计算")},
                {"超高过渡方法", T("按长度分配")}});
    });
    fill("平曲线资料表", 1, [&](dao::Recordset& s, int) {
        Add(s, {{"CurveSectNum", L(1)},
                {"CurveType", T("直线")},
                {"CurveDirect", T("无")},
                {"StartPointStake", D(0)},
                {"StartPointX", D(1000)},
                {"StartPointY", D(500)},
                {"EndPointX", D(1000 + end + 1000)},
                {"EndPointY", D(500)},
                {"CurveLength", D(end + 1000)}});
    });
    fill("竖曲线资料表", 52, [&](dao::Recordset& s, int i) {
        // A gentle wave: ±1 % grades, turning every 2 km on 20,000 m curves.
        Add(s, {{"TurnPointStake", D(i * (end + 1000) / 51)},
                {"TurnPointElev", D(100 + (i % 2) * 10)},
                {"TurnPointRadii", D(i == 0 || i == 51 ? 0 : 20000)}});
    });
    fill("地形资料表", 2 * spans, [&](dao::Recordset& s, int i) {
        Add(s,
            {{"Stake", D(kStart - 50 + i * (end - kStart + 100) / (2 * spans - 1))}, {"Elevation", D(80 + (i % 7))}});
    });
    fill("桥孔划分信息表", 1, [&](dao::Recordset& s, int) {
        Add(s, {{"SectSum", L(1)}, {"SpanSum", L(spans)}, {"StartStake", D(kStart)}, {"CrossAngle", D(90)}});
    });
    fill("上构布置信息表", 1, [&](dao::Recordset& s, int) {
        Add(s, {{"SectNumber", L(1)},
                {"StructureType", T("装配式简支T梁桥")},
                {"SpansInSect", L(spans)},
                {"SpanLength", D(span)}});
    });
    fill("上构布置明细表", spans, [&](dao::Recordset& s, int i) {
        Add(s, {{"SpanNumber", L(i + 1)}, {"StructureType", T("装配式简支T梁桥")}, {"SpanLength", D(span)}});
    });
    fill("下构布置信息表", spans + 1, [&](dao::Recordset& s, int i) {
        Add(s, {{"PierAbutNum", L(i)},
                {"PierAbutStake", D(kStart + i * span)},
                {"BentCapType", T("1类墩帽")},
                {"BodyType", T("圆形截面柱式墩身")},
                {"ConnectType", T("系梁")},
                {"FoundationType", T("单排桩基础")},
                {"DistToGround", D(100)},
                {"DistToDeck", D(250)},
                {"PierAbutAngle", D(90)}});
    });
    fill("伸缩缝信息表", spans / 5 + 1, [&](dao::Recordset& s, int i) {
        Add(s, {{"JointNum", L(i + 1)}, {"JointStake", D(kStart + i * 5 * span)}});
    });
    fill("T梁布置信息表", spans, [&](dao::Recordset& s, int i) {
        Add(s, {{"TBeamInWhichSpan", L(i + 1)},
                {"TBeamsEverySpan", L(5)},
                {"TransverseDist", D(2.4)},
                {"InsideTBeamType", T("T20")},
                {"OutsideTBeamType", T("T20边")}});
    });
    fill("中梁尺寸信息表", 1, [&](dao::Recordset& s, int) {
        Add(s,
            {{"TBeamType", T("T20")}, {"TBeamLength", D(19.96)}, {"DistToBearing", D(0.25)}, {"TBeamHeight", D(1.5)}});
    });
    fill("①类帽梁信息表", spans + 1, [&](dao::Recordset& s, int i) {
        Add(s, {{"PierAbutmentNum", L(i)}, {"CopingLength", D(12)}, {"CopingWidth", D(1.6)}, {"CopingHeight", D(1.2)}});
    });
    fill("圆形截面柱式墩身信息表", spans + 1, [&](dao::Recordset& s, int i) {
        Add(s, {{"PierAbutmentNum", L(i)},
                {"PierColumnNum", L(2)},
                {"SectionDiameter", D(1.2)},
                {"PierColumnLength", D(15)},
                {"SpaceBetween", D(6)}});
    });
    fill("系梁信息表", spans + 1, [&](dao::Recordset& s, int i) {
        Add(s, {{"PierAbutmentNum", L(i)}, {"ConBeamWidth", D(1.0)}, {"ConBeamHeight", D(1.2)}});
    });
    fill("单排桩基础信息表", spans + 1, [&](dao::Recordset& s, int i) {
        Add(s, {{"PierAbutmentNum", L(i)},
                {"PileNum", L(2)},
                {"PileDiameter", D(1.4)},
                {"PileLength", D(25)},
                {"SpaceBetween", D(6)}});
    });
    all.Commit();
}

double SqliteDumpSeconds(const fs::path& project, const fs::path& dir, const std::vector<const char*>& tables,
                         const std::string& label) {
    std::ofstream script(dir / "dump.sql");
    script << ".mode csv\n";
    for (const char* table : tables)
        script << ".output '" << (dir / (std::string(table) + ".csv")).string() << "'\nselect * from [" << table
               << "];\n";
    script.close();
    return SqliteScriptSeconds(project, dir / "dump.sql", label);
}

}  // namespace bench
