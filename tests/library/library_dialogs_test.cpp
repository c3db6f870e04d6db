// The write and merge dialogs, driven as a user drives them, with scripted messages and file choices.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDir>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QApplication>
#include <QMouseEvent>
#include <QTreeWidget>

#include "library/library_merge.h"
#include "library/library_writer.h"
#include "library/ui/merge_library_dialog.h"
#include "library/ui/write_library_dialog.h"
#include "library_fixture.h"
#include "platform/interaction/dyna_sizing.h"
#include "platform/interaction/scripted.h"
#include "support/window_shot.h"

namespace {

using Strings = std::vector<std::string>;

using testing_support::Shot;

Strings Captions(QTreeWidget* list) {
    Strings captions;
    for (int i = 0; i < list->columnCount(); ++i)
        captions.push_back(list->headerItem()->text(i).toStdString() + "/" + std::to_string(list->columnWidth(i)));
    return captions;
}

class WriteDialog : public ::testing::Test {
protected:
    void SetUp() override {
        exchange_test::ProjectFile file(dir.file("bridge.vlt"));
        library_test::MakeBridge(file);
        file.close();
        project = dao::Database::Open(dir.file("bridge.vlt"));
        dialog = std::make_unique<library::CWriteLibraryDlg>(*project, ui.prompter, ui.progress, ui.files);
        dialog->show();
    }

    testing_support::TempDir dir;
    std::unique_ptr<dao::Database> project;
    ui::ScriptedInteraction ui;
    std::unique_ptr<library::CWriteLibraryDlg> dialog;
};

TEST_F(WriteDialog, ListsTheProjectsMembersInTheirColumns) {
    EXPECT_EQ(dialog->windowTitle().toStdString(), "写入构件库");
    EXPECT_EQ(Captions(dialog->UpperList()),
              (Strings{"名称/120", "类型/120", "跨号/40", "跨径 L/60", "梁高 H/150", "梁宽 W/60"}));
    EXPECT_EQ(Captions(dialog->LowerList()),
              (Strings{"代码/40", "墩台号/60", "帽梁/80", "墩台身/170", "连接构造/80", "基础/156"}));
    ASSERT_EQ(dialog->UpperList()->topLevelItemCount(), 9);
    EXPECT_EQ(dialog->UpperList()->topLevelItem(0)->text(1).toStdString(), "Z16");
    ASSERT_EQ(dialog->LowerList()->topLevelItemCount(), 3);
    EXPECT_EQ(dialog->LowerList()->topLevelItem(0)->text(0).toStdString(), "6959");
    EXPECT_EQ(ui.progress.upper, 120);
    dialog->LowerList()->topLevelItem(1)->setSelected(true);
    Shot(*dialog, "write_library_dialog");
}

TEST_F(WriteDialog, ExportAllBoxesSelectAndAClickTakesTheChoiceBack) {
    QTreeWidget* upper = dialog->UpperList();
    dialog->UpperAllBox()->click();
    EXPECT_EQ(upper->selectedItems().size(), 9);
    EXPECT_TRUE(dialog->LowerList()->selectedItems().isEmpty());
    dialog->UpperAllBox()->click();
    EXPECT_TRUE(upper->selectedItems().isEmpty());
    dialog->UpperAllBox()->click();
    const QPointF at = upper->visualItemRect(upper->topLevelItem(2)).center();
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent click(type, at, upper->viewport()->mapToGlobal(at), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(upper->viewport(), &click);
    }
    EXPECT_FALSE(dialog->UpperAllBox()->isChecked());
    EXPECT_EQ(upper->selectedItems().size(), 1);
}

TEST_F(WriteDialog, ConfirmNeedsANameAndARowThenWritesTheChosenRows) {
    dialog->OnOK();
    dialog->TargetEdit()->setText(QString::fromStdString(dir.file("std")));
    dialog->OnOK();
    EXPECT_EQ(ui.prompter.texts(), (Strings{library::kNoLibraryNameMessage, library::kNothingChosenMessage}));
    EXPECT_TRUE(dialog->isVisible());

    dialog->LowerAllBox()->click();
    dialog->UpperList()->topLevelItem(2)->setSelected(true);
    ui.prompter.clear();
    ui.prompter.queue(ui::Answer::No);
    dialog->OnOK();
    EXPECT_TRUE(dialog->isVisible()) << "declining the new library keeps the dialog and its choice";
    EXPECT_EQ(dialog->LowerList()->selectedItems().size(), 3);

    dialog->OnOK();
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(library_test::LibraryTables(dir.file("STD.BCL")), (Strings{"简支T梁", "6959", "1221", "4732"}));
    EXPECT_EQ(library_test::LibraryRecords(dir.file("STD.BCL"), "简支T梁")[0][0], "名称=T30");
    EXPECT_EQ(dialog->TargetName(), dir.file("std"));
}

TEST(MergeDialog, GathersSourcesOnceAndBothPaths) {
    QSettings().remove(ui::kDynaSizingSection);
    ui::ScriptedInteraction ui;
    std::vector<Strings> picks = {{"/data/A.BCL", "/data/B.BCL"}, {"/data/A.BCL", "/data/a.BCL"}};
    std::vector<ui::FileRequest> requests;
    library::CMergeLibraryDlg dialog(ui.prompter, ui.files, [&](const ui::FileRequest& r) {
        requests.push_back(r);
        Strings next = picks.front();
        picks.erase(picks.begin());
        return next;
    });
    dialog.show();
    EXPECT_FALSE(dialog.RemoveButton()->isEnabled());
    dialog.OnOK();
    dialog.OnAdd();
    dialog.OnAdd();
    EXPECT_EQ(dialog.Sources(), (Strings{"/data/A.BCL", "/data/B.BCL", "/data/a.BCL"}));
    EXPECT_EQ(requests[0].title, "选择源构件库");
    EXPECT_EQ(requests[0].defaultExtension, "BCL");
    dialog.OnOK();
    ui.files.queue("/data/T.BCL");
    dialog.OnBrowse();
    EXPECT_EQ(ui.files.requests().at(0).title, "选择目标构件库");
    EXPECT_EQ(ui.prompter.texts(), (Strings{library::kNoSourceMessage, library::kNoTargetMessage}));
    Shot(dialog, "merge_library_dialog");

    dialog.SourceList()->item(1)->setSelected(true);
    EXPECT_TRUE(dialog.RemoveButton()->isEnabled());
    dialog.OnRemove();
    EXPECT_EQ(dialog.Sources(), (Strings{"/data/A.BCL", "/data/a.BCL"}));
    dialog.OnOK();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Target(), "/data/T.BCL");
    EXPECT_EQ(QSettings().value(QString(ui::kDynaSizingSection) + "/(check)").toInt(), ui::kDynaSizingCheck);
}

}  // namespace
