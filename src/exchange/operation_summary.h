#pragma once
// The one line an exchange operation ends with: what it wrote, how much, where. The application shows it in
// its status bar, the command line prints it; both take it from here.
#include <string>
#include <vector>

#include "exchange/interface_writer.h"
#include "platform/dao/database.h"

namespace exchange {

struct RouteImportResult;
struct LandXmlImportResult;

// "已从 a.BRF 导入路线资料：地形资料表 15 条、平曲线资料表 2 条记录。" (the sections that ran).
std::string RouteImportSummary(const RouteImportResult& result, const std::string& routeFile);
// "已从 a.xml 导入路线“A1”：平曲线资料表 3 条、竖曲线资料表 2 条记录。"
std::string LandXmlImportSummary(const LandXmlImportResult& result, const std::string& file);
// "已从 a.vlt 导入 2 个表，共 12 条记录：X、Y。" with the records the tables now hold in `db`.
std::string ProjectImportSummary(dao::Database& db, const std::vector<std::string>& tables, const std::string& source);
// The exports' success messages, with the full path.
std::string InterfaceWrittenSummary(InterfaceFile file, const std::string& path);
std::string LandXmlWrittenSummary(const std::string& path);
std::string IfcWrittenSummary(const std::string& path);

}  // namespace exchange
