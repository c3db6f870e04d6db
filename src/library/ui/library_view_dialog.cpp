#include "library/ui/library_view_dialog.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QSplitter>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "library/ui/cross_section_chooser.h"
#include "library/ui/entry_list_view.h"
#include "platform/interaction/dyna_sizing.h"

namespace library {
namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

CLibraryViewDlg::CLibraryViewDlg(const std::string& path, LibraryDialogServices services, QWidget* parent)
    : CLibraryViewDlg(path, std::move(services), "查看构件库", TableSelection::View, parent) {
    auto* preview = new QPushButton(QStringLiteral("三维模型预览"), this);
    auto* close = new QPushButton(QStringLiteral("关闭"), this);
    connect(preview, &QPushButton::clicked, this, [this] { OnPreview(); });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    m_pButtonColumn->addWidget(preview);
    m_pButtonColumn->addStretch(1);
    m_pButtonColumn->addWidget(close);
}

CLibraryViewDlg::CLibraryViewDlg(const std::string& path, LibraryDialogServices services, const char* caption,
                                 TableSelection selection, QWidget* parent)
    : QDialog(parent),
      m_services(std::move(services)),
      m_strPath(path),
      m_selection(selection),
      m_pTree(new QTreeWidget(this)),
      m_pList(new QTreeWidget(this)),
      m_pButtonColumn(new QVBoxLayout) {
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    setSizeGripEnabled(true);
    m_pDb = OpenLibraryForBrowsing(path, m_services.prompt);
    setWindowTitle(Q(m_pDb ? LibraryTitle(caption, m_pDb->GetName()) : std::string(caption)));

    m_pTree->setHeaderHidden(true);
    m_pList->setRootIsDecorated(false);
    m_pList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_pList->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_pList->setUniformRowHeights(true);
    m_pList->header()->setStretchLastSection(false);
    auto* splitter = new QSplitter(this);
    splitter->addWidget(m_pTree);
    splitter->addWidget(m_pList);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({180, 560});
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(splitter, 1);
    layout->addLayout(m_pButtonColumn);
    resize(860, 480);

    connect(m_pTree, &QTreeWidget::currentItemChanged, this, [this] { FillList(); });
    // One handler decides, before the list changes: an overview row opens its table, an entry is previewed.
    connect(m_pList, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
        if (SelectedTable().empty())
            OnOverviewDoubleClicked(item);
        else
            OnEntryDoubleClicked();
    });
    BuildTree();
    ::ui::RestorePlacement(*this);
}

CLibraryViewDlg::~CLibraryViewDlg() = default;

void CLibraryViewDlg::BuildTree() {
    m_pRoot = new QTreeWidgetItem(m_pTree, {QString::fromUtf8(kLibraryRoot)});
    if (m_pDb) {
        try {
            for (const std::string& table : LibraryTables(*m_pDb, m_selection)) {
                auto* node = new QTreeWidgetItem(m_pRoot, {Q(table)});
                node->setToolTip(0, Q(SubstructureCodeNames(table)));  // the code's members, by name
            }
        } catch (const dao::DaoException&) {
            // A library whose table list cannot be read shows its root alone.
        }
    }
    m_pRoot->setExpanded(true);
    m_pTree->setCurrentItem(m_pRoot);
    FillList();
}

bool CLibraryViewDlg::SelectTable(const std::string& table) {
    if (table.empty()) {
        m_pTree->setCurrentItem(m_pRoot);
        return true;
    }
    for (int i = 0; i < m_pRoot->childCount(); ++i)
        if (m_pRoot->child(i)->text(0) == Q(table)) {
            m_pTree->setCurrentItem(m_pRoot->child(i));
            return true;
        }
    return false;
}

std::string CLibraryViewDlg::SelectedTable() const {
    QTreeWidgetItem* item = m_pTree->currentItem();
    return item && item != m_pRoot ? item->text(0).toStdString() : std::string();
}

int CLibraryViewDlg::SelectedRow() const {
    int first = -1;
    for (QTreeWidgetItem* item : m_pList->selectedItems()) {
        int row = m_pList->indexOfTopLevelItem(item);
        if (first < 0 || row < first) first = row;
    }
    return first;
}

void CLibraryViewDlg::SelectRow(int row) {
    QTreeWidgetItem* item = m_pList->topLevelItem(row);
    if (!item) return;
    m_pList->clearSelection();
    m_pList->setCurrentItem(item);
    item->setSelected(true);
    m_pList->scrollToItem(item);
}

std::vector<std::string> CLibraryViewDlg::RowTexts(int row) const {
    std::vector<std::string> texts;
    QTreeWidgetItem* item = m_pList->topLevelItem(row);
    if (!item) return texts;
    for (int column = 0; column < m_pList->columnCount(); ++column) texts.push_back(item->text(column).toStdString());
    return texts;
}

void CLibraryViewDlg::FillList() {
    m_pList->clear();
    std::string table = SelectedTable();
    OnTableSelected(table.empty());
    if (!m_pDb) {
        m_pList->setColumnCount(0);
        return;
    }
    EntryList entries;
    if (table.empty()) {
        std::vector<std::string> tables;
        for (int i = 0; i < m_pRoot->childCount(); ++i) tables.push_back(m_pRoot->child(i)->text(0).toStdString());
        entries = TableOverview(*m_pDb, tables);
    } else {
        entries = ReadEntries(*m_pDb, table, m_selection);
    }
    ShowEntries(m_pList, entries);
}

void CLibraryViewDlg::OnTableSelected(bool) {}

void CLibraryViewDlg::OnEntryDoubleClicked() { OnPreview(); }

void CLibraryViewDlg::OnOverviewDoubleClicked(QTreeWidgetItem*) {
    QList<QTreeWidgetItem*> selected = m_pList->selectedItems();
    if (selected.isEmpty()) return;
    if (SelectTable(m_pList->topLevelItem(SelectedRow())->text(0).toStdString())) m_pTree->setFocus();
}

bool CLibraryViewDlg::Preview(const std::vector<std::string>& texts, const std::string& dataFile) {
    std::string table = SelectedTable();
    std::string path = m_strPath;
    auto choose = m_services.chooseSections;
    PreviewServices services{m_services.prompt, m_services.loader,
                             [this, choose, path](const std::string& family) -> std::optional<ChosenSections> {
                                 if (choose) return choose(path, family);
                                 CCrossSectionChooser chooser(path, family, m_services.prompt, this);
                                 if (chooser.exec() != QDialog::Accepted) return std::nullopt;
                                 return chooser.Result();
                             },
                             dataFile};
    return PreviewComponent(table, texts, services);
}

void CLibraryViewDlg::OnPreview() {
    int row = SelectedRow();
    if (row < 0) {
        m_services.prompt.message(kSelectOneRow);
        return;
    }
    if (SelectedTable().empty()) return;  // an overview row is no entry
    Preview(RowTexts(row), {});
    SelectRow(row);
    m_pList->setFocus();
}

void CLibraryViewDlg::done(int result) {
    ::ui::SavePlacement(*this);
    QDialog::done(result);
}

void RunLibraryViewCommand(QWidget* parent, LibraryDialogServices services) {
    RunOnChosenLibrary<CLibraryViewDlg>(parent, std::move(services));
}

}  // namespace library
