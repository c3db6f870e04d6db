#include "kit/project_facts.h"

#include "platform/dao/recordset.h"
#include "platform/dao/sql.h"
#include "platform/text/numbers.h"
#include "projectdb/schema.h"

namespace modulekit {
namespace {

std::optional<double> NumberOf(const dao::Value& value) {
    if (value.isNull()) return std::nullopt;
    if (value.isNumber()) return value.toDouble();
    double number = 0;
    if (value.isText() && text::ParseWholeNumber(value.text(), number)) return number;
    return std::nullopt;
}

}  // namespace

std::optional<double> FirstNumber(dao::Database& db, const std::string& table, const std::string& field) {
    if (!db.HasTableDef(table)) return std::nullopt;
    dao::Recordset rs(db);
    rs.Open("Select * From " + dao::QuoteIdentifier(table), dao::dbOpenForwardOnly);
    int index = rs.FieldIndex(field);
    if (index < 0 || rs.IsEOF()) return std::nullopt;
    return NumberOf(rs.GetFieldValue(index));
}

std::vector<double> SupportStakes(dao::Database& db) {
    std::vector<double> stakes;
    if (!db.HasTableDef(projectdb::kSubLayoutTable)) return stakes;
    dao::Recordset rs(db);
    rs.Open("Select PierAbutStake From [下构布置信息表] Order By 下构布置信息表.PierAbutNum", dao::dbOpenForwardOnly);
    for (; !rs.IsEOF(); rs.MoveNext())
        if (auto stake = NumberOf(rs.GetFieldValue(0))) stakes.push_back(*stake);
    return stakes;
}

std::optional<double> DeckWidth(dao::Database& db) {
    auto whole = FirstNumber(db, projectdb::kGeneralInfoTable, "BridgeWidth");
    if (whole && *whole > 0) return whole;
    auto left = FirstNumber(db, projectdb::kGeneralInfoTable, "LeftBridgeWidth");
    auto right = FirstNumber(db, projectdb::kGeneralInfoTable, "RightBridgeWidth");
    double sum = left.value_or(0) + right.value_or(0);
    if (sum > 0) return sum;
    return std::nullopt;
}

}  // namespace modulekit
