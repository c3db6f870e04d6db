#pragma once
// The table view of one sheet inside the Spreadsheet widget, and its cell editors (a line edit, or a combo
// box for drop-down cells). Internal to the spreadsheet: windows use Spreadsheet.
#include <QPersistentModelIndex>
#include <QPointer>
#include <QStyledItemDelegate>
#include <QTableView>

namespace sheet {

class SheetModel;
class Spreadsheet;

class SheetDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    SheetDelegate(Spreadsheet* owner, class SheetView* view);
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    Spreadsheet* owner_;
    class SheetView* view_;
};

class SheetView : public QTableView {
    Q_OBJECT
public:
    SheetView(Spreadsheet* owner, SheetModel* model);
    SheetModel* sheetModel() const { return model_; }
    // Opens the editor of a cell the way the user would (the edit-start filter decides).
    bool startEdit(const QModelIndex& index);
    bool isEditing() const { return state() == EditingState; }
    void commitEdit();
    void applyColumnWidths();
    void setCornerText(const QString& text);
    void ensureCurrent();
    void editorOpened(QWidget* editor, const QModelIndex& index);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyboardSearch(const QString&) override {}  // a refused edit must not jump to another cell
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Spreadsheet* owner_;
    SheetModel* model_;
    QWidget* corner_ = nullptr;
    QString cornerText_;
    QPointer<QWidget> editor_;
    QPersistentModelIndex editing_;
};

}  // namespace sheet
