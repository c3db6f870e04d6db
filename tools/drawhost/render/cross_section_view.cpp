// The cross-section at a pier, looking along the route: railings, pavement, the girders of the span
// type, the cap, the columns or wall, the pile cap or tie beam and the piles (shortened by a break line), the
// ground and the deck width.
#include <algorithm>
#include <cmath>

#include "layout_views.h"
#include "platform/text/cformat.h"

namespace drawhost {

namespace {

constexpr int kScales[] = {20, 25, 30, 40, 50, 60, 75, 100, 125, 150, 200, 250, 300, 400, 500, 600, 800, 1000};

class SectionPainter {
public:
    SectionPainter(SheetPainter& p, double centreX, double topY, double topElevation, double mmPerMetre)
        : p_(p), cx_(centreX), topY_(topY), top_(topElevation), k_(mmPerMetre) {}
    Point At(double offset, double elevation) const { return {cx_ + offset * k_, topY_ - (top_ - elevation) * k_}; }
    void Box(double left, double right, double low, double high) {
        if (high > low) p_.Rect(At(left, low), At(right, high));
    }
    double k() const { return k_; }
    SheetPainter& p() { return p_; }

private:
    SheetPainter& p_;
    double cx_, topY_, top_, k_;
};

std::vector<double> Positions(int count, double spacing) {
    std::vector<double> at;
    for (int i = 0; i < count; ++i) at.push_back((i - (count - 1) / 2.0) * spacing);
    return at;
}

void DrawGirders(SectionPainter& s, const std::string& type, double width, double deck, double depth) {
    const double half = width / 2, bottom = deck - 0.1 - depth, top = deck - 0.1;
    s.p().UseLayer("DECK");
    if (type.find("空心板") != std::string::npos) {
        const int n = std::max(2, static_cast<int>(std::floor(width / 1.25)));
        const double w = width / n;
        for (int i = 0; i < n; ++i) {
            const double l = -half + i * w;
            s.Box(l + 0.01, l + w - 0.01, bottom, top);
            s.p().Circle(s.At(l + w / 2, (bottom + top) / 2), depth * 0.3 * s.k());
        }
    } else if (type.find("T梁") != std::string::npos) {
        const int n = std::max(2, static_cast<int>(std::round(width / 2.0)));
        const double w = width / n, web = 0.2, flange = 0.18;
        for (int i = 0; i < n; ++i) {
            const double c = -half + (i + 0.5) * w;
            s.p().Polyline(
                {s.At(c - w / 2 + 0.01, top), s.At(c + w / 2 - 0.01, top), s.At(c + w / 2 - 0.01, top - flange),
                 s.At(c + web / 2, top - flange - 0.1), s.At(c + web / 2, bottom), s.At(c - web / 2, bottom),
                 s.At(c - web / 2, top - flange - 0.1), s.At(c - w / 2 + 0.01, top - flange)},
                true);
        }
    } else if (type.find("箱梁") != std::string::npos) {
        const double slab = 0.25, foot = half * 0.55;
        s.p().Polyline(
            {s.At(-half, top), s.At(half, top), s.At(half, top - slab), s.At(foot + 0.4, top - slab - 0.2),
             s.At(foot, bottom), s.At(-foot, bottom), s.At(-foot - 0.4, top - slab - 0.2), s.At(-half, top - slab)},
            true);
        s.p().Polyline({s.At(-foot + 0.1, top - slab), s.At(foot - 0.1, top - slab), s.At(foot - 0.3, bottom + 0.25),
                        s.At(-foot + 0.3, bottom + 0.25)},
                       true);
    } else {
        s.Box(-half, half, bottom, top);
    }
    // Pavement and the railings on both edges.
    s.Box(-half + 0.5, half - 0.5, top, deck);
    s.p().UseLayer("RAILING");
    for (double edge : {-half, half - 0.5}) s.Box(edge, edge + 0.5, top, deck + 1.1);
}

// A break line across a member: a zigzag telling that its length is not drawn in full.
void BreakLine(SectionPainter& s, double left, double right, double elevation) {
    const double m = (left + right) / 2, d = 0.15 * (right - left);
    s.p().Polyline({s.At(left - 0.2, elevation), s.At(m - d, elevation), s.At(m - d / 2, elevation + d),
                    s.At(m + d / 2, elevation - d), s.At(m + d, elevation), s.At(right + 0.2, elevation)});
}

}  // namespace

double DrawCrossSection(SheetPainter& p, const BridgeData& data, double left, double bottom, double right, double top,
                        double textHeight) {
    if (data.supports.empty()) return top;
    auto pier = std::find_if(data.supports.begin(), data.supports.end(), [](const Support& s) { return !s.abutment; });
    const Support& s = pier != data.supports.end() ? *pier : data.supports.front();
    const std::size_t index = static_cast<std::size_t>(&s - data.supports.data());
    const double width = data.general.deckWidth;
    const double deck = data.deckElevation(s.stake);
    const double capTop = deck - s.deckToCap, capBottom = capTop - s.cap.height;
    const double ground = data.GroundElevation(s.stake);
    const double connectTop = std::min(ground - s.depthBelowGround, capBottom - 0.5);
    const double connectBottom = connectTop - (s.connect.kind == ConnectKind::None ? 0 : s.connect.height);
    const Foundation& f = s.foundation;
    const double shown = f.kind == FoundationKind::Piles     ? std::min(f.length, std::max(4.0, 3 * f.diameter))
                         : f.kind == FoundationKind::Footing ? f.footingHeight
                                                             : 0;
    const double lowest = connectBottom - shown - 0.5;

    // The largest scale at which the section fits the box, caption and dimensions included.
    const double roomY = top - bottom - 3 * textHeight - 8, roomX = right - left - 4;
    int scale = kScales[std::size(kScales) - 1];
    for (int c : kScales)
        if ((width + 2) * 1000 / c <= roomX && (deck + 1.1 - lowest) * 1000 / c <= roomY) {
            scale = c;
            break;
        }
    SectionPainter sec(p, (left + right) / 2, top - 2 * textHeight - 8, deck + 1.1, 1000.0 / scale);
    const double spanDepth = index < data.spans.size() ? data.spans[index].depth
                             : data.spans.empty()      ? 1.0
                                                       : data.spans.back().depth;
    const std::string type = index < data.spans.size() ? data.spans[index].structureType
                             : data.spans.empty()      ? ""
                                                       : data.spans.back().structureType;
    DrawGirders(sec, type, width, deck, spanDepth);

    p.UseLayer("SUPPORT");
    sec.Box(-s.cap.across / 2, s.cap.across / 2, capBottom, capTop);
    for (double off : Positions(s.body.count, s.body.spacing)) {
        if (s.body.kind == BodyKind::None) break;
        sec.Box(off - s.body.across / 2, off + s.body.across / 2, connectTop, capBottom);
    }
    if (s.connect.kind != ConnectKind::None)
        sec.Box(-s.connect.across / 2, s.connect.across / 2, connectBottom, connectTop);
    p.UseLayer("PILE");
    if (f.kind == FoundationKind::Piles) {
        for (double off : Positions(f.countAcross, f.spacingAcross)) {
            const double l = off - f.diameter / 2, r = off + f.diameter / 2;
            p.Line(sec.At(l, connectBottom), sec.At(l, connectBottom - shown));
            p.Line(sec.At(r, connectBottom), sec.At(r, connectBottom - shown));
            if (shown < f.length)
                BreakLine(sec, l, r, connectBottom - shown);
            else
                p.Line(sec.At(l, connectBottom - shown), sec.At(r, connectBottom - shown));
        }
    } else if (f.kind == FoundationKind::Footing) {
        sec.Box(-f.footingAcross / 2, f.footingAcross / 2, connectBottom - shown, connectBottom);
    }
    // The ground across the section.
    p.UseLayer("GROUND");
    const double reach = width / 2 + 1;
    p.Line(sec.At(-reach, ground), sec.At(reach, ground));
    p.UseLayer("CENTER");
    p.Line(sec.At(0, deck + 1.6), sec.At(0, lowest + 0.2));

    // Deck width over the railings, and the pile length where the piles are shortened.
    p.UseLayer("DIM");
    const double dimY = sec.At(0, deck + 1.1).y + textHeight + 1;
    p.HorizontalDimension(sec.At(-width / 2, 0).x, sec.At(width / 2, 0).x, dimY, sec.At(0, deck + 1.1).y,
                          text::Format("%.0f", width * 100), textHeight * 0.9);
    p.UseLayer("TEXT");
    if (f.kind == FoundationKind::Piles && shown < f.length)
        p.Text({sec.At(0, 0).x, sec.At(0, connectBottom - shown).y - textHeight * 1.6}, textHeight * 0.8,
               text::Format("桩长%.1fm", f.length), HAlign::Centre);
    ViewCaption(p, (left + right) / 2, top - textHeight - 1,
                text::Format("横断面(%d号%s)  1:%d", s.number, s.abutment ? "台" : "墩", scale), textHeight * 1.2);
    return sec.At(0, lowest).y - textHeight * 2;
}

}  // namespace drawhost
