#include "library/ui/component_data_dialog.h"

#include <QFont>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/spreadsheet/grid_menu.h"
#include "platform/spreadsheet/grid_commands.h"
#include "library/library_entries.h"
#include "platform/spreadsheet/spreadsheet.h"

namespace library {

CComponentDataDlg::CComponentDataDlg(const std::vector<std::string>& captions, const std::vector<std::string>& values,
                                     const std::string& table, ui::FileChooser& files, QWidget* parent)
    : QDialog(parent), m_strTable(table), m_files(files), m_pGrid(new sheet::Spreadsheet(this)) {
    setWindowTitle(QStringLiteral("构件数据"));
    m_pGrid->setFont(QFont(QStringLiteral("宋体"), 9));
    int rows = static_cast<int>(captions.size());
    m_pGrid->setRowCount(rows);
    m_pGrid->setColumnCount(1);
    m_pGrid->setColumnHeaderText(1, QStringLiteral("数值"));
    m_pGrid->setColumnWidth(1, 160);
    for (int row = 1; row <= rows; ++row) {
        m_pGrid->setRowHeaderText(row, QString::fromStdString(captions[row - 1]));
        if (row - 1 < static_cast<int>(values.size()))
            m_pGrid->setText(row, 1, QString::fromStdString(values[row - 1]));
    }
    m_pGrid->setEditStartFilter([this](int row, int) { return !IsEntryNameRow(m_strTable, row - 1); });
    connect(m_pGrid, &sheet::Spreadsheet::contextMenuRequested, this, [this](int, int, const QPoint& pos) {
        if (int id = sheet::ShowGridMenu(this, sheet::kMenuType2, pos, m_pGrid))
            sheet::RunGridCommand(id, *m_pGrid, m_files);
    });

    auto* preview = new QPushButton(QStringLiteral("预览"), this);
    auto* ok = new QPushButton(QStringLiteral("确定"), this);
    auto* cancel = new QPushButton(QStringLiteral("取消"), this);
    ok->setDefault(true);
    connect(preview, &QPushButton::clicked, this, [this] { OnPreview(); });
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(preview);
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pGrid, 1);
    layout->addLayout(buttons);
    resize(360, 520);
}

std::vector<std::string> CComponentDataDlg::Values() const {
    m_pGrid->commitEdit();
    std::vector<std::string> values;
    for (int row = 1; row <= m_pGrid->rowCount(); ++row) values.push_back(m_pGrid->textUtf8(row, 1));
    return values;
}

void CComponentDataDlg::OnPreview() {
    if (m_preview) m_preview(Values());
}

}  // namespace library
