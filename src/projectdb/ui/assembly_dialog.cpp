#include "projectdb/ui/assembly_dialog.h"

#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/interaction/dialog_buttons.h"
#include "platform/spreadsheet/grid_menu.h"
#include "platform/spreadsheet/grid_commands.h"
#include "platform/spreadsheet/sheet_model.h"
#include "platform/spreadsheet/spreadsheet.h"

namespace projectdb {

namespace {

// Room for a column's heading also when it is set in bold (the current column's), so none is cut off.
int HeadingWidth(const QFontMetrics& metrics, const char* heading) {
    return metrics.horizontalAdvance(QString::fromUtf8(heading)) + 28;
}

}  // namespace

CAssemblyDlg::CAssemblyDlg(dao::Database& db, ::ui::FileChooser& files, QWidget* parent)
    : QDialog(parent), m_db(db), m_files(files), m_pGrid(new sheet::Spreadsheet(this)) {
    setWindowTitle("上下部构造之间装配关系");
    // The sheets' names, headings and widths are the dialog's own; the rows come from the project.
    m_pGrid->setSheetCount(kAssemblySheetCount);
    QFont bold = m_pGrid->font();
    bold.setBold(true);
    QFontMetrics metrics(bold);
    int widest = 0;
    for (int s = 0; s < kAssemblySheetCount; ++s) {
        const AssemblySheetLayout& layout = AssemblySheetLayouts()[s];
        m_pGrid->setCurrentSheet(s + 1);
        m_pGrid->setSheetName(s + 1, QString::fromUtf8(layout.name));
        m_pGrid->setColumnCount(static_cast<int>(layout.columns.size()));
        m_pGrid->setCornerText(kAssemblyRowHeading);
        int width = HeadingWidth(metrics, kAssemblyRowHeading);
        for (int c = 0; c < static_cast<int>(layout.columns.size()); ++c) {
            m_pGrid->setColumnHeaderText(c + 1, QString::fromUtf8(layout.columns[c].heading));
            m_pGrid->setColumnWidth(c + 1, HeadingWidth(metrics, layout.columns[c].heading));
            width += m_pGrid->columnWidth(c + 1);
        }
        widest = std::max(widest, width);
    }
    FillSheets(ReadAssemblyRelations(m_db));
    m_pGrid->setCurrentSheet(1);
    m_pGrid->setMinimumSize(widest + 40, 260);

    connect(m_pGrid, &sheet::Spreadsheet::contextMenuRequested, this, [this](int, int, const QPoint& pos) {
        // 类型1 offers cut, copy and paste only.
        if (int id = sheet::ShowGridMenu(this, sheet::kMenuType1, pos, m_pGrid))
            sheet::RunGridCommand(id, *m_pGrid, m_files);
    });

    auto* note = new QLabel(QString::fromUtf8(kAssemblyNote), this);
    note->setWordWrap(true);
    QDialogButtonBox* buttons = ::ui::OkCancelButtons(this, [this] { OnOK(); });
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pGrid, 1);
    layout->addWidget(note);
    layout->addWidget(buttons);
}

void CAssemblyDlg::FillSheets(const AssemblyRelations& relations) {
    for (int s = 0; s < kAssemblySheetCount; ++s) {
        const TextSheet& texts = relations.sheets[s];
        sheet::SheetModel* model = m_pGrid->sheet(s + 1);
        model->beginLoad();
        model->setRowCount(texts.rows());
        for (int row = 0; row < texts.rows(); ++row) {
            model->setRowHeaderText(row + 1, QString::fromStdString(texts.header(row)));
            for (int c = 0; c < texts.columns(); ++c) model->setTextUtf8(row + 1, c + 1, texts.cell(row, c));
        }
        model->endLoad();
    }
}

AssemblyRelations CAssemblyDlg::SheetTexts() const {
    AssemblyRelations relations;
    for (int s = 0; s < kAssemblySheetCount; ++s) {
        TextSheet& texts = relations.sheets[s];
        const sheet::SheetModel* model = m_pGrid->sheet(s + 1);
        texts.resize(model->rowCount());
        for (int row = 0; row < texts.rows(); ++row)
            for (int c = 0; c < texts.columns(); ++c) texts.setCell(row, c, model->textUtf8(row + 1, c + 1));
    }
    return relations;
}

void CAssemblyDlg::OnOK() {
    m_pGrid->commitEdit();
    AssemblyWriteResult result = WriteAssemblyRelations(m_db, SheetTexts());
    if (result.recordsWritten > 0) m_bWrote = true;
    if (result.complete) accept();
}

bool EditAssemblyRelations(dao::Database& db, ::ui::FileChooser& files, QWidget* parent) {
    CAssemblyDlg dialog(db, files, parent);
    dialog.exec();
    return dialog.Wrote();
}

}  // namespace projectdb
