#include "projectdb/drawing_page.h"

#include <array>
#include <charconv>
#include <map>
#include <string_view>

#include "platform/dao/field.h"
#include "platform/text/cformat.h"
#include "platform/text/numbers.h"
#include "projectdb/schema.h"

namespace projectdb {

namespace {

const char* const kSuperDrawingType = "上构一般构造图";
const char* const kSubDrawingType = "下构一般构造图";

std::string SuperTitlePrefix(const std::string& type) {
    static const std::map<std::string, std::string> prefixes = {
        {"装配式简支空心板桥", "空心板一般构造图("},       {"装配式简支T梁桥", "T梁一般构造图("},
        {"简支等截面箱梁桥", "简支等截面箱梁一般构造图("}, {"简支变截面箱梁桥", "简支变截面箱梁一般构造图("},
        {"连续等截面箱梁桥", "连续等截面箱梁一般构造图("}, {"连续变截面箱梁桥", "连续变截面箱梁一般构造图("},
    };
    auto it = prefixes.find(type);
    return it != prefixes.end() ? it->second : type + "一般构造图(";
}

void AppendNumber(std::string& list, const std::string& number) {
    if (!list.empty()) list += ',';
    list += number;
}

// "1,2,3,4,7" -> "1-4,7": runs of three or more consecutive numbers as ranges.
std::string CompressRuns(const std::string& numbers) {
    std::vector<long> n;
    for (size_t start = 0; start <= numbers.size();) {
        size_t comma = numbers.find(',', start);
        if (comma == std::string::npos) comma = numbers.size();
        // Span numbers and support headers, whole numbers as this program writes them: no blanks, no "+".
        long number = 0;
        std::from_chars(numbers.data() + start, numbers.data() + comma, number);
        n.push_back(number);
        start = comma + 1;
    }
    std::string out;
    for (size_t i = 0; i < n.size();) {
        size_t j = i;
        while (j + 1 < n.size() && n[j + 1] == n[j] + 1) ++j;
        if (j - i >= 2) {
            AppendNumber(out, std::to_string(n[i]) + "-" + std::to_string(n[j]));
        } else {
            for (size_t k = i; k <= j; ++k) AppendNumber(out, std::to_string(n[k]));
        }
        i = j + 1;
    }
    return out;
}

size_t Characters(const std::string& utf8) { return static_cast<size_t>(dao::CharacterCount(utf8)); }

// A drawing title has to fit its text field, which holds 255 characters (not bytes). A long bridge merges
// hundreds of spans into one entry: their numbers are then written as ranges, and what still does not fit
// ends with "等". The numbers are ASCII, so within them characters and bytes agree.
std::string FitTitle(const std::string& prefix, const std::string& numbers, const std::string& suffix) {
    const size_t room = static_cast<size_t>(kTextSize);
    const size_t frame = Characters(prefix) + Characters(suffix);
    if (frame + numbers.size() <= room) return prefix + numbers + suffix;
    std::string compact = CompressRuns(numbers);
    if (frame + compact.size() <= room) return prefix + compact + suffix;
    const std::string more = "等";
    size_t keep = room - frame - Characters(more);
    size_t cut = compact.rfind(',', keep);
    return prefix + compact.substr(0, cut == std::string::npos ? 0 : cut) + more + suffix;
}

}  // namespace

std::vector<SuperstructureCandidate> SuperstructureCandidates(const TextSheet& sections) {
    std::vector<SuperstructureCandidate> out;
    // (type, length) -> entry; the types are the sheet's own texts, so that a long bridge copies none.
    std::map<std::pair<std::string_view, double>, size_t> first;
    long span = 0;
    for (int r = 0; r < sections.rows(); ++r) {
        const std::string& type = sections.cell(r, section_col::kType);
        double length = text::Atof(sections.cell(r, section_col::kLength));
        bool box = type.find("箱梁") != std::string::npos;
        for (long s = SpansOf(sections, r); s > 0; --s) {
            std::string number = std::to_string(++span);
            if (!box) {
                auto [it, added] = first.try_emplace({type, length}, out.size());
                if (!added) {
                    AppendNumber(out[it->second].spans, number);
                    continue;
                }
            }
            out.push_back({type, number, text::FormatFixed(length, 1)});
        }
    }
    return out;
}

std::vector<SubstructureCandidate> SubstructureCandidates(const TextSheet& supports) {
    std::vector<SubstructureCandidate> out;
    // The four member types of a support -> entry; the joined text is built only for a new entry.
    std::map<std::array<std::string_view, 4>, size_t> first;
    for (int r = 0; r < supports.rows(); ++r) {
        std::array<std::string_view, 4> members;
        for (int m = 0; m < 4; ++m) members[m] = supports.cell(r, support_col::kCap + m);
        auto [it, added] = first.try_emplace(members, out.size());
        if (!added) {
            AppendNumber(out[it->second].supports, supports.header(r));
            continue;
        }
        std::string types(members[0]);
        for (int m = 1; m < 4; ++m) (types += ',') += members[m];
        out.push_back({types, supports.header(r)});
    }
    return out;
}

void DrawingPage::OnShown(const SpanPage& spans, bool newProject) {
    m_super = SuperstructureCandidates(spans.sheet(SpanSheet::Sections));
    m_sub = SubstructureCandidates(spans.sheet(SpanSheet::Supports));
    if (!newProject) return;
    // The user went back and changed the spans: a list as it was filled is filled anew; a list the user
    // changed keeps the user's rows and only trades the default rows of spans and supports that are gone
    // for those of the new ones.
    if (!m_bFilled || m_rows == m_filledRows)
        FillDefaultRows();
    else
        FollowDefaultRows();
}

void DrawingPage::FollowDefaultRows() {
    DrawingPage fresh;
    fresh.SetCandidates(m_super, m_sub);
    fresh.FillDefaultRows();
    const Titles freshTitles = fresh.ListedTitles();

    std::vector<std::vector<std::string>> kept;
    Titles keptTitles;
    for (int r = 0; r < m_rows.rows(); ++r) {
        const std::string& title = m_rows.cell(r, drawing_col::kTitle);
        if (m_defaultTitles.count(title) && !freshTitles.count(title)) continue;
        std::vector<std::string> row;
        for (int c = 0; c < drawing_col::kCount; ++c) row.push_back(m_rows.cell(r, c));
        kept.push_back(std::move(row));
        keptTitles.insert(title);
    }
    m_rows.assign(kept, 1);
    std::unordered_set<std::string> files;
    for (int r = 0; r < m_rows.rows(); ++r) files.insert(m_rows.cell(r, drawing_col::kFile));
    for (int r = 0; r < fresh.m_rows.rows(); ++r) {
        if (keptTitles.count(fresh.m_rows.cell(r, drawing_col::kTitle))) continue;
        AddRow(nullptr, fresh.m_rows.cell(r, drawing_col::kTitle), fresh.m_rows.cell(r, drawing_col::kType));
        // Rows that went leave gaps in the numbering: a new row never takes a file name still in the list.
        const int row = m_rows.rows() - 1;
        for (int n = row + 1; files.count(m_rows.cell(row, drawing_col::kFile)); ++n)
            m_rows.setCell(row, drawing_col::kFile, text::Format("Draw%d", n));
        files.insert(m_rows.cell(row, drawing_col::kFile));
    }
    m_defaultTitles = freshTitles;
}

DrawingPage::Titles DrawingPage::ListedTitles() const {
    Titles titles;
    for (int r = 0; r < m_rows.rows(); ++r) titles.insert(m_rows.cell(r, drawing_col::kTitle));
    return titles;
}

void DrawingPage::AddRow(Titles* listed, const std::string& title, const std::string& type) {
    if (listed && !listed->insert(title).second) return;
    int row = m_rows.rows();
    m_rows.setHeader(row, std::to_string(row + 1));
    const std::string values[drawing_col::kCount] = {
        title, text::Format("Draw%d", row + 1), type, "A3", "100", "100", "图标1", "不绘制"};
    for (int c = 0; c < drawing_col::kCount; ++c) m_rows.setCell(row, c, values[c]);
}

void DrawingPage::AddSuperstructure(Titles* listed, const SuperstructureCandidate& c) {
    AddRow(listed, FitTitle(SuperTitlePrefix(c.type), c.spans, "跨)"), kSuperDrawingType);
}

void DrawingPage::AddSubstructure(Titles* listed, const SubstructureCandidate& c) {
    bool abutment = c.types.find("台帽") != std::string::npos;
    AddRow(listed, FitTitle(abutment ? "桥台一般构造图(" : "桥墩一般构造图(", c.supports, "号)"),
           kSubDrawingType);
}

void DrawingPage::FillDefaultRows() {
    m_rows.resize(0);
    Titles listed;
    AddRow(&listed, kBridgeLayoutDrawing, kBridgeLayoutDrawing);
    for (const auto& c : m_super) AddSuperstructure(&listed, c);
    for (const auto& c : m_sub) AddSubstructure(&listed, c);
    m_bFilled = true;
    m_filledRows = m_rows;
    m_defaultTitles = std::move(listed);
}

void DrawingPage::AddToDrawingList(const std::vector<int>& superSelected,
                                   const std::vector<int>& subSelected) {
    Titles titles;
    Titles* listed = nullptr;
    if (m_bAddSkipsListed) {
        titles = ListedTitles();
        listed = &titles;
    }
    for (int i : superSelected)
        if (i >= 0 && i < static_cast<int>(m_super.size())) AddSuperstructure(listed, m_super[i]);
    for (int i : subSelected)
        if (i >= 0 && i < static_cast<int>(m_sub.size())) AddSubstructure(listed, m_sub[i]);
}

void DrawingPage::ClearDrawingList() {
    std::vector<std::vector<std::string>> kept;
    for (int r = 0; r < m_rows.rows(); ++r) {
        if (!m_bClearKeepsBridgeLayout || m_rows.cell(r, drawing_col::kTitle) != kBridgeLayoutDrawing) continue;
        std::vector<std::string> row;
        for (int c = 0; c < drawing_col::kCount; ++c) row.push_back(m_rows.cell(r, c));
        kept.push_back(std::move(row));
    }
    m_rows.assign(kept, 1);
}

EditStart DrawingPage::OnEditStart(int row, int column) const {
    EditStart e;
    if (column == drawing_col::kType || column == drawing_col::kSheetSize) {
        e.kind = EditStart::Kind::DropDown;
        e.choices = column == drawing_col::kType ? kDrawingTypeList : kSheetSizeList;
        e.preselect = m_rows.cell(row, column);
    }
    return e;
}

std::optional<DrawingChoice> DrawingPage::ChoiceAt(int column) const {
    if (column == drawing_col::kTitleBlock) return DrawingChoice::TitleBlock;
    if (column == drawing_col::kSignOff) return DrawingChoice::SignOff;
    return std::nullopt;
}

}  // namespace projectdb
