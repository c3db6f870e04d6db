#pragma once
// What the main window needs of the application object. The main window never reaches the application
// by a global; it is given this.
#include <QStringList>

namespace app {
class ProjectSession;
class AcadCommandLink;
}
namespace drawing {
class AcadSession;
}
namespace modules {
class ModuleLoader;
}
namespace ui {
struct Prompter;
struct FileChooser;
struct PrinterSetup;
struct PrinterSetupChooser;
struct PrintChooser;
}  // namespace ui

class ShellHost {
public:
    virtual ~ShellHost() = default;
    virtual app::ProjectSession& Session() = 0;
    // Message boxes and file dialogs (scripted in tests).
    virtual ui::Prompter& Prompter() = 0;
    virtual ui::FileChooser& FileChooser() = 0;
    // 打印设置: the application's printer set-up and the dialog that changes it (scripted in tests).
    virtual ui::PrinterSetup& Printer() = 0;
    virtual ui::PrinterSetupChooser& PrinterSetupChooser() = 0;
    // The print dialog a print job asks (a PDF file in tests).
    virtual ui::PrintChooser& PrintChooser() = 0;
    // Where the design modules come from (a fake in tests).
    virtual modules::ModuleLoader& Modules() = 0;
    // The recent projects, most recent first.
    virtual QStringList RecentProjects() const = 0;
    // The application-wide advanced-user flag (设置 → 高级用户).
    virtual bool IsAdvancedUser() const = 0;
    virtual void SetAdvancedUser(bool on) = 0;
    // Set by 新建 before the wizard runs and cleared once Finish has written the project: a cancelled wizard
    // leaves it set.
    virtual bool IsNewProject() const = 0;
    virtual void SetNewProject(bool on) = 0;
    // The link to the running drawing host.
    virtual drawing::AcadSession& Acad() = 0;
    // What the drawing host was told of the open project.
    virtual app::AcadCommandLink& AcadLink() = 0;
};
