#include "calc/ui/culvert_dlg.h"

#include "calc/engineering_text.h"
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QSvgRenderer>
#include <QVBoxLayout>

#include "calc/ui/number_text.h"

namespace calc::ui {

namespace {

constexpr int kPictureWidth = 636;
constexpr int kPictureHeight = 245;

// Where each value sits: group, row, column (a column is a label and its field).
struct Place {
    const char* name;
    int row, column;
};
constexpr Place kGivenPlaces[] = {
    {"B1", 0, 0}, {"B2", 0, 1}, {"H1", 0, 2}, {"H2", 0, 3}, {"S", 0, 4}, {"L", 0, 5},
    {"m1", 1, 0}, {"n1", 1, 1}, {"i", 1, 2},
    {"H3", 2, 0}, {"H4", 2, 1}, {"B3", 2, 2}, {"B4", 2, 3}, {"m2", 2, 4}, {"n2", 2, 5},
};
constexpr Place kResultPlaces[] = {
    {"L1", 0, 0}, {"L2", 0, 1}, {"L3", 0, 2}, {"L4", 0, 3}, {"L5", 0, 4}, {"L6", 0, 5},
    {"S1", 1, 0}, {"S2", 1, 1}, {"HL", 1, 2}, {"HR", 1, 3}, {"Hs", 1, 4},
};

bool IsSecondStage(const std::string& name) {
    for (const auto& f : kCulvertFields)
        if (name == f.name) return f.group == CulvertField::SecondStage;
    return false;
}

}  // namespace

QPixmap CulvertPicture(bool twoStage) {
    QPixmap pixmap(kPictureWidth, kPictureHeight);
    pixmap.fill(Qt::white);
    QSvgRenderer renderer(QString(twoStage ? ":/pictures/culvert_two_stage.svg" : ":/pictures/culvert_one_stage.svg"));
    QPainter painter(&pixmap);
    renderer.render(&painter, QRectF(0, 0, kPictureWidth, kPictureHeight));
    return pixmap;
}

CCulvertDlg::CCulvertDlg(::ui::Prompter& prompt, QWidget* parent) : QDialog(parent), m_prompt(prompt) {
    setWindowTitle("盖板、圆管涵洞立面实用计算工具");

    m_picture = new QLabel(this);
    m_picture->setFixedSize(kPictureWidth, kPictureHeight);
    m_picture->setFrameShape(QFrame::Box);

    auto addFields = [this](QGroupBox* group, const auto& places) {
        auto* grid = new QGridLayout(group);
        grid->setHorizontalSpacing(4);
        for (const Place& place : places) {
            auto* edit = new QLineEdit(group);
            edit->setFixedWidth(100);
            auto* label = new QLabel(QString(place.name) + "=", group);
            label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            grid->addWidget(label, place.row, place.column * 3);
            grid->addWidget(edit, place.row, place.column * 3 + 1);
            if (std::string(place.name) == "i") grid->addWidget(new QLabel("%", group), place.row, place.column * 3 + 2);
            grid->setColumnMinimumWidth(place.column * 3 + 2, 14);
            m_fields[place.name] = edit;
        }
        return grid;
    };
    auto* given = new QGroupBox("已知:", this);
    QGridLayout* givenGrid = addFields(given, kGivenPlaces);
    m_checkTwoStage = new QCheckBox("二级边坡", given);
    givenGrid->addWidget(m_checkTwoStage, 1, 10, 1, 5);
    auto* results = new QGroupBox("求得:", this);
    addFields(results, kResultPlaces);
    for (const Place& place : kResultPlaces) m_fields[place.name]->setReadOnly(true);

    auto* calculate = new QPushButton("计算", this);
    auto* close = new QPushButton("关闭", this);
    calculate->setDefault(true);
    close->setAutoDefault(false);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(new QLabel("上述尺寸单位均为：米", this));
    bottom->addStretch(1);
    bottom->addWidget(calculate);
    bottom->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_picture, 0, Qt::AlignHCenter);
    layout->addWidget(given);
    layout->addWidget(results);
    layout->addLayout(bottom);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(calculate, &QPushButton::clicked, this, &CCulvertDlg::OnCalculate);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_checkTwoStage, &QCheckBox::toggled, this, &CCulvertDlg::OnTwoStage);

    ShowValues(CulvertValues{});
    OnTwoStage();
}

bool CCulvertDlg::twoStage() const { return m_checkTwoStage->isChecked(); }

CulvertValues CCulvertDlg::values() const {
    CulvertValues v;
    for (const auto& f : kCulvertFields) v.*f.value = ReadNumber(m_fields.at(f.name)->text());
    return v;
}

void CCulvertDlg::ShowValues(const CulvertValues& v) {
    for (const auto& f : kCulvertFields) {
        QLineEdit* edit = m_fields.at(f.name);
        // Results are lengths and elevations: to the millimetre. Given values stay as typed.
        const double value = v.*f.value;
        edit->setText(QString::fromStdString(f.group == CulvertField::Result ? MetresText(value)
                                                                             : CulvertNumberText(value)));
        edit->setCursorPosition(0);
    }
}

void CCulvertDlg::OnTwoStage() {
    bool on = twoStage();
    for (auto& [name, edit] : m_fields)
        if (IsSecondStage(name)) edit->setEnabled(on);
    if (!on) {
        // The single slope continues below the berm's place at once; the berm itself goes when calculating.
        m_fields["m2"]->setText(m_fields["m1"]->text());
        m_fields["n2"]->setText(m_fields["n1"]->text());
    }
    m_picture->setPixmap(CulvertPicture(on));
}

void CCulvertDlg::OnCalculate() {
    CulvertValues v = values();
    std::string error = CalculateCulvert(v, twoStage());
    if (!error.empty()) {
        m_prompt.message(error, ::ui::Buttons::Ok, ::ui::Icon::Exclamation);
        return;
    }
    ShowValues(v);
}

}  // namespace calc::ui
