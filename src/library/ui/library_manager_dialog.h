#pragma once
// "管理构件库": every table of a library (the box cross-sections too), with adding, changing, deleting and
// previewing entries. Entries are edited in "构件数据"; every change is written to the library at once.
#include <functional>
#include <optional>

#include "library/ui/library_view_dialog.h"

class QMenu;

namespace library {

// Edits an entry's values under its captions; none when cancelled. The manager opens "构件数据" unless one
// is given (tests answer for the editor).
using EntryEditor = std::function<std::optional<std::vector<std::string>>(
    const std::vector<std::string>& captions, const std::vector<std::string>& values, const std::string& table)>;

class CLibraryManagerDlg : public CLibraryViewDlg {
public:
    CLibraryManagerDlg(const std::string& path, LibraryDialogServices services, QWidget* parent = nullptr,
                       EntryEditor editor = {});

    void OnAdd();
    void OnDelete();
    void OnEdit();
    void OnManagerPreview();
    // The pop-up menu of the entry list ("添加 (&A)", "删除 (&D)", "修改 (&E)", "预览 (&V)"); none at the root.
    QMenu* CreateEntryMenu();

protected:
    void OnTableSelected(bool atRoot) override;
    void OnEntryDoubleClicked() override;

private:
    std::vector<std::string> Captions() const;
    std::optional<std::vector<std::string>> Edit(const std::vector<std::string>& values);
    void RefillAndSelectAdded(const std::string& name);
    // The row chosen for Delete or Edit, -1 when there is none (the user is asked to choose one); `table`
    // is the table it belongs to.
    int ChosenEntry(std::string& table);

    EntryEditor m_editor;
    QPushButton* m_btnAdd;
    QPushButton* m_btnDelete;
    QPushButton* m_btnEdit;
    QPushButton* m_btnPreview;
};

// 管理构件库: asks for a library, then manages it.
void RunLibraryManagerCommand(QWidget* parent, LibraryDialogServices services);

}  // namespace library
