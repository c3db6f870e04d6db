#include "browse/ui/bri_tree_view.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDrag>
#include <QDragEnterEvent>
#include <QHeaderView>
#include <QIcon>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QPointer>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "browse/table_transfer.h"
#include "projectdb/project_file.h"
#include "browse/table_tree.h"
#include "browse/ui/bri_form_view.h"
#include "platform/spreadsheet/grid_commands.h"
#include "browse/ui/project_host.h"
#include "browse/ui/rename_dialog.h"
#include "platform/spreadsheet/wait_cursor.h"
#include "platform/dao/database.h"
#include "platform/interaction/interaction.h"

namespace browse {

namespace {

// Item data: the kind word (2 for a table; category nodes and the root carry 0) and the category id.
constexpr int kKindRole = Qt::UserRole;
constexpr int kCategoryRole = Qt::UserRole + 1;
constexpr int kKindTable = 2;

QIcon TreeIcon(const char* name) { return QIcon(QStringLiteral(":/icons/tree_%1.svg").arg(QLatin1String(name))); }

QIcon CategoryIcon(const std::string& category) {
    static const std::pair<const char*, const char*> icons[] = {
        {"总体信息", "general"},          {"桥址信息", "site"},         {"结构信息", "structure"},
        {"上部构造信息", "superstructure"}, {"下部构造信息", "substructure"}, {"附属构造信息", "auxiliary"},
        {"其它信息", "other"},            {"墩台帽梁", "cap_beam"},      {"墩台身", "pier_body"},
        {"连接构造", "connection"},        {"墩台基础", "foundation"},    {"空心板", "hollow_slab"},
        {"T梁", "tbeam"},                {"箱梁", "box_girder"},
    };
    for (const auto& [name, icon] : icons)
        if (category == name) return TreeIcon(icon);
    return TreeIcon("other");
}

QString Q(const std::string& s) { return QString::fromStdString(s); }

bool IsTableItem(const QTreeWidgetItem* item) { return item && item->data(0, kKindRole).toInt() == kKindTable; }

}  // namespace

// The tree control: drags a table item out as its transfer descriptor and takes drops of descriptors.
class TableTreeWidget : public QTreeWidget {
public:
    explicit TableTreeWidget(CBriTreeView& view) : QTreeWidget(&view), m_view(view) {
        setHeaderHidden(true);
        setRootIsDecorated(true);
        setUniformRowHeights(true);
        setSelectionMode(QAbstractItemView::SingleSelection);
        setDragEnabled(true);
        setAcceptDrops(true);
        setDropIndicatorShown(false);
        setDragDropMode(QAbstractItemView::DragDrop);
        setContextMenuPolicy(Qt::CustomContextMenu);
        setExpandsOnDoubleClick(true);
    }

protected:
    void startDrag(Qt::DropActions) override {
        QTreeWidgetItem* item = currentItem();
        if (IsTableItem(item)) m_view.StartDrag(item);
    }
    void dragEnterEvent(QDragEnterEvent* event) override {
        if (event->mimeData() && m_view.CanDrop(*event->mimeData()))
            event->acceptProposedAction();
        else
            event->ignore();
    }
    void dragMoveEvent(QDragMoveEvent* event) override {
        if (event->mimeData() && m_view.CanDrop(*event->mimeData()))
            event->acceptProposedAction();
        else
            event->ignore();
    }
    void dropEvent(QDropEvent* event) override {
        if (!event->mimeData() || !m_view.CanDrop(*event->mimeData())) {
            event->ignore();
            return;
        }
        event->setDropAction(Qt::CopyAction);
        event->accept();
        // The copy may ask for a new name; let the drag (possibly another program's) finish first.
        auto* data = new QMimeData;
        data->setData(QString::fromLatin1(kTransferFormat), event->mimeData()->data(QString::fromLatin1(kTransferFormat)));
        QPointer<CBriTreeView> view(&m_view);
        QTimer::singleShot(0, &m_view, [view, data] {
            if (view) view->DropMimeData(*data);
            delete data;
        });
    }
    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() == Qt::Key_Delete && IsTableItem(currentItem())) {
            m_view.DeleteTable(currentItem()->text(0).toStdString());
            return;
        }
        QTreeWidget::keyPressEvent(event);
    }
    void mouseDoubleClickEvent(QMouseEvent* event) override {
        if (m_view.IsRebuilding()) return;
        QTreeWidget::mouseDoubleClickEvent(event);
    }

private:
    CBriTreeView& m_view;
};

CBriTreeView::CBriTreeView(ProjectHost& host, QWidget* parent) : QWidget(parent), m_host(host) {
    m_pTree = new TableTreeWidget(*this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_pTree);
    connect(m_pTree, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) { OnItemDoubleClicked(item); });
    connect(m_pTree, &QTreeWidget::customContextMenuRequested, this, [this](const QPoint& pos) { OnContextMenu(pos); });
    connect(m_pTree, &QTreeWidget::itemSelectionChanged, this, [this] { OnSelectionChanged(); });
    m_pDatabase = host.ProjectDatabase();
    Rebuild();
}

CBriTreeView::~CBriTreeView() = default;

QTreeWidget* CBriTreeView::tree() const { return m_pTree; }

void CBriTreeView::SetDatabase(dao::Database* db) {
    if (db == m_pDatabase && m_hRoot) return;
    m_pDatabase = db;
    Rebuild();
}

QTreeWidgetItem* CBriTreeView::AddCategoryItem(QTreeWidgetItem* parent, int categoryId, const std::string& name) {
    auto* item = new QTreeWidgetItem(parent, QStringList(Q(name)));
    item->setIcon(0, CategoryIcon(name));
    item->setData(0, kKindRole, 0);
    item->setData(0, kCategoryRole, categoryId);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDropEnabled);
    m_categoryItems[categoryId] = item;
    return item;
}

QTreeWidgetItem* CBriTreeView::AddTableItem(QTreeWidgetItem* category, const std::string& table) {
    auto* item = new QTreeWidgetItem(category, QStringList(Q(table)));
    static const QIcon icon = TreeIcon("table");
    item->setIcon(0, icon);
    item->setData(0, kKindRole, kKindTable);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled | Qt::ItemIsDropEnabled);
    return item;
}

void CBriTreeView::Rebuild() {
    sheet::CWaitCursor wait;
    m_bRebuilding = true;
    m_pTree->clear();
    m_categoryItems.clear();
    m_hRoot = nullptr;
    m_strSelected.clear();
    if (m_pDatabase) {
        m_hRoot = new QTreeWidgetItem(m_pTree, QStringList(Q(RootTextOf(m_pDatabase->GetName()))));
        m_hRoot->setIcon(0, TreeIcon("project"));
        m_hRoot->setData(0, kKindRole, 0);
        m_hRoot->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDropEnabled);
        auto addChildren = [this](auto& self, QTreeWidgetItem* parent, const projectdb::Category& node) -> void {
            for (const projectdb::Category& child : node.children)
                self(self, AddCategoryItem(parent, child.id, child.name), child);
        };
        addChildren(addChildren, m_hRoot, projectdb::CategoryTree());
        try {
            for (const TreeEntry& entry : TreeEntries(m_pDatabase->GetTableDefs()))
                AddTableItem(m_categoryItems.at(entry.category->id), entry.table);
        } catch (const dao::DaoException&) {
            // A database that cannot list its tables shows the bare category tree.
        }
        m_hRoot->setExpanded(true);
    }
    m_bRebuilding = false;
}

void CBriTreeView::RefreshCategory(int number) {
    const projectdb::Category* category = RefreshedCategory(number);
    if (!category || !m_pDatabase) return;
    auto node = m_categoryItems.find(category->id);
    if (node == m_categoryItems.end()) return;
    sheet::CWaitCursor wait;
    m_bRebuilding = true;
    QTreeWidgetItem* parent = node->second;
    for (int i = parent->childCount() - 1; i >= 0; --i)
        if (IsTableItem(parent->child(i))) delete parent->takeChild(i);
    auto exists = [this](const std::string& table) {
        try {
            return m_pDatabase->HasTableDef(table);
        } catch (const dao::DaoException&) {
            return false;
        }
    };
    for (const std::string& table : RefreshedTables(number, exists)) AddTableItem(parent, table);
    m_bRebuilding = false;
}

void CBriTreeView::RenameRoot(const std::string& path) {
    if (m_hRoot) m_hRoot->setText(0, Q(RootTextOf(path)));
}

std::string CBriTreeView::RootText() const { return m_hRoot ? m_hRoot->text(0).toStdString() : std::string(); }

QTreeWidgetItem* CBriTreeView::TableItem(const std::string& table) const {
    for (const auto& [id, node] : m_categoryItems)
        for (int i = 0; i < node->childCount(); ++i)
            if (IsTableItem(node->child(i)) && node->child(i)->text(0).toStdString() == table) return node->child(i);
    return nullptr;
}

std::vector<std::string> CBriTreeView::TablesUnder(const std::string& category) const {
    std::vector<std::string> tables;
    for (const auto& [id, node] : m_categoryItems) {
        if (node->text(0).toStdString() != category) continue;
        for (int i = 0; i < node->childCount(); ++i)
            if (IsTableItem(node->child(i))) tables.push_back(node->child(i)->text(0).toStdString());
    }
    return tables;
}

std::string CBriTreeView::CategoryShowing(const std::string& table) const {
    QTreeWidgetItem* item = TableItem(table);
    return item && item->parent() ? item->parent()->text(0).toStdString() : std::string();
}

void CBriTreeView::ShowTableInTree(const std::string& table) {
    const projectdb::Category* category = projectdb::CategoryOf(table);
    if (!category || TableItem(table)) return;
    auto node = m_categoryItems.find(category->id);
    if (node != m_categoryItems.end()) AddTableItem(node->second, table);
}

void CBriTreeView::OnItemDoubleClicked(QTreeWidgetItem* item) {
    if (m_bRebuilding || !IsTableItem(item)) return;
    OpenTable(item->text(0).toStdString());
}

void CBriTreeView::OnSelectionChanged() {
    QTreeWidgetItem* item = m_pTree->currentItem();
    m_strSelected = item ? item->text(0).toStdString() : std::string();
}

void CBriTreeView::OnContextMenu(const QPoint& pos) {
    QTreeWidgetItem* item = m_pTree->itemAt(pos);
    if (!item) return;
    m_pTree->setCurrentItem(item);
    if (!IsTableItem(item)) return;
    const std::string table = item->text(0).toStdString();
    switch (sheet::ShowGridMenu(this, sheet::kMenuType5, m_pTree->viewport()->mapToGlobal(pos))) {
        case sheet::ID_TREE_OPEN: OpenTable(table); break;
        case sheet::ID_TREE_DELETE: DeleteTable(table); break;
        case sheet::ID_TREE_COPY_TO_PROJECT: CopyTableToOtherProject(table); break;
        default: break;
    }
}

void CBriTreeView::OpenTable(const std::string& table) {
    if (!m_pDatabase) return;
    {
        sheet::CWaitCursor wait;
        if (!m_host.OpenGridWindow(table)) return;
    }
    emit tableOpened(Q(table));
}

bool CBriTreeView::DeleteTable(const std::string& table) {
    if (!m_pDatabase) return false;
    ui::Prompter& prompt = m_host.Prompter();
    if (!ConfirmDeleteTable(table, prompt)) return false;
    for (CBriFormView* view : m_host.GridViews())
        if (view && view->TableName() == table && !m_host.CloseGridWindow(view)) return false;
    {
        sheet::CWaitCursor wait;
        if (!DeleteTableDefinition(*m_pDatabase, table, prompt)) return false;
    }
    delete TableItem(table);
    emit tableDeleted(Q(table));
    return true;
}

void CBriTreeView::SetRenamePrompt(RenamePrompt prompt) { m_renamePrompt = std::move(prompt); }

std::optional<std::string> CBriTreeView::AskNewName(const std::string& clashingName) {
    if (m_renamePrompt) return m_renamePrompt(clashingName);
    QApplication::setOverrideCursor(Qt::ArrowCursor);
    std::optional<std::string> name = AskNewTableName(m_host.MainWindow() ? m_host.MainWindow() : this, clashingName);
    QApplication::restoreOverrideCursor();
    return name;
}

bool CBriTreeView::CopyTableToOtherProject(const std::string& table) {
    if (!m_pDatabase) return false;
    ui::FileRequest request;
    request.title = "打开项目文件";
    request.defaultExtension = "vlt";
    request.filter = "桥梁CAD项目文件 (*.vlt)|*.vlt||";
    request.mustExist = true;
    request.overwritePrompt = false;
    const std::string path = m_host.FileChooser().choose(request);
    if (path.empty()) return false;
    sheet::CWaitCursor wait;
    std::optional<std::string> copied = CopyTableToFile(
        *m_pDatabase, table, path, [this](const std::string& name) { return AskNewName(name); }, m_host.Prompter());
    if (!copied) return false;
    if (projectdb::IsSameFile(path, m_pDatabase->GetName())) {
        ShowTableInTree(*copied);
        emit tableAdded(Q(*copied));
    }
    return true;
}

QMimeData* CBriTreeView::MimeDataOf(const std::string& table) const {
    auto* data = new QMimeData;
    TransferDescriptor descriptor;
    descriptor.databasePath = m_pDatabase ? m_pDatabase->GetName() : std::string();
    descriptor.table = table;
    const std::string bytes = EncodeTransfer(descriptor);
    data->setData(QString::fromLatin1(kTransferFormat), QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
    return data;
}

bool CBriTreeView::CanDrop(const QMimeData& data) const {
    return m_pDatabase && data.hasFormat(QString::fromLatin1(kTransferFormat));
}

bool CBriTreeView::DropMimeData(const QMimeData& data) {
    if (!CanDrop(data)) return false;
    const QByteArray bytes = data.data(QString::fromLatin1(kTransferFormat));
    std::optional<TransferDescriptor> descriptor = DecodeTransfer(std::string_view(bytes.constData(), bytes.size()));
    if (!descriptor) return false;
    sheet::CWaitCursor wait;
    std::optional<std::string> copied = DropTable(
        *descriptor, *m_pDatabase, [this](const std::string& name) { return AskNewName(name); }, m_host.Prompter());
    if (!copied) return false;
    ShowTableInTree(*copied);
    emit tableAdded(Q(*copied));
    return true;
}

void CBriTreeView::StartDrag(QTreeWidgetItem* item) {
    if (!m_pDatabase) return;
    auto* drag = new QDrag(m_pTree);
    drag->setMimeData(MimeDataOf(item->text(0).toStdString()));
    drag->setPixmap(item->icon(0).pixmap(16, 16));
    drag->exec(Qt::CopyAction | Qt::MoveAction | Qt::LinkAction, Qt::CopyAction);
}

}  // namespace browse
