#pragma once
// The sizes of a support's members and of the superstructure, read from the member tables that the design
// modules fill, each member table read once. A member the tables do not size is given the sizes such a
// member commonly has, and a note says which table lacked it.
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "bridge_data.h"
#include "table_rows.h"

namespace drawhost {

class MemberSizes {
public:
    MemberSizes(dao::Database& db, std::vector<std::string>& notes) : db_(db), notes_(notes) {}

    // Fills cap, body, connection and foundation of a support whose type names and deck width are known.
    void Size(Support& support, double deckWidth);
    // The depth of the superstructure of a span.
    double SpanDepth(const Span& span);
    // Adds the notes on the member tables that lacked sizes: one for the tables the project does not have,
    // one for each table that lacks some of the members.
    void WriteNotes();

private:
    const std::vector<TableRow>* Rows(const std::string& table);
    // The record of `table` keyed by `key` == `value`; none, with a note, when the table or record is missing.
    const TableRow* Record(const std::string& table, const std::string& key, double value);
    const TableRow* RecordByText(const std::string& table, const std::string& key, const std::string& value);
    static void Remember(std::vector<std::string>& list, const std::string& table);

    void SizeCap(Support& s, double deckWidth);
    void SizeBody(Support& s, double deckWidth);
    void SizeConnection(Support& s);
    void SizeFoundation(Support& s);

    dao::Database& db_;
    std::vector<std::string>& notes_;
    std::map<std::string, std::optional<std::vector<TableRow>>> cache_;
    std::vector<std::string> missingTables_, incompleteTables_;
};

// A member size in metres. The member tables hold the design modules' units, which are centimetres as a
// rule; a value too large to be metres for this kind of size (beyond `largestMetres`) is centimetres.
double MemberMetres(double value, double largestMetres);

}  // namespace drawhost
