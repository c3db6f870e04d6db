#pragma once
// Projects for the member designs, made as the wizard makes them, and a record editor that shows what a
// module proposed and answers for the user.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <set>

#include "app/design_calls.h"
#include "platform/dao/recordset.h"
#include "platform/dao/sql.h"
#include "platform/interaction/record_editor.h"
#include "platform/interaction/scripted.h"
#include "projectdb/general_page.h"
#include "projectdb/project_file.h"
#include "projectdb/span_page.h"
#include "projectdb/wizard_writer.h"
#include "support/test_support.h"

namespace girder_test {

using Rows = std::vector<std::vector<std::string>>;

// Keeps each request without its picture maker: that is the module's code, gone once the shell has released
// the module. `change` runs while the module is loaded, as the user's edits do.
class RecordingEditor : public ui::RecordEditor {
public:
    bool edit(ui::EditRequest& request) override {
        if (change) change(request);
        ui::EditRequest kept;
        kept.title = request.title;
        kept.note = request.note;
        kept.tables = request.tables;
        requests.push_back(std::move(kept));
        return accept;
    }
    std::vector<ui::EditRequest> requests;
    bool accept = true;
    std::function<void(ui::EditRequest&)> change;
};

// A project of the wizard with the given general fields, sections and (optionally) supports and expansion
// joints (their stakes; left out, the wizard's).
inline std::unique_ptr<dao::Database> MakeProject(const std::string& path,
                                                  std::vector<std::pair<std::string, std::string>> general,
                                                  Rows sections, std::optional<Rows> supports = std::nullopt,
                                                  std::optional<Rows> joints = std::nullopt) {
    auto db = projectdb::CreateProjectFile(path);
    projectdb::GeneralPage page = projectdb::GeneralPage::NewProject();
    if (auto refused = page.Apply(general)) ADD_FAILURE() << *refused;
    projectdb::WriteGeneralInformation(*db, page);
    projectdb::SpanPage spans = projectdb::SpanPage::NewProject();
    projectdb::SpanInput input;
    input.boxes = {{projectdb::SpanBox::StartStake, "1000"}};
    input.sections = std::move(sections);
    input.supports = std::move(supports);
    input.joints = std::move(joints);
    if (auto refused = spans.Apply(input)) ADD_FAILURE() << *refused;
    projectdb::WriteSpanLayout(*db, spans);
    return db;
}

// A 12.5 m integral deck: two 16 m slab spans, one 30 m T-beam span, a continuous box of three 30 m spans
// from stake 1000, with the given supports and joints (left out, the wizard's).
inline std::unique_ptr<dao::Database> MakeMixedDeck(const std::string& path, std::optional<Rows> supports,
                                                    std::optional<Rows> joints = std::nullopt) {
    const Rows sections = {
        {"装配式简支空心板桥", "2", "16"}, {"装配式简支T梁桥", "1", "30"}, {"连续等截面箱梁桥", "3", "30"}};
    return MakeProject(path, {{"TransectType", "整体式"}, {"LeftBridgeWidth", "6.25"}, {"RightBridgeWidth", "6.25"}},
                       sections, std::move(supports), std::move(joints));
}

// The values of one field over a table's records, in record order.
inline std::vector<std::string> Column(dao::Database& db, const std::string& table, const std::string& field) {
    std::vector<std::string> values;
    dao::Recordset rs(db);
    rs.Open("Select * From " + dao::QuoteIdentifier(table), dao::dbOpenForwardOnly);
    for (; !rs.IsEOF(); rs.MoveNext()) values.push_back(rs.GetFieldValue(field).toString());
    return values;
}

// A field of the first record whose key field holds `key`.
inline dao::Value Field(dao::Database& db, const std::string& table, const std::string& keyField,
                        const std::string& key, const std::string& field) {
    dao::Recordset rs(db);
    rs.Open("Select * From " + dao::QuoteIdentifier(table), dao::dbOpenForwardOnly);
    for (; !rs.IsEOF(); rs.MoveNext())
        if (rs.GetFieldValue(keyField).toString() == key) return rs.GetFieldValue(field);
    ADD_FAILURE() << table << " has no record " << key;
    return {};
}

// Runs a design command through the module the shell would load.
class DesignFixture : public ::testing::Test {
protected:
    DesignFixture() : loader(VELTRA_MODULES_DIR) {}
    bool Run(int commandId) {
        return app::RunDesignCall(*app::FindDesignCall(commandId), *db, loader, prompter, &editor);
    }
    std::set<std::string> Tables() {
        std::set<std::string> names;
        for (const auto& t : db->GetTableDefs())
            if (!t.isSystem()) names.insert(t.m_strName);
        return names;
    }

    testing_support::TempDir dir;
    std::unique_ptr<dao::Database> db;
    modules::SharedLibraryLoader loader;
    ui::ScriptedPrompter prompter;
    RecordingEditor editor;
};

}  // namespace girder_test
