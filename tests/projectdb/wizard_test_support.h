#pragma once
// Reading back what the wizard's writers stored, a clean slate for the remembered page-1 values, and a
// project written by the wizard with its defaults.
#include <memory>
#include <string>
#include <vector>

#include "platform/dao/recordset.h"
#include "platform/registry/registry.h"
#include "projectdb/variant_text.h"
#include "projectdb/wizard_model.h"
#include "projectdb/wizard_texts.h"

namespace wizard_test {

using Rows = std::vector<std::vector<std::string>>;

// Every record of `sql` (or a table name) as display texts.
inline Rows ReadRows(dao::Database& db, const std::string& source) {
    dao::Recordset rs(db);
    rs.Open(source, dao::dbOpenForwardOnly);
    Rows rows;
    for (; !rs.IsEOF(); rs.MoveNext()) {
        std::vector<std::string> row;
        for (int i = 0; i < rs.GetFieldCount(); ++i)
            row.push_back(projectdb::VariantToText(rs.GetFieldValue(i)));
        rows.push_back(row);
    }
    return rows;
}

// One column of every record.
inline std::vector<std::string> Column(const Rows& rows, size_t column) {
    std::vector<std::string> out;
    for (const auto& r : rows) out.push_back(column < r.size() ? r[column] : "<none>");
    return out;
}

inline void ForgetRememberedValues() {
    for (const char* name : {"Department", "Project", "Bridge", "Forward Site", "Backward Site",
                             "Left Half Bridge Width", "Right Half Bridge Width", "Dist3"})
        registry::WriteSetting(projectdb::kRememberedSection, name, "");
}

// A new project of one span (the two abutments 0 and 1) at `path`, as the wizard's Finish writes it.
inline std::unique_ptr<dao::Database> NewWizardProject(const std::string& path) {
    ForgetRememberedValues();
    auto db = dao::Database::Create(path);
    projectdb::NewProjectWizard wizard;
    wizard.OnDrawingPageShown();
    wizard.WriteProject(*db);
    return db;
}

}  // namespace wizard_test
