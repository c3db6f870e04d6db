// The main window's own handlers of the project, window and help commands: the ones that keep state in the
// window or ask in windows before the session does the work.
#include <QLabel>
#include <QMdiArea>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

#include "app/project_session.h"
#include "app/shell_texts.h"
#include "app/ui/child_frames.h"
#include "app/ui/help_window.h"
#include "app/ui/main_frame.h"
#include "app/ui/project_window_set.h"
#include "app/ui/shell_host.h"
#include "app/ui/start_dialog.h"
#include "browse/ui/bri_form_view.h"
#include "exchange/import_options.h"
#include "exchange/ui/project_import_command.h"
#include "exchange/ui/route_import_command.h"
#include "platform/interaction/interaction.h"
#include "platform/interaction/qt_printing.h"
#include "platform/spreadsheet/sheet_model.h"
#include "platform/spreadsheet/sheet_print.h"
#include "platform/spreadsheet/spreadsheet.h"

namespace {

// The route check after a route import, in the status line rather than a box: the engineer may well import a
// route he knows to be rough. The count stays in a permanent field (menu tips wipe the message), every
// warning in its tooltip; an import of a sound route clears it.
void ShowRouteWarnings(QStatusBar* bar, const std::vector<std::string>& warnings) {
    auto* field = bar->findChild<QLabel*>("routeWarnings");
    if (!field) {
        field = new QLabel(bar);
        field->setObjectName("routeWarnings");
        field->setStyleSheet("color: #b00000");
        bar->addPermanentWidget(field);
    }
    QStringList lines;
    for (const auto& line : warnings) lines << QString::fromStdString(line);
    field->setText(warnings.empty() ? QString() : QString("路线资料警告%1条").arg(warnings.size()));
    field->setToolTip(lines.join("\n"));
    field->setVisible(!warnings.empty());
}

}  // namespace

bool CMainFrame::OnFileOpen() {
    std::string path = m_shell.FileChooser().choose(app::OpenProjectRequest());
    if (!path.empty()) m_shell.Session().Open(path, app::OpenRoute::CloseFirst);
    return false;
}

bool CMainFrame::OnFileSaveAs() {
    std::string path = m_shell.FileChooser().choose(app::SaveProjectAsRequest());
    if (!path.empty()) m_shell.Session().SaveAs(path);
    return false;
}

bool CMainFrame::OnImport() {
    dao::Database* db = m_shell.Session().Database();
    if (!db) return false;
    auto result = exchange::RunImportCommand(this, *db, m_shell.FileChooser(), m_shell.Prompter());
    if (result.outcome == exchange::ImportCommandOutcome::ProjectChosen) {
        std::string summary;
        const bool imported = exchange::RunReferenceProjectImport(this, *db, result.path, m_shell.Prompter(), &summary);
        ShowSummary(summary);
        return imported;
    }
    if (result.outcome != exchange::ImportCommandOutcome::RouteImported) return false;
    ShowRouteWarnings(statusBar(), result.warnings);
    ShowSummary(result.summary);
    return true;
}

bool CMainFrame::OnImportProject() {
    std::string path = m_shell.FileChooser().choose(exchange::ImportProjectFileRequest());
    if (!path.empty()) ImportNewProject(path);
    return false;
}

void CMainFrame::ImportNewProject(const std::string& sourcePath) {
    app::ProjectSession& session = m_shell.Session();
    exchange::NewProjectSteps steps;
    if (session.IsOpen()) steps.closeProject = [&session] { return session.Close(); };
    steps.openProject = [&session](const std::string& path) { return session.Open(path, app::OpenRoute::CloseFirst); };
    exchange::RunNewProjectImport(this, sourcePath, m_shell.FileChooser(), m_shell.Prompter(), steps);
}

void CMainFrame::ShowStartDialog() {
    CStartDlg dialog(m_shell.RecentProjects(), m_shell.FileChooser(), this);
    if (dialog.exec() != QDialog::Accepted) return;
    switch (dialog.choice()) {
        case CStartDlg::Choice::Open:
            m_shell.Session().Open(dialog.path().toStdString(), app::OpenRoute::OpenFirst);
            break;
        case CStartDlg::Choice::New: OnCommand("new"); break;
        case CStartDlg::Choice::Import: ImportNewProject(dialog.path().toStdString()); break;
        case CStartDlg::Choice::None: break;
    }
}

void CMainFrame::OnShrink() {
    if (m_bShrunk) return;
    m_rememberedRect = geometry();
    if (m_pToolBar->isFloating()) addToolBar(Qt::TopToolBarArea, m_pToolBar);
    int height = m_pToolBar->height() + menuBar()->height() + (statusBar()->isVisible() ? statusBar()->height() : 0);
    QRect old = *m_rememberedRect;
    setWindowFlag(Qt::WindowMaximizeButtonHint, false);
    setWindowFlag(Qt::WindowStaysOnTopHint, true);
    showNormal();
    setGeometry(old.left(), old.top(), old.width(), height);
    m_bShrunk = true;
    action("shrink")->setEnabled(false);
}

void CMainFrame::OnRestore() {
    if (m_pToolBar->isFloating()) addToolBar(Qt::TopToolBarArea, m_pToolBar);
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);
    setWindowFlag(Qt::WindowStaysOnTopHint, false);
    show();
    if (m_rememberedRect) setGeometry(*m_rememberedRect);
    m_bShrunk = false;
    action("shrink")->setEnabled(true);
}

void CMainFrame::ShowSummary(const std::string& summary) {
    if (!summary.empty()) statusBar()->showMessage(QString::fromStdString(summary));
}

CHelpWindow* CMainFrame::helpWindow() const { return m_pHelpWindow; }

void CMainFrame::ShowHelpPage(const std::string& page) {
    OnHelp();
    if (m_pHelpWindow) m_pHelpWindow->ShowPage("qrc:/help/" + QString::fromStdString(page));
}

void CMainFrame::OnHelp() {
    if (!CHelpWindow::ManualPresent()) {
        m_shell.Prompter().message("运行联机帮助文件失败！请检查是否正确安装帮助文件。");
        return;
    }
    if (!m_pHelpWindow) m_pHelpWindow = new CHelpWindow(this);
    m_pHelpWindow->show();
    m_pHelpWindow->raise();
    m_pHelpWindow->activateWindow();
}

void CMainFrame::PrintActiveGrid() {
    auto* frame = qobject_cast<CChildFrame*>(m_pMdiArea->currentSubWindow());
    if (!frame && m_pWindows->GridFrames().size() == 1) frame = m_pWindows->GridFrames().front();
    if (!frame) {
        m_shell.Prompter().message("请先选择要打印的表格窗口。", ui::Buttons::Ok, ui::Icon::Information);
        return;
    }
    sheet::Spreadsheet& grid = frame->view()->Grid();
    grid.commitEdit();  // the cell being typed prints as typed
    const QString title = QString::fromStdString(frame->tableName());
    int pages = 0;
    const bool printed = ui::RunPrint(ui::PrintServices{&m_shell.Printer(), &m_shell.PrintChooser()}, title, this,
                                      m_shell.Prompter(), [&](QPainter& painter, QPagedPaintDevice& device) {
                                          pages = sheet::PaintTable(*grid.model(), title, painter, device);
                                      });
    if (printed) statusBar()->showMessage(QString("已打印“%1”，共%2页。").arg(title).arg(pages));
}
