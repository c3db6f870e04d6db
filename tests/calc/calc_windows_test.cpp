#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTreeWidget>
#include <filesystem>

#include "calc/phm_file.h"
#include "calc/ui/culvert_dlg.h"
#include "platform/interaction/dyna_sizing.h"
#include "calc/ui/pier_dlg.h"
#include "calc/ui/pier_force_dlg.h"
#include "platform/interaction/scripted.h"
#include "support/test_support.h"
#include "support/window_shot.h"

namespace {

using calc::CProject;
using calc::ui::CCulvertDlg;
using calc::ui::CPierDlg;
using calc::ui::CPierForceDlg;

struct PierInput {
    const char* stake;
    const char* columns;
    const char* height;
    bool circle = false;
    const char* w = "1.2";
    const char* h = "1.5";
    const char* d = "1.4";
};

// Types a pier into the editor and presses OK.
int TypeAndConfirm(CPierDlg& editor, const PierInput& in) {
    editor.m_editStake->setText(in.stake);
    editor.m_editColumns->setText(in.columns);
    editor.m_editHeight->setText(in.height);
    editor.m_editGrade->setText("30");
    (in.circle ? editor.m_radioCircle : editor.m_radioRect)->click();
    editor.m_editW->setText(in.w);
    editor.m_editH->setText(in.h);
    editor.m_editD->setText(in.d);
    editor.OnOK();
    return editor.result();
}

QStringList Row(const QTreeWidget* list, int row) {
    QStringList cells;
    for (int c = 0; c < list->columnCount(); ++c) cells << list->topLevelItem(row)->text(c);
    return cells;
}

class PierWindow : public ::testing::Test {
protected:
    void SetUp() override { QSettings().remove(ui::kDynaSizingSection); }

    // Adds the piers through the editor, as a user does.
    void AddPiers(CPierForceDlg& window, std::vector<PierInput> inputs) {
        for (const auto& in : inputs) {
            window.m_runEditor = [&](CPierDlg& editor) { return TypeAndConfirm(editor, in); };
            window.OnAddPier();
        }
    }
    void Select(CPierForceDlg& window, std::vector<int> rows) {
        window.m_listPiers->clearSelection();
        for (int r : rows) window.m_listPiers->topLevelItem(r)->setSelected(true);
    }

    CProject project;
    ui::ScriptedPrompter prompt;
    ui::ScriptedFileChooser files;
};

TEST_F(PierWindow, StartsWithTheDefaultsAndListsPiersKeptFromAnEarlierOpening) {
    project.m_nGrade = 10;
    project.m_nLanes = 4;
    project.m_dDeltaT = -5;
    calc::CPier kept = CPierDlg::NewPier();
    kept.m_nColumns = 1;
    kept.m_dHeight = 8;
    kept.m_pSection = std::make_unique<calc::CCircle>(1.0);
    project.m_Piers.push_back(kept);

    CPierForceDlg window(project, prompt, files);
    EXPECT_EQ(window.windowTitle(), "桥墩水平力计算 - unnamed");
    EXPECT_EQ(window.m_comboGrade->currentText(), "汽-超20");
    EXPECT_EQ(window.m_comboGrade->count(), 4);
    EXPECT_EQ(window.m_editLanes->text(), "2");
    EXPECT_EQ(window.m_editDeltaT->text(), "30");
    EXPECT_EQ(window.m_editAlpha->text(), "1e-05");
    EXPECT_EQ(project.m_nGrade, 25);
    EXPECT_EQ(project.m_nLanes, 2);
    ASSERT_EQ(window.m_listPiers->topLevelItemCount(), 1);
    EXPECT_EQ(Row(window.m_listPiers, 0).mid(0, 4), (QStringList{"0", "0.000", "1", "8.000"}));
    auto* header = window.m_listPiers->headerItem();
    EXPECT_EQ(header->text(6), "汽车制动水平力(KN)");
    EXPECT_EQ(window.m_listPiers->columnWidth(4), 96);
    EXPECT_EQ(window.m_listPiers->columnWidth(7), 120);
}

// Opened with a project the window offers its piers; piers already in the calculation are replaced only
// when the user says so, and what the project said is shown.
TEST_F(PierWindow, OffersThePiersOfTheOpenProject) {
    CPierForceDlg bare(project, prompt, files);
    EXPECT_TRUE(bare.m_btnFromProject->isHidden());

    CPierForceDlg window(project, prompt, files);
    int asked = 0;
    window.SetPierSource([&](CProject& p, const calc::CPier& newPier) {
        ++asked;
        p.m_Piers.assign(2, newPier);
        p.m_Piers[0].m_dStake = 1020, p.m_Piers[1].m_dStake = 1040;
        for (auto& pier : p.m_Piers) {
            pier.m_nColumns = 2;
            pier.m_dHeight = 7.5;
            pier.m_pSection = std::make_unique<calc::CCircle>(1.3);
        }
        return std::string("已从项目读取2个桥墩。");
    });
    EXPECT_FALSE(window.m_btnFromProject->isHidden());
    window.m_btnFromProject->click();
    EXPECT_EQ(asked, 1);
    ASSERT_EQ(window.m_listPiers->topLevelItemCount(), 2);
    EXPECT_EQ(Row(window.m_listPiers, 1).mid(0, 4), (QStringList{"1", "1040.000", "2", "7.500"}));
    EXPECT_EQ(prompt.texts(), std::vector<std::string>{"已从项目读取2个桥墩。"});
    // The new piers are the editor's: the bearings' shear modulus the editor proposes.
    EXPECT_EQ(project.m_Piers[0].m_dShearModulus, CPierDlg::NewPier().m_dShearModulus);

    prompt.queue(ui::Answer::No);
    window.m_btnFromProject->click();
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(prompt.texts().back(), "用项目中桥墩的桩号、墩柱个数、墩柱高度和截面替换计算中的桥墩？\n混凝土标号和支座保持不变。");
}

TEST_F(PierWindow, AddChangeAndDeleteRecalculateTheList) {
    CPierForceDlg window(project, prompt, files);
    AddPiers(window, {{"0", "2", "8"}, {"20", "1", "9", true}, {"30", "1", "10"}});
    ASSERT_EQ(window.m_listPiers->topLevelItemCount(), 3);
    for (int r = 0; r < 3; ++r) {
        QStringList expected;
        for (const auto& cell : calc::PierListRow(project, r)) expected << QString::fromStdString(cell);
        EXPECT_EQ(Row(window.m_listPiers, r), expected);
    }
    EXPECT_EQ(project.m_Piers[1].SectionType(), calc::CCrossection::kCircle);

    // Change: nothing selected does nothing; two selected is refused; one opens the editor on a copy.
    bool opened = false;
    window.m_runEditor = [&](CPierDlg&) { opened = true; return int(QDialog::Rejected); };
    window.m_listPiers->clearSelection();
    window.OnChangePier();
    EXPECT_FALSE(opened);
    EXPECT_TRUE(prompt.texts().empty());
    Select(window, {0, 2});
    window.OnChangePier();
    EXPECT_FALSE(opened);
    EXPECT_EQ(prompt.texts(), std::vector<std::string>{"一次只能修改一个目标!"});

    Select(window, {1});
    window.m_runEditor = [&](CPierDlg& editor) {
        EXPECT_EQ(editor.m_editStake->text(), "20");
        EXPECT_EQ(editor.m_editHeight->text(), "9");
        EXPECT_EQ(editor.m_editD->text(), "1.4");
        EXPECT_TRUE(editor.m_radioCircle->isChecked());
        EXPECT_TRUE(editor.m_editW->isReadOnly());
        EXPECT_FALSE(editor.m_editD->isReadOnly());
        return TypeAndConfirm(editor, {"20", "1", "9", false, "1.0", "1.0"});
    };
    QString fbBefore = window.m_listPiers->topLevelItem(0)->text(6);
    window.OnChangePier();
    EXPECT_EQ(project.m_Piers[1].SectionType(), calc::CCrossection::kRectangle);
    EXPECT_NE(window.m_listPiers->topLevelItem(0)->text(6), fbBefore);

    // Delete: nothing selected and two selected are refused; deleting pier 0 renumbers the rest.
    prompt.clear();
    window.m_listPiers->clearSelection();
    window.OnDeletePier();
    Select(window, {0, 1});
    window.OnDeletePier();
    EXPECT_EQ(prompt.texts(), (std::vector<std::string>{"没有选择删除目标!", "一次只能删除一个目标!"}));
    ASSERT_EQ(project.m_Piers.size(), 3u);
    QString ftOf20 = window.m_listPiers->topLevelItem(1)->text(4);
    Select(window, {0});
    window.OnDeletePier();
    ASSERT_EQ(window.m_listPiers->topLevelItemCount(), 2);
    EXPECT_EQ(Row(window.m_listPiers, 0).mid(0, 2), (QStringList{"0", "20.000"}));
    EXPECT_EQ(Row(window.m_listPiers, 1).mid(0, 2), (QStringList{"1", "30.000"}));
    EXPECT_NE(window.m_listPiers->topLevelItem(0)->text(4), ftOf20);
}

TEST_F(PierWindow, ParametersRecalculateAsTheyAreTyped) {
    CPierForceDlg window(project, prompt, files);
    AddPiers(window, {{"0", "1", "8"}, {"40", "1", "8"}});
    double fb = project.m_Piers[0].m_dFb, ft = project.m_Piers[0].m_dFt;
    window.m_editLanes->setText("3");
    emit window.m_editLanes->textEdited("3");
    EXPECT_DOUBLE_EQ(project.m_Piers[0].m_dFb, 2 * fb);
    EXPECT_EQ(window.m_listPiers->topLevelItem(0)->text(6), QString::asprintf("%.3f", 2 * fb));
    window.m_editDeltaT->setText("15");
    emit window.m_editDeltaT->textEdited("15");
    EXPECT_DOUBLE_EQ(project.m_Piers[0].m_dFt, ft / 2);
    window.m_comboGrade->setCurrentIndex(0);
    emit window.m_comboGrade->activated(0);
    EXPECT_EQ(project.m_nGrade, 10);
}

TEST_F(PierWindow, TheEditorRefusesAPierThatCannotBeCalculated) {
    CPierDlg editor(CPierDlg::NewPier(), project, prompt);
    EXPECT_EQ(editor.windowTitle(), "桥墩构造");
    EXPECT_EQ(editor.m_editShearModulus->text(), "666");
    EXPECT_EQ(editor.m_editStake->text(), "0");
    EXPECT_TRUE(editor.m_radioRect->isChecked());
    EXPECT_TRUE(editor.m_editD->isReadOnly());
    const std::pair<PierInput, const char*> refused[] = {
        {{"0", "1", "0"}, "墩柱高度必须大于0!"},
        {{"0", "0", "8"}, "墩柱个数必须大于0!"},
        {{"0", "1", "8", false, "0", "1"}, "墩柱截面尺寸必须大于0!"},
        {{"0", "1", "8", true, "1", "1", ""}, "墩柱截面尺寸必须大于0!"},
        {{"12abc", "1", "8"}, "“12abc”不是有效的桩号，请输入数值或K1+190.5形式的桩号。"},
        {{"K1+", "1", "8"}, "“K1+”不是有效的桩号，请输入数值或K1+190.5形式的桩号。"},
    };
    for (const auto& [input, message] : refused) {
        prompt.clear();
        EXPECT_NE(TypeAndConfirm(editor, input), QDialog::Accepted) << message;
        EXPECT_EQ(prompt.texts(), std::vector<std::string>{message});
    }
}

TEST_F(PierWindow, TheStakeIsANumberOrAKilometreStake) {
    const std::pair<const char*, double> stakes[] = {{"K1+190.5", 1190.5}, {" k0+005 ", 5}, {"25.5", 25.5}, {"", 0}};
    for (const auto& [typed, metres] : stakes) {
        CPierDlg editor(CPierDlg::NewPier(), project, prompt);
        EXPECT_EQ(TypeAndConfirm(editor, {typed, "1", "8"}), QDialog::Accepted) << typed;
        EXPECT_EQ(editor.pier().m_dStake, metres) << typed;
    }
    EXPECT_TRUE(prompt.texts().empty());
}

TEST_F(PierWindow, TheReferenceDropDownCopiesAnExistingPier) {
    {
        CPierDlg empty(CPierDlg::NewPier(), project, prompt);
        ASSERT_EQ(empty.m_comboReference->count(), 1);
        EXPECT_EQ(empty.m_comboReference->itemText(0), "没有数据");
        empty.m_editStake->setText("7");
        empty.m_comboReference->setCurrentIndex(0);
        emit empty.m_comboReference->activated(0);
        EXPECT_EQ(empty.m_editStake->text(), "7");
    }
    CPierForceDlg window(project, prompt, files);
    AddPiers(window, {{"0", "2", "8"}, {"25.5", "3", "11", true, "1", "1", "1.6"}});
    CPierDlg editor(CPierDlg::NewPier(), project, prompt);
    ASSERT_EQ(editor.m_comboReference->count(), 2);
    emit editor.m_comboReference->activated(1);
    EXPECT_EQ(editor.m_editStake->text(), "25.5");
    EXPECT_EQ(editor.m_editColumns->text(), "3");
    EXPECT_EQ(editor.m_editD->text(), "1.6");
    EXPECT_EQ(editor.sectionType(), calc::CCrossection::kCircle);
    EXPECT_EQ(editor.m_editShearModulus->text(), "666");
}

TEST_F(PierWindow, SaveAndOpenThroughTheFileChooser) {
    testing_support::TempDir dir;
    CPierForceDlg window(project, prompt, files);
    AddPiers(window, {{"0", "2", "8"}, {"30", "1", "9", true}});
    std::string path = dir.file("abc.phm");
    files.queue(path);
    window.OnSaveFile();
    ASSERT_EQ(files.requests().size(), 1u);
    const auto& request = files.requests()[0];
    EXPECT_TRUE(request.save);
    EXPECT_EQ(request.title, "保存桥墩水平力计算文件");
    EXPECT_EQ(request.defaultExtension, "phm");
    EXPECT_EQ(request.filter, "桥墩水平力计算文件 (*.phm)|*.phm||");
    EXPECT_EQ(window.windowTitle(), QString::fromStdString("桥墩水平力计算 - " + path));
    EXPECT_TRUE(std::filesystem::exists(dir.file("abc.out")));
    QStringList row1 = Row(window.m_listPiers, 1);

    // Another window on another project opens it.
    CProject other;
    CPierForceDlg second(other, prompt, files);
    std::filesystem::copy_file(path, dir.file("UPPER.PHM"));
    files.queue(dir.file("UPPER.PHM"));
    second.OnOpenFile();
    EXPECT_EQ(prompt.texts(), std::vector<std::string>{"文件打开错误!"});
    EXPECT_EQ(second.windowTitle(), "桥墩水平力计算 - unnamed");

    project.m_nGrade = 15;
    project.m_nLanes = 4;
    project.m_dDeltaT = 12.5;
    ASSERT_TRUE(calc::SavePhm(path, project, prompt));
    files.queue(path);
    second.OnOpenFile();
    EXPECT_FALSE(files.requests().back().save);
    EXPECT_EQ(second.windowTitle(), QString::fromStdString("桥墩水平力计算 - " + path));
    EXPECT_EQ(second.m_comboGrade->currentText(), "汽-15");
    EXPECT_EQ(second.m_editLanes->text(), "4");
    EXPECT_EQ(second.m_editDeltaT->text(), "12.5");
    ASSERT_EQ(second.m_listPiers->topLevelItemCount(), 2);
    EXPECT_EQ(Row(second.m_listPiers, 0).mid(0, 4), Row(window.m_listPiers, 0).mid(0, 4));
    EXPECT_NE(Row(second.m_listPiers, 1), row1) << "grade 15 and 4 lanes give other forces";
}

TEST_F(PierWindow, PlacementIsStoredWithItsMarkerAndRestored) {
    {
        CPierForceDlg window(project, prompt, files);
        window.setGeometry(40, 50, 700, 480);  // inside the offscreen screen (800 x 600)
        window.reject();
    }
    QSettings settings;
    settings.beginGroup(ui::kDynaSizingSection);
    EXPECT_EQ(settings.value("(check)").toInt(), 32639);
    EXPECT_EQ(settings.value("Left").toInt(), 40);
    EXPECT_EQ(settings.value("Right").toInt(), 740);
    EXPECT_EQ(settings.value("Bottom").toInt(), 530);
    EXPECT_EQ(settings.value("State").toInt(), 1);
    {
        CPierForceDlg window(project, prompt, files);
        EXPECT_EQ(window.geometry(), QRect(40, 50, 700, 480));
    }
    settings.remove("(check)");
    settings.setValue("Right", 300);
    CPierForceDlg window(project, prompt, files);
    EXPECT_NE(window.width(), 260) << "a placement without the marker is ignored";
}

TEST(CulvertWindow, StartsOneStageAndCalculates) {
    ASSERT_TRUE(QFile::exists(":/pictures/culvert_one_stage.svg"));
    ASSERT_TRUE(QFile::exists(":/pictures/culvert_two_stage.svg"));
    ui::ScriptedPrompter prompt;
    CCulvertDlg dlg(prompt);
    EXPECT_EQ(dlg.windowTitle(), "盖板、圆管涵洞立面实用计算工具");
    EXPECT_FALSE(dlg.m_checkTwoStage->isChecked());
    EXPECT_EQ(dlg.field("B1")->text(), "6.25");
    EXPECT_EQ(dlg.field("H3")->text(), "120.454");
    EXPECT_EQ(dlg.field("Hs")->text(), "0.000");
    for (const char* name : {"H3", "H4", "B3", "B4", "m2", "n2"}) EXPECT_FALSE(dlg.field(name)->isEnabled()) << name;
    EXPECT_EQ(dlg.m_picture->pixmap().size(), QSize(636, 245));

    dlg.OnCalculate();
    EXPECT_TRUE(prompt.texts().empty());
    EXPECT_NEAR(dlg.field("L3")->text().toDouble() + dlg.field("L4")->text().toDouble(), 18.0, 1e-7);
    EXPECT_EQ(dlg.field("H3")->text(), "123.545") << "the values used are shown";
    EXPECT_EQ(dlg.field("B3")->text(), "0");
}

TEST(CulvertWindow, TheSecondStageBoxEnablesAndSubstitutes) {
    ui::ScriptedPrompter prompt;
    CCulvertDlg dlg(prompt);
    QImage one = dlg.m_picture->pixmap().toImage();
    dlg.m_checkTwoStage->setChecked(true);
    for (const char* name : {"H3", "H4", "B3", "B4", "m2", "n2"}) EXPECT_TRUE(dlg.field(name)->isEnabled()) << name;
    EXPECT_NE(dlg.m_picture->pixmap().toImage(), one);
    dlg.field("m2")->setText("2");
    dlg.field("H3")->setText("121");
    dlg.field("m1")->setText("1.25");
    dlg.m_checkTwoStage->setChecked(false);
    EXPECT_EQ(dlg.field("m2")->text(), "1.25");
    EXPECT_EQ(dlg.field("n2")->text(), "1.75");
    EXPECT_EQ(dlg.field("H3")->text(), "121") << "replaced only when calculating";
    dlg.OnCalculate();
    EXPECT_EQ(dlg.field("H3")->text(), "123.545");
}

TEST(CulvertWindow, AZeroDenominatorIsToldAndChangesNoField) {
    ui::ScriptedPrompter prompt;
    CCulvertDlg dlg(prompt);
    dlg.field("m1")->setText("0");
    dlg.field("n1")->setText("0");
    dlg.OnCalculate();
    EXPECT_THAT(prompt.texts(), testing::ElementsAre(testing::HasSubstr("无法计算")));
    EXPECT_EQ(dlg.field("Hs")->text(), "0.000");
}

// The windows filled with a small project; pictures are saved when VELTRA_SHOTS names a folder.
TEST(CalcWindowShots, WindowsShowAFilledProject) {
    using testing_support::Shot;
    ui::ScriptedPrompter prompt;
    ui::ScriptedFileChooser files;
    CProject project;
    CPierForceDlg window(project, prompt, files);
    const PierInput piers[] = {{"1200", "2", "8.5"}, {"1230", "2", "9.2", true}, {"1260", "3", "10.4"}};
    for (const auto& in : piers) {
        window.m_runEditor = [&](CPierDlg& editor) { return TypeAndConfirm(editor, in); };
        window.OnAddPier();
    }
    window.m_listPiers->topLevelItem(1)->setSelected(true);
    window.show();
    EXPECT_EQ(window.m_listPiers->topLevelItemCount(), 3);
    Shot(window, "pier_force_window");
    CPierDlg editor(project.m_Piers[1], project, prompt);
    editor.show();
    Shot(editor, "pier_editor");
    CCulvertDlg culvert(prompt);
    culvert.OnCalculate();
    culvert.show();
    Shot(culvert, "culvert_one_stage");
    CCulvertDlg twoStage(prompt);
    twoStage.m_checkTwoStage->setChecked(true);
    twoStage.OnCalculate();
    twoStage.show();
    Shot(twoStage, "culvert_two_stage");
}

}  // namespace
