#include "drawing/drawing_range_check.h"

#include <optional>

#include "platform/dao/recordset.h"
#include "platform/text/cformat.h"
#include "platform/text/numbers.h"
#include "projectdb/schema.h"

namespace drawing {

namespace {

// A run longer than any bridge has spans is not a run of ours: it is read as its first number.
constexpr long kLongestRun = 100000;

// Drops the last character of UTF-8 text (the "跨" or "号" before the closing parenthesis).
std::string WithoutLastCharacter(const std::string& text) {
    size_t end = text.size();
    while (end > 0 && (static_cast<unsigned char>(text[end - 1]) & 0xC0) == 0x80) --end;
    return text.substr(0, end > 0 ? end - 1 : 0);
}

void AddPiece(const std::string& piece, std::vector<long>& numbers) {
    size_t dash = piece.find('-', 1);
    if (dash != std::string::npos) {
        long first = text::Atol(piece.substr(0, dash)), last = text::Atol(piece.substr(dash + 1));
        if (last >= first && last - first <= kLongestRun) {
            for (long n = first; n <= last; ++n) numbers.push_back(n);
            return;
        }
    }
    numbers.push_back(text::Atol(piece));
}

// The member types of one span or support, or nothing when the table has no record of that number.
using Types = std::optional<std::vector<std::string>>;

RangeCheck CheckRange(dao::Database& db, const std::string& title, const char* query,
                      std::initializer_list<const char*> fields, const std::string& unreadable, ui::Prompter& prompt) {
    std::vector<long> numbers = RangeNumbers(title);
    if (numbers.size() <= 1) return RangeCheck::Uniform;
    try {
        Types reference;
        bool first = true;
        for (long n : numbers) {
            dao::Recordset rs(db);
            rs.Open(text::Format(query, static_cast<int>(n)));
            Types types;
            if (!rs.IsEOF()) {
                types.emplace();
                for (const char* f : fields) types->push_back(rs.GetFieldValue(f).toString());
            }
            if (first) {
                reference = types;
                first = false;
            } else if (!types || !reference || *types != *reference) {
                return RangeCheck::Mixed;
            }
        }
        return reference ? RangeCheck::Uniform : RangeCheck::Mixed;
    } catch (const dao::DaoException&) {
        prompt.message(unreadable);
        return RangeCheck::Unreadable;
    }
}

}  // namespace

std::vector<long> RangeNumbers(const std::string& title) {
    size_t open = title.find('(');
    std::string inside = open == std::string::npos ? title : title.substr(open + 1);
    size_t close = inside.find(')');
    inside = close == std::string::npos ? std::string() : WithoutLastCharacter(inside.substr(0, close));
    std::vector<long> numbers;
    for (size_t start = 0;;) {
        size_t comma = inside.find(',', start);
        AddPiece(inside.substr(start, comma == std::string::npos ? std::string::npos : comma - start), numbers);
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
    return numbers;
}

RangeCheck CheckSuperRangeOf(dao::Database& db, const std::string& title, ui::Prompter& prompt) {
    return CheckRange(db, title, "Select * From [上构布置明细表] Where SpanNumber=%d", {"StructureType"},
                      "不能打开上构布置明细表。", prompt);
}

RangeCheck CheckSubRangeOf(dao::Database& db, const std::string& title, ui::Prompter& prompt) {
    return CheckRange(db, title, "Select * From [下构布置信息表] Where PierAbutNum=%d",
                      {"BentCapType", "BodyType", "ConnectType", "FoundationType"}, "不能打开下构布置信息表。", prompt);
}

int CheckSuperRange(dao::Database& db, const std::string& title, ui::Prompter& prompt) {
    return CheckSuperRangeOf(db, title, prompt) == RangeCheck::Uniform ? 1 : 0;
}

int CheckSubRange(dao::Database& db, const std::string& title, ui::Prompter& prompt) {
    return CheckSubRangeOf(db, title, prompt) == RangeCheck::Uniform ? 1 : 0;
}

}  // namespace drawing
