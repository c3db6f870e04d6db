#pragma once
// The table model of one sheet: SheetData shown to a QTableView. Its own interface speaks the control's
// language (rows and columns from 1); the QAbstractTableModel overrides speak Qt's (from 0).
//
// Writes through this interface (setText, setRowTexts, ...) are the program's own and emit no cellChanged;
// the Spreadsheet widget announces the user's edits.
#include <QAbstractTableModel>
#include <QString>
#include <QStringList>
#include <memory>
#include <string>
#include <vector>

#include "platform/spreadsheet/sheet_data.h"

namespace sheet {

class SheetModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit SheetModel(QObject* parent = nullptr);

    // Qt's side (0-based). Edits through setData are the view's editors.
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // The control's side (1-based).
    void setRowCount(int rows);
    void setColumnCount(int cols);
    QString text(int row, int col) const;
    std::string textUtf8(int row, int col) const;
    void setText(int row, int col, const QString& text);
    void setTextUtf8(int row, int col, std::string_view text);
    // Numbers travel as text: number() reads the leading number the way atof does; setNumber writes the
    // shortest text that reads back as the same value (1.5, 2, 0.1).
    double number(int row, int col) const;
    void setNumber(int row, int col, double value);
    void setRowTexts(int row, const std::vector<std::string>& utf8Cells);
    void setRowTexts(int row, const QStringList& cells);
    // Adds one row at the end holding these cells.
    void appendRowTexts(const std::vector<std::string>& utf8Cells);
    void clearCells();

    // Loading many rows: between beginLoad and endLoad no signal is sent per row or per cell; endLoad
    // tells the views once that everything changed. Loads nest.
    void beginLoad();
    void endLoad();
    // Shows the rows of a source, read page by page as the views need them (SheetData::attachSource):
    // a load of its own, with the column count and headings as they are.
    void attachSource(std::shared_ptr<RowSource> source);
    // Makes the source's order final (SheetData::settleSource); when the rows shown changed, the views are
    // told and it returns true.
    bool settleSource();

    // Blocks (clipboard, paste, insert/delete). setBlock grows the rows to hold the block and clips it at
    // the last column; it returns the range written.
    Table block(const CellRange& range) const;
    CellRange setBlock(int row, int col, const Table& cells);
    void clearBlock(const CellRange& range);
    void insertRange(const CellRange& range, Shift shift);
    void deleteRange(const CellRange& range, Shift shift);

    QString rowHeaderText(int row) const;
    QString columnHeaderText(int col) const;
    void setRowHeaderText(int row, const QString& text);
    void setColumnHeaderText(int col, const QString& text);
    void setColumnHeadingText(int col, const QString& text);  // shown only, see SheetData::columnHeading
    void setColumnHeaderTexts(const QStringList& texts);  // columns 1 .. n
    void resetHeaders();
    QString cornerText() const;
    void setCornerText(const QString& text);

    void setDropDown(int row, int col, const QString& items);
    void setColumnDropDown(int col, const QString& items);
    QStringList dropDownItems(int row, int col) const;  // empty when the cell has no list

    QString name() const { return name_; }
    void setName(const QString& name) { name_ = name; }

    // Read-only sheets refuse every edit of the user (editors, paste, cut, delete).
    bool isReadOnly() const { return readOnly_; }
    void setReadOnly(bool readOnly) { readOnly_ = readOnly; }

    const SheetData& sheetData() const { return data_; }
    // Direct access for bulk work; views are told nothing until the caller resets or calls endLoad.
    SheetData& mutableSheetData() { return data_; }

signals:
    // A cell was changed by the view's editor (setData); `before` is the text it held. The Spreadsheet turns
    // it into an undo step and cellChanged.
    void editedByUser(int row, int col, const std::string& before);
    // A bulk load (beginLoad ... endLoad) has ended: the sheet holds new contents.
    void loaded();
    void cornerTextChanged();

private:
    void resize(Qt::Orientation orientation, int count);
    void emitRowsChanged(int firstRow, int lastRow);
    void emitResized(int oldRows, int oldCols);

    SheetData data_;
    QString name_;
    bool readOnly_ = false;
    int loading_ = 0;
};

}  // namespace sheet
