#include "library_fixture.h"

#include "platform/dao/recordset.h"
#include "platform/dao/sql.h"

namespace library_test {

void CreateTable(dao::Database& db, const std::string& table,
                 const std::vector<std::pair<std::string, std::string>>& fields) {
    std::string sql = "CREATE TABLE " + dao::QuoteIdentifier(table) + " (";
    for (std::size_t i = 0; i < fields.size(); ++i)
        sql += (i ? ", " : "") + dao::QuoteIdentifier(fields[i].first) + " " + fields[i].second;
    db.Execute(sql + ")");
}

void Insert(dao::Database& db, const std::string& table, const std::vector<std::string>& sqlValues) {
    std::string sql = "INSERT INTO " + dao::QuoteIdentifier(table) + " VALUES (";
    for (std::size_t i = 0; i < sqlValues.size(); ++i) sql += (i ? ", " : "") + sqlValues[i];
    db.Execute(sql + ")");
}

void CreateHollowSlabTable(dao::Database& db) {
    std::vector<std::pair<std::string, std::string>> fields = {
        {"名称", "TEXT(255)"}, {"跨径", "DOUBLE"}, {"梁高", "DOUBLE"},        {"梁宽", "DOUBLE"},  {"板长", "DOUBLE"},
        {"顶宽", "DOUBLE"},    {"底宽", "DOUBLE"}, {"内腔类型", "TEXT(255)"}, {"内腔个数", "LONG"}};
    for (const char* name : {"内腔间距", "支承线至板端距离", "锚栓孔直径", "斜度", "J1", "J2", "J3", "J4", "J5", "S1",
                             "S2", "S3", "CW", "CH", "TB", "TH", "BB", "BH"})
        fields.push_back({name, "DOUBLE"});
    CreateTable(db, "简支空心板", fields);
}

std::vector<std::string> HollowSlabRecord(const std::string& name, const std::string& cavity, int cavities) {
    std::vector<std::string> values = {
        "'" + name + "'", "1300", "60", "99", "1296", "98", "96", "'" + cavity + "'", std::to_string(cavities)};
    for (int i = 9; i < 27; ++i) values.push_back(std::to_string(i + 1));
    return values;
}

void CreateSubstructure1111(dao::Database& db) {
    std::vector<std::pair<std::string, std::string>> fields = {
        {"帽梁", "TEXT(255)"}, {"墩台身", "TEXT(255)"}, {"连接构造", "TEXT(255)"}, {"基础", "TEXT(255)"}};
    // The body's column count and the foundation's pile count are whole numbers, the pile cap's kind a text.
    for (int i = 1; i <= 22; ++i)
        fields.push_back({"F" + std::to_string(i), i == 11 || i == 19 ? "LONG" : i == 15 ? "TEXT(255)" : "DOUBLE"});
    CreateTable(db, "1111", fields);
}

void CreateSingleCellTable(dao::Database& db) {
    std::vector<std::pair<std::string, std::string>> fields = {
        {"名称", "TEXT(255)"}, {"跨径", "DOUBLE"}, {"梁高", "TEXT(255)"}, {"梁宽", "DOUBLE"}, {"位置", "TEXT(255)"}};
    for (int i = 1; i <= 17; ++i) fields.push_back({"D" + std::to_string(i), "DOUBLE"});
    fields.push_back({"用于", "TEXT(255)"});
    CreateTable(db, "单箱单室", fields);
}

std::vector<std::string> SingleCellRecord(const std::string& position, const std::string& purpose, int first) {
    std::vector<std::string> values = {"'单箱单室'", "3000", "'180'", "1200", "'" + position + "'"};
    for (int i = 0; i < 17; ++i) values.push_back(std::to_string(first + i));
    values.push_back("'" + purpose + "'");
    return values;
}

std::vector<std::string> FirstFields(dao::Database& db, const std::string& table) {
    dao::Recordset rs(db);
    rs.Open("Select * From " + dao::QuoteIdentifier(table));
    std::vector<std::string> names;
    for (; !rs.IsEOF(); rs.MoveNext()) names.push_back(rs.GetFieldValue(0).toString());
    return names;
}

std::vector<ViewerCall>& ViewerCalls() {
    static std::vector<ViewerCall> calls;
    return calls;
}

namespace {

extern "C" void RecordingOpenGLView(const char* kind, const char* const* values, int count, const char* const*,
                                    int secondCount, int mode, double scale) {
    ViewerCall call;
    call.kind = kind;
    for (int i = 0; i < count; ++i) call.values.push_back(values[i]);
    call.secondCount = secondCount;
    call.mode = mode;
    call.scale = scale;
    ViewerCalls().push_back(call);
}

class RecordingViewer : public modules::LoadedModule {
public:
    void* Resolve(const std::string& entryName) override {
        return entryName == "OpenGLView" ? reinterpret_cast<void*>(&RecordingOpenGLView) : nullptr;
    }
};

}  // namespace

std::unique_ptr<modules::LoadedModule> RecordingViewerLoader::Load(const std::string& moduleName, long& errorCode) {
    loaded.push_back(moduleName);
    if (missing) {
        errorCode = 2;
        return nullptr;
    }
    return std::make_unique<RecordingViewer>();
}

}  // namespace library_test
