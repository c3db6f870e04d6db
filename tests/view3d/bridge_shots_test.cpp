// Pictures to look at: with VELTRA_SHOTS naming a folder, a skewed, a divided, a continuous and a curved
// bridge are saved there as projects (for the window: bench_view3d --project) and as the command line's
// pictures from iso, plan and elevation.
#include <QDir>
#include <filesystem>

#include "bridge/bridge_fixture.h"
#include "view3d/picture.h"

namespace view3d_test {
namespace {

TEST(View3dShots, SkewedDividedContinuousAndCurvedBridges) {
    const QString folder = qEnvironmentVariable("VELTRA_SHOTS");
    if (folder.isEmpty()) GTEST_SKIP() << "VELTRA_SHOTS names no folder";
    QDir().mkpath(folder);
    using bridge_test::ProjectSpec;
    using bridge_test::Rows;
    using bridge_test::SupportRow;
    auto abutment = [](const std::string& stake, const std::string& angle) {
        return std::vector<std::string>{stake, "1类台帽", "肋板式台身", "1类承台", "多排桩基础", "100", "110", angle, "0"};
    };
    ProjectSpec skewed;
    skewed.sections = {{"装配式简支空心板桥", "3", "20"}};
    skewed.supports = Rows{abutment("1000", "60"), SupportRow("1020", "60"), SupportRow("1040", "60"), abutment("1060", "60")};
    ProjectSpec divided;
    divided.general = {{"TransectType", "分离式(左右半桥相同)"}, {"LeftBridgeWidth", "11"}, {"DividerWidth", "2"}};
    divided.sections = {{"装配式简支T梁桥", "3", "20"}};
    ProjectSpec continuous;
    continuous.sections = {{"连续等截面箱梁桥", "3", "30"}};
    continuous.ground = {{900, 95}, {1030, 80}, {1060, 82}, {1200, 96}};
    ProjectSpec curved;
    curved.sections = {{"装配式简支空心板桥", "6", "20"}};
    curved.arcFrom1000 = true;
    const std::pair<const char*, const ProjectSpec*> bridges[] = {
        {"skewed", &skewed}, {"divided", &divided}, {"continuous", &continuous}, {"curved", &curved}};
    const std::pair<const char*, view3d::StandardView> views[] = {
        {"iso", view3d::StandardView::Iso}, {"plan", view3d::StandardView::Plan},
        {"elevation", view3d::StandardView::ElevationRight}};
    for (const auto& [name, spec] : bridges) {
        bridge_test::Project p = bridge_test::MakeProject(*spec);
        const bridge::Bridge b = p.Read();
        const view3d::Scene scene(b);
        for (const auto& [side, view] : views) {
            const auto camera = view3d::FramedCamera(scene, view, 1.6, view == view3d::StandardView::Iso);
            const std::string file = (folder + "/" + name + "-" + side + ".png").toStdString();
            EXPECT_EQ(view3d::WritePng(view3d::Render(scene, camera, 1600, 1000), file), "");
        }
        p.db.reset();
        std::filesystem::copy_file(p.dir->file("bridge.vlt"), (folder + "/" + name + ".vlt").toStdString(),
                                   std::filesystem::copy_options::overwrite_existing);
    }
}

}  // namespace
}  // namespace view3d_test
