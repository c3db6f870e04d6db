#pragma once
// The record-editing seam of the design modules. A module proposes the records it would write, table by
// table; the shell shows them in an editing dialog (with pictures where a picture explains the rows
// better), the command line and the tests accept them as proposed. Only accepted rows are written.
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace ui {

// One table's proposed records, every value as the text the grid shows.
struct ProposedTable {
    std::string table;                           // the project table the rows go to
    std::vector<std::string> fields;             // its field names, the column captions
    std::vector<std::vector<std::string>> rows;  // one text per field
    std::vector<std::string> keyFields;          // fields the user may not change (they tie a row to its place)
    bool rowsFixed = false;                      // rows may be neither added nor removed
    std::vector<std::string> captions;           // column headers in field order; empty: the field names
};

// A line of points in a picture; x and y in the picture's own units (stake metres, elevation metres).
struct PlotSeries {
    std::string name;
    std::vector<std::pair<double, double>> points;
    bool markersOnly = false;  // points shown as marks (boreholes, supports), not joined
};

struct Plot {
    std::string title;
    std::string xLabel;
    std::string yLabel;
    bool equalScale = false;  // a plan keeps its proportions; a profile may be stretched
    std::vector<PlotSeries> series;
};

// Draws the pictures for the rows as they stand now; called again after every edit.
using PlotMaker = std::function<std::vector<Plot>(const std::vector<ProposedTable>& tables)>;

struct EditRequest {
    std::string title;  // the dialog's caption
    std::string note;   // one line above the sheets: what the rows are and where their defaults come from
    std::vector<ProposedTable> tables;
    PlotMaker plots;  // empty: no pictures
};

class RecordEditor {
public:
    virtual ~RecordEditor() = default;
    // Lets the user change `request.tables` in place. True for OK; false for Cancel, and then nothing is
    // written.
    virtual bool edit(EditRequest& request) = 0;
};

// Takes every proposal as it stands: the command line runs a module as if OK were pressed unchanged.
class AcceptingRecordEditor : public RecordEditor {
public:
    bool edit(EditRequest&) override { return true; }
};

}  // namespace ui
