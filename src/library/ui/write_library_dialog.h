#pragma once
// "写入构件库": the members of the open project in two lists, the target library's name, and the write of
// the chosen rows when the user confirms.
#include <QDialog>
#include <string>

#include "library/library_candidates.h"
#include "platform/dao/database.h"
#include "platform/interaction/interaction.h"

class QCheckBox;
class QLineEdit;
class QTreeWidget;

namespace library {

class CWriteLibraryDlg : public QDialog {
    Q_OBJECT
public:
    // Lists the project's members under `progress` while the dialog is made.
    CWriteLibraryDlg(dao::Database& project, ui::Prompter& prompter, ui::Progress& progress, ui::FileChooser& files,
                     QWidget* parent = nullptr);

    // The target name as typed, read when the dialog closes by either button.
    std::string TargetName() const;
    // The members written by 确定 (0 while nothing was written).
    std::size_t WrittenItems() const { return m_writtenItems; }

    QLineEdit* TargetEdit() const { return m_pEditTarget; }
    QTreeWidget* UpperList() const { return m_pListUpper; }
    QTreeWidget* LowerList() const { return m_pListLower; }
    QCheckBox* UpperAllBox() const { return m_pCheckUpperAll; }
    QCheckBox* LowerAllBox() const { return m_pCheckLowerAll; }

public slots:
    void OnBrowse();
    void OnOK();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QTreeWidget* MakeList(const std::array<ListColumn, 6>& columns);
    static void Fill(QTreeWidget* list, const std::vector<std::array<std::string, 6>>& rows);
    void OnExportAll(QTreeWidget* list, bool all);
    std::vector<int> SelectedRows(QTreeWidget* list) const;

    dao::Database& m_project;
    ui::Prompter& m_prompter;
    ui::Progress& m_progress;
    ui::FileChooser& m_files;
    Candidates m_candidates;
    std::size_t m_writtenItems = 0;
    QLineEdit* m_pEditTarget;
    QTreeWidget* m_pListUpper;
    QTreeWidget* m_pListLower;
    QCheckBox* m_pCheckUpperAll;
    QCheckBox* m_pCheckLowerAll;
};

// The command 加入构件库: the dialog over the open project; then, when a target name was given and the
// library is there, the clean of that library. `summary`, when given, receives the line a write ends with.
void RunWriteLibraryCommand(QWidget* parent, dao::Database& project, ui::Prompter& prompter, ui::FileChooser& files,
                            std::string* summary = nullptr);

}  // namespace library
