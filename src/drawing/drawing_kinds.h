#pragma once
// The five kinds of drawing and the drawing records of 图形布置信息表 as the target choice reads them.
#include <optional>
#include <string>
#include <vector>

#include "platform/dao/database.h"

namespace drawing {

// In the order every list shows them (the target list, the toolbar's target combo, the grid's 类别 list).
enum class DrawingKind { BridgeLayout = 0, SuperGeneral, SubGeneral, ParametricRebar, InteractiveRebar };
inline constexpr int kDrawingKindCount = 5;

const std::string& KindName(DrawingKind kind);
std::optional<DrawingKind> KindFromName(const std::string& name);
std::optional<DrawingKind> KindAt(int position);
inline bool IsGeneralDrawing(DrawingKind k) { return k == DrawingKind::SuperGeneral || k == DrawingKind::SubGeneral; }
inline bool IsRebarDrawing(DrawingKind k) {
    return k == DrawingKind::ParametricRebar || k == DrawingKind::InteractiveRebar;
}

struct DrawingRecord {
    std::string title;     // DrawingName
    std::string fileName;  // FileName, without ".dwg"
    std::string kind;      // DrawingType as stored
    bool operator==(const DrawingRecord&) const = default;
};

// Every record of 图形布置信息表 in record order. Raises dao::DaoException when the table can't be read.
std::vector<DrawingRecord> ReadDrawingRecords(dao::Database& db);

// The records a kind lists: those of the kind itself; for either rebar kind every record that is none of
// the bridge layout and the two general kinds, so that both rebar kinds list all rebar drawings.
std::vector<DrawingRecord> RecordsOfKind(const std::vector<DrawingRecord>& records, DrawingKind kind);
std::vector<std::string> TitlesOf(const std::vector<DrawingRecord>& records);

// The first record titled `title`, if any.
std::optional<DrawingRecord> FindRecord(const std::vector<DrawingRecord>& records, const std::string& title);

}  // namespace drawing
