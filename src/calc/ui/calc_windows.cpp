#include "calc/ui/calc_windows.h"

#include "calc/ui/culvert_dlg.h"
#include "calc/ui/pier_force_dlg.h"
#include "calc/ui/route_geometry_dlg.h"
#include "platform/interaction/qt_interaction.h"

namespace calc::ui {

CProject& PierForceProject() {
    static CProject project;
    return project;
}

namespace {

// File dialogs centred on the calculation window, which exists only after the chooser is handed to it.
struct WindowFileChooser : ::ui::FileChooser {
    QWidget* window = nullptr;
    std::string choose(const ::ui::FileRequest& request) override { return ::ui::QtFileChooser(window).choose(request); }
};

}  // namespace
}  // namespace calc::ui

void OpenPierForceWindow(QWidget* parent, calc::ui::PierSource source) {
    ui::QtPrompter prompt(parent);
    calc::ui::WindowFileChooser files;
    calc::ui::CPierForceDlg window(calc::ui::PierForceProject(), prompt, files, parent);
    window.SetPierSource(std::move(source));
    prompt.setParent(&window);
    files.window = &window;
    window.exec();
}

void OpenCulvertTool(QWidget* parent) {
    ui::QtPrompter prompt(parent);
    calc::ui::CCulvertDlg window(prompt, parent);
    prompt.setParent(&window);
    window.exec();
}

void OpenRouteGeometryTool(QWidget* parent, dao::Database* project) {
    ui::QtPrompter prompt(parent);
    calc::ui::WindowFileChooser files;
    calc::ui::CRouteGeometryDlg window(project, prompt, files, parent);
    prompt.setParent(&window);
    files.window = &window;
    window.exec();
}
