#include "library/ui/write_library_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QEvent>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "library/library_file.h"
#include "library/library_summary.h"
#include "library/library_writer.h"
#include "library/ui/library_clean_run.h"
#include "platform/interaction/dialog_buttons.h"
#include "platform/interaction/qt_interaction.h"
#include "projectdb/record_access.h"

namespace library {
namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

template <class Row>
std::vector<std::array<std::string, 6>> CellsOf(const std::vector<Row>& rows) {
    std::vector<std::array<std::string, 6>> cells;
    for (const Row& row : rows) cells.push_back(row.Cells());
    return cells;
}

template <class Row>
std::vector<Row> Pick(const std::vector<Row>& rows, const std::vector<int>& indexes) {
    std::vector<Row> picked;
    for (int i : indexes) picked.push_back(rows.at(i));
    return picked;
}

}  // namespace

CWriteLibraryDlg::CWriteLibraryDlg(dao::Database& project, ui::Prompter& prompter, ui::Progress& progress,
                                   ui::FileChooser& files, QWidget* parent)
    : QDialog(parent), m_project(project), m_prompter(prompter), m_progress(progress), m_files(files) {
    setWindowTitle("写入构件库");
    m_pEditTarget = new QLineEdit;
    auto* browse = new QPushButton("浏览...");
    m_pListUpper = MakeList(UpperColumns());
    m_pListLower = MakeList(LowerColumns());
    m_pCheckUpperAll = new QCheckBox("导出全部上部构件");
    m_pCheckLowerAll = new QCheckBox("导出全部下部构件");
    QDialogButtonBox* buttons = ui::OkCancelButtons(this, [this] { OnOK(); });

    auto* target = new QGridLayout;
    target->addWidget(new QLabel("目标构件库文件名(*.BCL):"), 0, 0, 1, 2);
    target->addWidget(m_pEditTarget, 1, 0);
    target->addWidget(browse, 1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(target);
    layout->addWidget(new QLabel("当前项目可导出的上部构件:"));
    layout->addWidget(m_pListUpper, 1);
    layout->addWidget(m_pCheckUpperAll);
    layout->addWidget(new QLabel("当前项目可导出的下部构件:"));
    layout->addWidget(m_pListLower, 1);
    layout->addWidget(m_pCheckLowerAll);
    layout->addWidget(buttons);
    resize(720, 560);

    connect(browse, &QPushButton::clicked, this, &CWriteLibraryDlg::OnBrowse);
    connect(m_pCheckUpperAll, &QCheckBox::clicked, this, [this](bool on) { OnExportAll(m_pListUpper, on); });
    connect(m_pCheckLowerAll, &QCheckBox::clicked, this, [this](bool on) { OnExportAll(m_pListLower, on); });

    try {
        m_candidates = ListCandidates(m_project, m_progress);
    } catch (const dao::DaoException& e) {
        // The lists stay empty; the user has been told why.
        projectdb::ReportDaoError(e, m_prompter);
    }
    Fill(m_pListUpper, CellsOf(m_candidates.upper));
    Fill(m_pListLower, CellsOf(m_candidates.lower));
}

QTreeWidget* CWriteLibraryDlg::MakeList(const std::array<ListColumn, 6>& columns) {
    auto* list = new QTreeWidget;
    list->setRootIsDecorated(false);
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setAllColumnsShowFocus(true);
    list->setUniformRowHeights(true);
    QStringList captions;
    for (const ListColumn& c : columns) captions << c.caption;
    list->setHeaderLabels(captions);
    for (int i = 0; i < static_cast<int>(columns.size()); ++i) list->setColumnWidth(i, columns[i].width);
    list->header()->setStretchLastSection(false);
    list->viewport()->installEventFilter(this);
    return list;
}

void CWriteLibraryDlg::Fill(QTreeWidget* list, const std::vector<std::array<std::string, 6>>& rows) {
    for (const auto& row : rows) {
        QStringList texts;
        for (const std::string& cell : row) texts << Q(cell);
        list->addTopLevelItem(new QTreeWidgetItem(texts));
    }
}

std::string CWriteLibraryDlg::TargetName() const { return m_pEditTarget->text().toStdString(); }

bool CWriteLibraryDlg::eventFilter(QObject* watched, QEvent* event) {
    // A click in a list takes the choice back from its export-all box.
    if (event->type() == QEvent::MouseButtonPress) {
        if (watched == m_pListUpper->viewport()) m_pCheckUpperAll->setChecked(false);
        if (watched == m_pListLower->viewport()) m_pCheckLowerAll->setChecked(false);
    }
    return QDialog::eventFilter(watched, event);
}

void CWriteLibraryDlg::OnExportAll(QTreeWidget* list, bool all) {
    if (all) {
        list->selectAll();
    } else {
        list->clearSelection();
    }
    list->setFocus();
}

void CWriteLibraryDlg::OnBrowse() {
    ui::FileRequest request = LibraryFileRequest();
    request.mustExist = false;
    std::string path = m_files.choose(request);
    if (!path.empty()) m_pEditTarget->setText(Q(path));
}

std::vector<int> CWriteLibraryDlg::SelectedRows(QTreeWidget* list) const {
    std::vector<int> rows;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        if (list->topLevelItem(i)->isSelected()) rows.push_back(i);
    return rows;
}

void CWriteLibraryDlg::OnOK() {
    const std::string target = TargetName();
    if (target.empty()) {
        m_prompter.message(kNoLibraryNameMessage);
        m_pEditTarget->setFocus();
        return;
    }
    const std::vector<int> upper = SelectedRows(m_pListUpper), lower = SelectedRows(m_pListLower);
    if (upper.empty() && lower.empty()) {
        m_prompter.message(kNothingChosenMessage);
        return;
    }
    ui::QtProgress writing(this);
    ui::Interaction interaction{m_prompter, writing};
    const WriteOutcome outcome = WriteToLibrary(m_project, target, Pick(m_candidates.upper, upper),
                                                Pick(m_candidates.lower, lower), interaction);
    // Nothing written: the dialog stays with its choice, so that the user can name another library.
    if (outcome == WriteOutcome::Declined || outcome == WriteOutcome::Unopened) return;
    if (outcome == WriteOutcome::Written) m_writtenItems = upper.size() + lower.size();
    accept();
}

void RunWriteLibraryCommand(QWidget* parent, dao::Database& project, ui::Prompter& prompter, ui::FileChooser& files,
                            std::string* summary) {
    ui::QtProgress listing(parent);
    CWriteLibraryDlg dialog(project, prompter, listing, files, parent);
    dialog.exec();
    const std::optional<long> cleaned = RunCleanAfter(parent, dialog.TargetName(), prompter);
    if (summary && dialog.WrittenItems() > 0)
        *summary = WriteSummary(dialog.TargetName(), dialog.WrittenItems(), cleaned.value_or(0));
}

}  // namespace library
