// Reading and writing the assembly relations of 下构布置信息表.
#include "projectdb/assembly.h"

#include "platform/dao/recordset.h"
#include "platform/dao/sql.h"
#include "projectdb/schema.h"
#include "projectdb/variant_text.h"

namespace projectdb {

namespace {

std::string OrderedLayoutQuery() {
    return dao::SelectAllOrderedBy(kSubLayoutTable, "PierAbutNum");
}

}  // namespace

const std::array<AssemblySheetLayout, kAssemblySheetCount>& AssemblySheetLayouts() {
    static const std::array<AssemblySheetLayout, kAssemblySheetCount> layouts{{
        {"顺桥向",
         {{"桥面接缝中心至帽梁中心距离", "BriCntrToCapY"},
          {"帽梁中心至墩台身中心距离", "CapToBodyY"},
          {"墩台身中心至连接构造中心距离", "BodyToConnectY"},
          {"连接构造中心至基础中心距离", "ConnectToFoundY"}}},
        {"横桥向",
         {{"桥中心至帽梁中心距离", "BriCntrToCapX"},
          {"帽梁中心至墩台身中心距离", "CapToBodyX"},
          {"墩台身中心至连接构造中心距离", "BodyToConnectX"},
          {"连接构造中心至基础中心距离", "ConnectToFoundX"}}},
        {"竖向", {{"帽梁顶面至桥面高差", "DistToDeck"}, {"基础埋深(至地面高差)", "DistToGround"}}},
    }};
    return layouts;
}

AssemblyRelations ReadAssemblyRelations(dao::Database& db) {
    AssemblyRelations relations;
    try {
        dao::Recordset rs(db);
        rs.Open(OrderedLayoutQuery());
        if (rs.IsEOF()) return relations;
        rs.MoveLast();
        const int count = static_cast<int>(rs.GetRecordCount());
        for (TextSheet& sheet : relations.sheets) sheet.resize(count);
        for (int s = 0; s < kAssemblySheetCount; ++s) {
            const auto& columns = AssemblySheetLayouts()[s].columns;
            TextSheet& sheet = relations.sheets[s];
            rs.MoveFirst();
            for (int row = 0; row < count && !rs.IsEOF(); ++row, rs.MoveNext()) {
                sheet.setHeader(row, VariantToText(rs.GetFieldValue("PierAbutNum")));
                for (int c = 0; c < static_cast<int>(columns.size()); ++c)
                    sheet.setCell(row, c, VariantToText(rs.GetFieldValue(columns[c].field)));
            }
        }
    } catch (const dao::DaoException&) {
        // The dialog opens with what could be read.
    }
    return relations;
}

AssemblyWriteResult WriteAssemblyRelations(dao::Database& db, const AssemblyRelations& relations) {
    AssemblyWriteResult result;
    try {
        dao::Transaction transaction(db);
        dao::Recordset rs(db);
        try {
            rs.Open(OrderedLayoutQuery());
            for (int row = 0; !rs.IsEOF(); ++row, rs.MoveNext()) {
                if (!rs.CanUpdate()) break;
                rs.Edit();
                try {
                    for (int s = 0; s < kAssemblySheetCount; ++s) {
                        const auto& columns = AssemblySheetLayouts()[s].columns;
                        for (int c = 0; c < static_cast<int>(columns.size()); ++c)
                            rs.SetFieldValue(columns[c].field, dao::Value::Text(relations.sheets[s].cell(row, c)));
                    }
                    rs.Update();
                } catch (const dao::DaoException&) {
                    rs.CancelUpdate();
                    throw;
                }
                ++result.recordsWritten;
            }
            result.complete = rs.IsEOF();
        } catch (const dao::DaoException&) {
            // The records rewritten before the failing one stay rewritten.
        }
        transaction.Commit();
    } catch (const dao::DaoException&) {
        result.recordsWritten = 0;
        result.complete = false;
    }
    return result;
}

}  // namespace projectdb
