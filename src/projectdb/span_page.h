#pragma once
// Page 2 of the new-project wizard and the 桥跨信息 dialog: six boxes, three sheets (sections, supports,
// joints) and the list of support stakes, with the moments at which the sheets follow the boxes and the
// rules that accept or refuse a cell edit. Windows, the command line and the tests drive it alike.
#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/dao/database.h"
#include "projectdb/span_layout.h"
#include "projectdb/text_sheet.h"
#include "projectdb/wizard_texts.h"

namespace projectdb {

enum class SpanBox { SectSum, SpanSum, JointSum, StartStake, CenterStake, CrossAngle };
inline constexpr int kSpanBoxCount = 6;
enum class SpanSheet { Sections = 0, Supports = 1, Joints = 2 };
// The wizard starts from the initial content and rebuilds the supports completely; the dialog starts from
// the stored tables and fills only empty support cells with defaults.
enum class SpanPageMode { NewProject, Dialog };
// The member-type selection a double-click on a supports cell opens.
enum class MemberKind { CapBeam, Body, Connection, Foundation };

// What a window does when the user starts editing a cell.
struct EditStart {
    enum class Kind { Type, DropDown, Refused } kind = Kind::Type;
    std::string choices;                        // DropDown: the entries joined with ";"
    std::string preselect;                      // DropDown: the entry to select
    std::optional<PageMessage> message;         // Refused: shown first
    std::optional<std::pair<int, int>> moveTo;  // Refused: (row, column) to select instead
    std::optional<SpanBox> focusBox;            // Refused: box that takes the focus, its text selected
};

// What an event changed, so that a window refreshes only that.
struct SpanUpdate {
    std::optional<SpanSheet> show;  // the sheet to bring to the front
    bool boxes = false;
    std::array<bool, 3> sheets{};  // indexed by SpanSheet
    bool operator==(const SpanUpdate&) const = default;
};

// Values given from outside the page (the command line): boxes by name, whole sheets as rows of texts.
struct SpanInput {
    std::vector<std::pair<SpanBox, std::string>> boxes;
    std::optional<std::vector<std::vector<std::string>>> sections, supports, joints;
};

std::optional<SpanBox> SpanBoxByName(const std::string& name);  // "SectSum" ... "CrossAngle"
const char* SpanBoxName(SpanBox box);

class SpanPage {
  public:
    static SpanPage NewProject();
    // The dialog on an open project, from the stored tables. Database errors are raised.
    static SpanPage FromProject(dao::Database& db);

    SpanPageMode mode() const { return m_mode; }
    const std::string& boxText(SpanBox box) const { return m_boxes[static_cast<int>(box)]; }
    const TextSheet& sheet(SpanSheet s) const { return m_sheets[static_cast<int>(s)]; }
    const std::vector<std::string>& stakes() const { return m_stakes; }

    // A box's text changed. A new start stake moves every stake and every joint by the difference.
    SpanUpdate SetBoxText(SpanBox box, std::string text);
    // A box received the input focus: the sheet that follows it is sized and shown.
    SpanUpdate OnFocusBox(SpanBox box);
    // The user clicked into a sheet; a sheet other than the last one clicked rebuilds the supports.
    SpanUpdate OnSheetActivated(SpanSheet sheet);
    // The user starts editing a cell.
    EditStart OnEditStart(SpanSheet sheet, int row, int column) const;
    // A cell edit ended with `text`; a span count or length recomputes the stakes and the span count, and
    // the supports and joints follow at once.
    SpanUpdate OnCellEdited(SpanSheet sheet, int row, int column, std::string text);
    // A block pasted at (row, column), cut off at the sheet's edges, recomputed once.
    SpanUpdate OnCellsPasted(SpanSheet sheet, int row, int column,
                             const std::vector<std::vector<std::string>>& block);
    // The selection dialog a double-click on a supports cell opens, if any.
    std::optional<MemberKind> MemberChoiceAt(int column) const;

    // Applies values given from outside, as the page would build them; returns a message and changes
    // nothing when a row has the wrong number of texts, names an unknown type, or holds a number no
    // bridge has (field_rules.h).
    std::optional<std::string> Apply(const SpanInput& input);

  private:
    explicit SpanPage(SpanPageMode mode);
    TextSheet& mutableSheet(SpanSheet s) { return m_sheets[static_cast<int>(s)]; }
    std::string& box(SpanBox b) { return m_boxes[static_cast<int>(b)]; }
    void RecomputeStakes();
    void SizeSections();
    void SizeSupports();
    void SizeJoints();
    void RebuildSupports();
    std::string StakeOr(size_t index, const std::string& fallback) const;

    SpanPageMode m_mode;
    std::array<std::string, kSpanBoxCount> m_boxes;
    std::array<TextSheet, 3> m_sheets;
    std::vector<std::string> m_stakes;
    SpanSheet m_lastSheet = SpanSheet::Sections;
};

}  // namespace projectdb
