#pragma once
// The spreadsheet control of the grid windows (grid editor, wizard pages, dialogs): one or more sheets,
// each shown in a table view with row and column headings, tabs below when there are several sheets.
//
// Addressing is the control's: sheets, rows and columns count from 1. The methods without a sheet argument
// work on the current sheet; sheet(n) reaches any sheet's cells directly (SheetModel has the same cell,
// heading and drop-down interface).
//
// Edits by the user (typing, a drop-down choice, paste, cut, the Delete key) may be refused by the
// edit-start filter and are announced with cellChanged, once per changed cell. insertRange/deleteRange are
// asked of the filter too but move cells rather than change them: no cellChanged (the model's row and
// column signals tell views). Writes by the program (setText, setRowTexts, setNumber, ...) are silent.
//
// Each edit of the user is one step that Ctrl+Z undoes and Ctrl+Y (Ctrl+Shift+Z) redoes; undo and redo are
// edits themselves, refused by the same filter and announced the same way. Ctrl+F opens a find bar below the
// grid; F3 and Shift+F3 find the next and previous cell holding the same text.
//
// Errors of the control itself (a file that can't be written, a clipboard without cells) are shown through
// the prompter given with setPrompter, or in a message box when none was given.
#include <QPoint>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "platform/spreadsheet/sheet_data.h"
#include "platform/spreadsheet/sheet_files.h"
#include "platform/spreadsheet/sheet_undo.h"

class QAction;
class QMimeData;
class QStackedWidget;
class QTabBar;

namespace ui {
struct Prompter;
}

namespace sheet {

class SheetFindBar;
class SheetModel;
class SheetView;

class Spreadsheet : public QWidget {
    Q_OBJECT
public:
    explicit Spreadsheet(QWidget* parent = nullptr);
    ~Spreadsheet() override;

    // ---- Sheets (there is always at least one) ----
    int sheetCount() const;
    void setSheetCount(int count);  // new sheets are named "Sheet1", "Sheet2", ...
    int currentSheet() const;
    void setCurrentSheet(int sheet);
    QString sheetName(int sheet) const;
    void setSheetName(int sheet, const QString& name);
    SheetModel* sheet(int sheet) const;
    SheetModel* model() const;  // the current sheet
    // Tabs are shown when there is more than one sheet unless hidden here.
    void setTabsVisible(bool visible);

    // ---- Size of the current sheet ----
    int rowCount() const;
    void setRowCount(int rows);
    int columnCount() const;
    void setColumnCount(int cols);
    int lastUsedRow() const;     // 0 when the sheet is blank
    int lastUsedColumn() const;  // 0 when the sheet is blank

    // ---- Cells of the current sheet ----
    QString text(int row, int col) const;
    std::string textUtf8(int row, int col) const;
    void setText(int row, int col, const QString& text);
    double number(int row, int col) const;
    void setNumber(int row, int col, double value);
    void setRowTexts(int row, const std::vector<std::string>& utf8Cells);
    void setRowTexts(int row, const QStringList& cells);
    void setRowTexts(int row, std::initializer_list<const char*> utf8Cells);  // {"a", "b"} literals
    void clearCells();
    // Bulk loading of the current sheet without a signal per row (see SheetModel::beginLoad).
    void beginLoad();
    void endLoad();

    // ---- Headings and widths of the current sheet ----
    QString rowHeaderText(int row) const;
    void setRowHeaderText(int row, const QString& text);
    QString columnHeaderText(int col) const;
    void setColumnHeaderText(int col, const QString& text);
    void setColumnHeaderTexts(const QStringList& texts);
    // The heading shown over a column when it says more than the header that files carry (a unit).
    QString columnHeadingText(int col) const;
    void setColumnHeadingText(int col, const QString& text);
    QString cornerText() const;  // shown above the row headings
    void setCornerText(const QString& text);
    void setRowHeadersVisible(bool visible);
    void setColumnHeadersVisible(bool visible);
    int columnWidth(int col) const;  // pixels
    void setColumnWidth(int col, int pixels);
    // The control's width unit: 1/256 of the width of the digit "0" of the grid's font (2048 = 8 digits).
    void setColumnWidthUnits(int col, int units);
    int unitsToPixels(int units) const;

    // ---- Drop-down cells of the current sheet (";"-joined lists; "" removes) ----
    void setDropDown(int row, int col, const QString& items);
    void setColumnDropDown(int col, const QString& items);
    QStringList dropDownItems(int row, int col) const;

    // ---- Protection and the edit-start veto ----
    // A read-only widget refuses every edit of the user in every sheet (reading, selecting and copying stay).
    void setReadOnly(bool readOnly);
    bool isReadOnly() const;
    // Asked before the user's edit of a cell starts (typing, drop-down, double click into the editor) and,
    // for paste, cut, the Delete key and insert/delete of ranges, once with the top-left cell of the block.
    // Returning false refuses the edit and leaves the cell unchanged; the filter may show its own message.
    using EditStartFilter = std::function<bool(int row, int col)>;
    void setEditStartFilter(EditStartFilter filter);

    // ---- Current cell and selection of the current sheet ----
    int currentRow() const;     // 0 when the sheet has no cells
    int currentColumn() const;  // 0 when the sheet has no cells
    void setCurrentCell(int row, int col);  // also selects just that cell
    // The first selected block (whole rows and columns given with their full extent); the current cell when
    // nothing is selected.
    CellRange selection() const;
    std::vector<CellRange> selectionRanges() const;
    void setSelection(const CellRange& range);  // the current cell becomes its top-left cell
    void selectRows(int firstRow, int lastRow);
    void selectColumns(int firstCol, int lastCol);
    void selectAll();

    // ---- Editing ----
    // Opens the editor of a cell as if the user had started typing there (asks the filter first).
    bool editCell(int row, int col);
    bool isEditing() const;
    // Ends an edit in progress, keeping what was typed (as leaving the cell does).
    void commitEdit();

    // ---- Clipboard: tab-separated text and an HTML table together ----
    void cut();
    void copy();
    void paste();
    // The same without the system clipboard (the clipboard commands use these).
    QMimeData* selectionMimeData() const;
    // Pastes at the selection: text/plain when present, else text/html. A single value fills the whole
    // selection. Rows are added to hold the block; columns past the last are dropped. False when the data
    // holds no cells or the edit was refused.
    bool pasteMimeData(const QMimeData& data);
    void clearSelectionContents();  // the Delete key

    // ---- Insert and delete blocks (Shift::Rows for whole rows) ----
    bool insertRange(const CellRange& range, Shift shift);
    bool deleteRange(const CellRange& range, Shift shift);

    // ---- Undo and redo of the user's edits ----
    // The program's own writes are not recorded: a window that rewrites cells the user may have edited
    // calls clearUndo. A bulk load (endLoad) of any sheet empties the stack as well.
    bool undo();
    bool redo();
    bool canUndo() const;
    bool canRedo() const;
    void clearUndo();
    // The present contents are the saved ones: undo or redo back to them makes the stack clean again.
    void setUndoClean();
    bool isUndoClean() const;
    // Several edits as one step (a command that inserts a row and then sets the row count). While a step is
    // open, setRowCount and setColumnCount belong to it. Steps nest; the outermost one is kept.
    void beginEditStep();
    void endEditStep();
    class EditStep {
      public:
        explicit EditStep(Spreadsheet& grid) : grid_(grid) { grid_.beginEditStep(); }
        ~EditStep() { grid_.endEditStep(); }
        EditStep(const EditStep&) = delete;
        EditStep& operator=(const EditStep&) = delete;

      private:
        Spreadsheet& grid_;
    };

    // ---- Find ----
    // Selects and scrolls to the next (previous) cell of the current sheet whose text holds `what`, from the
    // current cell on and wrapping around. When no cell holds it: "找不到“what”。" and false.
    bool find(const QString& what, bool forward = true, bool caseSensitive = false);
    // F3 / Shift+F3: the last text again; the find bar opens when nothing has been searched yet.
    bool findAgain(bool forward);
    void showFindBar();
    SheetFindBar* findBar() const { return findBar_; }

    // ---- Actions a window may put in its menu; they also work on their keys while the grid has the focus.
    QAction* undoAction() const { return undoAction_; }                  // 撤消, Ctrl+Z
    QAction* redoAction() const { return redoAction_; }                  // 重做, Ctrl+Y and Ctrl+Shift+Z
    QAction* findAction() const { return findAction_; }                  // 查找, Ctrl+F
    QAction* findNextAction() const { return findNextAction_; }          // 查找下一个, F3
    QAction* findPreviousAction() const { return findPreviousAction_; }  // 查找上一个, Shift+F3

    // ---- Files ----
    // Excel: a workbook of every sheet; TabText: the current sheet in GBK with CR LF. On failure the message
    // is shown through the prompter (when one is set) and kept in lastError(). A long write shows its progress;
    // 取消 there leaves no half file and the file it was to replace as it was (nothing shown, lastError()
    // says it was cancelled). Find shows its progress the same way.
    bool writeFile(const QString& path, FileType type);
    QString lastError() const;
    // Where the control reports its own errors (a file that can't be written, a paste of nothing usable).
    void setPrompter(ui::Prompter* prompter);

signals:
    void editStarted(int row, int col);
    void editEnded(int row, int col);
    // A cell's text was changed by the user; once per changed cell.
    void cellChanged(int row, int col);
    void selectionChanged();
    void currentCellChanged(int row, int col);
    void cellClicked(int row, int col);
    void cellDoubleClicked(int row, int col);
    // Right mouse button (or the menu key) over a cell; the cell has become current when it was not selected.
    void contextMenuRequested(int row, int col, const QPoint& globalPos);
    void currentSheetChanged(int sheet);
    // Undo or redo became possible or impossible, or the stack was emptied.
    void undoStateChanged();
    // The contents came back to the saved ones (true) or left them (false), by an edit, undo or redo.
    void cleanChanged(bool clean);

private:
    friend class SheetView;
    friend class SheetDelegate;
    SheetView* view() const;
    SheetView* viewOf(int sheet) const;
    void addSheet();
    void connectView(SheetView* view, SheetModel* model);
    void updateTabs();
    bool allowEdit(int row, int col);
    void writeBlock(const CellRange& target, const Table& cells);
    // Insert or delete of a range (UndoStep::insert or ::remove) as one step; false when refused.
    using RangeChange = void (UndoStep::*)(SheetEditTarget&, const CellRange&, Shift);
    bool rangeStep(const CellRange& range, Shift shift, RangeChange change);
    void report(const QString& message);
    void inform(const QString& message);
    void createActions();
    void recordTyping(SheetModel* model, int row, int col, const std::string& before);
    void anchorStep(int row, int col);
    bool replay(bool back);
    void stackChanged(bool wasClean);

    QStackedWidget* stack_;
    QTabBar* tabs_;
    std::vector<SheetModel*> models_;
    std::vector<SheetView*> views_;
    EditStartFilter filter_;
    ui::Prompter* prompter_ = nullptr;
    QString lastError_;
    bool readOnly_ = false;
    bool tabsVisible_ = true;

    UndoStack undo_;
    UndoStep openStep_;
    int stepDepth_ = 0;
    bool stepAnchored_ = false;
    std::vector<std::pair<int, int>> stepChanges_;  // cells to announce when the step ends

    SheetFindBar* findBar_ = nullptr;
    QString findText_;
    bool findCaseSensitive_ = false;
    QAction* undoAction_ = nullptr;
    QAction* redoAction_ = nullptr;
    QAction* findAction_ = nullptr;
    QAction* findNextAction_ = nullptr;
    QAction* findPreviousAction_ = nullptr;
};

}  // namespace sheet
