#include "library/ui/library_manager_dialog.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "platform/spreadsheet/grid_menu.h"
#include "platform/spreadsheet/grid_commands.h"
#include "platform/spreadsheet/wait_cursor.h"
#include "library/library_entries.h"
#include "library/ui/component_data_dialog.h"
#include "platform/dao/dao_exception.h"
#include "projectdb/record_access.h"

namespace library {
namespace {

constexpr int kCaptionLimit = 50;

}  // namespace

CLibraryManagerDlg::CLibraryManagerDlg(const std::string& path, LibraryDialogServices services, QWidget* parent,
                                       EntryEditor editor)
    : CLibraryViewDlg(path, std::move(services), "管理构件库", TableSelection::Manager, parent),
      m_editor(std::move(editor)),
      m_btnAdd(new QPushButton(QStringLiteral("添加(&A)..."), this)),
      m_btnDelete(new QPushButton(QStringLiteral("删除(&D)"), this)),
      m_btnEdit(new QPushButton(QStringLiteral("修改(&E)..."), this)),
      m_btnPreview(new QPushButton(QStringLiteral("预览(&V)"), this)) {
    auto* close = new QPushButton(QStringLiteral("关闭"), this);
    for (QPushButton* button : {m_btnAdd, m_btnDelete, m_btnEdit, m_btnPreview}) m_pButtonColumn->addWidget(button);
    m_pButtonColumn->addStretch(1);
    m_pButtonColumn->addWidget(close);
    connect(m_btnAdd, &QPushButton::clicked, this, [this] { OnAdd(); });
    connect(m_btnDelete, &QPushButton::clicked, this, [this] { OnDelete(); });
    connect(m_btnEdit, &QPushButton::clicked, this, [this] { OnEdit(); });
    connect(m_btnPreview, &QPushButton::clicked, this, [this] { OnManagerPreview(); });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    m_pList->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_pList, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        if (QMenu* menu = CreateEntryMenu()) {
            menu->exec(m_pList->viewport()->mapToGlobal(pos));
            delete menu;
        }
    });
    OnTableSelected(SelectedTable().empty());
}

void CLibraryManagerDlg::OnTableSelected(bool atRoot) {
    // Called while the base builds its tree too, before the buttons exist.
    for (QPushButton* button : {m_btnAdd, m_btnDelete, m_btnEdit, m_btnPreview})
        if (button) button->setEnabled(!atRoot && HasLibrary());
}

QMenu* CLibraryManagerDlg::CreateEntryMenu() {
    if (SelectedTable().empty()) return nullptr;
    QMenu* menu = sheet::CreateGridMenu(sheet::kMenuType3, this);
    for (QAction* action : menu->actions()) {
        void (CLibraryManagerDlg::*handler)() = nullptr;
        switch (action->data().toInt()) {
            case sheet::ID_LIBRARY_ADD: handler = &CLibraryManagerDlg::OnAdd; break;
            case sheet::ID_LIBRARY_DELETE: handler = &CLibraryManagerDlg::OnDelete; break;
            case sheet::ID_LIBRARY_EDIT: handler = &CLibraryManagerDlg::OnEdit; break;
            case sheet::ID_LIBRARY_PREVIEW: handler = &CLibraryManagerDlg::OnManagerPreview; break;
            default: continue;
        }
        connect(action, &QAction::triggered, this, [this, handler] {
            sheet::CWaitCursor wait;  // the hourglass while a pop-up command runs
            (this->*handler)();
        });
    }
    return menu;
}

std::vector<std::string> CLibraryManagerDlg::Captions() const {
    std::vector<std::string> captions;
    QTreeWidgetItem* header = m_pList->headerItem();
    for (int column = 0; column < m_pList->columnCount(); ++column)
        captions.push_back(header->text(column).left(kCaptionLimit).toStdString());
    return captions;
}

std::optional<std::vector<std::string>> CLibraryManagerDlg::Edit(const std::vector<std::string>& values) {
    std::string table = SelectedTable();
    if (m_editor) return m_editor(Captions(), values, table);
    CComponentDataDlg editor(Captions(), values, table, m_services.files, this);
    editor.SetPreview([this](const std::vector<std::string>& edited) { Preview(edited, {}); });
    if (editor.exec() != QDialog::Accepted) return std::nullopt;
    return editor.Values();
}

int CLibraryManagerDlg::ChosenEntry(std::string& table) {
    table = SelectedTable();
    if (table.empty() || !m_pDb) return -1;
    const int row = SelectedRow();
    if (row < 0) m_services.prompt.message(kSelectOneRow);
    return row;
}

void CLibraryManagerDlg::OnDelete() {
    std::string table;
    const int row = ChosenEntry(table);
    if (row < 0) return;
    SelectRow(row);
    m_pList->setFocus();
    if (m_services.prompt.message(kDeleteQuestion, ui::Buttons::YesNo, ui::Icon::Question) != ui::Answer::Yes) return;
    try {
        DeleteEntry(*m_pDb, table, row);
        delete m_pList->takeTopLevelItem(row);
    } catch (const dao::DaoException& e) {
        projectdb::ReportDaoError(e, m_services.prompt);
        FillList();  // the list shows what the library holds
    }
}

void CLibraryManagerDlg::OnEdit() {
    std::string table;
    const int row = ChosenEntry(table);
    if (row < 0) return;
    std::optional<std::vector<std::string>> edited = Edit(RowTexts(row));
    if (!edited) return;
    try {
        ChangeEntry(*m_pDb, table, row, *edited);
        QTreeWidgetItem* item = m_pList->topLevelItem(row);
        for (int column = 0; column < m_pList->columnCount() && column < static_cast<int>(edited->size()); ++column)
            item->setText(column, QString::fromStdString((*edited)[column]));
        SelectRow(row);
    } catch (const dao::DaoException& e) {
        projectdb::ReportDaoError(e, m_services.prompt);
        FillList();
        SelectRow(row);
    }
}

void CLibraryManagerDlg::OnAdd() {
    std::string table = SelectedTable();
    if (table.empty() || !m_pDb) return;
    int count = m_pList->topLevelItemCount();
    std::vector<std::string> start = count > 0 ? RowTexts(count - 1)
                                               : std::vector<std::string>(m_pList->columnCount(), std::string());
    std::optional<std::vector<std::string>> edited = Edit(start);
    if (!edited) return;
    try {
        AddEntry(*m_pDb, table, *edited);
    } catch (const dao::DaoException& e) {
        projectdb::ReportDaoError(e, m_services.prompt);
        return;
    }
    RefillAndSelectAdded(edited->empty() ? std::string() : edited->front());
}

// The list is read again so that every row stands at its record's position in the listing order. An added
// record follows the records of the same name (the library keeps them in the order they were added).
void CLibraryManagerDlg::RefillAndSelectAdded(const std::string& name) {
    FillList();
    int count = m_pList->topLevelItemCount();
    for (int row = count - 1; row >= 0; --row)
        if (m_pList->topLevelItem(row)->text(0).toStdString() == name) {
            SelectRow(row);
            return;
        }
    SelectRow(count - 1);
}

void CLibraryManagerDlg::OnEntryDoubleClicked() { OnManagerPreview(); }

void CLibraryManagerDlg::OnManagerPreview() {
    if (SelectedTable().empty()) return;
    int row = SelectedRow();
    if (row < 0) {
        m_services.prompt.message(kSelectOneRow);
        return;
    }
    Preview(RowTexts(row), kComponentDataFile);
}

void RunLibraryManagerCommand(QWidget* parent, LibraryDialogServices services) {
    RunOnChosenLibrary<CLibraryManagerDlg>(parent, std::move(services));
}

}  // namespace library
