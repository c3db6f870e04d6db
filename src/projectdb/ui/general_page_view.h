#pragma once
// Page 1 of the new-project wizard (一般信息), also the body of the 一般信息 dialog: the eighteen values of
// 一般信息表 in boxes and lists, with the cross-section picture beside the offsets. Every change goes to the
// page model at once; the model's rules decide what the other boxes show.
#include <QWidget>
#include <array>

#include "projectdb/general_page.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QWidget;

namespace ui {
struct Prompter;
}

namespace projectdb {

class CMyPropertyPage11 : public QWidget {
    Q_OBJECT
public:
    CMyPropertyPage11(GeneralPage& page, ui::Prompter& prompt, QWidget* parent = nullptr);

    // The box or list that shows a field (a QLineEdit or a QComboBox).
    QWidget* Control(GeneralField field) const { return m_controls[static_cast<int>(field)]; }
    QLineEdit* Box(GeneralField field) const;
    QComboBox* List(GeneralField field) const;
    // The cross-section picture: its resource path and the label that shows it.
    const QString& PicturePath() const { return m_picturePath; }
    QLabel* Picture() const { return m_pPicture; }

    // Shows the model's values again (after the model changed from outside).
    void Refresh();

private:
    QWidget* MakeControl(GeneralField field);
    void OnListChosen(GeneralField field, const QString& text);

    GeneralPage& m_page;
    ui::Prompter& m_prompt;
    std::array<QWidget*, kGeneralFieldCount> m_controls{};
    QLabel* m_pPicture = nullptr;
    QString m_picturePath;
    bool m_bRefreshing = false;
};

}  // namespace projectdb
