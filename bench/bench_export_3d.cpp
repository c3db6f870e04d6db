// Writes the 3D-model interface file of a bridge with 2,000 supports (each with a cap, a body, a tie beam and
// a pile foundation) and 2,000 T-beam spans; in the same run the sqlite3 shell dumps the same tables as CSV.
// Prints "export-3d: ours=<s> reference=<s> ratio=<ours/reference>" (target: <= 3). An optional argument
// scales the counts.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>

#include "bench_support.h"
#include "exchange/interface_writer.h"
#include "platform/dao/recordset.h"
#include "platform/interaction/scripted.h"
#include "projectdb/project_file.h"
#include "projectdb/schema.h"
#include "viaduct_fixture.h"

namespace {

namespace fs = std::filesystem;

const char* const kTables[] = {
    "一般信息表",     "平曲线资料表",   "竖曲线资料表",           "桥面横坡资料表", "锥坡信息表",
    "桥孔划分信息表", "上构布置信息表", "T梁布置信息表",          "中梁尺寸信息表", "边梁尺寸信息表",
    "下构布置信息表", "①类帽梁信息表",  "圆形截面柱式墩身信息表", "系梁信息表",     "单排桩基础信息表"};

void Table(dao::Database& db, const std::string& name) {
    if (db.HasTableDef(name)) db.DeleteTableDef(name);
    db.CreateTableDef(projectdb::FindTableSchema(name)->ToTableDef());
}

// Adds one record whose every field holds a value: texts `text`, numbers `number`.
void Fill(dao::Recordset& set, const std::string& text, double number,
          std::initializer_list<std::pair<const char*, dao::Value>> given = {}) {
    set.AddNew();
    for (int i = 0; i < set.GetFieldCount(); ++i) {
        const dao::FieldInfo& field = set.GetFieldInfo(i);
        set.SetFieldValue(i, field.m_nType == dao::dbText ? dao::Value::Text(text) : dao::Value::Double(number));
    }
    for (const auto& [name, value] : given) set.SetFieldValue(name, value);
    set.Update();
}

void Generate(const fs::path& path, int supports, int spans) {
    auto db = projectdb::CreateProjectFile(path.string());
    dao::Transaction all(*db);
    for (const char* name : kTables) Table(*db, name);
    auto fill = [&](const char* table, int count, auto given) {
        dao::Recordset set(*db);
        set.Open(table);
        for (int i = 0; i < count; ++i) given(set, i);
    };
    fill("一般信息表", 1, [](dao::Recordset& s, int) { Fill(s, "整体式", 12.5); });
    fill("平曲线资料表", 50, [](dao::Recordset& s, int i) { Fill(s, "圆曲线", 100.0 + i); });
    fill("竖曲线资料表", 50, [](dao::Recordset& s, int i) { Fill(s, "", 100.0 + i); });
    fill("桥面横坡资料表", 50, [](dao::Recordset& s, int i) { Fill(s, "", 100.0 + i); });
    fill("锥坡信息表", 1, [](dao::Recordset& s, int) { Fill(s, "", 1.5); });
    fill("桥孔划分信息表", 1, [&](dao::Recordset& s, int) { Fill(s, "", 90, {{"SectSum", dao::Value::Long(spans)}}); });
    fill("上构布置信息表", spans, [](dao::Recordset& s, int i) {
        Fill(s, "装配式简支T梁桥", 20, {{"SectNumber", dao::Value::Long(i + 1)}, {"SpansInSect", dao::Value::Long(1)}});
    });
    fill("T梁布置信息表", spans, [](dao::Recordset& s, int i) {
        Fill(s, "T" + std::to_string(i % 10), 2.2, {{"TBeamInWhichSpan", dao::Value::Long(i + 1)}});
    });
    for (const char* beams : {"中梁尺寸信息表", "边梁尺寸信息表"})
        fill(beams, 10, [](dao::Recordset& s, int i) { Fill(s, "T" + std::to_string(i), 1.25); });
    fill("下构布置信息表", supports, [](dao::Recordset& s, int i) {
        Fill(s, "", 150,
             {{"PierAbutNum", dao::Value::Long(i)},
              {"BentCapType", dao::Value::Text("1类墩帽")},
              {"BodyType", dao::Value::Text("圆形截面柱式墩身")},
              {"ConnectType", dao::Value::Text("系梁")},
              {"FoundationType", dao::Value::Text("单排桩基础")}});
    });
    for (const char* member : {"①类帽梁信息表", "圆形截面柱式墩身信息表", "系梁信息表", "单排桩基础信息表"})
        fill(member, supports, [](dao::Recordset& s, int i) {
            Fill(s, "", 1.5, {{"PierAbutmentNum", dao::Value::Long(i)}});
        });
    all.Commit();
}

using bench::Seconds;

double Ours(const fs::path& project, const fs::path& out) {
    auto db = dao::Database::Open(project.string());
    ui::ScriptedPrompter prompter;
    prompter.setDefault(ui::Answer::No);
    auto start = std::chrono::steady_clock::now();
    auto outcome = exchange::WriteArvo3dFile(*db, out.string(), prompter);
    double seconds = Seconds(start);
    if (outcome != exchange::InterfaceOutcome::Complete || !prompter.texts().empty())
        std::fprintf(stderr, "export-3d: not complete: %s\n",
                     prompter.texts().empty() ? "" : prompter.texts().front().c_str());
    return seconds;
}

double Reference(const fs::path& project, const fs::path& dir) {
    return bench::SqliteDumpSeconds(project, dir, {std::begin(kTables), std::end(kTables)}, "export-3d");
}

}  // namespace

int main(int argc, char** argv) {
    double scale = argc > 1 ? std::atof(argv[1]) : 1.0;
    int supports = static_cast<int>(2000 * scale), spans = static_cast<int>(2000 * scale);
    fs::path dir = fs::temp_directory_path() / ("veltra-bench-export-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    Generate(dir / "bridge.vlt", supports, spans);
    double ours = Ours(dir / "bridge.vlt", dir / "Arvo3D.bri");
    double reference = Reference(dir / "bridge.vlt", dir);
    std::printf("export-3d: ours=%.3f reference=%.3f ratio=%.2f\n", ours, reference, ours / reference);
    std::printf("export-3d: file=%.1f MB\n", static_cast<double>(fs::file_size(dir / "Arvo3D.bri")) / 1e6);
    fs::remove_all(dir);
    return 0;
}
