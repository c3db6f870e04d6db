#include "calc/ui/route_sketch.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <vector>

#include "platform/text/cformat.h"

namespace calc::ui {

namespace {

constexpr int kMargin = 18;
constexpr int kSamples = 200;

// Maps world rectangles to the picture keeping one scale for both axes or one per axis.
struct Frame {
    double minU, maxU, minV, maxV;  // u to the right, v upwards
    QRectF area;
    bool sameScale;

    QPointF map(double u, double v) const {
        double su = area.width() / std::max(maxU - minU, 1e-9), sv = area.height() / std::max(maxV - minV, 1e-9);
        if (sameScale) su = sv = std::min(su, sv);
        const double cu = (minU + maxU) / 2, cv = (minV + maxV) / 2;
        return {area.center().x() + (u - cu) * su, area.center().y() - (v - cv) * sv};
    }
};

// A sketch being painted: a white picture framed, its caption in the top left corner.
class Sketch {
public:
    Sketch(QSize size, const QString& caption) : pixmap_(size) {
        pixmap_.fill(Qt::white);
        painter_.begin(&pixmap_);
        painter_.setRenderHint(QPainter::Antialiasing);
        painter_.setPen(Qt::black);
        painter_.drawRect(QRect(QPoint(0, 0), size - QSize(1, 1)));
        painter_.drawText(QRect(6, 2, size.width() - 12, 16), Qt::AlignLeft | Qt::AlignVCenter, caption);
    }
    QPainter& painter() { return painter_; }
    QPixmap Finish() {
        painter_.end();
        return pixmap_;
    }
    // The picture when there is nothing to draw: what is missing, in its middle.
    QPixmap Missing(const QString& text) {
        painter_.setPen(Qt::darkGray);
        painter_.drawText(QRect(QPoint(0, 0), pixmap_.size()), Qt::AlignCenter, text);
        return Finish();
    }

private:
    QPixmap pixmap_;
    QPainter painter_;
};

}  // namespace

QPixmap PlanSketch(const CGeoAssist& geometry, double stake, double offset, QSize size) {
    Sketch sketch(size, "平面");
    QPainter& p = sketch.painter();
    const PlanAlignment& plan = geometry.data().plan;
    if (plan.empty()) return sketch.Missing("无平曲线资料");
    // The centre line sampled around the stake; east to the right, north up.
    std::vector<PlanPoint> line;
    for (int i = 0; i <= kSamples; ++i)
        line.push_back(plan.Locate(stake - kSketchHalfLength + 2 * kSketchHalfLength * i / kSamples).point);
    const PlanPoint centre = plan.Locate(stake).point;
    double ox, oy;
    OffsetPoint(centre, offset, ox, oy);
    Frame f{oy,  oy, ox, ox, QRectF(kMargin, kMargin + 6, size.width() - 2 * kMargin, size.height() - 2 * kMargin - 6),
            true};
    for (const auto& q : line) {
        f.minU = std::min(f.minU, q.y), f.maxU = std::max(f.maxU, q.y);
        f.minV = std::min(f.minV, q.x), f.maxV = std::max(f.maxV, q.x);
    }
    p.setClipRect(f.area.adjusted(-6, -6, 6, 6));
    QPainterPath path(f.map(line.front().y, line.front().x));
    for (const auto& q : line) path.lineTo(f.map(q.y, q.x));
    p.setPen(QPen(QColor(0, 90, 200), 2));
    p.drawPath(path);
    // Joints between elements inside the window.
    p.setPen(QPen(Qt::darkGray, 1));
    for (const auto& e : plan.elements()) {
        if (std::abs(e.startStake - stake) > kSketchHalfLength) continue;
        const QPointF at = f.map(e.y0, e.x0);
        // The heading points along (sin θ, −cos θ) in the picture, its normal along (cos θ, sin θ).
        const QPointF normal(std::cos(e.azimuth0) * 6, std::sin(e.azimuth0) * 6);
        p.drawLine(at + normal, at - normal);
    }
    const QPointF c = f.map(centre.y, centre.x), o = f.map(oy, ox);
    p.setPen(QPen(Qt::red, 1.5, Qt::DashLine));
    p.drawLine(c, o);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawEllipse(c, 3, 3);
    p.setBrush(Qt::red);
    p.drawEllipse(o, 4, 4);
    if (offset != 0) {
        // The offset is small beside the drawn length of route: its value is written beside the point.
        p.setPen(Qt::red);
        p.drawText(QRectF(o.x() + 6, o.y() - 6, 120, 14), Qt::AlignLeft | Qt::AlignVCenter,
                   QString::fromStdString(text::Format("支距 %g", offset)));
    }
    // North arrow.
    p.setClipping(false);
    p.setPen(QPen(Qt::black, 1));
    const QPointF north(size.width() - 16, 36);
    p.drawLine(north, north - QPointF(0, 14));
    p.drawLine(north - QPointF(0, 14), north - QPointF(3, 8));
    p.drawLine(north - QPointF(0, 14), north - QPointF(-3, 8));
    p.drawText(QRectF(north.x() - 8, north.y() - 30, 16, 12), Qt::AlignCenter, "N");
    return sketch.Finish();
}

QPixmap ProfileSketch(const CGeoAssist& geometry, double stake, double offset, QSize size) {
    Sketch sketch(size, "纵断面");
    QPainter& p = sketch.painter();
    if (geometry.Status() & kGeoNoElevation) return sketch.Missing("无高程资料");
    const double from = stake - kSketchHalfLength, to = stake + kSketchHalfLength;
    std::vector<std::pair<double, double>> deck, centreLine;
    for (int i = 0; i <= kSamples; ++i) {
        const double s = from + (to - from) * i / kSamples;
        const RoutePoint r = geometry.Evaluate(s, offset);
        deck.emplace_back(s, r.elevation);
        centreLine.emplace_back(s, r.centreElevation);
    }
    Frame f{from,
            to,
            deck.front().second,
            deck.front().second,
            QRectF(kMargin, kMargin + 8, size.width() - 2 * kMargin, size.height() - 2 * kMargin - 16),
            false};
    for (const auto* line : {&deck, &centreLine})
        for (const auto& [s, z] : *line) f.minV = std::min(f.minV, z), f.maxV = std::max(f.maxV, z);
    const double pad = std::max(0.5, (f.maxV - f.minV) * 0.15);
    f.minV -= pad;
    f.maxV += pad;

    p.setClipRect(f.area.adjusted(-6, -6, 6, 6));
    // Grade lines through the turning points inside the window, dashed.
    const auto& points = geometry.data().profile.points();
    if (geometry.data().method == ElevationMethod::VerticalCurves && points.size() >= 2) {
        p.setPen(QPen(Qt::gray, 1, Qt::DashLine));
        for (std::size_t i = 0; i + 1 < points.size(); ++i) {
            if (points[i + 1].stake < from || points[i].stake > to) continue;
            p.drawLine(f.map(points[i].stake, points[i].elevation),
                       f.map(points[i + 1].stake, points[i + 1].elevation));
        }
    }
    auto draw = [&](const std::vector<std::pair<double, double>>& line, const QPen& pen) {
        QPainterPath path(f.map(line.front().first, line.front().second));
        for (const auto& [s, z] : line) path.lineTo(f.map(s, z));
        p.setPen(pen);
        p.drawPath(path);
    };
    if (offset != 0) draw(centreLine, QPen(Qt::darkGray, 1));
    draw(deck, QPen(QColor(0, 90, 200), 2));

    const RoutePoint here = geometry.Evaluate(stake, offset);
    const QPointF at = f.map(stake, here.elevation);
    p.setPen(QPen(Qt::red, 1, Qt::DotLine));
    p.drawLine(QPointF(at.x(), kMargin + 8), QPointF(at.x(), size.height() - kMargin - 8));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::red);
    p.drawEllipse(at, 4, 4);
    p.setClipping(false);
    p.setPen(Qt::black);
    p.drawText(QRectF(4, size.height() - 18, size.width() - 8, 16), Qt::AlignCenter,
               QString::fromStdString(text::Format("桩号 %.3f  桥面高程 %.3f", stake, here.elevation)));
    return sketch.Finish();
}

}  // namespace calc::ui
