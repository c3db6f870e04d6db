#pragma once
// The text of an interface file as it is built, and the guard around each of its blocks: a block whose
// table, field or record cannot be read asks whether to go on; No stops the whole file.
#include <string>
#include <vector>

#include "projectdb/table_snapshot.h"
#include "platform/interaction/interaction.h"

namespace exchange {

struct StopWriting {};  // thrown when the user answers No; the file keeps what was written

struct LineLayout {
    const char* format;
    std::vector<const char*> fields;
};

class InterfaceOutput {
public:
    InterfaceOutput(dao::Database& db, ui::Prompter& prompt) : tables_(db), prompt_(prompt) { bytes_.reserve(1 << 20); }

    void comment(const std::string& utf8);  // any line given in UTF-8
    void line(const std::string& format, const std::vector<const dao::Value*>& values);
    // One line from the named fields of a record.
    void line(const LineLayout& layout, const projectdb::TableSnapshot& table,
              const projectdb::TableSnapshot::Record& record);
    void lines(const std::vector<LineLayout>& layouts, const projectdb::TableSnapshot& table,
               const projectdb::TableSnapshot::Record& record);

    // Runs `block`; a database error in it asks "不能打开 [table]。是否继续？": Yes goes on after the
    // block, No throws StopWriting. Returns whether the block ran to its end.
    template <class Block>
    bool guarded(const std::string& table, Block&& block) {
        try {
            block();
            return true;
        } catch (const dao::DaoException&) {
            askToGoOn(table);
            return false;
        }
    }

    projectdb::SnapshotCache& tables() { return tables_; }
    const std::string& bytes() const { return bytes_; }

private:
    void askToGoOn(const std::string& table);
    projectdb::SnapshotCache tables_;
    ui::Prompter& prompt_;
    std::string bytes_;
};

}  // namespace exchange
