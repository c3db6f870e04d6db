#include "platform/spreadsheet/spreadsheet.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMimeData>
#include <QStackedWidget>
#include <QTabBar>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/interaction/qt_interaction.h"
#include "platform/spreadsheet/clipboard_format.h"
#include "platform/spreadsheet/progress_dialog.h"
#include "platform/spreadsheet/sheet_find.h"
#include "platform/spreadsheet/sheet_find_bar.h"
#include "platform/spreadsheet/sheet_model.h"
#include "platform/spreadsheet/sheet_view.h"

namespace sheet {

namespace {

// Undo steps change a sheet through its table model, so that the views follow; the cells whose text
// changes are collected for cellChanged.
class ModelTarget : public SheetEditTarget {
public:
    ModelTarget(SheetModel* model, std::vector<std::pair<int, int>>& changed)
        : model_(model), changed_(changed) {}
    const SheetData& cells() const override { return model_->sheetData(); }
    void resize(int rows, int cols) override {
        model_->setRowCount(rows);
        model_->setColumnCount(cols);
    }
    void writeBlock(int row, int col, const Table& cells) override {
        const SheetData& data = model_->sheetData();
        for (std::size_t i = 0; i < cells.size(); ++i) {
            const int r = row + static_cast<int>(i);
            for (std::size_t j = 0; j < cells[i].size(); ++j) {
                const int c = col + static_cast<int>(j);
                if (r <= data.rowCount() && c <= data.columnCount() && data.text(r, c) != cells[i][j])
                    changed_.emplace_back(r, c);
            }
        }
        model_->setBlock(row, col, cells);
    }
    void insert(const CellRange& range, Shift shift) override { model_->insertRange(range, shift); }
    void remove(const CellRange& range, Shift shift) override { model_->deleteRange(range, shift); }
    void restoreRowOrigins(int row, const std::vector<SheetData::RowOrigin>& origins) override {
        model_->mutableSheetData().restoreRowOrigins(row, origins);  // the texts shown stay as they are
    }

private:
    SheetModel* model_;
    std::vector<std::pair<int, int>>& changed_;
};

}  // namespace

Spreadsheet::Spreadsheet(QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    stack_ = new QStackedWidget(this);
    layout->addWidget(stack_, 1);
    findBar_ = new SheetFindBar(this);
    findBar_->hide();
    layout->addWidget(findBar_);
    connect(findBar_, &SheetFindBar::findRequested, this,
            [this](const QString& what, bool forward, bool caseSensitive) {
                find(what, forward, caseSensitive);
            });
    connect(findBar_, &SheetFindBar::closed, this, [this] { view()->setFocus(); });
    auto* tabRow = new QHBoxLayout;
    tabRow->setContentsMargins(0, 0, 0, 0);
    tabs_ = new QTabBar(this);
    tabs_->setShape(QTabBar::RoundedSouth);
    tabs_->setExpanding(false);
    tabs_->setDrawBase(false);
    tabRow->addWidget(tabs_);
    tabRow->addStretch(1);
    layout->addLayout(tabRow);
    connect(tabs_, &QTabBar::currentChanged, this, [this](int index) {
        if (index >= 0) setCurrentSheet(index + 1);
    });
    addSheet();
    updateTabs();
    createActions();
}

void Spreadsheet::createActions() {
    auto make = [this](const char* text, QList<QKeySequence> keys, auto slot) {
        auto* action = new QAction(QString::fromUtf8(text), this);
        action->setShortcuts(keys);
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        addAction(action);
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    undoAction_ = make("撤消", {QKeySequence(Qt::CTRL | Qt::Key_Z)}, [this] { undo(); });
    redoAction_ =
        make("重做", {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)},
             [this] { redo(); });
    findAction_ = make("查找", {QKeySequence(Qt::CTRL | Qt::Key_F)}, [this] { showFindBar(); });
    findNextAction_ = make("查找下一个", {QKeySequence(Qt::Key_F3)}, [this] { findAgain(true); });
    findPreviousAction_ =
        make("查找上一个", {QKeySequence(Qt::SHIFT | Qt::Key_F3)}, [this] { findAgain(false); });
    undoAction_->setEnabled(false);
    redoAction_->setEnabled(false);
}

Spreadsheet::~Spreadsheet() = default;

// ---- sheets --------------------------------------------------------------------------------------------------

void Spreadsheet::addSheet() {
    auto* model = new SheetModel(this);
    int number = static_cast<int>(models_.size()) + 1;
    model->setName(QStringLiteral("Sheet%1").arg(number));
    model->setReadOnly(readOnly_);
    auto* view = new SheetView(this, model);
    models_.push_back(model);
    views_.push_back(view);
    stack_->addWidget(view);
    connectView(view, model);
    if (models_.size() == 1) setFocusProxy(view);
}

void Spreadsheet::connectView(SheetView* view, SheetModel* model) {
    auto isCurrent = [this, view] { return view == this->view(); };
    connect(model, &SheetModel::editedByUser, this,
            [this, model](int row, int col, const std::string& before) { recordTyping(model, row, col, before); });
    connect(model, &SheetModel::loaded, this, [this] {
        if (stepDepth_ == 0) clearUndo();
    });
    connect(model, &SheetModel::cornerTextChanged, view, [view, model] { view->setCornerText(model->cornerText()); });
    connect(view->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this, isCurrent] {
        if (isCurrent()) emit selectionChanged();
    });
    connect(view->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this, isCurrent](const QModelIndex& current) {
                if (isCurrent() && current.isValid()) emit currentCellChanged(current.row() + 1, current.column() + 1);
            });
    connect(view, &QAbstractItemView::clicked, this,
            [this](const QModelIndex& index) { emit cellClicked(index.row() + 1, index.column() + 1); });
}

void Spreadsheet::updateTabs() {
    QSignalBlocker block(tabs_);
    while (tabs_->count() > sheetCount()) tabs_->removeTab(tabs_->count() - 1);
    for (int i = 0; i < sheetCount(); ++i) {
        if (i < tabs_->count())
            tabs_->setTabText(i, models_[i]->name());
        else
            tabs_->addTab(models_[i]->name());
    }
    tabs_->setCurrentIndex(stack_->currentIndex());
    tabs_->setVisible(tabsVisible_ && sheetCount() > 1);
}

int Spreadsheet::sheetCount() const { return static_cast<int>(models_.size()); }

void Spreadsheet::setSheetCount(int count) {
    count = std::max(1, count);
    while (sheetCount() < count) addSheet();
    if (sheetCount() > count) {
        if (currentSheet() > count) setCurrentSheet(count);
        while (sheetCount() > count) {
            SheetView* v = views_.back();
            SheetModel* m = models_.back();
            views_.pop_back();
            models_.pop_back();
            stack_->removeWidget(v);
            delete v;
            delete m;
        }
        clearUndo();  // steps of a removed sheet cannot be replayed
    }
    updateTabs();
}

int Spreadsheet::currentSheet() const { return stack_->currentIndex() + 1; }

void Spreadsheet::setCurrentSheet(int sheetNumber) {
    if (sheetNumber < 1 || sheetNumber > sheetCount()) return;
    if (sheetNumber == currentSheet()) {
        updateTabs();
        return;
    }
    bool hadFocus = view()->hasFocus();
    view()->commitEdit();
    stack_->setCurrentIndex(sheetNumber - 1);
    setFocusProxy(view());
    if (hadFocus) view()->setFocus();
    updateTabs();
    emit currentSheetChanged(sheetNumber);
}

QString Spreadsheet::sheetName(int sheetNumber) const {
    SheetModel* m = sheet(sheetNumber);
    return m ? m->name() : QString();
}

void Spreadsheet::setSheetName(int sheetNumber, const QString& name) {
    if (SheetModel* m = sheet(sheetNumber)) {
        m->setName(name);
        updateTabs();
    }
}

SheetModel* Spreadsheet::sheet(int sheetNumber) const {
    if (sheetNumber < 1 || sheetNumber > sheetCount()) return nullptr;
    return models_[sheetNumber - 1];
}

SheetModel* Spreadsheet::model() const { return models_[stack_->currentIndex()]; }

SheetView* Spreadsheet::view() const { return views_[stack_->currentIndex()]; }

SheetView* Spreadsheet::viewOf(int sheetNumber) const {
    if (sheetNumber < 1 || sheetNumber > sheetCount()) return nullptr;
    return views_[sheetNumber - 1];
}

void Spreadsheet::setTabsVisible(bool visible) {
    tabsVisible_ = visible;
    updateTabs();
}

// ---- size and cells ------------------------------------------------------------------------------------------

int Spreadsheet::rowCount() const { return model()->rowCount(); }
int Spreadsheet::columnCount() const { return model()->columnCount(); }

void Spreadsheet::setRowCount(int rows) {
    if (stepDepth_ == 0) {
        model()->setRowCount(rows);
        return;
    }
    ModelTarget target(model(), stepChanges_);
    openStep_.resize(target, rows, columnCount());
}

void Spreadsheet::setColumnCount(int cols) {
    if (stepDepth_ == 0) {
        model()->setColumnCount(cols);
        return;
    }
    ModelTarget target(model(), stepChanges_);
    openStep_.resize(target, rowCount(), cols);
}

int Spreadsheet::lastUsedRow() const { return model()->sheetData().lastUsedRow(); }
int Spreadsheet::lastUsedColumn() const { return model()->sheetData().lastUsedColumn(); }

QString Spreadsheet::text(int row, int col) const { return model()->text(row, col); }
std::string Spreadsheet::textUtf8(int row, int col) const { return model()->textUtf8(row, col); }
void Spreadsheet::setText(int row, int col, const QString& text) { model()->setText(row, col, text); }
double Spreadsheet::number(int row, int col) const { return model()->number(row, col); }
void Spreadsheet::setNumber(int row, int col, double value) { model()->setNumber(row, col, value); }
void Spreadsheet::setRowTexts(int row, const std::vector<std::string>& utf8Cells) {
    model()->setRowTexts(row, utf8Cells);
}
void Spreadsheet::setRowTexts(int row, const QStringList& cells) { model()->setRowTexts(row, cells); }
void Spreadsheet::setRowTexts(int row, std::initializer_list<const char*> utf8Cells) {
    model()->setRowTexts(row, std::vector<std::string>(utf8Cells.begin(), utf8Cells.end()));
}
void Spreadsheet::clearCells() { model()->clearCells(); }
void Spreadsheet::beginLoad() { model()->beginLoad(); }
void Spreadsheet::endLoad() { model()->endLoad(); }

// ---- headings and widths ---------------------------------------------------------------------------------------

QString Spreadsheet::rowHeaderText(int row) const { return model()->rowHeaderText(row); }
void Spreadsheet::setRowHeaderText(int row, const QString& text) { model()->setRowHeaderText(row, text); }
QString Spreadsheet::columnHeaderText(int col) const { return model()->columnHeaderText(col); }
void Spreadsheet::setColumnHeaderText(int col, const QString& text) { model()->setColumnHeaderText(col, text); }
QString Spreadsheet::columnHeadingText(int col) const {
    return QString::fromStdString(model()->sheetData().columnHeading(col));
}
void Spreadsheet::setColumnHeadingText(int col, const QString& text) { model()->setColumnHeadingText(col, text); }
void Spreadsheet::setColumnHeaderTexts(const QStringList& texts) { model()->setColumnHeaderTexts(texts); }
QString Spreadsheet::cornerText() const { return model()->cornerText(); }
void Spreadsheet::setCornerText(const QString& text) { model()->setCornerText(text); }
void Spreadsheet::setRowHeadersVisible(bool visible) { view()->verticalHeader()->setVisible(visible); }
void Spreadsheet::setColumnHeadersVisible(bool visible) { view()->horizontalHeader()->setVisible(visible); }

int Spreadsheet::columnWidth(int col) const {
    if (col < 1 || col > columnCount()) return 0;
    return view()->columnWidth(col - 1);
}

void Spreadsheet::setColumnWidth(int col, int pixels) {
    if (col < 1) return;
    model()->mutableSheetData().setColumnWidth(col, pixels);
    if (col <= columnCount()) view()->setColumnWidth(col - 1, pixels);
}

int Spreadsheet::unitsToPixels(int units) const {
    int digit = view()->fontMetrics().horizontalAdvance(QLatin1Char('0'));
    return units * digit / 256 + 6;
}

void Spreadsheet::setColumnWidthUnits(int col, int units) { setColumnWidth(col, unitsToPixels(units)); }

// ---- drop-downs, protection -------------------------------------------------------------------------------------

void Spreadsheet::setDropDown(int row, int col, const QString& items) { model()->setDropDown(row, col, items); }
void Spreadsheet::setColumnDropDown(int col, const QString& items) { model()->setColumnDropDown(col, items); }
QStringList Spreadsheet::dropDownItems(int row, int col) const { return model()->dropDownItems(row, col); }

void Spreadsheet::setReadOnly(bool readOnly) {
    if (readOnly) view()->commitEdit();
    readOnly_ = readOnly;
    for (SheetModel* m : models_) m->setReadOnly(readOnly);
}

bool Spreadsheet::isReadOnly() const { return readOnly_; }

void Spreadsheet::setEditStartFilter(EditStartFilter filter) { filter_ = std::move(filter); }

bool Spreadsheet::allowEdit(int row, int col) {
    if (readOnly_ || model()->isReadOnly()) return false;
    return !filter_ || filter_(row, col);
}

// ---- current cell and selection ------------------------------------------------------------------------------------

int Spreadsheet::currentRow() const {
    QModelIndex c = view()->currentIndex();
    return c.isValid() ? c.row() + 1 : 0;
}

int Spreadsheet::currentColumn() const {
    QModelIndex c = view()->currentIndex();
    return c.isValid() ? c.column() + 1 : 0;
}

void Spreadsheet::setCurrentCell(int row, int col) {
    if (row < 1 || row > rowCount() || col < 1 || col > columnCount()) return;
    view()->setCurrentIndex(model()->index(row - 1, col - 1));
}

CellRange Spreadsheet::selection() const {
    QItemSelection s = view()->selectionModel()->selection();
    if (!s.isEmpty()) {
        const QItemSelectionRange& r = s.first();
        return {r.top() + 1, r.left() + 1, r.bottom() + 1, r.right() + 1};
    }
    int row = currentRow(), col = currentColumn();
    if (row > 0 && col > 0) return {row, col, row, col};
    return {1, 1, 1, 1};
}

std::vector<CellRange> Spreadsheet::selectionRanges() const {
    std::vector<CellRange> out;
    for (const QItemSelectionRange& r : view()->selectionModel()->selection())
        out.push_back({r.top() + 1, r.left() + 1, r.bottom() + 1, r.right() + 1});
    if (out.empty()) out.push_back(selection());
    return out;
}

void Spreadsheet::setSelection(const CellRange& range) {
    int r1 = std::max(1, range.row1), r2 = std::min(rowCount(), range.row2);
    int c1 = std::max(1, range.col1), c2 = std::min(columnCount(), range.col2);
    if (r2 < r1 || c2 < c1) return;
    auto* sm = view()->selectionModel();
    QModelIndex topLeft = model()->index(r1 - 1, c1 - 1);
    sm->setCurrentIndex(topLeft, QItemSelectionModel::NoUpdate);
    sm->select(QItemSelection(topLeft, model()->index(r2 - 1, c2 - 1)), QItemSelectionModel::ClearAndSelect);
    view()->scrollTo(topLeft);
}

void Spreadsheet::selectRows(int firstRow, int lastRow) { setSelection({firstRow, 1, lastRow, columnCount()}); }
void Spreadsheet::selectColumns(int firstCol, int lastCol) { setSelection({1, firstCol, rowCount(), lastCol}); }
void Spreadsheet::selectAll() { setSelection({1, 1, rowCount(), columnCount()}); }

// ---- editing ----------------------------------------------------------------------------------------------------

bool Spreadsheet::editCell(int row, int col) {
    if (row < 1 || row > rowCount() || col < 1 || col > columnCount()) return false;
    return view()->startEdit(model()->index(row - 1, col - 1));
}

bool Spreadsheet::isEditing() const { return view()->isEditing(); }

void Spreadsheet::commitEdit() { view()->commitEdit(); }

// ---- clipboard ----------------------------------------------------------------------------------------------------

QMimeData* Spreadsheet::selectionMimeData() const {
    Table cells = model()->block(selection());
    auto* data = new QMimeData;
    data->setText(QString::fromStdString(ToClipboardText(cells)));
    data->setHtml(QString::fromStdString(ToClipboardHtml(cells)));
    return data;
}

void Spreadsheet::copy() {
    commitEdit();
    QApplication::clipboard()->setMimeData(selectionMimeData());
}

void Spreadsheet::cut() {
    commitEdit();
    CellRange range = selection();
    if (!allowEdit(range.row1, range.col1)) return;
    QApplication::clipboard()->setMimeData(selectionMimeData());
    writeBlock(range, Table(range.rows(), std::vector<std::string>(range.cols())));
}

void Spreadsheet::paste() {
    const QMimeData* data = QApplication::clipboard()->mimeData();
    if (data) pasteMimeData(*data);
}

bool Spreadsheet::pasteMimeData(const QMimeData& data) {
    if (readOnly_) return false;
    commitEdit();
    Table copied;
    if (data.hasText())
        copied = ParseClipboardText(data.text().toStdString());
    else if (data.hasHtml())
        copied = ParseClipboardHtml(data.html().toStdString());
    if (copied.empty()) {
        if (!data.formats().isEmpty() && !data.hasText() && !data.hasHtml())
            report(QStringLiteral("剪贴板中没有可以粘贴到表格中的数据。"));
        return false;
    }
    CellRange target = selection();
    if (!allowEdit(target.row1, target.col1)) return false;
    Table block = PasteBlock(copied, target);
    writeBlock(target, block);
    int width = block.empty() ? 0 : static_cast<int>(block.front().size());
    setSelection({target.row1, target.col1, target.row1 + static_cast<int>(block.size()) - 1, target.col1 + width - 1});
    return true;
}

void Spreadsheet::clearSelectionContents() {
    commitEdit();
    std::vector<CellRange> ranges = selectionRanges();
    if (ranges.empty() || !allowEdit(ranges.front().row1, ranges.front().col1)) return;
    EditStep step(*this);
    for (const CellRange& r : ranges) writeBlock(r, Table(r.rows(), std::vector<std::string>(r.cols())));
}

void Spreadsheet::writeBlock(const CellRange& target, const Table& cells) {
    EditStep step(*this);
    anchorStep(target.row1, target.col1);
    ModelTarget edit(model(), stepChanges_);
    openStep_.writeBlock(edit, target.row1, target.col1, cells);
}

// ---- insert and delete --------------------------------------------------------------------------------------------

bool Spreadsheet::rangeStep(const CellRange& range, Shift shift, RangeChange change) {
    commitEdit();
    const int row = std::max(1, range.row1), col = std::max(1, range.col1);
    if (!allowEdit(row, col)) return false;
    EditStep step(*this);
    anchorStep(row, col);
    ModelTarget edit(model(), stepChanges_);
    (openStep_.*change)(edit, range, shift);
    return true;
}

bool Spreadsheet::insertRange(const CellRange& range, Shift shift) {
    return rangeStep(range, shift, &UndoStep::insert);
}

bool Spreadsheet::deleteRange(const CellRange& range, Shift shift) {
    if (!rangeStep(range, shift, &UndoStep::remove)) return false;
    view()->ensureCurrent();
    return true;
}

// ---- undo and redo ---------------------------------------------------------------------------------------

void Spreadsheet::beginEditStep() {
    if (stepDepth_++ > 0) return;
    openStep_ = UndoStep();
    openStep_.sheet = currentSheet();
    stepAnchored_ = false;
    stepChanges_.clear();
}

void Spreadsheet::endEditStep() {
    if (stepDepth_ == 0 || --stepDepth_ > 0) return;
    const bool wasClean = undo_.isClean();
    const bool changed = !openStep_.isEmpty();
    undo_.push(std::move(openStep_));
    openStep_ = UndoStep();
    // Announced once the step is complete, so that a window reacting to a change sees all of it.
    std::vector<std::pair<int, int>> cells;
    cells.swap(stepChanges_);
    for (auto [r, c] : cells) emit cellChanged(r, c);
    if (changed) stackChanged(wasClean);
}

void Spreadsheet::anchorStep(int row, int col) {
    if (stepAnchored_) return;
    openStep_.anchorRow = row;
    openStep_.anchorCol = col;
    stepAnchored_ = true;
}

void Spreadsheet::recordTyping(SheetModel* edited, int row, int col, const std::string& before) {
    const auto it = std::find(models_.begin(), models_.end(), edited);
    EditStep step(*this);
    if (stepDepth_ == 1 && it != models_.end()) openStep_.sheet = static_cast<int>(it - models_.begin()) + 1;
    anchorStep(row, col);
    openStep_.recordText(row, col, before, edited->textUtf8(row, col));
    stepChanges_.emplace_back(row, col);
}

bool Spreadsheet::undo() {
    return replay(true);
}

bool Spreadsheet::redo() {
    return replay(false);
}

bool Spreadsheet::replay(bool back) {
    if (stepDepth_ > 0) return false;
    commitEdit();  // what is being typed becomes a step of its own first
    const UndoStep* step = back ? undo_.nextUndo() : undo_.nextRedo();
    if (!step) return false;
    if (step->sheet != currentSheet()) setCurrentSheet(step->sheet);
    if (!allowEdit(step->anchorRow, step->anchorCol)) return false;
    const CellRange area = step->area();
    const int anchorRow = step->anchorRow, anchorCol = step->anchorCol;
    const bool wasClean = undo_.isClean();
    std::vector<std::pair<int, int>> changed;
    ModelTarget target(model(), changed);
    if (back)
        undo_.undo(target);
    else
        undo_.redo(target);
    view()->ensureCurrent();
    // The user sees what came back or went again.
    const CellRange visible{area.row1, area.col1, std::min(area.row2, rowCount()),
                            std::min(area.col2, columnCount())};
    if (!area.isEmpty() && !visible.isEmpty() && visible.row1 <= rowCount() && visible.col1 <= columnCount())
        setSelection(visible);
    else
        setCurrentCell(std::clamp(anchorRow, 1, std::max(1, rowCount())),
                       std::clamp(anchorCol, 1, std::max(1, columnCount())));
    for (auto [r, c] : changed) emit cellChanged(r, c);
    stackChanged(wasClean);
    return true;
}

bool Spreadsheet::canUndo() const {
    return undo_.canUndo();
}

bool Spreadsheet::canRedo() const {
    return undo_.canRedo();
}

void Spreadsheet::clearUndo() {
    const bool wasClean = undo_.isClean();
    undo_.clear();
    stackChanged(wasClean);
}

void Spreadsheet::setUndoClean() {
    const bool wasClean = undo_.isClean();
    undo_.setClean();
    stackChanged(wasClean);
}

bool Spreadsheet::isUndoClean() const {
    return undo_.isClean();
}

void Spreadsheet::stackChanged(bool wasClean) {
    undoAction_->setEnabled(undo_.canUndo());
    redoAction_->setEnabled(undo_.canRedo());
    emit undoStateChanged();
    if (wasClean != undo_.isClean()) emit cleanChanged(undo_.isClean());
}

// ---- find ------------------------------------------------------------------------------------------------

bool Spreadsheet::find(const QString& what, bool forward, bool caseSensitive) {
    commitEdit();
    findText_ = what;
    findCaseSensitive_ = caseSensitive;
    if (what.isEmpty()) return false;
    bool cancelled = false;
    ProgressDialog progress(this, QStringLiteral("正在查找“%1”……").arg(what));
    const std::optional<CellPos> hit =
        FindCell(model()->sheetData(), what.toStdString(), {currentRow(), currentColumn()}, {forward, caseSensitive},
                 [&cancelled, going = progress.callback()](std::int64_t done, std::int64_t total) {
                     cancelled = !going(done, total);
                     return !cancelled;
                 });
    if (cancelled) return false;  // the user stopped it: nothing to tell
    if (!hit) {
        inform(QStringLiteral("找不到“%1”。").arg(what));
        return false;
    }
    setSelection({hit->row, hit->col, hit->row, hit->col});
    return true;
}

bool Spreadsheet::findAgain(bool forward) {
    if (findText_.isEmpty()) {
        showFindBar();
        return false;
    }
    return find(findText_, forward, findCaseSensitive_);
}

void Spreadsheet::showFindBar() {
    commitEdit();
    if (findBar_->text().isEmpty()) findBar_->setText(findText_);
    findBar_->open();
}

// ---- files -----------------------------------------------------------------------------------------------

bool Spreadsheet::writeFile(const QString& path, FileType type) {
    commitEdit();
    std::string error;
    bool ok = false;
    ProgressDialog progress(this, QStringLiteral("正在写文件“%1”……").arg(path));
    if (type == FileType::Excel) {
        std::vector<NamedSheet> sheets;
        for (SheetModel* m : models_) sheets.push_back({m->name().toStdString(), &m->sheetData()});
        ok = WriteWorkbook(path.toStdString(), sheets, error, progress.callback());
    } else {
        ok = WriteTabText(path.toStdString(), model()->sheetData(), error, progress.callback());
    }
    lastError_ = ok ? QString() : QString::fromStdString(error);
    if (!ok && error != kWriteCancelled) report(lastError_);  // a cancel is the user's own, not a failure
    return ok;
}

QString Spreadsheet::lastError() const { return lastError_; }

void Spreadsheet::setPrompter(ui::Prompter* prompter) { prompter_ = prompter; }

void Spreadsheet::report(const QString& message) {
    lastError_ = message;
    if (prompter_) {
        prompter_->message(message.toStdString(), ui::Buttons::Ok, ui::Icon::Stop);
        return;
    }
    ui::QtPrompter prompter(window());
    prompter.message(message.toStdString(), ui::Buttons::Ok, ui::Icon::Stop);
}

void Spreadsheet::inform(const QString& message) {
    if (prompter_) {
        prompter_->message(message.toStdString(), ui::Buttons::Ok, ui::Icon::Information);
        return;
    }
    ui::QtPrompter prompter(window());
    prompter.message(message.toStdString(), ui::Buttons::Ok, ui::Icon::Information);
}

}  // namespace sheet
