#include "projectdb/span_page.h"

#include <algorithm>

#include "platform/dao/recordset.h"
#include "platform/dao/sql.h"
#include "platform/text/numbers.h"
#include "projectdb/field_rules.h"
#include "projectdb/schema.h"
#include "projectdb/variant_text.h"

namespace projectdb {

namespace {

constexpr const char* kBoxNames[kSpanBoxCount] = {"SectSum",    "SpanSum",     "JointSum",
                                                  "StartStake", "CenterStake", "CrossAngle"};

SpanUpdate Changed(std::initializer_list<SpanSheet> sheets, bool boxes = false) {
    SpanUpdate u;
    u.boxes = boxes;
    for (SpanSheet s : sheets) u.sheets[static_cast<int>(s)] = true;
    return u;
}

std::string JoinTypes(const std::vector<std::string>& names) {
    std::string out;
    for (const auto& n : names) out += (out.empty() ? "" : ";") + n;
    return out;
}

bool Known(const std::vector<std::string>& list, const std::string& name) {
    return std::find(list.begin(), list.end(), name) != list.end();
}

// A member type cell may also be empty or "无" (written as "无").
bool KnownMember(const std::vector<std::string>& list, const std::string& name) {
    return name.empty() || name == kNoMember || Known(list, name);
}

std::string CellText(const dao::Value& v) {
    return v.isText() ? v.text() : VariantToText(v);
}

// Reads `fields` (0-based field positions) of every record of an ordered query into rows of texts; the
// first field's text goes into `headers` when asked.
std::vector<std::vector<std::string>> ReadRows(dao::Database& db, const std::string& sql, int firstField,
                                               int lastField, std::vector<std::string>* headers) {
    dao::Recordset rs(db);
    rs.Open(sql, dao::dbOpenForwardOnly);
    std::vector<std::vector<std::string>> rows;
    for (; !rs.IsEOF(); rs.MoveNext()) {
        std::vector<std::string> row;
        for (int f = firstField; f <= lastField; ++f) row.push_back(CellText(rs.GetFieldValue(f)));
        if (headers) headers->push_back(VariantToText(rs.GetFieldValue(0)));
        rows.push_back(std::move(row));
    }
    return rows;
}

}  // namespace

std::optional<SpanBox> SpanBoxByName(const std::string& name) {
    for (int i = 0; i < kSpanBoxCount; ++i)
        if (name == kBoxNames[i]) return static_cast<SpanBox>(i);
    return std::nullopt;
}

const char* SpanBoxName(SpanBox box) {
    return kBoxNames[static_cast<int>(box)];
}

SpanPage::SpanPage(SpanPageMode mode)
    : m_mode(mode),
      m_sheets{TextSheet(section_col::kCount), TextSheet(support_col::kCount), TextSheet(joint_col::kCount)} {
}

SpanPage SpanPage::NewProject() {
    SpanPage page(SpanPageMode::NewProject);
    page.m_boxes = {"1", "1", "2", "0", "10", "90"};
    page.mutableSheet(SpanSheet::Sections).assign({{"装配式简支空心板桥", "1", "20"}}, 1);
    std::vector<std::vector<std::string>> supports;
    for (const char* stake : {"0", "20"}) {
        std::vector<std::string> row{stake};
        for (const char* m : kAbutmentMembers) row.push_back(m);
        for (const char* v : kSupportValues) row.push_back(v);
        supports.push_back(row);
    }
    page.mutableSheet(SpanSheet::Supports).assign(supports, 0);
    page.mutableSheet(SpanSheet::Joints).assign({{"0"}, {"20"}}, 1);
    page.RecomputeStakes();
    return page;
}

SpanPage SpanPage::FromProject(dao::Database& db) {
    SpanPage page(SpanPageMode::Dialog);
    auto division = ReadRows(db, dao::SelectAllFrom(kSpanDivisionTable), 0, 5, nullptr);
    if (division.empty())
        throw dao::DaoException(dao::kErrNoCurrentRecord, std::string(kSpanDivisionTable) + "中没有记录。");
    std::copy(division[0].begin(), division[0].end(), page.m_boxes.begin());

    page.mutableSheet(SpanSheet::Sections)
        .assign(ReadRows(db, dao::SelectAllOrderedBy(kSuperLayoutTable, "SectNumber"), 1, 3, nullptr), 1);
    std::vector<std::string> headers;
    auto supports = ReadRows(db, dao::SelectAllOrderedBy(kSubLayoutTable, "PierAbutNum"), 1, 9, &headers);
    TextSheet& sheet = page.mutableSheet(SpanSheet::Supports);
    sheet.assign(supports, 0);
    for (int r = 0; r < sheet.rows(); ++r) {
        sheet.setHeader(r, headers[r]);
        page.m_stakes.push_back(MovedStake(sheet.cell(r, support_col::kStake), 0));
    }
    page.mutableSheet(SpanSheet::Joints)
        .assign(ReadRows(db, dao::SelectAllOrderedBy(kJointTable, "JointNum"), 1, 1, nullptr), 1);
    return page;
}

void SpanPage::RecomputeStakes() {
    m_stakes = SupportStakes(sheet(SpanSheet::Sections), text::Atof(boxText(SpanBox::StartStake)));
}

std::string SpanPage::StakeOr(size_t index, const std::string& fallback) const {
    return index < m_stakes.size() ? m_stakes[index] : fallback;
}

SpanUpdate SpanPage::SetBoxText(SpanBox b, std::string text) {
    if (b != SpanBox::StartStake) {
        box(b) = std::move(text);
        return Changed({}, true);
    }
    double delta = text::Atof(text) - text::Atof(box(b));
    box(b) = std::move(text);
    if (delta == 0) return Changed({}, true);
    for (auto& stake : m_stakes) stake = MovedStake(stake, delta);
    TextSheet& joints = mutableSheet(SpanSheet::Joints);
    for (int r = 1; r < joints.rows(); ++r)
        if (!joints.cell(r, joint_col::kStake).empty())
            joints.setCell(r, joint_col::kStake, MovedStake(joints.cell(r, joint_col::kStake), delta));
    if (joints.rows() > 0)
        joints.setCell(0, joint_col::kStake, StakeOr(0, joints.cell(0, joint_col::kStake)));
    return Changed({SpanSheet::Joints}, true);
}

void SpanPage::SizeSections() {
    TextSheet& sections = mutableSheet(SpanSheet::Sections);
    sections.resize(std::clamp(text::Atol(boxText(SpanBox::SectSum)), 1L, kMaxSections));
    sections.numberRows(1);
}

void SpanPage::SizeSupports() {
    TextSheet& supports = mutableSheet(SpanSheet::Supports);
    supports.resize(std::clamp(text::Atol(boxText(SpanBox::SpanSum)), 1L, kMaxSpans) + 1);
    supports.numberRows(0);
    for (int r = 0; r < supports.rows(); ++r) {
        supports.setCell(r, support_col::kStake, StakeOr(r, supports.cell(r, support_col::kStake)));
        supports.setCell(r, support_col::kSkew, kDefaultSkew);
    }
}

void SpanPage::SizeJoints() {
    TextSheet& joints = mutableSheet(SpanSheet::Joints);
    long count = text::Atol(boxText(SpanBox::JointSum));
    joints.resize(count <= 0 ? 2 : std::min(count, kMaxJoints));
    joints.numberRows(1);
    joints.setCell(0, joint_col::kStake, StakeOr(0, joints.cell(0, joint_col::kStake)));
    long last = text::Atol(boxText(SpanBox::SpanSum));
    if (last >= 0)
        joints.setCell(joints.rows() - 1, joint_col::kStake,
                       StakeOr(static_cast<size_t>(last), joints.cell(joints.rows() - 1, joint_col::kStake)));
}

void SpanPage::RebuildSupports() {
    TextSheet& supports = mutableSheet(SpanSheet::Supports);
    supports.resize(std::clamp(text::Atol(boxText(SpanBox::SpanSum)), 1L, kMaxSpans) + 1);
    supports.numberRows(0);
    const int last = supports.rows() - 1;
    const bool onlyEmpty = m_mode == SpanPageMode::Dialog;
    for (int r = 0; r <= last; ++r) {
        supports.setCell(r, support_col::kStake, StakeOr(r, supports.cell(r, support_col::kStake)));
        const auto& members = (r == 0 || r == last) ? kAbutmentMembers : kPierMembers;
        for (int c = 0; c < 8; ++c) {
            int column = support_col::kCap + c;
            if (onlyEmpty && !supports.cell(r, column).empty()) continue;
            supports.setCell(r, column, c < 4 ? members[c] : kSupportValues[c - 4]);
        }
    }
    SizeJoints();
}

SpanUpdate SpanPage::OnFocusBox(SpanBox b) {
    switch (b) {
        case SpanBox::SectSum:
            SizeSections();
            return {SpanSheet::Sections, false, {true, false, false}};
        case SpanBox::SpanSum:
            SizeSupports();
            return {SpanSheet::Supports, false, {false, true, false}};
        case SpanBox::JointSum:
            SizeJoints();
            return {SpanSheet::Joints, false, {false, false, true}};
        case SpanBox::StartStake:
            return {SpanSheet::Joints, false, {}};
        default:
            return {};
    }
}

SpanUpdate SpanPage::OnSheetActivated(SpanSheet s) {
    if (s == m_lastSheet) return {};
    m_lastSheet = s;
    RebuildSupports();
    return Changed({SpanSheet::Supports, SpanSheet::Joints});
}

EditStart SpanPage::OnEditStart(SpanSheet s, int row, int column) const {
    EditStart e;
    if (s == SpanSheet::Sections && column == section_col::kType) {
        e.kind = EditStart::Kind::DropDown;
        e.choices = JoinTypes(StructureTypes());
        e.preselect = sheet(s).cell(row, column);
    } else if (s == SpanSheet::Sections && column == section_col::kLength && SpansOf(sheet(s), row) == 0) {
        e.kind = EditStart::Kind::Refused;
        e.message = PageMessage{kSpansBeforeLength, kHintCaption, ui::Icon::Stop};
        e.moveTo = std::pair{row, section_col::kSpans};
    } else if (s == SpanSheet::Supports && MemberChoiceAt(column)) {
        e.kind = EditStart::Kind::Refused;
    } else if (s == SpanSheet::Joints && row == 0) {
        e.kind = EditStart::Kind::Refused;
        e.focusBox = SpanBox::StartStake;
    }
    return e;
}

std::optional<MemberKind> SpanPage::MemberChoiceAt(int column) const {
    switch (column) {
        case support_col::kCap:
            return MemberKind::CapBeam;
        case support_col::kBody:
            return MemberKind::Body;
        case support_col::kConnect:
            return MemberKind::Connection;
        case support_col::kFoundation:
            return MemberKind::Foundation;
        default:
            return std::nullopt;
    }
}

SpanUpdate SpanPage::OnCellEdited(SpanSheet s, int row, int column, std::string text) {
    return OnCellsPasted(s, row, column, {{std::move(text)}});
}

SpanUpdate SpanPage::OnCellsPasted(SpanSheet s, int row, int column,
                                   const std::vector<std::vector<std::string>>& block) {
    TextSheet& target = mutableSheet(s);
    bool layoutTouched = false;
    // The boxes size the sheets; a paste reaching beyond a sheet's last row or column is cut off there.
    for (size_t r = 0; r < block.size() && row + static_cast<int>(r) < target.rows(); ++r)
        for (size_t c = 0; c < block[r].size(); ++c) {
            int col = column + static_cast<int>(c);
            if (col >= target.columns()) continue;
            target.setCell(row + static_cast<int>(r), col, block[r][c]);
            layoutTouched |=
                s == SpanSheet::Sections && (col == section_col::kSpans || col == section_col::kLength);
        }
    SpanUpdate update = Changed({s});
    if (!layoutTouched) return update;
    RecomputeStakes();
    box(SpanBox::SpanSum) = std::to_string(SpanCount(sheet(SpanSheet::Sections)));
    update.boxes = true;
    // The supports and the last joint stand where the spans end: a sheet that showed the old layout until
    // the user clicked into it would show stakes that no longer exist.
    RebuildSupports();
    update.sheets[static_cast<int>(SpanSheet::Supports)] = true;
    update.sheets[static_cast<int>(SpanSheet::Joints)] = true;
    return update;
}

std::optional<std::string> SpanPage::Apply(const SpanInput& input) {
    auto check = [](const auto& rows, size_t width, const char* what) -> std::optional<std::string> {
        if (!rows) return std::nullopt;
        for (size_t r = 0; r < rows->size(); ++r)
            if ((*rows)[r].size() != width)
                return std::string(what) + "第" + std::to_string(r + 1) + "行应有" + std::to_string(width) +
                       "项，实有" + std::to_string((*rows)[r].size()) + "项。";
        return std::nullopt;
    };
    if (auto m = check(input.sections, section_col::kCount, "上构布置信息")) return m;
    if (auto m = check(input.supports, support_col::kCount, "下构布置信息")) return m;
    if (auto m = check(input.joints, joint_col::kCount, "伸缩缝信息")) return m;
    if (input.sections && input.sections->empty()) return std::string("上构布置信息至少应有一段。");
    if (auto m = CheckSpanInput(input)) return m;
    if (input.sections)
        for (const auto& row : *input.sections)
            if (!Known(StructureTypes(), row[section_col::kType]))
                return "未知的结构类型“" + row[section_col::kType] + "”。";
    if (input.supports) {
        const std::vector<std::string>* lists[4] = {&BentCapTypes(), &BodyTypes(), &ConnectTypes(),
                                                    &FoundationTypes()};
        for (const auto& row : *input.supports)
            for (int m = 0; m < 4; ++m)
                if (!KnownMember(*lists[m], row[support_col::kCap + m]))
                    return "未知的构件类型“" + row[support_col::kCap + m] + "”。";
    }

    SpanPage page = *this;
    bool given[kSpanBoxCount] = {};
    for (const auto& [b, text] : input.boxes) {
        page.SetBoxText(b, text);
        given[static_cast<int>(b)] = true;
    }
    auto defaultCount = [&](SpanBox b, size_t count) {
        if (!given[static_cast<int>(b)]) page.box(b) = std::to_string(count);
    };
    if (input.sections) {
        page.mutableSheet(SpanSheet::Sections).assign(*input.sections, 1);
        defaultCount(SpanBox::SectSum, input.sections->size());
        page.RecomputeStakes();
        if (!given[static_cast<int>(SpanBox::SpanSum)])
            page.box(SpanBox::SpanSum) = std::to_string(SpanCount(page.sheet(SpanSheet::Sections)));
    }
    if (input.supports)
        page.mutableSheet(SpanSheet::Supports).assign(*input.supports, 0);
    else if (input.sections)
        page.RebuildSupports();
    if (input.joints) {
        page.mutableSheet(SpanSheet::Joints).assign(*input.joints, 1);
        defaultCount(SpanBox::JointSum, input.joints->size());
    } else {
        page.SizeJoints();
    }
    *this = std::move(page);
    return std::nullopt;
}

}  // namespace projectdb
