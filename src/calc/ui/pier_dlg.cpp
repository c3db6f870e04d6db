#include "calc/ui/pier_dlg.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include <initializer_list>
#include <limits>

#include "calc/ui/number_text.h"
#include "platform/text/numbers.h"

namespace calc::ui {

namespace {

constexpr const char* kNoData = "没有数据";

QLineEdit* AddField(QGridLayout* grid, int row, const char* label, bool whole, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setMinimumWidth(90);
    if (whole) edit->setValidator(new QRegularExpressionValidator(QRegularExpression("-?[0-9]*"), edit));
    grid->addWidget(new QLabel(label, parent), row, 0);
    grid->addWidget(edit, row, 1);
    return edit;
}

struct FieldRow {
    QLineEdit** edit;
    const char* label;
    bool whole;  // whole numbers only
};

// A titled group of labelled fields, one a row, each edit stored where its row points.
QGroupBox* FieldGroup(QWidget* parent, const char* title, std::initializer_list<FieldRow> rows) {
    auto* group = new QGroupBox(title, parent);
    auto* grid = new QGridLayout(group);
    int row = 0;
    for (const FieldRow& field : rows) *field.edit = AddField(grid, row++, field.label, field.whole, group);
    return group;
}

}  // namespace

CPier CPierDlg::NewPier() {
    CPier pier;
    pier.m_dShearModulus = 666;
    return pier;
}

CPierDlg::CPierDlg(const CPier& pier, const CProject& project, ::ui::Prompter& prompt, QWidget* parent)
    : QDialog(parent), m_project(project), m_prompt(prompt) {
    setWindowTitle("桥墩构造");

    auto* pierGroup = FieldGroup(this, "墩台",
                                 {{&m_editStake, "桥墩桩号", false},
                                  {&m_editColumns, "墩柱个数", true},
                                  {&m_editHeight, "墩柱高度\n  (M)", false},
                                  {&m_editGrade, "混凝土标号", true}});
    auto* bearingGroup = FieldGroup(this, "支座",
                                    {{&m_editBearings, "支座个数", true},
                                     {&m_editBearingHeight, "支座高度\n  (M)", false},
                                     {&m_editShearModulus, "剪切模量\n(KN/M*M)", false},
                                     {&m_editBearingArea, "支座面积\n  (M*M)", false}});

    auto* sectionGroup = new QGroupBox("单个墩柱截面", this);
    auto* sectionGrid = new QGridLayout(sectionGroup);
    m_radioRect = new QRadioButton("矩形截面", sectionGroup);
    sectionGrid->addWidget(m_radioRect, 0, 0, 1, 2);
    m_editW = AddField(sectionGrid, 1, "宽度W(米)", false, sectionGroup);
    m_editH = AddField(sectionGrid, 2, "高度H(米)", false, sectionGroup);
    m_radioCircle = new QRadioButton("圆形截面", sectionGroup);
    sectionGrid->addWidget(m_radioCircle, 3, 0, 1, 2);
    m_editD = AddField(sectionGrid, 4, "直径D(米)", false, sectionGroup);
    sectionGrid->setRowStretch(5, 1);

    auto* groups = new QHBoxLayout;
    groups->addWidget(pierGroup);
    groups->addWidget(bearingGroup);
    groups->addWidget(sectionGroup);

    m_comboReference = new QComboBox(this);
    m_comboReference->setMinimumWidth(100);
    if (project.m_Piers.empty()) {
        m_comboReference->addItem(kNoData);
    } else {
        for (std::size_t i = 0; i < project.m_Piers.size(); ++i) m_comboReference->addItem(QString::number(i));
    }
    m_comboReference->setCurrentIndex(-1);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton("确定", QDialogButtonBox::AcceptRole);
    buttons->addButton("取消", QDialogButtonBox::RejectRole);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(new QLabel("选择参考桥墩编号:", this));
    bottom->addWidget(m_comboReference);
    bottom->addStretch(1);
    bottom->addWidget(buttons);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(groups);
    layout->addLayout(bottom);

    connect(buttons, &QDialogButtonBox::accepted, this, &CPierDlg::OnOK);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_radioRect, &QRadioButton::clicked, this, &CPierDlg::OnRectangle);
    connect(m_radioCircle, &QRadioButton::clicked, this, &CPierDlg::OnCircle);
    connect(m_comboReference, &QComboBox::activated, this, &CPierDlg::OnReferenceChosen);

    ShowPier(pier);
}

void CPierDlg::ShowPier(const CPier& pier) {
    m_editStake->setText(NumberText(pier.m_dStake));
    m_editColumns->setText(NumberText(pier.m_nColumns));
    m_editHeight->setText(NumberText(pier.m_dHeight));
    m_editGrade->setText(NumberText(pier.m_nGrade));
    m_editBearings->setText(NumberText(pier.m_nBearings));
    m_editBearingHeight->setText(NumberText(pier.m_dBearingHeight));
    m_editShearModulus->setText(NumberText(pier.m_dShearModulus));
    m_editBearingArea->setText(NumberText(pier.m_dBearingArea));
    if (auto* circle = dynamic_cast<const CCircle*>(pier.m_pSection.get())) {
        m_nSectionType = CCrossection::kCircle;
        m_editD->setText(NumberText(circle->m_dD));
        if (m_editW->text().isEmpty()) m_editW->setText(NumberText(0.0));
        if (m_editH->text().isEmpty()) m_editH->setText(NumberText(0.0));
    } else {
        auto* rect = dynamic_cast<const CRectang*>(pier.m_pSection.get());
        m_nSectionType = CCrossection::kRectangle;
        m_editW->setText(NumberText(rect ? rect->m_dW : 0.0));
        m_editH->setText(NumberText(rect ? rect->m_dH : 0.0));
        if (m_editD->text().isEmpty()) m_editD->setText(NumberText(0.0));
    }
    ApplySectionType();
}

void CPierDlg::ApplySectionType() {
    bool circle = m_nSectionType == CCrossection::kCircle;
    m_radioCircle->setChecked(circle);
    m_radioRect->setChecked(!circle);
    m_editW->setReadOnly(circle);
    m_editH->setReadOnly(circle);
    m_editD->setReadOnly(!circle);
}

void CPierDlg::OnRectangle() {
    m_nSectionType = CCrossection::kRectangle;
    ApplySectionType();
}

void CPierDlg::OnCircle() {
    m_nSectionType = CCrossection::kCircle;
    ApplySectionType();
}

void CPierDlg::OnReferenceChosen(int index) {
    if (index < 0 || m_comboReference->itemText(index) == kNoData) return;
    if (static_cast<std::size_t>(index) >= m_project.m_Piers.size()) return;
    ShowPier(m_project.m_Piers[index]);
}

CPier CPierDlg::pier() const {
    CPier pier;
    // Text that is no stake never reaches a calculation: OnOK refuses it first.
    pier.m_dStake = ReadStake(m_editStake->text()).value_or(std::numeric_limits<double>::quiet_NaN());
    pier.m_nColumns = ReadWholeNumber(m_editColumns->text());
    pier.m_dHeight = ReadNumber(m_editHeight->text());
    pier.m_nGrade = ReadWholeNumber(m_editGrade->text());
    pier.m_nBearings = ReadWholeNumber(m_editBearings->text());
    pier.m_dBearingHeight = ReadNumber(m_editBearingHeight->text());
    pier.m_dShearModulus = ReadNumber(m_editShearModulus->text());
    pier.m_dBearingArea = ReadNumber(m_editBearingArea->text());
    if (m_nSectionType == CCrossection::kCircle)
        pier.m_pSection = std::make_unique<CCircle>(ReadNumber(m_editD->text()));
    else
        pier.m_pSection = std::make_unique<CRectang>(ReadNumber(m_editW->text()), ReadNumber(m_editH->text()));
    return pier;
}

void CPierDlg::OnOK() {
    if (!ReadStake(m_editStake->text())) {
        m_prompt.message(text::InvalidStakeMessage(m_editStake->text().toStdString()), ::ui::Buttons::Ok,
                         ::ui::Icon::Exclamation);
        m_editStake->setFocus();
        return;
    }
    std::string problem = pier().CalculationProblem();
    if (!problem.empty()) {
        m_prompt.message(problem, ::ui::Buttons::Ok, ::ui::Icon::Exclamation);
        return;
    }
    accept();
}

}  // namespace calc::ui
