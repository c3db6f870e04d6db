// Which handler runs which command: the main window attaches a handler to every row of the command table that
// is not a design command, by the row's key. A handler asks what it must ask in windows and leaves the project
// to the session; it returns true when it wrote to the project, so that the row's categories are announced.
// A new command is its row in shell_commands.cpp and its entry in one of the lists below.
#include <QAction>
#include <QMdiArea>
#include <QStatusBar>
#include <QToolBar>
#include <QWhatsThis>

#include "app/design_calls.h"
#include "app/design_summary.h"
#include "app/drawing_host.h"
#include "app/pier_source.h"
#include "app/project_session.h"
#include "app/ui/about_dialog.h"
#include "app/ui/bridge_check_window.h"
#include "app/ui/main_frame.h"
#include "app/ui/project_window_set.h"
#include "app/ui/qt_program_starter.h"
#include "app/ui/record_editor_dialog.h"
#include "app/ui/shell_host.h"
#include "calc/ui/calc_windows.h"
#include "drawing/acad_session.h"
#include "drawing/ui/drawing_combos.h"
#include "drawing/ui/drawing_layout_dialog.h"
#include "drawing/ui/drawing_state_dialog.h"
#include "drawing/ui/drawing_target_command.h"
#include "exchange/interface_writer.h"
#include "exchange/ui/open_exchange_commands.h"
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

using Handler = app::CommandTable::Handler;

// The handler of a command that announces no table change: it writes nothing, or the session announces what
// it did (open, save, close).
Handler Quiet(std::function<void()> action) {
    return [action = std::move(action)] {
        action();
        return false;
    };
}

// The long operations end with their one-line summary in the status bar, the line the command line prints;
// `run` fills it (nothing when the operation did not finish).
Handler Summarised(CMainFrame& frame, std::function<void(std::string* summary)> run) {
    return Quiet([&frame, run = std::move(run)] {
        std::string summary;
        run(&summary);
        frame.ShowSummary(summary);
    });
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

// 新建: the wizard, whose Finish closes the open project and opens the new one.
void RunNewProjectWizard(CMainFrame& frame, ShellHost& shell, const projectdb::PageServices& services) {
    app::ProjectSession& session = shell.Session();
    shell.SetNewProject(true);
    projectdb::FinishSteps steps;
    steps.closeCurrentProject = [&session] { return session.Close(); };
    steps.openProject = [&shell, &session](const std::string& path) {
        const bool opened = session.Open(path, app::OpenRoute::CloseFirst);
        shell.SetNewProject(false);
        return opened;
    };
    // Finish tells a running drawing host once more, after the open has told it already.
    steps.notifyDrawingHost = [&shell] {
        if (AcadWindow() != 0) shell.Acad().SendAcadCommand("LoadDBAuto ");
    };
    projectdb::CMyPropertySheet1 wizard(services, std::move(steps), &frame);
    wizard.exec();
}

// 检查 reads the bridge model afresh each time, so that it shows the tables as they are now; a finding leads
// to its record in a grid window.
void OpenBridgeCheck(CMainFrame& frame, app::ProjectSession& session) {
    auto check = [&session] {
        dao::Database* db = session.Database();
        return db ? bridge::ReadBridge(*db).findings : std::vector<bridge::Finding>();
    };
    auto show = [&frame](const std::string& table, int record) { frame.projectWindows().ShowRecord(table, record); };
    auto* window = new CBridgeCheckWindow(check, show, &frame);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
}

}  // namespace

void CMainFrame::BindCommands() {
    for (const Handlers& handlers : {ProjectHandlers(), ExchangeHandlers(), SettingsAndTableHandlers(),
                                     ToolHandlers(), WindowAndHelpHandlers()})
        for (const auto& [key, handler] : handlers) m_commands.SetHandler(key, handler);
    BindDesignCommands();
}

CMainFrame::Handlers CMainFrame::ProjectHandlers() {
    app::ProjectSession& session = m_shell.Session();
    return {
        {"new", Quiet([this] { RunNewProjectWizard(*this, m_shell, PageServices()); })},
        {"open", [this] { return OnFileOpen(); }},
        {"save", Quiet([&session] { session.Save(); })},
        {"save-as", [this] { return OnFileSaveAs(); }},
        {"close", Quiet([&session] { session.Close(); })},
        {"import", [this] { return OnImport(); }},
        {"import-project", [this] { return OnImportProject(); }},
        {"bridge-check", Quiet([this, &session] {
             if (session.Database()) OpenBridgeCheck(*this, session);
         })},
        {"print", Quiet([this] { PrintActiveGrid(); })},
        {"print-setup", Quiet([this] { m_shell.PrinterSetupChooser().choose(m_shell.Printer()); })},
        // The main window's close asks the grid windows first, as its close box does.
        {"exit", Quiet([this] { close(); })},
    };
}

CMainFrame::Handlers CMainFrame::ExchangeHandlers() {
    app::ProjectSession& session = m_shell.Session();
    auto interfaceExport = [this, &session](exchange::InterfaceFile file) {
        return Summarised(*this, [this, &session, file](std::string* summary) {
            if (session.Database())
                exchange::RunInterfaceExport(file, *session.Database(), m_shell.FileChooser(), m_shell.Prompter(),
                                             summary);
        });
    };
    return {
        {"export-arvo3d", interfaceExport(exchange::InterfaceFile::Arvo3d)},
        {"export-kelsa", interfaceExport(exchange::InterfaceFile::Kelsa)},
        {"import-landxml",
         [this, &session] {
             dao::Database* db = session.Database();
             std::string summary;
             const bool imported = db && exchange::RunLandXmlImportCommand(this, *db, m_shell.FileChooser(),
                                                                           m_shell.Prompter(), &summary);
             ShowSummary(summary);
             return imported;
         }},
        {"export-landxml", Summarised(*this, [this, &session](std::string* summary) {
             if (session.Database())
                 exchange::RunLandXmlExportCommand(*session.Database(), m_shell.FileChooser(), m_shell.Prompter(),
                                                   summary);
         })},
        {"export-ifc", Summarised(*this, [this, &session](std::string* summary) {
             if (session.Database())
                 exchange::RunIfcExportCommand(this, *session.Database(), m_shell.FileChooser(), m_shell.Prompter(),
                                               summary);
         })},
    };
}

CMainFrame::Handlers CMainFrame::SettingsAndTableHandlers() {
    app::ProjectSession& session = m_shell.Session();
    return {
        {"view-toolbar", Quiet([this] { m_pToolBar->setVisible(!m_pToolBar->isVisible()); })},
        {"view-status-bar", Quiet([this] {
             statusBar()->setVisible(!statusBar()->isVisible());
             action("view-status-bar")->setChecked(statusBar()->isVisible());
         })},
        {"advanced-user", Quiet([this] { m_shell.SetAdvancedUser(action("advanced-user")->isChecked()); })},
        {"drawing-target", Quiet([this, &session] {
             dao::Database* db = session.Database();
             if (!db) return;
             auto steps = drawing::DialogTargetSteps(m_shell.Prompter(), this);
             if (auto result = drawing::RunDrawingTargetCommand(*db, m_shell.Prompter(), steps))
                 m_pDrawingCombos->Show(*result);
         })},
        {"drawing-preview", Quiet([this, &session] {
             if (session.Database())
                 drawing::RunDrawingPreview(*session.Database(), m_shell.Prompter(), this,
                                            ui::PrintServices{&m_shell.Printer(), &m_shell.PrintChooser()});
         })},
        {"view-3d", Quiet([this] { m_pWindows->OpenView3d(); })},
        // The central-table dialogs, with the member-type selection dialogs behind their double-clicks.
        {"general-info",
         [this, &session] {
             dao::Database* db = session.Database();
             return db && projectdb::RunGeneralInfoDialog(*db, PageServices(), this);
         }},
        {"span-info",
         [this, &session] {
             dao::Database* db = session.Database();
             return db && projectdb::RunSpanInfoDialog(*db, PageServices(), this);
         }},
        {"drawing-info",
         [this, &session] {
             dao::Database* db = session.Database();
             return db && drawing::RunDrawingLayoutDialog(*db, PageServices(), this);
         }},
        {"route-geometry", Quiet([this, &session] { OpenRouteGeometryTool(this, session.Database()); })},
        {"assembly",
         [this, &session] {
             dao::Database* db = session.Database();
             return db && projectdb::EditAssemblyRelations(*db, m_shell.FileChooser(), this);
         }},
    };
}

CMainFrame::Handlers CMainFrame::ToolHandlers() {
    app::ProjectSession& session = m_shell.Session();
    auto libraryServices = [this] {
        return library::LibraryDialogServices{m_shell.Prompter(), m_shell.FileChooser(), m_shell.Modules(), {}};
    };
    auto siblingServices = [this](CQtProgramStarter& starter) {
        return app::SiblingServices{m_shell.Prompter(), starter, m_shell.Modules(), app::TemporaryFolder()};
    };
    return {
        {"library-browse", Quiet([this, libraryServices] { library::RunLibraryViewCommand(this, libraryServices()); })},
        {"library-write", Summarised(*this, [this, &session](std::string* summary) {
             if (session.Database())
                 library::RunWriteLibraryCommand(this, *session.Database(), m_shell.Prompter(), m_shell.FileChooser(),
                                                 summary);
         })},
        {"library-manage",
         Quiet([this, libraryServices] { library::RunLibraryManagerCommand(this, libraryServices()); })},
        {"library-merge", Summarised(*this, [this](std::string* summary) {
             library::RunMergeLibraryCommand(this, m_shell.Prompter(), m_shell.FileChooser(), summary);
         })},
        {"library-clean", Summarised(*this, [this](std::string* summary) {
             library::RunCleanLibraryCommand(this, m_shell.Prompter(), m_shell.FileChooser(), summary);
         })},
        {"pier-forces", Quiet([this, &session] { OpenPierForceWindow(this, PierSourceOf(session.Database())); })},
        {"culvert", Quiet([this] { OpenCulvertTool(this); })},
        {"run-arvo3d", Quiet([&session, siblingServices] {
             CQtProgramStarter starter;
             app::SiblingServices services = siblingServices(starter);
             if (session.Database()) app::RunModellingProgram(*session.Database(), services);
         })},
        {"run-kelsa", Quiet([siblingServices] {
             CQtProgramStarter starter;
             app::SiblingServices services = siblingServices(starter);
             app::RunSubstructureProgram(services);
         })},
    };
}

CMainFrame::Handlers CMainFrame::WindowAndHelpHandlers() {
    return {
        // A host that started a moment ago gets the project first; the shell offers to close only for a host
        // that has the project.
        {"switch-to-drawing", Quiet([this] {
             const bool projectOpen = m_shell.Session().IsOpen();
             m_shell.AcadLink().Poll(projectOpen);
             if (m_shell.Acad().SwitchToDrawing(m_shell.AcadLink().HostHasProject(projectOpen))) close();
         })},
        {"shrink", Quiet([this] { OnShrink(); })},
        {"restore", Quiet([this] { OnRestore(); })},
        {"window-cascade", Quiet([this] { m_pMdiArea->cascadeSubWindows(); })},
        {"window-tile", Quiet([this] { m_pMdiArea->tileSubWindows(); })},
        {"help-topics", Quiet([this] { OnHelp(); })},
        {"help-task", Quiet([this] { OnHelp(); })},
        {"help-context", Quiet([] { QWhatsThis::enterWhatsThisMode(); })},
        {"about", Quiet([this] {
             CAboutDlg dialog(this);
             dialog.exec();
         })},
    };
}

// Every design command hands the open project to its module, with the dialog in which the user edits what the
// module proposes; the views refresh after it ran, and the status bar tells what it wrote.
void CMainFrame::BindDesignCommands() {
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
}

projectdb::PageServices CMainFrame::PageServices() {
    return projectdb::PageServices{m_shell.Prompter(), m_shell.FileChooser(), &projectdb::ChooseMemberType};
}
