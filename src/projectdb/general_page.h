#pragma once
// Page 1 of the new-project wizard and the 一般信息 dialog: the eighteen values of 一般信息表 as texts,
// with the rules that tie the transect type, the half widths and the offsets together.
#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/dao/database.h"
#include "projectdb/wizard_texts.h"

namespace projectdb {

// The fields of 一般信息表, in field order.
enum class GeneralField {
    DeptName,
    ProjectName,
    BridgeName,
    LineMark,
    ForwardSite,
    BackwardSite,
    TransectType,
    LeftOrRight,
    RoadWidth,
    BridgeWidth,
    LeftBridgeWidth,
    RightBridgeWidth,
    DividerWidth,
    Dist1,  // the C2 box (right half)
    Dist2,  // the C1 box (left half)
    Dist3,
    ElevationMethod,
    SuperelevationMethod
};
inline constexpr int kGeneralFieldCount = 18;

// The field of that name in 一般信息表 ("DeptName", "高程计算方法", ...), or nullopt.
std::optional<GeneralField> GeneralFieldByName(const std::string& name);
const std::string& GeneralFieldName(GeneralField field);

class GeneralPage {
  public:
    // A new project's page: the initial values, then every remembered value that is not empty, then the
    // transect rules.
    static GeneralPage NewProject();
    // The dialog on an open project: the stored record (the transect rules applied to the stored type).
    // Database errors are raised.
    static GeneralPage FromProject(dao::Database& db);

    const std::string& text(GeneralField field) const { return m_texts[static_cast<int>(field)]; }
    const std::array<std::string, kGeneralFieldCount>& texts() const { return m_texts; }

    // A text typed into a box. A change of B1, B2 or B0 recomputes B, C1, C2 and 路基宽度.
    void SetText(GeneralField field, std::string text);
    // The transect list: the rules for enabling the boxes, the designed part and the widths.
    void SetTransectType(const std::string& type);
    // The 当前项目仅设计 list (call this rather than SetText to show the refusal). Choosing 全桥 for a bridge
    // whose halves differ is refused: the message is returned and the list keeps the choice it had (左半桥
    // when that is not one of the list's entries).
    std::optional<PageMessage> ChooseDesignedPart(const std::string& part);

    // What the window shows beside the texts.
    bool DividerAndOffsetsEnabled() const;  // B0, C1, C2
    bool DesignedPartEnabled() const;
    bool RightWidthReadOnly() const;  // B2 follows B1 for halves alike
    int SectionPicture() const;       // 181 integral, 180 divided

    // True when the window shows the field read-only or disabled.
    bool Locked(GeneralField field) const;

    // The eight remembered values, as stored when the page is read for writing.
    void Remember() const;

    // Sets fields by name as a user would type or choose them: transect type first, then the designed part,
    // then the other values (half widths with their rules). A field the page computes or holds fixed (B, C1,
    // C2, 路基宽度, B0 of an integral bridge, B2 of equal halves, the designed part unless the halves differ)
    // is accepted only with the value the page gives it. Returns the message for an unknown field, a value
    // outside a list, a number or text no bridge has (field_rules.h), a refused choice or a fixed field given
    // otherwise; then nothing has changed.
    std::optional<std::string> Apply(const std::vector<std::pair<std::string, std::string>>& values);

  private:
    void ApplyTransectRules(bool opening);
    void ComputeWidths();

    std::array<std::string, kGeneralFieldCount> m_texts;
};

}  // namespace projectdb
