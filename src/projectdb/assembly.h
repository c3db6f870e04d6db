#pragma once
// The assembly relations of the piers and abutments: how cap beam, body, connection member and foundation
// are placed relative to the deck and to each other, kept in ten fields of 下构布置信息表 and edited in three
// sheets (longitudinal, transverse, vertical), one row per support in PierAbutNum order.
#include <array>
#include <string>
#include <vector>

#include "platform/dao/database.h"
#include "projectdb/text_sheet.h"

namespace projectdb {

struct AssemblyColumn {
    const char* heading;
    const char* field;
};

struct AssemblySheetLayout {
    const char* name;
    std::vector<AssemblyColumn> columns;
};

inline constexpr int kAssemblySheetCount = 3;
inline constexpr const char* kAssemblyRowHeading = "墩台编号";
inline constexpr const char* kAssemblyNote =
    "注释：\n1.表中数据均以cm为单位。\n2.桥面接缝指桥面伸缩缝或连续缝。\n"
    "3.顺桥向以向前进方向为正，横桥向以向右为正，竖向以向下为正。\n"
    "4.前者在后者正方向填正值，反之填负值。横桥向距离斜交桥梁填斜距离。";

// "顺桥向", "横桥向", "竖向" with their column headings and fields.
const std::array<AssemblySheetLayout, kAssemblySheetCount>& AssemblySheetLayouts();

// The three sheets as texts; row headers are the PierAbutNum values.
struct AssemblyRelations {
    std::array<TextSheet, kAssemblySheetCount> sheets{TextSheet(4), TextSheet(4), TextSheet(2)};
    int rows() const { return sheets[0].rows(); }
};

// Every sheet gets one row per support, then the sheets are filled one after the other. A database error
// (no layout table, a field missing) ends the filling: what was read so far is returned.
AssemblyRelations ReadAssemblyRelations(dao::Database& db);

struct AssemblyWriteResult {
    int recordsWritten = 0;
    bool complete = false;  // every record was rewritten
};

// Rewrites the ten fields of the i-th support (PierAbutNum order) with the texts of row i of the sheets;
// row headers are not read back. Stops at the first record that cannot be written (a read-only table, a
// text that is not a number): the records before it keep their new values.
AssemblyWriteResult WriteAssemblyRelations(dao::Database& db, const AssemblyRelations& relations);

}  // namespace projectdb
