#include "exchange/ui/import_options_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/interaction/dialog_buttons.h"

CImportOptionsDlg::CImportOptionsDlg(exchange::ImportMode mode, std::string sourcePath, QWidget* parent)
    : QDialog(parent), m_state(mode), m_strSourcePath(std::move(sourcePath)) {
    setWindowTitle(exchange::kImportOptionsTitle);
    auto* layout = new QVBoxLayout(this);
    auto* groups = new QHBoxLayout;
    QGroupBox* current = nullptr;
    QVBoxLayout* currentLayout = nullptr;
    for (const auto& info : exchange::ImportBoxes()) {
        auto* check = new QCheckBox(QString::fromUtf8(info.text), this);
        check->setObjectName(QStringLiteral("check%1").arg(info.controlId));
        m_boxes[static_cast<int>(info.box)] = check;
        connect(check, &QCheckBox::clicked, this, [this, b = info.box](bool on) { onClicked(b, on); });
        if (info.box == exchange::ImportBox::All) continue;
        if (!current || current->title() != QString::fromUtf8(info.group)) {
            if (currentLayout) currentLayout->addStretch();
            current = new QGroupBox(QString::fromUtf8(info.group), this);
            currentLayout = new QVBoxLayout(current);
            currentLayout->setSpacing(10);
            groups->addWidget(current);
        }
        check->setParent(current);
        currentLayout->addWidget(check);
    }
    if (currentLayout) currentLayout->addStretch();
    layout->addLayout(groups);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(box(exchange::ImportBox::All));
    bottom->addStretch();
    auto* buttons = ui::OkCancelButtons(this);
    bottom->addWidget(buttons);
    layout->addLayout(bottom);
    showState();
}

void CImportOptionsDlg::onClicked(exchange::ImportBox b, bool checked) {
    m_state.setChecked(b, checked);
    showState();
}

void CImportOptionsDlg::showState() {
    for (const auto& info : exchange::ImportBoxes()) {
        QCheckBox* check = box(info.box);
        check->setEnabled(m_state.enabled(info.box));
        check->setChecked(m_state.checked(info.box));
    }
}
