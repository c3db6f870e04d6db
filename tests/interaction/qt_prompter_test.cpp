#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMessageBox>
#include <QTimer>
#include <functional>

#include "platform/interaction/qt_interaction.h"

namespace {

// Runs `poke` on the message box once it is up, then answers it with the button whose text starts with
// `answerText` (when the box is still open).
void WhileBoxIsUp(const std::function<void(QMessageBox&)>& poke, const QString& answerText, bool* stillOpen) {
    QTimer::singleShot(0, [=] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        poke(*box);
        QApplication::processEvents();
        *stillOpen = box->isVisible();
        if (!box->isVisible()) return;
        for (QAbstractButton* b : box->buttons())
            if (b->text().startsWith(answerText)) b->click();
    });
}

void PressEscape(QMessageBox& box) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(&box, &press);
}

void CloseFromTitleBar(QMessageBox& box) {
    QCloseEvent close;
    QApplication::sendEvent(&box, &close);
    if (close.isAccepted()) box.hide();
}

TEST(QtPrompter, AYesNoQuestionIsNotDismissedByEscapeOrTheCloseButton) {
    struct Case {
        const char* name;
        void (*poke)(QMessageBox&);
    };
    for (const Case& c : {Case{"Esc", PressEscape}, Case{"close", CloseFromTitleBar}}) {
        SCOPED_TRACE(c.name);
        ui::QtPrompter prompter;
        bool stillOpen = false;
        WhileBoxIsUp(c.poke, "是", &stillOpen);
        EXPECT_EQ(prompter.message("数据已经修改，是否保存？", ui::Buttons::YesNo), ui::Answer::Yes);
        EXPECT_TRUE(stillOpen);
    }
}

TEST(QtPrompter, EscapeStillCancelsWhereTheBoxOffersCancel) {
    ui::QtPrompter prompter;
    bool stillOpen = true;
    WhileBoxIsUp(PressEscape, "是", &stillOpen);
    EXPECT_EQ(prompter.message("继续？", ui::Buttons::YesNoCancel), ui::Answer::Cancel);
    EXPECT_FALSE(stillOpen);
}

}  // namespace
