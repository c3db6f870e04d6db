#pragma once
// A started application with scripted interaction, for tests that drive the real frames.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QSettings>

#include "app/ui/child_frames.h"
#include "app/ui/main_frame.h"
#include "app/ui/project_window_set.h"
#include "app/ui/veltra_app.h"
#include "platform/dao/database.h"
#include "platform/interaction/scripted.h"
#include "platform/registry/registry.h"
#include "projectdb/project_file.h"
#include "projectdb/schema.h"
#include "support/settings_store.h"
#include "support/test_support.h"
#include "support/window_shot.h"

using testing_support::Shot;

class AppTest : public ::testing::Test {
protected:
    void SetUp() override {
        QSettings().clear();
        registry::WriteSetting("Running State", "VeltraIsRunning", "");
        app = std::make_unique<CVeltraApp>();
        app->setInteraction(&ui.prompter, &ui.files);
    }
    void TearDown() override {
        if (started) app->ExitInstance();
        app.reset();
    }
    void Start(const QString& project = {}) {
        StartOptions options;
        options.showSplash = false;
        options.showStartDialog = false;
        options.projectPath = project;
        ASSERT_TRUE(app->InitInstance(options));
        started = true;
    }
    // Starts on a new project `name` (see MakeProject); returns its path.
    std::string StartOn(const std::string& name) {
        std::string path = MakeProject(name);
        Start(QString::fromStdString(path));
        return path;
    }
    // A project with the central tables of the schema, made by the schema's own creation code.
    std::string MakeProject(const std::string& name) {
        std::string path = dir.file(name);
        auto db = projectdb::CreateProjectFile(path);
        for (const auto& table : projectdb::CentralTables()) projectdb::RecreateCentralTable(*db, table);
        return path;
    }
    ProjectWindowSet& windows() { return app->mainFrame()->projectWindows(); }
    testing_support::TempDir dir;
    testing_support::OwnSettingsStore store{dir.file("registry.db")};  // of this case alone
    ui::ScriptedInteraction ui;
    std::unique_ptr<CVeltraApp> app;
    bool started = false;
};
