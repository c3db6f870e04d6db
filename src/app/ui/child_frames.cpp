#include "app/ui/child_frames.h"

#include <QCloseEvent>
#include <QIcon>
#include <QMdiArea>
#include <QStyle>
#include <algorithm>

#include "app/shell_texts.h"
#include "browse/ui/bri_form_view.h"
#include "browse/ui/bri_tree_view.h"

namespace {

constexpr int kTreeWidth = 250;
constexpr int kTreeMinWidth = 200;
constexpr int kTreeMaxWidth = 500;
constexpr int kGridLeft = 200;

}  // namespace

ProjectFrame::ProjectFrame(CVeltraDoc* doc) : m_pDoc(doc) {
    setAttribute(Qt::WA_DeleteOnClose);
    doc->setParent(this);
}

void ProjectFrame::closeEvent(QCloseEvent* event) {
    if (!m_bClosed && !MayClose()) {
        event->ignore();
        return;
    }
    m_bClosed = true;
    m_tablesChanged.Reset();
    QMdiSubWindow::closeEvent(event);
}

CChildFrame1::CChildFrame1(CVeltraDoc* doc, CBriTreeView* view, app::ProjectSession& session)
    : ProjectFrame(doc), m_pView(view), m_session(session) {
    setWidget(view);
    setWindowIcon(QIcon(":/icons/app.svg"));
    setMinimumWidth(kTreeMinWidth);
    setMaximumWidth(kTreeMaxWidth);
    doc->m_pTreeView = view;
    m_tablesChanged = session.OnTablesChanged([this](const std::vector<int>& categories) {
        for (int category : categories) m_pView->RefreshCategory(category);
    });
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

bool CChildFrame1::MayClose() {
    // Closing the tree window closes the project, unless a grid window refuses. While the session itself
    // closes the project it is no longer open here, and the window simply goes.
    return !m_session.IsOpen() || m_session.Close();
}

CChildFrame::CChildFrame(CVeltraDoc* doc, CBriFormView* view, app::ProjectSession& session)
    : ProjectFrame(doc), m_pView(view) {
    setWidget(view);
    setWindowIcon(style()->standardIcon(QStyle::SP_FileDialogDetailedView));
    doc->m_pGridView = view;
    connect(view, &CBriFormView::modifiedChanged, this, &QWidget::setWindowModified);
    // After an operation wrote tables the grid shows the file again, once however many categories changed.
    m_tablesChanged = session.OnTablesChanged([this](const std::vector<int>&) { m_pView->Requery(); });
}

std::string CChildFrame::tableName() const { return m_pView ? m_pView->TableName() : std::string(); }

void CChildFrame::place() {
    if (!mdiArea()) return;
    // Over the right part of the tree window, which keeps its first 200 pixels in sight.
    QSize client = mdiArea()->viewport()->size();
    setGeometry(kGridLeft, 0, std::max(200, client.width() - kGridLeft - 4), std::max(100, client.height() - 3));
}

bool CChildFrame::MayClose() { return m_pView->CanClose(); }
