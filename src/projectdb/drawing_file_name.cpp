#include "projectdb/drawing_file_name.h"

#include <cctype>

#include "platform/dao/recordset.h"
#include "platform/dao/sql.h"
#include "projectdb/schema.h"

namespace projectdb {
namespace {

constexpr std::size_t kMaxFileNameBytes = 255;  // the field's size

// A Windows project may separate folders with either slash; both count.
bool IsSeparator(char c) { return c == '/' || c == '\\'; }

bool HasParentStep(const std::string& name) {
    std::size_t begin = 0;
    for (std::size_t i = 0; i <= name.size(); ++i) {
        if (i < name.size() && !IsSeparator(name[i])) continue;
        if (name.compare(begin, i - begin, "..") == 0 && i - begin == 2) return true;
        begin = i + 1;
    }
    return false;
}

bool IsAbsolute(const std::string& name) {
    bool driveLetter = name.size() >= 2 && name[1] == ':' && std::isalpha(static_cast<unsigned char>(name[0]));
    return IsSeparator(name.front()) || driveLetter;
}

}  // namespace

std::optional<std::string> DrawingFileNameProblem(const std::string& fileName) {
    if (fileName.empty()) return std::nullopt;
    const std::string quoted = "图形文件名“" + fileName + "”";
    const std::string rule = "图形文件只能写在项目文件夹内。";
    for (char c : fileName)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) return quoted + "含有控制字符。";
    if (fileName.size() > kMaxFileNameBytes)
        return "图形文件名太长（" + std::to_string(fileName.size()) + "字节，最多255字节）。";
    if (IsAbsolute(fileName)) return quoted + "是绝对路径；" + rule;
    if (HasParentStep(fileName)) return quoted + "含有“..”，会指到项目文件夹之外；" + rule;
    return std::nullopt;
}

std::optional<std::string> DrawingListProblem(dao::Database& db) {
    if (!db.HasTableDef(kDrawingLayoutTable)) return std::nullopt;
    dao::Recordset rs(db);
    rs.Open("SELECT [DrawingName], [FileName] FROM " + dao::QuoteIdentifier(kDrawingLayoutTable), dao::dbOpenForwardOnly);
    for (; !rs.IsEOF(); rs.MoveNext()) {
        const dao::Value name = rs.GetFieldValue(1);
        if (name.isNull()) continue;
        if (auto problem = DrawingFileNameProblem(name.toString()))
            return std::string(kDrawingLayoutTable) + "中“" + rs.GetFieldValue(0).toString() + "”的" + *problem;
    }
    return std::nullopt;
}

bool RefuseForeignDrawingList(dao::Database& source, ui::Prompter& prompt) {
    std::optional<std::string> problem;
    try {
        problem = DrawingListProblem(source);
    } catch (const dao::DaoException&) {
        return false;
    }
    if (problem) prompt.message(*problem, ui::Buttons::Ok, ui::Icon::Exclamation);
    return problem.has_value();
}

}  // namespace projectdb
