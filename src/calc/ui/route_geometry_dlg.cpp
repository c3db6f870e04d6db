#include "calc/ui/route_geometry_dlg.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <QVBoxLayout>

#include "calc/engineering_text.h"
#include "calc/route_check.h"
#include "calc/route_geometry.h"
#include "calc/stake_table.h"
#include "calc/ui/number_text.h"
#include "calc/ui/route_sketch.h"
#include "calc/stake_table_file.h"
#include "platform/text/cformat.h"
#include "platform/text/numbers.h"

namespace calc::ui {

namespace {

const QSize kSketchSize(360, 220);

struct Control {
    const char* name;
    const char* label;
};
constexpr Control kInputs[] = {{"stake", "桩号(m):"}, {"offset", "支距(m):"}};
constexpr Control kOutputs[] = {
    {"x", "X坐标(m):"},          {"y", "Y坐标(m):"},         {"elevation", "桥面高程(m):"}, {"azimuth", "方位角(r):"},
    {"location", "所求点位于:"}, {"radius", "曲率半径(m):"}, {"left", "左半桥横坡(%):"},    {"right", "右半桥横坡(%):"},
};

QString Number(double value) { return NumberText(value); }

// Coordinates, elevations and the radius to the millimetre, cross slopes in per cent, the azimuth in
// radians to a micro-radian (its degrees, minutes and seconds stand beside it).
QString ResultText(const std::string& name, double value) {
    if (name == "left" || name == "right") return QString::fromStdString(PercentText(value));
    if (name == "azimuth") return QString::fromStdString(text::Format("%.6f", value));
    return QString::fromStdString(MetresText(value));
}

std::string ProblemsText(const CGeoAssist& geometry) {
    std::string text = "路线资料无法读取：";
    for (const auto& problem : geometry.problems()) text += "\n" + problem;
    return text;
}

// The range and step of the stake-by-stake table, asked in a small window.
bool AskRange(QWidget* parent, StakeTableRequest& request) {
    QDialog window(parent);
    window.setWindowTitle("逐桩坐标表");
    auto* form = new QFormLayout;
    QLineEdit* edits[4];
    QString* values[] = {&request.from, &request.to, &request.step, &request.offset};
    const char* labels[] = {"起点桩号:", "终点桩号:", "步长(m):", "支距(m):"};
    for (int i = 0; i < 4; ++i) {
        edits[i] = new QLineEdit(*values[i], &window);
        form->addRow(labels[i], edits[i]);
    }
    auto* buttons = new QDialogButtonBox(&window);
    buttons->addButton("确定", QDialogButtonBox::AcceptRole);
    buttons->addButton("取消", QDialogButtonBox::RejectRole);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &window, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &window, &QDialog::reject);
    auto* layout = new QVBoxLayout(&window);
    layout->addLayout(form);
    layout->addWidget(new QLabel("桩号可写作数值或K1+190.5形式。", &window));
    layout->addWidget(buttons);
    if (window.exec() != QDialog::Accepted) return false;
    for (int i = 0; i < 4; ++i) *values[i] = edits[i]->text();
    return true;
}

}  // namespace

CRouteGeometryDlg::CRouteGeometryDlg(dao::Database* project, ::ui::Prompter& prompt, ::ui::FileChooser& files,
                                     QWidget* parent)
    : QDialog(parent), m_project(project), m_prompt(prompt), m_files(files) {
    setWindowTitle("路线几何计算辅助工具");

    auto addRows = [this](QGroupBox* group, const auto& controls, bool readOnly) {
        auto* grid = new QGridLayout(group);
        int row = 0;
        for (const Control& c : controls) {
            auto* edit = new QLineEdit(group);
            edit->setMinimumWidth(c.name == std::string("location") ? 220 : 160);
            edit->setReadOnly(readOnly);
            grid->addWidget(new QLabel(c.label, group), row, 0, Qt::AlignRight);
            grid->addWidget(edit, row++, 1);
            m_fields[c.name] = edit;
        }
        return grid;
    };
    auto* given = new QGroupBox("已知条件", this);
    QGridLayout* givenGrid = addRows(given, kInputs, false);
    givenGrid->addWidget(new QLabel("注：支距指计算点到中心线距离，右正左负。", given), 2, 0, 1, 2);
    auto* results = new QGroupBox("计算结果", this);
    QGridLayout* resultGrid = addRows(results, kOutputs, true);
    m_azimuthDms = new QLabel(results);
    m_azimuthDms->setObjectName("azimuthDms");
    m_azimuthDms->setTextInteractionFlags(Qt::TextSelectableByMouse);
    resultGrid->addWidget(m_azimuthDms, 3, 2);

    m_plan = new QLabel(this);
    m_profile = new QLabel(this);
    m_plan->setFixedSize(kSketchSize);
    m_profile->setFixedSize(kSketchSize);

    m_calculate = new QPushButton("计算", this);
    m_table = new QPushButton("逐桩坐标表...", this);
    auto* close = new QPushButton("关闭", this);
    m_calculate->setDefault(true);
    m_table->setAutoDefault(false);
    close->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_calculate);
    buttons->addWidget(m_table);
    buttons->addWidget(close);

    auto* numbers = new QVBoxLayout;
    numbers->addWidget(given);
    numbers->addWidget(results);
    numbers->addStretch(1);
    auto* sketches = new QVBoxLayout;
    sketches->addWidget(m_plan);
    sketches->addWidget(m_profile);
    auto* top = new QHBoxLayout;
    top->addLayout(numbers);
    top->addLayout(sketches);
    m_findings = new QLabel(this);
    m_findings->setWordWrap(true);
    m_findings->setStyleSheet("color: #b00000");
    m_findings->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_findings->hide();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_findings);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    m_askRange = [this](StakeTableRequest& request) { return AskRange(this, request); };
    connect(m_calculate, &QPushButton::clicked, this, &CRouteGeometryDlg::OnCalculate);
    connect(m_table, &QPushButton::clicked, this, &CRouteGeometryDlg::OnStakeTable);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    // Every number starts at 0, the location empty.
    for (auto& [name, edit] : m_fields)
        if (name != "location") edit->setText(name == "stake" || name == "offset" ? Number(0) : ResultText(name, 0));
    ShowEmptySketches();
}

void CRouteGeometryDlg::ShowEmptySketches() {
    for (QLabel* label : {m_plan, m_profile}) {
        QPixmap blank(kSketchSize);
        blank.fill(Qt::white);
        label->setPixmap(blank);
    }
}

bool CRouteGeometryDlg::ReadInputs(double& stake, double& offset) {
    const QString typed = m_fields["stake"]->text();
    auto read = ReadStake(typed);
    if (!read) {
        m_prompt.message(text::InvalidStakeMessage(typed.toStdString()), ::ui::Buttons::Ok, ::ui::Icon::Exclamation);
        m_fields["stake"]->setFocus();
        return false;
    }
    stake = *read;
    offset = ReadNumber(m_fields["offset"]->text());
    return true;
}

void CRouteGeometryDlg::OnCalculate() {
    double stake = 0, offset = 0;
    if (!ReadInputs(stake, offset)) return;
    const CGeoAssist geometry(m_project);
    if (!geometry.problems().empty()) {
        // Numbers from a table read in part would look right and be wrong: show none.
        for (auto& [name, edit] : m_fields)
            if (name != "stake" && name != "offset") edit->clear();
        m_azimuthDms->clear();
        ShowEmptySketches();
        ShowFindings({});
        m_prompt.message(ProblemsText(geometry), ::ui::Buttons::Ok, ::ui::Icon::Stop);
        return;
    }
    double x = 0, y = 0, elevation = 0, azimuth = 0, centre = 0, side = 0, r = 0;
    geometry.XYZofHighwayAndBridgeAtAstakeWithOffsetQrt(stake, offset, &x, &y, &elevation, &azimuth, &centre, &side,
                                                        &r);
    std::string location;
    double radius = 0, left = 0, right = 0;
    geometry.GetOtherInfo(stake, location, radius, left, right);

    const std::pair<const char*, double> values[] = {
        {"x", x},           {"y", y},       {"elevation", elevation}, {"azimuth", azimuth},
        {"radius", radius}, {"left", left}, {"right", right}};
    for (const auto& [name, value] : values) m_fields[name]->setText(ResultText(name, value));
    m_azimuthDms->setText(QString::fromStdString(DegreesMinutesSeconds(azimuth)));
    m_fields["location"]->setText(QString::fromStdString(location));
    for (auto& [name, edit] : m_fields) edit->setCursorPosition(0);
    m_plan->setPixmap(PlanSketch(geometry, stake, offset, kSketchSize));
    m_profile->setPixmap(ProfileSketch(geometry, stake, offset, kSketchSize));
    ShowFindings(CheckRoute(geometry.data()));
}

void CRouteGeometryDlg::ShowFindings(const std::vector<RouteFinding>& findings) {
    QStringList lines;
    for (const auto& finding : findings) lines << QString::fromStdString(WarningLine(finding));
    m_findings->setText(lines.join("\n"));
    m_findings->setVisible(!findings.empty());
}

void CRouteGeometryDlg::OnStakeTable() {
    double stake = 0, offset = 0;
    if (!ReadInputs(stake, offset)) return;
    StakeTableRequest range{m_fields["stake"]->text(), Number(stake + 100), Number(10), Number(offset)};
    if (!m_askRange(range)) return;
    auto from = ReadStake(range.from), to = ReadStake(range.to);
    for (auto [typed, value] : {std::pair{&range.from, &from}, std::pair{&range.to, &to}})
        if (!*value) {
            m_prompt.message(text::InvalidStakeMessage(typed->toStdString()), ::ui::Buttons::Ok,
                             ::ui::Icon::Exclamation);
            return;
        }
    std::string error;
    const std::vector<double> stakes = TableStakes(*from, *to, ReadNumber(range.step), error);
    if (!error.empty()) {
        m_prompt.message(error, ::ui::Buttons::Ok, ::ui::Icon::Exclamation);
        return;
    }
    ::ui::FileRequest request;
    request.save = true;
    request.title = "保存逐桩坐标表";
    request.defaultExtension = "xlsx";
    request.fileName = "逐桩坐标表.xlsx";
    request.filter = "Excel 工作簿 (*.xlsx)|*.xlsx|制表符分隔的文本 (*.txt)|*.txt||";
    const std::string path = m_files.choose(request);
    if (path.empty()) return;
    const CGeoAssist geometry(m_project);
    if (!geometry.problems().empty()) {
        m_prompt.message(ProblemsText(geometry), ::ui::Buttons::Ok, ::ui::Icon::Stop);
        return;
    }
    if (!WriteStakeTable(path, StakeTableFormatFor(path), geometry, stakes, ReadNumber(range.offset), error)) {
        m_prompt.message(error, ::ui::Buttons::Ok, ::ui::Icon::Stop);
        return;
    }
    m_prompt.message(text::Format("逐桩坐标表已写入 %s（%zu个桩号）。", path.c_str(), stakes.size()), ::ui::Buttons::Ok,
                     ::ui::Icon::Information);
}

}  // namespace calc::ui
