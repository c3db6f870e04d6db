// Substructure entries: the four type names, then each member's sizes copied by position from the project's
// record of that pier or abutment.
#include <cstdlib>

#include "library/library_schema.h"
#include "library/library_writer.h"
#include "platform/dao/recordset.h"
#include "platform/dao/sql.h"
#include "platform/text/cformat.h"

namespace library {

void WriteSubstructureEntry(dao::Database& library, dao::Database& project, const LowerRow& row) {
    EnsureLibraryTable(library, row.code);
    dao::Recordset entry(library);
    entry.Open(dao::QuoteIdentifier(row.code));
    if (!entry.CanAppend()) return;
    entry.AddNew();
    entry.SetFieldValue(kCapField, dao::Value::Text(row.cap));
    entry.SetFieldValue(kBodyField, dao::Value::Text(row.body));
    entry.SetFieldValue(kConnectField, dao::Value::Text(row.connection));
    entry.SetFieldValue(kFoundationField, dao::Value::Text(row.foundation));

    const int pier = std::atoi(row.pier.c_str());
    int next = 4;  // the group of each position follows the four type names, in code order
    for (int p = 0; p < 4 && p < static_cast<int>(row.code.size()); ++p) {
        const SubPart part = static_cast<SubPart>(p);
        const char digit = row.code[p];
        const auto& group = SubstructureGroup(part, digit);
        if (group.empty()) continue;
        const std::string table = SubstructureMemberTable(part, digit);
        dao::Recordset member(project);
        const std::string quoted = dao::QuoteIdentifier(table);
        member.Open(text::Format("Select * From %s Where (((%s.PierAbutmentNum)=%d))", quoted, quoted, pier));
        if (member.IsEOF())
            throw dao::DaoException(
                dao::kErrNoCurrentRecord,
                text::Format("项目的 %s 中找不到 %d 号墩台的记录，构件库未写入该墩台。", table, pier));
        const std::vector<int> columns = SubstructureSourceColumns(part, digit, member.GetFieldCount());
        for (std::size_t i = 0; i < columns.size() && i < group.size(); ++i)
            entry.SetFieldValue(next + static_cast<int>(i), member.GetFieldValue(columns[i]));
        next += static_cast<int>(group.size());
    }
    entry.Update();
}

}  // namespace library
