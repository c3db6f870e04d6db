#pragma once
// The grid editor: one table of the project database in a spreadsheet grid inside a project child window,
// written back to the table when the window closes (or the project is saved). Central tables are
// protected: only in advanced-user mode may their cells be edited, and the drawing layout and horizontal
// curve tables are never written back from the grid.
#include <QWidget>

class QMenu;
class QTimer;
#include <future>
#include <memory>
#include <string>
#include <vector>

#include "browse/grid_table.h"
#include "platform/dao/field.h"

namespace sheet {
class Spreadsheet;
}
namespace dao {
class Database;
}  // namespace dao

namespace browse {

class ProjectHost;
class TableRowSource;

class CBriFormView : public QWidget {
    Q_OBJECT
public:
    explicit CBriFormView(ProjectHost& host, QWidget* parent = nullptr);
    ~CBriFormView() override;

    // Shows the table of the host's open project: captions as column headers, records ordered by the first
    // field. Only the first page of the order is read here (the rest is read beside and taken in when ready); the records are read a page at a time as the grid shows them, so
    // a table of a million records opens at once. A table that cannot be read shows an empty grid.
    void Load(const std::string& table);
    // Drops pending edits without a question and loads the same table again (after a design module ran).
    void Requery();
    // Save-on-close: may ask whether to save, checks the first column and writes the table back.
    // False keeps the window open (first-column rule broken, or the write failed).
    bool CanClose();
    // The project's Save (32784): the same routine without closing; false when the grid could not be saved.
    bool CommitEdits();

    const std::string& TableName() const { return m_strTableName; }
    bool IsModified() const { return m_bModified; }
    sheet::Spreadsheet& Grid() const { return *m_pGrid; }
    // The records behind the rows (null for an unreadable table), e.g. to tell whether the whole order is in.
    TableRowSource* Source() const { return m_source.get(); }
    // The context menu: the shared grid menu 类型2 and the "模块" popup of the sibling programs. The caller
    // owns it.
    QMenu* CreateContextMenu();
    // Runs one command of the grid's context menu (33430–33436, or a 模块 entry) the way the menu does.
    void RunCommand(int commandId);
    // Whether the context menu may be shown now (depends on the table and the advanced-user flag).
    bool ContextMenuAllowed() const;

signals:
    // Each change of IsModified: an edit or editing command, an undo or redo to or from the loaded (saved)
    // contents, Load, Requery and a save.
    void modifiedChanged(bool modified);

private:
    void SetModified(bool modified);
    bool AllowEdit();
    void ShowContextMenu();
    bool SaveRoutine();
    // A value its field cannot hold is refused when its cell is left: the message names the cell, which
    // becomes current again with the typed text kept for correction. False when refused.
    bool CheckCell(int row, int col);
    // The first cell of the grid its field cannot hold, refused as above; true when there is none.
    bool CheckAllCells();

    ProjectHost& m_host;
    sheet::Spreadsheet* m_pGrid;
    std::string m_strTableName;
    dao::Database* m_pDatabase = nullptr;
    bool m_bModified = false;
    // The records behind the rows, and the table's fingerprint when they were read: a save writes only the
    // rows that differ, and asks first when someone else wrote the table in between.
    std::shared_ptr<TableRowSource> m_source;
    // Looks now and then whether the source's whole order has been read beside, and takes it in.
    QTimer* m_orderTimer = nullptr;
    std::string m_loadedFingerprint;
    WriteStamp m_stamp;  // the connection's stamp when the fingerprint was taken
    // A large table's fingerprint is taken beside the window, on a connection of its own, once the first
    // screen is shown (it reads the whole table, which the first screen must not wait for).
    std::future<std::string> m_pendingFingerprint;
    bool m_fingerprintDue = false;  // to be taken beside, not started yet
    // `beside`: on a connection of its own whatever the size (after a save, which is not to wait for it).
    void TakeFingerprint(bool beside = false);
    void StartFingerprintBeside();
    const std::string& LoadedFingerprint();
    static constexpr int kFingerprintInlineRows = 200000;
    std::vector<dao::FieldInfo> m_fields;
    std::vector<std::string> m_headers;
    bool m_refusing = false;  // a refusal is shown: the cells a paste changed with it are not refused again
};

}  // namespace browse
