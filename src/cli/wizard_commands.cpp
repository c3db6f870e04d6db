// new FILE [--from WIZARD.json] / general PROJECT [--set FIELD=VALUE ...] / spans PROJECT --from SPANS.json
#include <fstream>
#include <iostream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "cli/command.h"
#include "cli/wizard_json.h"
#include "platform/dao/recordset.h"
#include "platform/dao/sql.h"
#include "platform/interaction/console.h"
#include "projectdb/drawing_file_name.h"
#include "projectdb/field_rules.h"
#include "projectdb/schema.h"
#include "projectdb/variant_text.h"
#include "projectdb/wizard_model.h"

namespace cli {
namespace {

using nlohmann::json;
using Rows = std::vector<std::vector<std::string>>;

constexpr const char* kNewUsage = "new FILE [--from WIZARD.json]";
constexpr const char* kGeneralUsage = "general PROJECT [--set FIELD=VALUE ...]";
constexpr const char* kSpansUsage = "spans PROJECT --from SPANS.json";

// A refusal of the input: the message is printed and nothing is written.
struct InputError {
    std::string message;
};

// The tables of a new project's description, read aside while the file is parsed.
const std::vector<TablePlace>& NewProjectTables() {
    static const std::vector<TablePlace> places = {{{"spans", "sections"}, "spans.sections"},
                                                   {{"spans", "supports"}, "spans.supports"},
                                                   {{"spans", "joints"}, "spans.joints"},
                                                   {{"drawings"}, "drawings"}};
    return places;
}

WizardDescription ReadJson(const std::string& path, const std::vector<TablePlace>& tables = {}) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw InputError{"无法读取文件“" + path + "”。"};
    std::stringstream text;
    text << in.rdbuf();
    try {
        return ParseWizardDescription(text.str(), tables);
    } catch (const json::parse_error& e) {
        throw InputError{"文件“" + path + "”不是有效的JSON（第" + std::to_string(e.byte) + "个字节处有误）。"};
    } catch (const json::exception&) {
        // A number beyond the range of a double ("1e400") is no value any field can take.
        throw InputError{"文件“" + path + "”中有无法读取的值（数值超出范围）。"};
    }
}

// A value as the pages keep it: text, or a number written as JSON writes it.
std::string Text(const json& value, const std::string& where) {
    if (value.is_string()) return value.get<std::string>();
    if (value.is_number()) return value.dump();
    throw InputError{"“" + where + "”的值应为文本。"};
}

const json& Object(const json& value, const std::string& where) {
    if (!value.is_object()) throw InputError{"“" + where + "”应为对象（{...}）。"};
    return value;
}

// `tables`: the tables read aside while the file was parsed, by name; each is handed over once, moved.
Rows TextRows(const json& value, const std::string& where, std::map<std::string, Rows>& tables) {
    if (auto table = tables.find(where); table != tables.end()) {
        Rows rows = std::move(table->second);
        tables.erase(table);
        return rows;
    }
    if (!value.is_array()) throw InputError{"“" + where + "”应为数组的数组（[[...], ...]）。"};
    Rows rows;
    for (size_t r = 0; r < value.size(); ++r) {
        auto rowName = [&] { return where + "[" + std::to_string(r) + "]"; };
        if (!value[r].is_array()) throw InputError{"“" + rowName() + "”应为数组（[...]）。"};
        std::vector<std::string> row;
        row.reserve(value[r].size());
        for (size_t c = 0; c < value[r].size(); ++c) {
            // A cell is named only when it is refused: a description may hold thousands of them.
            const json& cell = value[r][c];
            const bool plain = cell.is_string() || cell.is_number();
            row.push_back(Text(cell, plain ? std::string() : rowName() + "[" + std::to_string(c) + "]"));
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

projectdb::SpanInput SpanInputOf(const json& spans, std::map<std::string, Rows>& tables) {
    projectdb::SpanInput input;
    for (const auto& [key, value] : Object(spans, "spans").items()) {
        if (auto box = projectdb::SpanBoxByName(key))
            input.boxes.emplace_back(*box, Text(value, "spans." + key));
        else if (key == "sections")
            input.sections = TextRows(value, "spans.sections", tables);
        else if (key == "supports")
            input.supports = TextRows(value, "spans.supports", tables);
        else if (key == "joints")
            input.joints = TextRows(value, "spans.joints", tables);
        else
            throw InputError{"“spans”中没有字段“" + key + "”。"};
    }
    return input;
}

void ApplySpans(projectdb::SpanPage& page, const json& spans, std::map<std::string, Rows>& tables) {
    if (auto refused = page.Apply(SpanInputOf(spans, tables))) throw InputError{*refused};
}

void ApplyWizard(projectdb::NewProjectWizard& wizard, WizardDescription&& description) {
    std::optional<Rows> drawings;
    for (const auto& [key, value] : Object(description.value, "").items()) {
        if (key == "general") {
            std::vector<std::pair<std::string, std::string>> fields;
            for (const auto& [field, text] : Object(value, "general").items())
                fields.emplace_back(field, Text(text, "general." + field));
            if (auto refused = wizard.general().Apply(fields)) throw InputError{*refused};
        } else if (key == "spans") {
            ApplySpans(wizard.spans(), value, description.tables);
        } else if (key == "drawings") {
            drawings = TextRows(value, "drawings", description.tables);
            for (size_t r = 0; r < drawings->size(); ++r)
                if ((*drawings)[r].size() != projectdb::drawing_col::kCount)
                    throw InputError{"绘图信息第" + std::to_string(r + 1) + "行应有8项。"};
            if (auto refused = projectdb::CheckDrawingRows(*drawings)) throw InputError{*refused};
            for (size_t r = 0; r < drawings->size(); ++r)
                if (auto problem = projectdb::DrawingFileNameProblem((*drawings)[r][projectdb::drawing_col::kFile]))
                    throw InputError{"绘图信息第" + std::to_string(r + 1) + "行：" + *problem};
        } else {
            throw InputError{"没有字段“" + key + "”（可用 general、spans、drawings）。"};
        }
    }
    wizard.OnDrawingPageShown();
    if (drawings) wizard.drawings().SetRows(*drawings);
}

int Refuse(const std::string& message) {
    std::cerr << message << std::endl;
    return 1;
}

int New(const std::vector<std::string>& words) {
    Args args = ParseArgs(words, {"--from"});
    if (args.positional.size() != 1 || !args.flags.empty()) return UsageError(kNewUsage);
    projectdb::NewProjectWizard wizard;
    try {
        if (auto from = args.option("--from"))
            ApplyWizard(wizard, ReadJson(*from, NewProjectTables()));
        else
            wizard.OnDrawingPageShown();
    } catch (const InputError& e) {
        return Refuse(e.message);
    }
    ui::ConsolePrompter prompter(false);  // the help question of a database error is not asked
    auto result = wizard.Finish(args.positional[0], projectdb::FinishSteps{}, prompter);
    return result == projectdb::FinishResult::Created ? 0 : 1;
}

int PrintGeneral(dao::Database& db) {
    dao::Recordset rs(db);
    rs.Open("Select * From " + dao::QuoteIdentifier(projectdb::kGeneralInfoTable), dao::dbOpenForwardOnly);
    if (rs.IsEOF()) return Refuse(std::string(projectdb::kGeneralInfoTable) + "中没有记录。");
    for (int i = 0; i < rs.GetFieldCount(); ++i)
        std::cout << rs.GetFieldInfo(i).m_strName << "=" << projectdb::VariantToText(rs.GetFieldValue(i)) << "\n";
    return 0;
}

int General(const std::vector<std::string>& words) {
    if (words.empty()) return UsageError(kGeneralUsage);
    std::vector<std::pair<std::string, std::string>> sets;
    for (size_t i = 1; i < words.size(); ++i) {
        std::string assignment;
        if (words[i] == "--set" && i + 1 < words.size())
            assignment = words[++i];
        else if (words[i].rfind("--set=", 0) == 0)
            assignment = words[i].substr(6);
        else
            return UsageError(kGeneralUsage);
        auto eq = assignment.find('=');
        if (eq == std::string::npos || eq == 0) return UsageError(kGeneralUsage);
        sets.emplace_back(assignment.substr(0, eq), assignment.substr(eq + 1));
    }
    auto db = dao::Database::Open(words[0]);
    if (sets.empty()) return PrintGeneral(*db);
    ui::ConsolePrompter prompter(false);  // the help question of a database error is not asked
    auto page = projectdb::GeneralPage::FromProject(*db);
    if (auto refused = page.Apply(sets)) return Refuse(*refused);
    return projectdb::SaveGeneralInformation(*db, page, prompter) ? 0 : 1;
}

int Spans(const std::vector<std::string>& words) {
    Args args = ParseArgs(words, {"--from"});
    auto from = args.option("--from");
    if (args.positional.size() != 1 || !from || !args.flags.empty()) return UsageError(kSpansUsage);
    projectdb::SpanInput input;
    try {
        // A bad file is refused before the project is touched.
        WizardDescription description = ReadJson(*from);
        input = SpanInputOf(description.value, description.tables);
    } catch (const InputError& e) {
        return Refuse(e.message);
    }
    auto db = dao::Database::Open(args.positional[0]);
    ui::ConsolePrompter prompter(false);  // the help question of a database error is not asked
    auto page = projectdb::SpanPage::FromProject(*db);
    if (auto refused = page.Apply(input)) return Refuse(*refused);
    return projectdb::SaveSpanLayout(*db, page, prompter) ? 0 : 1;
}

}  // namespace

std::vector<Command> WizardCommands() {
    return {
        {"new", kNewUsage, New},
        {"general", kGeneralUsage, General},
        {"spans", kSpansUsage, Spans},
    };
}

}  // namespace cli
