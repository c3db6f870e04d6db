// The 3D view window: a click picks and names the member, a double click opens its table at its record, a
// change of the tables refreshes the view and keeps the camera, and the view exports a PNG of any size.
#include <QImage>
#include <QQuickWidget>

#include "bridge/bridge_fixture.h"
#include "view3d/ui/bridge_view_3d.h"

namespace view3d_test {
namespace {

TEST(View3dWindow, PicksOpensTheTableAndKeepsItsCameraWhenTheTablesChange) {
    bridge_test::Project p = bridge_test::ChainProject(9.77);
    std::vector<std::pair<std::string, int>> opened;
    CBridgeView3d window([&p]() -> std::optional<bridge::Bridge> { return p.Read(); },
                         [&opened](const std::string& table, int record) { opened.push_back({table, record}); });
    window.resize(900, 600);
    window.show();
    window.Look(view3d::StandardView::ElevationRight);
    window.SetPerspective(false);
    const int w = window.quickWidget()->width(), h = window.quickWidget()->height();

    // A pile of the end abutment, seen from the right of the route.
    const bridge::Bridge b = p.Read();
    const bridge::Support& end = b.supports[1];
    const view3d::Pixel at = window.camera().Project(window.scene()->ToScene(bridge_test::PileMiddle(b, end.index)), w, h);
    const int part = window.SelectAt(QPoint(int(at.x), int(at.y)));
    ASSERT_GE(part, 0);
    EXPECT_EQ(window.highlighted(), part);
    EXPECT_TRUE(window.statusText().startsWith("1号台 桩（多排桩基础信息表 第1条）")) << window.statusText().toStdString();
    window.OpenSelected();
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0], (std::pair<std::string, int>{projectdb::kMultiPileRowTable, 0}));
    // Nothing under the pixel: nothing selected, nothing opened.
    EXPECT_EQ(window.SelectAt(QPoint(2, 2)), -1);
    window.OpenSelected();
    EXPECT_EQ(opened.size(), 1u);

    // The user zoomed in; then the pile cap is made 0.5 m deeper: the view shows the new model as seen before.
    window.Orbit(10, 5);
    const view3d::Camera before = window.camera();
    const double pilesBefore = window.scene()->box().min.z;
    p.db->Execute("UPDATE [①类承台信息表] SET BearingPlatHeight = 2.0");
    window.Reload();
    EXPECT_DOUBLE_EQ(window.camera().yaw, before.yaw);
    EXPECT_DOUBLE_EQ(window.camera().distance, before.distance);
    EXPECT_NEAR(window.scene()->box().min.z, pilesBefore - 0.5, 1e-6);  // the piles hang 0.5 m lower
}

TEST(View3dWindow, ExportsAPictureOfTheChosenSize) {
    bridge_test::Project p = bridge_test::ChainProject(9.77);
    CBridgeView3d window([&p]() -> std::optional<bridge::Bridge> { return p.Read(); }, {});
    testing_support::TempDir dir;
    EXPECT_EQ(window.ExportPng(dir.file("view.png"), 640, 360), "");
    EXPECT_EQ(QImage(QString::fromStdString(dir.file("view.png"))).size(), QSize(640, 360));
    // A folder that does not exist: told, nothing written.
    EXPECT_NE(window.ExportPng(dir.file("none/view.png"), 640, 360), "");
}

}  // namespace
}  // namespace view3d_test
