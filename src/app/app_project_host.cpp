#include "app/app_project_host.h"

#include <QMdiArea>

#include "app/child_frames.h"
#include "app/main_frame.h"
#include "app/veltra_app.h"
#include "browse/ui/bri_form_view.h"

dao::Database* AppProjectHost::ProjectDatabase() const { return m_app.projectDb(); }
bool AppProjectHost::IsAdvancedUser() const { return m_app.advancedUser(); }
int AppProjectHost::ProjectWindowCount() const { return m_app.m_nProjectWindows; }
ui::Prompter& AppProjectHost::Prompter() { return m_app.prompter(); }
ui::FileChooser& AppProjectHost::FileChooser() { return m_app.fileChooser(); }
QWidget* AppProjectHost::MainWindow() const { return m_app.mainFrame(); }

browse::CBriFormView* AppProjectHost::OpenGridWindow(const std::string& table) {
    for (CChildFrame* frame : m_app.m_gridFrames)
        if (frame->tableName() == table) {
            m_app.mainFrame()->mdiArea()->setActiveSubWindow(frame);
            return frame->view();
        }
    return m_app.mainFrame()->CreateGridWindow(table);
}

std::vector<browse::CBriFormView*> AppProjectHost::GridViews() const {
    std::vector<browse::CBriFormView*> views;
    for (CChildFrame* frame : m_app.m_gridFrames) views.push_back(frame->view());
    return views;
}

bool AppProjectHost::CloseGridWindow(browse::CBriFormView* view) {
    for (CChildFrame* frame : m_app.m_gridFrames)
        if (frame->view() == view) return frame->close();
    return true;
}
