#pragma once
// 图形预览: the picture of one drawing as the drawing host wrote it beside the project, scaled to the
// window; the file name and a clear word when there is no picture to show.
#include <QDialog>
#include <QString>

class QLabel;
class QSvgRenderer;

namespace drawing {

class CDrawingViewerDlg : public QDialog {
    Q_OBJECT
public:
    // `fileName` as the drawing record names it, `picturePath` the picture to show.
    CDrawingViewerDlg(const QString& title, const QString& fileName, const QString& picturePath,
                      QWidget* parent = nullptr);

    // True when the picture could be read and is shown.
    bool ShowsPicture() const { return m_bPicture; }
    QLabel* Note() const { return m_pNote; }

private:
    QLabel* m_pNote = nullptr;
    bool m_bPicture = false;
};

}  // namespace drawing
