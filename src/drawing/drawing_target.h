#pragma once
// Choosing the drawing the drawing side makes next: the target dialog's outcome, the two toolbar combos
// (target kind, drawing range) and the state table a drawing gets. Choices end in "Current Drawing":
// DrawingType the kind, DrawingName the drawing (or the kind's own name), and FileName only when a general
// drawing is confirmed in its range dialog; the drawing side looks a file name up by the title itself.
#include <optional>
#include <string>
#include <vector>

#include "drawing/drawing_kinds.h"
#include "platform/dao/database.h"
#include "platform/interaction/interaction.h"

namespace drawing {

inline constexpr const char* kNoDrawingList = "数据库中没有图形布置信息";

// What the range combo shows: its entries and the selected one (-1 for none).
struct RangeList {
    std::vector<std::string> titles;
    int selected = -1;
    bool operator==(const RangeList&) const = default;
};

// The range dialog of a general drawing refuses its OK unless exactly one drawing is selected: the message
// to show, or nothing.
std::optional<std::string> RangeSelectionRefusal(DrawingKind kind, size_t selectedCount);

// The drawings the range dialog of a general kind lists. Raises dao::DaoException.
std::vector<DrawingRecord> RangeDialogRecords(dao::Database& db, DrawingKind kind);

// Makes sure the drawing's state table (title + 绘图状态表) exists; a table that can't be opened is created
// with its three fields. The table belongs to the drawing side, which makes it itself if this fails, so
// errors are not reported.
void EnsureDrawingStateTable(dao::Database& db, const std::string& title);

// The target dialog's OK with `kind`, and for a general kind the drawing confirmed in its range dialog
// (nothing when that dialog was cancelled). Writes "Current Drawing" and returns what the range combo shows.
// Nothing when the settings could not be written (the message has been shown).
std::optional<RangeList> ApplyTargetChoice(dao::Database& db, DrawingKind kind,
                                           const std::optional<DrawingRecord>& confirmed, ui::Prompter& prompt);

// The target combo's selection: DrawingType written (and DrawingName for the bridge layout), the range
// combo refilled with the first drawing of a general kind shown selected. Nothing when the settings could not
// be written.
std::optional<RangeList> SelectTargetKind(dao::Database& db, DrawingKind kind, ui::Prompter& prompt);

// For a general drawing: true when the members its title names are all of one type; otherwise the message
// "当前绘图区间中包含的上部构造类型不同。请重新选择。" (or 下部构造) has been shown, or the layout table's
// own message when it can't be read. Other kinds pass.
bool RangeIsUniform(dao::Database& db, DrawingKind kind, const std::string& title, ui::Prompter& prompt);

// The range combo's selection with the target combo at `kind`: a general drawing whose members are not all
// of one type is refused with "当前绘图区间中包含的上部构造类型不同。请重新选择。" (or 下部构造); otherwise
// DrawingName is written. True when written.
bool SelectRange(dao::Database& db, DrawingKind kind, const std::string& title, ui::Prompter& prompt);

// The range combo's drop-down: the titles the kind lists, read afresh. Nothing after the message
// "数据库中没有图形布置信息" when the table can't be read.
std::optional<std::vector<std::string>> RangeTitles(dao::Database& db, DrawingKind kind, ui::Prompter& prompt);

}  // namespace drawing
