#include "drawing/drawing_target.h"

#include <algorithm>

#include "drawing/drawing_current.h"
#include "drawing/drawing_range_check.h"
#include "platform/dao/recordset.h"
#include "platform/registry/registry.h"
#include "projectdb/schema.h"

namespace drawing {

namespace {

int IndexOf(const std::vector<std::string>& titles, const std::string& title) {
    auto it = std::find(titles.begin(), titles.end(), title);
    return it == titles.end() ? -1 : static_cast<int>(it - titles.begin());
}

// The records, or nothing when the table can't be read (the caller decides whether that is worth a word).
std::optional<std::vector<DrawingRecord>> TryReadRecords(dao::Database& db) {
    try {
        return ReadDrawingRecords(db);
    } catch (const dao::DaoException&) {
        return std::nullopt;
    }
}

// Runs the writes of one choice; a settings store that can't be written is reported and ends the choice.
template <class Writes>
bool Written(ui::Prompter& prompt, Writes writes) {
    try {
        writes();
        return true;
    } catch (const registry::SettingsError& e) {
        prompt.message(e.what());
        return false;
    }
}

RangeList ListOf(std::vector<std::string> titles, const std::string& selected) {
    int index = IndexOf(titles, selected);
    return {std::move(titles), index};
}

}  // namespace

std::optional<std::string> RangeSelectionRefusal(DrawingKind kind, size_t selectedCount) {
    if (selectedCount == 0)
        return std::string(kind == DrawingKind::SubGeneral ? "没有选择绘图目标。" : "没有选择绘图区间。");
    if (selectedCount > 1) return std::string("在一般构造图中，一次只能选择一项。\n请重新选择！");
    return std::nullopt;
}

std::vector<DrawingRecord> RangeDialogRecords(dao::Database& db, DrawingKind kind) {
    return RecordsOfKind(ReadDrawingRecords(db), kind);
}

void EnsureDrawingStateTable(dao::Database& db, const std::string& title) {
    try {
        projectdb::EnsureTable(db, projectdb::DrawingStateTableSchema(title));
    } catch (const dao::DaoException&) {
    }
}

std::optional<RangeList> ApplyTargetChoice(dao::Database& db, DrawingKind kind,
                                           const std::optional<DrawingRecord>& confirmed, ui::Prompter& prompt) {
    const std::string& kindName = KindName(kind);
    const bool general = IsGeneralDrawing(kind);
    const bool chosen = confirmed && general;
    RangeList range;
    bool ok = Written(prompt, [&] {
        // A general kind becomes the target only with the drawing confirmed in its range dialog.
        if (!general || chosen) WriteDrawingType(kindName);
        if (chosen) {
            WriteDrawingName(confirmed->title);
            WriteDrawingFile(confirmed->fileName);
        }
        if (kind == DrawingKind::BridgeLayout) {
            range = {{kindName}, 0};
        } else if (auto records = TryReadRecords(db)) {
            range = ListOf(TitlesOf(RecordsOfKind(*records, kind)), chosen ? confirmed->title : std::string());
        } else {
            prompt.message(kNoDrawingList);
        }
        // Without a confirmed drawing the kind's own name stands for the target.
        WriteDrawingName(chosen ? confirmed->title : kindName);
    });
    if (!ok) return std::nullopt;
    if (chosen && kind == DrawingKind::SuperGeneral) EnsureDrawingStateTable(db, confirmed->title);
    return range;
}

std::optional<RangeList> SelectTargetKind(dao::Database& db, DrawingKind kind, ui::Prompter& prompt) {
    const std::string& kindName = KindName(kind);
    if (kind == DrawingKind::BridgeLayout) {
        bool ok = Written(prompt, [&] {
            WriteDrawingName(kindName);
            WriteDrawingType(kindName);
        });
        if (!ok) return std::nullopt;
        EnsureDrawingStateTable(db, kindName);
        return RangeList{{kindName}, 0};
    }
    if (!Written(prompt, [&] { WriteDrawingType(kindName); })) return std::nullopt;
    RangeList range;
    if (auto titles = RangeTitles(db, kind, prompt)) range.titles = std::move(*titles);
    // The first drawing of a general kind shows selected; it becomes the target only when the user picks it.
    if (IsGeneralDrawing(kind) && !range.titles.empty()) range.selected = 0;
    return range;
}

bool RangeIsUniform(dao::Database& db, DrawingKind kind, const std::string& title, ui::Prompter& prompt) {
    if (!IsGeneralDrawing(kind)) return true;
    const bool super = kind == DrawingKind::SuperGeneral;
    RangeCheck check = super ? CheckSuperRangeOf(db, title, prompt) : CheckSubRangeOf(db, title, prompt);
    if (check == RangeCheck::Mixed)
        prompt.message(super ? "当前绘图区间中包含的上部构造类型不同。请重新选择。"
                             : "当前绘图区间中包含的下部构造类型不同。请重新选择。");
    return check == RangeCheck::Uniform;
}

bool SelectRange(dao::Database& db, DrawingKind kind, const std::string& title, ui::Prompter& prompt) {
    if (!RangeIsUniform(db, kind, title, prompt)) return false;
    return Written(prompt, [&] { WriteDrawingName(title); });
}

std::optional<std::vector<std::string>> RangeTitles(dao::Database& db, DrawingKind kind, ui::Prompter& prompt) {
    auto records = TryReadRecords(db);
    if (!records) {
        prompt.message(kNoDrawingList);
        return std::nullopt;
    }
    return TitlesOf(RecordsOfKind(*records, kind));
}

}  // namespace drawing
