#pragma once
// 确认绘图目标: the five drawing kinds, the current one selected.
#include <QDialog>

#include "drawing/drawing_kinds.h"

class QListWidget;

namespace drawing {

class CDrawingTargetDlg : public QDialog {
    Q_OBJECT
public:
    // `current` is the kind to select; the first kind when there is none.
    CDrawingTargetDlg(std::optional<DrawingKind> current, QWidget* parent = nullptr);

    QListWidget* List() const { return m_pList; }
    DrawingKind kind() const;

private:
    QListWidget* m_pList = nullptr;
};

}  // namespace drawing
