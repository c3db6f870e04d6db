#include <gtest/gtest.h>

#include <QDialog>
#include <QLabel>
#include <QProgressBar>
#include <QWidget>

#include "platform/interaction/qt_interaction.h"

namespace {

TEST(QtProgress, DisablesItsOwnerWhileShownAndWrapsAStepPastTheEnd) {
    QWidget owner;
    owner.show();
    ui::QtProgress progress(&owner);
    QDialog* dialog = progress.dialog();
    EXPECT_EQ(dialog->windowTitle(), "准备写入构件库的数据");
    EXPECT_EQ(dialog->findChild<QLabel*>()->text(), "正在准备写入构件库的数据，请稍候...");
    progress.show();
    EXPECT_FALSE(owner.isEnabled());
    EXPECT_TRUE(dialog->isVisible());
    progress.setTitle("导入数据");
    progress.setText("正在导入数据。请稍候...");
    progress.setRange(0, 25);
    progress.setStep(10);
    auto* bar = dialog->findChild<QProgressBar*>();
    progress.step();
    progress.step();
    EXPECT_EQ(bar->value(), 20);
    progress.step();  // past the end: starts again from the lower end
    EXPECT_EQ(bar->value(), 5);
    progress.offset(3);
    EXPECT_EQ(bar->value(), 8);
    EXPECT_EQ(dialog->windowTitle(), "导入数据");
    progress.close();
    EXPECT_TRUE(owner.isEnabled());
    EXPECT_FALSE(dialog->isVisible());
}

TEST(QtFileChooser, FiltersOfTheSystemBecomeNameFilters) {
    EXPECT_EQ(ui::NameFiltersOf("桥梁CAD项目文件 (*.vlt)|*.vlt|所有文件 (*.*)|*.*||"),
              (QStringList{"桥梁CAD项目文件 (*.vlt)", "所有文件 (*.*)"}));
    EXPECT_EQ(ui::NameFiltersOf("HH.EXE|HH.exe||"), (QStringList{"HH.EXE (HH.exe)"}));
}

}  // namespace
