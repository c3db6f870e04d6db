#pragma once
// The find bar of the spreadsheet control (Ctrl+F): shown below the grid, it asks for the text and finds the
// next or previous cell holding it. Internal to the spreadsheet: windows use Spreadsheet.
#include <QWidget>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace sheet {

class SheetFindBar : public QWidget {
    Q_OBJECT
public:
    explicit SheetFindBar(QWidget* parent = nullptr);

    QString text() const;
    void setText(const QString& text);
    bool caseSensitive() const;
    // Shows the bar with the text selected, ready for a new one.
    void open();

signals:
    void findRequested(const QString& text, bool forward, bool caseSensitive);
    void closed();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void request(bool forward);

    QLineEdit* edit_;
    QPushButton* next_;
    QPushButton* previous_;
    QCheckBox* case_;
};

}  // namespace sheet
