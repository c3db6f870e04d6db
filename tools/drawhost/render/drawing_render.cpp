#include "drawing_render.h"

#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "bridge/bridge_model.h"
#include "bridge/table_rows.h"
#include "dxf_writer.h"
#include "layout_drawing.h"
#include "platform/dao/database.h"
#include "project_table.h"
#include "projectdb/schema.h"
#include "svg_writer.h"

namespace drawhost {

namespace {

std::string Reason(const dao::DaoException& e) {
    if (e.m_bHasErrorInfo && !e.m_strDescription.empty()) return e.m_strDescription;
    return "数据库错误（" + std::to_string(e.m_bHasErrorInfo ? e.m_lErrorCode : e.m_scode) + "）";
}

// The drawing's record: the one titled `title`, of the kind asked for where titles repeat; the defaults of a
// new drawing when the project lists none.
DrawingRecord FindRecord(dao::Database& db, const std::string& kind, const std::string& title) {
    DrawingRecord record;
    record.kind = kind;
    record.title = title.empty() ? kind : title;
    std::vector<bridge::Finding> findings;
    const bridge::TableRows rows(db, projectdb::kDrawingLayoutTable, findings);
    StopAtFinding(findings);
    int found = -1;
    for (std::size_t row = 0; row < rows.size(); ++row) {
        if (rows.Text(row, "DrawingName") != record.title) continue;
        if (found < 0 || rows.Text(row, "DrawingType") == kind) found = static_cast<int>(row);
    }
    if (found < 0) return record;
    record.fileName = rows.Text(found, "FileName");
    if (std::string size = rows.Text(found, "DrawingRange"); !size.empty()) record.sheetSize = size;
    record.scale = rows.Number(found, "TotalScale", 0);
    StopAtFinding(findings);
    return record;
}

void WriteFile(const std::filesystem::path& path, const std::string& content) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << content;
    out.close();
    if (!out) throw std::runtime_error("不能写入图形文件“" + path.string() + "”。");
}

}  // namespace

RenderedDrawing RenderDrawing(const std::string& projectPath, const std::string& kind, const std::string& title,
                              const std::string& fileBase, const std::string& outDir) {
    if (!std::filesystem::exists(projectPath)) throw std::runtime_error("项目文件“" + projectPath + "”不存在。");
    if (fileBase.empty()) throw std::runtime_error("没有给出图形文件名。");
    std::vector<SheetGeometry> sheets;
    std::vector<std::string> messages;
    try {
        auto db = dao::Database::Open(projectPath, true);
        DrawingRecord record = FindRecord(*db, kind, title);
        if (record.fileName.empty()) record.fileName = fileBase;
        const SheetTexts texts = ReadSheetTexts(*db);
        if (kind == "桥型布置图" || kind == "上构一般构造图" || kind == "下构一般构造图") {
            const bridge::Bridge model = bridge::ReadBridge(*db);
            // What the model had to assume is the engineer's to know, beside the drawing, not on it.
            for (const bridge::Finding& f : model.findings)
                messages.push_back(std::string(f.severity == 'E' ? "错误：" : "注意：") + f.text);
            if (kind == "桥型布置图")
                sheets = BridgeLayoutDrawing(model, texts, record, messages);
            else if (kind == "上构一般构造图")
                sheets = {SuperstructureSheet(model, texts, record, messages)};
            else
                sheets = {SubstructureSheet(model, texts, record)};
        } else {
            sheets = {NamedSheet(texts, record)};
        }
    } catch (const dao::DaoException& e) {
        throw std::runtime_error("不能读取项目文件“" + projectPath + "”：" + Reason(e));
    } catch (const std::runtime_error& e) {
        throw std::runtime_error("不能绘制“" + (title.empty() ? kind : title) + "”：" + e.what());
    }
    std::error_code error;
    std::filesystem::create_directories(outDir, error);
    const std::filesystem::path dir(outDir);
    RenderedDrawing out{(dir / (fileBase + ".dxf")).string(), (dir / (fileBase + ".svg")).string(), messages, sheets};
    // Further sheets of a set beside the first: Draw1-2.dxf, Draw1-3.dxf, ...
    for (std::size_t i = 0; i < sheets.size(); ++i) {
        const std::string base = i == 0 ? fileBase : fileBase + "-" + std::to_string(i + 1);
        WriteFile(dir / (base + ".dxf"), DxfText(sheets[i]));
        WriteFile(dir / (base + ".svg"), SvgText(sheets[i]));
    }
    return out;
}

}  // namespace drawhost
