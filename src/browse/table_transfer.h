#pragma once
// Moving tables between project databases from the table tree: the transfer descriptor that a drag (also
// to another running program) carries, the copy of a dropped table with a new name on a clash, the copy
// into another project file, and the deletion of a table.
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "platform/dao/database.h"
#include "platform/interaction/interaction.h"

namespace browse {

// Name of the clipboard / drag-and-drop format between our programs.
inline constexpr const char* kTransferFormat = "Veltra";
inline constexpr short kTransferKindTable = 2;

// What a drag of a table carries: which database it comes from and which table it is.
struct TransferDescriptor {
    short kind = kTransferKindTable;
    std::string databasePath;
    std::string connect;  // the connect string the source database was opened with
    std::string table;
    friend bool operator==(const TransferDescriptor&, const TransferDescriptor&) = default;
};

// The archive stream: a 16-bit kind, then three length-prefixed strings (path, connect string, table
// name), little-endian. A length below 255 takes one byte; otherwise 0xFF and a 16-bit length, and from
// 0xFFFF on 0xFF 0xFFFF and a 32-bit length. Strings are UTF-8.
std::string EncodeTransfer(const TransferDescriptor& descriptor);
// None for bytes that are not a complete descriptor (truncated, trailing garbage, lengths out of range).
std::optional<TransferDescriptor> DecodeTransfer(std::string_view bytes);

// Asks for another name when the target already has a table of the proposed one; none means 取消.
using NewNamePrompt = std::function<std::optional<std::string>(const std::string& clashingName)>;

// The name a table is copied under into `target`: its own when free, otherwise what the user types,
// tested again until it is free (an empty name is asked again). None when the user cancels.
std::optional<std::string> ChooseTargetName(dao::Database& target, const std::string& name,
                                            const NewNamePrompt& askNewName);

// Copies a table from `source` into `target` under a free name (asking on a clash), with the project
// layer's one table copy (projectdb::CopyTableAs), all or nothing. Database errors are
// shown with ReportDaoError and end the copy. Returns the name the copy got, or none when nothing was
// copied (cancelled or failed).
std::optional<std::string> CopyTableInto(dao::Database& source, const std::string& table, dao::Database& target,
                                         const NewNamePrompt& askNewName, ui::Prompter& prompt);

// A drop: opens the descriptor's database read-only (or uses `target` itself when the table comes from the
// same file) and copies the table into `target`. None when the drop copied nothing.
std::optional<std::string> DropTable(const TransferDescriptor& descriptor, dao::Database& target,
                                     const NewNamePrompt& askNewName, ui::Prompter& prompt);

// Copies a table into the project file at `targetPath`, opened for reading and writing and closed again.
// The open project itself may be the target (the copy then goes through `source`).
std::optional<std::string> CopyTableToFile(dao::Database& source, const std::string& table,
                                           const std::string& targetPath, const NewNamePrompt& askNewName,
                                           ui::Prompter& prompt);

// ---- deleting ----
inline constexpr const char* kDeleteCaption = "Lumaris - 警告";
// "你是否真的要删除表：%s?" with Yes/No; true for Yes.
bool ConfirmDeleteTable(const std::string& table, ui::Prompter& prompt);
// Deletes the table definition. A database error is shown with its description under "Lumaris - 警告"
// and the table stays; false then.
bool DeleteTableDefinition(dao::Database& db, const std::string& table, ui::Prompter& prompt);

// ---- the rename dialog ----
inline constexpr const char* kRenameCaption = "警告";
inline constexpr const char* kRenameLine1 = "数据库中已经存在该条目，你必须给新的";
inline constexpr const char* kRenameLine2 = "条目赋新的名字：";

}  // namespace browse
