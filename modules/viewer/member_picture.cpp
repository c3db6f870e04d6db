#include "viewer/member_picture.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <limits>

namespace viewer {
namespace {

// Cabinet projection: depth (y) goes up and to the right at half scale.
constexpr double kDepthX = 0.5, kDepthY = 0.35;

QPointF Project(double x, double y, double z) { return QPointF(x + y * kDepthX, -z - y * kDepthY); }

const QColor kFront(150, 170, 195), kTop(205, 218, 232), kSide(105, 125, 150);

void DrawFace(QPainter& painter, std::initializer_list<QPointF> corners, const QColor& colour) {
    painter.setBrush(colour);
    painter.drawPolygon(QPolygonF(QList<QPointF>(corners)));
}

void DrawBox(QPainter& painter, const Block& b) {
    double x1 = b.x + b.length, y1 = b.y + b.width, z1 = b.z + b.height;
    DrawFace(painter, {Project(b.x, b.y, b.z), Project(x1, b.y, b.z), Project(x1, b.y, z1), Project(b.x, b.y, z1)},
             kFront);
    DrawFace(painter, {Project(b.x, b.y, z1), Project(x1, b.y, z1), Project(x1, y1, z1), Project(b.x, y1, z1)}, kTop);
    DrawFace(painter, {Project(x1, b.y, b.z), Project(x1, y1, b.z), Project(x1, y1, z1), Project(x1, b.y, z1)}, kSide);
}

// A cylinder standing in its box: shaded side from left to right, elliptic top.
void DrawCylinder(QPainter& painter, const Block& b) {
    double cy = b.y + b.width / 2;
    QPointF bottomLeft = Project(b.x, cy, b.z), bottomRight = Project(b.x + b.length, cy, b.z);
    QPointF topLeft = Project(b.x, cy, b.z + b.height), topRight = Project(b.x + b.length, cy, b.z + b.height);
    double rx = (bottomRight.x() - bottomLeft.x()) / 2, ry = b.width * kDepthY / 2;
    QLinearGradient shade(bottomLeft, bottomRight);
    shade.setColorAt(0, kFront);
    shade.setColorAt(0.35, kTop);
    shade.setColorAt(1, kSide);
    QPainterPath side;
    side.moveTo(topLeft);
    side.lineTo(bottomLeft);
    side.arcTo(QRectF(bottomLeft.x(), bottomLeft.y() - ry, 2 * rx, 2 * ry), 180, 180);
    side.lineTo(topRight);
    side.closeSubpath();
    painter.setBrush(shade);
    painter.drawPath(side);
    painter.setBrush(kTop);
    painter.drawEllipse(QRectF(topLeft.x(), topLeft.y() - ry, 2 * rx, 2 * ry));
}

}  // namespace

MemberPicture::MemberPicture(std::vector<Block> blocks, QWidget* parent)
    : QWidget(parent), m_blocks(std::move(blocks)) {
    setMinimumSize(420, 320);
    // Painter's order for a view from the front, the right and above: lower solids first, then the far ones,
    // then from left to right.
    std::stable_sort(m_blocks.begin(), m_blocks.end(), [](const Block& a, const Block& b) {
        if (a.z != b.z) return a.z < b.z;
        if (a.y + a.width != b.y + b.width) return a.y + a.width > b.y + b.width;
        return a.x < b.x;
    });
}

void MemberPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), QColor(248, 248, 250));
    if (m_blocks.empty()) {
        painter.drawText(rect(), Qt::AlignCenter, QStringLiteral("给定的尺寸不足以绘出构件。"));
        return;
    }
    double left = std::numeric_limits<double>::max(), top = left, right = -left, bottom = -left;
    for (const Block& b : m_blocks)
        for (double x : {b.x, b.x + b.length})
            for (double y : {b.y, b.y + b.width})
                for (double z : {b.z, b.z + b.height}) {
                    QPointF p = Project(x, y, z);
                    left = std::min(left, p.x()), right = std::max(right, p.x());
                    top = std::min(top, p.y()), bottom = std::max(bottom, p.y());
                }
    QRectF bounds(QPointF(left, top), QPointF(right, bottom));
    double margin = 24;
    double scale = std::min((width() - 2 * margin) / std::max(bounds.width(), 1e-9),
                            (height() - 2 * margin) / std::max(bounds.height(), 1e-9));
    painter.translate(width() / 2.0, height() / 2.0);
    painter.scale(scale, scale);
    painter.translate(-bounds.center());
    QPen outline(QColor(60, 70, 85));
    outline.setCosmetic(true);
    painter.setPen(outline);
    for (const Block& b : m_blocks) b.round ? DrawCylinder(painter, b) : DrawBox(painter, b);
}

}  // namespace viewer
