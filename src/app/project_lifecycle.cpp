// Opening, closing and saving the project, and the project windows.
#include <QFileInfo>
#include <QMdiArea>

#include "app/child_frames.h"
#include "app/command_ids.h"
#include "app/main_frame.h"
#include "app/start_dialog.h"
#include "app/veltra_app.h"
#include "browse/ui/bri_form_view.h"
#include "browse/ui/bri_tree_view.h"
#include "exchange/import_options.h"
#include "exchange/ui/route_import_command.h"
#include "platform/registry/registry.h"
#include "projectdb/project_file.h"
#include "projectdb/record_access.h"

namespace {

std::string Std(const QString& s) { return s.toStdString(); }

}  // namespace

// ---- application side ----

void CVeltraApp::SetProjectDatabase(std::unique_ptr<dao::Database> db) {
    if (m_pProjectDb) {
        m_pProjectDb->Close();
        m_pProjectDb.reset();
    }
    m_pProjectDb = std::move(db);
}

bool CVeltraApp::OpenDocumentFile(const QString& path) {
    // The file is opened before the current project is closed: a file that cannot be opened leaves the
    // current project as it was.
    std::unique_ptr<dao::Database> db;
    try {
        db = dao::Database::Open(Std(path));
    } catch (const dao::DaoException& e) {
        projectdb::ReportDaoError(e, prompter());
        return false;
    }
    if (m_pTreeFrame && !CloseProject()) return false;
    if (m_nProjectWindows > 1) return false;
    std::string fullPath = db->GetName();
    registry::WriteSetting("Current Database File", "File", fullPath);
    m_recentFiles.add(QString::fromStdString(fullPath));
    ShowProject(std::move(db), "项目数据库");
    return true;
}

void CVeltraApp::ShowProject(std::unique_ptr<dao::Database> db, const QString& treeCaption) {
    SetProjectDatabase(std::move(db));
    m_pMainFrame->CreateTreeWindow(treeCaption);
    m_pMainFrame->UpdateFrameMenu();
    SendToDrawingHost("LoadDBAuto ");
}

bool CVeltraApp::CloseProject() {
    // Every grid window in turn; the first that refuses keeps the project open.
    std::vector<CChildFrame*> frames = m_gridFrames;
    for (CChildFrame* frame : frames)
        if (!frame->close()) return false;
    SetProjectDatabase(nullptr);
    registry::WriteSetting("Current Database File", "File", "");
    m_nProjectWindows = 0;
    if (CChildFrame1* tree = m_pTreeFrame) {
        m_pTreeFrame = nullptr;
        tree->close();
    }
    if (m_pMainFrame) m_pMainFrame->UpdateFrameMenu();
    return true;
}

// ---- main frame side ----

CChildFrame1* CMainFrame::CreateTreeWindow(const QString& caption) {
    auto& app = CVeltraApp::Instance();
    auto* frame = static_cast<CChildFrame1*>(app.m_pTreeTemplate->createFrame(new CVeltraDoc));
    m_pMdiArea->addSubWindow(frame);
    frame->setWindowTitle(caption);
    frame->place();
    frame->show();
    frame->view()->SetDatabase(app.projectDb());
    return frame;
}

browse::CBriFormView* CMainFrame::CreateGridWindow(const std::string& table) {
    auto& app = CVeltraApp::Instance();
    if (!app.projectDb()) return nullptr;
    auto* frame = static_cast<CChildFrame*>(app.m_pGridTemplate->createFrame(new CVeltraDoc));
    browse::CBriFormView* view = frame->view();
    m_pMdiArea->addSubWindow(frame);
    frame->setWindowTitle(QString::fromStdString("表：" + table));
    view->Load(table);
    frame->place();
    frame->show();
    m_pMdiArea->setActiveSubWindow(frame);
    return view;
}

bool CMainFrame::OpenProject(const QString& path) {
    auto& app = CVeltraApp::Instance();
    if (app.m_pTreeFrame) app.CloseProject();
    if (app.m_nProjectWindows > 1) return false;
    registry::WriteSetting("Current Database File", "File", Std(QFileInfo(path).absoluteFilePath()));
    app.recentFiles().add(path);
    std::unique_ptr<dao::Database> db;
    try {
        db = dao::Database::Open(Std(path));
    } catch (const dao::DaoException& e) {
        projectdb::ReportDaoError(e, app.prompter());
        // No project is open now, and the shared setting says so.
        registry::WriteSetting("Current Database File", "File", "");
        UpdateFrameMenu();
        return false;
    }
    app.ShowProject(std::move(db), "WorkSpace");
    return true;
}

void CMainFrame::RefreshViews(int category) {
    auto& app = CVeltraApp::Instance();
    if (app.m_pTreeFrame && app.m_pTreeFrame->view()) app.m_pTreeFrame->view()->RefreshCategory(category);
    for (CChildFrame* frame : app.m_gridFrames) frame->view()->Requery();
}

void CMainFrame::OnFileOpen() {
    ui::FileRequest request;
    request.title = "打开项目文件";
    request.defaultExtension = projectdb::kProjectExtension;
    request.filter = projectdb::kProjectFilter;
    request.mustExist = true;
    std::string path = CVeltraApp::Instance().fileChooser().choose(request);
    if (!path.empty()) OpenProject(QString::fromStdString(path));
}

bool CMainFrame::OnFileSave() {
    std::vector<CChildFrame*> frames = CVeltraApp::Instance().m_gridFrames;
    for (CChildFrame* frame : frames)
        if (!frame->view()->CommitEdits()) return false;
    return true;
}

void CMainFrame::OnFileSaveAs() {
    auto& app = CVeltraApp::Instance();
    if (!app.projectDb()) return;
    ui::FileRequest request;
    request.save = true;
    request.title = "保存项目文件";
    request.defaultExtension = projectdb::kProjectExtension;
    request.filter = projectdb::kProjectFilter;
    std::string path = app.fileChooser().choose(request);
    if (path.empty()) return;
    std::unique_ptr<dao::Database> copy;
    try {
        if (projectdb::IsSameFile(path, app.projectDb()->GetName()))
            throw dao::DaoException(dao::kErrIo, "文件 '" + path + "' 是当前打开的项目，不能用作另存为的目标。");
        copy = projectdb::CopyProjectTo(*app.projectDb(), path);
    } catch (const dao::DaoException& e) {
        projectdb::ReportDaoError(e, app.prompter());
        return;
    }
    app.SetProjectDatabase(std::move(copy));
    std::string newPath = app.projectDb()->GetName();
    registry::WriteSetting("Current Database File", "File", newPath);
    app.recentFiles().add(QString::fromStdString(newPath));
    if (app.m_pTreeFrame && app.m_pTreeFrame->view()) {
        app.m_pTreeFrame->view()->SetDatabase(app.projectDb());
        app.m_pTreeFrame->view()->RenameRoot(newPath);
    }
    // Grid windows read the new file from now on; their pending edits were written to the old one or dropped.
    for (CChildFrame* frame : app.m_gridFrames) frame->view()->Requery();
    UpdateFrameMenu();
    SendToDrawingHost("LoadDBAuto ");
}

void CMainFrame::OnImport() {
    auto& app = CVeltraApp::Instance();
    if (!app.projectDb()) return;
    auto result = exchange::RunImportCommand(this, *app.projectDb(), app.fileChooser(), app.prompter());
    if (result.outcome == exchange::ImportCommandOutcome::RouteImported)
        for (int category = 1; category <= 12; ++category) RefreshViews(category);
    // A project chosen as the reference: the import from another project takes it from here.
}

void CMainFrame::OnImportProject() {
    CVeltraApp::Instance().fileChooser().choose(exchange::ImportProjectFileRequest());
    // The import from another project builds the new project from the chosen file.
}

bool CMainFrame::CanCloseMainWindow() {
    auto& app = CVeltraApp::Instance();
    std::vector<CChildFrame*> frames = app.m_gridFrames;
    for (CChildFrame* frame : frames)
        if (!frame->close()) break;
    if (app.m_nProjectWindows > 1) return false;
    app.m_pTreeFrame = nullptr;
    return true;
}

void CMainFrame::ShowStartDialog() {
    auto& app = CVeltraApp::Instance();
    CStartDlg dialog(app.recentFiles().entries(), app.fileChooser(), this);
    if (dialog.exec() != QDialog::Accepted) return;
    switch (dialog.choice()) {
        case CStartDlg::Choice::Open: app.OpenDocumentFile(dialog.path()); break;
        case CStartDlg::Choice::New: OnCommand(cmd::kNew); break;
        case CStartDlg::Choice::Import: break;  // the import from another project takes dialog.path()
        case CStartDlg::Choice::None: break;
    }
}

void CMainFrame::OnProjectCommand(int id) {
    if (!m_actions.value(id) || !m_actions.value(id)->isEnabled()) return;
    switch (id) {
        case cmd::kOpen: OnFileOpen(); break;
        case cmd::kSave: OnFileSave(); break;
        case cmd::kSaveAs: OnFileSaveAs(); break;
        case cmd::kClose: CVeltraApp::Instance().CloseProject(); break;
        case cmd::kImport: OnImport(); break;
        case cmd::kImportProject: OnImportProject(); break;
        default: break;
    }
}
