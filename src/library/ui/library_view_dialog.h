#pragma once
// "查看构件库": the tables of a library under "当前构件库" (the box cross-sections left out), the entries of
// the selected table, the table overview at the root, and the 3D preview of an entry. The manager builds
// on it. The dialog owns its library from construction to destruction; a file that is no library is told
// and the dialog stays empty.
#include <QDialog>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "library/component_preview.h"
#include "library/library_browse.h"
#include "library/library_file.h"
#include "platform/dao/database.h"
#include "platform/interaction/interaction.h"
#include "platform/modules/module_loader.h"

class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;
class QVBoxLayout;

namespace library {

// What the library dialogs ask through: messages, files, the viewer module, and the chooser of box
// cross-sections (the modal chooser when none is given).
struct LibraryDialogServices {
    ui::Prompter& prompt;
    ui::FileChooser& files;
    modules::ModuleLoader& loader;
    std::function<std::optional<ChosenSections>(const std::string& libraryPath, const std::string& family)>
        chooseSections;
};

class CLibraryViewDlg : public QDialog {
public:
    CLibraryViewDlg(const std::string& path, LibraryDialogServices services, QWidget* parent = nullptr);
    ~CLibraryViewDlg() override;

    bool HasLibrary() const { return m_pDb != nullptr; }
    QTreeWidget* tree() const { return m_pTree; }
    QTreeWidget* list() const { return m_pList; }
    // Selects the tree item of a table ("" for the root); false when the tree has no such table.
    bool SelectTable(const std::string& table);
    // The table of the selected tree item; empty at the root.
    std::string SelectedTable() const;
    // The first selected row of the entry list, -1 when none.
    int SelectedRow() const;
    void SelectRow(int row);
    std::vector<std::string> RowTexts(int row) const;

    // "三维模型预览" and a double-click on an entry.
    void OnPreview();

    void done(int result) override;

protected:
    CLibraryViewDlg(const std::string& path, LibraryDialogServices services, const char* caption,
                    TableSelection selection, QWidget* parent);
    // Enables what acts on a table; the root disables it.
    virtual void OnTableSelected(bool atRoot);
    virtual void OnEntryDoubleClicked();
    // Previews an entry's texts; `dataFile` receives the value list first when not empty.
    bool Preview(const std::vector<std::string>& texts, const std::string& dataFile);
    void FillList();

    std::unique_ptr<dao::Database> m_pDb;
    LibraryDialogServices m_services;
    std::string m_strPath;
    TableSelection m_selection;
    QTreeWidget* m_pTree;
    QTreeWidget* m_pList;
    QVBoxLayout* m_pButtonColumn;

private:
    void BuildTree();
    void OnOverviewDoubleClicked(QTreeWidgetItem* item);
    QTreeWidgetItem* m_pRoot = nullptr;
};

// The first step of the commands on a library: asks for the file, then runs a `Dialog` on it. Nothing opens
// when the choice is cancelled or the file is no library (the dialog has said so).
template <class Dialog>
void RunOnChosenLibrary(QWidget* parent, LibraryDialogServices services) {
    std::string path = services.files.choose(LibraryFileRequest());
    if (path.empty()) return;
    Dialog dialog(path, std::move(services), parent);
    if (dialog.HasLibrary()) dialog.exec();
}

// 查询构件库: asks for a library, then shows it.
void RunLibraryViewCommand(QWidget* parent, LibraryDialogServices services);

}  // namespace library
