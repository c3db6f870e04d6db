// Imports a LandXML alignment of 10,000 plan elements (line, spiral in, arc, spiral out, over and over) and
// 2,000 PVIs with parabolas into a new project; in the same run the route reference file import reads the same
// elements and turning points from a .BRF into another new project. Prints "landxml-import: ours=<s>
// reference=<s> ratio=<ours/reference>" (target: ours <= 1 s) and the time pugixml alone takes to parse the file.
#include <pugixml.hpp>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>
#include <unistd.h>

#include "bench_support.h"
#include "calc/plan_element.h"
#include "exchange/landxml_import.h"
#include "exchange/route_import.h"
#include "platform/interaction/scripted.h"
#include "projectdb/project_file.h"

namespace {

namespace fs = std::filesystem;

using bench::Seconds;

// Writes the LandXML file and the same route as a route reference file; returns the route's length.
double Generate(const fs::path& path, const fs::path& brfPath, int elements, int pvis) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    std::FILE* brf = std::fopen(brfPath.c_str(), "wb");
    std::fprintf(brf, "**PLAN**\r\n%d\r\n", elements);
    std::fputs("<?xml version=\"1.0\"?>\n<LandXML xmlns=\"http://www.landxml.org/schema/LandXML-1.2\" version=\"1.2\">\n"
               "<Units><Metric linearUnit=\"meter\" directionUnit=\"decimal degrees\" angularUnit=\"decimal degrees\"/></Units>\n"
               "<Alignments><Alignment name=\"BENCH\" staStart=\"0\"><CoordGeom>\n", f);
    calc::PlanElement e;
    e.x0 = 3400000;
    e.y0 = 500000;
    e.azimuth0 = 0.3;
    double stake = 0;
    for (int i = 0; i < elements; ++i) {
        const int kind = i % 4;
        const double sign = (i / 4) % 2 ? 1 : -1;
        e.type = kind == 0 ? calc::PlanElementType::Line : kind == 2 ? calc::PlanElementType::Arc : calc::PlanElementType::Clothoid;
        e.k0 = kind == 0 || kind == 1 ? 0 : sign / 1000;
        e.k1 = kind == 0 || kind == 3 ? 0 : sign / 1000;
        e.length = kind == 2 ? 150 : 100;
        const calc::PlanPoint end = calc::PointOnElement(e, e.length);
        const char* rot = sign > 0 ? "cw" : "ccw";
        if (kind == 0)
            std::fprintf(f, "<Line length=\"%.6f\"><Start>%.6f %.6f</Start><End>%.6f %.6f</End></Line>\n", e.length, e.x0,
                         e.y0, end.x, end.y);
        else if (kind == 2)
            std::fprintf(f,
                         "<Curve rot=\"%s\" radius=\"1000\" length=\"%.6f\"><Start>%.6f %.6f</Start><Center>%.6f %.6f</Center>"
                         "<End>%.6f %.6f</End></Curve>\n",
                         rot, e.length, e.x0, e.y0, e.x0 - sign * 1000 * std::sin(e.azimuth0),
                         e.y0 + sign * 1000 * std::cos(e.azimuth0), end.x, end.y);
        else {
            const double pi = (e.length / 2);  // the spiral's PI lies near its middle on the start tangent
            std::fprintf(f,
                         "<Spiral rot=\"%s\" spiType=\"clothoid\" length=\"%.6f\" radiusStart=\"%s\" radiusEnd=\"%s\">"
                         "<Start>%.6f %.6f</Start><PI>%.6f %.6f</PI><End>%.6f %.6f</End></Spiral>\n",
                         rot, e.length, kind == 1 ? "INF" : "1000", kind == 1 ? "1000" : "INF", e.x0, e.y0,
                         e.x0 + pi * std::cos(e.azimuth0), e.y0 + pi * std::sin(e.azimuth0), end.x, end.y);
        }
        std::fprintf(brf, "%.6f %.6f %.9f %.3f %.6f %.6f %.9f %.3f %.6f %.3f %.6f %d %d\r\n", e.y0, e.x0, e.azimuth0,
                     e.k0 ? 1000.0 : 0.0, end.y, end.x, end.azimuth, e.k1 ? 1000.0 : 0.0, e.length,
                     kind % 2 ? std::sqrt(100.0 * 1000) : 0.0, stake, kind == 0 ? 0 : sign > 0 ? 1 : -1,
                     kind == 0 ? 1 : kind == 2 ? 2 : 3);
        stake += e.length;
        e.x0 = end.x, e.y0 = end.y, e.azimuth0 = end.azimuth;
    }
    std::fputs("</CoordGeom><Profile><ProfAlign name=\"BENCH\">\n", f);
    std::fprintf(brf, "**VERT**\r\n%d\r\n", pvis);
    for (int i = 0; i < pvis; ++i) {
        const double at = stake * i / (pvis - 1), elevation = 100 + (i % 2) * 2.0;
        std::fprintf(brf, "JD%d %.6f %.6f %.3f\r\n", i + 1, at, elevation, i == 0 || i + 1 == pvis ? 0.0 : 60 / 0.0799);
        if (i == 0 || i + 1 == pvis)
            std::fprintf(f, "<PVI>%.6f %.6f</PVI>\n", at, elevation);
        else
            std::fprintf(f, "<ParaCurve length=\"60\">%.6f %.6f</ParaCurve>\n", at, elevation);
    }
    std::fputs("</ProfAlign></Profile></Alignment></Alignments></LandXML>\n", f);
    std::fputs("**DECK**\r\n", brf);
    std::fclose(f);
    std::fclose(brf);
    return stake;
}

}  // namespace

int main() {
    const fs::path dir = fs::temp_directory_path() / ("veltra-bench-landxml-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    const fs::path file = dir / "route.xml";
    const double length = Generate(file, dir / "route.BRF", 10000, 2000);

    auto db = projectdb::CreateProjectFile((dir / "ours.vlt").string());
    ui::ScriptedPrompter prompter;
    ui::SilentProgress progress;
    ui::Interaction interaction{prompter, progress};
    auto start = std::chrono::steady_clock::now();
    auto result = exchange::ImportLandXml(*db, file.string(), std::nullopt, {}, interaction);
    const double ours = Seconds(start);
    if (result.outcome != exchange::LandXmlOutcome::Imported || result.planRecords != 10000)
        std::fprintf(stderr, "landxml-import: not imported (%ld elements): %s\n", result.planRecords,
                     prompter.texts().empty() ? "" : prompter.texts().front().c_str());

    auto other = projectdb::CreateProjectFile((dir / "reference.vlt").string());
    start = std::chrono::steady_clock::now();
    auto brf = exchange::ImportRoute(*other, (dir / "route.BRF").string(), {0, length}, {false, true, true}, interaction);
    const double reference = Seconds(start);
    if (brf.horizontal.written != 10000 || brf.vertical.written != 2000)
        std::fprintf(stderr, "landxml-import: the route file import wrote %ld and %ld\n", brf.horizontal.written,
                     brf.vertical.written);

    start = std::chrono::steady_clock::now();
    pugi::xml_document xml;
    if (!xml.load_file(file.c_str())) std::fprintf(stderr, "landxml-import: pugixml failed\n");
    const double parse = Seconds(start);
    std::printf("landxml-import: ours=%.3f reference=%.3f ratio=%.2f\n", ours, reference, ours / reference);
    std::printf("landxml-import: pugixml parse alone=%.3f\n", parse);
    fs::remove_all(dir);
    return 0;
}
