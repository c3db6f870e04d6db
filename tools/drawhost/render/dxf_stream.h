#pragma once
// Group-code pairs of an ASCII DXF, with the handles, sections and tables a drawing of release 2000 needs.
#include <cstdint>
#include <cstdio>
#include <sstream>
#include <string>

#include "platform/text/cformat.h"
#include "sheet_geometry.h"

namespace drawhost {

inline std::string HandleText(std::uint32_t handle) {
    char text[12];
    std::snprintf(text, sizeof text, "%X", static_cast<unsigned>(handle));
    return text;
}

class DxfStream {
public:
    void Pair(int code, const std::string& value) { out_ << code << "\n" << value << "\n"; }
    void Pair(int code, const char* value) { Pair(code, std::string(value)); }
    void Pair(int code, int value) { Pair(code, std::to_string(value)); }
    void Real(int code, double value) { Pair(code, text::FormatFixed(value, 6)); }
    void Point(int code, drawhost::Point p, double z = 0) {
        Real(code, p.x);
        Real(code + 10, p.y);
        Real(code + 20, z);
    }
    void Point2(int code, drawhost::Point p) {
        Real(code, p.x);
        Real(code + 10, p.y);
    }
    void Variable(const char* name) { Pair(9, name); }
    void Section(const char* name) {
        Pair(0, "SECTION");
        Pair(2, name);
    }
    void EndSection() { Pair(0, "ENDSEC"); }
    // A symbol table with its handle, owned by no one, holding `count` records.
    void Table(const char* name, std::uint32_t handle, int count, const char* extraSubclass = nullptr) {
        Pair(0, "TABLE");
        Pair(2, name);
        Pair(5, HandleText(handle));
        Pair(330, "0");
        Pair(100, "AcDbSymbolTable");
        Pair(70, count);
        if (extraSubclass) Pair(100, extraSubclass);
    }
    void EndTable() { Pair(0, "ENDTAB"); }
    std::string str() const { return out_.str(); }

private:
    std::ostringstream out_;
};

}  // namespace drawhost
