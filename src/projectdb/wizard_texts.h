#pragma once
// Texts, defaults and picture numbers of the new-project wizard and of the dialogs that edit the central
// tables, and the message a page asks its window to show.
#include <string>

#include "platform/interaction/interaction.h"

namespace projectdb {

// A message box a page asks its window to show before it goes on.
struct PageMessage {
    std::string text;
    std::string caption;
    ui::Icon icon = ui::Icon::None;
    bool operator==(const PageMessage&) const = default;
};

inline constexpr const char* kDesignedPartRefused =
    "对于分离式桥梁结构，必须针对左右半桥分别\n建立设计项目。请选择\"左半桥\"或\"右半桥\"。";
inline constexpr const char* kSpansBeforeLength = "请在定义跨径之前先输入跨数!";
inline constexpr const char* kHintCaption = "提示";
inline constexpr const char* kSpanDialogNote = "注：帽梁横坡左低右高为正。";

// The cross-section pictures beside the page-1 offsets.
inline constexpr int kIntegralSectionPicture = 181;
inline constexpr int kDividedSectionPicture = 180;

// Where the wizard remembers page-1 values between projects.
inline constexpr const char* kRememberedSection = "General Information";

// The wizard's file dialog.
inline constexpr const char* kSaveProjectTitle = "保存项目文件";

// Default texts of a support row: the abutment members on the first and last support, the pier members
// between, then depth, deck drop, skew and cross slope on every row.
inline constexpr const char* kAbutmentMembers[4] = {"1类台帽", "肋板式台身", "1类承台", "多排桩基础"};
inline constexpr const char* kPierMembers[4] = {"1类墩帽", "圆形截面柱式墩身", "1类承台", "单排桩基础"};
inline constexpr const char* kSupportValues[4] = {"100", "110", "90", "2"};
inline constexpr const char* kDefaultSkew = "90";

// The first drawing of every list; 清除绘图列表 keeps it.
inline constexpr const char* kBridgeLayoutDrawing = "桥型布置图";

}  // namespace projectdb
