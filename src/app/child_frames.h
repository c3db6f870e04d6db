#pragma once
// Project windows: the tree window (one per open project) and grid windows (one per open table).
#include <QMdiSubWindow>
#include <QObject>
#include <QPointer>
#include <string>

namespace browse {
class CBriTreeView;
class CBriFormView;
}  // namespace browse
using browse::CBriFormView;
using browse::CBriTreeView;

// One per project window; it owns no data (the project database belongs to the application) and only
// knows its views.
class CVeltraDoc : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    QPointer<CBriTreeView> m_pTreeView;
    QPointer<CBriFormView> m_pGridView;
};

// The tree window: at the top left of the client area, 250 pixels wide; its width can be dragged between
// 200 and 500 pixels while its height follows the client area.
class CChildFrame1 : public QMdiSubWindow {
    Q_OBJECT
public:
    CChildFrame1(CVeltraDoc* doc, CBriTreeView* view);
    ~CChildFrame1() override;
    CBriTreeView* view() const { return m_pView; }
    CVeltraDoc* document() const { return m_pDoc; }
    void place();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    CVeltraDoc* m_pDoc;
    CBriTreeView* m_pView;
};

// A grid window: "表：" + table name, placed right of the tree window. Closing asks the grid whether it may
// close (it saves or discards pending edits; its user may cancel).
class CChildFrame : public QMdiSubWindow {
    Q_OBJECT
public:
    CChildFrame(CVeltraDoc* doc, CBriFormView* view);
    ~CChildFrame() override;
    CBriFormView* view() const { return m_pView; }
    std::string tableName() const;
    void place();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    CVeltraDoc* m_pDoc;
    CBriFormView* m_pView;
};
