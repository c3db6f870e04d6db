#include "app/ui/record_editor_dialog.h"

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QKeySequence>
#include <QMimeData>
#include <QShortcut>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QSplitter>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <set>

#include "app/ui/plot_view.h"
#include "platform/spreadsheet/clipboard_format.h"

namespace {

bool IsKey(const ui::ProposedTable& table, const std::string& field) {
    return std::find(table.keyFields.begin(), table.keyFields.end(), field) != table.keyFields.end();
}

}  // namespace

RecordEditorDialog::RecordEditorDialog(const ui::EditRequest& request, QWidget* parent)
    : QDialog(parent), m_request(request) {
    setWindowTitle(QString::fromStdString(request.title));
    setSizeGripEnabled(true);
    auto* layout = new QVBoxLayout(this);
    if (!request.note.empty()) {
        auto* note = new QLabel(QString::fromStdString(request.note), this);
        note->setWordWrap(true);
        layout->addWidget(note);
    }

    auto* splitter = new QSplitter(Qt::Horizontal, this);
    auto* sheetPane = new QWidget(splitter);
    auto* sheetLayout = new QVBoxLayout(sheetPane);
    sheetLayout->setContentsMargins(0, 0, 0, 0);
    m_pTabs = new QTabWidget(sheetPane);
    for (const auto& table : request.tables) {
        QTableWidget* sheet = makeSheet(table);
        m_sheets.push_back(sheet);
        m_pTabs->addTab(sheet, QString::fromStdString(table.table));
    }
    sheetLayout->addWidget(m_pTabs);
    auto* rowButtons = new QHBoxLayout;
    m_pAddRow = new QPushButton("添加行", sheetPane);
    m_pRemoveRow = new QPushButton("删除行", sheetPane);
    rowButtons->addWidget(m_pAddRow);
    rowButtons->addWidget(m_pRemoveRow);
    rowButtons->addStretch();
    sheetLayout->addLayout(rowButtons);
    connect(m_pAddRow, &QPushButton::clicked, this, &RecordEditorDialog::addRow);
    connect(m_pRemoveRow, &QPushButton::clicked, this, &RecordEditorDialog::removeRows);
    connect(m_pTabs, &QTabWidget::currentChanged, this, &RecordEditorDialog::updateRowButtons);
    connect(new QShortcut(QKeySequence::Copy, m_pTabs), &QShortcut::activated, this, &RecordEditorDialog::copy);
    connect(new QShortcut(QKeySequence::Paste, m_pTabs), &QShortcut::activated, this, &RecordEditorDialog::paste);
    splitter->addWidget(sheetPane);

    if (request.plots) {
        auto* plotPane = new QWidget(splitter);
        auto* plotLayout = new QVBoxLayout(plotPane);
        plotLayout->setContentsMargins(0, 0, 0, 0);
        for (std::size_t i = 0; i < request.plots(request.tables).size(); ++i) {
            auto* view = new PlotView(plotPane);
            m_plots.push_back(view);
            plotLayout->addWidget(view);
        }
        splitter->addWidget(plotPane);
        splitter->setStretchFactor(0, 1);
        splitter->setStretchFactor(1, 1);
    }
    layout->addWidget(splitter, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText("确定");
    buttons->button(QDialogButtonBox::Cancel)->setText("取消");
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    updateRowButtons();
    redraw();
    resize(request.plots ? 1180 : 820, 640);
}

QTableWidget* RecordEditorDialog::makeSheet(const ui::ProposedTable& table) {
    auto* sheet = new QTableWidget(0, static_cast<int>(table.fields.size()), m_pTabs);
    QStringList headers;
    for (std::size_t c = 0; c < table.fields.size(); ++c) {
        const std::string& caption = c < table.captions.size() && !table.captions[c].empty() ? table.captions[c]
                                                                                             : table.fields[c];
        headers << QString::fromStdString(caption);
    }
    sheet->setHorizontalHeaderLabels(headers);
    sheet->setSelectionBehavior(QAbstractItemView::SelectItems);
    m_bFilling = true;
    sheet->setRowCount(static_cast<int>(table.rows.size()));
    for (std::size_t r = 0; r < table.rows.size(); ++r) fillRow(sheet, static_cast<int>(r), table, table.rows[r]);
    m_bFilling = false;
    sheet->resizeColumnsToContents();
    connect(sheet, &QTableWidget::itemChanged, this, [this] {
        if (!m_bFilling) redraw();
    });
    return sheet;
}

void RecordEditorDialog::fillRow(QTableWidget* sheet, int row, const ui::ProposedTable& table,
                                 const std::vector<std::string>& cells) {
    for (std::size_t c = 0; c < table.fields.size(); ++c) {
        auto* item = new QTableWidgetItem(c < cells.size() ? QString::fromStdString(cells[c]) : QString());
        if (IsKey(table, table.fields[c])) {
            item->setFlags(item->flags() & ~Qt::ItemIsEditable);
            item->setBackground(QColor(238, 238, 238));
            item->setToolTip("关键字段：确定记录所属位置，不可修改");
        }
        sheet->setItem(row, static_cast<int>(c), item);
    }
}

std::vector<ui::ProposedTable> RecordEditorDialog::tables() const {
    std::vector<ui::ProposedTable> tables = m_request.tables;
    for (std::size_t t = 0; t < tables.size(); ++t) {
        const QTableWidget* sheet = m_sheets[t];
        tables[t].rows.clear();
        for (int r = 0; r < sheet->rowCount(); ++r) {
            std::vector<std::string> row;
            for (int c = 0; c < sheet->columnCount(); ++c) {
                const QTableWidgetItem* item = sheet->item(r, c);
                row.push_back(item ? item->text().toStdString() : std::string());
            }
            tables[t].rows.push_back(std::move(row));
        }
    }
    return tables;
}

void RecordEditorDialog::addRow() {
    const int t = m_pTabs->currentIndex();
    if (t < 0 || m_request.tables[t].rowsFixed) return;
    QTableWidget* sheet = m_sheets[t];
    const int row = sheet->currentRow() >= 0 ? sheet->currentRow() + 1 : sheet->rowCount();
    m_bFilling = true;
    sheet->insertRow(row);
    fillRow(sheet, row, m_request.tables[t], {});
    m_bFilling = false;
    sheet->setCurrentCell(row, 0);
    redraw();
}

void RecordEditorDialog::removeRows() {
    const int t = m_pTabs->currentIndex();
    if (t < 0 || m_request.tables[t].rowsFixed) return;
    QTableWidget* sheet = m_sheets[t];
    std::set<int> rows;
    for (const QModelIndex& index : sheet->selectionModel()->selectedIndexes()) rows.insert(index.row());
    if (rows.empty() && sheet->currentRow() >= 0) rows.insert(sheet->currentRow());
    for (auto it = rows.rbegin(); it != rows.rend(); ++it) sheet->removeRow(*it);
    redraw();
}

void RecordEditorDialog::copy() {
    const int t = m_pTabs->currentIndex();
    if (t < 0) return;
    const QTableWidget* sheet = m_sheets[t];
    const QList<QTableWidgetSelectionRange> ranges = sheet->selectedRanges();
    if (ranges.isEmpty()) return;
    const QTableWidgetSelectionRange& range = ranges.front();
    std::vector<std::vector<std::string>> cells;
    for (int r = range.topRow(); r <= range.bottomRow(); ++r) {
        std::vector<std::string>& row = cells.emplace_back();
        for (int c = range.leftColumn(); c <= range.rightColumn(); ++c)
            row.push_back(sheet->item(r, c) ? sheet->item(r, c)->text().toStdString() : std::string());
    }
    auto* data = new QMimeData;
    data->setText(QString::fromStdString(sheet::ToClipboardText(cells)));
    data->setHtml(QString::fromStdString(sheet::ToClipboardHtml(cells)));
    QApplication::clipboard()->setMimeData(data);
}

void RecordEditorDialog::paste() {
    const int t = m_pTabs->currentIndex();
    if (t < 0) return;
    const ui::ProposedTable& table = m_request.tables[t];
    QTableWidget* sheet = m_sheets[t];
    const QMimeData* data = QApplication::clipboard()->mimeData();
    if (!data) return;
    std::vector<std::vector<std::string>> cells = sheet::ParseClipboardText(data->text().toStdString());
    if (cells.empty() && data->hasHtml()) cells = sheet::ParseClipboardHtml(data->html().toStdString());
    if (cells.empty()) return;
    auto put = [&](int r, int c, const std::string& text) {
        if (c >= sheet->columnCount() || IsKey(table, table.fields[c])) return;
        sheet->item(r, c)->setText(QString::fromStdString(text));
    };
    m_bFilling = true;
    if (cells.size() == 1 && cells[0].size() == 1 && sheet->selectedItems().size() > 1) {
        for (QTableWidgetItem* item : sheet->selectedItems()) put(item->row(), item->column(), cells[0][0]);
    } else {
        const int top = std::max(sheet->currentRow(), 0);
        const int left = std::max(sheet->currentColumn(), 0);
        for (std::size_t i = 0; i < cells.size(); ++i) {
            const int r = top + static_cast<int>(i);
            if (r >= sheet->rowCount()) {
                if (table.rowsFixed) break;
                sheet->insertRow(r);
                fillRow(sheet, r, table, {});
            }
            for (std::size_t j = 0; j < cells[i].size(); ++j) put(r, left + static_cast<int>(j), cells[i][j]);
        }
    }
    m_bFilling = false;
    redraw();
}

void RecordEditorDialog::updateRowButtons() {
    const int t = m_pTabs->currentIndex();
    const bool editable = t >= 0 && !m_request.tables[t].rowsFixed;
    m_pAddRow->setVisible(editable);
    m_pRemoveRow->setVisible(editable);
}

void RecordEditorDialog::redraw() {
    if (!m_request.plots) return;
    std::vector<ui::Plot> plots;
    try {
        plots = m_request.plots(tables());
    } catch (const std::exception&) {
        // A picture that cannot be drawn from half-typed rows stays empty until the rows make sense.
    }
    for (std::size_t i = 0; i < m_plots.size(); ++i) m_plots[i]->setPlot(i < plots.size() ? plots[i] : ui::Plot{});
}

bool DialogRecordEditor::edit(ui::EditRequest& request) {
    RecordEditorDialog dialog(request, m_pParent);
    if (dialog.exec() != QDialog::Accepted) return false;
    request.tables = dialog.tables();
    return true;
}
