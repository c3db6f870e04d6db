#pragma once
// The import range dialog "确定导入数据范围": the bridge extent, read-only, and the range to import, which
// starts as the bridge extent and may be changed. Numbers typed are read the C library's way.
#include <QDialog>

#include "exchange/route_import.h"

class QLineEdit;

class CImportRangeDlg : public QDialog {
    Q_OBJECT
public:
    CImportRangeDlg(const exchange::RouteRange& bridge, QWidget* parent = nullptr);

    // S from "起点桩号:", E from "终点桩号:", not checked against each other or against the bridge.
    exchange::RouteRange range() const;
    QLineEdit* startEdit() const { return m_pStart; }
    QLineEdit* endEdit() const { return m_pEnd; }

private:
    exchange::RouteRange m_bridge;  // the extent as read, finer than the edits show it
    QLineEdit* m_pBridgeStart;
    QLineEdit* m_pBridgeEnd;
    QLineEdit* m_pStart;
    QLineEdit* m_pEnd;
};
