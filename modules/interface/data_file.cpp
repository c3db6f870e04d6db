#include "interface/data_file.h"

#include <cstdio>
#include <set>
#include <sstream>

#include "platform/text/gbk.h"
#include "platform/text/gbk_file.h"

namespace interfacelib {
namespace {

constexpr const char* kInterfaceHeaderStart = "//LumarisOmbrix与桥梁三维造型CAD系统";
constexpr const char* kEndOfData = "//数据传递完毕";

const std::set<std::string>& Sections() {
    static const std::set<std::string> sections = {
        "路幅参数", "桥面平曲线", "桥面竖曲线", "行车道横坡段落及超高方式",  "锥坡",
        "分段布孔", "上部构造",   "下部构造",   "上、下部构造之间的装配关系"};
    return sections;
}

bool Contains(const std::string& text, const char* part) { return text.find(part) != std::string::npos; }
bool StartsWith(const std::string& text, const char* start) { return text.rfind(start, 0) == 0; }

// Where a data line stands inside its section: the group it belongs to (a section of spans, a support, one
// list of relations), the span of a continuous girder, and the last label before it.
struct Place {
    std::string group, span, label;

    void take(const std::string& label) {
        if ((StartsWith(label, "第") && Contains(label, "段")) || Contains(label, "号墩台组成") ||
            Contains(label, "关系")) {
            *this = {label, "", ""};
        } else if (StartsWith(label, "第") && Contains(label, "跨")) {
            span = label;
            this->label.clear();
        } else {
            this->label = label;
        }
    }
    std::string name(const std::string& section) const {
        std::string joined;
        for (const std::string* part : {&group, &span, &label})
            if (!part->empty()) joined += (joined.empty() ? "" : "/") + *part;
        return joined.empty() ? section : joined;
    }
};

std::string TabbedValues(const std::string& line) {
    std::istringstream words(line);
    std::string word, values;
    while (words >> word) values += "\t" + word;
    return values;
}

std::string WithoutCarriageReturn(std::string line) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return line;
}

}  // namespace

std::optional<std::vector<std::string>> DataLines(const std::vector<std::string>& interfaceLines) {
    if (interfaceLines.size() < 2 || !StartsWith(interfaceLines.front(), kInterfaceHeaderStart) ||
        interfaceLines.back() != kEndOfData)
        return std::nullopt;
    std::vector<std::string> data = {kDataFileHeader};
    std::string section;
    Place place;
    for (size_t i = 1; i + 1 < interfaceLines.size(); ++i) {
        const std::string& line = interfaceLines[i];
        if (StartsWith(line, "//")) {
            std::string label = line.substr(2);
            if (Sections().count(label)) {
                section = label;
                place = {};
                data.push_back("[" + section + "]");
            } else {
                place.take(label);
            }
            continue;
        }
        data.push_back(place.name(section) + TabbedValues(line));
    }
    return data;
}

bool ResetData(const std::string& interfaceFile, const std::string& dataFile, ui::Prompter& prompt) {
    std::string bytes;
    if (!text::ReadFileBytes(interfaceFile, bytes)) {
        prompt.message("找不到接口文件 " + interfaceFile + "，未能生成三维造型数据文件。", ui::Buttons::Ok,
                       ui::Icon::Stop);
        return false;
    }
    std::vector<std::string> lines;
    std::istringstream stream(text::FromGbkLenient(bytes));
    for (std::string line; std::getline(stream, line);) lines.push_back(WithoutCarriageReturn(line));
    std::optional<std::vector<std::string>> data = DataLines(lines);
    if (!data) {
        prompt.message("接口文件 " + interfaceFile + " 不完整，未能生成三维造型数据文件。", ui::Buttons::Ok,
                       ui::Icon::Stop);
        return false;
    }
    text::GbkFileWriter writer;
    bool written = writer.open(dataFile);
    if (written) {
        for (const auto& line : *data) writer.writeLine(line);
        written = writer.close();
    }
    if (!written) {
        std::remove(dataFile.c_str());
        prompt.message("不能写入三维造型数据文件 " + dataFile + "。", ui::Buttons::Ok, ui::Icon::Stop);
    }
    return written;
}

}  // namespace interfacelib
