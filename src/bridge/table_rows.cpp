#include "bridge/table_rows.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "platform/dao/database.h"
#include "platform/dao/recordset.h"
#include "platform/dao/sql.h"
#include "platform/text/cformat.h"
#include "platform/text/numbers.h"

namespace bridge {

namespace {

std::string Lower(std::string_view s) {
    std::string r(s);
    for (char& c : r)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return r;
}

std::string DaoText(const dao::DaoException& e) {
    if (e.m_bHasErrorInfo && !e.m_strDescription.empty()) return e.m_strDescription;
    return text::Format("数据库错误（%ld）", e.m_bHasErrorInfo ? e.m_lErrorCode : e.m_scode);
}

}  // namespace

TableRows::TableRows(dao::Database& db, std::string table, std::vector<Finding>& findings, const char* orderBy)
    : name_(std::move(table)), findings_(findings) {
    try {
        if (!db.HasTableDef(name_)) return;
        dao::Recordset set(db);
        set.Open("Select * From " + dao::QuoteIdentifier(name_), dao::dbOpenForwardOnly);
        for (int i = 0; i < set.GetFieldCount(); ++i) {
            fields_.push_back(set.GetFieldInfo(i).m_strName);
            index_.emplace(Lower(fields_.back()), i);
        }
        const int count = set.GetFieldCount();
        for (; !set.IsEOF(); set.MoveNext()) {
            std::vector<dao::Value> row(count);
            for (int i = 0; i < count; ++i) row[i] = set.GetFieldValue(i);
            rows_.push_back(std::move(row));
        }
        present_ = true;
    } catch (const dao::DaoException& e) {
        rows_.clear();
        findings_.push_back({"TABLE_UNREADABLE", 'E', "不能读取“" + name_ + "”：" + DaoText(e), name_, -1});
        return;
    }
    // A finding names a record by its row in the table's grid, which lists the records ordered by their
    // first field (equal values in stored order).
    std::vector<std::size_t> byFirst(rows_.size());
    std::iota(byFirst.begin(), byFirst.end(), 0);
    if (!fields_.empty())
        std::stable_sort(byFirst.begin(), byFirst.end(), [&](std::size_t a, std::size_t b) {
            const dao::Value &x = rows_[a][0], &y = rows_[b][0];
            if (x.isNull() || y.isNull()) return x.isNull() && !y.isNull();
            if (x.isNumber() && y.isNumber()) return x.toDouble() < y.toDouble();
            return x.toString() < y.toString();
        });
    std::vector<int> gridRow(rows_.size());
    for (std::size_t i = 0; i < byFirst.size(); ++i) gridRow[byFirst[i]] = static_cast<int>(i);
    positions_ = gridRow;
    if (orderBy && HasField(orderBy)) {
        const int f = Index(orderBy);
        std::vector<std::size_t> order(rows_.size());
        std::iota(order.begin(), order.end(), 0);
        auto key = [&](std::size_t r) { return rows_[r][f].isNull() ? 0.0 : rows_[r][f].toDouble(); };
        std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return key(a) < key(b); });
        std::vector<std::vector<dao::Value>> sorted;
        sorted.reserve(rows_.size());
        for (std::size_t r : order) sorted.push_back(std::move(rows_[r]));
        rows_ = std::move(sorted);
        for (std::size_t i = 0; i < order.size(); ++i) positions_[i] = gridRow[order[i]];
    }
}

int TableRows::Index(std::string_view field) const {
    auto it = index_.find(Lower(field));
    return it == index_.end() ? -1 : it->second;
}

double TableRows::Number(std::size_t row, std::string_view field, double fallback) const {
    const int f = Index(field);
    if (f < 0 || row >= rows_.size()) return fallback;
    const dao::Value& v = rows_[row][f];
    if (v.isNull()) return fallback;
    if (v.isNumber()) return v.toDouble();
    double value = 0;
    if (v.isText()) {
        if (v.text().empty()) return fallback;
        if (text::ParseWholeNumber(v.text(), value)) return value;
    }
    findings_.push_back({"VALUE_NOT_NUMBER", 'E',
                         text::Format("“%s”第%d条记录的 %s “%s”不是数值。", name_.c_str(), Record(row) + 1,
                                      std::string(field).c_str(), v.toString().c_str()),
                         name_, Record(row)});
    return fallback;
}

std::string TableRows::Text(std::size_t row, std::string_view field) const {
    const int f = Index(field);
    if (f < 0 || row >= rows_.size() || rows_[row][f].isNull()) return {};
    return rows_[row][f].toString();
}

int TableRows::Find(std::string_view field, double key) const {
    const int f = Index(field);
    if (f < 0) return -1;
    auto [it, fresh] = keyIndex_.try_emplace(f);
    auto& index = it->second;
    if (fresh)
        for (std::size_t r = rows_.size(); r-- > 0;)
            if (!rows_[r][f].isNull()) index[std::llround(rows_[r][f].toDouble())] = static_cast<int>(r);
    auto hit = index.find(std::llround(key));
    return hit == index.end() ? -1 : hit->second;
}

int TableRows::FindText(std::string_view field, const std::string& key) const {
    const int f = Index(field);
    if (f < 0) return -1;
    for (std::size_t r = 0; r < rows_.size(); ++r)
        if (!rows_[r][f].isNull() && rows_[r][f].toString() == key) return static_cast<int>(r);
    return -1;
}

}  // namespace bridge
