#include "kit/module_kit.h"

#include <iostream>
#include <stdexcept>

#include "platform/dao/recordset.h"
#include "platform/dao/sql.h"

namespace modulekit {
namespace {

// Without a shell's prompter a module still never stays silent: its messages go to standard error.
class StandardErrorPrompter : public ui::Prompter {
protected:
    ui::Answer show(const std::string& text, ui::Buttons buttons, ui::Icon, const std::string&) override {
        std::cerr << text << std::endl;
        return buttons == ui::Buttons::YesNo || buttons == ui::Buttons::YesNoCancel ? ui::Answer::Yes : ui::Answer::Ok;
    }
};

ui::Prompter* g_prompter = nullptr;
ui::RecordEditor* g_editor = nullptr;

long RecordCount(dao::Database& db, const std::string& table) {
    dao::Recordset rs(db);
    rs.Open("Select * From " + dao::QuoteIdentifier(table), dao::dbOpenForwardOnly);
    long count = 0;
    for (; !rs.IsEOF(); rs.MoveNext()) ++count;
    return count;
}

}  // namespace

ui::Prompter& ModulePrompter() {
    static StandardErrorPrompter standardError;
    return g_prompter ? *g_prompter : standardError;
}

void SetModulePrompter(ui::Prompter* prompter) { g_prompter = prompter; }

ui::RecordEditor& ModuleEditor() {
    static ui::AcceptingRecordEditor accepting;
    return g_editor ? *g_editor : accepting;
}

void SetModuleEditor(ui::RecordEditor* editor) { g_editor = editor; }

const projectdb::TableSchema& SchemaOf(const char* table) {
    const projectdb::TableSchema* schema = projectdb::FindTableSchema(table);
    if (!schema) throw std::logic_error(std::string("未描述的表：") + table);
    return *schema;
}

TableOutcome EnsureDefaultRecords(dao::Database& db, const projectdb::TableSchema& table,
                                  const std::vector<Record>& defaults) {
    TableOutcome outcome;
    dao::Transaction transaction(db);
    outcome.created = !db.HasTableDef(table.name);
    projectdb::EnsureTable(db, table);
    if (RecordCount(db, table.name) == 0) {
        dao::Recordset rs(db);
        rs.Open("Select * From " + dao::QuoteIdentifier(table.name));
        for (const Record& record : defaults) {
            rs.AddNew();
            for (const auto& [field, value] : record) rs.SetFieldValue(field, value);
            rs.Update();
            ++outcome.added;
        }
        rs.Close();
    }
    return outcome;
}

}  // namespace modulekit
