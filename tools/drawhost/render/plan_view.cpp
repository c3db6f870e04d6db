// The plan, along the same stakes as the elevation: route centre line, deck edges, the road beyond the
// abutments, every support line at its skew with the cap, columns and piles under the deck (hidden), the
// deck width dimensions and where the road leads.
#include <algorithm>
#include <cmath>

#include "layout_views.h"
#include "platform/text/cformat.h"

namespace drawhost {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kOverhang = 1.5;  // metres the support lines reach beyond the deck edges

class PlanPainter {
public:
    PlanPainter(SheetPainter& p, const StakeAxis& axis, double centreY) : p_(p), axis_(axis), centreY_(centreY) {}
    // Offsets are positive to the right of the direction of travel, which is down on the sheet.
    Point At(double stake, double offset) const { return {axis_.X(stake), centreY_ - offset * axis_.mmPerMetre}; }
    SheetPainter& p() { return p_; }

private:
    SheetPainter& p_;
    const StakeAxis& axis_;
    double centreY_;
};

// Along a support line, `offset` across the bridge lies this far along the stakes from the centre line.
double SkewShift(const Support& s, double offset) {
    const double angle = s.skew * kPi / 180;
    return std::abs(std::sin(angle)) < 1e-6 ? 0 : offset * std::cos(angle) / std::sin(angle);
}

// A rectangle centred on the support line: `along` the stakes and `across` the bridge, sheared with the skew.
void SkewedBox(PlanPainter& plan, const Support& s, double centreOffset, double along, double across) {
    std::vector<Point> corners;
    for (auto [da, dc] : {std::pair{-1, -1}, {1, -1}, {1, 1}, {-1, 1}}) {
        const double offset = centreOffset + dc * across / 2;
        corners.push_back(plan.At(s.stake + SkewShift(s, offset) + da * along / 2, offset));
    }
    plan.p().Polyline(corners, true);
}

std::vector<double> Positions(int count, double spacing) {
    std::vector<double> at;
    for (int i = 0; i < count; ++i) at.push_back((i - (count - 1) / 2.0) * spacing);
    return at;
}

}  // namespace

double PlanHalfWidth(const BridgeData& data) { return data.general.deckWidth / 2 + kOverhang + 1.0; }

void DrawPlan(SheetPainter& p, const BridgeData& data, const StakeAxis& axis, double centreY, double textHeight) {
    PlanPainter plan(p, axis, centreY);
    const GeneralInfo& g = data.general;
    const double half = g.deckWidth / 2;
    p.UseLayer("CENTER");
    p.Line(plan.At(axis.firstStake, 0), plan.At(axis.lastStake, 0));
    if (data.supports.empty()) return;
    const double first = data.supports.front().stake, last = data.supports.back().stake;

    // Deck edges, between the outer faces of the back walls; a divided bridge shows its two decks.
    p.UseLayer("DECK");
    std::vector<std::pair<double, double>> decks = {{-half, half}};
    if (g.divided) decks = {{-half, -half + g.leftWidth}, {half - g.rightWidth, half}};
    const Support& a = data.supports.front();
    const Support& b = data.supports.back();
    for (auto [left, right] : decks) {
        for (double offset : {left, right})
            p.Line(plan.At(first - 0.45 + SkewShift(a, offset), offset),
                   plan.At(last + 0.45 + SkewShift(b, offset), offset));
        p.Line(plan.At(first - 0.45 + SkewShift(a, left), left), plan.At(first - 0.45 + SkewShift(a, right), right));
        p.Line(plan.At(last + 0.45 + SkewShift(b, left), left), plan.At(last + 0.45 + SkewShift(b, right), right));
    }
    // The road beyond the abutments.
    p.UseLayer("ROAD");
    for (double offset : {-half, half}) {
        p.Line(plan.At(axis.firstStake, offset), plan.At(first - 0.45 + SkewShift(a, offset), offset));
        p.Line(plan.At(last + 0.45 + SkewShift(b, offset), offset), plan.At(axis.lastStake, offset));
    }

    for (const Support& s : data.supports) {
        const double reach = half + kOverhang;
        p.UseLayer("CENTER");
        p.Line(plan.At(s.stake + SkewShift(s, -reach), -reach), plan.At(s.stake + SkewShift(s, reach), reach));
        // What lies under the deck is hidden: cap, columns or walls, the pile cap or tie beam, the piles.
        p.UseLayer("HIDDEN");
        const double capCentre = s.stake + (s.abutment ? (&s == &a ? 1 : -1) * (s.cap.along / 2 - 0.45) : 0);
        Support at = s;
        at.stake = capCentre;
        if (s.cap.height > 0) SkewedBox(plan, at, 0, s.cap.along, s.cap.across);
        if (s.body.kind == BodyKind::Columns && s.body.round) {
            for (double off : Positions(s.body.count, s.body.spacing))
                p.Circle(plan.At(capCentre + SkewShift(s, off), off), s.body.along / 2 * axis.mmPerMetre);
        } else if (s.body.kind != BodyKind::None) {
            for (double off : Positions(s.body.count, s.body.spacing))
                SkewedBox(plan, at, off, s.body.along, s.body.across);
        }
        if (s.connect.kind != ConnectKind::None)
            SkewedBox(plan, at, 0, std::max(s.connect.along, s.body.along), s.connect.across);
        const Foundation& f = s.foundation;
        if (f.kind == FoundationKind::Piles) {
            for (double along : Positions(f.rowsAlong, f.spacingAlong))
                for (double off : Positions(f.countAcross, f.spacingAcross))
                    p.Circle(plan.At(capCentre + along + SkewShift(s, off), off), f.diameter / 2 * axis.mmPerMetre);
        } else if (f.kind == FoundationKind::Footing) {
            SkewedBox(plan, at, 0, f.footingAlong, f.footingAcross);
        }
        // The stake of the support line, along it beyond the left deck edge.
        p.UseLayer("TEXT");
        const Point label = plan.At(s.stake + SkewShift(s, -reach), -reach);
        p.Text({label.x - 0.8, label.y + 1}, textHeight * 0.8, StakeText(g.lineMark, s.stake), HAlign::Left,
               90 - (90 - s.skew));
    }

    // Deck width dimensions at the start abutment, left of the bridge.
    p.UseLayer("DIM");
    std::vector<double> edges = {-half, half};
    if (g.divided)
        edges = {-half, -half + g.leftWidth, half - g.rightWidth, half};
    else if (g.leftWidth > 0 && g.rightWidth > 0 && std::abs(g.leftWidth + g.rightWidth - g.deckWidth) < 0.01)
        edges = {-half, -half + g.leftWidth, half};
    p.Line(plan.At(axis.firstStake, edges.front()), plan.At(axis.firstStake, edges.back()));
    for (std::size_t i = 0; i < edges.size(); ++i) {
        const Point e = plan.At(axis.firstStake, edges[i]);
        p.Line({e.x - 1, e.y - 1}, {e.x + 1, e.y + 1});
        if (i == 0) continue;
        const Point m = plan.At(axis.firstStake, (edges[i] + edges[i - 1]) / 2);
        p.UseLayer("TEXT");
        p.Text({m.x - 0.8, m.y}, textHeight * 0.9, text::Format("%.0f", (edges[i] - edges[i - 1]) * 100),
               HAlign::Centre, 90);
        p.UseLayer("DIM");
    }
    // The route's name on its centre line and where it leads.
    p.UseLayer("TEXT");
    p.Text({plan.At(axis.firstStake, 0).x + 2, plan.At(0, 0).y + 0.8}, textHeight * 0.8, "路线中心线");
    if (!g.forwardSite.empty())
        p.Text({plan.At(axis.lastStake, 0).x, plan.At(0, half).y - textHeight - 1}, textHeight, g.forwardSite + " →",
               HAlign::Right);
    if (!g.backwardSite.empty())
        p.Text({plan.At(axis.firstStake, 0).x + 3, plan.At(0, half).y - textHeight - 1}, textHeight,
               "← " + g.backwardSite);
}

}  // namespace drawhost
