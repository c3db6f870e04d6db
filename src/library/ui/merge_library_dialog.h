#pragma once
// "合并构件库": the source libraries and the target library of a merge. The dialog only gathers paths; the
// merge runs after it closes.
#include <QDialog>
#include <functional>
#include <string>
#include <vector>

#include "platform/interaction/interaction.h"

class QLineEdit;
class QListWidget;
class QPushButton;

namespace library {

class CMergeLibraryDlg : public QDialog {
    Q_OBJECT
public:
    // Picks several files at once ("选择源构件库"); "" entries are ignored, an empty list is a cancel.
    using ChooseFiles = std::function<std::vector<std::string>(const ui::FileRequest&)>;

    CMergeLibraryDlg(ui::Prompter& prompter, ui::FileChooser& files, ChooseFiles chooseSources,
                     QWidget* parent = nullptr);

    std::vector<std::string> Sources() const;
    std::string Target() const;

    QListWidget* SourceList() const { return m_pListSources; }
    QLineEdit* TargetEdit() const { return m_pEditTarget; }
    QPushButton* RemoveButton() const { return m_pButtonRemove; }

public slots:
    void OnAdd();
    void OnRemove();
    void OnBrowse();
    void OnOK();

protected:
    void done(int result) override;

private:
    ui::Prompter& m_prompter;
    ui::FileChooser& m_files;
    ChooseFiles m_chooseSources;
    QListWidget* m_pListSources;
    QLineEdit* m_pEditTarget;
    QPushButton* m_pButtonRemove;
};

// The multi-selection file dialog of the running application.
CMergeLibraryDlg::ChooseFiles WindowFileChoice(QWidget* parent);

// The command 合并构件库: the dialog; on 确定 the merge under the progress window; then, when a target was
// given, the clean of the target. `summary`, when given, receives the line a merge ends with.
void RunMergeLibraryCommand(QWidget* parent, ui::Prompter& prompter, ui::FileChooser& files,
                            std::string* summary = nullptr);

}  // namespace library
