#pragma once
// The picture of a member type: a white field with the type's drawing at a given width, its height
// following the drawing's proportions. No picture leaves the field white.
#include <QString>
#include <QWidget>

class QSvgRenderer;

namespace projectdb {

class CTypePicture : public QWidget {
    Q_OBJECT
public:
    // `width` pixels for every picture; the field is as large as the largest picture it will show.
    CTypePicture(int width, int fieldHeight, QWidget* parent = nullptr);

    // ":/pictures/<name>"; an empty name shows no picture.
    void SetPicture(const QString& name);
    const QString& Picture() const { return m_strPicture; }
    int ImageWidth() const { return m_nWidth; }
    // The height a picture of that name takes at this width.
    static int HeightAt(const QString& name, int width);
    // The width the picture was drawn at.
    static int NaturalWidth(const QString& name);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_nWidth;
    int m_nFieldHeight;
    QString m_strPicture;
    QSvgRenderer* m_pRenderer;
};

}  // namespace projectdb
