#include "drawing/ui/drawing_viewer_dialog.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QLabel>
#include <QMouseEvent>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPushButton>
#include <QSvgRenderer>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

namespace drawing {

namespace {

constexpr double kZoomStep = 1.25;
constexpr double kMinZoom = 0.2, kMaxZoom = 64;

// The picture's own size, its view box first.
QSizeF PictureSize(QSvgRenderer& renderer) {
    QSizeF size = renderer.viewBoxF().size();
    return size.isEmpty() ? QSizeF(renderer.defaultSize()) : size;
}

}  // namespace

DrawingSheetView::DrawingSheetView(QSvgRenderer* renderer, QWidget* parent) : QWidget(parent), m_pRenderer(renderer) {
    setObjectName("drawingSheet");
    setMinimumSize(320, 220);
    setCursor(Qt::OpenHandCursor);
    setToolTip("滚轮缩放，拖动平移，双击显示全图");
}

QRectF DrawingSheetView::FittedRect() const {
    QSizeF size = PictureSize(*m_pRenderer);
    if (size.isEmpty()) return {};
    size.scale(QSizeF(width() - 16, height() - 16), Qt::KeepAspectRatio);
    return QRectF(QPointF((width() - size.width()) / 2, (height() - size.height()) / 2), size);
}

QRectF DrawingSheetView::PictureRect() const {
    const QRectF fitted = FittedRect();
    QRectF r(QPointF(0, 0), fitted.size() * m_zoom);
    r.moveCenter(fitted.center() + m_pan);
    return r;
}

void DrawingSheetView::ZoomBy(double factor, QPointF at) {
    const double zoom = std::clamp(m_zoom * factor, kMinZoom, kMaxZoom);
    const QRectF before = PictureRect();
    if (before.isEmpty() || zoom == m_zoom) return;
    // The picture point under `at`, as a fraction of the picture, stays under `at`.
    const QPointF fraction((at.x() - before.left()) / before.width(), (at.y() - before.top()) / before.height());
    m_zoom = zoom;
    const QSizeF size = FittedRect().size() * m_zoom;
    const QPointF topLeft(at.x() - fraction.x() * size.width(), at.y() - fraction.y() * size.height());
    m_pan = topLeft + QPointF(size.width() / 2, size.height() / 2) - FittedRect().center();
    update();
}

void DrawingSheetView::Fit() {
    m_zoom = 1;
    m_pan = {};
    update();
}

void DrawingSheetView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    const QRectF target = PictureRect();
    if (!target.isEmpty()) m_pRenderer->render(&painter, target);
}

void DrawingSheetView::wheelEvent(QWheelEvent* event) {
    const double notches = event->angleDelta().y() / 120.0;
    if (notches != 0) ZoomBy(std::pow(kZoomStep, notches), event->position());
    event->accept();
}

void DrawingSheetView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
    m_dragging = true;
    m_dragFrom = event->position();
    setCursor(Qt::ClosedHandCursor);
}

void DrawingSheetView::mouseMoveEvent(QMouseEvent* event) {
    if (!m_dragging) return QWidget::mouseMoveEvent(event);
    m_pan += event->position() - m_dragFrom;
    m_dragFrom = event->position();
    update();
}

void DrawingSheetView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QWidget::mouseReleaseEvent(event);
    m_dragging = false;
    setCursor(Qt::OpenHandCursor);
}

void DrawingSheetView::mouseDoubleClickEvent(QMouseEvent*) { Fit(); }

CDrawingViewerDlg::CDrawingViewerDlg(const QString& title, const QString& fileName, const QString& picturePath,
                                     QWidget* parent, ui::PrintServices print, ui::Prompter* prompt)
    : QDialog(parent), m_title(title), m_print(print), m_pPrompt(prompt) {
    setObjectName("CDrawingViewerDlg");
    setWindowTitle("图形预览");
    auto* layout = new QVBoxLayout(this);
    m_pRenderer = new QSvgRenderer(this);
    const bool present = QFileInfo::exists(picturePath);
    m_bPicture = present && m_pRenderer->load(picturePath);
    QString note = QString("%1    图形文件：%2").arg(title, fileName);
    if (!present)
        note += QString("\n找不到图形文件 %1。请先在绘图子系统中绘制该图，再预览。").arg(picturePath);
    else if (!m_bPicture)
        note += QString("\n图形文件 %1 无法读取，不能预览。").arg(picturePath);
    m_pNote = new QLabel(note, this);
    m_pNote->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(m_pNote);
    if (m_bPicture) {
        m_pSheet = new DrawingSheetView(m_pRenderer, this);
        layout->addWidget(m_pSheet, 1);
    } else {
        layout->addStretch(1);
    }
    auto* buttons = new QDialogButtonBox(this);
    if (m_pSheet) {
        QPushButton* in = buttons->addButton("放大", QDialogButtonBox::ActionRole);
        QPushButton* out = buttons->addButton("缩小", QDialogButtonBox::ActionRole);
        QPushButton* all = buttons->addButton("全图", QDialogButtonBox::ActionRole);
        connect(in, &QPushButton::clicked, this, [this] { m_pSheet->ZoomBy(kZoomStep); });
        connect(out, &QPushButton::clicked, this, [this] { m_pSheet->ZoomBy(1 / kZoomStep); });
        connect(all, &QPushButton::clicked, m_pSheet, &DrawingSheetView::Fit);
        if (m_print && m_pPrompt) {
            m_pPrint = buttons->addButton("打印...", QDialogButtonBox::ActionRole);
            connect(m_pPrint, &QPushButton::clicked, this, &CDrawingViewerDlg::Print);
        }
    }
    buttons->addButton("关闭", QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(m_bPicture ? QSize(900, 640) : QSize(520, 160));
}

bool CDrawingViewerDlg::Print() {
    if (!m_bPicture || !m_print || !m_pPrompt) return false;
    return ui::RunPrint(m_print, m_title, this, *m_pPrompt, [this](QPainter& painter, QPagedPaintDevice& device) {
        QSizeF size = PictureSize(*m_pRenderer);
        size.scale(QSizeF(device.width(), device.height()), Qt::KeepAspectRatio);
        m_pRenderer->render(&painter, QRectF(QPointF((device.width() - size.width()) / 2, 0), size));
    });
}

}  // namespace drawing
