#include "calc/ui/pier_force_dlg.h"

#include <QComboBox>
#include <QFont>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <iterator>

#include "calc/phm_file.h"
#include "platform/interaction/dyna_sizing.h"
#include "calc/ui/number_text.h"
#include "calc/ui/pier_dlg.h"

namespace calc::ui {

namespace {
constexpr const char* kUntitled = "桥墩水平力计算 - unnamed";
constexpr const char* kTitlePrefix = "桥墩水平力计算 - ";

// The title line over the dialog, a size larger than the text and bold.
QLabel* MakeHeading(QWidget* parent) {
    auto* heading = new QLabel("连续梁、连续刚构及简支桥面连续桥梁墩台柱底温度与制动力计算", parent);
    QFont headingFont = heading->font();
    headingFont.setPointSizeF(headingFont.pointSizeF() * 1.25);
    headingFont.setBold(true);
    heading->setFont(headingFont);
    heading->setAlignment(Qt::AlignCenter);
    return heading;
}

// The list of piers: one row a pier, whole rows selected, the columns at their set widths.
QTreeWidget* MakePierList(QWidget* parent) {
    auto* list = new QTreeWidget(parent);
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setAllColumnsShowFocus(true);
    list->setColumnCount(kPierListColumns);
    QStringList headings;
    for (const char* h : kPierListHeadings) headings << h;
    list->setHeaderLabels(headings);
    for (int c = 0; c < kPierListColumns; ++c) list->setColumnWidth(c, kPierListWidths[c]);
    list->header()->setStretchLastSection(false);
    return list;
}

}  // namespace

CPierForceDlg::CPierForceDlg(CProject& project, ::ui::Prompter& prompt, ::ui::FileChooser& files, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMaximizeButtonHint |
                          Qt::WindowCloseButtonHint),
      m_runEditor([](CPierDlg& editor) { return editor.exec(); }),
      m_project(project),
      m_prompt(prompt),
      m_files(files) {
    setWindowTitle(kUntitled);
    setSizeGripEnabled(true);

    auto* heading = MakeHeading(this);

    auto* basics = new QGroupBox("基本信息", this);
    auto* grid = new QHBoxLayout(basics);
    m_comboGrade = new QComboBox(basics);
    for (const char* name : kVehicleGradeNames) m_comboGrade->addItem(name);
    m_editLanes = new QLineEdit(basics);
    m_editDeltaT = new QLineEdit(basics);
    m_editAlpha = new QLineEdit(basics);
    const std::pair<const char*, QWidget*> fields[] = {
        {"汽车荷载等级", m_comboGrade}, {"行车道数", m_editLanes}, {"温度变化(度)", m_editDeltaT}, {"温胀系数", m_editAlpha}};
    for (auto [label, field] : fields) {
        grid->addWidget(new QLabel(label, basics));
        field->setMinimumWidth(80);
        grid->addWidget(field, 1);
        grid->addSpacing(12);
    }

    m_listPiers = MakePierList(this);

    m_btnAdd = new QPushButton("添加桥墩", this);
    m_btnDelete = new QPushButton("删除桥墩", this);
    m_btnChange = new QPushButton("修改桥墩", this);
    m_btnOpen = new QPushButton("打开文件", this);
    m_btnSave = new QPushButton("保存文件", this);
    m_btnClose = new QPushButton("关闭", this);
    m_btnFromProject = new QPushButton("从项目读取桥墩", this);
    m_btnFromProject->setToolTip("按项目的桥跨和下部构造填写桥墩桩号、墩柱个数、墩柱高度和截面");
    m_btnFromProject->setVisible(false);
    for (auto* b : {m_btnAdd, m_btnDelete, m_btnChange, m_btnOpen, m_btnSave, m_btnClose, m_btnFromProject})
        b->setAutoDefault(false);
    auto* buttons = new QVBoxLayout;
    for (auto* b : {m_btnAdd, m_btnDelete, m_btnChange, m_btnFromProject}) buttons->addWidget(b);
    buttons->addSpacing(16);
    buttons->addWidget(m_btnOpen);
    buttons->addWidget(m_btnSave);
    buttons->addStretch(1);
    buttons->addWidget(m_btnClose);

    auto* middle = new QHBoxLayout;
    middle->addWidget(m_listPiers, 1);
    middle->addLayout(buttons);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(basics);
    layout->addLayout(middle, 1);

    int listWidth = 0;
    for (int w : kPierListWidths) listWidth += w;
    resize(listWidth + 160, 460);
    ::ui::RestorePlacement(*this);

    connect(m_btnAdd, &QPushButton::clicked, this, &CPierForceDlg::OnAddPier);
    connect(m_btnDelete, &QPushButton::clicked, this, &CPierForceDlg::OnDeletePier);
    connect(m_btnChange, &QPushButton::clicked, this, &CPierForceDlg::OnChangePier);
    connect(m_btnOpen, &QPushButton::clicked, this, &CPierForceDlg::OnOpenFile);
    connect(m_btnSave, &QPushButton::clicked, this, &CPierForceDlg::OnSaveFile);
    connect(m_btnClose, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_btnFromProject, &QPushButton::clicked, this, &CPierForceDlg::OnTakeFromProject);
    connect(m_listPiers, &QTreeWidget::itemDoubleClicked, this, [this] { OnChangePier(); });
    connect(m_comboGrade, &QComboBox::activated, this, &CPierForceDlg::OnGradeChosen);
    for (auto* edit : {m_editLanes, m_editDeltaT, m_editAlpha})
        connect(edit, &QLineEdit::textEdited, this, &CPierForceDlg::OnParameterEdited);

    m_project.ResetParameters();
    ShowParameters();
    // Piers kept from an earlier opening of the window are listed at once.
    Recalculate();
}

void CPierForceDlg::ShowParameters() {
    auto grade = std::find(std::begin(kVehicleGrades), std::end(kVehicleGrades), m_project.m_nGrade);
    m_comboGrade->setCurrentIndex(grade == std::end(kVehicleGrades) ? -1 : static_cast<int>(grade - std::begin(kVehicleGrades)));
    m_editLanes->setText(NumberText(m_project.m_nLanes));
    m_editDeltaT->setText(NumberText(m_project.m_dDeltaT));
    m_editAlpha->setText(NumberText(m_project.m_dAlpha));
}

void CPierForceDlg::OnGradeChosen(int index) {
    if (index < 0 || index >= static_cast<int>(std::size(kVehicleGrades))) return;
    m_project.m_nGrade = kVehicleGrades[index];
    Recalculate();
}

void CPierForceDlg::OnParameterEdited() {
    m_project.m_nLanes = ReadWholeNumber(m_editLanes->text());
    m_project.m_dDeltaT = ReadNumber(m_editDeltaT->text());
    m_project.m_dAlpha = ReadNumber(m_editAlpha->text());
    Recalculate();
}

void CPierForceDlg::Recalculate() {
    // A pier that cannot be calculated only comes from a file; opening the file says so.
    m_project.Recalculate();
    FillList();
}

void CPierForceDlg::FillList() {
    m_listPiers->clear();
    QList<QTreeWidgetItem*> items;
    for (std::size_t i = 0; i < m_project.m_Piers.size(); ++i) {
        QStringList cells;
        for (const auto& cell : PierListRow(m_project, i)) cells << QString::fromStdString(cell);
        auto* item = new QTreeWidgetItem(cells);
        for (int c = 1; c < kPierListColumns; ++c) item->setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
        items << item;
    }
    m_listPiers->addTopLevelItems(items);
}

std::vector<int> CPierForceDlg::SelectedPiers() const {
    std::vector<int> rows;
    for (auto* item : m_listPiers->selectedItems()) rows.push_back(m_listPiers->indexOfTopLevelItem(item));
    std::sort(rows.begin(), rows.end());
    return rows;
}

void CPierForceDlg::OnAddPier() {
    CPierDlg editor(CPierDlg::NewPier(), m_project, m_prompt, this);
    if (m_runEditor(editor) != QDialog::Accepted) return;
    m_project.m_Piers.push_back(editor.pier());
    Recalculate();
}

void CPierForceDlg::OnChangePier() {
    auto rows = SelectedPiers();
    if (rows.empty()) return;
    if (rows.size() > 1) {
        m_prompt.message("一次只能修改一个目标!");
        return;
    }
    CPierDlg editor(m_project.m_Piers[rows[0]], m_project, m_prompt, this);
    if (m_runEditor(editor) != QDialog::Accepted) return;
    m_project.m_Piers[rows[0]] = editor.pier();
    Recalculate();
}

void CPierForceDlg::OnDeletePier() {
    auto rows = SelectedPiers();
    if (rows.empty()) {
        m_prompt.message("没有选择删除目标!");
        return;
    }
    if (rows.size() > 1) {
        m_prompt.message("一次只能删除一个目标!");
        return;
    }
    m_project.m_Piers.erase(m_project.m_Piers.begin() + rows[0]);
    Recalculate();
}

::ui::FileRequest CPierForceDlg::FileRequestFor(bool save) const {
    ::ui::FileRequest request;
    request.save = save;
    request.title = "保存桥墩水平力计算文件";
    request.defaultExtension = "phm";
    request.filter = "桥墩水平力计算文件 (*.phm)|*.phm||";
    request.fileName = m_strPath;
    request.overwritePrompt = save;
    request.mustExist = false;
    return request;
}

bool CPierForceDlg::UseChosenFile(bool save) {
    std::string path = m_files.choose(FileRequestFor(save));
    if (path.empty()) return false;
    if (!(save ? SavePhm(path, m_project, m_prompt) : OpenPhm(path, m_project, m_prompt))) return false;
    m_strPath = path;
    setWindowTitle(QString(kTitlePrefix) + QString::fromStdString(path));
    return true;
}

void CPierForceDlg::OnSaveFile() { UseChosenFile(true); }

void CPierForceDlg::OnOpenFile() {
    if (!UseChosenFile(false)) return;
    ShowParameters();
    Recalculate();
}

void CPierForceDlg::SetPierSource(PierSource source) {
    m_pierSource = std::move(source);
    m_btnFromProject->setVisible(static_cast<bool>(m_pierSource));
}

void CPierForceDlg::OnTakeFromProject() {
    if (!m_pierSource) return;
    // The piers typed or opened so far are replaced in what the project knows: the user says so first.
    if (!m_project.m_Piers.empty() &&
        m_prompt.message("用项目中桥墩的桩号、墩柱个数、墩柱高度和截面替换计算中的桥墩？\n"
                         "混凝土标号和支座保持不变。",
                         ::ui::Buttons::YesNo, ::ui::Icon::Question) != ::ui::Answer::Yes)
        return;
    const std::string note = m_pierSource(m_project, CPierDlg::NewPier());
    Recalculate();
    if (!note.empty()) m_prompt.message(note, ::ui::Buttons::Ok, ::ui::Icon::Information);
}

void CPierForceDlg::done(int result) {
    ::ui::SavePlacement(*this);
    QDialog::done(result);
}

}  // namespace calc::ui
