#pragma once
// Placement of the resizable dialogs (pier calculation window, library dialogs) in the application profile, section "DynaSizingComponent": the
// integer keys "Left", "Top", "Right", "Bottom" (the window's rectangle) and "State" (1 normal,
// 3 maximised), and "(check)" = 32639 marking a placement that was written completely.
class QWidget;

namespace ui {

inline constexpr const char* kDynaSizingSection = "DynaSizingComponent";
inline constexpr int kDynaSizingCheck = 32639;

// Moves and sizes the window to the stored placement; a placement without the marker is ignored.
// Returns whether a placement was applied.
bool RestorePlacement(QWidget& window);
void SavePlacement(const QWidget& window);

}  // namespace ui
