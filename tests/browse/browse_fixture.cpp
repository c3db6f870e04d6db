#include "browse_fixture.h"

#include <QMimeData>

#include "platform/spreadsheet/spreadsheet.h"

#include <algorithm>

#include "platform/dao/recordset.h"
#include "projectdb/schema.h"
#include "projectdb/variant_text.h"

namespace browse_test {

std::unique_ptr<dao::Database> MakeProject(const std::string& path, const std::vector<std::string>& tables) {
    auto db = dao::Database::Create(path);
    for (const std::string& name : tables) {
        if (const projectdb::TableSchema* schema = projectdb::FindTableSchema(name)) {
            projectdb::EnsureTable(*db, *schema);
            continue;
        }
        dao::TableDef def;
        def.m_strName = name;
        def.fields = {{"Name", dao::dbText, 255}, {"Value", dao::dbDouble, 8}, {"Note", dao::dbText, 255}};
        db->CreateTableDef(def);
    }
    return db;
}

void AddRows(dao::Database& db, const std::string& table, const Rows& rows) {
    dao::Recordset set(db);
    set.Open(table);
    for (const auto& row : rows) {
        set.AddNew();
        for (std::size_t i = 0; i < row.size(); ++i) set.SetFieldValue(static_cast<int>(i), dao::Value::Text(row[i]));
        set.Update();
    }
}

Rows ReadRows(dao::Database& db, const std::string& table) {
    Rows rows;
    dao::Recordset set(db);
    set.Open(table, dao::dbOpenForwardOnly);
    while (!set.IsEOF()) {
        std::vector<std::string> row;
        for (int i = 0; i < set.GetFieldCount(); ++i) row.push_back(projectdb::VariantToText(set.GetFieldValue(i)));
        rows.push_back(std::move(row));
        set.MoveNext();
    }
    return rows;
}

FakeHost::~FakeHost() { grids.clear(); }

browse::CBriFormView* FakeHost::OpenGridWindow(const std::string& table) {
    if (browse::CBriFormView* open = GridViewOf(table)) {
        activated.push_back(table);
        return open;
    }
    auto view = std::make_unique<browse::CBriFormView>(*this);
    view->Load(table);
    grids.push_back(std::move(view));
    return grids.back().get();
}

std::vector<browse::CBriFormView*> FakeHost::GridViews() const {
    std::vector<browse::CBriFormView*> views;
    for (const auto& g : grids) views.push_back(g.get());
    return views;
}

bool FakeHost::CloseGridWindow(browse::CBriFormView* view) {
    if (!view->CanClose()) return false;
    grids.erase(std::remove_if(grids.begin(), grids.end(), [view](const auto& g) { return g.get() == view; }),
                grids.end());
    return true;
}

bool Type(browse::CBriFormView& view, int row, int col, const std::string& text) {
    view.Grid().setCurrentCell(row, col);
    if (text.empty()) {
        view.Grid().clearSelectionContents();
        return view.Grid().text(row, col).isEmpty();
    }
    QMimeData data;
    data.setText(QString::fromStdString(text));
    return view.Grid().pasteMimeData(data);
}

Rows GridRows(const browse::CBriFormView& view) {
    Rows rows;
    for (int r = 1; r <= view.Grid().rowCount(); ++r) {
        std::vector<std::string> row;
        for (int c = 1; c <= view.Grid().columnCount(); ++c) row.push_back(view.Grid().textUtf8(r, c));
        rows.push_back(row);
    }
    return rows;
}

}  // namespace browse_test
