#pragma once
// The drawing area of the drawing host: the drawn sheet (an SVG file) fitted into the window on a grey
// surround, or a note while nothing is drawn.
#include <QString>
#include <QSvgRenderer>
#include <QWidget>

class DrawingView : public QWidget {
    Q_OBJECT
public:
    explicit DrawingView(QWidget* parent = nullptr);
    // False when the file is no drawing the view can show.
    bool showDrawing(const QString& svgPath);
    bool hasDrawing() const { return m_renderer.isValid(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QSvgRenderer m_renderer;
};
