#include "platform/spreadsheet/sheet_model.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "platform/spreadsheet/sheet_files.h"
#include "platform/text/numbers.h"

namespace sheet {

namespace {

QString FromUtf8(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

std::string ToUtf8(const QString& s) { return s.toStdString(); }

// The shortest text that reads back as the same double; plain digits within the range people read.
std::string NumberText(double value) {
    if (std::isnan(value) || std::isinf(value)) return "0";
    char buf[64];
    double magnitude = std::fabs(value);
    auto format = (magnitude == 0 || (magnitude >= 1e-5 && magnitude < 1e15)) ? std::chars_format::fixed
                                                                               : std::chars_format::general;
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value, format);
    if (ec != std::errc()) return "0";
    std::string out(buf, end);
    if (out == "-0") out = "0";
    return out;
}

}  // namespace

SheetModel::SheetModel(QObject* parent) : QAbstractTableModel(parent) {}

int SheetModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : data_.rowCount(); }

int SheetModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : data_.columnCount();
}

QVariant SheetModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    int row = index.row() + 1, col = index.column() + 1;
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return FromUtf8(data_.text(row, col));
    case Qt::TextAlignmentRole: {
        // As in a spreadsheet: numbers to the right, texts to the left.
        double v;
        bool number = IsPlainNumber(data_.text(row, col), v);
        return QVariant::fromValue(Qt::Alignment(number ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    }
    default:
        return {};
    }
}

bool SheetModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole || readOnly_) return false;
    int row = index.row() + 1, col = index.column() + 1;
    std::string text = ToUtf8(value.toString());
    if (data_.text(row, col) == text) return true;
    const std::string before(data_.text(row, col));
    data_.setText(row, col, text);
    emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    emit editedByUser(row, col, before);
    return true;
}

QVariant SheetModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role == Qt::DisplayRole)
        return FromUtf8(orientation == Qt::Horizontal ? data_.columnHeading(section + 1)
                                                      : data_.rowHeader(section + 1));
    if (role == Qt::TextAlignmentRole) return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
    return {};
}

Qt::ItemFlags SheetModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
    if (!readOnly_) f |= Qt::ItemIsEditable;
    return f;
}

// ---- size ----------------------------------------------------------------------------------------------

// Rows and columns grow and shrink alike; the views are told what was added or removed (nothing while loading).
void SheetModel::resize(Qt::Orientation orientation, int count) {
    const bool rows = orientation == Qt::Vertical;
    count = std::max(0, count);
    const int old = rows ? data_.rowCount() : data_.columnCount();
    if (count == old) return;
    auto apply = [&] { rows ? data_.setRowCount(count) : data_.setColumnCount(count); };
    if (loading_) {
        apply();
        return;
    }
    const int first = std::min(old, count), last = std::max(old, count) - 1;
    if (count > old)
        rows ? beginInsertRows({}, first, last) : beginInsertColumns({}, first, last);
    else
        rows ? beginRemoveRows({}, first, last) : beginRemoveColumns({}, first, last);
    apply();
    if (count > old)
        rows ? endInsertRows() : endInsertColumns();
    else
        rows ? endRemoveRows() : endRemoveColumns();
}

void SheetModel::setRowCount(int rows) { resize(Qt::Vertical, rows); }

void SheetModel::setColumnCount(int cols) { resize(Qt::Horizontal, cols); }

void SheetModel::beginLoad() {
    if (loading_++ == 0) beginResetModel();
}

void SheetModel::attachSource(std::shared_ptr<RowSource> source) {
    beginLoad();
    data_.attachSource(std::move(source));
    endLoad();
}

bool SheetModel::settleSource() {
    if (!data_.settleSource()) return false;
    emitRowsChanged(1, data_.rowCount());
    return true;
}

void SheetModel::endLoad() {
    if (loading_ > 0 && --loading_ == 0) {
        endResetModel();
        emit loaded();
    }
}

void SheetModel::emitRowsChanged(int firstRow, int lastRow) {
    if (loading_ || data_.columnCount() == 0) return;
    firstRow = std::max(1, firstRow);
    lastRow = std::min(data_.rowCount(), lastRow);
    if (lastRow < firstRow) return;
    emit dataChanged(index(firstRow - 1, 0), index(lastRow - 1, data_.columnCount() - 1),
                     {Qt::DisplayRole, Qt::EditRole});
}

// ---- cells ---------------------------------------------------------------------------------------------

QString SheetModel::text(int row, int col) const { return FromUtf8(data_.text(row, col)); }

std::string SheetModel::textUtf8(int row, int col) const { return std::string(data_.text(row, col)); }

void SheetModel::setText(int row, int col, const QString& text) { setTextUtf8(row, col, ToUtf8(text)); }

void SheetModel::setTextUtf8(int row, int col, std::string_view text) {
    if (row < 1 || row > data_.rowCount() || col < 1 || col > data_.columnCount()) return;
    if (data_.text(row, col) == text) return;
    data_.setText(row, col, text);
    if (!loading_) {
        QModelIndex i = index(row - 1, col - 1);
        emit dataChanged(i, i, {Qt::DisplayRole, Qt::EditRole});
    }
}

double SheetModel::number(int row, int col) const { return text::Atof(data_.text(row, col)); }

void SheetModel::setNumber(int row, int col, double value) { setTextUtf8(row, col, NumberText(value)); }

void SheetModel::setRowTexts(int row, const std::vector<std::string>& utf8Cells) {
    if (row < 1 || row > data_.rowCount()) return;
    data_.setRow(row, utf8Cells);
    emitRowsChanged(row, row);
}

void SheetModel::setRowTexts(int row, const QStringList& cells) {
    std::vector<std::string> utf8;
    utf8.reserve(cells.size());
    for (const QString& c : cells) utf8.push_back(ToUtf8(c));
    setRowTexts(row, utf8);
}

void SheetModel::appendRowTexts(const std::vector<std::string>& utf8Cells) {
    setRowCount(data_.rowCount() + 1);
    setRowTexts(data_.rowCount(), utf8Cells);
}

void SheetModel::clearCells() {
    data_.clear();
    emitRowsChanged(1, data_.rowCount());
}

// ---- blocks ----------------------------------------------------------------------------------------------

Table SheetModel::block(const CellRange& range) const { return data_.block(range); }

CellRange SheetModel::setBlock(int row, int col, const Table& cells) {
    if (cells.empty() || row < 1 || col < 1) return {row, col, row - 1, col - 1};
    std::size_t width = 0;
    for (const auto& r : cells) width = std::max(width, r.size());
    int lastRow = row + static_cast<int>(cells.size()) - 1;
    if (lastRow > data_.rowCount()) setRowCount(lastRow);
    int lastCol = std::min(data_.columnCount(), col + static_cast<int>(width) - 1);
    data_.setBlock(row, col, cells);
    CellRange written{row, col, lastRow, lastCol};
    if (!loading_ && !written.isEmpty())
        emit dataChanged(index(row - 1, col - 1), index(lastRow - 1, lastCol - 1), {Qt::DisplayRole, Qt::EditRole});
    return written;
}

void SheetModel::clearBlock(const CellRange& range) {
    data_.clearBlock(range);
    emitRowsChanged(range.row1, range.row2);
}

void SheetModel::insertRange(const CellRange& range, Shift shift) {
    int rows = data_.rowCount(), cols = data_.columnCount();
    if (loading_) {
        data_.insert(range, shift);
        return;
    }
    switch (shift) {
    case Shift::Rows: {
        if (range.rows() <= 0) return;
        int at = std::clamp(range.row1, 1, rows + 1) - 1;
        beginInsertRows({}, at, at + range.rows() - 1);
        data_.insert(range, shift);
        endInsertRows();
        return;
    }
    case Shift::Columns: {
        if (range.cols() <= 0) return;
        int at = std::clamp(range.col1, 1, cols + 1) - 1;
        beginInsertColumns({}, at, at + range.cols() - 1);
        data_.insert(range, shift);
        endInsertColumns();
        return;
    }
    case Shift::Down:
        if (range.rows() <= 0 || range.cols() <= 0) return;
        beginInsertRows({}, rows, rows + range.rows() - 1);
        data_.insert(range, shift);
        endInsertRows();
        emitRowsChanged(range.row1, data_.rowCount());
        return;
    case Shift::Right:
        if (range.rows() <= 0 || range.cols() <= 0) return;
        beginInsertColumns({}, cols, cols + range.cols() - 1);
        data_.insert(range, shift);
        endInsertColumns();
        emitRowsChanged(range.row1, range.row2);
        return;
    }
}

void SheetModel::deleteRange(const CellRange& range, Shift shift) {
    if (loading_) {
        data_.remove(range, shift);
        return;
    }
    switch (shift) {
    case Shift::Rows: {
        int r1 = std::max(1, range.row1), r2 = std::min(data_.rowCount(), range.row2);
        if (r2 < r1) return;
        beginRemoveRows({}, r1 - 1, r2 - 1);
        data_.remove(range, shift);
        endRemoveRows();
        return;
    }
    case Shift::Columns: {
        int c1 = std::max(1, range.col1), c2 = std::min(data_.columnCount(), range.col2);
        if (c2 < c1) return;
        beginRemoveColumns({}, c1 - 1, c2 - 1);
        data_.remove(range, shift);
        endRemoveColumns();
        return;
    }
    case Shift::Down:
        data_.remove(range, shift);
        emitRowsChanged(range.row1, data_.rowCount());
        return;
    case Shift::Right:
        data_.remove(range, shift);
        emitRowsChanged(range.row1, range.row2);
        return;
    }
}

// ---- headings ---------------------------------------------------------------------------------------------

QString SheetModel::rowHeaderText(int row) const { return FromUtf8(data_.rowHeader(row)); }

QString SheetModel::columnHeaderText(int col) const { return FromUtf8(data_.columnHeader(col)); }

void SheetModel::setRowHeaderText(int row, const QString& text) {
    data_.setRowHeader(row, ToUtf8(text));
    if (!loading_ && row >= 1 && row <= data_.rowCount()) emit headerDataChanged(Qt::Vertical, row - 1, row - 1);
}

void SheetModel::setColumnHeaderText(int col, const QString& text) {
    data_.setColumnHeader(col, ToUtf8(text));
    if (!loading_ && col >= 1 && col <= data_.columnCount())
        emit headerDataChanged(Qt::Horizontal, col - 1, col - 1);
}

void SheetModel::setColumnHeadingText(int col, const QString& text) {
    data_.setColumnHeading(col, ToUtf8(text));
    if (!loading_ && col >= 1 && col <= data_.columnCount()) emit headerDataChanged(Qt::Horizontal, col - 1, col - 1);
}

void SheetModel::setColumnHeaderTexts(const QStringList& texts) {
    for (int i = 0; i < texts.size(); ++i) data_.setColumnHeader(i + 1, ToUtf8(texts[i]));
    if (!loading_ && data_.columnCount() > 0) emit headerDataChanged(Qt::Horizontal, 0, data_.columnCount() - 1);
}

void SheetModel::resetHeaders() {
    data_.resetHeaders();
    if (loading_) return;
    if (data_.columnCount() > 0) emit headerDataChanged(Qt::Horizontal, 0, data_.columnCount() - 1);
    if (data_.rowCount() > 0) emit headerDataChanged(Qt::Vertical, 0, data_.rowCount() - 1);
    emit cornerTextChanged();
}

QString SheetModel::cornerText() const { return FromUtf8(data_.cornerText); }

void SheetModel::setCornerText(const QString& text) {
    data_.cornerText = ToUtf8(text);
    emit cornerTextChanged();
}

// ---- drop-downs ---------------------------------------------------------------------------------------------

void SheetModel::setDropDown(int row, int col, const QString& items) {
    data_.setDropDown(row, col, ToUtf8(items));
    if (!loading_ && row >= 1 && row <= data_.rowCount() && col >= 1 && col <= data_.columnCount()) {
        QModelIndex i = index(row - 1, col - 1);
        emit dataChanged(i, i, {Qt::DisplayRole});
    }
}

void SheetModel::setColumnDropDown(int col, const QString& items) {
    data_.setColumnDropDown(col, ToUtf8(items));
    if (!loading_ && col >= 1 && col <= data_.columnCount() && data_.rowCount() > 0)
        emit dataChanged(index(0, col - 1), index(data_.rowCount() - 1, col - 1), {Qt::DisplayRole});
}

QStringList SheetModel::dropDownItems(int row, int col) const {
    QStringList out;
    for (const auto& item : SplitList(data_.dropDown(row, col))) out << FromUtf8(item);
    return out;
}

}  // namespace sheet
