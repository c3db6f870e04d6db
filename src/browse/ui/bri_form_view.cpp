#include "browse/ui/bri_form_view.h"

#include <QAction>
#include <QMenu>
#include <QTimer>
#include <QVBoxLayout>
#include <sys/resource.h>
#include <unistd.h>
#include <algorithm>
#include <memory>

#include "browse/grid_edits.h"
#include "browse/grid_source.h"
#include "browse/grid_table.h"
#include "platform/spreadsheet/grid_commands.h"
#include "browse/ui/project_host.h"
#include "platform/spreadsheet/wait_cursor.h"
#include "platform/dao/database.h"
#include "platform/interaction/interaction.h"
#include "platform/spreadsheet/sheet_model.h"
#include "platform/spreadsheet/spreadsheet.h"
#include "projectdb/record_access.h"

namespace browse {

CBriFormView::CBriFormView(ProjectHost& host, QWidget* parent) : QWidget(parent), m_host(host) {
    m_pGrid = new sheet::Spreadsheet(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_pGrid);
    m_pGrid->setPrompter(&host.Prompter());
    m_orderTimer = new QTimer(this);
    connect(m_orderTimer, &QTimer::timeout, this, [this] {
        if (m_source && m_source->orderPending() && !m_source->orderReady()) return;
        if (m_source) {
            m_pGrid->model()->settleSource();  // the first rows shown as stored take the grid's order
            m_source->completeOrder();
        }
        m_orderTimer->stop();
    });
    m_pGrid->setEditStartFilter([this](int, int) { return AllowEdit(); });
    connect(m_pGrid, &sheet::Spreadsheet::cellChanged, this, [this](int row, int col) {
        SetModified(true);
        CheckCell(row, col);
    });
    // Undoing every edit since the grid was loaded or saved brings back the saved contents; redoing leaves
    // them again (also for row commands, which announce no cell).
    connect(m_pGrid, &sheet::Spreadsheet::cleanChanged, this, [this](bool clean) { SetModified(!clean); });
    connect(m_pGrid, &sheet::Spreadsheet::contextMenuRequested, this,
            [this](int, int, const QPoint& pos) {
                if (!ContextMenuAllowed()) return;
                std::unique_ptr<QMenu> menu(CreateContextMenu());
                if (QAction* chosen = menu->exec(pos)) RunCommand(chosen->data().toInt());
            });
}

CBriFormView::~CBriFormView() = default;

void CBriFormView::SetModified(bool modified) {
    if (m_bModified == modified) return;
    m_bModified = modified;
    emit modifiedChanged(modified);
}

bool CBriFormView::AllowEdit() {
    if (!EditAllowed(m_strTableName, m_host.IsAdvancedUser())) {
        m_host.Prompter().message(EditRefusalMessage(m_strTableName));
        return false;
    }
    if (!m_source || !m_source->orderProvisional()) return true;
    // The rows shown are still the records as stored: an edit waits for the grid's order, and when that
    // moves the rows, the user sees them in their places before choosing the cell again.
    sheet::CWaitCursor wait;
    if (!m_pGrid->model()->settleSource()) return true;
    m_host.Prompter().message("表格的行已按第一列排好顺序，请重新选择要修改的单元格。");
    return false;
}

bool CBriFormView::ContextMenuAllowed() const {
    return browse::ContextMenuAllowed(m_strTableName, m_host.IsAdvancedUser());
}

void CBriFormView::Load(const std::string& table) {
    sheet::CWaitCursor wait;
    if (m_pendingFingerprint.valid()) m_pendingFingerprint.wait();  // it reads the table being replaced
    m_pendingFingerprint = {};
    m_fingerprintDue = false;
    m_strTableName = table;
    m_pDatabase = m_host.ProjectDatabase();
    sheet::SheetModel& model = *m_pGrid->model();
    std::vector<dao::FieldInfo> fields;
    m_source.reset();
    m_loadedFingerprint.clear();
    if (m_pDatabase) {
        try {
            fields = m_pDatabase->GetTableDef(table).fields;
            if (!fields.empty())
                m_source = std::make_shared<TableRowSource>(*m_pDatabase, table, fields, m_pDatabase->GetName());
        } catch (const dao::DaoException&) {
            // A table that cannot be read shows an empty grid.
        }
    }
    model.beginLoad();
    model.setRowCount(0);
    model.setColumnCount(static_cast<int>(fields.size()));
    model.resetHeaders();
    const std::vector<GridColumn> columns = GridColumns(table, fields);
    m_fields = fields;
    m_headers.clear();
    for (const GridColumn& column : columns) m_headers.push_back(column.heading);
    for (std::size_t i = 0; i < columns.size(); ++i) {
        model.setColumnHeaderText(static_cast<int>(i) + 1, QString::fromStdString(columns[i].header));
        model.setColumnHeadingText(static_cast<int>(i) + 1, QString::fromStdString(columns[i].heading));
    }
    if (m_source) {
        model.attachSource(m_source);
        TakeFingerprint();
        if (m_source->orderPending()) {
            QTimer::singleShot(0, this, [source = m_source] { source->startOrder(); });  // once shown
            m_orderTimer->start(50);
        }
    }
    if (model.rowCount() < 1) model.setRowCount(1);
    if (model.columnCount() < 1) model.setColumnCount(1);
    model.endLoad();
    for (std::size_t i = 0; i < columns.size(); ++i)
        m_pGrid->setColumnWidthUnits(static_cast<int>(i) + 1, columns[i].widthUnits);
    m_pGrid->clearUndo();  // nothing to undo in what was just read
    SetModified(false);
}

void CBriFormView::TakeFingerprint(bool beside) {
    m_loadedFingerprint.clear();
    m_stamp = TakeWriteStamp(*m_pDatabase);
    if (beside) {
        StartFingerprintBeside();
    } else if (m_source->rowCount() > kFingerprintInlineRows) {
        // Reading a large table whole would hold up the first screen: it is read once that is shown.
        m_fingerprintDue = true;
        QTimer::singleShot(0, this, [this] {
            if (m_fingerprintDue) StartFingerprintBeside();
        });
    } else {
        try {
            m_loadedFingerprint = TableFingerprint(*m_pDatabase, m_strTableName);
        } catch (const dao::DaoException&) {
            // Unreadable now: the save compares against nothing and asks.
        }
    }
}

void CBriFormView::StartFingerprintBeside() {
    m_fingerprintDue = false;
    // Written since the stamp was taken: the table as read can no longer be told, and the save asks.
    if (!m_pDatabase || TakeWriteStamp(*m_pDatabase) != m_stamp) return;
    // On a connection of its own, so only committed records count, as for another program.
    m_pendingFingerprint = std::async(std::launch::async, [path = m_pDatabase->GetName(), table = m_strTableName] {
        // Only a save waits for it: the window and the order read beside go first.
        setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), 10);
        try {
            auto db = dao::Database::Open(path, /*readOnly=*/true);
            return TableFingerprint(*db, table);
        } catch (const dao::DaoException&) {
            return std::string();  // unreadable: the save compares against nothing and asks
        }
    });
}

const std::string& CBriFormView::LoadedFingerprint() {
    if (m_fingerprintDue) StartFingerprintBeside();
    if (m_pendingFingerprint.valid()) m_loadedFingerprint = m_pendingFingerprint.get();
    return m_loadedFingerprint;
}

void CBriFormView::Requery() {
    SetModified(false);
    if (m_pGrid->isEditing()) m_pGrid->commitEdit();
    sheet::SheetModel& model = *m_pGrid->model();
    model.beginLoad();
    model.setRowCount(1);
    model.setColumnCount(1);
    model.clearCells();
    model.endLoad();
    Load(m_strTableName);
}

QMenu* CBriFormView::CreateContextMenu() {
    QMenu* menu = sheet::CreateGridMenu(sheet::kMenuType2, this, m_pGrid);
    sheet::AddGridPopup(menu, sheet::GridModulesPopup());
    return menu;
}

void CBriFormView::RunCommand(int commandId) {
    if (sheet::IsModuleCommand(commandId)) {
        // The sibling programs are commands of the shell: they run exactly as from the main menu.
        m_host.RunShellCommand(commandId);
        return;
    }
    if (!sheet::IsGridCommand(commandId)) return;
    sheet::RunGridCommand(commandId, *m_pGrid, m_host.FileChooser());
    if (commandId >= sheet::ID_GRID_CUT && commandId <= sheet::ID_GRID_DELETE_ROW) SetModified(true);
}

bool CBriFormView::SaveRoutine() {
    m_pGrid->commitEdit();
    if (!m_bModified) return true;
    ui::Prompter& prompt = m_host.Prompter();
    if (NeverWrittenBack(m_strTableName)) {
        if (prompt.message(DrawingTableWarning(m_strTableName), ui::Buttons::YesNo) == ui::Answer::Yes) {
            // The edits are accepted as they are: undoing them leaves that state again.
            m_pGrid->setUndoClean();
            SetModified(false);
        }
        return true;
    }
    if (prompt.message(SaveQuestion(m_strTableName), ui::Buttons::YesNo, ui::Icon::Exclamation) != ui::Answer::Yes)
        return true;
    sheet::SheetData& cells = m_pGrid->model()->mutableSheetData();
    const int rows = cells.rowCount();
    {
        // Rows nobody touched have their first value from the read order: no page is read for them.
        std::vector<std::string> first;
        first.reserve(rows);
        for (int r = 1; r <= rows; ++r) {
            const int position = cells.sourceRow(r);
            first.push_back(m_source && position >= 0 && !cells.ownsRow(r) ? m_source->firstValue(position)
                                                                            : std::string(cells.text(r, 1)));
        }
        const std::string problem = CheckFirstColumn({first.begin(), first.end()});
        if (!problem.empty()) {
            prompt.message(problem);
            return false;
        }
    }
    // One cell its field cannot hold would fail the whole write: it is named and the grid stays as typed.
    if (!CheckAllCells()) return false;
    // The database of the project now open (after Save As the grids have read the new file again).
    m_pDatabase = m_host.ProjectDatabase();
    if (!m_pDatabase || !m_source) return false;
    bool changedOnDisk = false;
    bool rewritten = false;
    bool written = false;
    try {
        sheet::CWaitCursor wait;
        // Another program or window may have written the table since it was read: its rows are kept, and
        // the user decides before the rows changed here go over it.
        const WriteStamp now = TakeWriteStamp(*m_pDatabase);
        if (now != m_stamp) {
            changedOnDisk = TableFingerprint(*m_pDatabase, m_strTableName) != LoadedFingerprint();
            if (!changedOnDisk) m_stamp = now;  // other tables were written: this one is as read
        }
        if (changedOnDisk &&
            prompt.message(ChangedOnDiskQuestion(m_strTableName), ui::Buttons::YesNo, ui::Icon::Exclamation) != ui::Answer::Yes)
            return true;
        const RowEdits edits = CollectRowEdits(cells, *m_source);
        // Unchanged on disk and reordered here (a row inserted between others): the whole table is written
        // in the grid's order, which reverts nobody's rows since nobody else wrote any.
        rewritten = !changedOnDisk && !edits.keepsOrder;
        written = !edits.empty();
        if (rewritten)
            WriteGridRows(*m_pDatabase, m_strTableName, rows, cells.columnCount(),
                          [&cells](int r, int c) { return cells.text(r, c); });
        else
            WriteRowEdits(*m_pDatabase, edits, cells, *m_source);
    } catch (const dao::DaoException& e) {
        projectdb::ReportDaoError(e, prompt);
        return false;
    }
    if (changedOnDisk || rewritten) {
        Load(m_strTableName);  // shows the others' rows beside the ones written here, or the new records
        return true;
    }
    if (written) TakeFingerprint(/*beside=*/true);
    m_pGrid->clearUndo();  // the edits are in the table now; undo works until the grid is saved
    SetModified(false);
    return true;
}

bool CBriFormView::CheckCell(int row, int col) {
    if (col < 1 || col > static_cast<int>(m_fields.size()) || NeverWrittenBack(m_strTableName)) return true;
    const std::string problem = CellProblem(m_fields[col - 1], m_pGrid->textUtf8(row, col));
    if (problem.empty() || m_refusing) return problem.empty();
    m_refusing = true;
    m_host.Prompter().message(BadCellMessage(row, m_headers[col - 1], problem), ui::Buttons::Ok, ui::Icon::Exclamation);
    m_pGrid->setCurrentCell(row, col);
    // The grid moves on to the cell that was clicked after this signal: come back once it has.
    QTimer::singleShot(0, this, [this, row, col] {
        m_pGrid->setCurrentCell(row, col);
        m_refusing = false;
    });
    return false;
}

bool CBriFormView::CheckAllCells() {
    const sheet::SheetData& cells = m_pGrid->model()->sheetData();
    const int cols = std::min(cells.columnCount(), static_cast<int>(m_fields.size()));
    for (int r = 1; r <= cells.rowCount(); ++r) {
        // A row that still shows its record holds what the table held.
        if (!cells.ownsRow(r)) continue;
        for (int c = 1; c <= cols; ++c) {
            const std::string problem = CellProblem(m_fields[c - 1], cells.text(r, c));
            if (problem.empty()) continue;
            m_host.Prompter().message(BadCellMessage(r, m_headers[c - 1], problem), ui::Buttons::Ok, ui::Icon::Exclamation);
            m_pGrid->setCurrentCell(r, c);
            return false;
        }
    }
    return true;
}

bool CBriFormView::CanClose() { return SaveRoutine(); }

bool CBriFormView::CommitEdits() { return SaveRoutine(); }

}  // namespace browse
