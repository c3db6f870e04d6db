#include "exchange/interface_output.h"

#include "exchange/interface_line.h"
#include "exchange/interface_writer.h"
#include "platform/text/gbk.h"

namespace exchange {

void InterfaceOutput::comment(const std::string& utf8) {
    bytes_ += text::ToGbk(utf8);
    bytes_ += "\r\n";
}

void InterfaceOutput::line(const std::string& format, const std::vector<const dao::Value*>& values) {
    bytes_ += FormatInterfaceLine(format, values);
    bytes_ += "\r\n";
}

void InterfaceOutput::line(const LineLayout& layout, const projectdb::TableSnapshot& table,
                           const projectdb::TableSnapshot::Record& record) {
    std::vector<const dao::Value*> values;
    values.reserve(layout.fields.size());
    // Every field is read before the line is written, so that a missing one leaves no part of a line.
    for (const char* name : layout.fields) values.push_back(&table.field(record, name));
    line(layout.format, values);
}

void InterfaceOutput::lines(const std::vector<LineLayout>& layouts, const projectdb::TableSnapshot& table,
                            const projectdb::TableSnapshot::Record& record) {
    for (const LineLayout& layout : layouts) line(layout, table, record);
}

void InterfaceOutput::askToGoOn(const std::string& table) {
    if (prompt_.message(CannotOpenQuestion(table), ui::Buttons::YesNo, ui::Icon::Question) != ui::Answer::Yes)
        throw StopWriting{};
}

}  // namespace exchange
