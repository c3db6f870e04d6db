#pragma once
// The table tree of the project window: the tables of the open project grouped under the fixed category
// tree. From it the user opens a table in a grid window, deletes a table, drags a table onto this or
// another running program's tree to copy it there, and copies a table into another project file.
#include <QWidget>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

class QMimeData;
class QTreeWidget;
class QTreeWidgetItem;

namespace dao {
class Database;
}

namespace browse {

class ProjectHost;
class TableTreeWidget;

class CBriTreeView : public QWidget {
    Q_OBJECT
public:
    explicit CBriTreeView(ProjectHost& host, QWidget* parent = nullptr);
    ~CBriTreeView() override;

    // The database the tree shows from now on; the tree is rebuilt from it (nullptr empties the tree).
    // Called when the project window is made, after a project is opened and after Save As.
    void SetDatabase(dao::Database* db);
    dao::Database* Database() const { return m_pDatabase; }
    // Builds the whole tree again from the database.
    void Rebuild();
    // Rebuilds the tables of one category by its refresh number (1 总体信息 … 10 附属构造信息, 12 其它信息);
    // 11 and numbers outside 1–12 do nothing.
    void RefreshCategory(int number);
    // After Save As: the root shows the new file name (the text after the path's last separator).
    void RenameRoot(const std::string& path);

    // The commands of a table item, also reachable from the context menu, the Delete key and double click.
    void OpenTable(const std::string& table);
    // Asks "你是否真的要删除表：%s?", closes the grid windows showing the table, deletes it. True when deleted.
    bool DeleteTable(const std::string& table);
    // Asks for another project file and copies the table into it. True when copied.
    bool CopyTableToOtherProject(const std::string& table);

    // Drag and drop payload: the table's transfer descriptor under the "Veltra" format.
    QMimeData* MimeDataOf(const std::string& table) const;
    bool CanDrop(const QMimeData& data) const;
    // Copies the table a drop carries into this view's database (asking for a new name on a clash) and
    // shows it in the tree. True when copied.
    bool DropMimeData(const QMimeData& data);

    // The question for a new name when the target already has the table: returns the name typed, or none
    // for 取消. By default the dialog "警告"; tests install their own.
    using RenamePrompt = std::function<std::optional<std::string>(const std::string& clashingName)>;
    void SetRenamePrompt(RenamePrompt prompt);

    // What the tree shows, for the frame and for tests.
    QTreeWidget* tree() const;
    std::string RootText() const;
    std::string SelectedText() const { return m_strSelected; }
    // Table names under a category node (by name, e.g. "其它信息"), in the order shown.
    std::vector<std::string> TablesUnder(const std::string& category) const;
    // The category node a table is shown under, or "" when the tree does not show it.
    std::string CategoryShowing(const std::string& table) const;
    bool IsRebuilding() const { return m_bRebuilding; }

signals:
    void tableOpened(const QString& table);
    void tableDeleted(const QString& table);
    void tableAdded(const QString& table);

private:
    friend class TableTreeWidget;
    QTreeWidgetItem* AddCategoryItem(QTreeWidgetItem* parent, int categoryId, const std::string& name);
    QTreeWidgetItem* AddTableItem(QTreeWidgetItem* category, const std::string& table);
    QTreeWidgetItem* TableItem(const std::string& table) const;
    void ShowTableInTree(const std::string& table);
    void OnItemDoubleClicked(QTreeWidgetItem* item);
    void OnContextMenu(const QPoint& pos);
    void OnSelectionChanged();
    void StartDrag(QTreeWidgetItem* item);
    std::optional<std::string> AskNewName(const std::string& clashingName);

    ProjectHost& m_host;
    dao::Database* m_pDatabase = nullptr;
    TableTreeWidget* m_pTree;
    QTreeWidgetItem* m_hRoot = nullptr;
    std::map<int, QTreeWidgetItem*> m_categoryItems;  // category id -> node
    std::string m_strSelected;
    bool m_bRebuilding = false;
    RenamePrompt m_renamePrompt;
};

}  // namespace browse
