// The four section readers of the route reference file.
#include <functional>
#include <optional>
#include <vector>

#include "exchange/route_import.h"
#include "exchange/route_table_writer.h"
#include "exchange/route_tokens.h"
#include "platform/text/cformat.h"
#include "projectdb/record_access.h"
#include "projectdb/schema.h"

namespace exchange {
namespace {

constexpr long kKeepAliveEvery = 8192;  // records read between two calls of the keep-alive

enum class ReadStatus { Ok, End, NotANumber, Incomplete };

// Reads `count` numbers. End: the input ended before the first; NotANumber: the first token is no number
// (it is left in `token`); Incomplete: the input ended, or a token was no number, after the first.
// `line` is where the record begins.
ReadStatus ReadNumbers(RouteTokenReader& reader, double* out, int count, std::string_view& token, std::size_t& line) {
    for (int i = 0; i < count; ++i) {
        if (!reader.next(token)) {
            token = {};
            return i == 0 ? ReadStatus::End : ReadStatus::Incomplete;
        }
        if (i == 0) line = reader.line();
        if (!ParseRouteNumber(token, out[i])) return i == 0 ? ReadStatus::NotANumber : ReadStatus::Incomplete;
    }
    return ReadStatus::Ok;
}

// Records may run over several lines; but a section whose first record stands on a line of its own writes
// one record a line, and a later record that runs over a line end has taken numbers from the next record:
// the one it began with was short.
class RecordLines {
public:
    // False when the record that began on `start` and ended on the reader's line breaks the layout.
    bool Fits(std::size_t start, std::size_t end) {
        if (!seen_) {
            seen_ = true;
            oneALine_ = start == end;
        }
        return !oneALine_ || start == end;
    }

private:
    bool seen_ = false, oneALine_ = false;
};

// A token quoted in a message: only plain ASCII text, cut short, is worth showing back.
std::string Quoted(std::string_view token) {
    token = token.substr(0, 24);
    if (token.empty()) return "";
    for (char c : token)
        if (static_cast<unsigned char>(c) < 0x21 || static_cast<unsigned char>(c) > 0x7e) return "";
    return "（“" + std::string(token) + "”）";
}

// "路线参考文件第 12 行：**PROFILE** 段……导入失败。"
std::string AtLine(std::size_t line, const char* marker, const std::string& what) {
    return text::Format("路线参考文件第 %d 行：%s 段%s导入失败。", static_cast<int>(line), marker, what);
}

bool OpenSource(RouteTokenReader& reader, const RouteSource& source) {
    if (source.bytes) {
        reader.openMemory(*source.bytes);
        return true;
    }
    return reader.open(source.path);
}

std::string Fixed3(double v) { return text::FormatFixed(v, 3); }  // "%.3f", the ground line
std::string Fixed6(double v) { return text::FormatFixed(v, 6); }  // "%lf", everything else

// Binds the table's fields once it is prepared and returns the writer of one record.
using RecordWriter = std::function<void(const double*)>;
using Binder = std::function<RecordWriter(RouteTableWriter&)>;

struct CountedKind {
    const char* marker;
    const char* table;
    int numbers;       // numbers of a record
    bool label;        // a label word stands before the numbers
    int key;           // position of the key stake among the numbers
    bool vertical;     // the turning-point rules: ask when the first point lies after S, "导入失败。" forms,
                       // table emptied only once the count is read
};

// A section ends: what it wrote is committed, then the user is told why it ended.
SectionResult Finish(std::optional<dao::Transaction>& tx, RouteTableWriter& writer, ui::Prompter& prompt,
                     SectionOutcome outcome, const char* message = nullptr) {
    if (tx) {
        tx->Commit();
        tx.reset();
    }
    if (message) prompt.message(message, ui::Buttons::Ok, ui::Icon::Exclamation);
    return SectionResult{outcome, writer.written()};
}

// The section's writes are undone: its table is as it was before. A rollback that fails adds nothing to the
// message the user is given about the section.
void Undo(std::optional<dao::Transaction>& tx) {
    try {
        if (tx) tx->Rollback();
    } catch (const dao::DaoException&) {
    }
    tx.reset();
}

// A section that does not read as its count promises: none of it is written, and the user is told where.
SectionResult Malformed(std::optional<dao::Transaction>& tx, ui::Prompter& prompt, const std::string& message) {
    Undo(tx);
    prompt.message(message, ui::Buttons::Ok, ui::Icon::Exclamation);
    return SectionResult{SectionOutcome::Malformed, 0};
}

SectionResult Failed(std::optional<dao::Transaction>& tx, ui::Prompter& prompt, const dao::DaoException& e) {
    Undo(tx);
    projectdb::ReportDaoError(e, prompt);
    return SectionResult{SectionOutcome::DatabaseError, 0};
}

// Reads the i-th record of a counted section into `record`. Fewer records than the count, with the file's end
// or the next section after them, is End: too little data, as always. Anything else that does not read as a
// record is Incomplete, a damaged section: `line` and `problem` then say where and what.
ReadStatus ReadCountedRecord(RouteTokenReader& reader, const CountedKind& kind, int i, double* record,
                             RecordLines& lines, std::size_t& line, std::string& problem) {
    std::string_view token;
    if (kind.label) {
        double number = 0;
        if (!reader.next(token) || IsRouteMarker(token)) return ReadStatus::End;
        line = reader.line();
        if (ParseRouteNumber(token, number)) {
            problem = text::Format("第 %d 个记录缺少名称%s，", i, Quoted(token));
            return ReadStatus::Incomplete;
        }
    }
    std::size_t first = 0;
    ReadStatus status = ReadNumbers(reader, record, kind.numbers, token, first);
    if (!kind.label) line = first;
    if (status == ReadStatus::NotANumber)
        status = !kind.label && IsRouteMarker(token) ? ReadStatus::End : ReadStatus::Incomplete;
    else if (status == ReadStatus::End && kind.label)
        status = ReadStatus::Incomplete;
    else if (status == ReadStatus::Ok && !lines.Fits(line, reader.line()))
        status = ReadStatus::Incomplete, token = {};
    if (status == ReadStatus::Incomplete)
        problem = text::Format("第 %d 个记录应有 %d 个数值%s，", i, kind.numbers, Quoted(token));
    return status;
}

SectionResult ReadCounted(dao::Database& db, const RouteSource& source, const RouteRange& range,
                          ui::Prompter& prompt, const KeepAlive& keepAlive, const CountedKind& kind,
                          const Binder& bind) {
    RouteTokenReader reader;
    RouteTableWriter writer(db, kind.table);
    std::optional<dao::Transaction> tx;
    RecordWriter write;
    auto prepare = [&] {
        tx.emplace(db);
        writer.prepare();
        write = bind(writer);
    };
    const double S = range.start, E = range.end;
    const char* failure = kind.vertical ? kMsgInsufficientFailed : kMsgInsufficientData;
    try {
        if (!kind.vertical) prepare();
        if (!OpenSource(reader, source)) return Finish(tx, writer, prompt, SectionOutcome::CannotOpen, kMsgCannotOpenFile);
        if (!reader.seek(kind.marker))
            return Finish(tx, writer, prompt, SectionOutcome::NoSection, kMsgNoReferenceInfo);
        std::string_view token;
        int count = 0;
        if (!reader.next(token) || !ParseRouteCount(token, count))
            return Finish(tx, writer, prompt, SectionOutcome::NoSection, kMsgNoReferenceInfo);
        if (count < 0)
            return Malformed(tx, prompt, AtLine(reader.line(), kind.marker,
                                                text::Format("的记录数 %d 不能为负数。", count)));
        if (kind.vertical) prepare();
        if (count < 1) return Finish(tx, writer, prompt, SectionOutcome::Empty);

        std::vector<double> record(kind.numbers), bracket(kind.numbers);
        bool haveBracket = false;
        RecordLines lines;
        for (int i = 1; i <= count; ++i) {
            std::size_t line = 0;
            std::string problem;
            const ReadStatus status = ReadCountedRecord(reader, kind, i, record.data(), lines, line, problem);
            if (status == ReadStatus::End)
                return Finish(tx, writer, prompt, SectionOutcome::Insufficient, kMsgInsufficientData);
            if (status == ReadStatus::Incomplete) return Malformed(tx, prompt, AtLine(line, kind.marker, problem));
            if (keepAlive && i % kKeepAliveEvery == 0) keepAlive();
            const double k = record[kind.key];
            if (i == 1) {
                if (kind.vertical && k > S &&
                    prompt.message(kMsgInsufficientContinue, ui::Buttons::YesNo, ui::Icon::Question) != ui::Answer::Yes)
                    return Finish(tx, writer, prompt, SectionOutcome::Declined);
                if (k > E) return Finish(tx, writer, prompt, SectionOutcome::Insufficient, failure);
            }
            if (i == count) {
                if (kind.vertical && k < E) prompt.message(kMsgInsufficientData, ui::Buttons::Ok, ui::Icon::Information);
                if (k < S) return Finish(tx, writer, prompt, SectionOutcome::Insufficient, failure);
            }
            if (i < count && k < S) {
                // The record just before the range start: kept back until the first record inside.
                bracket.swap(record);
                haveBracket = true;
                continue;
            }
            if (writer.written() == 0 && i > 1 && haveBracket) write(bracket.data());
            write(record.data());
            if (k > E) break;
        }
        return Finish(tx, writer, prompt, SectionOutcome::Complete);
    } catch (const dao::DaoException& e) {
        return Failed(tx, prompt, e);
    }
}

RecordWriter BindGroundLine(RouteTableWriter& w) {
    int stake = w.field("Stake"), elevation = w.field("Elevation");
    return [&w, stake, elevation](const double* r) {
        w.addNew();
        w.set(stake, Fixed3(r[0]));
        w.set(elevation, Fixed3(r[1]));
        w.update();
    };
}

const char* DirectionName(double code) { return code < 0 ? "左偏" : code > 0 ? "右偏" : "无"; }

const char* ElementTypeName(double code) {
    if (code == 1) return "直线";
    if (code == 2) return "圆曲线";
    if (code == 3) return "缓和曲线";
    return nullptr;
}

RecordWriter BindHorizontal(RouteTableWriter& w) {
    // The file gives the numbers in this order: Y before X at both ends of an element.
    static const char* const kFileOrder[11] = {"StartPointY", "StartPointX", "StartPointAngle", "StartPointRadii",
                                               "EndPointY",   "EndPointX",   "EndPointAngle",   "EndPointRadii",
                                               "CurveLength", "A_Value",     "StartPointStake"};
    std::vector<int> numbers;
    for (const char* name : kFileOrder) numbers.push_back(w.field(name));
    int seq = w.field("CurveSectNum"), direction = w.field("CurveDirect"), type = w.field("CurveType");
    return [&w, numbers, seq, direction, type](const double* r) {
        w.addNew();
        // Elements are numbered in the order they are written, the bracketing element first.
        w.set(seq, text::Format("%d", static_cast<int>(w.written() + 1)));
        for (int i = 0; i < 11; ++i) w.set(numbers[i], Fixed6(r[i]));
        w.set(direction, DirectionName(r[11]));
        if (const char* name = ElementTypeName(r[12]))
            w.set(type, name);
        else
            w.setNull(type);
        w.update();
    };
}

RecordWriter BindVertical(RouteTableWriter& w) {
    int stake = w.field("TurnPointStake"), elevation = w.field("TurnPointElev"), radius = w.field("TurnPointRadii");
    return [&w, stake, elevation, radius](const double* r) {
        w.addNew();
        w.set(stake, Fixed6(r[0]));
        w.set(elevation, Fixed6(r[1]));
        w.set(radius, Fixed6(r[2]));
        w.update();
    };
}

constexpr int kDeckNumbers = 18;

SectionResult ReadRoadDesign(dao::Database& db, const RouteSource& source, const RouteRange& range,
                             ui::Prompter& prompt, const KeepAlive& keepAlive) {
    RouteTokenReader reader;
    RouteTableWriter writer(db, projectdb::kRoadDesignTable);
    std::optional<dao::Transaction> tx;
    try {
        if (!OpenSource(reader, source)) return Finish(tx, writer, prompt, SectionOutcome::CannotOpen, kMsgCannotOpenFile);
        if (!reader.seek(kDeckMarker)) return Finish(tx, writer, prompt, SectionOutcome::NoSection, kMsgNoReferenceInfo);
        tx.emplace(db);
        writer.prepare();
        // Records go into the fields by position: CenterStake, CenterElev, Dist1, Elev1, ... Dist8, Elev8.
        double record[kDeckNumbers];
        long read = 0;
        std::string_view token;
        std::size_t line = reader.line();
        ReadStatus status;
        RecordLines lines;
        while ((status = ReadNumbers(reader, record, kDeckNumbers, token, line)) == ReadStatus::Ok) {
            if (!lines.Fits(line, reader.line())) {
                token = {};
                status = ReadStatus::Incomplete;
                break;
            }
            ++read;
            if (keepAlive && read % kKeepAliveEvery == 0) keepAlive();
            if (record[0] < range.start || record[0] > range.end) continue;
            writer.addNew();
            for (int k = 0; k < kDeckNumbers; ++k) writer.set(k, Fixed6(record[k]));
            writer.update();
        }
        // The records end at the file's end or at the first word; a record cut short is a damaged section.
        if (status == ReadStatus::Incomplete)
            return Malformed(tx, prompt, AtLine(line, kDeckMarker,
                                                text::Format("第 %d 个记录应有 %d 个数值%s，", static_cast<int>(read + 1),
                                                             kDeckNumbers, Quoted(token))));
        return Finish(tx, writer, prompt, SectionOutcome::Complete);
    } catch (const dao::DaoException& e) {
        return Failed(tx, prompt, e);
    }
}

}  // namespace

SectionResult ImportSection(RouteSection section, dao::Database& db, const RouteSource& source, const RouteRange& range,
                            ui::Prompter& prompt, const KeepAlive& keepAlive) {
    // The counted sections: marker, table, numbers of a record, a label before them, the key stake's
    // position, the turning-point rules.
    static const CountedKind groundLine{kProfileMarker, projectdb::kGroundLineTable, 2, false, 0, false};
    static const CountedKind horizontal{kPlanMarker, projectdb::kHorizontalCurveTable, 13, false, 10, false};
    static const CountedKind vertical{kVertMarker, projectdb::kVerticalCurveTable, 3, true, 0, true};
    switch (section) {
        case RouteSection::GroundLine:
            return ReadCounted(db, source, range, prompt, keepAlive, groundLine, BindGroundLine);
        case RouteSection::Horizontal:
            return ReadCounted(db, source, range, prompt, keepAlive, horizontal, BindHorizontal);
        case RouteSection::Vertical: return ReadCounted(db, source, range, prompt, keepAlive, vertical, BindVertical);
        case RouteSection::RoadDesign: return ReadRoadDesign(db, source, range, prompt, keepAlive);
    }
    return {};
}

}  // namespace exchange
