// The scene of a bridge: the camera frames it and steers as CAD users expect, a pixel picks the member under
// it with its table and record, findings mark their members, and a plan picture shows the deck where the
// model's outline is.
#include <QImage>

#include <cmath>
#include <cstdlib>
#include <filesystem>

#include "bridge/bridge_fixture.h"
#include "silhouette.h"
#include "view3d/picture.h"

namespace view3d_test {
namespace {

using bridge_test::Project;
using view3d::Camera;
using view3d::StandardView;

TEST(View3dCamera, FitFramesTheBoxFromEverySide) {
    view3d::Box box;
    box.Add({-40, -6, -20});
    box.Add({40, 6, 5});
    for (bool perspective : {false, true})
        for (StandardView view : {StandardView::Plan, StandardView::ElevationRight, StandardView::ElevationLeft,
                                  StandardView::Iso}) {
            SCOPED_TRACE(static_cast<int>(view) + 10 * perspective);
            Camera c;
            c.perspective = perspective;
            c.Look(view, {1, 0, 0});
            c.Fit(box, 1.6);
            double left = 1e9, right = -1e9, top = 1e9, bottom = -1e9;
            for (int k = 0; k < 8; ++k) {
                const view3d::Pixel p = c.Project({k & 1 ? 40. : -40., k & 2 ? 6. : -6., k & 4 ? 5. : -20.}, 1600, 1000);
                left = std::min(left, p.x), right = std::max(right, p.x);
                top = std::min(top, p.y), bottom = std::max(bottom, p.y);
            }
            EXPECT_GE(left, 0);
            EXPECT_LE(right, 1600);
            EXPECT_GE(top, 0);
            EXPECT_LE(bottom, 1000);
            // Filling the picture one way or the other (5 % margin, more in perspective).
            EXPECT_GT(std::max((right - left) / 1600, (bottom - top) / 1000), perspective ? 0.6 : 0.9);
        }
    // Plan: the bridge (along x, east) runs left to right, north up.
    Camera plan;
    plan.perspective = false;
    plan.Look(StandardView::Plan, {1, 0, 0});
    plan.Fit(box, 1.6);
    EXPECT_LT(plan.Project({-40, 0, 0}, 1600, 1000).x, plan.Project({40, 0, 0}, 1600, 1000).x);
    EXPECT_LT(plan.Project({0, 6, 0}, 1600, 1000).y, plan.Project({0, -6, 0}, 1600, 1000).y);
}

TEST(View3dCamera, ZoomKeepsThePointUnderTheCursorAndOrbitStopsAtTheTop) {
    for (bool perspective : {false, true}) {
        Camera c;
        c.perspective = perspective;
        c.yaw = 20;
        c.pitch = 35;
        c.distance = 200;
        c.target = {10, 5, 0};
        // The point of the target's plane under pixel (300, 200).
        view3d::Vec3 o, d;
        c.Ray(300, 200, 1000, 800, o, d);
        const double t = view3d::Dot(c.target - o, c.Forward()) / view3d::Dot(d, c.Forward());
        const view3d::Vec3 under = o + t * d;
        c.ZoomAt(0.5, 300, 200, 1000, 800);
        const view3d::Pixel p = c.Project(under, 1000, 800);
        EXPECT_NEAR(p.x, 300, 1e-6);
        EXPECT_NEAR(p.y, 200, 1e-6);
        EXPECT_NEAR(c.distance, 100, 1e-9);
    }
    Camera c;
    c.pitch = 80;
    c.Orbit(0, 30);
    EXPECT_DOUBLE_EQ(c.pitch, 90);
}

TEST(View3dScene, PickingNamesTheMemberItsTableAndRecord) {
    Project p = bridge_test::ChainProject(9.77);
    const bridge::Bridge b = p.Read();
    const view3d::Scene scene(b);
    const Camera elevation = view3d::FramedCamera(scene, StandardView::ElevationRight, 1.6, false);
    const Camera plan = view3d::FramedCamera(scene, StandardView::Plan, 1.6, false);
    auto pickAt = [&](const Camera& c, bridge::Point3 world) {
        const view3d::Pixel px = c.Project(scene.ToScene(world), 1600, 1000);
        const auto hit = scene.PickAt(c, px.x, px.y, 1600, 1000);
        return hit ? hit->part : -1;
    };
    // The end abutment (support 1 at stake 1020, X 1220 on the northward route at Y 500): a pile below the
    // pile cap, seen from the right (east) of the route; the deck above it, seen from above.
    const bridge::Support& end = b.supports[1];
    const int pile = pickAt(elevation, bridge_test::PileMiddle(b, end.index));
    ASSERT_GE(pile, 0);
    const auto& m = scene.parts()[pile].mesh;
    EXPECT_EQ(m.member, "桩");
    EXPECT_EQ(m.support, 1);
    EXPECT_EQ(m.table, projectdb::kMultiPileRowTable);
    EXPECT_EQ(m.record, 0);
    EXPECT_NE(scene.Describe(pile).find("多排桩基础信息表 第1条"), std::string::npos) << scene.Describe(pile);
    const int deck = pickAt(plan, {1010 + 200, 500 + 3, 101});
    ASSERT_GE(deck, 0);
    EXPECT_EQ(scene.parts()[deck].mesh.kind, bridge::MeshKind::Deck);
    // Beside the ground strip nothing is hit.
    EXPECT_EQ(pickAt(plan, {1010 + 200, 500 + 200, 101}), -1);
}

TEST(View3dScene, FindingsMarkTheMembersOfTheirSupport) {
    // Ribs 3 m too tall: the end abutment's cap reaches into the slabs.
    Project p = bridge_test::ChainProject(12.77);
    const bridge::Bridge b = p.Read();
    ASSERT_NE(bridge_test::FindingOf(b, "CAP_ABOVE_GIRDER"), nullptr);
    const view3d::Scene scene(b);
    int marked = 0;
    for (const view3d::Part& part : scene.parts()) {
        if (part.mesh.support == 1) {
            EXPECT_EQ(part.severity, 'E') << part.mesh.member;
        } else if (part.mesh.support == 0) {
            EXPECT_NE(part.severity, 'E') << part.mesh.member;
        }
        marked += part.severity == 'E';
    }
    EXPECT_GE(marked, 4);  // cap, two ribs, pile cap, piles
}

// The deck of a plan picture where the model's outline is.
void ExpectDeckOnItsOutline(const bridge::Bridge& b, const view3d::Scene& scene, const Camera& camera,
                            const QImage& image) {
    const int w = image.width(), h = image.height();
    const auto outlines = DeckOutlines(b, scene, camera, w, h);
    // The deck's colour: what the middle of the first deck, a metre off its centre line, is drawn in.
    const bridge::Deck& d = b.decks.front();
    const double middle = (b.supports.front().station + b.supports.back().station) / 2;
    const calc::RoutePoint m = b.site.route->Evaluate(middle + 0.5, d.offset + 1);
    const view3d::Pixel at = camera.Project(scene.ToScene({m.x, m.y, b.site.DeckAt(middle, d.offset)}), w, h);
    const QRgb deck = image.pixel(static_cast<int>(at.x), static_cast<int>(at.y));
    const view3d::Rgb red = view3d::Scene::ColourOf(scene.parts().back().mesh);
    const int off = PixelsOffTheOutline(
        outlines, w, h,
        [&](int x, int y) {
            // The two sides of the cross slope and the grades are lit a little differently.
            const QRgb c = image.pixel(x, y);
            return std::abs(qRed(c) - qRed(deck)) < 25 && std::abs(qGreen(c) - qGreen(deck)) < 25 &&
                   std::abs(qBlue(c) - qBlue(deck)) < 25;
        },
        [&](int x, int y) {
            const QRgb c = image.pixel(x, y);
            return qRed(c) == red.r && qGreen(c) == red.g && qBlue(c) == red.b;
        });
    EXPECT_EQ(off, 0);
}

QImage ToQImage(const view3d::Image& i) {
    return QImage(i.rgb.data(), i.width, i.height, 3 * i.width, QImage::Format_RGB888).copy();
}

TEST(View3dPicture, PlanShowsTheDecksOfACurvedAndADividedBridgeOnTheirOutlines) {
    bridge_test::ProjectSpec curved;
    curved.sections = {{"装配式简支空心板桥", "4", "20"}};
    curved.arcFrom1000 = true;
    bridge_test::ProjectSpec divided;
    divided.general = {{"TransectType", "分离式(左右半桥相同)"}, {"LeftBridgeWidth", "11"}, {"DividerWidth", "1"}};
    for (const auto* spec : {&curved, &divided}) {
        Project p = bridge_test::MakeProject(*spec);
        const bridge::Bridge b = p.Read();
        const view3d::Scene scene(b);
        const Camera plan = view3d::FramedCamera(scene, StandardView::Plan, 1.6, false);
        ExpectDeckOnItsOutline(b, scene, plan, ToQImage(view3d::Render(scene, plan, 1600, 1000)));
    }
}

// The command line's plan picture of the sample bridge, read back by Qt's PNG reader.
TEST(View3dPicture, CommandLinePlanOfTheSampleBridge) {
    testing_support::TempDir dir;
    const std::string project = dir.file("sample.vlt"), png = dir.file("plan.png");
    const std::string cli = VELTRA_CLI;
    ASSERT_EQ(std::system(("bash " VELTRA_SOURCE_DIR "/scripts/make-sample.sh '" + cli + "' '" + project + "' >/dev/null").c_str()), 0);
    ASSERT_EQ(std::system(("'" + cli + "' view3d '" + project + "' '" + png + "' --view plan --size 1600x1000").c_str()), 0);
    QImage image(QString::fromStdString(png));
    ASSERT_EQ(image.size(), QSize(1600, 1000));
    auto db = dao::Database::Open(project, true);
    const bridge::Bridge b = bridge::ReadBridge(*db);
    const view3d::Scene scene(b);
    ExpectDeckOnItsOutline(b, scene, view3d::FramedCamera(scene, StandardView::Plan, 1.6, false),
                           image.convertToFormat(QImage::Format_RGB32));
    // A size that is not one is refused with the reason, and nothing is written.
    EXPECT_NE(std::system(("'" + cli + "' view3d '" + project + "' '" + dir.file("x.png") + "' --size 1600 2>/dev/null").c_str()), 0);
    EXPECT_FALSE(std::filesystem::exists(dir.file("x.png")));
}

}  // namespace
}  // namespace view3d_test
