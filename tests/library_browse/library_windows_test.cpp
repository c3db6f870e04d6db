// The library view, the manager with its editor, and the cross-section chooser, driven as a user would,
// with scripted messages and a recording viewer.
#include <gtest/gtest.h>

#include <QDir>
#include <QMenu>
#include <QPushButton>
#include <QSettings>
#include <QTreeWidget>
#include <filesystem>

#include "library/ui/component_data_dialog.h"
#include "library/ui/cross_section_chooser.h"
#include "library/ui/library_manager_dialog.h"
#include "library/ui/library_view_dialog.h"
#include "library_fixture.h"
#include "platform/interaction/scripted.h"
#include "platform/spreadsheet/spreadsheet.h"
#include "platform/text/gbk.h"
#include "support/window_shot.h"

namespace {

using namespace library;
using namespace library_test;
using Texts = std::vector<std::string>;

using testing_support::Shot;

Texts Children(QTreeWidget* tree) {
    Texts names;
    QTreeWidgetItem* root = tree->topLevelItem(0);
    for (int i = 0; i < root->childCount(); ++i) names.push_back(root->child(i)->text(0).toStdString());
    return names;
}

Texts Headers(QTreeWidget* list) {
    Texts headers;
    for (int i = 0; i < list->columnCount(); ++i) headers.push_back(list->headerItem()->text(i).toStdString());
    return headers;
}

class LibraryWindowsTest : public ::testing::Test {
protected:
    void SetUp() override {
        QSettings().clear();
        ViewerCalls().clear();
        path = dir.file("BRIDGES.BCL");
        db = dao::Database::Create(path);
        CreateHollowSlabTable(*db);
        Insert(*db, "简支空心板", HollowSlabRecord("空心板20", "多边形", 1));
        Insert(*db, "简支空心板", HollowSlabRecord("空心板13", "圆端形", 1));
        Insert(*db, "简支空心板", HollowSlabRecord("空心板16", "多边形", 1));
        CreateSubstructure1111(*db);
        Insert(*db, "1111", {"'1类墩帽'", "'矩形截面柱式墩身'",
                             "'桩帽'",    "'单排桩基础'",
                             "1050",      "160",
                             "120",       "40",
                             "30",        "160",
                             "25",        "30",
                             "30",        "30",
                             "2",         "120",
                             "130",       "500",
                             "'矩形'",    "150",
                             "150",       "120",
                             "2",         "150",
                             "3000",      "500"});
        CreateSingleCellTable(*db);
        Insert(*db, "单箱单室", SingleCellRecord("跨中", "连续等截面箱梁", 10));
        Insert(*db, "单箱单室", SingleCellRecord("支点", "连续等截面箱梁", 20));
        Insert(*db, "单箱单室", SingleCellRecord("跨中", "连续等截面箱梁", 30));
    }
    LibraryDialogServices Services() { return {prompt, files, loader, {}}; }

    testing_support::TempDir dir;
    std::string path;
    std::unique_ptr<dao::Database> db;
    ui::ScriptedPrompter prompt;
    ui::ScriptedFileChooser files;
    RecordingViewerLoader loader;
};

TEST_F(LibraryWindowsTest, ViewShowsTheOverviewTheEntriesAndPreviewsARow) {
    CLibraryViewDlg view(path, Services());
    EXPECT_EQ(view.windowTitle().toStdString(), "查看构件库 - [" + path + "]");
    EXPECT_EQ(view.tree()->topLevelItem(0)->text(0).toStdString(), "当前构件库");
    EXPECT_EQ(Children(view.tree()), (Texts{"1111", "简支空心板"}));
    EXPECT_EQ(Headers(view.list()), (Texts{"构件类型", "构件个数", "构件组成"}));
    ASSERT_EQ(view.list()->topLevelItemCount(), 2);
    EXPECT_EQ(view.list()->topLevelItem(1)->text(1).toStdString(), "3");
    // The code stays the table's name; its members are named beside it.
    EXPECT_EQ(view.list()->topLevelItem(0)->text(0).toStdString(), "1111");
    EXPECT_EQ(view.list()->topLevelItem(0)->text(2).toStdString(), "1类墩帽、矩形截面柱式墩身、桩帽、单排桩基础");
    view.resize(900, 420);
    Shot(view, "library_overview");

    // A double-click on an overview row opens that table.
    QTreeWidgetItem* slabs = view.list()->topLevelItem(1);
    view.list()->setCurrentItem(slabs);
    emit view.list()->itemDoubleClicked(slabs, 0);
    EXPECT_EQ(view.SelectedTable(), "简支空心板");
    EXPECT_EQ(Headers(view.list()).at(2), "板高 H");
    EXPECT_EQ(view.list()->topLevelItem(0)->text(0).toStdString(), "空心板13");
    view.resize(900, 420);
    Shot(view, "library_view");

    view.OnPreview();
    EXPECT_EQ(prompt.texts(), Texts{"请在列表中选择一项。"});
    view.SelectRow(0);  // the round-ended cavity
    view.OnPreview();
    EXPECT_EQ(prompt.texts().back(), "系统目前尚不能预览内腔为圆端形的空心板。");
    EXPECT_TRUE(ViewerCalls().empty());
    view.SelectRow(1);
    emit view.list()->itemDoubleClicked(view.list()->topLevelItem(1), 0);
    ASSERT_EQ(ViewerCalls().size(), 1u);
    EXPECT_EQ(ViewerCalls()[0].values.size(), 27u);
    EXPECT_EQ(ViewerCalls()[0].values[0], "空心板16");
    EXPECT_EQ(view.SelectedRow(), 1);  // the row stays selected after the viewer returns
}

TEST_F(LibraryWindowsTest, ManagerDeletesChangesAndAddsTheRecordsItsRowsShow) {
    std::vector<Texts> editorStarts;
    std::optional<Texts> answer;
    EntryEditor editor = [&](const Texts& captions, const Texts& values, const std::string&) {
        EXPECT_EQ(captions.size(), values.size());
        editorStarts.push_back(values);
        return answer;
    };
    CLibraryManagerDlg manager(path, Services(), nullptr, editor);
    EXPECT_EQ(Children(manager.tree()), (Texts{"1111", "单箱单室", "简支空心板"}));
    auto buttons = manager.findChildren<QPushButton*>();
    auto button = [&](const char* text) {
        for (QPushButton* b : buttons)
            if (b->text() == QString::fromUtf8(text)) return b;
        return static_cast<QPushButton*>(nullptr);
    };
    EXPECT_FALSE(button("删除(&D)")->isEnabled());
    EXPECT_EQ(manager.CreateEntryMenu(), nullptr);  // no pop-up at the root

    ASSERT_TRUE(manager.SelectTable("简支空心板"));
    EXPECT_TRUE(button("删除(&D)")->isEnabled());
    std::unique_ptr<QMenu> menu(manager.CreateEntryMenu());
    ASSERT_TRUE(menu);
    EXPECT_EQ(menu->actions().size(), 4);

    manager.OnDelete();
    EXPECT_EQ(prompt.texts(), Texts{"请在列表中选择一项。"});
    // Listed 13, 16, 20; stored 20, 13, 16. The second row is 16.
    manager.SelectRow(1);
    prompt.queue(ui::Answer::No);
    manager.OnDelete();
    EXPECT_EQ(prompt.texts().back(), "此项操作将永久地删除构件库中的选定记录。\n您确定要删除吗？");
    EXPECT_EQ(FirstFields(*db, "简支空心板").size(), 3u);
    prompt.queue(ui::Answer::Yes);
    manager.OnDelete();
    EXPECT_EQ(FirstFields(*db, "简支空心板"), (Texts{"空心板20", "空心板13"}));
    EXPECT_EQ(manager.list()->topLevelItemCount(), 2);

    // Change the second row (空心板20): the list and the record take the edited values.
    manager.SelectRow(1);
    Texts edited = manager.RowTexts(1);
    edited[1] = "2000";
    answer = edited;
    manager.OnEdit();
    EXPECT_EQ(manager.list()->topLevelItem(1)->text(1).toStdString(), "2000");
    EXPECT_EQ(ReadEntries(*db, "简支空心板", TableSelection::Manager).rows[1][1], "2000");

    // Add: the editor starts from the last row; cancelling adds nothing.
    answer.reset();
    manager.OnAdd();
    EXPECT_EQ(editorStarts.back(), edited);
    EXPECT_EQ(FirstFields(*db, "简支空心板").size(), 2u);
    edited[0] = "空心板10";
    answer = edited;
    manager.OnAdd();
    EXPECT_EQ(FirstFields(*db, "简支空心板").back(), "空心板10");
    EXPECT_EQ(manager.list()->topLevelItemCount(), 3);
    EXPECT_EQ(manager.SelectedRow(), 0);  // listed by name, the new entry comes first
    EXPECT_EQ(manager.RowTexts(0)[0], "空心板10");

    // An empty table starts the editor with empty values.
    CreateTable(*db, "简支T梁", {{"名称", "TEXT(255)"}, {"跨径", "DOUBLE"}});
    CLibraryManagerDlg again(path, Services(), nullptr, editor);
    ASSERT_TRUE(again.SelectTable("简支T梁"));
    answer.reset();
    again.OnAdd();
    EXPECT_EQ(editorStarts.back(), (Texts{"", ""}));
}

TEST_F(LibraryWindowsTest, ManagerPreviewLeavesTheValueListInTheCurrentFolder) {
    std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::current_path(dir.path());
    {
        CLibraryManagerDlg manager(path, Services());
        ASSERT_TRUE(manager.SelectTable("1111"));
        manager.SelectRow(0);
        manager.OnManagerPreview();
    }
    std::filesystem::current_path(before);
    ASSERT_EQ(ViewerCalls().size(), 1u);
    std::string expected;
    for (const std::string& value : ViewerCalls()[0].values) expected += value + "\r\n";
    EXPECT_EQ(testing_support::ReadBytes(dir.file("ComponentData.txt")), text::ToGbk(expected));
    EXPECT_EQ(ViewerCalls()[0].values.size(), 4u + 22u);
}

TEST_F(LibraryWindowsTest, EditorKeepsTheRowsThatNameTheEntry) {
    CLibraryManagerDlg manager(path, Services());
    ASSERT_TRUE(manager.SelectTable("1111"));
    Texts captions = Headers(manager.list());
    CComponentDataDlg editor(captions, manager.RowTexts(0), "1111", files);
    EXPECT_EQ(editor.windowTitle().toStdString(), "构件数据");
    EXPECT_EQ(editor.grid()->rowHeaderText(5).toStdString(), "F1");
    editor.show();
    for (int row = 1; row <= 4; ++row) {
        editor.grid()->editCell(row, 1);
        EXPECT_FALSE(editor.grid()->isEditing()) << row;
    }
    editor.grid()->editCell(5, 1);
    EXPECT_TRUE(editor.grid()->isEditing());
    editor.grid()->commitEdit();
    editor.grid()->setText(5, 1, "1100");
    EXPECT_EQ(editor.Values()[4], "1100");
    EXPECT_EQ(editor.Values()[0], "1类墩帽");
    Texts previewed;
    editor.SetPreview([&](const Texts& values) { previewed = values; });
    editor.OnPreview();
    EXPECT_EQ(previewed, editor.Values());

    manager.SelectRow(0);
    manager.resize(900, 420);
    manager.show();
    editor.show();
    Shot(manager, "library_manager");
    Shot(editor, "component_data");
}

TEST_F(LibraryWindowsTest, ChooserNeedsOneSectionOfEachKind) {
    CCrossSectionChooser chooser(path, "连续等截面箱梁", prompt);
    EXPECT_EQ(Children(chooser.tree()), Texts{"单箱单室"});
    EXPECT_EQ(Headers(chooser.midSpanList()), (Texts{"断面类型", "满足条件的断面个数"}));
    EXPECT_EQ(chooser.midSpanList()->topLevelItem(0)->text(1).toStdString(), "2");
    EXPECT_EQ(chooser.supportList()->topLevelItem(0)->text(1).toStdString(), "1");
    chooser.OnOK();
    EXPECT_EQ(prompt.texts(), Texts{"请分别在“跨中断面”和“支点断面”列表中选择一项。"});

    ASSERT_TRUE(chooser.SelectTable("单箱单室"));
    ASSERT_EQ(chooser.midSpanList()->topLevelItemCount(), 2);
    chooser.midSpanList()->topLevelItem(1)->setSelected(true);
    chooser.OnOK();
    EXPECT_EQ(prompt.texts().size(), 2u);
    chooser.supportList()->topLevelItem(0)->setSelected(true);
    chooser.resize(900, 440);
    Shot(chooser, "cross_section_chooser");
    chooser.OnOK();
    EXPECT_EQ(chooser.result(), QDialog::Accepted);
    EXPECT_EQ(chooser.Result().kind, "单箱单室");
    ASSERT_EQ(chooser.Result().values.size(), 34u);
    EXPECT_EQ(chooser.Result().values[0], "30");
    EXPECT_EQ(chooser.Result().values[17], "20");
}

TEST_F(LibraryWindowsTest, AFileThatIsNoLibraryLeavesTheDialogEmpty) {
    std::string bad = dir.file("README.BCL");
    testing_support::WriteBytes(bad, "text");
    CLibraryManagerDlg manager(bad, Services());
    EXPECT_FALSE(manager.HasLibrary());
    EXPECT_EQ(prompt.texts(), Texts{bad + " 不是合法的构件库文件"});
    EXPECT_EQ(manager.windowTitle().toStdString(), "管理构件库");
    EXPECT_TRUE(Children(manager.tree()).empty());
    EXPECT_EQ(testing_support::ReadBytes(bad), "text");
}

TEST_F(LibraryWindowsTest, PlacementIsKeptWithItsMarker) {
    {
        CLibraryViewDlg view(path, Services());
        view.setGeometry(20, 40, 600, 400);
        view.done(QDialog::Rejected);
    }
    QSettings settings;
    settings.beginGroup("DynaSizingComponent");
    EXPECT_EQ(settings.value("(check)").toInt(), 32639);
    CLibraryManagerDlg manager(path, Services());
    EXPECT_EQ(manager.geometry().width(), 600);
}

TEST_F(LibraryWindowsTest, CommandsAskForALibraryAndOpenNoDialogWithoutOne) {
    files.queue("");  // cancelled
    RunLibraryViewCommand(nullptr, Services());
    ASSERT_EQ(files.requests().size(), 1u);
    EXPECT_EQ(files.requests()[0].title, "选择构件库");
    EXPECT_EQ(files.requests()[0].filter, "桥梁CAD构件库文件 (*.BCL)|*.BCL||");
    EXPECT_EQ(files.requests()[0].defaultExtension, "BCL");
    EXPECT_TRUE(prompt.texts().empty());

    std::string bad = dir.file("EMPTY.BCL");
    testing_support::WriteBytes(bad, "");
    files.queue(bad);
    RunLibraryManagerCommand(nullptr, Services());  // told, and no dialog waits for the user
    EXPECT_EQ(prompt.texts(), Texts{bad + " 不是合法的构件库文件"});
}

TEST(ViewerModule, ExportsTheEntryThePreviewCalls) {
    modules::SharedLibraryLoader loader(VELTRA_MODULES_DIR);
    long error = 0;
    std::unique_ptr<modules::LoadedModule> viewer = loader.Load("GLViewer.dll", error);
    ASSERT_TRUE(viewer) << error;
    EXPECT_NE(viewer->Resolve("OpenGLView"), nullptr);
}

}  // namespace
