#include "pdf_writer.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QPolygonF>
#include <cmath>
#include <stdexcept>

namespace drawhost {

namespace {

// Fonts are set at this size and scaled down to the text's height: Qt sets pixel sizes in whole units.
constexpr double kFontUnits = 100;
// The same font size per text height as the SVG writer, so that the PDF and the picture letter alike.
constexpr double kFontPerHeight = 0.85;

class PagePainter {
public:
    PagePainter(QPainter& painter, const SheetGeometry& sheet) : p_(painter), sheet_(sheet) {}

    void Paint() {
        for (const Layer& layer : sheet_.layers) PaintLayer(layer.name, &layer);
        PaintLayer("0", nullptr);
    }

private:
    QPointF At(Point q) const { return {q.x, sheet_.height - q.y}; }

    void UsePen(const Layer* layer) {
        QPen pen(Qt::black);
        pen.setWidthF(layer ? std::max(layer->weight, 0.1) : 0.18);
        pen.setCapStyle(Qt::FlatCap);
        pen.setJoinStyle(Qt::MiterJoin);
        if (layer && layer->style != LineStyle::Continuous) {
            // Dash lengths in mm on paper, divided by the pen width as Qt measures them.
            const double w = pen.widthF();
            pen.setDashPattern(layer->style == LineStyle::Dashed ? QList<qreal>{4 / w, 1.5 / w}
                                                                 : QList<qreal>{10 / w, 1.5 / w, 1 / w, 1.5 / w});
        }
        p_.setPen(pen);
        p_.setBrush(Qt::NoBrush);
    }

    void PaintLayer(const std::string& name, const Layer* layer) {
        UsePen(layer);
        for (const Line& l : sheet_.lines)
            if (l.layer == name) p_.drawLine(At(l.a), At(l.b));
        for (const Polyline& pl : sheet_.polylines) {
            if (pl.layer != name) continue;
            QPolygonF polygon;
            for (const Point& q : pl.points) polygon << At(q);
            if (pl.closed)
                p_.drawPolygon(polygon);
            else
                p_.drawPolyline(polygon);
        }
        for (const Circle& c : sheet_.circles)
            if (c.layer == name) p_.drawEllipse(At(c.centre), c.radius, c.radius);
        for (const Arc& a : sheet_.arcs) {
            if (a.layer != name) continue;
            double span = a.endAngle - a.startAngle;
            while (span <= 0) span += 360;
            QPainterPath path;
            const QRectF box(At(a.centre).x() - a.radius, At(a.centre).y() - a.radius, 2 * a.radius, 2 * a.radius);
            path.arcMoveTo(box, a.startAngle);
            path.arcTo(box, a.startAngle, span);
            p_.drawPath(path);
        }
        for (const Text& t : sheet_.texts)
            if (t.layer == name) PaintText(t);
    }

    void PaintText(const Text& t) {
        QFont font(QStringLiteral("WenQuanYi Micro Hei"));
        font.setPixelSize(static_cast<int>(kFontUnits));
        const QString text = QString::fromStdString(t.text);
        const double width = QFontMetricsF(font).horizontalAdvance(text);
        const double shift = t.align == HAlign::Left ? 0 : t.align == HAlign::Centre ? -width / 2 : -width;
        const double k = t.height * kFontPerHeight / kFontUnits;
        p_.save();
        p_.translate(At(t.at));
        p_.rotate(-t.rotation);
        p_.scale(k, k);
        p_.setFont(font);
        p_.setPen(Qt::black);
        p_.drawText(QPointF(shift, 0), text);
        p_.restore();
    }

    QPainter& p_;
    const SheetGeometry& sheet_;
};

QPageSize PageOf(const SheetGeometry& sheet) {
    return QPageSize(QSizeF(sheet.width, sheet.height), QPageSize::Millimeter, QString(), QPageSize::ExactMatch);
}

}  // namespace

void WritePdf(const std::vector<SheetGeometry>& sheets, const std::string& title, const std::string& path) {
    if (sheets.empty()) throw std::runtime_error("没有可写入 PDF 的图纸。");
    QPdfWriter writer(QString::fromStdString(path));
    writer.setTitle(QString::fromStdString(title));
    writer.setCreator(QStringLiteral("Veltra 绘图主机"));
    writer.setResolution(1200);
    writer.setPageLayout(QPageLayout(PageOf(sheets.front()), QPageLayout::Portrait, QMarginsF()));
    QPainter painter;
    if (!painter.begin(&writer)) throw std::runtime_error("不能写入 PDF 文件“" + path + "”。");
    for (std::size_t i = 0; i < sheets.size(); ++i) {
        if (i > 0) {
            writer.setPageLayout(QPageLayout(PageOf(sheets[i]), QPageLayout::Portrait, QMarginsF()));
            writer.newPage();
        }
        painter.save();
        // Sheet millimetres onto the page's device units.
        const double dotsPerMm = writer.resolution() / 25.4;
        painter.scale(dotsPerMm, dotsPerMm);
        painter.setRenderHint(QPainter::Antialiasing);
        PagePainter(painter, sheets[i]).Paint();
        painter.restore();
    }
    if (!painter.end()) throw std::runtime_error("不能写入 PDF 文件“" + path + "”。");
}

}  // namespace drawhost
