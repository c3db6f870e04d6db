#include "drawing/ui/drawing_viewer_dialog.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QLabel>
#include <QPainter>
#include <QSvgRenderer>
#include <QVBoxLayout>

namespace drawing {

namespace {

// Draws an SVG on white, as large as the widget allows without distorting it (a drawing sheet keeps its
// proportions).
class SvgSheet : public QWidget {
public:
    SvgSheet(QSvgRenderer* renderer, QWidget* parent) : QWidget(parent), m_pRenderer(renderer) {
        setMinimumSize(320, 220);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        QSizeF size = m_pRenderer->viewBoxF().size();
        if (size.isEmpty()) size = m_pRenderer->defaultSize();
        if (size.isEmpty()) return;
        size.scale(QSizeF(width() - 16, height() - 16), Qt::KeepAspectRatio);
        QRectF target(QPointF((width() - size.width()) / 2, (height() - size.height()) / 2), size);
        m_pRenderer->render(&painter, target);
    }

private:
    QSvgRenderer* m_pRenderer;
};

}  // namespace

CDrawingViewerDlg::CDrawingViewerDlg(const QString& title, const QString& fileName, const QString& picturePath,
                                     QWidget* parent)
    : QDialog(parent) {
    setObjectName("CDrawingViewerDlg");
    setWindowTitle("图形预览");
    auto* layout = new QVBoxLayout(this);
    auto* renderer = new QSvgRenderer(this);
    const bool present = QFileInfo::exists(picturePath);
    m_bPicture = present && renderer->load(picturePath);
    QString note = QString("%1    图形文件：%2").arg(title, fileName);
    if (!present)
        note += QString("\n找不到图形文件 %1。请先在绘图子系统中绘制该图，再预览。").arg(picturePath);
    else if (!m_bPicture)
        note += QString("\n图形文件 %1 无法读取，不能预览。").arg(picturePath);
    m_pNote = new QLabel(note, this);
    m_pNote->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(m_pNote);
    if (m_bPicture)
        layout->addWidget(new SvgSheet(renderer, this), 1);
    else
        layout->addStretch(1);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton("关闭", QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(m_bPicture ? QSize(900, 640) : QSize(520, 160));
}

}  // namespace drawing
