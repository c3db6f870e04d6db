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

enum class ReadStatus { Ok, End, Incomplete };

// Reads `count` numbers. End: the input ended before the first; Incomplete: it ended later, or a token
// is not a number.
ReadStatus ReadNumbers(RouteTokenReader& reader, double* out, int count) {
    std::string_view token;
    for (int i = 0; i < count; ++i) {
        if (!reader.next(token)) return i == 0 ? ReadStatus::End : ReadStatus::Incomplete;
        if (!ParseRouteNumber(token, out[i])) return ReadStatus::Incomplete;
    }
    return ReadStatus::Ok;
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

SectionResult Failed(std::optional<dao::Transaction>& tx, ui::Prompter& prompt, const dao::DaoException& e) {
    tx.reset();  // rolls the section back: the table is as it was before
    projectdb::ReportDaoError(e, prompt);
    return SectionResult{SectionOutcome::DatabaseError, 0};
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
        if (kind.vertical) prepare();
        if (count < 1) return Finish(tx, writer, prompt, SectionOutcome::Empty);

        std::vector<double> record(kind.numbers), bracket(kind.numbers);
        bool haveBracket = false;
        for (int i = 1; i <= count; ++i) {
            if (kind.label && !reader.next(token))
                return Finish(tx, writer, prompt, SectionOutcome::Insufficient, kMsgInsufficientData);
            if (ReadNumbers(reader, record.data(), kind.numbers) != ReadStatus::Ok)
                return Finish(tx, writer, prompt, SectionOutcome::Insufficient, kMsgInsufficientData);
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

}  // namespace

SectionResult ImportGroundLine(dao::Database& db, const RouteSource& source, const RouteRange& range,
                               ui::Prompter& prompt, const KeepAlive& keepAlive) {
    static const CountedKind kind{kProfileMarker, projectdb::kGroundLineTable, 2, false, 0, false};
    return ReadCounted(db, source, range, prompt, keepAlive, kind, BindGroundLine);
}

SectionResult ImportHorizontalCurves(dao::Database& db, const RouteSource& source, const RouteRange& range,
                                     ui::Prompter& prompt, const KeepAlive& keepAlive) {
    static const CountedKind kind{kPlanMarker, projectdb::kHorizontalCurveTable, 13, false, 10, false};
    return ReadCounted(db, source, range, prompt, keepAlive, kind, BindHorizontal);
}

SectionResult ImportVerticalCurves(dao::Database& db, const RouteSource& source, const RouteRange& range,
                                   ui::Prompter& prompt, const KeepAlive& keepAlive) {
    static const CountedKind kind{kVertMarker, projectdb::kVerticalCurveTable, 3, true, 0, true};
    return ReadCounted(db, source, range, prompt, keepAlive, kind, BindVertical);
}

SectionResult ImportRoadDesign(dao::Database& db, const RouteSource& source, const RouteRange& range,
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
        while (ReadNumbers(reader, record, kDeckNumbers) == ReadStatus::Ok) {
            if (keepAlive && ++read % kKeepAliveEvery == 0) keepAlive();
            if (record[0] < range.start || record[0] > range.end) continue;
            writer.addNew();
            for (int k = 0; k < kDeckNumbers; ++k) writer.set(k, Fixed6(record[k]));
            writer.update();
        }
        return Finish(tx, writer, prompt, SectionOutcome::Complete);
    } catch (const dao::DaoException& e) {
        return Failed(tx, prompt, e);
    }
}

}  // namespace exchange
