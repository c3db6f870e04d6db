#pragma once
// The import range dialog "确定导入数据范围": the bridge extent, read-only, and the range to import, which
// starts as the bridge extent and may be changed. A bound is typed as a number or a stake ("K1+190.5");
// other text is refused with a message and the dialog stays open.
#include <QDialog>
#include <optional>

#include "exchange/route_import.h"
#include "platform/interaction/interaction.h"

class QLineEdit;

class CImportRangeDlg : public QDialog {
    Q_OBJECT
public:
    CImportRangeDlg(const exchange::RouteRange& bridge, ui::Prompter& prompt, QWidget* parent = nullptr);

    // S from "起点桩号:", E from "终点桩号:", not checked against each other or against the bridge; none
    // while an edit holds no stake.
    std::optional<exchange::RouteRange> range() const;
    // Closes the dialog only when both edits hold a stake; otherwise tells the user which text is wrong.
    void accept() override;
    QLineEdit* startEdit() const { return m_pStart; }
    QLineEdit* endEdit() const { return m_pEnd; }

private:
    // The stake an edit holds: `shown` itself while the edit reads as it was filled in.
    static std::optional<double> Bound(const QLineEdit* edit, double shown);

    ui::Prompter& m_prompt;
    exchange::RouteRange m_bridge;  // the extent as read, finer than the edits show it
    QLineEdit* m_pBridgeStart;
    QLineEdit* m_pBridgeEnd;
    QLineEdit* m_pStart;
    QLineEdit* m_pEnd;
};
