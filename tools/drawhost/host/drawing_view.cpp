#include "host/drawing_view.h"

#include <QPainter>

DrawingView::DrawingView(QWidget* parent) : QWidget(parent) { setMinimumSize(400, 260); }

bool DrawingView::showDrawing(const QString& svgPath) {
    bool loaded = m_renderer.load(svgPath);
    update();
    return loaded;
}

void DrawingView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), QColor(0x5a, 0x5f, 0x66));
    if (!m_renderer.isValid()) {
        painter.setPen(QColor(0xe0, 0xe0, 0xe0));
        painter.drawText(rect(), Qt::AlignCenter,
                         "尚无图形。\n在设计程序中选择绘图目标并切换到绘图子系统（VLTIN）后，图形显示在这里。");
        return;
    }
    // The sheet keeps its proportions, with a margin of grey around it.
    QSizeF sheet = m_renderer.viewBoxF().size();
    if (sheet.isEmpty()) sheet = m_renderer.defaultSize();
    QRectF area = QRectF(rect()).adjusted(12, 12, -12, -12);
    QSizeF fitted = sheet.scaled(area.size(), Qt::KeepAspectRatio);
    QRectF target(area.center() - QPointF(fitted.width() / 2, fitted.height() / 2), fitted);
    painter.fillRect(target, Qt::white);
    painter.setRenderHint(QPainter::Antialiasing);
    m_renderer.render(&painter, target);
}
