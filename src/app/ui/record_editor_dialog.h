#pragma once
// The shell's record-editing dialog: the records a design module proposes, one spreadsheet-like page per
// table, beside the module's pictures of them, which are drawn again after every change. OK hands the
// rows as they stand back to the module; Cancel hands back nothing.
#include <QDialog>
#include <vector>

#include "platform/interaction/record_editor.h"

class PlotView;
class QLabel;
class QTabWidget;
class QTableWidget;
class QPushButton;

class RecordEditorDialog : public QDialog {
    Q_OBJECT
public:
    RecordEditorDialog(const ui::EditRequest& request, QWidget* parent = nullptr);

    // The rows as the pages show them now (blank rows included; the module drops them).
    std::vector<ui::ProposedTable> tables() const;

    QTabWidget* sheetTabs() const { return m_pTabs; }
    QTableWidget* sheet(int index) const { return m_sheets.at(index); }
    const std::vector<PlotView*>& plotViews() const { return m_plots; }
    QPushButton* addRowButton() const { return m_pAddRow; }
    QPushButton* removeRowButton() const { return m_pRemoveRow; }

    void addRow();      // after the current row of the current page, else at its end
    void removeRows();  // the selected rows of the current page
    // The clipboard, as spreadsheets fill it: the selected block of the current page as tab-separated text
    // and an HTML table; pasted at the current cell, rows added below as needed unless the rows are fixed,
    // key cells left alone, one copied value filling the whole selection.
    void copy();
    void paste();

private:
    QTableWidget* makeSheet(const ui::ProposedTable& table);
    void fillRow(QTableWidget* sheet, int row, const ui::ProposedTable& table, const std::vector<std::string>& cells);
    void redraw();
    void updateRowButtons();

    ui::EditRequest m_request;  // the proposal, for the fields, keys and captions of each page
    QTabWidget* m_pTabs = nullptr;
    std::vector<QTableWidget*> m_sheets;
    std::vector<PlotView*> m_plots;
    QPushButton* m_pAddRow = nullptr;
    QPushButton* m_pRemoveRow = nullptr;
    bool m_bFilling = false;
};

// The record editor the shell hands to the design modules: each proposal in a modal RecordEditorDialog.
class DialogRecordEditor : public ui::RecordEditor {
public:
    explicit DialogRecordEditor(QWidget* parent) : m_pParent(parent) {}
    bool edit(ui::EditRequest& request) override;

private:
    QWidget* m_pParent;
};
