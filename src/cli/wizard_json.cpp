#include "cli/wizard_json.h"

#include <algorithm>

namespace cli {
namespace {

using nlohmann::json;

// Parse events go to nlohmann's own tree builder, except those of a table at one of the places, which
// become rows of texts (a number as the tree would print it). Anything unusual on the way (a table that
// holds something else, a key given twice) stops the reader, and the file is then parsed the plain way.
class DescriptionReader {
  public:
    DescriptionReader(WizardDescription& out, const std::vector<TablePlace>& places)
        : m_out(out), m_places(places), m_tree(out.value) {}

    bool stopped() const { return m_stopped; }

    bool null() { return InTable() ? Stop() : m_tree.null(); }
    bool boolean(bool v) { return InTable() ? Stop() : m_tree.boolean(v); }
    bool number_integer(json::number_integer_t v) { return InTable() ? Cell(json(v).dump()) : m_tree.number_integer(v); }
    bool number_unsigned(json::number_unsigned_t v) { return InTable() ? Cell(json(v).dump()) : m_tree.number_unsigned(v); }
    bool number_float(json::number_float_t v, const std::string& s) {
        return InTable() ? Cell(json(v).dump()) : m_tree.number_float(v, s);
    }
    bool string(std::string& v) { return InTable() ? Cell(std::move(v)) : m_tree.string(v); }
    bool binary(json::binary_t& v) { return InTable() ? Stop() : m_tree.binary(v); }

    bool start_object(std::size_t n) {
        if (InTable()) return Stop();
        m_path.push_back({true, {}, {}});
        return m_tree.start_object(n);
    }
    bool key(std::string& k) {
        if (InTable()) return Stop();
        Frame& frame = m_path.back();
        // A key given twice replaces the first value in the tree: the tables read aside would not follow.
        if (std::find(frame.seen.begin(), frame.seen.end(), k) != frame.seen.end()) return Stop();
        frame.seen.push_back(k);
        frame.key = k;
        return m_tree.key(k);
    }
    bool end_object() {
        if (InTable()) return Stop();
        m_path.pop_back();
        return m_tree.end_object();
    }
    bool start_array(std::size_t n) {
        if (m_tableDepth == 1) {
            // Rows of a table are as long as each other, as a rule: the row before tells the room to take.
            const size_t width = m_table.empty() ? 0 : m_table.back().size();
            m_table.emplace_back().reserve(width);
            m_tableDepth = 2;
            return true;
        }
        if (m_tableDepth == 2) return Stop();
        if (const TablePlace* place = PlaceHere()) {
            m_tableName = &place->name;
            m_table.clear();
            m_tableDepth = 1;
            return true;
        }
        m_path.push_back({false, {}, {}});
        return m_tree.start_array(n);
    }
    bool end_array() {
        if (m_tableDepth == 2) {
            m_tableDepth = 1;
            return true;
        }
        if (m_tableDepth == 1) {
            m_tableDepth = 0;
            m_out.tables[*m_tableName] = std::move(m_table);
            m_table = {};
            return m_tree.start_array(0) && m_tree.end_array();
        }
        m_path.pop_back();
        return m_tree.end_array();
    }
    template <class Exception>
    bool parse_error(std::size_t at, const std::string& token, const Exception& e) {
        return m_tree.parse_error(at, token, e);
    }

  private:
    struct Frame {
        bool object;
        std::string key;
        std::vector<std::string> seen;
    };

    bool InTable() const { return m_tableDepth != 0; }
    bool Stop() {
        m_stopped = true;
        return false;
    }
    bool Cell(std::string text) {
        if (m_tableDepth != 2) return Stop();
        m_table.back().push_back(std::move(text));
        return true;
    }
    // The place whose keys lead from the top object to the array that starts now, if any.
    const TablePlace* PlaceHere() const {
        for (const TablePlace& place : m_places) {
            if (place.keys.size() != m_path.size()) continue;
            bool match = true;
            for (size_t i = 0; i < m_path.size() && match; ++i)
                match = m_path[i].object && m_path[i].key == place.keys[i];
            if (match) return &place;
        }
        return nullptr;
    }

    WizardDescription& m_out;
    const std::vector<TablePlace>& m_places;
    nlohmann::detail::json_sax_dom_parser<json> m_tree;
    std::vector<Frame> m_path;
    int m_tableDepth = 0;  // 0 outside a table, 1 between its rows, 2 inside a row
    const std::string* m_tableName = nullptr;
    TextRowTable m_table;
    bool m_stopped = false;
};

}  // namespace

WizardDescription ParseWizardDescription(const std::string& text, const std::vector<TablePlace>& places) {
    WizardDescription out;
    DescriptionReader reader(out, places);
    json::sax_parse(text, &reader);
    if (reader.stopped()) return {json::parse(text), {}};
    return out;
}

}  // namespace cli
