// The handlers the main window attaches to the command table. Each asks what it must ask in windows and
// leaves the project to the session; a handler returns true when it wrote to the project.
#include <QAction>
#include <QLabel>
#include <QMdiArea>
#include <QStatusBar>
#include <QMenuBar>
#include <QToolBar>
#include <QWhatsThis>

#include "app/command_ids.h"
#include "app/design_calls.h"
#include "app/design_summary.h"
#include "app/drawing_host.h"
#include "app/pier_source.h"
#include "app/project_session.h"
#include "app/shell_texts.h"
#include "app/ui/about_dialog.h"
#include "app/ui/bridge_check_window.h"
#include "app/ui/child_frames.h"
#include "app/ui/help_window.h"
#include "app/ui/main_frame.h"
#include "app/ui/project_window_set.h"
#include "browse/ui/bri_form_view.h"
#include "platform/spreadsheet/sheet_model.h"
#include "platform/spreadsheet/sheet_print.h"
#include "platform/spreadsheet/spreadsheet.h"
#include "platform/interaction/qt_printing.h"
#include "app/ui/qt_program_starter.h"
#include "app/ui/record_editor_dialog.h"
#include "app/ui/shell_host.h"
#include "app/ui/start_dialog.h"
#include "calc/ui/calc_windows.h"
#include "drawing/acad_session.h"
#include "drawing/ui/drawing_combos.h"
#include "drawing/ui/drawing_layout_dialog.h"
#include "drawing/ui/drawing_state_dialog.h"
#include "drawing/ui/drawing_target_command.h"
#include "exchange/import_options.h"
#include "exchange/interface_writer.h"
#include "exchange/ui/open_exchange_commands.h"
#include "exchange/ui/project_import_command.h"
#include "exchange/ui/route_import_command.h"
#include "library/ui/library_clean_run.h"
#include "library/ui/library_manager_dialog.h"
#include "library/ui/library_view_dialog.h"
#include "library/ui/merge_library_dialog.h"
#include "library/ui/write_library_dialog.h"
#include "platform/interaction/interaction.h"
#include "projectdb/ui/assembly_dialog.h"
#include "projectdb/ui/general_info_dialog.h"
#include "projectdb/ui/member_type_dialog.h"
#include "projectdb/ui/span_info_dialog.h"
#include "projectdb/ui/wizard_sheet.h"

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

// Record counts for a design command's summary; a project with a table that cannot be read gets none, and
// the design runs all the same.
std::optional<app::TableCounts> CountRecords(dao::Database& db) {
    try {
        return app::RecordCounts(db);
    } catch (const dao::DaoException&) {
        return std::nullopt;
    }
}

// The pier force calculator offers the open project's piers; without a project it has nothing to offer.
calc::ui::PierSource PierSourceOf(dao::Database* db) {
    if (!db) return {};
    return [db](calc::CProject& project, const calc::CPier& newPier) {
        return app::TakePiersFromProject(*db, project, newPier);
    };
}

}  // namespace

void CMainFrame::BindCommands() {
    auto bind = [this](int id, std::function<void()> action) {
        m_commands.SetHandler(id, [action = std::move(action)] {
            action();
            return false;
        });
    };
    app::ProjectSession& session = m_shell.Session();
    m_commands.SetHandler(cmd::kOpen, [this] { return OnFileOpen(); });
    m_commands.SetHandler(cmd::kSaveAs, [this] { return OnFileSaveAs(); });
    m_commands.SetHandler(cmd::kImport, [this] { return OnImport(); });
    m_commands.SetHandler(cmd::kImportProject, [this] { return OnImportProject(); });
    // The wizard and the central-table dialogs, with the member-type selection dialogs behind their double-clicks.
    auto pageServices = [this] {
        return projectdb::PageServices{m_shell.Prompter(), m_shell.FileChooser(), &projectdb::ChooseMemberType};
    };
    bind(cmd::kNew, [this, pageServices, &session] {
        m_shell.SetNewProject(true);
        projectdb::FinishSteps steps;
        steps.closeCurrentProject = [&session] { return session.Close(); };
        steps.openProject = [this, &session](const std::string& path) {
            const bool opened = session.Open(path, app::OpenRoute::CloseFirst);
            m_shell.SetNewProject(false);
            return opened;
        };
        // Finish tells a running drawing host once more, after the open has told it already.
        steps.notifyDrawingHost = [this] {
            if (AcadWindow() != 0) m_shell.Acad().SendAcadCommand("LoadDBAuto ");
        };
        projectdb::CMyPropertySheet1 wizard(pageServices(), std::move(steps), this);
        wizard.exec();
    });
    m_commands.SetHandler(cmd::kGeneralInfo, [this, pageServices, &session] {
        dao::Database* db = session.Database();
        return db && projectdb::RunGeneralInfoDialog(*db, pageServices(), this);
    });
    m_commands.SetHandler(cmd::kSpanInfo, [this, pageServices, &session] {
        dao::Database* db = session.Database();
        return db && projectdb::RunSpanInfoDialog(*db, pageServices(), this);
    });
    m_commands.SetHandler(cmd::kDrawingInfo, [this, pageServices, &session] {
        dao::Database* db = session.Database();
        return db && drawing::RunDrawingLayoutDialog(*db, pageServices(), this);
    });
    bind(cmd::kDrawingTarget, [this, &session] {
        dao::Database* db = session.Database();
        if (!db) return;
        auto steps = drawing::DialogTargetSteps(m_shell.Prompter(), this);
        if (auto result = drawing::RunDrawingTargetCommand(*db, m_shell.Prompter(), steps))
            m_pDrawingCombos->Show(*result);
    });
    bind(cmd::kDrawingPreview, [this, &session] {
        if (session.Database())
            drawing::RunDrawingPreview(*session.Database(), m_shell.Prompter(), this,
                                       ui::PrintServices{&m_shell.Printer(), &m_shell.PrintChooser()});
    });
    bind(cmd::kView3d, [this] { m_pWindows->OpenView3d(); });
    // The long operations end with their one-line summary in the status bar, the line the command line prints;
    // `run` fills it (nothing when the operation did not finish).
    auto bindSummarised = [this, bind](int id, std::function<void(std::string* summary)> run) {
        bind(id, [this, run = std::move(run)] {
            std::string summary;
            run(&summary);
            ShowSummary(summary);
        });
    };
    for (auto [id, file] : {std::pair{cmd::kExportArvo3D, exchange::InterfaceFile::Arvo3d},
                            std::pair{cmd::kExportKelsa, exchange::InterfaceFile::Kelsa}})
        bindSummarised(id, [this, &session, file = file](std::string* summary) {
            if (session.Database())
                exchange::RunInterfaceExport(file, *session.Database(), m_shell.FileChooser(), m_shell.Prompter(),
                                             summary);
        });
    m_commands.SetHandler(cmd::kImportLandXml, [this, &session] {
        dao::Database* db = session.Database();
        std::string summary;
        const bool imported =
            db && exchange::RunLandXmlImportCommand(this, *db, m_shell.FileChooser(), m_shell.Prompter(), &summary);
        ShowSummary(summary);
        return imported;
    });
    bindSummarised(cmd::kExportLandXml, [this, &session](std::string* summary) {
        if (session.Database())
            exchange::RunLandXmlExportCommand(*session.Database(), m_shell.FileChooser(), m_shell.Prompter(), summary);
    });
    bindSummarised(cmd::kExportIfc, [this, &session](std::string* summary) {
        if (session.Database())
            exchange::RunIfcExportCommand(this, *session.Database(), m_shell.FileChooser(), m_shell.Prompter(), summary);
    });
    bindSummarised(cmd::kLibraryWrite, [this, &session](std::string* summary) {
        if (session.Database())
            library::RunWriteLibraryCommand(this, *session.Database(), m_shell.Prompter(), m_shell.FileChooser(),
                                            summary);
    });
    bindSummarised(cmd::kLibraryMerge, [this](std::string* summary) {
        library::RunMergeLibraryCommand(this, m_shell.Prompter(), m_shell.FileChooser(), summary);
    });
    bindSummarised(cmd::kLibraryClean, [this](std::string* summary) {
        library::RunCleanLibraryCommand(this, m_shell.Prompter(), m_shell.FileChooser(), summary);
    });
    bind(cmd::kRunArvo3D, [this, &session] {
        CQtProgramStarter starter;
        app::SiblingServices services{m_shell.Prompter(), starter, m_shell.Modules(), app::TemporaryFolder()};
        if (session.Database()) app::RunModellingProgram(*session.Database(), services);
    });
    bind(cmd::kRunKelsa, [this] {
        CQtProgramStarter starter;
        app::SiblingServices services{m_shell.Prompter(), starter, m_shell.Modules(), app::TemporaryFolder()};
        app::RunSubstructureProgram(services);
    });
    bind(cmd::kPrintSetup, [this] { m_shell.PrinterSetupChooser().choose(m_shell.Printer()); });
    bind(cmd::kPrint, [this] { PrintActiveGrid(); });
    bind(cmd::kSave, [&session] { session.Save(); });
    bind(cmd::kClose, [&session] { session.Close(); });
    bind(cmd::kExit, [this] { close(); });
    bind(cmd::kViewToolbar, [this] { m_pToolBar->setVisible(!m_pToolBar->isVisible()); });
    bind(cmd::kViewStatusBar, [this] {
        statusBar()->setVisible(!statusBar()->isVisible());
        m_actions[cmd::kViewStatusBar]->setChecked(statusBar()->isVisible());
    });
    bind(cmd::kAdvancedUser, [this] { m_shell.SetAdvancedUser(m_actions[cmd::kAdvancedUser]->isChecked()); });
    bind(cmd::kPierForces, [this] { OpenPierForceWindow(this, PierSourceOf(m_shell.Session().Database())); });
    bind(cmd::kCulvert, [this] { OpenCulvertTool(this); });
    bind(cmd::kRouteGeometry, [this] { OpenRouteGeometryTool(this, m_shell.Session().Database()); });
    // 检查 reads the bridge model afresh each time, so that it shows the tables as they are now.
    bind(cmd::kBridgeCheck, [this, &session] {
        if (!session.Database()) return;
        auto check = [&session] {
            dao::Database* db = session.Database();
            return db ? bridge::ReadBridge(*db).findings : std::vector<bridge::Finding>();
        };
        auto jump = [this](const std::string& table, int record) {
            browse::CBriFormView* view = m_pWindows->OpenGridWindow(table);
            if (view && record >= 0) view->Grid().selectRows(record + 1, record + 1);
        };
        auto* window = new CBridgeCheckWindow(check, jump, this);
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->show();
    });
    bind(cmd::kWindowCascade, [this] { m_pMdiArea->cascadeSubWindows(); });
    bind(cmd::kWindowTile, [this] { m_pMdiArea->tileSubWindows(); });
    // Every design command hands the open project to its module, with the dialog in which the user edits
    // what the module proposes; the views refresh after it ran.
    auto editor = std::make_shared<DialogRecordEditor>(this);
    for (const app::CommandSpec& spec : m_commands.Specs()) {
        if (!spec.design) continue;
        m_commands.SetHandler(spec.id, [this, &call = *spec.design, editor] {
            dao::Database* db = m_shell.Session().Database();
            if (!db) return false;
            const auto before = CountRecords(*db);
            const bool ran = app::RunDesignCall(call, *db, m_shell.Modules(), m_shell.Prompter(), editor.get());
            const auto after = CountRecords(*db);
            if (ran && before && after) ShowSummary(app::DesignSummary(app::DesignCommandName(call), *before, *after));
            return ran;
        });
    }
    m_commands.SetHandler(cmd::kAssembly, [this] {
        dao::Database* db = m_shell.Session().Database();
        return db && projectdb::EditAssemblyRelations(*db, m_shell.FileChooser(), this);
    });
    auto libraryServices = [this] {
        return library::LibraryDialogServices{m_shell.Prompter(), m_shell.FileChooser(), m_shell.Modules(), {}};
    };
    bind(cmd::kLibraryBrowse, [this, libraryServices] { library::RunLibraryViewCommand(this, libraryServices()); });
    bind(cmd::kLibraryManage, [this, libraryServices] { library::RunLibraryManagerCommand(this, libraryServices()); });
    // The main window's close asks the grid windows first, as its close box does.
    // A host that started a moment ago gets the project first; the shell offers to close only for a host
    // that has the project.
    bind(cmd::kSwitchToDrawing, [this] {
        const bool projectOpen = m_shell.Session().IsOpen();
        m_shell.AcadLink().Poll(projectOpen);
        if (m_shell.Acad().SwitchToDrawing(m_shell.AcadLink().HostHasProject(projectOpen))) close();
    });
    bind(cmd::kShrink, [this] { OnShrink(); });
    bind(cmd::kRestore, [this] { OnRestore(); });
    bind(cmd::kHelpTopics, [this] { OnHelp(); });
    bind(cmd::kHelpTask, [this] { OnHelp(); });
    bind(cmd::kHelpContext, [] { QWhatsThis::enterWhatsThisMode(); });
    bind(cmd::kAbout, [this] {
        CAboutDlg dialog(this);
        dialog.exec();
    });
}

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
        case CStartDlg::Choice::New: OnCommand(cmd::kNew); break;
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
    m_actions[cmd::kShrink]->setEnabled(false);
}

void CMainFrame::OnRestore() {
    if (m_pToolBar->isFloating()) addToolBar(Qt::TopToolBarArea, m_pToolBar);
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);
    setWindowFlag(Qt::WindowStaysOnTopHint, false);
    show();
    if (m_rememberedRect) setGeometry(*m_rememberedRect);
    m_bShrunk = false;
    m_actions[cmd::kShrink]->setEnabled(true);
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
