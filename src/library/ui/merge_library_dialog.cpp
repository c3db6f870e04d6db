#include "library/ui/merge_library_dialog.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "library/library_file.h"
#include "library/library_summary.h"
#include "library/library_merge.h"
#include "library/ui/library_clean_run.h"
#include "platform/interaction/dialog_buttons.h"
#include "platform/interaction/dyna_sizing.h"
#include "platform/interaction/qt_interaction.h"

namespace library {

CMergeLibraryDlg::CMergeLibraryDlg(ui::Prompter& prompter, ui::FileChooser& files, ChooseFiles chooseSources,
                                   QWidget* parent)
    : QDialog(parent), m_prompter(prompter), m_files(files), m_chooseSources(std::move(chooseSources)) {
    setWindowTitle("合并构件库");
    setSizeGripEnabled(true);
    m_pListSources = new QListWidget;
    m_pListSources->setSelectionMode(QAbstractItemView::ExtendedSelection);
    auto* add = new QPushButton("<< 添加");
    m_pButtonRemove = new QPushButton("删除 >>");
    m_pButtonRemove->setEnabled(false);
    m_pEditTarget = new QLineEdit;
    auto* browse = new QPushButton("浏览...");
    QDialogButtonBox* buttons = ui::OkCancelButtons(this, [this] { OnOK(); });

    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel("用于合并的源构件库:"), 0, 0, 1, 2);
    grid->addWidget(m_pListSources, 1, 0, 3, 1);
    grid->addWidget(add, 1, 1);
    grid->addWidget(m_pButtonRemove, 2, 1);
    grid->setRowStretch(3, 1);
    grid->addWidget(new QLabel("合并到(目标构件库):"), 4, 0, 1, 2);
    grid->addWidget(m_pEditTarget, 5, 0);
    grid->addWidget(browse, 5, 1);
    grid->addWidget(buttons, 6, 0, 1, 2);
    grid->setColumnStretch(0, 1);
    resize(520, 360);
    ui::RestorePlacement(*this);

    connect(add, &QPushButton::clicked, this, &CMergeLibraryDlg::OnAdd);
    connect(m_pButtonRemove, &QPushButton::clicked, this, &CMergeLibraryDlg::OnRemove);
    connect(browse, &QPushButton::clicked, this, &CMergeLibraryDlg::OnBrowse);
    connect(m_pListSources, &QListWidget::itemSelectionChanged, this, [this] { m_pButtonRemove->setEnabled(true); });
}

std::vector<std::string> CMergeLibraryDlg::Sources() const {
    std::vector<std::string> sources;
    for (int i = 0; i < m_pListSources->count(); ++i) sources.push_back(m_pListSources->item(i)->text().toStdString());
    return sources;
}

std::string CMergeLibraryDlg::Target() const { return m_pEditTarget->text().toStdString(); }

void CMergeLibraryDlg::OnAdd() {
    ui::FileRequest request = LibraryFileRequest("选择源构件库");
    for (const std::string& path : m_chooseSources(request)) {
        const QString text = QString::fromStdString(path);
        if (!path.empty() && m_pListSources->findItems(text, Qt::MatchExactly | Qt::MatchCaseSensitive).isEmpty())
            m_pListSources->addItem(text);
    }
}

void CMergeLibraryDlg::OnRemove() { qDeleteAll(m_pListSources->selectedItems()); }

void CMergeLibraryDlg::OnBrowse() {
    ui::FileRequest request = LibraryFileRequest("选择目标构件库");
    request.mustExist = false;
    std::string path = m_files.choose(request);
    if (!path.empty()) m_pEditTarget->setText(QString::fromStdString(path));
}

void CMergeLibraryDlg::OnOK() {
    if (m_pListSources->count() == 0) {
        m_prompter.message(kNoSourceMessage);
        return;
    }
    if (Target().empty()) {
        m_prompter.message(kNoTargetMessage);
        return;
    }
    accept();
}

void CMergeLibraryDlg::done(int result) {
    ui::SavePlacement(*this);
    QDialog::done(result);
}

CMergeLibraryDlg::ChooseFiles WindowFileChoice(QWidget* parent) {
    return [parent](const ui::FileRequest& request) {
        QFileDialog dialog(parent, QString::fromStdString(request.title));
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFiles);
        dialog.setOption(QFileDialog::DontUseNativeDialog, true);
        dialog.setDefaultSuffix(QString::fromStdString(request.defaultExtension));
        dialog.setNameFilters(ui::NameFiltersOf(request.filter));
        std::vector<std::string> paths;
        if (dialog.exec() == QDialog::Accepted)
            for (const QString& path : dialog.selectedFiles()) paths.push_back(path.toStdString());
        return paths;
    };
}

void RunMergeLibraryCommand(QWidget* parent, ui::Prompter& prompter, ui::FileChooser& files, std::string* summary) {
    CMergeLibraryDlg dialog(prompter, files, WindowFileChoice(parent), parent);
    const bool confirmed = dialog.exec() == QDialog::Accepted;
    bool merged = false;
    if (confirmed) {
        ui::QtProgress progress(parent);
        ui::Interaction interaction{prompter, progress};
        merged = MergeLibraries(dialog.Sources(), dialog.Target(), interaction);
    }
    const std::optional<long> cleaned = RunCleanAfter(parent, dialog.Target(), prompter);
    if (summary && merged) *summary = MergeSummary(dialog.Target(), dialog.Sources().size(), cleaned.value_or(0));
}

}  // namespace library
