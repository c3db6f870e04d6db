#pragma once
// 确认上部构造绘图区间(一般构造图) and 确认下部构造绘图区间(一般构造图): the general drawings of one kind,
// 图名 and 图形文件名; OK takes exactly one.
#include <QDialog>
#include <optional>
#include <vector>

#include "drawing/drawing_kinds.h"
#include "platform/interaction/interaction.h"

class QTreeWidget;

namespace drawing {

class CDrawingRangeDlg : public QDialog {
    Q_OBJECT
public:
    // Lists `records` and selects the one titled `current`.
    CDrawingRangeDlg(DrawingKind kind, std::vector<DrawingRecord> records, const std::string& current,
                     ui::Prompter& prompt, QWidget* parent = nullptr);

    QTreeWidget* List() const { return m_pList; }
    // OK: with no or several drawings selected the refusal is shown and the dialog stays open.
    void OnOK();
    // The drawing taken by OK.
    const std::optional<DrawingRecord>& chosen() const { return m_chosen; }

private:
    DrawingKind m_kind;
    std::vector<DrawingRecord> m_records;
    ui::Prompter& m_prompt;
    QTreeWidget* m_pList = nullptr;
    std::optional<DrawingRecord> m_chosen;
};

}  // namespace drawing
