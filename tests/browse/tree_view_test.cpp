// The table tree over real project files, driven through a fake host and the scripted interaction.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QTreeWidget>
#include <memory>

#include "platform/spreadsheet/grid_menu.h"
#include "browse/table_transfer.h"
#include "browse/ui/bri_tree_view.h"
#include "browse_fixture.h"
#include "platform/spreadsheet/sheet_model.h"
#include "platform/spreadsheet/spreadsheet.h"
#include "projectdb/schema.h"
#include "support/test_support.h"

namespace {

using namespace browse;
using namespace sheet;
using namespace browse_test;
using Names = std::vector<std::string>;

class TreeTest : public HostedProjectTest {
protected:
    void Open(const Names& tables) {
        OpenProject(tables);
        view = std::make_unique<CBriTreeView>(*host);
    }
    // A rename prompt answering from a list; none once the list is used up.
    void AnswerRenames(Names names) {
        auto left = std::make_shared<Names>(std::move(names));
        view->SetRenamePrompt([this, left](const std::string& clash) -> std::optional<std::string> {
            asked.push_back(clash);
            if (left->empty()) return std::nullopt;
            std::string next = left->front();
            left->erase(left->begin());
            return next;
        });
    }

    std::unique_ptr<CBriTreeView> view;
    Names asked;
};

TEST_F(TreeTest, BuildPlacesTablesUnderTheirCategories) {
    Open({"某模块新加的表", "一般信息表", "上构布置信息表", "中板尺寸信息表", "钢束信息表", "桥面铺装信息表",
          "平曲线资料表", "桥型布置图绘图状态表"});
    EXPECT_EQ(view->RootText(), "bridge.vlt");
    EXPECT_EQ(view->TablesUnder("总体信息"), Names{"一般信息表"});
    EXPECT_EQ(view->TablesUnder("桥址信息"), Names{"平曲线资料表"});
    EXPECT_EQ(view->TablesUnder("空心板"), Names{"中板尺寸信息表"});
    EXPECT_EQ(view->TablesUnder("附属构造信息"), Names{"桥面铺装信息表"});
    EXPECT_EQ(view->TablesUnder("其它信息"), (Names{"某模块新加的表", "钢束信息表", "桥型布置图绘图状态表"}));
    EXPECT_EQ(view->CategoryShowing("上构布置信息表"), "");
    // Root, its three top categories and 其它信息, all in the fixed order.
    QTreeWidgetItem* root = view->tree()->topLevelItem(0);
    ASSERT_EQ(root->childCount(), 4);
    EXPECT_TRUE(root->isExpanded());
    EXPECT_EQ(root->child(2)->text(0), "结构信息");
    EXPECT_EQ(root->child(2)->child(1)->child(3)->text(0), "墩台基础");
    EXPECT_FALSE(root->icon(0).isNull());
    EXPECT_FALSE(root->child(2)->child(1)->child(3)->icon(0).pixmap(16, 16).isNull());
}

TEST_F(TreeTest, RefreshRebuildsOneCategoryOnly) {
    Open({"某模块新加的表", "钢束信息表", "中板尺寸信息表"});
    projectdb::EnsureTable(*db, *projectdb::FindTableSchema("一般信息表"));
    projectdb::EnsureTable(*db, *projectdb::FindTableSchema("上构布置信息表"));
    projectdb::EnsureTable(*db, *projectdb::FindTableSchema("边板尺寸信息表"));
    EXPECT_TRUE(view->TablesUnder("总体信息").empty());

    view->RefreshCategory(1);
    EXPECT_EQ(view->TablesUnder("总体信息"), Names{"一般信息表"});
    EXPECT_EQ(view->TablesUnder("空心板"), Names{"中板尺寸信息表"});  // not refreshed
    view->RefreshCategory(11);
    view->RefreshCategory(0);
    EXPECT_EQ(view->TablesUnder("空心板"), Names{"中板尺寸信息表"});

    view->RefreshCategory(12);  // only the three listed tables stay under 其它信息
    EXPECT_EQ(view->TablesUnder("其它信息"), Names{"钢束信息表"});
    view->RefreshCategory(3);
    EXPECT_EQ(view->TablesUnder("空心板"), (Names{"中板尺寸信息表", "边板尺寸信息表"}));
}

TEST_F(TreeTest, OpenTwiceActivatesTheOpenWindow) {
    Open({"中板尺寸信息表"});
    view->OpenTable("中板尺寸信息表");
    view->OpenTable("中板尺寸信息表");
    EXPECT_EQ(host->grids.size(), 1u);
    EXPECT_EQ(host->activated, Names{"中板尺寸信息表"});
    EXPECT_EQ(host->ProjectWindowCount(), 2);
}

TEST_F(TreeTest, DeleteAsksAndGridWindowMayRefuse) {
    Open({"某模块新加的表", "钢束信息表"});
    AddRows(*db, "某模块新加的表", {{"a", "1", "x"}});
    // A grid shows the table with an empty first cell: its close refuses after the save question.
    CBriFormView* grid = host->OpenGridWindow("某模块新加的表");
    grid->Grid().model()->setTextUtf8(1, 1, "");
    grid->RunCommand(ID_GRID_COPY);  // marks the grid modified
    host->prompter.queue(ui::Answer::Yes);  // delete?
    host->prompter.queue(ui::Answer::Yes);  // save?
    EXPECT_FALSE(view->DeleteTable("某模块新加的表"));
    EXPECT_EQ(host->prompter.texts(),
              (Names{"你是否真的要删除表：某模块新加的表?", "《某模块新加的表》中数据已经修改，是否保存到数据库中？",
                     "第一列数据必须赋值！"}));
    EXPECT_EQ(host->prompter.shown()[0].caption, "Lumaris - 警告");
    EXPECT_EQ(host->prompter.shown()[0].buttons, ui::Buttons::YesNo);
    EXPECT_TRUE(db->HasTableDef("某模块新加的表"));
    EXPECT_EQ(view->TablesUnder("其它信息").size(), 2u);

    host->prompter.clear();
    host->prompter.queue(ui::Answer::No);
    EXPECT_FALSE(view->DeleteTable("钢束信息表"));
    EXPECT_TRUE(db->HasTableDef("钢束信息表"));

    host->prompter.queue(ui::Answer::Yes);  // delete?
    host->prompter.queue(ui::Answer::No);   // save? no: the window closes
    EXPECT_TRUE(view->DeleteTable("某模块新加的表"));
    EXPECT_FALSE(db->HasTableDef("某模块新加的表"));
    EXPECT_TRUE(host->grids.empty());
    EXPECT_EQ(view->TablesUnder("其它信息"), Names{"钢束信息表"});
}

TEST_F(TreeTest, DropFromAnotherProjectAsksForANameOnAClash) {
    Open({"某模块新加的表"});
    AddRows(*db, "某模块新加的表", {{"mine", "1", ""}});
    auto other = MakeProject(dir.file("other.vlt"), {"某模块新加的表", "中板尺寸信息表"});
    AddRows(*other, "某模块新加的表", {{"theirs", "2.5", "备注"}, {"more", "3", ""}});
    CBriTreeView source(*host);
    source.SetDatabase(other.get());
    std::unique_ptr<QMimeData> data(source.MimeDataOf("某模块新加的表"));
    ASSERT_TRUE(view->CanDrop(*data));

    AnswerRenames({"某模块新加的表", "", "副本"});  // still clashing, empty, then free
    ASSERT_TRUE(view->DropMimeData(*data));
    EXPECT_EQ(asked, (Names{"某模块新加的表", "某模块新加的表", ""}));
    EXPECT_EQ(ReadRows(*db, "副本"), (Rows{{"theirs", "2.5", "备注"}, {"more", "3", "0"}}));
    EXPECT_EQ(ReadRows(*db, "某模块新加的表"), (Rows{{"mine", "1", "0"}}));
    EXPECT_EQ(db->GetTableDef("副本").fields.size(), 3u);
    EXPECT_EQ(db->GetTableDef("副本").fields[1].m_nType, dao::dbDouble);
    EXPECT_EQ(view->TablesUnder("其它信息"), (Names{"某模块新加的表", "副本"}));

    // No clash: copied under its own name and shown under its category.
    std::unique_ptr<QMimeData> member(source.MimeDataOf("中板尺寸信息表"));
    ASSERT_TRUE(view->DropMimeData(*member));
    EXPECT_EQ(view->TablesUnder("空心板"), Names{"中板尺寸信息表"});
    EXPECT_TRUE(host->prompter.shown().empty());
}

TEST_F(TreeTest, DropEventCopiesOnceTheDragHasEnded) {
    Open({"某模块新加的表"});
    auto other = MakeProject(dir.file("other.vlt"), {"钢束信息表"});
    CBriTreeView source(*host);
    source.SetDatabase(other.get());
    std::unique_ptr<QMimeData> data(source.MimeDataOf("钢束信息表"));
    QWidget* viewport = view->tree()->viewport();
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &drop);
    EXPECT_TRUE(drop.isAccepted());
    EXPECT_FALSE(db->HasTableDef("钢束信息表"));  // not inside the drag
    QApplication::processEvents();
    EXPECT_TRUE(db->HasTableDef("钢束信息表"));
    EXPECT_EQ(view->TablesUnder("其它信息"), (Names{"某模块新加的表", "钢束信息表"}));

    QMimeData text;
    text.setText("钢束信息表");
    QDragEnterEvent refused(QPoint(5, 5), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &refused);
    EXPECT_FALSE(refused.isAccepted());
}

TEST_F(TreeTest, CancelledRenameCopiesNothing) {
    Open({"某模块新加的表"});
    AddRows(*db, "某模块新加的表", {{"a", "1", ""}});
    AnswerRenames({});
    std::unique_ptr<QMimeData> data(view->MimeDataOf("某模块新加的表"));  // its own tree
    EXPECT_FALSE(view->DropMimeData(*data));
    EXPECT_EQ(asked, Names{"某模块新加的表"});
    EXPECT_EQ(db->GetTableDefs().size(), 1u);

    AnswerRenames({"自己的副本"});
    EXPECT_TRUE(view->DropMimeData(*data));
    EXPECT_EQ(ReadRows(*db, "自己的副本"), (Rows{{"a", "1", "0"}}));
}

TEST_F(TreeTest, DropsWithoutTheFormatOrFromAMissingFileCopyNothing) {
    Open({"某模块新加的表"});
    QMimeData text;
    text.setText("某模块新加的表");
    EXPECT_FALSE(view->CanDrop(text));
    EXPECT_FALSE(view->DropMimeData(text));

    QMimeData damaged;
    damaged.setData(kTransferFormat, QByteArray("\x02\x00\x05", 3));
    EXPECT_FALSE(view->DropMimeData(damaged));

    QMimeData missing;
    const std::string bytes = EncodeTransfer({2, dir.file("gone.vlt"), "", "t"});
    missing.setData(kTransferFormat, QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
    EXPECT_FALSE(view->DropMimeData(missing));
    EXPECT_EQ(host->prompter.shown().size(), 1u);  // the database error
    EXPECT_EQ(db->GetTableDefs().size(), 1u);

    CBriTreeView empty(*host);
    empty.SetDatabase(nullptr);
    std::unique_ptr<QMimeData> data(view->MimeDataOf("某模块新加的表"));
    EXPECT_FALSE(empty.CanDrop(*data));
}

TEST_F(TreeTest, CopyToAnotherProjectFile) {
    Open({"某模块新加的表"});
    AddRows(*db, "某模块新加的表", {{"a", "1", ""}});
    MakeProject(dir.file("target.vlt"), {"某模块新加的表"})->Close();

    host->files.queue("");  // cancelled
    EXPECT_FALSE(view->CopyTableToOtherProject("某模块新加的表"));
    host->files.queue(dir.file("target.vlt"));
    AnswerRenames({"来自大桥"});
    EXPECT_TRUE(view->CopyTableToOtherProject("某模块新加的表"));
    const ui::FileRequest& request = host->files.requests().back();
    EXPECT_EQ(request.title, "打开项目文件");
    EXPECT_EQ(request.filter, "桥梁CAD项目文件 (*.vlt)|*.vlt||");
    EXPECT_FALSE(request.save);
    auto target = dao::Database::Open(dir.file("target.vlt"));
    EXPECT_EQ(ReadRows(*target, "来自大桥"), (Rows{{"a", "1", "0"}}));
    EXPECT_EQ(view->TablesUnder("其它信息"), Names{"某模块新加的表"});  // this tree is unchanged
}

TEST_F(TreeTest, SaveAsGivesTheTreeTheNewDatabase) {
    Open({"一般信息表"});
    auto copy = MakeProject(dir.file("renamed.vlt"), {"一般信息表", "钢束信息表"});
    view->SetDatabase(copy.get());
    EXPECT_EQ(view->RootText(), "renamed.vlt");
    EXPECT_EQ(view->TablesUnder("其它信息"), Names{"钢束信息表"});
    view->RenameRoot("/somewhere/else/新名.vlt");
    EXPECT_EQ(view->RootText(), "新名.vlt");
}

}  // namespace

namespace {

TEST_F(TreeTest, ANameThatDiffersOnlyInLetterCaseIsAClash) {
    Open({"abc"});
    auto other = MakeProject(dir.file("other.vlt"), {"ABC"});
    AddRows(*other, "ABC", {{"theirs", "1", ""}});
    CBriTreeView source(*host);
    source.SetDatabase(other.get());
    std::unique_ptr<QMimeData> data(source.MimeDataOf("ABC"));
    AnswerRenames({"Abc", "ABC2"});
    ASSERT_TRUE(view->DropMimeData(*data));
    EXPECT_EQ(asked, (Names{"ABC", "Abc"}));
    EXPECT_EQ(ReadRows(*db, "ABC2"), (Rows{{"theirs", "1", "0"}}));
    EXPECT_TRUE(host->prompter.shown().empty());
}

}  // namespace
