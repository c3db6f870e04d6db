#include "drawing/ui/drawing_target_command.h"

#include "drawing/drawing_current.h"
#include "drawing/ui/drawing_range_dialog.h"
#include "drawing/ui/drawing_target_dialog.h"
#include "platform/registry/registry.h"

namespace drawing {

TargetSteps DialogTargetSteps(ui::Prompter& prompt, QWidget* parent) {
    TargetSteps steps;
    steps.chooseKind = [parent](std::optional<DrawingKind> current) -> std::optional<DrawingKind> {
        CDrawingTargetDlg dialog(current, parent);
        if (dialog.exec() != QDialog::Accepted) return std::nullopt;
        return dialog.kind();
    };
    steps.chooseRange = [&prompt, parent](DrawingKind kind, std::vector<DrawingRecord> records,
                                          const std::string& current) -> std::optional<DrawingRecord> {
        CDrawingRangeDlg dialog(kind, std::move(records), current, prompt, parent);
        if (dialog.exec() != QDialog::Accepted) return std::nullopt;
        return dialog.chosen();
    };
    return steps;
}

std::optional<TargetResult> RunDrawingTargetCommand(dao::Database& db, ui::Prompter& prompt, const TargetSteps& steps) {
    CurrentDrawing current;
    try {
        current = ReadCurrentDrawing();
    } catch (const registry::SettingsError& e) {
        prompt.message(e.what());
    }
    auto kind = steps.chooseKind(KindFromName(current.type));
    if (!kind) return std::nullopt;
    std::optional<DrawingRecord> confirmed;
    if (IsGeneralDrawing(*kind)) {
        // A list that can't be read offers no range dialog; the choice below says so.
        std::optional<std::vector<DrawingRecord>> records;
        try {
            records = RangeDialogRecords(db, *kind);
        } catch (const dao::DaoException&) {
        }
        if (records) confirmed = steps.chooseRange(*kind, std::move(*records), current.name);
    }
    auto range = ApplyTargetChoice(db, *kind, confirmed, prompt);
    if (!range) return std::nullopt;
    return TargetResult{*kind, std::move(*range)};
}

}  // namespace drawing
