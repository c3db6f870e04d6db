#include "projectdb/wizard_writer.h"

#include "platform/dao/recordset.h"
#include "platform/text/cformat.h"
#include "platform/text/numbers.h"
#include "projectdb/drawing_page.h"
#include "projectdb/member_cleanup.h"
#include "projectdb/project_file.h"
#include "projectdb/schema.h"

namespace projectdb {

namespace {

using dao::Value;

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
    void Append(std::initializer_list<Value> values) {
        m_set.AddNew();
        int i = 0;
        for (const Value& v : values) m_set.SetFieldValue(i++, v);
        m_set.Update();
    }
    template <class Fill>
    void AppendWith(Fill fill) {
        m_set.AddNew();
        fill(m_set);
        m_set.Update();
    }
    void Commit() {
        m_set.Close();
        m_transaction.Commit();
    }

  private:
    // Declared first so that it ends last: the record set is closed before an exception undoes the table.
    dao::Transaction m_transaction;
    dao::Recordset m_set;
};

std::string NameOr(const std::string& text, const char* fallback) {
    return text.empty() || text == "NULL" ? fallback : text;
}
std::string TypeOrNone(const std::string& text) {
    return text.empty() ? kNoMember : text;
}
Value Real(const std::string& text) {
    return Value::Double(text::Atof(text));
}
Value Whole(const std::string& text) {
    return Value::Long(static_cast<std::int32_t>(text::Atol(text)));
}
Value Whole(long n) {
    return Value::Long(static_cast<std::int32_t>(n));
}

// A skew angle of 0 means a square support line: 90 degrees, kept to the six decimals it is written with.
Value Skew(const std::string& text) {
    double angle = text::Atof(text);
    if (angle == 0) angle = 90;
    return Value::Double(text::Atof(text::FormatFixed(angle, 6)));
}

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
    auto t = [&](F f) { return page.text(f); };
    TableRewrite table(db, kGeneralInfoTable);
    table.Append({
        Value::Text(NameOr(t(F::DeptName), kNoMember)),
        Value::Text(NameOr(t(F::ProjectName), kNoMember)),
        Value::Text(NameOr(t(F::BridgeName), kNoMember)),
        Value::Text(NameOr(t(F::LineMark), "K")),
        Value::Text(NameOr(t(F::ForwardSite), kNoMember)),
        Value::Text(NameOr(t(F::BackwardSite), kNoMember)),
        Value::Text(t(F::TransectType)),
        Value::Text(t(F::LeftOrRight)),
        Real(t(F::RoadWidth)),
        Real(t(F::BridgeWidth)),
        Real(t(F::LeftBridgeWidth)),
        Real(t(F::RightBridgeWidth)),
        Real(t(F::DividerWidth)),
        Real(t(F::Dist1)),
        Real(t(F::Dist2)),
        Real(t(F::Dist3)),
        Value::Text(t(F::ElevationMethod)),
        Value::Text(t(F::SuperelevationMethod)),
    });
    table.Commit();
}

void WriteSpanLayout(dao::Database& db, const SpanPage& page) {
    const TextSheet& sections = page.sheet(SpanSheet::Sections);
    const TextSheet& supports = page.sheet(SpanSheet::Supports);
    const TextSheet& joints = page.sheet(SpanSheet::Joints);

    std::vector<SupportMembers> members(supports.rows());
    for (int r = 0; r < supports.rows(); ++r)
        for (int m = 0; m < 4; ++m) members[r][m] = TypeOrNone(supports.cell(r, support_col::kCap + m));
    // One transaction for the clean-up and the five tables: a reader never finds the layout half
    // rewritten, and a crash leaves the old layout with its members.
    dao::Transaction whole(db);
    CleanUpMembers(db, members);
    DeleteLayoutTables(db);
    std::size_t rewritten = 0;
    auto tableDone = [&rewritten] { KillHereIfTestAsks(++rewritten); };

    {
        auto b = [&](SpanBox box) { return page.boxText(box); };
        TableRewrite table(db, kSpanDivisionTable);
        table.Append({Whole(b(SpanBox::SectSum)), Whole(b(SpanBox::SpanSum)), Whole(b(SpanBox::JointSum)),
                      Real(b(SpanBox::StartStake)), Real(b(SpanBox::CenterStake)),
                      Real(b(SpanBox::CrossAngle))});
        table.Commit();
        tableDone();
    }
    {
        TableRewrite table(db, kSuperLayoutTable);
        for (int r = 0; r < sections.rows(); ++r)
            table.Append({Whole(r + 1), Value::Text(TypeOrNone(sections.cell(r, section_col::kType))),
                          Whole(sections.cell(r, section_col::kSpans)),
                          Real(sections.cell(r, section_col::kLength))});
        table.Commit();
        tableDone();
    }
    {
        TableRewrite table(db, kSuperSpanTable);
        long span = 0;
        for (int r = 0; r < sections.rows(); ++r) {
            Value type = Value::Text(TypeOrNone(sections.cell(r, section_col::kType)));
            Value length = Real(sections.cell(r, section_col::kLength));
            for (long s = SpansOf(sections, r); s > 0; --s) table.Append({Whole(++span), type, length});
        }
        table.Commit();
        tableDone();
    }
    {
        TableRewrite table(db, kSubLayoutTable);
        for (int r = 0; r < supports.rows(); ++r)
            table.AppendWith([&](dao::Recordset& rs) {
                auto cell = [&](int c) { return supports.cell(r, c); };
                rs.SetFieldValue(0, Whole(supports.header(r)));
                rs.SetFieldValue(1, Real(cell(support_col::kStake)));
                for (int m = 0; m < 4; ++m) rs.SetFieldValue(2 + m, Value::Text(members[r][m]));
                rs.SetFieldValue(6, Real(cell(support_col::kDepth)));
                rs.SetFieldValue(7, Real(cell(support_col::kDeckDrop)));
                rs.SetFieldValue(8, Skew(cell(support_col::kSkew)));
                rs.SetFieldValue(9, Real(cell(support_col::kSlope)));
                for (int f = 10; f < 18; ++f) rs.SetFieldValue(f, Value::Double(0));
            });
        table.Commit();
        tableDone();
    }
    {
        TableRewrite table(db, kJointTable);
        for (int r = 0; r < joints.rows(); ++r)
            table.Append({Whole(r + 1), Real(joints.cell(r, joint_col::kStake))});
        table.Commit();
        tableDone();
    }
    whole.Commit();
}

void WriteDrawingLayout(dao::Database& db, const TextSheet& drawings) {
    TableRewrite table(db, kDrawingLayoutTable);
    for (int r = 0; r < drawings.rows(); ++r)
        table.AppendWith([&](dao::Recordset& rs) {
            auto text = [&](int c) { return Value::Text(drawings.cell(r, c)); };
            rs.SetFieldValue(0, text(drawing_col::kTitle));
            rs.SetFieldValue(1, text(drawing_col::kFile));
            rs.SetFieldValue(2, text(drawing_col::kType));
            rs.SetFieldValue(3, text(drawing_col::kSheetSize));
            rs.SetFieldValue(4, Real(drawings.cell(r, drawing_col::kScale)));
            rs.SetFieldValue(5, Real(drawings.cell(r, drawing_col::kSectionScale)));
            rs.SetFieldValue(6, text(drawing_col::kTitleBlock));
            rs.SetFieldValue(7, text(drawing_col::kSignOff));
            for (int f = 8; f < 16; ++f) rs.SetFieldValue(f, Value::Double(0));
        });
    table.Commit();
}

}  // namespace projectdb
