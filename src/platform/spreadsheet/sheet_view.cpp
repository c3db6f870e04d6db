#include "platform/spreadsheet/sheet_view.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionHeader>
#include <QTimer>

#include "platform/spreadsheet/sheet_model.h"
#include "platform/spreadsheet/spreadsheet.h"

namespace sheet {

// ---- SheetDelegate ---------------------------------------------------------------------------------------

SheetDelegate::SheetDelegate(Spreadsheet* owner, SheetView* view)
    : QStyledItemDelegate(view), owner_(owner), view_(view) {}

QWidget* SheetDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                     const QModelIndex& index) const {
    // The view asks for an editor only when an edit really starts: the place to ask the filter.
    int row = index.row() + 1, col = index.column() + 1;
    if (!owner_->allowEdit(row, col)) return nullptr;
    QStringList items = view_->sheetModel()->dropDownItems(row, col);
    QWidget* editor = nullptr;
    if (!items.isEmpty()) {
        auto* combo = new QComboBox(parent);
        combo->addItems(items);
        combo->setFrame(false);
        auto* self = const_cast<SheetDelegate*>(this);
        connect(combo, &QComboBox::activated, self, [self, combo] {
            emit self->commitData(combo);
            emit self->closeEditor(combo, QAbstractItemDelegate::NoHint);
        });
        // The list opens at once, as the control's drop-down cells do.
        QTimer::singleShot(0, combo, [combo] {
            if (combo->isVisible()) combo->showPopup();
        });
        editor = combo;
    } else {
        editor = QStyledItemDelegate::createEditor(parent, option, index);
    }
    view_->editorOpened(editor, index);
    emit owner_->editStarted(row, col);
    return editor;
}

void SheetDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        combo->setCurrentIndex(combo->findText(index.data(Qt::EditRole).toString(), Qt::MatchExactly));
        return;
    }
    QStyledItemDelegate::setEditorData(editor, index);
}

void SheetDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const {
    if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        if (combo->currentIndex() >= 0) model->setData(index, combo->currentText(), Qt::EditRole);
        return;
    }
    QStyledItemDelegate::setModelData(editor, model, index);
}

void SheetDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    QStyledItemDelegate::paint(painter, option, index);
    if (view_->sheetModel()->sheetData().dropDown(index.row() + 1, index.column() + 1).empty()) return;
    // A small arrow marks a drop-down cell.
    QStyleOption arrow;
    arrow.rect = QRect(option.rect.right() - 12, option.rect.top(), 11, option.rect.height());
    arrow.palette = option.palette;
    arrow.state = QStyle::State_Enabled;
    const QWidget* w = option.widget;
    QStyle* style = w ? w->style() : nullptr;
    if (style) style->drawPrimitive(QStyle::PE_IndicatorArrowDown, &arrow, painter, w);
}

// ---- SheetView -------------------------------------------------------------------------------------------

SheetView::SheetView(Spreadsheet* owner, SheetModel* model) : owner_(owner), model_(model) {
    setModel(model);
    setItemDelegate(new SheetDelegate(owner, this));
    setEditTriggers(DoubleClicked | EditKeyPressed | AnyKeyPressed);
    setSelectionMode(ExtendedSelection);
    setSelectionBehavior(SelectItems);
    setWordWrap(false);
    setCornerButtonEnabled(true);
    verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    horizontalHeader()->setHighlightSections(true);
    corner_ = findChild<QAbstractButton*>();
    if (corner_) corner_->installEventFilter(this);

    connect(horizontalHeader(), &QHeaderView::sectionResized, this, [this](int logical, int, int size) {
        if (logical < model_->columnCount()) model_->mutableSheetData().setColumnWidth(logical + 1, size);
    });
    connect(model, &QAbstractItemModel::modelReset, this, [this] {
        applyColumnWidths();
        ensureCurrent();
    });
    connect(model, &QAbstractItemModel::columnsInserted, this, [this] { applyColumnWidths(); });
    connect(model, &QAbstractItemModel::rowsInserted, this, [this] { ensureCurrent(); });
    connect(model, &QAbstractItemModel::columnsInserted, this, [this] { ensureCurrent(); });
    ensureCurrent();
}

void SheetView::ensureCurrent() {
    if (currentIndex().isValid() || model_->rowCount() == 0 || model_->columnCount() == 0) return;
    selectionModel()->setCurrentIndex(model_->index(0, 0), QItemSelectionModel::ClearAndSelect);
}

void SheetView::applyColumnWidths() {
    const SheetData& data = model_->sheetData();
    for (int c = 1; c <= data.columnCount(); ++c) {
        int w = data.columnWidth(c);
        if (w > 0 && columnWidth(c - 1) != w) setColumnWidth(c - 1, w);
    }
}

void SheetView::setCornerText(const QString& text) {
    cornerText_ = text;
    int need = text.isEmpty() ? 0 : fontMetrics().horizontalAdvance(text) + 16;
    verticalHeader()->setMinimumWidth(need);
    if (corner_) corner_->update();
    updateGeometries();
}

bool SheetView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == corner_ && event->type() == QEvent::Paint && !cornerText_.isEmpty()) {
        // The corner shows the heading of the row-heading column, drawn like a header section.
        QPainter painter(corner_);
        QStyleOptionHeader opt;
        opt.initFrom(corner_);
        opt.state |= QStyle::State_Enabled | QStyle::State_Raised;
        opt.rect = corner_->rect();
        opt.position = QStyleOptionHeader::OnlyOneSection;
        opt.text = cornerText_;
        opt.textAlignment = Qt::AlignCenter;
        style()->drawControl(QStyle::CE_Header, &opt, &painter, corner_);
        return true;
    }
    return QTableView::eventFilter(watched, event);
}

void SheetView::editorOpened(QWidget* editor, const QModelIndex& index) {
    editor_ = editor;
    editing_ = index;
}

bool SheetView::startEdit(const QModelIndex& index) {
    if (!index.isValid()) return false;
    if (currentIndex() != index) setCurrentIndex(index);
    return edit(index, AllEditTriggers, nullptr);
}

void SheetView::commitEdit() {
    if (!editor_ || state() != EditingState) return;
    QWidget* editor = editor_;
    commitData(editor);
    closeEditor(editor, QAbstractItemDelegate::NoHint);
}

void SheetView::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    QPersistentModelIndex index = editing_;
    if (editor == editor_) {
        editor_ = nullptr;
        editing_ = QPersistentModelIndex();
    }
    QTableView::closeEditor(editor, hint);
    if (index.isValid()) emit owner_->editEnded(index.row() + 1, index.column() + 1);
    // Enter ends the edit and moves down, as in a spreadsheet.
    if (hint == QAbstractItemDelegate::SubmitModelCache && index.isValid() && index.row() + 1 < model_->rowCount())
        setCurrentIndex(model_->index(index.row() + 1, index.column()));
}

namespace {

bool IsKey(const QKeyEvent* event, QKeyCombination key) {
    return event->keyCombination() == key ||
           QKeyCombination(event->modifiers() & ~Qt::KeypadModifier, Qt::Key(event->key())) == key;
}

}  // namespace

void SheetView::keyPressEvent(QKeyEvent* event) {
    if (state() != EditingState) {
        // The grid's actions take these keys while the window is active; here they reach a grid whose
        // window is not (and the editor's own undo keeps them while a cell is being edited).
        if (IsKey(event, Qt::CTRL | Qt::Key_Z)) {
            owner_->undo();
            return;
        }
        if (IsKey(event, Qt::CTRL | Qt::Key_Y) || IsKey(event, Qt::CTRL | Qt::SHIFT | Qt::Key_Z)) {
            owner_->redo();
            return;
        }
        if (IsKey(event, Qt::CTRL | Qt::Key_F)) {
            owner_->showFindBar();
            return;
        }
        if (IsKey(event, QKeyCombination(Qt::Key_F3)) || IsKey(event, Qt::SHIFT | Qt::Key_F3)) {
            owner_->findAgain(!(event->modifiers() & Qt::ShiftModifier));
            return;
        }
        if (event->matches(QKeySequence::Copy)) {
            owner_->copy();
            return;
        }
        if (event->matches(QKeySequence::Cut)) {
            owner_->cut();
            return;
        }
        if (event->matches(QKeySequence::Paste)) {
            owner_->paste();
            return;
        }
        if (event->key() == Qt::Key_Delete && event->modifiers() == Qt::NoModifier) {
            owner_->clearSelectionContents();
            return;
        }
        if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
            !(event->modifiers() & ~Qt::KeypadModifier)) {
            QModelIndex c = currentIndex();
            if (c.isValid() && c.row() + 1 < model_->rowCount()) setCurrentIndex(model_->index(c.row() + 1, c.column()));
            return;
        }
    }
    QTableView::keyPressEvent(event);
}

void SheetView::mouseReleaseEvent(QMouseEvent* event) {
    QTableView::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton || event->modifiers() != Qt::NoModifier || state() == EditingState) return;
    QModelIndex index = indexAt(event->position().toPoint());
    if (!index.isValid() || index != currentIndex()) return;
    if (selectionModel()->selectedIndexes().size() > 1) return;
    // One click into a drop-down cell offers its list.
    if (!model_->sheetData().dropDown(index.row() + 1, index.column() + 1).empty()) edit(index, AllEditTriggers, nullptr);
}

void SheetView::mouseDoubleClickEvent(QMouseEvent* event) {
    QModelIndex index = indexAt(event->position().toPoint());
    // The double click is announced before the editor may open, so that a window can take it for its own
    // dialog (and refuse the edit in its filter).
    if (index.isValid() && event->button() == Qt::LeftButton)
        emit owner_->cellDoubleClicked(index.row() + 1, index.column() + 1);
    QTableView::mouseDoubleClickEvent(event);
}

void SheetView::contextMenuEvent(QContextMenuEvent* event) {
    bool byMouse = event->reason() == QContextMenuEvent::Mouse;
    QModelIndex index = byMouse ? indexAt(event->pos()) : currentIndex();
    if (index.isValid() && !selectionModel()->isSelected(index)) setCurrentIndex(index);
    if (!index.isValid()) index = currentIndex();
    QPoint global = byMouse || !index.isValid() ? event->globalPos()
                                                 : viewport()->mapToGlobal(visualRect(index).center());
    int row = index.isValid() ? index.row() + 1 : 0;
    int col = index.isValid() ? index.column() + 1 : 0;
    emit owner_->contextMenuRequested(row, col, global);
    event->accept();
}

}  // namespace sheet
