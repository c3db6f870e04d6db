#pragma once
// "选择箱梁横断面类型": the box cross-section tables of a library, and for the selected one its mid-span
// ("跨中断面:") and support ("支点断面:") sections made for the family of the elevation being previewed.
// At the root both lists show how many sections of each table qualify.
#include <QDialog>
#include <memory>
#include <string>

#include "library/component_sections.h"
#include "platform/dao/database.h"
#include "platform/interaction/interaction.h"

class QTreeWidget;
class QTreeWidgetItem;

namespace library {

class CCrossSectionChooser : public QDialog {
public:
    CCrossSectionChooser(const std::string& path, const std::string& family, ui::Prompter& prompt,
                         QWidget* parent = nullptr);
    ~CCrossSectionChooser() override;

    QTreeWidget* tree() const { return m_pTree; }
    QTreeWidget* midSpanList() const { return m_pMidSpan; }
    QTreeWidget* supportList() const { return m_pSupport; }
    bool SelectTable(const std::string& table);
    // 确定: needs a table and a row in both lists, else tells so and stays open.
    void OnOK();
    const ChosenSections& Result() const { return m_result; }

private:
    void FillLists();
    void Fill(QTreeWidget* list, const EntryList& entries);
    void OnOverviewDoubleClicked(QTreeWidget* list);
    std::string SelectedTable() const;

    std::unique_ptr<dao::Database> m_pDb;
    std::string m_strFamily;
    ui::Prompter& m_prompt;
    QTreeWidget* m_pTree;
    QTreeWidget* m_pMidSpan;
    QTreeWidget* m_pSupport;
    QTreeWidgetItem* m_pRoot = nullptr;
    ChosenSections m_result;
};

}  // namespace library
