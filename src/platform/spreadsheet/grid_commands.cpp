#include "platform/spreadsheet/grid_commands.h"

#include <QAction>
#include <QCursor>
#include <QMenu>
#include <algorithm>
#include <memory>

#include "platform/spreadsheet/wait_cursor.h"
#include "platform/interaction/interaction.h"
#include "platform/spreadsheet/spreadsheet.h"

namespace sheet {

namespace {

void AddEntries(QMenu* menu, const GridMenu& spec) {
    for (const GridMenuEntry& entry : spec.entries) {
        if (entry.isSeparator()) {
            menu->addSeparator();
            continue;
        }
        QAction* action = menu->addAction(QString::fromStdString(entry.text));
        action->setData(entry.id);
    }
}

}  // namespace

void AddGridPopup(QMenu* menu, const GridMenu& popup) {
    menu->addSeparator();
    AddEntries(menu->addMenu(QString::fromStdString(popup.title)), popup);
}

QMenu* CreateGridMenu(int index, QWidget* parent, const sheet::Spreadsheet* grid) {
    const GridMenu* spec = GridMenuAt(index);
    if (!spec) return nullptr;
    auto* menu = new QMenu(QString::fromStdString(spec->title), parent);
    AddEntries(menu, *spec);
    if (grid)
        for (QAction* action : menu->actions())
            if (action->data().toInt() == ID_GRID_REDO) action->setEnabled(grid->canRedo());
    return menu;
}

int ShowGridMenu(QWidget* owner, int index, const QPoint& globalPos, const sheet::Spreadsheet* grid) {
    std::unique_ptr<QMenu> menu(CreateGridMenu(index, owner, grid));
    if (!menu) return 0;
    QAction* chosen = menu->exec(globalPos);
    return chosen ? chosen->data().toInt() : 0;
}

int ShowGridMenu(QWidget* owner, int index) { return ShowGridMenu(owner, index, QCursor::pos()); }

void RunGridCommand(int commandId, sheet::Spreadsheet& grid, ui::FileChooser& files) {
    const int currentRow = grid.currentRow();
    const int lastColumn = std::max(1, grid.lastUsedColumn());
    const int rowCount = grid.rowCount();
    const sheet::CellRange selected = grid.selection();
    if (commandId == ID_GRID_WRITE_FILE) {
        // The file dialog is no place for an hourglass; the writing itself gets one.
        WriteGridFile(grid, files);
        return;
    }
    if (commandId == ID_GRID_FIND) {
        grid.showFindBar();
        return;
    }
    CWaitCursor wait;
    switch (commandId) {
        case ID_GRID_CUT: grid.cut(); break;
        case ID_GRID_COPY: grid.copy(); break;
        case ID_GRID_PASTE: grid.paste(); break;
        case ID_GRID_INSERT_ROW: {
            if (currentRow < 1) break;
            sheet::Spreadsheet::EditStep step(grid);  // the row and the row count undo together
            if (grid.insertRange({currentRow, 1, currentRow, lastColumn}, sheet::Shift::Rows))
                grid.setRowCount(rowCount + 1);
            break;
        }
        case ID_GRID_DELETE_ROW: {
            // A grid always keeps one row.
            if (rowCount == 1) break;
            const int first = std::max(1, selected.row1);
            const int last = std::min(rowCount, selected.row2);
            if (last < first) break;
            sheet::Spreadsheet::EditStep step(grid);
            if (grid.deleteRange({first, 1, last, lastColumn}, sheet::Shift::Rows))
                grid.setRowCount(std::max(1, rowCount - (last - first + 1)));
            break;
        }
        // 撤消 stands in the menu and changes nothing; the grid's own undo is Ctrl+Z.
        case ID_GRID_UNDO: break;
        case ID_GRID_REDO: grid.redo(); break;
        default: break;
    }
}

bool WriteGridFile(sheet::Spreadsheet& grid, ui::FileChooser& files) {
    ui::FileRequest request;
    request.save = true;
    request.title = kWriteFileTitle;
    request.defaultExtension = kWriteFileDefaultExtension;
    request.filter = kWriteFileFilter;
    request.overwritePrompt = true;
    const std::string chosen = files.choose(request);
    if (chosen.empty()) return false;
    const std::string path = GridFilePath(chosen);
    CWaitCursor wait;
    const sheet::FileType type =
        GridFileKindOf(path) == GridFileKind::TabText ? sheet::FileType::TabText : sheet::FileType::Excel;
    return grid.writeFile(QString::fromStdString(path), type);
}

}  // namespace sheet
