// The 三维视图 command: one 3D view per project in the MDI area, named after the project, refreshed by the
// "tables changed" notice and closed with the project.
#include <QMdiArea>
#include <QMdiSubWindow>

#include "app/ui/main_frame.h"
#include "app/ui/view3d_frame.h"
#include "app_fixture.h"

namespace {

std::vector<CView3dFrame*> Views(CMainFrame& frame) {
    std::vector<CView3dFrame*> views;
    for (QMdiSubWindow* w : frame.mdiArea()->subWindowList())
        if (auto* v = qobject_cast<CView3dFrame*>(w)) views.push_back(v);
    return views;
}

TEST_F(AppTest, View3dCommandOpensOneViewThatClosesWithTheProject) {
    StartOn("桥.vlt");
    CMainFrame& frame = *app->mainFrame();
    frame.action("view-3d")->trigger();
    frame.action("view-3d")->trigger();  // the open one is shown again
    ASSERT_EQ(Views(frame).size(), 1u);
    EXPECT_EQ(Views(frame)[0]->windowTitle(), "三维视图 - 桥.vlt");
    Shot(frame, "view3d_frame");
    frame.action("close")->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(Views(frame).empty());
}

}  // namespace
