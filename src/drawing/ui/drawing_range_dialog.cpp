#include "drawing/ui/drawing_range_dialog.h"

#include <QTreeWidget>

#include "drawing/drawing_target.h"
#include "drawing/ui/drawing_list.h"
#include "platform/interaction/dialog_buttons.h"

namespace drawing {

CDrawingRangeDlg::CDrawingRangeDlg(DrawingKind kind, std::vector<DrawingRecord> records, const std::string& current,
                                   ui::Prompter& prompt, QWidget* parent)
    : QDialog(parent), m_kind(kind), m_records(std::move(records)), m_prompt(prompt) {
    setObjectName(kind == DrawingKind::SubGeneral ? "CSubRangeDlg" : "CSuperRangeDlg");
    setWindowTitle(kind == DrawingKind::SubGeneral ? "确认下部构造绘图区间(一般构造图)"
                                                   : "确认上部构造绘图区间(一般构造图)");
    m_pList = MakeDrawingList(this);
    for (const auto& r : m_records) {
        auto* item = new QTreeWidgetItem(m_pList,
                                         {QString::fromStdString(r.title), QString::fromStdString(r.fileName)});
        if (r.title == current) {
            item->setSelected(true);
            m_pList->setCurrentItem(item);
        }
    }
    ui::StackAboveOkCancel(this, {m_pList}, [this] { OnOK(); });
    resize(460, 300);
}

void CDrawingRangeDlg::OnOK() {
    QList<QTreeWidgetItem*> selected = m_pList->selectedItems();
    if (auto refusal = RangeSelectionRefusal(m_kind, static_cast<size_t>(selected.size()))) {
        m_prompt.message(*refusal);
        return;
    }
    m_chosen = m_records.at(static_cast<size_t>(m_pList->indexOfTopLevelItem(selected.front())));
    accept();
}

}  // namespace drawing
