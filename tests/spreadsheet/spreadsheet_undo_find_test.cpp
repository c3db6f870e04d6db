// The grid widget's undo, redo and find, driven the way the user drives them: keys, paste, the find bar.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTableView>
#include <memory>

#include "platform/interaction/scripted.h"
#include "platform/spreadsheet/sheet_find_bar.h"
#include "platform/spreadsheet/sheet_model.h"
#include "platform/spreadsheet/spreadsheet.h"

namespace {

using sheet::CellRange;
using sheet::Shift;
using sheet::Spreadsheet;

class UndoGrid : public ::testing::Test {
protected:
    // rows x cols, cell (r, c) holding "r.c", loaded the way windows load (an empty stack to start with).
    void make(int rows, int cols) {
        grid = std::make_unique<Spreadsheet>();
        grid->resize(600, 400);
        grid->beginLoad();
        grid->setRowCount(rows);
        grid->setColumnCount(cols);
        for (int r = 1; r <= rows; ++r)
            for (int c = 1; c <= cols; ++c) grid->setText(r, c, QStringLiteral("%1.%2").arg(r).arg(c));
        grid->endLoad();
        grid->setPrompter(&prompter);
        grid->show();
        QObject::connect(grid.get(), &Spreadsheet::cellChanged,
                         [this](int r, int c) { changed.emplace_back(r, c); });
        QObject::connect(grid.get(), &Spreadsheet::cleanChanged,
                         [this](bool clean) { cleanSignals.push_back(clean); });
        before = snapshot();
    }
    QTableView* view() const { return grid->findChild<QTableView*>(); }
    QLineEdit* editor() const {
        for (auto* e : view()->viewport()->findChildren<QLineEdit*>())
            if (e->isVisible()) return e;
        return nullptr;
    }
    // Offscreen windows never get the focus, so keys go straight to the widget that would have it.
    static void key(QWidget* target, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
                    const QString& text = {}) {
        QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
        QApplication::sendEvent(target, &press);
    }
    void type(const QString& text) {
        for (QChar ch : text)
            key(editor() ? static_cast<QWidget*>(editor()) : view(), 0, Qt::NoModifier, QString(ch));
    }
    struct Snapshot {
        int rows, cols;
        QStringList cells;
        friend bool operator==(const Snapshot&, const Snapshot&) = default;
    };
    Snapshot snapshot() const {
        Snapshot s{grid->rowCount(), grid->columnCount(), {}};
        for (int r = 1; r <= s.rows; ++r)
            for (int c = 1; c <= s.cols; ++c) s.cells << grid->text(r, c);
        return s;
    }
    CellRange current() const {
        return {grid->currentRow(), grid->currentColumn(), grid->currentRow(), grid->currentColumn()};
    }

    std::unique_ptr<Spreadsheet> grid;
    ui::ScriptedPrompter prompter;
    std::vector<std::pair<int, int>> changed;
    std::vector<bool> cleanSignals;
    Snapshot before{};
};

TEST_F(UndoGrid, CtrlZAfterTypingRestoresTheOldTextAndCtrlYTypesItAgain) {
    make(3, 3);
    grid->setCurrentCell(2, 2);
    type(QStringLiteral("新值"));
    ASSERT_NE(editor(), nullptr);
    key(editor(), Qt::Key_Return);
    QApplication::processEvents();  // the delegate commits the editor's text through a queued call
    ASSERT_FALSE(grid->isEditing());
    EXPECT_EQ(grid->text(2, 2), "新值");
    EXPECT_TRUE(grid->undoAction()->isEnabled());

    key(view(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(grid->text(2, 2), "2.2");
    EXPECT_EQ(current(), (CellRange{2, 2, 2, 2}));
    EXPECT_FALSE(grid->undoAction()->isEnabled());
    EXPECT_TRUE(grid->redoAction()->isEnabled());

    key(view(), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(grid->text(2, 2), "新值");
    key(view(), Qt::Key_Z, Qt::ControlModifier);
    key(view(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(grid->text(2, 2), "新值");
    // Undo and redo are announced like the edit itself.
    EXPECT_EQ(changed, (std::vector<std::pair<int, int>>{{2, 2}, {2, 2}, {2, 2}, {2, 2}, {2, 2}}));
    EXPECT_EQ(cleanSignals, (std::vector<bool>{false, true, false, true, false}));
}

// Pastes `text` over `range` as the user's paste does.
void PasteOver(Spreadsheet& g, const CellRange& range, const char* text) {
    QMimeData data;
    data.setText(text);
    g.setSelection(range);
    ASSERT_TRUE(g.pasteMimeData(data));
}

TEST_F(UndoGrid, EachEditOfTheUserIsOneStep) {
    struct Case {
        const char* name;
        std::function<void(Spreadsheet&)> edit;
    };
    const Case cases[] = {
        {"paste growing the rows", [](Spreadsheet& g) { PasteOver(g, {3, 2, 3, 2}, "a\tb\nc\td\ne\tf\n"); }},
        {"paste of one value over a selection", [](Spreadsheet& g) { PasteOver(g, {1, 1, 3, 2}, "x"); }},
        {"cut", [](Spreadsheet& g) { g.setSelection({1, 2, 2, 3}); g.cut(); }},
        {"Delete over a selection", [](Spreadsheet& g) { g.setSelection({2, 1, 3, 3}); g.clearSelectionContents(); }},
        {"insert rows", [](Spreadsheet& g) { ASSERT_TRUE(g.insertRange({2, 1, 3, 1}, Shift::Rows)); }},
        {"delete rows", [](Spreadsheet& g) { ASSERT_TRUE(g.deleteRange({1, 1, 2, 3}, Shift::Rows)); }},
        {"delete cells shifting up", [](Spreadsheet& g) { ASSERT_TRUE(g.deleteRange({1, 2, 1, 2}, Shift::Down)); }},
        {"a command made of several edits",
         [](Spreadsheet& g) {
             Spreadsheet::EditStep step(g);
             g.deleteRange({1, 1, 3, 3}, Shift::Rows);
             g.setRowCount(1);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        make(3, 3);
        c.edit(*grid);
        const Snapshot after = snapshot();
        ASSERT_NE(after, before);
        ASSERT_TRUE(grid->undo());
        EXPECT_EQ(snapshot(), before);
        EXPECT_FALSE(grid->canUndo());  // one step, whatever it did
        EXPECT_TRUE(grid->isUndoClean());
        ASSERT_TRUE(grid->redo());
        EXPECT_EQ(snapshot(), after);
        EXPECT_FALSE(grid->canRedo());
    }
}

TEST_F(UndoGrid, UndoIsAnEditTheFilterMayRefuse) {
    make(3, 3);
    grid->setText(1, 1, "program");  // the program's own writes are no step
    EXPECT_FALSE(grid->canUndo());
    ASSERT_TRUE(grid->editCell(3, 2));
    editor()->setText("typed");
    grid->commitEdit();

    std::vector<std::pair<int, int>> asked;
    bool allow = false;
    grid->setEditStartFilter([&](int row, int col) {
        asked.emplace_back(row, col);
        return allow;
    });
    EXPECT_FALSE(grid->undo());
    EXPECT_EQ(grid->text(3, 2), "typed");
    EXPECT_EQ(asked, (std::vector<std::pair<int, int>>{{3, 2}}));  // asked with the cell the edit was made in
    EXPECT_TRUE(grid->canUndo());

    allow = true;
    EXPECT_TRUE(grid->undo());
    EXPECT_EQ(grid->text(3, 2), "3.2");
    grid->setReadOnly(true);
    EXPECT_FALSE(grid->redo());
    EXPECT_EQ(grid->text(3, 2), "3.2");
}

TEST_F(UndoGrid, ANewEditDropsRedoAndLoadingEmptiesTheStack) {
    make(2, 2);
    grid->setCurrentCell(1, 1);
    QMimeData data;
    data.setText("a");
    grid->pasteMimeData(data);
    grid->undo();
    ASSERT_TRUE(grid->canRedo());
    grid->setSelection({2, 2, 2, 2});
    grid->clearSelectionContents();
    EXPECT_FALSE(grid->canRedo());
    EXPECT_TRUE(grid->canUndo());

    grid->beginLoad();
    grid->setText(1, 1, "reloaded");
    grid->endLoad();
    EXPECT_FALSE(grid->canUndo());
    EXPECT_FALSE(grid->undoAction()->isEnabled());
    EXPECT_TRUE(grid->isUndoClean());
    EXPECT_FALSE(grid->undo());
    EXPECT_EQ(grid->text(1, 1), "reloaded");
}

TEST_F(UndoGrid, ActionsForAWindowMenu) {
    make(1, 1);
    EXPECT_EQ(grid->undoAction()->text(), "撤消");
    EXPECT_EQ(grid->redoAction()->text(), "重做");
    EXPECT_EQ(grid->findAction()->text(), "查找");
    EXPECT_EQ(grid->undoAction()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Z));
    EXPECT_EQ(grid->redoAction()->shortcuts(),
              (QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::Key_Y),
                                   QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)}));
    EXPECT_EQ(grid->findAction()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_F));
    EXPECT_EQ(grid->findNextAction()->shortcut(), QKeySequence(Qt::Key_F3));
    EXPECT_EQ(grid->findPreviousAction()->shortcut(), QKeySequence(Qt::SHIFT | Qt::Key_F3));
    EXPECT_FALSE(grid->undoAction()->isEnabled());
    EXPECT_FALSE(grid->redoAction()->isEnabled());
}

TEST_F(UndoGrid, CtrlFOpensTheFindBarAndF3FindsAgain) {
    make(3, 3);
    grid->setText(3, 1, "K1+200");
    grid->setText(1, 3, "k1+300");
    grid->setCurrentCell(1, 1);
    sheet::SheetFindBar* bar = grid->findBar();
    EXPECT_FALSE(bar->isVisible());
    key(view(), Qt::Key_F3);  // nothing searched yet: the bar opens
    EXPECT_TRUE(bar->isVisible());
    bar->hide();
    key(view(), Qt::Key_F, Qt::ControlModifier);
    ASSERT_TRUE(bar->isVisible());

    auto* text = bar->findChild<QLineEdit*>();
    auto* matchCase = bar->findChild<QCheckBox*>();
    ASSERT_TRUE(text && matchCase);
    EXPECT_EQ(matchCase->text(), "区分大小写");
    text->setText("K1");
    key(text, Qt::Key_Return);
    EXPECT_EQ(current(), (CellRange{1, 3, 1, 3}));  // without case k1 matches too
    key(view(), Qt::Key_F3);
    EXPECT_EQ(current(), (CellRange{3, 1, 3, 1}));
    key(view(), Qt::Key_F3, Qt::ShiftModifier);
    EXPECT_EQ(current(), (CellRange{1, 3, 1, 3}));

    matchCase->setChecked(true);
    for (QPushButton* b : bar->findChildren<QPushButton*>())
        if (b->text() == "下一个") b->click();
    EXPECT_EQ(current(), (CellRange{3, 1, 3, 1}));
    for (QPushButton* b : bar->findChildren<QPushButton*>())
        if (b->text() == "上一个") b->click();
    EXPECT_EQ(current(), (CellRange{3, 1, 3, 1}));  // the only match, found again
    EXPECT_TRUE(prompter.texts().empty());

    EXPECT_FALSE(grid->find("桥墩"));
    EXPECT_EQ(prompter.texts(), (std::vector<std::string>{"找不到“桥墩”。"}));
    EXPECT_EQ(current(), (CellRange{3, 1, 3, 1}));
    key(text, Qt::Key_Escape);
    EXPECT_FALSE(bar->isVisible());
}

}  // namespace
