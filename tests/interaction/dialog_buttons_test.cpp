// The 确定 / 取消 row: Chinese texts whatever Qt's translation, 确定 handing over to the dialog's own check,
// 取消 closing, and the simple dialog's widgets stacked in order above the row.
#include <gtest/gtest.h>

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLayout>
#include <QPushButton>

#include "platform/interaction/dialog_buttons.h"

namespace {

TEST(DialogButtons, OkRunsTheDialogsCheckWhichDecidesWhetherItCloses) {
    QDialog dialog;
    int checks = 0;
    bool letClose = false;
    QDialogButtonBox* buttons = ui::OkCancelButtons(&dialog, [&] {
        ++checks;
        if (letClose) dialog.accept();
    });
    EXPECT_EQ(buttons->button(QDialogButtonBox::Ok)->text(), "确定");
    EXPECT_EQ(buttons->button(QDialogButtonBox::Cancel)->text(), "取消");

    dialog.show();
    buttons->button(QDialogButtonBox::Ok)->click();  // a refused check leaves the dialog open
    EXPECT_EQ(checks, 1);
    EXPECT_TRUE(dialog.isVisible());
    letClose = true;
    buttons->button(QDialogButtonBox::Ok)->click();
    EXPECT_EQ(checks, 2);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);

    dialog.show();
    buttons->button(QDialogButtonBox::Cancel)->click();
    EXPECT_EQ(checks, 2);  // 取消 checks nothing
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

TEST(DialogButtons, WithoutACheckOkAccepts) {
    QDialog dialog;
    QDialogButtonBox* buttons = ui::OkCancelButtons(&dialog);
    dialog.show();
    buttons->button(QDialogButtonBox::Ok)->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST(DialogButtons, ASimpleDialogStacksItsWidgetsAboveTheRow) {
    QDialog dialog;
    auto* first = new QLabel("一", &dialog);
    auto* second = new QLabel("二", &dialog);
    QDialogButtonBox* buttons = ui::StackAboveOkCancel(&dialog, {first, second}, [&] { dialog.accept(); });
    ASSERT_NE(dialog.layout(), nullptr);
    ASSERT_EQ(dialog.layout()->count(), 3);
    EXPECT_EQ(dialog.layout()->itemAt(0)->widget(), first);
    EXPECT_EQ(dialog.layout()->itemAt(1)->widget(), second);
    EXPECT_EQ(dialog.layout()->itemAt(2)->widget(), buttons);
}

}  // namespace
