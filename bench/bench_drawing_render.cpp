// Renders the layout drawing of a generated 300-span viaduct (20 m T-beam spans, see viaduct_fixture.cpp)
// as DXF and SVG files, sheet after sheet. Prints "drawing: ours=<s> sheets=<n>" (target: ours <= 5 s on
// several sheets). The time covers the whole render: reading the model, laying out the sheets, writing
// the files. An optional argument scales the span count.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <unistd.h>

#include "drawing_render.h"
#include "viaduct_fixture.h"

int main(int argc, char** argv) {
    namespace fs = std::filesystem;
    const double scale = argc > 1 ? std::atof(argv[1]) : 1.0;
    const int spans = static_cast<int>(300 * scale);
    const fs::path dir = fs::temp_directory_path() / ("veltra-bench-drawing-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    bench::GenerateViaduct(dir / "viaduct.vlt", spans, 20);
    try {
        const auto start = std::chrono::steady_clock::now();
        const drawhost::RenderedDrawing drawn = drawhost::RenderDrawing((dir / "viaduct.vlt").string(), "桥型布置图",
                                                                        "桥型布置图", "Draw1", dir.string());
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        std::printf("drawing: ours=%.3f sheets=%zu spans=%d\n", seconds, drawn.sheets.size(), spans);
    } catch (const std::runtime_error& e) {
        std::fprintf(stderr, "drawing: %s\n", e.what());
        fs::remove_all(dir);
        return 1;
    }
    fs::remove_all(dir);
    return 0;
}
