#include "projectdb/general_page.h"

#include <algorithm>

#include "platform/dao/recordset.h"
#include "platform/dao/sql.h"
#include "platform/registry/registry.h"
#include "platform/registry/settings_batch.h"
#include "platform/text/cformat.h"
#include "platform/text/numbers.h"
#include "projectdb/field_rules.h"
#include "projectdb/schema.h"
#include "projectdb/variant_text.h"

namespace projectdb {

namespace {

using F = GeneralField;

constexpr const char* kIntegral = "整体式";
constexpr const char* kDividedAlike = "分离式(左右半桥相同)";
constexpr const char* kDividedDiffering = "分离式(左右半桥不同)";
constexpr const char* kWholeBridge = "全桥";
constexpr const char* kLeftHalf = "左半桥";

const std::array<std::string, kGeneralFieldCount>& FieldNames() {
    static const std::array<std::string, kGeneralFieldCount> names = [] {
        std::array<std::string, kGeneralFieldCount> n;
        const TableSchema* schema = FindTableSchema(kGeneralInfoTable);
        for (int i = 0; i < kGeneralFieldCount; ++i) n[i] = schema->fields[i].name;
        return n;
    }();
    return names;
}

// A new project's first text of each field, and the name under which the settings remember the text last
// written (a remembered text replaces the first one); nullptr for a field that is not remembered.
struct FirstText {
    F field;
    const char* text;
    const char* rememberedAs;
};
constexpr FirstText kFirstTexts[] = {
    {F::DeptName, "XX勘察设计院", "Department"},
    {F::ProjectName, "XX高速公路XX至XX段", "Project"},
    {F::BridgeName, "XXXX大桥", "Bridge"},
    {F::LineMark, "K", nullptr},
    {F::ForwardSite, "前进方向", "Forward Site"},
    {F::BackwardSite, "后退方向", "Backward Site"},
    {F::TransectType, kIntegral, nullptr},
    {F::LeftOrRight, kWholeBridge, nullptr},
    {F::LeftBridgeWidth, "6", "Left Half Bridge Width"},
    {F::RightBridgeWidth, "6", "Right Half Bridge Width"},
    {F::DividerWidth, "0", nullptr},
    {F::Dist3, "0", "Dist3"},
    {F::ElevationMethod, "按竖曲线计算", nullptr},
    {F::SuperelevationMethod, "按三次抛物线分配", nullptr},
};

// The vocabulary a list field offers, or nullptr for a box.
const std::vector<std::string>* ListOf(F field) {
    switch (field) {
        case F::TransectType:
            return &TransectTypes();
        case F::LeftOrRight:
            return &DesignedParts();
        case F::ElevationMethod:
            return &ElevationMethods();
        case F::SuperelevationMethod:
            return &SuperelevationMethods();
        default:
            return nullptr;
    }
}

bool Contains(const std::vector<std::string>& list, const std::string& text) {
    return std::find(list.begin(), list.end(), text) != list.end();
}

}  // namespace

std::optional<GeneralField> GeneralFieldByName(const std::string& name) {
    const auto& names = FieldNames();
    for (int i = 0; i < kGeneralFieldCount; ++i)
        if (names[i] == name) return static_cast<GeneralField>(i);
    return std::nullopt;
}

const std::string& GeneralFieldName(GeneralField field) {
    return FieldNames()[static_cast<int>(field)];
}

GeneralPage GeneralPage::NewProject() {
    GeneralPage page;
    for (const FirstText& first : kFirstTexts) {
        std::string stored = first.rememberedAs ? registry::ReadSetting(kRememberedSection, first.rememberedAs) : "";
        page.m_texts[int(first.field)] = stored.empty() ? first.text : stored;
    }
    page.ApplyTransectRules(true);
    return page;
}

GeneralPage GeneralPage::FromProject(dao::Database& db) {
    dao::Recordset rs(db);
    rs.Open(dao::SelectAllFrom(kGeneralInfoTable));
    if (rs.IsEOF())
        throw dao::DaoException(dao::kErrNoCurrentRecord, std::string(kGeneralInfoTable) + "中没有记录。");
    GeneralPage page;
    for (int i = 0; i < kGeneralFieldCount; ++i) {
        dao::Value v = rs.GetFieldValue(FieldNames()[i]);
        page.m_texts[i] = v.isText() ? v.text() : v.isNull() ? std::string() : VariantToText(v);
    }
    page.ApplyTransectRules(true);
    return page;
}

void GeneralPage::SetText(GeneralField field, std::string text) {
    switch (field) {
        case F::TransectType:
            SetTransectType(text);
            return;
        case F::LeftOrRight:
            ChooseDesignedPart(text);
            return;
        default:
            break;
    }
    m_texts[int(field)] = std::move(text);
    if (field == F::LeftBridgeWidth || field == F::RightBridgeWidth || field == F::DividerWidth)
        ComputeWidths();
    if (field == F::BridgeWidth) m_texts[int(F::RoadWidth)] = m_texts[int(F::BridgeWidth)];
}

void GeneralPage::SetTransectType(const std::string& type) {
    m_texts[int(F::TransectType)] = type;
    ApplyTransectRules(false);
}

void GeneralPage::ApplyTransectRules(bool opening) {
    const std::string& type = text(F::TransectType);
    std::string& part = m_texts[int(F::LeftOrRight)];
    if (type == kIntegral) {
        m_texts[int(F::DividerWidth)] = m_texts[int(F::Dist1)] = m_texts[int(F::Dist2)] = "0";
        part = kWholeBridge;
    } else if (type == kDividedAlike) {
        part = kWholeBridge;
    } else if (type == kDividedDiffering) {
        // A stored half stays chosen when the dialog opens on a project; a new choice of type starts left.
        if (!opening || part == kWholeBridge || !Contains(DesignedParts(), part)) part = kLeftHalf;
    }
    ComputeWidths();
}

void GeneralPage::ComputeWidths() {
    auto& t = m_texts;
    if (t[int(F::TransectType)] == kDividedAlike) t[int(F::RightBridgeWidth)] = t[int(F::LeftBridgeWidth)];
    double b1 = text::Atof(t[int(F::LeftBridgeWidth)]);
    double b2 = text::Atof(t[int(F::RightBridgeWidth)]);
    double b0 = text::Atof(t[int(F::DividerWidth)]);
    t[int(F::BridgeWidth)] = text::FormatFixed(b2 + b0 + b1, 6);
    t[int(F::Dist2)] = text::FormatFixed((b0 + b1) * 0.5, 6);
    t[int(F::Dist1)] = text::FormatFixed((b0 + b2) * 0.5, 6);
    t[int(F::RoadWidth)] = t[int(F::BridgeWidth)];
}

std::optional<PageMessage> GeneralPage::ChooseDesignedPart(const std::string& part) {
    if (part == kWholeBridge && text(F::TransectType) == kDividedDiffering) {
        std::string& current = m_texts[int(F::LeftOrRight)];
        if (!Contains(DesignedParts(), current)) current = DesignedParts().front();
        return PageMessage{kDesignedPartRefused, "", ui::Icon::None};
    }
    m_texts[int(F::LeftOrRight)] = part;
    return std::nullopt;
}

bool GeneralPage::DividerAndOffsetsEnabled() const {
    return text(F::TransectType) != kIntegral;
}
bool GeneralPage::DesignedPartEnabled() const {
    return text(F::TransectType) == kDividedDiffering;
}
bool GeneralPage::RightWidthReadOnly() const {
    return text(F::TransectType) == kDividedAlike;
}
int GeneralPage::SectionPicture() const {
    return text(F::TransectType) == kIntegral ? kIntegralSectionPicture : kDividedSectionPicture;
}

void GeneralPage::Remember() const {
    // The changed values are stored in one write of the shared settings file: all of them or none.
    registry::SettingsBatch remembered;
    for (const FirstText& first : kFirstTexts)
        if (first.rememberedAs && registry::ReadSetting(kRememberedSection, first.rememberedAs) != text(first.field))
            registry::WriteSetting(kRememberedSection, first.rememberedAs, text(first.field));
    try {
        remembered.Commit();
    } catch (const registry::SettingsError&) {
        // Remembered in passing, as every value the windows store: a store that cannot be written changes
        // nothing for the page.
    }
}

bool GeneralPage::Locked(GeneralField field) const {
    switch (field) {
        case F::RoadWidth:
        case F::BridgeWidth:
        case F::Dist1:
        case F::Dist2:
            return true;
        case F::DividerWidth:
            return !DividerAndOffsetsEnabled();
        case F::RightBridgeWidth:
            return RightWidthReadOnly();
        case F::LeftOrRight:
            return !DesignedPartEnabled();
        default:
            return false;
    }
}

std::optional<std::string> GeneralPage::Apply(
    const std::vector<std::pair<std::string, std::string>>& values) {
    std::vector<std::pair<F, std::string>> fields;
    for (const auto& [name, value] : values) {
        auto field = GeneralFieldByName(name);
        if (!field) return std::string(kGeneralInfoTable) + "中没有字段“" + name + "”。";
        if (const auto* list = ListOf(*field); list && !Contains(*list, value)) {
            std::string choices;
            for (const auto& c : *list) choices += (choices.empty() ? "" : "、") + c;
            return "字段“" + name + "”的值“" + value + "”不是可选的值（" + choices + "）。";
        }
        fields.emplace_back(*field, value);
    }
    if (auto refused = CheckGeneralValues(values)) return refused;
    GeneralPage page = *this;
    for (const auto& [field, value] : fields)
        if (field == F::TransectType) page.SetTransectType(value);
    for (const auto& [field, value] : fields)
        if (field == F::LeftOrRight && !page.Locked(field))
            if (auto refused = page.ChooseDesignedPart(value)) return refused->text;
    for (const auto& [field, value] : fields)
        if (field != F::TransectType && field != F::LeftOrRight && !page.Locked(field))
            page.SetText(field, value);
    // A value the page computes or holds fixed may be given only as the page has it (a record printed by
    // `general` can be given back whole).
    for (const auto& [field, value] : fields) {
        if (!page.Locked(field)) continue;
        const std::string& held = page.text(field);
        bool same = field == F::LeftOrRight ? value == held : text::Atof(value) == text::Atof(held);
        if (!same)
            return "字段“" + GeneralFieldName(field) + "”由页面确定为“" + held + "”，不能填写为“" + value +
                   "”。";
    }
    *this = page;
    return std::nullopt;
}

}  // namespace projectdb
