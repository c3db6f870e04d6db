#pragma once
// The shell's side of what the table tree and the grid editor need.
#include <functional>

#include "browse/ui/project_host.h"

class ShellHost;
class ProjectWindowSet;
class QWidget;

class AppProjectHost : public browse::ProjectHost {
public:
    AppProjectHost(ShellHost& shell, QWidget& mainWindow) : m_shell(shell), m_mainWindow(mainWindow) {}
    // The window set exists after the main window's MDI area; it is attached once.
    void AttachWindows(ProjectWindowSet& windows) { m_pWindows = &windows; }

    dao::Database* ProjectDatabase() const override;
    bool IsAdvancedUser() const override;
    browse::CBriFormView* OpenGridWindow(const std::string& table) override;
    std::vector<browse::CBriFormView*> GridViews() const override;
    bool CloseGridWindow(browse::CBriFormView* view) override;
    int ProjectWindowCount() const override;
    ui::Prompter& Prompter() override;
    ui::FileChooser& FileChooser() override;
    QWidget* MainWindow() const override { return &m_mainWindow; }
    void RunShellCommand(int commandId) override {
        if (m_runCommand) m_runCommand(commandId);
    }
    // The main window's command dispatch, given once it exists.
    void SetCommandRunner(std::function<void(int)> run) { m_runCommand = std::move(run); }

private:
    ShellHost& m_shell;
    QWidget& m_mainWindow;
    ProjectWindowSet* m_pWindows = nullptr;
    std::function<void(int)> m_runCommand;
};
