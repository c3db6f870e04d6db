#include <gtest/gtest.h>

#include <QDir>
#include <QPainter>
#include <QPixmap>
#include <QRadioButton>

#include "platform/dao/recordset.h"
#include "platform/interaction/scripted.h"
#include "platform/spreadsheet/spreadsheet.h"
#include "projectdb/schema.h"
#include "projectdb/ui/assembly_dialog.h"
#include "projectdb/ui/member_type_dialog.h"
#include "projectdb/ui/member_type_picture.h"
#include "projectdb/wizard_model.h"
#include "support/test_support.h"
#include "projectdb/wizard_test_support.h"
#include "support/window_shot.h"

namespace {

using namespace projectdb;
using Strings = std::vector<std::string>;

using testing_support::SavePicture;

void Shot(QWidget& window, const QString& name) { SavePicture(window.grab(), name); }

QStringList Headings(sheet::Spreadsheet& grid) {
    QStringList texts{grid.cornerText()};
    for (int c = 1; c <= grid.columnCount(); ++c) texts << grid.columnHeaderText(c);
    return texts;
}

TEST(AssemblyWindow, ShowsTheThreeSheetsAndWritesOnOk) {
    testing_support::TempDir dir;
    auto db = wizard_test::NewWizardProject(dir.file("bridge.vlt"));
    db->Execute("Update [下构布置信息表] Set CapToBodyY = 1.5, CapToBodyX = 2.0 Where PierAbutNum = 1;");
    ::ui::ScriptedFileChooser files;
    CAssemblyDlg dialog(*db, files);
    dialog.show();
    sheet::Spreadsheet& grid = *dialog.Grid();
    ASSERT_EQ(grid.sheetCount(), 3);
    EXPECT_EQ(grid.currentSheet(), 1);
    EXPECT_EQ(grid.sheetName(1), "顺桥向");
    EXPECT_EQ(grid.sheetName(2), "横桥向");
    EXPECT_EQ(grid.sheetName(3), "竖向");
    EXPECT_EQ(Headings(grid), (QStringList{"墩台编号", "桥面接缝中心至帽梁中心距离", "帽梁中心至墩台身中心距离",
                                           "墩台身中心至连接构造中心距离", "连接构造中心至基础中心距离"}));
    EXPECT_EQ(grid.rowCount(), 2);
    EXPECT_EQ(grid.rowHeaderText(2), "1");
    EXPECT_EQ(grid.text(2, 2), "1.5");
    Shot(dialog, "assembly_dialog");
    grid.setCurrentSheet(2);
    EXPECT_EQ(grid.text(2, 2), "2");
    grid.setCurrentSheet(3);
    EXPECT_EQ(Headings(grid), (QStringList{"墩台编号", "帽梁顶面至桥面高差", "基础埋深(至地面高差)"}));
    EXPECT_EQ(grid.text(1, 1), "110");

    grid.setText(1, 1, "80");
    dialog.OnOK();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(dialog.Wrote());
    auto rows = wizard_test::ReadRows(*db,
                                      "Select DistToDeck, CapToBodyY, CapToBodyX From [下构布置信息表] "
                                      "ORDER BY [下构布置信息表].PierAbutNum;");
    EXPECT_EQ(rows, (wizard_test::Rows{{"80", "0", "0"}, {"110", "1.5", "2"}}));
}

TEST(AssemblyWindow, ARecordThatCannotBeWrittenKeepsTheDialogOpen) {
    testing_support::TempDir dir;
    auto db = wizard_test::NewWizardProject(dir.file("bridge.vlt"));
    ::ui::ScriptedFileChooser files;
    CAssemblyDlg dialog(*db, files);
    dialog.show();
    dialog.Grid()->setText(2, 4, "x");
    dialog.OnOK();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(dialog.Wrote());  // the first support was rewritten
}

TEST(AssemblyWindow, NoPiersGivesEmptySheetsAndOkCloses) {
    testing_support::TempDir dir;
    auto db = dao::Database::Create(dir.file("bridge.vlt"));
    RecreateCentralTable(*db, *FindTableSchema(kSubLayoutTable));
    ::ui::ScriptedFileChooser files;
    CAssemblyDlg dialog(*db, files);
    dialog.show();
    for (int s = 1; s <= 3; ++s) {
        dialog.Grid()->setCurrentSheet(s);
        EXPECT_EQ(dialog.Grid()->rowCount(), 0);
    }
    dialog.OnOK();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(dialog.Wrote());
}

TEST(MemberTypeWindows, OpeningAndClickingShowTheCheckedTypesPicture) {
    struct Case {
        MemberChoice kind;
        const char* given;    // the type the record holds
        const char* checked;  // the button that shows checked
        const char* picture;
        int width;  // of the picture, in pixels
    };
    const Case cases[] = {
        {MemberChoice::Foundation, "无", "无", "", 163},
        {MemberChoice::Foundation, "管桩", "单排桩基础", "found_single_pile_row.svg", 163},
        {MemberChoice::BentCap, "3类墩帽", "3类墩帽", "cap_pier_3.svg", 278},
        {MemberChoice::Connection, "1类承台", "1 类承台", "connect_pile_cap_1.svg", 163},
        {MemberChoice::TitleBlock, "图标2", "图标2", "title_block_2.svg", 470},
        {MemberChoice::SignOff, "不绘制", "不绘制", "sign_off_field.svg", 220},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.given);
        CMemberTypeDlg dialog(c.kind, c.given);
        QString checked;
        for (QRadioButton* button : dialog.Buttons())
            if (button->isChecked()) checked = button->text();
        EXPECT_EQ(checked, c.checked);
        ASSERT_TRUE(dialog.Picture());
        EXPECT_EQ(dialog.Picture()->Picture(), c.picture);
        EXPECT_EQ(dialog.Picture()->ImageWidth(), c.width);
    }
    CMemberTypeDlg dialog(MemberChoice::Connection, "桩帽");
    dialog.Buttons()[1]->click();
    EXPECT_EQ(dialog.Picture()->Picture(), "connect_tie_beam.svg");
    EXPECT_EQ(dialog.TypeName(), "系梁");
    EXPECT_FALSE(CMemberTypeDlg(MemberChoice::Structure, "装配式简支T梁桥").Picture());
}

// Every list with every one of its types checked, saved as one picture per list to look at.
TEST(MemberTypeWindows, EveryTypeWithItsPicture) {
    for (int k = 0; k <= static_cast<int>(MemberChoice::SignOff); ++k) {
        auto kind = static_cast<MemberChoice>(k);
        const auto& options = MemberChoiceListOf(kind).options;
        std::vector<QPixmap> shots;
        for (const MemberTypeOption& option : options) {
            if (!option.picture.empty()) {
                EXPECT_GT(CTypePicture::HeightAt(QString::fromStdString(option.picture), 100), 0) << option.picture;
            }
            CMemberTypeDlg dialog(kind, option.name);
            dialog.show();
            shots.push_back(dialog.grab());
        }
        // Side by side, three to a row.
        const QSize cell = shots.front().size();
        const int across = std::min<int>(3, shots.size());
        const int down = (static_cast<int>(shots.size()) + across - 1) / across;
        QPixmap sheet(cell.width() * across, cell.height() * down);
        sheet.fill(Qt::darkGray);
        QPainter painter(&sheet);
        for (int i = 0; i < static_cast<int>(shots.size()); ++i)
            painter.drawPixmap((i % across) * cell.width(), (i / across) * cell.height(), shots[i]);
        painter.end();
        SavePicture(sheet, QString("member_types_%1").arg(k));
    }
}

}  // namespace
