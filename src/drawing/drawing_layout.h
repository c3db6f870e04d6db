#pragma once
// The 绘图信息 dialog on an open project: the wizard's drawing page, its candidate lists read from the
// stored span and support layout, its drawing list from 图形布置信息表, and 确定 rewriting that table.
#include <optional>
#include <string>
#include <vector>

#include "platform/dao/database.h"
#include "platform/interaction/interaction.h"
#include "projectdb/drawing_page.h"

namespace drawing {

// One record of 上构布置明细表 as the candidate list sees it.
struct SpanEntry {
    std::string type;
    double length = 0;
};
// One record of 下构布置信息表: its number and its four member types joined with ",".
struct SupportEntry {
    std::string number;
    std::string types;
};

// Spans in record order, numbered from 1. A span absorbs every later span of the same type whose length
// prints the same ("%.1lf"); box girders absorb nothing, so each box span stays an entry of its own. A span
// without a type is no entry.
std::vector<projectdb::SuperstructureCandidate> MergeSpans(const std::vector<SpanEntry>& spans);
// Supports in record order; a support absorbs every later one with the same four member types.
std::vector<projectdb::SubstructureCandidate> MergeSupports(const std::vector<SupportEntry>& supports);

// The candidates from the stored layout; a missing table gives no entries, a database error the entries
// read before it.
std::vector<projectdb::SuperstructureCandidate> ReadSuperstructureCandidates(dao::Database& db);
std::vector<projectdb::SubstructureCandidate> ReadSubstructureCandidates(dao::Database& db);

// The drawing list as the grid shows it: eight texts per record, DrawingName to CornerIcon, as far as the
// table could be read. A missing, empty or unreadable table offers the one row of the bridge layout drawing.
std::vector<std::vector<std::string>> ReadDrawingRows(dao::Database& db);
std::vector<std::string> BridgeLayoutRow();

// The page the dialog edits. Read errors are not reported: the dialog opens on what could be read.
projectdb::DrawingPage LoadDrawingLayout(dao::Database& db);

// The first row whose file name would lead out of the project's folder, as a message naming the row.
std::optional<std::string> DrawingRowsProblem(const projectdb::TextSheet& rows);

// 确定: a file name that leads out of the project's folder is refused with its message, nothing written.
// Then 图形布置信息表 deleted and written anew from the list in one transaction, the placement values 0.
// A database error is shown, the old table stays, and false is returned.
bool SaveDrawingLayout(dao::Database& db, const projectdb::DrawingPage& page, ui::Prompter& prompt);

}  // namespace drawing
