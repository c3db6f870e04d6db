#include "app/ui/plot_view.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace {

// A step of 1, 2 or 5 times a power of ten giving about `count` intervals over `span`.
double NiceStep(double span, int count) {
    const double raw = span / std::max(count, 1);
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (double m : {1.0, 2.0, 5.0, 10.0})
        if (raw <= m * power) return m * power;
    return 10 * power;
}

QString TickText(double value, double step) {
    const int decimals = std::clamp(static_cast<int>(-std::floor(std::log10(step))), 0, 6);
    if (std::fabs(value) < step * 1e-9) value = 0;
    return QString::number(value, 'f', decimals);
}

const QColor kColours[] = {QColor(31, 119, 180),  QColor(214, 39, 40), QColor(44, 160, 44),   QColor(255, 127, 14),
                           QColor(148, 103, 189), QColor(140, 86, 75), QColor(227, 119, 194), QColor(23, 190, 207),
                           QColor(127, 127, 127), QColor(188, 189, 34)};

struct Bounds {
    double x0 = std::numeric_limits<double>::infinity(), x1 = -x0, y0 = x0, y1 = -x0;
    bool empty() const { return x0 > x1; }
};

Bounds BoundsOf(const ui::Plot& plot) {
    Bounds b;
    for (const auto& s : plot.series)
        for (const auto& [x, y] : s.points) {
            if (!std::isfinite(x) || !std::isfinite(y)) continue;
            b.x0 = std::min(b.x0, x);
            b.x1 = std::max(b.x1, x);
            b.y0 = std::min(b.y0, y);
            b.y1 = std::max(b.y1, y);
        }
    if (b.empty()) return b;
    // A single value still gets a range to draw in; the others a margin so that marks are not cut.
    auto widen = [](double& lo, double& hi) {
        double pad = hi > lo ? (hi - lo) * 0.05 : std::max(1.0, std::fabs(lo) * 0.01);
        lo -= pad;
        hi += pad;
    };
    widen(b.x0, b.x1);
    widen(b.y0, b.y1);
    return b;
}

QColor SeriesColour(std::size_t index) { return kColours[index % std::size(kColours)]; }

int LegendEntryWidth(const QFontMetrics& fm, const ui::PlotSeries& s) {
    return fm.horizontalAdvance(QString::fromStdString(s.name)) + 36;
}

// The legend runs in lines under the title, as many as its entries need: each entry's top left corner, and
// the number of lines.
struct LegendLayout {
    std::vector<QPoint> places;
    int rows = 0;
};

LegendLayout LayOutLegend(const ui::Plot& plot, const QFontMetrics& fm, int width) {
    const int line = fm.height();
    LegendLayout legend;
    int x = 16, y = 8 + line + 4;
    for (const auto& s : plot.series) {
        const int w = LegendEntryWidth(fm, s);
        if (x > 16 && x + w > width - 16) {
            x = 16;
            y += line;
        }
        legend.places.emplace_back(x, y);
        x += w;
    }
    if (!legend.places.empty()) legend.rows = (legend.places.back().y() - legend.places.front().y()) / line + 1;
    return legend;
}

// The rectangle the series are drawn in: below the title and the legend, with room on the left for the
// numbers of the vertical axis and below for those of the horizontal axis and its label.
QRect PlotArea(const QFontMetrics& fm, int legendRows, QSize size) {
    const int line = fm.height();
    QRect area(16 + 2 * line + fm.horizontalAdvance("0000000.00"), 8 + line * (1 + legendRows) + 8, 0, 0);
    area.setRight(size.width() - 16);
    area.setBottom(size.height() - 12 - 2 * line);
    return area;
}

// One metre is as long across as up: the narrower direction gets a wider range.
void KeepEqualScale(Bounds& b, const QRect& area) {
    const double sx = area.width() / (b.x1 - b.x0), sy = area.height() / (b.y1 - b.y0);
    if (sx < sy) {
        const double extra = (area.height() / sx - (b.y1 - b.y0)) / 2;
        b.y0 -= extra;
        b.y1 += extra;
    } else {
        const double extra = (area.width() / sy - (b.x1 - b.x0)) / 2;
        b.x0 -= extra;
        b.x1 += extra;
    }
}

// The plotted range mapped onto the area on screen, y upwards.
struct Frame {
    QRect area;
    Bounds b;
    QPointF toScreen(double x, double y) const {
        return QPointF(area.left() + (x - b.x0) / (b.x1 - b.x0) * area.width(),
                       area.bottom() - (y - b.y0) / (b.y1 - b.y0) * area.height());
    }
};

void DrawTitle(QPainter& p, const std::string& title, int width, int line) {
    const QFont plain = p.font();
    QFont bold = plain;
    bold.setBold(true);
    p.setFont(bold);
    p.drawText(QRect(0, 4, width, line), Qt::AlignHCenter, QString::fromStdString(title));
    p.setFont(plain);
}

// Grid lines at round numbers across the area, each with its number outside the frame.
void DrawGrid(QPainter& p, const Frame& f, int line) {
    const QRect& area = f.area;
    const QPen gridPen(QColor(225, 225, 225), 1);
    const double xStep = NiceStep(f.b.x1 - f.b.x0, std::max(2, area.width() / 90));
    const double yStep = NiceStep(f.b.y1 - f.b.y0, std::max(2, area.height() / 50));
    for (double x = std::ceil(f.b.x0 / xStep) * xStep; x <= f.b.x1; x += xStep) {
        const QPointF at = f.toScreen(x, f.b.y0);
        p.setPen(gridPen);
        p.drawLine(QPointF(at.x(), area.top()), QPointF(at.x(), area.bottom()));
        p.setPen(Qt::black);
        p.drawText(QRectF(at.x() - 60, area.bottom() + 3, 120, line), Qt::AlignHCenter | Qt::AlignTop,
                   TickText(x, xStep));
    }
    for (double y = std::ceil(f.b.y0 / yStep) * yStep; y <= f.b.y1; y += yStep) {
        const QPointF at = f.toScreen(f.b.x0, y);
        p.setPen(gridPen);
        p.drawLine(QPointF(area.left(), at.y()), QPointF(area.right(), at.y()));
        p.setPen(Qt::black);
        p.drawText(QRectF(0, at.y() - line / 2.0, area.left() - 4, line), Qt::AlignRight | Qt::AlignVCenter,
                   TickText(y, yStep));
    }
}

// The frame, the horizontal axis label under the numbers and the vertical one turned up along the left edge.
void DrawFrameAndLabels(QPainter& p, const QRect& area, const ui::Plot& plot, int line) {
    p.setPen(Qt::black);
    p.drawRect(area);
    p.drawText(QRect(area.left(), area.bottom() + 3 + line, area.width(), line), Qt::AlignHCenter,
               QString::fromStdString(plot.xLabel));
    p.save();
    p.translate(12, area.center().y());
    p.rotate(-90);
    p.drawText(QRect(-area.height() / 2, -line / 2 - 2, area.height(), line), Qt::AlignHCenter,
               QString::fromStdString(plot.yLabel));
    p.restore();
}

// A series of marks is drawn as circles; a line as a path, with dots on its points while they are few
// enough to tell apart.
void DrawSeries(QPainter& p, const Frame& f, const ui::PlotSeries& s, const QColor& colour) {
    p.setBrush(Qt::NoBrush);
    if (s.markersOnly) {
        p.setPen(QPen(colour, 1.5));
        for (const auto& [x, y] : s.points) p.drawEllipse(f.toScreen(x, y), 4, 4);
        return;
    }
    QPainterPath path;
    for (std::size_t k = 0; k < s.points.size(); ++k) {
        const QPointF at = f.toScreen(s.points[k].first, s.points[k].second);
        if (k == 0)
            path.moveTo(at);
        else
            path.lineTo(at);
    }
    p.setPen(QPen(colour, 1.8));
    p.drawPath(path);
    if (s.points.size() <= 40) {
        p.setBrush(colour);
        for (const auto& [x, y] : s.points) p.drawEllipse(f.toScreen(x, y), 2, 2);
    }
}

// Each entry: the series' mark or a short stretch of its line, then its name.
void DrawLegend(QPainter& p, const ui::Plot& plot, const LegendLayout& legend, const QFontMetrics& fm) {
    const int line = fm.height();
    for (std::size_t i = 0; i < plot.series.size(); ++i) {
        const auto& s = plot.series[i];
        const int x = legend.places[i].x(), y = legend.places[i].y();
        const QColor colour = SeriesColour(i);
        const double mid = y + line / 2.0;
        p.setPen(QPen(colour, s.markersOnly ? 1.5 : 1.8));
        p.setBrush(Qt::NoBrush);
        if (s.markersOnly)
            p.drawEllipse(QPointF(x + 10, mid), 4, 4);
        else
            p.drawLine(QPointF(x, mid), QPointF(x + 20, mid));
        p.setPen(Qt::black);
        p.drawText(QRect(x + 24, y, LegendEntryWidth(fm, s), line), Qt::AlignLeft | Qt::AlignVCenter,
                   QString::fromStdString(s.name));
    }
}

}  // namespace

PlotView::PlotView(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void PlotView::setPlot(ui::Plot plot) {
    m_plot = std::move(plot);
    update();
}

void PlotView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    p.setRenderHint(QPainter::Antialiasing);
    const QFontMetrics fm = p.fontMetrics();
    const int line = fm.height();
    DrawTitle(p, m_plot.title, width(), line);

    const LegendLayout legend = LayOutLegend(m_plot, fm, width());
    Frame frame{PlotArea(fm, legend.rows, size()), BoundsOf(m_plot)};
    if (frame.area.width() < 40 || frame.area.height() < 40) return;
    if (frame.b.empty()) {
        p.setPen(Qt::gray);
        p.drawRect(frame.area);
        p.drawText(frame.area, Qt::AlignCenter, "无可绘制的数据");
        return;
    }
    if (m_plot.equalScale) KeepEqualScale(frame.b, frame.area);

    DrawGrid(p, frame, line);
    DrawFrameAndLabels(p, frame.area, m_plot, line);
    p.save();
    p.setClipRect(frame.area);
    for (std::size_t i = 0; i < m_plot.series.size(); ++i) DrawSeries(p, frame, m_plot.series[i], SeriesColour(i));
    p.restore();
    DrawLegend(p, m_plot, legend, fm);
}
