// Opens the 3D view on a generated viaduct of 2,000 T-beam spans (or a project named with --project) and
// orbits it: prints "view3d: spans=<n> triangles=<n> open=<s> fps=<f> still-fps=<f>" (targets: open <= 2 s
// from reading the project to the first picture, >= 20 frames per second while orbiting; still-fps is the
// whole bridge redrawn, as when the camera stops). Run it under xvfb-run for
// software rendering (bench/view3d.sh). --shot FILE saves the window after opening (--view iso|plan|
// elevation|elevation-left chooses the side), for looking at the pictures.
#include <QApplication>
#include <QImage>
#include <QQuickWidget>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <unistd.h>

#include "bench_support.h"
#include "bridge/bridge_model.h"
#include "platform/dao/database.h"
#include "view3d/ui/bridge_view_3d.h"
#include "viaduct_fixture.h"

namespace {

using bench::Seconds;

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    int spans = 2000;
    std::string project, shot, view = "iso";
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string a = argv[i];
        if (a == "--spans") spans = std::atoi(argv[i + 1]);
        else if (a == "--project") project = argv[i + 1];
        else if (a == "--shot") shot = argv[i + 1];
        else if (a == "--view") view = argv[i + 1];
    }
    std::filesystem::path dir;
    if (project.empty()) {
        dir = std::filesystem::temp_directory_path() / ("veltra-bench-view3d-" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir);
        project = (dir / "viaduct.vlt").string();
        bench::GenerateViaduct(project, spans, 20);
    }
    auto db = dao::Database::Open(project, true);

    const auto start = std::chrono::steady_clock::now();
    CBridgeView3d window([&db]() -> std::optional<bridge::Bridge> { return bridge::ReadBridge(*db); }, {});
    window.resize(1200, 800);
    window.show();
    if (view == "plan") window.Look(view3d::StandardView::Plan);
    else if (view == "elevation") window.Look(view3d::StandardView::ElevationRight);
    else if (view == "elevation-left") window.Look(view3d::StandardView::ElevationLeft);
    else window.Look(view3d::StandardView::Iso);
    QImage first = window.quickWidget()->grabFramebuffer();
    const double open = Seconds(start);

    if (!shot.empty()) {
        QApplication::processEvents();
        window.grab().save(QString::fromStdString(shot));
        if (!dir.empty()) std::filesystem::remove_all(dir);
        return first.isNull() ? 1 : 0;
    }
    // The orbit as a drag does it: the camera moves, the members of a large bridge step aside.
    const int frames = 40;
    window.SetMoving(true);
    window.quickWidget()->grabFramebuffer();
    const auto orbit = std::chrono::steady_clock::now();
    for (int k = 0; k < frames; ++k) {
        window.Orbit(3, 0);
        window.quickWidget()->grabFramebuffer();
    }
    const double fps = frames / Seconds(orbit);
    // The whole bridge, as the picture is when the camera stops.
    window.SetMoving(false);
    const auto still = std::chrono::steady_clock::now();
    for (int k = 0; k < 5; ++k) {
        window.Orbit(3, 0);
        window.quickWidget()->grabFramebuffer();
    }
    const double stillFps = 5 / Seconds(still);
    std::printf("view3d: spans=%d triangles=%zu open=%.2f fps=%.1f still-fps=%.1f%s\n", spans,
                window.scene()->triangleCount(), open, fps, stillFps, first.isNull() ? " (no picture: no OpenGL)" : "");
    if (!dir.empty()) std::filesystem::remove_all(dir);
    return 0;
}
