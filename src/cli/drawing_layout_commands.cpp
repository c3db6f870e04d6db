// drawing-list PROJECT / drawing-target PROJECT KIND [TITLE]
#include "cli/drawing_layout_commands.h"

#include <algorithm>
#include <iostream>
#include <memory>

#include "cli/command.h"
#include "drawing/drawing_current.h"
#include "drawing/drawing_kinds.h"
#include "drawing/drawing_target.h"
#include "platform/interaction/console.h"
#include "platform/registry/registry.h"
#include "platform/registry/settings_batch.h"
#include "projectdb/schema.h"

namespace cli {
namespace {

using drawing::DrawingKind;

std::optional<DrawingKind> ParseKind(const std::string& word) {
    if (auto kind = drawing::KindFromName(word)) return kind;
    if (word.size() == 1 && word[0] >= '1' && word[0] <= '5') return drawing::KindAt(word[0] - '1');
    return std::nullopt;
}

void PrintDaoError(const dao::DaoException& e) {
    std::cerr << e.m_strDescription << "   (" << e.m_lErrorCode << ")" << std::endl;
}

// The drawing of a general kind that the titles choose, as the range dialog's OK takes it; nothing after the
// message when the choice is refused.
std::optional<drawing::DrawingRecord> ChooseGeneralDrawing(dao::Database& db, DrawingKind kind,
                                                           const std::vector<std::string>& titles,
                                                           ui::Prompter& prompt) {
    std::vector<drawing::DrawingRecord> records;
    try {
        records = drawing::RangeDialogRecords(db, kind);
    } catch (const dao::DaoException&) {
        prompt.message(drawing::kNoDrawingList);
        return std::nullopt;
    }
    std::vector<drawing::DrawingRecord> chosen;
    for (const std::string& title : titles) {
        auto record = drawing::FindRecord(records, title);
        if (!record) {
            prompt.message("图形布置信息表中没有" + drawing::KindName(kind) + "“" + title + "”。");
            return std::nullopt;
        }
        chosen.push_back(*record);
    }
    if (auto refusal = drawing::RangeSelectionRefusal(kind, chosen.size())) {
        prompt.message(*refusal);
        return std::nullopt;
    }
    if (!drawing::RangeIsUniform(db, kind, chosen.front().title, prompt)) return std::nullopt;
    return chosen.front();
}

int Target(dao::Database& db, DrawingKind kind, const std::vector<std::string>& titles, ui::Prompter& prompt) {
    // The values of one choice are stored together, or none of them when the choice is refused.
    registry::SettingsBatch choice;
    std::optional<drawing::DrawingRecord> confirmed;
    if (drawing::IsGeneralDrawing(kind)) {
        confirmed = ChooseGeneralDrawing(db, kind, titles, prompt);
        if (!confirmed) return 1;
    } else if (kind == DrawingKind::BridgeLayout && !titles.empty() &&
               titles != std::vector<std::string>{drawing::KindName(kind)}) {
        prompt.message("桥型布置图不分绘图区间。");
        return 1;
    } else if (drawing::IsRebarDrawing(kind) && titles.size() > 1) {
        prompt.message("一次只能选择一项。");
        return 1;
    }
    auto range = drawing::ApplyTargetChoice(db, kind, confirmed, prompt);
    if (!range) return 1;
    if (drawing::IsRebarDrawing(kind) && !titles.empty()) {
        const std::string& title = titles.front();
        if (std::find(range->titles.begin(), range->titles.end(), title) == range->titles.end()) {
            prompt.message("图形布置信息表中没有钢筋图“" + title + "”。");
            return 1;
        }
        if (!drawing::SelectRange(db, kind, title, prompt)) return 1;
    }
    choice.Commit();
    auto current = drawing::ReadCurrentDrawing();
    std::cout << drawing::kDrawingTypeValue << "\t" << current.type << "\n"
              << drawing::kDrawingNameValue << "\t" << current.name << "\n"
              << drawing::kFileNameValue << "\t" << current.fileName << "\n";
    return 0;
}

}  // namespace

int RunDrawingList(const std::vector<std::string>& words) {
    Args args = ParseArgs(words, {});
    if (args.positional.size() != 1) return UsageError(kDrawingListUsage);
    std::unique_ptr<dao::Database> db;
    try {
        db = dao::Database::Open(args.positional[0], true);
    } catch (const dao::DaoException& e) {
        PrintDaoError(e);
        return 1;
    }
    try {
        for (const auto& r : drawing::ReadDrawingRecords(*db))
            std::cout << r.title << "\t" << r.fileName << "\t" << r.kind << "\n";
    } catch (const dao::DaoException&) {
        std::cerr << drawing::kNoDrawingList << std::endl;
        return 1;
    }
    return 0;
}

int RunDrawingTarget(const std::vector<std::string>& words) {
    Args args = ParseArgs(words, {});
    if (args.positional.size() < 2) return UsageError(kDrawingTargetUsage);
    auto kind = ParseKind(args.positional[1]);
    if (!kind) {
        std::cerr << "未知的绘图目标“" << args.positional[1] << "”。绘图目标是以下之一：" << projectdb::kDrawingTypeList
                  << std::endl;
        return 2;
    }
    ui::ConsolePrompter prompter(args.answer());
    try {
        auto db = dao::Database::Open(args.positional[0]);
        return Target(*db, *kind, {args.positional.begin() + 2, args.positional.end()}, prompter);
    } catch (const dao::DaoException& e) {
        PrintDaoError(e);
    } catch (const registry::SettingsError& e) {
        std::cerr << e.what() << std::endl;
    }
    return 1;
}

}  // namespace cli
