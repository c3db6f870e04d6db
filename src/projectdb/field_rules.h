#pragma once
// The values a bridge can have. One row per number that the wizard pages and the dialogs take, with the
// range an engineer will never need to leave; the command line refuses anything else with a message that
// names the field and its range, before anything is written. The windows keep reading what is typed the
// way the pages always have (atof, "0 spans writes no spans"), and share the count limits below so that
// no typed count can make a sheet of millions of rows.
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "projectdb/span_page.h"

namespace projectdb {

struct FieldRule {
    const char* field;  // the field's name in its table ("LeftBridgeWidth", "SpanLength")
    const char* label;  // what the page calls it ("左半桥宽度 B1(m)")
    double low, high;
    bool lowIncluded, highIncluded;
    bool integer = false;
    // An empty cell is written with its default ("0", 90 for the skew): the rule lets it pass.
    bool emptyAllowed = false;
};

// The rule of a field by its name, or nullptr for a field without one (texts, lists).
const FieldRule* FindFieldRule(std::string_view field);

// "(0, 180)", "[1, 10000] 的整数": the allowed range as the messages write it.
std::string RangeText(const FieldRule& rule);

// Nothing when `text` is a number in the rule's range (the whole text one decimal number, blanks around
// it allowed; NaN, infinities and numbers beyond a double are none); else the message, which begins with
// `where` (the field as the user named it, "字段“CrossAngle”").
std::optional<std::string> CheckNumber(const FieldRule& rule, std::string_view text, const std::string& where);

// The values given for 一般信息表 by name: numbers by their rules, texts no longer than their field.
std::optional<std::string> CheckGeneralValues(const std::vector<std::pair<std::string, std::string>>& values);

// The rows given for the drawing list: no text longer than a text field holds.
std::optional<std::string> CheckDrawingRows(const std::vector<std::vector<std::string>>& rows);

// The boxes and sheets given for the span layout, each cell by its column's rule, and the counts together
// (the spans of all sections at most kMaxSpans).
std::optional<std::string> CheckSpanInput(const SpanInput& input);

// The counts of a page as the windows leave them, checked before the layout is written: the message for a
// count beyond its limit.
std::optional<std::string> CheckSpanCounts(const SpanPage& page);

}  // namespace projectdb
