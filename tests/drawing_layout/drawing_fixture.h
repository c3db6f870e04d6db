#pragma once
// A bridge written by the new-project wizard, and a clean "Current Drawing" for every test.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "drawing/drawing_current.h"
#include "platform/dao/recordset.h"
#include "platform/registry/registry.h"
#include "projectdb/project_file.h"
#include "projectdb/schema.h"
#include "projectdb/variant_text.h"
#include "projectdb/wizard_model.h"
#include "support/settings_store.h"
#include "support/test_support.h"

namespace drawing_test {

using Strings = std::vector<std::string>;

// Spans 1-3 hollow slab 20 m, span 4 T-beam 25 m, spans 5-6 continuous box 30 m; supports 0 and 6
// abutments, 1-5 piers, as the wizard lays them out. Its drawing list is the wizard's default one:
// 桥型布置图 (Draw1), 空心板一般构造图(1,2,3跨) (Draw2), T梁一般构造图(4跨) (Draw3),
// 连续等截面箱梁一般构造图(5跨) and (6跨) (Draw4, Draw5), 桥台一般构造图(0,6号) (Draw6),
// 桥墩一般构造图(1,2,3,4,5号) (Draw7).
inline std::unique_ptr<dao::Database> MakeBridge(const std::string& path) {
    projectdb::NewProjectWizard wizard;
    projectdb::SpanInput input;
    input.sections = std::vector<Strings>{
        {"装配式简支空心板桥", "3", "20"}, {"装配式简支T梁桥", "1", "25"}, {"连续等截面箱梁桥", "2", "30"}};
    EXPECT_FALSE(wizard.spans().Apply(input));
    wizard.OnDrawingPageShown();
    auto db = projectdb::CreateProjectFile(path);
    wizard.WriteProject(*db);
    return db;
}

// Every record of a table or query as display texts, one string per record, fields joined with "|".
inline Strings Records(dao::Database& db, const std::string& source) {
    dao::Recordset rs(db);
    rs.Open(source, dao::dbOpenForwardOnly);
    Strings rows;
    for (; !rs.IsEOF(); rs.MoveNext()) {
        std::string row;
        for (int i = 0; i < rs.GetFieldCount(); ++i)
            row += (i ? "|" : "") + projectdb::VariantToText(rs.GetFieldValue(i));
        rows.push_back(row);
    }
    return rows;
}

// DrawingType, DrawingName, FileName.
inline Strings Current() {
    auto c = drawing::ReadCurrentDrawing();
    return {c.type, c.name, c.fileName};
}

inline void SetCurrent(const Strings& values) {
    registry::WriteSetting(drawing::kCurrentDrawingSection, drawing::kDrawingTypeValue, values.at(0));
    registry::WriteSetting(drawing::kCurrentDrawingSection, drawing::kDrawingNameValue, values.at(1));
    registry::WriteSetting(drawing::kCurrentDrawingSection, drawing::kFileNameValue, values.at(2));
}

class BridgeTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetCurrent({"", "", ""});
        db = MakeBridge(dir.file("bridge.vlt"));
    }
    testing_support::TempDir dir;
    testing_support::OwnSettingsStore store{dir.file("registry.db")};
    std::unique_ptr<dao::Database> db;
};

}  // namespace drawing_test
