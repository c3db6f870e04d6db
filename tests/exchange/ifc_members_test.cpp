// The members of the bridge model in the IFC file: one element of the right kind per solid, its triangulated
// body of the model's volume, placed along the route where the model puts it, its NetVolume and its parts.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <map>

#include "bridge/bridge_fixture.h"
#include "bridge/tessellation.h"
#include "exchange/ifc_export.h"
#include "exchange/ifc_members.h"
#include "step_reader.h"

namespace {

using step_test::Model;

// The corners of an element's triangulated body, in the element's frame.
std::vector<std::array<double, 3>> Corners(const Model& m, int faceSet) {
    std::vector<std::array<double, 3>> out;
    for (const auto& p : m.at(m.at(faceSet).args[0].ref).args[0].items)
        out.push_back({p.items[0].number(), p.items[1].number(), p.items[2].number()});
    return out;
}

int FaceSet(const Model& m, int element) {
    const auto& rep = m.at(m.at(m.at(element).args[6].ref).args[2].items[0].ref);
    EXPECT_EQ(rep.args[2].text, "Tessellation");
    const int item = rep.args[3].items[0].ref;
    EXPECT_EQ(m.at(item).type, "IFCTRIANGULATEDFACESET");
    return item;
}

// The volume a closed triangle mesh encloses, positive when its triangles run counter-clockwise seen from
// outside (the right-hand rule the file's coordinates follow).
double BodyVolume(const Model& m, int element) {
    const int faceSet = FaceSet(m, element);
    const auto corners = Corners(m, faceSet);
    const auto& o = corners.front();
    double six = 0;
    for (const auto& t : m.at(faceSet).args[3].items) {
        std::array<double, 3> p[3];
        for (int k = 0; k < 3; ++k) {
            const auto& c = corners.at(static_cast<std::size_t>(t.items[k].number()) - 1);
            p[k] = {c[0] - o[0], c[1] - o[1], c[2] - o[2]};
        }
        six += p[0][0] * (p[1][1] * p[2][2] - p[1][2] * p[2][1]) - p[0][1] * (p[1][0] * p[2][2] - p[1][2] * p[2][0]) +
               p[0][2] * (p[1][0] * p[2][1] - p[1][1] * p[2][0]);
    }
    return six / 6;
}

// A support's line in plan, along which its vertical members are turned.
bridge::Point2 Across(const bridge::Bridge& b, const bridge::Solid& s) {
    for (const auto& sp : b.supports)
        if (sp.index == s.support) {
            const double dx = sp.lineRight.x - sp.lineLeft.x, dy = sp.lineRight.y - sp.lineLeft.y;
            return {dx / std::hypot(dx, dy), dy / std::hypot(dx, dy)};
        }
    return {0, 1};
}

std::vector<double> Coordinates(const Model& m, int point) {
    std::vector<double> out;
    for (const auto& v : m.at(point).args[0].items) out.push_back(v.number());
    return out;
}

TEST(IfcMembers, EveryModelSolidIsOneElementOfItsKindVolumeAndPlace) {
    bridge_test::ProjectSpec spec;
    spec.sections = {{"装配式简支空心板桥", "3", "20"}};
    bridge_test::Project project = bridge_test::MakeProject(spec);
    const bridge::Bridge model = project.Read();
    ASSERT_GT(model.solids.size(), 10u);
    std::string problem;
    const Model m = step_test::Parse(exchange::IfcText(*project.db, "b.ifc", {"2026-01-01T00:00:00", ""}, problem));
    ASSERT_EQ(problem, "");

    // the kinds the model's members become
    std::map<std::string, int> expected, written;
    const auto solids = exchange::ExportedSolids(model);
    for (const auto* s : solids) ++expected[exchange::MemberKind(*s, model).entity];
    for (const auto& [type, count] : expected) EXPECT_EQ(m.ofType(type).size(), static_cast<std::size_t>(count)) << type;
    // A 12 m deck of standard 1.25 m slabs is ten slabs (12 / 1.25 = 9.6) in each of three spans, and four caps;
    // two bearings a slab; the pavement of each span.
    EXPECT_EQ(expected["IFCBEAM"], 3 * 10 + 4);
    EXPECT_EQ(expected["IFCBEARING"], 3 * 10 * 2);
    EXPECT_EQ(expected["IFCSLAB"], 3);
    EXPECT_GT(expected["IFCPILE"], 0);
    EXPECT_EQ(m.ofType("IFCBRIDGEPART").size(), 3u + model.supports.size());

    // In file order the elements follow the model's solids: volume, NetVolume, and the body where the path runs.
    std::vector<int> elements;
    for (const auto& [id, instance] : m.instances)
        if (expected.count(instance.type)) elements.push_back(id);
    ASSERT_EQ(elements.size(), solids.size());
    std::map<int, double> netVolume;
    for (int q : m.ofType("IFCELEMENTQUANTITY")) {
        const double v = m.at(m.at(q).args[5].items[0].ref).args[3].number();
        for (int rel : m.ofType("IFCRELDEFINESBYPROPERTIES"))
            if (m.at(rel).args[5].ref == q) netVolume[m.at(rel).args[4].items[0].ref] = v;
    }
    for (std::size_t i = 0; i < elements.size(); ++i) {
        const bridge::Solid& s = *solids[i];
        SCOPED_TRACE(s.member + " " + std::to_string(i));
        EXPECT_EQ(m.at(elements[i]).type, exchange::MemberKind(s, model).entity);
        EXPECT_NEAR(BodyVolume(m, elements[i]), s.volume, s.volume * 1e-3);
        EXPECT_NEAR(netVolume[elements[i]], std::abs(s.volume), std::abs(s.volume) * 1e-3);
        // the body's corners, seen through the element's placement, are the model's mesh of the member
        const auto& linear = m.at(m.at(elements[i]).args[5].ref);
        ASSERT_EQ(linear.type, "IFCLINEARPLACEMENT");
        const auto& cartesian = m.at(linear.args[2].ref).args;
        const auto o = Coordinates(m, cartesian[0].ref);
        const auto x = m.at(cartesian[2].ref).args[0].items;
        const double c = x[0].number(), sn = x[1].number();
        const auto corners = Corners(m, FaceSet(m, elements[i]));
        const bridge::Mesh mesh = bridge::SweepSolid(s, Across(model, s));
        ASSERT_EQ(corners.size(), mesh.vertices.size());
        for (std::size_t k = 0; k < corners.size(); k += 7) {
            const auto& l = corners[k];
            // no false origin here: the fixture's route is not on the national grid
            EXPECT_NEAR(o[0] + c * l[0] - sn * l[1], mesh.vertices[k].y, 1e-3);
            EXPECT_NEAR(o[1] + sn * l[0] + c * l[1], mesh.vertices[k].x, 1e-3);
            EXPECT_NEAR(o[2] + l[2], mesh.vertices[k].z, 1e-3);
        }
        // and along the route: the route runs due north from stake 800, so distance along is stake − 800
        const auto& byDistance = m.at(m.at(linear.args[1].ref).args[0].ref).args;
        const double station = s.span >= 0 ? model.spans[s.span].startStation : model.supports[s.support].station;
        EXPECT_NEAR(byDistance[0].number(), station - 800, 1e-6);
    }
    // every element is positioned by the alignment
    const auto& positions = m.at(m.ofType("IFCRELPOSITIONS")[0]).args[5].items;
    EXPECT_EQ(positions.size(), elements.size() + 1);
}

}  // namespace
