#pragma once
// The main toolbar's two combo boxes: the drawing target (131, the five kinds) and the drawing range (133,
// the drawings of the chosen kind). A pick in either writes "Current Drawing"; opening the range list reads
// the project's drawing list afresh.
#include <QComboBox>
#include <QObject>
#include <functional>

#include "drawing/ui/drawing_target_command.h"
#include "platform/dao/database.h"
#include "platform/interaction/interaction.h"

namespace drawing {

// The range combo refills its list each time it drops down.
class CDrawingRangeCombo : public QComboBox {
    Q_OBJECT
public:
    using QComboBox::QComboBox;
    std::function<bool()> aboutToDropDown;  // false: the list is not shown
    void showPopup() override;
};

class CDrawingCombos : public QObject {
    Q_OBJECT
public:
    // `project` gives the open project (null when none).
    CDrawingCombos(QWidget* parent, std::function<dao::Database*()> project, ui::Prompter& prompt);

    QComboBox* TargetCombo() const { return m_pTarget; }
    CDrawingRangeCombo* RangeCombo() const { return m_pRange; }

    // Enabled while a project is open, showing the current drawing; empty without a project.
    void SetProjectOpen(bool open);
    // After the target dialog.
    void Show(const TargetResult& result);

    // The user's picks, as the combos' activation runs them.
    void OnTargetSelected(int index);
    void OnRangeSelected(int index);
    // The range list drops down: false when it could not be refilled.
    bool OnRangeDropDown();

private:
    void ShowRange(const RangeList& range);

    std::function<dao::Database*()> m_project;
    ui::Prompter& m_prompt;
    QComboBox* m_pTarget;
    CDrawingRangeCombo* m_pRange;
    int m_nRangeIndex = -1;  // the range pick in force, to return to when a pick is refused
};

}  // namespace drawing
