#include "platform/dao/recordset.h"

#include <sqlite3.h>

#include <bit>
#include <cctype>
#include <cmath>
#include <regex>

#include "platform/dao/sql.h"
#include "platform/text/numbers.h"

namespace dao {
namespace {

constexpr const char* kRowidColumn = "veltra$rowid";

std::string Lower(std::string s) {
    for (auto& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

bool StartsWithSelect(const std::string& s) {
    size_t i = s.find_first_not_of(" \t\r\n(");
    return i != std::string::npos && Lower(s.substr(i, 6)) == "select";
}

// The bare name of a quoted identifier ([name], `name` or "name", with doubled quote characters undone).
std::string Unbracket(const std::string& name) {
    if (name.size() >= 2 && name.front() == '[' && name.back() == ']') return name.substr(1, name.size() - 2);
    if (name.size() >= 2 && (name.front() == '`' || name.front() == '"') && name.back() == name.front()) {
        std::string out;
        for (size_t i = 1; i + 1 < name.size(); ++i) {
            out += name[i];
            if (name[i] == name.front() && name[i + 1] == name.front()) ++i;
        }
        return out;
    }
    return name;
}

// Text outside brackets and quotes, lower-cased, so that keywords can be looked for without false hits.
std::string Skeleton(const std::string& sql) {
    std::string out;
    char quote = 0;
    for (char c : sql) {
        if (quote) {
            if (c == quote) quote = 0;
            out += ' ';
        } else if (c == '[') {
            quote = ']';
            out += ' ';
        } else if (c == '\'' || c == '"' || c == '`') {
            quote = c;
            out += ' ';
        } else {
            out += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
    }
    return out;
}

struct SingleTableSelect {
    std::string columns, tableRef, rest;
};

// "SELECT cols FROM table [WHERE ...] [ORDER BY ...]" on one table can be updated through its rowid.
std::optional<SingleTableSelect> MatchSingleTable(const std::string& sql) {
    std::string skeleton = Skeleton(sql);
    for (const char* word : {" join ", " group ", " union ", " distinct ", " having ", " limit "})
        if ((" " + skeleton + " ").find(word) != std::string::npos) return std::nullopt;
    static const std::regex pattern(R"(^\s*select\s+(.*?)\s+from\s+(\[[^\]]+\]|`(?:[^`]|``)+`|[^\s,;()\[\]`]+)\s*((where|order)\s.*|;\s*)?$)",
                                    std::regex::icase);
    std::smatch m;
    if (!std::regex_match(sql, m, pattern)) return std::nullopt;
    if (Skeleton(m[1].str()).find('(') != std::string::npos) return std::nullopt;  // aggregates, expressions
    return SingleTableSelect{m[1].str(), m[2].str(), m[3].str()};
}

short TypeFromStorage(int storage) {
    switch (storage) {
        case SQLITE_INTEGER: return dbLong;
        case SQLITE_FLOAT: return dbDouble;
        case SQLITE_BLOB: return dbLongBinary;
        default: return dbText;
    }
}

bool IsNumericType(short t) {
    switch (t) {
        case dbBoolean: case dbByte: case dbInteger: case dbLong: case dbCurrency: case dbSingle: case dbDouble: case dbDate:
            return true;
        default:
            return false;
    }
}

// The variant kind a numeric field keeps its values in, so that a value of that kind is stored as it is.
// Currency is left out: its scaled integer is rounded again on every assignment.
std::uint16_t NaturalVariant(short fieldType) {
    switch (fieldType) {
        case dbBoolean: return VT_BOOL;
        case dbByte: return VT_UI1;
        case dbInteger: return VT_I2;
        case dbLong: return VT_I4;
        case dbSingle: return VT_R4;
        case dbDouble: return VT_R8;
        case dbDate: return VT_DATE;
        default: return VT_EMPTY;
    }
}

[[noreturn]] void ConversionError() { throw DaoException(kErrConversion, "数据类型转换错误。"); }
[[noreturn]] void Overflow() { throw DaoException(kErrOverflow, "数值字段溢出。"); }
[[noreturn]] void NoCurrentRecord() { throw DaoException(kErrNoCurrentRecord, "无当前记录。"); }

// Equal to the bit, so that 0 and -0 differ as they do when stored.
bool SameBits(double a, double b) { return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b); }

// Whole numbers are rounded half to even, as the engine rounds when it stores a fraction in an integer field.
double RoundHalfEven(double v) { return std::nearbyint(v); }

}  // namespace

Recordset::~Recordset() { Close(); }

void Recordset::Close() {
    select_.reset();
    insert_.reset();
    bound_.clear();
    update_.reset();
    delete_.reset();
    load_.reset();
    rows_.clear();
    fields_.clear();
    fieldIndex_.clear();
    open_ = false;
    mode_ = EditMode::None;
}

void Recordset::Open(const std::string& source, int openType) {
    Close();
    if (!db_->IsOpen()) throw DaoException(kErrGeneric, "数据库未打开。");
    source_ = source;
    openType_ = openType;
    table_.clear();
    hasRowid_ = false;
    if (!StartsWithSelect(source)) {
        table_ = Unbracket(source);
        if (!db_->HasTableDef(table_)) throw DaoException(kErrTableMissing, "找不到输入表或查询 '" + table_ + "'。");
        sql_ = "SELECT rowid AS [" + std::string(kRowidColumn) + "], * FROM " + QuoteIdentifier(table_);
        hasRowid_ = true;
    } else {
        std::string translated = TranslateJetSql(source);
        auto single = openType == dbOpenForwardOnly ? std::nullopt : MatchSingleTable(translated);
        if (single) {
            table_ = Unbracket(single->tableRef);
            sql_ = "SELECT " + single->tableRef + ".rowid AS [" + kRowidColumn + "], " + single->columns + " FROM " +
                   single->tableRef + " " + single->rest;
            hasRowid_ = true;
        } else {
            sql_ = translated;
        }
    }
    updatable_ = hasRowid_ && openType != dbOpenSnapshot && openType != dbOpenForwardOnly;
    Prepare();
    open_ = true;
    if (openType_ == dbOpenForwardOnly) {
        position_ = 0;
        bool any = FetchOne();
        bof_ = eof_ = !any;
    } else {
        FetchAll();
        position_ = rows_.empty() ? -1 : 0;
        bof_ = eof_ = rows_.empty();
    }
}

void Recordset::Prepare() {
    sqlite3_stmt* stmt = nullptr;
    int rc = sqlite3_prepare_v2(db_->handle(), sql_.c_str(), -1, &stmt, nullptr);
    if (rc != SQLITE_OK) db_->Raise(rc, source_);
    select_ = {stmt, sqlite3_finalize};
    fields_.clear();
    fieldIndex_.clear();
    int first = hasRowid_ ? 1 : 0;
    int count = sqlite3_column_count(stmt);
    for (int c = first; c < count; ++c) {
        const char* decl = sqlite3_column_decltype(stmt, c);
        FieldInfo f = FieldFromDeclaredType(sqlite3_column_name(stmt, c), decl ? decl : "");
        if (!decl) f.m_nType = 0;  // decided by the first value read
        fieldIndex_.emplace(Lower(f.m_strName), static_cast<int>(fields_.size()));
        fields_.push_back(std::move(f));
    }
    exhausted_ = false;
    rows_.clear();
    liveCount_ = 0;
}

Value Recordset::ReadColumn(sqlite3_stmt* stmt, int column, short type) const {
    int storage = sqlite3_column_type(stmt, column);
    if (storage == SQLITE_NULL) return Value::Null();
    if (IsNumericType(type) && storage == SQLITE_TEXT) {
        // A foreign file may keep text in a numeric column: a number stays a number, anything else is text.
        double parsed;
        const char* t = reinterpret_cast<const char*>(sqlite3_column_text(stmt, column));
        if (!text::ParseWholeNumber(t ? t : "", parsed)) return Value::Text(t ? t : "");
    }
    switch (type) {
        case dbBoolean: return Value::Bool(sqlite3_column_int64(stmt, column) != 0);
        case dbByte: return Value::Byte(static_cast<std::uint8_t>(sqlite3_column_int(stmt, column)));
        case dbInteger: return Value::Short(static_cast<std::int16_t>(sqlite3_column_int(stmt, column)));
        case dbLong: {
            if (storage == SQLITE_FLOAT) return Value::Double(sqlite3_column_double(stmt, column));
            sqlite3_int64 v = sqlite3_column_int64(stmt, column);
            if (v < INT32_MIN || v > INT32_MAX) return Value::Double(static_cast<double>(v));
            return Value::Long(static_cast<std::int32_t>(v));
        }
        case dbCurrency: return Value::Currency(std::llround(sqlite3_column_double(stmt, column) * 10000.0));
        case dbSingle: return Value::Single(static_cast<float>(sqlite3_column_double(stmt, column)));
        case dbDouble: return Value::Double(sqlite3_column_double(stmt, column));
        case dbDate: return Value::Date(sqlite3_column_double(stmt, column));
        case dbBinary:
        case dbLongBinary: {
            // Read as a blob whatever the storage, so that the bytes come back exactly as they were written.
            const void* bytes = sqlite3_column_blob(stmt, column);
            int size = sqlite3_column_bytes(stmt, column);
            return Value::Binary(bytes ? std::string(static_cast<const char*>(bytes), size) : std::string());
        }
        default: {
            const char* t = reinterpret_cast<const char*>(sqlite3_column_text(stmt, column));
            return Value::Text(t ? std::string(t, sqlite3_column_bytes(stmt, column)) : "");
        }
    }
}

bool Recordset::FetchOne() {
    if (exhausted_) return false;
    int rc = sqlite3_step(select_.get());
    if (rc == SQLITE_DONE) {
        exhausted_ = true;
        return false;
    }
    if (rc != SQLITE_ROW) db_->Raise(rc, source_);
    int first = hasRowid_ ? 1 : 0;
    Row row;
    if (hasRowid_) row.rowid = sqlite3_column_int64(select_.get(), 0);
    row.values = std::make_unique<std::vector<Value>>();
    row.values->reserve(fields_.size());
    for (size_t i = 0; i < fields_.size(); ++i) {
        int column = static_cast<int>(i) + first;
        if (fields_[i].m_nType == 0 && sqlite3_column_type(select_.get(), column) != SQLITE_NULL) {
            fields_[i] = FieldFromDeclaredType(fields_[i].m_strName, "");
            fields_[i].m_nType = TypeFromStorage(sqlite3_column_type(select_.get(), column));
            fields_[i].m_lSize = NaturalSize(fields_[i].m_nType);
            if (fields_[i].m_nType == dbText) fields_[i].m_lSize = 255;
        }
        row.values->push_back(ReadColumn(select_.get(), column, fields_[i].m_nType ? fields_[i].m_nType : static_cast<short>(dbText)));
    }
    if (openType_ == dbOpenForwardOnly) rows_.clear();
    rows_.push_back(std::move(row));
    ++liveCount_;
    return true;
}

void Recordset::FetchAll() {
    while (FetchOne()) {
    }
}

void Recordset::Requery() {
    if (!open_) return;
    std::string source = source_;
    Open(source, openType_);
}

bool Recordset::IsEOF() const { return !open_ || eof_; }
bool Recordset::IsBOF() const { return !open_ || bof_; }

// A forward-only set counts the records read so far, as a set that has not moved to its end does.
long Recordset::GetRecordCount() { return open_ ? liveCount_ : 0; }

void Recordset::SkipDeleted(int direction) {
    while (position_ >= 0 && position_ < static_cast<long>(rows_.size()) && rows_[position_].deleted)
        position_ += direction;
}

void Recordset::MoveFirst() {
    if (!open_) NoCurrentRecord();
    mode_ = EditMode::None;
    if (openType_ == dbOpenForwardOnly) {
        // A forward-only set cannot go back; it stays where it is, as its first record is behind it.
        return;
    }
    position_ = 0;
    SkipDeleted(+1);
    bof_ = eof_ = position_ >= static_cast<long>(rows_.size());
    if (eof_) position_ = static_cast<long>(rows_.size());
}

void Recordset::MoveLast() {
    if (!open_) NoCurrentRecord();
    mode_ = EditMode::None;
    if (openType_ == dbOpenForwardOnly) {
        while (FetchOne()) {
        }
        return;
    }
    position_ = static_cast<long>(rows_.size()) - 1;
    SkipDeleted(-1);
    bof_ = eof_ = position_ < 0;
}

void Recordset::MoveNext() {
    if (!open_ || eof_) NoCurrentRecord();
    mode_ = EditMode::None;
    bof_ = false;
    if (openType_ == dbOpenForwardOnly) {
        eof_ = !FetchOne();
        return;
    }
    ++position_;
    SkipDeleted(+1);
    if (position_ >= static_cast<long>(rows_.size())) {
        position_ = static_cast<long>(rows_.size());
        eof_ = true;
    }
}

void Recordset::MovePrev() {
    if (!open_ || bof_ || openType_ == dbOpenForwardOnly) NoCurrentRecord();
    mode_ = EditMode::None;
    eof_ = false;
    --position_;
    SkipDeleted(-1);
    if (position_ < 0) {
        position_ = -1;
        bof_ = true;
    }
}

int Recordset::FieldIndex(const std::string& name) const {
    auto it = fieldIndex_.find(Lower(Unbracket(name)));
    return it == fieldIndex_.end() ? -1 : it->second;
}

void Recordset::RequireCurrent() const {
    if (!open_ || eof_ || bof_ || position_ < 0 || position_ >= static_cast<long>(rows_.size())) NoCurrentRecord();
}

Recordset::Row& Recordset::Current() {
    if (openType_ == dbOpenForwardOnly) {
        if (!open_ || eof_ || rows_.empty()) NoCurrentRecord();
        return rows_.back();
    }
    RequireCurrent();
    Row& row = rows_[position_];
    if (row.deleted) throw DaoException(kErrNoCurrentRecord, "记录已被删除。");
    if (!row.values) LoadRow(row);
    return row;
}

sqlite3_stmt* Recordset::Cached(std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)>& slot, const std::string& sql) {
    if (!slot) {
        sqlite3_stmt* stmt = nullptr;
        int rc = sqlite3_prepare_v2(db_->handle(), sql.c_str(), -1, &stmt, nullptr);
        if (rc != SQLITE_OK) db_->Raise(rc, table_);
        slot = {stmt, sqlite3_finalize};
    }
    // Every user binds all its parameters anew, so the old bindings need no clearing.
    sqlite3_reset(slot.get());
    return slot.get();
}

std::string Recordset::ColumnList() const {
    std::string columns;
    for (size_t i = 0; i < fields_.size(); ++i) columns += (i ? ", " : "") + QuoteIdentifier(fields_[i].m_strName);
    return columns;
}

std::string Recordset::InsertSql() const {
    std::string params;
    for (size_t i = 0; i < fields_.size(); ++i) params += i ? ", ?" : "?";
    return "INSERT INTO " + QuoteIdentifier(table_) + " (" + ColumnList() + ") VALUES (" + params + ")";
}

void Recordset::LoadRow(Row& row) {
    // The SQL text is built only the first time; afterwards the prepared statement is reused.
    sqlite3_stmt* stmt = load_ ? Cached(load_, {})
                               : Cached(load_, "SELECT " + ColumnList() + " FROM " + QuoteIdentifier(table_) + " WHERE rowid = ?");
    sqlite3_bind_int64(stmt, 1, row.rowid);
    row.values = std::make_unique<std::vector<Value>>();
    if (sqlite3_step(stmt) == SQLITE_ROW) {
        for (size_t i = 0; i < fields_.size(); ++i)
            row.values->push_back(ReadColumn(stmt, static_cast<int>(i), fields_[i].m_nType));
    } else {
        row.values->assign(fields_.size(), Value::Null());
    }
    sqlite3_reset(stmt);
}

Value Recordset::GetFieldValue(int index) {
    if (index < 0 || index >= GetFieldCount()) throw DaoException(kErrItemNotFound, "在此集合中找不到项目。");
    if (mode_ != EditMode::None) return buffer_[index];
    return (*Current().values)[index];
}

Value Recordset::GetFieldValue(const std::string& name) {
    int index = FieldIndex(name);
    if (index < 0) throw DaoException(kErrItemNotFound, "在此集合中找不到项目 '" + name + "'。");
    return GetFieldValue(index);
}

Value Recordset::Coerce(int index, const Value& value) const {
    if (value.isNull()) return Value::Null();
    short type = fields_[index].m_nType;
    if (!IsNumericType(type)) {
        if (type == dbText || type == dbMemo || type == 0) {
            Value text = value.isText() ? value : Value::Text(value.toString());
            CheckTextFits(index, text.text());
            return text;
        }
        if (type == dbBinary || type == dbLongBinary) {
            // A binary field takes bytes; text is stored as its bytes.
            if (value.isBinary()) return value;
            if (value.isText()) return Value::Binary(value.text());
            ConversionError();
        }
        return value;
    }
    double number;
    if (value.isText()) {
        if (!text::ParseWholeNumber(value.text(), number)) ConversionError();
    } else if (value.isNumber()) {
        number = value.toDouble();
    } else {
        ConversionError();
    }
    switch (type) {
        case dbBoolean: return Value::Bool(number != 0);
        case dbByte:
            number = RoundHalfEven(number);
            if (number < 0 || number > 255) Overflow();
            return Value::Byte(static_cast<std::uint8_t>(number));
        case dbInteger:
            number = RoundHalfEven(number);
            if (number < INT16_MIN || number > INT16_MAX) Overflow();
            return Value::Short(static_cast<std::int16_t>(number));
        case dbLong:
            number = RoundHalfEven(number);
            if (number < INT32_MIN || number > INT32_MAX) Overflow();
            return Value::Long(static_cast<std::int32_t>(number));
        case dbCurrency: return Value::Currency(std::llround(number * 10000.0));
        case dbSingle: return Value::Single(static_cast<float>(number));
        case dbDate: return Value::Date(number);
        default: return Value::Double(number);
    }
}

void Recordset::CheckTextFits(int index, std::string_view text) const {
    // A character takes at least one byte, so text no longer in bytes than the size needs no counting.
    const long size = fields_[index].m_lSize;
    if (fields_[index].m_nType == dbText && size > 0 && static_cast<long>(text.size()) > size &&
        CharacterCount(text) > size)
        throw DaoException(kErrOverflow, "字段太小，不能接受所要添加的数据量。");
}

void Recordset::SetFieldValue(int index, const Value& value) {
    if (mode_ == EditMode::None) throw DaoException(kErrUpdateWithoutEdit, "没有使用 AddNew 或 Edit 便执行了更新。");
    if (index < 0 || index >= GetFieldCount()) throw DaoException(kErrItemNotFound, "在此集合中找不到项目。");
    const short type = fields_[index].m_nType;
    if (value.isText() && (type == dbText || type == dbMemo || type == 0)) {
        // Text into a text field, the common case of an append: copied into the buffer's own string, whose
        // storage the previous record leaves behind, so that a long run of appends allocates nothing here.
        CheckTextFits(index, value.text());
        buffer_[index] = value;
    } else if (value.isNumber() && value.type() == NaturalVariant(type)) {
        buffer_[index] = value;  // already of the field's kind: nothing to convert or check
    } else {
        buffer_[index] = Coerce(index, value);
    }
    dirty_[index] = true;
}

void Recordset::SetFieldValue(const std::string& name, const Value& value) {
    int index = FieldIndex(name);
    if (index < 0) throw DaoException(kErrItemNotFound, "在此集合中找不到项目 '" + name + "'。");
    SetFieldValue(index, value);
}

void Recordset::BindValue(sqlite3_stmt* stmt, int param, const Value& v) const {
    switch (v.type()) {
        case VT_EMPTY: case VT_NULL: sqlite3_bind_null(stmt, param); break;
        // Text and bytes are bound without a copy: every caller binds from the edit buffer and steps the
        // statement before the buffer changes, and binds every parameter anew before the next step.
        case VT_BSTR: sqlite3_bind_text(stmt, param, v.text().data(), static_cast<int>(v.text().size()), SQLITE_STATIC); break;
        // An empty byte string still has a data pointer, so it is stored as an empty blob, not as null.
        case VT_ARRAY | VT_UI1:
            sqlite3_bind_blob(stmt, param, v.bytes().data(), static_cast<int>(v.bytes().size()), SQLITE_STATIC);
            break;
        case VT_R4: case VT_R8: case VT_DATE: sqlite3_bind_double(stmt, param, v.real()); break;
        case VT_CY: sqlite3_bind_double(stmt, param, v.toDouble()); break;
        default: sqlite3_bind_int64(stmt, param, v.integer()); break;
    }
}

void Recordset::AddNew() {
    if (!updatable_) throw DaoException(kErrReadOnly, "不能更新。数据库或对象为只读。");
    mode_ = EditMode::AddNew;
    buffer_.assign(fields_.size(), Value::Null());
    dirty_.assign(fields_.size(), false);
}

void Recordset::Edit() {
    if (!updatable_) throw DaoException(kErrReadOnly, "不能更新。数据库或对象为只读。");
    buffer_ = *Current().values;
    dirty_.assign(fields_.size(), false);
    mode_ = EditMode::Edit;
}

void Recordset::CancelUpdate() { mode_ = EditMode::None; }

void Recordset::Update() {
    if (mode_ == EditMode::None) throw DaoException(kErrUpdateWithoutEdit, "没有使用 AddNew 或 Edit 便执行了更新。");
    sqlite3* handle = db_->handle();
    if (mode_ == EditMode::AddNew) {
        sqlite3_stmt* stmt = insert_ ? Cached(insert_, {}) : Cached(insert_, InsertSql());
        for (size_t i = 0; i < fields_.size(); ++i) BindValue(stmt, static_cast<int>(i) + 1, buffer_[i]);
        bound_.clear();
        StepInsert(stmt);
    } else {
        Row& row = Current();
        std::string assignments;
        std::vector<int> changed;
        for (size_t i = 0; i < fields_.size(); ++i)
            if (dirty_[i]) {
                assignments += (changed.empty() ? "" : ", ") + QuoteIdentifier(fields_[i].m_strName) + " = ?";
                changed.push_back(static_cast<int>(i));
            }
        if (!changed.empty()) {
            sqlite3_stmt* stmt = nullptr;
            std::string sql = "UPDATE " + QuoteIdentifier(table_) + " SET " + assignments + " WHERE rowid = ?";
            int rc = sqlite3_prepare_v2(handle, sql.c_str(), -1, &stmt, nullptr);
            if (rc != SQLITE_OK) db_->Raise(rc, table_);
            std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)> guard(stmt, sqlite3_finalize);
            int p = 1;
            for (int i : changed) BindValue(stmt, p++, buffer_[i]);
            sqlite3_bind_int64(stmt, p, row.rowid);
            rc = sqlite3_step(stmt);
            if (rc != SQLITE_DONE) db_->Raise(rc, table_);
            *row.values = buffer_;
        }
    }
    mode_ = EditMode::None;
}

void Recordset::StepInsert(sqlite3_stmt* stmt) {
    int rc = sqlite3_step(stmt);
    sqlite3_reset(stmt);
    if (rc != SQLITE_DONE) db_->Raise(rc, table_);
    // The new record joins the end of the set; its values are read back when someone moves onto it.
    Row row;
    row.rowid = sqlite3_last_insert_rowid(db_->handle());
    bool wasEmpty = liveCount_ == 0;
    rows_.push_back(std::move(row));
    ++liveCount_;
    if (wasEmpty) {
        // An empty set has no current record; it stays at its end, as before the AddNew.
        position_ = static_cast<long>(rows_.size());
        bof_ = false;
        eof_ = true;
    }
}

void Recordset::AppendRecord(std::span<const ValueRef> values) {
    if (!updatable_) throw DaoException(kErrReadOnly, "不能更新。数据库或对象为只读。");
    if (values.size() > fields_.size()) throw DaoException(kErrItemNotFound, "在此集合中找不到项目。");
    mode_ = EditMode::None;
    // A value of another kind than its field is converted into the edit buffer, which then holds it until
    // the statement has run.
    buffer_.resize(fields_.size());
    sqlite3_stmt* stmt = insert_ ? Cached(insert_, {}) : Cached(insert_, InsertSql());
    bound_.resize(fields_.size());
    for (size_t i = 0; i < fields_.size(); ++i) {
        const int param = static_cast<int>(i) + 1;
        const ValueRef v = i < values.size() ? values[i] : ValueRef::Null();
        const short type = fields_[i].m_nType;
        if (v.kind() == ValueRef::Kind::Long && type == dbLong) {
            const ValueRef& bound = bound_[i];
            if (bound.kind() == ValueRef::Kind::Long && bound.integer() == v.integer()) continue;
            sqlite3_bind_int64(stmt, param, v.integer());
            bound_[i] = v;
            continue;
        }
        if (v.kind() == ValueRef::Kind::Double && type == dbDouble) {
            const ValueRef& bound = bound_[i];
            if (bound.kind() == ValueRef::Kind::Double && SameBits(bound.real(), v.real())) continue;
            sqlite3_bind_double(stmt, param, v.real());
            bound_[i] = v;
            continue;
        }
        const ValueRef previous = bound_[i];
        bound_[i] = ValueRef::Null();
        if (v.kind() == ValueRef::Kind::Null) {
            sqlite3_bind_null(stmt, param);
        } else if (v.kind() == ValueRef::Kind::Text && (type == dbText || type == dbMemo || type == 0)) {
            CheckTextFits(static_cast<int>(i), v.text());
            if (previous.kind() == ValueRef::Kind::Text && previous.text().data() == v.text().data() &&
                previous.text().size() == v.text().size()) {
                bound_[i] = v;
                continue;
            }
            // Text without characters is still text, never null.
            const char* characters = v.text().data() ? v.text().data() : "";
            sqlite3_bind_text(stmt, param, characters, static_cast<int>(v.text().size()), SQLITE_STATIC);
            bound_[i] = v;
        } else {
            buffer_[i] = Coerce(static_cast<int>(i), v.ToValue());
            BindValue(stmt, param, buffer_[i]);
        }
    }
    StepInsert(stmt);
}

void Recordset::Delete() {
    if (!updatable_) throw DaoException(kErrReadOnly, "不能更新。数据库或对象为只读。");
    Row& row = Current();
    sqlite3_stmt* stmt = Cached(delete_, "DELETE FROM " + QuoteIdentifier(table_) + " WHERE rowid = ?");
    sqlite3_bind_int64(stmt, 1, row.rowid);
    int rc = sqlite3_step(stmt);
    sqlite3_reset(stmt);
    if (rc != SQLITE_DONE) db_->Raise(rc, table_);
    row.deleted = true;
    row.values.reset();
    --liveCount_;
    mode_ = EditMode::None;
}

std::int64_t Recordset::GetRowId() const {
    return open_ && position_ >= 0 && position_ < static_cast<long>(rows_.size()) ? rows_[position_].rowid : 0;
}

bool Recordset::IsDeleted() const {
    return open_ && position_ >= 0 && position_ < static_cast<long>(rows_.size()) && rows_[position_].deleted;
}

}  // namespace dao
