// Windows open whole on the screen, and a message box is wide enough for its title.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>

#include "platform/interaction/on_screen.h"
#include "platform/interaction/qt_interaction.h"

namespace {

TEST(OnScreen, AWindowIsShrunkAndMovedIntoTheFreeArea) {
    const QRect screen(0, 30, 1280, 770);  // a panel of 30 pixels at the top
    const struct {
        QRect frame, expected;
    } cases[] = {
        {{100, 100, 800, 600}, {100, 100, 800, 600}},  // fits: stays
        {{900, 500, 800, 600}, {480, 200, 800, 600}},  // reaches beyond the right and bottom edges
        {{-50, 0, 400, 300}, {0, 30, 400, 300}},       // above the panel, left of the screen
        {{10, 40, 2000, 1200}, {0, 30, 1280, 770}},    // larger than the screen
    };
    for (const auto& c : cases) EXPECT_EQ(ui::FitOnScreen(c.frame, screen), c.expected) << c.frame.x();
}

TEST(OnScreen, TheFilterFitsEveryWindowShown) {
    ui::KeepWindowsOnScreen filter;
    qApp->installEventFilter(&filter);
    QDialog dialog;
    dialog.resize(5000, 4000);
    dialog.move(300, 300);
    dialog.show();
    QApplication::processEvents();
    qApp->removeEventFilter(&filter);
    const QRect available = dialog.screen()->availableGeometry();
    EXPECT_TRUE(available.contains(dialog.frameGeometry())) << dialog.frameGeometry().width();
}

TEST(OnScreen, AMessageBoxIsWideEnoughForItsTitle) {
    const std::string caption = "桥梁墩台水平力计算——连续梁、连续刚构及简支桥面连续桥梁";
    int width = 0, needed = 0;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        width = box->width();
        needed = QFontMetrics(box->font()).horizontalAdvance(box->windowTitle());
        box->buttons().front()->click();
    });
    ui::QtPrompter prompter;
    prompter.message("好", ui::Buttons::Ok, ui::Icon::Information, caption);
    EXPECT_GT(width, needed);
}

}  // namespace
