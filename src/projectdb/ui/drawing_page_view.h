#pragma once
// Page 3 of the new-project wizard (绘图信息): the superstructure and substructure entries that can be
// drawn, 加入绘图列表 and 清除绘图列表, and the drawing list in a spreadsheet with drop-down columns.
#include <QWidget>

#include "projectdb/drawing_page.h"
#include "projectdb/ui/page_services.h"

class QPushButton;
class QTreeWidget;

namespace sheet {
class Spreadsheet;
}

namespace projectdb {

class CMyPropertyPage31 : public QWidget {
    Q_OBJECT
public:
    CMyPropertyPage31(DrawingPage& page, PageServices services, QWidget* parent = nullptr);

    QTreeWidget* SuperstructureList() const { return m_pSuper; }
    QTreeWidget* SubstructureList() const { return m_pSub; }
    QPushButton* AddButton() const { return m_pAdd; }
    QPushButton* ClearButton() const { return m_pClear; }
    sheet::Spreadsheet& Grid() const { return *m_pGrid; }

    void RunCommand(int commandId);
    void CommitEdits();
    // Shows the model's candidate lists and drawing list again (after the page was shown).
    void Refresh();

private:
    void ShowDrawings();
    void OnAdd();
    void OnCellDoubleClicked(int row, int column);

    DrawingPage& m_page;
    PageServices m_services;
    QTreeWidget* m_pSuper = nullptr;
    QTreeWidget* m_pSub = nullptr;
    QPushButton* m_pAdd = nullptr;
    QPushButton* m_pClear = nullptr;
    sheet::Spreadsheet* m_pGrid = nullptr;
};

}  // namespace projectdb
