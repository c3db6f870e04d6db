#include "projectdb/member_cleanup.h"

#include "platform/dao/recordset.h"
#include "platform/dao/sql.h"
#include "projectdb/schema.h"

namespace projectdb {

namespace {

struct StoredSupport {
    long number = 0;
    SupportMembers members;
};

std::vector<StoredSupport> ReadStoredLayout(dao::Database& db) {
    std::vector<StoredSupport> stored;
    dao::Recordset rs(db);
    rs.Open(dao::SelectAllOrderedBy(kSubLayoutTable, "PierAbutNum"), dao::dbOpenForwardOnly);
    static const char* const kFields[4] = {"BentCapType", "BodyType", "ConnectType", "FoundationType"};
    for (; !rs.IsEOF(); rs.MoveNext()) {
        StoredSupport s;
        s.number = rs.GetFieldValue("PierAbutNum").toLong();
        for (int i = 0; i < 4; ++i) s.members[i] = rs.GetFieldValue(kFields[i]).toString();
        stored.push_back(std::move(s));
    }
    return stored;
}

}  // namespace

void RemoveMemberRecord(dao::Database& db, const std::string& typeName, long support) {
    auto table = MemberTableOf(typeName);
    if (!table) return;
    try {
        if (!db.HasTableDef(*table)) return;
        std::string key = dao::QuoteIdentifier(db.GetTableDef(*table).fields.at(0).m_strName);
        std::string from = " From " + dao::QuoteIdentifier(*table);
        dao::Recordset rs(db);
        rs.Open("Select " + key + from, dao::dbOpenDynaset);
        long count = rs.GetRecordCount();
        bool onlyThisSupport = count == 1 && (rs.MoveFirst(), rs.GetFieldValue(0).toLong() == support);
        rs.Close();
        if (count == 0 || onlyThisSupport)
            db.DeleteTableDef(*table);
        else
            db.Execute("Delete" + from + " Where " + key + " = " + std::to_string(support));
    } catch (const dao::DaoException&) {
        // A member table the design module left in another shape stays as it is.
    } catch (const std::out_of_range&) {
    }
}

void CleanUpMembers(dao::Database& db, const std::vector<SupportMembers>& newRows) {
    std::vector<StoredSupport> stored;
    try {
        stored = ReadStoredLayout(db);
    } catch (const dao::DaoException&) {
        return;  // no layout yet: nothing can be left over
    }
    for (size_t i = 0; i < stored.size(); ++i)
        for (int m = 0; m < 4; ++m)
            if (i >= newRows.size() || stored[i].members[m] != newRows[i][m])
                RemoveMemberRecord(db, stored[i].members[m], stored[i].number);
}

}  // namespace projectdb
