#include "drawing/ui/drawing_combos.h"

#include <QAbstractItemView>
#include <algorithm>

#include "drawing/drawing_current.h"
#include "platform/registry/registry.h"
#include "projectdb/schema.h"

namespace drawing {

void CDrawingRangeCombo::showPopup() {
    if (aboutToDropDown && !aboutToDropDown()) return;
    QComboBox::showPopup();
}

CDrawingCombos::CDrawingCombos(QWidget* parent, std::function<dao::Database*()> project, ui::Prompter& prompt)
    : QObject(parent), m_project(std::move(project)), m_prompt(prompt) {
    m_pTarget = new QComboBox(parent);
    m_pTarget->setObjectName("DrawingCombo131");
    m_pTarget->setToolTip("当前绘图目标");
    for (int k = 0; k < kDrawingKindCount; ++k)
        m_pTarget->addItem(QString::fromStdString(KindName(static_cast<DrawingKind>(k))));
    m_pTarget->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    m_pRange = new CDrawingRangeCombo(parent);
    m_pRange->setObjectName("DrawingCombo133");
    m_pRange->setToolTip("当前绘图区间");
    // Room for a usual title such as "空心板一般构造图(1,2,3跨)"; longer ones show whole in the open list.
    m_pRange->setMinimumWidth(m_pRange->fontMetrics().horizontalAdvance("空心板一般构造图(1,2,3跨)") + 40);
    m_pRange->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_pRange->aboutToDropDown = [this] { return OnRangeDropDown(); };
    connect(m_pTarget, &QComboBox::activated, this, &CDrawingCombos::OnTargetSelected);
    connect(m_pRange, &QComboBox::activated, this, &CDrawingCombos::OnRangeSelected);
    SetProjectOpen(false);
}

void CDrawingCombos::SetProjectOpen(bool open) {
    m_pTarget->setEnabled(open);
    m_pRange->setEnabled(open);
    m_pRange->clear();
    m_pTarget->setCurrentIndex(-1);
    m_nRangeIndex = -1;
    if (!open) return;
    // The combos show what the drawing side will make; the list behind them is read when it drops down.
    CurrentDrawing current;
    try {
        current = ReadCurrentDrawing();
    } catch (const registry::SettingsError&) {
        return;  // the target dialog reports an unreadable store when it is used
    }
    auto kind = KindFromName(current.type);
    if (!kind) return;
    m_pTarget->setCurrentIndex(static_cast<int>(*kind));
    if (!current.name.empty()) ShowRange({{current.name}, 0});
}

void CDrawingCombos::Show(const TargetResult& result) {
    m_pTarget->setCurrentIndex(static_cast<int>(result.kind));
    ShowRange(result.range);
}

void CDrawingCombos::ShowRange(const RangeList& range) {
    m_pRange->clear();
    int widest = 0;
    for (const auto& title : range.titles) {
        m_pRange->addItem(QString::fromStdString(title));
        widest = std::max(widest, m_pRange->fontMetrics().horizontalAdvance(QString::fromStdString(title)));
    }
    m_pRange->view()->setMinimumWidth(widest + 40);
    m_pRange->setCurrentIndex(range.selected);
    m_nRangeIndex = range.selected;
}

void CDrawingCombos::OnTargetSelected(int index) {
    dao::Database* db = m_project();
    auto kind = KindAt(index);
    if (!db || !kind) return;
    if (auto range = SelectTargetKind(*db, *kind, m_prompt)) ShowRange(*range);
}

void CDrawingCombos::OnRangeSelected(int index) {
    dao::Database* db = m_project();
    auto kind = KindAt(m_pTarget->currentIndex());
    if (!db || !kind || index < 0) return;
    if (SelectRange(*db, *kind, m_pRange->itemText(index).toStdString(), m_prompt))
        m_nRangeIndex = index;
    else
        m_pRange->setCurrentIndex(m_nRangeIndex);
}

bool CDrawingCombos::OnRangeDropDown() {
    dao::Database* db = m_project();
    auto kind = KindAt(m_pTarget->currentIndex());
    if (!db || !kind) return true;
    QString shown = m_pRange->currentText();
    m_pRange->clear();
    m_nRangeIndex = -1;
    auto titles = RangeTitles(*db, *kind, m_prompt);
    if (!titles) return false;
    RangeList range{*titles, -1};
    for (size_t i = 0; i < range.titles.size(); ++i)
        if (QString::fromStdString(range.titles[i]) == shown) range.selected = static_cast<int>(i);
    ShowRange(range);
    return true;
}

}  // namespace drawing
