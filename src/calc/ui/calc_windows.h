#pragma once
// The calculators as the application's menu opens them: modally, over `parent`.
#include "calc/ui/pier_force_dlg.h"

class QWidget;

namespace dao {
class Database;
}

namespace calc {
class CProject;
}

// "墩台水平力计算": the pier calculation window on the one calculation project of this run; with a
// `source` (a project is open) it offers to take the piers from the project.
void OpenPierForceWindow(QWidget* parent, calc::ui::PierSource source = {});
// "涵洞立面计算": the culvert tool.
void OpenCulvertTool(QWidget* parent);
// "路线几何计算辅助工具" on the open project's route tables (`project` may be null: no route data).
void OpenRouteGeometryTool(QWidget* parent, dao::Database* project);

namespace calc::ui {
// The pier calculation project: it lives from the first opening of the window to the end of the program.
CProject& PierForceProject();
}  // namespace calc::ui
