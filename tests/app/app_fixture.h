#pragma once
// A started application with scripted interaction, for tests that drive the real frames.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QSettings>
#include <cstdlib>

#include "app/ui/child_frames.h"
#include "app/ui/main_frame.h"
#include "app/ui/project_window_set.h"
#include "app/ui/veltra_app.h"
#include "platform/dao/database.h"
#include "platform/interaction/scripted.h"
#include "platform/registry/registry.h"
#include "projectdb/project_file.h"
#include "projectdb/schema.h"
#include "support/test_support.h"
#include "support/window_shot.h"

using testing_support::Shot;

class AppTest : public ::testing::Test {
protected:
    void SetUp() override {
        // The cases of one test program run side by side: each keeps its shared settings in a store of its
        // own, so that one case's project path never shows in another's.
        const char* shared = std::getenv("VELTRA_REGISTRY");
        sharedRegistry = shared ? shared : "";
        ::setenv("VELTRA_REGISTRY", dir.file("registry.db").c_str(), 1);
        QSettings().clear();
        registry::WriteSetting("Running State", "VeltraIsRunning", "");
        app = std::make_unique<CVeltraApp>();
        app->setInteraction(&ui.prompter, &ui.files);
    }
    void TearDown() override {
        if (started) app->ExitInstance();
        app.reset();
        if (sharedRegistry.empty())
            ::unsetenv("VELTRA_REGISTRY");
        else
            ::setenv("VELTRA_REGISTRY", sharedRegistry.c_str(), 1);
    }
    void Start(const QString& project = {}) {
        StartOptions options;
        options.showSplash = false;
        options.showStartDialog = false;
        options.projectPath = project;
        ASSERT_TRUE(app->InitInstance(options));
        started = true;
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
    ui::ScriptedInteraction ui;
    std::unique_ptr<CVeltraApp> app;
    bool started = false;
    std::string sharedRegistry;
};
