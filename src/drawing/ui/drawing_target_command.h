#pragma once
// The command 绘图目标...: the target dialog, for a general drawing its range dialog, then "Current Drawing"
// written. The two dialogs are steps that tests replace, so that no modal dialog blocks them.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "drawing/drawing_kinds.h"
#include "drawing/drawing_target.h"
#include "platform/dao/database.h"
#include "platform/interaction/interaction.h"

class QWidget;

namespace drawing {

struct TargetSteps {
    // The target dialog: the kind chosen, nothing for Cancel.
    std::function<std::optional<DrawingKind>(std::optional<DrawingKind> current)> chooseKind;
    // The range dialog of a general kind: the drawing confirmed, nothing for Cancel.
    std::function<std::optional<DrawingRecord>(DrawingKind kind, std::vector<DrawingRecord> records,
                                               const std::string& currentTitle)>
        chooseRange;
};

// The modal dialogs, for the application.
TargetSteps DialogTargetSteps(ui::Prompter& prompt, QWidget* parent);

// What the toolbar combos show afterwards.
struct TargetResult {
    DrawingKind kind;
    RangeList range;
};

// Nothing when the user cancelled the target dialog or the choice could not be written.
std::optional<TargetResult> RunDrawingTargetCommand(dao::Database& db, ui::Prompter& prompt, const TargetSteps& steps);

}  // namespace drawing
