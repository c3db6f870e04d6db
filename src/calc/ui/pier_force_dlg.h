#pragma once
// The pier calculation window "桥梁墩台水平力计算": the four parameters, the list of piers with their
// per-column forces, add/change/delete, and the .phm file. It edits the calculation project in place
// and recalculates after every change.
#include <QDialog>
#include <functional>
#include <string>

#include "calc/pier_project.h"
#include "platform/interaction/interaction.h"

class QComboBox;
class QLineEdit;
class QPushButton;
class QTreeWidget;

namespace calc::ui {

class CPierDlg;

// Puts the piers of the open bridge project into the calculation project (new piers start as `newPier`);
// returns what the user should know about them ("" nothing).
using PierSource = std::function<std::string(CProject& project, const CPier& newPier)>;

class CPierForceDlg : public QDialog {
    Q_OBJECT
public:
    // Resets the project's four parameters to the window's defaults; its piers stay.
    CPierForceDlg(CProject& project, ::ui::Prompter& prompt, ::ui::FileChooser& files, QWidget* parent = nullptr);

    // Runs the pier editor and returns its result code; tests replace it to fill in the fields.
    std::function<int(CPierDlg&)> m_runEditor;

    const std::string& path() const { return m_strPath; }

    // Opened with a project: offers 从项目读取桥墩, which takes the piers' stakes and heights from it.
    void SetPierSource(PierSource source);

    QComboBox* m_comboGrade;
    QLineEdit* m_editLanes;
    QLineEdit* m_editDeltaT;
    QLineEdit* m_editAlpha;
    QTreeWidget* m_listPiers;
    QPushButton* m_btnAdd;
    QPushButton* m_btnDelete;
    QPushButton* m_btnChange;
    QPushButton* m_btnOpen;
    QPushButton* m_btnSave;
    QPushButton* m_btnClose;
    QPushButton* m_btnFromProject;

public slots:
    void OnAddPier();
    void OnDeletePier();
    void OnChangePier();
    void OnOpenFile();
    void OnSaveFile();
    void OnTakeFromProject();
    void OnGradeChosen(int index);
    void OnParameterEdited();
    // Braking, then temperature, then the list refilled.
    void Recalculate();

protected:
    void done(int result) override;

private:
    void ShowParameters();
    void FillList();
    // The selected rows' pier numbers, in list order.
    std::vector<int> SelectedPiers() const;
    ::ui::FileRequest FileRequestFor(bool save) const;
    // Asks for a file and saves the data to it or opens it; the file becomes the window's. False when the
    // user cancels or the file cannot be written or read (already told).
    bool UseChosenFile(bool save);

    CProject& m_project;
    ::ui::Prompter& m_prompt;
    ::ui::FileChooser& m_files;
    std::string m_strPath;
    PierSource m_pierSource;
};

// The vehicle grades of the drop-down, in list order, and their names.
inline constexpr int kVehicleGrades[] = {10, 15, 20, 25};
inline constexpr const char* kVehicleGradeNames[] = {"汽-10", "汽-15", "汽-20", "汽-超20"};

}  // namespace calc::ui
