#include "app/ui/start_dialog.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/shell_texts.h"
#include "platform/interaction/interaction.h"

namespace {

const char* const kExplanations[3] = {
    "打开一个已有的桥梁CAD项目数据库文件，继续编辑其中的设计数据。",
    "使用新建项目向导，输入桥梁的总体信息、桥跨布置和图形布置，建立一个新的项目数据库。",
    "由另一个项目数据库导入选定的数据，建立一个新的项目数据库。",
};

}  // namespace

CStartDlg::CStartDlg(const QStringList& recentProjects, ui::FileChooser& files, QWidget* parent)
    : QDialog(parent), m_files(files) {
    setWindowTitle("向导");
    auto* layout = new QHBoxLayout(this);
    auto* left = new QVBoxLayout;
    auto* group = new QGroupBox(this);
    auto* radios = new QVBoxLayout(group);
    m_pOpen = new QRadioButton("打开项目", group);
    m_pNew = new QRadioButton("新建项目", group);
    m_pImport = new QRadioButton("导入项目", group);
    for (auto* r : {m_pOpen, m_pNew, m_pImport}) {
        radios->addWidget(r);
        connect(r, &QRadioButton::toggled, this, [this](bool on) {
            if (on) updateMode();
        });
    }
    left->addWidget(group);
    for (int i = 0; i < 3; ++i) {
        m_pExplanation[i] = new QLabel(kExplanations[i], this);
        m_pExplanation[i]->setWordWrap(true);
        m_pExplanation[i]->setFixedWidth(180);
        left->addWidget(m_pExplanation[i]);
    }
    left->addStretch();
    layout->addLayout(left);

    auto* right = new QVBoxLayout;
    m_pList = new QListWidget(this);
    m_pList->setMinimumSize(360, 220);
    m_pList->addItem(kOtherFile);
    for (const QString& p : recentProjects) {
        auto* item = new QListWidgetItem(p, m_pList);
        item->setToolTip(p);
    }
    m_pList->setCurrentRow(recentProjects.isEmpty() ? 0 : 1);
    connect(m_pList, &QListWidget::itemDoubleClicked, this, &CStartDlg::onDoubleClick);
    right->addWidget(m_pList);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton("确定", QDialogButtonBox::AcceptRole);
    buttons->addButton("取消", QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &CStartDlg::OnOK);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    right->addWidget(buttons);
    layout->addLayout(right, 1);

    m_pOpen->setChecked(true);
    updateMode();
}

void CStartDlg::selectMode(Choice mode) {
    (mode == Choice::New ? m_pNew : mode == Choice::Import ? m_pImport : m_pOpen)->setChecked(true);
}

void CStartDlg::selectRow(int row) { m_pList->setCurrentRow(row); }

void CStartDlg::updateMode() {
    int shown = m_pNew->isChecked() ? 1 : m_pImport->isChecked() ? 2 : 0;
    for (int i = 0; i < 3; ++i) m_pExplanation[i]->setVisible(i == shown);
    m_pList->setEnabled(shown != 1);
}

void CStartDlg::OnOK() {
    if (m_pNew->isChecked()) {
        m_choice = Choice::New;
        accept();
        return;
    }
    bool import = m_pImport->isChecked();
    QListWidgetItem* item = m_pList->currentItem();
    if (!item || !item->isSelected()) return;  // nothing happens without a selection
    QString path;
    if (m_pList->currentRow() == 0) {
        path = QString::fromStdString(m_files.choose(app::StartDialogRequest(import)));
        if (path.isEmpty()) return;  // the start dialog stays open
    } else {
        path = item->text();
    }
    m_choice = import ? Choice::Import : Choice::Open;
    m_path = path;
    accept();
}

void CStartDlg::onDoubleClick(QListWidgetItem*) {
    if (!m_pNew->isChecked()) OnOK();
}
