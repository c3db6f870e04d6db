#include "library/ui/cross_section_chooser.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "library/ui/entry_list_view.h"

namespace library {
namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

std::vector<std::string> Texts(const QTreeWidgetItem* item) {
    std::vector<std::string> texts;
    for (int column = 0; column < item->columnCount(); ++column) texts.push_back(item->text(column).toStdString());
    return texts;
}

QTreeWidget* MakeList(QWidget* parent) {
    auto* list = new QTreeWidget(parent);
    list->setRootIsDecorated(false);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setUniformRowHeights(true);
    list->header()->setStretchLastSection(false);
    return list;
}

}  // namespace

CCrossSectionChooser::CCrossSectionChooser(const std::string& path, const std::string& family, ui::Prompter& prompt,
                                           QWidget* parent)
    : QDialog(parent),
      m_strFamily(family),
      m_prompt(prompt),
      m_pTree(new QTreeWidget(this)),
      m_pMidSpan(MakeList(this)),
      m_pSupport(MakeList(this)) {
    m_pDb = OpenLibraryForBrowsing(path, prompt);
    const char* caption = "选择箱梁横断面类型";
    setWindowTitle(Q(m_pDb ? LibraryTitle(caption, m_pDb->GetName()) : std::string(caption)));
    setSizeGripEnabled(true);
    m_pTree->setHeaderHidden(true);
    m_pTree->setMaximumWidth(200);

    auto* lists = new QVBoxLayout;
    lists->addWidget(new QLabel(QStringLiteral("跨中断面:"), this));
    lists->addWidget(m_pMidSpan, 1);
    lists->addWidget(new QLabel(QStringLiteral("支点断面:"), this));
    lists->addWidget(m_pSupport, 1);
    auto* ok = new QPushButton(QStringLiteral("确定"), this);
    auto* cancel = new QPushButton(QStringLiteral("取消"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, [this] { OnOK(); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addStretch(1);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(m_pTree);
    layout->addLayout(lists, 1);
    layout->addLayout(buttons);
    resize(900, 520);

    m_pRoot = new QTreeWidgetItem(m_pTree, {QString::fromUtf8(kLibraryRoot)});
    if (m_pDb) {
        try {
            for (const std::string& table : LibraryTables(*m_pDb, TableSelection::Chooser))
                new QTreeWidgetItem(m_pRoot, {Q(table)});
        } catch (const dao::DaoException&) {
            // The root alone: there is nothing to choose from.
        }
    }
    m_pRoot->setExpanded(true);
    connect(m_pTree, &QTreeWidget::currentItemChanged, this, [this] { FillLists(); });
    for (QTreeWidget* list : {m_pMidSpan, m_pSupport})
        connect(list, &QTreeWidget::itemDoubleClicked, this, [this, list] { OnOverviewDoubleClicked(list); });
    m_pTree->setCurrentItem(m_pRoot);
    FillLists();
}

CCrossSectionChooser::~CCrossSectionChooser() = default;

std::string CCrossSectionChooser::SelectedTable() const {
    QTreeWidgetItem* item = m_pTree->currentItem();
    return item && item != m_pRoot ? item->text(0).toStdString() : std::string();
}

bool CCrossSectionChooser::SelectTable(const std::string& table) {
    for (int i = 0; i < m_pRoot->childCount(); ++i)
        if (m_pRoot->child(i)->text(0) == Q(table)) {
            m_pTree->setCurrentItem(m_pRoot->child(i));
            return true;
        }
    return false;
}

void CCrossSectionChooser::Fill(QTreeWidget* list, const EntryList& entries) {
    list->clear();
    ShowEntries(list, entries);
}

void CCrossSectionChooser::FillLists() {
    if (!m_pDb) return;
    std::string table = SelectedTable();
    if (table.empty()) {
        std::vector<std::string> tables;
        for (int i = 0; i < m_pRoot->childCount(); ++i) tables.push_back(m_pRoot->child(i)->text(0).toStdString());
        Fill(m_pMidSpan, SectionOverview(*m_pDb, tables, m_strFamily, kMidSpan));
        Fill(m_pSupport, SectionOverview(*m_pDb, tables, m_strFamily, kSupport));
        return;
    }
    Fill(m_pMidSpan, SectionEntries(*m_pDb, table, m_strFamily, kMidSpan));
    Fill(m_pSupport, SectionEntries(*m_pDb, table, m_strFamily, kSupport));
}

void CCrossSectionChooser::OnOverviewDoubleClicked(QTreeWidget* list) {
    if (!SelectedTable().empty() || !list->currentItem()) return;
    SelectTable(list->currentItem()->text(0).toStdString());
}

void CCrossSectionChooser::OnOK() {
    std::string table = SelectedTable();
    QList<QTreeWidgetItem*> midSpan = m_pMidSpan->selectedItems();
    QList<QTreeWidgetItem*> support = m_pSupport->selectedItems();
    if (table.empty() || midSpan.isEmpty() || support.isEmpty()) {
        m_prompt.message(kChooseBothSections);
        return;
    }
    m_result = ChooseSections(table, Texts(midSpan.front()), Texts(support.front()));
    accept();
}

}  // namespace library
