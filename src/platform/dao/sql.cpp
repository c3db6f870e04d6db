#include "platform/dao/sql.h"

namespace dao {

std::string TranslateJetSql(std::string_view jet) {
    std::string out;
    out.reserve(jet.size() + 8);
    for (size_t i = 0; i < jet.size();) {
        char c = jet[i];
        if (c == '[') {
            size_t end = jet.find(']', i);
            if (end == std::string_view::npos) end = jet.size() - 1;
            out.append(jet.substr(i, end - i + 1));
            i = end + 1;
        } else if (c == '\'' || c == '`') {
            // A single-quoted literal or a back-quoted name, with the quote doubled inside, passes unchanged.
            size_t j = i + 1;
            while (j < jet.size()) {
                if (jet[j] == c) {
                    if (j + 1 < jet.size() && jet[j + 1] == c) { j += 2; continue; }
                    break;
                }
                ++j;
            }
            out.append(jet.substr(i, j - i + 1));
            i = j + 1;
        } else if (c == '"') {
            std::string literal;
            size_t j = i + 1;
            while (j < jet.size()) {
                if (jet[j] == '"') {
                    if (j + 1 < jet.size() && jet[j + 1] == '"') { literal += '"'; j += 2; continue; }
                    break;
                }
                literal += jet[j++];
            }
            out += QuoteLiteral(literal);
            i = j + 1;
        } else {
            out += c;
            ++i;
        }
    }
    return out;
}

namespace {

// `text` between `open` and `close`, a `close` inside it written twice, as SQL escapes a quote.
std::string Enclosed(std::string_view text, char open, char close) {
    std::string out(1, open);
    for (char c : text) {
        if (c == close) out += close;
        out += c;
    }
    out += close;
    return out;
}

}  // namespace

std::string QuoteIdentifier(std::string_view name) {
    if (name.find(']') == std::string_view::npos) return Enclosed(name, '[', ']');
    // A name holding ']' cannot stand in brackets. Back quotes, which SQLite also reads as identifier quotes,
    // pass the translation of Jet SQL untouched, where double quotes would turn into a string literal.
    return Enclosed(name, '`', '`');
}

std::string QuoteLiteral(std::string_view value) { return Enclosed(value, '\'', '\''); }

std::string SelectAllFrom(std::string_view table) { return "Select * From " + QuoteIdentifier(table); }

std::string SelectAllOrderedBy(std::string_view table, std::string_view field) {
    const std::string quoted = QuoteIdentifier(table);
    return "Select * From " + quoted + " ORDER BY " + quoted + "." + QuoteIdentifier(field) + ";";
}

}  // namespace dao
