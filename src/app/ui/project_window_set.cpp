#include "app/ui/project_window_set.h"

#include <QMdiArea>
#include <QMenu>
#include <QTreeWidget>

#include "app/menus.h"
#include "app/shell_texts.h"
#include "app/ui/child_frames.h"
#include "app/ui/view3d_frame.h"
#include "browse/ui/bri_form_view.h"
#include "browse/ui/bri_tree_view.h"
#include "platform/spreadsheet/spreadsheet.h"
#include "projectdb/project_file.h"

namespace {

template <class Frame>
std::vector<Frame*> LiveFrames(const QMdiArea& area) {
    std::vector<Frame*> frames;
    for (QMdiSubWindow* window : area.subWindowList(QMdiArea::CreationOrder))
        if (auto* frame = qobject_cast<Frame*>(window); frame && !frame->IsClosed()) frames.push_back(frame);
    return frames;
}

}  // namespace

ProjectWindowSet::ProjectWindowSet(QMdiArea& area, browse::ProjectHost& host,
                                   std::function<app::ProjectSession&()> session)
    : m_area(area), m_host(host), m_session(std::move(session)) {
    m_pTreeTemplate = std::make_unique<CDocTemplate>();
    m_pTreeTemplate->createFrame = [this](CVeltraDoc* doc) -> QMdiSubWindow* {
        auto* view = new browse::CBriTreeView(m_host);
        // The project's own item (the tree's root) offers the 3D view of the whole bridge.
        QObject::connect(view->tree(), &QTreeWidget::customContextMenuRequested, view, [this, view](const QPoint& pos) {
            QTreeWidgetItem* item = view->tree()->itemAt(pos);
            if (!item || item->parent()) return;
            QMenu menu;
            QAction* open = menu.addAction("三维视图...");
            if (menu.exec(view->tree()->viewport()->mapToGlobal(pos)) == open)
                OpenView3d();
        });
        return new CChildFrame1(doc, view, m_session());
    };
    m_pGridTemplate = std::make_unique<CDocTemplate>();
    m_pGridTemplate->createFrame = [this](CVeltraDoc* doc) -> QMdiSubWindow* {
        return new CChildFrame(doc, new browse::CBriFormView(m_host), m_session());
    };
}

ProjectWindowSet::~ProjectWindowSet() = default;

void ProjectWindowSet::OpenView3d() {
    auto open = [this](const std::string& table, int record) { ShowRecord(table, record); };
    CView3dFrame* frame = OpenView3dWindow(m_area, m_session(), open);
    // A closed or another project: the view showed the old one.
    if (frame)
        connect(this, &ProjectWindowSet::projectChanged, frame, [this, frame] {
            if (!m_session().Database()) frame->close();
        });
}

CChildFrame1* ProjectWindowSet::TreeFrame() const {
    auto trees = LiveFrames<CChildFrame1>(m_area);
    return trees.empty() ? nullptr : trees.back();
}

std::vector<CChildFrame*> ProjectWindowSet::GridFrames() const { return LiveFrames<CChildFrame>(m_area); }

int ProjectWindowSet::ProjectWindowCount() const {
    if (!TreeFrame()) return 0;
    return 1 + static_cast<int>(GridFrames().size());
}

CChildFrame1* ProjectWindowSet::CreateTreeWindow(const QString& caption) {
    // A new tree window replaces an older one.
    if (CChildFrame1* older = TreeFrame()) older->close();
    auto* frame = static_cast<CChildFrame1*>(m_pTreeTemplate->createFrame(new CVeltraDoc));
    m_area.addSubWindow(frame);
    frame->setWindowTitle(caption);
    frame->place();
    frame->show();
    frame->view()->SetDatabase(m_session().Database());
    return frame;
}

browse::CBriFormView* ProjectWindowSet::OpenGridWindow(const std::string& table) {
    for (CChildFrame* frame : GridFrames())
        if (frame->tableName() == table) {
            m_area.setActiveSubWindow(frame);
            return frame->view();
        }
    if (!m_session().IsOpen()) return nullptr;
    auto* frame = static_cast<CChildFrame*>(m_pGridTemplate->createFrame(new CVeltraDoc));
    browse::CBriFormView* view = frame->view();
    m_area.addSubWindow(frame);
    // "[*]" shows where the title marks unsaved edits.
    frame->setWindowTitle(QString::fromStdString(app::kGridCaptionPrefix + table) + "[*]");
    view->Load(table);
    frame->place();
    frame->show();
    m_area.setActiveSubWindow(frame);
    return view;
}

void ProjectWindowSet::ShowRecord(const std::string& table, int record) {
    browse::CBriFormView* view = OpenGridWindow(table);
    if (view && record >= 0) view->Grid().selectRows(record + 1, record + 1);
}

bool ProjectWindowSet::CloseGridWindow(browse::CBriFormView* view) {
    for (CChildFrame* frame : GridFrames())
        if (frame->view() == view) return frame->close();
    return true;
}

bool ProjectWindowSet::CloseGridWindows() {
    for (CChildFrame* frame : GridFrames())
        if (!frame->close()) return false;
    return true;
}

bool ProjectWindowSet::CommitGridWindows() {
    for (CChildFrame* frame : GridFrames())
        if (!frame->view()->CommitEdits()) return false;
    return true;
}

bool ProjectWindowSet::CloseAll() { return CloseGridWindows(); }

void ProjectWindowSet::ShowProject(const std::string& treeCaption) {
    CreateTreeWindow(QString::fromStdString(treeCaption));
    emit projectChanged();
}

void ProjectWindowSet::ProjectMoved() {
    dao::Database* db = m_session().Database();
    if (CChildFrame1* tree = TreeFrame()) {
        tree->view()->SetDatabase(db);
        tree->view()->RenameRoot(db->GetName());
    }
    // The grids wrote their edits before the copy; from now on they read the new file.
    for (CChildFrame* frame : GridFrames()) frame->view()->Requery();
    emit projectChanged();
}

void ProjectWindowSet::ProjectClosed() {
    if (CChildFrame1* tree = TreeFrame()) tree->close();
    emit projectChanged();
}
