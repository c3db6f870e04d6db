// Exports a 2,000-span viaduct (60 km of route: 2,400 plan elements, 600 vertical turning points, 2,001
// joints) as IFC; in the same run the same route is written as LandXML, the other open format of the same
// alignment. Prints "ifc-export: ours=<s> reference=<s> ratio=<ours/reference>" (target: ours <= 3 s) and the
// file's size.
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <unistd.h>

#include "calc/plan_element.h"
#include "exchange/ifc_export.h"
#include "exchange/landxml_import.h"
#include "exchange/route_import.h"
#include "platform/dao/recordset.h"
#include "platform/interaction/scripted.h"
#include "projectdb/project_file.h"
#include "projectdb/schema.h"

namespace {

namespace fs = std::filesystem;

double Seconds(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// A route reference file of `elements` plan elements (line, spiral, arc, spiral) and `points` turning points.
double WriteRoute(const fs::path& path, int elements, int points) {
    std::FILE* brf = std::fopen(path.c_str(), "wb");
    std::fprintf(brf, "**PLAN**\r\n%d\r\n", elements);
    calc::PlanElement e;
    e.x0 = 3400000;
    e.y0 = 500000;
    e.azimuth0 = 0.3;
    double stake = 0;
    for (int i = 0; i < elements; ++i) {
        const int kind = i % 4;
        const double sign = (i / 4) % 2 ? 1 : -1;
        e.type = kind == 0 ? calc::PlanElementType::Line : kind == 2 ? calc::PlanElementType::Arc : calc::PlanElementType::Clothoid;
        e.k0 = kind == 0 || kind == 1 ? 0 : sign / 1500;
        e.k1 = kind == 0 || kind == 3 ? 0 : sign / 1500;
        e.length = kind == 0 ? 30 : 25;
        const calc::PlanPoint end = calc::PointOnElement(e, e.length);
        std::fprintf(brf, "%.6f %.6f %.9f %.3f %.6f %.6f %.9f %.3f %.6f %.3f %.6f %d %d\r\n", e.y0, e.x0, e.azimuth0,
                     e.k0 ? 1500.0 : 0.0, end.y, end.x, end.azimuth, e.k1 ? 1500.0 : 0.0, e.length, 0.0, stake,
                     kind == 0 ? 0 : sign > 0 ? 1 : -1, kind == 0 ? 1 : kind == 2 ? 2 : 3);
        stake += e.length;
        e.x0 = end.x, e.y0 = end.y, e.azimuth0 = end.azimuth;
    }
    std::fprintf(brf, "**VERT**\r\n%d\r\n", points);
    for (int i = 0; i < points; ++i)
        std::fprintf(brf, "JD%d %.6f %.6f %.3f\r\n", i + 1, stake * i / (points - 1), 100 + (i % 2) * 1.5,
                     i == 0 || i + 1 == points ? 0.0 : 1000.0);
    std::fputs("**DECK**\r\n", brf);
    std::fclose(brf);
    return stake;
}

}  // namespace

int main() {
    const fs::path dir = fs::temp_directory_path() / ("veltra-bench-ifc-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    const double length = WriteRoute(dir / "route.BRF", 2400, 600);
    auto db = projectdb::CreateProjectFile((dir / "viaduct.vlt").string());
    for (const auto& table : projectdb::CentralTables()) projectdb::RecreateCentralTable(*db, table);
    {
        // 2,000 spans of 30 m: a joint at every support
        dao::Transaction transaction(*db);
        dao::Recordset joints(*db);
        joints.Open(projectdb::kJointTable);
        for (int i = 0; i <= 2000; ++i) {
            joints.AddNew();
            joints.SetFieldValue("JointNum", dao::Value::Long(i + 1));
            joints.SetFieldValue("JointStake", dao::Value::Double(i * 30.0));
            joints.Update();
        }
        joints.Close();
        transaction.Commit();
    }
    ui::ScriptedPrompter prompter;
    ui::SilentProgress progress;
    ui::Interaction interaction{prompter, progress};
    exchange::ImportRoute(*db, (dir / "route.BRF").string(), {0, length}, {false, true, true}, interaction);

    auto start = std::chrono::steady_clock::now();
    if (!exchange::ExportIfc(*db, (dir / "viaduct.ifc").string(), interaction))
        std::fprintf(stderr, "ifc-export: failed: %s\n", prompter.texts().empty() ? "" : prompter.texts().back().c_str());
    const double ours = Seconds(start);
    start = std::chrono::steady_clock::now();
    exchange::ExportLandXml(*db, (dir / "viaduct.xml").string(), prompter);
    const double reference = Seconds(start);
    std::printf("ifc-export: ours=%.3f reference=%.3f ratio=%.2f\n", ours, reference, ours / reference);
    std::printf("ifc-export: file=%.1f MB\n", static_cast<double>(fs::file_size(dir / "viaduct.ifc")) / 1e6);
    fs::remove_all(dir);
    return 0;
}
