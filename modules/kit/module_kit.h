#pragma once
// What every design module shares: where its messages go, the C entry-point marker, and filling a table
// with its default records.
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "platform/dao/database.h"
#include "platform/dao/value.h"
#include "platform/interaction/interaction.h"
#include "platform/interaction/record_editor.h"
#include "projectdb/schema.h"

// An entry point the shell looks up by name.
#define VELTRA_MODULE_ENTRY extern "C" __attribute__((visibility("default")))

namespace modulekit {

// The prompter the shell handed over with SetModulePrompter, or one that writes to standard error when the
// module runs without a shell that did.
ui::Prompter& ModulePrompter();
void SetModulePrompter(ui::Prompter* prompter);

// The record editor the shell handed over with SetModuleEditor, or one that accepts every proposal as it
// stands when the module runs without a shell that did.
ui::RecordEditor& ModuleEditor();
void SetModuleEditor(ui::RecordEditor* editor);

// One record as (field name, value) pairs; fields not named stay empty.
using Record = std::vector<std::pair<std::string, dao::Value>>;

// The values of proposed records, short because a record lists dozens of them: a measure (metres, or a
// slope, an angle), a count, a text.
inline dao::Value M(double measure) { return dao::Value::Double(measure); }
inline dao::Value N(long count) { return dao::Value::Long(static_cast<std::int32_t>(count)); }
inline dao::Value S(std::string text) { return dao::Value::Text(std::move(text)); }

// The fields of `a`, then those of `b`.
inline Record Joined(Record a, const Record& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

struct TableOutcome {
    bool created = false;  // the table was missing and has been made
    long added = 0;        // records written
};

// Creates `table` when the project has none, then writes `defaults` when it holds no record. Records already
// there are kept as they are. A database failure raises dao::DaoException and writes nothing.
TableOutcome EnsureDefaultRecords(dao::Database& db, const projectdb::TableSchema& table,
                                  const std::vector<Record>& defaults);

// The schema of a table the project database describes; raises std::logic_error for an unknown one.
const projectdb::TableSchema& SchemaOf(const char* table);

// Runs an entry point's body; a failure is told to the user, never thrown back into the shell.
template <class Body>
void Guarded(Body body) {
    try {
        body();
    } catch (const dao::DaoException& e) {
        ModulePrompter().message(e.m_strDescription, ui::Buttons::Ok, ui::Icon::Stop);
    } catch (const std::exception& e) {
        ModulePrompter().message(std::string("设计模块出错：") + e.what(), ui::Buttons::Ok, ui::Icon::Stop);
    }
}

}  // namespace modulekit

// Every module exports these hooks so that the shell can show the module's messages and its proposed records
// its own way.
#define VELTRA_MODULE_PROMPTER_HOOK()                                                                              \
    VELTRA_MODULE_ENTRY void SetModulePrompter(ui::Prompter* prompter) { modulekit::SetModulePrompter(prompter); } \
    VELTRA_MODULE_ENTRY void SetModuleEditor(ui::RecordEditor* editor) { modulekit::SetModuleEditor(editor); }
