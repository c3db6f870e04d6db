#include "projectdb/ui/member_type_picture.h"

#include <QPainter>
#include <QSvgRenderer>

namespace projectdb {

namespace {

QString ResourceOf(const QString& name) { return ":/pictures/" + name; }

}  // namespace

CTypePicture::CTypePicture(int width, int fieldHeight, QWidget* parent)
    : QWidget(parent), m_nWidth(width), m_nFieldHeight(fieldHeight), m_pRenderer(new QSvgRenderer(this)) {
    setFixedSize(sizeHint());
}

int CTypePicture::HeightAt(const QString& name, int width) {
    QSvgRenderer renderer(ResourceOf(name));
    QSizeF size = renderer.viewBoxF().size();
    if (!renderer.isValid() || size.width() <= 0) return 0;
    return qRound(width * size.height() / size.width());
}

int CTypePicture::NaturalWidth(const QString& name) {
    QSvgRenderer renderer(ResourceOf(name));
    return renderer.isValid() ? qRound(renderer.viewBoxF().width()) : 0;
}

void CTypePicture::SetPicture(const QString& name) {
    m_strPicture = name;
    if (name.isEmpty())
        m_pRenderer->load(QByteArray());
    else
        m_pRenderer->load(ResourceOf(name));
    update();
}

QSize CTypePicture::sizeHint() const { return {m_nWidth + 2, m_nFieldHeight + 2}; }

void CTypePicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    if (m_strPicture.isEmpty() || !m_pRenderer->isValid()) return;
    QSizeF box = m_pRenderer->viewBoxF().size();
    if (box.width() <= 0) return;
    const double height = m_nWidth * box.height() / box.width();
    // Drawn as vectors at the screen's own resolution, so the lines stay sharp on every display.
    painter.setRenderHint(QPainter::Antialiasing);
    m_pRenderer->render(&painter, QRectF(1, 1 + (m_nFieldHeight - height) / 2, m_nWidth, height));
}

}  // namespace projectdb
