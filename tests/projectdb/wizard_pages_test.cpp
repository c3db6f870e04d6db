#include <gtest/gtest.h>
#include "platform/dao/field.h"

#include "projectdb/field_rules.h"
#include "projectdb/wizard_model.h"
#include "wizard_test_support.h"

namespace {

using namespace projectdb;
using F = GeneralField;
using Strings = std::vector<std::string>;

GeneralPage FreshGeneralPage() {
    wizard_test::ForgetRememberedValues();
    return GeneralPage::NewProject();
}

Strings SheetColumn(const TextSheet& sheet, int column) {
    Strings out;
    for (int r = 0; r < sheet.rows(); ++r) out.push_back(sheet.cell(r, column));
    return out;
}

Strings Headers(const TextSheet& sheet) {
    Strings out;
    for (int r = 0; r < sheet.rows(); ++r) out.push_back(sheet.header(r));
    return out;
}

TEST(GeneralPage, TransectTypeDrivesWidthsOffsetsAndControls) {
    struct Case {
        std::string type;
        std::vector<std::pair<F, std::string>> typed;  // after the type was chosen
        std::string b, c1, c2, b2, part;
        bool offsetsEnabled, partEnabled, b2ReadOnly;
        int picture;
    } cases[] = {
        // integral: B0 forced to 0, the offsets are still computed from the half widths
        {"整体式",
         {{F::LeftBridgeWidth, "7"}, {F::RightBridgeWidth, "5"}},
         "12.000000",
         "3.500000",
         "2.500000",
         "5",
         "全桥",
         false,
         false,
         false,
         181},
        // halves alike: B2 follows B1 whatever was typed into it
        {"分离式(左右半桥相同)",
         {{F::LeftBridgeWidth, "7"}, {F::RightBridgeWidth, "5"}, {F::DividerWidth, "1"}},
         "15.000000",
         "4.000000",
         "4.000000",
         "7",
         "全桥",
         true,
         false,
         true,
         180},
        {"分离式(左右半桥不同)",
         {{F::LeftBridgeWidth, "7"}, {F::RightBridgeWidth, "5"}, {F::DividerWidth, "1"}},
         "13.000000",
         "4.000000",
         "3.000000",
         "5",
         "左半桥",
         true,
         true,
         false,
         180},
        // numbers are read the C library's way: "7.5m" is 7.5, "" is 0
        {"分离式(左右半桥不同)",
         {{F::LeftBridgeWidth, "7.5m"}, {F::RightBridgeWidth, ""}},
         "7.500000",
         "3.750000",
         "0.000000",
         "",
         "左半桥",
         true,
         true,
         false,
         180},
    };
    for (const auto& c : cases) {
        GeneralPage page = FreshGeneralPage();
        page.SetTransectType(c.type);
        for (const auto& [field, text] : c.typed) page.SetText(field, text);
        SCOPED_TRACE(c.type);
        EXPECT_EQ(page.text(F::BridgeWidth), c.b);
        EXPECT_EQ(page.text(F::RoadWidth), c.b);
        EXPECT_EQ(page.text(F::Dist2), c.c1);
        EXPECT_EQ(page.text(F::Dist1), c.c2);
        EXPECT_EQ(page.text(F::RightBridgeWidth), c.b2);
        EXPECT_EQ(page.text(F::LeftOrRight), c.part);
        EXPECT_EQ(page.DividerAndOffsetsEnabled(), c.offsetsEnabled);
        EXPECT_EQ(page.DesignedPartEnabled(), c.partEnabled);
        EXPECT_EQ(page.RightWidthReadOnly(), c.b2ReadOnly);
        EXPECT_EQ(page.SectionPicture(), c.picture);
    }

    // Back to integral after a divided layout: B0 and the offsets are reset before the widths follow.
    GeneralPage page = FreshGeneralPage();
    page.SetTransectType("分离式(左右半桥不同)");
    page.SetText(F::DividerWidth, "2");
    page.SetTransectType("整体式");
    EXPECT_EQ(page.text(F::DividerWidth), "0");
    EXPECT_EQ(page.text(F::BridgeWidth), "12.000000");
    // A change of B itself is copied into 路基宽度.
    page.SetText(F::BridgeWidth, "30");
    EXPECT_EQ(page.text(F::RoadWidth), "30");
}

TEST(GeneralPage, WholeBridgeIsRefusedOnlyForDifferingHalves) {
    const PageMessage refused{
        "对于分离式桥梁结构，必须针对左右半桥分别\n建立设计项目。请选择\"左半桥\"或\"右半桥\"。", "",
        ui::Icon::None};
    struct Case {
        std::string type, before, choice;
        bool refusedExpected;
        std::string after;
    } cases[] = {
        {"分离式(左右半桥不同)", "右半桥", "全桥", true, "右半桥"},
        {"分离式(左右半桥不同)", "左半桥", "全桥", true, "左半桥"},
        {"分离式(左右半桥不同)", "左半桥", "右半桥", false, "右半桥"},
        {"分离式(左右半桥相同)", "全桥", "全桥", false, "全桥"},
        {"整体式", "全桥", "全桥", false, "全桥"},
    };
    for (const auto& c : cases) {
        GeneralPage page = FreshGeneralPage();
        page.SetTransectType(c.type);
        ASSERT_EQ(page.ChooseDesignedPart(c.before), std::nullopt);
        auto message = page.ChooseDesignedPart(c.choice);
        EXPECT_EQ(message.has_value(), c.refusedExpected) << c.type << c.choice;
        if (message) {
            EXPECT_EQ(*message, refused);
        }
        EXPECT_EQ(page.text(F::LeftOrRight), c.after) << c.type << c.choice;
    }
}

TEST(GeneralPage, ApplyByFieldNameRefusesWithoutChanging) {
    struct Case {
        std::vector<std::pair<std::string, std::string>> values;
        std::string refusal;  // empty: accepted
    } cases[] = {
        {{{"Nonsense", "1"}}, "一般信息表中没有字段“Nonsense”。"},
        {{{"DeptName", "甲"}, {"TransectType", "拱桥"}},
         "字段“TransectType”的值“拱桥”不是可选的值（整体式、分离式(左右半桥相同)、分离式(左右半桥不同)）。"},
        {{{"LeftOrRight", "全桥"}, {"TransectType", "分离式(左右半桥不同)"}},
         "对于分离式桥梁结构，必须针对左右半桥分别\n建立设计项目。请选择\"左半桥\"或\"右半桥\"。"},
        {{{"LeftOrRight", "右半桥"}, {"TransectType", "分离式(左右半桥不同)"}, {"DividerWidth", "2"}}, ""},
    };
    for (const auto& c : cases) {
        GeneralPage page = FreshGeneralPage();
        const auto before = page.texts();
        auto refusal = page.Apply(c.values);
        EXPECT_EQ(refusal.value_or(""), c.refusal);
        if (refusal) {
            EXPECT_EQ(page.texts(), before);
        }
    }
    // The type is chosen before the part, whatever the order given.
    GeneralPage page = FreshGeneralPage();
    ASSERT_FALSE(page.Apply(
        {{"LeftOrRight", "右半桥"}, {"TransectType", "分离式(左右半桥不同)"}, {"DividerWidth", "2"}}));
    EXPECT_EQ(page.text(F::LeftOrRight), "右半桥");
    EXPECT_EQ(page.text(F::Dist2), "4.000000");
}

TEST(GeneralPage, FieldsThePageFixesAreAcceptedOnlyAsThePageHasThem) {
    struct Case {
        std::vector<std::pair<std::string, std::string>> values;
        std::string refusal;
    } cases[] = {
        // a record printed by `general` goes back whole
        {{{"BridgeWidth", "12"},
          {"RoadWidth", "12"},
          {"Dist1", "3"},
          {"Dist2", "3"},
          {"DividerWidth", "0"},
          {"LeftOrRight", "全桥"}},
         ""},
        {{{"BridgeWidth", "40"}}, "字段“BridgeWidth”由页面确定为“12.000000”，不能填写为“40”。"},
        {{{"DividerWidth", "2"}}, "字段“DividerWidth”由页面确定为“0”，不能填写为“2”。"},
        {{{"LeftOrRight", "左半桥"}}, "字段“LeftOrRight”由页面确定为“全桥”，不能填写为“左半桥”。"},
        {{{"TransectType", "分离式(左右半桥相同)"}, {"LeftBridgeWidth", "7"}, {"RightBridgeWidth", "5"}},
         "字段“RightBridgeWidth”由页面确定为“7”，不能填写为“5”。"},
        {{{"TransectType", "分离式(左右半桥相同)"}, {"LeftBridgeWidth", "7"}, {"RightBridgeWidth", "7.0"}},
         ""},
    };
    for (const auto& c : cases) {
        GeneralPage page = FreshGeneralPage();
        EXPECT_EQ(page.Apply(c.values).value_or(""), c.refusal);
    }
}

TEST(GeneralPage, RememberedValuesReplaceTheInitialOnesWhenNotEmpty) {
    wizard_test::ForgetRememberedValues();
    registry::WriteSetting(kRememberedSection, "Department", "甲设计院");
    registry::WriteSetting(kRememberedSection, "Left Half Bridge Width", "7.5");
    GeneralPage page = GeneralPage::NewProject();
    EXPECT_EQ(page.text(F::DeptName), "甲设计院");
    EXPECT_EQ(page.text(F::BridgeName), "XXXX大桥");
    EXPECT_EQ(page.text(F::BridgeWidth), "13.500000");

    page.SetText(F::BridgeName, "乙大桥");
    page.SetText(F::Dist3, "1.25");
    page.Remember();
    EXPECT_EQ(registry::ReadSetting(kRememberedSection, "Bridge"), "乙大桥");
    EXPECT_EQ(registry::ReadSetting(kRememberedSection, "Dist3"), "1.25");
    EXPECT_EQ(registry::ReadSetting(kRememberedSection, "Right Half Bridge Width"), "6");
    wizard_test::ForgetRememberedValues();
}

TEST(SpanPage, SheetsFollowTheBoxesAtTheirMoments) {
    SpanPage page = SpanPage::NewProject();
    const TextSheet& sections = page.sheet(SpanSheet::Sections);
    const TextSheet& supports = page.sheet(SpanSheet::Supports);
    const TextSheet& joints = page.sheet(SpanSheet::Joints);

    page.SetBoxText(SpanBox::SectSum, "3");
    EXPECT_EQ(page.OnFocusBox(SpanBox::SectSum).show, SpanSheet::Sections);
    EXPECT_EQ(Headers(sections), (Strings{"1", "2", "3"}));
    EXPECT_EQ(SheetColumn(sections, section_col::kType), (Strings{"装配式简支空心板桥", "", ""}));
    page.SetBoxText(SpanBox::SectSum, "0");
    page.OnFocusBox(SpanBox::SectSum);
    EXPECT_EQ(sections.rows(), 1);

    // Spans: one row per support; stakes where the list has them, skew 90, other cells kept.
    page.OnCellEdited(SpanSheet::Supports, 1, support_col::kSkew, "75");
    page.SetBoxText(SpanBox::SpanSum, "3");
    EXPECT_EQ(page.OnFocusBox(SpanBox::SpanSum).show, SpanSheet::Supports);
    EXPECT_EQ(Headers(supports), (Strings{"0", "1", "2", "3"}));
    EXPECT_EQ(SheetColumn(supports, support_col::kStake), (Strings{"0.000", "20.000", "", ""}));
    EXPECT_EQ(SheetColumn(supports, support_col::kSkew), (Strings{"90", "90", "90", "90"}));
    EXPECT_EQ(SheetColumn(supports, support_col::kCap), (Strings{"1类台帽", "1类台帽", "", ""}));
    page.SetBoxText(SpanBox::SpanSum, "0");
    page.OnFocusBox(SpanBox::SpanSum);
    EXPECT_EQ(supports.rows(), 2);

    // Joints: the first at stake 0, the last at the stake of the last support, those between kept.
    page.SetBoxText(SpanBox::SpanSum, "1");
    page.SetBoxText(SpanBox::JointSum, "3");
    EXPECT_EQ(page.OnFocusBox(SpanBox::JointSum).show, SpanSheet::Joints);
    EXPECT_EQ(SheetColumn(joints, joint_col::kStake), (Strings{"0.000", "20", "20.000"}));
    page.SetBoxText(SpanBox::JointSum, "0");
    page.OnFocusBox(SpanBox::JointSum);
    EXPECT_EQ(SheetColumn(joints, joint_col::kStake), (Strings{"0.000", "20.000"}));

    SpanUpdate stakeFocus = page.OnFocusBox(SpanBox::StartStake);
    EXPECT_EQ(stakeFocus.show, SpanSheet::Joints);
    EXPECT_EQ(stakeFocus.sheets, (std::array<bool, 3>{}));
    EXPECT_EQ(page.OnFocusBox(SpanBox::CenterStake), SpanUpdate{});
}

TEST(SpanPage, StakesFollowTheSectionsAndTheStartStake) {
    SpanPage page = SpanPage::NewProject();
    page.SetBoxText(SpanBox::StartStake, "100");
    page.SetBoxText(SpanBox::SectSum, "2");
    page.OnFocusBox(SpanBox::SectSum);
    page.OnCellEdited(SpanSheet::Sections, 0, section_col::kSpans, "3");
    EXPECT_EQ(page.boxText(SpanBox::SpanSum), "3");
    SpanUpdate update = page.OnCellEdited(SpanSheet::Sections, 0, section_col::kLength, "16");
    EXPECT_TRUE(update.boxes);
    page.OnCellEdited(SpanSheet::Sections, 1, section_col::kType, "装配式简支T梁桥");
    page.OnCellEdited(SpanSheet::Sections, 1, section_col::kSpans, "2.9");  // fractions are cut off
    page.OnCellEdited(SpanSheet::Sections, 1, section_col::kLength, "20");
    EXPECT_EQ(page.stakes(), (Strings{"100.000", "116.000", "132.000", "148.000", "168.000", "188.000"}));
    EXPECT_EQ(page.boxText(SpanBox::SpanSum), "5");

    page.OnFocusBox(SpanBox::SpanSum);
    EXPECT_EQ(SheetColumn(page.sheet(SpanSheet::Supports), support_col::kStake), page.stakes());
    page.OnFocusBox(SpanBox::JointSum);
    EXPECT_EQ(SheetColumn(page.sheet(SpanSheet::Joints), joint_col::kStake), (Strings{"100.000", "188.000"}));

    // A new start stake moves every stake and every joint; the first joint is the start stake.
    page.SetBoxText(SpanBox::JointSum, "3");
    page.OnFocusBox(SpanBox::JointSum);
    page.OnCellEdited(SpanSheet::Joints, 1, joint_col::kStake, "148");
    SpanUpdate moved = page.SetBoxText(SpanBox::StartStake, "50");
    EXPECT_TRUE(moved.sheets[static_cast<int>(SpanSheet::Joints)]);
    EXPECT_EQ(page.stakes(), (Strings{"50.000", "66.000", "82.000", "98.000", "118.000", "138.000"}));
    EXPECT_EQ(SheetColumn(page.sheet(SpanSheet::Joints), joint_col::kStake),
              (Strings{"50.000", "98.000", "138.000"}));
}

TEST(SpanPage, EditRules) {
    SpanPage page = SpanPage::NewProject();
    page.SetBoxText(SpanBox::SectSum, "2");
    page.OnFocusBox(SpanBox::SectSum);
    page.OnCellEdited(SpanSheet::Sections, 1, section_col::kSpans, "0");
    using K = EditStart::Kind;
    struct Case {
        SpanSheet sheet;
        int row, column;
        K kind;
    } cases[] = {
        {SpanSheet::Sections, 0, section_col::kType, K::DropDown},
        {SpanSheet::Sections, 0, section_col::kSpans, K::Type},
        {SpanSheet::Sections, 0, section_col::kLength, K::Type},
        {SpanSheet::Sections, 1, section_col::kLength, K::Refused},  // no spans yet
        {SpanSheet::Supports, 0, support_col::kStake, K::Type},
        {SpanSheet::Supports, 0, support_col::kCap, K::Refused},
        {SpanSheet::Supports, 1, support_col::kBody, K::Refused},
        {SpanSheet::Supports, 1, support_col::kConnect, K::Refused},
        {SpanSheet::Supports, 1, support_col::kFoundation, K::Refused},
        {SpanSheet::Supports, 1, support_col::kDepth, K::Type},
        {SpanSheet::Joints, 0, joint_col::kStake, K::Refused},
        {SpanSheet::Joints, 1, joint_col::kStake, K::Type},
    };
    for (const auto& c : cases)
        EXPECT_EQ(page.OnEditStart(c.sheet, c.row, c.column).kind, c.kind)
            << static_cast<int>(c.sheet) << "," << c.row << "," << c.column;

    EditStart type = page.OnEditStart(SpanSheet::Sections, 0, section_col::kType);
    EXPECT_EQ(type.choices,
              "装配式简支空心板桥;装配式简支T梁桥;简支等截面箱梁桥;简支变截面箱梁桥;连续等截面箱梁桥;"
              "连续变截面箱梁桥");
    EXPECT_EQ(type.preselect, "装配式简支空心板桥");
    EditStart length = page.OnEditStart(SpanSheet::Sections, 1, section_col::kLength);
    EXPECT_EQ(length.message, (PageMessage{"请在定义跨径之前先输入跨数!", "提示", ui::Icon::Stop}));
    EXPECT_EQ(length.moveTo, (std::pair{1, section_col::kSpans}));
    EXPECT_EQ(page.OnEditStart(SpanSheet::Joints, 0, 0).focusBox, SpanBox::StartStake);
    EXPECT_FALSE(page.OnEditStart(SpanSheet::Supports, 0, support_col::kCap).message);
    EXPECT_EQ(page.MemberChoiceAt(support_col::kFoundation), MemberKind::Foundation);
    EXPECT_EQ(page.MemberChoiceAt(support_col::kSkew), std::nullopt);
}

TEST(SpanPage, ClickIntoAnotherSheetRebuildsTheSupports) {
    SpanPage page = SpanPage::NewProject();
    page.OnCellEdited(SpanSheet::Supports, 0, support_col::kCap, "2类台帽");
    EXPECT_EQ(page.OnSheetActivated(SpanSheet::Sections), SpanUpdate{});  // the sheet clicked last
    page.OnCellEdited(SpanSheet::Sections, 0, section_col::kSpans, "3");
    page.OnSheetActivated(SpanSheet::Supports);
    const TextSheet& supports = page.sheet(SpanSheet::Supports);
    EXPECT_EQ(SheetColumn(supports, support_col::kCap),
              (Strings{"1类台帽", "1类墩帽", "1类墩帽", "1类台帽"}));
    EXPECT_EQ(SheetColumn(supports, support_col::kBody),
              (Strings{"肋板式台身", "圆形截面柱式墩身", "圆形截面柱式墩身", "肋板式台身"}));
    EXPECT_EQ(SheetColumn(supports, support_col::kFoundation),
              (Strings{"多排桩基础", "单排桩基础", "单排桩基础", "多排桩基础"}));
    EXPECT_EQ(SheetColumn(supports, support_col::kStake), (Strings{"0.000", "20.000", "40.000", "60.000"}));
    EXPECT_EQ(SheetColumn(supports, support_col::kSlope), (Strings{"2", "2", "2", "2"}));
    EXPECT_EQ(SheetColumn(page.sheet(SpanSheet::Joints), 0), (Strings{"0.000", "60.000"}));
}

TEST(SpanPage, PasteIsCutAtTheSheetEdgeAndRecomputedOnce) {
    SpanPage page = SpanPage::NewProject();
    page.SetBoxText(SpanBox::SectSum, "2");
    page.OnFocusBox(SpanBox::SectSum);
    SpanUpdate update = page.OnCellsPasted(SpanSheet::Sections, 0, section_col::kSpans,
                                           {{"2", "10", "ignored"}, {"1", "5"}, {"9", "9"}});
    EXPECT_TRUE(update.boxes);
    EXPECT_EQ(page.sheet(SpanSheet::Sections).rows(), 2);
    EXPECT_EQ(page.stakes(), (Strings{"0.000", "10.000", "20.000", "25.000"}));
    EXPECT_EQ(page.boxText(SpanBox::SpanSum), "3");
}

TEST(DrawingCandidates, EqualSpansMergeExceptBoxGirders) {
    struct Case {
        std::vector<Strings> sections;
        std::vector<SuperstructureCandidate> expected;
    } cases[] = {
        {{{"装配式简支空心板桥", "2", "20"},
          {"装配式简支T梁桥", "1", "30"},
          {"装配式简支空心板桥", "1", "20"}},
         {{"装配式简支空心板桥", "1,2,4", "20.0"}, {"装配式简支T梁桥", "3", "30.0"}}},
        {{{"装配式简支空心板桥", "1", "16"}, {"装配式简支空心板桥", "1", "20.26"}},
         {{"装配式简支空心板桥", "1", "16.0"}, {"装配式简支空心板桥", "2", "20.3"}}},
        {{{"连续等截面箱梁桥", "3", "40"}},
         {{"连续等截面箱梁桥", "1", "40.0"},
          {"连续等截面箱梁桥", "2", "40.0"},
          {"连续等截面箱梁桥", "3", "40.0"}}},
        {{{"装配式简支T梁桥", "0", "30"}, {"装配式简支T梁桥", "2.9", "30"}},
         {{"装配式简支T梁桥", "1,2", "30.0"}}},
    };
    for (const auto& c : cases) {
        TextSheet sections(section_col::kCount);
        sections.assign(c.sections, 1);
        EXPECT_EQ(SuperstructureCandidates(sections), c.expected);
    }

    TextSheet supports(support_col::kCount);
    const Strings abutment{"0", "1类台帽", "肋板式台身", "1类承台", "多排桩基础"};
    const Strings pier{"0", "1类墩帽", "圆形截面柱式墩身", "1类承台", "单排桩基础"};
    supports.assign({abutment, pier, pier, abutment}, 0);
    EXPECT_EQ(SubstructureCandidates(supports),
              (std::vector<SubstructureCandidate>{{"1类台帽,肋板式台身,1类承台,多排桩基础", "0,3"},
                                                  {"1类墩帽,圆形截面柱式墩身,1类承台,单排桩基础", "1,2"}}));
}

// Three spans of 20 m from the start stake 0: supports at 0, 20, 40 and 60, without a click into the
// supports sheet.
TEST(SpanPage, TheSupportsFollowTheSectionsAtOnce) {
    SpanPage page = SpanPage::NewProject();
    SpanUpdate update = page.OnCellEdited(SpanSheet::Sections, 0, section_col::kSpans, "3");
    EXPECT_TRUE(update.sheets[static_cast<int>(SpanSheet::Supports)]);
    EXPECT_TRUE(update.sheets[static_cast<int>(SpanSheet::Joints)]);
    EXPECT_EQ(SheetColumn(page.sheet(SpanSheet::Supports), support_col::kStake),
              (Strings{"0.000", "20.000", "40.000", "60.000"}));
    EXPECT_EQ(SheetColumn(page.sheet(SpanSheet::Supports), support_col::kCap),
              (Strings{"1类台帽", "1类墩帽", "1类墩帽", "1类台帽"}));
    EXPECT_EQ(SheetColumn(page.sheet(SpanSheet::Joints), joint_col::kStake), (Strings{"0.000", "60.000"}));
    page.OnCellEdited(SpanSheet::Sections, 0, section_col::kLength, "25");
    EXPECT_EQ(SheetColumn(page.sheet(SpanSheet::Supports), support_col::kStake),
              (Strings{"0.000", "25.000", "50.000", "75.000"}));
    // A type is no layout: the supports stay as they are.
    page.OnCellEdited(SpanSheet::Supports, 1, support_col::kDepth, "300");
    EXPECT_FALSE(page.OnCellEdited(SpanSheet::Sections, 0, section_col::kType, "装配式简支T梁桥")
                     .sheets[static_cast<int>(SpanSheet::Supports)]);
    EXPECT_EQ(page.sheet(SpanSheet::Supports).cell(1, support_col::kDepth), "300");
}

// Page 3 shown again after the spans changed on page 2: the default rows follow; rows the user made or
// changed stay, and a new row never takes a file name the list already has.
TEST(DrawingPage, DefaultRowsFollowTheSpansWhenShownAgain) {
    SpanPage spans = SpanPage::NewProject();
    DrawingPage untouched, edited;
    untouched.OnShown(spans, true);
    edited.OnShown(spans, true);
    ASSERT_EQ(SheetColumn(edited.drawings(), drawing_col::kTitle),
              (Strings{"桥型布置图", "空心板一般构造图(1跨)", "桥台一般构造图(0,1号)"}));
    edited.OnCellEdited(0, drawing_col::kScale, "200");
    edited.OnCellEdited(3, drawing_col::kTitle, "钢筋明细表");
    edited.OnCellEdited(3, drawing_col::kFile, "Draw3");

    spans.OnCellEdited(SpanSheet::Sections, 0, section_col::kSpans, "3");
    untouched.OnShown(spans, true);
    edited.OnShown(spans, true);
    const Strings fresh{"桥型布置图", "空心板一般构造图(1,2,3跨)", "桥台一般构造图(0,3号)", "桥墩一般构造图(1,2号)"};
    EXPECT_EQ(SheetColumn(untouched.drawings(), drawing_col::kTitle), fresh);
    EXPECT_EQ(SheetColumn(untouched.drawings(), drawing_col::kFile), (Strings{"Draw1", "Draw2", "Draw3", "Draw4"}));
    EXPECT_EQ(SheetColumn(edited.drawings(), drawing_col::kTitle),
              (Strings{"桥型布置图", "钢筋明细表", "空心板一般构造图(1,2,3跨)", "桥台一般构造图(0,3号)",
                       "桥墩一般构造图(1,2号)"}));
    EXPECT_EQ(SheetColumn(edited.drawings(), drawing_col::kFile),
              (Strings{"Draw1", "Draw3", "Draw4", "Draw5", "Draw6"}));
    EXPECT_EQ(edited.drawings().cell(0, drawing_col::kScale), "200");
    EXPECT_EQ(Headers(edited.drawings()), (Strings{"1", "2", "3", "4", "5"}));
}

TEST(DrawingPage, DefaultRowsAddAndClear) {
    wizard_test::ForgetRememberedValues();
    NewProjectWizard wizard;
    wizard.OnDrawingPageShown();
    const TextSheet& rows = wizard.drawings().drawings();
    auto row = [&](int r) {
        Strings out;
        for (int c = 0; c < drawing_col::kCount; ++c) out.push_back(rows.cell(r, c));
        return out;
    };
    ASSERT_EQ(rows.rows(), 3);
    EXPECT_EQ(row(0), (Strings{"桥型布置图", "Draw1", "桥型布置图", "A3", "100", "100", "图标1", "不绘制"}));
    EXPECT_EQ(row(1), (Strings{"空心板一般构造图(1跨)", "Draw2", "上构一般构造图", "A3", "100", "100",
                               "图标1", "不绘制"}));
    EXPECT_EQ(row(2), (Strings{"桥台一般构造图(0,1号)", "Draw3", "下构一般构造图", "A3", "100", "100",
                               "图标1", "不绘制"}));

    // Back on page 2: a box-girder section and piers; the default rows the user left alone follow them.
    SpanPage& spans = wizard.spans();
    spans.OnCellEdited(SpanSheet::Sections, 0, section_col::kType, "简支变截面箱梁桥");
    spans.OnCellEdited(SpanSheet::Sections, 0, section_col::kSpans, "2");
    spans.OnSheetActivated(SpanSheet::Supports);
    wizard.OnDrawingPageShown();
    EXPECT_EQ(SheetColumn(rows, drawing_col::kTitle),
              (Strings{"桥型布置图", "简支变截面箱梁一般构造图(1跨)", "简支变截面箱梁一般构造图(2跨)",
                       "桥台一般构造图(0,2号)", "桥墩一般构造图(1号)"}));

    DrawingPage& page = wizard.drawings();
    page.ClearDrawingList();
    EXPECT_EQ(SheetColumn(rows, drawing_col::kTitle), (Strings{"桥型布置图"}));
    page.AddToDrawingList({1, 0}, {1});
    page.AddToDrawingList({1}, {1, 0});  // listed titles are not added twice
    EXPECT_EQ(SheetColumn(rows, drawing_col::kTitle),
              (Strings{"桥型布置图", "简支变截面箱梁一般构造图(2跨)", "简支变截面箱梁一般构造图(1跨)",
                       "桥墩一般构造图(1号)", "桥台一般构造图(0,2号)"}));
    EXPECT_EQ(SheetColumn(rows, drawing_col::kFile), (Strings{"Draw1", "Draw2", "Draw3", "Draw4", "Draw5"}));

    EXPECT_EQ(page.OnEditStart(0, drawing_col::kSheetSize).choices, "A0;A1;A2;A3;A4");
    EXPECT_EQ(page.OnEditStart(0, drawing_col::kType).kind, EditStart::Kind::DropDown);
    EXPECT_EQ(page.ChoiceAt(drawing_col::kTitleBlock), DrawingChoice::TitleBlock);
    EXPECT_EQ(page.ChoiceAt(drawing_col::kSignOff), DrawingChoice::SignOff);
}

TEST(DrawingPage, TitlesOfLongBridgesFitTheirField) {
    struct Case {
        Strings lengths;  // one span each, in order
        std::string superTitle;
    } cases[] = {
        {Strings(200, "20"), "空心板一般构造图(1-200跨)"},
        // 239 characters but 259 bytes: it fits as it is
        {[] {
             Strings l;
             for (int i = 0; i < 142; ++i) l.push_back(i % 2 ? "16" : "20");
             return l;
         }(),
         [] {
             std::string t = "空心板一般构造图(1";
             for (int n = 3; n <= 141; n += 2) t += "," + std::to_string(n);
             return t + "跨)";
         }()},
        // every other span: no runs to shorten, the list is cut at a number and ends with 等
        {[] {
             Strings l;
             for (int i = 0; i < 200; ++i) l.push_back(i % 2 ? "16" : "20");
             return l;
         }(),
         ""},
    };
    for (const auto& c : cases) {
        SpanPage spans = SpanPage::NewProject();
        std::vector<Strings> sections;
        for (const auto& length : c.lengths) sections.push_back({"装配式简支空心板桥", "1", length});
        SpanInput input;
        input.sections = sections;
        ASSERT_FALSE(spans.Apply(input));
        DrawingPage page;
        page.OnShown(spans, true);
        const std::string title = page.drawings().cell(1, drawing_col::kTitle);
        EXPECT_LE(dao::CharacterCount(title), 255) << title;
        if (!c.superTitle.empty()) {
            EXPECT_EQ(title, c.superTitle);
        } else {
            EXPECT_EQ(title.rfind("空心板一般构造图(1,3,5,", 0), 0u) << title;
            EXPECT_EQ(title.substr(title.size() - 7), "等跨)") << title;
        }
        EXPECT_EQ(page.drawings().cell(page.drawings().rows() - 1, drawing_col::kTitle),
                  "桥墩一般构造图(1-" + std::to_string(c.lengths.size() - 1) + "号)");
    }
}

// A count typed into a box sizes the sheets; a count no bridge has gives sheets at the limit and a message
// before anything is written, never a sheet of millions of rows.
TEST(SpanPage, CountsBeyondTheLimitSizeNoSheetBeyondIt) {
    struct Case {
        SpanBox box;
        SpanSheet sheet;
        int rowsAtMost;
        std::string message;
    } cases[] = {
        {SpanBox::SectSum, SpanSheet::Sections, 10000, "全桥分段数为 2000000000，最多 10000。"},
        {SpanBox::SpanSum, SpanSheet::Supports, 10001, "全桥分跨数为 2000000000，最多 10000。"},
        {SpanBox::JointSum, SpanSheet::Joints, 10001, "全桥伸缩缝条数为 2000000000，最多 10001。"},
    };
    for (const auto& c : cases) {
        SpanPage page = SpanPage::NewProject();
        EXPECT_EQ(CheckSpanCounts(page), std::nullopt);
        page.SetBoxText(c.box, "2000000000");
        page.OnFocusBox(c.box);
        page.OnSheetActivated(SpanSheet::Joints);
        EXPECT_LE(page.sheet(c.sheet).rows(), c.rowsAtMost);
        EXPECT_EQ(CheckSpanCounts(page), c.message);
    }
    // Spans typed into a section: the stakes stop at the limit, the sum is still told.
    SpanPage page = SpanPage::NewProject();
    page.OnCellEdited(SpanSheet::Sections, 0, section_col::kSpans, "2000000000");
    EXPECT_EQ(page.stakes().size(), size_t(kMaxSpans + 1));
    EXPECT_EQ(page.stakes().back(), "200000.000");
    EXPECT_NE(CheckSpanCounts(page), std::nullopt);
}

}  // namespace
