#include "projectdb/wizard_writer.h"

#include <array>
#include <span>
#include <string_view>

#include "platform/dao/recordset.h"
#include "platform/text/cformat.h"
#include "platform/text/numbers.h"
#include "projectdb/drawing_page.h"
#include "projectdb/member_cleanup.h"
#include "projectdb/project_file.h"
#include "projectdb/schema.h"

namespace projectdb {

namespace {

using dao::ValueRef;

// Recreates one central table and appends its records as one unit. Inside a transaction that spans several
// tables (a new project file) it is a savepoint, so that a failing table is undone alone and the tables
// written before it stay written, with one write to disk for all.
class TableRewrite {
  public:
    TableRewrite(dao::Database& db, const char* table) : m_transaction(db), m_set(db) {
        const TableSchema& schema = *FindTableSchema(table);
        if (db.HasTableDef(schema.name)) db.DeleteTableDef(schema.name);
        db.CreateTableDef(schema.ToTableDef());
        m_set.Open(table);
    }
    // The values go straight to the prepared insert: a layout of thousands of spans builds no copies.
    void Append(std::initializer_list<ValueRef> values) { m_set.AppendRecord(values); }
    void Append(std::span<const ValueRef> values) { m_set.AppendRecord(values); }
    void Commit() {
        m_set.Close();
        m_transaction.Commit();
    }

  private:
    // Declared first so that it ends last: the record set is closed before an exception undoes the table.
    dao::Transaction m_transaction;
    dao::Recordset m_set;
};

std::string_view NameOr(const std::string& text, const char* fallback) {
    return text.empty() || text == "NULL" ? std::string_view(fallback) : std::string_view(text);
}
std::string_view TypeOrNone(const std::string& text) {
    return text.empty() ? std::string_view(kNoMember) : std::string_view(text);
}
ValueRef Text(const std::string& text) {
    return ValueRef::Text(text);
}
ValueRef Real(const std::string& text) {
    return ValueRef::Double(text::Atof(text));
}
ValueRef Whole(long n) {
    return ValueRef::Long(static_cast<std::int32_t>(n));
}
ValueRef Whole(const std::string& text) {
    return Whole(text::Atol(text));
}

// A skew angle of 0 means a square support line: 90 degrees, kept to the six decimals it is written with.
double SkewAngle(std::string_view text) {
    double angle = text::Atof(text);
    if (angle == 0) angle = 90;
    return text::Atof(text::FormatFixed(angle, 6));
}

// The number of one column of a long sheet, read again only when the text differs from the row before:
// most support columns hold the same default value on every row.
class ColumnNumber {
  public:
    explicit ColumnNumber(double (*read)(std::string_view)) : m_read(read) {}
    ValueRef operator()(const std::string& text) {
        if (!m_known || text != m_text) {
            m_text = text;
            m_value = m_read(text);
            m_known = true;
        }
        return ValueRef::Double(m_value);
    }

  private:
    double (*m_read)(std::string_view);
    bool m_known = false;
    std::string m_text;
    double m_value = 0;
};

// The text of one column of a long sheet, handed on as the very same characters while it repeats the row
// before (the rows stay alive until the table is written), so that the record set leaves it bound.
class ColumnText {
  public:
    ValueRef operator()(std::string_view text) {
        if (text != m_last) m_last = text;
        return ValueRef::Text(m_last);
    }

  private:
    std::string_view m_last;
};

void DeleteLayoutTables(dao::Database& db) {
    for (const char* table :
         {kSpanDivisionTable, kSuperLayoutTable, kSuperSpanTable, kSubLayoutTable, kJointTable}) {
        try {
            if (db.HasTableDef(table)) db.DeleteTableDef(table);
        } catch (const dao::DaoException&) {
            // The writer below recreates the table either way.
        }
    }
}

}  // namespace

void WriteGeneralInformation(dao::Database& db, const GeneralPage& page) {
    page.Remember();
    using F = GeneralField;
    auto t = [&](F f) -> const std::string& { return page.text(f); };
    TableRewrite table(db, kGeneralInfoTable);
    table.Append({
        ValueRef::Text(NameOr(t(F::DeptName), kNoMember)),
        ValueRef::Text(NameOr(t(F::ProjectName), kNoMember)),
        ValueRef::Text(NameOr(t(F::BridgeName), kNoMember)),
        ValueRef::Text(NameOr(t(F::LineMark), "K")),
        ValueRef::Text(NameOr(t(F::ForwardSite), kNoMember)),
        ValueRef::Text(NameOr(t(F::BackwardSite), kNoMember)),
        Text(t(F::TransectType)),
        Text(t(F::LeftOrRight)),
        Real(t(F::RoadWidth)),
        Real(t(F::BridgeWidth)),
        Real(t(F::LeftBridgeWidth)),
        Real(t(F::RightBridgeWidth)),
        Real(t(F::DividerWidth)),
        Real(t(F::Dist1)),
        Real(t(F::Dist2)),
        Real(t(F::Dist3)),
        Text(t(F::ElevationMethod)),
        Text(t(F::SuperelevationMethod)),
    });
    table.Commit();
}

namespace {

// One record per support: its number, stake and four member types, then the numbers the supports sheet gives;
// the rest of the record stays zero. A column whose text repeats is parsed once.
void AppendSupports(TableRewrite& table, const TextSheet& supports, const std::vector<SupportMembers>& members) {
    ColumnNumber depth(text::Atof), deckDrop(text::Atof), skew(SkewAngle), slope(text::Atof);
    std::array<ColumnText, 4> memberTexts;
    std::array<ValueRef, 18> values;
    values.fill(ValueRef::Double(0));
    for (int r = 0; r < supports.rows(); ++r) {
        auto cell = [&](int c) -> const std::string& { return supports.cell(r, c); };
        values[0] = Whole(supports.header(r));
        values[1] = Real(cell(support_col::kStake));
        for (int m = 0; m < 4; ++m) values[2 + m] = memberTexts[m](members[r][m]);
        values[6] = depth(cell(support_col::kDepth));
        values[7] = deckDrop(cell(support_col::kDeckDrop));
        values[8] = skew(cell(support_col::kSkew));
        values[9] = slope(cell(support_col::kSlope));
        table.Append(values);
    }
}

}  // namespace

void WriteSpanLayout(dao::Database& db, const SpanPage& page) {
    const TextSheet& sections = page.sheet(SpanSheet::Sections);
    const TextSheet& supports = page.sheet(SpanSheet::Supports);
    const TextSheet& joints = page.sheet(SpanSheet::Joints);

    std::vector<SupportMembers> members(supports.rows());
    for (int r = 0; r < supports.rows(); ++r)
        for (int m = 0; m < 4; ++m) members[r][m] = TypeOrNone(supports.cell(r, support_col::kCap + m));
    // Each section's numbers are read once, for the two tables that list them.
    struct Section {
        std::string_view type;
        long spans;
        double length;
    };
    std::vector<Section> sectionRows(sections.rows());
    for (int r = 0; r < sections.rows(); ++r)
        sectionRows[r] = {TypeOrNone(sections.cell(r, section_col::kType)), SpansOf(sections, r),
                          text::Atof(sections.cell(r, section_col::kLength))};
    // One transaction for the clean-up and the five tables: a reader never finds the layout half
    // rewritten, and a crash leaves the old layout with its members.
    dao::Transaction whole(db);
    CleanUpMembers(db, members);
    DeleteLayoutTables(db);
    std::size_t rewritten = 0;
    auto tableDone = [&rewritten] { KillHereIfTestAsks(++rewritten); };

    {
        auto b = [&](SpanBox box) -> const std::string& { return page.boxText(box); };
        TableRewrite table(db, kSpanDivisionTable);
        table.Append({Whole(b(SpanBox::SectSum)), Whole(b(SpanBox::SpanSum)), Whole(b(SpanBox::JointSum)),
                      Real(b(SpanBox::StartStake)), Real(b(SpanBox::CenterStake)),
                      Real(b(SpanBox::CrossAngle))});
        table.Commit();
        tableDone();
    }
    {
        TableRewrite table(db, kSuperLayoutTable);
        for (size_t r = 0; r < sectionRows.size(); ++r) {
            const Section& s = sectionRows[r];
            table.Append({Whole(static_cast<long>(r) + 1), ValueRef::Text(s.type), Whole(s.spans),
                          ValueRef::Double(s.length)});
        }
        table.Commit();
        tableDone();
    }
    {
        TableRewrite table(db, kSuperSpanTable);
        long span = 0;
        ColumnText type;
        for (const Section& s : sectionRows)
            for (long n = s.spans; n > 0; --n)
                table.Append({Whole(++span), type(s.type), ValueRef::Double(s.length)});
        table.Commit();
        tableDone();
    }
    {
        TableRewrite table(db, kSubLayoutTable);
        AppendSupports(table, supports, members);
        table.Commit();
        tableDone();
    }
    {
        TableRewrite table(db, kJointTable);
        for (int r = 0; r < joints.rows(); ++r)
            table.Append({Whole(static_cast<long>(r) + 1), Real(joints.cell(r, joint_col::kStake))});
        table.Commit();
        tableDone();
    }
    whole.Commit();
}

void WriteDrawingLayout(dao::Database& db, const TextSheet& drawings) {
    TableRewrite table(db, kDrawingLayoutTable);
    std::array<ValueRef, 16> values;
    values.fill(ValueRef::Double(0));
    for (int r = 0; r < drawings.rows(); ++r) {
        auto text = [&](int c) { return Text(drawings.cell(r, c)); };
        values[0] = text(drawing_col::kTitle);
        values[1] = text(drawing_col::kFile);
        values[2] = text(drawing_col::kType);
        values[3] = text(drawing_col::kSheetSize);
        values[4] = Real(drawings.cell(r, drawing_col::kScale));
        values[5] = Real(drawings.cell(r, drawing_col::kSectionScale));
        values[6] = text(drawing_col::kTitleBlock);
        values[7] = text(drawing_col::kSignOff);
        table.Append(values);
    }
    table.Commit();
}

}  // namespace projectdb
