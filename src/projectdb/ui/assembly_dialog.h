#pragma once
// "上下部构造之间装配关系": the assembly relations of every pier and abutment in three sheets (顺桥向, 横桥向,
// 竖向), one row per support. OK rewrites the ten fields of every support; when a record cannot be written
// the dialog stays open with what was typed.
#include <QDialog>

#include "platform/dao/database.h"
#include "projectdb/assembly.h"

namespace sheet {
class Spreadsheet;
}
namespace ui {
struct FileChooser;
}

namespace projectdb {

class CAssemblyDlg : public QDialog {
    Q_OBJECT
public:
    // `files` serves the grid's 写文件 command.
    CAssemblyDlg(dao::Database& db, ::ui::FileChooser& files, QWidget* parent = nullptr);

    sheet::Spreadsheet* Grid() const { return m_pGrid; }
    // Whether OK has rewritten any record (also when a later record stopped it).
    bool Wrote() const { return m_bWrote; }

    void OnOK();

private:
    void FillSheets(const AssemblyRelations& relations);
    AssemblyRelations SheetTexts() const;

    dao::Database& m_db;
    ::ui::FileChooser& m_files;
    sheet::Spreadsheet* m_pGrid;
    bool m_bWrote = false;
};

// Opens the dialog modally on the project; true when it wrote to the project.
bool EditAssemblyRelations(dao::Database& db, ::ui::FileChooser& files, QWidget* parent);

}  // namespace projectdb
