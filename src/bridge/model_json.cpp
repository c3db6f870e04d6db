#include "bridge/model_json.h"

#include <cmath>
#include <nlohmann/json.hpp>

#include "platform/text/cformat.h"

namespace bridge {

namespace {

using Json = nlohmann::ordered_json;

double Mm(double v) { return std::round(v * 1000) / 1000; }
double Deg(double v) { return std::round(v * 1e6) / 1e6; }

Json FindingJson(const Finding& f) {
    Json j = {{"code", f.code}, {"severity", std::string(1, f.severity)}, {"text", f.text}};
    if (!f.table.empty()) j["table"] = f.table;
    if (f.record >= 0) j["record"] = f.record;
    return j;
}

Json SupportJson(const Support& s) {
    const VerticalChain& c = s.chain;
    Json bearings = Json::array();
    for (const BearingLine& l : s.bearings) bearings.push_back({{"station", Mm(l.station)}, {"deck_z", Mm(l.deckZ)}});
    Json columns = Json::array();
    for (const Column& col : s.columns)
        columns.push_back({{"offset", Mm(col.offset)},
                           {"x", Mm(col.plan.x)},
                           {"y", Mm(col.plan.y)},
                           {"ground_z", Mm(col.groundZ)},
                           {"ground_known", col.groundKnown}});
    const Foundation& f = s.foundation;
    return {{"index", s.index},
            {"kind", s.KindText()},
            {"station", Mm(s.station)},
            {"skew", Deg(s.skew)},
            {"deck_z", Mm(s.deckZ)},
            {"ground_z", Mm(s.groundZ)},
            {"pavement", Mm(c.pavement.value)},
            {"girder_depth", Mm(c.girderDepth)},
            {"bearing", Mm(c.bearing.value)},
            {"cap_top_z", Mm(c.capTopZ)},
            {"cap_height", Mm(c.capHeight)},
            {"column_length", Mm(c.bodyLength)},
            {"connection_top_z", Mm(c.connectionTopZ)},
            {"foundation",
             {{"kind", f.kind},
              {"type", f.type},
              {"pile_length", Mm(f.pileLength)},
              {"pile_count", f.pileCount},
              {"pile_diameter", Mm(f.pileDiameter)},
              {"top_z", Mm(f.topZ)},
              {"tip_z", Mm(f.tipZ)},
              {"proposed", f.proposed}}},
            {"crossing_angle", Deg(s.crossingAngle)},
            {"x", Mm(s.centre.x)},
            {"y", Mm(s.centre.y)},
            {"ground_known", s.groundKnown},
            {"seat_z", Mm(c.seatZ)},
            {"miss", Mm(c.Miss())},
            {"connection_height", Mm(c.connectionHeight)},
            {"cover", Mm(c.cover)},
            {"connection_ground_z", Mm(c.groundZ)},
            {"members_proposed", c.proposed},
            {"pavement_source", c.pavement.source},
            {"bearing_source", c.bearing.source},
            {"bearings", bearings},
            {"columns", columns},
            {"types", {s.capType, s.bodyType, s.connectType, s.foundationType}}};
}

}  // namespace

std::string ModelJson(const Bridge& b) {
    Json decks = Json::array();
    for (const Deck& d : b.decks)
        decks.push_back({{"side", d.SideText()}, {"width", Mm(d.width)}, {"offset", Mm(d.offset)}, {"designed", d.designed}});
    Json units = Json::array();
    for (const Unit& u : b.units) units.push_back({{"spans", u.spans}, {"type", u.type}, {"continuous", u.continuous}});
    Json spans = Json::array();
    for (const Superstructure& g : b.superstructures) {
        const Span& s = b.spans[g.span];
        spans.push_back({{"index", s.index},
                         {"type", s.structureType},
                         {"length", Mm(s.length)},
                         {"start", Mm(s.startStation)},
                         {"end", Mm(s.endStation)},
                         {"depth", Mm(g.depth)},
                         {"start_depth", Mm(g.startDepth)},
                         {"end_depth", Mm(g.endDepth)},
                         {"beam_count", g.beamCount},
                         {"beam_spacing", Mm(g.beamSpacing)},
                         {"box_cells", g.boxCells},
                         {"voids", g.voids},
                         {"proposed", g.proposed}});
    }
    Json supports = Json::array();
    for (const Support& s : b.supports) supports.push_back(SupportJson(s));
    Json solids = Json::array();
    for (const Solid& s : b.solids) {
        Json j = {{"member", s.member}, {"area", Mm(s.area)}, {"volume", Mm(s.volume)}};
        if (s.support >= 0) j["support"] = s.support;
        if (s.span >= 0) j["span"] = s.span;
        solids.push_back(std::move(j));
    }
    Json findings = Json::array();
    for (const Finding& f : b.findings) findings.push_back(FindingJson(f));
    // The precast beams, bearings and pavement: each with where it is and its volume.
    Json beams = Json::array(), bearings = Json::array(), pavements = Json::array();
    for (const PrecastUnit& u : b.deckMembers.units)
        beams.push_back({{"span", u.span}, {"index", u.index}, {"member", u.solid.member}, {"offset", Mm(u.offset)},
                         {"width", Mm(u.width)}, {"volume", Mm(u.solid.volume)}});
    for (const Bearing& r : b.deckMembers.bearings)
        bearings.push_back({{"support", r.support}, {"span", r.span}, {"member", r.solid.member}, {"station", Mm(r.station)},
                            {"offset", Mm(r.offset)}, {"height", Mm(r.height.value)}, {"size", r.size},
                            {"top", Mm(r.solid.path.back().z)}});
    for (const Pavement& p : b.deckMembers.pavements)
        pavements.push_back({{"span", p.span}, {"thickness", Mm(p.thickness.value)}, {"source", p.thickness.source},
                             {"volume", Mm(p.solid.volume)}});
    Json doc = {{"length", Mm(b.length)},
                {"decks", decks},
                {"units", units},
                {"supports", supports},
                {"findings", findings},
                {"name", b.name},
                {"design_line_offset", Mm(b.site.designLineOffset)},
                {"spans", spans},
                {"solids", solids},
                {"deck_members", {{"precast_units", beams}, {"bearings", bearings}, {"pavement", pavements}}}};
    return doc.dump(1) + "\n";
}

std::string FindingLine(const Finding& f) { return std::string(1, f.severity) + " " + f.code + " " + f.text; }

std::string ModelText(const Bridge& b) {
    std::string out = text::Format("桥梁全长 %.3f m\n", b.length);
    for (const Deck& d : b.decks)
        out += text::Format("桥面 %s 宽 %.3f 偏距 %.3f%s\n", d.SideText(), d.width, d.offset, d.designed ? " 设计" : "");
    for (const Unit& u : b.units)
        out += text::Format("联 第%d～%d跨 %s%s\n", u.spans.front() + 1, u.spans.back() + 1, u.type.c_str(),
                            u.continuous ? " 连续" : "");
    out += "墩台\t桩号\t斜角\t桥面\t地面\t铺装\t梁高\t支座\t帽梁顶\t帽梁高\t墩身\t基顶\t桩长\t桩底\n";
    for (const Support& s : b.supports) {
        const VerticalChain& c = s.chain;
        out += text::Format("%d%s\t%.3f\t%.3f\t%.3f\t%.3f\t%.3f\t%.3f\t%.3f\t%.3f\t%.3f\t%.3f\t%.3f\t%.3f\t%.3f\n",
                            s.index, s.KindText(), s.station, s.skew, s.deckZ, s.groundZ, c.pavement.value,
                            c.girderDepth, c.bearing.value, c.capTopZ, c.capHeight, c.bodyLength, c.connectionTopZ,
                            s.foundation.pileLength, s.foundation.tipZ);
    }
    for (const Finding& f : b.findings) out += FindingLine(f) + "\n";
    return out;
}

}  // namespace bridge
