#pragma once
// 图形预览: the picture of one drawing as the drawing host wrote it beside the project, scaled to the
// window; the file name and a clear word when there is no picture to show. The picture zooms (wheel,
// 放大/缩小, 全图) and pans (dragging), and prints with the application's printer set-up.
#include <QDialog>
#include <QString>

#include "platform/interaction/qt_printing.h"

class QLabel;
class QPushButton;
class QSvgRenderer;

namespace drawing {

class DrawingSheetView;

class CDrawingViewerDlg : public QDialog {
    Q_OBJECT
public:
    // `fileName` as the drawing record names it, `picturePath` the picture to show. With `print` the
    // dialog offers 打印; `prompt` tells why a print could not start.
    CDrawingViewerDlg(const QString& title, const QString& fileName, const QString& picturePath,
                      QWidget* parent = nullptr, ui::PrintServices print = {}, ui::Prompter* prompt = nullptr);

    // True when the picture could be read and is shown.
    bool ShowsPicture() const { return m_bPicture; }
    QLabel* Note() const { return m_pNote; }
    // The picture, or nullptr when there is none.
    DrawingSheetView* Sheet() const { return m_pSheet; }
    QPushButton* PrintButton() const { return m_pPrint; }
    // 打印: the whole sheet on one page, as large as the paper allows.
    bool Print();

private:
    QLabel* m_pNote = nullptr;
    DrawingSheetView* m_pSheet = nullptr;
    QPushButton* m_pPrint = nullptr;
    QSvgRenderer* m_pRenderer = nullptr;
    QString m_title;
    ui::PrintServices m_print;
    ui::Prompter* m_pPrompt;
    bool m_bPicture = false;
};

// Draws an SVG on white, fitted to the widget at zoom 1 without distorting it (a drawing sheet keeps its
// proportions); the wheel zooms about the point under the cursor, dragging moves the picture.
class DrawingSheetView : public QWidget {
    Q_OBJECT
public:
    DrawingSheetView(QSvgRenderer* renderer, QWidget* parent);

    double Zoom() const { return m_zoom; }
    // Zooms by `factor` keeping the picture point under `at` (widget coordinates) where it is.
    void ZoomBy(double factor, QPointF at);
    void ZoomBy(double factor) { ZoomBy(factor, QPointF(width() / 2.0, height() / 2.0)); }
    void Fit();
    // Where the picture lies in the widget now.
    QRectF PictureRect() const;

protected:
    void paintEvent(QPaintEvent*) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QRectF FittedRect() const;

    QSvgRenderer* m_pRenderer;
    double m_zoom = 1;
    QPointF m_pan;  // of the picture's centre from the widget's centre
    QPointF m_dragFrom;
    bool m_dragging = false;
};

}  // namespace drawing
