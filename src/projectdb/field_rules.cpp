#include "projectdb/field_rules.h"

#include <cmath>

#include "platform/text/cformat.h"
#include "platform/text/numbers.h"
#include "projectdb/schema.h"

namespace projectdb {

namespace {

// Stakes are metres along the route; ten thousand kilometres either way holds every road there is.
constexpr double kStakeLimit = 1e7;
// Heights in the supports sheet are centimetres; a kilometre either way.
constexpr double kDropLimit = 1e5;

const FieldRule kRules[] = {
    // 一般信息表: the half widths and the offset of the design line.
    {"LeftBridgeWidth", "左半桥宽度 B1(m)", 0, 200, false, true},
    {"RightBridgeWidth", "右半桥宽度 B2(m)", 0, 200, false, true},
    {"DividerWidth", "左右半桥间隔宽度 B0(m)", 0, 200, true, true},
    {"Dist3", "设计线至路中心线距离 D(m)", -1000, 1000, true, true},
    // 桥孔划分信息表: the six boxes of the span page.
    {"SectSum", "全桥分段数", 1, kMaxSections, true, true, true},
    {"SpanSum", "全桥分跨数", 1, kMaxSpans, true, true, true},
    {"JointSum", "全桥伸缩缝条数", 2, kMaxJoints, true, true, true},
    {"StartStake", "起点桥台理论跨径线桩号(m)", -kStakeLimit, kStakeLimit, true, true},
    {"CenterStake", "桥中心桩号(m)", -kStakeLimit, kStakeLimit, true, true},
    {"CrossAngle", "桥中心交角(°)", 0, 180, false, false},
    // The sections, supports and joints sheets.
    {"SpansInSect", "该段所含跨数", 1, kMaxSpans, true, true, true},
    {"SpanLength", "各跨跨径(m)", 0, 2000, false, true},
    {"PierAbutStake", "中心桩号(m)", -kStakeLimit, kStakeLimit, true, true},
    {"DistToGround", "基顶埋深(cm)", -kDropLimit, kDropLimit, true, true, false, true},
    {"DistToDeck", "桥面至帽梁顶高差(cm)", -kDropLimit, kDropLimit, true, true, false, true},
    // 0 and an empty cell are written as 90, as the page does.
    {"PierAbutAngle", "斜交角度(°，0按90)", 0, 180, true, false, false, true},
    {"PierAbutGradient", "帽梁横坡(%)", -100, 100, true, true, false, true},
    {"JointStake", "中心桩号(m)", -kStakeLimit, kStakeLimit, true, true},
};

// The rule of each sheet column that holds a number, by column; nullptr for texts and member types.
const char* const kSectionFields[section_col::kCount] = {nullptr, "SpansInSect", "SpanLength"};
const char* const kSupportFields[support_col::kCount] = {
    "PierAbutStake", nullptr, nullptr, nullptr, nullptr, "DistToGround", "DistToDeck", "PierAbutAngle",
    "PierAbutGradient"};
const char* const kJointFields[joint_col::kCount] = {"JointStake"};

std::string Number(double value) {
    return text::Format("%.10g", value);
}

// A value quoted back in a message: a pasted novel is cut short.
std::string Quoted(std::string_view text) {
    constexpr size_t kShown = 40;
    size_t cut = 0, chars = 0;
    while (cut < text.size() && chars < kShown) {
        ++cut;
        while (cut < text.size() && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) ++cut;
        ++chars;
    }
    return "“" + std::string(text.substr(0, cut)) + (cut < text.size() ? "…" : "") + "”";
}

size_t CharacterCount(std::string_view text) {
    size_t n = 0;
    for (unsigned char c : text) n += (c & 0xC0) != 0x80;
    return n;
}

std::string Where(const std::string& place, const FieldRule& rule) {
    return place + "“" + rule.label + "”（" + rule.field + "）";
}

// `rowName` names a row by its header ("第%d行", "墩台序号%d"), counted from `firstRow`.
std::optional<std::string> CheckSheet(const std::vector<std::vector<std::string>>& rows,
                                      const char* const* fields, int columns, const char* sheetName,
                                      const char* rowName, int firstRow) {
    // A sheet may hold thousands of rows: the rules are looked up once, and a cell's place is named only
    // when the cell is refused.
    std::vector<const FieldRule*> rules(columns, nullptr);
    for (int c = 0; c < columns; ++c)
        if (fields[c]) rules[c] = FindFieldRule(fields[c]);
    for (size_t r = 0; r < rows.size(); ++r)
        for (int c = 0; c < columns && c < static_cast<int>(rows[r].size()); ++c) {
            if (!rules[c] || !CheckNumber(*rules[c], rows[r][c], {})) continue;
            std::string place = sheetName + text::Format(rowName, static_cast<int>(r) + firstRow);
            return CheckNumber(*rules[c], rows[r][c], Where(place, *rules[c]));
        }
    return std::nullopt;
}

}  // namespace

const FieldRule* FindFieldRule(std::string_view field) {
    for (const auto& rule : kRules)
        if (field == rule.field) return &rule;
    return nullptr;
}

std::string RangeText(const FieldRule& rule) {
    std::string range = std::string(rule.lowIncluded ? "[" : "(") + Number(rule.low) + ", " + Number(rule.high) +
                        (rule.highIncluded ? "]" : ")");
    return range + (rule.integer ? " 之间的整数" : " 之间的数");
}

std::optional<std::string> CheckNumber(const FieldRule& rule, std::string_view value, const std::string& where) {
    double number = 0;
    std::string problem;
    if (value.empty() && rule.emptyAllowed) return std::nullopt;
    if (!text::ParseWholeNumber(value, number))
        problem = "不是数值";
    else if (rule.integer && number != std::floor(number))
        problem = "不是整数";
    else if (number < rule.low || (number == rule.low && !rule.lowIncluded) || number > rule.high ||
             (number == rule.high && !rule.highIncluded))
        problem = "超出允许范围";
    else
        return std::nullopt;
    return where + "的值" + Quoted(value) + problem + "，应为 " + RangeText(rule) + "。";
}

std::optional<std::string> CheckGeneralValues(const std::vector<std::pair<std::string, std::string>>& values) {
    const TableSchema* schema = FindTableSchema(kGeneralInfoTable);
    for (const auto& [name, value] : values) {
        if (const FieldRule* rule = FindFieldRule(name)) {
            if (auto refused = CheckNumber(*rule, value, Where("一般信息", *rule))) return refused;
            continue;
        }
        for (const auto& field : schema->fields)
            if (field.name == name && field.type == dao::dbText && CharacterCount(value) > size_t(field.size))
                return "一般信息“" + field.formCaption + "”（" + name + "）有 " +
                       std::to_string(CharacterCount(value)) + " 个字符，最多 " + std::to_string(field.size) +
                       " 个。";
    }
    return std::nullopt;
}

std::optional<std::string> CheckDrawingRows(const std::vector<std::vector<std::string>>& rows) {
    for (size_t r = 0; r < rows.size(); ++r)
        for (size_t c = 0; c < rows[r].size(); ++c)
            if (CharacterCount(rows[r][c]) > size_t(kTextSize))
                return "绘图信息第" + std::to_string(r + 1) + "行第" + std::to_string(c + 1) + "项有 " +
                       std::to_string(CharacterCount(rows[r][c])) + " 个字符，最多 " + std::to_string(kTextSize) +
                       " 个。";
    return std::nullopt;
}

std::optional<std::string> CheckSpanInput(const SpanInput& input) {
    for (const auto& [box, value] : input.boxes) {
        const FieldRule& rule = *FindFieldRule(SpanBoxName(box));
        if (auto refused = CheckNumber(rule, value, Where("桥跨信息", rule))) return refused;
    }
    if (input.sections) {
        if (input.sections->size() > size_t(kMaxSections))
            return "上构布置信息有 " + std::to_string(input.sections->size()) + " 段，最多 " +
                   std::to_string(kMaxSections) + " 段。";
        if (auto m = CheckSheet(*input.sections, kSectionFields, section_col::kCount, "上构布置信息", "第%d行", 1)) return m;
        long spans = 0;
        for (const auto& row : *input.sections)
            if (row.size() > size_t(section_col::kSpans)) spans += text::Atol(row[section_col::kSpans]);
        if (spans > kMaxSpans)
            return "全桥共 " + std::to_string(spans) + " 跨，最多 " + std::to_string(kMaxSpans) + " 跨。";
    }
    if (input.supports) {
        if (input.supports->size() > size_t(kMaxSpans + 1))
            return "下构布置信息有 " + std::to_string(input.supports->size()) + " 行，最多 " +
                   std::to_string(kMaxSpans + 1) + " 行。";
        if (auto m = CheckSheet(*input.supports, kSupportFields, support_col::kCount, "下构布置信息", "墩台序号%d", 0)) return m;
    }
    if (input.joints) {
        if (input.joints->size() > size_t(kMaxJoints))
            return "伸缩缝信息有 " + std::to_string(input.joints->size()) + " 行，最多 " +
                   std::to_string(kMaxJoints) + " 行。";
        if (auto m = CheckSheet(*input.joints, kJointFields, joint_col::kCount, "伸缩缝信息", "第%d行", 1)) return m;
    }
    return std::nullopt;
}

std::optional<std::string> CheckSpanCounts(const SpanPage& page) {
    struct Count {
        const char* what;
        long value, limit;
    } counts[] = {
        {"全桥分段数", text::Atol(page.boxText(SpanBox::SectSum)), kMaxSections},
        {"全桥分跨数", text::Atol(page.boxText(SpanBox::SpanSum)), kMaxSpans},
        {"全桥伸缩缝条数", text::Atol(page.boxText(SpanBox::JointSum)), kMaxJoints},
        {"各段所含跨数之和", SpanCount(page.sheet(SpanSheet::Sections)), kMaxSpans},
    };
    for (const auto& c : counts)
        if (c.value > c.limit)
            return std::string(c.what) + "为 " + std::to_string(c.value) + "，最多 " + std::to_string(c.limit) + "。";
    return std::nullopt;
}

}  // namespace projectdb
