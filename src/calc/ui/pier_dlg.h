#pragma once
// The pier editor "桥墩构造": the inputs of one pier, its column section (rectangle or circle) and a
// drop-down to start from the values of an existing pier.
#include <QDialog>

#include "calc/pier_project.h"
#include "platform/interaction/interaction.h"

class QComboBox;
class QLineEdit;
class QRadioButton;

namespace calc::ui {

class CPierDlg : public QDialog {
    Q_OBJECT
public:
    // Edits a copy of `pier`; the reference drop-down offers the piers of `project`.
    CPierDlg(const CPier& pier, const CProject& project, ::ui::Prompter& prompt, QWidget* parent = nullptr);

    // What "添加桥墩" starts from: every field 0, shear modulus 666, a rectangle.
    static CPier NewPier();

    // The pier described by the fields, with a new section of the chosen type.
    CPier pier() const;
    int sectionType() const { return m_nSectionType; }

    QLineEdit* m_editStake;
    QLineEdit* m_editColumns;
    QLineEdit* m_editHeight;
    QLineEdit* m_editGrade;
    QLineEdit* m_editBearings;
    QLineEdit* m_editBearingHeight;
    QLineEdit* m_editShearModulus;
    QLineEdit* m_editBearingArea;
    QLineEdit* m_editW;
    QLineEdit* m_editH;
    QLineEdit* m_editD;
    QRadioButton* m_radioRect;
    QRadioButton* m_radioCircle;
    QComboBox* m_comboReference;

public slots:
    // OK: a pier that cannot be calculated (no columns, no height, no section) is refused with the reason.
    void OnOK();
    void OnRectangle();
    void OnCircle();
    void OnReferenceChosen(int index);

private:
    void ShowPier(const CPier& pier);
    void ApplySectionType();

    const CProject& m_project;
    ::ui::Prompter& m_prompt;
    int m_nSectionType = CCrossection::kRectangle;
};

}  // namespace calc::ui
