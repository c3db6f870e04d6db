// 新建: the wizard runs modally over the main window and its Finish makes the new file the open project.
#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <filesystem>

#include "app_fixture.h"
#include "projectdb/ui/wizard_sheet.h"

namespace {

projectdb::CMyPropertySheet1* OpenWizard() {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* sheet = qobject_cast<projectdb::CMyPropertySheet1*>(widget); sheet && sheet->isVisible())
            return sheet;
    return nullptr;
}

TEST_F(AppTest, NewCreatesTheProjectAndOpensIt) {
    StartOn("旧桥.vlt");
    std::string path = dir.file("新桥.vlt");
    ui.files.queue(path);
    bool driven = false;
    // The wizard's own event loop runs this: Next, Next, Finish.
    QTimer::singleShot(0, [&] {
        projectdb::CMyPropertySheet1* sheet = OpenWizard();
        if (!sheet) return;
        sheet->NextButton()->click();
        sheet->NextButton()->click();
        sheet->FinishButton()->click();
        driven = true;
        if (sheet->isVisible()) sheet->reject();  // never leave a test waiting on a modal window
    });
    app->mainFrame()->OnCommand("new");
    ASSERT_TRUE(driven);
    ASSERT_EQ(ui.files.requests().size(), 1u);
    EXPECT_EQ(ui.files.requests()[0].title, "保存项目文件");
    EXPECT_TRUE(std::filesystem::exists(path));
    ASSERT_NE(app->projectDb(), nullptr);
    EXPECT_EQ(app->projectDb()->GetName(), path);
    EXPECT_TRUE(ui.prompter.shown().empty());
}

}  // namespace
