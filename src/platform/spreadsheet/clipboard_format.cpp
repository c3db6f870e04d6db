#include "platform/spreadsheet/clipboard_format.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

namespace sheet {

namespace {

bool NeedsQuotes(std::string_view cell) { return cell.find_first_of("\t\r\n\"") != std::string_view::npos; }

void AppendUtf8(std::string& out, unsigned long cp) {
    if (cp == 0 || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) cp = 0xFFFD;
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

void AppendEscaped(std::string& out, std::string_view cell) {
    for (std::size_t i = 0; i < cell.size(); ++i) {
        char ch = cell[i];
        switch (ch) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        case '\r':
            if (i + 1 < cell.size() && cell[i + 1] == '\n') ++i;
            out += "<br>";
            break;
        case '\n': out += "<br>"; break;
        default: out += ch;
        }
    }
}

}  // namespace

std::string ToTabLine(const std::vector<std::string>& row) {
    std::string out;
    for (std::size_t i = 0; i < row.size(); ++i) {
        if (i) out += '\t';
        const std::string& cell = row[i];
        if (!NeedsQuotes(cell)) {
            out += cell;
            continue;
        }
        out += '"';
        for (char ch : cell) {
            if (ch == '"') out += '"';
            out += ch;
        }
        out += '"';
    }
    return out;
}

std::string ToClipboardText(const std::vector<std::vector<std::string>>& cells) {
    std::string out;
    for (const auto& row : cells) {
        out += ToTabLine(row);
        out += '\n';
    }
    return out;
}

std::string ToClipboardHtml(const std::vector<std::vector<std::string>>& cells) {
    std::string out =
        "<html><head><meta http-equiv=\"content-type\" content=\"text/html; charset=utf-8\"></head>"
        "<body><table>\n";
    for (const auto& row : cells) {
        out += "<tr>";
        for (const auto& cell : row) {
            out += "<td>";
            AppendEscaped(out, cell);
            out += "</td>";
        }
        out += "</tr>\n";
    }
    out += "</table></body></html>\n";
    return out;
}

std::vector<std::vector<std::string>> ParseClipboardText(std::string_view text) {
    std::vector<std::vector<std::string>> rows;
    std::vector<std::string> row;
    std::string cell;
    std::size_t i = 0, n = text.size();
    bool rowOpen = false;  // something of the current row has been read
    auto endCell = [&] {
        row.push_back(std::move(cell));
        cell.clear();
    };
    auto endRow = [&] {
        endCell();
        rows.push_back(std::move(row));
        row.clear();
        rowOpen = false;
    };
    while (i < n) {
        rowOpen = true;
        if (text[i] == '"' && cell.empty()) {
            // A quoted cell, when its closing quote is there; a lone quote is just a character.
            std::string quoted;
            std::size_t j = i + 1;
            bool closed = false;
            while (j < n) {
                if (text[j] == '"') {
                    if (j + 1 < n && text[j + 1] == '"') {
                        quoted += '"';
                        j += 2;
                        continue;
                    }
                    closed = true;
                    ++j;
                    break;
                }
                quoted += text[j++];
            }
            if (closed) {
                cell = std::move(quoted);
                i = j;
                // Whatever follows the closing quote up to the separator belongs to the cell.
                while (i < n && text[i] != '\t' && text[i] != '\n' && text[i] != '\r') cell += text[i++];
                continue;
            }
        }
        char ch = text[i];
        if (ch == '\t') {
            endCell();
            ++i;
        } else if (ch == '\n' || ch == '\r') {
            endRow();
            i += (ch == '\r' && i + 1 < n && text[i + 1] == '\n') ? 2 : 1;
        } else {
            cell += ch;
            ++i;
        }
    }
    if (rowOpen) endRow();
    return rows;
}

// ---- HTML --------------------------------------------------------------------------------------------

namespace {

struct Tag {
    std::string name;  // lower case, "/td" for an end tag
    std::string attributes;
};

std::string Lower(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

// Reads the tag starting at html[pos] == '<'; returns the position after it.
std::size_t ReadTag(std::string_view html, std::size_t pos, Tag& tag) {
    std::size_t i = pos + 1;
    if (html.substr(i, 3) == "!--") {
        std::size_t end = html.find("-->", i + 3);
        tag.name.assign(1, '!');
        return end == std::string_view::npos ? html.size() : end + 3;
    }
    std::size_t nameStart = i;
    while (i < html.size() && !std::isspace(static_cast<unsigned char>(html[i])) && html[i] != '>' &&
           !(html[i] == '/' && i > nameStart))
        ++i;
    tag.name = Lower(html.substr(nameStart, i - nameStart));
    std::size_t attrStart = i;
    char quote = 0;
    while (i < html.size()) {
        char c = html[i];
        if (quote) {
            if (c == quote) quote = 0;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == '>') {
            break;
        }
        ++i;
    }
    tag.attributes = std::string(html.substr(attrStart, i - attrStart));
    return i < html.size() ? i + 1 : html.size();
}

int Colspan(const std::string& attributes) {
    std::string lower = Lower(attributes);
    std::size_t at = lower.find("colspan");
    if (at == std::string::npos) return 1;
    at = lower.find('=', at);
    if (at == std::string::npos) return 1;
    ++at;
    while (at < lower.size() && (std::isspace(static_cast<unsigned char>(lower[at])) || lower[at] == '"' ||
                                 lower[at] == '\''))
        ++at;
    int n = std::atoi(lower.c_str() + at);
    return std::clamp(n, 1, 1000);
}

// Decodes one entity at html[pos] == '&'; returns the position after it (or pos + 1 for a bare '&').
std::size_t DecodeEntity(std::string_view html, std::size_t pos, std::string& out) {
    std::size_t semi = html.find(';', pos);
    if (semi == std::string_view::npos || semi - pos > 12) {
        out += '&';
        return pos + 1;
    }
    std::string name(html.substr(pos + 1, semi - pos - 1));
    if (!name.empty() && name[0] == '#') {
        unsigned long cp = (name.size() > 1 && (name[1] == 'x' || name[1] == 'X'))
                               ? std::strtoul(name.c_str() + 2, nullptr, 16)
                               : std::strtoul(name.c_str() + 1, nullptr, 10);
        AppendUtf8(out, cp);
        return semi + 1;
    }
    static const std::pair<const char*, const char*> kNamed[] = {
        {"amp", "&"}, {"lt", "<"}, {"gt", ">"}, {"quot", "\""}, {"apos", "'"}, {"nbsp", " "},
    };
    std::string lower = Lower(name);
    for (const auto& [key, value] : kNamed) {
        if (lower == key) {
            out += value;
            return semi + 1;
        }
    }
    out += '&';
    return pos + 1;
}

// Text of a cell as the browser shows it: runs of blanks collapse to one, the ends are trimmed, <br> is a
// line break (a last <br> closing the cell is no break: LibreOffice writes an empty cell as <br>).
class CellText {
public:
    void text(char c) {
        if (std::isspace(static_cast<unsigned char>(c))) {
            pendingSpace_ = !out_.empty() && out_.back() != '\n';
            return;
        }
        flush();
        out_ += c;
    }
    void literal(const std::string& s) {
        flush();
        out_ += s;
    }
    void lineBreak() {
        pendingSpace_ = false;
        out_ += '\n';
    }
    void paragraph() {
        pendingSpace_ = false;
        if (!out_.empty() && out_.back() != '\n') out_ += '\n';
    }
    std::string finish() {
        if (!out_.empty() && out_.back() == '\n') out_.pop_back();
        return std::move(out_);
    }

private:
    void flush() {
        if (pendingSpace_) out_ += ' ';
        pendingSpace_ = false;
    }
    std::string out_;
    bool pendingSpace_ = false;
};

}  // namespace

std::vector<std::vector<std::string>> ParseClipboardHtml(std::string_view html) {
    std::vector<std::vector<std::string>> rows;
    int depth = 0;          // table nesting; only the first outermost table is read
    bool done = false;
    bool inRow = false, inCell = false;
    int span = 1;
    CellText cell;
    std::vector<std::string> row;
    auto endCell = [&] {
        if (!inCell) return;
        row.push_back(cell.finish());
        for (int k = 1; k < span; ++k) row.emplace_back();
        cell = CellText();
        inCell = false;
    };
    auto endRow = [&] {
        endCell();
        if (inRow) rows.push_back(std::move(row));
        row.clear();
        inRow = false;
    };
    std::size_t i = 0;
    while (i < html.size() && !done) {
        char c = html[i];
        if (c == '<') {
            Tag tag;
            std::size_t next = ReadTag(html, i, tag);
            const std::string& t = tag.name;
            if (t == "style" || t == "script" || t == "title") {
                std::size_t close = Lower(html.substr(next)).find("</" + t);
                next = close == std::string::npos ? html.size() : next + close;
            } else if (t == "table") {
                ++depth;
            } else if (t == "/table") {
                if (depth == 1) {
                    endRow();
                    done = true;
                }
                depth = std::max(0, depth - 1);
            } else if (depth == 1) {
                if (t == "tr") {
                    endRow();
                    inRow = true;
                } else if (t == "/tr") {
                    endRow();
                } else if (t == "td" || t == "th") {
                    endCell();
                    if (!inRow) inRow = true;
                    inCell = true;
                    span = Colspan(tag.attributes);
                } else if (t == "/td" || t == "/th") {
                    endCell();
                } else if (inCell && (t == "br" || t == "br/")) {
                    cell.lineBreak();
                } else if (inCell && (t == "p" || t == "/p" || t == "div" || t == "/div")) {
                    cell.paragraph();
                }
            }
            i = next;
        } else if (c == '&') {
            std::string decoded;
            i = DecodeEntity(html, i, decoded);
            if (depth == 1 && inCell) cell.literal(decoded);
        } else {
            if (depth == 1 && inCell) cell.text(c);
            ++i;
        }
    }
    if (!done) endRow();
    return rows;
}

}  // namespace sheet
