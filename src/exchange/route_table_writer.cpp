#include "exchange/route_table_writer.h"

#include "platform/dao/sql.h"
#include "projectdb/schema.h"

namespace exchange {
namespace {

// Records added through one record set before it is renewed: a set remembers every record it added.
constexpr long kRecordsPerSet = 4096;

}  // namespace

void RouteTableWriter::prepare() {
    if (!db_.HasTableDef(table_)) {
        const projectdb::TableSchema* schema = projectdb::FindTableSchema(table_);
        if (!schema) throw dao::DaoException(dao::kErrTableMissing, "找不到输入表或查询 '" + table_ + "'。");
        projectdb::EnsureTable(db_, *schema);
    }
    db_.Execute("DELETE FROM " + dao::QuoteIdentifier(table_));
    openSet();
}

void RouteTableWriter::openSet() {
    if (!set_) set_ = std::make_unique<dao::Recordset>(db_);
    // An empty dynaset on the table: it can add records without reading those already there.
    set_->Open("SELECT * FROM " + dao::QuoteIdentifier(table_) + " WHERE 0 = 1", dao::dbOpenDynaset);
    inSet_ = 0;
}

int RouteTableWriter::field(const std::string& name) {
    int index = set_->FieldIndex(name);
    if (index < 0) throw dao::DaoException(dao::kErrItemNotFound, "在此集合中找不到项目 '" + name + "'。");
    return index;
}

void RouteTableWriter::addNew() {
    if (inSet_ >= kRecordsPerSet) openSet();
    set_->AddNew();
}

void RouteTableWriter::set(int field, std::string text) { set_->SetFieldValue(field, dao::Value::Text(std::move(text))); }

void RouteTableWriter::setNull(int field) { set_->SetFieldValueNull(field); }

void RouteTableWriter::update() {
    set_->Update();
    ++inSet_;
    ++written_;
}

}  // namespace exchange
