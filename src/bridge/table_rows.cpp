#include "bridge/table_rows.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "platform/dao/database.h"
#include "platform/text/cformat.h"
#include "platform/text/numbers.h"

namespace bridge {

namespace {

std::string DaoText(const dao::DaoException& e) {
    if (e.m_bHasErrorInfo && !e.m_strDescription.empty()) return e.m_strDescription;
    return text::Format("数据库错误（%ld）", e.m_bHasErrorInfo ? e.m_lErrorCode : e.m_scode);
}

}  // namespace

TableRows::TableRows(dao::Database& db, std::string table, std::vector<Finding>& findings, const char* orderBy)
    : name_(std::move(table)), findings_(findings) {
    try {
        if (!db.HasTableDef(name_)) return;
        snapshot_ = projectdb::TableSnapshot(db, name_);
        present_ = true;
    } catch (const dao::DaoException& e) {
        findings_.push_back({"TABLE_UNREADABLE", 'E', "不能读取“" + name_ + "”：" + DaoText(e), name_, -1});
        return;
    }
    const std::size_t count = snapshot_.size();
    // A finding names a record by its row in the table's grid, which lists the records ordered by their
    // first field (equal values in stored order).
    std::vector<std::size_t> byFirst(count);
    std::iota(byFirst.begin(), byFirst.end(), 0);
    if (snapshot_.fieldCount() > 0)
        std::stable_sort(byFirst.begin(), byFirst.end(), [&](std::size_t a, std::size_t b) {
            const dao::Value &x = snapshot_.record(a)[0], &y = snapshot_.record(b)[0];
            if (x.isNull() || y.isNull()) return x.isNull() && !y.isNull();
            if (x.isNumber() && y.isNumber()) return x.toDouble() < y.toDouble();
            return x.toString() < y.toString();
        });
    std::vector<int> gridRow(count);
    for (std::size_t i = 0; i < count; ++i) gridRow[byFirst[i]] = static_cast<int>(i);
    order_.resize(count);
    std::iota(order_.begin(), order_.end(), 0);
    if (orderBy && HasField(orderBy)) {
        const int f = Index(orderBy);
        auto key = [&](std::size_t r) {
            const dao::Value& v = snapshot_.record(r)[f];
            return v.isNull() ? 0.0 : v.toDouble();
        };
        std::stable_sort(order_.begin(), order_.end(), [&](std::size_t a, std::size_t b) { return key(a) < key(b); });
    }
    positions_.resize(count);
    for (std::size_t i = 0; i < count; ++i) positions_[i] = gridRow[order_[i]];
}

const dao::Value* TableRows::Cell(std::size_t row, int field) const {
    if (field < 0 || row >= order_.size()) return nullptr;
    return &snapshot_.record(order_[row])[field];
}

double TableRows::Number(std::size_t row, std::string_view field, double fallback) const {
    const dao::Value* cell = Cell(row, Index(field));
    if (!cell || cell->isNull()) return fallback;
    const dao::Value& v = *cell;
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
    const dao::Value* cell = Cell(row, Index(field));
    return !cell || cell->isNull() ? std::string() : cell->toString();
}

int TableRows::Find(std::string_view field, double key) const {
    const int f = Index(field);
    if (f < 0) return -1;
    auto [it, fresh] = keyIndex_.try_emplace(f);
    auto& index = it->second;
    if (fresh)
        for (std::size_t r = size(); r-- > 0;)
            if (const dao::Value* v = Cell(r, f); !v->isNull()) index[std::llround(v->toDouble())] = static_cast<int>(r);
    auto hit = index.find(std::llround(key));
    return hit == index.end() ? -1 : hit->second;
}

int TableRows::FindText(std::string_view field, const std::string& key) const {
    const int f = Index(field);
    if (f < 0) return -1;
    for (std::size_t r = 0; r < size(); ++r)
        if (const dao::Value* v = Cell(r, f); !v->isNull() && v->toString() == key) return static_cast<int>(r);
    return -1;
}

}  // namespace bridge
