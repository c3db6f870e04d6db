#pragma once
// The 检查 window: the findings of the bridge model, one a row (severity, code, text, table). A double
// click shows the table row a finding names; 重新检查 reads the project again after the user has edited it.
#include <QDialog>
#include <functional>
#include <vector>

#include "bridge/bridge_model.h"

class QLabel;
class QTreeWidget;
class QTreeWidgetItem;

class CBridgeCheckWindow : public QDialog {
    Q_OBJECT
public:
    using Check = std::function<std::vector<bridge::Finding>()>;
    using Jump = std::function<void(const std::string& table, int record)>;

    CBridgeCheckWindow(Check check, Jump jump, QWidget* parent = nullptr);

    // Reads the findings again and lists them.
    void Recheck();
    QTreeWidget* list() const { return m_pList; }

private:
    void OnActivated(QTreeWidgetItem* item);

    Check m_check;
    Jump m_jump;
    std::vector<bridge::Finding> m_findings;
    QTreeWidget* m_pList = nullptr;
    QLabel* m_pSummary = nullptr;
};
