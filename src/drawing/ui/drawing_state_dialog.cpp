#include "drawing/ui/drawing_state_dialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "drawing/drawing_preview.h"
#include "drawing/drawing_target.h"
#include "drawing/ui/drawing_list.h"
#include "drawing/ui/drawing_viewer_dialog.h"

namespace drawing {

CDrawingStateDlg::CDrawingStateDlg(std::vector<DrawingRecord> records, std::string projectPath, QWidget* parent,
                                   ui::PrintServices print, ui::Prompter* prompt)
    : QDialog(parent),
      m_records(std::move(records)),
      m_strProjectPath(std::move(projectPath)),
      m_print(print),
      m_pPrompt(prompt) {
    setObjectName("CDrawingStateDlg");
    setWindowTitle("当前绘图状态");
    auto* layout = new QVBoxLayout(this);
    m_pList = MakeDrawingList(this);
    for (const auto& r : m_records)
        new QTreeWidgetItem(m_pList, {QString::fromStdString(r.title), QString::fromStdString(r.fileName)});
    layout->addWidget(m_pList);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* preview = buttons->addButton("预览", QDialogButtonBox::ActionRole);
    buttons->addButton("关闭", QDialogButtonBox::RejectRole);
    layout->addWidget(buttons);
    connect(preview, &QPushButton::clicked, this, &CDrawingStateDlg::OnPreview);
    connect(m_pList, &QTreeWidget::itemDoubleClicked, this, &CDrawingStateDlg::OnPreview);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    resize(460, 320);
}

void CDrawingStateDlg::OnPreview() {
    std::vector<int> rows;
    for (QTreeWidgetItem* item : m_pList->selectedItems()) rows.push_back(m_pList->indexOfTopLevelItem(item));
    if (rows.empty()) return;
    const DrawingRecord& r = m_records.at(static_cast<size_t>(*std::min_element(rows.begin(), rows.end())));
    // One viewer at a time: a new preview replaces the one before.
    if (m_pViewer) m_pViewer->close();
    m_pViewer = new CDrawingViewerDlg(QString::fromStdString(r.title), QString::fromStdString(r.fileName),
                                      QString::fromStdString(DrawingPicturePath(m_strProjectPath, r.fileName)), this,
                                      m_print, m_pPrompt);
    m_pViewer->setAttribute(Qt::WA_DeleteOnClose);
    m_pViewer->show();
}

void RunDrawingPreview(dao::Database& db, ui::Prompter& prompt, QWidget* parent, ui::PrintServices print) {
    std::vector<DrawingRecord> records;
    try {
        records = ReadDrawingRecords(db);
    } catch (const dao::DaoException&) {
        prompt.message(kNoDrawingList);
        return;
    }
    CDrawingStateDlg dialog(std::move(records), db.GetName(), parent, print, &prompt);
    dialog.exec();
}

}  // namespace drawing
