#include "app/ui/app_project_host.h"

#include "app/project_session.h"
#include "app/ui/child_frames.h"
#include "app/ui/project_window_set.h"
#include "app/ui/shell_host.h"

dao::Database* AppProjectHost::ProjectDatabase() const { return m_shell.Session().Database(); }
bool AppProjectHost::IsAdvancedUser() const { return m_shell.IsAdvancedUser(); }
int AppProjectHost::ProjectWindowCount() const { return m_pWindows->ProjectWindowCount(); }
ui::Prompter& AppProjectHost::Prompter() { return m_shell.Prompter(); }
ui::FileChooser& AppProjectHost::FileChooser() { return m_shell.FileChooser(); }

browse::CBriFormView* AppProjectHost::OpenGridWindow(const std::string& table) {
    return m_pWindows->OpenGridWindow(table);
}

std::vector<browse::CBriFormView*> AppProjectHost::GridViews() const {
    std::vector<browse::CBriFormView*> views;
    for (CChildFrame* frame : m_pWindows->GridFrames()) views.push_back(frame->view());
    return views;
}

bool AppProjectHost::CloseGridWindow(browse::CBriFormView* view) { return m_pWindows->CloseGridWindow(view); }
