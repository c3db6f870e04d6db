#include "app/ui/plot_view.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <limits>

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

    QFont titleFont = p.font();
    titleFont.setBold(true);
    p.setFont(titleFont);
    p.drawText(QRect(0, 4, width(), line), Qt::AlignHCenter, QString::fromStdString(m_plot.title));
    p.setFont(font());

    // The legend runs in lines under the title, as many as its entries need.
    auto legendWidth = [&](const ui::PlotSeries& s) {
        return fm.horizontalAdvance(QString::fromStdString(s.name)) + 36;
    };
    int legendRows = m_plot.series.empty() ? 0 : 1;
    for (int x = 16; const auto& s : m_plot.series) {
        if (x > 16 && x + legendWidth(s) > width() - 16) {
            ++legendRows;
            x = 16;
        }
        x += legendWidth(s);
    }
    const int top = 8 + line * (1 + legendRows) + 8;
    QRect area(16 + 2 * line + fm.horizontalAdvance("0000000.00"), top, 0, 0);
    area.setRight(width() - 16);
    area.setBottom(height() - 12 - 2 * line);
    if (area.width() < 40 || area.height() < 40) return;

    Bounds b = BoundsOf(m_plot);
    if (b.empty()) {
        p.setPen(Qt::gray);
        p.drawRect(area);
        p.drawText(area, Qt::AlignCenter, "无可绘制的数据");
        return;
    }
    if (m_plot.equalScale) {
        // One metre is as long across as up: the narrower direction gets a wider range.
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
    auto toScreen = [&](double x, double y) {
        return QPointF(area.left() + (x - b.x0) / (b.x1 - b.x0) * area.width(),
                       area.bottom() - (y - b.y0) / (b.y1 - b.y0) * area.height());
    };

    // Grid, ticks and their numbers.
    const double xStep = NiceStep(b.x1 - b.x0, std::max(2, area.width() / 90));
    const double yStep = NiceStep(b.y1 - b.y0, std::max(2, area.height() / 50));
    p.setPen(QPen(QColor(225, 225, 225), 1));
    for (double x = std::ceil(b.x0 / xStep) * xStep; x <= b.x1; x += xStep) {
        QPointF at = toScreen(x, b.y0);
        p.setPen(QPen(QColor(225, 225, 225), 1));
        p.drawLine(QPointF(at.x(), area.top()), QPointF(at.x(), area.bottom()));
        p.setPen(Qt::black);
        QString text = TickText(x, xStep);
        p.drawText(QRectF(at.x() - 60, area.bottom() + 3, 120, line), Qt::AlignHCenter | Qt::AlignTop, text);
    }
    for (double y = std::ceil(b.y0 / yStep) * yStep; y <= b.y1; y += yStep) {
        QPointF at = toScreen(b.x0, y);
        p.setPen(QPen(QColor(225, 225, 225), 1));
        p.drawLine(QPointF(area.left(), at.y()), QPointF(area.right(), at.y()));
        p.setPen(Qt::black);
        p.drawText(QRectF(0, at.y() - line / 2.0, area.left() - 4, line), Qt::AlignRight | Qt::AlignVCenter,
                   TickText(y, yStep));
    }
    p.setPen(Qt::black);
    p.drawRect(area);
    p.drawText(QRect(area.left(), area.bottom() + 3 + line, area.width(), line), Qt::AlignHCenter,
               QString::fromStdString(m_plot.xLabel));
    p.save();
    p.translate(12, area.center().y());
    p.rotate(-90);
    p.drawText(QRect(-area.height() / 2, -line / 2 - 2, area.height(), line), Qt::AlignHCenter,
               QString::fromStdString(m_plot.yLabel));
    p.restore();

    // The series, clipped to the frame.
    p.save();
    p.setClipRect(area);
    for (std::size_t i = 0; i < m_plot.series.size(); ++i) {
        const auto& s = m_plot.series[i];
        const QColor colour = kColours[i % std::size(kColours)];
        if (s.markersOnly) {
            p.setPen(QPen(colour, 1.5));
            p.setBrush(Qt::NoBrush);
            for (const auto& [x, y] : s.points) {
                QPointF at = toScreen(x, y);
                p.drawEllipse(at, 4, 4);
            }
        } else {
            QPainterPath path;
            for (std::size_t k = 0; k < s.points.size(); ++k) {
                QPointF at = toScreen(s.points[k].first, s.points[k].second);
                if (k == 0)
                    path.moveTo(at);
                else
                    path.lineTo(at);
            }
            p.setPen(QPen(colour, 1.8));
            p.setBrush(Qt::NoBrush);
            p.drawPath(path);
            if (s.points.size() <= 40) {
                p.setBrush(colour);
                for (const auto& [x, y] : s.points) p.drawEllipse(toScreen(x, y), 2, 2);
            }
        }
    }
    p.restore();

    // Legend.
    int x = 16, y = 8 + line + 4;
    for (std::size_t i = 0; i < m_plot.series.size(); ++i) {
        const auto& s = m_plot.series[i];
        const QString name = QString::fromStdString(s.name);
        const int w = legendWidth(s);
        if (x > 16 && x + w > width() - 16) {
            x = 16;
            y += line;
        }
        const QColor colour = kColours[i % std::size(kColours)];
        const double mid = y + line / 2.0;
        p.setPen(QPen(colour, s.markersOnly ? 1.5 : 1.8));
        p.setBrush(Qt::NoBrush);
        if (s.markersOnly)
            p.drawEllipse(QPointF(x + 10, mid), 4, 4);
        else
            p.drawLine(QPointF(x, mid), QPointF(x + 20, mid));
        p.setPen(Qt::black);
        p.drawText(QRect(x + 24, y, w, line), Qt::AlignLeft | Qt::AlignVCenter, name);
        x += w;
    }
}
