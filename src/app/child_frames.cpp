#include "app/child_frames.h"

#include <QCloseEvent>
#include <QIcon>
#include <QMdiArea>
#include <QStyle>
#include <algorithm>

#include "app/veltra_app.h"
#include "browse/ui/bri_form_view.h"
#include "browse/ui/bri_tree_view.h"

namespace {

constexpr int kTreeWidth = 250;
constexpr int kTreeMinWidth = 200;
constexpr int kTreeMaxWidth = 500;
constexpr int kGridLeft = 200;

}  // namespace

CChildFrame1::CChildFrame1(CVeltraDoc* doc, CBriTreeView* view) : m_pDoc(doc), m_pView(view) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWidget(view);
    setWindowIcon(QIcon(":/icons/app.svg"));
    setMinimumWidth(kTreeMinWidth);
    setMaximumWidth(kTreeMaxWidth);
    doc->setParent(this);
    doc->m_pTreeView = view;
    auto& app = CVeltraApp::Instance();
    // A new tree window replaces the older one.
    if (app.m_pTreeFrame && app.m_pTreeFrame != this) {
        CChildFrame1* older = app.m_pTreeFrame;
        app.m_pTreeFrame = nullptr;
        older->close();
    }
    app.m_pTreeFrame = this;
    app.m_nProjectWindows = 1;
}

CChildFrame1::~CChildFrame1() {
    if (CVeltraApp::HasInstance() && CVeltraApp::Instance().m_pTreeFrame == this)
        CVeltraApp::Instance().m_pTreeFrame = nullptr;
}

void CChildFrame1::place() {
    if (!mdiArea()) return;
    mdiArea()->viewport()->installEventFilter(this);
    QSize client = mdiArea()->viewport()->size();
    setGeometry(0, 0, kTreeWidth, std::max(100, client.height() - 3));
}

bool CChildFrame1::eventFilter(QObject* watched, QEvent* event) {
    // The height follows the client area; the width stays as the user dragged it.
    if (event->type() == QEvent::Resize && mdiArea() && watched == mdiArea()->viewport())
        resize(std::clamp(width(), kTreeMinWidth, kTreeMaxWidth), std::max(100, mdiArea()->viewport()->height() - 3));
    return QMdiSubWindow::eventFilter(watched, event);
}

void CChildFrame1::closeEvent(QCloseEvent* event) {
    auto& app = CVeltraApp::Instance();
    // Closing the tree window closes the project, unless a grid window refuses.
    if (app.m_pTreeFrame == this && app.projectDb()) {
        if (!app.CloseProject()) {
            event->ignore();
            return;
        }
    }
    QMdiSubWindow::closeEvent(event);
}

CChildFrame::CChildFrame(CVeltraDoc* doc, CBriFormView* view) : m_pDoc(doc), m_pView(view) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWidget(view);
    setWindowIcon(style()->standardIcon(QStyle::SP_FileDialogDetailedView));
    doc->setParent(this);
    doc->m_pGridView = view;
    auto& app = CVeltraApp::Instance();
    app.m_gridFrames.push_back(this);
    ++app.m_nProjectWindows;
}

CChildFrame::~CChildFrame() {
    if (!CVeltraApp::HasInstance()) return;
    auto& frames = CVeltraApp::Instance().m_gridFrames;
    frames.erase(std::remove(frames.begin(), frames.end(), this), frames.end());
}

std::string CChildFrame::tableName() const { return m_pView ? m_pView->TableName() : std::string(); }

void CChildFrame::place() {
    if (!mdiArea()) return;
    QSize client = mdiArea()->viewport()->size();
    setGeometry(kGridLeft, 0, std::max(200, client.width() - 204), std::max(100, client.height() - 3));
}

void CChildFrame::closeEvent(QCloseEvent* event) {
    if (!m_pView->CanClose()) {
        event->ignore();
        return;
    }
    auto& app = CVeltraApp::Instance();
    auto& frames = app.m_gridFrames;
    auto it = std::find(frames.begin(), frames.end(), this);
    if (it != frames.end()) {
        frames.erase(it);
        --app.m_nProjectWindows;
    }
    QMdiSubWindow::closeEvent(event);
}
