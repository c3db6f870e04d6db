#include "exchange/landxml_superelevation.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <string_view>

#include "platform/text/cformat.h"

namespace exchange {
namespace {

constexpr double kStationTolerance = 1e-6;
constexpr const char* kFeatureCode = "crossSlope";

std::string_view LocalName(const pugi::xml_node& node) {
    std::string_view name = node.name();
    auto colon = name.find(':');
    return colon == std::string_view::npos ? name : name.substr(colon + 1);
}

std::optional<double> Attribute(const pugi::xml_node& node, const char* name) {
    pugi::xml_attribute a = node.attribute(name);
    if (!a || !*a.value()) return std::nullopt;
    char* end = nullptr;
    const double value = std::strtod(a.value(), &end);
    if (end == a.value() || *end) return std::nullopt;
    return value;
}

// The curvature of the route at `stake`; 0 off the elements.
double CurvatureAt(const std::vector<calc::PlanElement>& elements, double stake) {
    for (const calc::PlanElement& e : elements) {
        if (stake < e.startStake || stake > e.startStake + e.length) continue;
        const double t = e.length > 0 ? (stake - e.startStake) / e.length : 0;
        return e.type == calc::PlanElementType::Clothoid ? e.k0 + (e.k1 - e.k0) * t : e.k0;
    }
    return 0;
}

// Our own records: the exact slopes ride along as a Feature.
std::optional<calc::SlopeSegment> OwnRecord(const pugi::xml_node& node, double metres) {
    for (pugi::xml_node feature : node.children()) {
        if (LocalName(feature) != "Feature" || std::string_view(feature.attribute("code").value()) != kFeatureCode)
            continue;
        std::optional<double> left, right;
        for (pugi::xml_node p : feature.children()) {
            const std::string_view label = p.attribute("label").value();
            if (label == "leftSlope") left = Attribute(p, "value");
            if (label == "rightSlope") right = Attribute(p, "value");
        }
        auto start = Attribute(node, "staStart"), end = Attribute(node, "staEnd");
        if (!left || !right || !start || !end) return std::nullopt;
        return calc::SlopeSegment{*start * metres, *end * metres, *left, *right};
    }
    return std::nullopt;
}

class CurveReader {
public:
    CurveReader(const pugi::xml_node& node, double metres, int index, std::vector<std::string>& refusals)
        : node_(node), metres_(metres), index_(index), refusals_(refusals) {}

    // Appends the records of one superelevated curve; false after a refusal.
    bool Read(const std::vector<calc::PlanElement>& elements, LandXmlSlopes& out) {
        auto e = Attribute(node_, "fullSuperelev");
        auto full = Station("fullSuperSta", "staStart");
        auto runoff = Station("runoffSta", "staEnd");
        if (!e) return Refuse("缺少全超高值 fullSuperelev");
        if (!full || !runoff) return Refuse("缺少全超高段的起止桩号 fullSuperSta / runoffSta");
        if (*runoff < *full - kStationTolerance) return Refuse("全超高段的终点在起点之前");
        const double k = CurvatureAt(elements, (*full + *runoff) / 2);
        if (k == 0) return Refuse("全超高段不在曲线上，不能确定向哪一侧超高");
        // The outside of a right-hand curve is its left side; adverse superelevation banks the other way.
        double outsideIsLeft = k > 0 ? 1 : -1;
        if (std::string_view(node_.attribute("adverseSE").value()) == "adverse") outsideIsLeft = -outsideIsLeft;
        const double super = std::abs(*e);
        auto record = [&](double from, double to, double outside, double inside) {
            out.segments.push_back(outsideIsLeft > 0 ? calc::SlopeSegment{from, to, outside, inside}
                                                     : calc::SlopeSegment{from, to, inside, outside});
        };
        std::vector<calc::SlopeSegment> before, after;
        auto crownIn = Transition("beginRunoutSta", "beginRunoffSta", *full, super, +1);
        auto crownOut = Transition("endofRunoutSta", "startofRunoutSta", *runoff, super, -1);
        if (!crownIn || !crownOut) return false;
        if (crownIn->crown >= 0) {
            record(crownIn->normal, crownIn->normal, -crownIn->crown, -crownIn->crown);
            if (crownIn->reverse < *full - kStationTolerance)
                record(crownIn->reverse, crownIn->reverse, crownIn->crown, -crownIn->crown);
            out.needsLinearTransition = true;
        }
        record(*full, *runoff, super, -super);
        if (crownOut->crown >= 0) {
            if (crownOut->reverse > *runoff + kStationTolerance)
                record(crownOut->reverse, crownOut->reverse, crownOut->crown, -crownOut->crown);
            record(crownOut->normal, crownOut->normal, -crownOut->crown, -crownOut->crown);
            out.needsLinearTransition = true;
        }
        return true;
    }

private:
    struct Crown {
        double crown = -1;  // the normal crown slope, percent; −1 where the file gives no runout
        double normal = 0, reverse = 0;  // stations of normal and of reverse crown
    };

    std::optional<double> Station(const char* name, const char* fallback) {
        auto s = Attribute(node_, name);
        if (!s) s = Attribute(node_, fallback);
        return s ? std::optional(*s * metres_) : std::nullopt;
    }

    bool Refuse(const std::string& why) {
        refusals_.push_back(text::Format("第%d个超高（Superelevation）", index_) + why);
        return false;
    }

    // The runout (normal crown → level outside lane) and runoff (level → full) at one end of the curve;
    // `toward` +1 at the entry, −1 at the exit.
    std::optional<Crown> Transition(const char* normalName, const char* levelName, double full, double super,
                                    double toward) {
        auto normal = Attribute(node_, normalName), level = Attribute(node_, levelName);
        if (!normal && !level) return Crown{};
        if (!normal || !level) {
            Refuse(std::string("只给出了 ") + (normal ? normalName : levelName) + "，缺少 " +
                   (normal ? levelName : normalName) + "，不能确定路拱横坡");
            return std::nullopt;
        }
        Crown c;
        c.normal = *normal * metres_;
        const double runout = (*level * metres_ - c.normal) * toward, runoff = (full - *level * metres_) * toward;
        if (runout < 0 || runoff <= kStationTolerance) {
            Refuse(std::string(normalName) + "、" + levelName + " 与全超高段的桩号次序不对");
            return std::nullopt;
        }
        c.crown = super * runout / runoff;
        if (c.crown > super + 1e-9) {
            Refuse("路拱横坡大于全超高，横坡资料表不能表示这种过渡");
            return std::nullopt;
        }
        c.reverse = *level * metres_ + toward * runoff * c.crown / std::max(super, 1e-12);
        return c;
    }

    pugi::xml_node node_;
    double metres_;
    int index_;
    std::vector<std::string>& refusals_;
};

std::string Number(double value) { return text::Format("%.10g", value); }

}  // namespace

LandXmlSlopes ReadSuperelevation(const pugi::xml_node& alignment, double metres,
                                 const std::vector<calc::PlanElement>& elements, std::vector<std::string>& refusals) {
    LandXmlSlopes slopes;
    int index = 0;
    for (pugi::xml_node node : alignment.children()) {
        if (LocalName(node) != "Superelevation") continue;
        slopes.present = true;
        ++index;
        if (auto own = OwnRecord(node, metres)) {
            slopes.segments.push_back(*own);
            continue;
        }
        CurveReader(node, metres, index, refusals).Read(elements, slopes);
    }
    std::stable_sort(slopes.segments.begin(), slopes.segments.end(),
                     [](const calc::SlopeSegment& a, const calc::SlopeSegment& b) { return a.start < b.start; });
    for (std::size_t i = 1; i < slopes.segments.size(); ++i)
        if (slopes.segments[i].start < slopes.segments[i - 1].end - kStationTolerance) {
            refusals.push_back(text::Format("超高段 %.3f～%.3f 与 %.3f～%.3f 重叠", slopes.segments[i - 1].start,
                                            slopes.segments[i - 1].end, slopes.segments[i].start,
                                            slopes.segments[i].end));
            break;
        }
    return slopes;
}

void WriteSuperelevation(pugi::xml_node alignment, const std::vector<calc::SlopeSegment>& segments) {
    for (const calc::SlopeSegment& s : segments) {
        pugi::xml_node node = alignment.append_child("Superelevation");
        node.append_attribute("staStart") = Number(s.start).c_str();
        node.append_attribute("staEnd") = Number(s.end).c_str();
        node.append_attribute("fullSuperSta") = Number(s.start).c_str();
        node.append_attribute("runoffSta") = Number(s.end).c_str();
        // The deck's rotation: positive where it falls towards the right, as on a right-hand curve.
        node.append_attribute("fullSuperelev") = Number((s.left - s.right) / 2).c_str();
        pugi::xml_node feature = node.append_child("Feature");
        feature.append_attribute("code") = kFeatureCode;
        for (auto [label, value] : {std::pair{"leftSlope", s.left}, {"rightSlope", s.right}}) {
            pugi::xml_node p = feature.append_child("Property");
            p.append_attribute("label") = label;
            p.append_attribute("value") = Number(value).c_str();
        }
    }
}

}  // namespace exchange
