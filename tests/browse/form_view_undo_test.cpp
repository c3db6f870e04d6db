// The grid editor's undo: the modified flag follows it, the stack lasts until the grid is loaded or saved,
// and a protected table refuses undo as it refuses edits.
#include <gtest/gtest.h>

#include <memory>

#include "platform/spreadsheet/grid_menu.h"
#include "browse/ui/bri_form_view.h"
#include "browse_fixture.h"
#include "platform/spreadsheet/spreadsheet.h"
#include "support/test_support.h"

namespace {

using namespace browse;
using namespace sheet;
using namespace browse_test;

const char* const kOther = "某模块新加的表";

class FormUndoTest : public HostedProjectTest {
protected:
    void SetUp() override { OpenProject({kOther, "伸缩缝信息表"}); }
    CBriFormView& Open(const std::string& table) {
        CBriFormView& view = *host->OpenGridWindow(table);
        QObject::connect(&view, &CBriFormView::modifiedChanged, [this](bool m) { modified.push_back(m); });
        return view;
    }

    std::vector<bool> modified;  // every modifiedChanged
};

TEST_F(FormUndoTest, ModifiedFollowsEditsUndoSaveAndRequery) {
    AddRows(*db, kOther, {{"a", "1", "x"}, {"b", "2", "y"}});
    CBriFormView& view = Open(kOther);
    const Rows loaded = GridRows(view);

    ASSERT_TRUE(Type(view, 2, 2, "5"));
    ASSERT_TRUE(Type(view, 1, 3, "z"));
    EXPECT_EQ(modified, (std::vector<bool>{true}));
    view.Grid().undo();
    EXPECT_TRUE(view.IsModified());
    view.Grid().undo();  // back to what was loaded
    EXPECT_EQ(GridRows(view), loaded);
    EXPECT_FALSE(view.IsModified());
    EXPECT_TRUE(view.Grid().redo());
    EXPECT_EQ(modified, (std::vector<bool>{true, false, true}));

    host->prompter.queue(ui::Answer::Yes);
    ASSERT_TRUE(view.CommitEdits());
    EXPECT_EQ(ReadRows(*db, kOther), (Rows{{"a", "1", "x"}, {"b", "5", "y"}}));
    EXPECT_FALSE(view.Grid().canUndo());  // undo lasts until the grid is saved
    EXPECT_EQ(modified.back(), false);

    // A row command announces no cell; the flag still comes and goes with it.
    view.Grid().setCurrentCell(1, 1);
    view.RunCommand(ID_GRID_INSERT_ROW);
    EXPECT_TRUE(view.IsModified());
    view.Grid().undo();
    EXPECT_FALSE(view.IsModified());
    EXPECT_EQ(view.Grid().rowCount(), 2);
    EXPECT_TRUE(view.Grid().redo());
    EXPECT_TRUE(view.IsModified());
    EXPECT_EQ(view.Grid().rowCount(), 3);

    view.Requery();
    EXPECT_FALSE(view.IsModified());
    EXPECT_FALSE(view.Grid().canUndo());
    EXPECT_EQ(GridRows(view), (Rows{{"a", "1", "x"}, {"b", "5", "y"}}));
    EXPECT_EQ(modified, (std::vector<bool>{true, false, true, false, true, false, true, false}));
}

TEST_F(FormUndoTest, LoadingForgetsTheEditsAndAFailedSaveKeepsThem) {
    AddRows(*db, kOther, {{"a", "1", "x"}, {"b", "2", "y"}});
    CBriFormView& view = Open(kOther);
    ASSERT_TRUE(Type(view, 2, 1, "a"));  // a duplicate first column cannot be saved
    host->prompter.queue(ui::Answer::Yes);
    EXPECT_FALSE(view.CommitEdits());
    EXPECT_TRUE(view.Grid().canUndo());
    view.Grid().undo();
    EXPECT_EQ(view.Grid().textUtf8(2, 1), "b");
    EXPECT_FALSE(view.IsModified());

    ASSERT_TRUE(Type(view, 1, 2, "9"));
    view.Load(kOther);
    EXPECT_FALSE(view.Grid().canUndo());
    EXPECT_FALSE(view.Grid().canRedo());
    EXPECT_FALSE(view.IsModified());
}

TEST_F(FormUndoTest, ProtectedTableRefusesUndoAsItRefusesEdits) {
    AddRows(*db, "伸缩缝信息表", {{"1", "100"}, {"2", "120"}});
    host->advanced = true;
    CBriFormView& view = Open("伸缩缝信息表");
    ASSERT_TRUE(Type(view, 2, 2, "125"));
    host->advanced = false;
    host->prompter.clear();
    EXPECT_FALSE(view.Grid().undo());
    EXPECT_EQ(host->prompter.texts().size(), 1u);  // the table's refusal
    EXPECT_EQ(view.Grid().textUtf8(2, 2), "125");
    EXPECT_TRUE(view.IsModified());
    host->advanced = true;
    EXPECT_TRUE(view.Grid().undo());
    EXPECT_EQ(view.Grid().textUtf8(2, 2), "120");
    EXPECT_FALSE(view.IsModified());
}

}  // namespace
