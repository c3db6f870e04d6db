// The members of the bridge model in the IFC file: one element of the right kind per solid, its swept body of
// the model's volume, placed along the route where the model puts it, its NetVolume and its parts.
#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "bridge/bridge_fixture.h"
#include "exchange/ifc_export.h"
#include "exchange/ifc_members.h"
#include "step_reader.h"

namespace {

using step_test::Model;

// The area inside a closed IfcIndexedPolyCurve over its point list.
double Shoelace(const Model& m, int curve) {
    EXPECT_EQ(m.at(curve).type, "IFCINDEXEDPOLYCURVE");
    const auto& points = m.at(m.at(curve).args[0].ref).args[0].items;
    double twice = 0;
    for (std::size_t i = 0; i + 1 < points.size(); ++i) {
        const auto& a = points[i].items;
        const auto& b = points[i + 1].items;
        twice += a[0].number() * b[1].number() - b[0].number() * a[1].number();
    }
    return std::abs(twice) / 2;
}

// The volume the body of an element encloses: every extrusion's profile area (holes taken out) times its depth.
double BodyVolume(const Model& m, int element) {
    double volume = 0;
    const auto& shape = m.at(m.at(element).args[6].ref).args[2].items;
    for (const auto& rep : shape)
        for (const auto& item : m.at(rep.ref).args[3].items) {
            const auto& solid = m.at(item.ref).args;
            const auto& profile = m.at(solid[0].ref);
            double area = Shoelace(m, profile.args[2].ref);
            if (profile.type == "IFCARBITRARYPROFILEDEFWITHVOIDS")
                for (const auto& hole : profile.args[3].items) area -= Shoelace(m, hole.ref);
            volume += area * solid[3].number();
        }
    return volume;
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
        EXPECT_NEAR(BodyVolume(m, elements[i]), std::abs(s.volume), std::abs(s.volume) * 1e-3);
        EXPECT_NEAR(netVolume[elements[i]], std::abs(s.volume), std::abs(s.volume) * 1e-3);
        // the first extrusion starts at the path's start, seen through the element's placement
        const auto& linear = m.at(m.at(elements[i]).args[5].ref);
        ASSERT_EQ(linear.type, "IFCLINEARPLACEMENT");
        const auto& cartesian = m.at(linear.args[2].ref).args;
        const auto o = Coordinates(m, cartesian[0].ref);
        const auto x = m.at(cartesian[2].ref).args[0].items;
        const double c = x[0].number(), sn = x[1].number();
        const auto& first = m.at(m.at(m.at(m.at(m.at(elements[i]).args[6].ref).args[2].items[0].ref).args[3].items[0].ref).args[1].ref).args;
        const auto local = Coordinates(m, first[0].ref);
        // no false origin here: the fixture's route is not on the national grid
        EXPECT_NEAR(o[0] + c * local[0] - sn * local[1], s.path[0].y, 1e-3);
        EXPECT_NEAR(o[1] + sn * local[0] + c * local[1], s.path[0].x, 1e-3);
        EXPECT_NEAR(o[2] + local[2], s.path[0].z, 1e-3);
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
