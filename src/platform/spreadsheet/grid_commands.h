#pragma once
// The context menu and editing commands shared by every window that shows a spreadsheet grid: cut, copy,
// paste, insert and delete rows, write the grid to a file, and undo the last edit of the grid.
#include <QPoint>

#include "platform/spreadsheet/grid_menu.h"

class QMenu;
class QWidget;

namespace ui {
struct FileChooser;
}

namespace sheet {

class Spreadsheet;

// The sub-menu `index` of resource 186 as a QMenu whose actions carry their command ids (QAction::data()).
// nullptr for an index outside 0–4. The caller owns the menu. Given the grid the menu is for, 撤消 (&U) is
// enabled only when the grid has an edit to undo.
QMenu* CreateGridMenu(int index, QWidget* parent = nullptr, const sheet::Spreadsheet* grid = nullptr);

// Appends `popup` to `menu` as a sub-menu after a separator; its actions carry their command ids too.
void AddGridPopup(QMenu* menu, const GridMenu& popup);

// Shows sub-menu `index` as a pop-up at `globalPos` (the cursor position by default) and returns the command
// id chosen, 0 when the menu was dismissed. The owner runs the command (RunGridCommand for 33430–33436).
int ShowGridMenu(QWidget* owner, int index, const QPoint& globalPos,
                 const sheet::Spreadsheet* grid = nullptr);
int ShowGridMenu(QWidget* owner, int index);

// Runs one shared command on one grid under the wait cursor (查找 opens the grid's find bar). `files` asks
// for the file of 写文件...
void RunGridCommand(int commandId, sheet::Spreadsheet& grid, ui::FileChooser& files);

// 写文件...: asks for the file ("保存文件") and writes the grid as a workbook or as tab-separated text.
// The grid reports a file that cannot be written itself. False when cancelled or not written.
bool WriteGridFile(sheet::Spreadsheet& grid, ui::FileChooser& files);

}  // namespace sheet
