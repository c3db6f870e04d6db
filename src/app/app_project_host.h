#pragma once
// The application's side of what the table tree and the grid editor need.
#include "browse/ui/project_host.h"

class CVeltraApp;

class AppProjectHost : public browse::ProjectHost {
public:
    explicit AppProjectHost(CVeltraApp& app) : m_app(app) {}
    dao::Database* ProjectDatabase() const override;
    bool IsAdvancedUser() const override;
    browse::CBriFormView* OpenGridWindow(const std::string& table) override;
    std::vector<browse::CBriFormView*> GridViews() const override;
    bool CloseGridWindow(browse::CBriFormView* view) override;
    int ProjectWindowCount() const override;
    ui::Prompter& Prompter() override;
    ui::FileChooser& FileChooser() override;
    QWidget* MainWindow() const override;

private:
    CVeltraApp& m_app;
};
