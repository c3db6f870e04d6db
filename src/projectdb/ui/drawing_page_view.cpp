#include "projectdb/ui/drawing_page_view.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/spreadsheet/grid_menu.h"
#include "platform/spreadsheet/grid_commands.h"
#include "platform/spreadsheet/sheet_model.h"
#include "platform/spreadsheet/spreadsheet.h"
#include "projectdb/schema.h"
#include "projectdb/ui/text_sheet_view.h"

namespace projectdb {

namespace {

const char* const kDrawingColumns[drawing_col::kCount] = {"图  名", "图形文件名(*.dwg)", "类别",     "图幅大小",
                                                          "比例",   "横断面比例",        "图标类型", "会签栏及角标"};

QTreeWidget* MakeList(QWidget* parent, const QStringList& headers) {
    auto* list = new QTreeWidget(parent);
    list->setColumnCount(static_cast<int>(headers.size()));
    list->setHeaderLabels(headers);
    list->setRootIsDecorated(false);
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    list->header()->setStretchLastSection(true);
    return list;
}

std::vector<int> SelectedRows(QTreeWidget* list) {
    std::vector<int> rows;
    for (QTreeWidgetItem* item : list->selectedItems()) rows.push_back(list->indexOfTopLevelItem(item));
    std::sort(rows.begin(), rows.end());
    return rows;
}

}  // namespace

CMyPropertyPage31::CMyPropertyPage31(DrawingPage& page, PageServices services, QWidget* parent)
    : QWidget(parent), m_page(page), m_services(std::move(services)) {
    setObjectName("CMyPropertyPage31");
    auto* layout = new QVBoxLayout(this);
    auto* lists = new QGridLayout;
    lists->addWidget(new QLabel("可供绘图的上部构造", this), 0, 0);
    lists->addWidget(new QLabel("可供绘图的下部构造", this), 0, 1);
    m_pSuper = MakeList(this, {"上部构造结构类型", "对应跨号", "跨径"});
    m_pSub = MakeList(this, {"下部构造结构类型", "对应墩台号"});
    lists->addWidget(m_pSuper, 1, 0);
    lists->addWidget(m_pSub, 1, 1);
    layout->addLayout(lists, 2);

    auto* buttons = new QHBoxLayout;
    m_pAdd = new QPushButton("加入绘图列表", this);
    m_pClear = new QPushButton("清除绘图列表", this);
    buttons->addStretch(1);
    buttons->addWidget(m_pAdd);
    buttons->addWidget(m_pClear);
    buttons->addStretch(1);
    layout->addLayout(buttons);

    m_pGrid = new sheet::Spreadsheet(this);
    m_pGrid->setPrompter(&m_services.prompt);
    m_pGrid->setColumnCount(drawing_col::kCount);
    const QFontMetrics metrics(m_pGrid->font());
    for (int c = 0; c < drawing_col::kCount; ++c) {
        m_pGrid->setColumnHeaderText(c + 1, kDrawingColumns[c]);
        m_pGrid->setColumnWidth(c + 1, std::max(70, metrics.horizontalAdvance(kDrawingColumns[c]) + 24));
    }
    m_pGrid->setColumnWidth(drawing_col::kTitle + 1, metrics.horizontalAdvance("桥台一般构造图(0,1号)") + 48);
    m_pGrid->setColumnWidth(drawing_col::kType + 1, metrics.horizontalAdvance("上构一般构造图") + 40);
    m_pGrid->setColumnDropDown(drawing_col::kType + 1, kDrawingTypeList);
    m_pGrid->setColumnDropDown(drawing_col::kSheetSize + 1, kSheetSizeList);
    layout->addWidget(m_pGrid, 3);

    connect(m_pAdd, &QPushButton::clicked, this, &CMyPropertyPage31::OnAdd);
    connect(m_pClear, &QPushButton::clicked, this, [this] {
        CommitEdits();
        m_page.ClearDrawingList();
        ShowDrawings();
    });
    connect(m_pGrid, &sheet::Spreadsheet::cellChanged, this,
            [this](int row, int column) { m_page.OnCellEdited(row - 1, column - 1, m_pGrid->textUtf8(row, column)); });
    connect(m_pGrid, &sheet::Spreadsheet::cellDoubleClicked, this, &CMyPropertyPage31::OnCellDoubleClicked);
    connect(m_pGrid, &sheet::Spreadsheet::contextMenuRequested, this, [this](int, int, const QPoint& pos) {
        if (int id = sheet::ShowGridMenu(this, sheet::kMenuType1, pos, m_pGrid)) RunCommand(id);
    });
    Refresh();
}

void CMyPropertyPage31::Refresh() {
    m_pSuper->clear();
    for (const auto& c : m_page.superstructure())
        m_pSuper->addTopLevelItem(new QTreeWidgetItem(QStringList{
            QString::fromStdString(c.type), QString::fromStdString(c.spans), QString::fromStdString(c.length)}));
    m_pSub->clear();
    for (const auto& c : m_page.substructure())
        m_pSub->addTopLevelItem(
            new QTreeWidgetItem(QStringList{QString::fromStdString(c.types), QString::fromStdString(c.supports)}));
    ShowDrawings();
}

void CMyPropertyPage31::ShowDrawings() { ShowTextSheet(*m_pGrid->model(), m_page.drawings()); }

void CMyPropertyPage31::OnAdd() {
    CommitEdits();
    m_page.AddToDrawingList(SelectedRows(m_pSuper), SelectedRows(m_pSub));
    ShowDrawings();
}

void CMyPropertyPage31::OnCellDoubleClicked(int row, int column) {
    auto choice = m_page.ChoiceAt(column - 1);
    if (!choice || !m_services.chooseType) return;
    auto chosen = m_services.chooseType(ToMemberChoice(*choice), m_pGrid->textUtf8(row, column), this);
    if (!chosen) return;
    m_pGrid->setText(row, column, QString::fromStdString(*chosen));
    m_page.OnCellEdited(row - 1, column - 1, *chosen);
}

void CMyPropertyPage31::RunCommand(int commandId) { sheet::RunGridCommand(commandId, *m_pGrid, m_services.files); }

void CMyPropertyPage31::CommitEdits() { m_pGrid->commitEdit(); }

}  // namespace projectdb
