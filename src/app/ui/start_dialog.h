#pragma once
// The start dialog "向导": open a project (a recent one or another file), create a new one, or import one.
#include <QDialog>
#include <QString>
#include <QStringList>

class QListWidget;
class QListWidgetItem;
class QRadioButton;
class QLabel;
namespace ui {
struct FileChooser;
}

class CStartDlg : public QDialog {
    Q_OBJECT
public:
    enum class Choice { None, Open, New, Import };
    static constexpr const char* kOtherFile = "表中未列出的文件...";

    CStartDlg(const QStringList& recentProjects, ui::FileChooser& files, QWidget* parent = nullptr);

    Choice choice() const { return m_choice; }
    QString path() const { return m_path; }

    // What the buttons do, callable from tests.
    void selectMode(Choice mode);
    void selectRow(int row);
    void OnOK();
    QListWidget* list() const { return m_pList; }

private:
    void updateMode();
    void onDoubleClick(QListWidgetItem* item);

    ui::FileChooser& m_files;
    QRadioButton* m_pOpen;
    QRadioButton* m_pNew;
    QRadioButton* m_pImport;
    QListWidget* m_pList;
    QLabel* m_pExplanation[3];
    Choice m_choice = Choice::None;
    QString m_path;
};
