#pragma once
// Page 3 of the new-project wizard: the superstructure and substructure entries that can be drawn, built
// from page 2, and the drawing list with its default rows, 加入绘图列表 and 清除绘图列表.
#include <optional>
#include <string>
#include <unordered_set>
#include <vector>

#include "projectdb/span_page.h"
#include "projectdb/text_sheet.h"

namespace projectdb {

namespace drawing_col {
inline constexpr int kTitle = 0, kFile = 1, kType = 2, kSheetSize = 3, kScale = 4, kSectionScale = 5,
                     kTitleBlock = 6, kSignOff = 7, kCount = 8;
}

// One entry of 可供绘图的上部构造: a type, its spans ("1,2,5") and their length ("%.1lf").
struct SuperstructureCandidate {
    std::string type, spans, length;
    bool operator==(const SuperstructureCandidate&) const = default;
};
// One entry of 可供绘图的下部构造: the four member types joined with "," and the supports ("0,3").
struct SubstructureCandidate {
    std::string types, supports;
    bool operator==(const SubstructureCandidate&) const = default;
};

// One entry per span; spans of equal type and length are merged into the first of them, except box girders,
// which are drawn span by span.
std::vector<SuperstructureCandidate> SuperstructureCandidates(const TextSheet& sections);
// One entry per support; supports with the same four member types are merged into the first of them.
std::vector<SubstructureCandidate> SubstructureCandidates(const TextSheet& supports);

// The selection dialog a double-click on a drawing-list cell opens.
enum class DrawingChoice { TitleBlock, SignOff };

class DrawingPage {
  public:
    DrawingPage() : m_rows(drawing_col::kCount) {}

    // The page is shown: the candidates follow page 2; in a new project the default drawing rows do too
    // (filled the first time, and again after the spans changed; see FollowDefaultRows).
    void OnShown(const SpanPage& spans, bool newProject);

    const std::vector<SuperstructureCandidate>& superstructure() const { return m_super; }
    const std::vector<SubstructureCandidate>& substructure() const { return m_sub; }
    const TextSheet& drawings() const { return m_rows; }

    // 桥型布置图, then one row per entry whose title is not in the list yet.
    void FillDefaultRows();
    // 加入绘图列表: the selected entries (indexes into the two lists); in the wizard each unless its title
    // is listed, on an open project every one of them.
    void AddToDrawingList(const std::vector<int>& superSelected, const std::vector<int>& subSelected);
    // 清除绘图列表: every row but 桥型布置图 goes (the whole list when the page edits an open project).
    void ClearDrawingList();

    // The page on an open project: candidates read from the stored layout, and 清除绘图列表 empties the list.
    void SetCandidates(std::vector<SuperstructureCandidate> super, std::vector<SubstructureCandidate> sub) {
        m_super = std::move(super);
        m_sub = std::move(sub);
    }
    void SetClearKeepsBridgeLayout(bool keep) { m_bClearKeepsBridgeLayout = keep; }
    void SetAddSkipsListed(bool skip) { m_bAddSkipsListed = skip; }

    EditStart OnEditStart(int row, int column) const;
    void OnCellEdited(int row, int column, std::string text) { m_rows.setCell(row, column, std::move(text)); }
    std::optional<DrawingChoice> ChoiceAt(int column) const;
    // Replaces the list (drawings given from outside).
    void SetRows(const std::vector<std::vector<std::string>>& rows) { m_rows.assign(rows, 1); }

  private:
    // Titles already in the list, so that adding many entries stays linear.
    using Titles = std::unordered_set<std::string>;
    Titles ListedTitles() const;
    // `listed` nullptr: the row is added whatever the list holds.
    void AddRow(Titles* listed, const std::string& title, const std::string& type);
    void AddSuperstructure(Titles* listed, const SuperstructureCandidate& c);
    void AddSubstructure(Titles* listed, const SubstructureCandidate& c);
    // A list the user changed after the default fill meets new candidates.
    void FollowDefaultRows();

    std::vector<SuperstructureCandidate> m_super;
    std::vector<SubstructureCandidate> m_sub;
    TextSheet m_rows;
    bool m_bFilled = false;
    // The list as the default fill left it, and the titles that fill made.
    TextSheet m_filledRows{drawing_col::kCount};
    Titles m_defaultTitles;
    bool m_bClearKeepsBridgeLayout = true;
    bool m_bAddSkipsListed = true;
};

}  // namespace projectdb
